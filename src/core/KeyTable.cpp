#include "core/KeyTable.h"

#include "core/FreedMemory.h"

#include <cstring>

TKeyTable::TKeyTable(std::span<const std::string> keys)
{
    std::size_t bytes = 0;
    for (const std::string& key : keys)
        bytes += key.size();
    Reserve(keys.size(), bytes);
    for (const std::string& key : keys)
        Append(key);
}

std::vector<std::string> TKeyTable::Strings() const
{
    std::vector<std::string> strings;
    strings.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        strings.emplace_back((*this)[i]);
    return strings;
}

void TKeyTable::Reserve(std::size_t keys, std::size_t bytes)
{
    ReserveLarge(Ends_, keys);
    Bytes_.reserve(bytes);
}

TKeyTable TKeyTable::Joined(std::span<const TKeyTable> parts)
{
    TKeyTable whole;
    std::size_t keys = 0, bytes = 0;
    for (const TKeyTable& part : parts)
        keys += part.size(), bytes += part.Bytes_.size();
    ReserveLarge(whole.Ends_, keys);
    ResizeLarge(whole.Bytes_, bytes);
    std::size_t at = 0;
    for (const TKeyTable& part : parts) {
        if (!part.Bytes_.empty())
            std::memcpy(whole.Bytes_.data() + at, part.Bytes_.data(), part.Bytes_.size());
        for (const std::uint64_t end : part.Ends_)
            whole.Ends_.push_back(at + end);
        at += part.Bytes_.size();
    }
    return whole;
}
