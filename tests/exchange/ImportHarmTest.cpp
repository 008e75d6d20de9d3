// What an import refuses, what it tells, and which columns it reads when none are chosen.

#include "ExchangeTestSupport.h"
#include "exchange/ImportRules.h"
#include "exchange/TextCheck.h"
#include "support/MessageOf.h"

namespace {

// Nothing that is not text reaches a list, whatever format it is read in.
TEST(ImportHarm, WhatIsNotTextIsRefusedWithWhatItIs)
{
    const struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        const char* Told; // nullptr: read as text
    } cases[] = {
        { "NulInTheThirdLine", std::string("a,1\nb,2\nc\0,3\nd,4\n", 17), tfTextComma, "Line 3 holds a NUL" },
        { "NulInUtf8AfterCrLf", std::string("a\r\nb\r\r\n\0", 8), tfUtf8Tab, "Line 4 holds a NUL" },
        { "LeadingNul", std::string("\0a,b", 4), tfUtf8Comma, "Line 1 holds a NUL" },
        { "Utf16ReadAsEightBit", Utf16Le(u"a,b\n"), tfTextComma, "Line 1 holds a NUL" },
        { "NulCharacterInUtf16", "\xFF\xFE" + Utf16Le(std::u16string(u"a\nb\0c", 5)), tfUnicodeComma,
            "Line 2 holds a NUL" },
        // Told in the byte order the reader takes, by the NUL bytes of its other characters.
        { "NulInBigEndianUtf16", Utf16Be(std::u16string(u"a\nb\nc\nd\ne\nf\0", 12)), tfUnicodeTab,
            "Line 6 holds a NUL" },
        // UTF-32 read as UTF-16: every other unit is NUL, whichever byte order.
        { "Utf32LittleEndian", std::string("\xFF\xFE\0\0a\0\0\0,\0\0\0b\0\0\0", 16), tfUnicodeComma,
            "Line 1 holds a NUL" },
        { "Utf32BigEndian", std::string("\0\0\xFE\xFF\0\0\0a\0\0\0,\0\0\0b", 16), tfUnicodeComma,
            "Line 1 holds a NUL" },
        { "Zip", std::string("PK\x03\x04\x14\0\0\0", 8), tfTextComma, "a ZIP archive" },
        { "Pdf", "%PDF-1.7\n", tfUtf8Comma, "a PDF document" },
        { "Sqlite", std::string("SQLite format 3\0", 16), tfTextComma, "an SQLite database" },
        { "Xml", "\xEF\xBB\xBF  <?xml version=\"1.0\"?>\n<kvtml>", tfUtf8Comma, "an XML document" },
        { "XmlInUtf16", "\xFF\xFE" + Utf16Le(u"<?XML version=\"1.0\"?>"), tfUnicodeComma, "an XML document" },
        { "Html", "<!DOCTYPE html><table>", tfTextComma, "an HTML page" },
        { "TextStartingWithAnAngle", "<b>bold</b>,fett\n", tfTextComma, nullptr },
        { "TextAboutZips", "PK,Primary key\n", tfTextComma, nullptr },
        { "Utf16Text", "\xFF\xFE" + Utf16Le(u"a,b\r\n"), tfUnicodeComma, nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        AddItem(document, "kept", "", "", "x");
        const std::string told = MessageOf<EVocabFileError>(
            [&] { ImportTextBytes(document, c.Bytes, c.Format, AllColumns, 1); });
        if (!c.Told) {
            EXPECT_EQ(told, "<no error>");
            continue;
        }
        EXPECT_NE(told.find(c.Told), std::string::npos) << told;
        EXPECT_EQ(document.Count(), 1);
        EXPECT_FALSE(document.Modified());
    }
}

// Every line left out or changed is counted.
TEST(ImportHarm, EveryChangeIsCounted)
{
    const struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        TFieldColumns Columns;
        TImportResult Expected;
    } cases[] = {
        { "Clean", "Hund,dog\nKatze,cat\n", tfTextComma, WordNative, { .Added = 2 } },
        { "NoWord", "Hund,dog\n,cat\n\n  \n\"\",x\n", tfTextComma, WordNative, { .Added = 1, .Skipped = 2 } },
        { "NoTranslationInItsColumn", "Hund,dog\nKatze\nMaus,\n", tfTextComma, WordNative,
            { .Added = 3, .NoTranslation = 2 } },
        { "TranslationsNotRead", "Hund\nKatze\n", tfTextComma, { 1, 0, 0, 0 }, { .Added = 2 } },
        { "ColumnsLeftOut", "Hund,dog,n.\nKatze,cat,\"\"\nMaus,mouse, \n", tfTextComma, WordNative,
            { .Added = 3, .UnusedColumns = 1 } },
        { "BreaksJoined", "\"Once\nupon\",x\ny,z\n", tfTextComma, WordNative,
            { .Added = 2, .JoinedBreaks = 1 } },
        { "UnclosedQuote", "a,1\n\"b,2\nc,3\n", tfTextComma, WordNative,
            { .Added = 3, .UnclosedQuotes = 1 } },
        // One stray Windows byte in UTF-8: replaced and counted apart from characters the code page lacks.
        { "StrayByte", "K\xC3\xA4se,cheese\nCaf\xE9,caf\xC3\xA9\n\xD0\xB4,x\n", tfUtf8Comma, WordNative,
            { .Added = 3, .LostFields = 2, .InvalidBytes = 1 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, German, English);
        const TImportResult r = ImportTextBytes(document, c.Bytes, c.Format, c.Columns, 1);
        const TImportResult& e = c.Expected;
        EXPECT_EQ(std::tuple(r.Added, r.LostFields, r.InvalidBytes, r.Skipped, r.NoTranslation,
                      r.UnusedColumns, r.JoinedBreaks, r.UnclosedQuotes),
            std::tuple(e.Added, e.LostFields, e.InvalidBytes, e.Skipped, e.NoTranslation, e.UnusedColumns,
                e.JoinedBreaks, e.UnclosedQuotes));
    }
    TVocabFile document;
    SetLanguages(document, German, English);
    ImportTextBytes(document, "Caf\xE9 noir,x\n", tfUtf8Comma, WordNative, 1);
    EXPECT_EQ(ItemValues(document, 0)[0], "Caf? noir") << "the stray byte is a substitute, not mojibake";
}

// Without chosen columns, the widths of the lines decide, never one line alone.
TEST(ImportHarm, ProposedColumnsFollowTheLines)
{
    const std::string twoColumns = "Hund\tdog\nKatze\tcat\nMaus\tmouse\n";
    const struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        TFieldColumns Expected;
        const char* Named;
    } cases[] = {
        { "WordsOnly", "Hund\nKatze\n", tfTextTab, { 1, 0, 0, 0 }, "word" },
        { "WordAndTranslation", twoColumns, tfTextTab, { 1, 0, 0, 2 }, "word,translations" },
        { "WithNotes", twoColumns + "Pferd\thorse\tn.\n", tfTextTab, { 1, 0, 3, 2 },
            "word,translations,notes" },
        { "AllFour", "a,n.,x,b\nc,v.,,d\n", tfUtf8Comma, { 1, 2, 3, 4 }, "word,category,notes,translations" },
        { "OneWideLineAmongNarrow", twoColumns + "Pferd\tn.\t\thorse\n", tfTextTab, { 1, 0, 0, 2 },
            "word,translations" },
        { "EmptyCellsAtTheEndAddNothing", "Hund\tdog\t\t\nKatze\tcat\t\"\"\n", tfTextTab, { 1, 0, 0, 2 },
            "word,translations" },
        { "QuotedDelimitersAreNoColumns", "\"Hund, der\",dog\n", tfTextComma, { 1, 0, 0, 2 },
            "word,translations" },
        { "Utf16", "\xFF\xFE" + Utf16Le(u"a;b\r\nc;d\r\n"), tfUnicodeSemicolon, { 1, 0, 0, 2 },
            "word,translations" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ProposedColumns(c.Bytes, c.Format), c.Expected);
        EXPECT_EQ(ColumnsText(c.Expected), c.Named);
    }
}

} // namespace
