// The save path under faults: every system call failing in turn, a full disk, saves killed at
// random points, and the temporary files those leave behind.

#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "support/ChildProcess.h"
#include "support/ListImage.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::set<std::string> FolderNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct TSeam {
    explicit TSeam(std::function<int(TSaveCall)> faults) { SetSaveFaults(std::move(faults)); }
    ~TSeam() { SetSaveFaults(nullptr); }
};

std::vector<TSaveCall> CallsOfSave(const std::string& name, const std::string& bytes)
{
    std::vector<TSaveCall> calls;
    TSeam seam([&](TSaveCall call) {
        calls.push_back(call);
        return 0;
    });
    SafeWriteFile(name, bytes);
    return calls;
}

} // namespace

TEST(SaveFaults, EveryCallOfTheSaveFailsInTurn)
{
    // Over a megabyte, so the contents go out in more than one write.
    const std::string oldBytes = ListImage(20000, 1);
    const std::string newBytes = ListImage(30000, 2);
    ASSERT_GT(newBytes.size(), 1u << 20);
    const struct {
        const char* Case;
        bool Exists;
        bool HardLinked;
        int Writes; // the journal's header is a write of its own
    } cases[] = { { "plain file", true, false, 2 }, { "new file", false, false, 2 },
        { "two names", true, true, 5 } };
    for (const auto& c : cases) {
        TTempDir dir;
        const std::string name = dir.File("list.vmr");
        const std::string other = dir.File("other name.vmr");
        const auto prepare = [&] {
            fs::remove(name);
            fs::remove(other);
            if (c.Exists)
                WriteBytes(name, oldBytes);
            if (c.HardLinked)
                fs::create_hard_link(name, other);
        };
        prepare();
        const std::set<std::string> before = FolderNames(dir.Path());
        const std::vector<TSaveCall> calls = CallsOfSave(name, newBytes);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), TSaveCall::Write), c.Writes) << c.Case;
        EXPECT_EQ(
            std::count(calls.begin(), calls.end(), TSaveCall::Attributes), c.Exists && !c.HardLinked ? 1 : 0);

        bool inPlace = false;
        for (std::size_t failing = 0; failing < calls.size(); ++failing) {
            const TSaveCall call = calls[failing];
            SCOPED_TRACE(
                std::string(c.Case) + ", call " + std::to_string(failing) + ": " + SaveCallName(call));
            inPlace = inPlace || call == TSaveCall::OpenInPlace;
            prepare();
            TVocabFile doc;
            doc.LoadFromBytes(newBytes);
            doc.SetProperties(piAuthor, "changed");
            const std::string docBytes = doc.SaveToBytes();
            std::size_t made = 0;
            std::string error = "saved";
            {
                TSeam seam([&](TSaveCall) { return made++ == failing ? EIO : 0; });
                try {
                    doc.SaveToFile(name);
                } catch (const EFileError& e) {
                    error = e.what();
                }
            }
            const std::set<std::string> after = FolderNames(dir.Path());
            if (call == TSaveCall::FolderOpen || call == TSaveCall::EndJournal) {
                // Without the folder there is nothing to sync; a journal left behind equals the
                // file, and the next load drops it.
                EXPECT_EQ(error, "saved");
                EXPECT_EQ(ReadBytes(name), docBytes);
                EXPECT_FALSE(doc.Modified());
                TVocabFile reopened;
                reopened.LoadFromFile(name);
                EXPECT_EQ(FolderNames(dir.Path()).size(), before.size() + (c.Exists ? 0 : 1));
                continue;
            }
            EXPECT_TRUE(Contains(error, name) && Contains(error, std::strerror(EIO))) << error;
            EXPECT_TRUE(doc.Modified());
            if (call == TSaveCall::FolderSync && !c.HardLinked) {
                // Past the rename the new file is whole; only its lasting is in doubt.
                EXPECT_EQ(ReadBytes(name), docBytes);
                EXPECT_EQ(after.size(), before.size() + (c.Exists ? 0 : 1));
            } else if (inPlace && call != TSaveCall::Reserve && call != TSaveCall::OpenInPlace) {
                // The rewrite of a file with two names broke off: its journal completes it at the
                // next load, under either name.
                EXPECT_TRUE(Contains(error, "complete the file the next time it is opened")) << error;
                EXPECT_EQ(after.size(), before.size() + 1);
                TVocabFile reopened;
                reopened.LoadFromFile(failing % 2 ? name : other);
                EXPECT_EQ(reopened.SaveToBytes(), docBytes);
                EXPECT_FALSE(reopened.LoadNotice().empty());
                EXPECT_EQ(ReadBytes(other), docBytes);
                EXPECT_EQ(fs::hard_link_count(name), 2u);
                EXPECT_EQ(FolderNames(dir.Path()), before);
            } else {
                if (c.Exists) {
                    EXPECT_EQ(ReadBytes(name), oldBytes);
                }
                EXPECT_EQ(after, before) << "a temporary file was left";
            }
        }
    }
}

