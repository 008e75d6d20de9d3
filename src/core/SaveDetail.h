#pragma once
// What the writing, the journal and the reading of SafeSave share; for those three files only.

#include "core/SafeSave.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace SaveDetail {

// The injected error of the call, or 0 to make it for real.
int Injected(TSaveCall call);

// Runs the system call unless the seam fails it; a failure returns -1 with errno set.
template <class F> auto Checked(TSaveCall call, F systemCall) -> decltype(systemCall())
{
    if (const int error = Injected(call)) {
        errno = error;
        return -1;
    }
    return systemCall();
}

inline constexpr std::string_view TemporaryMark = ".velmoria-save-";
inline constexpr std::string_view JournalMark = ".velmoria-journal-";
// What the rewrite in place of earlier versions kept beside the file ("NAME.velmoria-copy-XXXXXX").
inline constexpr std::string_view LegacyCopyMark = ".velmoria-copy-";

std::string FolderOf(const std::string& fileName);
std::string BaseOf(const std::string& fileName);
// ".NAME.velmoria-save-" (or the journal's mark); a long NAME is cut so that the whole name stays
// within NAME_MAX.
std::string TemporaryPrefix(const std::string& target, std::string_view mark = TemporaryMark);
std::int64_t Nanoseconds(const struct timespec& time);
TFileIdentity IdentityOf(const struct stat& st);
std::string Quoted(const std::string& text);
// The error number, or 0 when every byte was written.
int WriteAll(int fd, std::string_view bytes, off_t offset = 0);
// The file the name finally refers to; with refuse, a link the system's rule for shared folders
// forbids raises EFileError naming fileName, at whatever hop it lies.
std::string FollowLinks(const std::string& fileName, bool refuse);

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

// The journal of a rewrite in place: a header, then the complete new contents. The header names
// its writer and the file (device and inode, so any of the file's names finds it), and its
// checksums tell a journal cut short from a complete one.
inline constexpr std::size_t JournalHeaderSize = 64;

struct TJournalHeader {
    std::uint32_t Writer = 0;
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Length = 0;
    std::uint32_t Checksum = 0; // of the contents
};

std::uint32_t Crc(std::string_view bytes);
std::string JournalHeaderBytes(const TJournalHeader& header);

// Marks a journal this process is writing, or rewriting its file from, for as long as it lives:
// the journal's writer runs on, though it is this process.
class TInFlight {
public:
    explicit TInFlight(std::string path);
    ~TInFlight();
    TInFlight(const TInFlight&) = delete;
    TInFlight& operator=(const TInFlight&) = delete;

private:
    std::string Path_;
};

// A journal of a writer that has ended which names the file.
struct TJournalFile {
    std::string Path;
    TJournalHeader Header;
    std::int64_t ModifiedNs = 0;
};
// The journals in the folder of writers that have ended which name the file, newest first. Those
// killed before their header was whole name no file, but neither did their save touch one: they
// go to unnamed.
std::vector<TJournalFile> OwedJournals(
    const std::string& folder, const struct stat& file, std::vector<std::string>* unnamed = nullptr);

} // namespace SaveDetail
