#include "review/HistoryWaiting.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

TWaitingWriters::TWaitingWriters(std::string historyPath)
    : Path_(std::move(historyPath) + "-waiting")
{
}

bool TWaitingWriters::Open()
{
    if (!File_ || File_->Get() < 0)
        File_.emplace(::open(Path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    return File_->Get() >= 0;
}

void TWaitingWriters::Waiting()
{
    if (!Said_ && Open())
        Said_ = ::flock(File_->Get(), LOCK_SH | LOCK_NB) == 0;
}

void TWaitingWriters::Done()
{
    if (Said_)
        ::flock(File_->Get(), LOCK_UN);
    Said_ = false;
}

bool TWaitingWriters::Others()
{
    if (!Open())
        return false;
    // Taken alone only when nobody else holds it; a lock of this connection's own is converted.
    const bool taken = ::flock(File_->Get(), LOCK_EX | LOCK_NB) == 0;
    Said_ = false;
    if (!taken)
        return errno == EWOULDBLOCK;
    ::flock(File_->Get(), LOCK_UN);
    return false;
}
