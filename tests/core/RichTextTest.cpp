// The rich-text reader on good and bad input, and the tips read through it.

#include "core/RichText.h"

#include "core/TipFile.h"

#include <gtest/gtest.h>

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
    } cases[] = {
        { "", {} },
        { "plain", Runs({ { u"plain" } }) },
        { "{\\b bold} and \\i italic\\i0  end", Runs({ { u"*bold", u" and ", u"/italic", u" end" } }) },
        { "\\b\\i both\\plain  none", Runs({ { u"*/both", u" none" } }) },
        { "\\b1 on\\b0 off", Runs({ { u"*on", u"off" } }) },
        { "one\\par two\\par", Runs({ { u"one" }, { u"two" } }) },
        { "\\par\\par x", Runs({ {}, {}, { u"x" } }) },
        { "a\\line b\\tab c", Runs({ { u"a\u2028b\tc" } }) },
        { "caf\\'e9 \\'E4", Runs({ { u"caf\u00E9 \u00E4" } }) },
        { "\\ansicpg1251 \\'e4\\'ee\\'ec", Runs({ { u"\u0434\u043E\u043C" } }) },
        { "\\ansicpg9999 \\'e9", Runs({ { u"\u00E9" } }) },
        { "\\u233?x {\\uc0\\u252 y} \\u-3913?", Runs({ { u"\u00E9x \u00FCy \uF0B7" } }) },
        { "\\\\ \\{ \\} \\~", Runs({ { u"\\ { } \u00A0" } }) },
        { "{\\fonttbl{\\f0 Arial;}}{\\colortbl\\red0;}{\\*\\generator Me;}text", Runs({ { u"text" } }) },
        { "\\unknown42 \\foo-7 x\\- y", Runs({ { u"x y" } }) },
        { "{\\*\\bad {nested} group}shown", Runs({ { u"shown" } }) },
        // Damaged input: stray braces, cut-off escapes, a parameter too long to hold.
        { "}}}x{{{\\b y", Runs({ { u"x", u"*y" } }) },
        { "end\\", Runs({ { u"end" } }) },
        { "\\'4", Runs({ { u"4" } }) },
        { "\\'zz", Runs({ { u"zz" } }) },
        { "\\b99999999999999999999 x", Runs({ { u"*x" } }) },
        { "\r\nline\n", Runs({ { u"line" } }) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadRichText(c.Rtf), c.Expected) << c.Rtf;
}

TEST(RichText, SurvivesDeepNesting)
{
    const std::string deep = std::string(100000, '{') + "x" + std::string(100000, '}');
    EXPECT_EQ(PlainText(ReadRichText(deep)), u"x");
}

TEST(TipFile, TheTipsDocumentReadsAsTheTipAlone)
{
    const TRichText text = ReadRichText(TipDocument("{\\b F8} sorts \\'e0 la carte."));
    EXPECT_EQ(text, Runs({ { u"*F8", u" sorts \u00E0 la carte." } }));
}

} // namespace
