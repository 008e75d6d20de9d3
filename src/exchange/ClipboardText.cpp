#include "exchange/ClipboardText.h"

#include "core/SortingMarker.h"
#include "exchange/ExchangeText.h"
#include "exchange/ImportRules.h"

#include <algorithm>
#include <string>

std::string BuildClipboardText(const TVocabFile& document)
{
    if (document.CurrentIndex() < 0)
        throw EVocabFileError("No current item");
    const TVocabItem& item = document.Items(document.CurrentIndex());
    std::string line;
    std::string marked;
    for (int f = 0; f < FieldCount; ++f) {
        if (f > 0)
            line.push_back('\t');
        // The paste into another copy reads the sorting position back from the marker.
        const std::string_view value = f == fiForeign
            ? MarkedForExport(item.FieldValue(f), item.SortingPosition, marked)
            : item.FieldValue(f);
        std::string cell = IsAscii(value)
            ? std::string(value)
            : AnsiToUtf8(
                value, LanguageCodePage(f == fiForeign ? document.ForeignLangID() : document.NativeLangID()));
        // A tab or line break inside a field would move the other fields to other cells; a quote
        // that opens it would be read as quoting.
        std::replace_if(
            cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
        AppendField<char>(line, cell, '\t');
    }
    line.push_back('\n');
    return line;
}

TPasteResult PasteClipboardText(TVocabFile& document, std::string_view utf8)
{
    TVocabFile read;
    read.SetForeignLangID(document.ForeignLangID());
    read.SetNativeLangID(document.NativeLangID());
    TPasteResult result;
    // Whatever copied the text, it is UTF-8 here; only its delimiter and columns are guessed.
    result.Format = MakeTextFormat(teUtf8, TextFormatDelimiter(DetectTextFormatBytes(utf8)));
    result.Columns = ProposedColumns(utf8, result.Format);
    static_cast<TImportResult&>(result) = ImportTextBytes(read, utf8, result.Format, result.Columns, 1);
    if (result.Added == 0)
        throw EVocabFileError("No valid data on clipboard.");
    document.PasteItems(read);
    return result;
}

TSaying PastedTextMessage(const TPasteResult& result)
{
    std::vector<TSaying> columns;
    for (std::int32_t column = 1; column <= FieldCount; ++column) {
        for (const TImportField& field : ImportFields()) {
            if (result.Columns[static_cast<std::size_t>(field.Field)] == column)
                columns.emplace_back(VM_TRANSLATE_NOOP("Velmoria::Model", "column %1 %2"),
                    std::vector<TSaying> {
                        TSaying::Number(column), TSaying(std::string(field.Caption).c_str()) });
        }
    }
    TSaying shown = TSaying::Joined(std::move(columns), ", ");
    const char delimiter = TextFormatDelimiter(result.Format);
    if (delimiter == '\t')
        return TSaying::Counted(
            VM_TRANSLATE_N_NOOP("Velmoria::Model", "Pasted %n items from tab-separated text: %1."),
            "Pasted %n item from tab-separated text: %1.", result.Added, { std::move(shown) });
    if (delimiter == ';')
        return TSaying::Counted(
            VM_TRANSLATE_N_NOOP("Velmoria::Model", "Pasted %n items from semicolon-separated text: %1."),
            "Pasted %n item from semicolon-separated text: %1.", result.Added, { std::move(shown) });
    return TSaying::Counted(
        VM_TRANSLATE_N_NOOP("Velmoria::Model", "Pasted %n items from comma-separated text: %1."),
        "Pasted %n item from comma-separated text: %1.", result.Added, { std::move(shown) });
}
