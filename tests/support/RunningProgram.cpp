#include "support/RunningProgram.h"

#include "support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

TRunningProgram::TRunningProgram(const std::vector<std::string>& argv, TProgramConsole console)
{
    int in[2], out[2];
    if (console == TProgramConsole::Terminal) {
        // The program gets the terminal's side three times; the test writes and reads the master.
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (terminal < 0)
            throw std::runtime_error("cannot open the pseudo-terminal");
        in[0] = terminal;
        in[1] = master;
        out[0] = ::fcntl(master, F_DUPFD_CLOEXEC, 0);
        out[1] = ::fcntl(terminal, F_DUPFD_CLOEXEC, 0);
    } else if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const int error = ::posix_spawn(&Pid_, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    In_ = in[1];
    Out_ = out[0];
    if (error != 0) {
        Pid_ = -1;
        throw std::runtime_error("cannot start " + argv[0]);
    }
}

TRunningProgram::~TRunningProgram()
{
    if (Pid_ > 0) {
        ::kill(Pid_, SIGKILL);
        ::waitpid(Pid_, nullptr, 0);
    }
    CloseInput();
    if (Out_ >= 0)
        ::close(Out_);
}

void TRunningProgram::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(In_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw std::runtime_error("write to the program failed");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TRunningProgram::CloseInput()
{
    if (In_ >= 0)
        ::close(In_);
    In_ = -1;
}

bool TRunningProgram::ReadSome(std::chrono::milliseconds timeout)
{
    pollfd fd { Out_, POLLIN, 0 };
    if (::poll(&fd, 1, static_cast<int>(timeout.count())) <= 0)
        return true;
    char buffer[4096];
    const ssize_t got = ::read(Out_, buffer, sizeof buffer);
    if (got > 0)
        Output_.append(buffer, static_cast<std::size_t>(got));
    return got > 0 || (got < 0 && errno == EINTR);
}

bool TRunningProgram::WaitForOutput(
    std::string_view text, std::chrono::milliseconds timeout, std::size_t from)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (Output_.find(text, from) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !ReadSome(left))
            return Output_.find(text, from) != std::string::npos;
    }
    return true;
}

int TRunningProgram::Wait(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return -1; // the destructor kills it
        if (!ReadSome(left))
            break;
    }
    // The output ended; the program is ending or has handed its output on to a child.
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(Pid_, &status, WNOHANG);
        if (done == Pid_) {
            Pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return -1;
        ::usleep(10000);
    }
}

std::string OwnCommand()
{
    const std::string comm = ReadBytes("/proc/self/comm");
    return comm.substr(0, comm.find('\n'));
}
