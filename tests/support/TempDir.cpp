#include "support/TempDir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <sys/stat.h>

TTempDir::TTempDir()
{
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("velmoria-test-" + std::to_string(device()));
        if (std::filesystem::create_directory(candidate)) {
            Path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TTempDir::~TTempDir()
{
    std::error_code ignored;
    // A test may have taken write permission away; give it back so the folder can go.
    std::filesystem::permissions(
        Path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(Path_, ignored);
}

std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + fileName);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void WriteBytes(const std::string& fileName, std::string_view bytes)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + fileName);
}

unsigned ModeOf(const std::string& fileName)
{
    struct stat st { };
    return ::stat(fileName.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}
