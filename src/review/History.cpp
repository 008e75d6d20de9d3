#include "review/History.h"

#include "core/Errors.h"
#include "core/FreedMemory.h"
#include "core/RecoveryCopy.h"
#include "core/UserFolders.h"
#include "review/HistoryStatements.h"
#include "review/HistoryWal.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int SchemaVersion = 3;
constexpr int BusyTimeoutMs = 5000;

constexpr const char* Schema = R"sql(
CREATE TABLE IF NOT EXISTS cards(
  id INTEGER PRIMARY KEY,
  foreign_language INTEGER NOT NULL, native_language INTEGER NOT NULL, direction INTEGER NOT NULL,
  word TEXT NOT NULL, translations TEXT NOT NULL,
  state INTEGER NOT NULL, stability REAL NOT NULL, difficulty REAL NOT NULL,
  last_review INTEGER NOT NULL, due INTEGER NOT NULL, reps INTEGER NOT NULL, lapses INTEGER NOT NULL,
  first_day INTEGER NOT NULL,
  UNIQUE(foreign_language, native_language, direction, word, translations));
CREATE INDEX IF NOT EXISTS cards_first_day ON cards(first_day);
CREATE INDEX IF NOT EXISTS cards_due ON cards(due);
CREATE TABLE IF NOT EXISTS answers(
  id INTEGER PRIMARY KEY,
  card INTEGER NOT NULL REFERENCES cards(id),
  time_ms INTEGER NOT NULL, day INTEGER NOT NULL, rating INTEGER NOT NULL, state_before INTEGER NOT NULL,
  duration_ms INTEGER NOT NULL, practice INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS answers_card_time ON answers(card, time_ms);
CREATE INDEX IF NOT EXISTS answers_day ON answers(day);
)sql";

// Version 2: each card's StoredHashOf, and an index holding its memory beside it, so the cards of a
// list are found without reading a text.
constexpr const char* AddKeyHash = "ALTER TABLE cards ADD COLUMN key_hash INTEGER NOT NULL DEFAULT 0";
constexpr const char* KeyHashIndex = R"sql(
CREATE INDEX IF NOT EXISTS cards_key_hash ON cards(foreign_language, native_language, direction, key_hash,
  state, stability, difficulty, last_review, due, reps, lapses);
PRAGMA user_version = 2;
)sql";

