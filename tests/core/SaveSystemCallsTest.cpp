// The save path of the real velmoria-cli as the kernel sees it: the order of its syncs and
// renames under strace, and the list it leaves when it is killed at each call of a rewrite in
// place or at random moments.

#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "support/ListImage.h"
#include "support/RunningProgram.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

struct TRun {
    int Status = -1; // the exit status, or -1 for a process ended by a signal
    std::string Output; // with what it wrote to stderr
};

// Runs a program, killed after killAfter when one is given. LeakSanitizer cannot work under ptrace:
// a sanitized build would fail every traced run.
TRun RunProgram(std::vector<std::string> args, std::chrono::microseconds killAfter = {})
{
    const char* options = ::getenv("ASAN_OPTIONS");
    args.insert(args.begin(),
        { "/usr/bin/env", std::string("ASAN_OPTIONS=") + (options ? options : "") + ":detect_leaks=0" });
    TRunningProgram program(args);
    if (killAfter.count() > 0) {
        std::this_thread::sleep_for(killAfter);
        ::kill(program.Pid(), SIGKILL);
    }
    const int status = program.Wait(std::chrono::seconds(60));
    return { status, program.Output() };
}

bool StraceWorks()
{
    return RunProgram({ "strace", "-qq", "-o", "/dev/null", "true" }).Status == 0;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The first line at or after from holding both parts, or the number of lines.
std::size_t Find(
    const std::vector<std::string>& lines, const std::string& a, const std::string& b, std::size_t from = 0)
{
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lines[i].find(a) != std::string::npos && lines[i].find(b) != std::string::npos)
            return i;
    return lines.size();
}

class SaveSystemCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!StraceWorks())
            GTEST_SKIP() << "strace cannot trace here";
        List = Dir.File("list.vmr");
        Other = Dir.File("other.vmr");
    }
    // The list with its second name.
    void Prepare(const std::string& bytes, bool hardLinked)
    {
        fs::remove(List);
        fs::remove(Other);
        WriteBytes(List, bytes);
        if (hardLinked)
            fs::create_hard_link(List, Other);
    }
    // What strace saw of the calls given while velmoria-cli added an item.
    std::vector<std::string> TracedAdd(const std::string& calls)
    {
        const std::string log = Dir.File("strace.log");
        const TRun run = RunProgram({ "strace", "-f", "-y", "-qq", "-o", log, "-e", "trace=" + calls,
            VELMORIA_CLI_PATH, "add", List, "das Haus", "the house" });
        EXPECT_EQ(run.Status, 0) << run.Output;
        std::vector<std::string> lines = Lines(ReadBytes(log));
        fs::remove(log);
        return lines;
    }

    TTempDir Dir;
    std::string List;
    std::string Other;
};

} // namespace

TEST_F(SaveSystemCalls, TheNewFileIsSyncedBeforeItReplacesTheOldOneAndTheFolderAfter)
{
    const std::string folder = "<" + Dir.Path().string() + ">";
    Prepare(ListImage(2000, 1), false);
    const auto lines = TracedAdd("fsync,fdatasync,rename,renameat,renameat2");
    const std::size_t synced = Find(lines, "sync(", ".velmoria-save-");
    const std::size_t renamed = Find(lines, "rename", ".velmoria-save-");
    const std::size_t folderSynced = Find(lines, "fsync(", folder, renamed);
    ASSERT_LT(synced, lines.size()) << "the new file was never synced";
    ASSERT_LT(renamed, lines.size());
    EXPECT_LT(synced, renamed) << "synced after it replaced the old file";
    EXPECT_LT(folderSynced, lines.size()) << "the folder was not synced after the rename";

    // With a second name: the journal and its name are lasting before the list is touched, and the
    // list is before the journal goes.
    Prepare(ListImage(2000, 1), true);
    const auto inPlace = TracedAdd("fsync,fdatasync,pwrite64,unlink,unlinkat");
    const std::string list = "list.vmr>";
    const std::size_t journalSynced = Find(inPlace, "sync(", ".velmoria-journal-");
    const std::size_t journalNamed = Find(inPlace, "fsync(", folder, journalSynced);
    const std::size_t written = Find(inPlace, "pwrite64(", list);
    const std::size_t listSynced = Find(inPlace, "sync(", list, written);
    const std::size_t ended = Find(inPlace, "unlink", ".velmoria-journal-");
    ASSERT_LT(written, inPlace.size());
    EXPECT_LT(journalSynced, journalNamed);
    EXPECT_LT(journalNamed, written) << "the journal's name might not outlast a power cut";
    EXPECT_LT(listSynced, ended) << "the journal went before the list was lasting";
    EXPECT_LT(ended, inPlace.size());
    EXPECT_EQ(fs::hard_link_count(List), 2u);
}

