// Paste with a cut mark and the find dialog's availability and placement rules.

#include "core/CommandRules.h"

#include "core/DocumentBuilders.h"

#include <gtest/gtest.h>

TEST(CutMark, PasteDecisionForEveryMarkAndSelection)
{
    struct TCase {
        const char* name;
        std::int32_t cut, current;
        bool canPaste;
        TPasteAction expected;
    };
    const TCase cases[] = {
        { "no mark, clipboard item", -1, 1, true, paClipboard },
        { "no mark, blank row, clipboard item", -1, -1, true, paClipboard },
        { "no mark, empty clipboard", -1, 1, false, paNone },
        { "mark on the selected item", 1, 1, true, paClearMark },
        { "mark moves to another row", 1, 3, false, paMove },
        { "mark and the blank row: no target", 1, -1, true, paNone },
        { "stale mark past the end counts as none", 7, 1, true, paClipboard },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecidePaste(c.cut, c.current, 4, c.canPaste), c.expected) << c.name;
        EXPECT_EQ(PasteEnabled(c.cut, c.current, 4, c.canPaste), c.expected != paNone) << c.name;
    }
}

TEST(CutMark, MovingTheMarkedItemIsOneUndoableMove)
{
    struct TCase {
        std::int32_t cut, selected;
        TWords expected;
        std::int32_t current;
    };
    const TCase cases[] = {
        { 1, 3, { "A", "C", "D", "B" }, 3 }, // down: after the selected item
        { 3, 1, { "A", "D", "B", "C" }, 1 }, // up: before it
        { 0, 0, { "A", "B", "C", "D" }, 0 }, // onto itself: nothing
        { 7, 1, { "A", "B", "C", "D" }, 1 }, // a stale mark past the end: nothing
        { 1, -1, { "A", "B", "C", "D" }, -1 }, // onto the blank row: nothing
    };
    for (const auto& c : cases) {
        TVocabFile doc;
        Fill(doc, English, German, { { "A" }, { "B" }, { "C" }, { "D" } });
        const int undoBefore = doc.UndoCount();
        doc.SetCurrentIndex(c.selected);
        MoveCutItem(doc, c.cut);
        EXPECT_EQ(Foreigns(doc), c.expected);
        EXPECT_EQ(doc.CurrentIndex(), c.current);
        if (c.expected == TWords { "A", "B", "C", "D" }) {
            EXPECT_EQ(doc.UndoCount(), undoBefore);
            continue;
        }
        EXPECT_EQ(doc.UndoKind(), ukMove);
        doc.Undo();
        EXPECT_EQ(Foreigns(doc), (TWords { "A", "B", "C", "D" }));
    }
}

TEST(FindRules, WholeWordAndFindNextAvailability)
{
    struct TCase {
        const char* text;
        std::uint8_t mode;
        LangId lang;
        bool wholeWord, findNext;
    };
    const TCase cases[] = {
        { "cat", smAnyPart, English, true, true },
        { "ice-cream", smAnyPart, English, false, true },
        { "the cat", smStart, English, false, true },
        { "\xE9t\xE9", smEnd, French, true, true }, // accented letters are letters
        { "\xEA\xEE\xF2", smAnyPart, Russian, true, true }, // Cyrillic in its own code page
        { "cat", smWhole, English, false, true },
        { "", smAnyPart, English, true, false },
        { "", smWhole, English, false, true },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeWordAvailable(c.text, c.mode, c.lang), c.wholeWord) << c.text << int(c.mode);
        EXPECT_EQ(FindNextAvailable(c.text, c.mode), c.findNext) << c.text << int(c.mode);
    }
    TVocabFile doc;
    doc.SetForeignLangID(Russian);
    doc.SetNativeLangID(English);
    EXPECT_EQ(SearchFieldLanguage(doc, fiForeign), Russian);
    EXPECT_EQ(SearchFieldLanguage(doc, fiNotes), English);
}

TEST(FindRules, DialogMovesOffTheFoundRow)
{
    const TScreenRect dialog { 100, 300, 400, 450 }; // 150 high
    struct TCase {
        const char* name;
        int rowTop;
        std::optional<int> top;
    };
    const TCase cases[] = {
        { "row far above", 100, std::nullopt },
        { "a row height above the dialog still counts", 280, 320 },
        { "row under the dialog in the upper half goes below", 320, 360 },
        { "row in the lower half: dialog above", 440, 420 - 150 },
    };
    for (const auto& c : cases) {
        const TScreenRect row { 0, c.rowTop, 600, c.rowTop + 20 };
        EXPECT_EQ(DialogTopOffRow(row, 20, dialog, 800), c.top) << c.name;
    }
}
