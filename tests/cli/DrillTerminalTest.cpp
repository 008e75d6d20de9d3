// velmoria-cli test on a real terminal (a pseudo-terminal): a Return typed right after an answer,
// before the next question could be read, never answers that question, in the test and in the
// review. A pipe keeps every line (ReviewDrillTest, DrillTest).

#include "review/ReviewSupport.h"
#include "support/RunningProgram.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace {

using namespace std::chrono_literals;

struct TTypedAhead {
    const char* Name;
    std::vector<std::string> Args; // after "test LIST"
    const char* Extra; // typed after the first answer
    std::chrono::milliseconds After; // that long after it; 0: with the answer, in one write
    const char* Totals;
};

void PrintTo(const TTypedAhead& row, std::ostream* out)
{
    *out << row.Name;
}

class DrillTerminalTest : public ::testing::TestWithParam<TTypedAhead> {
protected:
    void SetUp() override
    {
        TVocabFile doc;
        FillPairs(doc, { { "Hund", "dog" }, { "Katze", "cat" }, { "Maus", "mouse" } });
        doc.SaveToFile(List);
    }
    TDataHome Home;
    TScopedEnv Config { "XDG_CONFIG_HOME", Home.Dir().File("config") };
    TScopedEnv HomeFolder { "HOME", Home.Dir().Path().string() };
    std::string List = Home.Dir().File("list.vmr");
};

// The word of the question asked from offset from on, once its prompt is there; "" when none comes.
std::string NextQuestion(TRunningProgram& cli, std::size_t& from)
{
    if (!cli.WaitForOutput("Q: ", 10s, from))
        return {};
    const std::size_t start = cli.Output().find("Q: ", from) + 3;
    if (!cli.WaitForOutput("> ", 10s, start))
        return {};
    from = cli.Output().find("> ", start) + 2;
    return cli.Output().substr(start, cli.Output().find_first_of("\r\n", start) - start);
}

TEST_P(DrillTerminalTest, AReturnRightAfterAnAnswerDoesNotAnswerTheNextQuestion)
{
    const TTypedAhead& row = GetParam();
    std::vector<std::string> args = { VELMORIA_CLI_PATH, "test", List };
    args.insert(args.end(), row.Args.begin(), row.Args.end());
    TRunningProgram cli(args, TProgramConsole::Terminal);
    const std::map<std::string, std::string> answers
        = { { "Hund", "dog" }, { "Katze", "cat" }, { "Maus", "mouse" } };
    std::size_t from = 0;
    const std::string first = NextQuestion(cli, from);
    ASSERT_TRUE(answers.contains(first)) << cli.Output();
    if (row.After == 0ms) {
        cli.Write(answers.at(first) + "\r" + row.Extra);
    } else {
        cli.Write(answers.at(first) + "\r");
        std::this_thread::sleep_for(row.After);
        cli.Write(row.Extra);
    }
    const std::string second = NextQuestion(cli, from);
    ASSERT_TRUE(answers.contains(second)) << cli.Output();
    // Long enough for the stray line to be taken as an answer, and for a person to read the question.
    std::this_thread::sleep_for(700ms);
    cli.Write(answers.at(second) + "\r");
    ASSERT_TRUE(cli.WaitForOutput("Right!", 10s, from)) << cli.Output();
    EXPECT_EQ(cli.Output().find("Wrong!"), std::string::npos) << cli.Output();
    ASSERT_FALSE(NextQuestion(cli, from).empty()) << cli.Output();
    std::this_thread::sleep_for(700ms);
    cli.Write(":stop\r");
    EXPECT_EQ(cli.Wait(10s), 0) << cli.Output();
    EXPECT_NE(cli.Output().find(row.Totals), std::string::npos) << cli.Output();
}

const TTypedAhead TypedAhead[] = {
    { "TestReturnLater", { "--seed", "1" }, "\r", 100ms, "Totals: 2 answered, 2 right;" },
    { "TestLineWithTheAnswer", { "--seed", "1" }, "cat\r", 0ms, "Totals: 2 answered, 2 right;" },
    { "ReviewReturnLater", { "--due", "--today", "2026-12-07" }, "\r", 100ms,
        "Stopped. 2 reviewed, 2 right." },
    { "ReviewLineWithTheAnswer", { "--due", "--today", "2026-12-07" }, "mouse\r", 0ms,
        "Stopped. 2 reviewed, 2 right." },
};
INSTANTIATE_TEST_SUITE_P(Terminal, DrillTerminalTest, ::testing::ValuesIn(TypedAhead),
    [](const auto& row) { return row.param.Name; });

} // namespace
