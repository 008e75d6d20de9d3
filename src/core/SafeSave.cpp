#include "core/SafeSave.h"

#include "core/Errors.h"
#include "core/FileAttributes.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<int(TSaveCall)> Faults;

// The injected error of the call, or 0 to make it for real.
int Injected(TSaveCall call)
{
    return Faults ? Faults(call) : 0;
}

// Runs the system call unless the seam fails it; a failure returns -1 with errno set.
template <class F> auto Checked(TSaveCall call, F systemCall) -> decltype(systemCall())
{
    if (const int error = Injected(call)) {
        errno = error;
        return -1;
    }
    return systemCall();
}

constexpr std::string_view TemporaryMark = ".velmoria-save-";
// Contents go out in pieces of this size, so a write failing part-way is a case of its own.
constexpr std::size_t WritePiece = 1 << 20;

std::string FolderOf(const std::string& fileName)
{
    const auto sep = fileName.find_last_of('/');
    if (sep == std::string::npos)
        return ".";
    return sep == 0 ? std::string("/") : fileName.substr(0, sep);
}

std::string BaseOf(const std::string& fileName)
{
    const auto sep = fileName.find_last_of('/');
    return sep == std::string::npos ? fileName : fileName.substr(sep + 1);
}

// ".NAME.velmoria-save-"; a long NAME is cut so that the whole name stays within NAME_MAX.
std::string TemporaryPrefix(const std::string& target)
{
    constexpr std::size_t room = NAME_MAX - 1 - TemporaryMark.size() - 10 - 7;
    return "." + BaseOf(target).substr(0, room) + std::string(TemporaryMark);
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
        const std::size_t piece = std::min(bytes.size(), WritePiece);
        const ssize_t written
            = Checked(TSaveCall::Write, [&] { return ::pwrite(fd, bytes.data(), piece, offset); });
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
        const int injected = Injected(TSaveCall::Close);
        if (::close(fd) != 0)
            return errno;
        return injected;
    }

private:
    int Fd_;
};

// The new contents, complete and synced, beside the real target. Removed unless kept.
class TTemporaryCopy {
public:
    TTemporaryCopy(const std::string& target, const std::string& fileName)
        : Path_(FolderOf(target) + "/" + TemporaryPrefix(target) + std::to_string(::getpid()) + "-XXXXXX")
        , Fd_(Checked(TSaveCall::Create, [this] { return ::mkostemp(Path_.data(), O_CLOEXEC); }))
    {
        if (Fd_.Get() < 0) {
            const int error = errno;
            Path_.clear();
            throw EFileError(fileName,
                "Cannot create a temporary file in folder " + Quoted(FolderOf(target)) + " to save "
                    + Quoted(fileName) + ". " + SystemErrorText(error) + ".");
        }
    }
    ~TTemporaryCopy()
    {
        if (!Path_.empty() && !Kept_)
            ::unlink(Path_.c_str());
    }
    TTemporaryCopy(const TTemporaryCopy&) = delete;
    TTemporaryCopy& operator=(const TTemporaryCopy&) = delete;

