// The field-selection dialog's rules, the import command's file and message rules, the preview,
// and merging a document read elsewhere.

#include "exchange/ImportRules.h"

#include "core/DocumentBuilders.h"
#include "exchange/ExchangeTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
using TRows = std::vector<std::vector<std::string>>;
TRows Columns(const std::vector<TPreviewRow>& rows)
{
    TRows result;
    for (const auto& row : rows)
        result.push_back(row.Columns);
    return result;
}
} // namespace

TEST(ImportDialog, MovesKeepASelectionWhereThereIsOne)
{
    TFieldLists lists;
    EXPECT_EQ(lists.Available(), (std::vector<int> { 0, 1, 2, 3 }));
    // Translations first, then the word/phrase: column 1 is read as translations.
    EXPECT_EQ(lists.Add(3), 2); // the last entry left: the one before it is selected
    EXPECT_EQ(lists.Add(0), 0); // the entry now at the same position
    EXPECT_EQ(lists.Columns(), (TFieldColumns { 2, 0, 0, 1 }));
    EXPECT_EQ(lists.Add(9), -1); // outside the list: nothing moves
    EXPECT_EQ(lists.Add(1), 0); // notes (now at row 1) moves; row 0 stays
    EXPECT_EQ(lists.Add(0), -1); // the list is empty now
    EXPECT_TRUE(lists.Available().empty());
    EXPECT_EQ(lists.Selected(), (std::vector<int> { 3, 0, 2, 1 }));
    EXPECT_EQ(lists.Remove(1), 1); // the word/phrase goes back to the end of the available list
    EXPECT_EQ(lists.Available(), (std::vector<int> { 0 }));
    EXPECT_EQ(lists.Columns(), (TFieldColumns { 0, 3, 2, 1 }));
}

TEST(ImportDialog, ChecksOfOkInTheirOrder)
{
    TFieldLists withWord;
    withWord.Add(0);
    TFieldLists without;
    without.Add(3);
    struct TCase {
        const char* startLine;
        const TFieldLists& lists;
        TImportCheck expected;
    };
    const TCase cases[] = {
        { "1", withWord, icOk },
        { "32767", withWord, icOk },
        { " 2 ", withWord, icOk },
        { "0", withWord, icBadStartLine },
        { "32768", withWord, icBadStartLine },
        { "", withWord, icBadStartLine },
        { "1x", withWord, icBadStartLine },
        { "-1", withWord, icBadStartLine },
        { "0", without, icBadStartLine }, // the start line is checked first
        { "1", without, icNoWordPhrase },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckImport(c.startLine, c.lists), c.expected) << c.startLine;
    EXPECT_EQ(ParseStartLine(" 2 "), 2);
}

TEST(ImportCommand, ExtensionAndMessage)
{
    struct TCase {
        const char* name;
        bool vocabulary;
    };
    const TCase cases[] = { { "/a/list.vmr", true }, { "LIST.VMR", true }, { "x.Vmr", true },
        { "list.vmr.txt", false }, { "/a.vmr/list", false }, { "C:\\a.vmr\\list", false }, { "vmr", false },
        { "list.vmrx", false }, { "list.csv", false } };
    for (const auto& c : cases)
        EXPECT_EQ(IsVocabularyFileName(c.name), c.vocabulary) << c.name;
    EXPECT_EQ(ImportedMessage({ .Added = 12 }).Text(), "12 items imported successfully.");
    // Every change is told with its own count, in the singular for one.
    const TImportResult changed { 3, 1, 2, 3, 4, 5, 6, 7 };
    const std::string message = ImportedMessage(changed).Text();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 8);
    for (const char* told : { "3 items imported", "\n1 field held", "\n2 bytes were not", "\n3 lines had no",
             "\n4 items had no", "\n5 lines had text", "\n6 fields ran", "\n7 lines had a quote" })
        EXPECT_NE(message.find(told), std::string::npos) << told;
    EXPECT_EQ(
        ImportNotes({ .Added = 3, .Skipped = 1 }).Text(), "1 line had no word/phrase and was left out.");
}

