// The recovery-copy reader on arbitrary bytes: it loads whole, marked modified and belonging to
// the file its header names, or fails and leaves the document empty; what it loads comes back
// the same through another copy.

#include "core/RecoveryCopy.h"
#include "core/VocabFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TVocabFile doc;
    TRecoveryInfo info;
    try {
        info = LoadRecoveryImage(bytes, doc);
    } catch (const std::exception&) {
        if (doc.Count() != 0 || doc.Modified())
            std::abort();
        return 0;
    }
    if (!doc.Modified() || doc.FileName() != info.FileName || doc.UndoCount() != 0)
        std::abort();
    TVocabFile again;
    const std::string image = BuildRecoveryImage(doc, info);
    // A copy of a list must count as the same as that list's file, or it would never be dropped.
    if (!RecoveryCopyMatches(image, doc.SaveToBytes())
        || image.size() - RecoveryHeaderSize(image.substr(0, RecoveryHeaderLimit))
            != doc.SaveToBytes().size())
        std::abort();
    const TRecoveryInfo read = LoadRecoveryImage(image, again);
    if (again.SaveToBytes() != doc.SaveToBytes() || read.FileName != info.FileName
        || read.Disk.Hash != info.Disk.Hash || again.CurrentIndex() != doc.CurrentIndex())
        std::abort();
    return 0;
}
