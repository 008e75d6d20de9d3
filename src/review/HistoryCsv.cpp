#include "review/History.h"
#include "review/HistoryStatements.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string_view>
#include <thread>
#include <tuple>

namespace {

// One CSV field, quoted when it must be.
std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// The next CSV record (fields may hold quoted commas and line breaks); false at the end.
bool ReadCsvRecord(std::istream& in, std::vector<std::string>& fields, int& line)
{
    fields.clear();
    if (in.peek() == std::char_traits<char>::eof())
        return false;
    std::string field;
    bool quoted = false, fieldStarted = false;
    ++line;
    for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
        if (quoted) {
            if (c == '"') {
                if (in.peek() == '"') {
                    field += static_cast<char>(in.get());
                    continue;
                }
                quoted = false;
                continue;
            }
            if (c == '\n')
                ++line;
            field += static_cast<char>(c);
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = fieldStarted = true;
            continue;
        }
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
            continue;
        }
        if (c == '\r' && in.peek() == '\n')
            continue;
        if (c == '\n')
            break;
        field += static_cast<char>(c);
        fieldStarted = true;
    }
    fields.push_back(std::move(field));
    return true;
}

std::optional<std::int64_t> CsvInteger(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size())
        return std::nullopt;
    return v;
}

// One answer of an imported file, checked.
struct TImportRow {
    TCardKey Key;
    std::int64_t TimeMs = 0, DurationMs = 0;
    int Rating = 3;
    bool Practice = false;
};

// Answers are taken from the program's first days on, and up to a day ahead of the clock (another
// machine's clock may run ahead a little): a time beyond holds its card for centuries.
constexpr std::int64_t EarliestAnswerMs = 631152000000; // 1990-01-01
constexpr std::int64_t AheadMs = 86400000;
constexpr auto ImportBatch = std::chrono::milliseconds(150); // and about as long to replay its cards
constexpr auto ImportPause = std::chrono::milliseconds(120);

std::vector<TImportRow> ReadImport(std::istream& in, const std::function<void(int, const std::string&)>& bad)
{
    std::vector<TImportRow> rows;
    std::vector<std::string> fields;
    int line = 0;
    // A file saved by a spreadsheet may begin with a byte order mark.
    if (in.peek() == 0xEF) {
        std::array<char, 3> mark {};
        in.read(mark.data(), 3);
        if (std::string_view(mark.data(), 3) != "\xEF\xBB\xBF") {
            in.clear();
            in.seekg(0);
        }
    }
    if (!ReadCsvRecord(in, fields, line))
        return rows;
    if (fields.size() < 10 || fields[0] != "card_id")
        bad(line, "is not the header of an exported history");
    const bool hasPractice = fields.size() > 10 && fields[10] == "practice";
    const std::int64_t latest = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count()
        + AheadMs;
    for (int at = line + 1; ReadCsvRecord(in, fields, line); at = line + 1) {
        if (fields.size() == 1 && fields[0].empty())
            continue;
        if (fields.size() < 10)
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
        row.Practice = hasPractice && fields.size() > 10 && fields[10] == "1";
        rows.push_back(std::move(row));
    }
    return rows;
}

// An answer as the export writes it, from a row of AnswerColumns.
constexpr const char* AnswerColumns
    = "SELECT a.card, a.time_ms, a.rating, a.state_before, a.duration_ms, c.foreign_language, "
      "c.native_language, c.direction, c.word, c.translations, a.practice FROM answers a JOIN cards c ON "
      "c.id = "
      "a.card";
constexpr std::int64_t RescueStretch = 100000;

void WriteCsvRow(std::ostream& out, const TStatement& sql)
{
    for (int i = 0; i < 8; ++i)
        out << sql.Int(i) << ',';
    out << CsvField(sql.Text(8)) << ',' << CsvField(sql.Text(9)) << ',' << sql.Int(10) << '\n';
}

constexpr const char* CsvHeader = "card_id,review_time,review_rating,review_state,review_duration,"
                                  "foreign_language,native_language,direction,word,translations,practice";

} // namespace

