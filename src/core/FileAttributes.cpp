#include "core/FileAttributes.h"

#include <sys/stat.h>

bool IsReadOnlyFile(const std::string& fileName)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) != 0)
        return false;
    return (st.st_mode & S_IWUSR) == 0;
}

bool IsHiddenFileName(const std::string& fileName)
{
    const auto sep = fileName.find_last_of('/');
    const std::string base = sep == std::string::npos ? fileName : fileName.substr(sep + 1);
    return !base.empty() && base[0] == '.' && base != "." && base != "..";
}
