// Splitting, quoting, white space, UTF-16 helpers, RTF escaping and length-prefixed stream text.

#include "evaluation/TextUtils.h"

#include "core/Errors.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <streambuf>

namespace {

using Fields = std::vector<std::string>;

// ASCII test text in its UTF-16 form, so both forms of a function run on the same cases.
std::u16string W(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::vector<std::u16string> W(const Fields& fields)
{
    std::vector<std::u16string> result;
    for (const auto& field : fields)
        result.push_back(W(field));
    return result;
}

struct CsvCase {
    const char* Name;
    std::string Text;
    bool Trim;
    bool SkipEmpty;
    int MaxIndex;
    Fields Expected;
};

class TextUtilsCsvSplit : public testing::TestWithParam<CsvCase> { };

TEST_P(TextUtilsCsvSplit, SplitsLikeBothForms)
{
    const auto& c = GetParam();
    Fields fields { "left over" };
    EXPECT_EQ(
        SplitCsvLine(c.Text, c.Trim, c.SkipEmpty, c.MaxIndex, fields), static_cast<int>(c.Expected.size()));
    EXPECT_EQ(fields, c.Expected);

    std::vector<std::u16string> wide { u"left over" };
    EXPECT_EQ(
        SplitCsvLineW(W(c.Text), c.Trim, c.SkipEmpty, c.MaxIndex, wide), static_cast<int>(c.Expected.size()));
    EXPECT_EQ(wide, W(c.Expected));
}

std::string TwentyFields()
{
    std::string line;
    for (int i = 0; i < 20; ++i)
        line += (i ? "," : "") + std::string("f") + std::to_string(i);
    return line;
}

Fields FirstFields(int count)
{
    Fields fields;
    for (int i = 0; i < count; ++i)
        fields.push_back("f" + std::to_string(i));
    return fields;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextUtilsCsvSplit,
    testing::Values(
        CsvCase { "QuotedCommaAndDoubledQuote", R"(a,"b,c","""")", true, false, 15, { "a", "b,c", "\"" } },
        CsvCase { "StopsAfterMaxIndexPlusOne", TwentyFields(), false, false, 15, FirstFields(16) },
        CsvCase { "MaxIndexZero", "a,b", false, false, 0, { "a" } },
        CsvCase { "NegativeMaxIndex", "a,b", false, false, -1, {} },
        CsvCase { "EmptyInput", "", false, false, 15, {} },
        CsvCase { "EmptyInputSkipEmpty", "", true, true, 15, {} },
        CsvCase { "TrailingComma", "a,", false, false, 15, { "a", "" } },
        CsvCase { "TrailingCommaSkipEmpty", "a,", false, true, 15, { "a" } },
        CsvCase { "OnlyCommas", ",,", false, false, 15, { "", "", "" } },
        CsvCase { "SkippedFieldsDoNotCount", ",,a,,b", false, true, 0, { "a" } },
        CsvCase { "BlankFieldSkippedOnlyWhenTrimmed", "a, ,b", true, true, 15, { "a", "b" } },
        CsvCase { "BlankFieldKeptWithoutTrim", "a, ,b", false, true, 15, { "a", " ", "b" } },
        CsvCase { "NoTrim", " a , b ", false, false, 15, { " a ", " b " } },
        CsvCase { "Trim", " a , b ", true, false, 15, { "a", "b" } },
        CsvCase { "QuotedFieldWithOuterSpaces", R"( "x y" ,z)", false, false, 15, { "x y", "z" } },
        CsvCase { "UnterminatedQuoteRunsToEnd", R"(a,"b,c)", false, false, 15, { "a", "\"b,c" } },
        CsvCase { "QuotesInsideField", R"(ab"c,d"e,f)", false, false, 15, { "ab\"c,d\"e", "f" } },
        CsvCase { "EmptyQuotedField", R"("",x)", false, false, 15, { "", "x" } },
        CsvCase { "LoneQuote", R"(",x)", false, false, 15, { "\",x" } }),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TextUtilsCsv, UnquoteRules)
{
    const std::pair<std::string, std::string> cases[] = {
        { R"("abc")", "abc" },
        { R"("a""b")", "a\"b" },
        { R"("""")", "\"" },
        { R"("""""")", R"("")" }, // two pairs inside
        { R"(""""")", R"("")" }, // a pair and a lone quote inside
        { R"("")", "" },
        { "\"", "\"" }, // one character is too short to be quoted
        { R"(  "x"  )", "x" }, // judged on the trimmed field
        { R"(  x  )", "  x  " }, // otherwise unchanged, not trimmed
        { R"("a)", "\"a" },
        { R"(a")", "a\"" },
        { "", "" },
    };
    for (const auto& [field, expected] : cases) {
        EXPECT_EQ(UnquoteCsvField(field), expected) << field;
        EXPECT_EQ(UnquoteCsvFieldW(W(field)), W(expected)) << field;
    }
}

