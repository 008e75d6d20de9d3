// The 8-bit delimited-text reader on arbitrary bytes, in all four of its formats.

#include "ImportFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (TTextFormat format : { tfTextComma, tfTextTab, tfUtf8Comma, tfUtf8Tab }) {
        ImportOnce(bytes, format, { 1, 2, 3, 4 });
        ImportOnce(bytes, format, { 3, 0, 64, 1 });
    }
    (void)DetectTextFormatBytes(bytes);
    return 0;
}
