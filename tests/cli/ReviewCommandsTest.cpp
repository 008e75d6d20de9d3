// velmoria-cli due and history: counts and listings from the review history, its export and its
// merge. Each test has a data folder of its own.

#include "CliRun.h"
#include "core/VocabFile.h"
#include "review/History.h"
#include "review/ReviewQueue.h"
#include "review/ReviewSupport.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

// 2024-03-01 12:00 UTC, moved onto a local day.
std::int64_t At(const char* day, int hour = 12)
{
    return OnDay(1709294400000 + (hour - 12) * 3600000LL, *ParseDay(day));
}

class ReviewCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ok({ "new", List, "--foreign", "0x0407", "--native", "0x0409" });
        for (const auto& [word, translation] :
            { std::pair("der @Hund", "dog"), { "Katze", "cat" }, { "Haus", "house" }, { "Baum", "tree" } })
            Ok({ "add", List, word, translation });
    }
    void UseDataFolder(const std::string& name) { setenv("XDG_DATA_HOME", Dir.File(name).c_str(), 1); }
    // Answers item i of the list in the history (direction 0 unless given).
    void Answer(int i, bool correct, bool hint, std::int64_t unixMs, std::uint8_t direction = 0)
    {
        TVocabFile document;
        document.LoadFromFile(List);
        THistory history(THistory::DefaultPath());
        history.RecordAnswer(CardKeyOf(document, document.Items(i), direction), correct, hint, unixMs, 1500,
            TSchedulerParameters {}, false);
    }

    TDataHome Home; // its folder "data" is the history's until a test moves it
    const TTempDir& Dir = Home.Dir();
    std::string List = Dir.File("de.vmr");
};

} // namespace

TEST_F(ReviewCommandsTest, DueCountsAndListFollowTheHistoryDayByDay)
{
    Answer(0, true, false, At("2024-03-01")); // Good: due in 3 days
    Answer(1, false, false, At("2024-03-01")); // Again: due tomorrow
    Answer(2, true, true, At("2024-03-01")); // Hard: due in 2 days
    const std::string before = ReadBytes(List);
    const struct {
        std::vector<std::string> Args;
        std::string Expected;
    } cases[] = {
        { { "--today", "2024-03-01" }, "due 1\nagain 1\nnew 1\nnext 2024-03-02\n" },
        { { "--today", "2024-03-02" }, "due 1\nagain 0\nnew 1\nnext 2024-03-03\n" },
        { { "--today", "2024-04-30" }, "due 3\nagain 0\nnew 1\nnext none\n" },
        // Yesterday's answers do not count against today's new cards.
        { { "--today", "2024-03-02", "--new-per-day", "0" }, "due 1\nagain 0\nnew 0\nnext 2024-03-03\n" },
        // The other direction is another set of cards.
        { { "--today", "2024-03-02", "--into", "foreign" }, "due 0\nagain 0\nnew 4\nnext none\n" },
        { { "--today", "2024-03-02", "--list" },
            "due 1\nagain 0\nnew 1\nnext 2024-03-03\n"
            "0\t2024-03-04\t2.31\t2.12\n1\t2024-03-02\t0.21\t6.41\n2\t2024-03-03\t1.29\t5.11\n3\tnew\t\t\n" },
        { { "--today", "2024-03-02", "--into", "both" }, "due 1\nagain 0\nnew 5\nnext 2024-03-03\n" },
        { { "--today", "2024-03-02", "--list", "--into", "foreign", "--new-per-day", "9" },
            "due 0\nagain 0\nnew 4\nnext none\n0\tnew\t\t\n1\tnew\t\t\n2\tnew\t\t\n3\tnew\t\t\n" },
    };
    for (const auto& c : cases) {
        std::vector<std::string> args { "due", List };
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(Ok(args), c.Expected);
    }
    EXPECT_EQ(ReadBytes(List), before);
}

