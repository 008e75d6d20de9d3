#pragma once
// The delimited-text formats shared by import and export.

#include "evaluation/Translatable.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Values are stored and counted by other copies of the program: new formats go at the end.
enum TTextFormat : std::uint8_t {
    tfTextComma = 0,
    tfTextTab = 1,
    tfUnicodeComma = 2,
    tfUnicodeTab = 3,
    tfUtf8Comma = 4,
    tfUtf8Tab = 5,
    tfTextSemicolon = 6,
    tfUnicodeSemicolon = 7,
    tfUtf8Semicolon = 8,
};
inline constexpr int TextFormatCount = 9;

enum TTextEncoding : std::uint8_t { teEightBit, teUtf16, teUtf8 };

// "Text (Comma-delimited)" ... as the format lists show them.
std::string_view TextFormatCaption(TTextFormat format);
// The caption as a saying, translated in the window.
TSaying FormatCaption(TTextFormat format);
// "text-comma", "text-tab", "unicode-comma", "unicode-tab", "utf8-comma", "utf8-tab",
// "text-semicolon", "unicode-semicolon", "utf8-semicolon".
std::string_view TextFormatName(TTextFormat format);
std::optional<TTextFormat> TextFormatFromName(std::string_view name);

TTextEncoding TextFormatEncoding(TTextFormat format);
// ',', '\t' or ';'.
char TextFormatDelimiter(TTextFormat format);
// The format of an encoding and a delimiter (',' for anything but '\t' and ';').
TTextFormat MakeTextFormat(TTextEncoding encoding, char delimiter);
inline bool IsTabFormat(TTextFormat f)
{
    return f == tfTextTab || f == tfUnicodeTab || f == tfUtf8Tab;
}
