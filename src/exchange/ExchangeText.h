#pragma once
// Conversions of field texts at the edges of the exchange formats. Every code page the program
// uses is a single-byte superset of ASCII, so pure ASCII text is the same bytes in all of them:
// that fast path keeps million-item imports and exports from calling the converter per field.

#include "evaluation/TextUtils.h"

#include <string>
#include <string_view>

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
