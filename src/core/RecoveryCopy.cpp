#include "core/RecoveryCopy.h"

#include "core/VocabFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view Magic = "\x12Velmoria recovery1";
constexpr std::size_t HeaderFixedSize = Magic.size() + 4 + 1 + 1 + 8 + 8 + 8 + 4;

void PutU64(std::string& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t GetU64(std::string_view bytes, std::size_t at, int size = 8)
{
    std::uint64_t v = 0;
    for (int i = 0; i < size; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]))
            << (8 * i);
    return v;
}

[[noreturn]] void Invalid()
{
    throw EVocabFileError("Invalid file format.");
}

// The header's size, the info filled in.
std::size_t ParseHeader(std::string_view image, TRecoveryInfo& info)
{
    if (image.size() < HeaderFixedSize || image.substr(0, Magic.size()) != Magic)
        Invalid();
    std::size_t at = Magic.size();
    const std::uint64_t nameLength = GetU64(image, at, 4);
    at += 4;
    if (nameLength > image.size() - HeaderFixedSize)
        Invalid();
    info.FileName.assign(image.substr(at, nameLength));
    at += nameLength;
    info.Disk.Exists = image[at++] != 0;
    info.Disk.Readable = image[at++] != 0;
    info.Disk.Size = GetU64(image, at);
    info.Disk.Hash = GetU64(image, at + 8);
    info.Disk.ModifiedNs = static_cast<std::int64_t>(GetU64(image, at + 16));
    info.CurrentIndex = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetU64(image, at + 24, 4)));
    return at + 28;
}

} // namespace

std::string BuildRecoveryImage(const TVocabFile& document, const TRecoveryInfo& info)
{
    std::string image;
    image.append(Magic);
    const auto nameLength = static_cast<std::uint32_t>(info.FileName.size());
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<char>((nameLength >> (8 * i)) & 0xFF));
    image.append(info.FileName);
    image.push_back(info.Disk.Exists ? 1 : 0);
    image.push_back(info.Disk.Readable ? 1 : 0);
    PutU64(image, info.Disk.Size);
    PutU64(image, info.Disk.Hash);
    PutU64(image, static_cast<std::uint64_t>(info.Disk.ModifiedNs));
    const auto current = static_cast<std::uint32_t>(info.CurrentIndex);
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<char>((current >> (8 * i)) & 0xFF));
    document.AppendBytes(image);
    return image;
}

TRecoveryInfo ReadRecoveryInfo(std::string_view image)
{
    TRecoveryInfo info;
    ParseHeader(image, info);
    return info;
}

TRecoveryInfo LoadRecoveryImage(std::string_view image, TVocabFile& document)
{
    TRecoveryInfo info;
    std::size_t header = 0;
    try {
        header = ParseHeader(image, info);
    } catch (...) {
        document.Clear();
        throw;
    }
    document.LoadFromBytes(image.substr(header));
    document.MarkRecovered(info.FileName);
    if (info.CurrentIndex >= 0 && info.CurrentIndex < document.Count())
        document.SetCurrentIndex(info.CurrentIndex);
    else if (document.Count() > 0)
        document.SetCurrentIndex(0);
    return info;
}

std::size_t RecoveryHeaderSize(std::string_view image)
{
    TRecoveryInfo info;
    return ParseHeader(image, info);
}

bool RecoveryCopyMatches(std::string_view image, std::string_view fileBytes)
{
    TRecoveryInfo info;
    return image.substr(ParseHeader(image, info)) == fileBytes;
}

std::int64_t RecoveryDelayMs(std::int64_t now, std::int64_t firstChange, std::int64_t lastChange, std::int64_t lastCopy)
{
    std::int64_t due = std::min(lastChange + RecoveryQuietMs, firstChange + RecoveryLongestWaitMs);
    if (lastCopy >= 0)
        due = std::max(due, lastCopy + RecoveryIntervalMs);
    return std::max<std::int64_t>(0, due - now);
}
