#include "cli/StopSignals.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace {

// The write end of the pipe through which a stop signal reaches the reading of the answers.
int StopPipeWrite = -1;

void OnStopSignal(int)
{
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(StopPipeWrite, &byte, 1);
    errno = saved;
}

} // namespace

TStopSignals::TStopSignals()
{
    if (::pipe2(Pipe_.data(), O_CLOEXEC | O_NONBLOCK) == 0)
        StopPipeWrite = Pipe_[1];
}

void TStopSignals::Install()
{
    if (Installed_ || Pipe_[0] < 0)
        return;
    Installed_ = true;
    struct sigaction action { };
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (std::size_t i = 0; i < Signals.size(); ++i) {
        ::sigaction(Signals[i], nullptr, &Old_[i]);
        // A signal ignored by whoever started us (a background job) stays ignored.
        if (Old_[i].sa_handler != SIG_IGN)
            ::sigaction(Signals[i], &action, nullptr);
    }
}

TStopSignals::~TStopSignals()
{
    if (Pipe_[0] < 0)
        return;
    for (std::size_t i = 0; Installed_ && i < Signals.size(); ++i)
        ::sigaction(Signals[i], &Old_[i], nullptr);
    StopPipeWrite = -1;
    ::close(Pipe_[0]);
    ::close(Pipe_[1]);
}

TStoppableInput::int_type TStoppableInput::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    Signals_.Install();
    std::array<pollfd, 2> fds = { { { Signals_.StopFd(), POLLIN, 0 }, { Fd_, POLLIN, 0 } } };
    for (;;) {
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return traits_type::eof();
        }
        // The stream turns an exception here into a failed read (badbit), even in mid-line.
        if (fds[0].revents != 0)
            throw std::runtime_error("stopped");
        if (fds[1].revents == 0)
            continue;
        const ssize_t got = ::read(Fd_, &Byte_, 1);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return traits_type::eof();
        setg(&Byte_, &Byte_, &Byte_ + 1);
        return traits_type::to_int_type(Byte_);
    }
}