TEST(TextUtilsCsv, QuoteRules)
{
    const std::pair<std::string, std::string> cases[] = {
        { "plain", "plain" },
        { "", "" },
        { " spaced ", " spaced " },
        { "a,b", R"("a,b")" },
        { R"(say "hi")", R"("say ""hi""")" },
        { "\"", R"("""")" },
    };
    for (const auto& [field, expected] : cases) {
        EXPECT_EQ(QuoteCsvField(field), expected) << field;
        EXPECT_EQ(QuoteCsvFieldW(W(field)), W(expected)) << field;
    }
}

TEST(TextUtilsCsv, QuotedFieldsSplitBackToTheOriginals)
{
    const Fields original { "plain", "a,b", "say \"hi\"", "\"", "", ",,", "\"\"" };
    std::string line;
    for (std::size_t i = 0; i < original.size(); ++i)
        line += (i ? "," : "") + QuoteCsvField(original[i]);
    Fields fields;
    EXPECT_EQ(SplitCsvLine(line, false, false, 99, fields), static_cast<int>(original.size()));
    EXPECT_EQ(fields, original);
    for (const auto& field : original)
        EXPECT_EQ(UnquoteCsvField(QuoteCsvField(field)), field);
}

struct DelimitedCase {
    const char* Name;
    std::string Text;
    std::string Delimiters;
    bool Trim;
    bool SkipEmpty;
    int MaxIndex;
    Fields Expected;
};

class TextUtilsDelimitedSplit : public testing::TestWithParam<DelimitedCase> { };

TEST_P(TextUtilsDelimitedSplit, SplitsLikeBothForms)
{
    const auto& c = GetParam();
    Fields fields { "left over" };
    EXPECT_EQ(SplitDelimited(c.Text, c.Delimiters, c.Trim, c.MaxIndex, fields, c.SkipEmpty),
        static_cast<int>(c.Expected.size()));
    EXPECT_EQ(fields, c.Expected);

    std::vector<std::u16string> wide { u"left over" };
    EXPECT_EQ(SplitDelimitedW(W(c.Text), W(c.Delimiters), c.Trim, c.MaxIndex, wide, c.SkipEmpty),
        static_cast<int>(c.Expected.size()));
    EXPECT_EQ(wide, W(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, TextUtilsDelimitedSplit,
    testing::Values(DelimitedCase { "EmptyFieldKept", "a;;b", ";", false, false, 15, { "a", "", "b" } },
        DelimitedCase { "EmptyFieldSkipped", "a;;b", ";", false, true, 15, { "a", "b" } },
        DelimitedCase { "AnyDelimiterOfTheSet", "a;b\tc", ";\t", false, false, 15, { "a", "b", "c" } },
        DelimitedCase { "NoQuoteHandling", R"("a;b")", ";", false, false, 15, { "\"a", "b\"" } },
        DelimitedCase { "EmptySetGivesWholeText", "a;b", "", false, false, 15, { "a;b" } },
        DelimitedCase { "Trim", " a ; b ", ";", true, false, 15, { "a", "b" } },
        DelimitedCase { "MaxIndex", "a;b;c;d", ";", false, false, 1, { "a", "b" } },
        DelimitedCase { "EmptyInput", "", ";", false, false, 15, {} },
        DelimitedCase { "OnlyDelimiter", ";", ";", false, false, 15, { "", "" } }),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TextUtilsSplit, FieldsJoinBackToTheText)
{
    // Without trimming, skipping or quotes, the fields and their delimiters are the whole text.
    std::mt19937 random(7);
    const std::string alphabet = "ab ;,\t";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> lengthOf(1, 30);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = lengthOf(random); i > 0; --i)
            text += alphabet[pick(random)];
        Fields fields;
        const int count = SplitDelimited(text, ";", false, INT_MAX, fields, false);
        std::string joined;
        for (std::size_t i = 0; i < fields.size(); ++i)
            joined += (i ? ";" : "") + fields[i];
        EXPECT_EQ(joined, text);
        EXPECT_EQ(count, static_cast<int>(std::count(text.begin(), text.end(), ';')) + 1);

        SplitCsvLine(text, false, false, INT_MAX, fields);
        joined.clear();
        for (std::size_t i = 0; i < fields.size(); ++i)
            joined += (i ? "," : "") + fields[i];
        EXPECT_EQ(joined, text);

        // Trimmed and skipped fields are exactly the non-blank ones, in order.
        const int kept = SplitDelimited(text, ";,", true, INT_MAX, fields, true);
        Fields expected;
        SplitDelimited(text, ";,", false, INT_MAX, expected, false);
        std::erase_if(expected, [](const std::string& field) { return Trim(field).empty(); });
        std::transform(expected.begin(), expected.end(), expected.begin(), Trim);
        EXPECT_EQ(fields, expected);
        EXPECT_EQ(kept, static_cast<int>(expected.size()));
    }
}

