#include "ExchangeTestSupport.h"
#include "core/DocumentBuilders.h"
#include "core/SafeSave.h"
#include "evaluation/TextUtils.h"
#include "exchange/TextImport.h"
#include "support/MessageOf.h"

#include <optional>
#include <vector>

namespace {

using V = TFieldValues;
using Items = std::vector<TFieldValues>;
const char* const NoValue = "#Value?#";

// The same ASCII text in the encoding a format reads.
std::string Encode(std::string_view ascii, TTextFormat format)
{
    return TextFormatEncoding(format) == teUtf16 ? Utf16Le(Widen(ascii)) : std::string(ascii);
}

// Commas and semicolons trade places, so that a comma case serves the semicolon formats too.
std::string SwapDelimiters(std::string text)
{
    for (char& c : text)
        c = c == ',' ? ';' : c == ';' ? ',' : c;
    return text;
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

// Each case runs through the three readers of its delimiter: 8-bit, UTF-8 and UTF-16; the comma
// cases also through the semicolon readers, with the two characters swapped.
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
        // A quote that opens no field, or never closes, is a character and hides no delimiter.
        { "UnclosedQuoteIsACharacter", false, "a,\"b,c,d", { 2, 0, 0, 3 }, V { "\"b", "", "", "c" } },
        { "QuoteInsideAFieldIsACharacter", false, "ab\"c,d\"e,f", WordNative, V { "ab\"c", "", "", "d\"e" } },
        { "InchMarks", false, "5\" Bildschirm,noun,size,5\" screen", AllColumns,
            V { "5\" Bildschirm", "noun", "size", "5\" screen" } },
        { "QuoteAtTheEndOfAField", false, "Zoll,noun,Zeichen: \",inch", AllColumns,
            V { "Zoll", "noun", "Zeichen: \"", "inch" } },
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
        // Tab files are quoted as spreadsheets write them.
        { "TabQuotedFields", true, "\"a, b\"\t\"x\"", WordNative, V { "a, b", "", "", "x" } },
        { "TabDoubledQuotes", true, "\"er sagte \"\"ja\"\"\"\tsaid", WordNative,
            V { "er sagte \"ja\"", "", "", "said" } },
        { "TabQuoteInsideAField", true, "5\" screen\t\"Zoll\" \"x", WordNative,
            V { "5\" screen", "", "", "\"Zoll\" \"x" } },
        { "TabQuotedTab", true, "\"a\tb\"\tc", WordNative, V { "a\tb", "", "", "c" } },
        { "TabEmptyFieldsKeepColumns", true, "a\t\t\td", AllColumns, V { "a", "", "", "d" } },
        { "CommaIsNoDelimiter", true, "a,b\tc", WordNative, V { "a,b", "", "", "c" } },
        { "TabFieldsTrimmed", true, "  a \t\x01 b\x02", WordNative, V { "a", "", "", "b" } },
        { "UnclosedQuoteMeansNothing", true, "\"a\tb", WordNative, V { "\"a", "", "", "b" } },
        { "TabEmptyWordSkipped", true, "\tb", WordNative, std::nullopt },
        { "FirstMarkerTakenWithABlank", true, "der @ Hund@\t@", WordNative, V { "der Hund@", "", "", "@" } },
        { "MarkerAloneIsNoWord", false, " \"@\" ,x", WordNative, std::nullopt },
    };
    for (int i = 0; i < TextFormatCount; ++i) {
        const auto format = static_cast<TTextFormat>(i);
        for (const auto& c : cases) {
            if (c.Tab != IsTabFormat(format))
                continue;
            SCOPED_TRACE(std::string(c.Name) + " " + std::string(TextFormatName(format)));
            const bool swap = TextFormatDelimiter(format) == ';';
            TVocabFile document;
            ASSERT_EQ(ImportTextBytes(document, Encode(swap ? SwapDelimiters(c.Line) : c.Line, format),
                          format, c.Columns, 1)
                          .Added,
                c.Expected ? 1 : 0);
            ASSERT_EQ(document.Count(), c.Expected ? 1 : 0);
            if (c.Expected) {
                TFieldValues expected = *c.Expected;
                for (auto& value : expected)
                    value = swap ? SwapDelimiters(value) : value;
                EXPECT_EQ(ItemValues(document, 0), expected);
            }
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
}

// A line break inside a quoted field belongs to the field, as RFC 4180 reads it, and becomes a
// space; lines are still counted as the file has them.
TEST(TextImport, QuotedLineBreaksAndStartLine)
{
    const std::string header = "Word,Translation\nhouse,Haus\ntree,Baum\n";
    const struct {
        const char* Name;
        std::string Text;
        TTextFormat Format; // the comma formats also run in their other two encodings
        std::int32_t StartLine;
        Items Expected;
        const char* Refused = nullptr; // the message of a refused file
    } cases[] = {
        { "FieldSpansTwoLines", "\"Once upon\na time\",5,6\nx,y", tfTextComma, 1,
            { { "Once upon a time", "5", "6", NoValue }, { "x", "y", "", NoValue } } },
        { "EveryLineEndStyle", "\"a\r\nb\rc\nd\",e", tfTextComma, 1, { { "a b c d", "e", "", NoValue } } },
        { "BreaksAtTheQuotesEdgesTrimmed", "\"\na\n\",b", tfTextComma, 1, { { "a", "b", "", NoValue } } },
        { "InLaterColumn", "w,\"n\no\"\"t\"\"e\",t\nv,,,u", tfTextComma, 1,
            { { "w", "n o\"t\"e", "t", NoValue }, { "v", "", "", "u" } } },
        { "StartLineCountsFileLines", "\"h\n1\",h2\nword,x\n", tfTextComma, 3,
            { { "word", "x", "", NoValue } } },
        { "StartLineInsideAFieldSkipsIt", "\"h\n1\",h2\nword,x\n", tfTextComma, 2,
            { { "word", "x", "", NoValue } } },
        { "UnclosedOpeningQuoteIsACharacter", "a,1\n\"b,2\nc,3", tfTextComma, 1,
            { { "a", "1", "", NoValue }, { "\"b", "2", "", NoValue }, { "c", "3", "", NoValue } } },
        { "QuoteInsideAFieldIsACharacter", "5\" screen,Bild\nx,y", tfTextComma, 1,
            { { "5\" screen", "Bild", "", NoValue }, { "x", "y", "", NoValue } } },
        { "TabFieldsSpanToo", "\"a\tb\nc\"\td", tfTextTab, 1, { { "a\tb c", "d", "", NoValue } } },
        { "TabEveryCellQuoted",
            "\"K\xE4se\"\t\"\"\t\"\"\t\"cheese\"\r\n\"zwei\r\nZeilen\"\t\"\"\t\"\"\t\"two\"\r\n", tfTextTab,
            1, { { "K\xE4se", "", "", "cheese" }, { "zwei Zeilen", "", "", "two" } } },
        { "TabUnclosedQuoteIsACharacter", "\"a\tb\nc\td\n", tfTextTab, 1,
            { { "\"a", "b", "", NoValue }, { "c", "d", "", NoValue } } },
        { "StartLineSkipsTheHeader", header, tfTextComma, 2,
            { { "house", "Haus", "", NoValue }, { "tree", "Baum", "", NoValue } } },
        { "StartLineOnTheLastLine", header, tfTextComma, 3, { { "tree", "Baum", "", NoValue } } },
        { "StartLineAfterTheLastLine", header, tfTextComma, 4, {} },
        { "StartLineFarBeyond", header, tfTextComma, 1000, {} },
        { "RefusalNamesTheFirstLine", "a,b\n\"" + std::string(70000, 'w') + "\n\",c", tfTextComma, 1, {},
            "Line 2: a field is longer than 65535 bytes." },
    };
    for (const auto& c : cases) {
        const bool tab = IsTabFormat(c.Format);
        for (TTextFormat format : tab ? std::vector { c.Format }
                                      : std::vector { tfTextComma, tfUtf8Comma, tfUnicodeComma,
                                          tfTextSemicolon, tfUtf8Semicolon, tfUnicodeSemicolon }) {
            SCOPED_TRACE(std::string(c.Name) + " " + std::string(TextFormatName(format)));
            const bool swap = TextFormatDelimiter(format) == ';';
            TVocabFile document;
            const std::string bytes = Encode(swap ? SwapDelimiters(c.Text) : c.Text, format);
            if (c.Refused) {
                EXPECT_EQ(MessageOf<EVocabFileError>(
                              [&] { ImportTextBytes(document, bytes, format, AllColumns, c.StartLine); }),
                    c.Refused);
                continue;
            }
            EXPECT_EQ(ImportTextBytes(document, bytes, format, AllColumns, c.StartLine).Added,
                static_cast<std::int32_t>(c.Expected.size()));
            Items expected = c.Expected;
            for (auto& values : expected)
                for (auto& value : values)
                    value = swap ? SwapDelimiters(value) : value;
            EXPECT_EQ(AllItems(document), expected);
            EXPECT_EQ(document.Modified(), !expected.empty());
            // The preview reads the same records, numbered by the line they start on.
            const auto rows = PreviewTextBytes(bytes, format, AllColumns, c.StartLine, 10, English, English);
            std::size_t n = 0;
            for (const auto& row : rows) {
                if (row.Skipped || n >= expected.size())
                    continue;
                EXPECT_EQ(row.Columns[0], expected[n++][0]) << "preview of line " << row.Line;
            }
            EXPECT_EQ(n, expected.size());
        }
    }
    EXPECT_EQ(
        PreviewTextBytes("\"a\nb\",c\n\nd,e", tfTextComma, AllColumns, 1, 5, English, English).back().Line,
        4);
}

TEST(TextImport, AppendsAfterExistingItemsAndClearsHistory)
{
    TVocabFile document;
    SetLanguages(document, German, English);
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
        SetLanguages(document, German, English);
        AddItem(document, "keep", "", "", "me");
        if (!c.RefusedLine) {
            EXPECT_EQ(ImportTextBytes(document, c.Text, c.Format, c.Columns, c.StartLine).Added, 1);
            continue;
        }
        EXPECT_EQ(MessageOf<EVocabFileError>(
                      [&] { ImportTextBytes(document, c.Text, c.Format, c.Columns, c.StartLine); }),
            "Line " + std::to_string(c.RefusedLine) + ": a field is longer than 65535 bytes.");
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
        = { u'a', u'-', u'b', u',', 0xD800, u'x', u'\n', u'c', u',', 0xDC00, u'\n', u'd', u',', 0xDBFF };
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
        // Without a mark, big-endian is read as such when its NUL bytes say so.
        { "Utf16BeNoMark", Utf16Be(russian), tfUnicodeComma, WordNative, russianItems, 0 },
        { "Utf16OddByteIgnored", "\xFF\xFE" + Utf16Le(russian) + "A", tfUnicodeComma, WordNative,
            russianItems, 0 },
        { "Utf16LoneSurrogatesLost", Utf16Le(surrogates), tfUnicodeComma, WordNative,
            { { "a-b", "", "", "?x" }, { "c", "", "", "?" }, { "d", "", "", "?" } }, 3 },
        // Polish z-dot fits 1250 but not 1251, Cyrillic de neither.
        { "Utf8ToEachLanguagesCodePage",
            "\xD0\xB4\xD0\xBE\xD0\xBC,n.,\xC5\xBC,dom\nx,,\xD0\xB4,\xC5\xBC\xD0\xB4\n", tfUtf8Comma,
            AllColumns, { { "\xE4\xEE\xEC", "n.", "\xBF", "dom" }, { "x", "", "?", "\xBF?" } }, 2 },
        { "EightBitBytesUnchanged", "\xE4\xEE\xEC,\xFC\xDF\n\xEF\xBB\xBFx,y", tfTextComma, WordNative,
            { { "\xE4\xEE\xEC", "", "", "\xFC\xDF" }, { "\xEF\xBB\xBFx", "", "", "y" } }, 0 },
        { "Utf8Mark", "\xEF\xBB\xBFword,x\n", tfUtf8Comma, WordNative, { { "word", "", "", "x" } }, 0 },
        { "Utf8MarkTab", "\xEF\xBB\xBFword\tx\n", tfUtf8Tab, WordNative, { { "word", "", "", "x" } }, 0 },
        { "Utf8MarkAlone", "\xEF\xBB\xBF", tfUtf8Comma, AllColumns, {}, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, Russian, Polish);
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
        { "LongQuoteInsideField", "a\"" + std::string(60000, ',') + "\nx", tfTextComma, 2 },
        { "ManyQuotedBreaks", "\"" + std::string(60000, '\n') + "x\",y", tfUtf8Semicolon, 1 },
        { "BlanksBeforeManyQuotedBreaks", std::string(30000, ' ') + "\"" + std::string(30000, '\n') + "x\",y",
            tfTextComma, 1 },
        { "ManyEmptyFields", std::string(100000, ',') + "x", tfTextComma, 0 },
        { "ManyTabs", "w" + std::string(100000, '\t'), tfTextTab, 1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, Greek, English);
        EXPECT_EQ(ImportTextBytes(document, c.Bytes, c.Format, AllColumns, 1).Added, c.Added);
        for (std::int32_t i = 0; i < document.Count(); ++i) {
            EXPECT_FALSE(document.Items(i).FieldValue(0).empty());
            EXPECT_FALSE(document.Items(i).FieldValue(3).empty());
        }
    }
}

TEST(TextImport, DetectTextFormat)
{
    const std::string utf8Word = "Straße";
    const std::string ascii(100000, 'a');
    const struct {
        const char* Name;
        std::string Bytes;
        bool Cut; // the bytes are the beginning of a longer file
        TTextFormat Expected;
    } cases[] = { { "Empty", "", false, tfTextComma }, { "OneByte", "\t", false, tfTextComma },
        // A UTF-16 mark decides; the tab test then takes the byte order into account.
        { "Utf16LeMarkComma", "\xFF\xFE" + Utf16Le(u"a,b"), false, tfUnicodeComma },
        { "Utf16LeMarkTab", "\xFF\xFE" + Utf16Le(u"a\tb"), false, tfUnicodeTab },
        { "Utf16BeMarkComma", "\xFE\xFF" + Utf16Be(u"a,b"), false, tfUnicodeComma },
        { "Utf16BeMarkTab", "\xFE\xFF" + Utf16Be(u"a\tb"), false, tfUnicodeTab },
        { "Utf16BeMarkLittleEndianTab", "\xFE\xFF" + Utf16Le(u"a\tb"), false, tfUnicodeComma },
        { "Utf16MarkWithoutNuls", "\xFF\xFE" + Utf16Le(u"\u65E5\u672C\t\u8A9E"), false, tfUnicodeTab },
        // Without a mark, NUL bytes on one side of each pair tell UTF-16 and its byte order.
        { "Utf16LeNoMark", Utf16Le(u"Haus,house\r\nBaum,tree\r\n"), false, tfUnicodeComma },
        { "Utf16BeNoMarkTab", Utf16Be(u"Haus\thouse\r\n"), false, tfUnicodeTab },
        { "Utf16CyrillicNoMark",
            Utf16Le(u"\u0437\u0434\u0440\u0430\u0432\u0441\u0442\u0432\u0443\u0439,hi\n"), false,
            tfUnicodeComma },
        { "Utf16NoMarkCutOddByte", Utf16Le(u"a;b\nc;d\n").substr(0, 15), true, tfUnicodeSemicolon },
        { "StrayNulIsNoUtf16", std::string("abcdefgh,ijklmnopqrstuvwxyz\n\0x", 30), false, tfTextComma },
        { "NulsOnBothSides", std::string("a\0\0b\0c\0\0", 8), false, tfTextComma },
        // A tab anywhere, quoted or not, means tabs, as long as semicolons do not decide.
        { "CommaLines", "a,b\nc,d", false, tfTextComma }, { "Tab", "a\tb", false, tfTextTab },
        { "QuotedTabInCommaFile", "\"a\tb\",c", false, tfTextTab },
        { "TabLateInWholeFile", ascii + "\t", false, tfTextTab },
        { "EightBitSharpS", "Stra\xDF,street", false, tfTextComma },
        // UTF-8: a multi-byte sequence and nothing invalid, anywhere in the bytes looked at.
        { "Utf8Comma", utf8Word + ",street", false, tfUtf8Comma },
        { "Utf8Tab", utf8Word + "\tstreet", false, tfUtf8Tab },
        { "Utf8MarkComma", "\xEF\xBB\xBFx,y", false, tfUtf8Comma },
        { "Utf8MarkTab", "\xEF\xBB\xBFx\ty", false, tfUtf8Tab },
        { "Utf8FourBytes", "\xF0\x9F\x98\x80,x", false, tfUtf8Comma },
        { "Utf8AfterLongAscii", ascii + "K\xC3\xA4se,cheese\n", false, tfUtf8Comma },
        { "Utf8AfterLongAsciiInSample", ascii.substr(0, 5000) + "K\xC3\xA4se", true, tfUtf8Comma },
        { "Overlong", "\xC0\xAF" + utf8Word, false, tfTextComma },
        { "Surrogate", "\xED\xA0\x80" + utf8Word, false, tfTextComma },
        { "OverlongThreeBytes", "\xE0\x80\x80" + utf8Word, false, tfTextComma },
        { "LowestThreeBytes", "\xE1\x80\x80,x", false, tfUtf8Comma },
        { "HighestCodePoint", "\xF4\x8F\xBF\xBF,x", false, tfUtf8Comma },
        { "BeyondUnicode", "\xF4\x90\x80\x80" + utf8Word, false, tfTextComma },
        { "StrayContinuation", utf8Word + "\x80", false, tfTextComma },
        { "CutSequenceAtFileEnd", utf8Word + "\xC3", false, tfTextComma },
        { "CutSequenceAtSampleEnd", utf8Word + "\xC3", true, tfUtf8Comma },
        { "CutFourByteAtSampleEnd", utf8Word + "\xF0\x9F\x98", true, tfUtf8Comma },
        { "OnlyACutSequence", "abc\xC3", true, tfTextComma },
        { "InvalidLateInWholeFile", utf8Word + ascii + "\xFF", false, tfTextComma },
        // A stray byte of another code page among more UTF-8 characters leaves it UTF-8.
        { "MostlyUtf8",
            "K\xC3\xA4se,cheese\nGr\xC3\xBC\xC3\x9F"
            "e,hi\nCaf\xE9,cafe\n",
            false, tfUtf8Comma },
        { "Utf8AfterLongAsciiThenStray",
            ascii
                + "K\xC3\xA4se\nStra\xC3\x9F"
                  "e\nCaf\xE9\n",
            false, tfUtf8Comma },
        // Semicolons outside quotes split every line alike, commas do not.
        { "Semicolons", "Haus;house, home\nBaum;tree\n", false, tfTextSemicolon },
        { "SemicolonsUtf8", "K\xC3\xA4se;cheese\nBaum;tree", false, tfUtf8Semicolon },
        { "SemicolonsUtf16", "\xFF\xFE" + Utf16Le(u"a;b;c\r\nd;e;f\r\n"), false, tfUnicodeSemicolon },
        { "SemicolonsWithBlankLines", "a;b\n\n  \nc;d\n", false, tfTextSemicolon },
        { "QuotedSemicolonsDoNotCount", "\"a;b\",c\n\"d;e;f\",g\n", false, tfTextComma },
        { "QuotedCommasDoNotCount", "\"big, red\";gro\xDF\nsmall;klein\n", false, tfTextSemicolon },
        { "QuotedBreakInSemicolonFile", "\"a\nb;c\";d\ne;f\n", false, tfTextSemicolon },
        { "UnevenSemicolons", "a;b\nc;d;e\n", false, tfTextComma },
        { "LineWithoutSemicolon", "a;b\nc\n", false, tfTextComma },
        { "FirstLineWithoutSemicolon", "a\nb;c", false, tfTextComma },
        { "CommasSplitAlikeToo", "a;b,c\nd;e,f\n", false, tfTextComma },
        { "QuotedTabInSemicolonFile", "\"a\tb\";c\nd;e\n", false, tfTextSemicolon },
        { "TabFileWithSemicolons", "a;b\tc\nd;e\tf\n", false, tfTextTab },
        { "CutLastLineIgnored", "a;b\nc;d\ne", true, tfTextSemicolon },
        { "UncutLastLineCounts", "a;b\nc;d\ne", false, tfTextComma } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TextFormatName(DetectTextFormatBytes(c.Bytes, c.Cut)), TextFormatName(c.Expected));
    }
}

