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

std::int32_t TakeSortingMarker(std::string& text, bool* found)
{
    bool marked = false;
    const std::size_t at = text.find('@');
    const std::int32_t position = ExtractSortingMarker(text, &marked);
    // A marker between two blanks (or a blank and an end) leaves one blank too many; dropping the
    // one after it keeps the position pointing at the word the user marked.
    if (marked && !text.empty() && (at == 0 || text[at - 1] == ' ') && (at == text.size() || text[at] == ' '))
        text.erase(at < text.size() ? at : at - 1, 1);
    if (found)
        *found = marked;
    return position;
}

std::string_view MarkedForExport(std::string_view text, std::int32_t position, std::string& scratch)
{
    const std::size_t literal = text.find('@');
    if (position <= 0 && literal == std::string_view::npos)
        return text;
    std::size_t place = position > 0 ? std::min(static_cast<std::size_t>(position), text.size()) : 0;
    // Only the first "@" is read as the marker: an "@" of the text before the position would be
    // taken for it, so the text keeps its "@" and gives up the position instead.
    if (literal < place)
        place = 0;
    scratch.assign(text.substr(0, place));
    scratch += '@';
    scratch.append(text.substr(place));
    return scratch;
}
