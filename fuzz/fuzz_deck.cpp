// The deck package reader on arbitrary bytes: a package is read and mapped whole, or refused with
// the package's own error, leaving the list it would go into as it was.

#include "core/Errors.h"
#include "deck/DeckImport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Small enough that a frame claiming more is refused well within the fuzzer's memory limit.
constexpr std::uint64_t MaxFuzzCollection = 64 << 20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TVocabFile list;
    try {
        TDeckImport import = MapDeck(ReadDeckPackage(bytes, MaxFuzzCollection), 0x0407, 0x0409, {});
        ApplyDeckImport(import, list, nullptr);
    } catch (const EVocabFileError&) {
        if (list.Count() != 0)
            std::abort();
    }
    return 0;
}
