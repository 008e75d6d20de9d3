#include "exchange/TextFormat.h"

#include <array>

namespace {

struct TFormatNames {
    std::string_view Caption;
    std::string_view Name;
};

// Indexed by TTextFormat; the format lists show this order.
constexpr std::array<TFormatNames, TextFormatCount> FormatNames = { {
    { "Text (Comma-delimited)", "text-comma" },
    { "Text (Tab-delimited)", "text-tab" },
    { "Unicode (Comma-delimited)", "unicode-comma" },
    { "Unicode (Tab-delimited)", "unicode-tab" },
    { "Unicode UTF-8 (Comma-delimited)", "utf8-comma" },
    { "Unicode UTF-8 (Tab-delimited)", "utf8-tab" },
} };

} // namespace

std::string_view TextFormatCaption(TTextFormat format)
{
    return format < TextFormatCount ? FormatNames[format].Caption : std::string_view();
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
