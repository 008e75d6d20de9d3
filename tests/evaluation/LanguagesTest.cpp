// The language table: complete, ordered, looked up exactly, with charsets and suffixes.

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
    EXPECT_EQ(std::tuple(unknown.Name, unknown.Code, unknown.CodePage, LanguageCharset(0x1234)),
        std::tuple("", "", 0, 0));
    EXPECT_EQ(std::tuple(LanguageLocale(0x040A), LanguageLocale(0x1234)),
        std::tuple(std::string("es_ES@collation=traditional"), std::string("root")));
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
