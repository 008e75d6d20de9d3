#include "review/History.h"
#include "review/HistoryStatements.h"

#include <charconv>
#include <cmath>
#include <sqlite3.h>

namespace {

// The learner's parameter sets, and on each answer the set that scheduled it (NULL: the published
// one). Only added, never changed: older copies of the program read the file as before.
constexpr const char* ParametersTable = R"sql(
CREATE TABLE IF NOT EXISTS parameters(
  id INTEGER PRIMARY KEY,
  weights TEXT NOT NULL, made_ms INTEGER NOT NULL, active INTEGER NOT NULL);
)sql";
constexpr const char* AnswerParameters = "ALTER TABLE answers ADD COLUMN parameters INTEGER";

bool HasColumn(sqlite3* db, const char* table, const char* column, const TSqliteFail& fail)
{
    TStatement info(db, (std::string("PRAGMA table_info(") + table + ")").c_str(), fail);
    while (info.Step())
        if (info.Text(1) == column)
            return true;
    return false;
}

} // namespace

void THistory::AddLearnerParameters()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const auto done = [&] {
        TStatement table(
            Db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'parameters'", fail);
        return table.Step() && HasColumn(Db_, "answers", "parameters", fail);
    };
    if (done())
        return;
    // Another copy starting now may add them first.
    TTransaction transaction(Db_, fail);
    if (done())
        return;
    Execute(ParametersTable);
    if (!HasColumn(Db_, "answers", "parameters", fail))
        Execute(AnswerParameters);
    transaction.Commit();
}

std::optional<THistory::TLearnerParameters> THistory::ActiveParameters()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // A file opened to be read only may lack the table: it has no set of its own then.
    TStatement table(Db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'parameters'", fail);
    if (!table.Step())
        return std::nullopt;
    TStatement active(
        Db_, "SELECT id, weights, made_ms FROM parameters WHERE active = 1 ORDER BY id DESC LIMIT 1", fail);
    if (!active.Step())
        return std::nullopt;
    // A damaged set schedules nothing: the published one does.
    const auto w = ParseWeights(active.Text(1));
    if (!w)
        return std::nullopt;
    return TLearnerParameters { active.Int(0), ClipWeights(*w), active.Int(2) };
}

std::optional<THistory::TLearnerParameters> THistory::LearnerParameters()
{
    return ActiveParameters();
}

TSchedulerParameters THistory::WithLearnerParameters(const TSchedulerParameters& p)
{
    TSchedulerParameters q = p;
    if (const auto learner = ActiveParameters())
        q.W = learner->W;
    return q;
}

std::int64_t THistory::SetLearnerParameters(const TWeights& w, std::int64_t madeMs)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TTransaction transaction(Db_, fail);
    Execute("UPDATE parameters SET active = 0 WHERE active = 1");
    TStatement add(Db_, "INSERT INTO parameters(weights, made_ms, active) VALUES(?, ?, 1)", fail);
    add.Bind(1, FormatWeights(ClipWeights(w))).Bind(2, madeMs).Step();
    const std::int64_t id = sqlite3_last_insert_rowid(Db_);
    transaction.Commit();
    return id;
}

void THistory::ResetLearnerParameters()
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TTransaction transaction(Db_, fail);
    Execute("UPDATE parameters SET active = 0 WHERE active = 1");
    transaction.Commit();
}

std::optional<std::int64_t> THistory::ParametersOfAnswer(std::int64_t answerId)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    if (!HasColumn(Db_, "answers", "parameters", fail))
        return std::nullopt;
    TStatement answer(Db_, "SELECT parameters FROM answers WHERE id = ? AND parameters IS NOT NULL", fail);
    answer.Bind(1, answerId);
    if (!answer.Step())
        return std::nullopt;
    return answer.Int(0);
}

std::vector<TOptimizerAnswer> THistory::OptimizerAnswers(
    std::optional<std::pair<std::uint16_t, std::uint16_t>> pair)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    TStatement sql(Db_,
        pair ? "SELECT a.card, a.time_ms, a.day, a.rating FROM answers a JOIN cards c ON c.id = a.card "
               "WHERE c.foreign_language = ? AND c.native_language = ?"
             : "SELECT card, time_ms, day, rating FROM answers",
        fail);
    if (pair)
        sql.Bind(1, std::int64_t { pair->first }).Bind(2, std::int64_t { pair->second });
    std::vector<TOptimizerAnswer> answers;
    while (sql.Step()) {
        const auto rating = sql.Int(3);
        // A rating out of range is a damaged row, not an answer.
        if (rating < 1 || rating > 4)
            continue;
        answers.push_back({ sql.Int(0), sql.Int(1), sql.Int(2), static_cast<TRating>(rating) });
    }
    return answers;
}
