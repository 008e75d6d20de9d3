#include "review/HistoryStatements.h"

#include <algorithm>

TMemory MemoryOfRow(const TStatement& row, int first)
{
    TMemory m;
    m.State = static_cast<TCardState>(std::clamp<std::int64_t>(row.Int(first), 0, 3));
    m.Stability = row.Real(first + 1);
    m.Difficulty = row.Real(first + 2);
    m.LastReview = row.Int(first + 3);
    m.Due = row.Int(first + 4);
    m.Reps = static_cast<std::int32_t>(row.Int(first + 5));
    m.Lapses = static_cast<std::int32_t>(row.Int(first + 6));
    return m;
}

TStatement& TCardRows::Prepared(std::optional<TStatement>& statement, const char* sql)
{
    if (!statement)
        statement.emplace(Db_, sql, Fail_);
    statement->Reset();
    return *statement;
}

std::optional<TCardRows::TFound> TCardRows::Find(const TCardKey& key)
{
    TStatement& find = Prepared(Find_,
        "SELECT id, state, stability, difficulty, last_review, due, reps, lapses FROM cards WHERE "
        "foreign_language = ? AND native_language = ? AND direction = ? AND word = ? AND translations = ?");
    BindKey(find, 1, key);
    std::optional<TFound> found;
    if (find.Step())
        found = TFound { find.Int(0), MemoryOfRow(find, 1) };
    // A statement left on its row would keep its snapshot past the commit.
    find.Reset();
    return found;
}

std::int64_t TCardRows::Add(const TCardKey& key, TDay firstDay, const TMemory& memory)
{
    // Written whole at once: setting the memory after the insert rewrites three index entries.
    TStatement& add = Prepared(Add_,
        "INSERT INTO cards(state, stability, difficulty, last_review, due, reps, lapses, foreign_language, "
        "native_language, direction, word, translations, key_hash, first_day) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    BindKey(BindMemory(add, memory), 8, key).Bind(13, StoredHashOf(ViewOf(key))).Bind(14, firstDay);
    add.Step();
    return sqlite3_last_insert_rowid(Db_);
}

void TCardRows::SetMemory(std::int64_t card, const TMemory& memory, std::optional<TDay> firstDay)
{
    // An unbound day is NULL, which keeps the card's.
    TStatement& set = Prepared(SetMemory_,
        "UPDATE cards SET state = ?1, stability = ?2, difficulty = ?3, last_review = ?4, due = ?5, reps = "
        "?6, "
        "lapses = ?7, first_day = IFNULL(?8, first_day) WHERE id = ?9");
    BindMemory(set, memory).Bind(9, card);
    if (firstDay)
        set.Bind(8, *firstDay);
    set.Step();
}

std::int64_t TCardRows::AddAnswer(const TAnswer& answer)
{
    Prepared(AddAnswer_,
        "INSERT OR IGNORE INTO answers(card, time_ms, day, rating, state_before, duration_ms, practice, "
        "origin) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, NULLIF(?, ''))")
        .Bind(1, answer.Card)
        .Bind(2, answer.TimeMs)
        .Bind(3, answer.Day)
        .Bind(4, answer.Rating)
        .Bind(5, answer.StateBefore)
        .Bind(6, std::max<std::int64_t>(answer.DurationMs, 0))
        .Bind(7, std::int64_t { answer.Practice ? 1 : 0 })
        .Bind(8, answer.Origin)
        .Step();
    return sqlite3_changes(Db_) > 0 ? sqlite3_last_insert_rowid(Db_) : 0;
}
