// Sorting by a field: the keys of each language, sorting positions, and the order of the sort.

#include "core/SortKeys.h"

#include "core/DocumentBuilders.h"
#include "core/VocabFile.h"

#include <gtest/gtest.h>

namespace {

constexpr LangId English = 0x0409;
constexpr LangId German = 0x0407;
constexpr LangId French = 0x040C;
constexpr LangId Russian = 0x0419;
constexpr LangId Swedish = 0x041D;
constexpr LangId SpanishTraditional = 0x040A;
constexpr LangId SpanishModern = 0x0C0A;

struct TEntry {
    std::string Foreign;
    std::int32_t SortingPosition = 0;
    std::string Notes = "";
    std::string Native = "";
};

void Fill(TVocabFile& doc, LangId foreign, LangId native, const std::vector<TEntry>& entries)
{
    doc.SetForeignLangID(foreign);
    doc.SetNativeLangID(native);
    for (const auto& e : entries)
        AppendByAdd(doc, e.Foreign, "", e.Notes, e.Native, e.SortingPosition);
}

std::vector<std::string> Field(const TVocabFile& doc, int field)
{
    std::vector<std::string> values;
    for (const auto& item : doc.ItemList())
        values.emplace_back(item->FieldValue(field));
    return values;
}

using TWords = std::vector<std::string>;

TEST(SortKeysByField, WordsInTheirLanguage)
{
    struct TCase {
        const char* Name;
        LangId Lang;
        std::vector<TEntry> Entries;
        TWords Expected;
    };
    const TCase cases[] = {
        { "sorting positions skip articles", French, { { "le chat", 3 }, { "Apfel", 0 }, { "l'avion", 2 } },
            { "Apfel", "l'avion", "le chat" } },
        { "capitals do not come first", English, { { "banana" }, { "apple" }, { "Cherry" }, { "Apple" } },
            { "apple", "Apple", "banana", "Cherry" } },
        { "punctuation is ignored", English, { { "(b)" }, { "a-c" }, { "ab" } }, { "ab", "a-c", "(b)" } },
        { "a text of punctuation goes first and spoils nothing", English,
            { { "Banana" }, { "apple" }, { "?!" } }, { "?!", "apple", "Banana" } },
        { "equal words keep their order", English,
            { { "b", 0, "1" }, { "a" }, { "b", 0, "2" }, { "B", 0, "3" } }, { "a", "b", "b", "B" } },
        { "German umlaut sorts with its letter", German, { { "Zebra" }, { "\xC4pfel" }, { "Affe" } },
            { "Affe", "\xC4pfel", "Zebra" } },
        { "Swedish umlaut sorts after z", Swedish, { { "\xE4pple" }, { "zebra" }, { "abborre" } },
            { "abborre", "zebra", "\xE4pple" } },
        // Code page 1251: \xB8 yo, \xE4\xEE\xEC "dom", \xE6\xF3\xEA "zhuk"
        { "Russian yo sorts after de", Russian, { { "\xB8\xE6" }, { "\xE4\xEE\xEC" }, { "\xE6\xF3\xEA" } },
            { "\xE4\xEE\xEC", "\xB8\xE6", "\xE6\xF3\xEA" } },
        { "Spanish traditional ch after c", SpanishTraditional, { { "chico" }, { "dama" }, { "cuna" } },
            { "cuna", "chico", "dama" } },
        { "Spanish modern ch within c", SpanishModern, { { "cuna" }, { "dama" }, { "chico" } },
            { "chico", "cuna", "dama" } },
        { "position beyond the text sorts as empty", English, { { "b" }, { "abc", 10 }, { "a" } },
            { "abc", "a", "b" } },
        { "negative position sorts the whole text", English, { { "b" }, { "ab", -2 } }, { "ab", "b" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        Fill(doc, c.Lang, English, c.Entries);
        SortByField(doc, fiForeign);
        EXPECT_EQ(Foreigns(doc), c.Expected);
    }
}

TEST(SortKeysByField, EqualKeysKeepTheirOrder)
{
    TVocabFile doc;
    Fill(doc, English, English, { { "b", 0, "1" }, { "a" }, { "b", 0, "2" }, { "B", 0, "3" } });
    SortByField(doc, fiForeign);
    EXPECT_EQ(Field(doc, fiNotes), (TWords { "", "1", "2", "3" }));
}

TEST(SortKeysByField, NativeFieldsUseTheNativeLanguage)
{
    TVocabFile doc;
    Fill(doc, German, Swedish, { { "Zebra", 0, "", "zebra" }, { "\xC4pfel", 0, "", "\xE4pple" } });
    SortByField(doc, fiNative);
    EXPECT_EQ(Field(doc, fiNative), (TWords { "zebra", "\xE4pple" }));
    SortByField(doc, fiForeign);
    EXPECT_EQ(Foreigns(doc), (TWords { "\xC4pfel", "Zebra" }));
}

TEST(SortKeysByField, EmptyNotesFirstAndSortingPositionOnlyForTheWord)
{
    TVocabFile doc;
    Fill(doc, English, English,
        { { "1", 1, "the b" }, { "2", 0, "" }, { "3", 4, "the a" }, { "4", 0, "" }, { "5", 0, "c" } });
    SortByField(doc, fiNotes);
    EXPECT_EQ(Foreigns(doc), (TWords { "2", "4", "5", "3", "1" }));
}

TEST(SortKeysByField, SortingAgainRecordsAStepAndChangesNothing)
{
    TVocabFile doc;
    Fill(doc, English, English, { { "b" }, { "c" }, { "a" } });
    SortByField(doc, fiForeign);
    const auto sorted = Pointers(doc);
    SortByField(doc, fiForeign);
    EXPECT_EQ(Pointers(doc), sorted);
    EXPECT_EQ(doc.UndoCount(), 5);
    EXPECT_EQ(doc.UndoKind(), ukSort);
}

TEST(SortKeysBuild, PlainKeysAreTheTextAfterTheSortingPosition)
{
    TVocabFile doc;
    Fill(doc, French, English, { { "le chat", 3, "", "cat" }, { "Apfel", 0 }, { "l'avion", 2 }, { "x", 5 } });
    EXPECT_EQ(BuildSortKeys(doc, fiForeign, false), (TWords { "chat", "Apfel", "avion", "" }));
    EXPECT_EQ(BuildSortKeys(doc, fiNative, false), (TWords { "cat", "", "", "" }));
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

TEST(SortKeysOrder, KeysCompareAsUnsignedBytesShorterFirst)
{
    const TWords keys { "\x80", "abcdefghij2", "a", std::string("ab\0", 3), "\xFF", "abcdefghij1", "ab", "",
        "abcdefgh", "abcdefghi" };
    TVocabFile doc;
    FillWords(doc, keys);
    doc.Sort(keys);
    EXPECT_EQ(Foreigns(doc),
        (TWords { "", "a", "ab", std::string("ab\0", 3), "abcdefgh", "abcdefghi", "abcdefghij1",
            "abcdefghij2", "\x80", "\xFF" }));
}

// Equal keys must keep their order on lists of any size, also past 65536 items.
TEST(SortKeysOrder, EqualKeysStayStableOnHugeLists)
{
    const std::size_t n = 70000;
    TVocabFile doc;
    FillWords(doc, TWords(n, "w"));
    const auto before = Pointers(doc);
    TWords keys(n);
    for (std::size_t i = 0; i < n; ++i)
        keys[i] = i % 3 == 0 ? "b" : "a";
    doc.Sort(keys);
    const auto after = Pointers(doc);
    std::vector<const TVocabItem*> expected;
    for (const char group : { 'a', 'b' })
        for (std::size_t i = 0; i < n; ++i)
            if (keys[i][0] == group)
                expected.push_back(before[i]);
    EXPECT_EQ(after, expected);
}

} // namespace
