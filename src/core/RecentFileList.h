#pragma once
// The most recently opened or saved vocabulary files, most recent first.

#include <cstdint>
#include <string>
#include <vector>

class TRecentFileList {
public:
    explicit TRecentFileList(std::int32_t capacity)
        : Capacity_(capacity)
    {
    }
    void Add(const std::string& name);
    void Load(const std::string& name);
    std::int32_t Count() const { return static_cast<std::int32_t>(Strings_.size()); }
    const std::string& operator[](std::int32_t index) const
    {
        return Strings_.at(static_cast<std::size_t>(index));
    }
    std::int32_t Capacity() const { return Capacity_; }

private:
    std::vector<std::string> Strings_;
    std::int32_t Capacity_;
};

// Whether two file names name the same file: exactly on a case-sensitive file system,
// without regard to case on Windows.
bool SameFileName(const std::string& a, const std::string& b);
