#include "core/FileAttributes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool IsReadOnlyFile(const std::string& fileName)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) != 0)
        return false;
    if (::geteuid() == 0)
        return (st.st_mode & S_IWUSR) == 0;
    // Writable folder or not: replacing a file the user may not write would take it from its owner.
    if (::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) == 0)
        return false;
    return errno == EACCES || errno == EPERM || errno == EROFS;
}

bool IsHiddenFileName(const std::string& fileName)
{
    const auto sep = fileName.find_last_of('/');
    const std::string base = sep == std::string::npos ? fileName : fileName.substr(sep + 1);
    return !base.empty() && base[0] == '.' && base != "." && base != "..";
}
