// velmoria-cli test: the terminal drill driven with piped input, in-process.

#include "cli/Drill.h"

#include "CliRun.h"
#include "core/DocumentBuilders.h"
#include "core/FileAttributes.h"
#include "core/VocabFile.h"
#include "evaluation/TextUtils.h"
#include "support/RunningProgram.h"
#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class DrillTest : public ::testing::Test {
protected:
    // Items: foreign, notes, native (UTF-8).
    void MakeList(const std::vector<std::array<std::string, 3>>& items, LangId foreign = German,
        LangId native = English)
    {
        TVocabFile doc;
        doc.SetForeignLangID(foreign);
        doc.SetNativeLangID(native);
        for (const auto& [f, notes, n] : items) {
            auto item = std::make_unique<TVocabItem>();
            item->SetFieldValues(
                Utf8ToAnsi(f, LanguageCodePage(foreign)), "", notes, Utf8ToAnsi(n, LanguageCodePage(native)));
            doc.AppendItem(std::move(item));
        }
        doc.EndBulkAppend();
        doc.SaveToFile(List);
    }
    TCliResult Drill(const std::string& input, std::vector<std::string> args = {}, bool terminal = false)
    {
        args.insert(args.begin(), List);
        return ::Drill(args, input, terminal);
    }
    std::unique_ptr<TVocabFile> Saved()
    {
        auto doc = std::make_unique<TVocabFile>();
        doc->LoadFromFile(List);
        return doc;
    }

    TTempDir Dir;
    std::string List = Dir.File("list.vmr");
};

TEST_F(DrillTest, TypedTestToTheEndSavesTheProgress)
{
    MakeList({ { "der Hund", "", "dog" } });
    const TCliResult run = Drill("cat\ndog\n", { "--penalty", "3" });
    EXPECT_EQ(run.Status, 0) << run.Err;
    const std::vector<std::string> expected = { "Q: der Hund", "Wrong! dog", "Q: der Hund", "Right! dog",
        "Congratulations!", "", "You have learnt all the vocabulary in list.vmr.",
        "Statistics must be reset before testing resumes...",
        "Totals: 2 answered, 1 right; 1 of 1 words learnt (100%)." };
    EXPECT_EQ(run.Lines, expected);
    const auto doc = Saved();
    EXPECT_EQ(std::tuple(doc->Attempts(), doc->Successes(), doc->Items(0).Learnt()), std::tuple(2, 1, true));
    // All learnt at the start: the file is left alone.
    const std::string bytes = ReadBytes(List);
    const TCliResult again = Drill("dog\n");
    EXPECT_EQ(std::pair(again.Status, again.Lines[0]),
        std::pair(0, std::string("You have learnt all the vocabulary in list.vmr.")));
    EXPECT_EQ(ReadBytes(List), bytes);
}

TEST_F(DrillTest, StopEndOfInputInterruptAndTerminationSaveWhatWasAnswered)
{
    for (const char* input : { "cat\n:stop\ndog\n", "cat\n", "cat\r\n" }) {
        SCOPED_TRACE(input);
        MakeList({ { "der Hund", "", "dog" }, { "die Katze", "", "cat" } });
        const TCliResult run = Drill(input);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(Saved()->Attempts(), 1);
        EXPECT_EQ(run.Lines.back().rfind("Totals: 1 answered, ", 0), 0u) << run.Out;
    }

    // Interrupt and termination end the test as stop does.
    for (const int signal : { SIGINT, SIGTERM }) {
        SCOPED_TRACE(strsignal(signal));
        MakeList({ { "der Hund", "", "dog" }, { "die Katze", "", "cat" } });
        // After "--" the name is a file, whatever it looks like.
        TRunningProgram cli({ VELMORIA_CLI_PATH, "test", "--seed", "1", "--", List });
        ASSERT_TRUE(cli.WaitForOutput("Q: ", std::chrono::seconds(10))) << cli.Output();
        // Half an answer typed when the signal comes is no answer.
        cli.Write("dog\ncat");
        ASSERT_TRUE(cli.WaitForOutput("! ", std::chrono::seconds(10))) << cli.Output();
        ASSERT_TRUE(cli.WaitForOutput("\nQ: ", std::chrono::seconds(10))) << cli.Output();
        ::kill(cli.Pid(), signal);
        EXPECT_EQ(cli.Wait(std::chrono::seconds(10)), 0) << cli.Output();
        EXPECT_NE(cli.Output().find("\nTotals: 1 answered, "), std::string::npos) << cli.Output();
        EXPECT_EQ(Saved()->Attempts(), 1);
    }
}

