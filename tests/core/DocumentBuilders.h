#pragma once
// Small helpers that build documents and read back their state in tests.

#include "core/VocabFile.h"

#include <string>
#include <string_view>
#include <vector>

// Appends an item through the editing operations (recorded for undo like a user's Add).
inline TVocabItem* AppendByAdd(TVocabFile& doc, std::string_view foreign, std::string_view category = "",
    std::string_view notes = "", std::string_view native = "", std::int32_t sortingPosition = 0)
{
    const std::int32_t current = doc.CurrentIndex();
    doc.SetCurrentIndex(-1);
    doc.NewItem().SetFieldValues(foreign, category, notes, native);
    doc.NewItem().SortingPosition = sortingPosition;
    TVocabItem* item = &doc.NewItem();
    doc.Add();
    doc.SetCurrentIndex(current);
    return item;
}

// A document of the given word/phrase texts, built without history.
inline void FillWords(TVocabFile& doc, const std::vector<std::string>& words)
{
    for (const auto& word : words) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValue(fiForeign, word);
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
}

inline std::vector<std::string> Foreigns(const TVocabFile& doc)
{
    std::vector<std::string> result;
    for (const auto& item : doc.ItemList())
        result.emplace_back(item->FieldValue(fiForeign));
    return result;
}

inline std::vector<const TVocabItem*> Pointers(const TVocabFile& doc)
{
    std::vector<const TVocabItem*> result;
    for (const auto& item : doc.ItemList())
        result.push_back(item.get());
    return result;
}
