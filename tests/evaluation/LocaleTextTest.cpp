// Locale services on 8-bit text: lower case, accent removal, letter/digit classes and sort keys.

#include "evaluation/TextIn.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr LangId Lithuanian = 0x0427, Swedish = 0x041D, SpanishTraditional = 0x040A, SpanishModern = 0x0C0A,
                 NotInTable = 0x0401;

std::string Out(LangId lang, std::string_view bytes)
{
    return AnsiToUtf8(bytes, LanguageCodePage(lang));
}

struct MapCase {
    LangId Lang;
    const char* Text;
    const char* Expected;
};

TEST(LocaleTextLower, PerLanguage)
{
    // Turkish, English, then Turkish again: no language may reuse another's table for I.
    const MapCase cases[] = {
        { English, "HELLO World 42!", "hello world 42!" },
        { English, "ÀÉÎÕÜ ŒŠŽŸ", "àéîõü œšžÿ" },
        { German, "ÄÖÜ STRASSE ß", "äöü strasse ß" },
        { French, "ÉCOLE ÇA GARÇON", "école ça garçon" },
        { Czech, "ŘÍZEK ŽLUŤOUČKÝ", "řízek žluťoučký" },
        { Russian, "ПРИВЕТ, ЁЖИК Й", "привет, ёжик й" },
        { Greek, "ΣΟΦΊΑ ΆΈΉ", "σοφία άέή" },
        { Greek, "ΛΟΓΟΣ", "λογοσ" }, // byte by byte: no final sigma
        { Turkish, "IĞDIR İSTANBUL", "ığdır istanbul" },
        { English, "I Ý", "i ý" },
        { Turkish, "ŞÇÖÜ I", "şçöü ı" },
        { Lithuanian, "ĄČĘĖĮŠŲŪŽ I", "ąčęėįšųūž i" },
        { NotInTable, "ÀB", "àb" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Out(c.Lang, LowerCaseLocale(In(c.Lang, c.Text), c.Lang)), c.Expected) << c.Text;
}

TEST(LocaleTextLower, BytesWithoutCaseStayAsTheyAre)
{
    const std::string bytes = "\x81\x8D\x9D 0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
    EXPECT_EQ(LowerCaseLocale(bytes, English), bytes);
    EXPECT_EQ(LowerCaseLocale("", English), "");
    EXPECT_EQ(LowerCaseLocale(std::string("A\0B", 3), English), std::string("a\0b", 3));
    EXPECT_EQ(LowerCaseLocale("\xD2\xFF", Greek), "\xD2\xFF"); // undefined in 1253
}

TEST(LocaleTextLower, EveryByteLowersToALowerCaseOrItself)
{
    // A lower-cased byte must not lower again to something else.
    for (LangId lang : { English, Czech, Russian, Greek, Turkish, Lithuanian }) {
        for (int b = 1; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            const std::string lower = LowerCaseLocale(byte, lang);
            ASSERT_EQ(lower.size(), 1u) << std::hex << lang << " " << b;
            EXPECT_EQ(LowerCaseLocale(lower, lang), lower) << std::hex << lang << " " << b;
        }
    }
}

TEST(LocaleTextAccents, PerLanguage)
{
    const MapCase cases[] = {
        { French, "élève à Noël, ça où", "eleve a Noel, ca ou" },
        { German, "Äpfel Über Öl ß", "Apfel Uber Ol ß" },
        { English, "æøå ÆØÅ", "æøa ÆØA" }, // letters of their own, not accented ones
        { Czech, "ěščřžýáíéůú Ř", "escrzyaieuu R" },
        { Czech, "łŁ", "łŁ" },
        { Russian, "йЙёЁ ж", "иИеЕ ж" },
        { Greek, "άέήίόύώΐΰ Ά", "αεηιουωιυ Α" },
        { Turkish, "ğşçİ ı", "gscI ı" },
        { Lithuanian, "ąčęėįšųūž", "aceeisuuz" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Out(c.Lang, StripAccents(In(c.Lang, c.Text), c.Lang)), c.Expected) << c.Text;
    EXPECT_EQ(StripAccents("", French), "");
}

TEST(LocaleTextCase, FoldingTonosAndLowerCase)
{
    const struct {
        LangId Lang;
        const char* Text;
        const char* Folded; // CaseFoldLocale
        const char* WithoutTonos; // StripTonos
        bool Lower; // HasLowerCase
    } cases[] = { { Greek, "ΛΟΓΟΣ λόγος σς", "λογοσ λόγοσ σσ", "ΛΟΓΟΣ λογος σς", true },
        { Greek, "ΆΈΉΊΌΎΏ ΐΰ Ϊ", "άέήίόύώ ΐΰ ϊ", "ΑΕΗΙΟΥΩ ϊϋ Ϊ", true },
        { Greek, "Ο ΣΚΥΛΟΣ 1!", "ο σκυλοσ 1!", "Ο ΣΚΥΛΟΣ 1!", false },
        { German, "STRASSE ß Ä", "strasse ß ä", "STRASSE ß Ä", true },
        { German, "STRASSE Ä", "strasse ä", "STRASSE Ä", false },
        { Turkish, "IĞDIR İ", "ığdır i", "IĞDIR İ", false }, { Russian, "ЁЛКА", "ёлка", "ЁЛКА", false },
        { English, "Hello, WORLD", "hello, world", "Hello, WORLD", true } };
    for (const auto& c : cases) {
        EXPECT_EQ(Out(c.Lang, CaseFoldLocale(In(c.Lang, c.Text), c.Lang)), c.Folded) << c.Text;
        EXPECT_EQ(Out(c.Lang, StripTonos(In(c.Lang, c.Text), c.Lang)), c.WithoutTonos) << c.Text;
        EXPECT_EQ(HasLowerCase(In(c.Lang, c.Text), c.Lang), c.Lower) << c.Text;
    }
}

TEST(LocaleTextAccents, FoldAccentsForAnswers)
{
    const struct {
        LangId Lang;
        const char* Text;
        const char* Stripped;
        const char* Spelled;
    } cases[] = {
        { German, "Straße müde ÄÖÜ café", "Strasse mude AOU cafe", "Strasse muede AeOeUe cafe" },
        { LangId { 0x0807 }, "Grüße", "Grusse", "Gruesse" }, // every German, same code page
        { French, "Straße müde élève", "Straße mude eleve", "Straße mude eleve" },
        { Russian, "ёлка Ё й", "елка Е и", "елка Е и" },
        { Greek, "σκύλος ΐ", "σκυλος ι", "σκυλος ι" },
        { Czech, "příliš žluťoučký", "prilis zlutoucky", "prilis zlutoucky" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Out(c.Lang, FoldAccents(In(c.Lang, c.Text), c.Lang, false)), c.Stripped) << c.Text;
        EXPECT_EQ(Out(c.Lang, FoldAccents(In(c.Lang, c.Text), c.Lang, true)), c.Spelled) << c.Text;
    }
}

TEST(LocaleTextClasses, RemovePunctuation)
{
    const struct {
        LangId Lang;
        const char* Text;
        bool DropSpaces;
        const char* Expected;
    } cases[] = {
        { English, "Hello, world! 42", false, "Hello world 42" },
        { English, "Hello, world! 42", true, "Helloworld42" }, { English, "co-op (n.)", false, "coop n" },
        { English, "a\tb", false, "a\tb" }, { English, "a\tb", true, "ab" },
        { French, "«ça» — l’été…", false, "ça  lété" }, { German, "Straße, Äpfel!", true, "StraßeÄpfel" },
        { Russian, "Привет, мир! Ёж?", false, "Привет мир Ёж" },
        { Greek, "Τι κάνεις; Καλά.", false, "Τι κάνεις Καλά" }, { English, "!?.,;:", false, "" },
        { English, "", false, "" },
        { English, "ªº ²³ ×÷ §¶", true, "ªº" }, // ordinal indicators are letters; superscripts are not digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(Out(c.Lang, RemovePunctuation(In(c.Lang, c.Text), c.Lang, c.DropSpaces)), c.Expected)
            << c.Text;
}

TEST(LocaleTextClasses, MaskNonAlphanumeric)
{
    const MapCase cases[] = { { English, "a-b c!", "a_b_c_" }, { Russian, "д.б. 5", "д_б__5" },
        { Greek, "ά;", "ά_" }, { English, "", "" } };
    for (const auto& c : cases) {
        const std::string text = In(c.Lang, c.Text);
        const std::string masked = MaskNonAlphanumeric(text, c.Lang, '_');
        EXPECT_EQ(masked.size(), text.size()) << c.Text;
        EXPECT_EQ(Out(c.Lang, masked), c.Expected) << c.Text;
    }
    EXPECT_EQ(MaskNonAlphanumeric(std::string("a\0b", 3), English, ' '), "a b");
}

TEST(LocaleTextClasses, IsAlphaNumericDependsOnTheCodePage)
{
    // é × ª, an undefined byte and the no-break space in 1252; й № in 1251; ι and an undefined byte in 1253;
    // š in 1250 and 1252; ą in 1257; ¿ in 1252.
    const struct {
        LangId Lang;
        unsigned char Byte;
        bool Expected;
    } cases[] = { { English, 'a', true }, { English, 'Z', true }, { English, '5', true },
        { English, ' ', false }, { English, '_', false }, { English, 0xE9, true }, { English, 0xD7, false },
        { English, 0xAA, true }, { English, 0x81, false }, { English, 0xA0, false }, { Russian, 0xE9, true },
        { Russian, 0xB9, false }, { Greek, 0xE9, true }, { Greek, 0xD2, false }, { Czech, 0x9A, true },
        { English, 0x9A, true }, { Lithuanian, 0xE0, true }, { English, 0xBF, false },
        { English, 0, false } };
    for (const auto& c : cases)
        EXPECT_EQ(IsAlphaNumeric(c.Byte, c.Lang), c.Expected) << std::hex << c.Lang << " " << int(c.Byte);
}

std::vector<std::string> SortedByKey(LangId lang, std::vector<std::string> words)
{
    std::stable_sort(words.begin(), words.end(), [lang](const std::string& a, const std::string& b) {
        return MakeSortKey(In(lang, a), lang) < MakeSortKey(In(lang, b), lang);
    });
    return words;
}

TEST(LocaleTextSortKey, OrdersByLanguage)
{
    struct Case {
        const char* Name;
        LangId Lang;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        { "GermanUmlautWithItsVowel", German,
            { "apfel", "Äpfel", "Apfelbaum", "Aprikose", "Bar", "Bär", "Zebra" } },
        { "SwedishUmlautAfterZ", Swedish, { "apa", "zebra", "åka", "ärlig", "öl" } },
        { "SpanishTraditionalChAndLl", SpanishTraditional,
            { "cuna", "chico", "dama", "lana", "luz", "llama" } },
        { "SpanishModern", SpanishModern, { "chico", "cuna", "dama", "lana", "llama", "luz" } },
        { "RussianYoWithYe", Russian, { "еда", "ёж", "ежи", "жук" } },
        { "Czech", Czech, { "cena", "čas", "hrad", "chata", "rak", "řeka" } },
        { "NotInTable", NotInTable, { "a", "b b", "bb", "c" } },
    };
    for (const auto& c : cases) {
        auto shuffled = c.Expected;
        std::reverse(shuffled.begin(), shuffled.end());
        std::rotate(shuffled.begin(), shuffled.begin() + 1, shuffled.end());
        EXPECT_EQ(SortedByKey(c.Lang, shuffled), c.Expected) << c.Name;
    }
}

TEST(LocaleTextSortKey, CaseIgnoredAccentsKept)
{
    const struct {
        LangId Lang;
        const char* A;
        const char* B;
        bool Equal;
    } cases[] = {
        { English, "HELLO", "hello", true }, { German, "ÄPFEL", "äpfel", true },
        { Russian, "ЁЖИК", "ёжик", true }, { Greek, "ΣΟΦΊΑ", "σοφία", true },
        { Turkish, "IŞIK", "ışık", true }, { Turkish, "İNCE", "ince", true },
        { French, "résumé", "resume", false }, { German, "Bär", "Bar", false },
        { English, "co-op", "coop", true }, // punctuation goes first
        { French, "l'eau", "leau", true }, { English, "a b", "ab", false }, // spaces stay
    };
    for (const auto& c : cases) {
        const std::string a = MakeSortKey(In(c.Lang, c.A), c.Lang);
        const std::string b = MakeSortKey(In(c.Lang, c.B), c.Lang);
        EXPECT_FALSE(a.empty()) << c.A;
        EXPECT_EQ(a == b, c.Equal) << c.A << " / " << c.B;
    }
}

TEST(LocaleTextSortKey, EmptyOnlyWhenNothingIsLeftAndNeverHoldsZeroBytes)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    for (LangId lang :
        { English, German, Russian, Greek, Turkish, Czech, Lithuanian, SpanishTraditional, NotInTable }) {
        SCOPED_TRACE(lang);
        EXPECT_EQ(MakeSortKey("", lang), "");
        EXPECT_EQ(MakeSortKey("!?.,;:-()", lang), "");
        const std::string key = MakeSortKey(all, lang);
        EXPECT_FALSE(key.empty());
        EXPECT_EQ(key.find('\0'), std::string::npos);
    }
    EXPECT_EQ(MakeSortKey("\x81\x90", English), ""); // undefined in 1252: no letters
}

TEST(LocaleTextSortKey, WorksOnAnotherThread)
{
    // The shared tables and each thread's collators are made on first use: threads asking at the
    // same time get what one thread alone gets.
    const std::pair<LangId, const char*> words[] = { { Turkish, "Işık" }, { Lithuanian, "Ąžuolas" },
        { Russian, "Ёлка" }, { Greek, "Άλφα" }, { NotInTable, "ABC" } };
    const auto work = [&](std::vector<std::string>& out) {
        for (const auto& [lang, word] : words) {
            out.push_back(MakeSortKey(In(lang, word), lang));
            out.push_back(LowerCaseLocale(In(lang, word), lang));
        }
    };
    std::vector<std::string> first, second, alone;
    std::thread a([&] { work(first); });
    std::thread b([&] { work(second); });
    a.join();
    b.join();
    work(alone);
    EXPECT_EQ(first, alone);
    EXPECT_EQ(second, alone);
}

} // namespace
