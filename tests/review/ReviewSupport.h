#pragma once
// What the review tests share: a private data folder for the history and small lists.

#include "core/VocabFile.h"
#include "review/History.h"
#include "review/ReviewQueue.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <ctime>
#include <memory>
#include <string>
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

// Local noon of a day, in milliseconds: a day's answers stay on it in every time zone.
inline std::int64_t NoonOf(TDay day)
{
    const std::time_t midday = static_cast<std::time_t>(day * 86400 + 43200);
    std::tm local {};
    ::gmtime_r(&midday, &local);
    local.tm_isdst = -1;
    return std::int64_t { std::mktime(&local) } * 1000;
}
