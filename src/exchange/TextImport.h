#pragma once
// Delimited-text import: one new item per usable line, appended to the document.

#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "exchange/TextFormat.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The 1-based column of each item field (index 0..3), 0 = not imported.
using TFieldColumns = std::array<std::int32_t, 4>;

// What an import did, and every line it left out or changed.
struct TImportResult {
    std::int32_t Added = 0; // items appended
    std::int32_t LostFields = 0; // fields in which characters the code page lacks were substituted
    std::int32_t InvalidBytes = 0; // bytes that are not UTF-8 in a UTF-8 reading, substituted
    std::int32_t Skipped = 0; // lines with text but no word/phrase, left out
    std::int32_t NoTranslation = 0; // empty translations (in a mapped column) given "#Value?#"
    std::int32_t UnusedColumns = 0; // lines with text in columns that were not imported
    std::int32_t JoinedBreaks = 0; // lines with a field spanning lines, its breaks made spaces
    std::int32_t UnclosedQuotes = 0; // lines whose opening quote never closed, read as a character
};

// Reads the file and appends its items. Bytes that are not text (NUL characters, archives, XML)
// are refused with a message saying what they are. Raises "Invalid procedure call." for startLine < 1
// before touching the file; a file error propagates; a field too long to store refuses the
// whole file with a message naming its line. Nothing is added on any failure. Only a regular file is
// read unless pipes are allowed (the command line's /dev/stdin).
TImportResult ImportText(TVocabFile& document, const std::string& fileName, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, TReadFrom from = TReadFrom::RegularFile);
// The same on a file's bytes already in memory.
TImportResult ImportTextBytes(TVocabFile& document, std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine);
// The format to propose for a file's bytes: the encoding judged on all of them, the delimiter by
// the lines (on its beginning when cut). Never fails (tfTextComma for fewer than two bytes).
TTextFormat DetectTextFormatBytes(std::string_view bytes, bool cut = false);
// The columns to read when none are chosen, from the widths of the lines (up to the last column
// holding text), as the widest line needs them: 1 the word/phrase; 2 word/phrase and translations;
// 3 word/phrase, translations and notes (each reading the narrower lines as meant); 4 or more the
// four fields in field order, as the export writes them. Four-column lines decide only when they
// are no fewer than the two- and three-column ones: a few of them must not change what column 2
// means for all the others.
TFieldColumns ProposedColumns(std::string_view bytes, TTextFormat format);
// The command line's names of the fields, by field index.
inline constexpr std::array<std::string_view, FieldCount> ColumnNames
    = { "word", "category", "notes", "translations" };
// The columns as the command line names them: "word,translations,notes".
std::string ColumnsText(const TFieldColumns& columns);

// Bytes [Begin, End) of a preview column stand for Original (UTF-8; empty for an invalid sequence).
struct TLostSpan {
    std::size_t Begin = 0;
    std::size_t End = 0;
    std::string Original;
    bool operator==(const TLostSpan&) const = default;
};

// One record of a file as the import reads it, for showing before importing.
struct TPreviewRow {
    std::int64_t Line = 0; // 1-based, the line the record starts on
    // Every column cleaned as the format says, in the code page of the field it is read into (the
    // native language's for a column that is not read).
    std::vector<std::string> Columns;
    // Per column, where characters the code page lacks were substituted.
    std::vector<std::vector<TLostSpan>> Lost;
    bool Skipped = false; // no word/phrase: the import leaves the line out
};
// The first rows from startLine (at most maxRows), never failing: a bad format or start line gives none.
std::vector<TPreviewRow> PreviewTextBytes(std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, std::size_t maxRows, LangId foreign, LangId native);
