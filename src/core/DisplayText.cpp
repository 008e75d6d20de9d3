#include "core/DisplayText.h"

#include "evaluation/TextUtils.h"
#include "evaluation/Translatable.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
#ifdef _WIN32
constexpr char Separator = '\\';
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}
#else
constexpr char Separator = '/';
bool IsSeparator(char c)
{
    return c == '/';
}
#endif

std::size_t LastSeparator(const std::string& path)
{
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsSeparator(path[i - 1]))
            return i - 1;
    return std::string::npos;
}

// The drive part: "C:" or "\\server\share" on Windows; nothing on this platform's paths.
std::size_t DriveLength(const std::string& path)
{
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':')
        return 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t i = 2;
        int parts = 0;
        while (i < path.size()) {
            if (IsSeparator(path[i]) && ++parts == 2)
                return i;
            ++i;
        }
        return path.size();
    }
#else
    (void)path;
#endif
    return 0;
}
} // namespace

std::string DisplayTitle(const std::string& fileName)
{
    if (fileName.empty())
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Untitled");
    const auto sep = LastSeparator(fileName);
    return sep == std::string::npos ? fileName : fileName.substr(sep + 1);
}

std::string DisplayName(const std::string& fileName)
{
    const auto sep = LastSeparator(fileName);
    const std::string folder = sep == std::string::npos ? std::string() : fileName.substr(0, sep + 1);
    return folder + DisplayTitle(fileName);
}

std::string ShortenPath(const std::string& path, const TTextWidth& width, int maxWidth)
{
    if (width(path) <= maxWidth)
        return path;
    std::string drive = path.substr(0, DriveLength(path));
    std::string rest = path.substr(drive.size());
    if (!rest.empty() && IsSeparator(rest.front())) {
        drive += rest.front();
        rest.erase(0, 1);
    }
    const std::string prefix = drive + "..." + Separator;
    const int room = maxWidth - width(prefix);
    for (;;) {
        std::size_t sep = std::string::npos;
        for (std::size_t i = 0; i < rest.size(); ++i)
            if (IsSeparator(rest[i])) {
                sep = i;
                break;
            }
        if (sep == std::string::npos)
            break;
        rest.erase(0, sep + 1);
        if (width(rest) <= room)
            return prefix + rest;
    }
    if (width(rest) <= maxWidth)
        return rest;
    const int nameRoom = maxWidth - width("...");
    while (rest.size() > 1) {
        rest.pop_back();
        if (width(rest) <= nameRoom)
            return rest + "...";
    }
    return {};
}

TSaying PercentText(std::int32_t part, std::int32_t whole)
{
    const double value = whole == 0 ? 0 : std::trunc(static_cast<double>(part) / whole * 100.0 + 0.5);
    return { VM_TRANSLATE_NOOP("Velmoria::Model", "%1%"), { TSaying::Number(value) } };
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    const std::string trimmed = Trim(text);
    text = trimmed;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseDouble(std::string_view text)
{
    // Plain decimals only: strtod would also take hexadecimal, exponents, "inf" and "nan".
    const std::string copy = Trim(text);
    std::size_t i = copy.empty() || (copy[0] != '-' && copy[0] != '+') ? 0 : 1;
    bool digits = false;
    bool point = false;
    for (; i < copy.size(); ++i) {
        if (copy[i] >= '0' && copy[i] <= '9')
            digits = true;
        else if (copy[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IntInRange(std::string_view text, std::int32_t min, std::int32_t max, std::int32_t* value)
{
    const auto parsed = ParseInt32(text);
    const std::int64_t v = parsed ? *parsed : static_cast<std::int64_t>(min) - 1;
    if (value && parsed)
        *value = *parsed;
    return v >= min && v <= max;
}

bool FloatInRange(std::string_view text, double min, double max, double* value)
{
    const auto parsed = ParseDouble(text);
    if (!parsed)
        return false;
    if (value)
        *value = *parsed;
    return *parsed >= min && *parsed <= max;
}

namespace {
const char* const RangeMessage = VM_TRANSLATE_NOOP("Velmoria::Model", "Number must be between %1 and %2.");
}

TSaying IntRangeMessage(std::int32_t min, std::int32_t max)
{
    return { RangeMessage, { TSaying::Number(min), TSaying::Number(max) } };
}

TSaying FloatRangeMessage(double min, double max)
{
    return { RangeMessage, { TSaying::Number(min, -1), TSaying::Number(max, -1) } };
}