// A real refusal of the file system, for a plain file and for one with two names (rewritten in place).
TEST(SaveFaults, AFileSizeLimitIsReportedAsAFullDisk)
{
    for (const bool hardLinked : { false, true }) {
        SCOPED_TRACE(hardLinked ? "two names" : "plain file");
        TTempDir dir;
        const std::string name = dir.File("list.vmr");
        const std::string oldBytes = ListImage(10, 1);
        WriteBytes(name, oldBytes);
        if (hardLinked)
            fs::create_hard_link(name, dir.File("other.vmr"));
        const std::string result = InChildProcess([&name] {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {
                8192, 8192
            };
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::string("no limit");
            TVocabFile doc;
            doc.LoadFromBytes(ListImage(2000, 2));
            doc.SetProperties(piAuthor, "changed");
            try {
                doc.SaveToFile(name);
                return std::string("saved");
            } catch (const EFileError& e) {
                return e.what() + std::string(doc.Modified() ? "" : " (and counted as saved)");
            }
        });
        EXPECT_TRUE(Contains(result, "The disk is full") && Contains(result, name)) << result;
        EXPECT_FALSE(Contains(result, "counted as saved")) << result;
        EXPECT_EQ(ReadBytes(name), oldBytes);
        EXPECT_EQ(FolderNames(dir.Path()).size(), hardLinked ? 2u : 1u) << "a temporary file was left";
    }
}

TEST(SaveFaults, AFullTmpfsLeavesTheOldFileWhole)
{
    TTempDir dir;
    const std::string disk = dir.File("disk");
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=128k") != 0)
        GTEST_SKIP() << "no tmpfs may be mounted here: " << std::strerror(errno);
    const std::string name = disk + "/list.vmr";
    const std::string oldBytes = ListImage(900, 1);
    SafeWriteFile(name, oldBytes);
    // The new list fits alone, but not beside the old one.
    const std::string error = MessageOf<EFileError>([&] { SafeWriteFile(name, ListImage(1700, 2)); });
    EXPECT_TRUE(Contains(error, "The disk is full") && Contains(error, name)) << error;
    EXPECT_EQ(ReadBytes(name), oldBytes);
    EXPECT_EQ(FolderNames(disk).size(), 1u);
    ::umount2(disk.c_str(), MNT_DETACH);
}

