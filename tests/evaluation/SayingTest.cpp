// The model's sentences as the command line says them: arguments in place once, the English form
// for the count, numbers with their decimals, and what says nothing left out of a joined saying.

#include "evaluation/Translatable.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <tuple>

namespace {

TEST(Saying, SaysItsEnglishWithArgumentsCountsAndNumbers)
{
    const auto items = [](std::int64_t n) {
        return TSaying::Counted("%n items in %1 (%Ln)", "%n item in %1", n, { std::string("%n.vmr") });
    };
    const struct {
        const char* Name;
        TSaying Saying;
        const char* Text;
        bool Empty;
    } cases[] = {
        { "words as they are", std::string("100% %1"), "100% %1", false },
        { "nested", TSaying("%2 before %1", { std::string("one"), TSaying("<%1>", { std::string("two") }) }),
            "<two> before one", false },
        { "no template", TSaying(""), "", true },
        { "0", items(0), "0 items in %n.vmr (0)", false },
        { "1", items(1), "1 item in %n.vmr", false },
        { "2", items(2), "2 items in %n.vmr (2)", false },
        { "5", items(5), "5 items in %n.vmr (5)", false },
        { "21", items(21), "21 items in %n.vmr (21)", false },
        { "a lone percent", TSaying::Counted("%n%", "%n%", 7), "7%", false },
        { "decimals", TSaying::Number(10.0 / 3, 1), "3.3", false },
        { "no decimals", TSaying::Number(2.7), "3", false },
        { "significant digits", TSaying::Number(2.25, -1), "2.25", false },
        { "joined",
            TSaying::Joined(
                { std::string("a"), TSaying(), TSaying::Joined({}, "+"), TSaying::Number(0) }, ", "),
            "a, 0", false },
        { "joined nothing", TSaying::Joined({ TSaying(), std::string() }, ", "), "", true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Saying.Text(), c.Text);
        EXPECT_EQ(c.Saying.Empty(), c.Empty);
    }
}

TEST(Saying, AnErrorSaysItsSayingOrItsMessage)
{
    const TSaying said = SayingOf(ESaidError(TSaying("%1 failed", { std::string("x") })));
    const TSaying plain = SayingOf(std::runtime_error("Invalid file format."));
    EXPECT_EQ(std::tuple(said.Template(), said.Text(), plain.Kind(), plain.Template()),
        std::tuple(std::string("%1 failed"), std::string("x failed"), TSaying::TKind::Marked,
            std::string("Invalid file format.")));
}

} // namespace
