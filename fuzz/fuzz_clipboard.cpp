// The clipboard block reader on arbitrary bytes: a paste either adds one item or changes nothing.

#include "core/ClipboardBlock.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view block(reinterpret_cast<const char*>(data), size);
    TVocabFile doc;
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    doc.NewItem().SetFieldValues("a", "", "", "b");
    doc.Add();
    doc.SetCurrentIndex(0);
    try {
        PasteClipboardBlock(doc, block);
    } catch (const std::exception&) {
        if (doc.Count() != 1)
            std::abort();
        return 0;
    }
    if (doc.Count() != 2 || doc.Items(0).Learnt())
        std::abort();
    // What was pasted can be copied again and pastes the same texts.
    doc.SetCurrentIndex(0);
    const std::string again = BuildClipboardBlock(doc);
    TVocabFile other;
    other.SetForeignLangID(0x0407);
    other.SetNativeLangID(0x0409);
    PasteClipboardBlock(other, again);
    if (other.Items(0).FieldValues() != doc.Items(0).FieldValues())
        std::abort();
    return 0;
}
