// velmoria-cli driven in-process: every command, its output, exit codes and refusals.

#include "CliRun.h"
#include "core/VocabFile.h"
#include "support/RunningProgram.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        List = Dir.File("de.vmr");
        Ok({ "new", List, "--foreign", "0x0407", "--native", "English (United States)", "--description",
            "Grundwortschatz \xC3\xA4", "--author", "Me" });
    }
    void AddSample()
    {
        Ok({ "add", List, "der @Hund", "dog", "--category", "noun" });
        Ok({ "add", List, "die @Katze", "cat", "--category", "noun", "--notes", "pl. Katzen" });
        Ok({ "add", List, "sch\xC3\xB6n", "beautiful; nice", "--category", "adjective" });
        Ok({ "add", List, "  laufen  ", "to run" });
    }
    TTempDir Dir;
    std::string List;
};

} // namespace

TEST_F(CliTest, NewInfoAddAndListConvertTextAndReadTheMarker)
{
    EXPECT_EQ(Ok({ "info", List }),
        "foreign: 0x0407 German (Standard)\n"
        "native: 0x0409 English (United States)\n"
        "items: 0\nlearnt: 0\nattempts: 0\nsuccesses: 0\n"
        "description: Grundwortschatz \xC3\xA4\n"
        "author: Me\ncomments: \n");
    EXPECT_EQ(ReadBytes(List).size(), 45u + 17u /* "Grundwortschatz ä" in its code page */ + 2u);
    AddSample();
    EXPECT_EQ(Ok({ "list", List }),
        "0\tder Hund\tnoun\t\tdog\t4\t0\t0\n"
        "1\tdie Katze\tnoun\tpl. Katzen\tcat\t4\t0\t0\n"
        "2\tsch\xC3\xB6n\tadjective\t\tbeautiful; nice\t0\t0\t0\n"
        "3\tlaufen\t\t\tto run\t0\t0\t0\n");
    // The text is stored in the language's code page, not as UTF-8.
    TVocabFile doc;
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.Items(2).FieldValue(fiForeign), "sch\xF6n");

    // Nothing below changes the file.
    const std::string before = ReadBytes(List);
    FailsWith(1, { "new", List, "--foreign", "0x0407", "--native", "0x0409" }, "already exists");
    FailsWith(1, { "add", List, "\xD0\xBA\xD0\xBE\xD1\x82", "cat" }, "code page"); // Cyrillic in German
    FailsWith(1, { "add", List, "   ", "cat" }, "Enter a word or phrase.");
    FailsWith(1, { "add", List, "Katze", "" }, "Enter a translation.");
    FailsWith(1, { "add", List, "Katze", std::string(70000, 'x') }, "65535");
    EXPECT_EQ(ReadBytes(List), before);
}

TEST_F(CliTest, BadUsageExitsWithTwoAndFailuresWithOne)
{
    for (const auto& r : { Cli({}), Cli({ "frobnicate" }), Cli({ "info" }), Cli({ "info", List, "extra" }),
             Cli({ "sort", List, "--field", "4" }), Cli({ "sort", List, "--field", "x" }),
             Cli({ "find", List, "a", "--mode", "middle" }), Cli({ "new", Dir.File("x.vmr") }),
             Cli({ "new", Dir.File("x.vmr"), "--foreign", "Klingon", "--native", "0x0409" }),
             Cli({ "match", "a", "b", "--delimiters", ";," }), Cli({ "list", List, "--bogus" }),
             Cli({ "import", List, Dir.File("a.txt"), "--columns", "word,word" }),
             Cli({ "export", List, Dir.File("a.txt") }) })
        EXPECT_EQ(r.Status, 2) << r.Err;
    EXPECT_TRUE(Contains(Ok({ "--help" }), "find FILE TEXT"));

    FailsWith(1, { "info", Dir.File("missing.vmr") }, "missing.vmr");
    WriteBytes(Dir.File("bad.vmr"), "not a list");
    const TCliResult bad = Cli({ "list", Dir.File("bad.vmr") });
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, Dir.File("bad.vmr") + "\nInvalid file format.\n");
}

