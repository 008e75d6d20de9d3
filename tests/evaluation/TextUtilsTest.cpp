// Splitting, quoting, white space, UTF-16 byte order, RTF escaping and length-prefixed stream text.

#include "evaluation/TextUtils.h"

#include "evaluation/StreamErrors.h"
#include "evaluation/Translatable.h"
#include "support/MessageOf.h"

#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>

namespace {

using Fields = std::vector<std::string>;

struct TSplitCase {
    std::string Text;
    bool Trim;
    bool SkipEmpty;
    int MaxIndex;
    Fields Expected;
    std::string Delimiters = ";"; // for SplitDelimited
};

TEST(TextUtilsSplit, CsvLinesAndDelimitedText)
{
    const auto check = [](const TSplitCase& c, bool csv) {
        SCOPED_TRACE(::testing::PrintToString(c.Text) + " max " + std::to_string(c.MaxIndex));
        Fields fields { "left over" }; // the output is cleared first
        EXPECT_EQ(csv ? SplitCsvLine(c.Text, c.Trim, c.SkipEmpty, c.MaxIndex, fields)
                      : SplitDelimited(c.Text, c.Delimiters, c.Trim, c.MaxIndex, fields, c.SkipEmpty),
            std::ssize(c.Expected));
        EXPECT_EQ(fields, c.Expected);
    };
    const TSplitCase cases[] = { { R"(a,"b,c","""")", true, false, 15, { "a", "b,c", "\"" } },
        { "a,b,c,d", false, false, 2, { "a", "b", "c" } }, { "a,b", false, false, 0, { "a" } },
        { "a,b", false, false, -1, {} }, { "", false, false, 15, {} }, { "", true, true, 15, {} },
        { "a,", false, false, 15, { "a", "" } }, { "a,", false, true, 15, { "a" } },
        { ",,", false, false, 15, { "", "", "" } }, { ",,a,,b", false, true, 0, { "a" } },
        { "a, ,b", true, true, 15, { "a", "b" } }, { "a, ,b", false, true, 15, { "a", " ", "b" } },
        { " a , b ", false, false, 15, { " a ", " b " } }, { " a , b ", true, false, 15, { "a", "b" } },
        { R"( "x y" ,z)", false, false, 15, { "x y", "z" } },
        { R"(a,"b,c)", false, false, 15, { "a", "\"b,c" } },
        { R"(ab"c,d"e,f)", false, false, 15, { "ab\"c,d\"e", "f" } },
        { R"("",x)", false, false, 15, { "", "x" } }, { R"(",x)", false, false, 15, { "\",x" } } };
    for (const auto& c : cases)
        check(c, true);
    // Any character of the set delimits; quotes mean nothing; an empty set gives the whole text.
    const TSplitCase delimited[] = { { "a;;b", false, false, 15, { "a", "", "b" } },
        { "a;;b", false, true, 15, { "a", "b" } }, { "a;b\tc", false, false, 15, { "a", "b", "c" }, ";\t" },
        { R"("a;b")", false, false, 15, { "\"a", "b\"" } }, { "a;b", false, false, 15, { "a;b" }, "" },
        { " a ; b ", true, false, 15, { "a", "b" } }, { "a;b;c;d", false, false, 1, { "a", "b" } },
        { "", false, false, 15, {} }, { ";", false, false, 15, { "", "" } } };
    for (const auto& c : delimited)
        check(c, false);
}

TEST(TextUtilsCsv, UnquoteRules)
{
    // Judged on the trimmed field; a single character is too short to be quoted; an unquoted field
    // stays as it is, blanks included.
    const std::pair<std::string, std::string> cases[]
        = { { R"("abc")", "abc" }, { R"("a""b")", "a\"b" }, { R"("""")", "\"" }, { R"("""""")", R"("")" },
              { R"(""""")", R"("")" }, { R"("")", "" }, { "\"", "\"" }, { R"(  "x"  )", "x" },
              { R"(  x  )", "  x  " }, { R"("a)", "\"a" }, { R"(a")", "a\"" }, { "", "" } };
    for (const auto& [field, expected] : cases)
        EXPECT_EQ(UnquoteCsvField(field), expected) << field;
}

