#include "core/SafeSave.h"

#include "core/Errors.h"
#include "core/FileAttributes.h"
#include "core/SaveDetail.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

std::function<int(TSaveCall)> Faults;

// Contents go out in pieces of this size, so a write failing part-way is a case of its own.
constexpr std::size_t WritePiece = 1 << 20;

} // namespace

namespace SaveDetail {

int Injected(TSaveCall call)
{
    return Faults ? Faults(call) : 0;
}

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

std::string TemporaryPrefix(const std::string& target, std::string_view mark)
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

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

int WriteAll(int fd, std::string_view bytes, off_t offset)
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
                { VM_TRANSLATE_NOOP("Velmoria::Model",
                      "Cannot write file \"%1\". \"%2\" is a link another user made in a folder shared by "
                      "everyone; it is not followed."),
                    { fileName, name } });
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(name.c_str(), buffer, sizeof buffer);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer)
            return name;
        std::string next(buffer, static_cast<std::size_t>(length));
        name = next[0] == '/' ? next : FolderOf(name) + "/" + next;
    }
    return name;
}

} // namespace SaveDetail

using namespace SaveDetail;

namespace {

// Opening a pipe or a device to write may block or do something, and a rename would put a
// regular file in place of it: only regular files are replaced.
void RefuseSpecialFile(const std::string& fileName, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        throw EFileError(fileName, "Cannot create file", EISDIR);
    if (!S_ISREG(st.st_mode))
        throw EFileError(fileName,
            { VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot write file \"%1\". It is not a regular file."),
                { fileName } });
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
    if (!acl && ::fremovexattr(to, AccessAcl) != 0 && !NoAttribute(errno))
        return -1;
    return 0;
}
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
                { VM_TRANSLATE_NOOP("Velmoria::Model",
                      "Cannot create a temporary file in folder \"%1\" to save \"%2\". %3."),
                    { FolderOf(target), fileName, SystemErrorSaying(error) } });
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

    // A pipe that took the name since it was looked at must not block the open; it is refused below
    // as another file.
    TFd fd(Checked(
        TSaveCall::OpenInPlace, [&] { return ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); }));
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
            { VM_TRANSLATE_NOOP("Velmoria::Model",
                  "Cannot write file \"%1\". %2. The new contents are kept beside it and complete the "
                  "file the next time it is opened."),
                { fileName, SystemErrorSaying(error) } });
    // A journal left behind (it could not be removed) equals the file, and the next load drops it.
    Checked(TSaveCall::EndJournal, [&] { return ::unlink(journal.Path().c_str()); });
    // Journals of earlier rewrites that broke off are overtaken by this one.
    for (const TJournalFile& earlier : OwedJournals(FolderOf(target), old))
        ::unlink(earlier.Path.c_str());
}

void WriteFileSafely(
    const std::string& fileName, std::string_view bytes, bool privateFile, const TFileIdentity* expected)
{
    const std::string target = FollowLinks(fileName, true);
    struct stat old { };
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists)
        RefuseSpecialFile(fileName, old);
    if (exists && IsReadOnlyFile(target))
        throw EFileError(fileName,
            { VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot replace file \"%1\". The file is read-only."),
                { fileName } });
    RemoveStaleSaveFiles(target);
    TFd folder(Checked(TSaveCall::FolderOpen,
        [&] { return ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (exists && S_ISREG(old.st_mode) && old.st_nlink > 1) {
        RewriteInPlace(target, fileName, bytes, old, folder.Get(), expected);
        return;
    }
    TTemporaryCopy copy(target, fileName);
    copy.Fill(fileName, bytes, exists ? &old : nullptr, target, privateFile);
    // The last look before the old file goes: what another program put there a moment ago stays,
    // and so does a pipe or a device that took the name meanwhile.
    if (Unexpected(expected, IdentifyFile(target)))
        ThrowChanged(fileName);
    if (struct stat now {}; ::stat(target.c_str(), &now) == 0)
        RefuseSpecialFile(fileName, now);
    if (Checked(TSaveCall::Rename, [&] { return ::rename(copy.Path().c_str(), target.c_str()); }) != 0)
        throw EFileError(fileName, "Cannot replace file", errno);
    copy.Keep(true); // it is the file now
    SyncFolder(fileName, folder.Get());
}

} // namespace

bool NoAttribute(int error)
{
    return error == ENODATA || error == ENOTSUP;
}

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

TFileIdentity IdentifyFile(const std::string& fileName)
{
    struct stat st { };
    return ::stat(ResolveLinks(fileName).c_str(), &st) == 0 ? IdentityOf(st) : TFileIdentity {};
}

void SafeWriteFile(const std::string& fileName, std::string_view bytes, const TFileIdentity* expected)
{
    WriteFileSafely(fileName, bytes, false, expected);
}

void RefuseSpecialTarget(const std::string& fileName)
{
    if (struct stat st {}; ::stat(FollowLinks(fileName, true).c_str(), &st) == 0)
        RefuseSpecialFile(fileName, st);
}

void SafeWritePrivateFile(const std::string& fileName, std::string_view bytes)
{
    WriteFileSafely(fileName, bytes, true, nullptr);
}
