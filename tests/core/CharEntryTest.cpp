// Typing special characters without a screen: accent composition, stem repetition, the picker's
// cells, moves and placement, and the clipboard conversions.

#include "core/CharEntry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// "^x" is a Ctrl key giving x ("^?" one giving nothing; an unswallowed one shows as "|"); the
// rest is typed.
std::u16string Type(TAccentComposer& composer, const std::vector<std::u16string>& keys)
{
    std::u16string typed;
    for (const std::u16string& key : keys) {
        if (key.size() == 2 && key[0] == u'^') {
            if (!composer.CtrlKeyDown(key[1] == u'?' ? std::nullopt : std::optional<char16_t>(key[1])))
                typed += u'|';
        } else {
            for (char16_t c : key)
                typed += composer.Character(c);
        }
    }
    return typed;
}

TEST(CharEntryTest, AccentComposition)
{
    const struct {
        std::vector<std::u16string> Keys;
        std::u16string Typed;
        int PendingAfter;
    } cases[] = { { { u"^'", u"e", u"e" }, u"ée", 0 }, { { u"^^", u"o", u"^,", u"c" }, u"ôç", 0 },
        { { u"^'", u"x" }, u"x", 0 }, { { u"^&", u"S", u"^&", u"s", u"^&", u"O", u"^:", u"Y" }, u"ßßŒŸ", 0 },
        { { u"^`", u"U", u"^~", u"O", u"^@", u"A", u"^/", u"O" }, u"ÙÕÅØ", 0 },
        { { u"^'", u"^?", u"E" }, u"|É", 0 }, // Shift between sign and letter
        { { u"^'", u"^`", u"e" }, u"è", 0 }, { { u"^'", u"^c", u"e" }, u"|e", 0 },
        { { u"^'", u"\r", u"e" }, u"\re", 0 }, { { u"^:" }, u"", 3 } };
    for (const auto& c : cases) {
        TAccentComposer composer;
        EXPECT_EQ(Type(composer, c.Keys), c.Typed) << std::string(c.Typed.begin(), c.Typed.end());
        EXPECT_EQ(composer.Pending(), c.PendingAfter);
    }
    EXPECT_EQ(ComposeAccent(10, u'e'), u'e');
}

TEST(CharEntryTest, StemRepetition)
{
    const struct {
        std::u16string Before;
        std::optional<std::u16string> Inserted;
    } cases[] = {
        { u"spielen spielte", u" spiel" },
        { u"Haus", u" Haus" },
        { u"Haus ", u"Haus" },
        { u"a", std::nullopt },
        { u"   ", std::nullopt },
        { u"gehen gab", std::nullopt }, // one shared letter is not repeated
        { u"Haus haus", std::nullopt }, // letter case counts
        { u"  lesen   lest  ", u"les" },
        { u"лес лесной", u" лес" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(StemInsertion(c.Before), c.Inserted) << std::string(c.Before.begin(), c.Before.end());
    // Only the first 65 words count.
    std::u16string many;
    for (int i = 0; i < 64; ++i)
        many += u"wortlaut ";
    EXPECT_EQ(StemInsertion(many + u"wortx"), u" wort");
    EXPECT_EQ(StemInsertion(many + u"wortlaut wortx"), u" wortlaut");
}

TEST(CharEntryTest, PickerCellsMovesAndPlacement)
{
    EXPECT_EQ(PickerSymbols()[14], '/');
    EXPECT_EQ(PickerSymbols()[17], '<'); // cell (1, 1)
    EXPECT_EQ(PickerSymbols()[31], '~');
    EXPECT_EQ(PickerSymbols()[32], 128);
    EXPECT_EQ(PickerSymbols()[159], 255);
    const struct {
        int Col, Row, CodePage;
        char16_t Shown;
    } cells[] = {
        { 15, 9, 1252, u'ÿ' },
        { 0, 2, 1252, u'€' },
        { 1, 2, 1252, 0 }, // 0x81 is undefined
        { 0, 6, 1251, u'А' },
        { 15, 9, 1253, 0 },
        { 16, 0, 1252, 0 },
        { 0, 0, 65001, 0 },
    };
    for (const auto& c : cells)
        EXPECT_EQ(PickerCharacter(c.Col, c.Row, c.CodePage), c.Shown) << c.Col << "," << c.Row;

    const struct {
        TPickerCell From;
        TPickerKey Key;
        TPickerCell To;
    } moves[] = {
        { {}, pkUp, { 15, 9 } }, { {}, pkRight, { 0, 0 } }, { { 0, 4 }, pkLeft, { 15, 4 } },
        { { 4, 0 }, pkUp, { 4, 9 } }, { { 4, 9 }, pkDown, { 4, 0 } },
        { { 16, 3 }, pkRight, { 0, 0 } }, // an invalid cell counts as none
    };
    for (const auto& c : moves)
        EXPECT_EQ(MovePickerSelection(c.From, c.Key), c.To) << c.From.Col << "," << c.From.Row;
    EXPECT_EQ(PickerCellAt(159, 119, 10, 12), (TPickerCell { 15, 9 }));
    EXPECT_EQ(PickerCellAt(160, 5, 10, 12), TPickerCell {});

    const TScreenRect work { 0, 0, 1000, 700 };
    const struct {
        TScreenRect Box, Work;
        TScreenPoint At;
    } places[]
        = { { { 100, 100, 200, 20 }, work, { 100, 120 } }, { { 900, 100, 200, 20 }, work, { 800, 120 } },
              { { -50, 100, 200, 20 }, work, { 0, 120 } }, { { 100, 600, 200, 20 }, work, { 100, 450 } },
              { { 100, 530, 200, 20 }, work, { 100, 550 } }, { { 100, -40, 200, 20 }, work, { 100, 0 } },
              { { 1010, 690, 100, 20 }, { 1000, 30, 800, 670 }, { 1010, 540 } } };
    for (const auto& c : places)
        EXPECT_EQ(PlacePicker(c.Box, 200, 150, c.Work), c.At) << c.Box.Left << "," << c.Box.Top;
}

TEST(CharEntryTest, ClipboardConversions)
{
    EXPECT_EQ(ClipboardUnicode("\xE4\xEE\xEC", 1251), u"дом");
    EXPECT_EQ(ClipboardUnicode("abc", 0), std::nullopt);
    EXPECT_EQ(PastedBytes(u"дом", 1251), "\xE4\xEE\xEC");
    EXPECT_EQ(PastedBytes(u"δ", 1251), std::nullopt);
    EXPECT_EQ(PastedBytes(u"?", 1251), "?"); // a real question mark is no replacement
    EXPECT_EQ(PastedBytes(u"abc", 65001), std::nullopt);
}

} // namespace
