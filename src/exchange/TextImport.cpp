#include "exchange/TextImport.h"

#include "core/SafeSave.h"
#include "core/SortingMarker.h"
#include "exchange/ExchangeText.h"
#include "exchange/TextCheck.h"
#include "exchange/TextScan.h"

#include <algorithm>
#include <type_traits>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace {

using namespace TextScan;

// Turns a cleaned field into 8-bit text in a code page; 'scratch' holds the result when the
// bytes have to change. Sets lost when the code page lacked a character.
struct TRawConverter {
    std::string_view operator()(std::string_view value, int, std::string&, bool&) const { return value; }
    std::int32_t Invalid = 0;
};

// Counts the sequences that are not UTF-8 apart from the characters the code page lacks.
struct TUtf8Converter {
    std::string_view operator()(std::string_view value, int codePage, std::string& scratch, bool& lost)
    {
        if (IsAscii(value))
            return value;
        scratch = Utf8ToAnsi(value, codePage, &lost);
        if (lost)
            Invalid += static_cast<std::int32_t>(CountUtf8(value).Invalid);
        return scratch;
    }
    std::int32_t Invalid = 0;
};

struct TUtf16Converter {
    std::string_view operator()(
        std::u16string_view value, int codePage, std::string& scratch, bool& lost) const
    {
        if (IsAscii(value)) {
            scratch.resize(value.size());
            for (std::size_t i = 0; i < value.size(); ++i)
                scratch[i] = static_cast<char>(value[i]);
        } else {
            scratch = WideToAnsi(value, codePage, &lost);
        }
        return scratch;
    }
    std::int32_t Invalid = 0;
};

// Both readers after their decoding: builds every item in a local list first, so that a refused
// file leaves the document exactly as it was, then appends them all at once. Counts what it
// leaves out or changes, so that no import does either silently.
template <typename Char, typename Converter>
TImportResult ReadItems(TVocabFile& document, TView<Char> text, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, Converter convert)
{
    const int codePages[FieldCount]
        = { LanguageCodePage(document.ForeignLangID()), LanguageCodePage(document.NativeLangID()),
              LanguageCodePage(document.NativeLangID()), LanguageCodePage(document.NativeLangID()) };
    std::array<bool, MaxFields> mapped {};
    for (const std::int32_t column : columns) {
        if (column >= 1 && column <= MaxFields)
            mapped[static_cast<std::size_t>(column - 1)] = true;
    }
    std::basic_string<Char> unquoted[FieldCount];
    std::string converted[FieldCount];
    std::array<std::string_view, FieldCount> values;
    std::string unmarked;

    TVocabItemList built;
    TItemArena arena;
    TImportResult result;
    TLineScanner<Char> scanner(text, Char(TextFormatDelimiter(format)));
    while (scanner.Next()) {
        if (scanner.FirstLine < startLine)
            continue;
        int lostHere = 0;
        for (int k = 0; k < FieldCount; ++k) {
            const auto index = static_cast<std::size_t>(k);
            const std::int32_t column = columns[index];
            values[index] = {};
            if (column < 1 || column > scanner.Count)
                continue;
            const TView<Char> field = CleanField(scanner, column - 1, unquoted[index]);
            bool lost = false;
            values[index] = convert(field, codePages[index], converted[index], lost);
            lostHere += lost ? 1 : 0;
            if (k == fiForeign && values[index].empty())
                break;
        }
        // The first "@" of the word/phrase is its sorting marker, read as the edit dialog reads it.
        std::int32_t position = 0;
        if (values[fiForeign].find('@') != std::string_view::npos) {
            unmarked.assign(values[fiForeign]);
            position = TakeSortingMarker(unmarked);
            values[fiForeign] = unmarked;
        }
        if (values[fiForeign].empty()) {
            bool held = false;
            for (int c = 0; c < scanner.Count && !held; ++c)
                held = !IsEmptyField(scanner.Fields[static_cast<std::size_t>(c)]);
            result.Skipped += held ? 1 : 0;
            continue;
        }
        if (values[fiNative].empty()) {
            values[fiNative] = MissingTranslation;
            result.NoTranslation += columns[fiNative] >= 1 ? 1 : 0;
        }
        for (const std::string_view value : values) {
            if (value.size() > MaxTextLength) {
                throw EVocabFileError(
                    TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Line %1: a field is longer than %2 bytes."),
                        { TSaying::Number(scanner.FirstLine), TSaying::Number(MaxTextLength) }));
            }
        }
        for (int c = 0; c < scanner.Count; ++c) {
            if (!mapped[static_cast<std::size_t>(c)]
                && !IsEmptyField(scanner.Fields[static_cast<std::size_t>(c)])) {
                ++result.UnusedColumns;
                break;
            }
        }
        result.JoinedBreaks += scanner.Spans ? 1 : 0;
        built.push_back(arena.Make(values[0], values[1], values[2], values[3]));
        built.back()->SortingPosition = position;
        result.LostFields += lostHere;
    }
    result.InvalidBytes = convert.Invalid;
    result.UnclosedQuotes = static_cast<std::int32_t>(scanner.UnclosedQuotes);

    if (built.empty())
        return result;
    document.Reserve(static_cast<std::size_t>(document.Count()) + built.size());
    result.Added = static_cast<std::int32_t>(built.size());
    for (auto& item : built)
        document.AppendItem(std::move(item));
    document.EndBulkAppend();
    return result;
}

