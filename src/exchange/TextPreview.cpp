#include "core/SortingMarker.h"
#include "exchange/ExchangeText.h"
#include "exchange/TextImport.h"
#include "exchange/TextScan.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace {

using namespace TextScan;

// each substitute is known; only the few preview rows can afford that.
std::string ConvertMarking(
    std::string_view value, TTextEncoding encoding, int codePage, std::vector<TLostSpan>& lost)
{
    if (encoding == teEightBit || IsAscii(value))
        return std::string(value);
    std::string out;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(value.data());
    const auto length = static_cast<std::int32_t>(value.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t begin = i;
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        const std::string_view piece
            = value.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(i - begin));
        bool pieceLost = false;
        const std::string converted
            = c >= 0 && c < 0x80 ? std::string(piece) : Utf8ToAnsi(piece, codePage, &pieceLost);
        if (pieceLost)
            lost.push_back(
                { out.size(), out.size() + converted.size(), c >= 0 ? std::string(piece) : std::string() });
        out += converted;
    }
    return out;
}

std::string ConvertMarking(
    std::u16string_view value, TTextEncoding, int codePage, std::vector<TLostSpan>& lost)
{
    std::string out;
    const auto length = static_cast<std::int32_t>(value.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t begin = i;
        UChar32 c;
        U16_NEXT(value.data(), i, length, c);
        const std::u16string_view piece
            = value.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(i - begin));
        bool pieceLost = false;
        const std::string converted
            = c < 0x80 ? std::string(1, static_cast<char>(c)) : WideToAnsi(piece, codePage, &pieceLost);
        if (pieceLost) {
            lost.push_back({ out.size(), out.size() + converted.size(),
                U_IS_SURROGATE(c) ? std::string() : WideToAnsi(piece, CP_UTF8) });
        }
        out += converted;
    }
    return out;
}

template <typename Char>
std::vector<TPreviewRow> ScanPreview(TView<Char> text, TTextFormat format, const TFieldColumns& columns,
    std::int32_t startLine, std::size_t maxRows, int foreignCodePage, int nativeCodePage)
{
    const TTextEncoding encoding = TextFormatEncoding(format);
    std::vector<TPreviewRow> rows;
    TLineScanner<Char> scanner(text, Char(TextFormatDelimiter(format)));
    std::basic_string<Char> unquoted;
    while (rows.size() < maxRows && scanner.Next()) {
        if (scanner.FirstLine < startLine)
            continue;
        TPreviewRow row;
        row.Line = scanner.FirstLine;
        row.Lost.resize(static_cast<std::size_t>(scanner.Count));
        for (int c = 0; c < scanner.Count; ++c) {
            const TView<Char> field = CleanField(scanner, c, unquoted);
            const int codePage = columns[fiForeign] == c + 1 ? foreignCodePage : nativeCodePage;
            row.Columns.push_back(
                ConvertMarking(field, encoding, codePage, row.Lost[static_cast<std::size_t>(c)]));
        }
        const std::int32_t word = columns[fiForeign];
        row.Skipped = word < 1 || word > scanner.Count;
        if (!row.Skipped) {
            // The column shows its marker as the edit box would; a word of nothing else is none.
            std::string unmarked = row.Columns[static_cast<std::size_t>(word - 1)];
            TakeSortingMarker(unmarked);
            row.Skipped = unmarked.empty();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

template <typename Char> TFieldColumns ColumnsByWidth(TView<Char> text, TTextFormat format)
{
    TLineScanner<Char> scanner(text, Char(TextFormatDelimiter(format)));
    std::int64_t narrow = 0; // lines of two or three columns
    std::int64_t wide = 0; // lines of four or more
    int widestNarrow = 1;
    while (scanner.Next()) {
        int width = scanner.Count;
        while (width > 0 && IsEmptyField(scanner.Fields[static_cast<std::size_t>(width - 1)]))
            --width;
        if (width >= 4) {
            ++wide;
        } else if (width >= 2) {
            ++narrow;
            widestNarrow = std::max(widestNarrow, width);
        }
    }
    if (wide > 0 && wide >= narrow)
        return { 1, 2, 3, 4 };
    switch (widestNarrow) {
    case 1:
        return { 1, 0, 0, 0 };
    case 2:
        return { 1, 0, 0, 2 };
    default:
        return { 1, 0, 3, 2 };
    }
}

} // namespace

std::vector<TPreviewRow> PreviewTextBytes(std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, std::size_t maxRows, LangId foreign, LangId native)
{
    if (startLine < 1 || !IsValidFormat(format))
        return {};
    const int foreignCodePage = LanguageCodePage(foreign);
    const int nativeCodePage = LanguageCodePage(native);
    const TTextEncoding encoding = TextFormatEncoding(format);
    if (encoding == teUtf16) {
        // A preview's bytes may end inside a character.
        std::u16string text;
        return ScanPreview<char16_t>(OrderedUtf16(bytes.substr(0, bytes.size() & ~std::size_t { 1 }), text),
            format, columns, startLine, maxRows, foreignCodePage, nativeCodePage);
    }
    return ScanPreview<char>(
        EightBitText(bytes, encoding), format, columns, startLine, maxRows, foreignCodePage, nativeCodePage);
}

TFieldColumns ProposedColumns(std::string_view bytes, TTextFormat format)
{
    if (!IsValidFormat(format))
        return { 1, 0, 0, 0 };
    const TTextEncoding encoding = TextFormatEncoding(format);
    if (encoding == teUtf16) {
        std::u16string text;
        return ColumnsByWidth<char16_t>(OrderedUtf16(bytes, text), format);
    }
    return ColumnsByWidth<char>(EightBitText(bytes, encoding), format);
}

std::string ColumnsText(const TFieldColumns& columns)
{
    std::string text;
    for (std::int32_t column = 1; column <= FieldCount; ++column) {
        for (std::size_t field = 0; field < columns.size(); ++field) {
            if (columns[field] == column)
                text += (text.empty() ? "" : ",") + std::string(ColumnNames[field]);
        }
    }
    return text;
}