namespace {

// A process id that certainly runs no more: a child that has ended and been reaped.
pid_t DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(SaveFaults, SavesKilledAtRandomPointsLeaveTheOldOrTheNewListWhole)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    const std::string images[2] = { ListImage(25000, 1), ListImage(25000, 2) };
    SafeWriteFile(name, images[0]);
    const auto start = std::chrono::steady_clock::now();
    SafeWriteFile(name, images[1]);
    const auto saveTime = std::chrono::steady_clock::now() - start;
    const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 2).count() + 2000;

    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delay(0, longest);
    int outcomes[2] = { 0, 0 };
    int leftBehind = 0;
    int current = 1;
    for (int round = 0; round < 200; ++round) {
        const int next = 1 - current;
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                SafeWriteFile(name, images[next]);
            } catch (...) {
            }
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string bytes = ReadBytes(name);
        ASSERT_TRUE(bytes == images[0] || bytes == images[1]) << "round " << round << ": a mixed file";
        current = bytes == images[0] ? 0 : 1;
        ++outcomes[current == next ? 1 : 0];
        leftBehind += static_cast<int>(FolderNames(dir.Path()).size()) - 1;
        ASSERT_LE(FolderNames(dir.Path()).size(), 2u) << "the next save removes what the last one left";
    }
    TVocabFile doc;
    doc.LoadFromFile(name);
    EXPECT_EQ(doc.SaveToBytes(), images[current]);
    EXPECT_EQ(FolderNames(dir.Path()).size(), 1u) << "opening removes what a killed save left";
    EXPECT_GT(outcomes[0], 0);
    EXPECT_GT(outcomes[1], 0);
    EXPECT_GT(leftBehind, 0) << "no save was killed half-way";
}

TEST(SaveFaults, OnlyTheTemporaryFilesOfEndedProcessesAreRemoved)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    WriteBytes(name, "list");
    const std::string dead = std::to_string(DeadPid());
    const std::string running = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    const struct {
        std::string Name;
        bool Removed;
    } files[] = {
        { ".list.vmr.velmoria-save-" + dead + "-a1B2c3", true },
        { ".list.vmr.velmoria-save-" + running + "-a1B2c3", false }, // another copy is saving
        { ".list.vmr.velmoria-save-" + own + "-a1B2c3", false },
        { ".other.vmr.velmoria-save-" + dead + "-a1B2c3", false }, // another list's
        { ".list.vmr.velmoria-save-" + dead + "-a1B2", false }, // not the pattern
        { ".list.vmr.velmoria-save-x" + dead + "-a1B2c3", false },
        { "list.vmr.velmoria-copy-a1B2c3", false }, // what an earlier version kept of a broken-off rewrite
        { ".list.vmr.velmoria-journal-" + dead + "-a1B2c3", true }, // no journal at all
        { ".list.vmr.velmoria-journal-" + running + "-a1B2c3", false },
        { ".other.vmr.velmoria-journal-" + dead + "-a1B2c3", false },
    };
    for (const auto& file : files)
        WriteBytes(dir.File(file.Name), "left");
    // Kept copies of earlier versions go once they hold no more than the file, unless their save
    // still runs.
    WriteBytes(dir.File("list.vmr.velmoria-copy-b2C3d4"), "list");
    WriteBytes(dir.File("list.vmr.velmoria-copy-c3D4e5"), "list");
    WriteBytes(dir.File(".list.vmr.velmoria-save-" + running + "-c3D4e5"), "list");
    const std::string folder = ".list.vmr.velmoria-save-" + dead + "-folder";
    fs::create_directory(dir.File(folder));
    fs::create_symlink(name, dir.File(".list.vmr.velmoria-save-" + dead + "-link00"));

    SafeWriteFile(name, "saved");
    for (const auto& file : files)
        EXPECT_EQ(fs::exists(dir.File(file.Name)), !file.Removed) << file.Name;
    EXPECT_FALSE(fs::exists(dir.File("list.vmr.velmoria-copy-b2C3d4")));
    EXPECT_TRUE(fs::exists(dir.File("list.vmr.velmoria-copy-c3D4e5")));
    EXPECT_TRUE(fs::is_directory(dir.File(folder)));
    EXPECT_TRUE(fs::is_symlink(dir.File(".list.vmr.velmoria-save-" + dead + "-link00")));
    EXPECT_TRUE(IsSaveTemporaryName(files[0].Name));
    EXPECT_FALSE(IsSaveTemporaryName(files[4].Name));

    // The temporary file of a save carries its writer's id.
    std::string seen;
    SetSaveFaults([&](TSaveCall call) {
        if (call == TSaveCall::Rename)
            for (const std::string& entry : FolderNames(dir.Path()))
                if (entry.rfind(".list.vmr.velmoria-save-" + own + "-", 0) == 0 && entry != files[2].Name)
                    seen += entry;
        return 0;
    });
    SafeWriteFile(name, "saved again");
    SetSaveFaults(nullptr);
    EXPECT_NE(seen, "");
}

