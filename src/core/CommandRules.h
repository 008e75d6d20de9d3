#pragma once
// The editing rules the main window follows that need no screen: Paste with a cut mark, and the
// availability and placement rules of the find dialog.

#include "core/VocabFile.h"

#include <cstdint>
#include <optional>
#include <string_view>

// What Paste does: nothing, only remove the mark (pasting onto the marked item itself), move the
// marked item to the selected row, or insert the clipboard's item.
enum TPasteAction : std::uint8_t { paNone, paClearMark, paMove, paClipboard };

TPasteAction DecidePaste(std::int32_t cutIndex, std::int32_t currentIndex, std::int32_t count, bool canPaste);
// Whether Paste is offered while editing: with a mark it needs a selected item, else an item on
// the clipboard.
bool PasteEnabled(std::int32_t cutIndex, std::int32_t currentIndex, std::int32_t count, bool canPaste);
// Moves the marked item to the current row (one "Move" step); it becomes the current item.
void MoveCutItem(TVocabFile& document, std::int32_t cutIndex);

// The language of a searched field: the foreign one for the word/phrase, else the native one.
LangId SearchFieldLanguage(const TVocabFile& document, int field);
// "Find whole word only" is offered when the mode is not "Whole field" and the text is letters and
// digits only in the field's language.
bool WholeWordAvailable(std::string_view text, std::uint8_t mode, LangId lang);
// Find Next can run when there is a text, or the mode is "Whole field" (which finds empty fields).
bool FindNextAvailable(std::string_view text, std::uint8_t mode);

struct TScreenRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0; // right and bottom exclusive
    bool Intersects(const TScreenRect& other) const
    {
        return Left < other.Right && other.Left < Right && Top < other.Bottom && other.Top < Bottom;
    }
};
// The find dialog's new top when it covers the found row (the row's rectangle on the screen, one
// row height added above and below): above the row in the lower part of the screen, else below.
std::optional<int> DialogTopOffRow(
    const TScreenRect& row, int rowHeight, const TScreenRect& dialog, int screenHeight);