TEST_F(DrillTest, HintsTheDisallowHintsRuleAndTestedNotes)
{
    MakeList({ { "Haus", "", "house" } });
    TCliResult run = Drill(":hint hoz\n:hint\n:hint hou\nhouse\n", { "--disallow-hints" });
    const std::vector<std::string> start
        = { "Q: Haus", "Hint: hou", "Hint: h", "Hint: hous", "Right! house" };
    EXPECT_EQ(std::vector<std::string>(run.Lines.begin(), run.Lines.begin() + 5), start);
    EXPECT_EQ(std::pair(Saved()->Successes(), Saved()->Items(0).Learnt()), std::pair(0, false));
    // Multiple choice has no field to hint.
    run = Drill(":hint x\n:stop\n", { "--multiple-choice" });
    EXPECT_EQ(run.Err, "Command unavailable.\n");
    MakeList({ { "die Katze", "pl. Katzen", "cat" } });
    // Notes are asked on the next line when tested.
    run = Drill("die Katze\n:hint p\nPL katzen\n", { "--test-notes", "--into", "foreign" });
    const std::vector<std::string> notes = { "Q: cat", "Hint: pl", "Right! die Katze (Notes: pl. Katzen)" };
    EXPECT_EQ(std::vector<std::string>(run.Lines.begin(), run.Lines.begin() + 3), notes);
    MakeList({ { "die Katze", "pl. Katzen", "cat" } });
    run = Drill("cat\npl. Hunde\n:stop\n", { "--test-notes" });
    EXPECT_EQ(run.Lines[1], "Wrong! cat (Notes: pl. Katzen)");
    // Without the flag the notes are not asked.
    run = Drill("cat\n", {});
    EXPECT_EQ(run.Lines[1], "Right! cat");
}

TEST_F(DrillTest, MultipleChoiceVerdictsFollowTheNumberChosen)
{
    MakeList({ { "a", "", "1" }, { "b", "", "2" }, { "c", "", "3" }, { "d", "", "4" }, { "e", "", "5" },
        { "f", "", "6" } });
    const TCliResult run
        = Drill("1\n2\n3\n\nx\n9\n1\n:stop\n", { "--multiple-choice", "--choices", "3", "--seed", "5" });
    EXPECT_EQ(run.Status, 0);
    // Each question lists three choices; the verdict says right exactly when the number named the answer.
    const std::string input[] = { "1", "2", "3", "", "1" };
    int questions = 0;
    for (std::size_t i = 0; i < run.Lines.size(); ++i) {
        if (run.Lines[i].rfind("Q: ", 0) != 0 || i + 4 >= run.Lines.size()
            || run.Lines[i + 4].rfind("Totals: ", 0) == 0)
            continue;
        ASSERT_LT(questions, 5);
        const std::string verdict = run.Lines[i + 4];
        const std::string& choice = input[questions++];
        const std::string chosen = choice.empty() ? "" : run.Lines[i + std::stoul(choice)].substr(3);
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(run.Lines[i + static_cast<std::size_t>(k)].substr(0, 3), std::to_string(k) + ") ");
        const bool right = verdict.rfind("Right! ", 0) == 0;
        EXPECT_TRUE(right || verdict.rfind("Wrong! ", 0) == 0) << verdict;
        EXPECT_EQ(right, chosen == verdict.substr(7)) << run.Out;
    }
    EXPECT_EQ(questions, 5);
    EXPECT_EQ(run.Err, "Answer with a number from 1 to 3.\nAnswer with a number from 1 to 3.\n");
}