TEST_F(ReviewCommandsTest, BadUsageUnusableFilesAndADamagedHistoryAreRefused)
{
    const struct {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    } cases[] = { { { "due", "LIST", "--today", "2024-02-30" }, 2, "--today" },
        { { "due", "LIST", "--today", "31.03.2024" }, 2, "--today" },
        { { "due", "LIST", "--into", "sideways" }, 2, "--into" },
        { { "due", "LIST", "--retention", "0.9" }, 2, "--retention" },
        { { "history", "import", "LIST", "--retention", "0.69" }, 2, "--retention" },
        { { "history", "import", "LIST", "--retention", "0.98" }, 2, "--retention" },
        { { "history", "import", "LIST", "--retention", "nan" }, 2, "--retention" },
        { { "history", "import", "LIST", "--retention", "0.9x" }, 2, "--retention" },
        { { "due", "LIST", "--new-per-day", "-1" }, 2, "--new-per-day" },
        { { "due", "LIST", "--new-per-day", "10000" }, 2, "--new-per-day" },
        { { "due", "LIST", "--wait", "3" }, 2, "--wait" }, { { "due", "LIST", "OTHER" }, 2, "Usage" },
        { { "due", "MISSING" }, 1, "MISSING" }, { { "history", "export" }, 2, "Usage" },
        { { "history", "delete", "OUT" }, 2, "Usage" }, { { "history", "import", "MISSING" }, 1, "MISSING" },
        { { "history", "evaluate", "--parameters", "1,2,3" }, 2, "--parameters" },
        { { "history", "evaluate", "--parameters", std::string(41, ',') }, 2, "--parameters" },
        { { "history", "optimize", "--pair", "0x0407" }, 2, "--pair" },
        { { "history", "optimize", "--pair", "0x0407-" }, 2, "--pair" } };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.Args;
        for (auto& a : args)
            a = a == "LIST" ? List : a == "MISSING" ? Dir.File("missing.csv") : a == "OTHER" ? List : a;
        SCOPED_TRACE(::testing::PrintToString(args));
        const TCliResult r = Cli(args);
        EXPECT_EQ(r.Status, c.Status);
        EXPECT_NE(
            r.Err.find(c.Message == std::string("MISSING") ? "missing.csv" : c.Message), std::string::npos)
            << r.Err;
        EXPECT_EQ(r.Out, "");
    }
    // Accepted at both ends of the range (the list is no history: nothing to import).
    for (const char* retention : { "0.7", "0.97" }) {
        WriteBytes(Dir.File("empty.csv"), "");
        EXPECT_EQ(Ok({ "history", "import", Dir.File("empty.csv"), "--retention", retention }),
            "0 answers imported.\n");
    }

    // A damaged history is named and left alone.
    const std::string path = THistory::DefaultPath();
    {
        THistory create(path);
    }
    WriteBytes(path, std::string(4096, 'x'));
    FailsWith(1, { "due", List }, path);
    EXPECT_EQ(ReadBytes(path), std::string(4096, 'x'));
    EXPECT_EQ(Cli({ "history", "export", Dir.File("out.csv") }).Status, 1);
}

TEST_F(ReviewCommandsTest, ExportAndImportMoveAndMergeAHistory)
{
    // One machine: item 0 on three days, item 1 once, a practice repeat the same day.
    Answer(0, true, false, At("2024-03-01"));
    Answer(0, true, false, At("2024-03-04"));
    Answer(1, false, false, At("2024-03-01", 9));
    Answer(1, true, false, At("2024-03-01", 10)); // same day: practice
    Answer(0, false, false, At("2024-03-18"));
    const std::string exported = Dir.File("a.csv");
    EXPECT_EQ(Ok({ "history", "export", exported }), "Exported 5 answers.\n");
    const std::string listedHere = Ok({ "due", List, "--list", "--today", "2024-03-20" });

    // Another machine with an answer of its own between them, in the foreign direction, and one
    // on item 0 that comes after the others in time.
    UseDataFolder("other");
    Answer(2, true, false, At("2024-03-02"), 1);
    Answer(0, true, true, At("2024-03-19"));
    EXPECT_EQ(Ok({ "history", "import", exported }), "5 answers imported.\n");
    EXPECT_EQ(Ok({ "history", "import", exported }), "0 answers imported.\n");

    // The replay itself is the history's; here the merge reaches both directions' listings.
    const std::string merged = Ok({ "due", List, "--list", "--today", "2024-03-20" });
    EXPECT_NE(merged, listedHere);
    // Item 1 is as recorded here: replayed at the default retention, the practice repeat not rescheduling it.
    const auto itemOne = [](const std::string& listing) {
        const auto at = listing.find("\n1\t");
        return listing.substr(at, listing.find('\n', at + 1) - at);
    };
    EXPECT_EQ(itemOne(merged), itemOne(listedHere));
    EXPECT_EQ(Ok({ "due", List, "--list", "--into", "foreign", "--today", "2024-03-20" }).find("2\tnew"),
        std::string::npos);

    // The merged history exports all seven answers; moving it back adds only the two new ones.
    EXPECT_EQ(Ok({ "history", "export", Dir.File("b.csv") }), "Exported 7 answers.\n");
    UseDataFolder("data");
    EXPECT_EQ(Ok({ "history", "import", Dir.File("b.csv") }), "2 answers imported.\n");
    EXPECT_EQ(Ok({ "due", List, "--list", "--today", "2024-03-20" }), merged);
}

