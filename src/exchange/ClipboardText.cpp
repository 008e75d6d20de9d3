#include "exchange/ClipboardText.h"

#include "exchange/ExchangeText.h"

#include <algorithm>

std::string BuildClipboardText(const TVocabFile& document)
{
    if (document.CurrentIndex() < 0)
        throw EVocabFileError("No current item");
    const TVocabItem& item = document.Items(document.CurrentIndex());
    std::string line;
    for (int f = 0; f < FieldCount; ++f) {
        if (f > 0)
            line.push_back('\t');
        const std::string_view value = item.FieldValue(f);
        const std::size_t start = line.size();
        if (IsAscii(value))
            line.append(value);
        else
            line.append(AnsiToUtf8(value,
                LanguageCodePage(f == fiForeign ? document.ForeignLangID() : document.NativeLangID())));
        // A tab or line break inside a field would move the other fields to other cells.
        std::replace_if(
            line.begin() + static_cast<std::ptrdiff_t>(start), line.end(),
            [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    }
    line.push_back('\n');
    return line;
}

TFieldColumns PastedTextColumns(std::string_view text)
{
    std::size_t widest = 1;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        widest = std::max<std::size_t>(widest,
            1
                + static_cast<std::size_t>(
                    std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\t')));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    switch (widest) {
    case 1:
        return { 1, 0, 0, 0 };
    case 2:
        return { 1, 0, 0, 2 };
    case 3:
        return { 1, 0, 3, 2 };
    default:
        return { 1, 2, 3, 4 };
    }
}

TImportResult PasteClipboardText(TVocabFile& document, std::string_view utf8)
{
    TVocabFile read;
    read.SetForeignLangID(document.ForeignLangID());
    read.SetNativeLangID(document.NativeLangID());
    TImportResult result = ImportTextBytes(read, utf8, tfUtf8Tab, PastedTextColumns(utf8), 1);
    if (result.Added == 0)
        throw EVocabFileError("No valid data on clipboard.");
    document.PasteItems(read);
    return result;
}