// The preview's conversion gives the import's text, but converts a character at a time so that
void CheckArguments(TTextFormat format, std::int32_t startLine)
{
    if (startLine < 1 || !IsValidFormat(format))
        throw EVocabFileError("Invalid procedure call.");
}

// them, else 0. Blank records do not count, nor a last record that the end of a sample cut.
template <typename Char> int EvenSplits(TView<Char> text, char delimiter, bool cut, bool& tabOutsideQuotes)
{
    TLineScanner<Char> scanner(text, Char(delimiter));
    int splits = -1;
    int pending = -1; // the last record's count, settled once another record follows
    while (scanner.Next()) {
        if (pending >= 0) {
            if (splits >= 0 && splits != pending)
                return 0;
            splits = pending;
        }
        const bool blank = scanner.Count == 0 || (scanner.Count == 1 && TrimView(scanner.Fields[0]).empty());
        pending = blank ? -1 : scanner.Count - 1;
    }
    tabOutsideQuotes = scanner.TabsOutsideQuotes > 0;
    if (pending >= 0 && !cut) {
        if (splits >= 0 && splits != pending)
            return 0;
        splits = pending;
    }
    return std::max(splits, 0);
}

template <typename Char> char DetectDelimiter(TView<Char> text, bool cut)
{
    bool tabOutsideQuotes = false;
    bool ignored = false;
    if (EvenSplits(text, ';', cut, tabOutsideQuotes) > 0 && !tabOutsideQuotes
        && EvenSplits(text, ',', cut, ignored) == 0)
        return ';';
    return text.find(Char('\t')) != TView<Char>::npos ? '\t' : ',';
}

} // namespace

TImportResult ImportTextBytes(TVocabFile& document, std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine)
{
    CheckArguments(format, startLine);
    if (const auto reason = NotTextReason(bytes, format))
        throw EVocabFileError(NothingImported(*reason));
    switch (TextFormatEncoding(format)) {
    case teUtf16: {
        std::u16string text;
        return ReadItems<char16_t>(
            document, OrderedUtf16(bytes, text), format, columns, startLine, TUtf16Converter());
    }
    case teUtf8:
        return ReadItems<char>(
            document, EightBitText(bytes, teUtf8), format, columns, startLine, TUtf8Converter());
    case teEightBit:
        break;
    }
    return ReadItems<char>(
        document, EightBitText(bytes, teEightBit), format, columns, startLine, TRawConverter());
}

TImportResult ImportText(TVocabFile& document, const std::string& fileName, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, TReadFrom from)
{
    CheckArguments(format, startLine);
    const std::string bytes = ReadWholeFile(fileName, from);
    return ImportTextBytes(document, bytes, format, columns, startLine);
}

TTextFormat DetectTextFormatBytes(std::string_view bytes, bool cut)
{
    if (bytes.size() < 2)
        return tfTextComma;
    const bool marked = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (marked || GuessUtf16(bytes) != TByteOrder::None) {
        std::u16string text;
        return MakeTextFormat(teUtf16, DetectDelimiter(OrderedUtf16(bytes, text), cut));
    }
    const TTextEncoding encoding
        = bytes.starts_with("\xEF\xBB\xBF") || IsUtf8Text(bytes, cut) ? teUtf8 : teEightBit;
    return MakeTextFormat(encoding, DetectDelimiter(EightBitText(bytes, encoding), cut));
}
