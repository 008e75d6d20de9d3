#pragma once
// Which colours the window paints on a light or a dark background, and whether a text reads on
// its background: relative luminance and contrast ratio as the web's accessibility guidelines
// define them. Colours are 0x00BBGGRR.

#include "settings/Settings.h"

#include <cstdint>
#include <optional>
#include <span>

constexpr TColour RgbColour(int red, int green, int blue)
{
    return static_cast<TColour>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF));
}

// 0 for black to 1 for white.
double RelativeLuminance(TColour colour);
// From 1 (the same luminance) to 21 (black on white), whichever is lighter.
double ContrastRatio(TColour first, TColour second);
// The least contrast of normal text to its background.
inline constexpr double MinTextContrast = 4.5;
// Whether white text reads better than black on this background.
bool IsDarkColour(TColour background);
// The colour itself when it reads on the background; else the same colour mixed with white (on a
// dark background) or black, just as far as it takes to read. The user's chosen colours keep
// their hue that way: a navy on a dark background turns light blue, not some other colour.
TColour ReadableOn(TColour colour, TColour background, double minimum = MinTextContrast);

// Colours of the program's own that have a light and a dark variant.
enum class TPairedColour {
    MissingText, // letters an answer lacked
    MissingBack,
    SurplusBack, // behind letters an answer had too many (in the wrong colour)
    Remark, // a side remark beside the marks
    LostCharacter, // a character the import preview could not convert
    IconInk, // the lines of the tool bar's pictures
};
TColour PairedColour(TPairedColour colour, bool dark);

// Whether the window is dark: as chosen, or for System by the desktop's "color-scheme" setting (1
// prefers dark, 2 light, anything else no preference), else as the platform's palette is.
bool WantsDark(TThemeChoice choice, std::optional<std::uint32_t> desktopScheme, bool platformDark);

// The dark palette, role by role, in the three states of a widget.
enum class TPaletteRole {
    Window,
    WindowText,
    Base,
    AlternateBase,
    ToolTipBase,
    ToolTipText,
    PlaceholderText,
    Text,
    Button,
    ButtonText,
    BrightText,
    Light,
    Midlight,
    Mid,
    Dark,
    Shadow,
    Highlight,
    HighlightedText,
    Link,
    LinkVisited,
};
struct TPaletteEntry {
    TPaletteRole Role;
    TColour Active; // also the inactive state's
    TColour Disabled;
};
std::span<const TPaletteEntry> DarkPalette();
