#pragma once
// What both delimited-text fuzz targets check after every import.

#include "exchange/TextImport.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void ImportOnce(std::string_view bytes, TTextFormat format, const TFieldColumns& columns)
{
    TVocabFile document;
    // Cyrillic foreign and Western native text, so conversions can lose characters both ways.
    document.SetForeignLangID(0x0419);
    document.SetNativeLangID(0x0409);
    document.MarkSaved();
    try {
        const TImportResult result = ImportTextBytes(document, bytes, format, columns, 1);
        Check(result.Added == document.Count());
        Check(result.LostFields >= 0 && result.LostFields <= 4 * result.Added);
        Check(document.Modified() == (result.Added > 0));
        for (std::int32_t i = 0; i < document.Count(); ++i) {
            const TVocabItem& item = document.Items(i);
            Check(!item.FieldValue(fiForeign).empty() && !item.FieldValue(fiNative).empty());
            for (int k = 0; k < FieldCount; ++k)
                Check(item.FieldValue(k).size() <= MaxTextLength);
        }
    } catch (const EVocabFileError&) {
        // A refused file leaves the document alone.
        Check(document.Count() == 0 && !document.Modified());
    }
}

// The preview's marks of lost characters lie inside their columns, in order.
void PreviewOnce(std::string_view bytes, TTextFormat format)
{
    for (const TPreviewRow& row : PreviewTextBytes(bytes, format, { 1, 0, 0, 2 }, 1, 8, 0x0419, 0x0409)) {
        Check(row.Lost.size() == row.Columns.size());
        for (std::size_t c = 0; c < row.Columns.size(); ++c) {
            std::size_t end = 0;
            for (const TLostSpan& span : row.Lost[c]) {
                Check(end <= span.Begin && span.Begin < span.End && span.End <= row.Columns[c].size());
                end = span.End;
            }
        }
    }
}

} // namespace
