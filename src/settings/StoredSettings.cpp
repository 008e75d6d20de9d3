#include "settings/StoredSettings.h"

#include "core/SafeSave.h"
#include "core/UserFolders.h"

#include <algorithm>
#include <charconv>
#include <unicode/utf8.h>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

void AppendUnit(std::string& text, std::uint32_t unit)
{
    char bytes[U8_MAX_LENGTH];
    std::size_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, unit);
    text.append(bytes, length);
}

// The digits of one escape in base (16 or 8), as many as follow (QSettings escapes the character
// after an escape when it would read as one more digit); nullopt when none does.
std::optional<std::uint32_t> EscapedUnit(std::string_view value, std::size_t& i, int base)
{
    std::optional<std::uint32_t> unit;
    for (int digit = 0; i < value.size(); ++i) {
        if (std::from_chars(value.data() + i, value.data() + i + 1, digit, base).ec != std::errc())
            break;
        unit = (unit.value_or(0) * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit))
            & 0xFFFF;
    }
    return unit;
}

// A value as QSettings writes one: C escapes, double quotes around what holds ", ; =" or spaces at
// its ends, and unquoted commas between the items of a list (nullopt: not a single text). The
// line comes without the spaces at its ends.
std::optional<std::string> UnescapedText(std::string_view value)
{
    constexpr std::string_view Escapes = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    std::string text;
    bool inQuotes = false;
    std::size_t i = value.find_first_not_of(" \t");
    while (i < value.size()) {
        const char c = value[i++];
        if (c == '"') {
            inQuotes = !inQuotes;
            if (!inQuotes)
                i = std::min(value.find_first_not_of(" \t", i), value.size());
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else if (c != '\\') {
            text += c;
        } else if (i < value.size()) {
            const char e = value[i++];
            const std::size_t plain = Escapes.find(e);
            if (plain != std::string_view::npos && plain % 2 == 0)
                text += Escapes[plain + 1];
            else if (const auto unit = e == 'x' ? EscapedUnit(value, i, 16)
                    : e >= '0' && e <= '7'      ? EscapedUnit(value, --i, 8)
                                                : std::nullopt)
                AppendUnit(text, *unit);
        }
    }
    return text;
}

std::optional<TMemorySettingsStore::TValue> StoredValue(std::string_view value)
{
    std::optional<std::string> text = UnescapedText(value);
    if (!text || !text->starts_with('@'))
        return text;
    if (text->starts_with("@@"))
        return text->substr(1);
    // Qt 6 writes a text holding a NUL character as "@String(...)".
    constexpr std::string_view Text = "@String(";
    if (text->starts_with(Text) && text->ends_with(')'))
        return text->substr(Text.size(), text->size() - Text.size() - 1);
    constexpr std::string_view Bytes = "@ByteArray(";
    if (!text->starts_with(Bytes) || !text->ends_with(')'))
        return std::nullopt;
    // Binary values are written one character a byte, each above 0x7E escaped.
    std::vector<std::uint8_t> bytes;
    const std::string_view inner
        = std::string_view(*text).substr(Bytes.size(), text->size() - Bytes.size() - 1);
    const auto length = static_cast<std::int32_t>(inner.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 unit = 0;
        U8_NEXT(inner.data(), i, length, unit);
        // As Qt reads it: a character that is no byte becomes a question mark.
        bytes.push_back(unit >= 0 && unit <= 0xFF ? static_cast<std::uint8_t>(unit) : '?');
    }
    return bytes;
}

} // namespace

std::string StoredSettingsPath()
{
    return ConfigHome() + "/Brannock/Velmoria.conf";
}

TIniSettingsStore::TIniSettingsStore(std::string_view text, std::string_view group)
{
    bool inGroup = false;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.starts_with('[')) {
            inGroup = line == "[" + std::string(group) + "]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGroup || equals == std::string_view::npos || line.starts_with(';'))
            continue;
        if (auto value = StoredValue(line.substr(equals + 1)))
            Values[std::string(Trimmed(line.substr(0, equals)))] = std::move(*value);
    }
}

std::optional<std::int32_t> TIniSettingsStore::ReadInteger(const std::string& name)
{
    if (const auto number = TMemorySettingsStore::ReadInteger(name))
        return number;
    const std::optional<std::string> text = ReadString(name);
    std::int32_t number = 0;
    if (!text || text->empty()
        || std::from_chars(text->data(), text->data() + text->size(), number).ptr
            != text->data() + text->size())
        return std::nullopt;
    return number;
}

void LoadStoredSettings(TSettings& settings, TWindowState& window)
{
    std::string text;
    try {
        text = ReadWholeFile(StoredSettingsPath());
    } catch (const std::exception&) {
        // No settings yet, or none to read: the defaults, as the window would start with.
    }
    TIniSettingsStore store(text, "2");
    LoadSettings(store, TSettingsEnvironment {}, settings, window);
}
