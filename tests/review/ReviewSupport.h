#pragma once
// What the review tests share: a private data folder for the history and small lists.

#include "core/VocabFile.h"
#include "review/History.h"
#include "review/ReviewQueue.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// XDG_DATA_HOME pointed into a fresh folder for the test's life: the user's own history is never
// touched, and child processes inherit the place.
class TDataHome {
public:
    const TTempDir& Dir() const { return Dir_; }

private:
    TTempDir Dir_;
    TScopedEnv Env_ { "XDG_DATA_HOME", Dir_.File("data") };
};

// A German-English list of (word, translations) pairs, built without undo history.
inline void FillPairs(TVocabFile& doc, const std::vector<std::pair<std::string, std::string>>& pairs)
{
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    for (const auto& [word, translations] : pairs) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(word, "", "", translations);
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
}

// Every field of a memory, to compare whole: the history keeps its numbers exactly.
inline auto MemoryFields(const TMemory& m)
{
    return std::tuple(m.State, m.Stability, m.Difficulty, m.LastReview, m.Due, m.Reps, m.Lapses);
}

// The first number the statements give (0 for none), run on the file behind the history's back.
inline std::int64_t Sql(const std::string& path, const std::string& statements)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    std::int64_t first = 0;
    const auto keep = [](void* out, int, char** values, char**) {
        *static_cast<std::int64_t*>(out) = values[0] ? std::atoll(values[0]) : 0;
        return 0;
    };
    EXPECT_EQ(sqlite3_exec(db, statements.c_str(), keep, &first, nullptr), SQLITE_OK) << statements;
    sqlite3_close(db);
    return first;
}

// Local noon of a day, in milliseconds: a day's answers stay on it in every time zone.
inline std::int64_t NoonOf(TDay day)
{
    const std::time_t midday = static_cast<std::time_t>(day * 86400 + 43200);
    std::tm local {};
    ::gmtime_r(&midday, &local);
    local.tm_isdst = -1;
    return std::int64_t { std::mktime(&local) } * 1000;
}
