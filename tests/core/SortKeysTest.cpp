// Sorting by a field: the keys, sorting positions, and the order of the sort. The collation of
// each language is tested with the locale text utilities.

#include "core/SortKeys.h"

#include "core/DocumentBuilders.h"
#include "core/VocabFile.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(SortKeysByField, WordsFromTheirSortingPosition)
{
    const struct {
        const char* Name;
        std::vector<TEntry> Entries;
        TWords Expected;
    } cases[] = {
        { "sorting positions skip articles", { { "le chat", 3 }, { "Apfel", 0 }, { "l'avion", 2 } },
            { "Apfel", "l'avion", "le chat" } },
        { "capitals do not come first, equal keys keep their order",
            { { "banana" }, { "apple" }, { "Cherry" }, { "Apple" } },
            { "apple", "Apple", "banana", "Cherry" } },
        { "a text of punctuation goes first and spoils nothing", { { "Banana" }, { "apple" }, { "?!" } },
            { "?!", "apple", "Banana" } },
        { "position beyond the text sorts as empty", { { "b" }, { "abc", 10 }, { "a" } },
            { "abc", "a", "b" } },
        { "negative position sorts the whole text", { { "b" }, { "ab", -2 } }, { "ab", "b" } },
        { "leading punctuation and spaces are skipped, inner ones are not",
            { { "\x85 werden" }, { "Zug" }, { " (sich) anmelden" }, { "\"Wagen\"" }, { "abholen" },
                { "- -" } },
            { "- -", "abholen", " (sich) anmelden", "\"Wagen\"", "\x85 werden", "Zug" } },
        { "after the sorting position",
            { { "der Zug", 3 },
                { "das \xAB"
                  "Auto\xBB",
                    3 } },
            { "das \xAB"
              "Auto\xBB",
                "der Zug" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        Fill(doc, French, English, c.Entries);
        SortByField(doc, fiForeign);
        EXPECT_EQ(Foreigns(doc), c.Expected);
    }
}

TEST(SortKeysByField, TheNativeFieldInItsLanguageNotesWithoutPositionsAndSortingAgainIsAStep)
{
    TVocabFile doc;
    Fill(doc, German, Swedish, { { "Zebra", 0, "", "zebra" }, { "\xC4pfel", 0, "", "\xE4pple" } });
    SortByField(doc, fiNative);
    EXPECT_EQ(Field(doc, fiNative), (TWords { "zebra", "\xE4pple" }));
    SortByField(doc, fiForeign);
    EXPECT_EQ(Foreigns(doc), (TWords { "\xC4pfel", "Zebra" }));
    const auto sorted = Pointers(doc);
    SortByField(doc, fiForeign);
    EXPECT_EQ(Pointers(doc), sorted);
    EXPECT_EQ(std::pair(doc.UndoCount(), doc.UndoKind()), std::pair(5, ukSort));

    // Empty notes first; the sorting position is only the word's.
    TVocabFile notes;
    Fill(notes, English, English,
        { { "1", 1, "the b" }, { "2", 0, "" }, { "3", 4, "the a" }, { "4", 0, "" }, { "5", 0, "c" } });
    SortByField(notes, fiNotes);
    EXPECT_EQ(Foreigns(notes), (TWords { "2", "4", "5", "3", "1" }));
}

TEST(SortKeysBuild, PlainKeysAreTheTextAfterTheSortingPosition)
{
    TVocabFile doc;
    Fill(doc, French, English, { { "le chat", 3, "", "cat" }, { "Apfel", 0 }, { "l'avion", 2 }, { "x", 5 } });
    EXPECT_EQ(BuildSortKeys(doc, fiForeign, false).Strings(), (TWords { "chat", "Apfel", "avion", "" }));
    EXPECT_EQ(BuildSortKeys(doc, fiNative, false).Strings(), (TWords { "cat", "", "", "" }));
    const auto keys = BuildSortKeys(doc, fiForeign, true);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[3], "");
    EXPECT_LT(keys[1], keys[2]);
    EXPECT_LT(keys[2], keys[0]);
    for (const int field : { -1, 4 })
        EXPECT_THROW(BuildSortKeys(doc, field), EVocabFileError);
    EXPECT_THROW(SortByField(doc, 4), EVocabFileError);
    EXPECT_EQ(doc.UndoKind(), ukAdd);
}

// A long list's keys are made in parts at once: every part must be keyed, each item by its own text.
TEST(SortKeysBuild, ALongListIsKeyedWhole)
{
    const std::size_t n = 100003;
    TWords words(n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t rest = i * 7919 % n, letter = 0; letter < 4; ++letter, rest /= 26)
            words[i] += static_cast<char>('a' + rest % 26);
    TVocabFile doc;
    FillWords(doc, words);
    SortByField(doc, fiForeign);
    // Lower-case letters alone collate as their bytes do.
    std::sort(words.begin(), words.end());
    EXPECT_EQ(Foreigns(doc), words);
}

TEST(SortKeysOrder, KeysCompareAsUnsignedBytesShorterFirstAndEqualOnesStayStable)
{
    const TWords keys { "\x80", "abcdefghij2", "a", std::string("ab\0", 3), "\xFF", "abcdefghij1", "ab", "",
        "abcdefgh", "abcdefghi" };
    TVocabFile doc;
    FillWords(doc, keys);
    doc.Sort(keys);
    EXPECT_EQ(Foreigns(doc),
        (TWords { "", "a", "ab", std::string("ab\0", 3), "abcdefgh", "abcdefghi", "abcdefghij1",
            "abcdefghij2", "\x80", "\xFF" }));

    // Equal keys keep their order on lists of any size, also past 65536 items.
    const std::size_t n = 70000;
    TVocabFile huge;
    FillWords(huge, TWords(n, "w"));
    const auto before = Pointers(huge);
    TWords hugeKeys(n);
    for (std::size_t i = 0; i < n; ++i)
        hugeKeys[i] = i % 3 == 0 ? "b" : "a";
    huge.Sort(hugeKeys);
    std::vector<const TVocabItem*> expected;
    for (const char group : { 'a', 'b' })
        for (std::size_t i = 0; i < n; ++i)
            if (hugeKeys[i][0] == group)
                expected.push_back(before[i]);
    EXPECT_EQ(Pointers(huge), expected);
}
