#include "review/History.h"
#include "review/HistoryJournal.h"
#include "review/HistoryStatements.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <ctime>
#include <functional>
#include <istream>
#include <limits>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <string_view>
#include <thread>
#include <tuple>
#include <unordered_map>

// How long an import holds the write lock: a batch ends after ImportBatch, or at once when a writer
// beside it says it waits, and the import then gives way until that writer is through. A writer that
// cannot say so (an older copy of the program) still finds a pause every UnsaidEvery, well within
// its busy timeout.
class TImportPace {
public:
    explicit TImportPace(TWaitingWriters& waiting)
        : Waiting_(waiting)
        , LastPause_(std::chrono::steady_clock::now())
    {
    }
    // Before each batch's transaction: after the first, a pause if a writer needs one.
    void Begin()
    {
        if (Begun_)
            Between();
        Begun_ = true;
        Started_ = std::chrono::steady_clock::now();
    }
    // Asked at each row: whether the batch should end as soon as it may.
    bool Over()
    {
        if (!Ending_ && ++Asked_ % 256 == 0)
            Ending_ = Waiting_.Others() || std::chrono::steady_clock::now() - Started_ > Batch;
        return Ending_;
    }

private:
    void Between()
    {
        const auto now = std::chrono::steady_clock::now();
        if (Waiting_.Others()) {
            const auto until = now + GiveWayAtMost;
            do
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            while (Waiting_.Others() && std::chrono::steady_clock::now() < until);
        } else if (now - LastPause_ > UnsaidEvery) {
            std::this_thread::sleep_for(UnsaidPause);
        } else {
            Ending_ = false;
            return;
        }
        LastPause_ = std::chrono::steady_clock::now();
        Ending_ = false;
    }

    static constexpr auto Batch = std::chrono::milliseconds(500);
    // Longer than a waiting writer's polls, with room for its own transaction.
    static constexpr auto GiveWayAtMost = std::chrono::milliseconds(300);
    static constexpr auto UnsaidEvery = std::chrono::seconds(2);
    // Longer than SQLite's own busy handler's polls (100 ms).
    static constexpr auto UnsaidPause = std::chrono::milliseconds(120);

    TWaitingWriters& Waiting_;
    std::chrono::steady_clock::time_point Started_, LastPause_;
    std::uint32_t Asked_ = 0;
    bool Begun_ = false, Ending_ = false;
};

namespace {

// The records of a CSV file held whole (fields may hold quoted commas and line breaks).
class TCsvRecords {
public:
    explicit TCsvRecords(std::string_view data)
        : Data_(data)
    {
    }
    // The next record into fields (their strings reused); false at the end.
    bool Next(std::vector<std::string>& fields, std::size_t& count, int& line)
    {
        count = 0;
        if (At_ == Data_.size())
            return false;
        ++line;
        const auto field = [&]() -> std::string& {
            if (count == fields.size())
                fields.emplace_back();
            fields[count].clear();
            return fields[count++];
        };
        for (std::string* text = &field();;) {
            if (At_ < Data_.size() && Data_[At_] == '"') {
                for (++At_; At_ < Data_.size(); ++At_) {
                    const char c = Data_[At_];
                    if (c == '"' && (At_ + 1 == Data_.size() || Data_[At_ + 1] != '"'))
                        break;
                    if (c == '"')
                        ++At_;
                    else if (c == '\n')
                        ++line;
                    *text += c;
                }
                At_ = std::min(At_ + 1, Data_.size());
            }
            std::size_t end = At_;
            while (end < Data_.size() && Data_[end] != ',' && Data_[end] != '\n')
                ++end;
            std::size_t last = end;
            if (end < Data_.size() && Data_[end] == '\n' && end > At_ && Data_[end - 1] == '\r')
                --last;
            text->append(Data_.substr(At_, last - At_));
            At_ = std::min(end + 1, Data_.size());
            if (end == Data_.size() || Data_[end] == '\n')
                return true;
            text = &field();
        }
    }

private:
    std::string_view Data_;
    std::size_t At_ = 0;
};

// As strtoll reads it: spaces and a plus sign in front allowed.
std::optional<std::int64_t> CsvInteger(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    if (text.starts_with("+-"))
        return std::nullopt;
    if (text.starts_with('+'))
        text.remove_prefix(1);
    std::int64_t v = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, v);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return v;
}

