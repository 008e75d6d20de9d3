#pragma once
// Delimited-text import: one new item per usable line, appended to the document.

#include "core/VocabFile.h"
#include "exchange/TextFormat.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The 1-based column of each item field (index 0..3), 0 = not imported.
using TFieldColumns = std::array<std::int32_t, 4>;

struct TImportResult {
    std::int32_t Added = 0; // items appended
    std::int32_t LostFields = 0; // fields in which characters the code page lacks were substituted
};

// Reads the file and appends its items. Raises "Invalid procedure call." for startLine < 1
// before touching the file; a file error propagates; a field too long to store refuses the
// whole file with a message naming its line. Nothing is added on any failure.
TImportResult ImportText(TVocabFile& document, const std::string& fileName, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine);
// The same on a file's bytes already in memory.
TImportResult ImportTextBytes(TVocabFile& document, std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine);
// The format to propose for a file; never fails (tfTextComma on any error).
TTextFormat DetectTextFormat(const std::string& fileName);
TTextFormat DetectTextFormatBytes(std::string_view sample);