TEST_F(CliTest, FindPrintsMatchesInSearchOrderAndSortShuffleAndResetChangeTheList)
{
    AddSample();
    Ok({ "add", List, "der Hundekuchen", "dog biscuit" });
    EXPECT_EQ(Ok({ "find", List, "hund" }), "0\n4\n");
    EXPECT_EQ(Ok({ "find", List, "Hund", "--whole-word" }), "0\n");
    EXPECT_EQ(Ok({ "find", List, "schon" }), "2\n");
    EXPECT_EQ(Ok({ "find", List, "noun", "--field", "1", "--mode", "whole" }), "0\n1\n");
    EXPECT_EQ(Ok({ "find", List, "", "--field", "2", "--mode", "whole" }), "0\n2\n3\n4\n");
    EXPECT_EQ(Ok({ "find", List, "to", "--field", "3", "--mode", "start" }), "3\n");
    // No match ends with one.
    EXPECT_EQ(Cli({ "find", List, "hund", "--match-case" }).Status, 1);
    EXPECT_EQ(Cli({ "find", List, "schon", "--match-accents" }).Status, 1);
    EXPECT_EQ(Cli({ "find", List, "", "--field", "2" }).Status, 1);
    Ok({ "sort", List });
    // Sorted by word/phrase after the sorting position: der Hundekuchen, Hund, Katze, laufen, schön.
    std::string listed = Ok({ "list", List });
    EXPECT_TRUE(Contains(listed, "\n1\tder Hund\tnoun\t\tdog\t4\t0\t0\n"));
    EXPECT_TRUE(Contains(listed, "4\tsch\xC3\xB6n"));
    Ok({ "sort", List, "--field", "3" });
    EXPECT_EQ(Ok({ "list", List }).substr(0, 18), "0\tsch\xC3\xB6n\tadjective");

    Ok({ "shuffle", List });
    TVocabFile doc;
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.Count(), 5);
    doc.Items(0).PenaltyPoints = -1;
    doc.Items(1).LastAttempt = 5;
    doc.SaveToFile(List);
    Ok({ "reset", List });
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.LearntCount(), 0);
    EXPECT_EQ(doc.Items(1).LastAttempt, 0);
}

// The judging and the marker's reading are the model's (AnswerMatchTest, SortingMarker), and the
// test's flags reach its judging in DrillTest; the rows show each option and the marker reach match.
TEST(Cli, MatchReachesEachOptionAndTheMarker)
{
    const struct {
        const char* Name;
        const char* Expected;
        const char* Response;
        const char* Lang;
        unsigned Flags;
        const char* Delimiters; // "" for the default ones
        bool Accepted;
    } rows[] = {
        { "case counts", "The House", "the house", "0x0409", 0, "", false },
        { "case ignored", "The House", "the house", "0x0409", 8, "", true },
        { "synonyms in any order", "big, large", "large; big", "0x0409", 1, "", true },
        { "English infinitive", "to run", "run", "0x0409", 0x80, "", true },
        { "English rules not in German", "to run", "run", "0x0407", 0x80, "", false },
        { "own delimiters", "a|b", "b", "0x0409", 4, ";,()|", true },
        { "sorting marker",
            "die @Stra\xC3\x9F"
            "e",
            "die Stra\xC3\x9F"
            "e",
            "0x0407", 0, "", true },
        { "marker kept in the response", "der @Hund", "der @Hund", "0x0407", 0, "", false },
        { "marker does not excuse a wrong word", "der @Hund", "der Katze", "0x0407", 0, "", false },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        std::vector<std::string> args = { "match", row.Expected, row.Response, "--lang", row.Lang, "--flags",
            std::to_string(row.Flags) };
        if (*row.Delimiters)
            args.insert(args.end(), { "--delimiters", row.Delimiters });
        const TCliResult match = Cli(args);
        EXPECT_EQ(match.Out, row.Accepted ? "accepted\n" : "refused\n") << match.Err;
        EXPECT_EQ(match.Status, row.Accepted ? 0 : 1);
    }
}