TEST(ImportPreview, RowsAsTheImportReadsThem)
{
    const std::string csv
        = "Header,Kopf\r\n\"Haus, das\",house\r\n@,empty word\r\nFu\xC3\x9F,foot\r\nx,y\r\n";
    // UTF-8 read into German (1252): the sharp s survives as one byte.
    const auto rows = PreviewTextBytes(csv, tfUtf8Comma, { 1, 0, 0, 2 }, 2, 3, German, English);
    EXPECT_EQ(
        Columns(rows), (TRows { { "Haus, das", "house" }, { "@", "empty word" }, { "Fu\xDF", "foot" } }));
    EXPECT_EQ(rows[1].Line, 3);
    EXPECT_FALSE(rows[0].Skipped);
    EXPECT_TRUE(rows[1].Skipped);
    // The same line with the word/phrase in column 2; Cyrillic lost in a Western code page.
    const auto moved = PreviewTextBytes(
        "\xD0\xB4\xD0\xBE\xD0\xBC\tdom\n", tfUtf8Tab, { 2, 0, 0, 1 }, 1, 5, English, Russian);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].Columns, (std::vector<std::string> { "\xE4\xEE\xEC", "dom" }));
    // A format or start line out of range gives nothing.
    EXPECT_TRUE(PreviewTextBytes(csv, tfUtf8Comma, { 1, 0, 0, 2 }, 0, 5, German, English).empty());
    EXPECT_TRUE(PreviewTextBytes(
        csv, static_cast<TTextFormat>(TextFormatCount), { 1, 0, 0, 2 }, 1, 5, German, English)
                    .empty());
}

// Exactly the substituted characters are marked, not real question marks, in every reader.
TEST(ImportPreview, MarksTheCharactersTheCodePageLacks)
{
    using TSpans = std::vector<TLostSpan>;
    const std::u16string ipa = u"/\u02C8\u025Bs/ ?,x?";
    const struct {
        const char* Name;
        std::string Bytes;
        TTextFormat Format;
        std::vector<std::string> Columns;
        std::vector<TSpans> Lost;
    } cases[] = {
        { "Utf8", "/\xCB\x88\xC9\x9Bs/ ?,x?", tfUtf8Comma, { "/??s/ ?", "x?" },
            { { { 1, 2, "\xCB\x88" }, { 2, 3, "\xC9\x9B" } }, {} } },
        { "Utf16", "\xFF\xFE" + Utf16Le(ipa), tfUnicodeComma, { "/??s/ ?", "x?" },
            { { { 1, 2, "\xCB\x88" }, { 2, 3, "\xC9\x9B" } }, {} } },
        { "Utf16OutsideTheBasicPlane", Utf16Le(u"a\U0001F600b;\u00e4"), tfUnicodeSemicolon, { "a?b", "\xE4" },
            { { { 1, 2, "\xF0\x9F\x98\x80" } }, {} } },
        { "Utf16LoneSurrogate", Utf16Le(std::u16string { u'a', 0xD800, u'b' }), tfUnicodeTab, { "a?b" },
            { { { 1, 2, "" } } } },
        { "InvalidUtf8", "a\xFF\xC3;b", tfUtf8Semicolon, { "a??", "b" },
            { { { 1, 2, "" }, { 2, 3, "" } }, {} } },
        // U+0080, the first character beyond ASCII, has no place in code page 1252.
        { "Utf8FirstBeyondAscii", "a\xC2\x80,b", tfUtf8Comma, { "a?", "b" },
            { { { 1, 2, "\xC2\x80" } }, {} } },
        { "Utf16FirstBeyondAscii", Utf16Le(u"a\u0080,b"), tfUnicodeComma, { "a?", "b" },
            { { { 1, 2, "\xC2\x80" } }, {} } },
        { "EightBitNeverLoses", "\xCB\x88?\tb", tfTextTab, { "\xCB\x88?", "b" }, { {}, {} } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto rows = PreviewTextBytes(c.Bytes, c.Format, { 1, 0, 0, 2 }, 1, 5, English, English);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].Columns, c.Columns);
        EXPECT_EQ(rows[0].Lost, c.Lost);
        // The preview shows what the import stores.
        TVocabFile document;
        SetLanguages(document, English, English);
        ImportTextBytes(document, c.Bytes, c.Format, { 1, 0, 0, 2 }, 1);
        ASSERT_EQ(document.Count(), 1);
        EXPECT_EQ(document.Items(0).FieldValue(0), c.Columns[0]);
    }
}

