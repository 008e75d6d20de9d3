// Typing special characters without a screen: accent composition, stem repetition, the picker's
// cells, moves and placement, and the clipboard conversions.

#include "core/CharEntry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A key sequence: "^x" is Ctrl with the character x (or none for "^?"), anything else is typed.
std::u16string Type(TAccentComposer& composer, const std::vector<std::u16string>& keys)
{
    std::u16string typed;
    for (const std::u16string& key : keys) {
        if (key.size() == 2 && key[0] == u'^') {
            if (!composer.CtrlKeyDown(key[1] == u'?' ? std::nullopt : std::optional<char16_t>(key[1])))
                typed += u"<ctrl>";
        } else {
            for (char16_t c : key)
                typed += composer.Character(c);
        }
    }
    return typed;
}

TEST(CharEntryTest, AccentComposition)
{
    struct TCase {
        const char* Name;
        std::vector<std::u16string> Keys;
        std::u16string Typed;
        int PendingAfter;
    };
    const TCase cases[] = {
        { "acute", { u"^'", u"e" }, u"é", 0 },
        { "circumflex from Ctrl+Shift+6", { u"^^", u"o" }, u"ô", 0 },
        { "cedilla", { u"^,", u"c" }, u"ç", 0 },
        { "letter outside the row types itself", { u"^'", u"x" }, u"x", 0 },
        { "ampersand gives sharp s for both cases", { u"^&", u"S", u"^&", u"s" }, u"ßß", 0 },
        { "ligatures outside Latin-1", { u"^&", u"O", u"^:", u"Y" }, u"ŒŸ", 0 },
        { "every row's last letter", { u"^`", u"U", u"^~", u"O", u"^@", u"A", u"^/", u"O" }, u"ÙÕÅØ", 0 },
        { "accent lasts only one character", { u"^'", u"a", u"a" }, u"áa", 0 },
        { "a Ctrl key without a character keeps it", { u"^'", u"^?", u"E" }, u"<ctrl>É", 0 },
        { "a later sign replaces the first", { u"^'", u"^`", u"e" }, u"è", 0 },
        { "Ctrl with a non-sign cancels it", { u"^'", u"^c", u"e" }, u"<ctrl>e", 0 },
        { "a sign waits for its letter", { u"^:" }, u"", 3 },
        { "control characters end it", { u"^'", u"\r", u"e" }, u"\re", 0 },
    };
    for (const TCase& c : cases) {
        TAccentComposer composer;
        EXPECT_EQ(Type(composer, c.Keys), c.Typed) << c.Name;
        EXPECT_EQ(composer.Pending(), c.PendingAfter) << c.Name;
    }
    EXPECT_EQ(AccentSignNumber(u'\''), 1);
    EXPECT_EQ(AccentSignNumber(u'&'), 9);
    EXPECT_EQ(AccentSignNumber(u'e'), 0);
    EXPECT_EQ(ComposeAccent(0, u'e'), u'e');
    EXPECT_EQ(ComposeAccent(10, u'e'), u'e');
}

