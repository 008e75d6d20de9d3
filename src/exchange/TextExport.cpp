#include "core/SafeSave.h"
#include "exchange/Export.h"
#include "exchange/ExchangeText.h"

namespace {

bool NeedsQuotes(std::string_view field) { return field.find_first_of(",\"") != std::string_view::npos; }
bool NeedsQuotes(std::u16string_view field) { return field.find_first_of(u",\"") != std::u16string_view::npos; }

void AppendField(std::string& out, std::string_view field, bool comma)
{
    if (comma && NeedsQuotes(field))
        out += QuoteCsvField(field);
    else
        out += field;
}

void AppendFieldW(std::string& out, std::u16string_view field, bool comma)
{
    if (comma && NeedsQuotes(field))
        AppendUtf16Le(out, QuoteCsvFieldW(field));
    else
        AppendUtf16Le(out, field);
}

std::size_t TextBytesOf(const TVocabFile& document)
{
    std::size_t total = 0;
    for (const auto& item : document.ItemList()) {
        for (int k = 0; k < FieldCount; ++k)
            total += item->FieldValue(k).size();
    }
    return total;
}

} // namespace

std::string ExportTextBytes(const TVocabFile& document, TTextFormat format)
{
    if (format >= TextFormatCount)
        throw EVocabFileError("Invalid procedure call.");
    const bool comma = !IsTabFormat(format);
    const char delimiter = comma ? ',' : '\t';
    const int codePages[FieldCount] = {LanguageCodePage(document.ForeignLangID()),
                                       LanguageCodePage(document.NativeLangID()),
                                       LanguageCodePage(document.NativeLangID()),
                                       LanguageCodePage(document.NativeLangID())};
    // Room for the texts, delimiters and line ends (twice for UTF-16); quoting may still grow it.
    const std::size_t estimate = TextBytesOf(document) + 5 * document.ItemList().size();
    std::string out;

    if (format == tfUnicodeComma || format == tfUnicodeTab) {
        out.reserve(2 * estimate + 2);
        out += "\xFF\xFE";
        for (const auto& item : document.ItemList()) {
            for (int k = 0; k < FieldCount; ++k) {
                if (k > 0)
                    AppendUtf16Le(out, std::u16string_view(comma ? u"," : u"\t"));
                AppendFieldW(out, ToWide(item->FieldValue(k), codePages[k]), comma);
            }
            AppendUtf16Le(out, u"\r\n");
        }
        return out;
    }

    const bool utf8 = format == tfUtf8Comma || format == tfUtf8Tab;
    out.reserve(estimate);
    std::string converted;
    for (const auto& item : document.ItemList()) {
        for (int k = 0; k < FieldCount; ++k) {
            if (k > 0)
                out += delimiter;
            std::string_view field = item->FieldValue(k);
            if (utf8 && !IsAscii(field)) {
                converted = AnsiToUtf8(field, codePages[k]);
                field = converted;
            }
            AppendField(out, field, comma);
        }
        out += "\r\n";
    }
    return out;
}

void ExportText(const TVocabFile& document, const std::string& fileName, TTextFormat format)
{
    SafeWriteFile(fileName, ExportTextBytes(document, format));
}
