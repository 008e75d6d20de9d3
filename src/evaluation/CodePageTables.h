#pragma once
// Byte tables of the 8-bit code pages, shared by the conversions and the locale services.

#include <array>
#include <cstdint>

namespace TextDetail {

// One single-byte code page, read once from its ICU converter. Every byte decodes to exactly one
// UTF-16 code unit, so conversion in both directions is a table look-up.
struct TSingleByteCodePage {
    int CodePage = 0;
    std::array<char16_t, 256> ToWide {};
    // The byte of a code unit; 0 means "not in the code page" for every unit except U+0000.
    std::array<std::uint8_t, 0x10000> FromWide {};

    bool Encode(char16_t unit, std::uint8_t& byte) const
    {
        byte = FromWide[unit];
        return byte != 0 || unit == 0;
    }
};

// The six 8-bit code pages (throws std::runtime_error for any other).
const TSingleByteCodePage& SingleByteCodePage(int codePage);

// The first code unit of the private-use block that holds the bytes a code page leaves undefined.
inline constexpr char16_t UndefinedByteBase = 0xF700;

} // namespace TextDetail