using TImportRow = THistoryImportRow;

std::vector<TImportRow> ReadImport(std::istream& in, const std::function<void(int, const std::string&)>& bad)
{
    std::vector<TImportRow> rows;
    std::string data;
    std::array<char, 1 << 16> chunk {};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0)
        data.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    // A file saved by a spreadsheet may begin with a byte order mark.
    std::string_view text = data;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    TCsvRecords records(text);
    std::vector<std::string> fields;
    std::size_t count = 0;
    int line = 0;
    if (!records.Next(fields, count, line))
        return rows;
    if (count < 10 || fields[0] != "card_id")
        bad(line, "is not the header of an exported history");
    const bool hasPractice = count > 10 && fields[10] == "practice";
    const std::int64_t latest = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count()
        + AheadMs;
    for (int at = line + 1; records.Next(fields, count, line); at = line + 1) {
        if (count == 1 && fields[0].empty())
            continue;
        if (count < 10)
            bad(at, "has too few fields");
        std::array<std::int64_t, 8> numbers {};
        for (std::size_t i = 1; i < 8; ++i) {
            const auto number = CsvInteger(fields[i]);
            if (!number)
                bad(at, "holds no number in field " + std::to_string(i + 1));
            numbers[i] = *number;
        }
        if (numbers[2] < 1 || numbers[2] > 4 || numbers[5] < 0 || numbers[5] > 0xFFFF || numbers[6] < 0
            || numbers[6] > 0xFFFF || (numbers[7] != 0 && numbers[7] != 1))
            bad(at, "holds a value out of range");
        if (numbers[1] < EarliestAnswerMs || numbers[1] > latest)
            bad(at, "holds a time before 1990 or ahead of the clock");
        TImportRow row;
        row.Key = { static_cast<std::uint16_t>(numbers[5]), static_cast<std::uint16_t>(numbers[6]), fields[8],
            fields[9], static_cast<std::uint8_t>(numbers[7]) };
        row.TimeMs = numbers[1];
        row.Rating = static_cast<int>(numbers[2]);
        row.DurationMs = std::max<std::int64_t>(numbers[4], 0);
        row.Practice = hasPractice && count > 10 && fields[10] == "1";
        rows.push_back(std::move(row));
    }
    return rows;
}

// Each answer of a file as a replay of the file's answers alone would store it; right for a card the
// history did not hold, and the replay after the insert corrects the others.
struct TImportPlan {
    std::vector<std::uint32_t> Key; // of each row, an index of the distinct cards
    std::uint32_t Keys = 0;
    std::vector<std::uint32_t> Nth; // its place among the file's answers of its card, time and rating
    std::vector<TDay> Day;
    std::vector<std::uint8_t> StateBefore;
    std::vector<bool> Practice;
    // Of each card: its last row, its first day and its memory after its answers.
    std::vector<std::size_t> LastRow;
    std::vector<TDay> FirstDay;
    std::vector<TMemory> Final;
};

struct TKeyHash {
    std::size_t operator()(const TCardKey* key) const
    {
        return static_cast<std::size_t>(StoredHashOf(ViewOf(*key)));
    }
};
struct TKeyEqual {
    bool operator()(const TCardKey* a, const TCardKey* b) const { return *a == *b; }
};

