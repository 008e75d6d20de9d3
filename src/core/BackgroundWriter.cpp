#include "core/BackgroundWriter.h"

#include "core/Errors.h"
#include "core/SafeSave.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

TBackgroundWriter::TBackgroundWriter(bool privateFiles)
    : Private_(privateFiles)
    , Thread_([this] { Run(); })
{
}

TBackgroundWriter::~TBackgroundWriter()
{
    {
        std::lock_guard lock(Mutex_);
        Stop_ = true;
    }
    Wake_.notify_all();
    Thread_.join();
}

void TBackgroundWriter::Write(std::string fileName, std::string bytes)
{
    {
        std::lock_guard lock(Mutex_);
        // Only the newest image of a file is worth writing; what waits behind a removal must stay
        // behind it.
        if (!Jobs_.empty() && !Jobs_.back().Remove && Jobs_.back().FileName == fileName)
            Jobs_.back().Bytes = std::move(bytes);
        else
            Jobs_.push_back({ false, std::move(fileName), std::move(bytes) });
    }
    Wake_.notify_all();
}

void TBackgroundWriter::Remove(std::string fileName)
{
    {
        std::lock_guard lock(Mutex_);
        // A write of the same file still waiting need not happen at all.
        if (!Jobs_.empty() && !Jobs_.back().Remove && Jobs_.back().FileName == fileName)
            Jobs_.pop_back();
        Jobs_.push_back({ true, std::move(fileName), {} });
    }
    Wake_.notify_all();
}

void TBackgroundWriter::Wait()
{
    std::unique_lock lock(Mutex_);
    Idle_.wait(lock, [this] { return Jobs_.empty() && !Busy_; });
}

TSaying TBackgroundWriter::TakeError()
{
    std::lock_guard lock(Mutex_);
    return std::exchange(Error_, {});
}

std::uint64_t TBackgroundWriter::Written() const
{
    std::lock_guard lock(Mutex_);
    return Written_;
}

void TBackgroundWriter::Run()
{
    std::unique_lock lock(Mutex_);
    for (;;) {
        Wake_.wait(lock, [this] { return Stop_ || !Jobs_.empty(); });
        if (Jobs_.empty())
            return; // stopping, and everything asked is done
        TJob job = std::move(Jobs_.front());
        Jobs_.pop_front();
        Busy_ = true;
        lock.unlock();
        TSaying error;
        if (job.Remove) {
            if (::unlink(job.FileName.c_str()) != 0 && errno != ENOENT)
                error = { VM_TRANSLATE_NOOP("Velmoria::Model", "Cannot delete file \"%1\". %2."),
                    { job.FileName, SystemErrorSaying(errno) } };
        } else {
            try {
                if (Private_)
                    SafeWritePrivateFile(job.FileName, job.Bytes);
                else
                    SafeWriteFile(job.FileName, job.Bytes);
            } catch (const std::exception& e) {
                error = SayingOf(e);
            }
        }
        lock.lock();
        Busy_ = false;
        if (!error.Empty())
            Error_ = std::move(error);
        else if (!job.Remove)
            ++Written_;
        if (Jobs_.empty())
            Idle_.notify_all();
    }
}
