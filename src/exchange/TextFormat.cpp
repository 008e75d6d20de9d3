#include "exchange/TextFormat.h"

#include "evaluation/Translatable.h"

#include <array>

namespace {

struct TFormatNames {
    std::string_view Caption;
    std::string_view Name;
    TTextEncoding Encoding;
    char Delimiter;
};

// Indexed by TTextFormat; the format lists show this order.
constexpr std::array<TFormatNames, TextFormatCount> FormatNames = { {
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Text (Comma-delimited)"), "text-comma", teEightBit, ',' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Text (Tab-delimited)"), "text-tab", teEightBit, '\t' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Unicode (Comma-delimited)"), "unicode-comma", teUtf16, ',' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Unicode (Tab-delimited)"), "unicode-tab", teUtf16, '\t' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Unicode UTF-8 (Comma-delimited)"), "utf8-comma", teUtf8, ',' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Unicode UTF-8 (Tab-delimited)"), "utf8-tab", teUtf8, '\t' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Text (Semicolon-delimited)"), "text-semicolon", teEightBit, ';' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Unicode (Semicolon-delimited)"), "unicode-semicolon", teUtf16,
        ';' },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Unicode UTF-8 (Semicolon-delimited)"), "utf8-semicolon", teUtf8,
        ';' },
} };

} // namespace

std::string_view TextFormatCaption(TTextFormat format)
{
    return format < TextFormatCount ? FormatNames[format].Caption : std::string_view();
}

TSaying FormatCaption(TTextFormat format)
{
    return TSaying(std::string(TextFormatCaption(format)).c_str());
}

std::string_view TextFormatName(TTextFormat format)
{
    return format < TextFormatCount ? FormatNames[format].Name : std::string_view();
}

std::optional<TTextFormat> TextFormatFromName(std::string_view name)
{
    for (int i = 0; i < TextFormatCount; ++i) {
        if (FormatNames[static_cast<std::size_t>(i)].Name == name)
            return static_cast<TTextFormat>(i);
    }
    return std::nullopt;
}

TTextEncoding TextFormatEncoding(TTextFormat format)
{
    return format < TextFormatCount ? FormatNames[format].Encoding : teEightBit;
}

char TextFormatDelimiter(TTextFormat format)
{
    return format < TextFormatCount ? FormatNames[format].Delimiter : ',';
}

TTextFormat MakeTextFormat(TTextEncoding encoding, char delimiter)
{
    const char wanted = delimiter == '\t' || delimiter == ';' ? delimiter : ',';
    for (int i = 0; i < TextFormatCount; ++i) {
        const auto& names = FormatNames[static_cast<std::size_t>(i)];
        if (names.Encoding == encoding && names.Delimiter == wanted)
            return static_cast<TTextFormat>(i);
    }
    return tfTextComma;
}
