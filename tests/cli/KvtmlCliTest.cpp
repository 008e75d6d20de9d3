// velmoria-cli import and export of KVTML files: the languages chosen by option or by the list's,
// grades into the review history once, refusals that leave the list as it was.

#include "CliRun.h"
#include "core/VocabFile.h"
#include "review/History.h"
#include "review/ReviewSupport.h"

#include <gtest/gtest.h>

TEST(KvtmlCli, ImportTakesTheChosenLanguagesAndGradesOnceAndExportReadsBack)
{
    TDataHome home;
    const TTempDir& dir = home.Dir();
    const std::string list = dir.File("de.vmr"), source = dir.File("words.xml");
    Ok({ "new", list, "--foreign", "0x0407", "--native", "0x0409" });
    WriteBytes(source,
        R"(<?xml version="1.0"?><kvtml version="2.0"><information><title>x</title></information><identifiers>
<identifier id="a"><locale>en</locale></identifier><identifier id="b"><locale>fr</locale></identifier>
<identifier id="c"><name>Deutsch</name><locale>de</locale></identifier></identifiers><entries>
<entry id="0"><translation id="a"><text>dog</text><grade fromid="c"><currentgrade>3</currentgrade><count>2</count>
<errorcount>0</errorcount><date>2024-01-02T08:00:00</date></grade></translation><translation id="b"><text>chien</text>
</translation><translation id="c"><text>Hund</text><comment>m.</comment></translation></entry></entries></kvtml>)");
    const TCliResult proposed = Cli({ "import", list, source, "--grades", "answers" });
    EXPECT_EQ(proposed.Status, 0) << proposed.Err;
    EXPECT_NE(proposed.Err.find("--languages c,a (de, en)"), std::string::npos) << proposed.Err;
    EXPECT_NE(proposed.Err.find("1 answer went into the review history."), std::string::npos) << proposed.Err;
    EXPECT_EQ(Ok({ "import", list, source, "--languages", "c,fr", "--grades", "answers" }),
        "1 items imported successfully.\n");
    EXPECT_EQ(Ok({ "list", list }), "0\tHund\t\tm.\tdog\t0\t0\t0\n1\tHund\t\tm.\tchien\t0\t0\t0\n");
    EXPECT_EQ(THistory(THistory::DefaultPath()).AnswerCount(), 1);
    const TCliResult again = Cli({ "import", list, source, "--languages", "de,en", "--grades", "answers" });
    EXPECT_NE(again.Err.find("0 answers went"), std::string::npos) << again.Err;

    const std::string before = ReadBytes(list);
    const struct {
        std::vector<std::string> Args;
        int Status;
    } refused[] = { { { "import", list, source, "--languages", "de,de" }, 2 },
        { { "import", list, source, "--grades", "all" }, 2 },
        { { "import", list, source, "--columns", "word" }, 2 },
        { { "import", list, dir.File("de.vmr"), "--languages", "0,1" }, 2 } };
    for (const auto& c : refused)
        EXPECT_EQ(Cli(c.Args).Status, c.Status) << c.Args[3];
    WriteBytes(source, "<kvtml version=\"2.0\"><entries>");
    EXPECT_NE(Cli({ "import", list, source }).Err.find("damaged XML"), std::string::npos);
    EXPECT_EQ(ReadBytes(list), before);

    const std::string exported = dir.File("out.kvtml"), back = dir.File("back.vmr");
    Ok({ "export", list, exported, "--format", "kvtml" });
    Ok({ "new", back, "--foreign", "0x0407", "--native", "0x0409" });
    Ok({ "import", back, exported });
    EXPECT_EQ(Ok({ "list", back }), Ok({ "list", list }));
}
