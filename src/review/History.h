#pragma once
// The review history: every card with its memory and every answer, in an SQLite database in the
// user's data folder. It is written answer by answer, never through a list's Save, and several
// copies of the program may write it at once. One object serves one thread at a time: a worker
// opens its own.

#include "evaluation/Translatable.h"
#include "review/Card.h"
#include "review/HistoryWaiting.h"
#include "review/Optimizer.h"
#include "review/Scheduler.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;
class TImportPace;
struct TJournalAnswer;
struct TJournalChange;

// What kept a history from being used, where the caller does something else about it: a lock that
// will pass (another copy writing), a full disk, a file that may be read but not written.
enum class THistoryProblem : std::uint8_t { Other, Busy, Full, ReadOnly };

// A history that cannot be opened, read or written: the message names the file and the cause.
struct THistoryError : ESaidError {
    explicit THistoryError(TSaying message, THistoryProblem problem = THistoryProblem::Other)
        : ESaidError(std::move(message))
        , Problem(problem)
    {
    }
    THistoryProblem Problem;
};

// A file to import that is not a sound export: the message names that file (as its caller named it)
// and the line, never the history, which it leaves as it was.
struct THistoryImportError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A pair of languages (foreign, native) by the primary ids the cards are kept under.
using TLanguagePair = std::pair<std::uint16_t, std::uint16_t>;

// One answer as it is recorded.
struct THistoryAnswer {
    TCardKey Key;
    bool Correct = false;
    bool HintUsed = false;
    bool HintCountsAsWrong = false;
    std::int64_t UnixMs = 0; // its day is LocalDay of it
    std::int32_t DurationMs = 0;
    // Practice whatever the day: a repeat of a card failed earlier in the same session.
    bool Practice = false;
    // The rating given, when it is not the verdict's own (a typo rated Hard, say).
    std::optional<TRating> Rating;
};

// An answer as it went into the history: what a change of its rating needs.
struct TRecordedAnswer {
    std::int64_t Id = 0;
    TDay Day = 0;
    TRating Rating = TRating::Again;
    bool Practice = false; // it did not schedule the card
    TMemory Before, After;
};

// One answer to merge into the history (ImportAnswers).
struct THistoryImportRow {
    TCardKey Key;
    std::int64_t TimeMs = 0, DurationMs = 0;
    int Rating = 3; // 1 to 4
    bool Practice = false;
    std::string Origin = {}; // a shared journal's id of the answer (review/HistoryJournal.h); empty: none
};
// Whether the history takes an answer of that time: none before 1990 or over a day ahead of the clock.
bool IsImportableAnswerTime(std::int64_t unixMs);

// A card failed this often on the first answer of a day is a leech: drilling alone does not hold it.
inline constexpr int LeechFailures = 8;

// The local calendar day of a time in milliseconds since 1970.
TDay DayOfMs(std::int64_t unixMs);

// A card's hash and what a due count reads of it, small: a long list reads a million.
struct TScannedCard {
    std::int64_t Hash;
    double Stability;
    std::int32_t LastReview, Due; // days
    TCardState State;
};

// What sharing the history through a folder did.
struct TShareResult {
    std::int64_t Written = 0; // this device's answers added to its journal there
    std::int64_t Merged = 0; // other devices' answers added to the history
    std::vector<TSaying> Problems; // files left out, each said once
};

class THistory {
public:
    // The database in the user's data folder: the folder of the recovery copies under
    // $XDG_DATA_HOME (or ~/.local/share).
    static std::string DefaultPath();
    // Opens or creates it (WAL, busy timeout, 0600 in a 0700 folder); throws THistoryError and
    // leaves an existing file as it was when it cannot be used. Its folder follows the rules of the
    // recovery copies' (for the default path, up to the user's data folder). A file that may not be
    // written is opened to be read: every write then throws (ReadOnly).
    // Later: the page check of a changed file waits for Check(), so that a count reads at once.
    enum class TCheck : std::uint8_t { AtOpen, Later };
    explicit THistory(const std::string& path, TCheck check = TCheck::AtOpen);
    ~THistory();
    THistory(const THistory&) = delete;
    THistory& operator=(const THistory&) = delete;

    const std::string& Path() const { return Path_; }
    // What opening it did that the learner should know of (a journal of another history set
    // aside); empty mostly.
    const TSaying& Notice() const { return Notice_; }
    // Opened to be read only: the file or its folder may not be written, or it is damaged.
    bool ReadOnly() const { return !ReadOnlyWhy_.Empty(); }
    // Why, as the end of a sentence about the history ("it is damaged (...): answers cannot be kept").
    const TSaying& ReadOnlyWhy() const { return ReadOnlyWhy_; }
    bool Damaged() const { return Damaged_; }
    // SQLite's quick check, when the file changed since it last passed: a damaged history is
    // read, never written. Made at the open unless it was put off.
    void Check();
    // How long a write waits for another copy's (5 s unless set).
    void SetBusyTimeout(int ms);

