#include "core/SafeSave.h"
#include "evaluation/Languages.h"
#include "exchange/ExchangeText.h"
#include "exchange/Export.h"

#include <filesystem>

namespace {

// The file name without folder and extension, in the file system's encoding (UTF-8).
std::string FileTitle(const std::string& fileName)
{
    return std::filesystem::path(fileName).stem().string();
}

// Part of speech and notes, joined by a space; empty when neither holds anything.
std::string ItalicPart(const TVocabItem& item)
{
    std::string joined(item.FieldValue(fiCategory));
    joined += ' ';
    joined += item.FieldValue(fiNotes);
    return Trim(joined);
}

} // namespace

// Item texts reach the page as text, never as markup.
void AppendHtmlText(std::string& out, std::string_view utf8)
{
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

void AppendHtmlText(std::string& out, std::string_view text, int codePage)
{
    if (IsAscii(text))
        AppendHtmlText(out, text);
    else
        AppendHtmlText(out, AnsiToUtf8(text, codePage));
}

std::string ExportRtfBytes(const TVocabFile& document, const std::string& fileName)
{
    const LangId foreign = document.ForeignLangID();
    const LangId native = document.NativeLangID();
    const int nativeCodePage = LanguageCodePage(native);
    // The title is native-language text; one taken from the file name is UTF-8 first.
    std::string title = document.Properties(piDescription);
    if (title.empty())
        title = Utf8ToAnsi(FileTitle(fileName), nativeCodePage);

    const int foreignCharset = LanguageCharset(foreign);
    const int nativeCharset = LanguageCharset(native);
    std::string out;
    out += "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset";
    out += std::to_string(foreignCharset);
    out += " Times New Roman";
    out += CharsetSuffix(foreignCharset);
    // Each entry ends with its semicolon inside its own group; readers drop an entry without one.
    out += ";}{\\f1\\froman\\fcharset";
    out += std::to_string(nativeCharset);
    out += " Times New Roman";
    out += CharsetSuffix(nativeCharset);
    out += ";}}\\pard\\plain\\fs32\\lang1024\\b ";
    out += RtfEscape(title);
    out += "\\b0\\par\\par\\fi-283\\li283\\fs24";

    const std::string foreignTag = "\\f0\\lang" + std::to_string(foreign);
    const std::string nativeTag = "\\f1\\lang" + std::to_string(native);
    for (const auto& item : document.ItemList()) {
        out += foreignTag;
        out += "\\b ";
        out += RtfEscape(item->FieldValue(fiForeign));
        out += "\\b0";
        out += nativeTag;
        out += "  ";
        const std::string italic = ItalicPart(*item);
        if (!italic.empty()) {
            out += "\\i ";
            out += RtfEscape(italic);
            out += "\\i0  ";
        }
        out += RtfEscape(item->FieldValue(fiNative));
        out += "\\par";
    }
    out += "}";
    return out;
}

std::string ExportHtmlBytes(const TVocabFile& document, const std::string& fileName)
{
    const int foreignCodePage = LanguageCodePage(document.ForeignLangID());
    const int nativeCodePage = LanguageCodePage(document.NativeLangID());
    // The description is native-language text; a file name is already UTF-8, and passing it
    // through the converter replaces any byte sequence that is not.
    const std::string& description = document.Properties(piDescription);
    std::string title = description.empty() ? AnsiToUtf8(FileTitle(fileName), CP_UTF8)
                                            : AnsiToUtf8(description, nativeCodePage);
    std::string escapedTitle;
    AppendHtmlText(escapedTitle, title);

    std::string out;
    out += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<head>\r\n<title>";
    out += escapedTitle;
    out += "</title>\r\n<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">\r\n</head>";
    out += "\r\n<body bgcolor=\"#FFFFFF\">\r\n<h1>";
    out += escapedTitle;
    out += "</h1>\r\n<p>";
    for (const auto& item : document.ItemList()) {
        out += "<b>";
        AppendHtmlText(out, item->FieldValue(fiForeign), foreignCodePage);
        out += "</b> ";
        const std::string italic = ItalicPart(*item);
        if (!italic.empty()) {
            out += "<i>";
            AppendHtmlText(out, italic, nativeCodePage);
            out += "</i> ";
        }
        AppendHtmlText(out, item->FieldValue(fiNative), nativeCodePage);
        out += "<br>\r\n";
    }
    out += "</p>\r\n</body>\r\n</html>";
    return out;
}

void ExportRtf(const TVocabFile& document, const std::string& fileName)
{
    SafeWriteFile(fileName, ExportRtfBytes(document, fileName));
}

void ExportHtml(const TVocabFile& document, const std::string& fileName)
{
    SafeWriteFile(fileName, ExportHtmlBytes(document, fileName));
}
