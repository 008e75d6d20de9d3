#include "core/TipFile.h"

#include "core/SafeSave.h"

#include <limits>

std::vector<std::string> SplitTipLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        if (line.find_first_not_of(" \t") != std::string_view::npos)
            lines.emplace_back(line);
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

TTip ParseTipLine(std::string_view line)
{
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos)
        return { 0, std::string(line) };
    TTip tip { 0, std::string(line.substr(tab + 1)) };
    std::string_view number = line.substr(0, tab);
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    while (!number.empty() && number.back() == ' ')
        number.remove_suffix(1);
    if (number.empty() || number.size() > 10)
        return tip;
    std::int64_t value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9')
            return tip;
        value = value * 10 + (c - '0');
    }
    if (value <= std::numeric_limits<std::int32_t>::max())
        tip.HelpContext = static_cast<std::int32_t>(value);
    return tip;
}

std::string TipDocument(std::string_view tipText)
{
    std::string document
        = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Verdana;}}{\\colortbl\\red0\\green0\\blue0;}"
          "\\deflang2057\\pard\\plain\\f2\\fs16 ";
    document += tipText;
    document += "\\par }";
    return document;
}

std::optional<std::vector<std::string>> ReadTipFile(const std::string& fileName)
{
    try {
        auto lines = SplitTipLines(ReadWholeFile(fileName));
        if (lines.empty())
            return std::nullopt;
        return lines;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

int TakeNextTip(std::int32_t& nextTip, std::size_t tipCount)
{
    if (tipCount == 0)
        return -1;
    if (nextTip < 0 || static_cast<std::size_t>(nextTip) >= tipCount)
        nextTip = 0;
    return nextTip++;
}
