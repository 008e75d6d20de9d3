// velmoria-cli driven in-process: every command, its output, exit codes and refusals.

#include "cli/Cli.h"

#include "core/VocabFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <sstream>
#include <vector>

namespace {

struct TResult {
    int Status;
    std::string Out;
    std::string Err;
};

TResult Cli(std::initializer_list<std::string> args)
{
    std::vector<std::string> storage { "velmoria-cli" };
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& s : storage)
        argv.push_back(s.data());
    std::ostringstream out, err;
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return { status, out.str(), err.str() };
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        List = Dir.File("de.vmr");
        ASSERT_EQ(Cli({ "new", List, "--foreign", "0x0407", "--native", "English (United States)",
                          "--description", "Grundwortschatz \xC3\xA4", "--author", "Me" })
                      .Status,
            0);
    }
    void AddSample()
    {
        ASSERT_EQ(Cli({ "add", List, "der @Hund", "dog", "--category", "noun" }).Status, 0);
        ASSERT_EQ(
            Cli({ "add", List, "die @Katze", "cat", "--category", "noun", "--notes", "pl. Katzen" }).Status,
            0);
        ASSERT_EQ(
            Cli({ "add", List, "sch\xC3\xB6n", "beautiful; nice", "--category", "adjective" }).Status, 0);
        ASSERT_EQ(Cli({ "add", List, "  laufen  ", "to run" }).Status, 0);
    }
    TTempDir Dir;
    std::string List;
};

} // namespace

TEST_F(CliTest, NewAndInfo)
{
    const auto r = Cli({ "info", List });
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out,
        "foreign: 0x0407 German (Standard)\n"
        "native: 0x0409 English (United States)\n"
        "items: 0\nlearnt: 0\nattempts: 0\nsuccesses: 0\n"
        "description: Grundwortschatz \xC3\xA4\n"
        "author: Me\ncomments: \n");
    EXPECT_EQ(ReadBytes(List).size(), 45u + 17u /* "Grundwortschatz ä" in its code page */ + 2u);
}

TEST_F(CliTest, NewNeverOverwritesAFile)
{
    AddSample();
    const std::string before = ReadBytes(List);
    const auto r = Cli({ "new", List, "--foreign", "0x0407", "--native", "0x0409" });
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("already exists"), std::string::npos);
    EXPECT_EQ(ReadBytes(List), before);
}

TEST_F(CliTest, AddAndListConvertTextAndReadTheMarker)
{
    AddSample();
    const auto r = Cli({ "list", List });
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out,
        "0\tder Hund\tnoun\t\tdog\t4\t0\t0\n"
        "1\tdie Katze\tnoun\tpl. Katzen\tcat\t4\t0\t0\n"
        "2\tsch\xC3\xB6n\tadjective\t\tbeautiful; nice\t0\t0\t0\n"
        "3\tlaufen\t\t\tto run\t0\t0\t0\n");
    // The text is stored in the language's code page, not as UTF-8.
    TVocabFile doc;
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.Items(2).FieldValue(fiForeign), "sch\xF6n");
}

TEST_F(CliTest, AddRefusesWhatCannotBeStored)
{
    const std::string before = ReadBytes(List);
    const std::vector<std::pair<TResult, const char*>> results = {
        { Cli({ "add", List, "\xD0\xBA\xD0\xBE\xD1\x82", "cat" }),
            "code page" }, // Cyrillic in a German field
        { Cli({ "add", List, "   ", "cat" }), "Enter a word or phrase." },
        { Cli({ "add", List, "Katze", "" }), "Enter a translation." },
        { Cli({ "add", List, "Katze", std::string(70000, 'x') }), "65535" },
    };
    for (const auto& [r, message] : results) {
        EXPECT_EQ(r.Status, 1) << message;
        EXPECT_NE(r.Err.find(message), std::string::npos) << r.Err;
    }
    EXPECT_EQ(ReadBytes(List), before);
}

