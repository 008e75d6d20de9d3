#pragma once
// A writer waiting for a history's write lock says so, so that a long import gives way at once
// instead of pausing after every batch on the chance that someone waits: a shared flock on the file
// PATH-waiting beside the history, held from the first busy answer until its transaction ends.
// flock, not fcntl: closing another descriptor of a file drops every fcntl lock the process holds
// on it, SQLite's among them.

#include "core/SaveDetail.h"

#include <optional>
#include <string>

class TWaitingWriters {
public:
    explicit TWaitingWriters(std::string historyPath);
    TWaitingWriters(const TWaitingWriters&) = delete;
    TWaitingWriters& operator=(const TWaitingWriters&) = delete;

    // This connection waits for the lock: said until Done(). Quietly nothing where the file cannot
    // be made (a folder that may only be read).
    void Waiting();
    void Done();
    // Whether another connection says it waits.
    bool Others();

private:
    bool Open();

    std::string Path_;
    std::optional<SaveDetail::TFd> File_; // opened at first use
    bool Said_ = false;
};
