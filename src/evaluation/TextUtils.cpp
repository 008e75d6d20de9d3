// Splitting, quoting, white space, UTF-16 helpers, RTF escaping and length-prefixed stream text.

#include "evaluation/TextUtils.h"

#include "evaluation/StreamErrors.h"

#include <istream>
#include <ostream>
#include <stdexcept>

namespace {

unsigned Code(char c)
{
    return static_cast<unsigned char>(c);
}
unsigned Code(char16_t c)
{
    return c;
}

template <class Char> std::basic_string_view<Char> TrimView(std::basic_string_view<Char> text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && Code(text[begin]) <= 32)
        ++begin;
    while (end > begin && Code(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

template <class Char> std::basic_string<Char> Unquote(std::basic_string_view<Char> field)
{
    const auto trimmed = TrimView(field);
    if (trimmed.size() < 2 || trimmed.front() != Char('"') || trimmed.back() != Char('"'))
        return std::basic_string<Char>(field);
    const auto inner = trimmed.substr(1, trimmed.size() - 2);
    std::basic_string<Char> result;
    result.reserve(inner.size());
    for (std::size_t i = 0; i < inner.size(); ++i) {
        result += inner[i];
        if (inner[i] == Char('"') && i + 1 < inner.size() && inner[i + 1] == Char('"'))
            ++i;
    }
    return result;
}

template <class Char> std::basic_string<Char> Quote(std::basic_string_view<Char> field)
{
    const Char special[] = { Char(','), Char('"'), Char(0) };
    if (field.find_first_of(special) == std::basic_string_view<Char>::npos)
        return std::basic_string<Char>(field);
    std::basic_string<Char> result;
    result.reserve(field.size() + 4);
    result += Char('"');
    for (Char c : field) {
        if (c == Char('"'))
            result += c;
        result += c;
    }
    result += Char('"');
    return result;
}

// The walk shared by both splitters: isEnd tells whether position i (0-based, < size) ends a field.
template <class Char, class IsEnd, class Finish>
int Split(std::basic_string_view<Char> text, bool trim, bool skipEmpty, int maxIndex,
    std::vector<std::basic_string<Char>>& fields, IsEnd isEnd, Finish finish)
{
    fields.clear();
    if (text.empty())
        return 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isEnd(text[i]))
            continue;
        auto field = finish(text.substr(start, i - start));
        if (trim)
            field = std::basic_string<Char>(TrimView<Char>(field));
        start = i + 1;
        if (field.empty() && skipEmpty)
            continue;
        if (static_cast<long long>(fields.size()) > maxIndex)
            break;
        fields.push_back(std::move(field));
    }
    return static_cast<int>(fields.size());
}

template <class Char>
int SplitCsv(std::basic_string_view<Char> text, bool trim, bool skipEmpty, int maxIndex,
    std::vector<std::basic_string<Char>>& fields)
{
    bool inQuotes = false;
    return Split<Char>(
        text, trim, skipEmpty, maxIndex, fields,
        [&](Char c) {
            if (c == Char('"'))
                inQuotes = !inQuotes;
            return c == Char(',') && !inQuotes;
        },
        [](std::basic_string_view<Char> field) { return Unquote(field); });
}

template <class Char>
int SplitOnSet(std::basic_string_view<Char> text, std::basic_string_view<Char> delimiters, bool trim,
    int maxIndex, std::vector<std::basic_string<Char>>& fields, bool skipEmpty)
{
    return Split<Char>(
        text, trim, skipEmpty, maxIndex, fields,
        [&](Char c) { return delimiters.find(c) != std::basic_string_view<Char>::npos; },
        [](std::basic_string_view<Char> field) { return std::basic_string<Char>(field); });
}

} // namespace

int SplitCsvLine(
    std::string_view text, bool trim, bool skipEmpty, int maxIndex, std::vector<std::string>& fields)
{
    return SplitCsv(text, trim, skipEmpty, maxIndex, fields);
}

int SplitCsvLineW(
    std::u16string_view text, bool trim, bool skipEmpty, int maxIndex, std::vector<std::u16string>& fields)
{
    return SplitCsv(text, trim, skipEmpty, maxIndex, fields);
}

std::string UnquoteCsvField(std::string_view field)
{
    return Unquote(field);
}
std::u16string UnquoteCsvFieldW(std::u16string_view field)
{
    return Unquote(field);
}
std::string QuoteCsvField(std::string_view field)
{
    return Quote(field);
}
std::u16string QuoteCsvFieldW(std::u16string_view field)
{
    return Quote(field);
}

