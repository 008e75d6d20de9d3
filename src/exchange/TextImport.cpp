#include "exchange/TextImport.h"

#include "core/SafeSave.h"
#include "exchange/ExchangeText.h"

#include <algorithm>
#include <type_traits>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace {

// Text after the 64th field of a line is ignored.
constexpr int MaxFields = 64;
constexpr std::string_view MissingTranslation = "#Value?#";

bool IsValidFormat(TTextFormat format)
{
    return format < TextFormatCount;
}

template <typename Char> using TView = std::basic_string_view<Char>;

template <typename Char> bool IsBlank(Char c)
{
    return static_cast<std::make_unsigned_t<Char>>(c) <= 32;
}

template <typename Char> bool IsLineBreak(Char c)
{
    return c == Char('\r') || c == Char('\n');
}

template <typename Char> TView<Char> TrimView(TView<Char> text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The quoting rule's clean-up of one raw field: trim, drop enclosing quotes and undouble the
// quotes inside, turn each quoted line break into a space (an item field holds none), trim again.
// Only a field that changes inside needs the scratch buffer.
template <typename Char>
TView<Char> CleanQuotedField(TView<Char> raw, bool mayHoldBreaks, std::basic_string<Char>& scratch)
{
    TView<Char> text = TrimView(raw);
    const bool enclosed = text.size() >= 2 && text.front() == Char('"') && text.back() == Char('"');
    if (enclosed)
        text = text.substr(1, text.size() - 2);
    const Char pair[] = { Char('"'), Char('"') };
    const bool pairs = enclosed && text.find(TView<Char>(pair, 2)) != TView<Char>::npos;
    const Char breaks[] = { Char('\r'), Char('\n') };
    const bool spans = mayHoldBreaks && text.find_first_of(TView<Char>(breaks, 2)) != TView<Char>::npos;
    if (!pairs && !spans)
        return enclosed ? TrimView(text) : text;
    scratch.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Char c = text[i];
        if (IsLineBreak(c)) {
            if (c == Char('\r') && i + 1 < text.size() && text[i + 1] == Char('\n'))
                ++i;
            scratch += Char(' ');
            continue;
        }
        scratch += c;
        if (pairs && c == Char('"') && i + 1 < text.size() && text[i + 1] == Char('"'))
            ++i;
    }
    return TrimView(TView<Char>(scratch));
}

// Cuts a text into records and each record into at most 64 raw fields, in a single scan. A line
// break (CR LF, lone CR or lone LF) ends a record, except inside a quoted stretch of a field that
// opens with a quote, as RFC 4180 reads it; a break at the very end starts no further record. A
// quote in the middle of a field still hides delimiters, but only up to the end of its line, so a
// stray inch mark cannot swallow the rest of a file.
template <typename Char> class TLineScanner {
public:
    TLineScanner(TView<Char> text, Char delimiter, bool quoting)
        : Text_(text)
        , Delimiter_(delimiter)
        , Highest_(std::max<unsigned>(static_cast<unsigned>(delimiter), static_cast<unsigned>('"')))
        , Quoting_(quoting)
    {
    }

    bool Next()
    {
        const std::size_t size = Text_.size();
        if (Pos_ >= size)
            return false;
        const Char* data = Text_.data();
        const std::size_t lineStart = Pos_;
        std::size_t fieldStart = Pos_;
        std::size_t i = Pos_;
        bool quoted = false;
        Count = 0;
        FirstLine = Line_ + 1;
        Spans = false;
        for (; i < size; ++i) {
            const Char c = data[i];
            if (static_cast<std::make_unsigned_t<Char>>(c) > Highest_)
                continue;
            if (IsLineBreak(c)) {
                if (!quoted || !OpensWithQuote(fieldStart, i))
                    break;
                if (c == Char('\r') && i + 1 < size && data[i + 1] == Char('\n'))
                    ++i;
                ++Line_;
                Spans = true;
            } else if (Quoting_ && c == Char('"')) {
                quoted = !quoted;
            } else if (c == Delimiter_ && !quoted) {
                if (Count < MaxFields)
                    Fields[static_cast<std::size_t>(Count++)] = Text_.substr(fieldStart, i - fieldStart);
                fieldStart = i + 1;
            } else if (c == Char('\t') && !quoted) {
                ++TabsOutsideQuotes;
            }
        }
        if (i > lineStart && Count < MaxFields)
            Fields[static_cast<std::size_t>(Count++)] = Text_.substr(fieldStart, i - fieldStart);
        EndedWithBreak = i < size;
        if (i < size && data[i] == Char('\r') && i + 1 < size && data[i + 1] == Char('\n'))
            ++i;
        Pos_ = i + 1;
        ++Line_;
        return true;
    }

    std::array<TView<Char>, MaxFields> Fields;
    int Count = 0;
    std::int64_t FirstLine = 0; // 1-based, the line the record starts on
    bool Spans = false; // a quoted line break is part of the record
    bool EndedWithBreak = false;
    std::int64_t TabsOutsideQuotes = 0; // over all records so far, when tab is not the delimiter

private:
    // Asked at each quoted line break; remembered per field, so that blanks before the quote
    // are not passed again for every further break.
    bool OpensWithQuote(std::size_t fieldStart, std::size_t end)
    {
        if (fieldStart != AskedField_) {
            AskedField_ = fieldStart;
            std::size_t i = fieldStart;
            while (i < end && IsBlank(Text_[i]))
                ++i;
            Opens_ = i < end && Text_[i] == Char('"');
        }
        return Opens_;
    }

    TView<Char> Text_;
    std::size_t Pos_ = 0;
    std::int64_t Line_ = 0;
    std::size_t AskedField_ = std::size_t(-1);
    bool Opens_ = false;
    Char Delimiter_;
    unsigned Highest_; // no character above it matters to the scan
    bool Quoting_;
};