TEST_F(CliTest, ExportAndImportRoundTripInEveryFormat)
{
    AddSample();
    for (const std::string format : { "text-comma", "text-tab", "unicode-comma", "unicode-tab", "utf8-comma",
             "utf8-tab", "text-semicolon", "unicode-semicolon", "utf8-semicolon" }) {
        SCOPED_TRACE(format);
        const std::string text = Dir.File("out-" + format + ".txt");
        const std::string copy = Dir.File("copy-" + format + ".vmr");
        Ok({ "export", List, text, "--format", format });
        EXPECT_EQ(Ok({ "detect", text }), format + "\n");
        Ok({ "new", copy, "--foreign", "0x0407", "--native", "0x0409" });
        EXPECT_EQ(Ok({ "import", copy, text, "--format", format }), "4 items imported successfully.\n");
        EXPECT_EQ(Ok({ "list", copy }), Ok({ "list", List })) << "words, fields and sorting positions";
    }
    // Columns in another order, a header line skipped.
    WriteBytes(Dir.File("cols.txt"), "English,German\r\ncat,Katze\r\nempty,\r\n");
    EXPECT_EQ(
        Ok({ "import", List, Dir.File("cols.txt"), "--columns", "translations,word", "--start-line", "2" }),
        "1 items imported successfully.\n");
    EXPECT_TRUE(Contains(Ok({ "list", List }), "4\tKatze\t\t\tcat\t"));

    Ok({ "export", List, Dir.File("copy.vmr"), "--format", "vmr" });
    EXPECT_EQ(ReadBytes(Dir.File("copy.vmr")), ReadBytes(List));
    Ok({ "export", List, Dir.File("l.rtf"), "--format", "rtf" });
    EXPECT_EQ(ReadBytes(Dir.File("l.rtf")).substr(0, 5), "{\\rtf");
    Ok({ "export", List, Dir.File("l.html"), "--format", "html" });
    EXPECT_TRUE(Contains(ReadBytes(Dir.File("l.html")), "Katze"));
}

