#include "exchange/TextImport.h"

#include "core/SafeSave.h"
#include "exchange/ExchangeText.h"

#include <type_traits>

namespace {

// Text after the 64th field of a line is ignored.
constexpr int MaxFields = 64;
constexpr std::string_view MissingTranslation = "#Value?#";
constexpr std::size_t DetectSampleSize = 1024;

bool IsValidFormat(TTextFormat format)
{
    return format < TextFormatCount;
}
bool IsUtf16Format(TTextFormat format)
{
    return format == tfUnicodeComma || format == tfUnicodeTab;
}
bool IsUtf8Format(TTextFormat format)
{
    return format == tfUtf8Comma || format == tfUtf8Tab;
}

template <typename Char> using TView = std::basic_string_view<Char>;

template <typename Char> bool IsBlank(Char c)
{
    return static_cast<std::make_unsigned_t<Char>>(c) <= 32;
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

// The comma rule's clean-up of one raw field: trim, drop enclosing quotes and undouble the
// quotes inside, trim again. Only a field with doubled quotes needs the scratch buffer.
template <typename Char> TView<Char> CleanCommaField(TView<Char> raw, std::basic_string<Char>& scratch)
{
    TView<Char> text = TrimView(raw);
    if (text.size() < 2 || text.front() != Char('"') || text.back() != Char('"'))
        return text;
    TView<Char> inner = text.substr(1, text.size() - 2);
    const Char pair[] = { Char('"'), Char('"') };
    if (inner.find(TView<Char>(pair, 2)) != TView<Char>::npos) {
        scratch.clear();
        for (std::size_t i = 0; i < inner.size(); ++i) {
            scratch += inner[i];
            if (inner[i] == Char('"') && i + 1 < inner.size() && inner[i + 1] == Char('"'))
                ++i;
        }
        inner = scratch;
    }
    return TrimView(inner);
}

// Cuts a text into lines (CR LF, lone CR or lone LF ends one; a break at the very end starts no
// further line) and each line into at most 64 raw fields, in a single scan.
template <typename Char> class TLineScanner {
public:
    TLineScanner(TView<Char> text, bool comma)
        : Text_(text)
        , Delimiter_(comma ? Char(',') : Char('\t'))
        , Comma_(comma)
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
        for (; i < size; ++i) {
            const Char c = data[i];
            // Every character that matters here is at most ',' (0x2C).
            if (static_cast<std::make_unsigned_t<Char>>(c) > 0x2C)
                continue;
            if (c == Char('\r') || c == Char('\n'))
                break;
            if (Comma_ && c == Char('"')) {
                quoted = !quoted;
            } else if (c == Delimiter_ && !quoted) {
                if (Count < MaxFields)
                    Fields[static_cast<std::size_t>(Count++)] = Text_.substr(fieldStart, i - fieldStart);
                fieldStart = i + 1;
            }
        }
        if (i > lineStart && Count < MaxFields)
            Fields[static_cast<std::size_t>(Count++)] = Text_.substr(fieldStart, i - fieldStart);
        EndedWithBreak = i < size;
        if (i < size && data[i] == Char('\r') && i + 1 < size && data[i + 1] == Char('\n'))
            ++i;
        Pos_ = i + 1;
        return true;
    }

    std::array<TView<Char>, MaxFields> Fields;
    int Count = 0;
    bool EndedWithBreak = false;

private:
    TView<Char> Text_;
    std::size_t Pos_ = 0;
    Char Delimiter_;
    bool Comma_;
};

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
TImportResult ReadItems(TVocabFile& document, TView<Char> text, bool comma, bool trailingBreakIsLine,
    const TFieldColumns& columns, std::int32_t startLine, Converter convert)
{
    const int codePages[FieldCount]
        = { LanguageCodePage(document.ForeignLangID()), LanguageCodePage(document.NativeLangID()),
              LanguageCodePage(document.NativeLangID()), LanguageCodePage(document.NativeLangID()) };
    std::basic_string<Char> unquoted[FieldCount];
    std::string converted[FieldCount];
    std::array<std::string_view, FieldCount> values;

    TVocabItemList built;
    TImportResult result;
    TLineScanner<Char> scanner(text, comma);
    std::int64_t lineNumber = 0;
    bool lastEndedWithBreak = false;
    while (scanner.Next()) {
        ++lineNumber;
        lastEndedWithBreak = scanner.EndedWithBreak;
        if (lineNumber < startLine)
            continue;
        int lostHere = 0;
        for (int k = 0; k < FieldCount; ++k) {
            const auto index = static_cast<std::size_t>(k);
            const std::int32_t column = columns[index];
            values[index] = {};
            if (column < 1 || column > scanner.Count)
                continue;
            const TView<Char> raw = scanner.Fields[static_cast<std::size_t>(column - 1)];
            const TView<Char> field = comma ? CleanCommaField(raw, unquoted[index]) : TrimView(raw);
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
                throw EVocabFileError("Line " + std::to_string(lineNumber) + ": a field is longer than "
                    + std::to_string(MaxTextLength) + " bytes.");
            }
        }
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(values[0], values[1], values[2], values[3]);
        built.push_back(std::move(item));
        result.LostFields += lostHere;
    }