TEST_F(CliTest, BadUsageExitsWithTwo)
{
    for (const auto& r : { Cli({}), Cli({ "frobnicate" }), Cli({ "info" }), Cli({ "info", List, "extra" }),
             Cli({ "sort", List, "--field", "4" }), Cli({ "sort", List, "--field", "x" }),
             Cli({ "find", List, "a", "--mode", "middle" }), Cli({ "new", Dir.File("x.vmr") }),
             Cli({ "new", Dir.File("x.vmr"), "--foreign", "Klingon", "--native", "0x0409" }),
             Cli({ "match", "a", "b", "--delimiters", ";," }), Cli({ "list", List, "--bogus" }),
             Cli({ "import", List, Dir.File("a.txt"), "--columns", "word,word" }),
             Cli({ "export", List, Dir.File("a.txt") }) })
        EXPECT_EQ(r.Status, 2) << r.Err;
    EXPECT_EQ(Cli({ "--help" }).Status, 0);
    EXPECT_NE(Cli({ "--help" }).Out.find("find FILE TEXT"), std::string::npos);
}

TEST_F(CliTest, FailuresExitWithOneAndSayWhy)
{
    const auto missing = Cli({ "info", Dir.File("missing.vmr") });
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("missing.vmr"), std::string::npos);
    WriteBytes(Dir.File("bad.vmr"), "not a list");
    const auto bad = Cli({ "list", Dir.File("bad.vmr") });
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, "Invalid file format.\n");
}

TEST_F(CliTest, FindPrintsMatchesInSearchOrder)
{
    AddSample();
    ASSERT_EQ(Cli({ "add", List, "der Hundekuchen", "dog biscuit" }).Status, 0);
    EXPECT_EQ(Cli({ "find", List, "hund" }).Out, "0\n4\n");
    EXPECT_EQ(Cli({ "find", List, "hund", "--match-case" }).Status, 1);
    EXPECT_EQ(Cli({ "find", List, "Hund", "--whole-word" }).Out, "0\n");
    EXPECT_EQ(Cli({ "find", List, "schon" }).Out, "2\n");
    EXPECT_EQ(Cli({ "find", List, "schon", "--match-accents" }).Status, 1);
    EXPECT_EQ(Cli({ "find", List, "noun", "--field", "1", "--mode", "whole" }).Out, "0\n1\n");
    EXPECT_EQ(Cli({ "find", List, "", "--field", "2", "--mode", "whole" }).Out, "0\n2\n3\n4\n");
    EXPECT_EQ(Cli({ "find", List, "", "--field", "2" }).Status, 1);
    EXPECT_EQ(Cli({ "find", List, "to", "--field", "3", "--mode", "start" }).Out, "3\n");
}

TEST_F(CliTest, SortShuffleAndReset)
{
    AddSample();
    ASSERT_EQ(Cli({ "sort", List }).Status, 0);
    // Sorted by word/phrase after the sorting position: Hund, Katze, laufen, schön.
    auto r = Cli({ "list", List });
    EXPECT_EQ(r.Out.substr(0, r.Out.find('\n')), "0\tder Hund\tnoun\t\tdog\t4\t0\t0");
    EXPECT_NE(r.Out.find("3\tsch\xC3\xB6n"), std::string::npos);
    ASSERT_EQ(Cli({ "sort", List, "--field", "3" }).Status, 0);
    r = Cli({ "list", List });
    EXPECT_EQ(r.Out.substr(0, 18), "0\tsch\xC3\xB6n\tadjective");

    ASSERT_EQ(Cli({ "shuffle", List }).Status, 0);
    TVocabFile doc;
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.Count(), 4);

    doc.Items(0).PenaltyPoints = -1;
    doc.Items(1).LastAttempt = 5;
    doc.SaveToFile(List);
    ASSERT_EQ(Cli({ "reset", List }).Status, 0);
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.LearntCount(), 0);
    EXPECT_EQ(doc.Items(1).LastAttempt, 0);
}

TEST_F(CliTest, MatchJudgesAsATestWould)
{
    EXPECT_EQ(Cli({ "match", "The House", "the house" }).Out, "refused\n");
    EXPECT_EQ(Cli({ "match", "The House", "the house", "--flags", "8" }).Out, "accepted\n");
    EXPECT_EQ(Cli({ "match", "big, large", "large; big", "--flags", "0x1" }).Status, 0);
    EXPECT_EQ(Cli({ "match", "to run", "run", "--flags", "0x80" }).Status, 0);
    // The English rules do not apply to a German answer.
    EXPECT_EQ(Cli({ "match", "to run", "run", "--flags", "0x80", "--lang", "0x0407" }).Status, 1);
    EXPECT_EQ(Cli({ "match", "gro\xC3\x9F", "GROSS", "--flags", "8", "--lang", "0x0407" }).Status, 1);
    EXPECT_EQ(Cli({ "match", "a|b", "b", "--flags", "4", "--delimiters", ";,()|" }).Status, 0);
}

