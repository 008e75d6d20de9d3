#include "exchange/TextCheck.h"

#include "exchange/TextScan.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

struct TSignature {
    std::string_view Bytes;
    const char* Refusal;
};

// The kinds of file a learner most often picks by mistake, each named in a sentence of its own: the
// kinds' articles and cases differ by language.
constexpr std::array<TSignature, 8> Signatures = { {
    { "PK\x03\x04",
        VM_TRANSLATE_NOOP("Velmoria::Model",
            "The file is a ZIP archive (a deck package, an office document or another archive), not "
            "delimited text.") },
    { "PK\x05\x06",
        VM_TRANSLATE_NOOP("Velmoria::Model", "The file is an empty ZIP archive, not delimited text.") },
    { "%PDF-", VM_TRANSLATE_NOOP("Velmoria::Model", "The file is a PDF document, not delimited text.") },
    { std::string_view("SQLite format 3\0", 16),
        VM_TRANSLATE_NOOP("Velmoria::Model", "The file is an SQLite database, not delimited text.") },
    { "\x1F\x8B",
        VM_TRANSLATE_NOOP("Velmoria::Model", "The file is a gzip-compressed file, not delimited text.") },
    { "\x28\xB5\x2F\xFD",
        VM_TRANSLATE_NOOP("Velmoria::Model", "The file is a zstd-compressed file, not delimited text.") },
    { "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1",
        VM_TRANSLATE_NOOP("Velmoria::Model", "The file is an old office document, not delimited text.") },
    { "{\\rtf", VM_TRANSLATE_NOOP("Velmoria::Model", "The file is an RTF document, not delimited text.") },
} };

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char p, char t) {
               return p == (t >= 'A' && t <= 'Z' ? static_cast<char>(t + ('a' - 'A')) : t);
           });
}

// Code unit i of the text: a byte, or a UTF-16 unit in the order the UTF-16 reader takes.
struct TUnits {
    TUnits(std::string_view bytes, bool utf16)
        : Bytes(bytes)
        , Width(utf16 ? 2 : 1)
        , BigEndian(utf16
              && (bytes.starts_with("\xFE\xFF")
                  || (!bytes.starts_with("\xFF\xFE")
                      && TextScan::GuessUtf16(bytes) == TextScan::TByteOrder::BigEndian)))
    {
    }
    std::string_view Bytes;
    std::size_t Width; // 1 or 2
    bool BigEndian;
    std::size_t Size() const { return Bytes.size() / Width; }
    unsigned operator[](std::size_t i) const
    {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(Bytes[at]); };
        if (Width == 1)
            return byte(i);
        return BigEndian ? (byte(2 * i) << 8) | byte(2 * i + 1) : (byte(2 * i + 1) << 8) | byte(2 * i);
    }
};

// The ASCII start of the text after its byte order mark and blanks, one character per code unit.
std::string LeadingAscii(const TUnits& units)
{
    std::string lead;
    std::size_t i = units.Size() > 0
            && (units[0] == 0xFEFF || (units.Width == 1 && units.Bytes.starts_with("\xEF\xBB\xBF")))
        ? (units.Width == 1 ? 3 : 1)
        : 0;
    for (; i < units.Size() && lead.size() < 256; ++i)
        lead += units[i] < 0x80 ? static_cast<char>(units[i]) : '?';
    const std::size_t text = lead.find_first_not_of(" \t\r\n");
    return text == std::string::npos ? std::string() : lead.substr(text);
}

std::size_t LineOf(const TUnits& units, std::size_t at)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < at; ++i) {
        if (units[i] == '\n' || (units[i] == '\r' && !(i + 1 < at && units[i + 1] == '\n')))
            ++line;
    }
    return line;
}

// The first bytes, after a byte order mark: where a file says what it is.
std::string_view LeadOf(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return bytes.substr(0, 4096);
}

bool EndsWithNoCase(std::string_view text, std::string_view end)
{
    return text.size() >= end.size()
        && std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
            [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b); });
}

} // namespace

TUtf8Count CountUtf8(std::string_view bytes, bool cut)
{
    TUtf8Count count;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80; // bounds of the second byte, narrower for overlong and surrogate forms
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            ++count.Invalid;
            ++i;
            continue;
        }
        std::size_t k = 1;
        for (; k < length && i + k < bytes.size(); ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                break;
        }
        if (k == length)
            ++count.Valid;
        else if (!(cut && i + k == bytes.size()))
            ++count.Invalid;
        i += k;
    }
    return count;
}

TSaying NothingImported(TSaying reason)
{
    return { VM_TRANSLATE_NOOP("Velmoria::Model", "%1 Nothing was imported."), { std::move(reason) } };
}

bool IsUtf8Text(std::string_view bytes, bool cut)
{
    const TUtf8Count count = CountUtf8(bytes, cut);
    return count.Valid > count.Invalid;
}

std::optional<TSaying> NotTextReason(std::string_view bytes, TTextFormat format)
{
    const bool utf16 = TextFormatEncoding(format) == teUtf16;
    for (const TSignature& signature : Signatures) {
        if (bytes.starts_with(signature.Bytes))
            return signature.Refusal;
    }
    const TUnits units(bytes, utf16);
    const std::string lead = LeadingAscii(units);
    if (StartsWithNoCase(lead, "<?xml") || StartsWithNoCase(lead, "<kvtml"))
        return VM_TRANSLATE_NOOP("Velmoria::Model", "The file is an XML document, not delimited text.");
    if (StartsWithNoCase(lead, "<!doctype html") || StartsWithNoCase(lead, "<html"))
        return VM_TRANSLATE_NOOP("Velmoria::Model", "The file is an HTML page, not delimited text.");
    // A NUL is no character of any text; in an 8-bit reading it is most often a UTF-16 file.
    std::size_t nul = std::string_view::npos;
    if (!utf16) {
        nul = bytes.find('\0');
    } else {
        for (std::size_t i = 0; i < units.Size() && nul == std::string_view::npos; ++i)
            nul = units[i] == 0 ? i : nul;
    }
    if (nul != std::string_view::npos) {
        return TSaying(VM_TRANSLATE_NOOP("Velmoria::Model",
                           "Line %1 holds a NUL character, which no text holds: the file is not text in the "
                           "format \"%2\"."),
            { TSaying::Number(static_cast<double>(LineOf(units, nul))), FormatCaption(format) });
    }
    return std::nullopt;
}

bool LooksLikeKvtml(std::string_view bytes, std::string_view fileName)
{
    if (EndsWithNoCase(fileName, ".kvtml"))
        return true;
    const std::string_view lead = LeadOf(bytes);
    std::size_t at = lead.find_first_not_of(" \t\r\n");
    if (at == std::string_view::npos || lead.substr(at, 5) != "<?xml")
        return lead.substr(at == std::string_view::npos ? 0 : at).starts_with("<kvtml");
    // The root's name is the first one after the declaration, comments and document type.
    for (at = lead.find('<', at + 1); at != std::string_view::npos; at = lead.find('<', at + 1)) {
        if (lead.substr(at, 4) == "<!--") {
            at = lead.find("-->", at);
            if (at == std::string_view::npos)
                return false;
            continue;
        }
        const std::string_view tag = lead.substr(at + 1);
        if (!tag.starts_with('!') && !tag.starts_with('?'))
            return tag.starts_with("kvtml");
    }
    return false;
}
