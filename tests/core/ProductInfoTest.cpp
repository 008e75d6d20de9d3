// The help topics' contexts and the four-part version.

#include "core/ProductInfo.h"

#include "core/HelpTopics.h"

#include <gtest/gtest.h>
#include <set>

TEST(HelpTopics, ContextsAreUniqueAndNonZero)
{
    std::set<std::int32_t> contexts;
    for (const auto& topic : HelpTopics()) {
        EXPECT_TRUE(contexts.insert(topic.Context).second) << topic.Context;
        EXPECT_NE(topic.Context, 0);
    }
    EXPECT_EQ(FindHelpTopic(0), nullptr);
}

TEST(ProductInfo, VersionsHaveFourParts)
{
    const struct {
        const char* Version;
        const char* Four;
    } cases[] = { { "0.1.0", "0.1.0.0" }, { "1.2.3.4", "1.2.3.4" }, { "7", "7.0.0.0" }, { "01.2", "1.2.0.0" },
        { "1.2.3.4.5", "" }, { "1..2", "" }, { "1.2.", "" }, { "a.b", "" }, { "70000", "" }, { "", "" },
        { "1.-2", "" } };
    for (const auto& c : cases)
        EXPECT_EQ(FourPartVersion(c.Version), c.Four) << c.Version;
}
