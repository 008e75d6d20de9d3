#pragma once
// Files that are not regular files, made in a test's own folder: a writer must leave them alone.

#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>

// S_IFIFO, S_IFCHR or S_IFSOCK; false when the system does not allow it (a device needs root). The
// device has the null device's numbers, so a faulty write does no harm.
inline bool MakeSpecialFile(const std::string& path, mode_t type)
{
    return ::mknod(path.c_str(), type | 0644, type == S_IFCHR ? makedev(1, 3) : 0) == 0;
}

// The name itself (not followed) is still a file of that type.
inline bool IsSpecialFile(const std::string& path, mode_t type)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
}
