// The list lock: taken on the file the name leads to, bounded waits that name the holder, and the
// cases that need no lock.

#include "core/ListLock.h"

#include "core/Errors.h"
#include "support/RunningProgram.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// The message of a lock that does not come, or "" when it comes.
std::string LockFailure(const std::string& fileName, std::chrono::milliseconds wait)
{
    try {
        const TListLock lock(fileName, wait);
        return lock.Held() ? "" : "not held";
    } catch (const EFileError& e) {
        return e.what();
    }
}

} // namespace

TEST(ListLock, TheHolderIsNamedAndOneProcessNeverWaitsForItself)
{
    TTempDir dir;
    // Nothing to lock is no error and never blocks.
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const std::string& name : { dir.File("missing.vmr"), dir.File("fifo"), dir.Path().string() })
        EXPECT_FALSE(TListLock(name, 0ms).Held()) << name;

    const std::string list = dir.File("list.vmr");
    WriteBytes(list, "old");
    struct stat st { };
    {
        TListLock lock(list, 0ms);
        ASSERT_TRUE(lock.Held());
        ASSERT_EQ(::stat(list.c_str(), &st), 0);
        const TLockHolder holder = FindLockHolder(st.st_dev, st.st_ino);
        EXPECT_EQ(holder.Pid, ::getpid());
        EXPECT_EQ(holder.Command, OwnCommand());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_NE(LockFailure(list, 5s).find("already being changed by this program"), std::string::npos);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
        // A save replaced the file: the name leads to a file nobody holds.
        WriteBytes(dir.File("new"), "new");
        ASSERT_EQ(std::rename(dir.File("new").c_str(), list.c_str()), 0);
        struct stat renamed { };
        ASSERT_EQ(::stat(list.c_str(), &renamed), 0);
        EXPECT_EQ(std::tuple(NameLeadsTo(list, st), NameLeadsTo(list, renamed),
                      NameLeadsTo(dir.File("missing.vmr"), renamed)),
            std::tuple(false, true, false));
        TListLock moved = TListLock(list, 0ms);
        EXPECT_TRUE(moved.Held());
        lock = std::move(moved);
        EXPECT_FALSE(moved.Held());
    }
    EXPECT_EQ(LockFailure(list, 0ms), "");
    EXPECT_EQ(FindLockHolder(st.st_dev, st.st_ino).Pid, 0);

    // Another process holds it: the wait ends with its pid, and its end frees the list.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(list.c_str(), O_RDONLY);
        const char byte = ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        [[maybe_unused]] const ssize_t written = ::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    const auto start = std::chrono::steady_clock::now();
    const std::string failure = LockFailure(list, 300ms);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 300ms);
    EXPECT_NE(failure.find("(pid " + std::to_string(child) + ", " + OwnCommand() + ") is changing"),
        std::string::npos)
        << failure;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(LockFailure(list, 0ms), "");
}

TEST(ListLock, TheBusyMessageNamesWhatIsKnownAndTheWaitInWholeSeconds)
{
    const struct {
        TLockHolder Holder;
        std::chrono::milliseconds Waited;
        const char* Text;
    } cases[] = {
        { {}, 999ms, "Another process is changing \"a.vmr\"; the list was left as it is." },
        { { 7, "" }, 1500ms,
            "Another process (pid 7) is changing \"a.vmr\"; the list was left as it is after "
            "waiting 1 second." },
        { { 7, "vm" }, 21s,
            "Another process (pid 7, vm) is changing \"a.vmr\"; the list was left as it is "
            "after waiting 21 seconds." },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListBusyMessage("a.vmr", c.Holder, c.Waited).Text(), c.Text);
}
