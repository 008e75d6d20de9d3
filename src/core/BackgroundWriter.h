#pragma once
// Writes files on a thread of its own, in the order asked, so the caller hands over a finished
// image and goes on. A newer image for a file replaces one still waiting for the same file.

#include "evaluation/Translatable.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

class TBackgroundWriter {
public:
    // Private files are written as SafeWritePrivateFile does.
    explicit TBackgroundWriter(bool privateFiles = false);
    // Finishes what was asked before.
    ~TBackgroundWriter();
    TBackgroundWriter(const TBackgroundWriter&) = delete;
    TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

    // SafeWriteFile (or SafeWritePrivateFile) on the thread.
    void Write(std::string fileName, std::string bytes);
    // Removes the file once the work asked before is done.
    void Remove(std::string fileName);
    // Waits until everything asked has been done.
    void Wait();
    // The message of the last failure, emptied by asking.
    TSaying TakeError();
    // How many writes have completed successfully.
    std::uint64_t Written() const;

private:
    struct TJob {
        bool Remove = false;
        std::string FileName;
        std::string Bytes;
    };
    void Run();

    mutable std::mutex Mutex_;
    std::condition_variable Wake_;
    std::condition_variable Idle_;
    std::deque<TJob> Jobs_;
    bool Busy_ = false;
    bool Stop_ = false;
    TSaying Error_;
    std::uint64_t Written_ = 0;
    const bool Private_;
    std::thread Thread_;
};
