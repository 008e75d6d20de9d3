#include "ExchangeTestSupport.h"
#include "exchange/Export.h"

namespace {

const std::string HtmlHead
    = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n<title>";
const std::string HtmlMeta
    = "</title>\r\n<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\r\n"
      "</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n<h1>";
const std::string HtmlTail = "</p>\r\n</body>\r\n</html>";

std::string HtmlPage(std::string_view title, std::string_view body)
{
    return HtmlHead + std::string(title) + HtmlMeta + std::string(title) + "</h1>\r\n<p>" + std::string(body)
        + HtmlTail;
}

std::string RtfFontTable(
    int foreignCharset, std::string_view foreignSuffix, int nativeCharset, std::string_view nativeSuffix)
{
    return "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset" + std::to_string(foreignCharset)
        + " Times New Roman" + std::string(foreignSuffix) + ";}{\\f1\\froman\\fcharset"
        + std::to_string(nativeCharset) + " Times New Roman" + std::string(nativeSuffix) + ";}}";
}

TEST(RtfExport, ExactBytes)
{
    TVocabFile document;
    SetLanguages(document, Russian, English);
    document.SetProperties(piDescription, "My {list}\\ \xA9");
    AddItem(document, "\xE4\xEE\xEC", "n.", "masc.", "house");
    AddItem(document, "a\\b{c}", "", "", "x");
    AddItem(document, "w", "", "only notes", "y");
    AddItem(document, "v", "verb", "  ", "z\r\n");
    const std::string expected = RtfFontTable(204, " Cyr", 0, "")
        + "\\pard\\plain\\fs32\\lang1024\\b My \\{list\\}\\\\ \\'a9\\b0\\par\\par\\fi-283\\li283\\fs24"
          "\\f0\\lang1049\\b \\'e4\\'ee\\'ec\\b0\\f1\\lang1033  \\i n. masc.\\i0  house\\par"
          "\\f0\\lang1049\\b a\\\\b\\{c\\}\\b0\\f1\\lang1033  x\\par"
          "\\f0\\lang1049\\b w\\b0\\f1\\lang1033  \\i only notes\\i0  y\\par"
          "\\f0\\lang1049\\b v\\b0\\f1\\lang1033  \\i verb\\i0  z\r\n\\par"
          "}";
    EXPECT_EQ(ExportRtfBytes(document, "/tmp/ignored.rtf"), expected);
}

// The font table follows the code pages, each entry closed in its own group; the title is the file
// name in the native code page.
TEST(RtfExport, EmptyDocumentFontTableAndTitleFromFileName)
{
    const std::string western = RtfFontTable(0, "", 0, "");
    const struct {
        const char* Name;
        LangId Foreign, Native;
        std::string FileName;
        std::string Title;
        std::string FontTable;
    } cases[] = {
        { "PlainName", English, English, "/some/folder/words.rtf", "words", western },
        { "NoExtension", English, English, "words", "words", western },
        { "DotsInName", English, English, "dir.x/my.words.rtf", "my.words", western },
        { "Utf8NameToWestern", English, German, "/x/w\xC3\xB6rter.rtf", "w\\'f6rter", western },
        { "Utf8NameToCyrillic", English, Russian, "/x/\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0.rtf",
            "\\'f1\\'eb\\'ee\\'e2\\'e0", RtfFontTable(0, "", 204, " Cyr") },
        { "BracesInName", English, English, "{a}\\.rtf", "\\{a\\}\\\\", western },
        { "CentralEuropeanAndCyrillic", Polish, Russian, "x", "x", RtfFontTable(238, " CE", 204, " Cyr") },
        { "WesternAndCentralEuropean", German, Polish, "x", "x", RtfFontTable(0, "", 238, " CE") },
        { "GreekAndNoLanguage", Greek, 0x0000, "x", "x", RtfFontTable(161, " Greek", 0, "") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, c.Foreign, c.Native);
        EXPECT_EQ(ExportRtfBytes(document, c.FileName),
            c.FontTable + "\\pard\\plain\\fs32\\lang1024\\b " + c.Title
                + "\\b0\\par\\par\\fi-283\\li283\\fs24}");
    }
}

TEST(HtmlExport, ExactBytesWithCodePagesOfBothLanguagesAndMarkupEscaped)
{
    TVocabFile document;
    SetLanguages(document, German, Russian);
    // The title is native text: Cyrillic bytes must be read as code page 1251.
    document.SetProperties(piDescription, "\xF1\xEB\xEE\xE2\xE0 & \"x\" <3");
    AddItem(document, "f\xFCr", "\xEF\xF0.", "", "\xED\xE0\xE4"); // category in the native code page
    AddItem(document, "w", "", "only notes", "y");
    AddItem(document, "v", "", "", "z");
    AddItem(document, "<script>alert(1)</script>", "&amp;", "<i>", "a > b \"c\" & d");
    const std::string body = "<b>f\xC3\xBCr</b> <i>\xD0\xBF\xD1\x80.</i> \xD0\xBD\xD0\xB0\xD0\xB4<br>\r\n"
                             "<b>w</b> <i>only notes</i> y<br>\r\n"
                             "<b>v</b> z<br>\r\n"
                             "<b>&lt;script&gt;alert(1)&lt;/script&gt;</b> <i>&amp;amp; &lt;i&gt;</i> "
                             "a &gt; b &quot;c&quot; &amp; d<br>\r\n";
    EXPECT_EQ(ExportHtmlBytes(document, "ignored.htm"),
        HtmlPage("\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0 &amp; &quot;x&quot; &lt;3", body));
}

TEST(HtmlExport, EmptyDocumentAndTitleFromFileName)
{
    const struct {
        const char* Name;
        std::string FileName;
        std::string Title;
    } cases[] = {
        { "PlainName", "/some/folder/words.htm", "words" },
        { "Utf8NameKept", "/x/w\xC3\xB6rter.htm", "w\xC3\xB6rter" },
        { "MarkupInName", "a&b <x>.htm", "a&amp;b &lt;x&gt;" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile document;
        SetLanguages(document, English, Russian);
        EXPECT_EQ(ExportHtmlBytes(document, c.FileName), HtmlPage(c.Title, ""));
    }
    // A name that is not UTF-8 must not put invalid bytes into a UTF-8 page.
    TVocabFile document;
    const std::string page = ExportHtmlBytes(document, "/x/\xFF\xFE.htm");
    EXPECT_EQ(page.find('\xFF'), std::string::npos);
    EXPECT_EQ(page.find('\xFE'), std::string::npos);
}

} // namespace