namespace {

// A save of a list with two names killed right before its call number `at` (counted from 0).
void KilledSave(const std::string& name, const std::string& bytes, std::size_t at)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::size_t made = 0;
        SetSaveFaults([&](TSaveCall) {
            if (made++ == at)
                ::raise(SIGKILL);
            return 0;
        });
        try {
            SafeWriteFile(name, bytes);
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

std::string JournalIn(const fs::path& folder)
{
    for (const std::string& entry : FolderNames(folder))
        if (Contains(entry, ".velmoria-journal-"))
            return (folder / entry).string();
    return "";
}

} // namespace

TEST(SaveFaults, AHardLinkedListKilledAtAnyCallOfItsSaveOpensOldOrNewUnderEitherName)
{
    const std::string images[2] = { ListImage(20000, 1), ListImage(30000, 2) };
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    const std::string other = dir.File("other name.vmr");
    const auto prepare = [&] {
        fs::remove(name);
        fs::remove(other);
        WriteBytes(name, images[0]);
        fs::create_hard_link(name, other);
    };
    prepare();
    const std::set<std::string> before = FolderNames(dir.Path());
    const std::vector<TSaveCall> calls = CallsOfSave(name, images[1]);
    int outcomes[2] = { 0, 0 };
    for (std::size_t at = 0; at < calls.size(); ++at) {
        SCOPED_TRACE("killed at call " + std::to_string(at) + ": " + SaveCallName(calls[at]));
        prepare();
        KilledSave(name, images[1], at);
        TVocabFile doc;
        doc.LoadFromFile(at % 2 ? name : other);
        const std::string bytes = ReadBytes(name);
        ASSERT_TRUE(bytes == images[0] || bytes == images[1]) << "a mixed file";
        EXPECT_EQ(doc.SaveToBytes(), bytes);
        EXPECT_EQ(ReadBytes(other), bytes);
        EXPECT_EQ(fs::hard_link_count(name), 2u);
        EXPECT_EQ(FolderNames(dir.Path()), before) << "what the killed save left is gone";
        // Once the journal is whole the file is told to have been completed, and not before.
        EXPECT_EQ(doc.LoadNotice().empty(), bytes == images[0]);
        ++outcomes[bytes == images[1] ? 1 : 0];
    }
    EXPECT_GT(outcomes[0], 3);
    EXPECT_GT(outcomes[1], 3);
}

TEST(SaveFaults, AJournalCompletesItsFileOnlyWhenWholeOursAndItsWriterHasEnded)
{
    const std::string oldBytes = ListImage(3000, 1);
    const std::string newBytes = ListImage(3500, 2);
    const std::string running = std::to_string(::getppid());
    enum TFound : std::uint8_t { Nothing, Completed, AlreadyComplete };
    const struct {
        const char* Case;
        std::function<void(const std::string& list, const std::string& journal)> Change;
        bool OpenOtherName;
        bool New; // the list opens with the new contents
        TFound Notice;
        bool JournalStays;
    } cases[] = {
        { "complete", nullptr, false, true, Completed, false },
        { "opened under its other name", nullptr, true, true, Completed, false },
        { "the list half rewritten",
            [&](const std::string& list, const std::string&) {
                std::fstream file(list, std::ios::in | std::ios::out | std::ios::binary);
                file.write(newBytes.data(), static_cast<std::streamsize>(newBytes.size() / 2));
            },
            false, true, Completed, false },
        { "the list already rewritten",
            [&](const std::string& list, const std::string&) {
                std::fstream file(list, std::ios::in | std::ios::out | std::ios::binary);
                file.write(newBytes.data(), static_cast<std::streamsize>(newBytes.size()));
            },
            false, true, AlreadyComplete, false },
        { "cut short",
            [](const std::string&, const std::string& journal) {
                fs::resize_file(journal, fs::file_size(journal) - 1);
            },
            false, false, Nothing, false },
        { "its contents damaged",
            [](const std::string&, const std::string& journal) {
                std::string bytes = ReadBytes(journal);
                bytes[bytes.size() - 9] ^= 1;
                WriteBytes(journal, bytes);
            },
            false, false, Nothing, false },
        { "its header damaged",
            [](const std::string&, const std::string& journal) {
                std::string bytes = ReadBytes(journal);
                bytes[30] ^= 1;
                WriteBytes(journal, bytes);
            },
            false, false, Nothing, false },
        { "its writer runs",
            [&](const std::string&, const std::string& journal) {
                const fs::path path = journal;
                fs::rename(path, path.parent_path() / (".list.vmr.velmoria-journal-" + running + "-a1B2c3"));
            },
            false, false, Nothing, true },
        { "a link to it",
            [](const std::string&, const std::string& journal) {
                fs::rename(journal, journal + ".real");
                fs::create_symlink(journal + ".real", journal);
            },
            false, false, Nothing, true },
        { "the list replaced since",
            [&](const std::string& list, const std::string&) {
                fs::remove(list);
                WriteBytes(list, oldBytes);
            },
            false, false, Nothing, false },
        { "another user's",
            [](const std::string&, const std::string& journal) {
                if (::geteuid() != 0 || ::chown(journal.c_str(), 65534, 65534) != 0)
                    fs::remove(journal);
            },
            false, false, Nothing, ::geteuid() == 0 },
    };
    // Killed right before it opens the list: the journal is whole, the list untouched.
    std::vector<TSaveCall> calls;
    {
        TTempDir probe;
        WriteBytes(probe.File("list.vmr"), oldBytes);
        fs::create_hard_link(probe.File("list.vmr"), probe.File("other.vmr"));
        calls = CallsOfSave(probe.File("list.vmr"), newBytes);
    }
    const auto open = std::find(calls.begin(), calls.end(), TSaveCall::OpenInPlace);
    ASSERT_NE(open, calls.end());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TTempDir dir;
        const std::string name = dir.File("list.vmr");
        const std::string other = dir.File("other.vmr");
        WriteBytes(name, oldBytes);
        fs::create_hard_link(name, other);
        KilledSave(name, newBytes, static_cast<std::size_t>(open - calls.begin()));
        const std::string journal = JournalIn(dir.Path());
        ASSERT_NE(journal, "");
        ASSERT_EQ(ReadBytes(name), oldBytes);
        if (c.Change)
            c.Change(name, journal);
        const auto modified = fs::last_write_time(name);
        TVocabFile doc;
        doc.LoadFromFile(c.OpenOtherName ? other : name);
        EXPECT_EQ(doc.SaveToBytes(), c.New ? newBytes : oldBytes);
        EXPECT_EQ(ReadBytes(other), ReadBytes(name));
        const std::string& notice = doc.LoadNotice();
        EXPECT_EQ(Contains(notice, "it has been completed"), c.Notice == Completed) << notice;
        EXPECT_EQ(Contains(notice, "the list is complete"), c.Notice == AlreadyComplete) << notice;
        if (c.Notice == AlreadyComplete) {
            EXPECT_EQ(fs::last_write_time(name), modified) << "a complete list is not written again";
        }
        EXPECT_EQ(JournalIn(dir.Path()) != "", c.JournalStays);
        TVocabFile again;
        again.LoadFromFile(name);
        EXPECT_EQ(again.LoadNotice(), "") << "told once";
    }
}

