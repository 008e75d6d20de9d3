// Conversions between the 8-bit code pages, UTF-16 and UTF-8.

#include "evaluation/TextUtils.h"
#include "support/MessageOf.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <stdexcept>

namespace {

constexpr int EightBitPages[] = { 1250, 1251, 1252, 1253, 1254, 1257 };

std::string AllBytesFromSpace()
{
    std::string bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(CodePages, EveryByteRoundTripsThroughUtf16AndUtf8)
{
    const std::string bytes = AllBytesFromSpace();
    for (int codePage : EightBitPages) {
        SCOPED_TRACE(codePage);
        const std::u16string wide = AnsiToWide(bytes, codePage);
        ASSERT_EQ(wide.size(), bytes.size());
        // Distinct bytes stay distinct, and bytes a code page leaves undefined are not replaced.
        EXPECT_EQ(std::set<char16_t>(wide.begin(), wide.end()).size(), wide.size());
        EXPECT_EQ(wide.find(u'\uFFFD'), std::u16string::npos);
        bool lost = true;
        EXPECT_EQ(WideToAnsi(wide, codePage, &lost), bytes);
        EXPECT_FALSE(lost);

        const std::string utf8 = AnsiToUtf8(bytes, codePage);
        EXPECT_EQ(AnsiToWide(utf8, CP_UTF8), wide);
        lost = true;
        EXPECT_EQ(Utf8ToAnsi(utf8, codePage, &lost), bytes);
        EXPECT_FALSE(lost);
    }
}

TEST(CodePages, RandomBytesRoundTrip)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byteOf(0, 255);
    std::uniform_int_distribution<int> lengthOf(0, 40);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(static_cast<std::size_t>(lengthOf(random)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(byteOf(random));
        for (int codePage : EightBitPages) {
            bool lost = true;
            EXPECT_EQ(WideToAnsi(AnsiToWide(bytes, codePage), codePage, &lost), bytes) << codePage;
            EXPECT_FALSE(lost);
            EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(bytes, codePage), codePage), bytes) << codePage;
        }
        // As UTF-8 the same bytes are mostly invalid: one pass repairs them, a second changes nothing.
        const std::u16string wide = AnsiToWide(bytes, CP_UTF8);
        const std::string repaired = WideToAnsi(wide, CP_UTF8);
        EXPECT_EQ(AnsiToWide(repaired, CP_UTF8), wide);
        EXPECT_EQ(AnsiToUtf8(repaired, CP_UTF8), repaired);
    }
}

TEST(CodePages, KnownCharactersOfEachCodePage)
{
    const struct {
        int CodePage;
        unsigned char Byte;
        char16_t Unit;
    } cases[] = { { 1252, 0xE9, u'\u00E9' }, { 1252, 0x80, u'\u20AC' }, { 1252, 0x9C, u'\u0153' },
        { 1252, 0x81, u'\u0081' }, // undefined
        { 1250, 0x8A, u'\u0160' }, { 1250, 0xF8, u'\u0159' }, { 1250, 0xB3, u'\u0142' },
        { 1251, 0xC0, u'\u0410' }, { 1251, 0xE9, u'\u0439' }, { 1251, 0xB8, u'\u0451' },
        { 1253, 0xC1, u'\u0391' }, { 1253, 0xF3, u'\u03C3' }, { 1253, 0xDC, u'\u03AC' },
        { 1254, 0xDD, u'\u0130' }, { 1254, 0xFD, u'\u0131' }, { 1254, 0xF0, u'\u011F' },
        { 1257, 0xE0, u'\u0105' }, { 1257, 0xD0, u'\u0160' }, { 1257, 0xFB, u'\u016B' } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.CodePage) + " " + std::to_string(c.Byte));
        const std::string byte(1, static_cast<char>(c.Byte));
        EXPECT_EQ(AnsiToWide(byte, c.CodePage), std::u16string(1, c.Unit));
        EXPECT_EQ(WideToAnsi(std::u16string(1, c.Unit), c.CodePage), byte);
    }
}

