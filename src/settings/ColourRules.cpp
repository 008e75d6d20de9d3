#include "settings/ColourRules.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

double Channel(TColour colour, int shift)
{
    const double value = static_cast<double>((colour >> shift) & 0xFF) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

// The colour a fraction of the way to the target, per channel in sRGB.
TColour Mix(TColour colour, TColour target, double fraction)
{
    TColour mixed = 0;
    for (const int shift : { 0, 8, 16 }) {
        const double from = static_cast<double>((colour >> shift) & 0xFF);
        const double to = static_cast<double>((target >> shift) & 0xFF);
        mixed |= static_cast<TColour>(std::lround(from + (to - from) * fraction)) << shift;
    }
    return mixed;
}

constexpr TColour White = 0xFFFFFF;
constexpr TColour Black = 0x000000;

struct TPair {
    TPairedColour Colour;
    TColour Light, Dark;
};
constexpr std::array<TPair, 6> Pairs { {
    { TPairedColour::MissingText, RgbColour(0x17, 0x6E, 0x17), RgbColour(0x8F, 0xE3, 0x8F) },
    { TPairedColour::MissingBack, RgbColour(0xD4, 0xF0, 0xD4), RgbColour(0x1F, 0x45, 0x1F) },
    { TPairedColour::SurplusBack, RgbColour(0xFF, 0xE4, 0xE1), RgbColour(0x4A, 0x1F, 0x1F) },
    { TPairedColour::Remark, RgbColour(0x5F, 0x5F, 0x5F), RgbColour(0xA8, 0xA8, 0xA8) },
    { TPairedColour::LostCharacter, RgbColour(0xB0, 0x20, 0x20), RgbColour(0xFF, 0x8A, 0x80) },
    { TPairedColour::IconInk, RgbColour(0x2F, 0x4F, 0x6F), RgbColour(0xB4, 0xC8, 0xDC) },
} };

constexpr TColour Grey(int level)
{
    return RgbColour(level, level, level);
}

// Text 230 on the window's 45 and the fields' 30; disabled text at 140 stays legible without
// competing with what can be used.
constexpr std::array<TPaletteEntry, 20> Dark { {
    { TPaletteRole::Window, Grey(45), Grey(45) },
    { TPaletteRole::WindowText, Grey(230), Grey(140) },
    { TPaletteRole::Base, Grey(30), Grey(38) },
    { TPaletteRole::AlternateBase, Grey(40), Grey(45) },
    { TPaletteRole::ToolTipBase, Grey(60), Grey(60) },
    { TPaletteRole::ToolTipText, Grey(230), Grey(140) },
    { TPaletteRole::PlaceholderText, Grey(160), Grey(110) },
    { TPaletteRole::Text, Grey(230), Grey(140) },
    { TPaletteRole::Button, Grey(58), Grey(50) },
    { TPaletteRole::ButtonText, Grey(230), Grey(140) },
    { TPaletteRole::BrightText, RgbColour(0xFF, 0x8A, 0x80), RgbColour(0xFF, 0x8A, 0x80) },
    { TPaletteRole::Light, Grey(80), Grey(70) },
    { TPaletteRole::Midlight, Grey(66), Grey(60) },
    { TPaletteRole::Mid, Grey(36), Grey(36) },
    { TPaletteRole::Dark, Grey(24), Grey(24) },
    { TPaletteRole::Shadow, Grey(0), Grey(0) },
    { TPaletteRole::Highlight, RgbColour(0x2F, 0x65, 0xCA), Grey(80) },
    { TPaletteRole::HighlightedText, Grey(255), Grey(200) },
    { TPaletteRole::Link, RgbColour(0x8A, 0xB4, 0xF8), RgbColour(0x6A, 0x84, 0xB0) },
    { TPaletteRole::LinkVisited, RgbColour(0xC5, 0x8A, 0xF9), RgbColour(0x90, 0x70, 0xB0) },
} };

} // namespace

double RelativeLuminance(TColour colour)
{
    return 0.2126 * Channel(colour, 0) + 0.7152 * Channel(colour, 8) + 0.0722 * Channel(colour, 16);
}

double ContrastRatio(TColour first, TColour second)
{
    const double a = RelativeLuminance(first), b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsDarkColour(TColour background)
{
    return ContrastRatio(background, White) > ContrastRatio(background, Black);
}

TColour ReadableOn(TColour colour, TColour background, double minimum)
{
    colour &= White;
    if (ContrastRatio(colour, background) >= minimum)
        return colour;
    const TColour target = IsDarkColour(background) ? White : Black;
    // The contrast grows from where the mix passes the background's luminance on: the least
    // fraction that reads is found by halving, on the side past the background.
    const double past = RelativeLuminance(background);
    const auto reads = [&](TColour mixed) {
        const double luminance = RelativeLuminance(mixed);
        return (target == White ? luminance > past : luminance < past)
            && ContrastRatio(mixed, background) >= minimum;
    };
    if (!reads(target))
        return target;
    double low = 0.0, high = 1.0;
    for (int step = 0; step < 16; ++step) {
        const double middle = (low + high) / 2;
        (reads(Mix(colour, target, middle)) ? high : low) = middle;
    }
    return Mix(colour, target, high);
}

TColour PairedColour(TPairedColour colour, bool dark)
{
    const auto pair
        = std::find_if(Pairs.begin(), Pairs.end(), [colour](const TPair& p) { return p.Colour == colour; });
    return dark ? pair->Dark : pair->Light;
}

bool WantsDark(TThemeChoice choice, std::optional<std::uint32_t> desktopScheme, bool platformDark)
{
    switch (choice) {
    case TThemeChoice::Light:
        return false;
    case TThemeChoice::Dark:
        return true;
    case TThemeChoice::System:
        break;
    }
    if (desktopScheme == 1u)
        return true;
    if (desktopScheme == 2u)
        return false;
    return platformDark;
}

std::span<const TPaletteEntry> DarkPalette()
{
    return Dark;
}
