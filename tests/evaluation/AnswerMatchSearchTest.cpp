// Answer matching: the pruned search checked against a plain recursive reference on generated
// cases, the list caps and other delimiters, and the worst case at the caps.

#include "evaluation/AnswerMatch.h"
#include "evaluation/AnswerMatchReference.h"
#include "evaluation/Languages.h"
#include "evaluation/TextIn.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr EvaluationFlags AllFlags = 0x01FF;

const EvaluationDelimiters Defaults {};

// ---- The search against the reference ----------------------------------------------------------

struct TGenerated {
    std::string Expected;
    std::string Response;
    EvaluationFlags Flags;
    LangId Language;
    EvaluationDelimiters Delimiters;
};

class TCaseGenerator {
public:
    explicit TCaseGenerator(unsigned seed)
        : Random(seed)
    {
    }

    TGenerated Next()
    {
        TGenerated g;
        const LangId languages[] = { English, English, Turkish, Russian, Greek, German };
        g.Language = languages[Pick(std::size(languages))];
        g.Flags = static_cast<EvaluationFlags>(Pick(0x1000));
        if (Pick(4) == 0) {
            g.Delimiters.Syn1 = '|';
            g.Delimiters.Syn2 = '+';
            g.Delimiters.BracketOpen = '[';
            g.Delimiters.BracketClose = ']';
            g.Delimiters.Alt = Pick(3) == 0 ? '-' : '\\';
        }
        const int parts = (g.Flags & efAnyTranslation) ? 1 + static_cast<int>(Pick(3)) : 1;
        for (int i = 0; i < parts; ++i) {
            const std::string part = Part(g.Delimiters);
            g.Expected += (i > 0 ? std::string(1, g.Delimiters.Syn2) + " " : "") + part;
            if (Pick(3) > 0 || i == 0)
                g.Response += (g.Response.empty() ? "" : std::string(1, g.Delimiters.Syn1))
                    + Derive(part, g.Delimiters);
        }
        return g;
    }

    // Four groups and two bracket pairs: a few thousand texts, where pruning is what decides.
    std::string LargePart(const EvaluationDelimiters& d)
    {
        std::string text = Pick(2) ? "to " : "";
        for (int i = 0; i < 4; ++i)
            text += Word() + d.Alt + Word() + (Pick(4) ? " " : "");
        text += std::string(" ") + d.BracketOpen + Word() + d.BracketClose + " " + Word() + " "
            + d.BracketOpen + Word() + " " + Word() + d.BracketClose;
        return text;
    }

    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(Random); }

    std::string Word()
    {
        static const char* const words[] = { "a", "b", "ab", "to", "To", "go", "out", "is", "has", "would",
            "I", "Iz", "iz", "realize", "can't", "'d", "won't", "x-y", "\xC7", "\xDD", "\xFD", "\xD3\xE1",
            "Big", "big", "1", "2", "n't", "shall", "\xFC", "ue", "\xDF", "\xE9\xF2" };
        return words[Pick(std::size(words))];
    }

    // A part with a few words, alternative groups and bracket pairs, small enough for the reference.
    std::string Part(const EvaluationDelimiters& d)
    {
        std::string text;
        const int tokens = 1 + static_cast<int>(Pick(7));
        int groups = 0;
        int brackets = 0;
        for (int i = 0; i < tokens; ++i) {
            if (i > 0)
                text += Pick(6) == 0 ? "" : (Pick(8) == 0 ? "  " : " ");
            const std::size_t kind = Pick(10);
            if (kind < 3 && groups < 3) {
                ++groups;
                text += Word() + d.Alt + Word();
                if (Pick(5) == 0)
                    text += d.Alt + Word();
            } else if (kind < 5 && brackets < 2) {
                ++brackets;
                text += d.BracketOpen + Word() + (Pick(3) == 0 ? " " + Word() : "") + d.BracketClose;
            } else if (kind == 5) {
                const char marks[] = { '.', ',', '!', '?', '-', d.Alt, d.BracketOpen, d.BracketClose };
                text += marks[Pick(std::size(marks))];
            } else {
                text += Word();
            }
        }
        return text;
    }

