#include "ExchangeTestSupport.h"
#include "evaluation/TextUtils.h"
#include "exchange/Export.h"
#include "exchange/TextImport.h"

#include <regex>
#include <vector>

namespace {

// Foreign Russian (1251), native German (1252): the two code pages must not be mixed up.
void FillSample(TVocabFile& document)
{
    SetLanguages(document, Russian, German);
    AddItem(document, "big, red", "", "", "large");
    AddItem(document, "say \"hi\"", "v", "", "sagen");
    AddItem(document, "\xE4\xEE\xEC", "n.", "note", "Haus\xFC");
    AddItem(document, "  pad  ", "", "", "");
}

TEST(TextExport, ExactBytesOfEveryFormatAndOfAnEmptyDocument)
{
    TVocabFile document;
    FillSample(document);
    const std::u16string commaText = u"\"big, red\",,,large\r\n\"say \"\"hi\"\"\",v,,sagen\r\n"
                                     u"\u0434\u043e\u043c,n.,note,Haus\u00fc\r\n  pad  ,,,\r\n";
    const std::u16string tabText = u"big, red\t\t\tlarge\r\nsay \"hi\"\tv\t\tsagen\r\n"
                                   u"\u0434\u043e\u043c\tn.\tnote\tHaus\u00fc\r\n  pad  \t\t\t\r\n";
    const std::u16string semicolonText = u"big, red;;;large\r\n\"say \"\"hi\"\"\";v;;sagen\r\n"
                                         u"\u0434\u043e\u043c;n.;note;Haus\u00fc\r\n  pad  ;;;\r\n";
    const struct {
        TTextFormat Format;
        std::string Bytes;
        std::string Empty = "";
    } cases[] = { { tfTextComma,
                      "\"big, red\",,,large\r\n\"say \"\"hi\"\"\",v,,sagen\r\n"
                      "\xE4\xEE\xEC,n.,note,Haus\xFC\r\n  pad  ,,,\r\n" },
        { tfTextTab,
            "big, red\t\t\tlarge\r\nsay \"hi\"\tv\t\tsagen\r\n"
            "\xE4\xEE\xEC\tn.\tnote\tHaus\xFC\r\n  pad  \t\t\t\r\n" },
        { tfUnicodeComma, "\xFF\xFE" + Utf16Le(commaText), "\xFF\xFE" },
        { tfUnicodeTab, "\xFF\xFE" + Utf16Le(tabText), "\xFF\xFE" },
        { tfUtf8Comma, WideToAnsi(commaText, CP_UTF8) }, { tfUtf8Tab, WideToAnsi(tabText, CP_UTF8) },
        // A semicolon format quotes what holds a semicolon or a quote; a comma needs no quotes.
        { tfTextSemicolon,
            "big, red;;;large\r\n\"say \"\"hi\"\"\";v;;sagen\r\n"
            "\xE4\xEE\xEC;n.;note;Haus\xFC\r\n  pad  ;;;\r\n" },
        { tfUnicodeSemicolon, "\xFF\xFE" + Utf16Le(semicolonText), "\xFF\xFE" },
        { tfUtf8Semicolon, WideToAnsi(semicolonText, CP_UTF8) } };
    const TVocabFile empty;
    for (const auto& c : cases) {
        SCOPED_TRACE(TextFormatName(c.Format));
        EXPECT_EQ(ExportTextBytes(document, c.Format), c.Bytes);
        EXPECT_EQ(ExportTextBytes(empty, c.Format), c.Empty);
    }
    EXPECT_THROW(ExportTextBytes(empty, static_cast<TTextFormat>(9)), EVocabFileError);
}

// What an export writes, the import with columns 1 to 4 reads back; only surrounding blanks are
// lost and an empty translation returns as the missing-value mark.
TEST(TextExport, RoundTripThroughImportForAllFormats)
{
    const std::vector<TFieldValues> items = {
        { "big, red", "adj.", "", "large, great" }, { "\"quoted\"", "n.", "a \"b\" c", "\"x\",\"y\"" },
        { "\xE4\xEE\xEC \xB8", "\xFC\xDF", "\x81\x8D odd bytes", "Haus\xE4" },
        { "  spaced  ", "  ", " notes ", "" }, { "\"", ",", "\"\"", ",\"," }, { "\xFF", "", "", "\x80" },
        { "a; b", ";", "\";\"", "x;\"y\"" }, { "e@mail", "", "", "@" }, { "a@b", "", "", "" },
        { " \"lead", "tab\there", "line\r\nbreak", "\"" }, // a break inside comes back as a space
    };
    // Sorting positions, in the foreign code page's characters; an "@" of a word is no marker.
    const std::int32_t positions[] = { 5, 1, 4, 0, 0, 0, 3, 0, 1, 0 };
    for (int i = 0; i < TextFormatCount; ++i) {
        const auto format = static_cast<TTextFormat>(i);
        SCOPED_TRACE(TextFormatName(format));
        TVocabFile source;
        SetLanguages(source, Russian, German);
        for (const TFieldValues& values : items)
            AddItem(source, values[0], values[1], values[2], values[3]);
        for (std::int32_t n = 0; n < source.Count(); ++n)
            source.Items(n).SortingPosition = positions[n];
        TVocabFile target;
        SetLanguages(target, Russian, German);
        const TImportResult result
            = ImportTextBytes(target, ExportTextBytes(source, format), format, AllColumns, 1);
        EXPECT_EQ(result.LostFields, 0);
        ASSERT_EQ(result.Added, static_cast<std::int32_t>(items.size()));
        for (std::size_t n = 0; n < items.size(); ++n) {
            TFieldValues expected;
            for (std::size_t k = 0; k < expected.size(); ++k)
                expected[k] = Trim(std::regex_replace(items[n][k], std::regex("\r\n|\n"), " "));
            if (expected[fiNative].empty())
                expected[fiNative] = "#Value?#";
            EXPECT_EQ(ItemValues(target, static_cast<std::int32_t>(n)), expected) << "item " << n;
            EXPECT_EQ(target.Items(static_cast<std::int32_t>(n)).SortingPosition, positions[n])
                << "item " << n;
        }
    }
}

// Every export writes its bytes over an old file, leaves the document as it is and makes no folder.
TEST(Export, FilesHoldTheBytesAndReplaceAnOldFile)
{
    TTempFolder folder;
    TVocabFile document;
    FillSample(document);
    const std::string path = folder.Write("list.txt", std::string(10000, 'x'));
    using TWrite = void (*)(const TVocabFile&, const std::string&);
    using TBytes = std::string (*)(const TVocabFile&, const std::string&);
    const std::pair<TWrite, TBytes> exports[] = {
        { [](const TVocabFile& d, const std::string& p) { ExportText(d, p, tfUnicodeTab); },
            [](const TVocabFile& d, const std::string&) { return ExportTextBytes(d, tfUnicodeTab); } },
        { [](const TVocabFile& d, const std::string& p) { ExportText(d, p, tfTextComma); },
            [](const TVocabFile& d, const std::string&) { return ExportTextBytes(d, tfTextComma); } },
        { [](const TVocabFile& d, const std::string& p) { ExportRtf(d, p); }, ExportRtfBytes },
        { [](const TVocabFile& d, const std::string& p) { ExportHtml(d, p); }, ExportHtmlBytes },
    };
    for (const auto& [write, bytes] : exports) {
        write(document, path);
        EXPECT_EQ(ReadBytes(path), bytes(document, path));
        EXPECT_THROW(write(document, folder.File("no/such/folder/list.txt")), EFileError);
    }
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.FileName(), "");
    EXPECT_FALSE(std::filesystem::exists(folder.File("no")));
}

} // namespace
