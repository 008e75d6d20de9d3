#include "core/RecoveryCopy.h"

#include "core/Errors.h"
#include "core/VocabFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view Magic = "\x12Velmoria recovery1";
constexpr std::size_t HeaderFixedSize = Magic.size() + 4 + 1 + 1 + 8 + 8 + 8 + 4;

void PutU64(std::string& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t GetU64(std::string_view bytes, std::size_t at, int size = 8)
{
    std::uint64_t v = 0;
    for (int i = 0; i < size; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]))
            << (8 * i);
    return v;
}

[[noreturn]] void Invalid()
{
    throw EVocabFileError("Invalid file format.");
}

// The header's size, the info filled in.
std::size_t ParseHeader(std::string_view image, TRecoveryInfo& info)
{
    if (image.size() < HeaderFixedSize || image.substr(0, Magic.size()) != Magic)
        Invalid();
    std::size_t at = Magic.size();
    const std::uint64_t nameLength = GetU64(image, at, 4);
    at += 4;
    if (nameLength > image.size() - HeaderFixedSize)
        Invalid();
    info.FileName.assign(image.substr(at, nameLength));
    at += nameLength;
    info.Disk.Exists = image[at++] != 0;
    info.Disk.Readable = image[at++] != 0;
    info.Disk.Size = GetU64(image, at);
    info.Disk.Hash = GetU64(image, at + 8);
    info.Disk.ModifiedNs = static_cast<std::int64_t>(GetU64(image, at + 16));
    info.CurrentIndex = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetU64(image, at + 24, 4)));
    return at + 28;
}

std::string UserName(uid_t uid)
{
    std::vector<char> buffer(16384);
    struct passwd entry { };
    struct passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return "user " + std::to_string(uid);
}

// A sentence ending in the system's reason for errno.
TSaying WithReason(const char* marked, std::vector<TSaying> args = {})
{
    args.push_back(SystemErrorSaying(errno));
    return { marked, std::move(args) };
}

// The folders that hold the recovery folder, up to top: whoever may change one of them may put
// a folder of their own in its place.
TSaying CheckParents(const std::string& folder, const std::string& top)
{
    if (top.empty() || folder.size() <= top.size() || folder.compare(0, top.size(), top) != 0
        || folder[top.size()] != '/')
        return {};
    for (std::string parent = folder;;) {
        parent.erase(parent.find_last_of('/'));
        if (parent.size() < top.size())
            return {};
        struct stat st { };
        if (::stat(parent.c_str(), &st) != 0)
            return WithReason(
                VM_TRANSLATE_NOOP("Velmoria::Model", "Its folder \"%1\" cannot be read. %2."), { parent });
        if (st.st_uid != ::geteuid() && st.st_uid != 0)
            return { VM_TRANSLATE_NOOP("Velmoria::Model", "Its folder \"%1\" belongs to another user (%2)."),
                { parent, UserName(st.st_uid) } };
        // A sticky folder such as /tmp lets nobody move another user's folder.
        if ((st.st_mode & S_IWOTH) != 0 && (st.st_mode & S_ISVTX) == 0)
            return { VM_TRANSLATE_NOOP("Velmoria::Model", "Anyone may change its folder \"%1\"."),
                { parent } };
    }
}

} // namespace

std::string BuildRecoveryImage(const TVocabFile& document, const TRecoveryInfo& info)
{
    std::string image;
    image.append(Magic);
    const auto nameLength = static_cast<std::uint32_t>(info.FileName.size());
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<char>((nameLength >> (8 * i)) & 0xFF));
    image.append(info.FileName);
    image.push_back(info.Disk.Exists ? 1 : 0);
    image.push_back(info.Disk.Readable ? 1 : 0);
    PutU64(image, info.Disk.Size);
    PutU64(image, info.Disk.Hash);
    PutU64(image, static_cast<std::uint64_t>(info.Disk.ModifiedNs));
    const auto current = static_cast<std::uint32_t>(info.CurrentIndex);
    for (int i = 0; i < 4; ++i)
        image.push_back(static_cast<char>((current >> (8 * i)) & 0xFF));
    document.AppendBytes(image);
    return image;
}