public:
    // A response made the way a user might: one path through the options, sometimes with a slip.
    std::string Derive(const std::string& part, const EvaluationDelimiters& d)
    {
        std::string text = part;
        int start = 1;
        int first = 0;
        int last = 0;
        while (Pick(5) > 0 && FindAlternativeGroup(text, d.Alt, start, first, last)) {
            const auto variants = ExpandAlternatives(text.substr(first - 1, last - first + 1), d.Alt);
            if (variants.empty())
                break;
            const auto& v = variants[Pick(variants.size())];
            text = text.substr(0, first - 1) + v + text.substr(last);
            start = first + static_cast<int>(v.size());
        }
        int open = 0;
        int close = 0;
        while (Pick(3) > 0 && FindBracketPair(text, d.BracketOpen, d.BracketClose, 1, open, close))
            text = Pick(2) ? DeleteBracketChars(text, open, close) : DeleteBracketedText(text, open, close);
        if (Pick(4) == 0)
            text = ExpandContractions(text);
        if (Pick(4) == 0 && text.size() >= 3)
            text = text.substr(3);
        for (char& c : text) {
            if (Pick(6) == 0 && c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 32);
            else if (Pick(6) == 0 && c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        }
        if (Pick(4) == 0)
            std::erase(text, ' ');
        if (Pick(4) == 0)
            std::erase_if(text, [](char c) { return c == '.' || c == ',' || c == '-' || c == '!'; });
        if (Pick(5) == 0)
            std::replace(text.begin(), text.end(), '\xFC', 'u');
        if (Pick(8) == 0 && !text.empty())
            text[Pick(text.size())] = 'q';
        return text;
    }

private:
    std::mt19937 Random;
};

// Both outcomes must be well represented for the comparison to mean anything.
TEST(AnswerMatchSearch, AgreesWithTheReferenceOnGeneratedCases)
{
    const auto agree = [](TCaseGenerator& generator, int cases, bool large) {
        int accepted = 0;
        for (int i = 0; i < cases; ++i) {
            TGenerated g = generator.Next();
            if (large) {
                g.Flags = static_cast<EvaluationFlags>(
                    (g.Flags | efAlternatives | efBrackets) & ~efAnyTranslation);
                g.Expected = generator.LargePart(g.Delimiters);
                g.Response = generator.Derive(g.Expected, g.Delimiters);
            }
            const bool expected
                = Reference::Answer(g.Expected, g.Response, g.Language, g.Flags, g.Delimiters);
            EXPECT_EQ(MatchAnswer(g.Expected, g.Response, g.Language, g.Flags, g.Delimiters), expected)
                << "case " << i << ": [" << g.Expected << "] [" << g.Response << "] flags " << g.Flags
                << " language " << g.Language << " alt " << g.Delimiters.Alt;
            if (::testing::Test::HasFailure())
                break; // the first disagreement is the one to look at
            accepted += expected;
        }
        return accepted;
    };
    TCaseGenerator generator(20240611);
    const int accepted = agree(generator, 1500, false);
    EXPECT_GT(accepted, 1500 / 5);
    EXPECT_LT(accepted, 1500 * 4 / 5);
    TCaseGenerator larger(7);
    const int acceptedLarge = agree(larger, 40, true);
    EXPECT_GT(acceptedLarge, 4);
    EXPECT_LT(acceptedLarge, 35);
}

std::string Groups(int count, const char* group)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? " " : "") + std::string(group);
    return text;
}

std::string Numbered(int from, int to, const char* separator)
{
    std::string text;
    for (int i = from; i <= to; ++i)
        text += (i > from ? separator : "") + std::string("w") + std::to_string(i);
    return text;
}

