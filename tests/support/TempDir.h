#pragma once
// A fresh folder per test, removed afterwards.

#include <filesystem>
#include <string>
#include <string_view>

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::filesystem::path& Path() const { return Path_; }
    std::string File(std::string_view name) const { return (Path_ / name).string(); }

private:
    std::filesystem::path Path_;
};

std::string ReadBytes(const std::string& fileName);
void WriteBytes(const std::string& fileName, std::string_view bytes);
// The permission bits of a file, or 0 when it cannot be looked at.
unsigned ModeOf(const std::string& fileName);

inline bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}
