#include "ExchangeTestSupport.h"
#include "core/SafeSave.h"
#include "evaluation/TextUtils.h"
#include "exchange/TextImport.h"

#include <optional>
#include <vector>

namespace {

// The same ASCII text in the encoding a format reads.
std::string Encode(std::string_view ascii, TTextFormat format)
{
    if (format == tfUnicodeComma || format == tfUnicodeTab)
        return Utf16Le(Widen(ascii));
    return std::string(ascii);
}

std::vector<TFieldValues> AllItems(const TVocabFile& document)
{
    std::vector<TFieldValues> items;
    for (std::int32_t i = 0; i < document.Count(); ++i)
        items.push_back(ItemValues(document, i));
    return items;
}

struct TFieldCase {
    const char* Name;
    std::string Line;
    TFieldColumns Columns;
    std::optional<TFieldValues> Expected; // nullopt: the line adds nothing
};

std::string Repeat(std::string_view text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

std::string ManyFields(int count)
{
    std::string line;
    for (int i = 1; i <= count; ++i)
        line += (i > 1 ? "," : "") + std::string("f") + std::to_string(i);
    return line;
}

const std::vector<TFieldCase>& CommaCases()
{
    static const std::vector<TFieldCase> cases = {
        { "PlainFields", "house,noun,plural houses,Haus", AllColumns,
            TFieldValues { "house", "noun", "plural houses", "Haus" } },
        { "QuotedComma", "\"big, red\",adj,,large", AllColumns,
            TFieldValues { "big, red", "adj", "", "large" } },
        { "DoubledQuotes", "\"say \"\"hi\"\"\",v,,sagen", AllColumns,
            TFieldValues { "say \"hi\"", "v", "", "sagen" } },
        { "SpacesAroundQuotedField", "   \"x y\"  ,a,b,c", AllColumns,
            TFieldValues { "x y", "a", "b", "c" } },
        { "SpacesInsideQuotesTrimmedToo", "\"  x  \",a,b,c", AllColumns,
            TFieldValues { "x", "a", "b", "c" } },
        { "ControlCharactersTrimmed", "\x01word\x1f,\x7f", { 1, 0, 0, 2 },
            TFieldValues { "word", "", "", "\x7f" } },
        { "UnclosedQuoteTakesRestOfLine", "a,\"b,c,d", { 2, 0, 0, 3 },
            TFieldValues { "\"b,c,d", "", "", "#Value?#" } },
        { "QuotesInsideFieldKept", "ab\"c,d\"e,f", { 1, 0, 0, 2 },
            TFieldValues { "ab\"c,d\"e", "", "", "f" } },
        { "LoneQuote", "\"", { 1, 0, 0, 2 }, TFieldValues { "\"", "", "", "#Value?#" } },
        { "QuotedSingleQuote", "\"\"\"\",x", { 1, 0, 0, 2 }, TFieldValues { "\"", "", "", "x" } },
        { "TwoQuotePairs", "\"a\"\"\"\"b\",x", { 1, 0, 0, 2 }, TFieldValues { "a\"\"b", "", "", "x" } },
        { "EmptyQuotedWordSkipped", "\"\",x", AllColumns, std::nullopt },
        { "BlankWordSkipped", "   ,x", AllColumns, std::nullopt },
        { "TrailingCommaGivesEmptyField", "a,", { 1, 0, 0, 2 }, TFieldValues { "a", "", "", "#Value?#" } },
        { "EmptyFieldsKeepColumns", "a,,,d", AllColumns, TFieldValues { "a", "", "", "d" } },
        { "WordOnlyGetsValueMark", "lonely", { 1, 0, 0, 2 }, TFieldValues { "lonely", "", "", "#Value?#" } },
        { "TranslationsUnmapped", "a,b", { 1, 0, 0, 0 }, TFieldValues { "a", "", "", "#Value?#" } },
        { "SwappedColumns", "one,two,three", { 3, 0, 0, 1 }, TFieldValues { "three", "", "", "one" } },
        { "SameColumnTwice", "x,y", { 2, 2, 0, 2 }, TFieldValues { "y", "y", "", "y" } },
        { "ColumnBeyondLine", "a,b", { 1, 0, 5, 2 }, TFieldValues { "a", "", "", "b" } },
        { "WordColumnMissing", "a,b", { 3, 0, 0, 1 }, std::nullopt },
        { "NegativeAndHugeColumns", "a,b", { 1, -1, 2147483647, 2 }, TFieldValues { "a", "", "", "b" } },
        { "Field64IsRead", ManyFields(70), { 64, 0, 0, 1 }, TFieldValues { "f64", "", "", "f1" } },
        { "Field65IsIgnored", ManyFields(70), { 65, 0, 0, 1 }, std::nullopt },
        { "TabIsNoDelimiter", "a\tb,c", { 1, 0, 0, 2 }, TFieldValues { "a\tb", "", "", "c" } },
    };
    return cases;
}

std::string FormatParamName(const ::testing::TestParamInfo<TTextFormat>& info)
{
    std::string name(TextFormatName(info.param));
    name.replace(name.find('-'), 1, "_");
    return name;
}

class TextImportCommaRule : public ::testing::TestWithParam<TTextFormat> { };

TEST_P(TextImportCommaRule, Cases)
{
    for (const TFieldCase& c : CommaCases()) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        const TImportResult result
            = ImportTextBytes(document, Encode(c.Line, GetParam()), GetParam(), c.Columns, 1);
        ASSERT_EQ(result.Added, c.Expected ? 1 : 0);
        ASSERT_EQ(document.Count(), result.Added);
        if (c.Expected) {
            EXPECT_EQ(ItemValues(document, 0), *c.Expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TextImportReaders, TextImportCommaRule,
    ::testing::Values(tfTextComma, tfUtf8Comma, tfUnicodeComma), FormatParamName);

const std::vector<TFieldCase>& TabCases()
{
    static const std::vector<TFieldCase> cases = {
        { "QuotedFieldKeepsQuotes", "\"a, b\"\t\"x\"", { 1, 0, 0, 2 },
            TFieldValues { "\"a, b\"", "", "", "\"x\"" } },
        { "EmptyFieldsKeepColumns", "a\t\t\td", AllColumns, TFieldValues { "a", "", "", "d" } },
        { "CommaIsNoDelimiter", "a,b\tc", { 1, 0, 0, 2 }, TFieldValues { "a,b", "", "", "c" } },
        { "FieldsTrimmed", "  a \t\x01 b\x02", { 1, 0, 0, 2 }, TFieldValues { "a", "", "", "b" } },
        { "UnclosedQuoteMeansNothing", "\"a\tb", { 1, 0, 0, 2 }, TFieldValues { "\"a", "", "", "b" } },
        { "EmptyWordSkipped", "\tb", { 1, 0, 0, 2 }, std::nullopt },
    };
    return cases;
}

class TextImportTabRule : public ::testing::TestWithParam<TTextFormat> { };

TEST_P(TextImportTabRule, Cases)
{
    for (const TFieldCase& c : TabCases()) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        const TImportResult result
            = ImportTextBytes(document, Encode(c.Line, GetParam()), GetParam(), c.Columns, 1);
        ASSERT_EQ(result.Added, c.Expected ? 1 : 0);
        if (c.Expected) {
            EXPECT_EQ(ItemValues(document, 0), *c.Expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TextImportReaders, TextImportTabRule,
    ::testing::Values(tfTextTab, tfUtf8Tab, tfUnicodeTab), FormatParamName);

// The reader's own splitting must agree with the shared splitting functions on every column.
TEST(TextImport, SplittingAgreesWithSharedSplitters)
{
    const std::vector<std::string> lines = {
        "a,\"b,c\",\"\"\"\"",
        " x , \"y\" ,z ",
        "\"unclosed,a,b",
        "q\"q,r\"r,s",
        "\"a\"\"\"b\",c",
        ",,,",
        "\"\"\"",
        "\t\"t\"\t,",
        ManyFields(66),
        "a\tb\t\"c\td\"\t",
        " \"  \" ,\"\"x\"\"",
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        std::vector<std::string> comma;
        std::vector<std::string> tab;
        std::vector<std::u16string> commaW;
        SplitCsvLine(line, true, false, 63, comma);
        SplitDelimited(line, "\t", true, 63, tab, false);
        SplitCsvLineW(Widen(line), true, false, 63, commaW);
        for (std::int32_t column = 1; column <= 66; ++column) {
            const auto expect = [&](const auto& fields, TTextFormat format) {
                const auto index = static_cast<std::size_t>(column - 1);
                std::string expected;
                if (index < fields.size())
                    expected.assign(fields[index].begin(), fields[index].end());
                TVocabFile document;
                ImportTextBytes(document, Encode(line, format), format, { column, 0, 0, 0 }, 1);
                const std::string actual
                    = document.Count() ? std::string(document.Items(0).FieldValue(0)) : "";
                EXPECT_EQ(actual, expected) << "column " << column << " of " << TextFormatName(format);
            };
            expect(comma, tfTextComma);
            expect(tab, tfTextTab);
            expect(commaW, tfUnicodeComma);
        }
    }
}

TEST(TextImport, LineEndsOfEveryStyleGiveTheSameItems)
{
    const std::vector<TFieldValues> expected
        = { { "a", "", "", "1" }, { "b", "", "", "2" }, { "c", "", "", "3" } };
    const std::vector<std::string> texts = {
        "a,1\r\nb,2\r\nc,3\r\n",
        "a,1\nb,2\nc,3",
        "a,1\rb,2\rc,3\r",
        "a,1\r\n\r\nb,2\n\rc,3\n\n",
    };
    for (TTextFormat format : { tfTextComma, tfUtf8Comma, tfUnicodeComma }) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(::testing::PrintToString(text) + " " + std::string(TextFormatName(format)));
            TVocabFile document;
            EXPECT_EQ(ImportTextBytes(document, Encode(text, format), format, { 1, 0, 0, 2 }, 1).Added, 3);
            EXPECT_EQ(AllItems(document), expected);
        }
    }
}

TEST(TextImport, QuotedFieldCannotSpanLines)
{
    TVocabFile document;
    EXPECT_EQ(ImportTextBytes(document, "\"a\nb\",c", tfTextComma, { 1, 0, 0, 2 }, 1).Added, 2);
    EXPECT_EQ(ItemValues(document, 0), (TFieldValues { "\"a", "", "", "#Value?#" }));
    EXPECT_EQ(ItemValues(document, 1), (TFieldValues { "b\",c", "", "", "#Value?#" }));
}

TEST(TextImport, StartLine)
{
    const std::string text = "Word,Translation\nhouse,Haus\ntree,Baum\n";
    struct {
        std::int32_t StartLine;
        std::int32_t Added;
        const char* First;
    } const cases[]
        = { { 1, 3, "Word" }, { 2, 2, "house" }, { 3, 1, "tree" }, { 4, 0, nullptr }, { 1000, 0, nullptr } };
    for (TTextFormat format : { tfTextComma, tfUtf8Comma, tfUnicodeComma }) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.StartLine);
            TVocabFile document;
            EXPECT_EQ(
                ImportTextBytes(document, Encode(text, format), format, { 1, 0, 0, 2 }, c.StartLine).Added,
                c.Added);
            if (c.First) {
                EXPECT_EQ(document.Items(0).FieldValue(0), c.First);
            }
            EXPECT_EQ(document.Modified(), c.Added > 0);
        }
    }
}

TEST(TextImport, StartLineBelowOneRefusedBeforeTheFileIsTouched)
{
    TTempFolder folder;
    for (std::int32_t startLine : { 0, -1, -2147483647 - 1 }) {
        TVocabFile document;
        try {
            // The file does not exist: a file error here would mean it was touched first.
            ImportText(document, folder.File("missing.txt"), tfTextComma, AllColumns, startLine);
            FAIL() << "no exception";
        } catch (const EVocabFileError& e) {
            EXPECT_STREQ(e.what(), "Invalid procedure call.");
        }
        EXPECT_THROW(ImportTextBytes(document, "a,b", tfUnicodeTab, AllColumns, startLine), EVocabFileError);
        EXPECT_EQ(document.Count(), 0);
    }
    TVocabFile document;
    EXPECT_THROW(
        ImportTextBytes(document, "a,b", static_cast<TTextFormat>(6), AllColumns, 1), EVocabFileError);
}

TEST(TextImport, ItemsAppendedAfterExistingOnesAndHistoryCleared)
{
    TVocabFile document;
    SetLanguages(document, LangGerman, LangEnglish);
    AddItem(document, "alt", "", "", "old");
    document.SetCurrentIndex(0);
    document.NewItem().SetFieldValues("neu", "", "", "new");
    document.Add();
    document.MarkSaved();
    ASSERT_GT(document.UndoCount(), 0);
    const std::int32_t current = document.CurrentIndex();

    const TImportResult result
        = ImportTextBytes(document, "eins,one\nzwei,two\n", tfTextComma, { 1, 0, 0, 2 }, 1);
    EXPECT_EQ(result.Added, 2);
    EXPECT_EQ(result.LostFields, 0);
    ASSERT_EQ(document.Count(), 4);
    EXPECT_EQ(document.Items(2).FieldValue(0), "eins");
    EXPECT_EQ(document.Items(3).FieldValue(3), "two");
    EXPECT_EQ(document.Items(3).PenaltyPoints, 0);
    EXPECT_EQ(document.Items(3).SortingPosition, 0);
    EXPECT_EQ(document.Items(3).LastAttempt, 0);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.UndoCount(), 0);
    EXPECT_EQ(document.SavedPos(), -1);
    EXPECT_EQ(document.CurrentIndex(), current);
}

