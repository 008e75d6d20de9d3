// The UTF-16 delimited-text reader on arbitrary bytes, in its three formats.

#include "ImportFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (TTextFormat format : { tfUnicodeComma, tfUnicodeTab, tfUnicodeSemicolon }) {
        ImportOnce(bytes, format, { 1, 2, 3, 4 });
        ImportOnce(bytes, format, { 3, 0, 64, 1 });
        PreviewOnce(bytes, format);
    }
    (void)DetectTextFormatBytes(bytes);
    (void)DetectTextFormatBytes(bytes, true);
    return 0;
}