TEST_F(CliTest, ImportExportRoundTrip)
{
    AddSample();
    for (const std::string format :
        { "text-comma", "text-tab", "unicode-comma", "unicode-tab", "utf8-comma", "utf8-tab" }) {
        const std::string text = Dir.File("out-" + format + ".txt");
        ASSERT_EQ(Cli({ "export", List, text, "--format", format }).Status, 0) << format;
        const auto detected = Cli({ "detect", text });
        EXPECT_EQ(detected.Status, 0);
        const std::string copy = Dir.File("copy-" + format + ".vmr");
        ASSERT_EQ(Cli({ "new", copy, "--foreign", "0x0407", "--native", "0x0409" }).Status, 0);
        const auto r = Cli({ "import", copy, text, "--format", format });
        EXPECT_EQ(r.Status, 0) << format << r.Err;
        EXPECT_EQ(r.Out, "4 items imported successfully.\n");
        const auto listed = Cli({ "list", copy }).Out;
        EXPECT_NE(listed.find("sch\xC3\xB6n\tadjective\t\tbeautiful; nice"), std::string::npos)
            << format << listed;
    }
    // Columns in another order, a header line skipped.
    WriteBytes(Dir.File("cols.txt"), "English,German\r\ncat,Katze\r\nempty,\r\n");
    const auto r = Cli(
        { "import", List, Dir.File("cols.txt"), "--columns", "translations,word", "--start-line", "2" });
    EXPECT_EQ(r.Out, "1 items imported successfully.\n");
    EXPECT_NE(Cli({ "list", List }).Out.find("4\tKatze\t\t\tcat\t"), std::string::npos);
}

TEST_F(CliTest, ImportOfNothingFailsAndMergesVocabularyFiles)
{
    WriteBytes(Dir.File("empty.txt"), "");
    const auto nothing = Cli({ "import", List, Dir.File("empty.txt") });
    EXPECT_EQ(nothing.Status, 1);
    EXPECT_EQ(nothing.Err, "Nothing to import.\n");

    const std::string other = Dir.File("other.VMR");
    ASSERT_EQ(Cli({ "new", other, "--foreign", "0x0C07", "--native", "0x0809" }).Status, 0);
    ASSERT_EQ(Cli({ "add", other, "Apfel", "apple" }).Status, 0);
    const auto merged = Cli({ "import", List, other });
    EXPECT_EQ(merged.Status, 0) << merged.Err;
    EXPECT_EQ(merged.Out, "1 items imported successfully.\n");

    const std::string french = Dir.File("fr.vmr");
    ASSERT_EQ(Cli({ "new", french, "--foreign", "0x040C", "--native", "0x0409" }).Status, 0);
    ASSERT_EQ(Cli({ "add", french, "pomme", "apple" }).Status, 0);
    const auto refused = Cli({ "import", List, french });
    EXPECT_EQ(refused.Status, 1);
    EXPECT_EQ(refused.Err, "Languages are different.\n");
}

TEST_F(CliTest, ExportToVmrRtfAndHtml)
{
    AddSample();
    ASSERT_EQ(Cli({ "export", List, Dir.File("copy.vmr"), "--format", "vmr" }).Status, 0);
    EXPECT_EQ(ReadBytes(Dir.File("copy.vmr")), ReadBytes(List));
    ASSERT_EQ(Cli({ "export", List, Dir.File("l.rtf"), "--format", "rtf" }).Status, 0);
    EXPECT_EQ(ReadBytes(Dir.File("l.rtf")).substr(0, 5), "{\\rtf");
    ASSERT_EQ(Cli({ "export", List, Dir.File("l.html"), "--format", "html" }).Status, 0);
    EXPECT_NE(ReadBytes(Dir.File("l.html")).find("Katze"), std::string::npos);
}
