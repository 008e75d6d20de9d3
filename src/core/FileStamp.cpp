#include "core/FileStamp.h"

#include "core/SafeSave.h"
#include "core/VocabFile.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

bool StatFile(const std::string& fileName, TFileStamp& stamp)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) != 0)
        return false;
    stamp.Exists = true;
    stamp.Size = static_cast<std::uint64_t>(st.st_size);
    stamp.ModifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

bool SameItem(const TVocabItem& a, const TVocabItem& b)
{
    for (int f = 0; f < FieldCount; ++f) {
        if (a.FieldValue(f) != b.FieldValue(f))
            return false;
    }
    return true;
}

bool SameWord(const TVocabItem& a, const TVocabItem& b)
{
    return a.FieldValue(0) == b.FieldValue(0) && a.FieldValue(3) == b.FieldValue(3);
}

} // namespace

std::uint64_t ContentHash(std::string_view bytes)
{
    return std::hash<std::string_view> {}(bytes);
}

TFileStamp StampOf(const std::string& fileName, std::string_view bytes)
{
    TFileStamp stamp;
    StatFile(fileName, stamp);
    stamp.Exists = true;
    stamp.Size = bytes.size();
    stamp.Hash = ContentHash(bytes);
    return stamp;
}

TFileStamp QuickStamp(const std::string& fileName)
{
    TFileStamp stamp;
    StatFile(fileName, stamp);
    return stamp;
}

TFileStamp StampFile(const std::string& fileName)
{
    TFileStamp stamp;
    if (!StatFile(fileName, stamp))
        return stamp;
    try {
        const std::string bytes = ReadWholeFile(fileName);
        stamp.Size = bytes.size();
        stamp.Hash = ContentHash(bytes);
    } catch (const std::exception&) {
        stamp.Readable = false;
    }
    return stamp;
}

TDiskChange DiskChange(const TFileStamp& known, const TFileStamp& now)
{
    if (!known.Exists)
        return dcNone;
    if (!now.Exists)
        return dcMissing;
    if (now.Size != known.Size)
        return dcChanged;
    if (!now.Readable || !known.Readable)
        return now.ModifiedNs != known.ModifiedNs ? dcChanged : dcNone;
    return now.Hash != known.Hash ? dcChanged : dcNone;
}

std::int32_t ReloadedIndex(const TVocabFile& before, std::int32_t index, const TVocabFile& after)
{
    const std::int32_t count = after.Count();
    if (count == 0)
        return -1;
    if (index < 0 || index >= before.Count())
        return 0;
    const TVocabItem& item = before.Items(index);
    if (index < count && SameItem(item, after.Items(index)))
        return index;
    // Outward from the old position, so of several equal items the nearest wins.
    const std::int32_t reach = std::max(index, count - 1 - index);
    for (std::int32_t distance = 0; distance <= reach; ++distance) {
        for (const std::int32_t candidate : { index - distance, index + distance }) {
            if (candidate >= 0 && candidate < count && SameWord(item, after.Items(candidate)))
                return candidate;
        }
    }
    return std::min(index, count - 1);
}
