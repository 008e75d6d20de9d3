#include "core/CharEntry.h"

#include "evaluation/CodePageTables.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <vector>

namespace {
struct TAccentRow {
    char16_t Sign;
    std::u16string_view Letters;
    std::u16string_view Results;
};

// The characters of code page 1252 that each sign puts on its letters.
constexpr std::array<TAccentRow, 9> AccentRows { {
    { u'\'', u"aeiouydAEIOUYD", u"áéíóúýðÁÉÍÓÚÝÐ" },
    { u'`', u"aeiouAEIOU", u"àèìòùÀÈÌÒÙ" },
    { u':', u"aeiouyAEIOUY", u"äëïöüÿÄËÏÖÜŸ" },
    { u'^', u"aeiouAEIOU", u"âêîôûÂÊÎÔÛ" },
    { u'~', u"anoANO", u"ãñõÃÑÕ" },
    { u'@', u"aA", u"åÅ" },
    { u',', u"cC", u"çÇ" },
    { u'/', u"oO", u"øØ" },
    { u'&', u"aosAOS", u"æœßÆŒß" },
} };

bool IsEightBitCodePage(int codePage)
{
    return codePage != CP_UTF8 && IsSupportedCodePage(codePage);
}
} // namespace

int AccentSignNumber(char16_t character)
{
    for (std::size_t i = 0; i < AccentRows.size(); ++i)
        if (AccentRows[i].Sign == character)
            return static_cast<int>(i) + 1;
    return 0;
}

char16_t ComposeAccent(int sign, char16_t letter)
{
    if (sign < 1 || sign > static_cast<int>(AccentRows.size()))
        return letter;
    const TAccentRow& row = AccentRows[static_cast<std::size_t>(sign - 1)];
    const std::size_t at = row.Letters.find(letter);
    return at == std::u16string_view::npos ? letter : row.Results[at];
}

bool TAccentComposer::CtrlKeyDown(std::optional<char16_t> character)
{
    if (!character)
        return false;
    Pending_ = AccentSignNumber(*character);
    return Pending_ != 0;
}

char16_t TAccentComposer::Character(char16_t character)
{
    const char16_t result = ComposeAccent(Pending_, character);
    Pending_ = 0;
    return result;
}

std::optional<std::u16string> StemInsertion(std::u16string_view textBeforeCaret)
{
    std::vector<std::u16string> words;
    const int count = SplitDelimitedW(textBeforeCaret, u" ", true, 64, words, true);
    std::size_t length = 0;
    if (count == 1) {
        length = words[0].size() > 1 ? words[0].size() : 0;
    } else if (count > 1) {
        length = words[0].size();
        for (std::size_t i = 1; i < words.size(); ++i) {
            const auto [first, other]
                = std::mismatch(words[0].begin(), words[0].end(), words[i].begin(), words[i].end());
            length = std::min(length, static_cast<std::size_t>(first - words[0].begin()));
        }
        if (length <= 1)
            length = 0;
    }
    if (length == 0)
        return std::nullopt;
    std::u16string text = textBeforeCaret.ends_with(u' ') ? std::u16string() : std::u16string(u" ");
    text.append(words[0], 0, length);
    return text;
}

const std::array<std::uint8_t, PickerCells>& PickerSymbols()
{
    static const std::array<std::uint8_t, PickerCells> symbols = [] {
        std::array<std::uint8_t, PickerCells> cells {};
        std::size_t at = 0;
        for (int code = 33; code < 128; ++code) {
            const bool sign = code <= 47 || (code >= 58 && code <= 64) || (code >= 91 && code <= 96)
                || (code >= 123 && code <= 126);
            if (sign)
                cells[at++] = static_cast<std::uint8_t>(code);
        }
        for (int code = 128; code <= 255; ++code)
            cells[at++] = static_cast<std::uint8_t>(code);
        return cells;
    }();
    return symbols;
}

char16_t PickerCharacter(int col, int row, int codePage)
{
    const TPickerCell cell { col, row };
    if (!cell.Valid() || !IsEightBitCodePage(codePage))
        return 0;
    const std::uint8_t byte = PickerSymbols()[static_cast<std::size_t>(row * PickerColumns + col)];
    const char16_t unit = TextDetail::SingleByteCodePage(codePage).ToWide[byte];
    // Undefined bytes decode to C1 controls or private-use characters, neither of them printable.
    const bool undefined = (unit >= 0x80 && unit <= 0x9F) || unit == TextDetail::UndefinedByteBase + byte;
    return undefined ? char16_t(0) : unit;
}

TPickerCell MovePickerSelection(TPickerCell selected, TPickerKey key)
{
    if (!selected.Valid())
        return key == pkLeft || key == pkUp ? TPickerCell { PickerColumns - 1, PickerRows - 1 }
                                            : TPickerCell { 0, 0 };
    switch (key) {
    case pkLeft:
        selected.Col = (selected.Col + PickerColumns - 1) % PickerColumns;
        break;
    case pkRight:
        selected.Col = (selected.Col + 1) % PickerColumns;
        break;
    case pkUp:
        selected.Row = (selected.Row + PickerRows - 1) % PickerRows;
        break;
    case pkDown:
        selected.Row = (selected.Row + 1) % PickerRows;
        break;
    }
    return selected;
}

TPickerCell PickerCellAt(int x, int y, int cellWidth, int cellHeight)
{
    if (x < 0 || y < 0 || cellWidth <= 0 || cellHeight <= 0)
        return {};
    const TPickerCell cell { x / cellWidth, y / cellHeight };
    return cell.Valid() ? cell : TPickerCell {};
}

TScreenPoint PlacePicker(const TScreenRect& box, int width, int height, const TScreenRect& workArea)
{
    TScreenPoint at { box.Left, box.Bottom() };
    if (at.X < workArea.Left)
        at.X = workArea.Left;
    if (at.X + width > workArea.Right())
        at.X = workArea.Right() - width;
    if (at.Y < workArea.Top)
        at.Y = workArea.Top;
    if (at.Y + height > workArea.Bottom())
        at.Y -= box.Height + height;
    return at;
}

std::optional<std::u16string> ClipboardUnicode(std::string_view bytes, int codePage)
{
    if (!IsEightBitCodePage(codePage))
        return std::nullopt;
    return AnsiToWide(bytes, codePage);
}

std::optional<std::string> PastedBytes(std::u16string_view text, int codePage)
{
    if (!IsEightBitCodePage(codePage))
        return std::nullopt;
    bool lost = false;
    std::string bytes = WideToAnsi(text, codePage, &lost);
    if (lost)
        return std::nullopt;
    return bytes;
}
