#include "ExchangeTestSupport.h"
#include "core/DocumentBuilders.h"
#include "core/SafeSave.h"
#include "evaluation/TextUtils.h"
#include "exchange/TextImport.h"

#include <optional>
#include <vector>

namespace {

using V = TFieldValues;
using Items = std::vector<TFieldValues>;
constexpr TFieldColumns WordNative = { 1, 0, 0, 2 };
const char* const NoValue = "#Value?#";

// The same ASCII text in the encoding a format reads.
std::string Encode(std::string_view ascii, TTextFormat format)
{
    return format == tfUnicodeComma || format == tfUnicodeTab ? Utf16Le(Widen(ascii)) : std::string(ascii);
}

Items AllItems(const TVocabFile& document)
{
    Items items;
    for (std::int32_t i = 0; i < document.Count(); ++i)
        items.push_back(ItemValues(document, i));
    return items;
}

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
        line += (i > 1 ? ",f" : "f") + std::to_string(i);
    return line;
}

// Each case runs through the three readers of its delimiter: 8-bit, UTF-8 and UTF-16.
TEST(TextImport, FieldRulesOfEveryReader)
{
    const struct {
        const char* Name;
        bool Tab;
        std::string Line;
        TFieldColumns Columns;
        std::optional<TFieldValues> Expected; // nullopt: the line adds nothing
    } cases[] = {
        { "PlainFields", false, "house,noun,plural houses,Haus", AllColumns,
            V { "house", "noun", "plural houses", "Haus" } },
        { "QuotedComma", false, "\"big, red\",adj,,large", AllColumns, V { "big, red", "adj", "", "large" } },
        { "DoubledQuotes", false, "\"say \"\"hi\"\"\",v,,sagen", AllColumns,
            V { "say \"hi\"", "v", "", "sagen" } },
        { "SpacesAroundQuotedField", false, "   \"x y\"  ,a,b,c", AllColumns, V { "x y", "a", "b", "c" } },
        { "SpacesInsideQuotesTrimmedToo", false, "\"  x  \",a,b,c", AllColumns, V { "x", "a", "b", "c" } },
        { "ControlCharactersTrimmed", false, "\x01word\x1f,\x7f", WordNative, V { "word", "", "", "\x7f" } },
        { "UnclosedQuoteTakesRestOfLine", false, "a,\"b,c,d", { 2, 0, 0, 3 },
            V { "\"b,c,d", "", "", NoValue } },
        { "QuotesInsideFieldKept", false, "ab\"c,d\"e,f", WordNative, V { "ab\"c,d\"e", "", "", "f" } },
        { "LoneQuote", false, "\"", WordNative, V { "\"", "", "", NoValue } },
        { "QuotedSingleQuote", false, "\"\"\"\",x", WordNative, V { "\"", "", "", "x" } },
        { "TwoQuotePairs", false, "\"a\"\"\"\"b\",x", WordNative, V { "a\"\"b", "", "", "x" } },
        { "EmptyQuotedWordSkipped", false, "\"\",x", AllColumns, std::nullopt },
        { "BlankWordSkipped", false, "   ,x", AllColumns, std::nullopt },
        { "TrailingCommaGivesEmptyField", false, "a,", WordNative, V { "a", "", "", NoValue } },
        { "EmptyFieldsKeepColumns", false, "a,,,d", AllColumns, V { "a", "", "", "d" } },
        { "TranslationsUnmapped", false, "a,b", { 1, 0, 0, 0 }, V { "a", "", "", NoValue } },
        { "SwappedColumns", false, "one,two,three", { 3, 0, 0, 1 }, V { "three", "", "", "one" } },
        { "SameColumnTwice", false, "x,y", { 2, 2, 0, 2 }, V { "y", "y", "", "y" } },
        { "ColumnBeyondLine", false, "a,b", { 1, 0, 5, 2 }, V { "a", "", "", "b" } },
        { "WordColumnMissing", false, "a,b", { 3, 0, 0, 1 }, std::nullopt },
        { "NegativeAndHugeColumns", false, "a,b", { 1, -1, 2147483647, 2 }, V { "a", "", "", "b" } },
        { "Field64IsRead", false, ManyFields(70), { 64, 0, 0, 1 }, V { "f64", "", "", "f1" } },
        { "Field65IsIgnored", false, ManyFields(70), { 65, 0, 0, 1 }, std::nullopt },
        { "TabIsNoDelimiter", false, "a\tb,c", WordNative, V { "a\tb", "", "", "c" } },
        { "QuotedFieldKeepsQuotes", true, "\"a, b\"\t\"x\"", WordNative, V { "\"a, b\"", "", "", "\"x\"" } },
        { "TabEmptyFieldsKeepColumns", true, "a\t\t\td", AllColumns, V { "a", "", "", "d" } },
        { "CommaIsNoDelimiter", true, "a,b\tc", WordNative, V { "a,b", "", "", "c" } },
        { "TabFieldsTrimmed", true, "  a \t\x01 b\x02", WordNative, V { "a", "", "", "b" } },
        { "UnclosedQuoteMeansNothing", true, "\"a\tb", WordNative, V { "\"a", "", "", "b" } },
        { "TabEmptyWordSkipped", true, "\tb", WordNative, std::nullopt },
    };
    for (int i = 0; i < TextFormatCount; ++i) {
        const auto format = static_cast<TTextFormat>(i);
        for (const auto& c : cases) {
            if (c.Tab != IsTabFormat(format))
                continue;
            SCOPED_TRACE(std::string(c.Name) + " " + std::string(TextFormatName(format)));
            TVocabFile document;
            ASSERT_EQ(ImportTextBytes(document, Encode(c.Line, format), format, c.Columns, 1).Added,
                c.Expected ? 1 : 0);
            ASSERT_EQ(document.Count(), c.Expected ? 1 : 0);
            if (c.Expected) {
                EXPECT_EQ(ItemValues(document, 0), *c.Expected);
            }
        }
    }
}

