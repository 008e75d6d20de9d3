// Languages, recent files, display texts, number checks and the sorting marker.

#include "core/DisplayText.h"
#include "core/RecentFileList.h"
#include "core/SortingMarker.h"
#include "evaluation/Languages.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

TEST(Languages, TableIsCompleteUniqueAndInAlphabeticalOrder)
{
    const auto table = LanguageTable();
    ASSERT_EQ(table.size(), 75u);
    std::set<LangId> ids;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& language = table[i];
        EXPECT_TRUE(ids.insert(language.Id).second) << language.Name;
        EXPECT_EQ(language.Code.size(), 2u) << language.Name;
        EXPECT_FALSE(language.Locale.empty()) << language.Name;
        EXPECT_NE(CodePageCharset(language.CodePage) == 0, language.CodePage != 1252) << language.Name;
        EXPECT_TRUE(i == 0 || table[i - 1].Name < language.Name) << language.Name; // as the dialog shows them
    }
    EXPECT_EQ(table.front().Name, "Afrikaans");
    EXPECT_EQ(table.back().Name, "Ukrainian");
}

TEST(Languages, LookupIsExactWhileSameLanguageIgnoresSublanguage)
{
    EXPECT_EQ(FindLanguage(0x0809).Name, "English (United Kingdom)");
    EXPECT_EQ(FindLanguage(0x0409).Name, "English (United States)");
    EXPECT_EQ(PrimaryLanguage(0x0809), PrimaryLanguage(0x0409));
    const auto& unknown = FindLanguage(0x1234);
    EXPECT_EQ(unknown.Name, "");
    EXPECT_EQ(unknown.Code, "");
    EXPECT_EQ(unknown.CodePage, 0);
    EXPECT_EQ(LanguageCharset(0x1234), 0);
    EXPECT_EQ(LanguageLocale(0x040A), "es_ES@collation=traditional");
    EXPECT_EQ(LanguageLocale(0x1234), "root");
    ASSERT_NE(FindLanguageByName("German (Standard)"), nullptr);
    EXPECT_EQ(FindLanguageByName("german (standard)")->Id, 0x0407);
    EXPECT_EQ(FindLanguageByName("Klingon"), nullptr);
}

TEST(Languages, CharsetsAndSuffixes)
{
    for (const auto& [id, charset, suffix, script] :
        { std::tuple<LangId, int, const char*, const char*> { 0x0415, 238, " CE", "Central European" },
            { 0x0419, 204, " Cyr", "Cyrillic" }, { 0x0408, 161, " Greek", "Greek" },
            { 0x041F, 162, " Tur", "Turkish" }, { 0x0426, 186, " Baltic", "Baltic" },
            { 0x0407, 0, "", "Western" } }) {
        EXPECT_EQ(LanguageCharset(id), charset) << id;
        EXPECT_EQ(CharsetSuffix(charset), suffix);
        EXPECT_EQ(CharsetScriptName(charset), script);
    }
    EXPECT_EQ(CharsetSuffix(77), "");
}

TEST(RecentFileList, AddMovesToFrontDropsTheOldestAndLoadRaisesTheCapacity)
{
    TRecentFileList list(9);
    for (int i = 1; i <= 9; ++i)
        list.Add("/f" + std::to_string(i));
    list.Add("/f6"); // from position 3
    EXPECT_EQ(list.Count(), 9);
    for (const auto& [index, name] : { std::pair { 0, "/f6" }, { 1, "/f9" }, { 3, "/f7" }, { 4, "/f5" } })
        EXPECT_EQ(list[index], name) << index;
    list.Add("/f10");
    EXPECT_EQ(list.Count(), 9);
    EXPECT_EQ(list[0], "/f10");
    EXPECT_EQ(list[8], "/f2"); // /f1 was the oldest

    // Two names in different case are two files on a case-sensitive file system.
    list.Add("/home/a/List.vmr");
    list.Add("/home/a/list.vmr");
    EXPECT_EQ(list[1], "/home/a/List.vmr");
    EXPECT_FALSE(SameFileName("/a/X.vmr", "/a/x.vmr"));
    EXPECT_TRUE(SameFileName("/a/x.vmr", "/a/x.vmr"));

    // Loading keeps the stored order and raises the capacity.
    TRecentFileList loaded(9);
    for (int i = 0; i < 12; ++i)
        loaded.Load("/f" + std::to_string(i));
    EXPECT_EQ(loaded.Count(), 12);
    EXPECT_EQ(loaded.Capacity(), 12);
    EXPECT_EQ(loaded[0], "/f0");
    EXPECT_EQ(loaded[11], "/f11");
    loaded.Add("/new");
    EXPECT_EQ(loaded.Count(), 12);
    EXPECT_EQ(loaded[0], "/new");
}

