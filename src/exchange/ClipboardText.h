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

// The field each column of pasted text goes into, by the column count of its widest line:
// 1 the word/phrase; 2 word/phrase and translations; 3 word/phrase, translations and notes (a third
// column adds to a two-column list without changing what the second one means); 4 or more the
// four fields in field order, as BuildClipboardText writes them (further columns are dropped).
TFieldColumns PastedTextColumns(std::string_view text);

// Puts one item per line with a word/phrase before the current item, as one step "Paste", read as
// a UTF-8 tab-delimited import reads it (fields trimmed, "#Value?#" for missing translations,
// characters the code pages lack replaced and counted). Raises "No valid data on clipboard."
// when no line has a word/phrase; nothing changes on any failure.
TImportResult PasteClipboardText(TVocabFile& document, std::string_view utf8);
