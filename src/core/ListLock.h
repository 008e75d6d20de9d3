#pragma once
// An advisory lock on a list's file for a whole load-change-save, so that two programs changing
// one list in turn each build on the other's change instead of overwriting it.
//
// The lock is flock on the list itself: it ends with its process and leaves nothing behind. A
// save replaces the file by a rename, so a lock on a file the name no longer leads to protects
// nothing: the lock counts only once the name is seen to lead to the locked file, and is taken on
// the new file otherwise. flock belongs to the open file description, so one process taking a
// list twice would wait for itself; a second lock of a list this process holds fails at once.

#include "evaluation/Translatable.h"

#include <chrono>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

struct TLockHolder {
    pid_t Pid = 0; // 0 when not known
    std::string Command; // from /proc/PID/comm; empty when not readable
};

class TListLock {
public:
    static constexpr std::chrono::seconds DefaultWait { 10 };

    TListLock() = default;
    // Takes the lock, waiting up to wait while another process holds it; then raises EFileError
    // naming the file and that process. A file that cannot be opened, or is no regular file, is
    // not locked (Held() is false): reading it reports the error.
    explicit TListLock(const std::string& fileName, std::chrono::milliseconds wait = DefaultWait);
    ~TListLock();
    TListLock(TListLock&& other) noexcept;
    TListLock& operator=(TListLock&& other) noexcept;
    TListLock(const TListLock&) = delete;
    TListLock& operator=(const TListLock&) = delete;

    bool Held() const { return Fd_ >= 0; }
    void Release();

private:
    int Fd_ = -1;
    dev_t Device_ = 0;
    ino_t Inode_ = 0;
};

// Whether the name leads to the file (as fstat gave it) now: a lock taken on a file a save has
// renamed another over protects nothing.
bool NameLeadsTo(const std::string& fileName, const struct stat& file);
// The process holding a flock on the file (from /proc/locks); Pid is 0 when none is found.
TLockHolder FindLockHolder(dev_t device, ino_t inode);
// The message when the wait for another holder ended.
TSaying ListBusyMessage(
    const std::string& fileName, const TLockHolder& holder, std::chrono::milliseconds waited);
