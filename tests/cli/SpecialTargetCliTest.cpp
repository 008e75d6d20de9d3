// velmoria-cli's writing commands leave a pipe, a device or a socket where it is.

#include "CliRun.h"
#include "support/ScopedEnv.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(SpecialTargetCli, ExportsAndTheHistoryExportRefuseIt)
{
    TTempDir home;
    const TScopedEnv data("XDG_DATA_HOME", home.File("data"));
    const std::string list = home.File("list.vmr");
    Ok({ "new", list, "--foreign", "0x0407", "--native", "0x0409" });
    Ok({ "add", list, "der Hund", "dog" });
    for (const mode_t type : { S_IFIFO, S_IFCHR, S_IFSOCK })
        for (const char* format : { "vmr", "html", "rtf", "utf8-tab", "" }) {
            SCOPED_TRACE(testing::Message() << "type " << type << " format " << format);
            TTempDir dir;
            const std::string node = dir.File("n.vmr");
            if (!MakeSpecialFile(node, type))
                GTEST_SKIP() << "cannot make a node of type " << type << " here";
            // No format: the history's export.
            const TCliResult result = *format ? Cli({ "export", list, node, "--format", format })
                                              : Cli({ "history", "export", node });
            EXPECT_EQ(result.Status, 1);
            EXPECT_TRUE(Contains(result.Err, node) && result.Out.empty()) << result.Err;
            EXPECT_TRUE(IsSpecialFile(node, type));
            EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);
        }
    // The refused history export did not make a history to export.
    EXPECT_FALSE(fs::exists(home.File("data")));
}
