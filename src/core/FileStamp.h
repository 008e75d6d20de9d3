#pragma once
// What the program knows of a list's file as it last loaded or saved it, so that a change made by
// another program is noticed before it is overwritten.

#include <cstdint>
#include <string>
#include <string_view>

class TVocabFile;

struct TFileStamp {
    bool Exists = false;
    // False when the file is there but could not be read: then only size and time tell.
    bool Readable = true;
    std::uint64_t Size = 0;
    std::uint64_t Hash = 0;
    std::int64_t ModifiedNs = 0;
};

std::uint64_t ContentHash(std::string_view bytes);
// The stamp of bytes just read from or written to the file; the time is the file's own.
TFileStamp StampOf(const std::string& fileName, std::string_view bytes);
// The file as it is now (read whole); Exists is false when there is no such file.
TFileStamp StampFile(const std::string& fileName);
// Only the size and time, without reading: enough to see that nothing changed.
TFileStamp QuickStamp(const std::string& fileName);

enum TDiskChange : std::uint8_t { dcNone, dcChanged, dcMissing };
// How the file now differs from what was known of it. The contents decide: a file rewritten with
// the same bytes is unchanged whatever its time says. Nothing known (an untitled list) is never
// changed.
TDiskChange DiskChange(const TFileStamp& known, const TFileStamp& now);

// Where the current item goes when a list is read again: the same position when the item there
// is unchanged, else the nearest item with the same word and translations, else the same
// position as far as the list still reaches.
std::int32_t ReloadedIndex(const TVocabFile& before, std::int32_t index, const TVocabFile& after);