    if (built.empty())
        return result;
    // The line count the capacity is raised for: a UTF-16 text counts a final break as a line.
    std::int64_t lines = lineNumber;
    if (trailingBreakIsLine && lastEndedWithBreak)
        ++lines;
    document.Reserve(
        static_cast<std::size_t>(document.Count()) + static_cast<std::size_t>(lines - startLine + 1));
    result.Added = static_cast<std::int32_t>(built.size());
    for (auto& item : built)
        document.AppendItem(std::move(item));
    document.EndBulkAppend();
    return result;
}

template <typename Char, typename Converter>
std::vector<TPreviewRow> ScanPreview(TView<Char> text, bool comma, const TFieldColumns& columns,
    std::int32_t startLine, std::size_t maxRows, int foreignCodePage, int nativeCodePage, Converter convert)
{
    std::vector<TPreviewRow> rows;
    TLineScanner<Char> scanner(text, comma);
    std::int64_t lineNumber = 0;
    std::basic_string<Char> unquoted;
    std::string converted;
    while (rows.size() < maxRows && scanner.Next()) {
        if (++lineNumber < startLine)
            continue;
        TPreviewRow row;
        row.Line = lineNumber;
        for (int c = 0; c < scanner.Count; ++c) {
            const TView<Char> raw = scanner.Fields[static_cast<std::size_t>(c)];
            const TView<Char> field = comma ? CleanCommaField(raw, unquoted) : TrimView(raw);
            const int codePage = columns[fiForeign] == c + 1 ? foreignCodePage : nativeCodePage;
            bool lost = false;
            row.Columns.emplace_back(convert(field, codePage, converted, lost));
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

// Well-formed UTF-8 holding at least one multi-byte sequence. When the sample was cut from a
// longer file, a sequence cut off at its end is not held against it.
bool LooksLikeUtf8(std::string_view text, bool truncated)
{
    bool multiByte = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
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
            if (i + k >= text.size())
                return truncated && multiByte;
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        multiByte = true;
        i += length;
    }
    return multiByte;
}

// The text of UTF-16 bytes in this machine's order, without its byte order mark: the mark is
// skipped rather than erased (FixUnicodeByteOrder's rule), since erasing it would move the whole
// text once more.
std::u16string_view OrderedUtf16(std::string_view bytes, std::u16string& text)
{
    text = BytesToWide(bytes);
    if (!text.empty() && text.front() == 0xFFFE) {
        for (char16_t& unit : text)
            unit = static_cast<char16_t>((unit << 8) | (unit >> 8));
    }
    std::u16string_view view = text;
    if (view.starts_with(u'\uFEFF'))
        view.remove_prefix(1);
    return view;
}

} // namespace

TImportResult ImportTextBytes(TVocabFile& document, std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine)
{
    CheckArguments(format, startLine);
    const bool comma = !IsTabFormat(format);
    if (IsUtf16Format(format)) {
        std::u16string text;
        return ReadItems<char16_t>(
            document, OrderedUtf16(bytes, text), comma, true, columns, startLine, TUtf16Converter());
    }
    // The 8-bit reader's text ends at a NUL byte.
    bytes = bytes.substr(0, bytes.find('\0'));
    if (IsUtf8Format(format)) {
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.remove_prefix(3);
        return ReadItems<char>(document, bytes, comma, false, columns, startLine, TUtf8Converter());
    }
    return ReadItems<char>(document, bytes, comma, false, columns, startLine, TRawConverter());
}

TImportResult ImportText(TVocabFile& document, const std::string& fileName, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, TReadFrom from)
{
    CheckArguments(format, startLine);
    const std::string bytes = ReadWholeFile(fileName, from);
    return ImportTextBytes(document, bytes, format, columns, startLine);
}

TTextFormat DetectTextFormatBytes(std::string_view sample)
{
    // A caller may pass more than the sample; one byte more tells that the sample was cut.
    const bool truncated = sample.size() > DetectSampleSize;
    sample = sample.substr(0, DetectSampleSize);
    if (sample.size() < 2)
        return tfTextComma;
    const auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(
            static_cast<unsigned char>(sample[2 * i]) | (static_cast<unsigned char>(sample[2 * i + 1]) << 8));
    };
    const std::size_t units = sample.size() / 2;
    const char16_t first = unit(0);
    if (first == 0xFEFF || first == 0xFFFE) {
        // Big-endian text read little-endian shows its tabs as 0x0900.
        const char16_t tab = first == 0xFEFF ? 0x0009 : 0x0900;
        for (std::size_t i = 0; i < units; ++i) {
            if (unit(i) == tab)
                return tfUnicodeTab;
        }
        return tfUnicodeComma;
    }
    const bool hasTab = sample.find('\t') != std::string_view::npos;
    if (sample.starts_with("\xEF\xBB\xBF") || LooksLikeUtf8(sample, truncated))
        return hasTab ? tfUtf8Tab : tfUtf8Comma;
    return hasTab ? tfTextTab : tfTextComma;
}

