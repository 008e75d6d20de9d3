#pragma once
// The rules of typing special characters without a screen: accent composition, stem repetition,
// the symbol picker's cells, moves and placement, and the clipboard conversions of a symbol box.
// Characters are UTF-16 code units; every character involved lies in the Basic Multilingual Plane.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// ---- Accent composition --------------------------------------------------------------------

// The accent signs ' ` : ^ ~ @ , / & are numbered 1 to 9; 0 for any other character.
int AccentSignNumber(char16_t character);
// The letter with the accent of the sign, or the letter itself when the sign's row lacks it.
char16_t ComposeAccent(int sign, char16_t letter);

// The pending accent between a Ctrl+sign key and the next typed character.
class TAccentComposer {
public:
    // A key pressed with Ctrl, and the one character it gives with Ctrl and Alt released (nullopt
    // when it gives none, which keeps the pending accent). True when the key is a sign and is
    // swallowed.
    bool CtrlKeyDown(std::optional<char16_t> character);
    // A typed character: composed when an accent is pending; the pending accent ends either way.
    char16_t Character(char16_t character);
    int Pending() const { return Pending_; }

private:
    int Pending_ = 0;
};

// ---- Stem repetition -----------------------------------------------------------------------

// What Ctrl+Space inserts given the text before the caret: the one word, or the start all words
// share, preceded by a space unless the text ends in one; nullopt when nothing is inserted.
std::optional<std::u16string> StemInsertion(std::u16string_view textBeforeCaret);

// ---- Symbol picker -------------------------------------------------------------------------

inline constexpr int PickerColumns = 16;
inline constexpr int PickerRows = 10;
inline constexpr int PickerCells = PickerColumns * PickerRows;

// The byte codes of the cells row by row: the 32 ASCII signs, then 128 to 255.
const std::array<std::uint8_t, PickerCells>& PickerSymbols();
// The character a cell shows in a code page; 0 for a byte the code page leaves undefined.
char16_t PickerCharacter(int col, int row, int codePage);

struct TPickerCell {
    int Col = -1;
    int Row = -1;
    bool Valid() const { return Col >= 0 && Col < PickerColumns && Row >= 0 && Row < PickerRows; }
    bool operator==(const TPickerCell&) const = default;
};
enum TPickerKey { pkLeft, pkRight, pkUp, pkDown };
// Arrow keys wrap within the row or column; without a selection Left and Up go to the last
// cell, Right and Down to the first.
TPickerCell MovePickerSelection(TPickerCell selected, TPickerKey key);
// The cell under a point of the picker's client area; none outside it.
TPickerCell PickerCellAt(int x, int y, int cellWidth, int cellHeight);

struct TScreenRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; } // exclusive
    int Bottom() const { return Top + Height; } // exclusive
};
struct TScreenPoint {
    int X = 0, Y = 0;
    bool operator==(const TScreenPoint&) const = default;
};
// Where the picker's top-left corner goes: just below the box, kept inside the work area, and
// above the box when it would stick out at the bottom.
TScreenPoint PlacePicker(const TScreenRect& box, int width, int height, const TScreenRect& workArea);

// ---- Clipboard -----------------------------------------------------------------------------

// The UTF-16 form of a box's 8-bit text; nullopt without a code page (0) or when it does not
// convert, and then only the plain text goes to the clipboard.
std::optional<std::u16string> ClipboardUnicode(std::string_view bytes, int codePage);
// The bytes a UTF-16 clipboard text gives in a box's code page; nullopt without a code page or
// when a character would be replaced, and then the plain paste runs.
std::optional<std::string> PastedBytes(std::u16string_view text, int codePage);
