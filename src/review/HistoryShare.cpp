#include "core/Errors.h"
#include "core/SafeSave.h"
#include "core/SaveDetail.h"
#include "review/History.h"
#include "review/HistoryJournal.h"
#include "review/HistoryStatements.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void FolderFails(const std::string& folder, int error)
{
    throw ESaidError({ VM_TRANSLATE_NOOP("Velmoria::Model", "The shared folder \"%1\" cannot be used: %2."),
        { folder, SystemErrorSaying(error) } });
}

// Appends lines to this device's journal or changes file, synced before it returns. A line cut short
// by a crash before is cut off first: the lines on it are written again, and readers took nothing of it.
void AppendJournal(const std::string& folder, const std::string& path, const std::string& lines)
{
    const std::string_view header = path.ends_with(ChangesExtension) ? ChangesHeader : JournalHeader;
    const auto must = [&folder](bool done) {
        if (!done)
            FolderFails(folder, errno);
    };
    SaveDetail::TFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    struct stat st { };
    // Another copy of the program on this device may append the same answers now: each append is
    // whole, and the answers' ids keep the second from counting.
    must(fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX) == 0 && ::fstat(fd.Get(), &st) == 0);
    const auto end = static_cast<off_t>(ReadWholeFile(path).rfind('\n') + 1);
    must(end == st.st_size || ::ftruncate(fd.Get(), end) == 0);
    errno = SaveDetail::WriteAll(fd.Get(), (end == 0 ? std::string(header) : std::string()) + lines, end);
    must(errno == 0 && ::fsync(fd.Get()) == 0);
    // The folder too, which holds a new file's name.
    const SaveDetail::TFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ::fsync(dir.Get());
}

} // namespace

std::string THistory::DeviceId()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TTransaction transaction(Db_, fail);
    TStatement read(Db_, "SELECT device FROM shared_device", fail);
    if (read.Step())
        return std::string(read.Text(0));
    std::random_device random;
    const std::string device
        = DeviceIdOf((static_cast<std::uint64_t>(random()) << 32) ^ static_cast<std::uint64_t>(random()));
    TStatement add(Db_, "INSERT INTO shared_device(device) VALUES(?)", fail);
    add.Bind(1, device).Step();
    transaction.Commit();
    return device;
}