// Bad arguments are refused before the file is touched.
TEST(TextImport, FromFiles)
{
    TTempFolder folder;
    TVocabFile document;
    for (std::int32_t startLine : { 0, -1, -2147483647 - 1 }) {
        // The file does not exist: a file error here would mean it was touched first.
        EXPECT_EQ(MessageOf<EVocabFileError>([&] {
            ImportText(document, folder.File("missing.txt"), tfTextComma, AllColumns, startLine);
        }),
            "Invalid procedure call.");
        EXPECT_THROW(ImportTextBytes(document, "a,b", tfUnicodeTab, AllColumns, startLine), EVocabFileError);
    }
    EXPECT_THROW(
        ImportTextBytes(document, "a,b", static_cast<TTextFormat>(9), AllColumns, 1), EVocabFileError);
    EXPECT_THROW(ImportText(document, folder.File("missing.txt"), tfTextComma, AllColumns, 1), EFileError);
    EXPECT_THROW(ImportText(document, folder.Path().string(), tfUnicodeComma, AllColumns, 1), EFileError);
    EXPECT_EQ(document.Count(), 0);
    EXPECT_FALSE(document.Modified());

    const std::string path = folder.Write("words.txt", "\xFF\xFE" + Utf16Le(u"a\tb\r\n"));
    EXPECT_EQ(ImportText(document, path, tfUnicodeTab, WordNative, 1).Added, 1);
    EXPECT_EQ(ItemValues(document, 0), (V { "a", "", "", "b" }));
}

