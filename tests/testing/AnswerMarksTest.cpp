// Marking where a typed answer went wrong, against the closest expected variant.

#include "testing/AnswerMarks.h"

#include "core/DocumentBuilders.h"
#include "evaluation/TextUtils.h"

#include <gtest/gtest.h>

namespace {

// Surplus characters in {braces}, missing ones in [brackets].
std::string Render(const TMarkedAnswer& marked)
{
    std::string out;
    for (const TAnswerMark& m : marked.Marks) {
        if (m.Kind == TMarkKind::Surplus)
            out += "{" + m.Text + "}";
        else if (m.Kind == TMarkKind::Missing)
            out += "[" + m.Text + "]";
        else
            out += m.Text;
    }
    return out;
}

// What the user typed, read back from the marks.
std::string Typed(const TMarkedAnswer& marked)
{
    std::string out;
    for (const TAnswerMark& m : marked.Marks)
        if (m.Kind != TMarkKind::Missing)
            out += m.Text;
    return out;
}

struct TMarkCase {
    const char* Name;
    const char* Expected;
    const char* Response;
    EvaluationFlags Flags;
    const char* Closest;
    const char* Marked;
    int Changes;
};

TEST(AnswerMarksTest, MarksAgainstTheClosestVariantAfterTheSidesLeniency)
{
    constexpr EvaluationFlags caps = efCaps, lenient = efCaps | efPunctuation | efSpacing;
    const TMarkCase cases[] = {
        { "missing letter", "house", "hose", 0, "house", "ho[u]se", 1 },
        { "surplus letter", "house", "houses", 0, "house", "house{s}", 1 },
        { "wrong letter", "house", "hoose", 0, "house", "ho{o}[u]se", 2 },
        { "case counts without Caps", "House", "house", 0, "House", "{h}[H]ouse", 2 },
        { "case ignored with Caps", "House", "hOUSE", caps, "House", "hOUSE", 0 },
        { "punctuation and spaces ignored", "ice-cream", "Ice crem", lenient, "ice-cream", "Ice cre[a]m", 1 },
        { "spacing alone keeps the hyphen", "ice-cream", "icecream", efSpacing, "ice-cream", "ice[-]cream",
            1 },
        { "closest synonym", "big; large", "lareg", efAnyTranslation, "large", "lar{e}g[e]", 2 },
        { "each part of a list", "big; large, small", " lareg ,smal;", efAnyTranslation, "large; small",
            " lar{e}g[e] ,smal[l];", 3 },
        { "closest alternative word", "the big/large house", "the larg house", efAlternatives,
            "the large house", "the larg[e] house", 1 },
        { "bracket variant", "to go (out)", "to goo", efBrackets, "to go", "to go{o}", 1 },
        { "bracket kept as text", "to go (out)", "to go ot", efBrackets, "to go out", "to go o[u]t", 1 },
        { "to dropped for English", "to run", "rnu", efTo, "run", "r{n}u[n]", 2 },
        { "ize and ise agree", "realize", "realyse", efIze, "realize", "real{y}[i]se", 2 },
        { "empty response", "dog", "", 0, "dog", "[dog]", 3 },
        { "empty expected", "", "dog", 0, "", "{dog}", 3 },
        { "right answer", "dog", "dog", 0, "dog", "dog", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TMarkedAnswer marked = MarkAnswer(c.Expected, c.Response, English, c.Flags, {});
        EXPECT_EQ(marked.Closest, c.Closest);
        EXPECT_EQ(Render(marked), c.Marked);
        EXPECT_EQ(marked.Changes, c.Changes);
        EXPECT_EQ(Typed(marked), c.Response);
    }
}

TEST(AnswerMarksTest, CyrillicAndGreekCodePages)
{
    const auto cp = [](const char* utf8, LangId lang) { return Utf8ToAnsi(utf8, LanguageCodePage(lang)); };
    const auto back
        = [](const std::string& text, LangId lang) { return AnsiToUtf8(text, LanguageCodePage(lang)); };
    const struct {
        LangId Lang;
        const char* Expected;
        const char* Response;
        EvaluationFlags Flags;
        const char* Marked;
    } cases[] = { { Russian, "собака", "сабака", 0, "с{а}[о]бака" },
        { Russian, "Собака", "сОБАКА", efCaps, "сОБАКА" }, { Russian, "Собака", "собака", 0, "{с}[С]обака" },
        { Greek, "σκύλος", "σκυλος", efCaps, "σκ{υ}[ύ]λος" },
        // Capitals carry no tonos, and the final sigma is a small capital sigma.
        { Greek, "ο σκύλος", "Ο ΣΚΥΛΟΣ", efCaps, "Ο ΣΚΥΛΟΣ" },
        { Greek, "ο σκύλος", "Ο ΣΚΥΛΟΣ", 0, "{Ο}[ο] {ΣΚΥΛΟΣ}[σκύλος]" },
        { Greek, "Θάλασσα", "θΆΛΑΣΣΑ", efCaps, "θΆΛΑΣΣΑ" },
        { Greek, "το σπίτι", "τοσπίτ", efSpacing, "τοσπίτ[ι]" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        const std::string expected = cp(c.Expected, c.Lang), response = cp(c.Response, c.Lang);
        ASSERT_EQ(back(expected, c.Lang), c.Expected); // the code page holds the text
        const TMarkedAnswer marked = MarkAnswer(expected, response, c.Lang, c.Flags, {});
        EXPECT_EQ(back(Render(marked), c.Lang), c.Marked);
    }
}

} // namespace

TEST(AnswerMarksTest, OnlyANearMissIsWorthMarkingAndLongAnswersStayBounded)
{
    const struct {
        const char* Expected;
        const char* Response;
        EvaluationFlags Flags;
        bool Near;
    } cases[] = {
        { "cat", "cta", 0, true }, // one character moved
        { "house", "hous", 0, true }, { "abcd", "abxy", 0, true }, // exactly half changed
        { "abcd", "axyz", 0, false }, { "potato", "strawberry", 0, false }, // unrelated
        { "dog", "cat", 0, false }, { "house", "", 0, false }, // nothing typed: nothing to mark
        { "house", "houseboating", 0, false }, // more added than half the word
        { "dog; hound", "hund", efAnyTranslation, true }, // against the closest synonym
        { "house", "HOUSE", efCaps, false }, // only ignored differences: nothing changed
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNearMiss(MarkAnswer(c.Expected, c.Response, English, c.Flags, {})), c.Near)
            << c.Expected << " / " << c.Response;

    // Long answers stay bounded.
    const std::string expected(6000, 'a'), response(6000, 'b');
    const TMarkedAnswer marked = MarkAnswer(expected, response, English, 0, {});
    EXPECT_EQ(marked.Changes, 12000);
    EXPECT_EQ(Typed(marked), response);
    // Many alternative groups expand to a bounded number of variants.
    std::string groups;
    for (int i = 0; i < 12; ++i)
        groups += "a/b/c ";
    EXPECT_LE(ExpectedVariants(groups, efAlternatives, {}).size(), 256u);
    // Long variants against a long response: each is still judged, within a bounded effort.
    const std::string response2 = groups.substr(0, 30) + std::string(3000, 'q') + "a";
    const TMarkedAnswer many
        = MarkAnswer(groups + std::string(3000, 'x'), response2, English, efAlternatives, {});
    EXPECT_EQ(Typed(many), response2);
}
