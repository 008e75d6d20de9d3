#pragma once
// Conversions of field texts at the edges of the exchange formats. Every code page the program
// uses is a single-byte superset of ASCII, so pure ASCII text is the same bytes in all of them:
// that fast path keeps million-item imports and exports from calling the converter per field.

#include "evaluation/TextUtils.h"

#include <string>
#include <string_view>
#include <type_traits>

inline bool IsAscii(std::string_view text)
{
    unsigned char any = 0;
    for (char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

inline bool IsAscii(std::u16string_view text)
{
    char16_t any = 0;
    for (char16_t c : text)
        any |= c;
    return any < 0x80;
}

// A field is quoted when the import would otherwise split or change it: a delimiter or line
// break inside, or a quote where the import takes it as quoting (anywhere in the comma formats, at
// the start of the field in the tab formats, whose readers take quotes elsewhere as characters).
template <typename Char> bool NeedsQuotes(std::basic_string_view<Char> field, Char delimiter)
{
    if (delimiter == Char('\t')) {
        std::size_t first = 0;
        while (first < field.size() && static_cast<std::make_unsigned_t<Char>>(field[first]) <= 32
            && field[first] != Char('\t') && field[first] != Char('\r') && field[first] != Char('\n'))
            ++first;
        if (first < field.size() && field[first] == Char('"'))
            return true;
    }
    for (Char c : field) {
        if (c == delimiter || c == Char('\r') || c == Char('\n')
            || (c == Char('"') && delimiter != Char('\t')))
            return true;
    }
    return false;
}

// The comma quoting of QuoteCsvField (with the format's delimiter), appended in place: a million
// fields must not each cost a string of their own.
template <typename Char>
void AppendField(std::basic_string<Char>& out, std::basic_string_view<Char> field, Char delimiter)
{
    if (!NeedsQuotes(field, delimiter)) {
        out += field;
        return;
    }
    out += Char('"');
    for (std::size_t quote; (quote = field.find(Char('"'))) != field.npos; field.remove_prefix(quote + 1)) {
        out += field.substr(0, quote + 1);
        out += Char('"');
    }
    out += field;
    out += Char('"');
}
