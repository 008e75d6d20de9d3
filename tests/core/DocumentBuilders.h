#pragma once
// Small helpers that build documents and read back their state in tests.

#include "core/VocabFile.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

using TWords = std::vector<std::string>;

constexpr LangId English = 0x0409;
constexpr LangId EnglishUK = 0x0809;
constexpr LangId German = 0x0407;
constexpr LangId French = 0x040C;
constexpr LangId Russian = 0x0419;
constexpr LangId Turkish = 0x041F;
constexpr LangId Swedish = 0x041D;
constexpr LangId Greek = 0x0408;

// Appends an item through the editing operations (recorded for undo like a user's Add).
inline TVocabItem* AppendByAdd(TVocabFile& doc, std::string_view foreign, std::string_view category = "",
    std::string_view notes = "", std::string_view native = "", std::int32_t sortingPosition = 0)
{
    const std::int32_t current = doc.CurrentIndex();
    doc.SetCurrentIndex(-1);
    TVocabItem* item = &doc.NewItem();
    item->SetFieldValues(foreign, category, notes, native);
    item->SortingPosition = sortingPosition;
    doc.Add();
    doc.SetCurrentIndex(current);
    return item;
}

struct TEntry {
    std::string Foreign;
    std::int32_t SortingPosition = 0;
    std::string Notes = "";
    std::string Native = "";
};

// Sets the languages and adds the entries one undoable Add each.
inline void Fill(TVocabFile& doc, LangId foreign, LangId native, const std::vector<TEntry>& entries)
{
    doc.SetForeignLangID(foreign);
    doc.SetNativeLangID(native);
    for (const auto& e : entries)
        AppendByAdd(doc, e.Foreign, "", e.Notes, e.Native, e.SortingPosition);
}

// A document of the given word/phrase texts, built without history.
inline void FillWords(TVocabFile& doc, const TWords& words)
{
    for (const auto& word : words) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValue(fiForeign, word);
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
}

inline TWords Field(const TVocabFile& doc, int field)
{
    TWords result;
    for (const auto& item : doc.ItemList())
        result.emplace_back(item->FieldValue(field));
    return result;
}

inline TWords Foreigns(const TVocabFile& doc)
{
    return Field(doc, fiForeign);
}

inline std::vector<const TVocabItem*> Pointers(const TVocabFile& doc)
{
    std::vector<const TVocabItem*> result;
    for (const auto& item : doc.ItemList())
        result.push_back(item.get());
    return result;
}

// Where the history stands: undo count, undo position, saved position, modified.
inline std::tuple<int, int, int, bool> History(const TVocabFile& doc)
{
    return { doc.UndoCount(), doc.UndoPos(), doc.SavedPos(), doc.Modified() };
}

// The message of the document error the action raises.
inline std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EVocabFileError& e) {
        return e.what();
    }
    return "<no error>";
}

// A document of the given items (word/phrase, category, notes, translations) in the given
// languages, built without history.
inline void FillItems(TVocabFile& doc, LangId foreign, LangId native, const std::vector<TFieldValues>& items)
{
    doc.SetForeignLangID(foreign);
    doc.SetNativeLangID(native);
    for (const auto& values : items) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(values);
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
}

// An item of a list built without history.
struct TListItem {
    std::string Foreign, Category = "", Notes = "", Native = "";
    std::int32_t SortingPosition = 0;
    bool Learnt = false;
};

inline std::unique_ptr<TVocabFile> ListOf(const std::vector<TListItem>& items, LangId foreign, LangId native)
{
    auto doc = std::make_unique<TVocabFile>();
    doc->SetForeignLangID(foreign);
    doc->SetNativeLangID(native);
    doc->Reserve(items.size());
    for (const auto& entry : items) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(entry.Foreign, entry.Category, entry.Notes, entry.Native);
        item->SortingPosition = entry.SortingPosition;
        item->PenaltyPoints = entry.Learnt ? -1 : 0;
        doc->AppendItem(std::move(item));
    }
    if (!items.empty())
        doc->EndBulkAppend();
    return doc;
}
