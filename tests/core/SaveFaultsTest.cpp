// The save path under faults: every system call failing in turn, a full disk, saves killed at
// random points, and the temporary files those leave behind.

#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A list of the given size; the seed makes two lists of one size differ in every item.
std::string ListImage(int items, int seed)
{
    TVocabFile doc;
    doc.SetForeignLangID(0x0407);
    doc.SetNativeLangID(0x0409);
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues("das Wort " + std::to_string(i * 7 + seed), "noun", "",
            "word number " + std::to_string(i) + " of list " + std::to_string(seed));
        doc.AppendItem(std::move(item));
    }
    doc.EndBulkAppend();
    return doc.SaveToBytes();
}

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
    } cases[] = { { "plain file", true, false }, { "new file", false, false }, { "two names", true, true } };
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
        EXPECT_EQ(std::count(calls.begin(), calls.end(), TSaveCall::Write), c.HardLinked ? 4 : 2) << c.Case;

        bool inPlace = false;
        for (std::size_t failing = 0; failing < calls.size(); ++failing) {
            const TSaveCall call = calls[failing];
            SCOPED_TRACE(std::string(c.Case) + ", call " + std::to_string(failing) + ": " + SaveCallName(call));
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
            if (call == TSaveCall::FolderOpen) {
                // Without the folder there is nothing to sync; the save itself is sound.
                EXPECT_EQ(error, "saved");
                EXPECT_EQ(ReadBytes(name), docBytes);
                EXPECT_FALSE(doc.Modified());
                continue;
            }
            EXPECT_TRUE(Contains(error, name) && Contains(error, std::strerror(EIO))) << error;
            EXPECT_TRUE(doc.Modified());
            if (call == TSaveCall::FolderSync) {
                // Past the rename the new file is whole; only its lasting is in doubt.
                EXPECT_EQ(ReadBytes(name), docBytes);
                EXPECT_EQ(after.size(), before.size() + (c.Exists ? 0 : 1));
            } else if (inPlace && call != TSaveCall::Reserve && call != TSaveCall::OpenInPlace) {
                // The rewrite of a file with two names broke off: the whole new list is kept.
                const auto kept = error.find("kept in \"");
                ASSERT_NE(kept, std::string::npos) << error;
                const std::string copy = error.substr(kept + 9, error.find('"', kept + 9) - kept - 9);
                EXPECT_EQ(ReadBytes(copy), docBytes);
                EXPECT_EQ(after.size(), before.size() + 1);
                fs::remove(copy);
            } else {
                if (c.Exists) {
                    EXPECT_EQ(ReadBytes(name), oldBytes);
                }
                EXPECT_EQ(after, before) << "a temporary file was left";
            }
        }
    }
}

TEST(SaveFaults, AFileSizeLimitIsReportedAsAFullDisk)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    const std::string oldBytes = ListImage(10, 1);
    WriteBytes(name, oldBytes);
    const std::string result = InChildProcess([&name] {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit { 8192, 8192 };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return std::string("no limit");
        try {
            SafeWriteFile(name, ListImage(2000, 2));
            return std::string("saved");
        } catch (const EFileError& e) {
            return std::string(e.what());
        }
    });
    EXPECT_TRUE(Contains(result, "The disk is full") && Contains(result, name)) << result;
    EXPECT_EQ(ReadBytes(name), oldBytes);
    EXPECT_EQ(FolderNames(dir.Path()).size(), 1u);
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
    std::string error;
    try {
        SafeWriteFile(name, ListImage(1700, 2)); // fits alone, but not beside the old list
    } catch (const EFileError& e) {
        error = e.what();
    }
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
        { "list.vmr.velmoria-copy-a1B2c3", false }, // a kept copy of a broken-off rewrite
    };
    for (const auto& file : files)
        WriteBytes(dir.File(file.Name), "left");
    const std::string folder = ".list.vmr.velmoria-save-" + dead + "-folder";
    fs::create_directory(dir.File(folder));
    fs::create_symlink(name, dir.File(".list.vmr.velmoria-save-" + dead + "-link00"));

    SafeWriteFile(name, "saved");
    for (const auto& file : files)
        EXPECT_EQ(fs::exists(dir.File(file.Name)), !file.Removed) << file.Name;
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