// The reader's own splitting must agree with the shared splitting functions on every column.
TEST(TextImport, SplittingAgreesWithSharedSplitters)
{
    const std::string lines[]
        = { "a,\"b,c\",\"\"\"\"", " x , \"y\" ,z ", "\"unclosed,a,b", "q\"q,r\"r,s", "\"a\"\"\"b\",c", ",,,",
              "\"\"\"", "\t\"t\"\t,", ManyFields(66), "a\tb\t\"c\td\"\t", " \"  \" ,\"\"x\"\"" };
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
                const std::string expected
                    = index < fields.size() ? std::string(fields[index].begin(), fields[index].end()) : "";
                TVocabFile document;
                ImportTextBytes(document, Encode(line, format), format, { column, 0, 0, 0 }, 1);
                EXPECT_EQ(document.Count() ? std::string(document.Items(0).FieldValue(0)) : "", expected)
                    << "column " << column << " of " << TextFormatName(format);
            };
            expect(comma, tfTextComma);
            expect(tab, tfTextTab);
            expect(commaW, tfUnicodeComma);
        }
    }
}

TEST(TextImport, LineEndsOfEveryStyleGiveTheSameItems)
{
    const Items expected = { { "a", "", "", "1" }, { "b", "", "", "2" }, { "c", "", "", "3" } };
    for (TTextFormat format : { tfTextComma, tfUtf8Comma, tfUnicodeComma }) {
        for (const char* text :
            { "a,1\r\nb,2\r\nc,3\r\n", "a,1\nb,2\nc,3", "a,1\rb,2\rc,3\r", "a,1\r\n\r\nb,2\n\rc,3\n\n" }) {
            SCOPED_TRACE(::testing::PrintToString(text) + " " + std::string(TextFormatName(format)));
            TVocabFile document;
            EXPECT_EQ(ImportTextBytes(document, Encode(text, format), format, WordNative, 1).Added, 3);
            EXPECT_EQ(AllItems(document), expected);
        }
    }
    // A quoted field cannot span lines.
    TVocabFile document;
    ImportTextBytes(document, "\"a\nb\",c", tfTextComma, WordNative, 1);
    EXPECT_EQ(AllItems(document), (Items { { "\"a", "", "", NoValue }, { "b\",c", "", "", NoValue } }));
}

TEST(TextImport, StartLine)
{
    const std::string text = "Word,Translation\nhouse,Haus\ntree,Baum\n";
    const struct {
        std::int32_t StartLine;
        std::int32_t Added;
        const char* First;
    } cases[]
        = { { 1, 3, "Word" }, { 2, 2, "house" }, { 3, 1, "tree" }, { 4, 0, nullptr }, { 1000, 0, nullptr } };
    for (TTextFormat format : { tfTextComma, tfUtf8Comma, tfUnicodeComma }) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.StartLine);
            TVocabFile document;
            EXPECT_EQ(ImportTextBytes(document, Encode(text, format), format, WordNative, c.StartLine).Added,
                c.Added);
            if (c.First) {
                EXPECT_EQ(document.Items(0).FieldValue(0), c.First);
            }
            EXPECT_EQ(document.Modified(), c.Added > 0);
        }
    }
}

