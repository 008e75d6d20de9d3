// The tip file's lines and cycling, and the shipped tips.

#include "core/TipFile.h"

#include "core/HelpTopics.h"
#include "core/RichText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(TipFile, ATipLineIsAContextATabAndText)
{
    const struct {
        const char* Line;
        std::int32_t Context;
        const char* Text;
    } cases[] = { { "1234\tPress F8 to sort.", 1234, "Press F8 to sort." },
        { "Press F8 to sort.", 0, "Press F8 to sort." }, { "abc\ttext", 0, "text" }, { "\ttext", 0, "text" },
        { " 12 \ttext", 12, "text" }, { "-5\ttext", 0, "text" }, { "12x\ttext", 0, "text" },
        { "2147483647\tmax", 2147483647, "max" }, { "2147483648\ttoo big", 0, "too big" },
        { "12\tone\ttwo", 12, "one\ttwo" } };
    for (const auto& c : cases) {
        const TTip tip = ParseTipLine(c.Line);
        EXPECT_EQ(tip.HelpContext, c.Context) << c.Line;
        EXPECT_EQ(tip.Text, c.Text) << c.Line;
    }
}

TEST(TipFile, LinesEndInAnyWayAndBlankOnesHoldNoTip)
{
    EXPECT_EQ(SplitTipLines("a\r\nb\nc\rd"), (std::vector<std::string> { "a", "b", "c", "d" }));
    EXPECT_EQ(SplitTipLines("a\r\n\r\n \t\nb\r\n"), (std::vector<std::string> { "a", "b" }));
    EXPECT_TRUE(SplitTipLines("").empty());
}

TEST(TipFile, TipsCycleFromTheRememberedIndex)
{
    std::int32_t next = 0;
    std::vector<int> shown;
    for (int i = 0; i < 4; ++i)
        shown.push_back(TakeNextTip(next, 3));
    EXPECT_EQ(shown, (std::vector<int> { 0, 1, 2, 0 }));
    EXPECT_EQ(next, 1);

    const struct {
        std::int32_t Next;
        std::size_t Count;
        int Shown;
        std::int32_t After;
    } cases[] = { { 10, 4, 0, 1 }, { 4, 4, 0, 1 }, { 3, 4, 3, 4 }, { -2, 4, 0, 1 }, { 5, 0, -1, 5 } };
    for (const auto& c : cases) {
        std::int32_t remembered = c.Next;
        EXPECT_EQ(TakeNextTip(remembered, c.Count), c.Shown) << c.Next << " of " << c.Count;
        EXPECT_EQ(remembered, c.After) << c.Next << " of " << c.Count;
    }
}

TEST(TipFile, AMissingOrEmptyFileHasNoTips)
{
    TTempDir dir;
    EXPECT_FALSE(ReadTipFile(dir.File("missing.tip")));
    WriteBytes(dir.File("empty.tip"), "\r\n\r\n");
    EXPECT_FALSE(ReadTipFile(dir.File("empty.tip")));
    EXPECT_FALSE(ReadTipFile(dir.Path().string()));
    WriteBytes(dir.File("two.tip"), "1\tone\r\n2\ttwo\r\n");
    EXPECT_EQ(ReadTipFile(dir.File("two.tip")), (std::vector<std::string> { "1\tone", "2\ttwo" }));
}

// Every tip we ship reads as clean text and leads to a topic of the help file.
TEST(TipFile, TheShippedTipsReadCleanlyAndHaveTopics)
{
    const auto lines = ReadTipFile(std::string(VELMORIA_SOURCE_DIR) + "/data/velmoria.tip");
    ASSERT_TRUE(lines);
    EXPECT_GE(lines->size(), 30u);
    std::set<std::string> texts;
    for (const auto& line : *lines) {
        const TTip tip = ParseTipLine(line);
        EXPECT_NE(FindHelpTopic(tip.HelpContext), nullptr) << line;
        const std::u16string plain = PlainText(ReadRichText(TipDocument(tip.Text)));
        EXPECT_GT(plain.size(), 20u) << line;
        EXPECT_EQ(plain.find_first_of(u"\\{}\n"), std::u16string::npos) << line;
        EXPECT_TRUE(texts.insert(tip.Text).second) << "twice: " << line;
    }
}

} // namespace