    // The memory of each key (nullopt: never answered), in one pass, fast for a million keys.
    std::vector<std::optional<TMemory>> Memories(const std::vector<TCardKey>& keys);
    // The memory of each distinct card of an index, in the order of its Keys(): a list's due count
    // needs them in no other. A plan needs no more than their state, due date, last review and
    // stability (dueOnly): half the columns, read faster.
    // A due count's rows may have been read ahead by ScanCards (scanned), while the index was made.
    std::vector<std::optional<TMemory>> KeyMemories(
        const TCardIndex& index, bool dueOnly = false, const std::vector<TScannedCard>* scanned = nullptr);
    // Whether reading every card of a group beats looking up this many keys one by one.
    bool ScanPays(std::size_t keys);
    // Every card of these languages and direction in the order of their hashes with what a due count
    // reads of it, on a connection of its own: safe beside another thread using this history, so a
    // long list's cards are read while its index is still being made. Nothing when it cannot be read.
    std::optional<std::vector<TScannedCard>> ScanCards(
        std::uint16_t foreignLanguage, std::uint16_t nativeLanguage, std::uint8_t direction) const;
    // Commits the answer before it returns; schedules it unless it is practice (a second answer the
    // same day, or a repeat of a card failed this session). Returns the memory after it.
    TMemory RecordAnswer(const TCardKey& key, bool correct, bool hintUsed, std::int64_t unixMs,
        std::int32_t durationMs, const TSchedulerParameters& p, bool hintCountsAsWrong);
    TRecordedAnswer RecordAnswer(const THistoryAnswer& answer, const TSchedulerParameters& p);
    // Gives a recorded answer another rating; a scheduling answer reschedules its card from the memory
    // before it, or, when a later answer scheduled the card meanwhile, replays the card's answers in
    // time order. The change goes to the shared folders' journals. Returns the card's memory after it.
    TMemory ChangeRating(const TRecordedAnswer& answer, TRating rating, const TSchedulerParameters& p);
    // The cards whose last answer on day was wrong: due again that day until answered right.
    std::vector<TCardKey> FailedOn(TDay day);
    // Their directions and the days they are next due once answered right.
    std::vector<std::pair<std::uint8_t, TDay>> FailedDueOn(TDay day);
    // The cards due or overdue on today, not yet answered that day, into each direction.
    std::array<int, 2> DueByDirection(TDay today);
    // Wrong first answers of a day of one card, and of every card failed at least minimum times so.
    int Failures(const TCardKey& key);
    struct TCardFailures {
        TCardKey Key;
        int Failures;
    };
    std::vector<TCardFailures> FailedCards(int minimum);
    // Cards answered for the first time that day (across sessions, lists and directions).
    int NewCardsOn(TDay day);
    // Whether any card of these languages in this direction was ever answered.
    bool HasCards(std::uint16_t foreignLanguage, std::uint16_t nativeLanguage, std::uint8_t direction);
    // Answers recorded in all.
    std::int64_t AnswerCount();

    // For the progress pictures:
    std::vector<int> AnswersPerDay(TDay first, TDay last); // one count per day
    std::vector<int> DuePerDay(TDay first, TDay last); // cards due on each day (overdue on first)
    struct TWeekShare {
        TDay WeekStart;
        int Answers;
        int Right;
    };
    // Scheduling answers only (practice left out), in weeks of seven days from first.
    std::vector<TWeekShare> ReviewShareByWeek(TDay first, TDay last);
    struct TFailedWord {
        std::string Word, Translations;
        std::uint8_t Direction;
        int Failures; // wrong first answers of a day
        bool Leech() const { return Failures >= LeechFailures; }
    };
    std::vector<TFailedWord> MostFailed(int count);

    // The learner's own parameters, fitted to this history; nullopt: the published ones. Answers are
    // scheduled with them from the next answer on, whatever set a caller passes. A pair of languages
    // may have a set of its own, which schedules the answers of its cards in place of the learner's.
    struct TLearnerParameters {
        std::int64_t Id = 0;
        TWeights W {};
        std::int64_t MadeMs = 0;
    };
    // The learner's set, or with a pair that pair's own (nullopt when it has none).
    std::optional<TLearnerParameters> LearnerParameters(std::optional<TLanguagePair> pair = std::nullopt);
    // Makes w the learner's set, or the pair's; returns its id. Earlier sets are kept: every answer
    // still names the set that scheduled it.
    std::int64_t SetLearnerParameters(
        const TWeights& w, std::int64_t madeMs, std::optional<TLanguagePair> pair = std::nullopt);
    // The published set again from the next answer on, for every pair too.
    void ResetLearnerParameters();
    // The set that scheduled an answer: its id, nullopt for the published one.
    std::optional<std::int64_t> ParametersOfAnswer(std::int64_t answerId);
    // p with the weights that schedule the pair's answers (all answers': the learner's) when there
    // are any: the pair's own, else the learner's.
    TSchedulerParameters WithLearnerParameters(
        const TSchedulerParameters& p, std::optional<TLanguagePair> pair = std::nullopt);
    // Every answer as the optimizer reads it; of one pair of languages when given.
    std::vector<TOptimizerAnswer> OptimizerAnswers(std::optional<TLanguagePair> pair = std::nullopt);

