#pragma once
// The review history's SQLite statements and transactions, each failing through the history's
// own error, and the rules of its cards that recording and importing share.

#include "review/Card.h"
#include "review/Scheduler.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <sqlite3.h>
#include <string_view>

using TSqliteFail = std::function<void(int resultCode)>;

// Answers are taken from the program's first days on, and up to a day ahead of the clock (another
// machine's clock may run ahead a little): a time beyond holds its card for centuries.
constexpr std::int64_t EarliestAnswerMs = 631152000000; // 1990-01-01
constexpr std::int64_t AheadMs = 86400000;

// A prepared statement, finalized when it goes.
class TStatement {
public:
    TStatement(sqlite3* db, const char* sql, const TSqliteFail& fail)
        : Fail_(fail)
    {
        if (const int rc = sqlite3_prepare_v2(db, sql, -1, &Stmt_, nullptr); rc != SQLITE_OK)
            Fail_(rc);
    }
    ~TStatement() { sqlite3_finalize(Stmt_); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    TStatement& Bind(int i, std::int64_t v)
    {
        Check(sqlite3_bind_int64(Stmt_, i, v));
        return *this;
    }
    TStatement& Bind(int i, double v)
    {
        Check(sqlite3_bind_double(Stmt_, i, v));
        return *this;
    }
    TStatement& Bind(int i, std::string_view v)
    {
        Check(sqlite3_bind_text(Stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT));
        return *this;
    }
    // True while there is a row.
    bool Step()
    {
        const int rc = sqlite3_step(Stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            Fail_(rc);
        return false;
    }
    void Reset()
    {
        sqlite3_reset(Stmt_);
        sqlite3_clear_bindings(Stmt_);
    }
    std::int64_t Int(int i) const { return sqlite3_column_int64(Stmt_, i); }
    double Real(int i) const { return sqlite3_column_double(Stmt_, i); }
    std::string_view Text(int i) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Stmt_, i));
        return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(Stmt_, i)))
                    : std::string_view();
    }

private:
    void Check(int rc)
    {
        if (rc != SQLITE_OK)
            Fail_(rc);
    }
    sqlite3_stmt* Stmt_ = nullptr;
    TSqliteFail Fail_;
};

// A write transaction, rolled back unless committed. Immediate: two writers never both hold a
// read lock they then cannot upgrade.
class TTransaction {
public:
    TTransaction(sqlite3* db, const TSqliteFail& fail)
        : Db_(db)
        , Fail_(fail)
    {
        Run("BEGIN IMMEDIATE");
    }
    ~TTransaction()
    {
        if (!Done_)
            sqlite3_exec(Db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;
    void Commit()
    {
        Run("COMMIT");
        Done_ = true;
    }

private:
    void Run(const char* sql)
    {
        if (const int rc = sqlite3_exec(Db_, sql, nullptr, nullptr, nullptr); rc != SQLITE_OK)
            Fail_(rc);
    }
    sqlite3* Db_;
    TSqliteFail Fail_;
    bool Done_ = false;
};

// A card's five key columns (languages, direction, word, translations) from parameter first on.
inline TStatement& BindKey(TStatement& statement, int first, const TCardKey& key)
{
    return statement.Bind(first, std::int64_t { key.ForeignLanguage })
        .Bind(first + 1, std::int64_t { key.NativeLanguage })
        .Bind(first + 2, std::int64_t { key.Direction })
        .Bind(first + 3, key.Word)
        .Bind(first + 4, key.Translations);
}

// A memory's seven columns, as the cards table keeps them (state to lapses), from parameter 1 on.
inline TStatement& BindMemory(TStatement& statement, const TMemory& m)
{
    return statement.Bind(1, std::int64_t { static_cast<int>(m.State) })
        .Bind(2, m.Stability)
        .Bind(3, m.Difficulty)
        .Bind(4, m.LastReview)
        .Bind(5, m.Due)
        .Bind(6, std::int64_t { m.Reps })
        .Bind(7, std::int64_t { m.Lapses });
}

// A memory from its seven columns (state to lapses) of a row, from column first on.
TMemory MemoryOfRow(const TStatement& row, int first);

// Whether an answer leaves its card's schedule as it is: the session called it practice, or the card
// was scheduled that day already (or later, when the clock went back). A card's first answer always
// schedules it.
inline bool IsPractice(bool answeredBefore, bool flagged, TDay day, const TMemory& before)
{
    return answeredBefore && (flagged || day <= before.LastReview);
}

// The rows of cards and their answers as recording and importing write them; each statement is
// prepared when first used and kept for the next.
class TCardRows {
public:
    TCardRows(sqlite3* db, const TSqliteFail& fail)
        : Db_(db)
        , Fail_(fail)
    {
    }
    struct TFound {
        std::int64_t Id;
        TMemory Memory;
    };
    std::optional<TFound> Find(const TCardKey& key);
    // A card with its memory (by default not yet scheduled); returns its id.
    std::int64_t Add(const TCardKey& key, TDay firstDay, const TMemory& memory = {});
    // Its memory, and with firstDay the day it was first answered.
    void SetMemory(std::int64_t card, const TMemory& memory, std::optional<TDay> firstDay = std::nullopt);
    struct TAnswer {
        std::int64_t Card, TimeMs;
        TDay Day;
        std::int64_t Rating, StateBefore, DurationMs;
        bool Practice;
        std::string_view Origin = {}; // a shared journal's id of it; empty: given here
    };
    // Returns the answer's id; 0 when the history holds one of its origin already.
    std::int64_t AddAnswer(const TAnswer& answer);

private:
    TStatement& Prepared(std::optional<TStatement>& statement, const char* sql);
    sqlite3* Db_;
    TSqliteFail Fail_;
    std::optional<TStatement> Find_, Add_, SetMemory_, AddAnswer_;
};
