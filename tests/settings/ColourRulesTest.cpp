// Contrast, readable colours, the light and dark variants, the theme decision and the dark palette.

#include "settings/ColourRules.h"

#include <gtest/gtest.h>
#include <map>

namespace {
constexpr TColour White = 0xFFFFFF, Black = 0, Red = RgbColour(255, 0, 0), DarkBase = RgbColour(30, 30, 30);
constexpr TColour LightWindow = RgbColour(239, 239, 239), DarkWindow = RgbColour(45, 45, 45);
int Channel(TColour c, int i)
{
    return static_cast<int>((c >> (8 * i)) & 0xFF);
}
} // namespace

TEST(ColourRules, ContrastAndWhetherABackgroundIsDark)
{
    const struct {
        TColour A, B;
        double Ratio;
        bool ADark;
    } cases[] = {
        { Black, White, 21.0, true }, { White, White, 1.0, false },
        { RgbColour(0x76, 0x76, 0x76), White, 4.54, false }, // the lightest grey that reads on white
        { RgbColour(0x75, 0x75, 0x75), White, 4.61, true }, // white reads better on it than black
        { Red, White, 4.0, false }, { RgbColour(0, 0, 255), White, 8.59, true },
        { RgbColour(1, 1, 1), Black, 1.006, true }, // the linear part of the curve
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.A, c.B), c.Ratio, 0.01) << std::hex << c.A << " " << c.B;
        EXPECT_EQ(IsDarkColour(c.A), c.ADark) << std::hex << c.A;
    }
}

// The user's colour stays where it reads; elsewhere it moves towards white or black, just far enough.
TEST(ColourRules, AColourThatDoesNotReadIsMovedJustFarEnough)
{
    const struct {
        TColour Colour, Background;
        bool Kept, Lighter;
    } cases[] = { // a stored high byte is no colour; black on dark must pass the background's lightness
        { RgbColour(0, 0, 255), White, true, false }, { 0xFF000000 | White, DarkBase, true, true },
        { Red, White, false, false }, { RgbColour(0, 0, 128), DarkBase, false, true },
        { RgbColour(255, 255, 0), White, false, false }, { Black, DarkWindow, false, true },
        { White, White, false, false }, { RgbColour(128, 128, 128), LightWindow, false, false }
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.Colour << " on " << c.Background);
        const TColour shown = ReadableOn(c.Colour, c.Background);
        EXPECT_GE(ContrastRatio(shown, c.Background), MinTextContrast);
        EXPECT_EQ(shown == (c.Colour & White), c.Kept);
        if (c.Kept)
            continue;
        EXPECT_LT(ContrastRatio(shown, c.Background), MinTextContrast + 0.1) << "no further than needed";
        EXPECT_EQ(RelativeLuminance(shown) > RelativeLuminance(c.Background), c.Lighter);
        for (const int i : { 0, 1 }) // mixed with white or black: the channels keep their order
            EXPECT_EQ(
                Channel(shown, i) >= Channel(shown, i + 1), Channel(c.Colour, i) >= Channel(c.Colour, i + 1));
    }
    EXPECT_EQ(ReadableOn(White, White), RgbColour(0x76, 0x76, 0x76)) << "the lightest grey that reads";
    EXPECT_EQ(ReadableOn(Red, White, ContrastRatio(RgbColour(238, 0, 0), White)), RgbColour(238, 0, 0))
        << "just met";
    EXPECT_EQ(ReadableOn(Red, RgbColour(0x77, 0x77, 0x77), 7.0), Black) << "none reads: the better extreme";
    EXPECT_EQ(ReadableOn(Red, RgbColour(0x70, 0x70, 0x70), 7.0), White);
}

TEST(ColourRules, SystemFollowsTheDesktopThenThePlatformAndAChoiceGoesOverBoth)
{
    using enum TThemeChoice;
    const struct {
        TThemeChoice Choice;
        std::optional<std::uint32_t> Desktop;
        bool PlatformDark, Dark;
    } cases[] = { { System, 1u, false, true }, { System, 2u, true, false }, { System, 0u, true, true },
        { System, 0u, false, false }, { System, std::nullopt, true, true }, { System, 3u, false, false },
        { Light, 1u, true, false }, { Dark, 2u, false, true } };
    for (const auto& c : cases)
        EXPECT_EQ(WantsDark(c.Choice, c.Desktop, c.PlatformDark), c.Dark)
            << static_cast<int>(c.Choice) << " " << c.Desktop.value_or(99) << " " << c.PlatformDark;
}

TEST(ColourRules, TheDarkPaletteAndThePairedColoursReadOnTheirBackgrounds)
{
    for (const bool dark : { false, true }) {
        const std::pair<TPairedColour, TColour> pairs[]
            = { { TPairedColour::MissingText, PairedColour(TPairedColour::MissingBack, dark) },
                  { TPairedColour::Remark, dark ? DarkWindow : LightWindow },
                  { TPairedColour::LostCharacter, dark ? DarkBase : White },
                  { TPairedColour::IconInk, dark ? DarkWindow : LightWindow } };
        for (const auto& [text, back] : pairs)
            EXPECT_GE(ContrastRatio(PairedColour(text, dark), back), MinTextContrast)
                << static_cast<int>(text) << dark;
        EXPECT_EQ(IsDarkColour(PairedColour(TPairedColour::SurplusBack, dark)), dark);
        EXPECT_EQ(IsDarkColour(PairedColour(TPairedColour::MissingBack, dark)), dark);
    }
    std::map<TPaletteRole, TPaletteEntry> roles;
    for (const TPaletteEntry& entry : DarkPalette())
        roles.emplace(entry.Role, entry);
    EXPECT_EQ(roles.size(), 20u) << "every role once";
    using enum TPaletteRole;
    const std::pair<TPaletteRole, TPaletteRole> texts[]
        = { { WindowText, Window }, { Text, Base }, { Text, AlternateBase }, { ButtonText, Button },
              { HighlightedText, Highlight }, { ToolTipText, ToolTipBase }, { PlaceholderText, Window },
              { Link, Base }, { LinkVisited, Base }, { BrightText, Button } };
    for (const auto& [text, back] : texts) {
        EXPECT_GE(ContrastRatio(roles.at(text).Active, roles.at(back).Active), MinTextContrast)
            << static_cast<int>(text) << " on " << static_cast<int>(back);
        EXPECT_TRUE(IsDarkColour(roles.at(back).Active));
    }
    EXPECT_GE(ContrastRatio(roles.at(Text).Disabled, roles.at(Base).Disabled), 3.0)
        << "disabled, yet legible";
}