TEST(TextUtilsExtract, TakesTheNthFieldAndOneAdjacentDelimiter)
{
    struct Case {
        std::string Text;
        int N;
        bool Found;
        std::string Field;
        std::string Rest;
    };
    const Case cases[] = {
        { "a/b/c", 2, true, "b", "a/c" },
        { "a/b/c", 1, true, "a", "b/c" },
        { "a/b/c", 3, true, "c", "a/b" },
        { "a/b/c", 4, false, "", "" },
        { "a/b/c", 0, false, "", "" },
        { "a/b/c", -1, false, "", "" },
        { "abc", 1, true, "abc", "" },
        { "a//c", 2, false, "", "" },
        { "/b", 1, false, "", "" },
        { "/b", 2, true, "b", "" },
        { "a/b/", 3, false, "", "" },
        { "", 1, false, "", "" },
    };
    for (const auto& c : cases) {
        std::string rest = "?";
        std::string field = "?";
        ASSERT_EQ(ExtractDelimitedField(c.Text, '/', c.N, rest, field), c.Found) << c.Text << " n=" << c.N;
        if (c.Found) {
            EXPECT_EQ(field, c.Field) << c.Text << " n=" << c.N;
            EXPECT_EQ(rest, c.Rest) << c.Text << " n=" << c.N;
        }
    }
}

