#pragma once
// A program started with pipes on its standard input and output (standard error joins the
// output), or with all three on a pseudo-terminal, for tests that talk to a real binary. Killed and
// reaped when still running at the end.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

enum class TProgramConsole : std::uint8_t { Pipes, Terminal };

class TRunningProgram {
public:
    explicit TRunningProgram(
        const std::vector<std::string>& argv, TProgramConsole console = TProgramConsole::Pipes);
    ~TRunningProgram();
    TRunningProgram(const TRunningProgram&) = delete;
    TRunningProgram& operator=(const TRunningProgram&) = delete;

    pid_t Pid() const { return Pid_; }
    void Write(std::string_view bytes);
    void CloseInput();
    // Reads output until it holds text from offset from on (true) or the time is over (false).
    bool WaitForOutput(std::string_view text, std::chrono::milliseconds timeout, std::size_t from = 0);
    // Reads output until the program ends; its exit status, or -1 (then it is killed) when it
    // does not end in time or ends by a signal.
    int Wait(std::chrono::milliseconds timeout);
    const std::string& Output() const { return Output_; }

private:
    // Reads what is there within the time; false at the end of the output.
    bool ReadSome(std::chrono::milliseconds timeout);

    pid_t Pid_ = -1;
    int In_ = -1;
    int Out_ = -1;
    std::string Output_;
};

// The name this process runs under, as other processes see it.
std::string OwnCommand();
