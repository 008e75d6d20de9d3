#include "review/HistoryWal.h"

#include "core/Errors.h"
#include "core/SaveDetail.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::mutex OpenMutex;
std::map<std::string, int> OpenPaths; // the histories this process holds open, by path

// SQLite's unix VFS holds a shared lock on this byte of the -shm file for as long as a connection
// is open, and the first connection takes it exclusively while it recovers the journal.
constexpr off_t ShmDeadmanByte = 128;

std::string KeyOf(const std::string& path)
{
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return (error ? fs::absolute(path) : canonical).lexically_normal().string();
}

// The -shm locked as SQLite's first connection locks it: while it is held no other process can
// open the history, and none has it open. Closing the file would drop every lock this process
// holds on it, so it is only opened when no connection of this process uses the history.
class TSoleUse {
public:
    explicit TSoleUse(const std::string& shm)
        : Fd_(::open(shm.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        struct flock lock { };
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = ShmDeadmanByte;
        lock.l_len = 1;
        Held_ = Fd_.Get() >= 0 && ::fcntl(Fd_.Get(), F_SETLK, &lock) == 0;
    }
    bool Held() const { return Held_; }

private:
    SaveDetail::TFd Fd_;
    bool Held_ = false;
};

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string ReadHead(const std::string& path, std::size_t size)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(size, '\0');
    in.read(head.data(), static_cast<std::streamsize>(size));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

// What a history holds of its answers: how many, the last one written, and the one asked for.
struct TAnswersSeen {
    std::int64_t Count = 0;
    std::array<std::int64_t, 3> Last {}; // id, card, time
    std::optional<std::array<std::int64_t, 2>> Asked; // card, time
};

// nullopt when the file cannot be read as a history. asked: the id of an answer to look up.
std::optional<TAnswersSeen> AnswersOf(const std::string& path, std::int64_t asked = 0)
{
    sqlite3* db = nullptr;
    std::optional<TAnswersSeen> seen;
    // One row of a query with an optional id bound; false when it cannot be read.
    const auto row = [&db](const char* sql, std::int64_t id, const std::function<void(sqlite3_stmt*)>& take) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        if (statement && id > 0)
            sqlite3_bind_int64(statement, 1, id);
        const int rc = statement ? sqlite3_step(statement) : SQLITE_ERROR;
        if (rc == SQLITE_ROW)
            take(statement);
        sqlite3_finalize(statement);
        return rc == SQLITE_ROW || rc == SQLITE_DONE;
    };
    const auto column = [](sqlite3_stmt* s, int i) -> std::int64_t { return sqlite3_column_int64(s, i); };
    bool has = false;
    TAnswersSeen answers;
    const auto read = [&] {
        if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr)
                != SQLITE_OK
            || !row("SELECT COUNT(*) FROM sqlite_schema WHERE name = 'answers'", 0,
                [&](sqlite3_stmt* s) { has = column(s, 0) == 1; }))
            return false;
        if (!has)
            return true; // a history not yet written to
        if (!row("SELECT (SELECT COUNT(*) FROM answers), id, card, time_ms FROM answers ORDER BY id DESC "
                 "LIMIT 1",
                0, [&](sqlite3_stmt* s) {
                    answers.Count = column(s, 0);
                    answers.Last = { column(s, 1), column(s, 2), column(s, 3) };
                }))
            return false;
        return asked <= 0
            || row("SELECT card, time_ms FROM answers WHERE id = ?", asked, [&](sqlite3_stmt* s) {
                   answers.Asked = std::array { column(s, 0), column(s, 1) };
               });
    };
    if (read())
        seen = answers;
    sqlite3_close(db);
    return seen;
}

