// Languages, recent files, display texts, number checks and the sorting marker.

#include "core/DisplayText.h"
#include "core/Languages.h"
#include "core/RecentFileList.h"
#include "core/SortingMarker.h"

#include <gtest/gtest.h>
#include <set>

TEST(Languages, TableIsCompleteAndUnique)
{
    const auto table = LanguageTable();
    ASSERT_EQ(table.size(), 75u);
    std::set<LangId> ids;
    for (const auto& language : table) {
        EXPECT_TRUE(ids.insert(language.Id).second) << language.Name;
        EXPECT_EQ(language.Code.size(), 2u) << language.Name;
        EXPECT_FALSE(language.Locale.empty()) << language.Name;
        EXPECT_NE(CodePageCharset(language.CodePage) == 0, language.CodePage != 1252) << language.Name;
    }
    EXPECT_EQ(table.front().Name, "Afrikaans");
    EXPECT_EQ(table.back().Name, "Ukrainian");
    // The list is in alphabetical order, as the properties dialog shows it.
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].Name, table[i].Name);
}

TEST(Languages, LookupIsExactWhileSameLanguageIgnoresSublanguage)
{
    EXPECT_EQ(FindLanguage(0x0809).Name, "English (United Kingdom)");
    EXPECT_EQ(FindLanguage(0x0409).Name, "English (United States)");
    EXPECT_EQ(PrimaryLanguage(0x0809), PrimaryLanguage(0x0409));
    EXPECT_TRUE(IsEnglish(0x0C09));
    EXPECT_FALSE(IsEnglish(0x0407));
    const auto& unknown = FindLanguage(0x1234);
    EXPECT_EQ(unknown.Name, "");
    EXPECT_EQ(unknown.Code, "");
    EXPECT_EQ(unknown.CodePage, 0);
    EXPECT_EQ(LanguageCharset(0x1234), 0);
    EXPECT_EQ(LanguageLocale(0x040A), "es_ES@collation=traditional");
    EXPECT_EQ(LanguageLocale(0x1234), "root");
}

TEST(Languages, CharsetsAndSuffixes)
{
    struct Case {
        LangId id;
        int charset;
        const char* suffix;
        const char* script;
    };
    const Case cases[] = {
        { 0x0415, 238, " CE", "Central European" },
        { 0x0419, 204, " Cyr", "Cyrillic" },
        { 0x0408, 161, " Greek", "Greek" },
        { 0x041F, 162, " Tur", "Turkish" },
        { 0x0426, 186, " Baltic", "Baltic" },
        { 0x0407, 0, "", "Western" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageCharset(c.id), c.charset) << c.id;
        EXPECT_EQ(CharsetSuffix(c.charset), c.suffix);
        EXPECT_EQ(CharsetScriptName(c.charset), c.script);
    }
    EXPECT_EQ(CharsetSuffix(77), "");
}

TEST(Languages, FindByName)
{
    ASSERT_NE(FindLanguageByName("German (Standard)"), nullptr);
    EXPECT_EQ(FindLanguageByName("german (standard)")->Id, 0x0407);
    EXPECT_EQ(FindLanguageByName("Klingon"), nullptr);
}

TEST(RecentFileList, AddMovesToFrontAndDropsTheOldest)
{
    TRecentFileList list(9);
    for (int i = 1; i <= 9; ++i)
        list.Add("/f" + std::to_string(i));
    EXPECT_EQ(list[0], "/f9");
    list.Add("/f6"); // at position 3
    EXPECT_EQ(list[0], "/f6");
    EXPECT_EQ(list[1], "/f9");
    EXPECT_EQ(list[3], "/f7");
    EXPECT_EQ(list[4], "/f5");
    EXPECT_EQ(list.Count(), 9);
    list.Add("/f10");
    EXPECT_EQ(list.Count(), 9);
    EXPECT_EQ(list[0], "/f10");
    EXPECT_EQ(list[8], "/f2"); // /f1 was the oldest
}

TEST(RecentFileList, CaseMattersOnThisFileSystem)
{
    TRecentFileList list(9);
    list.Add("/home/a/List.vmr");
    list.Add("/home/a/list.vmr");
    // Two different files on a case-sensitive file system stay two entries.
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(SameFileName("/a/X.vmr", "/a/x.vmr"));
    EXPECT_TRUE(SameFileName("/a/x.vmr", "/a/x.vmr"));
}