TEST(CharEntryTest, StemRepetition)
{
    struct TCase {
        std::u16string Before;
        std::optional<std::u16string> Inserted;
    };
    const TCase cases[] = {
        { u"spielen spielte", u" spiel" },
        { u"Haus", u" Haus" },
        { u"Haus ", u"Haus" },
        { u"a", std::nullopt },
        { u"", std::nullopt },
        { u"   ", std::nullopt },
        { u"ab abc abd", u" ab" },
        { u"gehen gab", std::nullopt }, // a shared start of one letter is not repeated
        { u"Haus haus", std::nullopt }, // letter case counts
        { u"  lesen   lest  ", u"les" },
        { u"лес лесной", u" лес" },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(StemInsertion(c.Before), c.Inserted) << std::string(c.Before.begin(), c.Before.end());

    // Only the first 65 words count: the 66th does not shorten the stem.
    std::u16string many;
    for (int i = 0; i < 65; ++i)
        many += u"wortlaut ";
    EXPECT_EQ(StemInsertion(many + u"wortx"), u" wortlaut");
    EXPECT_EQ(StemInsertion(many.substr(0, many.size() - 9) + u"wortx"), u" wort");
}

TEST(CharEntryTest, PickerCellsAndCharacters)
{
    const auto& symbols = PickerSymbols();
    EXPECT_EQ(symbols[0], '!');
    EXPECT_EQ(symbols[14], '/');
    EXPECT_EQ(symbols[15], ':');
    EXPECT_EQ(symbols[16 + 1], '<'); // cell (1, 1)
    EXPECT_EQ(symbols[31], '~');
    for (int i = 32; i < PickerCells; ++i)
        ASSERT_EQ(symbols[static_cast<std::size_t>(i)], 96 + i);

    struct TCase {
        int Col, Row, CodePage;
        char16_t Shown;
    };
    const TCase cases[] = {
        { 15, 9, 1252, u'ÿ' },
        { 0, 2, 1252, u'€' },
        { 1, 2, 1252, 0 }, // 0x81 is undefined in Western
        { 0, 6, 1251, u'А' },
        { 15, 9, 1251, u'я' },
        { 15, 9, 1253, 0 }, // 0xFF is undefined in Greek
        { 1, 1, 1251, u'<' },
        { 16, 0, 1252, 0 },
        { 0, 10, 1252, 0 },
        { 0, 0, 65001, 0 },
        { 0, 0, 0, 0 },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(PickerCharacter(c.Col, c.Row, c.CodePage), c.Shown)
            << c.Col << "," << c.Row << " " << c.CodePage;
}

TEST(CharEntryTest, PickerKeysAndPointer)
{
    struct TCase {
        TPickerCell From;
        TPickerKey Key;
        TPickerCell To;
    };
    const TCase cases[] = {
        { {}, pkUp, { 15, 9 } }, { {}, pkLeft, { 15, 9 } }, { {}, pkDown, { 0, 0 } },
        { {}, pkRight, { 0, 0 } }, { { 0, 0 }, pkLeft, { 15, 0 } }, { { 15, 3 }, pkRight, { 0, 3 } },
        { { 4, 0 }, pkUp, { 4, 9 } }, { { 4, 9 }, pkDown, { 4, 0 } },
        { { 16, 3 }, pkRight, { 0, 0 } }, // an invalid cell counts as none
    };
    for (const TCase& c : cases) {
        const TPickerCell to = MovePickerSelection(c.From, c.Key);
        EXPECT_EQ(to, c.To) << c.From.Col << "," << c.From.Row << " key " << c.Key;
    }
    // Down twice and Right once from nothing: cell (1, 1).
    TPickerCell cell;
    for (TPickerKey key : { pkDown, pkDown, pkRight })
        cell = MovePickerSelection(cell, key);
    EXPECT_EQ(cell, (TPickerCell { 1, 1 }));

    EXPECT_EQ(PickerCellAt(0, 0, 10, 12), (TPickerCell { 0, 0 }));
    EXPECT_EQ(PickerCellAt(159, 119, 10, 12), (TPickerCell { 15, 9 }));
    EXPECT_EQ(PickerCellAt(160, 5, 10, 12), TPickerCell {});
    EXPECT_EQ(PickerCellAt(5, 120, 10, 12), TPickerCell {});
    EXPECT_EQ(PickerCellAt(-1, 5, 10, 12), TPickerCell {});
}

TEST(CharEntryTest, PickerPlacement)
{
    const TScreenRect work { 0, 0, 1000, 700 };
    struct TCase {
        const char* Name;
        TScreenRect Box;
        TScreenRect Work;
        TScreenPoint At;
    };
    const TCase cases[] = {
        { "below the box", { 100, 100, 200, 20 }, work, { 100, 120 } },
        { "right edge", { 900, 100, 200, 20 }, work, { 800, 120 } },
        { "left of the screen", { -50, 100, 200, 20 }, work, { 0, 120 } },
        { "bottom: above the box", { 100, 600, 200, 20 }, work, { 100, 450 } },
        { "just fits at the bottom", { 100, 530, 200, 20 }, work, { 100, 550 } },
        { "above the top", { 100, -40, 200, 20 }, work, { 100, 0 } },
        { "second screen's work area", { 1010, 690, 100, 20 }, { 1000, 30, 800, 670 }, { 1010, 540 } },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(PlacePicker(c.Box, 200, 150, c.Work), c.At) << c.Name;
}

TEST(CharEntryTest, ClipboardConversions)
{
    EXPECT_EQ(ClipboardUnicode("\xE4\xEE\xEC", 1251), u"дом");
    EXPECT_EQ(ClipboardUnicode("abc", 0), std::nullopt);
    EXPECT_EQ(ClipboardUnicode("abc", 65001), std::nullopt);
    EXPECT_EQ(PastedBytes(u"дом", 1251), "\xE4\xEE\xEC");
    EXPECT_EQ(PastedBytes(u"δ", 1251), std::nullopt);
    EXPECT_EQ(PastedBytes(u"?", 1251), "?"); // a real question mark is not a replacement
    EXPECT_EQ(PastedBytes(u"abc", 0), std::nullopt);
    EXPECT_EQ(PastedBytes(u"", 1252), "");
}

} // namespace