std::int64_t THistory::WriteOwnJournal(const std::string& folder, const std::string& key)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const std::string device = DeviceId();
    const auto mark = [&](const char* sql) {
        TStatement read(Db_, sql, fail);
        read.Bind(1, key);
        return read.Step() ? read.Int(0) : 0;
    };
    const std::int64_t journaled = mark("SELECT journaled FROM shared_folders WHERE folder = ?");
    const std::int64_t changed = mark("SELECT seq FROM shared_changed WHERE folder = ?");
    struct TFile {
        std::string Lines;
        std::int64_t MonthMs = 0;
        bool Whole = false; // gone from the folder: written again with all it held
    };
    std::map<std::string, TFile> files;
    {
        TStatement written(Db_, "SELECT name, month_ms FROM shared_written WHERE folder = ?", fail);
        written.Bind(1, key);
        struct stat st { };
        while (written.Step())
            if (const std::string name(written.Text(0));
                ::lstat((fs::path(folder) / name).c_str(), &st) != 0 && errno == ENOENT)
                files[name] = { {}, written.Int(1), true };
    }
    const auto file = [&](std::string name, std::int64_t ms) -> TFile& {
        TFile& found = files[std::move(name)];
        found.MonthMs = MonthStartMs(ms);
        return found;
    };
    const auto changeLine = [&](TStatement& row) {
        return ChangeLine(
            { JournalAnswerId(device, row.Int(0), row.Int(1)), row.Int(2), static_cast<int>(row.Int(3)) });
    };
    // Changes before answers: a change made between the two readings goes with the next, while the
    // answer's own line carries the rating it has when it is read.
    const char* const changes
        = "SELECT a.id, a.time_ms, r.revision, a.rating, r.seq FROM rating_changes r JOIN "
          "answers a ON a.id = r.answer WHERE ";
    std::int64_t lastChange = changed;
    {
        // Those of answers not yet journaled are passed: their lines carry their ratings.
        TStatement read(Db_, (changes + std::string("r.seq > ? ORDER BY r.seq")).c_str(), fail);
        read.Bind(1, changed);
        while (read.Step()) {
            lastChange = read.Int(4);
            if (read.Int(0) > journaled)
                continue;
            if (TFile& to = file(ChangesName(device, read.Int(1)), read.Int(1)); !to.Whole)
                to.Lines += changeLine(read);
        }
    }
    // Answers are numbered as they are committed, so a later one never slips in under the mark; a
    // merged answer has its origin and is never written again.
    const char* const answers
        = "SELECT a.id, a.time_ms, a.rating, a.duration_ms, a.practice, c.foreign_language, "
          "c.native_language, c.direction, c.word, c.translations FROM answers a JOIN cards "
          "c ON c.id = a.card WHERE a.origin IS NULL AND ";
    const auto answerLine = [&](TStatement& own) {
        TJournalAnswer answer;
        answer.UnixMs = own.Int(1);
        answer.Id = JournalAnswerId(device, own.Int(0), answer.UnixMs);
        answer.Rating = static_cast<int>(own.Int(2));
        answer.DurationMs = own.Int(3);
        answer.Practice = own.Int(4) != 0;
        answer.Key = { static_cast<std::uint16_t>(own.Int(5)), static_cast<std::uint16_t>(own.Int(6)),
            std::string(own.Text(8)), std::string(own.Text(9)), static_cast<std::uint8_t>(own.Int(7)) };
        return JournalLine(answer);
    };
    std::int64_t written = 0, last = journaled;
    {
        TStatement own(Db_, (answers + std::string("a.id > ? ORDER BY a.id")).c_str(), fail);
        own.Bind(1, journaled);
        while (own.Step()) {
            last = own.Int(0);
            if (TFile& to = file(JournalName(device, own.Int(1)), own.Int(1)); !to.Whole) {
                to.Lines += answerLine(own);
                ++written;
            }
        }
    }
    // A file gone holds again every answer of its month up to the mark, and every change of them.
    TStatement ownOfMonth(Db_,
        (answers + std::string("a.id <= ?1 AND a.time_ms >= ?2 AND a.time_ms < ?3 ORDER BY a.id")).c_str(),
        fail);
    TStatement changesOfMonth(Db_,
        (changes
            + std::string("a.id <= ?1 AND r.seq <= ?2 AND a.time_ms >= ?3 AND a.time_ms < ?4 ORDER BY r.seq"))
            .c_str(),
        fail);
    for (auto& [name, to] : files) {
        if (!to.Whole)
            continue;
        if (name.ends_with(JournalExtension)) {
            ownOfMonth.Reset();
            ownOfMonth.Bind(1, last).Bind(2, to.MonthMs).Bind(3, NextMonthMs(to.MonthMs));
            for (; ownOfMonth.Step(); ++written)
                to.Lines += answerLine(ownOfMonth);
        } else {
            changesOfMonth.Reset();
            changesOfMonth.Bind(1, journaled)
                .Bind(2, lastChange)
                .Bind(3, to.MonthMs)
                .Bind(4, NextMonthMs(to.MonthMs));
            while (changesOfMonth.Step())
                to.Lines += changeLine(changesOfMonth);
        }
    }
    ownOfMonth.Reset();
    changesOfMonth.Reset();
    for (const auto& [name, to] : files)
        if (!to.Lines.empty())
            AppendJournal(folder, (fs::path(folder) / name).string(), to.Lines);
    TTransaction transaction(Db_, fail);
    TStatement keep(
        Db_, "INSERT OR IGNORE INTO shared_written(folder, name, month_ms) VALUES(?, ?, ?)", fail);
    for (const auto& [name, to] : files) {
        if (to.Lines.empty())
            continue;
        keep.Reset();
        keep.Bind(1, key).Bind(2, name).Bind(3, to.MonthMs).Step();
    }
    TStatement marks(Db_,
        "INSERT INTO shared_folders(folder, journaled) VALUES(?1, ?2) ON CONFLICT(folder) DO UPDATE SET "
        "journaled = MAX(journaled, ?2)",
        fail);
    marks.Bind(1, key).Bind(2, last).Step();
    TStatement changeMark(Db_,
        "INSERT INTO shared_changed(folder, seq) VALUES(?1, ?2) ON CONFLICT(folder) DO UPDATE SET "
        "seq = MAX(seq, ?2)",
        fail);
    changeMark.Bind(1, key).Bind(2, lastChange).Step();
    transaction.Commit();
    return written;
}

