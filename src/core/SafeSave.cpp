#include "core/SafeSave.h"

#include "core/Errors.h"
#include "core/FileAttributes.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& fileName)
{
    const auto sep = fileName.find_last_of('/');
    if (sep == std::string::npos)
        return ".";
    return sep == 0 ? std::string("/") : fileName.substr(0, sep);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The error number, or 0 when every byte was written.
int WriteAll(int fd, std::string_view bytes)
{
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return 0;
}

class TFd {
public:
    explicit TFd(int fd)
        : Fd_(fd)
    {
    }
    ~TFd()
    {
        if (Fd_ >= 0)
            ::close(Fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return Fd_; }
    // Closing reports the last write error on some file systems, so it is checked.
    int Close()
    {
        const int fd = Fd_;
        Fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int Fd_;
};

// The new contents, complete and synced, beside the real target. Removed unless kept.
class TTemporaryCopy {
public:
    TTemporaryCopy(const std::string& target, const std::string& fileName)
        : Path_(target + ".XXXXXX")
        , Fd_(::mkstemp(Path_.data()))
    {
        if (Fd_.Get() < 0) {
            const int error = errno;
            Path_.clear();
            throw EFileError(fileName,
                "Cannot create a temporary file in folder " + Quoted(FolderOf(target)) + " to save "
                    + Quoted(fileName) + ". " + std::strerror(error) + ".");
        }
    }
    ~TTemporaryCopy()
    {
        if (!Path_.empty() && !Kept_)
            ::unlink(Path_.c_str());
    }
    TTemporaryCopy(const TTemporaryCopy&) = delete;
    TTemporaryCopy& operator=(const TTemporaryCopy&) = delete;

    void Fill(const std::string& fileName, std::string_view bytes, const struct stat* old)
    {
        if (const int error = WriteAll(Fd_.Get(), bytes))
            throw EFileError(fileName, "Cannot write file", error);
        // The new file takes the old one's owner and permissions, or the usual ones for a new file.
        if (old) {
            [[maybe_unused]] const int ignored = ::fchown(Fd_.Get(), old->st_uid, old->st_gid);
            (void)::fchmod(Fd_.Get(), old->st_mode & 07777);
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            (void)::fchmod(Fd_.Get(), 0666 & ~mask);
        }
        if (::fsync(Fd_.Get()) != 0)
            throw EFileError(fileName, "Cannot write file", errno);
        if (const int error = Fd_.Close())
            throw EFileError(fileName, "Cannot write file", error);
    }

    const std::string& Path() const { return Path_; }
    void Keep(bool keep) { Kept_ = keep; }

private:
    std::string Path_;
    TFd Fd_;
    bool Kept_ = false;
};

void SyncFolder(const std::string& fileName)
{
    const int dir = ::open(FolderOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

// Hard links share one inode: a rename would cut this name off from the others, so the file is
// rewritten where it is. Room is reserved before the first byte is overwritten, which keeps a full
// disk from leaving it half old, half new; any later failure leaves the complete copy in place.
void RewriteInPlace(const std::string& target, const std::string& fileName, std::string_view bytes,
    const struct stat& old, TTemporaryCopy& copy)
{
    TFd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    const auto size = static_cast<off_t>(bytes.size());
    if (size > old.st_size) {
        const int error = ::posix_fallocate(fd.Get(), old.st_size, size - old.st_size);
        if (error == ENOSPC || error == EFBIG)
            throw EFileError(fileName, "Cannot write file", error);
    }
    copy.Keep(true);
    int error = WriteAll(fd.Get(), bytes);
    if (!error && ::ftruncate(fd.Get(), size) != 0)
        error = errno;
    if (!error && ::fsync(fd.Get()) != 0)
        error = errno;
    if (const int closeError = fd.Close(); !error)
        error = closeError;
    if (error)
        throw EFileError(fileName,
            "Cannot write file " + Quoted(fileName) + ". " + std::strerror(error)
                + ". The new contents are kept in " + Quoted(copy.Path()) + ".");
    copy.Keep(false);
}

} // namespace

std::string ResolveLinks(const std::string& fileName)
{
    std::string name = fileName;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st { };
        if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return name;
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(name.c_str(), buffer, sizeof buffer);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer)
            return name;
        std::string next(buffer, static_cast<std::size_t>(length));
        name = next[0] == '/' ? next : FolderOf(name) + "/" + next;
    }
    return name;
}

void SafeWriteFile(const std::string& fileName, std::string_view bytes)
{
    const std::string target = ResolveLinks(fileName);
    struct stat old { };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        throw EFileError(fileName, "Cannot create file", EISDIR);
    if (exists && IsReadOnlyFile(target))
        throw EFileError(fileName, "Cannot replace file " + Quoted(fileName) + ". The file is read-only.");
    TTemporaryCopy copy(target, fileName);
    copy.Fill(fileName, bytes, exists ? &old : nullptr);
    if (exists && S_ISREG(old.st_mode) && old.st_nlink > 1) {
        RewriteInPlace(target, fileName, bytes, old, copy);
        return;
    }
    if (::rename(copy.Path().c_str(), target.c_str()) != 0)
        throw EFileError(fileName, "Cannot replace file", errno);
    copy.Keep(true); // it is the file now
    SyncFolder(target);
}

std::string ReadWholeFile(const std::string& fileName)
{
    TFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    struct stat st { };
    if (::fstat(fd.Get(), &st) != 0)
        throw EFileError(fileName, "Cannot read file", errno);
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot open file", EISDIR);
    // Read straight into a buffer of the file's size; a file that grows meanwhile is read on.
    std::string bytes(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() + (1 << 16));
        const ssize_t got = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw EFileError(fileName, "Cannot read file", errno);
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}
