// The history's reports: what a day's review, the progress pictures and the leech marks read.

#include "review/History.h"
#include "review/HistoryStatements.h"

#include <algorithm>
#include <string>

namespace {

TCardKey KeyOfRow(const TStatement& row, int first)
{
    TCardKey key;
    key.ForeignLanguage = static_cast<std::uint16_t>(row.Int(first));
    key.NativeLanguage = static_cast<std::uint16_t>(row.Int(first + 1));
    key.Direction = static_cast<std::uint8_t>(row.Int(first + 2));
    key.Word = row.Text(first + 3);
    key.Translations = row.Text(first + 4);
    return key;
}

constexpr const char* KeyColumns
    = "c.foreign_language, c.native_language, c.direction, c.word, c.translations";

// The cards whose last answer of a day was wrong; the last by time, then by the order written.
constexpr const char* FailedCardsOfDay
    = "(SELECT a.card FROM answers a WHERE a.day = ?1 AND a.rating = 1 AND NOT "
      "EXISTS (SELECT 1 FROM answers b WHERE b.card = a.card AND b.day = ?1 "
      "AND (b.time_ms > a.time_ms OR (b.time_ms = a.time_ms AND b.id > a.id))))";

} // namespace

std::vector<TCardKey> THistory::FailedOn(TDay day)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement sql(Db_,
        (std::string("SELECT ") + KeyColumns + " FROM cards c WHERE c.id IN " + FailedCardsOfDay).c_str(),
        fail);
    sql.Bind(1, day);
    std::vector<TCardKey> keys;
    while (sql.Step())
        keys.push_back(KeyOfRow(sql, 0));
    return keys;
}

std::vector<std::pair<std::uint8_t, TDay>> THistory::FailedDueOn(TDay day)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement sql(
        Db_, (std::string("SELECT direction, due FROM cards WHERE id IN ") + FailedCardsOfDay).c_str(), fail);
    sql.Bind(1, day);
    std::vector<std::pair<std::uint8_t, TDay>> cards;
    while (sql.Step())
        cards.emplace_back(static_cast<std::uint8_t>(sql.Int(0)), sql.Int(1));
    return cards;
}

std::array<int, 2> THistory::DueByDirection(TDay today)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement sql(Db_,
        "SELECT direction, COUNT(*) FROM cards WHERE due <= ?1 AND last_review < ?1 GROUP BY direction",
        fail);
    sql.Bind(1, today);
    std::array<int, 2> due {};
    while (sql.Step())
        due[sql.Int(0) == 1 ? 1 : 0] += static_cast<int>(sql.Int(1));
    return due;
}

int THistory::Failures(const TCardKey& key)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement sql(Db_,
        "SELECT COUNT(*) FROM answers a JOIN cards c ON c.id = a.card WHERE c.foreign_language = ? AND "
        "c.native_language = ? AND c.direction = ? AND c.word = ? AND c.translations = ? AND a.rating = 1 "
        "AND a.practice = 0",
        fail);
    BindKey(sql, 1, key);
    return sql.Step() ? static_cast<int>(sql.Int(0)) : 0;
}

std::vector<THistory::TCardFailures> THistory::FailedCards(int minimum)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement sql(Db_,
        (std::string("SELECT ") + KeyColumns
            + ", f.failures FROM (SELECT card, COUNT(*) AS failures FROM answers WHERE rating = 1 AND "
              "practice = 0 GROUP BY card HAVING COUNT(*) >= ?) f JOIN cards c ON c.id = f.card")
            .c_str(),
        fail);
    sql.Bind(1, std::int64_t { std::max(minimum, 1) });
    std::vector<TCardFailures> cards;
    while (sql.Step())
        cards.push_back({ KeyOfRow(sql, 0), static_cast<int>(sql.Int(5)) });
    return cards;
}

std::vector<int> THistory::AnswersPerDay(TDay first, TDay last)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::vector<int> counts(static_cast<std::size_t>(std::max<TDay>(last - first + 1, 0)));
    TStatement sql(Db_, "SELECT day, COUNT(*) FROM answers WHERE day BETWEEN ? AND ? GROUP BY day", fail);
    sql.Bind(1, first).Bind(2, last);
    while (sql.Step())
        counts[static_cast<std::size_t>(sql.Int(0) - first)] = static_cast<int>(sql.Int(1));
    return counts;
}

std::vector<int> THistory::DuePerDay(TDay first, TDay last)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::vector<int> counts(static_cast<std::size_t>(std::max<TDay>(last - first + 1, 0)));
    if (counts.empty())
        return counts;
    TStatement sql(Db_, "SELECT MAX(due, ?), COUNT(*) FROM cards WHERE due <= ? GROUP BY MAX(due, ?)", fail);
    sql.Bind(1, first).Bind(2, last).Bind(3, first);
    while (sql.Step())
        counts[static_cast<std::size_t>(sql.Int(0) - first)] = static_cast<int>(sql.Int(1));
    return counts;
}

std::vector<THistory::TWeekShare> THistory::ReviewShareByWeek(TDay first, TDay last)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::vector<TWeekShare> weeks;
    for (TDay start = first; start <= last; start += 7)
        weeks.push_back({ start, 0, 0 });
    TStatement sql(Db_,
        "SELECT (day - ?) / 7, COUNT(*), SUM(rating > 1) FROM answers WHERE practice = 0 AND day BETWEEN ? "
        "AND ? "
        "GROUP BY (day - ?) / 7",
        fail);
    sql.Bind(1, first).Bind(2, first).Bind(3, last).Bind(4, first);
    while (sql.Step()) {
        TWeekShare& week = weeks[static_cast<std::size_t>(sql.Int(0))];
        week.Answers = static_cast<int>(sql.Int(1));
        week.Right = static_cast<int>(sql.Int(2));
    }
    return weeks;
}

std::vector<THistory::TFailedWord> THistory::MostFailed(int count)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    std::vector<TFailedWord> words;
    // Each direction is a card of its own; repeats within a day are drill, not forgetting.
    TStatement sql(Db_,
        "SELECT c.word, c.translations, c.direction, COUNT(*) AS failures FROM answers a JOIN cards c ON "
        "c.id "
        "= a.card WHERE a.rating = 1 AND a.practice = 0 GROUP BY a.card ORDER BY failures DESC, c.word, "
        "c.direction LIMIT ?",
        fail);
    sql.Bind(1, std::int64_t { std::max(count, 0) });
    while (sql.Step())
        words.push_back({ std::string(sql.Text(0)), std::string(sql.Text(1)),
            static_cast<std::uint8_t>(sql.Int(2)), static_cast<int>(sql.Int(3)) });
    return words;
}
