// The .vmr reader on arbitrary bytes: it must either load whole or fail cleanly, and what it
// loads must save back to exactly the bytes it read (nothing may follow the last item).

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
    // Bytes after the last item are refused, so nothing read can be lost by the next save.
    if (saved != bytes)
        std::abort();
    return 0;
}