TEST_F(SaveSystemCalls, AHardLinkedListKilledAtAnyCallOrAtRandomOpensAsTheOldOrTheNewList)
{
    // Over a megabyte, so the list is rewritten in more than one write.
    const std::string oldBytes = ListImage(30000, 1);
    Prepare(oldBytes, true);
    ASSERT_EQ(RunProgram({ VELMORIA_CLI_PATH, "add", List, "das Haus", "the house" }).Status, 0);
    const std::string newBytes = ReadBytes(List);
    int outcomes[3] = { 0, 0, 0 }; // old, new, broken
    int notices = 0;
    // Opens the list as velmoria-cli does, alternately under either name, and sorts out what it holds.
    const auto check = [&](const std::string& what) {
        SCOPED_TRACE(what);
        const TRun info
            = RunProgram({ VELMORIA_CLI_PATH, "info", (outcomes[0] + outcomes[1]) % 2 ? Other : List });
        const std::string bytes = ReadBytes(List);
        const int outcome = bytes == oldBytes ? 0 : bytes == newBytes ? 1 : 2;
        ++outcomes[outcome];
        EXPECT_EQ(info.Status, 0) << info.Output;
        EXPECT_NE(outcome, 2) << "a mixed list";
        EXPECT_EQ(ReadBytes(Other), bytes);
        EXPECT_EQ(fs::hard_link_count(List), 2u) << "the link is lost";
        EXPECT_EQ(std::distance(fs::directory_iterator(Dir.Path()), {}), 2)
            << "what the killed save left stayed";
        notices += Contains(info.Output, "was broken off");
    };

    // Killed on entering each call of the save in turn.
    const auto lines = TracedAdd("pwrite64,fallocate,ftruncate,fsync,unlink");
    std::map<std::string, int> calls;
    for (const std::string& line : lines) {
        const auto open = line.find('(');
        const auto space = line.rfind(' ', open);
        if (open != std::string::npos && space != std::string::npos)
            ++calls[line.substr(space + 1, open - space - 1)];
    }
    ASSERT_EQ(calls["pwrite64"], 5) << "a header and two pieces each for the journal and the list";
    for (const auto& [call, count] : calls) {
        for (int when = 1; when <= count; ++when) {
            Prepare(oldBytes, true);
            const TRun run = RunProgram({ "strace", "-f", "-qq", "-o", "/dev/null", "-e", "trace=" + call,
                "-e", "inject=" + call + ":signal=KILL:when=" + std::to_string(when), VELMORIA_CLI_PATH,
                "add", List, "das Haus", "the house" });
            EXPECT_NE(run.Status, 0);
            check(call + " " + std::to_string(when));
        }
    }
    EXPECT_GT(outcomes[0], 0);
    EXPECT_GT(outcomes[1], 0);

    // At random moments of a whole run.
    Prepare(oldBytes, true);
    const auto start = std::chrono::steady_clock::now();
    RunProgram({ VELMORIA_CLI_PATH, "shuffle", List });
    const auto runTime
        = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delay(1, runTime.count() + 1000);
    for (int round = 0; round < 30; ++round) {
        Prepare(oldBytes, true);
        RunProgram({ VELMORIA_CLI_PATH, "add", List, "das Haus", "the house" },
            std::chrono::microseconds(delay(random)));
        check("random kill " + std::to_string(round));
    }
    EXPECT_EQ(outcomes[2], 0);
    EXPECT_GT(notices, 0) << "no rewrite was ever completed";
    RecordProperty("old", outcomes[0]);
    RecordProperty("new", outcomes[1]);
}
