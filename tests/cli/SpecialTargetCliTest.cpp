// velmoria-cli's writing commands leave a pipe, a device, a socket or a folder where it is.

#include "CliRun.h"
#include "support/ScopedEnv.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

TEST(SpecialTargetCli, ExportsAndTheHistoryExportRefuseIt)
{
    TTempDir home;
    const TScopedEnv data("XDG_DATA_HOME", home.File("data"));
    const std::string list = home.File("list.vmr");
    Ok({ "new", list, "--foreign", "0x0407", "--native", "0x0409" });
    Ok({ "add", list, "der Hund", "dog" });
    const struct {
        const char* Name;
        std::vector<std::string> Args; // the target follows
    } commands[] = {
        { "export vmr", { "export", list, "--format", "vmr" } },
        { "export html", { "export", list, "--format", "html" } },
        { "export rtf", { "export", list, "--format", "rtf" } },
        { "export utf8-tab", { "export", list, "--format", "utf8-tab" } },
        { "history export", { "history", "export" } },
    };
    for (const TSpecialFile kind :
        { TSpecialFile::Fifo, TSpecialFile::CharDevice, TSpecialFile::Socket, TSpecialFile::Folder }) {
        for (const auto& command : commands) {
            SCOPED_TRACE(std::string(command.Name) + " onto a " + SpecialFileName(kind));
            TTempDir dir;
            const std::string node = dir.File("n.vmr");
            if (!MakeSpecialFile(node, kind))
                GTEST_SKIP() << "cannot make a " << SpecialFileName(kind) << " here";
            std::vector<std::string> args = command.Args;
            args.insert(command.Args[0] == "export" ? args.begin() + 2 : args.end(), node);
            const TCliResult result = Cli(args);
            EXPECT_NE(result.Status, 0);
            EXPECT_TRUE(Contains(result.Err, node)) << result.Err;
            EXPECT_EQ(result.Out, "");
            EXPECT_TRUE(IsSpecialFile(node, kind));
            EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
        }
    }
    // The refused history export did not make a history to export.
    EXPECT_FALSE(fs::exists(home.File("data")));
}