    void Fill(const std::string& fileName, std::string_view bytes, const struct stat* old, bool privateFile)
    {
        if (const int error = WriteAll(Fd_.Get(), bytes))
            throw EFileError(fileName, "Cannot write file", error);
        // The new file takes the old one's owner and permissions, or the usual ones for a new file;
        // a file that silently lost its permissions would be a fault of its own. A private file is
        // its owner's alone, whatever the umask or the file it replaces.
        mode_t mode = 0600;
        if (!privateFile && old) {
            [[maybe_unused]] const int ignored = ::fchown(Fd_.Get(), old->st_uid, old->st_gid);
            mode = old->st_mode & 07777;
        } else if (!privateFile) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        if (Checked(TSaveCall::Permissions, [&] { return ::fchmod(Fd_.Get(), mode); }) != 0)
            throw EFileError(fileName, "Cannot write file", errno);
        if (Checked(TSaveCall::Sync, [&] { return ::fsync(Fd_.Get()); }) != 0)
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

// Hard links share one inode: a rename would cut this name off from the others, so the file is
// rewritten where it is. The complete copy takes a lasting name first (a killed rewrite must not
// leave it to the clean-up of temporary files), and room is reserved before the first byte is
// overwritten, which keeps a full disk from leaving the file half old, half new.
void RewriteInPlace(const std::string& target, const std::string& fileName, std::string_view bytes,
    const struct stat& old, TTemporaryCopy& copy)
{
    const std::string kept = target + ".velmoria-copy-" + copy.Path().substr(copy.Path().size() - 6);
    if (Checked(TSaveCall::KeepCopy, [&] { return ::link(copy.Path().c_str(), kept.c_str()); }) != 0)
        throw EFileError(fileName, "Cannot write file", errno);
    struct TKept {
        const std::string& Path;
        bool Keep = false;
        ~TKept()
        {
            if (!Keep)
                ::unlink(Path.c_str());
        }
    } keptCopy { kept };

    TFd fd(Checked(TSaveCall::OpenInPlace, [&] { return ::open(target.c_str(), O_WRONLY | O_CLOEXEC); }));
    if (fd.Get() < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    const auto size = static_cast<off_t>(bytes.size());
    if (size > old.st_size) {
        int error = Injected(TSaveCall::Reserve);
        if (!error)
            error = ::posix_fallocate(fd.Get(), old.st_size, size - old.st_size);
        // A file system without reservations (EOPNOTSUPP) is written all the same.
        if (error == ENOSPC || error == EFBIG || error == EDQUOT || error == EIO)
            throw EFileError(fileName, "Cannot write file", error);
    }
    keptCopy.Keep = true;
    int error = WriteAll(fd.Get(), bytes);
    if (!error && Checked(TSaveCall::Truncate, [&] { return ::ftruncate(fd.Get(), size); }) != 0)
        error = errno;
    if (!error && Checked(TSaveCall::Sync, [&] { return ::fsync(fd.Get()); }) != 0)
        error = errno;
    if (const int closeError = fd.Close(); !error)
        error = closeError;
    if (error)
        throw EFileError(fileName,
            "Cannot write file " + Quoted(fileName) + ". " + SystemErrorText(error)
                + ". The new contents are kept in " + Quoted(kept) + ".");
    keptCopy.Keep = false;
}

bool ProcessRuns(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// The writer's process id in a temporary file's name after its prefix ("PID-XXXXXX"), or 0.
pid_t WriterOf(std::string_view rest)
{
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || rest.size() - dash - 1 != 6)
        return 0;
    pid_t pid = 0;
    for (const char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

// The file the name finally refers to; with refuse, a link the system's rule for shared folders
// forbids raises EFileError naming fileName, at whatever hop it lies.
std::string FollowLinks(const std::string& fileName, bool refuse)
{
    std::string name = fileName;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st { };
        if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return name;
        struct stat folder { };
        if (refuse && ::stat(FolderOf(name).c_str(), &folder) == 0
            && !LinkMayBeFollowed(st, folder, ::geteuid()))
            throw EFileError(fileName,
                "Cannot write file " + Quoted(fileName) + ". " + Quoted(name)
                    + " is a link another user made in a folder shared by everyone; it is not followed.");
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(name.c_str(), buffer, sizeof buffer);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer)
            return name;
        std::string next(buffer, static_cast<std::size_t>(length));
        name = next[0] == '/' ? next : FolderOf(name) + "/" + next;
    }
    return name;
}

// Refuses what the reader does not take: a folder, and anything but a regular file unless pipes
// are allowed (then a pipe, a socket or a terminal, never a device such as /dev/zero). fd is -1
// before the file is opened.
void CheckReadable(const std::string& fileName, const struct stat& st, TReadFrom from, int fd)
{
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot open file", EISDIR);
    // Only its descriptor tells a terminal from another device.
    const bool pipe
        = S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || (S_ISCHR(st.st_mode) && (fd < 0 || ::isatty(fd)));
    if (!S_ISREG(st.st_mode) && !(from == TReadFrom::FileOrPipe && pipe))
        throw EFileError(fileName, "Cannot open file " + Quoted(fileName) + ". It is not a regular file.");
}

// Reads up to limit bytes. The buffer takes the file's size at once and is never copied: the end
// of the file is found with a small read of its own. With checkHead, the first headSize bytes are
// checked before the rest is read.
std::string ReadFile(const std::string& fileName, std::size_t limit, TReadFrom from, std::size_t headSize,
    const std::function<void(std::string_view)>* checkHead)
{
    // A device is refused before it is opened (opening some does something); the descriptor's own
    // state decides below. Without a writer, opening a pipe would wait, so where pipes are refused
    // the file is opened without waiting; where they are read, waiting for the writer is the point.
    struct stat st { };
    if (::stat(fileName.c_str(), &st) == 0)
        CheckReadable(fileName, st, from, -1);
    TFd fd(
        ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | (from == TReadFrom::RegularFile ? O_NONBLOCK : 0)));
    if (fd.Get() < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    if (::fstat(fd.Get(), &st) != 0)
        throw EFileError(fileName, "Cannot read file", errno);
    CheckReadable(fileName, st, from, fd.Get());
    if (const int flags = ::fcntl(fd.Get(), F_GETFL);
        flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        throw EFileError(fileName, "Cannot read file", errno);

    std::size_t used = 0;
    const auto readInto = [&](char* at, std::size_t room) {
        for (;;) {
            const ssize_t got = ::read(fd.Get(), at, room);
            if (got >= 0)
                return static_cast<std::size_t>(got);
            if (errno != EINTR)
                throw EFileError(fileName, "Cannot read file", errno);
        }
    };
    std::string bytes;
    const auto fill = [&](std::size_t upTo) {
        while (used < upTo) {
            const std::size_t got = readInto(bytes.data() + used, upTo - used);
            if (got == 0)
                break;
            used += got;
        }
    };
    const std::size_t size = std::min(limit, static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0));
    if (checkHead) {
        // The head alone first: the buffer for the whole file only once the file is wanted.
        bytes.resize(std::min(headSize, size));
        fill(bytes.size());
        (*checkHead)(std::string_view(bytes.data(), used));
    }
    bytes.resize(size);
    fill(bytes.size());
    // A pipe, or a file that grows meanwhile, is read on in pieces.
    char piece[1 << 16];
    while (used == bytes.size() && used < limit) {
        const std::size_t got = readInto(piece, std::min(sizeof piece, limit - used));
        if (got == 0)
            break;
        bytes.append(piece, got);
        used += got;
    }
    bytes.resize(used);
    return bytes;
}

} // namespace

const char* SaveCallName(TSaveCall call)
{
    switch (call) {
    case TSaveCall::FolderOpen:
        return "folder open";
    case TSaveCall::Create:
        return "create";
    case TSaveCall::Write:
        return "write";
    case TSaveCall::Permissions:
        return "permissions";
    case TSaveCall::Sync:
        return "sync";
    case TSaveCall::Close:
        return "close";
    case TSaveCall::Rename:
        return "rename";
    case TSaveCall::FolderSync:
        return "folder sync";
    case TSaveCall::KeepCopy:
        return "keep copy";
    case TSaveCall::OpenInPlace:
        return "open in place";
    case TSaveCall::Reserve:
        return "reserve";
    case TSaveCall::Truncate:
        return "truncate";
    }
    return "?";
}

void SetSaveFaults(std::function<int(TSaveCall)> faults)
{
    Faults = std::move(faults);
}

bool LinkMayBeFollowed(const struct stat& link, const struct stat& folder, uid_t user)
{
    constexpr mode_t shared = S_ISVTX | S_IWOTH;
    return !S_ISLNK(link.st_mode) || (folder.st_mode & shared) != shared || link.st_uid == user
        || link.st_uid == folder.st_uid;
}

std::string ResolveLinks(const std::string& fileName)
{
    return FollowLinks(fileName, false);
}

bool IsSaveTemporaryName(std::string_view baseName)
{
    const auto mark = baseName.rfind(TemporaryMark);
    return !baseName.empty() && baseName[0] == '.' && mark != std::string_view::npos
        && WriterOf(baseName.substr(mark + TemporaryMark.size())) != 0;
}

int RemoveStaleSaveFiles(const std::string& fileName)
{
    const std::string target = ResolveLinks(fileName);
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, prefix.size()) != prefix)
            continue;
        const pid_t writer = WriterOf(name.substr(prefix.size()));
        if (writer == 0 || writer == ::getpid() || ProcessRuns(writer))
            continue;
        // Only a plain file of this user: never a link, a folder or someone else's file.
        const std::string path = folder + "/" + std::string(name);
        struct stat st { };
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

namespace {

void WriteFileSafely(const std::string& fileName, std::string_view bytes, bool privateFile)
{
    const std::string target = FollowLinks(fileName, true);
    struct stat old { };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        throw EFileError(fileName, "Cannot create file", EISDIR);
    if (exists && IsReadOnlyFile(target))
        throw EFileError(fileName, "Cannot replace file " + Quoted(fileName) + ". The file is read-only.");
    RemoveStaleSaveFiles(target);
    TFd folder(Checked(TSaveCall::FolderOpen,
        [&] { return ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    TTemporaryCopy copy(target, fileName);
    copy.Fill(fileName, bytes, exists ? &old : nullptr, privateFile);
    if (exists && S_ISREG(old.st_mode) && old.st_nlink > 1) {
        RewriteInPlace(target, fileName, bytes, old, copy);
        return;
    }
    if (Checked(TSaveCall::Rename, [&] { return ::rename(copy.Path().c_str(), target.c_str()); }) != 0)
        throw EFileError(fileName, "Cannot replace file", errno);
    copy.Keep(true); // it is the file now
    // Folders of some file systems cannot be synced (EINVAL); that is no failure of the save.
    if (folder.Get() >= 0 && Checked(TSaveCall::FolderSync, [&] { return ::fsync(folder.Get()); }) != 0
        && errno != EINVAL && errno != ENOTSUP)
        throw EFileError(fileName, "Cannot write file", errno);
}

} // namespace

void SafeWriteFile(const std::string& fileName, std::string_view bytes)
{
    WriteFileSafely(fileName, bytes, false);
}

void SafeWritePrivateFile(const std::string& fileName, std::string_view bytes)
{
    WriteFileSafely(fileName, bytes, true);
}

std::string ReadWholeFile(const std::string& fileName, TReadFrom from)
{
    return ReadFile(fileName, std::numeric_limits<std::size_t>::max(), from, 0, nullptr);
}

std::string ReadFileStart(const std::string& fileName, std::size_t limit, TReadFrom from)
{
    return ReadFile(fileName, limit, from, 0, nullptr);
}

std::string ReadWholeFileChecked(const std::string& fileName, std::size_t headSize,
    const std::function<void(std::string_view head)>& checkHead)
{
    return ReadFile(
        fileName, std::numeric_limits<std::size_t>::max(), TReadFrom::RegularFile, headSize, &checkHead);
}
