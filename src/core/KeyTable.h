#pragma once
// Many short byte strings in one buffer: a million sort keys as a million strings cost a million
// allocations, which threads making them leave in their own heaps long after the sort.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TKeyTable {
public:
    TKeyTable() = default;
    // From strings (tests, callers that have them).
    TKeyTable(std::span<const std::string> keys);
    TKeyTable(const std::vector<std::string>& keys)
        : TKeyTable(std::span<const std::string>(keys))
    {
    }

    std::size_t size() const { return Ends_.size(); }
    std::string_view operator[](std::size_t i) const
    {
        const std::uint64_t begin = i == 0 ? 0 : Ends_[i - 1];
        return { Bytes_.data() + begin, static_cast<std::size_t>(Ends_[i] - begin) };
    }
    std::vector<std::string> Strings() const;

    // Built in parts (one per thread), each appended to its own table, then joined in order.
    void Append(std::string_view key)
    {
        Bytes_.append(key);
        Ends_.push_back(Bytes_.size());
    }
    void Reserve(std::size_t keys, std::size_t bytes);
    static TKeyTable Joined(std::span<const TKeyTable> parts);

private:
    std::string Bytes_;
    std::vector<std::uint64_t> Ends_;
};
