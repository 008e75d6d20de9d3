// The .vmr reader on arbitrary bytes: it must either load whole or fail cleanly, and what it
// loads must save back to the same bytes it read.

#include "core/VocabFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TVocabFile doc;
    try {
        doc.LoadFromBytes(bytes);
    } catch (const std::exception&) {
        if (doc.Count() != 0 || doc.Modified())
            std::abort();
        return 0;
    }
    const std::string saved = doc.SaveToBytes();
    // The reader ignores what follows the last item, so the saved file is a prefix of the input.
    if (bytes.substr(0, saved.size()) != saved)
        std::abort();
    return 0;
}
