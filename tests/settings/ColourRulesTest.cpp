// Contrast, readable colours, the light and dark variants, the theme decision and the dark palette.

#include "settings/ColourRules.h"

#include <gtest/gtest.h>
#include <map>

namespace {

constexpr TColour White = 0xFFFFFF, Black = 0, Red = RgbColour(255, 0, 0), Navy = RgbColour(0, 0, 128);
constexpr TColour DarkBase = RgbColour(30, 30, 30), FusionWindow = RgbColour(239, 239, 239);

int RedOf(TColour c)
{
    return static_cast<int>(c & 0xFF);
}
int GreenOf(TColour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
int BlueOf(TColour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace

TEST(ColourRules, ContrastRatiosAsTheGuidelinesGiveThem)
{
    const struct {
        TColour A, B;
        double Ratio;
    } cases[] = {
        { Black, White, 21.0 }, { White, Black, 21.0 }, { White, White, 1.0 },
        { RgbColour(0x76, 0x76, 0x76), White, 4.54 }, // the lightest grey that reads on white
        { RgbColour(0x77, 0x77, 0x77), White, 4.48 }, { Red, White, 4.0 },
        { RgbColour(0, 0, 255), White, 8.59 }, { RgbColour(0, 255, 0), Black, 15.3 },
        { RgbColour(1, 1, 1), Black, 1.006 }, // the linear part of the curve
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ContrastRatio(c.A, c.B), c.Ratio, 0.01) << std::hex << c.A << " " << c.B;
    EXPECT_DOUBLE_EQ(RelativeLuminance(White), 1.0);
    EXPECT_NEAR(RelativeLuminance(RgbColour(0, 0, 255)), 0.0722, 1e-4) << "the channels in their places";
    EXPECT_NEAR(RelativeLuminance(RgbColour(255, 0, 0)), 0.2126, 1e-4);
}

TEST(ColourRules, ABackgroundIsDarkWhenWhiteReadsBetterThanBlackOnIt)
{
    const std::pair<TColour, bool> cases[]
        = { { Black, true }, { White, false }, { DarkBase, true }, { RgbColour(0x75, 0x75, 0x75), true },
              { RgbColour(0x76, 0x76, 0x76), false }, { Navy, true }, { RgbColour(255, 255, 0), false } };
    for (const auto& [colour, dark] : cases)
        EXPECT_EQ(IsDarkColour(colour), dark) << std::hex << colour;
}

// The user's colour stays where it reads; elsewhere it moves towards white or black, keeping its
// hue, just far enough.
TEST(ColourRules, AColourThatDoesNotReadIsMovedJustFarEnough)
{
    const struct {
        const char* Name;
        TColour Colour, Background;
        bool Kept;
        bool Lighter; // when moved
    } cases[] = {
        { "blue on white", RgbColour(0, 0, 255), White, true, false },
        { "white on dark", White, DarkBase, true, false },
        { "red on white", Red, White, false, false },
        { "navy on dark", Navy, DarkBase, false, true },
        { "yellow on white", RgbColour(255, 255, 0), White, false, false },
        { "black on a lighter dark", Black, RgbColour(45, 45, 45), false, true },
        { "white on white", White, White, false, false },
        { "grey on light grey", RgbColour(128, 128, 128), FusionWindow, false, false },
        { "the stored high byte is no colour", 0xFF000000 | RgbColour(0, 0, 255), White, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TColour shown = ReadableOn(c.Colour, c.Background);
        EXPECT_GE(ContrastRatio(shown, c.Background), MinTextContrast);
        if (c.Kept) {
            EXPECT_EQ(shown, c.Colour & 0xFFFFFF);
            continue;
        }
        EXPECT_LT(ContrastRatio(shown, c.Background), MinTextContrast + 0.1) << "no further than needed";
        EXPECT_EQ(RelativeLuminance(shown) > RelativeLuminance(c.Background), c.Lighter);
        // Mixed with white or black: the channels keep their order.
        EXPECT_EQ(RedOf(shown) >= GreenOf(shown), RedOf(c.Colour) >= GreenOf(c.Colour));
        EXPECT_EQ(GreenOf(shown) >= BlueOf(shown), GreenOf(c.Colour) >= BlueOf(c.Colour));
    }
    // A demand no colour meets on a mid grey gives the better extreme.
    EXPECT_EQ(ReadableOn(Red, RgbColour(0x77, 0x77, 0x77), 7.0), Black);
    EXPECT_EQ(ReadableOn(Red, RgbColour(0x70, 0x70, 0x70), 7.0), White);
}

TEST(ColourRules, EachPairedColourHasAVariantForItsBackground)
{
    const struct {
        TPairedColour Text;
        std::optional<TPairedColour> On; // else the window or field
        TColour LightBack, DarkBack;
    } cases[] = {
        { TPairedColour::MissingText, TPairedColour::MissingBack, 0, 0 },
        { TPairedColour::Remark, std::nullopt, FusionWindow, RgbColour(45, 45, 45) },
        { TPairedColour::LostCharacter, std::nullopt, White, DarkBase },
    };
    for (const auto& c : cases)
        for (const bool dark : { false, true }) {
            const TColour back = c.On ? PairedColour(*c.On, dark) : dark ? c.DarkBack : c.LightBack;
            EXPECT_GE(ContrastRatio(PairedColour(c.Text, dark), back), MinTextContrast)
                << static_cast<int>(c.Text) << (dark ? " dark" : " light");
            EXPECT_EQ(IsDarkColour(back), dark);
        }
    for (const bool dark : { false, true }) {
        EXPECT_EQ(IsDarkColour(PairedColour(TPairedColour::SurplusBack, dark)), dark);
        EXPECT_NE(
            PairedColour(TPairedColour::SurplusBack, dark), PairedColour(TPairedColour::MissingBack, dark));
    }
}

TEST(ColourRules, SystemFollowsTheDesktopThenThePlatformAndAChoiceGoesOverBoth)
{
    using enum TThemeChoice;
    const struct {
        TThemeChoice Choice;
        std::optional<std::uint32_t> Desktop;
        bool PlatformDark, Dark;
    } cases[] = {
        { System, 1u, false, true },
        { System, 2u, true, false },
        { System, 0u, true, true },
        { System, 0u, false, false },
        { System, std::nullopt, true, true },
        { System, 3u, false, false }, // a value not known yet: no preference
        { Light, 1u, true, false },
        { Dark, 2u, false, true },
        { Dark, std::nullopt, false, true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(WantsDark(c.Choice, c.Desktop, c.PlatformDark), c.Dark)
            << static_cast<int>(c.Choice) << " " << c.Desktop.value_or(99) << " " << c.PlatformDark;
    const std::pair<std::int32_t, TThemeChoice> stored[]
        = { { 0, System }, { 1, Light }, { 2, Dark }, { 3, System }, { -1, System } };
    for (const auto& [number, choice] : stored)
        EXPECT_EQ(ThemeChoiceFrom(number), choice) << number;
}

TEST(ColourRules, TheDarkPaletteIsDarkAndItsTextsReadOnTheirBackgrounds)
{
    std::map<TPaletteRole, TPaletteEntry> roles;
    for (const TPaletteEntry& entry : DarkPalette())
        EXPECT_TRUE(roles.emplace(entry.Role, entry).second)
            << "role twice: " << static_cast<int>(entry.Role);
    EXPECT_EQ(roles.size(), 20u);
    using enum TPaletteRole;
    const std::pair<TPaletteRole, TPaletteRole> texts[]
        = { { WindowText, Window }, { Text, Base }, { Text, AlternateBase }, { ButtonText, Button },
              { HighlightedText, Highlight }, { ToolTipText, ToolTipBase }, { PlaceholderText, Base },
              { PlaceholderText, Window }, { Link, Base }, { LinkVisited, Base }, { BrightText, Button } };
    for (const auto& [text, back] : texts)
        EXPECT_GE(ContrastRatio(roles.at(text).Active, roles.at(back).Active), MinTextContrast)
            << static_cast<int>(text) << " on " << static_cast<int>(back);
    for (const TPaletteRole back : { Window, Base, Button, ToolTipBase, Highlight })
        EXPECT_TRUE(IsDarkColour(roles.at(back).Active));
    // Disabled text stays legible, yet apart from the active text.
    EXPECT_GE(ContrastRatio(roles.at(Text).Disabled, roles.at(Base).Disabled), 3.0);
    EXPECT_LT(RelativeLuminance(roles.at(Text).Disabled), RelativeLuminance(roles.at(Text).Active));
}