template <typename Char>
TView<Char> CleanField(
    const TLineScanner<Char>& scanner, int index, bool quoting, std::basic_string<Char>& scratch)
{
    const TView<Char> raw = scanner.Fields[static_cast<std::size_t>(index)];
    return quoting ? CleanQuotedField(raw, scanner.Spans, scratch) : TrimView(raw);
}

// Turns a cleaned field into 8-bit text in a code page; 'scratch' holds the result when the
// bytes have to change. Sets lost when the code page lacked a character.
struct TRawConverter {
    std::string_view operator()(std::string_view value, int, std::string&, bool&) const { return value; }
};

struct TUtf8Converter {
    std::string_view operator()(std::string_view value, int codePage, std::string& scratch, bool& lost) const
    {
        if (IsAscii(value))
            return value;
        scratch = Utf8ToAnsi(value, codePage, &lost);
        return scratch;
    }
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
};

// Both readers after their decoding: builds every item in a local list first, so that a refused
// file leaves the document exactly as it was, then appends them all at once.
template <typename Char, typename Converter>
TImportResult ReadItems(TVocabFile& document, TView<Char> text, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, Converter convert)
{
    const int codePages[FieldCount]
        = { LanguageCodePage(document.ForeignLangID()), LanguageCodePage(document.NativeLangID()),
              LanguageCodePage(document.NativeLangID()), LanguageCodePage(document.NativeLangID()) };
    const bool quoting = !IsTabFormat(format);
    std::basic_string<Char> unquoted[FieldCount];
    std::string converted[FieldCount];
    std::array<std::string_view, FieldCount> values;

    TVocabItemList built;
    TImportResult result;
    TLineScanner<Char> scanner(text, Char(TextFormatDelimiter(format)), quoting);
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
            const TView<Char> field = CleanField(scanner, column - 1, quoting, unquoted[index]);
            bool lost = false;
            values[index] = convert(field, codePages[index], converted[index], lost);
            lostHere += lost ? 1 : 0;
            if (k == fiForeign && values[index].empty())
                break;
        }
        if (values[fiForeign].empty())
            continue;
        if (values[fiNative].empty())
            values[fiNative] = MissingTranslation;
        for (const std::string_view value : values) {
            if (value.size() > MaxTextLength) {
                throw EVocabFileError("Line " + std::to_string(scanner.FirstLine)
                    + ": a field is longer than " + std::to_string(MaxTextLength) + " bytes.");
            }
        }
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(values[0], values[1], values[2], values[3]);
        built.push_back(std::move(item));
        result.LostFields += lostHere;
    }

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
    const bool quoting = !IsTabFormat(format);
    const TTextEncoding encoding = TextFormatEncoding(format);
    std::vector<TPreviewRow> rows;
    TLineScanner<Char> scanner(text, Char(TextFormatDelimiter(format)), quoting);
    std::basic_string<Char> unquoted;
    while (rows.size() < maxRows && scanner.Next()) {
        if (scanner.FirstLine < startLine)
            continue;
        TPreviewRow row;
        row.Line = scanner.FirstLine;
        row.Lost.resize(static_cast<std::size_t>(scanner.Count));
        for (int c = 0; c < scanner.Count; ++c) {
            const TView<Char> field = CleanField(scanner, c, quoting, unquoted);
            const int codePage = columns[fiForeign] == c + 1 ? foreignCodePage : nativeCodePage;
            row.Columns.push_back(
                ConvertMarking(field, encoding, codePage, row.Lost[static_cast<std::size_t>(c)]));
        }
        const std::int32_t word = columns[fiForeign];
        row.Skipped
            = word < 1 || word > scanner.Count || row.Columns[static_cast<std::size_t>(word - 1)].empty();
        rows.push_back(std::move(row));
    }
    return rows;
}

