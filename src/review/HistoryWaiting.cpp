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

TWaitingWriters::~TWaitingWriters()
{
    if (Fd_ >= 0)
        ::close(Fd_);
}

bool TWaitingWriters::Open()
{
    if (Fd_ < 0)
        Fd_ = ::open(Path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    return Fd_ >= 0;
}

void TWaitingWriters::Waiting()
{
    if (!Said_ && Open())
        Said_ = ::flock(Fd_, LOCK_SH | LOCK_NB) == 0;
}

void TWaitingWriters::Done()
{
    if (Said_)
        ::flock(Fd_, LOCK_UN);
    Said_ = false;
}

bool TWaitingWriters::Others()
{
    if (!Open())
        return false;
    // Taken alone only when nobody else holds it; a lock of this connection's own is converted.
    int rc = 0;
    while ((rc = ::flock(Fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) { }
    Said_ = false;
    if (rc != 0)
        return errno == EWOULDBLOCK;
    ::flock(Fd_, LOCK_UN);
    return false;
}
