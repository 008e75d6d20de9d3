#include "core/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, SwitchesAndFileNames)
{
    struct Case {
        std::vector<std::string> args;
        TStartAction action;
        const char* file;
    };
    const Case cases[] = { { {}, saShow, "" }, { { "list.vmr" }, saShow, "list.vmr" },
        { { "/t", "list.vmr" }, saTest, "list.vmr" }, { { "/P", "list.vmr" }, saPrint, "list.vmr" },
        { { "/r", "a b.vmr", "extra" }, saReset, "a b.vmr" },
        { { "--review", "de.vmr" }, saReview, "de.vmr" },
        // A switch alone is taken as the file name, so opening it fails and says so.
        { { "/r" }, saReset, "/r" }, { { "/x", "list.vmr" }, saShow, "/x" },
        { { "-t", "list.vmr" }, saShow, "-t" } };
    for (const auto& c : cases) {
        const auto line = ParseCommandLine(c.args);
        EXPECT_EQ(line.Action, c.action) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(line.FileName, c.file);
    }
}