// Before an 8-bit import of UTF-8 text, the UTF-8 format of the same delimiter is offered.
TEST(ImportCommand, OffersUtf8InsteadOfEightBitReading)
{
    const std::string kaese = std::string(3000, 'a') + "\nK\xC3\xA4se,cheese";
    const struct {
        const char* Name;
        TTextFormat Chosen;
        std::string Bytes;
        bool Cut;
        std::optional<TTextFormat> Offered;
    } cases[] = {
        { "CommaLateUtf8", tfTextComma, kaese, false, tfUtf8Comma },
        { "TabKeepsTab", tfTextTab, "K\xC3\xA4se\tcheese", false, tfUtf8Tab },
        { "SemicolonKeepsSemicolon", tfTextSemicolon, "K\xC3\xA4se;cheese", false, tfUtf8Semicolon },
        { "CutInASequence", tfTextComma, "K\xC3\xA4se,\xC3", true, tfUtf8Comma },
        { "AsciiOnly", tfTextComma, "Kaese,cheese", false, std::nullopt },
        { "WindowsText", tfTextComma, "K\xE4se,cheese", false, std::nullopt },
        { "AlreadyUtf8", tfUtf8Comma, kaese, false, std::nullopt },
        { "Utf16Chosen", tfUnicodeComma, kaese, false, std::nullopt },
        { "BadFormat", static_cast<TTextFormat>(12), kaese, false, std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Utf8Instead(c.Chosen, c.Bytes, c.Cut), c.Offered);
    }
    EXPECT_NE(Utf8Question(tfUtf8Tab).Text().find("\"Unicode UTF-8 (Tab-delimited)\""), std::string::npos);
    EXPECT_NE(Utf8Refusal(tfTextComma, tfUtf8Comma).find("--format utf8-comma"), std::string::npos);
}

TEST(MergeDocument, TakesOverTheItemsOfADocumentReadElsewhere)
{
    TVocabFile target;
    Fill(target, English, German, { { "one" } });
    TVocabFile source;
    Fill(source, EnglishUK, German, { { "two", 1 }, { "three" } });
    source.Items(0).PenaltyPoints = -1;
    EXPECT_EQ(target.MergeDocument(source), 2);
    EXPECT_EQ(Foreigns(target), (TWords { "one", "two", "three" }));
    EXPECT_EQ(std::tuple(target.Items(1).SortingPosition, target.Items(1).PenaltyPoints, source.Count(),
                  source.UndoCount()),
        std::tuple(1, 0, 0, 0));
    EXPECT_EQ(History(target), std::make_tuple(0, 0, -1, true));
    TVocabFile other;
    Fill(other, French, German, { { "x" } });
    EXPECT_EQ(ErrorOf([&] { target.MergeDocument(other); }), "Languages are different.");
    EXPECT_EQ(target.Count(), 3);
    EXPECT_EQ(ErrorOf([&] { target.MergeDocument(target); }), "Invalid parameter.");
}

TEST(SortHalves, OrderThenApplyIsSort)
{
    TVocabFile doc;
    Fill(doc, English, German, { { "c" }, { "a" }, { "b" }, { "a" } });
    const std::vector<std::string> keys = { "c", "a", "b", "a" };
    const auto order = TVocabFile::SortOrder(keys);
    EXPECT_EQ(order, (std::vector<std::uint32_t> { 1, 3, 2, 0 }));
    EXPECT_TRUE(TVocabFile::SortOrder(std::vector<std::string> { "a", "b" }).empty());
    for (const std::vector<std::uint32_t>& bad : { std::vector<std::uint32_t> { 0, 0, 1, 2 },
             std::vector<std::uint32_t> { 0, 1, 2, 4 }, std::vector<std::uint32_t> { 0, 1 } })
        EXPECT_EQ(ErrorOf([&] { doc.SortByOrder(bad); }), "Invalid parameter.");
    doc.SortByOrder(order);
    EXPECT_EQ(Foreigns(doc), (TWords { "a", "a", "b", "c" }));
    EXPECT_EQ(doc.UndoKind(), ukSort);
}