void CheckArguments(TTextFormat format, std::int32_t startLine)
{
    if (startLine < 1 || !IsValidFormat(format))
        throw EVocabFileError("Invalid procedure call.");
}

enum class TByteOrder : std::uint8_t { None, LittleEndian, BigEndian };

// UTF-16 text without a byte order mark shows itself by its NUL bytes: the high byte of every
// ASCII character, so nearly all of them fall on one side of each pair. Any other text holds
// none, or a few anywhere.
TByteOrder GuessUtf16(std::string_view bytes)
{
    const std::size_t units = bytes.size() / 2;
    std::size_t nulEven = 0;
    std::size_t nulOdd = 0;
    for (std::size_t i = 0; i < 2 * units; i += 2) {
        nulEven += bytes[i] == '\0' ? 1 : 0;
        nulOdd += bytes[i + 1] == '\0' ? 1 : 0;
    }
    const std::size_t more = std::max(nulEven, nulOdd);
    const std::size_t fewer = std::min(nulEven, nulOdd);
    if (units == 0 || more < std::min<std::size_t>(units, 2) || more * 16 < units || fewer * 8 > more)
        return TByteOrder::None;
    return nulOdd > nulEven ? TByteOrder::LittleEndian : TByteOrder::BigEndian;
}

// The text of UTF-16 bytes in this machine's order, without its byte order mark: the mark is
// skipped rather than erased (FixUnicodeByteOrder's rule), since erasing it would move the whole
// text once more. Without a mark the text is little-endian unless its NUL bytes say otherwise.
std::u16string_view OrderedUtf16(std::string_view bytes, std::u16string& text)
{
    text = BytesToWide(bytes);
    if (!text.empty()
        && (text.front() == 0xFFFE
            || (text.front() != 0xFEFF && GuessUtf16(bytes) == TByteOrder::BigEndian))) {
        for (char16_t& unit : text)
            unit = static_cast<char16_t>((unit << 8) | (unit >> 8));
    }
    std::u16string_view view = text;
    if (view.starts_with(u'\uFEFF'))
        view.remove_prefix(1);
    return view;
}

// The 8-bit readers' text: it ends at a NUL byte, and a UTF-8 mark is not part of it.
std::string_view EightBitText(std::string_view bytes, TTextEncoding encoding)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    if (encoding == teUtf8 && bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return bytes;
}

// The number of delimiters outside quotes when every record of the text has the same number of
// them, else 0. Blank records do not count, nor a last record that the end of a sample cut.
template <typename Char> int EvenSplits(TView<Char> text, char delimiter, bool cut, bool& tabOutsideQuotes)
{
    TLineScanner<Char> scanner(text, Char(delimiter), true);
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

bool IsUtf8Text(std::string_view bytes, bool cut)
{
    bool multiByte = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80; // bounds of the second byte, narrower for overlong and surrogate forms
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= bytes.size())
                return cut && multiByte;
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        multiByte = true;
        i += length;
    }
    return multiByte;
}

TImportResult ImportTextBytes(TVocabFile& document, std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine)
{
    CheckArguments(format, startLine);
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

TImportSample ReadImportSample(const std::string& fileName, TReadFrom from)
{
    TImportSample sample;
    try {
        sample.Bytes = ReadFileStart(fileName, ImportSampleSize + 1, from);
    } catch (const std::exception&) {
        return {};
    }
    sample.Cut = sample.Bytes.size() > ImportSampleSize;
    if (sample.Cut)
        sample.Bytes.resize(ImportSampleSize);
    return sample;
}

TTextFormat DetectTextFormat(const std::string& fileName, TReadFrom from)
{
    try {
        const TImportSample sample = ReadImportSample(fileName, from);
        return DetectTextFormatBytes(sample.Bytes, sample.Cut);
    } catch (...) {
        return tfTextComma;
    }
}

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
