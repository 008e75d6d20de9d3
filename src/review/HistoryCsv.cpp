#include "review/History.h"
#include "review/HistoryStatements.h"

#include <ostream>
#include <sstream>
#include <string_view>

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

std::vector<THistory::TStoredAnswer> THistory::AnswersOf(const TCardKey& key)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::vector<TStoredAnswer> answers;
    TCardRows cards(Db_, fail);
    const auto card = cards.Find(key);
    if (!card)
        return answers;
    TStatement sql(Db_,
        "SELECT time_ms, rating, duration_ms, practice FROM answers WHERE card = ? ORDER BY time_ms, id",
        fail);
    sql.Bind(1, card->Id);
    while (sql.Step())
        answers.push_back({ sql.Int(0), static_cast<int>(sql.Int(1)), sql.Int(2), sql.Int(3) != 0 });
    return answers;
}