TEST(TextUtilsCsv, QuoteRulesAndRoundTrip)
{
    const std::pair<std::string, std::string> cases[] = { { "plain", "plain" }, { "", "" },
        { " spaced ", " spaced " }, { "a,b", R"("a,b")" }, { R"(say "hi")", R"("say ""hi""")" },
        { "\"", R"("""")" }, { ",,", R"(",,")" }, { "\"\"", R"("""""")" } };
    std::string line;
    Fields original;
    for (const auto& [field, expected] : cases) {
        EXPECT_EQ(QuoteCsvField(field), expected) << field;
        EXPECT_EQ(UnquoteCsvField(expected), field);
        line += (original.empty() ? "" : ",") + expected;
        original.push_back(field);
    }
    // Quoted fields joined by commas split back to the originals.
    Fields fields;
    EXPECT_EQ(SplitCsvLine(line, false, false, 99, fields), static_cast<int>(original.size()));
    EXPECT_EQ(fields, original);
}

TEST(TextUtilsExtract, TakesTheNthFieldAndOneAdjacentDelimiter)
{
    const struct {
        std::string Text;
        int N;
        const char* Field; // nullptr: not found
        std::string Rest;
    } cases[] = { { "a/b/c", 2, "b", "a/c" }, { "a/b/c", 1, "a", "b/c" }, { "a/b/c", 3, "c", "a/b" },
        { "a/b/c", 4, nullptr, "" }, { "a/b/c", 0, nullptr, "" }, { "a/b/c", -1, nullptr, "" },
        { "abc", 1, "abc", "" }, { "a//c", 2, nullptr, "" }, { "/b", 1, nullptr, "" }, { "/b", 2, "b", "" },
        { "a/b/", 3, nullptr, "" }, { "", 1, nullptr, "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text + " n=" + std::to_string(c.N));
        std::string rest = "?";
        std::string field = "?";
        ASSERT_EQ(ExtractDelimitedField(c.Text, '/', c.N, rest, field), c.Field != nullptr);
        if (c.Field) {
            EXPECT_EQ(field, c.Field);
            EXPECT_EQ(rest, c.Rest);
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
}

TEST(TextUtilsSpaces, CollapseSpaces)
{
    const std::pair<std::string, std::string> cases[] = { { "  a\t b ", "a b" }, { "", "" },
        { " \t\r\n", "" }, { "a\r\nb", "a b" }, { "a  ", "a" }, { "  a", "a" }, { "a b  c   d", "a b c d" },
        { std::string("a\0b", 3), "a b" }, { "a\xA0\xA0z", "a\xA0\xA0z" } };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CollapseSpaces(text), expected) << '"' << text << '"';
}

// The UTF-16 forms have no caller in the program yet; a case per rule keeps their wrappers honest.
TEST(TextUtilsWide, WideFormsOfTheHelpers)
{
    std::vector<std::u16string> fields { u"left over" };
    EXPECT_EQ(SplitCsvLineW(u" a ,\"b,c\",,", true, false, 15, fields), 4);
    EXPECT_EQ(fields, (std::vector<std::u16string> { u"a", u"b,c", u"", u"" }));
    EXPECT_EQ(SplitDelimitedW(u" a ;;b\tc", u";\t", true, 15, fields, false), 4);
    EXPECT_EQ(fields, (std::vector<std::u16string> { u"a", u"", u"b", u"c" }));
    EXPECT_EQ(UnquoteCsvFieldW(u"  \"a\"\"b\"  "), u"a\"b");
    EXPECT_EQ(QuoteCsvFieldW(u"say \"hi\""), u"\"say \"\"hi\"\"\"");
    EXPECT_EQ(TrimW(u"\x1F x \x20\t"), u"x");
    EXPECT_EQ(TrimW(u"\u00A0x\u3000"), u"\u00A0x\u3000");
    EXPECT_EQ(PosW(u"lo", u"hello"), 4);
    EXPECT_EQ(PosW(u"hellos", u"hello"), 0);
    EXPECT_EQ(PosW(u"", u"hello"), 0);
    EXPECT_EQ(StringReplaceW(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(StringReplaceW(u"ab", u"a", u"aa"), u"aab"); // replaced text is not scanned again
    EXPECT_EQ(StringReplaceW(u"Aa", u"a", u"X"), u"AX");
    EXPECT_EQ(StringReplaceW(u"abc", u"", u"x"), u"abc");
}

// Bytes are read as little-endian UTF-16 (an odd last byte dropped), then a leading mark decides.
TEST(TextUtilsWide, BytesToWideAndFixUnicodeByteOrder)
{
    const struct {
        const char* Name;
        std::string Bytes;
        std::u16string Expected;
    } cases[] = { { "SwappedWithMark", std::string("\xFE\xFF\0A\0B\x04\x10", 8), u"AB\u0410" },
        { "LittleEndianWithMark", std::string("\xFF\xFEZ\0", 4), u"Z" },
        { "NoMark", std::string("A\0B\0", 4), u"AB" }, { "OnlyMark", "\xFF\xFE", u"" },
        { "OnlySwappedMark", "\xFE\xFF", u"" },
        { "MarkLaterIsKept", std::string("A\0\xFF\xFE", 4), u"A\uFEFF" }, { "Empty", "", u"" },
        { "OddByteDropped", std::string("A\0B", 3), u"A" }, { "OneByte", "x", u"" },
        { "SurrogatePair", std::string("\x3D\xD8\x00\xDE", 4), u"\U0001F600" },
        { "LatinAfterLeadingByte", std::string("\xE9\x00\xFF\xFE", 4), u"\u00E9\uFEFF" } };
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
    EXPECT_EQ(RtfEscape("\x80\xFF\xA0"), "\\'80\\'ff\\'a0");
    EXPECT_EQ(RtfEscape("\t\r\n\x01\x7F"), "\t\r\n\x01\x7F");
    EXPECT_EQ(RtfEscape(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(RtfEscape(""), "");
}

// Room for a fixed number of bytes and then no more, like a full disk.
struct TFullDisk : std::streambuf {
    explicit TFullDisk(std::size_t room)
        : Room(room, '\0')
    {
        setp(Room.data(), Room.data() + room);
    }
    std::string Written() const { return std::string(pbase(), pptr()); }
    std::string Room;
};

TEST(TextUtilsStream, String16RoundTripsAndLayout)
{
    const std::string texts[]
        = { "abc", "", std::string(300, 'x'), std::string("\0\xFF", 2), std::string(65535, '\xE9') };
    std::ostringstream out;
    for (const auto& text : texts)
        WriteString16(out, text);
    const std::string bytes = out.str();
    EXPECT_EQ(bytes.substr(0, 9), std::string("\3\0abc\0\0\x2C\x01", 9)); // 300, low byte first
    EXPECT_EQ(bytes.size(), 5 + 2 + 302 + 4 + 65537u);
    std::istringstream in(bytes);
    for (const auto& text : texts)
        EXPECT_EQ(ReadString16(in), text);
    EXPECT_EQ(MessageOf<std::runtime_error>([&] { ReadString16(in); }), StreamReadError);

    std::ostringstream refused;
    EXPECT_THROW(WriteString16(refused, std::string(65536, 'a')), std::length_error);
    EXPECT_TRUE(refused.str().empty());
}

TEST(TextUtilsStream, ShortReadsAndFailedWritesThrow)
{
    for (const std::string& bytes :
        { std::string("\x05"), std::string("\5\0abc", 5), std::string("\x00\x01", 2) }) {
        std::istringstream in(bytes);
        EXPECT_EQ(MessageOf<std::runtime_error>([&] { ReadString16(in); }), StreamReadError)
            << bytes.size() << " bytes";
    }
    for (std::size_t room : { 0u, 1u, 2u, 4u }) {
        TFullDisk disk(room);
        std::ostream out(&disk);
        EXPECT_EQ(MessageOf<std::runtime_error>([&] { WriteString16(out, "abcd"); }), StreamWriteError)
            << "room for " << room;
    }
    TFullDisk disk(4);
    std::ostream out(&disk);
    WriteRawString(out, "abcd");
    EXPECT_EQ(disk.Written(), "abcd"); // raw: no length, no terminator
    EXPECT_EQ(MessageOf<std::runtime_error>([&] { WriteRawString(out, "e"); }), StreamWriteError);
}

} // namespace

TEST(FillIn, PutsEachArgumentInItsPlaceOnce)
{
    const struct {
        std::string_view Text;
        std::initializer_list<std::string> Args;
        const char* Expected;
    } cases[] = {
        { "%1 \"%2\". %3.", { "Cannot open file", "a.vmr", "No such file" },
            "Cannot open file \"a.vmr\". No such file." },
        { "%2 before %1", { "one", "two" }, "two before one" },
        { "%1 brings %2", { "%2", "x" }, "%2 brings x" }, // an argument is never filled in again
        { "%3 missing, 100% and %", { "a" }, "%3 missing, 100% and %" },
        { "no places", { "a" }, "no places" },
        { std::string_view("ends in %1").substr(0, 9), { "a" },
            "ends in %" }, // what follows is not the text's
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillIn(c.Text, c.Args), c.Expected) << c.Text;
}