// Version 3: the history shared through a folder (review/HistoryJournal.h). An answer merged from
// another device keeps its id there (origin); beside, this device's id, how far its answers went to
// each folder's journal, and how far each journal there was read.
constexpr const char* AddOrigin = "ALTER TABLE answers ADD COLUMN origin TEXT";
constexpr const char* AddSharing = R"sql(
CREATE UNIQUE INDEX IF NOT EXISTS answers_origin ON answers(origin) WHERE origin IS NOT NULL;
CREATE TABLE IF NOT EXISTS shared_device(device TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS shared_folders(folder TEXT PRIMARY KEY, journaled INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS shared_files(folder TEXT NOT NULL, name TEXT NOT NULL, read INTEGER NOT NULL,
  hash INTEGER NOT NULL, skipped INTEGER NOT NULL, PRIMARY KEY(folder, name));
PRAGMA user_version = 3;
)sql";

// Ratings changed after their answers went to a shared folder, and what goes with them: added to a
// file of any version (they only add, so an older copy still opens it). rating_changes: this
// device's own changed answers, the latest change of each numbered anew (seq) so that each folder
// takes those past its mark (shared_changed); shared_written: the journals this device wrote to
// each folder, written again when they are gone; shared_changes: the latest change known of each
// answer of another device, kept for an answer that comes in after its change.
constexpr const char* SharedChanges = R"sql(
CREATE TABLE IF NOT EXISTS rating_changes(seq INTEGER PRIMARY KEY AUTOINCREMENT, answer INTEGER NOT NULL UNIQUE,
  revision INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS shared_changed(folder TEXT PRIMARY KEY, seq INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS shared_written(folder TEXT NOT NULL, name TEXT NOT NULL, month_ms INTEGER NOT NULL,
  PRIMARY KEY(folder, name));
CREATE TABLE IF NOT EXISTS shared_changes(origin TEXT PRIMARY KEY, revision INTEGER NOT NULL,
  rating INTEGER NOT NULL);
)sql";

const char* const DiskFull = VM_TRANSLATE_NOOP("Velmoria::Model", "the disk is full (%1)");

TSaying Cause(int rc, const char* detail)
{
    std::string text = detail && *detail ? detail : sqlite3_errstr(rc);
    switch (rc & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return { VM_TRANSLATE_NOOP("Velmoria::Model", "it is damaged (%1)"), { std::move(text) } };
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return { VM_TRANSLATE_NOOP("Velmoria::Model", "another program holds it locked (%1)"),
            { std::move(text) } };
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        return { VM_TRANSLATE_NOOP("Velmoria::Model", "it cannot be written (%1)"), { std::move(text) } };
    case SQLITE_FULL:
        return { DiskFull, { std::move(text) } };
    default:
        return text;
    }
}

std::string DataHome()
{
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

THistoryProblem ProblemOf(int resultCode)
{
    switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return THistoryProblem::Busy;
    case SQLITE_READONLY:
        return THistoryProblem::ReadOnly;
    case SQLITE_FULL:
        return THistoryProblem::Full;
    default:
        return THistoryProblem::Other;
    }
}

} // namespace

std::string THistory::DefaultPath()
{
    // As the window's recovery copies: $XDG_DATA_HOME/<organization>/<application>/recovery.
    return DataHome() + "/Brannock/Velmoria/recovery/history.sqlite";
}

void THistory::Fail(TSaying what, THistoryProblem problem) const
{
    throw THistoryError(
        { VM_TRANSLATE_NOOP("Velmoria::Model", "The review history \"%1\" cannot be used: %2."),
            { Path_, std::move(what) } },
        problem);
}

TDay DayOfMs(std::int64_t unixMs)
{
    return LocalDay(unixMs >= 0 ? unixMs / 1000 : (unixMs - 999) / 1000);
}

void THistory::FailSql(int resultCode) const
{
    // SQLite calls a write the disk refused an I/O error.
    const int system = Db_ ? sqlite3_system_errno(Db_) : 0;
    if (system == ENOSPC || system == EDQUOT)
        Fail({ DiskFull, { SystemErrorSaying(system) } }, THistoryProblem::Full);
    Fail(Cause(resultCode, Db_ ? sqlite3_errmsg(Db_) : nullptr), ProblemOf(resultCode));
}

void THistory::RequireWritable() const
{
    if (!ReadOnlyWhy_.Empty())
        Fail(ReadOnlyWhy_, THistoryProblem::ReadOnly);
}

THistory::THistory(const std::string& path, TCheck check)
    : Path_(path)
    , BusyTimeoutMs_(BusyTimeoutMs)
    , Waiting_(path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    // The default place is checked up to the user's data folder, as the recovery copies' is: a
    // folder above it that another user may change lets them move the history away.
    const std::string top = path == DefaultPath() ? DataHome() : std::string();
    if (const TSaying problem = PrepareRecoveryFolder(folder.empty() ? "." : folder, top); !problem.Empty())
        throw THistoryError({ VM_TRANSLATE_NOOP("Velmoria::Model",
                                  "The review history \"%1\" cannot be used: its folder cannot be used. %2"),
            { Path_, problem } });
    // Made private before SQLite sees it: its journal files take the database's permissions.
    if (const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0)
        ::close(fd);
    else if (errno != EEXIST)
        Fail(
            { VM_TRANSLATE_NOOP("Velmoria::Model", "it cannot be made (%1)"), { SystemErrorSaying(errno) } });
    try {
        Notice_ = SetAsideForeignJournal(path);
    } catch (const std::runtime_error& error) {
        Fail(SayingOf(error));
    }
    try {
        // A history the user may not write is still theirs to count, review progress from and export.
        const bool readOnly = ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
        const int rc = sqlite3_open_v2(path.c_str(), &Db_,
            (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOFOLLOW
                | SQLITE_OPEN_NOMUTEX,
            nullptr);
        if (rc != SQLITE_OK)
            Fail(Cause(rc, Db_ ? sqlite3_errmsg(Db_) : nullptr));
        sqlite3_busy_handler(Db_, &THistory::OnBusy, this);
        // A writer that said it waits is through once its transaction ends either way.
        sqlite3_commit_hook(
            Db_,
            [](void* waiting) {
                static_cast<TWaitingWriters*>(waiting)->Done();
                return 0;
            },
            &Waiting_);
        sqlite3_rollback_hook(
            Db_, [](void* waiting) { static_cast<TWaitingWriters*>(waiting)->Done(); }, &Waiting_);
        sqlite3_extended_result_codes(Db_, 1);
        // SQLite opens a file it may not write for reading alone, without a word.
        if (readOnly || sqlite3_db_readonly(Db_, "main") == 1)
            ReadOnlyWhy_ = VM_TRANSLATE_NOOP("Velmoria::Model",
                "it may only be read (the file or its folder is read-only), so answers cannot be kept");
        // Copies starting together meet in places where SQLite answers "busy" without waiting (a
        // change of journal mode, a journal being recovered): those are waited out here.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(BusyTimeoutMs);
        for (;;) {
            try {
                Upgrade();
                if (check == TCheck::AtOpen)
                    Check();
                break;
            } catch (const THistoryError& error) {
                if (error.Problem != THistoryProblem::Busy || std::chrono::steady_clock::now() > until)
                    throw;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        struct stat st { };
        if (!ReadOnly() && ::stat(path.c_str(), &st) == 0 && (st.st_mode & 077) != 0)
            ::chmod(path.c_str(), 0600);
    } catch (...) {
        sqlite3_close(Db_);
        Db_ = nullptr;
        NoteHistoryClosed(path);
        throw;
    }
}

void THistory::Upgrade()
{
    UpgradeSchema();
    if (ReadOnly())
        return;
    AddLearnerParameters();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const auto done = [&] {
        TStatement table(Db_, "SELECT 1 FROM sqlite_master WHERE name = 'shared_changes'", fail);
        return table.Step();
    };
    if (done())
        return;
    TTransaction transaction(Db_, fail);
    Execute(SharedChanges);
    transaction.Commit();
}

void THistory::UpgradeSchema()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const auto version = [&] {
        TStatement check(Db_, "PRAGMA user_version", fail);
        return check.Step() ? static_cast<int>(check.Int(0)) : 0;
    };
    // Read before anything is written: a file that is no database stays as it was.
    const int seen = version();
    if (seen > SchemaVersion)
        Fail(VM_TRANSLATE_NOOP("Velmoria::Model", "a newer version of the program made it"));
    if (ReadOnly()) {
        if (seen < SchemaVersion)
            Fail(VM_TRANSLATE_NOOP(
                "Velmoria::Model", "it may only be read, and an older version of the program made it"));
        return;
    }
    // Larger pages for a new file: a due count reads every card, a page at a time.
    if (seen == 0)
        Execute("PRAGMA page_size=16384");
    {
        TStatement sql(Db_, "PRAGMA journal_mode=WAL", fail);
        sql.Step();
    }
    Execute("PRAGMA synchronous=FULL");
    if (seen == SchemaVersion)
        return;
    // Another copy starting now may have made or upgraded it since it was read above.
    TTransaction transaction(Db_, fail);
    const int current = version();
    if (current >= SchemaVersion)
        return;
    Execute(Schema);
    if (current < 2)
        AddKeyHashes();
    Execute(KeyHashIndex);
    if (current < 3) {
        // A file an older copy took back to its own version may have the column already.
        TStatement origin(Db_, "SELECT 1 FROM pragma_table_info('answers') WHERE name = 'origin'", fail);
        if (!origin.Step())
            Execute(AddOrigin);
        Execute(AddSharing);
    }
    transaction.Commit();
}

void THistory::SetBusyTimeout(int ms)
{
    BusyTimeoutMs_ = ms;
}

int THistory::OnBusy(void* self, int count)
{
    auto& history = *static_cast<THistory*>(self);
    const auto now = std::chrono::steady_clock::now();
    if (count == 0)
        history.BusySince_ = now;
    history.Waiting_.Waiting();
    const auto left = history.BusySince_ + std::chrono::milliseconds(history.BusyTimeoutMs_) - now;
    if (left <= std::chrono::steady_clock::duration::zero()) {
        // Given up: no longer waiting, so an import need not give way to it.
        history.Waiting_.Done();
        return 0;
    }
    // Soon at first, then every 25 ms: an import gives way as long as it sees a writer waiting.
    constexpr int Polls[] = { 1, 2, 5, 10, 15, 20, 25 };
    const std::chrono::milliseconds poll(Polls[std::min<std::size_t>(count, std::size(Polls) - 1)]);
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(poll, left));
    return 1;
}

THistory::~THistory()
{
    // Closed first: the last connection folds the journal in, and until then it is in use.
    sqlite3_close(Db_);
    NoteHistoryClosed(Path_);
}

void THistory::Execute(const char* sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(Db_, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message ? message : "";
        sqlite3_free(message);
        Fail(Cause(rc, text.c_str()), ProblemOf(rc));
    }
}

TMemory THistory::RecordAnswer(const TCardKey& key, bool correct, bool hintUsed, std::int64_t unixMs,
    std::int32_t durationMs, const TSchedulerParameters& p, bool hintCountsAsWrong)
{
    THistoryAnswer answer;
    answer.Key = key;
    answer.Correct = correct;
    answer.HintUsed = hintUsed;
    answer.HintCountsAsWrong = hintCountsAsWrong;
    answer.UnixMs = unixMs;
    answer.DurationMs = durationMs;
    return RecordAnswer(answer, p).After;
}

TRecordedAnswer THistory::RecordAnswer(const THistoryAnswer& answer, const TSchedulerParameters& p)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const TCardKey& key = answer.Key;
    const TDay day = DayOfMs(answer.UnixMs);
    const TRating rating
        = answer.Rating.value_or(RatingOf(answer.Correct, answer.HintUsed, answer.HintCountsAsWrong));
    TTransaction transaction(Db_, fail);
    const auto learner = ActiveParameters(TLanguagePair { key.ForeignLanguage, key.NativeLanguage });
    TSchedulerParameters q = p;
    if (learner)
        q.W = learner->W;
    TCardRows cards(Db_, fail);
    const auto found = cards.Find(key);
    const TMemory before = found ? found->Memory : TMemory {};
    const bool practice = IsPractice(found.has_value(), answer.Practice, day, before);
    const TMemory after = practice ? before : ScheduleAnswer(before, rating, day, q);
    const std::int64_t card = found ? found->Id : cards.Add(key, day, practice ? before : after);
    if (found && !practice)
        cards.SetMemory(card, after);
    const std::int64_t id = cards.AddAnswer({ card, answer.UnixMs, day, static_cast<int>(rating),
        static_cast<int>(before.State), answer.DurationMs, practice });
    if (learner && !practice) {
        TStatement mark(Db_, "UPDATE answers SET parameters = ? WHERE id = ?", fail);
        mark.Bind(1, learner->Id).Bind(2, id).Step();
    }
    transaction.Commit();
    return { id, day, rating, practice, before, after };
}

TMemory THistory::ChangeRating(const TRecordedAnswer& answer, TRating rating, const TSchedulerParameters& p)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TTransaction transaction(Db_, fail);
    TStatement card(Db_,
        "SELECT a.card, a.time_ms, a.origin IS NULL, c.foreign_language, c.native_language FROM answers a "
        "JOIN cards c ON c.id = a.card WHERE a.id = ?",
        fail);
    card.Bind(1, answer.Id);
    if (!card.Step())
        Fail(VM_TRANSLATE_NOOP("Velmoria::Model", "an answer to change is missing"));
    const std::int64_t cardId = card.Int(0);
    TStatement update(Db_, "UPDATE answers SET rating = ? WHERE id = ?", fail);
    update.Bind(1, std::int64_t { static_cast<int>(rating) }).Bind(2, answer.Id);
    update.Step();
    if (card.Int(2) != 0) {
        // For the shared folders' journals: a revision past any before, whatever the clock did.
        const std::int64_t nowMs = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch())
                                       .count();
        TStatement change(Db_,
            "INSERT OR REPLACE INTO rating_changes(answer, revision) SELECT ?1, MAX(?2, IFNULL((SELECT "
            "revision + 1 FROM rating_changes WHERE answer = ?1), 0))",
            fail);
        change.Bind(1, answer.Id).Bind(2, nowMs).Step();
    }
    TMemory after = answer.After;
    bool replay = false;
    if (!answer.Practice) {
        // Another copy or device may have scheduled the card since: its answers are replayed on this
        // one, as every device replays the card once the change reaches it.
        TStatement later(Db_,
            "SELECT COUNT(*) FROM answers WHERE card = ? AND practice = 0 AND time_ms > ? AND id <> ?", fail);
        later.Bind(1, cardId).Bind(2, card.Int(1)).Bind(3, answer.Id);
        replay = later.Step() && later.Int(0) > 0;
        if (!replay) {
            const TLanguagePair pair(
                static_cast<std::uint16_t>(card.Int(3)), static_cast<std::uint16_t>(card.Int(4)));
            after = ScheduleAnswer(answer.Before, rating, answer.Day, WithLearnerParameters(p, pair));
            TCardRows(Db_, fail).SetMemory(cardId, after);
        }
    }
    transaction.Commit();
    return replay ? ReplayCard(cardId, p) : after;
}

