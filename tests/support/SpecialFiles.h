#pragma once
// Files that are not regular files, made in a test's own folder: a writer must leave them alone.

#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

enum class TSpecialFile { Fifo, CharDevice, Socket, Folder };

inline const char* SpecialFileName(TSpecialFile kind)
{
    switch (kind) {
    case TSpecialFile::Fifo:
        return "fifo";
    case TSpecialFile::CharDevice:
        return "character device";
    case TSpecialFile::Socket:
        return "socket";
    case TSpecialFile::Folder:
        return "folder";
    }
    return "?";
}

inline mode_t SpecialFileType(TSpecialFile kind)
{
    switch (kind) {
    case TSpecialFile::Fifo:
        return S_IFIFO;
    case TSpecialFile::CharDevice:
        return S_IFCHR;
    case TSpecialFile::Socket:
        return S_IFSOCK;
    case TSpecialFile::Folder:
        return S_IFDIR;
    }
    return 0;
}

// Makes the file; false when the system does not allow it (a device node needs root). The device
// is a node of its own with the numbers of the null device, so a faulty write does no harm.
inline bool MakeSpecialFile(const std::string& path, TSpecialFile kind)
{
    switch (kind) {
    case TSpecialFile::Fifo:
        return ::mkfifo(path.c_str(), 0644) == 0;
    case TSpecialFile::CharDevice:
        return ::mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0;
    case TSpecialFile::Folder:
        return ::mkdir(path.c_str(), 0755) == 0;
    case TSpecialFile::Socket: {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd);
        return bound;
    }
    }
    return false;
}

// True when the name itself (not followed) is still a file of that kind.
inline bool IsSpecialFile(const std::string& path, TSpecialFile kind)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == SpecialFileType(kind);
}
