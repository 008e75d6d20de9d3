#pragma once
// A speech service for tests: a Unix socket in the test's folder, served by a thread, answering
// the speech library's commands as speech-dispatcher does, with a German and an English voice. From a chosen
// command on it reads what comes and answers nothing more: a service that hangs, whose connections
// stay open for the rest of the process.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TFakeSpeechService {
public:
    struct TQuiet {
        std::string Command; // the start of the command it no longer answers; empty: answers all
        int Occurrence = 1; // that command's n-th time
        bool NoEnd = false; // speaks, but never reports the end of reading
    };
    TFakeSpeechService(std::string socketPath, TQuiet quiet);
    ~TFakeSpeechService();
    TFakeSpeechService(const TFakeSpeechService&) = delete;
    TFakeSpeechService& operator=(const TFakeSpeechService&) = delete;

    // For SPEECHD_ADDRESS.
    std::string Address() const { return "unix_socket:" + Path_; }
    // Every command received so far, one per line, the data of SPEAK as one command of its own.
    std::vector<std::string> Commands() const;
    // True once it went quiet.
    bool Quiet() const { return Quiet_; }

private:
    void Serve();
    // The reply to one line of a client; empty for none.
    std::string Answer(const std::string& line, bool& inData);

    std::string Path_;
    TQuiet QuietAt_;
    int Listen_ = -1;
    int StopPipe_[2] = { -1, -1 };
    mutable std::mutex Mutex_;
    std::vector<std::string> Commands_;
    std::atomic<bool> Quiet_ = false;
    int Seen_ = 0; // of QuietAt_.Command
    int Messages_ = 0;
    std::thread Thread_;
};