TEST(SaveFaults, ARewriteThatCannotBeCompletedFailsTheLoadAndKeepsTheJournal)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    const std::string oldBytes = ListImage(100, 1);
    const std::string newBytes = ListImage(120, 2);
    WriteBytes(name, oldBytes);
    fs::create_hard_link(name, dir.File("other.vmr"));
    std::string error;
    {
        // Its first write in place fails; the second one is the journal's contents.
        int writes = 0;
        TSeam seam([&](TSaveCall call) { return call == TSaveCall::Write && ++writes == 3 ? EIO : 0; });
        error = MessageOf<EFileError>([&] { SafeWriteFile(name, newBytes); });
    }
    ASSERT_TRUE(Contains(error, "complete the file the next time it is opened")) << error;
    // This process may complete what it left itself.
    TVocabFile doc;
    doc.SetProperties(piAuthor, "unchanged");
    {
        TSeam seam([](TSaveCall call) { return call == TSaveCall::Write ? ENOSPC : 0; });
        const std::string failure = MessageOf<EFileError>([&] { doc.LoadFromFile(name); });
        EXPECT_TRUE(Contains(failure, "Cannot complete the last save of \"" + name + "\"")) << failure;
    }
    EXPECT_EQ(doc.Properties(piAuthor), "unchanged");
    EXPECT_NE(JournalIn(dir.Path()), "");
    doc.LoadFromFile(name);
    EXPECT_EQ(doc.SaveToBytes(), newBytes);
    EXPECT_EQ(JournalIn(dir.Path()), "");
}

