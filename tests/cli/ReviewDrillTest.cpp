// velmoria-cli test --due: the review session in a terminal, in-process and as a real child process
// answering one question at a time or killed in the middle.

#include "CliRun.h"
#include "review/ReviewSupport.h"
#include "support/RunningProgram.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

namespace {

class ReviewDrillTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TVocabFile doc;
        FillPairs(doc, { { "Hund", "dog" }, { "Katze", "cat" }, { "Maus", "mouse" } });
        doc.SaveToFile(List);
    }
    TCliResult Drill(const std::string& input, const std::string& today, std::vector<std::string> args = {})
    {
        args.insert(args.begin(), { List, "--due", "--today", today });
        return ::Drill(args, input);
    }
    std::int64_t Answers() { return THistory(THistory::DefaultPath()).AnswerCount(); }

    TDataHome Home;
    std::string List = Home.Dir().File("list.vmr");
};

TEST_F(ReviewDrillTest, ASessionAsksUntilRightAndNeverSavesTheList)
{
    const std::string bytes = ReadBytes(List);
    const TCliResult run = Drill("dog\n:hint\nmouse\ncat\n", "2026-12-07", { "--new-per-day", "2" });
    EXPECT_EQ(run.Status, 0) << run.Err;
    const std::vector<std::string> expected
        = { "Q: Hund", "Right! dog", "Q: Katze", "Hint: c", "Wrong! cat", "Q: Katze", "Right! cat",
              "Nothing more is due today in this direction. 3 reviewed, 2 right. Next review: 2026-12-08." };
    EXPECT_EQ(run.Lines, expected);
    EXPECT_EQ(ReadBytes(List), bytes);
    // Later that day nothing is due; the next day brings the third word and the failed one.
    EXPECT_EQ(Drill("", "2026-12-07", { "--new-per-day", "2" }).Lines.back(),
        "Nothing is due today in this direction. Next review: 2026-12-08.");
    const TCliResult next = Drill("cat\n:stop\n", "2026-12-08", { "--into", "native", "--retention", "0.8" });
    EXPECT_EQ(next.Lines,
        (std::vector<std::string> {
            "Q: Katze", "Right! cat", "Q: Maus", "Stopped. 1 reviewed, 1 right. 1 still due today." }));
    EXPECT_EQ(Answers(), 4);
}

// ":1" to ":4" at the next question's prompt rate the answer before it; that question is drawn again.
TEST_F(ReviewDrillTest, ARatingTypedAfterAVerdictRatesThatAnswer)
{
    const TCliResult run = Drill(":2\ncow\n:3\ncat\nmouse\n", "2026-12-07");
    EXPECT_EQ(run.Status, 0) << run.Err;
    ASSERT_EQ(run.Lines.size(), 10U) << run.Out;
    EXPECT_EQ(run.Lines[2], "Wrong! dog");
    EXPECT_EQ(run.Lines[4].substr(0, 27), "Rated Good: next review in ");
    const std::vector<std::string> asked
        = { run.Lines[0], run.Lines[1], run.Lines[3], run.Lines[5], run.Lines[7] };
    EXPECT_EQ(asked, (std::vector<std::string> { "Q: Hund", "Q: Hund", "Q: Katze", "Q: Katze", "Q: Maus" }))
        << "nothing to rate before the first verdict; the failed word is not asked again";
    EXPECT_EQ(
        run.Lines.back().substr(0, 64), "Nothing more is due today in this direction. 3 reviewed, 3 right");
    EXPECT_NE(run.Err.find("no answer to rate"), std::string::npos) << run.Err;
    EXPECT_EQ(Drill("", "2026-12-07").Lines.back().substr(0, 23), "Nothing is due today in");
}

// Another copy holding the history longer than --wait: the answer is given again, not lost.
TEST_F(ReviewDrillTest, AnAnswerABusyHistoryCannotTakeIsGivenAgain)
{
    THistory { THistory::DefaultPath() };
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(THistory::DefaultPath().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1600));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    });
    const TCliResult run = Drill("dog\n", "2026-12-07", { "--wait", "1" });
    release.join();
    sqlite3_close(other);
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Err.find("Trying again"), std::string::npos) << run.Err;
    ASSERT_GE(run.Lines.size(), 2U);
    EXPECT_EQ(run.Lines[1], "Right! dog");
    EXPECT_EQ(Answers(), 1);
}

TEST_F(ReviewDrillTest, BadUsageAndADamagedHistory)
{
    const std::pair<const char*, std::vector<std::string>> usage[] = {
        { "retention too low", { List, "--due", "--retention", "0.5" } },
        { "retention not a number", { List, "--due", "--retention", "high" } },
        { "no such date", { List, "--due", "--today", "2026-02-30" } },
        { "new per day without a review", { List, "--new-per-day", "5" } },
        { "negative new per day", { List, "--due", "--new-per-day", "-1" } },
    };
    for (const auto& [name, args] : usage) {
        SCOPED_TRACE(name);
        const TCliResult run = ::Drill(args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_FALSE(run.Err.empty());
    }
    std::filesystem::create_directories(std::filesystem::path(THistory::DefaultPath()).parent_path());
    WriteBytes(THistory::DefaultPath(), std::string(3000, 'x'));
    const TCliResult run = Drill("dog\n", "2026-12-07");
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find(THistory::DefaultPath()), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("damaged"), std::string::npos) << run.Err;
    EXPECT_EQ(ReadBytes(THistory::DefaultPath()), std::string(3000, 'x'));
    EXPECT_TRUE(run.Lines.empty());
}

// A script sees each verdict before it answers the next question, and a kill loses no answer
// whose verdict was shown.
TEST_F(ReviewDrillTest, AChildProcessAnswersLineByLineAndIsKilled)
{
    TRunningProgram cli({ VELMORIA_CLI_PATH, "test", List, "--due", "--today", "2026-12-07" });
    const char* questions[] = { "Q: Hund\n", "Q: Katze\n", "Q: Maus\n" };
    const char* answers[] = { "dog\n", "wrong\n", "mouse\n" };
    const char* verdicts[] = { "Right! dog\n", "Wrong! cat\n", "Right! mouse\n" };
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(cli.WaitForOutput(questions[i], std::chrono::seconds(10))) << cli.Output();
        cli.Write(answers[i]);
        ASSERT_TRUE(cli.WaitForOutput(verdicts[i], std::chrono::seconds(10))) << cli.Output();
    }
    ASSERT_TRUE(cli.WaitForOutput("Right! mouse\nQ: Katze\n", std::chrono::seconds(10))) << cli.Output();
    ::kill(cli.Pid(), SIGKILL);
    EXPECT_EQ(cli.Wait(std::chrono::seconds(10)), -1);
    EXPECT_EQ(Answers(), 3);
}

} // namespace