TRecoveryInfo ReadRecoveryInfo(std::string_view image)
{
    TRecoveryInfo info;
    ParseHeader(image, info);
    return info;
}

TRecoveryInfo LoadRecoveryImage(std::string_view image, TVocabFile& document)
{
    TRecoveryInfo info;
    std::size_t header = 0;
    try {
        header = ParseHeader(image, info);
    } catch (...) {
        document.Clear();
        throw;
    }
    document.LoadFromBytes(image.substr(header));
    document.MarkRecovered(info.FileName);
    if (info.CurrentIndex >= 0 && info.CurrentIndex < document.Count())
        document.SetCurrentIndex(info.CurrentIndex);
    else if (document.Count() > 0)
        document.SetCurrentIndex(0);
    return info;
}

std::size_t RecoveryHeaderSize(std::string_view image)
{
    TRecoveryInfo info;
    return ParseHeader(image, info);
}

bool RecoveryCopyMatches(std::string_view image, std::string_view fileBytes)
{
    TRecoveryInfo info;
    return image.substr(ParseHeader(image, info)) == fileBytes;
}

std::int64_t RecoveryDelayMs(
    std::int64_t now, std::int64_t firstChange, std::int64_t lastChange, std::int64_t lastCopy)
{
    std::int64_t due = std::min(lastChange + RecoveryQuietMs, firstChange + RecoveryLongestWaitMs);
    if (lastCopy >= 0)
        due = std::max(due, lastCopy + RecoveryIntervalMs);
    return std::max<std::int64_t>(0, due - now);
}

TSaying PrepareRecoveryFolder(const std::string& folder, const std::string& top)
{
    const char* const cannotMake = VM_TRANSLATE_NOOP("Velmoria::Model", "It cannot be made. %1.");
    struct stat st { };
    if (::lstat(folder.c_str(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            return WithReason(VM_TRANSLATE_NOOP("Velmoria::Model", "It cannot be read. %1."));
        // Folders made on the way are the usual ones, yet never writable by others whatever the
        // umask: one others may write would let them move the copies away (and is refused below).
        std::string made;
        for (const auto& part : std::filesystem::path(folder).parent_path()) {
            made = made.empty() || made == "/" ? made + part.string() : made + '/' + part.string();
            if (!made.empty() && made != "/" && ::mkdir(made.c_str(), 0755) != 0 && errno != EEXIST)
                return WithReason(cannotMake);
        }
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return WithReason(cannotMake);
        if (::lstat(folder.c_str(), &st) != 0)
            return WithReason(cannotMake);
    }
    if (S_ISLNK(st.st_mode) && ::stat(folder.c_str(), &st) != 0) {
        const int error = errno;
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(folder.c_str(), target.data(), target.size());
        target.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        if (error == ENOENT)
            return { VM_TRANSLATE_NOOP("Velmoria::Model", "It is a link to \"%1\", which does not exist."),
                { target } };
        errno = error;
        return WithReason(
            VM_TRANSLATE_NOOP("Velmoria::Model", "It is a link to \"%1\", which cannot be read. %2."),
            { target });
    }
    if (!S_ISDIR(st.st_mode))
        return S_ISREG(st.st_mode) ? VM_TRANSLATE_NOOP("Velmoria::Model", "It is a file, not a folder.")
                                   : VM_TRANSLATE_NOOP("Velmoria::Model", "It is not a folder.");
    if (st.st_uid != ::geteuid())
        return { VM_TRANSLATE_NOOP("Velmoria::Model", "It belongs to another user (%1)."),
            { UserName(st.st_uid) } };
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Other users may write to it.");
    if (TSaying parents = CheckParents(folder, top); !parents.Empty())
        return parents;
    // Folders of earlier versions were made as the umask said: others could list the copies.
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return WithReason(VM_TRANSLATE_NOOP("Velmoria::Model", "It cannot be made private. %1."));
    return {};
}

bool MayRecoverInto(const std::string& fileName)
{
    struct stat st { };
    if (::stat(fileName.c_str(), &st) != 0)
        return errno == ENOENT;
    return st.st_uid == ::geteuid() || ::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) == 0;
}
