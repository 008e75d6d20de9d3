#pragma once
// Helpers shared by the exchange tests: a private temporary folder and small documents.

#include "core/DocumentBuilders.h"
#include "core/VocabFile.h"
#include "exchange/TextImport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

inline constexpr LangId Polish = 0x0415; // code page 1250
inline constexpr TFieldColumns AllColumns = { 1, 2, 3, 4 };
inline constexpr TFieldColumns WordNative = { 1, 0, 0, 2 };

// The private temporary folder, with a writer that gives back the file's path.
struct TTempFolder : TTempDir {
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        WriteBytes(File(name), bytes);
        return File(name);
    }
};

inline void SetLanguages(TVocabFile& document, LangId foreign, LangId native)
{
    document.SetForeignLangID(foreign);
    document.SetNativeLangID(native);
}

// Appends an item and leaves the document as freshly saved.
inline void AddItem(TVocabFile& document, std::string_view foreign, std::string_view category,
    std::string_view notes, std::string_view native)
{
    auto item = std::make_unique<TVocabItem>();
    item->SetFieldValues(foreign, category, notes, native);
    document.AppendItem(std::move(item));
    document.EndBulkAppend();
    document.MarkSaved();
}

inline TFieldValues ItemValues(const TVocabFile& document, std::int32_t i)
{
    return document.Items(i).FieldValues();
}

// ASCII or already-wide text as UTF-16 little-endian bytes.
inline std::string Utf16Le(std::u16string_view text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

inline std::string Utf16Be(std::u16string_view text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

inline std::u16string Widen(std::string_view ascii)
{
    return { ascii.begin(), ascii.end() };
}

inline std::vector<TFieldValues> AllItems(const TVocabFile& document)
{
    std::vector<TFieldValues> items;
    for (std::int32_t i = 0; i < document.Count(); ++i)
        items.push_back(ItemValues(document, i));
    return items;
}