    // Every answer as CSV: card_id,review_time,review_rating,review_state,review_duration, then
    // foreign_language,native_language,direction,word,translations,practice.
    // Returns the answers written. From a damaged history every answer that can still be read.
    std::int64_t ExportCsv(std::ostream& out);
    // Merges such a file (a byte order mark allowed), read from source (the name its errors give):
    // an answer is its card, time and rating, and one the file holds k times is added as often as
    // the history holds it fewer times, so a second import adds nothing. The cards touched are
    // rebuilt by replaying their answers in time order. Returns the answers added; a bad file (a time
    // before 1990 or over a day ahead of the clock is one) throws THistoryImportError and changes
    // nothing. Written in batches that end as soon as a writer beside it waits; stopped in between,
    // it is taken up again by the same import (or any later one).
    int ImportCsv(std::istream& in, const TSchedulerParameters& p = {},
        const std::string& source = "the imported file");
    // The answers of a card in time order: none for a card never answered.
    struct TStoredAnswer {
        std::int64_t TimeMs;
        int Rating;
        std::int64_t DurationMs;
        bool Practice;
    };
    std::vector<TStoredAnswer> AnswersOf(const TCardKey& key);
    // The same merge of answers read elsewhere (checked by the caller: ratings 1 to 4, times
    // IsImportableAnswerTime).
    int ImportAnswers(const std::vector<THistoryImportRow>& rows, const TSchedulerParameters& p = {});
    // Answers recorded elsewhere (another program's grades) merged as ImportCsv merges a file of
    // them: importing them twice adds nothing. Those at times ImportCsv refuses are left out and
    // counted in outOfRange. Returns the answers added.
    int ImportAnswers(
        const std::vector<THistoryAnswer>& answers, const TSchedulerParameters& p, int& outOfRange);

    // Shares the history through a folder a sync tool keeps in step (review/HistoryJournal.h): this
    // device's answers not yet in its journal there are appended and synced to disk (every answer,
    // the first time, those given before sharing began too), then the answers of every other journal
    // that the history does not hold are merged by their ids, their cards replayed in time order as
    // an import's. Answers up to a day ahead of nowMs are taken. Throws ESaidError when the folder
    // cannot be read or written, THistoryError as any write.
    TShareResult ShareThrough(const std::string& folder, const TSchedulerParameters& p, std::int64_t nowMs);

private:
    [[noreturn]] void Fail(TSaying what, THistoryProblem problem = THistoryProblem::Other) const;
    // Before any write: a history opened to be read only says so.
    void RequireWritable() const;
    // The schema made or brought up to date, the version read inside the write transaction so that
    // copies starting together upgrade it once.
    void Upgrade();
    void UpgradeSchema();
    // The learner's parameters and the set each answer was scheduled with: added to a file of any
    // version, since they only add.
    void AddLearnerParameters();
    // The set that schedules the pair's answers (the pair's, else the learner's), read inside the
    // caller's transaction; and one stored set alone.
    std::optional<TLearnerParameters> ActiveParameters(std::optional<TLanguagePair> pair);
    std::optional<TLearnerParameters> StoredParameters(std::optional<TLanguagePair> pair);
    std::int64_t RescueCsv(std::ostream& out);
    [[noreturn]] void FailSql(int resultCode) const;
    void Execute(const char* sql);
    // Gives the cards of a file made before the stored hashes theirs.
    void AddKeyHashes();
    // Rebuilds the memories of the cards an import added answers to, and their answers' days, from
    // their answers in time order, each card with its pair's parameters (WithLearnerParameters of p).
    void ReplayPending(const TSchedulerParameters& p, TImportPace& pace);
    // Merges other devices' answers and the latest changes of their ratings; returns the answers added.
    int MergeJournal(std::vector<TJournalAnswer> answers, std::vector<TJournalChange> changes,
        const TSchedulerParameters& p);
    // Replays one card's answers in time order; returns its memory after them.
    TMemory ReplayCard(std::int64_t card, const TSchedulerParameters& p);
    std::string DeviceId();
    std::int64_t WriteOwnJournal(const std::string& folder, const std::string& key);
    std::vector<TJournalAnswer> NewAnswers(std::vector<TJournalAnswer> answers, const std::string& device);
    static int OnBusy(void* self, int count);

    std::string Path_;
    sqlite3* Db_ = nullptr;
    TSaying ReadOnlyWhy_;
    bool Damaged_ = false;
    TSaying Notice_;
    int BusyTimeoutMs_ = 0;
    std::chrono::steady_clock::time_point BusySince_;
    TWaitingWriters Waiting_;
};