// The first six keep their numbers: lists and settings elsewhere count on them; the command line
// names them.
TEST(TextFormat, NamesEncodingsAndDelimiters)
{
    const std::tuple<const char*, TTextEncoding, char> formats[] = { { "text-comma", teEightBit, ',' },
        { "text-tab", teEightBit, '\t' }, { "unicode-comma", teUtf16, ',' }, { "unicode-tab", teUtf16, '\t' },
        { "utf8-comma", teUtf8, ',' }, { "utf8-tab", teUtf8, '\t' }, { "text-semicolon", teEightBit, ';' },
        { "unicode-semicolon", teUtf16, ';' }, { "utf8-semicolon", teUtf8, ';' } };
    ASSERT_EQ(std::size(formats), static_cast<std::size_t>(TextFormatCount));
    for (int i = 0; i < TextFormatCount; ++i) {
        const auto format = static_cast<TTextFormat>(i);
        const auto& [name, encoding, delimiter] = formats[i];
        EXPECT_EQ(std::tuple(TextFormatFromName(TextFormatName(format)), TextFormatFromName(name),
                      TextFormatEncoding(format), TextFormatDelimiter(format), IsTabFormat(format),
                      MakeTextFormat(encoding, delimiter)),
            std::tuple(
                std::optional(format), std::optional(format), encoding, delimiter, delimiter == '\t', format))
            << name;
    }
    EXPECT_EQ(MakeTextFormat(teUtf8, ':'), tfUtf8Comma);
    EXPECT_EQ(TextFormatName(static_cast<TTextFormat>(TextFormatCount)), ""); // no read past the table
    for (const char* name : { "", "Text-Comma" })
        EXPECT_EQ(TextFormatFromName(name), std::nullopt) << name;
}

} // namespace