TEST(RecentFileList, LoadKeepsStoredOrderAndRaisesCapacity)
{
    TRecentFileList list(9);
    for (int i = 0; i < 12; ++i)
        list.Load("/f" + std::to_string(i));
    EXPECT_EQ(list.Count(), 12);
    EXPECT_EQ(list.Capacity(), 12);
    EXPECT_EQ(list[0], "/f0");
    EXPECT_EQ(list[11], "/f11");
    list.Add("/new");
    EXPECT_EQ(list.Count(), 12);
    EXPECT_EQ(list[0], "/new");
}

TEST(DisplayText, TitlesAndNames)
{
    EXPECT_EQ(DisplayTitle(""), "Untitled");
    EXPECT_EQ(DisplayTitle("/home/u/German.vmr"), "German.vmr");
    EXPECT_EQ(DisplayTitle("German.vmr"), "German.vmr");
    EXPECT_EQ(DisplayName("/home/u/German.vmr"), "/home/u/German.vmr");
    EXPECT_EQ(DisplayName(""), "Untitled");
}

TEST(DisplayText, PercentText)
{
    EXPECT_EQ(PercentText(2, 3), "67%");
    EXPECT_EQ(PercentText(1, 8), "13%");
    EXPECT_EQ(PercentText(0, 0), "0%");
    EXPECT_EQ(PercentText(5, 5), "100%");
    EXPECT_EQ(PercentText(0, 7), "0%");
}

TEST(DisplayText, ShortenPathKeepsTrailingFoldersThenCutsTheName)
{
    // Each character is 10 pixels wide.
    const TTextWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };
    const std::string path = "/home/user/lists/german/basic.vmr";
    EXPECT_EQ(ShortenPath(path, width, 1000), path);
    EXPECT_EQ(ShortenPath(path, width, 210), "/.../german/basic.vmr");
    EXPECT_EQ(ShortenPath(path, width, 140), "/.../basic.vmr");
    EXPECT_EQ(ShortenPath(path, width, 90), "basic.vmr");
    EXPECT_EQ(ShortenPath(path, width, 60), "bas...");
    EXPECT_EQ(ShortenPath(path, width, 40), "b...");
    EXPECT_EQ(ShortenPath(path, width, 30), "");
    for (int w = 0; w <= 400; w += 7)
        EXPECT_LE(width(ShortenPath(path, width, w)), std::max(w, 0)) << w;
}

TEST(DisplayText, NumberChecks)
{
    std::int32_t value = 0;
    EXPECT_TRUE(IntInRange("5", 1, 999, &value));
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(IntInRange(" 999 ", 1, 999));
    EXPECT_FALSE(IntInRange("", 1, 999));
    EXPECT_FALSE(IntInRange("1000", 1, 999));
    EXPECT_FALSE(IntInRange("12abc", 1, 999));
    EXPECT_FALSE(IntInRange("99999999999", 1, 999));
    EXPECT_TRUE(IntInRange("-5", -10, 0));
    // An empty text counts as min - 1, which is in a range that starts one lower.
    EXPECT_FALSE(IntInRange("", INT32_MIN, 0));
    EXPECT_EQ(IntRangeMessage(1, 999), "Number must be between 1 and 999.");
    EXPECT_EQ(FloatRangeMessage(0, 99), "Number must be between 0 and 99.");
    EXPECT_EQ(FloatRangeMessage(0.5, 2.25), "Number must be between 0.5 and 2.25.");
    double d = 0;
    EXPECT_TRUE(FloatInRange("2.5", 0, 99, &d));
    EXPECT_DOUBLE_EQ(d, 2.5);
    EXPECT_FALSE(FloatInRange("abc", 0, 99));
    EXPECT_FALSE(FloatInRange("", 0, 99));
    EXPECT_FALSE(FloatInRange("nan", 0, 99));
    EXPECT_FALSE(FloatInRange("100", 0, 99));
}

TEST(SortingMarker, ReadAndShow)
{
    struct Case {
        const char* typed;
        const char* text;
        std::int32_t position;
    };
    const Case cases[] = {
        { "la @maison", "la maison", 3 },
        { "@maison", "maison", 0 },
        { "maison@", "maison", 0 },
        { "a@b@c", "ab@c", 1 },
        { "maison", "maison", 0 },
        { "@", "", 0 },
    };
    for (const auto& c : cases) {
        std::string text = c.typed;
        EXPECT_EQ(ExtractSortingMarker(text), c.position) << c.typed;
        EXPECT_EQ(text, c.text) << c.typed;
    }
    EXPECT_EQ(InsertSortingMarker("la maison", 3, false), "la @maison");
    EXPECT_EQ(InsertSortingMarker("maison", 0, true), "@maison");
    EXPECT_EQ(InsertSortingMarker("maison", 0, false), "maison");
    EXPECT_EQ(InsertSortingMarker("ab", 10, false), "ab@");
}