std::int64_t THistory::ExportCsv(std::ostream& out)
{
    if (Damaged_)
        return RescueCsv(out);
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::int64_t written = 0;
    // One read transaction: a copy writing meanwhile cannot tear the export.
    Execute("BEGIN");
    try {
        TStatement sql(Db_, (std::string(AnswerColumns) + " ORDER BY a.time_ms, a.id").c_str(), fail);
        out << CsvHeader << '\n';
        for (; sql.Step(); ++written)
            WriteCsvRow(out, sql);
    } catch (...) {
        sqlite3_exec(Db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    Execute("COMMIT");
    return written;
}

std::int64_t THistory::RescueCsv(std::ostream& out)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // Answer by answer, so that a damaged page loses only the answers on it.
    std::int64_t last = 0;
    try {
        TStatement max(Db_, "SELECT MAX(id) FROM answers", fail);
        if (max.Step())
            last = max.Int(0);
    } catch (const THistoryError&) {
        last = -1;
    }
    // A damaged last page can make the highest id look lower than it is: past it, reading goes on
    // until no answer has turned up for a long stretch.
    TStatement one(Db_, (std::string(AnswerColumns) + " WHERE a.id = ?").c_str(), fail);
    out << CsvHeader << '\n';
    std::int64_t written = 0, missed = 0;
    for (std::int64_t id = 1; id <= last || missed < RescueStretch; ++id) {
        try {
            one.Reset();
            one.Bind(1, id);
            if (one.Step()) {
                std::ostringstream row;
                WriteCsvRow(row, one);
                out << row.str();
                ++written;
                missed = 0;
                continue;
            }
        } catch (const THistoryError&) {
        }
        ++missed;
    }
    return written;
}

int THistory::ImportCsv(std::istream& in, const TSchedulerParameters& p, const std::string& source)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // The whole file is read and checked first: a bad line changes nothing. Its fault is the file's,
    // so the message names the file and not the history.
    const std::vector<TImportRow> rows = ReadImport(in, [&source](int at, const std::string& why) {
        throw THistoryImportError(source + ", line " + std::to_string(at) + ": " + why);
    });
    TStatement findCard(Db_,
        "SELECT id FROM cards WHERE foreign_language = ? AND native_language = ? AND direction = ? "
        "AND word = ? AND translations = ?",
        fail);
    TStatement addCard(Db_,
        "INSERT INTO cards(foreign_language, native_language, direction, word, translations, key_hash, "
        "state, stability, difficulty, last_review, due, reps, lapses, first_day) "
        "VALUES(?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, 0, 0, 0)",
        fail);
    // Two answers of one card in one millisecond are both real (a double tap, two windows), so an
    // answer is its card, time and rating together, and the n-th of a kind in the file is added
    // while the history holds fewer than n: counted afresh each time, so an import taken up again
    // after a stop adds only what is still missing.
    TStatement countAnswers(
        Db_, "SELECT COUNT(*) FROM answers WHERE card = ? AND time_ms = ? AND rating = ?", fail);
    std::map<std::tuple<std::int64_t, std::int64_t, int>, std::int64_t> inFile;
    TStatement addAnswer(Db_,
        "INSERT INTO answers(card, time_ms, day, rating, state_before, duration_ms, practice) "
        "VALUES(?, ?, 0, ?, 0, ?, ?)",
        fail);
    int added = 0;
    // In batches of a fraction of a second, each with its cards replayed, and a pause between them
    // longer than a waiting writer's polls: a review beside a long import keeps being answered.
    for (std::size_t next = 0; next < rows.size();) {
        if (next > 0)
            std::this_thread::sleep_for(ImportPause);
        const auto started = std::chrono::steady_clock::now();
        TTransaction transaction(Db_, fail);
        std::set<std::int64_t> touched;
        for (; next < rows.size(); ++next) {
            if (next % 256 == 0 && std::chrono::steady_clock::now() - started > ImportBatch)
                break;
            const TImportRow& row = rows[next];
            findCard.Reset();
            BindKey(findCard, 1, row.Key);
            std::int64_t card = 0;
            if (findCard.Step()) {
                card = findCard.Int(0);
            } else {
                addCard.Reset();
                BindKey(addCard, 1, row.Key).Bind(6, StoredHashOf(ViewOf(row.Key)));
                addCard.Step();
                card = sqlite3_last_insert_rowid(Db_);
            }
            const std::int64_t nth = ++inFile[{ card, row.TimeMs, row.Rating }];
            countAnswers.Reset();
            countAnswers.Bind(1, card).Bind(2, row.TimeMs).Bind(3, std::int64_t { row.Rating });
            if (countAnswers.Step() && countAnswers.Int(0) >= nth)
                continue;
            addAnswer.Reset();
            addAnswer.Bind(1, card)
                .Bind(2, row.TimeMs)
                .Bind(3, std::int64_t { row.Rating })
                .Bind(4, row.DurationMs)
                .Bind(5, std::int64_t { row.Practice ? 1 : 0 });
            addAnswer.Step();
            touched.insert(card);
            ++added;
        }
        // A statement left on its row would keep this batch's snapshot past the commit, and the next
        // batch could then not write once a review beside it had.
        findCard.Reset();
        countAnswers.Reset();
        Replay(touched, p);
        transaction.Commit();
    }
    return added;
}

void THistory::Replay(const std::set<std::int64_t>& cards, const TSchedulerParameters& p)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // Each card touched is replayed from its first answer: answers of two machines interleave.
    TStatement answers(
        Db_, "SELECT id, time_ms, rating, practice FROM answers WHERE card = ? ORDER BY time_ms, id", fail);
    TStatement setAnswer(
        Db_, "UPDATE answers SET day = ?, state_before = ?, practice = ? WHERE id = ?", fail);
    TStatement setCard(Db_,
        "UPDATE cards SET state = ?, stability = ?, difficulty = ?, last_review = ?, due = ?, reps = ?, "
        "lapses = ?, first_day = ? WHERE id = ?",
        fail);
    for (const std::int64_t card : cards) {
        struct TRow {
            std::int64_t Id, TimeMs, Rating;
            bool Practice;
        };
        std::vector<TRow> rows;
        answers.Reset();
        answers.Bind(1, card);
        while (answers.Step())
            rows.push_back({ answers.Int(0), answers.Int(1), answers.Int(2), answers.Int(3) != 0 });
        TMemory memory;
        std::optional<TDay> firstDay;
        bool answered = false;
        for (const TRow& row : rows) {
            const TDay day = DayOfMs(row.TimeMs);
            if (!firstDay)
                firstDay = day;
            const bool practice = answered && (row.Practice || day <= memory.LastReview);
            setAnswer.Reset();
            setAnswer.Bind(1, day)
                .Bind(2, std::int64_t { static_cast<int>(memory.State) })
                .Bind(3, std::int64_t { practice ? 1 : 0 })
                .Bind(4, row.Id);
            setAnswer.Step();
            if (!practice)
                memory = ScheduleAnswer(memory, static_cast<TRating>(row.Rating), day, p);
            answered = true;
        }
        setCard.Reset();
        BindMemory(setCard, memory).Bind(8, firstDay.value_or(0)).Bind(9, card);
        setCard.Step();
    }
}
