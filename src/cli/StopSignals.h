#pragma once
// Ctrl+C, a hang-up or a termination request ends a test in the terminal as ":stop" does, so the
// answers given are saved: the handler only writes to a pipe, which every wait also watches.

#include <array>
#include <csignal>
#include <streambuf>

// The handler, installed from the first question on; a second signal has its usual effect at once.
class TStopSignals {
public:
    TStopSignals();
    ~TStopSignals();
    TStopSignals(const TStopSignals&) = delete;
    TStopSignals& operator=(const TStopSignals&) = delete;
    // From the first question on: before it nothing is lost, and Ctrl+C must end a wait for the lock.
    void Install();
    // The end that becomes readable on a signal; -1 when no pipe could be made.
    int StopFd() const { return Pipe_[0]; }

private:
    static constexpr std::array<int, 3> Signals = { SIGINT, SIGHUP, SIGTERM };
    std::array<int, 2> Pipe_ = { -1, -1 };
    std::array<struct sigaction, 3> Old_ {};
    bool Installed_ = false;
};

// Standard input that a stop signal ends, whether a read waits or not: each read waits on the
// input and the signal's pipe together. Byte by byte, so that a signal stops before the next line
// however much input is waiting, and nothing beyond the last answer is taken from the input.
class TStoppableInput : public std::streambuf {
public:
    TStoppableInput(int fd, TStopSignals& signals)
        : Fd_(fd)
        , Signals_(signals)
    {
    }

protected:
    int_type underflow() override;

private:
    int Fd_;
    TStopSignals& Signals_;
    char Byte_ = 0;
};
