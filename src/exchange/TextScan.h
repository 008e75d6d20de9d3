#pragma once
// The import's reading of delimited text, shared by the reader, its preview and its guesses.

#include "core/VocabItem.h"
#include "evaluation/TextUtils.h"
#include "exchange/TextFormat.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace TextScan {

// Text after the 64th field of a line is ignored.
constexpr int MaxFields = 64;
constexpr std::string_view MissingTranslation = "#Value?#";

inline bool IsValidFormat(TTextFormat format)
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

// Cuts a text into records and each record into at most 64 raw fields, in a single scan, the way
// spreadsheets write them: a field that opens with a quote (after blanks) is quoted, holding
// delimiters, doubled quotes and line breaks; a quote anywhere else in a field is a character, so a
// stray inch mark hides nothing. A line break (CR LF, lone CR or lone LF) ends a record outside
// quotes; a break at the very end starts no further record. A quote that opens a field but never
// closes is taken back: its record is read again with quotes as characters.
template <typename Char> class TLineScanner {
public:
    TLineScanner(TView<Char> text, Char delimiter)
        : Text_(text)
        , Delimiter_(delimiter)
        , Highest_(std::max<unsigned>(static_cast<unsigned>(delimiter), static_cast<unsigned>('"')))
    {
    }

    bool Next()
    {
        if (Pos_ >= Text_.size())
            return false;
        const std::int64_t line = Line_;
        if (!Scan(true)) {
            Line_ = line;
            ++UnclosedQuotes;
            Scan(false);
        }
        return true;
    }

    std::array<TView<Char>, MaxFields> Fields;
    int Count = 0;
    std::int64_t FirstLine = 0; // 1-based, the line the record starts on
    bool Spans = false; // a quoted line break is part of the record
    std::int64_t TabsOutsideQuotes = 0; // over all records so far, when tab is not the delimiter
    std::int64_t UnclosedQuotes = 0; // records read again with their quotes as characters

private:
    enum class TField : std::uint8_t { Open, Quoted, Plain };

    // False, with nothing moved on, when a quoted field is still open at the end of the text.
    bool Scan(bool quoting)
    {
        const std::size_t size = Text_.size();
        const Char* data = Text_.data();
        const std::size_t lineStart = Pos_;
        std::size_t fieldStart = Pos_;
        std::size_t i = Pos_;
        bool quoted = false;
        TField field = quoting ? TField::Open : TField::Plain;
        const std::int64_t tabs = TabsOutsideQuotes;
        Count = 0;
        FirstLine = Line_ + 1;
        Spans = false;
        for (; i < size; ++i) {
            const Char c = data[i];
            if (static_cast<std::make_unsigned_t<Char>>(c) > Highest_)
                continue;
            if (IsLineBreak(c)) {
                if (!quoted)
                    break;
                if (c == Char('\r') && i + 1 < size && data[i + 1] == Char('\n'))
                    ++i;
                ++Line_;
                Spans = true;
            } else if (c == Char('"')) {
                if (field == TField::Open)
                    field = OnlyBlanks(fieldStart, i) ? TField::Quoted : TField::Plain;
                if (field == TField::Quoted)
                    quoted = !quoted;
            } else if (c == Delimiter_ && !quoted) {
                if (Count < MaxFields)
                    Fields[static_cast<std::size_t>(Count++)] = Text_.substr(fieldStart, i - fieldStart);
                fieldStart = i + 1;
                field = quoting ? TField::Open : TField::Plain;
            } else if (c == Char('\t') && !quoted) {
                ++TabsOutsideQuotes;
            }
        }
        if (quoted) {
            TabsOutsideQuotes = tabs;
            return false;
        }
        if (i > lineStart && Count < MaxFields)
            Fields[static_cast<std::size_t>(Count++)] = Text_.substr(fieldStart, i - fieldStart);
        if (i < size && data[i] == Char('\r') && i + 1 < size && data[i + 1] == Char('\n'))
            ++i;
        Pos_ = i + 1;
        ++Line_;
        return true;
    }

    bool OnlyBlanks(std::size_t begin, std::size_t end) const
    {
        for (std::size_t i = begin; i < end; ++i) {
            if (!IsBlank(Text_[i]))
                return false;
        }
        return true;
    }

    TView<Char> Text_;
    std::size_t Pos_ = 0;
    std::int64_t Line_ = 0;
    Char Delimiter_;
    unsigned Highest_; // no character above it matters to the scan
};

template <typename Char>
TView<Char> CleanField(const TLineScanner<Char>& scanner, int index, std::basic_string<Char>& scratch)
{
    return CleanQuotedField(scanner.Fields[static_cast<std::size_t>(index)], scanner.Spans, scratch);
}

template <typename Char> bool IsEmptyField(TView<Char> raw)
{
    const TView<Char> text = TrimView(raw);
    return text.empty() || (text.size() == 2 && text[0] == Char('"') && text[1] == Char('"'));
}
enum class TByteOrder : std::uint8_t { None, LittleEndian, BigEndian };

// UTF-16 text without a byte order mark shows itself by its NUL bytes: the high byte of every
// ASCII character, so nearly all of them fall on one side of each pair. Any other text holds
// none, or a few anywhere.
inline TByteOrder GuessUtf16(std::string_view bytes)
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
inline std::u16string_view OrderedUtf16(std::string_view bytes, std::u16string& text)
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
inline std::string_view EightBitText(std::string_view bytes, TTextEncoding encoding)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    if (encoding == teUtf8 && bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return bytes;
}

// The number of delimiters outside quotes when every record of the text has the same number of
} // namespace TextScan