// DayOfMs for times mostly in order, as an export holds them: an hour whose two ends have one day
// and one offset from UTC has that day throughout (no zone changes its offset twice in an hour).
class TDays {
public:
    TDay operator()(std::int64_t ms)
    {
        const std::int64_t hour = (ms >= 0 ? ms : ms - 3599999) / 3600000;
        if (hour != Hour_) {
            Hour_ = hour;
            const auto offset = [](std::int64_t seconds) {
                const auto t = static_cast<std::time_t>(seconds);
                std::tm local {};
                return localtime_r(&t, &local) ? local.tm_gmtoff : -1;
            };
            Whole_ = offset(hour * 3600) == offset(hour * 3600 + 3599)
                && LocalDay(hour * 3600) == LocalDay(hour * 3600 + 3599);
            Day_ = LocalDay(hour * 3600);
        }
        return Whole_ ? Day_ : DayOfMs(ms);
    }

private:
    std::int64_t Hour_ = std::numeric_limits<std::int64_t>::min();
    TDay Day_ = 0;
    bool Whole_ = false;
};

// parametersOf: the parameters that schedule a card of the languages given (a language pair may
// have a set of its own).
TImportPlan PlanImport(const std::vector<TImportRow>& rows,
    const std::function<const TSchedulerParameters&(std::uint16_t, std::uint16_t)>& parametersOf)
{
    TImportPlan plan;
    const std::size_t n = rows.size();
    plan.Key.resize(n);
    plan.Nth.resize(n);
    plan.Day.resize(n);
    plan.StateBefore.resize(n);
    plan.Practice.resize(n);
    std::unordered_map<const TCardKey*, std::uint32_t, TKeyHash, TKeyEqual> keys;
    for (std::size_t i = 0; i < n; ++i)
        plan.Key[i] = keys.try_emplace(&rows[i].Key, static_cast<std::uint32_t>(keys.size())).first->second;
    plan.Keys = static_cast<std::uint32_t>(keys.size());
    plan.LastRow.resize(plan.Keys);
    plan.FirstDay.resize(plan.Keys);
    plan.Final.resize(plan.Keys);
    TDays days;
    for (std::size_t i = 0; i < n; ++i)
        plan.Day[i] = days(rows[i].TimeMs);
    // Each card's answers in time order, those of one millisecond in the file's order, as their ids
    // will be.
    // Counted out by card, then each card's in time order, which an export mostly has already.
    std::vector<std::uint32_t> start(plan.Keys + 1, 0), order(n);
    for (const std::uint32_t key : plan.Key)
        ++start[key + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<std::uint32_t> fill(start.begin(), start.end() - 1);
    for (std::uint32_t i = 0; i < n; ++i)
        order[fill[plan.Key[i]]++] = i;
    const auto earlier = [&](std::uint32_t a, std::uint32_t b) { return rows[a].TimeMs < rows[b].TimeMs; };
    for (std::uint32_t key = 0; key < plan.Keys; ++key) {
        const auto from = order.begin() + start[key], to = order.begin() + start[key + 1];
        if (!std::is_sorted(from, to, earlier))
            std::stable_sort(from, to, earlier);
    }
    TMemory memory;
    bool answered = false;
    const TSchedulerParameters* p = nullptr;
    std::array<std::uint32_t, 5> ofRating {};
    for (std::size_t at = 0; at < n; ++at) {
        const std::uint32_t i = order[at];
        const TImportRow& row = rows[i];
        const bool newCard = at == 0 || plan.Key[order[at - 1]] != plan.Key[i];
        const std::uint32_t key = plan.Key[i];
        if (newCard) {
            memory = {};
            answered = false;
            p = &parametersOf(row.Key.ForeignLanguage, row.Key.NativeLanguage);
        }
        plan.LastRow[key] = std::max<std::size_t>(plan.LastRow[key], i);
        if (newCard || rows[order[at - 1]].TimeMs != row.TimeMs)
            ofRating = {};
        plan.Nth[i] = ++ofRating[static_cast<std::size_t>(row.Rating)];
        const TDay day = plan.Day[i];
        if (newCard)
            plan.FirstDay[key] = day;
        const bool practice = IsPractice(answered, row.Practice, day, memory);
        plan.StateBefore[i] = static_cast<std::uint8_t>(memory.State);
        plan.Practice[i] = practice;
        if (!practice)
            memory = ScheduleAnswer(memory, static_cast<TRating>(row.Rating), day, *p);
        answered = true;
        plan.Final[key] = memory;
    }
    return plan;
}

// An answer of a card, time and rating, as the history counts them.
struct TAnswerKey {
    std::int64_t Card, TimeMs;
    int Rating;
    bool operator==(const TAnswerKey&) const = default;
};
struct TAnswerKeyHash {
    std::size_t operator()(const TAnswerKey& a) const
    {
        return std::hash<std::int64_t>()(a.Card * 1000003 ^ a.TimeMs * 5 ^ a.Rating);
    }
};

// While an import writes, its commits are not synced one by one: one lost to a power failure is
// written again by the same import, and a review beside it syncs its own answers (and the import's
// before them). Its pages stay in memory. Both return to the history's own at the end, synced once.
class TImportSettings {
public:
    explicit TImportSettings(sqlite3* db)
        : Db_(db)
    {
        sqlite3_stmt* size = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA cache_size", -1, &size, nullptr) == SQLITE_OK
            && sqlite3_step(size) == SQLITE_ROW)
            CacheSize_ = sqlite3_column_int64(size, 0);
        sqlite3_finalize(size);
        sqlite3_exec(db, "PRAGMA synchronous=NORMAL; PRAGMA cache_size=-65536", nullptr, nullptr, nullptr);
    }
    ~TImportSettings()
    {
        const std::string back = "PRAGMA synchronous=FULL; PRAGMA cache_size=" + std::to_string(CacheSize_)
            + "; PRAGMA wal_checkpoint(PASSIVE)";
        sqlite3_exec(Db_, back.c_str(), nullptr, nullptr, nullptr);
    }
    TImportSettings(const TImportSettings&) = delete;
    TImportSettings& operator=(const TImportSettings&) = delete;

private:
    sqlite3* Db_;
    std::int64_t CacheSize_ = -2000;
};

