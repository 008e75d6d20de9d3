// The KVTML reader and import on arbitrary bytes: they either add every entry or fail with the
// list as it was, and what they add is written back as a file they read again alike.

#include "core/Errors.h"
#include "exchange/Kvtml.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TVocabFile doc;
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    try {
        const TKvtmlFile file = ReadKvtml(bytes);
        if (file.Identifiers.size() < 2)
            return 0;
        ImportKvtml(doc, file, { 0, 1, true });
    } catch (const EVocabFileError&) {
        if (doc.Count() != 0)
            std::abort();
        return 0;
    }
    TVocabFile back;
    back.SetForeignLangID(0x0407);
    back.SetNativeLangID(0x0409);
    ImportKvtml(back, ReadKvtml(ExportKvtmlBytes(doc, "f.kvtml")), {});
    if (back.Count() != doc.Count())
        std::abort();
    return 0;
}