TEST_F(ReviewCommandsTest, SyncSharesTheHistoryOfTwoDataFoldersThroughOneFolder)
{
    const std::string shared = Dir.File("shared");
    std::filesystem::create_directory(shared);
    Answer(0, true, false, At("2024-03-01"));
    Answer(1, false, false, At("2024-03-01", 9));
    EXPECT_EQ(Ok({ "history", "sync", shared }), "Wrote 2 answers, merged 0 answers.\n");
    UseDataFolder("other");
    Answer(0, true, false, At("2024-03-04"));
    EXPECT_EQ(
        Ok({ "history", "sync", shared, "--retention", "0.8" }), "Wrote 1 answers, merged 2 answers.\n");
    const std::string there = Ok({ "due", List, "--list", "--today", "2024-03-20" });
    UseDataFolder("data");
    EXPECT_EQ(
        Ok({ "history", "sync", shared, "--retention", "0.8" }), "Wrote 0 answers, merged 1 answers.\n");
    EXPECT_EQ(Ok({ "due", List, "--list", "--today", "2024-03-20" }), there);
    FailsWith(1, { "history", "sync", Dir.File("missing") }, "missing");
}

TEST_F(ReviewCommandsTest, ImportReplaysAtTheRetentionAskedAndABadOneChangesNothing)
{
    Answer(0, true, false, At("2024-03-01"));
    Answer(0, true, false, At("2024-03-04"));
    const std::string exported = Dir.File("a.csv");
    Ok({ "history", "export", exported });
    const std::string before = Ok({ "due", List, "--list", "--today", "2024-03-04" });
    // The kinds of bad rows are the history's to refuse; here the refusal reaches the user, naming
    // the file as given and the line, not the history.
    WriteBytes(
        Dir.File("bad.csv"), ReadBytes(exported) + "1,1709380800000,7,2,100,1031,1033,0,Katze,cat,0\n");
    const TCliResult bad = Cli({ "history", "import", Dir.File("bad.csv") });
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err.rfind(Dir.File("bad.csv") + ", line 4: ", 0), 0u) << bad.Err;
    EXPECT_EQ(bad.Err.find(THistory::DefaultPath()), std::string::npos) << bad.Err;
    EXPECT_EQ(Ok({ "due", List, "--list", "--today", "2024-03-04" }), before);

    std::map<std::string, std::string> listed;
    for (const std::string retention : { "0.7", "0.9", "0.97", "" }) {
        UseDataFolder("retention-" + retention);
        std::vector<std::string> args { "history", "import", exported };
        if (!retention.empty())
            args.insert(args.end(), { "--retention", retention });
        Ok(args);
        listed[retention] = Ok({ "due", List, "--list", "--today", "2024-03-04" });
    }
    EXPECT_EQ(listed[""], listed["0.9"]) << "the default";
    // As a spreadsheet saves it: a byte order mark and CRLF line ends.
    std::string marked = "\xEF\xBB\xBF";
    for (const char c : ReadBytes(exported))
        marked += c == '\n' ? std::string("\r\n") : std::string(1, c);
    WriteBytes(Dir.File("marked.csv"), marked);
    UseDataFolder("marked");
    EXPECT_EQ(Ok({ "history", "import", Dir.File("marked.csv") }), "2 answers imported.\n");
    EXPECT_EQ(Ok({ "due", List, "--list", "--today", "2024-03-04" }), listed[""]);
    // The second answer was scheduled further out the less recall is asked for.
    EXPECT_GT(listed["0.7"].substr(listed["0.7"].find("\n0\t") + 3, 10),
        listed["0.97"].substr(listed["0.97"].find("\n0\t") + 3, 10));
}

