// Type-ahead in the grid: which row a typed character selects.

#include "core/GridRules.h"

#include "core/DocumentBuilders.h"

#include <gtest/gtest.h>

TEST(TypeAheadIndex, StepsThroughItemsBeginningWithTheLetterAfterTheSortingPosition)
{
    TVocabFile doc;
    Fill(doc, French, English, { { "l'eau" }, { "chat" }, { "Lampe" }, { "la maison", 3 }, { "lune" } });
    doc.SetCurrentIndex(2);
    // Selecting each hit as the grid does: lune, then wrapping to l'eau, then Lampe; "la maison"
    // begins at its sorting position and is never an "l".
    std::vector<std::int32_t> visited;
    for (int i = 0; i < 4; ++i) {
        visited.push_back(TypeAheadIndex(doc, 'l'));
        doc.SetCurrentIndex(visited.back());
    }
    EXPECT_EQ(visited, (std::vector<std::int32_t> { 4, 0, 2, 4 }));

    // The first letter or digit after the sorting position, in the foreign language.
    const struct {
        const char* Name;
        LangId Lang;
        std::vector<TEntry> Words;
        std::int32_t Current;
        char Typed;
        std::int32_t Expected;
    } cases[] = {
        { "word begins at its sorting position", French, { { "l'eau" }, { "la maison", 3 } }, -1, 'm', 1 },
        { "without current item from the first", French, { { "arbre" }, { "avion" } }, -1, 'a', 0 },
        { "current item last when the only match", French, { { "chat" }, { "eau" }, { "pain" } }, 1, 'e', 1 },
        { "no match", French, { { "chat" }, { "chien" } }, 1, 'z', -1 },
        { "empty document", French, {}, -1, 'a', -1 },
        { "upper case typed", French, { { "lune" } }, -1, 'L', 0 },
        { "upper case word", French, { { "Lampe" } }, -1, 'l', 0 },
        { "leading punctuation skipped", French, { { "(le) chat" } }, -1, 'l', 0 },
        { "leading spaces skipped", French, { { "   vin" } }, -1, 'v', 0 },
        { "digit", French, { { "3 pommes" } }, -1, '3', 0 },
        { "only the first letter counts", French, { { "chat" } }, -1, 'h', -1 },
        { "accented capital typed lower", French, { { "\xC9t\xE9" } }, -1, '\xE9', 0 },
        { "accent is not the bare letter", French, { { "\xE9t\xE9" } }, -1, 'e', -1 },
        { "punctuation typed never matches", French, { { "-ment" } }, -1, '-', -1 },
        { "no letter at all", French, { { "?!" } }, -1, '?', -1 },
        { "empty word", French, { { "" } }, -1, 'a', -1 },
        { "position at the end", French, { { "abc", 3 } }, -1, 'a', -1 },
        { "position beyond the text", French, { { "abc", 99 } }, -1, 'a', -1 },
        { "negative position from the start", French, { { "abc", -5 } }, -1, 'a', 0 },
        // Code page 1251: "вода" and "Дом"; typed lower-case д finds the capital Д.
        { "Russian lower case typed", Russian, { { "\xE2\xEE\xE4\xE0" }, { "\xC4\xEE\xEC" } }, -1, '\xE4',
            1 },
        { "Russian upper case typed", Russian, { { "\xE2\xEE\xE4\xE0" }, { "\xC4\xEE\xEC" } }, -1, '\xC2',
            0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile list;
        Fill(list, c.Lang, English, c.Words);
        list.SetCurrentIndex(c.Current);
        EXPECT_EQ(TypeAheadIndex(list, c.Typed), c.Expected);
        EXPECT_EQ(list.CurrentIndex(), c.Current);
    }
}

TEST(ShownFields, TheSideAndTheWantedFieldsThatHoldSomethingInTheirOrder)
{
    const auto shown = [](TFieldValues values, bool foreign, bool category, bool notes) {
        TVocabItem item;
        item.SetFieldValues(values);
        const TShownFields fields = ShownFields(item, foreign, category, notes);
        return std::vector<int>(fields.begin(), fields.end());
    };
    using F = std::vector<int>;
    EXPECT_EQ(
        shown({ "Hund", "m.", "pl.", "dog" }, true, true, true), (F { fiForeign, fiCategory, fiNotes }));
    EXPECT_EQ(shown({ "Hund", "m.", "pl.", "dog" }, true, false, true), (F { fiForeign, fiNotes }));
    EXPECT_EQ(shown({ "Hund", "m.", "pl.", "dog" }, true, true, false), (F { fiForeign, fiCategory }));
    // The side's own field keeps its place when empty; empty others are left out.
    EXPECT_EQ(shown({ "", "", "", "" }, true, true, true), (F { fiForeign }));
    EXPECT_EQ(shown({ "Hund", "m.", "pl.", "" }, false, true, true), (F { fiNative }));
}
