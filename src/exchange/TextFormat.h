#pragma once
// The six delimited-text formats shared by import and export.

#include <cstdint>
#include <optional>
#include <string_view>

enum TTextFormat : std::uint8_t {
    tfTextComma = 0,
    tfTextTab = 1,
    tfUnicodeComma = 2,
    tfUnicodeTab = 3,
    tfUtf8Comma = 4,
    tfUtf8Tab = 5,
};
inline constexpr int TextFormatCount = 6;

// "Text (Comma-delimited)" ... as the format lists show them.
std::string_view TextFormatCaption(TTextFormat format);
// "text-comma", "text-tab", "unicode-comma", "unicode-tab", "utf8-comma", "utf8-tab".
std::string_view TextFormatName(TTextFormat format);
std::optional<TTextFormat> TextFormatFromName(std::string_view name);
inline bool IsTabFormat(TTextFormat f)
{
    return f == tfTextTab || f == tfUnicodeTab || f == tfUtf8Tab;
}