int SplitDelimited(std::string_view text, std::string_view delimiters, bool trim, int maxIndex,
    std::vector<std::string>& fields, bool skipEmpty)
{
    return SplitOnSet(text, delimiters, trim, maxIndex, fields, skipEmpty);
}

int SplitDelimitedW(std::u16string_view text, std::u16string_view delimiters, bool trim, int maxIndex,
    std::vector<std::u16string>& fields, bool skipEmpty)
{
    return SplitOnSet(text, delimiters, trim, maxIndex, fields, skipEmpty);
}

bool ExtractDelimitedField(
    std::string_view text, char delimiter, int n, std::string& rest, std::string& field)
{
    if (n < 1)
        return false;
    std::size_t start = 0;
    for (int skipped = 1; skipped < n; ++skipped) {
        const auto found = text.find(delimiter, start);
        if (found == std::string_view::npos)
            return false;
        start = found + 1;
    }
    auto end = text.find(delimiter, start);
    if (end == std::string_view::npos)
        end = text.size();
    if (end == start)
        return false;
    field.assign(text.substr(start, end - start));
    if (n == 1) {
        rest.assign(end < text.size() ? text.substr(end + 1) : std::string_view());
    } else {
        rest.assign(text.substr(0, start - 1));
        rest.append(text.substr(end));
    }
    return true;
}

std::string Trim(std::string_view text)
{
    return std::string(TrimView(text));
}
std::u16string TrimW(std::u16string_view text)
{
    return std::u16string(TrimView(text));
}

std::string CollapseSpaces(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    bool pendingSpace = false;
    for (char c : text) {
        if (Code(c) <= 32) {
            pendingSpace = !result.empty();
            continue;
        }
        if (pendingSpace)
            result += ' ';
        pendingSpace = false;
        result += c;
    }
    return result;
}

int PosW(std::u16string_view sub, std::u16string_view text)
{
    if (sub.empty() || sub.size() > text.size())
        return 0;
    const auto found = text.find(sub);
    return found == std::u16string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::u16string StringReplaceW(
    std::u16string_view text, std::u16string_view pattern, std::u16string_view replacement)
{
    if (pattern.empty())
        return std::u16string(text);
    std::u16string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (auto found = text.find(pattern); found != std::u16string_view::npos;
         found = text.find(pattern, start)) {
        result.append(text.substr(start, found - start));
        result.append(replacement);
        start = found + pattern.size();
    }
    result.append(text.substr(start));
    return result;
}

std::u16string BytesToWide(std::string_view bytes)
{
    std::u16string result(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = static_cast<char16_t>(Code(bytes[2 * i]) | (Code(bytes[2 * i + 1]) << 8));
    return result;
}

void FixUnicodeByteOrder(std::u16string& text)
{
    if (text.empty())
        return;
    if (text.front() == 0xFFFE)
        for (auto& unit : text)
            unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
    if (text.front() == 0xFEFF)
        text.erase(0, 1);
}

std::string RtfEscape(std::string_view text)
{
    static constexpr char Hex[] = "0123456789abcdef";
    std::string result;
    result.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        const unsigned byte = Code(c);
        if (c == '\\' || c == '{' || c == '}') {
            result += '\\';
            result += c;
        } else if (byte >= 128) {
            result += "\\'";
            result += Hex[byte >> 4];
            result += Hex[byte & 15];
        } else {
            result += c;
        }
    }
    return result;
}

void WriteRawString(std::ostream& stream, std::string_view text)
{
    stream.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!stream)
        throw std::runtime_error(StreamWriteError);
}

void WriteString16(std::ostream& stream, std::string_view text)
{
    // A cut length would leave the rest of the text to be read as the next field.
    if (text.size() > 0xFFFF)
        throw std::length_error("Text of " + std::to_string(text.size())
            + " bytes is too long for a 16-bit length (at most 65535)");
    const char length[2] = { static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8) };
    WriteRawString(stream, std::string_view(length, 2));
    WriteRawString(stream, text);
}

std::string ReadString16(std::istream& stream)
{
    char length[2];
    if (!stream.read(length, 2))
        throw std::runtime_error(StreamReadError);
    const std::size_t size = Code(length[0]) | (Code(length[1]) << 8);
    std::string text(size, '\0');
    if (size > 0 && !stream.read(text.data(), static_cast<std::streamsize>(size)))
        throw std::runtime_error(StreamReadError);
    return text;
}