TEST(TextImport, BadStartLineOrFormatRefusedBeforeTheFileIsTouched)
{
    TTempFolder folder;
    TVocabFile document;
    for (std::int32_t startLine : { 0, -1, -2147483647 - 1 }) {
        try {
            // The file does not exist: a file error here would mean it was touched first.
            ImportText(document, folder.File("missing.txt"), tfTextComma, AllColumns, startLine);
            ADD_FAILURE() << "no exception";
        } catch (const EVocabFileError& e) {
            EXPECT_STREQ(e.what(), "Invalid procedure call.");
        }
        EXPECT_THROW(ImportTextBytes(document, "a,b", tfUnicodeTab, AllColumns, startLine), EVocabFileError);
    }
    EXPECT_THROW(
        ImportTextBytes(document, "a,b", static_cast<TTextFormat>(6), AllColumns, 1), EVocabFileError);
    EXPECT_EQ(document.Count(), 0);
}

TEST(TextImport, AppendsAfterExistingItemsAndClearsHistory)
{
    TVocabFile document;
    SetLanguages(document, LangGerman, LangEnglish);
    AddItem(document, "alt", "", "", "old");
    document.SetCurrentIndex(0);
    document.NewItem().SetFieldValues("neu", "", "", "new");
    document.Add();
    document.MarkSaved();
    const std::int32_t undo = document.UndoCount();
    const std::int32_t current = document.CurrentIndex();
    ASSERT_GT(undo, 0);

    // Nothing usable leaves the document alone.
    EXPECT_EQ(ImportTextBytes(document, "\n,x\n  \n\"\",y\n", tfTextComma, AllColumns, 1).Added, 0);
    EXPECT_EQ(document.Count(), 2);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.UndoCount(), undo);

    const TImportResult result
        = ImportTextBytes(document, "eins,one\nzwei,two\n", tfTextComma, WordNative, 1);
    EXPECT_EQ(std::pair(result.Added, result.LostFields), std::pair(2, 0));
    EXPECT_EQ(AllItems(document),
        (Items { { "neu", "", "", "new" }, { "alt", "", "", "old" }, { "eins", "", "", "one" },
            { "zwei", "", "", "two" } }));
    const TVocabItem& added = document.Items(3);
    EXPECT_EQ(std::tuple(added.PenaltyPoints, added.SortingPosition, added.LastAttempt), std::tuple(0, 0, 0));
    EXPECT_EQ(History(document), std::tuple(0, 0, -1, true));
    EXPECT_EQ(document.CurrentIndex(), current);
}

// A field that cannot be saved refuses the whole file, and the document is not even marked.
TEST(TextImport, OverlongFieldRefusesWholeFile)
{
    const std::string longWord(65536, 'w');
    const std::string limitWord(65535, 'w');
    const struct {
        const char* Name;
        std::string Text;
        TTextFormat Format;
        TFieldColumns Columns;
        std::int32_t StartLine;
        int RefusedLine; // 0: accepted
    } cases[] = {
        { "WordOnLine3", "a,b\nc,d\n" + longWord + ",e\n", tfTextComma, WordNative, 1, 3 },
        { "NotesOnLine1", "a\tb\t" + longWord, tfTextTab, { 1, 0, 3, 2 }, 1, 1 },
        { "Utf16Translation", Utf16Le(u"x\ny," + Widen(longWord)), tfUnicodeComma, WordNative, 1, 2 },
        { "LineNumberCountsSkippedLines", "\n\n\n" + longWord, tfUtf8Comma, WordNative, 1, 4 },
        { "ExactlyTheLimit", limitWord + "," + limitWord, tfTextComma, AllColumns, 1, 0 },
        { "UnmappedColumnDoesNotCount", "a,b," + longWord, tfTextComma, WordNative, 1, 0 },
        { "LineBeforeStartDoesNotCount", longWord + "\na,b", tfTextComma, { 1, 0, 0, 0 }, 2, 0 },
        // The limit holds after conversion: 40000 two-byte UTF-8 characters become 40000 bytes.
        { "LimitAfterConversion", Repeat("\xC3\xBC", 40000) + ",x", tfUtf8Comma, WordNative, 1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, LangGerman, LangEnglish);
        AddItem(document, "keep", "", "", "me");
        if (!c.RefusedLine) {
            EXPECT_EQ(ImportTextBytes(document, c.Text, c.Format, c.Columns, c.StartLine).Added, 1);
            continue;
        }
        try {
            ImportTextBytes(document, c.Text, c.Format, c.Columns, c.StartLine);
            ADD_FAILURE() << "accepted";
        } catch (const EVocabFileError& e) {
            EXPECT_EQ(
                e.what(), "Line " + std::to_string(c.RefusedLine) + ": a field is longer than 65535 bytes.");
        }
        EXPECT_EQ(document.Count(), 1);
        EXPECT_FALSE(document.Modified());
        EXPECT_EQ(document.SavedPos(), document.UndoPos());
    }
}