// Texts too large for the reference: the caps of the lists and of the search; other delimiters.
TEST(AnswerMatchSearch, LimitsAndDelimiters)
{
    const EvaluationDelimiters other { '|', '+', '[', ']', '\\' };
    const EvaluationDelimiters hyphen { ';', ',', '(', ')', '-' };
    const EvaluationFlags nested = efAnyTranslation | efAlternatives | efBrackets;
    const EvaluationFlags noSynonyms = AllFlags & ~efAnyTranslation;
    const std::string twenty = Numbered(1, 20, "; ");
    const char* const otherText = "the big\\large house [now] | home";
    const std::string manyGroups = Groups(40, "a/b") + " (c) (d)";
    const std::string alike = Groups(30, "A/a") + " x";
    const std::string slashes(5000, '/');
    const struct {
        const char* Name;
        std::string Expected;
        std::string Response;
        EvaluationFlags Flags;
        EvaluationDelimiters Delimiters;
        bool Accepted;
    } cases[] = {
        { "SixteenthSynonym", twenty, "w16", efAnyTranslation, Defaults, true },
        { "SeventeenthSynonymIgnored", twenty, "w17", efAnyTranslation, Defaults, false },
        { "SeventeenthAnswerPartNotLookedAt", twenty, Numbered(1, 16, ", ") + ", x", efAnyTranslation,
            Defaults, true },
        { "OtherSynonymDelimiters", otherText, "home + the large house", nested, other, true },
        { "OtherAlternativeAndBrackets", otherText, "the big house now", nested, other, true },
        // The default characters are plain text then.
        { "DefaultSynonymDelimiterIsText", otherText, "home, the large house", nested, other, false },
        { "DefaultAlternativeIsText", "a/b", "a", nested, other, false },
        { "DefaultBracketsAreText", "go (out)", "go", nested, other, false },
        { "DefaultSynonymIsText", "big; large", "big", nested, other, false },
        // 4^40 texts written out: only a search that drops hopeless branches finishes.
        { "ManyGroups", manyGroups, Groups(40, "b") + " d", noSynonyms, Defaults, true },
        { "ManyGroupsLastCombined", manyGroups, Groups(39, "b") + " b/A",
            efAlternatives | efBrackets | efCaps, Defaults, true },
        { "ManyGroupsWrongBrackets", manyGroups, Groups(39, "b") + " c d", noSynonyms, Defaults, false },
        { "ManyGroupsWrongEnd", manyGroups, Groups(40, "a") + " e", noSynonyms, Defaults, false },
        // With the hyphen as delimiter the whole run is one group. Four words give all 64 orderings;
        // five give the first 64 in depth-first order, all of them starting with the first word.
        { "FourWordsAllOrders", "a-b-c-d", "d-c-b-a", efAlternatives, hyphen, true },
        { "FiveWordsAsWritten", "a-b-c-d-e", "a-b-c-d-e", efAlternatives, hyphen, true },
        { "FiveWordsEarlyOrder", "a-b-c-d-e", "a-e-d-c", efAlternatives, hyphen, true },
        { "FiveWordsBeyondSixtyFour", "a-b-c-d-e", "a-e-d-c-b", efAlternatives, hyphen, false },
        { "FiveWordsOtherFirst", "a-b-c-d-e", "b", efAlternatives, hyphen, false },
        // Every "A" and "a" fits until the very end, so no branch can be dropped early: the search
        // gives up at its cap and refuses, as a complete search would too.
        { "AlikeRefused", alike, Groups(30, "a") + " y", efAlternatives | efCaps, Defaults, false },
        { "AlikeFirstPathAccepted", alike, Groups(30, "a") + " x", efAlternatives | efCaps, Defaults, true },
        // Delimiters alone neither recurse without end nor overflow the stack.
        { "OnlyDelimiters", slashes, slashes, efAlternatives, Defaults, true },
        { "OnlyDelimitersAnswerShort", slashes, "/", efAlternatives | efCaps, Defaults, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(MatchAnswer(c.Expected, c.Response, German, c.Flags, c.Delimiters), c.Accepted);
    }
}

TEST(AnswerMatchSearch, PruningKeepsWhatLaterStepsCanStillChange)
{
    // Each case has enough groups for the search to prune, and a spot where a later step still
    // changes text just before the part the pruning looks at.
    struct TCase {
        const char* Expected;
        const char* Response;
        EvaluationFlags Flags;
    };
    const TCase cases[] = {
        // Deleting the brackets joins "sha" and "ll" into a contraction.
        { "a/b c/d e/f g/h I sha(ll) go", "b d f h I'll go", efAlternatives | efBrackets | efAux | efCaps },
        // Only two characters are fixed before the brackets, yet they begin "to ".
        { "to (x) a/b c/d e/f g/h", "x b d f h", efAlternatives | efBrackets | efTo },
        { "(to) a/b c/d e/f g/h go", "b d f h go", efAlternatives | efBrackets },
        { "go (x) a/b c/d e/f g/h", "gox b d f h", efAlternatives | efBrackets | efSpacing },
        { "A/b/c/d/e/f/g/h (x)", "h/g x", efAlternatives | efBrackets | efCaps },
        { "a/b c/d e/f g/h realize it", "b d f h realise it", efAlternatives | efIze },
        { "a/b c/d e/f g/h I (would) go", "b d f h I'd go", efAlternatives | efBrackets | efAux },
        // Nothing to expand in the expected text, yet the expanded response must still be tried.
        { "a/b c/d e/f g/h I had go", "b d f h I'd go", efAlternatives | efAux },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_TRUE(Reference::Answer(c.Expected, c.Response, English, c.Flags, Defaults));
        EXPECT_TRUE(MatchAnswer(c.Expected, c.Response, English, c.Flags, Defaults));
        const std::string wrong = std::string(c.Response) + "q";
        EXPECT_FALSE(MatchAnswer(c.Expected, wrong, English, c.Flags, Defaults));
    }
}

TEST(AnswerMatchSearch, WorstCaseAtTheCaps)
{
    // Sixteen parts on both sides, eight-word chains, brackets, every option; each expected part
    // matches only its own response part, so every part is searched to the end.
    std::string expected;
    std::string response;
    for (int i = 0; i < 16; ++i) {
        const char w = static_cast<char>('a' + i);
        expected += i ? "; to " : "to ";
        for (char c = 'a'; c <= 'h'; ++c)
            expected += std::string { w, c } + (c < 'h' ? "/" : " (x) (y) (would)");
        response = std::string { w, 'h', '/', w, 'g' } + " x 'd" + (i ? ", " : "") + response;
    }
    EXPECT_TRUE(MatchAnswer(expected, response, English, AllFlags, Defaults));
    // A seventeenth part pushes a right one out of the list; the wrong one is not among the expected.
    EXPECT_FALSE(MatchAnswer(expected, "zz, " + response, English, AllFlags, Defaults));
    response[response.size() - 2] = 'x';
    EXPECT_FALSE(MatchAnswer(expected, response, English, AllFlags, Defaults));
}

} // namespace