TTextFormat DetectTextFormat(const std::string& fileName, TReadFrom from)
{
    try {
        return DetectTextFormatBytes(ReadFileStart(fileName, DetectSampleSize + 1, from));
    } catch (...) {
        return tfTextComma;
    }
}

std::vector<TPreviewRow> PreviewTextBytes(std::string_view bytes, TTextFormat format,
    const TFieldColumns& columns, std::int32_t startLine, std::size_t maxRows, LangId foreign, LangId native)
{
    if (startLine < 1 || !IsValidFormat(format))
        return {};
    const bool comma = !IsTabFormat(format);
    const int foreignCodePage = LanguageCodePage(foreign);
    const int nativeCodePage = LanguageCodePage(native);
    if (IsUtf16Format(format)) {
        // A preview's bytes may end inside a character.
        std::u16string text;
        return ScanPreview<char16_t>(OrderedUtf16(bytes.substr(0, bytes.size() & ~std::size_t { 1 }), text),
            comma, columns, startLine, maxRows, foreignCodePage, nativeCodePage, TUtf16Converter());
    }
    bytes = bytes.substr(0, bytes.find('\0'));
    if (IsUtf8Format(format)) {
        if (bytes.starts_with("\xEF\xBB\xBF"))
            bytes.remove_prefix(3);
        return ScanPreview<char>(
            bytes, comma, columns, startLine, maxRows, foreignCodePage, nativeCodePage, TUtf8Converter());
    }
    return ScanPreview<char>(
        bytes, comma, columns, startLine, maxRows, foreignCodePage, nativeCodePage, TRawConverter());
}
