#include "core/SortingMarker.h"

#include <algorithm>

std::int32_t ExtractSortingMarker(std::string& text, bool* found)
{
    const auto at = text.find('@');
    if (found)
        *found = at != std::string::npos;
    if (at == std::string::npos)
        return 0;
    text.erase(at, 1);
    // p is the 1-based position of the marker; a marker that stood last marks nothing.
    const auto p = at + 1;
    return text.size() < p ? 0 : static_cast<std::int32_t>(p - 1);
}

std::string InsertSortingMarker(std::string_view text, std::int32_t position, bool markAlways)
{
    std::string shown(text);
    if (position > 0)
        shown.insert(std::min(static_cast<std::size_t>(position), shown.size()), 1, '@');
    else if (markAlways)
        shown.insert(shown.begin(), '@');
    return shown;
}