TEST(TextUtilsSpaces, TrimRemovesControlsAndSpacesOnly)
{
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(Trim(std::string("\0x\x1F", 3)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // a no-break space is a character of its code page
    EXPECT_EQ(Trim("!x!"), "!x!");

    EXPECT_EQ(TrimW(u"\x1F x \x20\t"), u"x");
    EXPECT_EQ(TrimW(u"\u00A0x\u3000"), u"\u00A0x\u3000");
    EXPECT_EQ(TrimW(u"!x!"), u"!x!");
    EXPECT_EQ(TrimW(u"\n"), u"");
}

TEST(TextUtilsSpaces, CollapseSpaces)
{
    const std::pair<std::string, std::string> cases[] = {
        { "  a\t b ", "a b" },
        { "", "" },
        { " \t\r\n", "" },
        { "a\r\nb", "a b" },
        { "a  ", "a" },
        { "  a", "a" },
        { "a b  c   d", "a b c d" },
        { std::string("a\0b", 3), "a b" },
        { "a\xA0\xA0z", "a\xA0\xA0z" },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CollapseSpaces(text), expected) << '"' << text << '"';
}

TEST(TextUtilsWide, PosW)
{
    EXPECT_EQ(PosW(u"lo", u"hello"), 4);
    EXPECT_EQ(PosW(u"he", u"hello"), 1);
    EXPECT_EQ(PosW(u"hello", u"hello"), 1);
    EXPECT_EQ(PosW(u"l", u"hello"), 3);
    EXPECT_EQ(PosW(u"hellos", u"hello"), 0);
    EXPECT_EQ(PosW(u"x", u"hello"), 0);
    EXPECT_EQ(PosW(u"", u"hello"), 0);
    EXPECT_EQ(PosW(u"a", u""), 0);
    EXPECT_EQ(PosW(u"L", u"hello"), 0);
}

TEST(TextUtilsWide, StringReplaceW)
{
    EXPECT_EQ(StringReplaceW(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(StringReplaceW(u"ab", u"a", u"aa"), u"aab"); // replaced text is not scanned again
    EXPECT_EQ(StringReplaceW(u"Aa", u"a", u"X"), u"AX");
    EXPECT_EQ(StringReplaceW(u"a-b-c", u"-", u""), u"abc");
    EXPECT_EQ(StringReplaceW(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(StringReplaceW(u"", u"a", u"x"), u"");
    EXPECT_EQ(StringReplaceW(u"\u00E9t\u00E9", u"\u00E9", u"e"), u"ete");
}

TEST(TextUtilsWide, BytesToWideIsLittleEndian)
{
    EXPECT_EQ(BytesToWide(std::string("A\0B\0", 4)), u"AB");
    EXPECT_EQ(BytesToWide(std::string("A\0B", 3)), u"A");
    EXPECT_EQ(BytesToWide("x"), u"");
    EXPECT_EQ(BytesToWide(""), u"");
    EXPECT_EQ(BytesToWide(std::string("\x3D\xD8\x00\xDE", 4)), u"\U0001F600");
    EXPECT_EQ(BytesToWide(std::string("\xE9\x00\xFF\xFE", 4)), u"\u00E9\uFEFF");
}

TEST(TextUtilsWide, FixUnicodeByteOrder)
{
    struct Case {
        const char* Name;
        std::string Bytes;
        std::u16string Expected;
    };
    const Case cases[] = {
        { "SwappedWithMark", std::string("\xFE\xFF\0A\0B\x04\x10", 8), u"AB\u0410" },
        { "LittleEndianWithMark", std::string("\xFF\xFEZ\0", 4), u"Z" },
        { "NoMark", std::string("A\0B\0", 4), u"AB" },
        { "OnlyMark", "\xFF\xFE", u"" },
        { "OnlySwappedMark", "\xFE\xFF", u"" },
        { "MarkLaterIsKept", std::string("A\0\xFF\xFE", 4), u"A\uFEFF" },
        { "Empty", "", u"" },
    };
    for (const auto& c : cases) {
        auto text = BytesToWide(c.Bytes);
        FixUnicodeByteOrder(text);
        EXPECT_EQ(text, c.Expected) << c.Name;
    }
}

TEST(TextUtilsRtf, Escape)
{
    EXPECT_EQ(RtfEscape("{x}"), "\\{x\\}");
    EXPECT_EQ(RtfEscape("a\\b"), "a\\\\b");
    EXPECT_EQ(RtfEscape("caf\xE9"), "caf\\'e9");
    EXPECT_EQ(RtfEscape("\x80\xFF\xA0"), "\\'80\\'ff\\'a0");
    EXPECT_EQ(RtfEscape("\t\r\n\x01\x7F"), "\t\r\n\x01\x7F");
    EXPECT_EQ(RtfEscape(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(RtfEscape(""), "");
}

// A stream buffer that takes a fixed number of bytes and then refuses more, like a full disk.
class TLimitedBuffer : public std::streambuf {
public:
    explicit TLimitedBuffer(std::size_t limit)
        : Limit(limit)
    {
    }
    std::string Written;

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (Written.size() >= Limit)
            return traits_type::eof();
        Written += traits_type::to_char_type(c);
        return c;
    }

private:
    std::size_t Limit;
};

TEST(TextUtilsStream, String16RoundTripsAndLayout)
{
    std::ostringstream out;
    const std::string long300(300, 'x');
    const std::string longest(65535, '\xE9');
    WriteString16(out, "abc");
    WriteString16(out, "");
    WriteString16(out, long300);
    WriteString16(out, std::string("\0\xFF", 2));
    WriteString16(out, longest);
    const std::string bytes = out.str();
    EXPECT_EQ(bytes.substr(0, 7), std::string("\3\0abc\0\0", 7));
    EXPECT_EQ(bytes.substr(7, 2), "\x2C\x01"); // 300, low byte first
    EXPECT_EQ(bytes.size(), 5 + 2 + 302 + 4 + 65537u);

    std::istringstream in(bytes);
    EXPECT_EQ(ReadString16(in), "abc");
    EXPECT_EQ(ReadString16(in), "");
    EXPECT_EQ(ReadString16(in), long300);
    EXPECT_EQ(ReadString16(in), std::string("\0\xFF", 2));
    EXPECT_EQ(ReadString16(in), longest);
    EXPECT_THROW(ReadString16(in), std::runtime_error);
}

TEST(TextUtilsStream, WriteString16RefusesTooLongText)
{
    std::ostringstream out;
    EXPECT_THROW(WriteString16(out, std::string(65536, 'a')), std::length_error);
    EXPECT_TRUE(out.str().empty());
}

TEST(TextUtilsStream, ShortReadsThrowReadError)
{
    const std::string cases[] = { "", "\x05", std::string("\5\0abc", 5), std::string("\x00\x01", 2) };
    for (const auto& bytes : cases) {
        std::istringstream in(bytes);
        try {
            ReadString16(in);
            ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), StreamReadError);
        }
    }
}

TEST(TextUtilsStream, FailedWritesThrowWriteError)
{
    for (std::size_t limit : { 0u, 1u, 2u, 4u }) {
        TLimitedBuffer buffer(limit);
        std::ostream out(&buffer);
        try {
            WriteString16(out, "abcd");
            ADD_FAILURE() << "no error with room for " << limit;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), StreamWriteError);
        }
    }
    TLimitedBuffer buffer(4);
    std::ostream out(&buffer);
    WriteRawString(out, "abcd");
    EXPECT_EQ(buffer.Written, "abcd"); // raw: no length, no terminator
    EXPECT_THROW(WriteRawString(out, "e"), std::runtime_error);
}

} // namespace