// Foreign text goes to code page 1251, native text to 1250; what they cannot hold is lost.
TEST(TextImport, EncodingsAndCodePages)
{
    const std::u16string russian = u"\u0434\u043e\u043c,house\r\n\u0432\u043e\u0434\u0430\tx,water";
    const Items russianItems
        = { { "\xE4\xEE\xEC", "", "", "house" }, { "\xE2\xEE\xE4\xE0\tx", "", "", "water" } };
    const std::u16string surrogates
        = { u'a', 0, u'b', u',', 0xD800, u'x', u'\n', u'c', u',', 0xDC00, u'\n', u'd', u',', 0xDBFF };
    const struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        TFieldColumns Columns;
        Items Expected;
        std::int32_t LostFields;
    } cases[] = {
        { "Utf16LeMark", "\xFF\xFE" + Utf16Le(russian), tfUnicodeComma, WordNative, russianItems, 0 },
        { "Utf16BeMark", "\xFE\xFF" + Utf16Be(russian), tfUnicodeComma, WordNative, russianItems, 0 },
        { "Utf16NoMarkIsLittleEndian", Utf16Le(russian), tfUnicodeComma, WordNative, russianItems, 0 },
        { "Utf16OddByteIgnored", "\xFF\xFE" + Utf16Le(russian) + "A", tfUnicodeComma, WordNative,
            russianItems, 0 },
        { "Utf16NulKeptLoneSurrogatesLost", Utf16Le(surrogates), tfUnicodeComma, WordNative,
            { { std::string("a\0b", 3), "", "", "?x" }, { "c", "", "", "?" }, { "d", "", "", "?" } }, 3 },
        // Polish z-dot fits 1250 but not 1251, Cyrillic de neither.
        { "Utf8ToEachLanguagesCodePage",
            "\xD0\xB4\xD0\xBE\xD0\xBC,n.,\xC5\xBC,dom\nx,,\xD0\xB4,\xC5\xBC\xD0\xB4\n", tfUtf8Comma,
            AllColumns, { { "\xE4\xEE\xEC", "n.", "\xBF", "dom" }, { "x", "", "?", "\xBF?" } }, 2 },
        { "EightBitBytesUnchanged", "\xE4\xEE\xEC,\xFC\xDF\n\xEF\xBB\xBFx,y", tfTextComma, WordNative,
            { { "\xE4\xEE\xEC", "", "", "\xFC\xDF" }, { "\xEF\xBB\xBFx", "", "", "y" } }, 0 },
        { "Utf8Mark", "\xEF\xBB\xBFword,x\n", tfUtf8Comma, WordNative, { { "word", "", "", "x" } }, 0 },
        { "Utf8MarkTab", "\xEF\xBB\xBFword\tx\n", tfUtf8Tab, WordNative, { { "word", "", "", "x" } }, 0 },
        { "Utf8MarkAlone", "\xEF\xBB\xBF", tfUtf8Comma, AllColumns, {}, 0 },
        { "NulEndsEightBitText", std::string("a,1\nb\0,2\nc,3\n", 13), tfTextComma, WordNative,
            { { "a", "", "", "1" }, { "b", "", "", NoValue } }, 0 },
        { "NulEndsUtf8Text", std::string("a,1\nb\0,2\nc,3\n", 13), tfUtf8Comma, WordNative,
            { { "a", "", "", "1" }, { "b", "", "", NoValue } }, 0 },
        { "LeadingNulEightBit", std::string("\0a,b", 4), tfTextComma, AllColumns, {}, 0 },
        { "LeadingNulUtf8", std::string("\0a,b", 4), tfUtf8Comma, AllColumns, {}, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, LangRussian, LangPolish);
        const TImportResult result = ImportTextBytes(document, c.Bytes, c.Format, c.Columns, 1);
        EXPECT_EQ(result.Added, static_cast<std::int32_t>(c.Expected.size()));
        EXPECT_EQ(result.LostFields, c.LostFields);
        EXPECT_EQ(AllItems(document), c.Expected);
    }
}

