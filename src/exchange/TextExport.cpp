#include "core/SafeSave.h"
#include "core/SortingMarker.h"
#include "exchange/ExchangeText.h"
#include "exchange/Export.h"

#include <bit>
#include <type_traits>

namespace {

void AppendUtf16Le(std::string& out, std::u16string_view text)
{
    if constexpr (std::endian::native == std::endian::little) {
        out.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    } else {
        for (char16_t c : text) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
    }
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
    const char delimiter = TextFormatDelimiter(format);
    const int codePages[FieldCount]
        = { LanguageCodePage(document.ForeignLangID()), LanguageCodePage(document.NativeLangID()),
              LanguageCodePage(document.NativeLangID()), LanguageCodePage(document.NativeLangID()) };
    // Room for the texts, delimiters and line ends (twice for UTF-16); quoting may still grow it.
    const std::size_t estimate = TextBytesOf(document) + 5 * document.ItemList().size();
    std::string out;
    // The word/phrase carries the sorting position as the edit box shows it.
    std::string marked;

    if (TextFormatEncoding(format) == teUtf16) {
        out.reserve(2 * estimate + 2);
        out += "\xFF\xFE";
        std::u16string line;
        std::u16string wide;
        for (const auto& item : document.ItemList()) {
            line.clear();
            for (int k = 0; k < FieldCount; ++k) {
                if (k > 0)
                    line += char16_t(delimiter);
                const std::string_view field = k == fiForeign
                    ? MarkedForExport(item->FieldValue(k), item->SortingPosition, marked)
                    : item->FieldValue(k);
                if (IsAscii(field))
                    wide.assign(field.begin(), field.end());
                else
                    wide = AnsiToWide(field, codePages[k]);
                AppendField<char16_t>(line, wide, char16_t(delimiter));
            }
            line += u"\r\n";
            AppendUtf16Le(out, line);
        }
        return out;
    }

    const bool utf8 = TextFormatEncoding(format) == teUtf8;
    out.reserve(estimate);
    std::string converted;
    for (const auto& item : document.ItemList()) {
        for (int k = 0; k < FieldCount; ++k) {
            if (k > 0)
                out += delimiter;
            std::string_view field = k == fiForeign
                ? MarkedForExport(item->FieldValue(k), item->SortingPosition, marked)
                : item->FieldValue(k);
            if (utf8 && !IsAscii(field)) {
                converted = AnsiToUtf8(field, codePages[k]);
                field = converted;
            }
            AppendField(out, field, delimiter);
        }
        out += "\r\n";
    }
    return out;
}

void ExportText(const TVocabFile& document, const std::string& fileName, TTextFormat format)
{
    SafeWriteFile(fileName, ExportTextBytes(document, format));
}