constexpr const char* PendingTable = "CREATE TABLE IF NOT EXISTS replay_pending(card INTEGER PRIMARY KEY)";

// Adds the answers of a file the history holds fewer times, in batches the pace ends. Two answers of
// one card in one millisecond are both real (a double tap, two windows), so an answer is its card,
// time and rating together, and the n-th of a kind in the file is added while the history holds
// fewer than n. A card this import made holds only what it added, and is made with the memory the
// plan gives it once its last answer is in, unless another connection wrote meanwhile (then it is
// replayed); the answers of another card
// are counted once, and again whenever another connection wrote, and the card is left to the replay.
int MergeImport(sqlite3* db, const TSqliteFail& fail, const std::vector<TImportRow>& rows,
    const TImportPlan& plan, TImportPace& pace)
{
    TCardRows cards(db, fail);
    TStatement heldAnswers(db, "SELECT time_ms, rating FROM answers WHERE card = ?", fail);
    TStatement markCard(db, "INSERT OR IGNORE INTO replay_pending(card) VALUES(?)", fail);
    TStatement unmarkCard(db, "DELETE FROM replay_pending WHERE card = ?", fail);
    TStatement version(db, "PRAGMA data_version", fail);
    enum class TSeen : std::uint8_t { No, Made, Counted, Stale };
    std::vector<TSeen> seen(plan.Keys, TSeen::No);
    std::vector<std::int64_t> cardOf(plan.Keys, 0);
    std::unordered_map<TAnswerKey, std::int64_t, TAnswerKeyHash> held;
    std::int64_t lastVersion = -1;
    std::vector<std::int64_t> touched;
    std::vector<std::uint32_t> completed;
    int added = 0;
    for (std::size_t next = 0; next < rows.size();) {
        pace.Begin();
        TTransaction transaction(db, fail);
        version.Reset();
        const std::int64_t now = version.Step() ? version.Int(0) : 0;
        version.Reset();
        if (lastVersion >= 0 && now != lastVersion) {
            std::replace(seen.begin(), seen.end(), TSeen::Counted, TSeen::Stale);
            std::replace(seen.begin(), seen.end(), TSeen::Made, TSeen::Stale);
            held.clear();
        }
        lastVersion = now;
        touched.clear();
        completed.clear();
        for (; next < rows.size() && !pace.Over(); ++next) {
            const TImportRow& row = rows[next];
            const std::uint32_t k = plan.Key[next];
            if (seen[k] == TSeen::No) {
                const auto found = cards.Find(row.Key);
                // A card made here takes its memory at once: with its last answer in, the memory
                // is the plan's, and a card another connection changed meanwhile is replayed.
                cardOf[k] = found ? found->Id : cards.Add(row.Key, plan.FirstDay[k], plan.Final[k]);
                seen[k] = found ? TSeen::Stale : TSeen::Made;
            }
            const std::int64_t card = cardOf[k];
            if (seen[k] == TSeen::Stale) {
                heldAnswers.Reset();
                heldAnswers.Bind(1, card);
                while (heldAnswers.Step())
                    ++held[{ card, heldAnswers.Int(0), static_cast<int>(heldAnswers.Int(1)) }];
                seen[k] = TSeen::Counted;
            }
            // A journal's answer too: one of the same card, millisecond and rating is taken as the
            // same answer. Two devices answering one card in one millisecond alike is less likely
            // by far than answers carried over by hand (history export and import) before sharing,
            // which would otherwise count twice; and every history keeps the same one.
            if (seen[k] == TSeen::Counted) {
                std::int64_t& there = held[{ card, row.TimeMs, row.Rating }];
                if (there >= plan.Nth[next])
                    continue;
                ++there;
            }
            // The file's own flag stays on an answer of a card the history held: replayed among its
            // answers, it still counts.
            const bool practice = plan.Practice[next] || (row.Practice && seen[k] != TSeen::Made);
            // One another copy of the program merged meanwhile is not added twice.
            if (cards.AddAnswer({ card, row.TimeMs, plan.Day[next], row.Rating, plan.StateBefore[next],
                    row.DurationMs, practice, row.Origin })
                == 0)
                continue;
            ++added;
            if (seen[k] == TSeen::Made && next == plan.LastRow[k])
                completed.push_back(k);
            else
                touched.push_back(card);
        }
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        for (const std::int64_t card : touched) {
            markCard.Reset();
            markCard.Bind(1, card);
            markCard.Step();
        }
        for (const std::uint32_t k : completed) {
            unmarkCard.Reset();
            unmarkCard.Bind(1, cardOf[k]);
            unmarkCard.Step();
        }
        transaction.Commit();
    }
    return added;
}

} // namespace