TEST_F(DrillTest, SeedRepeatsTheTestAndFlagsChangeTheJudging)
{
    const std::vector<std::array<std::string, 3>> items
        = { { "laufen", "", "to run" }, { "gehen", "", "to go" }, { "Hund", "", "Dog" } };
    MakeList(items);
    const std::string input = "run\ngo\ndog\nrun\ngo\ndog\n";
    const TCliResult first = Drill(input, { "--seed", "42" });
    MakeList(items);
    EXPECT_EQ(Drill(input, { "--seed", "42" }).Out, first.Out);

    // The judging rules are the engine's; here each flag reaches it.
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        const char *Word, *Native, *Answer, *Verdict;
    } cases[] = {
        { "to omitted by default", {}, "laufen", "to run", "run", "Right! to run" },
        { "no English flags", { "--english-flags", "0" }, "laufen", "to run", "run", "Wrong! to run" },
        { "case ignored by default", {}, "Hund", "Dog", "dog", "Right! Dog" },
        { "case counts without native flags", { "--native-flags", "0" }, "Hund", "Dog", "dog", "Wrong! Dog" },
        { "case ignored into the foreign language", { "--into", "foreign" }, "gehen", "x", "GEHEN",
            "Right! gehen" },
        { "case counts without foreign flags", { "--into", "foreign", "--foreign-flags", "0" }, "gehen", "x",
            "GEHEN", "Wrong! gehen" },
        { "foreign accents", { "--into", "foreign", "--foreign-accents" }, "müde", "y", "muede",
            "Right! Check the accents. müde" },
        { "the other side's accents", { "--into", "foreign", "--native-accents" }, "müde", "y", "mude",
            "Wrong! Only the accents differ. müde" },
        { "native accents", { "--native-accents" }, "x", "café", "cafe", "Right! Check the accents. café" },
        { "native typos", { "--native-typos" }, "Haus", "house", "hosue",
            "Almost! One letter differs. house" },
        { "foreign typos", { "--into", "foreign", "--foreign-typos" }, "gehen", "x", "gehn",
            "Almost! One letter differs. gehen" },
        { "typos off by default", {}, "Haus", "house", "hosue", "Wrong! house" },
        { "the other side's typos", { "--foreign-typos" }, "Haus", "house", "hosue", "Wrong! house" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeList({ { c.Word, "", c.Native } });
        const TCliResult run = Drill(std::string(c.Answer) + "\n:stop\n", c.Args);
        ASSERT_GE(run.Lines.size(), 2u) << run.Err;
        EXPECT_EQ(run.Lines[1], c.Verdict);
    }
}

TEST_F(DrillTest, TextsAreUtf8InBothDirectionsOfACyrillicList)
{
    MakeList({ { "собака", "", "dog" } }, Russian, English);
    const TCliResult run = Drill("сабака\n:hint со\n:stop\n", { "--into", "foreign" });
    EXPECT_EQ(std::tuple(run.Lines[0], run.Lines[1], run.Lines[3], Drill("dog\n").Lines[0]),
        std::tuple("Q: dog", "Wrong! собака", "Hint: соб", "Q: собака"));
}

TEST_F(DrillTest, PromptsColoursAndMarkingOnlyOnATerminal)
{
    MakeList({ { "Haus", "", "house" } });
    TCliResult run = Drill("hose\n:stop\n", {}, true);
    EXPECT_NE(run.Out.find("> "), std::string::npos);
    EXPECT_NE(run.Out.find("\x1b[31mWrong!\x1b[0m"), std::string::npos);
    // The marking shows the missing letter underlined.
    EXPECT_NE(run.Out.find("ho\x1b[4;32mu\x1b[0mse"), std::string::npos) << run.Out;
    run = Drill("hose\n:stop\n");
    EXPECT_EQ(run.Out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.Out.find("> "), std::string::npos);
    // The accents that differ are marked beside a right answer too.
    MakeList({ { "müde", "", "tired" } });
    run = Drill("mude\n:stop\n", { "--into", "foreign", "--foreign-accents" }, true);
    EXPECT_NE(run.Out.find("m\x1b[9;31mu\x1b[0m\x1b[4;32mü\x1b[0mde"), std::string::npos) << run.Out;
}

TEST_F(DrillTest, FailuresAndBadUsage)
{
    const std::pair<const char*, std::vector<std::string>> cases[]
        = { { "no file", {} }, { "two files", { "a.vmr", "b.vmr" } }, { "unknown option", { "--fast" } },
              { "bad direction", { "--into", "sideways" } }, { "too few choices", { "--choices", "2" } },
              { "penalty without value", { "--penalty" } },
              { "side flags out of range", { "--native-flags", "0x40" } },
              { "English flags with side bits", { "--english-flags", "0x41" } },
              { "negative seed", { "--seed", "-1" } } };
    MakeList({ { "der Hund", "", "dog" } });
    for (auto [name, args] : cases) {
        SCOPED_TRACE(name);
        if (!args.empty() && args[0].starts_with("--"))
            args.insert(args.begin(), List);
        const TCliResult run = ::Drill(args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_FALSE(run.Err.empty());
    }
    // Unreadable, damaged and read-only files fail with a message before any question.
    EXPECT_EQ(::Drill({ Dir.File("missing.vmr") }, "dog\n").Status, 1);
    WriteBytes(Dir.File("bad.vmr"), "not a list");
    EXPECT_EQ(::Drill({ Dir.File("bad.vmr") }, "dog\n").Status, 1);
    std::filesystem::permissions(
        List, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const TCliResult readOnly = ::Drill({ List }, "dog\n");
    EXPECT_TRUE(readOnly.Status == 1 && Contains(readOnly.Err, "read-only") && !Contains(readOnly.Out, "Q: "))
        << readOnly.Err;
    // The command is reachable through the command line.
    EXPECT_EQ(Cli({ "test", Dir.File("missing.vmr") }).Status, 1);
}

} // namespace