TEST(DisplayText, TitlesNamesAndPercentages)
{
    EXPECT_EQ(DisplayTitle(""), "Untitled");
    EXPECT_EQ(DisplayTitle("/home/u/German.vmr"), "German.vmr");
    EXPECT_EQ(DisplayTitle("German.vmr"), "German.vmr");
    EXPECT_EQ(DisplayName("/home/u/German.vmr"), "/home/u/German.vmr");
    EXPECT_EQ(DisplayName(""), "Untitled");
    for (const auto& [part, whole, text] :
        { std::tuple { 2, 3, "67%" }, { 1, 8, "13%" }, { 0, 0, "0%" }, { 5, 5, "100%" }, { 0, 7, "0%" } })
        EXPECT_EQ(PercentText(part, whole), text) << part << "/" << whole;
}

TEST(DisplayText, ShortenPathKeepsTrailingFoldersThenCutsTheName)
{
    // Each character is 10 pixels wide.
    const TTextWidth width = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };
    const std::string path = "/home/user/lists/german/basic.vmr";
    for (const auto& [room, shown] :
        { std::pair<int, std::string> { 1000, path }, { 210, "/.../german/basic.vmr" },
            { 140, "/.../basic.vmr" }, { 90, "basic.vmr" }, { 60, "bas..." }, { 40, "b..." }, { 30, "" } })
        EXPECT_EQ(ShortenPath(path, width, room), shown) << room;
    for (int w = 0; w <= 400; w += 7)
        EXPECT_LE(width(ShortenPath(path, width, w)), w) << w;
}

TEST(DisplayText, NumberChecks)
{
    std::int32_t value = 0;
    EXPECT_TRUE(IntInRange("5", 1, 999, &value));
    EXPECT_EQ(value, 5);
    for (const char* text : { "1", " 999 " })
        EXPECT_TRUE(IntInRange(text, 1, 999)) << text;
    EXPECT_TRUE(IntInRange("-5", -10, 0));
    for (const char* text : { "", "0", "1000", "12abc", "2147483648", "99999999999" })
        EXPECT_FALSE(IntInRange(text, 1, 999)) << text;
    // An empty text counts as min - 1, which is in a range that starts one lower.
    EXPECT_FALSE(IntInRange("", INT32_MIN, 0));
    EXPECT_EQ(IntRangeMessage(1, 999), "Number must be between 1 and 999.");
    EXPECT_EQ(FloatRangeMessage(0, 99), "Number must be between 0 and 99.");
    EXPECT_EQ(FloatRangeMessage(0.5, 2.25), "Number must be between 0.5 and 2.25.");
    double d = 0;
    EXPECT_TRUE(FloatInRange("2.5", 0, 99, &d));
    EXPECT_DOUBLE_EQ(d, 2.5);
    for (const char* text : { "abc", "", "nan", "100", "0x10", "1e1", ".", "1.2.3", "inf" })
        EXPECT_FALSE(FloatInRange(text, 0, 99)) << text;
    EXPECT_TRUE(FloatInRange(" -.5 ", -1, 0));
}

TEST(SortingMarker, ReadAndShow)
{
    for (const auto& [typed, text, position] :
        { std::tuple<const char*, const char*, int> { "la @maison", "la maison", 3 },
            { "@maison", "maison", 0 }, { "maison@", "maison", 0 }, { "a@b@c", "ab@c", 1 },
            { "maison", "maison", 0 }, { "@", "", 0 } }) {
        std::string read = typed;
        EXPECT_EQ(ExtractSortingMarker(read), position) << typed;
        EXPECT_EQ(read, text) << typed;
    }
    EXPECT_EQ(InsertSortingMarker("la maison", 3, false), "la @maison");
    EXPECT_EQ(InsertSortingMarker("maison", 0, true), "@maison");
    EXPECT_EQ(InsertSortingMarker("maison", 0, false), "maison");
    EXPECT_EQ(InsertSortingMarker("ab", 10, false), "ab@");
}