// Bad input is read without crashing or hanging; what can be read is.
TEST(TextImport, BadInputsReadSafely)
{
    const struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        std::int32_t Added;
    } cases[] = { { "EmptyText", "", tfTextComma, 0 }, { "EmptyUtf16", "", tfUnicodeTab, 0 },
        { "OneByteUtf16", "a", tfUnicodeComma, 0 }, { "OnlyMarkUtf16", "\xFE\xFF", tfUnicodeComma, 0 },
        { "OnlyLineBreaks", "\r\n\r\r\n\n", tfUtf8Tab, 0 }, { "LoneQuote", "\"", tfUtf8Comma, 1 },
        { "UnterminatedQuoteAtEnd", "a,b\n\"c,d", tfTextComma, 2 },
        { "InvalidUtf8", "\xC0\x80,\xFF\xFE\n\xE2\x82,\xED\xA0\x80\n\xF4\x90\x80\x80", tfUtf8Comma, 3 },
        { "LongLineNoBreak", Repeat("x,", 1 << 19), tfTextComma, 1 },
        { "LongTabLine", Utf16Le(Widen(Repeat("x\t", 1 << 19))), tfUnicodeTab, 1 },
        { "LongQuotedLine", "\"" + std::string(60000, ',') + "\nx", tfTextComma, 2 },
        { "ManyEmptyFields", std::string(100000, ',') + "x", tfTextComma, 0 },
        { "ManyTabs", "w" + std::string(100000, '\t'), tfTextTab, 1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, LangGreek, LangEnglish);
        EXPECT_EQ(ImportTextBytes(document, c.Bytes, c.Format, AllColumns, 1).Added, c.Added);
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
    EXPECT_EQ(ImportText(document, path, tfUnicodeTab, WordNative, 1).Added, 1);
    EXPECT_EQ(ItemValues(document, 0), (V { "a", "", "", "b" }));
}

TEST(TextImport, DetectTextFormatFromSample)
{
    const std::string utf8Word = "Stra\xC3\x9Fo";
    const std::string pad = std::string(1024 - utf8Word.size(), 'a');
    // A UTF-16 mark decides, then the tab test in UTF-16 takes the byte order into account (0x0009
    // little-endian is U+0900 big-endian). A tab anywhere in the sample, quoted or not, means tabs.
    // Text is UTF-8 when it holds a multi-byte sequence and nothing invalid: not overlong, no
    // surrogate, nothing beyond U+10FFFF, no stray continuation, no sequence cut short by the end of a
    // short text. Only the first 1024 bytes count, and a sequence cut by the sample's end is fine.
    const std::pair<std::string, TTextFormat> cases[] = { { "", tfTextComma }, { "\t", tfTextComma },
        { "\xFF\xFE" + Utf16Le(u"a,b"), tfUnicodeComma }, { "\xFF\xFE" + Utf16Le(u"a\tb"), tfUnicodeTab },
        { "\xFE\xFF" + Utf16Be(u"a,b"), tfUnicodeComma }, { "\xFE\xFF" + Utf16Be(u"a\tb"), tfUnicodeTab },
        { "\xFE\xFF" + Utf16Le(u"a\tb"), tfUnicodeComma }, { "a,b\nc,d", tfTextComma }, { "a\tb", tfTextTab },
        { "\"a\tb\",c", tfTextTab }, { "Stra\xDFo,street", tfTextComma },
        { utf8Word + ",street", tfUtf8Comma }, { utf8Word + "\tstreet", tfUtf8Tab },
        { "\xEF\xBB\xBFx,y", tfUtf8Comma }, { "\xEF\xBB\xBFx\ty", tfUtf8Tab },
        { "\xF0\x9F\x98\x80,x", tfUtf8Comma }, { "\xC0\xAF" + utf8Word, tfTextComma },
        { "\xED\xA0\x80" + utf8Word, tfTextComma }, { "\xF4\x90\x80\x80" + utf8Word, tfTextComma },
        { utf8Word + "\x80", tfTextComma }, { utf8Word + "\xC3", tfTextComma },
        { std::string(1024, 'a') + "\t", tfTextComma }, { std::string(1024, 'a') + "\xC3\xBC", tfTextComma },
        { utf8Word + pad.substr(1) + "\xC3\xBC", tfUtf8Comma },
        { utf8Word + pad.substr(2) + "\xF0\x9F\x98\x80", tfUtf8Comma } };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(DetectTextFormatBytes(cases[i].first), cases[i].second) << "case " << i;
}

TEST(TextImport, DetectTextFormatFromFile)
{
    TTempFolder folder;
    EXPECT_EQ(DetectTextFormat(folder.Write("a.txt", "\xFF\xFE" + Utf16Le(u"a\tb"))), tfUnicodeTab);
    // The file is longer than the sample, which cuts the last sequence.
    EXPECT_EQ(DetectTextFormat(folder.Write("b.txt", "\xC3\xBC" + std::string(1021, 'a') + "\xE2\x82\xAC\t")),
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