std::vector<TJournalAnswer> THistory::NewAnswers(
    std::vector<TJournalAnswer> answers, const std::string& device)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    KeepFirstOfEachId(answers);
    TStatement merged(Db_, "SELECT 1 FROM answers WHERE origin = ?", fail);
    // This device's own answers come back through its journal and its conflict copies; those of a
    // history restored from an older copy are not in it any more and are merged.
    TStatement own(Db_, "SELECT 1 FROM answers WHERE id = ? AND time_ms = ? AND origin IS NULL", fail);
    Execute("BEGIN");
    try {
        std::erase_if(answers, [&](const TJournalAnswer& answer) {
            std::string_view from;
            std::int64_t number = 0;
            if (SplitJournalAnswerId(answer.Id, from, number) && from == device) {
                own.Reset();
                own.Bind(1, number).Bind(2, answer.UnixMs);
                if (own.Step())
                    return true;
            }
            merged.Reset();
            merged.Bind(1, answer.Id);
            return merged.Step();
        });
    } catch (...) {
        sqlite3_exec(Db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    Execute("COMMIT");
    return answers;
}

TShareResult THistory::ShareThrough(
    const std::string& folder, const TSchedulerParameters& p, std::int64_t nowMs)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::error_code error;
    if (!fs::is_directory(folder, error))
        FolderFails(folder, error ? error.value() : ENOTDIR);
    const fs::path canonical = fs::weakly_canonical(folder, error);
    const std::string key = (error ? fs::absolute(folder) : canonical).string();
    // The folder's sync tool would copy the live database mid-write, which breaks it.
    const std::string database = fs::weakly_canonical(Path(), error).string();
    if (!error && database.starts_with((fs::path(key) / "").string()))
        throw ESaidError({ VM_TRANSLATE_NOOP("Velmoria::Model",
                               "The review history cannot be shared through \"%1\": the history itself is in "
                               "that folder, where a sync tool would damage it."),
            { folder } });
    TShareResult result;
    result.Written = WriteOwnJournal(folder, key);

    struct TFile {
        std::string Name;
        TJournalMark Mark;
    };
    std::vector<TFile> files;
    std::vector<TJournalAnswer> answers;
    std::vector<TJournalChange> changes;
    std::map<std::string, TJournalMark> marks;
    {
        TStatement read(Db_, "SELECT name, read, hash, skipped FROM shared_files WHERE folder = ?", fail);
        read.Bind(1, key);
        while (read.Step())
            marks[std::string(read.Text(0))] = { static_cast<std::uint64_t>(read.Int(1)),
                static_cast<std::uint64_t>(read.Int(2)), read.Int(3) != 0 };
    }
    // A folder that cannot be listed throws as the library says it.
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!IsJournalName(name))
            continue;
        std::string bytes;
        try {
            bytes = ReadWholeFile(entry.path().string());
        } catch (const EFileError&) {
            continue; // gone meanwhile, or a folder so named
        }
        const TJournalMark mark = marks[name];
        TJournalRead read = ReadJournal(name, bytes, mark, nowMs + AheadMs);
        if (!read.Problem.Empty())
            result.Problems.push_back(std::move(read.Problem));
        std::move(read.Answers.begin(), read.Answers.end(), std::back_inserter(answers));
        std::move(read.Changes.begin(), read.Changes.end(), std::back_inserter(changes));
        if (read.Mark != mark)
            files.push_back({ name, read.Mark });
    }
    answers = NewAnswers(std::move(answers), DeviceId());
    if (!answers.empty() || !changes.empty())
        result.Merged = MergeJournal(std::move(answers), std::move(changes), p);
    // Only once the answers are in: a merge stopped before is read again, and what it did add is
    // known by the answers' ids.
    TTransaction transaction(Db_, fail);
    TStatement keep(Db_,
        "INSERT OR REPLACE INTO shared_files(folder, name, read, hash, skipped) VALUES(?, ?, ?, ?, ?)", fail);
    for (const TFile& file : files) {
        keep.Reset();
        keep.Bind(1, key)
            .Bind(2, file.Name)
            .Bind(3, static_cast<std::int64_t>(file.Mark.Read))
            .Bind(4, static_cast<std::int64_t>(file.Mark.Hash))
            .Bind(5, std::int64_t { file.Mark.Skipped ? 1 : 0 });
        keep.Step();
    }
    transaction.Commit();
    return result;
}