bool IsImportableAnswerTime(std::int64_t unixMs)
{
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return unixMs >= EarliestAnswerMs && unixMs <= now + AheadMs;
}

int THistory::ImportCsv(std::istream& in, const TSchedulerParameters& p, const std::string& source)
{
    RequireWritable();
    // The whole file is read and checked first: a bad line changes nothing. Its fault is the file's,
    // so the message names the file and not the history.
    const std::vector<TImportRow> rows = ReadImport(in, [&source](int at, const std::string& why) {
        throw THistoryImportError(source + ", line " + std::to_string(at) + ": " + why);
    });
    return ImportAnswers(rows, p);
}

int THistory::MergeJournal(
    std::vector<TJournalAnswer> answers, std::vector<TJournalChange> changes, const TSchedulerParameters& p)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    Execute(PendingTable);
    KeepLatestChanges(changes);
    if (!changes.empty()) {
        // Kept when newer than the one known; an answer already merged takes the newest known and
        // its card is replayed.
        TTransaction transaction(Db_, fail);
        TStatement keep(Db_,
            "INSERT INTO shared_changes(origin, revision, rating) VALUES(?1, ?2, ?3) ON CONFLICT(origin) DO "
            "UPDATE SET revision = ?2, rating = ?3 WHERE (?2, ?3) > (revision, rating)",
            fail);
        TStatement mark(Db_,
            "INSERT OR IGNORE INTO replay_pending(card) SELECT a.card FROM answers a JOIN shared_changes c "
            "ON "
            "c.origin = a.origin WHERE a.origin = ? AND a.rating <> c.rating",
            fail);
        TStatement apply(Db_,
            "UPDATE answers SET rating = (SELECT rating FROM shared_changes WHERE origin = ?1) WHERE origin "
            "= ?1",
            fail);
        for (const TJournalChange& change : changes) {
            keep.Reset();
            keep.Bind(1, change.Id).Bind(2, change.Revision).Bind(3, std::int64_t { change.Rating }).Step();
            mark.Reset();
            mark.Bind(1, change.Id).Step();
            apply.Reset();
            apply.Bind(1, change.Id).Step();
        }
        transaction.Commit();
    }
    if (answers.empty()) {
        TImportPace pace(Waiting_);
        ReplayPending(p, pace);
        return 0;
    }
    // An answer whose change came before it comes in with the changed rating.
    std::unordered_map<std::string, int> changed;
    TStatement known(Db_, "SELECT origin, rating FROM shared_changes", fail);
    while (known.Step())
        changed.emplace(known.Text(0), static_cast<int>(known.Int(1)));
    known.Reset();
    std::vector<TImportRow> rows(answers.size());
    for (std::size_t i = 0; i < answers.size(); ++i) {
        TJournalAnswer& answer = answers[i];
        const auto change = changed.find(answer.Id);
        rows[i] = { std::move(answer.Key), answer.UnixMs, answer.DurationMs,
            change == changed.end() ? answer.Rating : change->second, answer.Practice, std::move(answer.Id) };
    }
    // Answers carried over by hand before sharing come back in two devices' journals under two
    // ids: the first of them stands for both, as against the answers held (MergeImport).
    std::set<std::tuple<std::uint16_t, std::uint16_t, std::uint8_t, std::string_view, std::string_view,
        std::int64_t, int>>
        seen;
    std::vector<bool> first(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        first[i]
            = seen.emplace(rows[i].Key.ForeignLanguage, rows[i].Key.NativeLanguage, rows[i].Key.Direction,
                      rows[i].Key.Word, rows[i].Key.Translations, rows[i].TimeMs, rows[i].Rating)
                  .second;
    std::vector<TImportRow> distinct;
    distinct.reserve(seen.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (first[i])
            distinct.push_back(std::move(rows[i]));
    return ImportAnswers(distinct, p);
}

TMemory THistory::ReplayCard(std::int64_t card, const TSchedulerParameters& p)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    Execute(PendingTable);
    {
        TStatement mark(Db_, "INSERT OR IGNORE INTO replay_pending(card) VALUES(?)", fail);
        mark.Bind(1, card).Step();
    }
    TImportPace pace(Waiting_);
    ReplayPending(p, pace);
    TStatement memory(Db_,
        "SELECT state, stability, difficulty, last_review, due, reps, lapses FROM cards WHERE id = ?", fail);
    memory.Bind(1, card);
    return memory.Step() ? MemoryOfRow(memory, 0) : TMemory {};
}

