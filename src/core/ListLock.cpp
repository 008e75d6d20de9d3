#include "core/ListLock.h"

#include "core/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

// The files this process holds locks on.
std::mutex HeldMutex;
std::set<std::pair<dev_t, ino_t>> HeldFiles;

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string CommandOf(pid_t pid)
{
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

} // namespace

TListLock::TListLock(const std::string& fileName, std::chrono::milliseconds wait)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + wait;
    auto pause = std::chrono::milliseconds(2);
    for (;;) {
        // Non-blocking, so that a FIFO given as a list does not hang here.
        const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return;
        struct stat locked { };
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            return;
        }
        {
            const std::lock_guard guard(HeldMutex);
            if (HeldFiles.count({ locked.st_dev, locked.st_ino })) {
                ::close(fd);
                throw EFileError(fileName,
                    { VM_TRANSLATE_NOOP(
                          "Velmoria::Model", "\"%1\" is already being changed by this program."),
                        { fileName } });
            }
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (NameLeadsTo(fileName, locked)) {
                Fd_ = fd;
                Device_ = locked.st_dev;
                Inode_ = locked.st_ino;
                const std::lock_guard guard(HeldMutex);
                HeldFiles.insert({ Device_, Inode_ });
                return;
            }
            // Replaced while we waited: the lock belongs on the file the name leads to now.
            ::close(fd);
            continue;
        }
        const int error = errno;
        if (error != EWOULDBLOCK) {
            // A file system without flock: go on as before locks existed.
            ::close(fd);
            return;
        }
        if (Clock::now() >= deadline) {
            const TLockHolder holder = FindLockHolder(locked.st_dev, locked.st_ino);
            ::close(fd);
            throw EFileError(fileName, ListBusyMessage(fileName, holder, wait));
        }
        ::close(fd);
        std::this_thread::sleep_for(std::min(pause,
            std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - Clock::now() + std::chrono::milliseconds(1))));
        pause = std::min(pause * 2, std::chrono::milliseconds(25));
    }
}

bool NameLeadsTo(const std::string& fileName, const struct stat& file)
{
    struct stat named { };
    return ::stat(fileName.c_str(), &named) == 0 && SameFile(named, file);
}

TListLock::~TListLock()
{
    Release();
}

TListLock::TListLock(TListLock&& other) noexcept
    : Fd_(std::exchange(other.Fd_, -1))
    , Device_(other.Device_)
    , Inode_(other.Inode_)
{
}

TListLock& TListLock::operator=(TListLock&& other) noexcept
{
    if (this != &other) {
        Release();
        Fd_ = std::exchange(other.Fd_, -1);
        Device_ = other.Device_;
        Inode_ = other.Inode_;
    }
    return *this;
}

void TListLock::Release()
{
    if (Fd_ < 0)
        return;
    {
        const std::lock_guard guard(HeldMutex);
        HeldFiles.erase({ Device_, Inode_ });
    }
    // Closing the only descriptor of the open file releases its flock.
    ::close(Fd_);
    Fd_ = -1;
}

TLockHolder FindLockHolder(dev_t device, ino_t inode)
{
    // Lines such as "3: FLOCK  ADVISORY  WRITE 1234 fd:01:5678 0 EOF"; waiters carry "->" after the
    // number. The device is the file system's own, which a stat may not show (btrfs subvolumes,
    // overlays), so the inode alone is the fallback.
    std::ifstream locks("/proc/locks");
    TLockHolder byInode;
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, type, kind, mode, where;
        long pid = 0;
        if (!(fields >> number >> type) || type != "FLOCK" || !(fields >> kind >> mode >> pid >> where))
            continue;
        unsigned major = 0, minor = 0;
        unsigned long long node = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &major, &minor, &node) != 3 || node != inode || pid <= 0)
            continue;
        const TLockHolder holder { static_cast<pid_t>(pid), CommandOf(static_cast<pid_t>(pid)) };
        if (major == ::major(device) && minor == ::minor(device))
            return holder;
        if (byInode.Pid == 0)
            byInode = holder;
    }
    return byInode;
}

TSaying ListBusyMessage(
    const std::string& fileName, const TLockHolder& holder, std::chrono::milliseconds waited)
{
    const std::string pid = std::to_string(holder.Pid);
    TSaying who = holder.Pid <= 0 ? TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Another process"))
        : holder.Command.empty()
        ? TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Another process (pid %1)"), { pid })
        : TSaying(
            VM_TRANSLATE_NOOP("Velmoria::Model", "Another process (pid %1, %2)"), { pid, holder.Command });
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
    if (seconds <= 0)
        return { VM_TRANSLATE_NOOP("Velmoria::Model", "%1 is changing \"%2\"; the list was left as it is."),
            { std::move(who), fileName } };
    //: %1 who, %2 the list's file
    return TSaying::Counted(
        VM_TRANSLATE_N_NOOP(
            "Velmoria::Model", "%1 is changing \"%2\"; the list was left as it is after waiting %n seconds."),
        "%1 is changing \"%2\"; the list was left as it is after waiting %n second.", seconds,
        { std::move(who), fileName });
}
