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
#include <mutex>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>
#include <zlib.h>

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
constexpr std::string_view JournalMark = ".velmoria-journal-";
// What the rewrite in place of earlier versions kept beside the file ("NAME.velmoria-copy-XXXXXX").
constexpr std::string_view LegacyCopyMark = ".velmoria-copy-";
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

// ".NAME.velmoria-save-" (or the journal's mark); a long NAME is cut so that the whole name stays
// within NAME_MAX.
std::string TemporaryPrefix(const std::string& target, std::string_view mark = TemporaryMark)
{
    const std::size_t room = NAME_MAX - 1 - mark.size() - 10 - 7;
    return "." + BaseOf(target).substr(0, room) + std::string(mark);
}

std::int64_t Nanoseconds(const struct timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

TFileIdentity IdentityOf(const struct stat& st)
{
    return { true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
        static_cast<std::uint64_t>(st.st_size), Nanoseconds(st.st_mtim) };
}

// A file that is there and is not the expected one; a file gone meanwhile replaces nothing.
bool Unexpected(const TFileIdentity* expected, const TFileIdentity& now)
{
    return expected && now.Exists && now != *expected;
}

[[noreturn]] void ThrowChanged(const std::string& fileName)
{
    throw EFileChanged(fileName, "\"" + fileName + "\" has been changed by another program.");
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The error number, or 0 when every byte was written.
int WriteAll(int fd, std::string_view bytes, off_t offset = 0)
{
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

constexpr char AccessAcl[] = "system.posix_acl_access";

// The size of an extended attribute read into value, or -1 with errno set.
ssize_t ReadAttribute(const std::string& path, const char* name, std::vector<char>& value)
{
    for (;;) {
        const ssize_t size = ::getxattr(path.c_str(), name, nullptr, 0);
        if (size <= 0)
            return size;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::getxattr(path.c_str(), name, value.data(), value.size());
        if (got >= 0 || errno != ERANGE)
            return got;
        // It grew meanwhile: asked again.
    }
}

// The old file's access ACL and user extended attributes on the new file, as cp --preserve does;
// 0, or -1 with errno set. A file system without extended attributes has nothing to copy.
int CopyAttributes(const std::string& from, int to)
{
    std::vector<char> names;
    for (;;) {
        const ssize_t size = ::listxattr(from.c_str(), nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? 0 : -1;
        names.resize(static_cast<std::size_t>(size));
        const ssize_t got = size == 0 ? 0 : ::listxattr(from.c_str(), names.data(), names.size());
        if (got >= 0) {
            names.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE)
            return -1;
    }
    bool acl = false;
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        const std::string_view view(name);
        if (view != AccessAcl && !view.starts_with("user."))
            continue;
        const ssize_t size = ReadAttribute(from, name, value);
        if (size < 0 && errno == ENODATA)
            continue; // removed meanwhile
        if (size < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(size), 0) != 0)
            return -1;
        acl = acl || view == AccessAcl;
    }
    // The new file took its folder's default ACL, which the old file did not have.
    if (!acl && ::fremovexattr(to, AccessAcl) != 0 && errno != ENODATA && errno != ENOTSUP)
        return -1;
    return 0;
}

// The journal of a rewrite in place: this header, then the complete new contents. It names its
// writer and the file (device and inode, so any of the file's names finds it), and its checksums
// tell a journal cut short from a complete one.
constexpr char JournalMagic[16]
    = { 'V', 'e', 'l', 'm', 'o', 'r', 'i', 'a', ' ', 'j', 'o', 'u', 'r', 'n', 'a', 'l' };
constexpr std::uint32_t JournalVersion = 1;
constexpr std::size_t JournalHeaderSize = 64;

struct TJournalHeader {
    std::uint32_t Writer = 0;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Length = 0;
    std::uint32_t Checksum = 0; // of the contents
};

std::uint32_t Crc(std::string_view bytes)
{
    return static_cast<std::uint32_t>(
        ::crc32_z(::crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

void PutLittle(char* at, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetLittle(const char* at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(at[i]);
    return value;
}

std::string JournalHeaderBytes(const TJournalHeader& header)
{
    std::string bytes(JournalHeaderSize, '\0');
    std::memcpy(bytes.data(), JournalMagic, sizeof JournalMagic);
    PutLittle(&bytes[16], JournalVersion, 4);
    PutLittle(&bytes[20], header.Writer, 4);
    PutLittle(&bytes[24], header.Device, 8);
    PutLittle(&bytes[32], header.Inode, 8);
    PutLittle(&bytes[40], header.Length, 8);
    PutLittle(&bytes[48], header.Checksum, 4);
    PutLittle(&bytes[60], Crc(std::string_view(bytes).substr(0, 60)), 4);
    return bytes;
}

std::optional<TJournalHeader> ParseJournalHeader(std::string_view bytes)
{
    if (bytes.size() < JournalHeaderSize || std::memcmp(bytes.data(), JournalMagic, sizeof JournalMagic) != 0
        || GetLittle(&bytes[16], 4) != JournalVersion || GetLittle(&bytes[60], 4) != Crc(bytes.substr(0, 60)))
        return std::nullopt;
    return TJournalHeader { static_cast<std::uint32_t>(GetLittle(&bytes[20], 4)), GetLittle(&bytes[24], 8),
        GetLittle(&bytes[32], 8), GetLittle(&bytes[40], 8),
        static_cast<std::uint32_t>(GetLittle(&bytes[48], 4)) };
}

// Journals this process is writing, or rewriting its file from: their writer runs on, though it is
// this process.
std::mutex InFlightLock;
std::set<std::string> InFlight;

class TInFlight {
public:
    explicit TInFlight(std::string path)
        : Path_(std::move(path))
    {
        const std::lock_guard lock(InFlightLock);
        InFlight.insert(Path_);
    }
    ~TInFlight()
    {
        const std::lock_guard lock(InFlightLock);
        InFlight.erase(Path_);
    }
    TInFlight(const TInFlight&) = delete;
    TInFlight& operator=(const TInFlight&) = delete;

private:
    std::string Path_;
};

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
    TTemporaryCopy(
        const std::string& target, const std::string& fileName, std::string_view mark = TemporaryMark)
        : Path_(
            FolderOf(target) + "/" + TemporaryPrefix(target, mark) + std::to_string(::getpid()) + "-XXXXXX")
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

    // old is the target's state and oldPath its name when it exists.
    void Fill(const std::string& fileName, std::string_view bytes, const struct stat* old,
        const std::string& oldPath, bool privateFile)
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
        // A private file takes no ACL that would open it to others.
        if (old && !privateFile
            && Checked(TSaveCall::Attributes, [&] { return CopyAttributes(oldPath, Fd_.Get()); }) != 0)
            throw EFileError(fileName, "Cannot write file", errno);
        if (Checked(TSaveCall::Sync, [&] { return ::fsync(Fd_.Get()); }) != 0)
            throw EFileError(fileName, "Cannot write file", errno);
        if (const int error = Fd_.Close())
            throw EFileError(fileName, "Cannot write file", error);
    }

    // A journal keeps the permissions mkostemp gave it: its owner's only.
    void FillJournal(const std::string& fileName, const std::string& header, std::string_view bytes)
    {
        int error = WriteAll(Fd_.Get(), header);
        if (!error)
            error = WriteAll(Fd_.Get(), bytes, static_cast<off_t>(header.size()));
        if (error)
            throw EFileError(fileName, "Cannot write file", error);
        if (Checked(TSaveCall::Sync, [&] { return ::fsync(Fd_.Get()); }) != 0)
            throw EFileError(fileName, "Cannot write file", errno);
        if (const int closeError = Fd_.Close())
            throw EFileError(fileName, "Cannot write file", closeError);
    }

    const std::string& Path() const { return Path_; }
    void Keep(bool keep) { Kept_ = keep; }

private:
    std::string Path_;
    TFd Fd_;
    bool Kept_ = false;
};

// Once the new file or journal is in place; folders of some file systems cannot be synced
// (EINVAL), which is no failure of the save.
void SyncFolder(const std::string& fileName, int folder)
{
    if (folder >= 0 && Checked(TSaveCall::FolderSync, [&] { return ::fsync(folder); }) != 0 && errno != EINVAL
        && errno != ENOTSUP)
        throw EFileError(fileName, "Cannot write file", errno);
}

struct TJournalFile {
    std::string Path;
    TJournalHeader Header;
    std::int64_t ModifiedNs = 0;
};
std::vector<TJournalFile> OwedJournals(
    const std::string& folder, const struct stat& file, std::vector<std::string>* unnamed = nullptr);

// Hard links share one inode: a rename would cut this name off from the others, so the file is
// rewritten where it is. The journal is complete and durable before the first byte of the file is
// overwritten, so a rewrite that breaks off (a kill, a crash, a failing write) is completed by the
// next load; room is reserved first, which keeps a full disk from breaking it off at all.
void RewriteInPlace(const std::string& target, const std::string& fileName, std::string_view bytes,
    const struct stat& old, int folder, const TFileIdentity* expected)
{
    TTemporaryCopy journal(target, fileName, JournalMark);
    const TInFlight inFlight(journal.Path());
    journal.FillJournal(fileName,
        JournalHeaderBytes({ static_cast<std::uint32_t>(::getpid()), static_cast<std::uint64_t>(old.st_dev),
            static_cast<std::uint64_t>(old.st_ino), bytes.size(), Crc(bytes) }),
        bytes);
    SyncFolder(fileName, folder);

    TFd fd(Checked(TSaveCall::OpenInPlace, [&] { return ::open(target.c_str(), O_WRONLY | O_CLOEXEC); }));
    if (fd.Get() < 0)
        throw EFileError(fileName, "Cannot open file", errno);
    struct stat now { };
    if (::fstat(fd.Get(), &now) != 0)
        throw EFileError(fileName, "Cannot open file", errno);
    // The journal names the file as it was looked at; another file there now is not its file.
    if (Unexpected(expected, IdentityOf(now)) || now.st_dev != old.st_dev || now.st_ino != old.st_ino)
        ThrowChanged(fileName);
    const auto size = static_cast<off_t>(bytes.size());
    if (size > now.st_size) {
        int error = Injected(TSaveCall::Reserve);
        if (!error)
            error = ::posix_fallocate(fd.Get(), now.st_size, size - now.st_size);
        // A file system without reservations (EOPNOTSUPP) is written all the same.
        if (error == ENOSPC || error == EFBIG || error == EDQUOT || error == EIO)
            throw EFileError(fileName, "Cannot write file", error);
    }
    journal.Keep(true);
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
                + ". The new contents are kept beside it and complete the file the next time it is opened.");
    // A journal left behind (it could not be removed) equals the file, and the next load drops it.
    Checked(TSaveCall::EndJournal, [&] { return ::unlink(journal.Path().c_str()); });
    // Journals of earlier rewrites that broke off are overtaken by this one.
    for (const TJournalFile& earlier : OwedJournals(FolderOf(target), old))
        ::unlink(earlier.Path.c_str());
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

// Whether the writer of a journal has ended; this process counts as ended for a journal it no
// longer works on (a rewrite that failed).
bool WriterEnded(pid_t writer, const std::string& path)
{
    if (writer != ::getpid())
        return !ProcessRuns(writer);
    const std::lock_guard lock(InFlightLock);
    return !InFlight.contains(path);
}

// The header of a journal, read without following a link; only a plain file of this user counts
// (ours tells whether it was one).
std::optional<TJournalHeader> ReadJournalHeader(
    const std::string& path, struct stat* st = nullptr, bool* ours = nullptr)
{
    TFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat own { };
    if (fd.Get() < 0 || ::fstat(fd.Get(), &own) != 0 || !S_ISREG(own.st_mode) || own.st_uid != ::geteuid())
        return std::nullopt;
    if (st)
        *st = own;
    if (ours)
        *ours = true;
    char bytes[JournalHeaderSize];
    std::size_t used = 0;
    while (used < sizeof bytes) {
        const ssize_t got = ::read(fd.Get(), bytes + used, sizeof bytes - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        used += static_cast<std::size_t>(got);
    }
    return ParseJournalHeader(std::string_view(bytes, sizeof bytes));
}

bool NamesFile(const TJournalHeader& header, const struct stat& file)
{
    return header.Device == static_cast<std::uint64_t>(file.st_dev)
        && header.Inode == static_cast<std::uint64_t>(file.st_ino);
}

// The writer of a journal or temporary file of any list from its name, or 0.
pid_t WriterOfName(std::string_view name, std::string_view mark)
{
    const auto at = name.rfind(mark);
    if (name.empty() || name[0] != '.' || at == std::string_view::npos)
        return 0;
    return WriterOf(name.substr(at + mark.size()));
}

// The journals in the folder of writers that have ended which name the file, newest first. Those
// killed before their header was whole name no file, but neither did their save touch one: they
// go to unnamed.
std::vector<TJournalFile> OwedJournals(
    const std::string& folder, const struct stat& file, std::vector<std::string>* unnamed)
{
    std::vector<TJournalFile> journals;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return journals;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const pid_t writer = WriterOfName(name, JournalMark);
        if (writer == 0)
            continue;
        const std::string path = folder + "/" + name;
        struct stat st { };
        if (!WriterEnded(writer, path))
            continue;
        bool ours = false;
        const auto header = ReadJournalHeader(path, &st, &ours);
        if (header && NamesFile(*header, file))
            journals.push_back({ path, *header, Nanoseconds(st.st_mtim) });
        else if (!header && ours && unnamed)
            unnamed->push_back(path);
    }
    ::closedir(dir);
    std::stable_sort(journals.begin(), journals.end(),
        [](const TJournalFile& a, const TJournalFile& b) { return a.ModifiedNs > b.ModifiedNs; });
    return journals;
}

// The new contents a journal holds, when it is complete.
std::optional<std::string> JournalContents(const TJournalFile& journal)
{
    // Read through the name only as the plain file of this user it was found to be.
    TFd fd(::open(journal.Path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st { };
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()
        || static_cast<std::uint64_t>(st.st_size) != JournalHeaderSize + journal.Header.Length)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    for (std::size_t used = 0; used < bytes.size();) {
        const ssize_t got = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        used += static_cast<std::size_t>(got);
    }
    const auto header = ParseJournalHeader(bytes); // it might have changed since it was first read
    if (!header || header->Device != journal.Header.Device || header->Inode != journal.Header.Inode
        || header->Length != journal.Header.Length || header->Checksum != journal.Header.Checksum
        || Crc(std::string_view(bytes).substr(JournalHeaderSize)) != header->Checksum)
        return std::nullopt;
    bytes.erase(0, JournalHeaderSize);
    return bytes;
}

// Writes a journal's contents over the file it names; raises when that fails.
void CompleteFrom(
    const std::string& target, const std::string& fileName, std::string_view bytes, const struct stat& file)
{
    const auto fail
        = [&](int error) { throw EFileError(fileName, "Cannot complete the last save of", error); };
    TFd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    struct stat now { };
    if (fd.Get() < 0 || ::fstat(fd.Get(), &now) != 0)
        fail(errno);
    if (now.st_dev != file.st_dev || now.st_ino != file.st_ino)
        fail(ESTALE); // replaced meanwhile: the journal is not for this file
    if (const int error = WriteAll(fd.Get(), bytes))
        fail(error);
    if (::ftruncate(fd.Get(), static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd.Get()) != 0)
        fail(errno);
    if (const int error = fd.Close())
        fail(error);
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
    case TSaveCall::Attributes:
        return "attributes";
    case TSaveCall::Sync:
        return "sync";
    case TSaveCall::Close:
        return "close";
    case TSaveCall::Rename:
        return "rename";
    case TSaveCall::FolderSync:
        return "folder sync";
    case TSaveCall::OpenInPlace:
        return "open in place";
    case TSaveCall::Reserve:
        return "reserve";
    case TSaveCall::Truncate:
        return "truncate";
    case TSaveCall::EndJournal:
        return "end journal";
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
    return WriterOfName(baseName, TemporaryMark) != 0;
}

namespace {

// Only a plain file of this user: never a link, a folder or someone else's file.
bool RemoveOwnFile(const std::string& path)
{
    struct stat st { };
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
        && ::unlink(path.c_str()) == 0;
}

bool SameContents(const std::string& a, const std::string& b)
{
    try {
        return ReadWholeFile(a) == ReadWholeFile(b);
    } catch (const EFileError&) {
        return false;
    }
}

} // namespace

TInterruptedSave FinishInterruptedSave(const std::string& fileName)
{
    const std::string target = ResolveLinks(fileName);
    struct stat file { };
    if (::stat(target.c_str(), &file) != 0 || !S_ISREG(file.st_mode))
        return TInterruptedSave::None;
    std::vector<std::string> unnamed;
    const std::vector<TJournalFile> journals = OwedJournals(FolderOf(target), file, &unnamed);
    for (const std::string& path : unnamed)
        RemoveOwnFile(path);
    if (journals.empty())
        return TInterruptedSave::None;
    // The newest complete journal is of the rewrite that touched the file last; one cut short was
    // killed before its rewrite began.
    std::optional<std::string> contents;
    for (const TJournalFile& journal : journals) {
        if ((contents = JournalContents(journal)))
            break;
    }
    TInterruptedSave result = TInterruptedSave::None;
    if (contents) {
        if (ReadWholeFile(target) == *contents) {
            result = TInterruptedSave::AlreadyComplete;
        } else {
            CompleteFrom(target, fileName, *contents, file);
            result = TInterruptedSave::Completed;
        }
    }
    for (const TJournalFile& journal : journals)
        RemoveOwnFile(journal.Path);
    return result;
}

int RemoveStaleSaveFiles(const std::string& fileName)
{
    const std::string target = ResolveLinks(fileName);
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    const std::string journalPrefix = TemporaryPrefix(target, JournalMark);
    const std::string legacyPrefix = BaseOf(target) + std::string(LegacyCopyMark);
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    struct stat file { };
    const bool exists = ::stat(target.c_str(), &file) == 0;
    // The temporary file of a running save, by the random part its kept copy shared with it.
    const auto savingWith = [&](std::string_view random) {
        return std::any_of(names.begin(), names.end(), [&](const std::string& name) {
            const std::string_view view = name;
            if (!view.starts_with(prefix) || !view.ends_with(random))
                return false;
            const pid_t writer = WriterOf(view.substr(prefix.size()));
            return writer != 0 && (writer == ::getpid() || ProcessRuns(writer));
        });
    };
    int removed = 0;
    for (const std::string& name : names) {
        const std::string_view view = name;
        const std::string path = folder + "/" + name;
        bool stale = false;
        if (view.starts_with(prefix)) {
            const pid_t writer = WriterOf(view.substr(prefix.size()));
            stale = writer != 0 && writer != ::getpid() && !ProcessRuns(writer);
        } else if (view.starts_with(journalPrefix)) {
            // A journal still owed to the file waits for its next load.
            const pid_t writer = WriterOf(view.substr(journalPrefix.size()));
            if (writer != 0 && WriterEnded(writer, path)) {
                const auto header = ReadJournalHeader(path);
                stale = !exists || !header || !NamesFile(*header, file);
            }
        } else if (view.starts_with(legacyPrefix) && view.size() == legacyPrefix.size() + 6) {
            // Only once it is no more than what the file holds anyway.
            const std::string random = "-" + name.substr(legacyPrefix.size());
            stale = !savingWith(random) && exists && SameContents(path, target);
        }
        if (stale && RemoveOwnFile(path))
            ++removed;
    }
    return removed;
}

TFileIdentity IdentifyFile(const std::string& fileName)
{
    struct stat st { };
    return ::stat(ResolveLinks(fileName).c_str(), &st) == 0 ? IdentityOf(st) : TFileIdentity {};
}

namespace {

void WriteFileSafely(
    const std::string& fileName, std::string_view bytes, bool privateFile, const TFileIdentity* expected)
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
    if (exists && S_ISREG(old.st_mode) && old.st_nlink > 1) {
        RewriteInPlace(target, fileName, bytes, old, folder.Get(), expected);
        return;
    }
    TTemporaryCopy copy(target, fileName);
    copy.Fill(fileName, bytes, exists ? &old : nullptr, target, privateFile);
    // The last look before the old file goes: what another program put there a moment ago stays.
    if (Unexpected(expected, IdentifyFile(target)))
        ThrowChanged(fileName);
    if (Checked(TSaveCall::Rename, [&] { return ::rename(copy.Path().c_str(), target.c_str()); }) != 0)
        throw EFileError(fileName, "Cannot replace file", errno);
    copy.Keep(true); // it is the file now
    SyncFolder(fileName, folder.Get());
}

} // namespace

void SafeWriteFile(const std::string& fileName, std::string_view bytes, const TFileIdentity* expected)
{
    WriteFileSafely(fileName, bytes, false, expected);
}

void SafeWritePrivateFile(const std::string& fileName, std::string_view bytes)
{
    WriteFileSafely(fileName, bytes, true, nullptr);
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