TEST_F(ReviewCommandsTest, DueOfAllRecentListsAsTheWindowStoredThemSkippingWhatCannotBeRead)
{
    const TScopedEnv config("XDG_CONFIG_HOME", Dir.File("config"));
    EXPECT_EQ(Ok({ "due", "--all" }), ""); // no settings yet: no lists
    const std::string french = Dir.File("fr, 2.vmr");
    Ok({ "new", french, "--foreign", "0x040C", "--native", "0x0409" });
    Ok({ "add", french, "chien", "dog" });
    WriteBytes(Dir.File("junk.vmr"), "no list");
    Answer(0, true, false, At("2024-03-01"));
    Answer(1, false, false, At("2024-03-01"));
    std::filesystem::create_directories(Dir.File("config/Brannock"));
    WriteBytes(Dir.File("config/Brannock/Velmoria.conf"),
        "[2]\nFileCount=4\nFile1=" + List + "\nFile2=" + Dir.File("gone.vmr") + "\nFile3=\"" + french
            + "\"\nFile4=" + Dir.File("junk.vmr") + "\nReviewNewPerDay=1\nTestMode=0\n");
    const std::string de = "\tGerman (Standard)\tEnglish (United States)\t" + List + "\n";
    const std::string fr = "\tFrench (Standard)\tEnglish (United States)\t" + french + "\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { {}, "2\t1" + de + "0\t1" + fr },
        { { "--into", "foreign", "--new-per-day", "3" }, "0\t3" + de + "0\t1" + fr },
    };
    for (const auto& [options, expected] : cases) {
        std::vector<std::string> args { "due", "--all", "--today", "2024-04-30" };
        args.insert(args.end(), options.begin(), options.end());
        const TCliResult r = Cli(args);
        EXPECT_EQ(std::pair(r.Status, r.Out), std::pair(0, expected));
        EXPECT_TRUE(Contains(r.Err, "Skipped: Cannot open file \"" + Dir.File("gone.vmr"))
            && Contains(r.Err, "Skipped: " + Dir.File("junk.vmr")))
            << r.Err;
    }
    FailsWith(2, { "due", "--all", List }, "Usage");
    FailsWith(2, { "due", "--all", "--list" }, "--list");
}

// Too few answers: the published set stays, and --apply keeps nothing.
TEST_F(ReviewCommandsTest, OptimizeAndEvaluateAFewAnswers)
{
    Answer(0, true, false, At("2024-03-01"));
    Answer(0, false, false, At("2024-03-04"));
    EXPECT_EQ(Ok({ "history", "evaluate" }), "Too few answers to evaluate.\n");
    // The list's cards are kept under the primary languages its identifiers name.
    const TCliResult r = Cli({ "history", "optimize", "--apply", "--pair", "0x0c07-0x0809" });
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Out.starts_with("Answers: 2,") && Contains(r.Err, "64 training items")) << r.Out << r.Err;
    const TCliResult apply = Cli({ "history", "optimize", "--apply" });
    EXPECT_EQ(apply.Status, 1);
    EXPECT_NE(
        apply.Out.find(
            "Answers: 2, training items: 1 (0 after the outlier filter)\nToo few answers: the published"),
        std::string::npos)
        << apply.Out;
    EXPECT_NE(apply.Err.find("Not applied"), std::string::npos);
    EXPECT_FALSE(THistory(THistory::DefaultPath()).LearnerParameters());
}

// A simulated learner's answers as one pair's: the pair's own set, fitted and better than the poor
// set of the learner's, is kept beside it, and a reset clears both.
TEST_F(ReviewCommandsTest, OptimizeAPairOfLanguagesAndResetEverySet)
{
    std::vector<THistoryImportRow> rows;
    std::ifstream in(std::string(VELMORIA_SOURCE_DIR) + "/tests/review/optimizer-vectors/a1k.txt");
    for (std::string line; std::getline(in, line);)
        if (std::int64_t card = 0, time = 0, day = 0, rating = 0;
            line[0] == 'a' && std::istringstream(line.substr(1)) >> card >> time >> day >> rating)
            rows.push_back({ { 7, 9, "w" + std::to_string(card), "t", 0 }, 1577836800000 + time, 3000,
                static_cast<int>(rating) });
    THistory history(THistory::DefaultPath());
    history.ImportAnswers(rows);
    history.SetLearnerParameters(ClipWeights({}), 1);
    Ok({ "history", "optimize", "--pair", "0x07-0x09", "--apply" });
    const TLanguagePair pair(7, 9);
    EXPECT_TRUE(history.LearnerParameters(pair) && history.LearnerParameters()->W == ClipWeights({}));
    Ok({ "history", "reset-parameters" });
    EXPECT_FALSE(history.LearnerParameters(pair) || history.LearnerParameters());
}