// From UTF-16 and from UTF-8 alike; lone surrogates reach UTF-8 as replacement characters.
TEST(CodePages, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    const struct {
        const char* Name;
        int CodePage;
        std::u16string Text;
        std::string Expected;
        bool Lost;
    } cases[] = { { "CyrillicIn1252", 1252, u"a\u0416z", "a?z", true },
        { "LatinAccentIn1251", 1251, u"\u00E9", "?", true },
        { "QuestionMarkItselfIsNotALoss", 1252, u"?", "?", false },
        { "PairIsOneCharacter", 1252, u"x\U0001F600y", "x?y", true },
        { "LoneLeadSurrogate", 1252, u"x\xD83D", "x?", true },
        { "LoneTrailSurrogate", 1253, std::u16string(1, u'\xDE00') + u"y", "?y", true },
        { "TwoLeadSurrogates", 1252, std::u16string(2, u'\xD83D'), "??", true },
        { "ReplacementChar", 1257, u"\uFFFD", "?", true }, { "Ascii", 1251, u"plain", "plain", false },
        { "Empty", 1250, u"", "", false },
        { "Nul", 1252, std::u16string(2, u'\0'), std::string(2, '\0'), false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        bool lost = !c.Lost;
        EXPECT_EQ(WideToAnsi(c.Text, c.CodePage, &lost), c.Expected);
        EXPECT_EQ(lost, c.Lost);
        EXPECT_EQ(WideToAnsi(c.Text, c.CodePage), c.Expected); // no flag asked for
        lost = !c.Lost;
        EXPECT_EQ(Utf8ToAnsi(WideToAnsi(c.Text, CP_UTF8), c.CodePage, &lost), c.Expected);
        EXPECT_EQ(lost, c.Lost);
    }
    // The substitute stays visible through the cleaning every edited field gets.
    EXPECT_EQ(CollapseSpaces(WideToAnsi(u"\u0416 x", 1252)), "? x");
}

TEST(CodePages, InvalidUtf8BecomesReplacementCharacters)
{
    struct Case {
        const char* Name;
        std::string Bytes;
        std::u16string Expected;
    };
    const Case cases[]
        = { { "TruncatedAtEnd", "ab\xC3", u"ab\uFFFD" }, { "StrayContinuation", "\x80x", u"\uFFFDx" },
              { "InvalidLead", "\xFF", u"\uFFFD" }, { "Overlong", "\xC0\xAF", u"\uFFFD\uFFFD" },
              { "EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD" },
              { "TruncatedThenValid", "\xE2\x82z", u"\uFFFDz" },
              { "BeyondUnicode", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD" },
              { "Valid4Byte", "\xF0\x9F\x98\x80", u"\U0001F600" },
              { "ByteOrderMarkKept", "\xEF\xBB\xBFx", u"\uFEFFx" } };
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiToWide(c.Bytes, CP_UTF8), c.Expected) << c.Name;
        bool lost = false;
        const std::string ansi = Utf8ToAnsi(c.Bytes, 1252, &lost);
        EXPECT_EQ(ansi, WideToAnsi(c.Expected, 1252)) << c.Name;
        EXPECT_TRUE(lost) << c.Name; // each case holds a character 1252 lacks
    }
}

TEST(CodePages, Utf16ToUtf8)
{
    bool lost = true;
    EXPECT_EQ(WideToAnsi(u"\u00E9\u0416\U0001F600", CP_UTF8, &lost), "\xC3\xA9\xD0\x96\xF0\x9F\x98\x80");
    EXPECT_FALSE(lost);
    EXPECT_EQ(WideToAnsi(u"a\xD800z", CP_UTF8, &lost), "a\xEF\xBF\xBDz");
    EXPECT_TRUE(lost);
}

TEST(CodePages, AsciiShortcutMeetsTheSlowPath)
{
    // Long runs exercise the word-at-a-time ASCII check; the non-ASCII byte sits at every offset.
    for (std::size_t at = 0; at < 20; ++at) {
        std::string text(20, 'a');
        text[at] = '\xE9';
        std::string expected(20, 'a');
        expected.replace(at, 1, "\xC3\xA9");
        EXPECT_EQ(AnsiToUtf8(text, 1252), expected) << at;
        EXPECT_EQ(Utf8ToAnsi(expected, 1252), text) << at;
        EXPECT_EQ(AnsiToWide(expected, CP_UTF8).size(), 20u) << at;
    }
    EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3), 1251), std::string("a\0b", 3));
    EXPECT_EQ(AnsiToWide(std::string("a\0b", 3), CP_UTF8), std::u16string(u"a\0b", 3));
}

TEST(CodePages, SupportedAndUnsupportedCodePages)
{
    for (int codePage : { 1250, 1251, 1252, 1253, 1254, 1257, CP_UTF8 }) {
        EXPECT_TRUE(IsSupportedCodePage(codePage)) << codePage;
        EXPECT_EQ(std::tuple(AnsiToWide("", codePage), WideToAnsi(u"", codePage), AnsiToUtf8("", codePage),
                      Utf8ToAnsi("", codePage)),
            std::tuple(u"", "", "", ""));
    }
    for (int codePage : { 0, 437, 1200, 1255, 1256, 1258, -1 }) {
        EXPECT_FALSE(IsSupportedCodePage(codePage)) << codePage;
        EXPECT_THROW(AnsiToWide("a", codePage), std::runtime_error) << codePage;
        EXPECT_THROW(WideToAnsi(u"a", codePage), std::runtime_error) << codePage;
        EXPECT_THROW(AnsiToUtf8("a", codePage), std::runtime_error) << codePage;
        EXPECT_THROW(Utf8ToAnsi("a", codePage), std::runtime_error) << codePage;
    }
    const std::string error = MessageOf<std::runtime_error>([] { AnsiToWide("\xE9", 1255); });
    EXPECT_NE(error.find("1255"), std::string::npos) << error;
}

TEST(CodePages, LanguageCodePages)
{
    // German, Czech, Russian, Greek, Turkish, Lithuanian, Spanish (traditional sort), Arabic (not in the
    // table)
    const std::pair<LangId, int> cases[] = { { 0x0407, 1252 }, { 0x0405, 1250 }, { 0x0419, 1251 },
        { 0x0408, 1253 }, { 0x041F, 1254 }, { 0x0427, 1257 }, { 0x040A, 1252 }, { 0x0401, CP_SYSTEM_DEFAULT },
        { 0x0000, CP_SYSTEM_DEFAULT }, { 0xFFFF, CP_SYSTEM_DEFAULT } };
    for (const auto& [lang, codePage] : cases)
        EXPECT_EQ(LanguageCodePage(lang), codePage) << std::hex << lang;
}

} // namespace
