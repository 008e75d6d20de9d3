#include "core/Errors.h"
#include "core/SafeSave.h"
#include "core/SaveDetail.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr char JournalMagic[16]
    = { 'V', 'e', 'l', 'm', 'o', 'r', 'i', 'a', ' ', 'j', 'o', 'u', 'r', 'n', 'a', 'l' };
constexpr std::uint32_t JournalVersion = 1;

// Journals this process is writing, or rewriting its file from.
std::mutex InFlightLock;
std::set<std::string> InFlight;

void PutLittle(char* at, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetLittle(const char* at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(at[i]);
    return value;
}

} // namespace

namespace SaveDetail {

std::uint32_t Crc(std::string_view bytes)
{
    return static_cast<std::uint32_t>(
        ::crc32_z(::crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

std::string JournalHeaderBytes(const TJournalHeader& header)
{
    std::string bytes(JournalHeaderSize, '\0');
    std::memcpy(bytes.data(), JournalMagic, sizeof JournalMagic);
    PutLittle(&bytes[16], JournalVersion, 4);
    PutLittle(&bytes[20], header.Writer, 4);
    PutLittle(&bytes[24], header.Device, 8);
    PutLittle(&bytes[32], header.Inode, 8);
    PutLittle(&bytes[40], header.Length, 8);
    PutLittle(&bytes[48], header.Checksum, 4);
    PutLittle(&bytes[60], Crc(std::string_view(bytes).substr(0, 60)), 4);
    return bytes;
}

TInFlight::TInFlight(std::string path)
    : Path_(std::move(path))
{
    const std::lock_guard lock(InFlightLock);
    InFlight.insert(Path_);
}

TInFlight::~TInFlight()
{
    const std::lock_guard lock(InFlightLock);
    InFlight.erase(Path_);
}

} // namespace SaveDetail

using namespace SaveDetail;

namespace {

std::optional<TJournalHeader> ParseJournalHeader(std::string_view bytes)
{
    if (bytes.size() < JournalHeaderSize || std::memcmp(bytes.data(), JournalMagic, sizeof JournalMagic) != 0
        || GetLittle(&bytes[16], 4) != JournalVersion || GetLittle(&bytes[60], 4) != Crc(bytes.substr(0, 60)))
        return std::nullopt;
    return TJournalHeader { static_cast<std::uint32_t>(GetLittle(&bytes[20], 4)), GetLittle(&bytes[24], 8),
        GetLittle(&bytes[32], 8), GetLittle(&bytes[40], 8),
        static_cast<std::uint32_t>(GetLittle(&bytes[48], 4)) };
}

bool ProcessRuns(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// The writer's process id in a temporary file's name after its prefix ("PID-XXXXXX"), or 0.
pid_t WriterOf(std::string_view rest)
{
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || rest.size() - dash - 1 != 6)
        return 0;
    pid_t pid = 0;
    for (const char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

// Whether the writer of a journal has ended; this process counts as ended for a journal it no
// longer works on (a rewrite that failed).
bool WriterEnded(pid_t writer, const std::string& path)
{
    if (writer != ::getpid())
        return !ProcessRuns(writer);
    const std::lock_guard lock(InFlightLock);
    return !InFlight.contains(path);
}

// The header of a journal, read without following a link; only a plain file of this user counts
// (ours tells whether it was one).
std::optional<TJournalHeader> ReadJournalHeader(
    const std::string& path, struct stat* st = nullptr, bool* ours = nullptr)
{
    TFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat own { };
    if (fd.Get() < 0 || ::fstat(fd.Get(), &own) != 0 || !S_ISREG(own.st_mode) || own.st_uid != ::geteuid())
        return std::nullopt;
    if (st)
        *st = own;
    if (ours)
        *ours = true;
    char bytes[JournalHeaderSize];
    std::size_t used = 0;
    while (used < sizeof bytes) {
        const ssize_t got = ::read(fd.Get(), bytes + used, sizeof bytes - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        used += static_cast<std::size_t>(got);
    }
    return ParseJournalHeader(std::string_view(bytes, sizeof bytes));
}

bool NamesFile(const TJournalHeader& header, const struct stat& file)
{
    return header.Device == static_cast<std::uint64_t>(file.st_dev)
        && header.Inode == static_cast<std::uint64_t>(file.st_ino);
}

// The writer of a journal or temporary file of any list from its name, or 0.
pid_t WriterOfName(std::string_view name, std::string_view mark)
{
    const auto at = name.rfind(mark);
    if (name.empty() || name[0] != '.' || at == std::string_view::npos)
        return 0;
    return WriterOf(name.substr(at + mark.size()));
}

} // namespace

std::vector<TJournalFile> SaveDetail::OwedJournals(
    const std::string& folder, const struct stat& file, std::vector<std::string>* unnamed)
{
    std::vector<TJournalFile> journals;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return journals;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const pid_t writer = WriterOfName(name, JournalMark);
        if (writer == 0)
            continue;
        const std::string path = folder + "/" + name;
        struct stat st { };
        if (!WriterEnded(writer, path))
            continue;
        bool ours = false;
        const auto header = ReadJournalHeader(path, &st, &ours);
        if (header && NamesFile(*header, file))
            journals.push_back({ path, *header, Nanoseconds(st.st_mtim) });
        else if (!header && ours && unnamed)
            unnamed->push_back(path);
    }
    ::closedir(dir);
    std::stable_sort(journals.begin(), journals.end(),
        [](const TJournalFile& a, const TJournalFile& b) { return a.ModifiedNs > b.ModifiedNs; });
    return journals;
}

namespace {

// The new contents a journal holds, when it is complete.
std::optional<std::string> JournalContents(const TJournalFile& journal)
{
    // Read through the name only as the plain file of this user it was found to be.
    TFd fd(::open(journal.Path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st { };
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()
        || static_cast<std::uint64_t>(st.st_size) != JournalHeaderSize + journal.Header.Length)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    for (std::size_t used = 0; used < bytes.size();) {
        const ssize_t got = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        used += static_cast<std::size_t>(got);
    }
    const auto header = ParseJournalHeader(bytes); // it might have changed since it was first read
    if (!header || header->Device != journal.Header.Device || header->Inode != journal.Header.Inode
        || header->Length != journal.Header.Length || header->Checksum != journal.Header.Checksum
        || Crc(std::string_view(bytes).substr(JournalHeaderSize)) != header->Checksum)
        return std::nullopt;
    bytes.erase(0, JournalHeaderSize);
    return bytes;
}

// Writes a journal's contents over the file it names; raises when that fails.
void CompleteFrom(
    const std::string& target, const std::string& fileName, std::string_view bytes, const struct stat& file)
{
    const auto fail
        = [&](int error) { throw EFileError(fileName, "Cannot complete the last save of", error); };
    // Never waits on a pipe that took the name: it is no longer the file the journal names.
    TFd fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat now { };
    if (fd.Get() < 0 || ::fstat(fd.Get(), &now) != 0)
        fail(errno);
    if (now.st_dev != file.st_dev || now.st_ino != file.st_ino)
        fail(ESTALE); // replaced meanwhile: the journal is not for this file
    if (const int error = WriteAll(fd.Get(), bytes))
        fail(error);
    if (::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd.Get()) != 0)
        fail(errno);
    if (const int error = fd.Close())
        fail(error);
}

// Only a plain file of this user: never a link, a folder or someone else's file.
bool RemoveOwnFile(const std::string& path)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
        && ::unlink(path.c_str()) == 0;
}

bool SameContents(const std::string& a, const std::string& b)
{
    try {
        return ReadWholeFile(a) == ReadWholeFile(b);
    } catch (const EFileError&) {
        return false;
    }
}

} // namespace

bool IsSaveTemporaryName(std::string_view baseName)
{
    return WriterOfName(baseName, TemporaryMark) != 0;
}

TInterruptedSave FinishInterruptedSave(const std::string& fileName)
{
    const std::string target = ResolveLinks(fileName);
    struct stat file { };
    if (::stat(target.c_str(), &file) != 0 || !S_ISREG(file.st_mode))
        return TInterruptedSave::None;
    std::vector<std::string> unnamed;
    const std::vector<TJournalFile> journals = OwedJournals(FolderOf(target), file, &unnamed);
    for (const std::string& path : unnamed)
        RemoveOwnFile(path);
    if (journals.empty())
        return TInterruptedSave::None;
    // The newest complete journal is of the rewrite that touched the file last; one cut short was
    // killed before its rewrite began.
    std::optional<std::string> contents;
    for (const TJournalFile& journal : journals) {
        if ((contents = JournalContents(journal)))
            break;
    }
    TInterruptedSave result = TInterruptedSave::None;
    if (contents) {
        if (ReadWholeFile(target) == *contents) {
            result = TInterruptedSave::AlreadyComplete;
        } else {
            CompleteFrom(target, fileName, *contents, file);
            result = TInterruptedSave::Completed;
        }
    }
    for (const TJournalFile& journal : journals)
        RemoveOwnFile(journal.Path);
    return result;
}

int RemoveStaleSaveFiles(const std::string& fileName)
{
    const std::string target = ResolveLinks(fileName);
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    const std::string journalPrefix = TemporaryPrefix(target, JournalMark);
    const std::string legacyPrefix = BaseOf(target) + std::string(LegacyCopyMark);
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    struct stat file { };
    const bool exists = ::stat(target.c_str(), &file) == 0;
    // The temporary file of a running save, by the random part its kept copy shared with it.
    const auto savingWith = [&](std::string_view random) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& name) {
            const std::string_view view = name;
            if (!view.starts_with(prefix) || !view.ends_with(random))
                return false;
            const pid_t writer = WriterOf(view.substr(prefix.size()));
            return writer != 0 && (writer == ::getpid() || ProcessRuns(writer));
        });
    };
    int removed = 0;
    for (const std::string& name : names) {
        const std::string_view view = name;
        const std::string path = folder + "/" + name;
        bool stale = false;
        if (view.starts_with(prefix)) {
            const pid_t writer = WriterOf(view.substr(prefix.size()));
            stale = writer != 0 && writer != ::getpid() && !ProcessRuns(writer);
        } else if (view.starts_with(journalPrefix)) {
            // A journal still owed to the file waits for its next load.
            const pid_t writer = WriterOf(view.substr(journalPrefix.size()));
            if (writer != 0 && WriterEnded(writer, path)) {
                const auto header = ReadJournalHeader(path);
                stale = !exists || !header || !NamesFile(*header, file);
            }
        } else if (view.starts_with(legacyPrefix) && view.size() == legacyPrefix.size() + 6) {
            // Only once it is no more than what the file holds anyway.
            const std::string random = "-" + name.substr(legacyPrefix.size());
            stale = !savingWith(random) && exists && SameContents(path, target);
        }
        if (stale && RemoveOwnFile(path))
            ++removed;
    }
    return removed;
}
