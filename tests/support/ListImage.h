#pragma once
// The file image of a generated list, for tests that save, kill and compare lists.

#include "core/VocabFile.h"

#include <memory>
#include <string>

// A list of the given size; the seed makes two lists of one size differ in every item.
inline std::string ListImage(int items, int seed)
{
    TVocabFile doc;
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues("das Wort " + std::to_string(i * 7 + seed), "noun", "",
            "word number " + std::to_string(i) + " of list " + std::to_string(seed));
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
    return doc.SaveToBytes();
}