// Detection looks at the whole file; an 8-bit reading of UTF-8 text is refused with a hint.
TEST_F(CliTest, DetectionOnTheWholeFileAndImportsRefusedOrMerged)
{
    const std::string ascii(200000, 'a');
    const struct {
        const char* Name;
        std::string Bytes;
        std::string Detected;
    } cases[] = {
        { "LateUtf8", ascii + ",x\nK\xC3\xA4se,cheese\n", "utf8-comma" },
        { "LateTab", ascii + "\tx\n", "text-tab" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteBytes(Dir.File("d.txt"), c.Bytes);
        EXPECT_EQ(Ok({ "detect", Dir.File("d.txt") }), c.Detected + "\n");
    }
    const std::string before = ReadBytes(List);
    WriteBytes(Dir.File("k.csv"), "K\xC3\xA4se;cheese\n");
    FailsWith(
        1, { "import", List, Dir.File("k.csv"), "--format", "text-semicolon" }, "--format utf8-semicolon");
    EXPECT_EQ(ReadBytes(List), before);
    EXPECT_EQ(Ok({ "import", List, Dir.File("k.csv"), "--columns", "word,translations" }),
        "1 items imported successfully.\n");
    EXPECT_TRUE(Contains(Ok({ "list", List }), "K\xC3\xA4se\t\t\tcheese")) << "detected and read as UTF-8";

    WriteBytes(Dir.File("empty.txt"), "");
    const TCliResult nothing = Cli({ "import", List, Dir.File("empty.txt") });
    EXPECT_EQ(std::pair(nothing.Status, nothing.Err), std::pair(1, std::string("Nothing to import.\n")));

    const std::string other = Dir.File("other.VMR"), frenchList = Dir.File("fr.vmr");
    Ok({ "new", other, "--foreign", "0x0C07", "--native", "0x0809" });
    Ok({ "add", other, "Apfel", "apple" });
    EXPECT_EQ(Ok({ "import", List, other }), "1 items imported successfully.\n");
    Ok({ "new", frenchList, "--foreign", "0x040C", "--native", "0x0409" });
    Ok({ "add", frenchList, "pomme", "apple" });
    const TCliResult french = Cli({ "import", List, frenchList });
    EXPECT_EQ(std::pair(french.Status, french.Err), std::pair(1, std::string("Languages are different.\n")));
}

// Without --columns the lines' widths decide, and the choice is said; what is not text saves nothing.
TEST_F(CliTest, ImportReadsColumnsByTheLinesAndRefusesWhatIsNotText)
{
    const struct {
        const char* Name;
        std::string Bytes;
        int Status;
        const char* Told; // in the error output
        const char* Listed; // a line of "list" afterwards
    } cases[] = {
        { "TwoColumns", "Hund\tdog\nKatze\tcat\n", 0, "--columns word,translations", "\tKatze\t\t\tcat\t" },
        { "NulByte", std::string("a,1\nb,2\nc\0,3\nd,4\n", 17), 1, "Line 3 holds a NUL", nullptr },
        { "Xml", "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n", 1, "damaged XML", nullptr },
        { "OtherXml", "<?xml version=\"1.0\"?>\n<vocab/>\n", 1, "an XML document", nullptr },
        { "Zip", std::string("PK\x03\x04\x14\0\x08\0", 8), 1, "a ZIP archive", nullptr },
        { "Told", "Hund,dog\n,lost\n", 0, "1 line had no word/phrase", "\tHund\t\t\tdog\t" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string list = Dir.File(std::string(c.Name) + ".vmr"), source = Dir.File("source.txt");
        Ok({ "new", list, "--foreign", "0x0407", "--native", "0x0409" });
        const std::string before = ReadBytes(list);
        WriteBytes(source, c.Bytes);
        const TCliResult result = Cli({ "import", list, source });
        EXPECT_EQ(result.Status, c.Status);
        EXPECT_TRUE(Contains(result.Err, c.Told)) << result.Err;
        if (c.Listed)
            EXPECT_TRUE(Contains(Ok({ "list", list }), c.Listed));
        else
            EXPECT_EQ(ReadBytes(list), before);
    }
}

TEST_F(CliTest, NoCommandReplacesAReadOnlyFileNorExportsOverTheList)
{
    AddSample();
    WriteBytes(Dir.File("cols.txt"), "Apfel,apple\r\n");
    const std::string target = Dir.File("out.txt");
    WriteBytes(target, "kept");
    const auto readOnly = std::filesystem::perms::owner_read | std::filesystem::perms::group_read;
    std::filesystem::permissions(List, readOnly);
    std::filesystem::permissions(target, readOnly);
    const std::string before = ReadBytes(List);
    const std::pair<TCliResult, std::string> refusals[] = { { Cli({ "add", List, "Apfel", "apple" }), List },
        { Cli({ "reset", List }), List }, { Cli({ "sort", List }), List }, { Cli({ "shuffle", List }), List },
        { Cli({ "import", List, Dir.File("cols.txt") }), List },
        { Cli({ "export", List, target, "--format", "utf8-tab" }), target },
        { Cli({ "export", List, target, "--format", "vmr" }), target } };
    std::filesystem::permissions(List, std::filesystem::perms::owner_all);
    FailsWith(1, { "export", List, List, "--format", "html" }, "the list's own file");
    for (const auto& [r, name] : refusals) {
        EXPECT_EQ(r.Status, 1) << r.Err;
        EXPECT_TRUE(Contains(r.Err, name) && Contains(r.Err, "read-only")) << r.Err;
    }
    EXPECT_EQ(ReadBytes(List), before);
    EXPECT_EQ(ReadBytes(target), "kept");
    EXPECT_TRUE(Contains(Ok({ "info", List }), "items: 4")) << "reading is allowed";
}

TEST_F(CliTest, DoubleDashEndsTheOptionsAndTextArgumentsMustBeUtf8)
{
    EXPECT_EQ(Ok({ "add", List, "--category", "flag", "--", "--verbose", "-v" }), "Added item 0.\n");
    EXPECT_EQ(Ok({ "list", List }), "0\t--verbose\tflag\t\t-v\t0\t0\t0\n");
    EXPECT_EQ(Ok({ "find", List, "--", "--verb" }), "0\n");
    // Latin-1 bytes are no UTF-8, whatever code page the list's language has.
    const std::string before = ReadBytes(List);
    FailsWith(2, { "add", List, "sch\xF6n", "nice" }, " WORD is not valid UTF-8.");
    FailsWith(2, { "add", List, "Haus", "h\xF6use" }, " TRANSLATIONS is not valid UTF-8.");
    FailsWith(2, { "add", List, "Haus", "house", "--notes", "\xE9" }, " --notes is not valid UTF-8.");
    FailsWith(2, { "find", List, "\xF6" }, " TEXT is not valid UTF-8.");
    FailsWith(2, { "match", "caf\xE9", "cafe" }, " EXPECTED is not valid UTF-8.");
    FailsWith(2,
        { "new", Dir.File("x.vmr"), "--foreign", "0x0407", "--native", "0x0409", "--author", "\xC4" },
        " --author is not valid UTF-8.");
    EXPECT_EQ(ReadBytes(List), before);
    EXPECT_FALSE(std::filesystem::exists(Dir.File("x.vmr")));
}

TEST_F(CliTest, ImportFromAPipeDetectsTheFormatOnTheBytesItImports)
{
    // A pipe is read once: the format is detected on the bytes imported.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("sch\xF6n\tadj\t\tbeautiful\r\n"))
        utf16 += std::string { c, '\0' };
    TRunningProgram cli({ VELMORIA_CLI_PATH, "import", List, "/dev/stdin" });
    cli.Write(utf16);
    cli.CloseInput();
    EXPECT_EQ(cli.Wait(std::chrono::seconds(20)), 0);
    EXPECT_EQ(cli.Output(),
        "Columns read: --columns word,category,notes,translations (from the widths of the lines).\n"
        "1 items imported successfully.\n");
    EXPECT_EQ(Ok({ "list", List }), "0\tsch\xC3\xB6n\tadj\t\tbeautiful\t0\t0\t0\n");
}

TEST_F(CliTest, WritersWaitForTheListLockAndNameItsHolderAndTwoAtOnceLoseNoItem)
{
    AddSample();
    WriteBytes(Dir.File("cols.txt"), "Apfel,apple\r\n");
    const int held = ::open(List.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const std::string before = ReadBytes(List);
    const std::string holder = "(pid " + std::to_string(::getpid()) + ", " + OwnCommand() + ")";
    const std::vector<std::vector<std::string>> writers = { { "add", List, "Apfel", "apple" },
        { "reset", List }, { "sort", List }, { "shuffle", List }, { "import", List, Dir.File("cols.txt") },
        { "export", List, List, "--format", "vmr" }, { "test", List } };
    for (std::vector<std::string> args : writers) {
        args.insert(args.end(), { "--wait", "0" });
        FailsWith(1, args, holder);
    }
    // Readers, an export elsewhere and a new list take no lock.
    Ok({ "info", List });
    Ok({ "list", List });
    Ok({ "find", List, "Hund" });
    Ok({ "export", List, Dir.File("copy.vmr"), "--format", "vmr" });
    Ok({ "new", Dir.File("new.vmr"), "--foreign", "0x0407", "--native", "0x0409" });
    EXPECT_EQ(ReadBytes(List), before);

    // The wait is bounded; a lock given up during it is taken.
    const auto start = std::chrono::steady_clock::now();
    FailsWith(1, { "add", List, "Apfel", "apple", "--wait", "1" }, "after waiting 1 second");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::close(held);
    });
    EXPECT_EQ(Ok({ "add", List, "Apfel", "apple", "--wait", "10" }), "Added item 4.\n");
    release.join();

    // Two writers at once lose no item: the five there and 200.
    const std::string loop = "for i in $(seq 100); do \"$0\" add \"$1\" \"w$i\" t >/dev/null || exit 1; done";
    TRunningProgram first({ "/bin/sh", "-c", loop, VELMORIA_CLI_PATH, List });
    TRunningProgram second({ "/bin/sh", "-c", loop, VELMORIA_CLI_PATH, List });
    EXPECT_EQ(first.Wait(std::chrono::seconds(120)), 0) << first.Output();
    EXPECT_EQ(second.Wait(std::chrono::seconds(120)), 0) << second.Output();
    TVocabFile doc;
    doc.LoadFromFile(List);
    EXPECT_EQ(doc.Count(), 205);
}
