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

struct TImportResult {
    std::int32_t Added = 0; // items appended
    std::int32_t LostFields = 0; // fields in which characters the code page lacks were substituted
};

// Reads the file and appends its items. Raises "Invalid procedure call." for startLine < 1
// before touching the file; a file error propagates; a field too long to store refuses the
// whole file with a message naming its line. Nothing is added on any failure. Only a regular file is
// read unless pipes are allowed (the command line's /dev/stdin).
TImportResult ImportText(TVocabFile& document, const std::string& fileName, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, TReadFrom from = TReadFrom::RegularFile);
// The same on a file's bytes already in memory.
TImportResult ImportTextBytes(TVocabFile& document, std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine);
// The beginning of a file that the import looks at before reading it all; Cut tells that the
// file goes on. An unreadable file gives an empty sample.
inline constexpr std::size_t ImportSampleSize = 64 * 1024;
struct TImportSample {
    std::string Bytes;
    bool Cut = false;
};
TImportSample ReadImportSample(const std::string& fileName, TReadFrom from = TReadFrom::RegularFile);
// The format to propose for a file, from its sample; never fails (tfTextComma on any error).
TTextFormat DetectTextFormat(const std::string& fileName, TReadFrom from = TReadFrom::RegularFile);
// The same on a whole file's bytes, or on its beginning when cut.
TTextFormat DetectTextFormatBytes(std::string_view bytes, bool cut = false);
// Well-formed UTF-8 holding at least one multi-byte sequence; when cut, a sequence cut off at the
// end is not held against it.
bool IsUtf8Text(std::string_view bytes, bool cut);

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
