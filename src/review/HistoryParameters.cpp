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
// A pair of languages' own set is active = 2 with its pair (foreign << 16 | native); the learner's is
// active = 1 without one. Copies that know no pairs read active = 1 alone: theirs stays the learner's.
constexpr const char* ParameterPairs = "ALTER TABLE parameters ADD COLUMN pair INTEGER";

bool HasColumn(sqlite3* db, const char* table, const char* column, const TSqliteFail& fail)
{
    TStatement info(db, (std::string("PRAGMA table_info(") + table + ")").c_str(), fail);
    while (info.Step())
        if (info.Text(1) == column)
            return true;
    return false;
}

std::int64_t PairCode(const TLanguagePair& pair)
{
    return std::int64_t { pair.first } << 16 | pair.second;
}

} // namespace

void THistory::AddLearnerParameters()
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    const auto done = [&] {
        return HasColumn(Db_, "parameters", "pair", fail) && HasColumn(Db_, "answers", "parameters", fail);
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
    if (!HasColumn(Db_, "parameters", "pair", fail))
        Execute(ParameterPairs);
    transaction.Commit();
}

std::optional<THistory::TLearnerParameters> THistory::StoredParameters(std::optional<TLanguagePair> pair)
{
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // A file opened to be read only may lack the table or the pairs: it has no such set then.
    if (!HasColumn(Db_, "parameters", pair ? "pair" : "weights", fail))
        return std::nullopt;
    TStatement active(Db_,
        pair ? "SELECT id, weights, made_ms FROM parameters WHERE active = 2 AND pair = ? ORDER BY id DESC "
               "LIMIT 1"
             : "SELECT id, weights, made_ms FROM parameters WHERE active = 1 ORDER BY id DESC LIMIT 1",
        fail);
    if (pair)
        active.Bind(1, PairCode(*pair));
    if (!active.Step())
        return std::nullopt;
    // A damaged set schedules nothing: the one it stands in for does.
    const auto w = ParseWeights(active.Text(1));
    if (!w)
        return std::nullopt;
    return TLearnerParameters { active.Int(0), ClipWeights(*w), active.Int(2) };
}

std::optional<THistory::TLearnerParameters> THistory::ActiveParameters(std::optional<TLanguagePair> pair)
{
    if (pair)
        if (auto own = StoredParameters(pair))
            return own;
    return StoredParameters(std::nullopt);
}

std::optional<THistory::TLearnerParameters> THistory::LearnerParameters(std::optional<TLanguagePair> pair)
{
    return StoredParameters(pair);
}

TSchedulerParameters THistory::WithLearnerParameters(
    const TSchedulerParameters& p, std::optional<TLanguagePair> pair)
{
    TSchedulerParameters q = p;
    if (const auto learner = ActiveParameters(pair))
        q.W = learner->W;
    return q;
}

std::int64_t THistory::SetLearnerParameters(
    const TWeights& w, std::int64_t madeMs, std::optional<TLanguagePair> pair)
{
    RequireWritable();
    const TSqliteFail fail = [this](int rc) { FailSql(rc); };
    // The newest active set of its kind schedules; those before it stay as they were.
    TStatement add(Db_, "INSERT INTO parameters(weights, made_ms, active, pair) VALUES(?, ?, ?, ?)", fail);
    add.Bind(1, FormatWeights(ClipWeights(w))).Bind(2, madeMs).Bind(3, std::int64_t { pair ? 2 : 1 });
    if (pair)
        add.Bind(4, PairCode(*pair));
    add.Step();
    return sqlite3_last_insert_rowid(Db_);
}

void THistory::ResetLearnerParameters()
{
    RequireWritable();
    Execute("UPDATE parameters SET active = 0 WHERE active <> 0");
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

std::vector<TOptimizerAnswer> THistory::OptimizerAnswers(std::optional<TLanguagePair> pair)
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
