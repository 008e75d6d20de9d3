// The rich-text reader on good and bad input; the tip file's lines, cycling and shipped tips.

#include "core/RichText.h"

#include "core/HelpTopics.h"
#include "core/TipFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// Paragraphs as runs written "text" (plain), "*text" (bold), "/text" (italic), "*/text" (both).
TRichText Runs(std::initializer_list<std::initializer_list<std::u16string>> paragraphs)
{
    TRichText text;
    for (const auto& runs : paragraphs) {
        TRichParagraph paragraph;
        for (std::u16string run : runs) {
            TRichRun made;
            if (run.starts_with(u"*")) {
                made.Bold = true;
                run.erase(0, 1);
            }
            if (run.starts_with(u"/")) {
                made.Italic = true;
                run.erase(0, 1);
            }
            made.Text = run;
            paragraph.Runs.push_back(made);
        }
        text.push_back(paragraph);
    }
    return text;
}

TEST(RichText, ReadsTheSubsetAndSkipsTheRest)
{
    const struct {
        const char* Rtf;
        TRichText Expected;
    } cases[] = { { "", {} }, { "plain", Runs({ { u"plain" } }) },
        { "{\\b bold} and \\i italic\\i0  end", Runs({ { u"*bold", u" and ", u"/italic", u" end" } }) },
        { "\\b\\i both\\plain  none", Runs({ { u"*/both", u" none" } }) },
        { "\\b1 on\\b0 off", Runs({ { u"*on", u"off" } }) },
        { "one\\par two\\par", Runs({ { u"one" }, { u"two" } }) },
        { "\\par\\par x", Runs({ {}, {}, { u"x" } }) },
        { "a\\line b\\tab c\td", Runs({ { u"a\u2028b\tc\td" } }) },
        { "caf\\'e9 \\'E4\\'09\\'a0", Runs({ { u"caf\u00E9 \u00E4\t\u00A0" } }) },
        { "\\ansicpg1251 \\'e4\\'ee\\'ec", Runs({ { u"\u0434\u043E\u043C" } }) },
        { "\\ansicpg9999 \\'e9", Runs({ { u"\u00E9" } }) },
        { "\\u233?x {\\uc0\\u252 y} \\u-3913?", Runs({ { u"\u00E9x \u00FCy \uF0B7" } }) },
        { "\\\\ \\{ \\} \\~", Runs({ { u"\\ { } \u00A0" } }) },
        { "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote \\u x",
            Runs({ { u"\u2014\u2013\u2022\u2018\u2019\u201C\u201Dx" } }) },
        { "{\\fonttbl{\\f0 Arial;}}{\\colortbl\\red0;}{\\*\\generator Me;}text", Runs({ { u"text" } }) },
        { "\\unknown42 \\foo-7 x\\- y", Runs({ { u"x y" } }) },
        { "{\\*\\bad {nested} group}shown", Runs({ { u"shown" } }) },
        // Damaged input: stray braces, cut-off escapes, a parameter too long to hold.
        { "}}}x{{{\\b y", Runs({ { u"x", u"*y" } }) }, { "end\\", Runs({ { u"end" } }) },
        { "\\'4", Runs({ { u"4" } }) }, { "\\'zz", Runs({ { u"zz" } }) },
        { "\\b99999999999999999999 x", Runs({ { u"*x" } }) }, { "\r\nline\n", Runs({ { u"line" } }) } };
    for (const auto& c : cases)
        EXPECT_EQ(ReadRichText(c.Rtf), c.Expected) << c.Rtf;
    // It survives deep nesting.
    const std::string deep = std::string(100000, '{') + "x" + std::string(100000, '}');
    EXPECT_EQ(PlainText(ReadRichText(deep)), u"x");
}

TEST(TipFile, TheTipsDocumentReadsAsTheTipAlone)
{
    const TRichText text = ReadRichText(TipDocument("{\\b F8} sorts \\'e0 la carte."));
    EXPECT_EQ(text, Runs({ { u"*F8", u" sorts \u00E0 la carte." } }));
}

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

// Lines end in any way and blank ones hold no tip; a missing or empty file has none.
TEST(TipFile, LinesEndInAnyWayAndAMissingOrEmptyFileHasNoTips)
{
    EXPECT_EQ(SplitTipLines("a\r\nb\nc\rd"), (std::vector<std::string> { "a", "b", "c", "d" }));
    EXPECT_EQ(SplitTipLines("a\r\n\r\n \t\nb\r\n"), (std::vector<std::string> { "a", "b" }));
    EXPECT_TRUE(SplitTipLines("").empty());
    TTempDir dir;
    EXPECT_FALSE(ReadTipFile(dir.File("missing.tip")));
    WriteBytes(dir.File("empty.tip"), "\r\n\r\n");
    EXPECT_FALSE(ReadTipFile(dir.File("empty.tip")));
    EXPECT_FALSE(ReadTipFile(dir.Path().string()));
    WriteBytes(dir.File("two.tip"), "1\tone\r\n2\ttwo\r\n");
    EXPECT_EQ(ReadTipFile(dir.File("two.tip")), (std::vector<std::string> { "1\tone", "2\ttwo" }));
}

// Every tip we ship, in each language, reads as clean text and leads to the topic the English one
// does: the tip shown next is found by its line, whichever language the window speaks.
TEST(TipFile, TheShippedTipsReadCleanlyAndHaveTopics)
{
    const std::string folder = std::string(VELMORIA_SOURCE_DIR) + "/data/";
    const auto english = ReadTipFile(folder + "velmoria.tip");
    ASSERT_TRUE(english);
    EXPECT_GE(english->size(), 30u);
    for (const char* file : { "velmoria.tip", "velmoria_de.tip" }) {
        const auto lines = ReadTipFile(folder + file);
        ASSERT_TRUE(lines && lines->size() == english->size()) << file;
        std::set<std::string> texts;
        for (std::size_t i = 0; i < lines->size(); ++i) {
            const TTip tip = ParseTipLine((*lines)[i]);
            EXPECT_NE(FindHelpTopic(tip.HelpContext), nullptr) << (*lines)[i];
            EXPECT_EQ(tip.HelpContext, ParseTipLine((*english)[i]).HelpContext) << (*lines)[i];
            const std::u16string plain = PlainText(ReadRichText(TipDocument(tip.Text)));
            EXPECT_GT(plain.size(), 20u) << (*lines)[i];
            EXPECT_EQ(plain.find_first_of(u"\\{}\n"), std::u16string::npos) << (*lines)[i];
            EXPECT_TRUE(texts.insert(tip.Text).second) << "twice: " << (*lines)[i];
        }
    }
}

} // namespace