void THistory::AddKeyHashes()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    Execute(AddKeyHash);
    // Read whole before the rows grow under the reading statement.
    std::vector<std::pair<std::int64_t, std::int64_t>> hashes;
    {
        TStatement read(Db_,
            "SELECT id, foreign_language, native_language, direction, word, translations FROM cards", fail);
        while (read.Step())
            hashes.emplace_back(read.Int(0),
                StoredHashOf(
                    { static_cast<std::uint16_t>(read.Int(1)), static_cast<std::uint16_t>(read.Int(2)),
                        static_cast<std::uint8_t>(read.Int(3)), read.Text(4), read.Text(5) }));
    }
    TStatement write(Db_, "UPDATE cards SET key_hash = ? WHERE id = ?", fail);
    for (const auto& [id, hash] : hashes) {
        write.Reset();
        write.Bind(1, hash).Bind(2, id);
        write.Step();
    }
}

int THistory::NewCardsOn(TDay day)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement count(Db_, "SELECT COUNT(*) FROM cards WHERE first_day = ?", fail);
    count.Bind(1, day);
    return count.Step() ? static_cast<int>(count.Int(0)) : 0;
}

bool THistory::HasCards(std::uint16_t foreignLanguage, std::uint16_t nativeLanguage, std::uint8_t direction)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement any(Db_,
        "SELECT 1 FROM cards WHERE foreign_language = ? AND native_language = ? AND direction = ? LIMIT 1",
        fail);
    any.Bind(1, std::int64_t { foreignLanguage })
        .Bind(2, std::int64_t { nativeLanguage })
        .Bind(3, std::int64_t { direction });
    return any.Step();
}

std::int64_t THistory::AnswerCount()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement count(Db_, "SELECT COUNT(*) FROM answers", fail);
    return count.Step() ? count.Int(0) : 0;
}