TEST(SaveFaults, ASavedFileKeepsItsModeWhateverTheUmask)
{
    const mode_t modes[] = { 0600, 0640, 0604, 0664, 0755 };
    const mode_t masks[] = { 022, 077, 0 };
    for (const bool hardLinked : { false, true }) {
        for (const mode_t mask : masks) {
            const mode_t saved = ::umask(mask);
            for (const mode_t mode : modes) {
                SCOPED_TRACE((hardLinked ? "two names, mode " : "mode ") + std::to_string(mode) + ", umask "
                    + std::to_string(mask));
                TTempDir dir;
                const std::string name = dir.File("list.vmr");
                WriteBytes(name, "old");
                ASSERT_EQ(::chmod(name.c_str(), mode), 0);
                if (hardLinked)
                    fs::create_hard_link(name, dir.File("other.vmr"));
                SafeWriteFile(name, "new");
                struct stat st { };
                ASSERT_EQ(::stat(name.c_str(), &st), 0);
                EXPECT_EQ(st.st_mode & 07777, mode);
                EXPECT_EQ(ReadBytes(name), "new");
            }
            // A new file gets the usual permissions.
            TTempDir dir;
            SafeWriteFile(dir.File("new.vmr"), "new");
            struct stat st { };
            ASSERT_EQ(::stat(dir.File("new.vmr").c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0666 & ~mask);
            ::umask(saved);
        }
    }
}

namespace {

// An extended attribute's value, or nullopt when the file has none of that name.
std::optional<std::string> Attribute(const std::string& fileName, const char* name)
{
    char value[4096];
    const ssize_t size = ::getxattr(fileName.c_str(), name, value, sizeof value);
    if (size < 0)
        return std::nullopt;
    return std::string(value, static_cast<std::size_t>(size));
}

bool Shell(const std::string& command)
{
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

} // namespace

TEST(SaveFaults, ASavedFileKeepsItsAclAndUserAttributes)
{
    if (!Shell("command -v setfacl >/dev/null"))
        GTEST_SKIP() << "setfacl (package acl) is not installed";
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    WriteBytes(name, "old");
    ::chmod(name.c_str(), 0640);
    if (::setxattr(name.c_str(), "user.velmoria.shelf", "blue", 4, 0) != 0)
        GTEST_SKIP() << "the file system keeps no user attributes here: " << std::strerror(errno);
    if (!Shell("setfacl -m u:65534:rw '" + name + "'"))
        GTEST_SKIP() << "the file system keeps no ACL here";
    const auto acl = Attribute(name, "system.posix_acl_access");
    ASSERT_TRUE(acl);
    struct stat before { };
    ::stat(name.c_str(), &before);
    SafeWriteFile(name, "new");
    EXPECT_EQ(ReadBytes(name), "new");
    EXPECT_EQ(Attribute(name, "system.posix_acl_access"), acl) << "the colleague may still read it";
    EXPECT_EQ(Attribute(name, "user.velmoria.shelf"), "blue");
    struct stat after { };
    ::stat(name.c_str(), &after);
    EXPECT_EQ(after.st_mode, before.st_mode);

    // A folder's default ACL goes to a new file, but a file that had no ACL of its own gets none.
    const std::string plain = dir.File("plain.vmr");
    WriteBytes(plain, "old");
    ASSERT_FALSE(Attribute(plain, "system.posix_acl_access"));
    ASSERT_TRUE(Shell("setfacl -d -m u:65534:rw '" + dir.Path().string() + "'"));
    SafeWriteFile(plain, "new");
    EXPECT_FALSE(Attribute(plain, "system.posix_acl_access"));
    SafeWriteFile(dir.File("new.vmr"), "new");
    EXPECT_TRUE(Attribute(dir.File("new.vmr"), "system.posix_acl_access"));

    // An attribute that cannot be given to the new file fails the save; the old file stays.
    SetSaveFaults([](TSaveCall call) { return call == TSaveCall::Attributes ? ENOSPC : 0; });
    EXPECT_THROW(SafeWriteFile(name, "newer"), EFileError);
    SetSaveFaults(nullptr);
    EXPECT_EQ(ReadBytes(name), "new");
}

TEST(SaveFaults, AFileReplacedDuringTheSaveIsNotOverwrittenWhenTheCallerExpectsTheOldOne)
{
    const struct {
        const char* Case;
        bool HardLinked;
        std::function<void(const std::string&)> Meanwhile;
        bool Refused;
    } cases[] = {
        { "untouched", false, nullptr, false },
        { "replaced", false,
            [](const std::string& name) {
                WriteBytes(name + ".other", "theirs");
                fs::rename(name + ".other", name);
            },
            true },
        { "rewritten", false, [](const std::string& name) { WriteBytes(name, "theirs!"); }, true },
        { "deleted", false, [](const std::string& name) { fs::remove(name); }, false },
        { "two names, untouched", true, nullptr, false },
        { "two names, rewritten", true, [](const std::string& name) { WriteBytes(name, "theirs!"); }, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TTempDir dir;
        const std::string name = dir.File("list.vmr");
        WriteBytes(name, "ours");
        if (c.HardLinked)
            fs::create_hard_link(name, dir.File("other.vmr"));
        const TFileIdentity expected = IdentifyFile(name);
        ASSERT_TRUE(expected.Exists);
        const std::set<std::string> before = FolderNames(dir.Path());
        const std::string after = c.Meanwhile ? "" : "ours";
        bool refused = false;
        {
            // Another program, a moment into the save: the new contents are complete by now.
            TSeam seam([&](TSaveCall call) {
                if (call == TSaveCall::Close && c.Meanwhile)
                    c.Meanwhile(name);
                return 0;
            });
            try {
                SafeWriteFile(name, "saved", &expected);
            } catch (const EFileChanged& e) {
                refused = true;
                EXPECT_TRUE(Contains(e.what(), "changed by another program")) << e.what();
            }
        }
        EXPECT_EQ(refused, c.Refused);
        if (refused) {
            EXPECT_NE(ReadBytes(name), "saved");
            EXPECT_EQ(FolderNames(dir.Path()), before) << "nothing left behind";
        } else {
            EXPECT_EQ(ReadBytes(name), "saved");
        }
    }
    // A file that appeared where none was expected is another program's too.
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    const TFileIdentity none = IdentifyFile(name);
    WriteBytes(name, "theirs");
    EXPECT_THROW(SafeWriteFile(name, "saved", &none), EFileChanged);
    EXPECT_EQ(ReadBytes(name), "theirs");
}