// Whether the journal continues the database: it must keep every answer the database holds, the
// last one written as it was.
bool Continues(const std::string& path, const std::string& wal)
{
    std::error_code error;
    const fs::path folder = fs::path(path).parent_path() / (".history-check-" + std::to_string(::getpid()));
    fs::remove_all(folder, error);
    if (!fs::create_directory(folder, error))
        return true; // nothing to compare in: SQLite decides, as ever
    fs::permissions(folder, fs::perms::owner_all, error);
    const std::string copy = (folder / "h.sqlite").string();
    bool continues = true;
    if (fs::copy_file(path, copy, error)) {
        const std::optional<TAnswersSeen> before = AnswersOf(copy);
        fs::remove(copy + "-wal", error);
        fs::remove(copy + "-shm", error);
        if (before && fs::copy_file(wal, copy + "-wal", error)) {
            const std::optional<TAnswersSeen> after = AnswersOf(copy, before->Last[0]);
            continues = after && after->Count >= before->Count
                && (before->Count == 0 || after->Asked == std::array { before->Last[1], before->Last[2] });
        }
    }
    fs::remove_all(folder, error);
    return continues;
}

std::string Stamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    ::localtime_r(&now, &local);
    std::array<char, 32> text {};
    std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", &local);
    return text.data();
}

} // namespace

TSaying SetAsideForeignJournal(const std::string& path)
{
    const std::string wal = path + "-wal";
    // Opens in this process wait for the check; one already open here uses the journal.
    const std::lock_guard lock(OpenMutex);
    const std::string key = KeyOf(path);
    const auto opened = [&key](TSaying notice = {}) {
        ++OpenPaths[key];
        return notice;
    };
    struct stat st { };
    if (::lstat(wal.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 32 || OpenPaths.contains(key))
        return opened();
    const TSoleUse sole(path + "-shm");
    if (!sole.Held())
        return opened();
    // A journal of pages of another size is no continuation; otherwise what it leaves is compared.
    const std::string walHead = ReadHead(wal, 32);
    const std::string dbHead = ReadHead(path, 100);
    bool foreign = walHead.size() < 32 || (BigEndian(walHead, 0, 4) & 0xFFFFFFFEu) != 0x377F0682u;
    if (!foreign && dbHead.size() == 100) {
        std::uint32_t pageSize = BigEndian(dbHead, 16, 2);
        pageSize = pageSize == 1 ? 65536 : pageSize;
        foreign = BigEndian(walHead, 8, 4) != pageSize;
    }
    if (!foreign)
        foreign = !Continues(path, wal);
    if (!foreign)
        return opened();
    // Never onto one set aside before (two in a second): each holds someone's answers.
    const auto moveTo = [&wal](const std::string& to) {
        if (::renameat2(AT_FDCWD, wal.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL)
            return errno;
        struct stat there { }; // a file system without the flag: looked at first
        if (::lstat(to.c_str(), &there) == 0)
            return EEXIST;
        return ::rename(wal.c_str(), to.c_str()) == 0 ? 0 : errno;
    };
    const std::string stamped = wal + ".other-" + Stamp();
    std::string aside = stamped;
    int failure = 0;
    for (int n = 2; (failure = moveTo(aside)) == EEXIST; ++n)
        aside = stamped + "-" + std::to_string(n);
    if (failure != 0)
        throw ESaidError(
            { VM_TRANSLATE_NOOP("Velmoria::Model",
                  "the journal \"%1\" beside it belongs to another history and cannot be moved aside (%2)"),
                { wal, SystemErrorSaying(failure) } });
    std::error_code error;
    fs::remove(path + "-shm", error);
    return opened({ VM_TRANSLATE_NOOP("Velmoria::Model",
                        "The review history \"%1\" had beside it the journal of another history; it was not "
                        "applied, and was moved to \"%2\"."),
        { path, aside } });
}

void NoteHistoryClosed(const std::string& path)
{
    const std::string key = KeyOf(path);
    const std::lock_guard lock(OpenMutex);
    if (const auto at = OpenPaths.find(key); at != OpenPaths.end() && --at->second == 0)
        OpenPaths.erase(at);
}
