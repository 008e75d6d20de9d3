#pragma once
// Items as plain text on the clipboard, for and from other programs: UTF-8, one line per item,
// its columns separated by tabs as spreadsheets copy a range of cells.

#include "core/VocabFile.h"
#include "exchange/TextImport.h"

#include <string>
#include <string_view>

// The current item as one line: its four fields in field order, tab-separated, ending with a line
// break. Raises "No current item".
std::string BuildClipboardText(const TVocabFile& document);

struct TPasteResult : TImportResult {
    TTextFormat Format = tfUtf8Tab; // the delimiter found in the text
    TFieldColumns Columns {}; // the columns read, decided by the whole text
};
// Puts one item per line with a word/phrase before the current item, as one step "Paste". The text
// is split as the import splits a UTF-8 file of the same lines: the delimiter (tab, comma or
// semicolon) and the columns are those the import would propose for it, quotes as spreadsheets
// write them. Raises "No valid data on clipboard." when no line has a word/phrase; nothing changes
// on any failure.
TPasteResult PasteClipboardText(TVocabFile& document, std::string_view utf8);
// "Pasted 3 items from comma-separated text: column 1 Word/phrase, column 2 Translations."
TSaying PastedTextMessage(const TPasteResult& result);