TEST(TextImport, NothingUsableLeavesDocumentAlone)
{
    TVocabFile document;
    AddItem(document, "a", "", "", "b");
    document.SetCurrentIndex(0);
    document.NewItem().SetFieldValues("c", "", "", "d");
    document.Add();
    document.MarkSaved();
    const std::int32_t undo = document.UndoCount();
    EXPECT_EQ(ImportTextBytes(document, "\n,x\n  \n\"\",y\n", tfTextComma, AllColumns, 1).Added, 0);
    EXPECT_EQ(document.Count(), 2);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.UndoCount(), undo);
}

// A field that cannot be saved refuses the whole file, and the document is not even marked.
TEST(TextImport, OverlongFieldRefusesWholeFile)
{
    const std::string longWord(65536, 'w');
    const std::string limitWord(65535, 'w');
    struct {
        const char* Name;
        std::string Text;
        TTextFormat Format;
        TFieldColumns Columns;
        const char* Message; // nullptr: accepted
    } const cases[] = {
        { "WordOnLine3", "a,b\nc,d\n" + longWord + ",e\n", tfTextComma, { 1, 0, 0, 2 },
            "Line 3: a field is longer than 65535 bytes." },
        { "NotesOnLine1", "a\tb\t" + longWord, tfTextTab, { 1, 0, 3, 2 },
            "Line 1: a field is longer than 65535 bytes." },
        { "Utf16Translation", Utf16Le(u"x\ny," + Widen(longWord)), tfUnicodeComma, { 1, 0, 0, 2 },
            "Line 2: a field is longer than 65535 bytes." },
        { "LineNumberCountsSkippedLines", "\n\n\n" + longWord, tfUtf8Comma, { 1, 0, 0, 2 },
            "Line 4: a field is longer than 65535 bytes." },
        { "ExactlyTheLimit", limitWord + "," + limitWord, tfTextComma, AllColumns, nullptr },
        { "UnmappedColumnDoesNotCount", "a,b," + longWord, tfTextComma, { 1, 0, 0, 2 }, nullptr },
        { "LineBeforeStartDoesNotCount", longWord + "\na,b", tfTextComma, { 1, 0, 0, 0 }, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        AddItem(document, "keep", "", "", "me");
        const std::int32_t startLine = std::string_view(c.Name) == "LineBeforeStartDoesNotCount" ? 2 : 1;
        if (!c.Message) {
            EXPECT_EQ(ImportTextBytes(document, c.Text, c.Format, c.Columns, startLine).Added, 1);
            continue;
        }
        try {
            ImportTextBytes(document, c.Text, c.Format, c.Columns, startLine);
            ADD_FAILURE() << "accepted";
        } catch (const EVocabFileError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
        EXPECT_EQ(document.Count(), 1);
        EXPECT_FALSE(document.Modified());
        EXPECT_EQ(document.SavedPos(), document.UndoPos());
    }
}

// The limit holds after conversion: two-byte UTF-8 characters shrink to one byte each.
TEST(TextImport, LengthLimitAppliesAfterConversion)
{
    std::string word;
    for (int i = 0; i < 40000; ++i)
        word += "\xC3\xBC"; // u with diaeresis
    TVocabFile document;
    SetLanguages(document, LangGerman, LangEnglish);
    ASSERT_EQ(ImportTextBytes(document, word + ",x", tfUtf8Comma, { 1, 0, 0, 2 }, 1).Added, 1);
    EXPECT_EQ(document.Items(0).FieldValue(0), std::string(40000, '\xFC'));
}

TEST(TextImport, Utf16ByteOrders)
{
    const std::u16string text = u"\u0434\u043e\u043c,house\r\n\u0432\u043e\u0434\u0430\tx,water";
    const std::vector<TFieldValues> expected
        = { { "\xE4\xEE\xEC", "", "", "house" }, { "\xE2\xEE\xE4\xE0\tx", "", "", "water" } };
    struct {
        const char* Name;
        std::string Bytes;
    } const cases[] = {
        { "LittleEndianWithMark", "\xFF\xFE" + Utf16Le(text) },
        { "BigEndianWithMark", "\xFE\xFF" + Utf16Be(text) },
        { "NoMarkIsLittleEndian", Utf16Le(text) },
        { "OddLastByteIgnored", "\xFF\xFE" + Utf16Le(text) + "\x41" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, LangRussian, LangEnglish);
        EXPECT_EQ(ImportTextBytes(document, c.Bytes, tfUnicodeComma, { 1, 0, 0, 2 }, 1).Added, 2);
        EXPECT_EQ(AllItems(document), expected);
    }
}

TEST(TextImport, Utf16KeepsNulAndSubstitutesLoneSurrogates)
{
    TVocabFile document;
    SetLanguages(document, LangGerman, LangEnglish);
    const std::u16string text
        = { u'a', 0, u'b', u',', 0xD800, u'x', u'\n', u'c', u',', 0xDC00, u'\n', u'd', u',', 0xDBFF };
    const TImportResult result = ImportTextBytes(document, Utf16Le(text), tfUnicodeComma, { 1, 0, 0, 2 }, 1);
    EXPECT_EQ(result.Added, 3);
    EXPECT_EQ(result.LostFields, 3);
    EXPECT_EQ(document.Items(0).FieldValue(0), std::string_view("a\0b", 3));
    EXPECT_EQ(document.Items(0).FieldValue(3),
        "\x1A"
        "x");
    EXPECT_EQ(document.Items(1).FieldValue(3), "\x1A");
    EXPECT_EQ(document.Items(2).FieldValue(3), "\x1A");
}

TEST(TextImport, Utf8ConvertedToEachLanguagesCodePage)
{
    TVocabFile document;
    SetLanguages(document, LangRussian, LangPolish);
    // "dom" in Cyrillic; Polish "dom" with z-dot in the notes; a Cyrillic note Polish cannot hold.
    const std::string text = "\xD0\xB4\xD0\xBE\xD0\xBC,n.,\xC5\xBC,dom\n"
                             "x,,\xD0\xB4,\xC5\xBC\xD0\xB4\n";
    const TImportResult result = ImportTextBytes(document, text, tfUtf8Comma, AllColumns, 1);
    EXPECT_EQ(result.Added, 2);
    EXPECT_EQ(result.LostFields, 2);
    EXPECT_EQ(ItemValues(document, 0), (TFieldValues { "\xE4\xEE\xEC", "n.", "\xBF", "dom" }));
    EXPECT_EQ(ItemValues(document, 1), (TFieldValues { "x", "", "\x1A", "\xBF\x1A" }));
}

TEST(TextImport, EightBitBytesTakenUnchanged)
{
    TVocabFile document;
    SetLanguages(document, LangRussian, LangGerman);
    const std::string text = "\xE4\xEE\xEC,\xFC\xDF\n\xEF\xBB\xBF"
                             "a,b";
    EXPECT_EQ(ImportTextBytes(document, text, tfTextComma, { 1, 0, 0, 2 }, 1).LostFields, 0);
    EXPECT_EQ(ItemValues(document, 0), (TFieldValues { "\xE4\xEE\xEC", "", "", "\xFC\xDF" }));
    EXPECT_EQ(document.Items(1).FieldValue(0),
        "\xEF\xBB\xBF"
        "a");
}

TEST(TextImport, Utf8ByteOrderMarkDropped)
{
    for (TTextFormat format : { tfUtf8Comma, tfUtf8Tab }) {
        TVocabFile document;
        const std::string text = std::string("\xEF\xBB\xBFword") + (format == tfUtf8Tab ? "\t" : ",") + "x\n";
        ASSERT_EQ(ImportTextBytes(document, text, format, { 1, 0, 0, 2 }, 1).Added, 1);
        EXPECT_EQ(document.Items(0).FieldValue(0), "word");
    }
    // Only a mark at the very start is one.
    TVocabFile document;
    EXPECT_EQ(ImportTextBytes(document, "\xEF\xBB\xBF", tfUtf8Comma, AllColumns, 1).Added, 0);
}

TEST(TextImport, NulEndsEightBitText)
{
    for (TTextFormat format : { tfTextComma, tfUtf8Comma }) {
        TVocabFile document;
        const std::string text("a,1\nb\0,2\nc,3\n", 13);
        EXPECT_EQ(ImportTextBytes(document, text, format, { 1, 0, 0, 2 }, 1).Added, 2);
        EXPECT_EQ(ItemValues(document, 1), (TFieldValues { "b", "", "", "#Value?#" }));
        EXPECT_EQ(ImportTextBytes(document, std::string("\0a,b", 4), format, AllColumns, 1).Added, 0);
    }
}

// Bad input is read without crashing or hanging; what can be read is.
TEST(TextImport, BadInputsReadSafely)
{
    struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        std::int32_t Added;
    } const cases[] = {
        { "EmptyText", "", tfTextComma, 0 },
        { "EmptyUtf16", "", tfUnicodeTab, 0 },
        { "OneByteUtf16", "a", tfUnicodeComma, 0 },
        { "OnlyMarkUtf16", "\xFE\xFF", tfUnicodeComma, 0 },
        { "OnlyLineBreaks", "\r\n\r\r\n\n", tfUtf8Tab, 0 },
        { "LoneQuote", "\"", tfUtf8Comma, 1 },
        { "UnterminatedQuoteAtEnd", "a,b\n\"c,d", tfTextComma, 2 },
        { "InvalidUtf8", "\xC0\x80,\xFF\xFE\n\xE2\x82,\xED\xA0\x80\n\xF4\x90\x80\x80", tfUtf8Comma, 3 },
        { "LongLineNoBreak", Repeat("x,", 1 << 19), tfTextComma, 1 },
        { "LongTabLine", Utf16Le(Widen(Repeat("x\t", 1 << 19))), tfUnicodeTab, 1 },
        { "LongQuotedLine", "\"" + std::string(60000, ',') + "\nx", tfTextComma, 2 },
        { "ManyEmptyFields", std::string(100000, ',') + "x", tfTextComma, 0 },
        { "ManyTabs", "w" + std::string(100000, '\t'), tfTextTab, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, LangGreek, LangEnglish);
        EXPECT_EQ(ImportTextBytes(document, c.Bytes, c.Format, { 1, 2, 3, 4 }, 1).Added, c.Added);
        for (std::int32_t i = 0; i < document.Count(); ++i) {
            EXPECT_FALSE(document.Items(i).FieldValue(0).empty());
            EXPECT_FALSE(document.Items(i).FieldValue(3).empty());
        }
    }
}

TEST(TextImport, FileErrors)
{
    TTempFolder folder;
    TVocabFile document;
    EXPECT_THROW(ImportText(document, folder.File("missing.txt"), tfTextComma, AllColumns, 1), EFileError);
    EXPECT_THROW(ImportText(document, folder.Path().string(), tfUnicodeComma, AllColumns, 1), EFileError);
    EXPECT_EQ(document.Count(), 0);
    EXPECT_FALSE(document.Modified());

    const std::string path = folder.Write("words.txt", "\xFF\xFE" + Utf16Le(u"a\tb\r\n"));
    EXPECT_EQ(ImportText(document, path, tfUnicodeTab, { 1, 0, 0, 2 }, 1).Added, 1);
    EXPECT_EQ(ItemValues(document, 0), (TFieldValues { "a", "", "", "b" }));
}

struct TDetectCase {
    const char* Name;
    std::string Sample;
    TTextFormat Expected;
};

TEST(TextImport, DetectTextFormatFromSample)
{
    const std::string utf8Word = "Stra\xC3\x9F"
                                 "e";
    const TDetectCase cases[] = {
        { "Empty", "", tfTextComma },
        { "OneByte", "\t", tfTextComma },
        { "Utf16LittleComma", "\xFF\xFE" + Utf16Le(u"a,b"), tfUnicodeComma },
        { "Utf16LittleTab", "\xFF\xFE" + Utf16Le(u"a\tb"), tfUnicodeTab },
        { "Utf16BigComma", "\xFE\xFF" + Utf16Be(u"a,b"), tfUnicodeComma },
        { "Utf16BigTab", "\xFE\xFF" + Utf16Be(u"a\tb"), tfUnicodeTab },
        // Little-endian 0x0009 is not a tab in big-endian text (it would be U+0900).
        { "Utf16BigTabMeansSwapped", "\xFE\xFF" + Utf16Le(u"a\tb"), tfUnicodeComma },
        { "AsciiComma", "a,b\nc,d", tfTextComma },
        { "AsciiTab", "a\tb", tfTextTab },
        { "TabInsideQuotedField", "\"a\tb\",c", tfTextTab },
        { "EightBitHighBytes",
            "Stra\xDF"
            "e,street",
            tfTextComma },
        { "Utf8Comma", utf8Word + ",street", tfUtf8Comma },
        { "Utf8Tab", utf8Word + "\tstreet", tfUtf8Tab },
        { "Utf8MarkAscii",
            "\xEF\xBB\xBF"
            "a,b",
            tfUtf8Comma },
        { "Utf8MarkTab",
            "\xEF\xBB\xBF"
            "a\tb",
            tfUtf8Tab },
        { "Utf8FourByte", "\xF0\x9F\x98\x80,x", tfUtf8Comma },
        { "OverlongIsNotUtf8", "\xC0\xAF" + utf8Word, tfTextComma },
        { "SurrogateIsNotUtf8", "\xED\xA0\x80" + utf8Word, tfTextComma },
        { "BeyondUnicodeIsNotUtf8", "\xF4\x90\x80\x80" + utf8Word, tfTextComma },
        { "StrayContinuation", utf8Word + "\x80", tfTextComma },
        { "ShortTextCutSequence", utf8Word + "\xC3", tfTextComma },
        { "TabAfterSample", std::string(1024, 'a') + "\t", tfTextComma },
        { "MultiByteAfterSample", std::string(1024, 'a') + "\xC3\xBC", tfTextComma },
        // A sample that cuts a sequence at its end is still UTF-8.
        { "SampleCutsSequence", utf8Word + std::string(1024 - utf8Word.size() - 1, 'a') + "\xC3\xBC",
            tfUtf8Comma },
        { "SampleCutsFourByteSequence",
            utf8Word + std::string(1024 - utf8Word.size() - 2, 'a') + "\xF0\x9F\x98\x80", tfUtf8Comma },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(DetectTextFormatBytes(c.Sample), c.Expected);
    }
}

TEST(TextImport, DetectTextFormatFromFile)
{
    TTempFolder folder;
    const std::string utf8Word = "\xC3\xBC";
    EXPECT_EQ(DetectTextFormat(folder.Write("a.txt", "\xFF\xFE" + Utf16Le(u"a\tb"))), tfUnicodeTab);
    // The file is longer than the sample, which cuts the last sequence.
    EXPECT_EQ(DetectTextFormat(folder.Write("b.txt", utf8Word + std::string(1021, 'a') + "\xE2\x82\xAC\t")),
        tfUtf8Comma);
    EXPECT_EQ(DetectTextFormat(folder.Write("c.txt", std::string(1024, 'a') + "\t")), tfTextComma);
    EXPECT_EQ(DetectTextFormat(folder.Write("d.txt", "")), tfTextComma);
    EXPECT_EQ(DetectTextFormat(folder.File("missing.txt")), tfTextComma);
    EXPECT_EQ(DetectTextFormat(folder.Path().string()), tfTextComma);
}

TEST(TextFormat, NamesAndCaptions)
{
    const char* const captions[]
        = { "Text (Comma-delimited)", "Text (Tab-delimited)", "Unicode (Comma-delimited)",
              "Unicode (Tab-delimited)", "Unicode UTF-8 (Comma-delimited)", "Unicode UTF-8 (Tab-delimited)" };
    const char* const names[]
        = { "text-comma", "text-tab", "unicode-comma", "unicode-tab", "utf8-comma", "utf8-tab" };
    for (int i = 0; i < TextFormatCount; ++i) {
        const auto format = static_cast<TTextFormat>(i);
        EXPECT_EQ(TextFormatCaption(format), captions[i]);
        EXPECT_EQ(TextFormatName(format), names[i]);
        EXPECT_EQ(TextFormatFromName(names[i]), format);
        EXPECT_EQ(IsTabFormat(format), i % 2 == 1);
    }
    EXPECT_EQ(TextFormatFromName(""), std::nullopt);
    EXPECT_EQ(TextFormatFromName("Text-Comma"), std::nullopt);
    EXPECT_EQ(TextFormatName(static_cast<TTextFormat>(6)), "");
    EXPECT_EQ(TextFormatCaption(static_cast<TTextFormat>(200)), "");
}

} // namespace