int THistory::ImportAnswers(const std::vector<THistoryImportRow>& rows, const TSchedulerParameters& p)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // Each pair's parameters looked up once.
    std::map<TLanguagePair, TSchedulerParameters> pairs;
    const TImportPlan plan = PlanImport(
        rows, [&](std::uint16_t foreign, std::uint16_t native) -> const auto& {
            const TLanguagePair pair(foreign, native);
            auto found = pairs.find(pair);
            if (found == pairs.end())
                found = pairs.emplace(pair, WithLearnerParameters(p, pair)).first;
            return found->second;
        });
    const TImportSettings settings(Db_);
    // The cards an import added answers to, until they are replayed: one stopped in between is
    // finished by the next.
    Execute(PendingTable);
    TImportPace pace(Waiting_);
    const int added = MergeImport(Db_, fail, rows, plan, pace);
    ReplayPending(p, pace);
    return added;
}

void THistory::ReplayPending(const TSchedulerParameters& p, TImportPace& pace)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // Each card is replayed from its first answer (answers of two machines interleave), once, its
    // answers streamed in order; only answers whose replay differs are written.
    TStatement answers(Db_,
        "SELECT p.card, a.id, a.time_ms, a.rating, a.practice, a.state_before, a.day, c.foreign_language, "
        "c.native_language FROM replay_pending p CROSS JOIN answers a ON a.card = p.card "
        "JOIN cards c ON c.id = p.card WHERE p.card > ? ORDER BY p.card, a.time_ms, a.id",
        fail);
    TStatement setAnswer(
        Db_, "UPDATE answers SET day = ?, state_before = ?, practice = ? WHERE id = ?", fail);
    TCardRows cards(Db_, fail);
    TStatement replayed(Db_, "DELETE FROM replay_pending WHERE card > ? AND card <= ?", fail);
    struct TRow {
        std::int64_t Card, Id, TimeMs, Rating, StateBefore, Day;
        bool Practice;
        TLanguagePair Pair;
    };
    // Replayed with the parameters the answers are scheduled with: the pair's own, else the learner's.
    std::map<TLanguagePair, TSchedulerParameters> byPair;
    std::vector<TRow> rows;
    for (std::int64_t from = 0;;) {
        pace.Begin();
        TTransaction transaction(Db_, fail);
        rows.clear();
        answers.Reset();
        answers.Bind(1, from);
        bool end = true;
        while (answers.Step()) {
            const std::int64_t card = answers.Int(0);
            // A card is replayed whole in one batch.
            if (const bool over = pace.Over(); over && !rows.empty() && card != rows.back().Card) {
                end = false;
                break;
            }
            rows.push_back({ card, answers.Int(1), answers.Int(2), answers.Int(3), answers.Int(5),
                answers.Int(6), answers.Int(4) != 0,
                { static_cast<std::uint16_t>(answers.Int(7)), static_cast<std::uint16_t>(answers.Int(8)) } });
        }
        answers.Reset();
        const std::int64_t to = end ? std::numeric_limits<std::int64_t>::max() : rows.back().Card;
        for (std::size_t first = 0; first < rows.size();) {
            TMemory memory;
            const TDay firstDay = DayOfMs(rows[first].TimeMs);
            auto q = byPair.find(rows[first].Pair);
            if (q == byPair.end())
                q = byPair.emplace(rows[first].Pair, WithLearnerParameters(p, rows[first].Pair)).first;
            std::size_t at = first;
            for (; at < rows.size() && rows[at].Card == rows[first].Card; ++at) {
                const TRow& row = rows[at];
                const TDay day = DayOfMs(row.TimeMs);
                const bool practice = IsPractice(at > first, row.Practice, day, memory);
                const auto state = std::int64_t { static_cast<int>(memory.State) };
                if (day != row.Day || state != row.StateBefore || practice != row.Practice) {
                    setAnswer.Reset();
                    setAnswer.Bind(1, day)
                        .Bind(2, state)
                        .Bind(3, std::int64_t { practice ? 1 : 0 })
                        .Bind(4, row.Id);
                    setAnswer.Step();
                }
                if (!practice)
                    memory = ScheduleAnswer(memory, static_cast<TRating>(row.Rating), day, q->second);
            }
            cards.SetMemory(rows[first].Card, memory, firstDay);
            first = at;
        }
        replayed.Reset();
        replayed.Bind(1, from).Bind(2, to);
        replayed.Step();
        transaction.Commit();
        if (end)
            return;
        from = to;
    }
}
