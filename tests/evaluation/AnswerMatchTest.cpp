// Answer matching: the documented examples, the list caps, the English rules, and the pruned search
// checked against a plain recursive reference on generated cases.

#include "evaluation/AnswerMatch.h"

#include "evaluation/Languages.h"
#include "evaluation/TextIn.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr LangId English = 0x0409;
constexpr LangId EnglishUk = 0x0809;
constexpr LangId EnglishAustralia = 0x0C09;
constexpr LangId German = 0x0407;
constexpr LangId Greek = 0x0408;
constexpr LangId Russian = 0x0419;
constexpr LangId Turkish = 0x041F;

constexpr EvaluationFlags AllEnglish = efAux | efTo | efIze;
constexpr EvaluationFlags AllFlags = 0x01FF;

const EvaluationDelimiters Defaults {};

// ---- The reference: the recursion exactly as written, with no shortcut -----------------------

namespace Reference {

bool Match(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d);

std::string ReplaceIz(std::string_view text)
{
    std::string result(text);
    for (std::size_t i = 0; i + 1 < result.size(); ++i)
        if ((result[i] == 'i' || result[i] == 'I') && (result[i + 1] == 'z' || result[i + 1] == 'Z'))
            result.replace(i, 2, "is");
    return result;
}

std::string Normal(std::string_view text, LangId lang, EvaluationFlags flags)
{
    std::string s = (flags & efIze) ? ReplaceIz(text) : std::string(text);
    if (flags & efCaps)
        s = CaseFoldLocale(s, lang);
    if (flags & efWithoutTonos)
        s = StripTonos(s, lang);
    if (flags & efAccents)
        s = FoldAccents(s, lang, (flags & efSpelledUmlauts) != 0);
    if (flags & efPunctuation) {
        s = RemovePunctuation(s, lang, (flags & efSpacing) != 0);
    } else if (flags & efSpacing) {
        std::erase(s, ' ');
    }
    return s;
}

bool Synonyms(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d)
{
    const std::string set { d.Syn1, d.Syn2 };
    std::vector<std::string> e;
    std::vector<std::string> r;
    SplitDelimited(expected, set, true, 15, e, true);
    SplitDelimited(response, set, true, 15, r, true);
    int count = 0;
    std::vector<bool> covered(r.size());
    for (const auto& part : e) {
        bool any = false;
        for (std::size_t j = 0; j < r.size(); ++j)
            if (Match(part, r[j], lang, flags, d)) {
                any = true;
                covered[j] = true;
            }
        count += any;
    }
    const bool allCovered = std::find(covered.begin(), covered.end(), false) == covered.end();
    return count == static_cast<int>(r.size()) && (!r.empty() || e.empty()) && allCovered;
}

bool Alternatives(std::string_view text, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d, int start)
{
    int first = 0;
    int last = 0;
    if (!FindAlternativeGroup(text, d.Alt, start, first, last))
        return Match(text, response, lang, flags, d);
    const auto variants = ExpandAlternatives(text.substr(first - 1, last - first + 1), d.Alt);
    if (variants.empty())
        return Alternatives(
            text, response, lang, flags, d, static_cast<int>(text.find(d.Alt, start - 1)) + 2);
    for (const auto& v : variants) {
        const std::string candidate
            = std::string(text.substr(0, first - 1)) + v + std::string(text.substr(last));
        if (Alternatives(candidate, response, lang, flags, d, first + static_cast<int>(v.size())))
            return true;
    }
    return false;
}

bool Brackets(std::string_view text, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d)
{
    bool result = Match(text, response, lang, flags, d);
    int pos = 1;
    int open = 0;
    int close = 0;
    while (!result && FindBracketPair(text, d.BracketOpen, d.BracketClose, pos, open, close)) {
        result = Brackets(DeleteBracketChars(text, open, close), response, lang, flags, d)
            || Brackets(DeleteBracketedText(text, open, close), response, lang, flags, d);
        pos = close + 1;
    }
    return result;
}

bool Match(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d)
{
    if (expected == response)
        return true;
    if (flags & efAnyTranslation)
        return Synonyms(expected, response, lang, flags & ~efAnyTranslation, d);
    if (flags & efAlternatives)
        return Alternatives(expected, response, lang, flags & ~efAlternatives, d, 1);
    if (flags & efBrackets)
        return Brackets(expected, response, lang, flags & ~efBrackets, d);
    if (flags & efAux)
        return Match(expected, response, lang, flags & ~efAux, d)
            || Match(ExpandContractions(expected), ExpandContractions(response), lang, flags & ~efAux, d);
    std::string lower(expected.substr(0, 3));
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    if ((flags & efTo) && lower == "to ")
        return Match(expected, response, lang, flags & ~efTo, d)
            || Match(expected.substr(3), response, lang, flags & ~efTo, d);
    return Normal(expected, lang, flags) == Normal(response, lang, flags);
}

// What the response decides (a Greek answer in capitals) is decided once, on the whole response.
bool Answer(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d)
{
    return Match(expected, response, lang, ResponseFlags(flags, response, lang), d);
}

} // namespace Reference

// ---- The documented examples ----------------------------------------------------------------

struct TExample {
    const char* Name;
    const char* Expected;
    const char* Response;
    EvaluationFlags Flags;
    LangId Language;
    bool Accepted;
};

constexpr EvaluationFlags Nested = efAlternatives | efBrackets;
constexpr EvaluationFlags NestedEnglish = Nested | efAux | efTo;

const TExample Examples[] = {
    { "BothEmpty", "", "", 0, German, true },
    { "EmptyResponse", "a", "", AllFlags & ~efAnyTranslation, English, false },
    { "CapsOff", "The House", "the house", 0, German, false },
    { "CapsOn", "The House", "the house", efCaps, German, true },
    { "HyphenGoesSpaceStays", "ice-cream", "ice cream", efPunctuation, German, false },
    { "PunctuationAndSpacing", "ice-cream", "ice cream", efPunctuation | efSpacing, German, true },
    { "SpacingAloneOnlySpaces", "ice-cream", "icecream", efSpacing, German, false },
    { "SpacingAloneKeepsTabs", "a b", "a\tb", efSpacing, German, false },
    { "SpacingAlone", "ice cream", " icecream ", efSpacing, German, true },
    { "SynonymOther", "big, large", "large", efAnyTranslation, German, true },
    { "SynonymsReordered", "big, large", "large; big", efAnyTranslation, German, true },
    { "SynonymWrongExtra", "big, large", "big, small", efAnyTranslation, German, false },
    { "SynonymNamedTwice", "big, large", "big, big", efAnyTranslation, German, false },
    { "SynonymEmptyResponse", "big, large", "", efAnyTranslation, German, false },
    { "SynonymOnlyDelimiters", "big, large", " ;, ", efAnyTranslation, German, false },
    { "SynonymBothOnlyDelimiters", ";", ",", efAnyTranslation, German, true },
    { "SynonymsTrimmedEmptyPartsSkipped", " a ;; b ", "b,a", efAnyTranslation, German, true },
    { "SynonymNothingExpected", "", "a", efAnyTranslation, German, false },
    // An expected part written twice must be named twice; the two may not pay for an unknown word.
    { "SynonymExpectedTwiceNamedOnce", "big; big", "big", efAnyTranslation, German, false },
    { "SynonymExpectedTwiceNamedTwice", "big; big", "big, big", efAnyTranslation, German, true },
    { "SynonymExpectedTwiceWithExtra", "big; big", "big, small", efAnyTranslation, German, false },
    { "SynonymCapsTwiceWithExtra", "House; house", "house; xyz", efAnyTranslation | efCaps, German, false },
    { "AlternativeSecond", "the big/large house", "the large house", efAlternatives, German, true },
    { "AlternativeBothReversed", "the big/large house", "the large/big house", efAlternatives, German, true },
    { "AlternativeNone", "the big/large house", "the house", efAlternatives, German, false },
    { "AlternativeThreeWords", "a/b/c", "c", efAlternatives, German, true },
    { "AlternativeThreeWordsCombined", "a/b/c", "c/a", efAlternatives, German, true },
    { "AlternativeWordsAroundFixed", "x a/b y", "x b", efAlternatives, German, false },
    // Apostrophes, hyphens and 8-bit letters belong to the words; digits and brackets do not.
    { "AlternativeWordsWithApostrophes", "don't/won't go", "won't go", efAlternatives, English, true },
    { "AlternativeWordWithHyphen", "x-ray/y", "y", efAlternatives, German, true },
    { "AlternativeWordWithAccents", "été/summer", "summer", efAlternatives, German, true },
    { "AlternativeAfterBracket", "(a)/b", "(b)", efAlternatives, German, false },
    { "AlternativeAfterBracketKept", "(a)/b", "(a)/b", efAlternatives, German, true },
    { "AlternativeChainPartsReordered", "a/b c/d", "b/a d/c", efAlternatives, German, true },
    { "AlternativeLeadingDelimiter", "/a", "a", efAlternatives, German, false },
    { "BracketsKept", "to go (out)", "to go (out)", efBrackets, German, true },
    { "BracketsCharsDropped", "to go (out)", "to go out", efBrackets, German, true },
    { "BracketsTextDropped", "to go (out)", "to go", efBrackets, German, true },
    { "BracketsSpaceAfterGoes", "to go (out)", "to go ", efBrackets, German, false },
    { "BracketsFirstWord", "(to) go", "to go", efBrackets, German, true },
    { "BracketsFirstWordDropped", "(to) go", "go", efBrackets, German, true },
    { "BracketsMiddleKept", "go (out) now", "go out now", efBrackets, German, true },
    { "BracketsMiddleDropped", "go (out) now", "go now", efBrackets, German, true },
    { "BracketsMiddleTwoSpaces", "go (out) now", "go  now", efBrackets, German, false },
    { "BracketsOff", "go (out) now", "go now", 0, German, false },
    { "BracketsTwoPairs", "(a) b (c)", "b", efBrackets, German, true },
    { "BracketsNotNested", "((a) b)", "(a b)", efBrackets, German, true },
    // Dropping bracketed text takes one neighbouring space with it, never a word's own letters.
    { "BracketsTextDroppedNoSpaceBefore", "go(out) now", "go now", efBrackets, German, true },
    { "BracketsTextDroppedNoSpaceAfter", "go (out)now", "go now", efBrackets, German, true },
    { "BracketsTextDroppedBetweenTwoSpaces", "a  (x)  b", "a   b", efBrackets, German, true },
    { "BracketsTextDroppedAtTheEnd", "a (x)", "a", efBrackets, German, true },
    { "BracketsTextDroppedAtTheStart", "(x) ", "", efBrackets, German, true },
    { "BracketsEmptyPair", "a ()", "a", efBrackets, German, true },
    { "BracketsReversedAreText", "a )b( c", "a b c", efBrackets, German, false },
    { "BracketsUnclosedAreText", "a (b", "a b", efBrackets, German, false },
    { "AuxWould", "I would go", "I'd go", efAux, English, true },
    { "AuxIsNot", "he is not", "he isn't", efAux, English, true },
    { "AuxCannot", "I can't", "I cannot", efAux, English, true },
    { "AuxHas", "she has gone", "she's gone", efAux, English, true },
    { "AuxShall", "we shall see", "we'll see", efAux, English, true },
    { "AuxOff", "I would go", "I'd go", 0, English, false },
    { "ToDropped", "to run", "run", efTo, English, true },
    { "ToKept", "to run", "to run", efTo, English, true },
    { "ToUpperCase", "To run", "run", efTo, English, true },
    { "ToOnlyOnExpected", "run", "to run", efTo, English, false },
    { "ToNeedsSpace", "tour", "ur", efTo, English, false },
    { "IzeLower", "realize", "realise", efIze, English, true },
    { "IzeBothWays", "realise", "realize", efIze, English, true },
    { "IzeUpperBecomesLower", "REALIZE", "REALisE", efIze, English, true },
    { "IzeUpperNeedsCaps", "REALIZE", "REALISE", efIze, English, false },
    { "IzeUpperWithCaps", "REALIZE", "realise", efIze | efCaps, English, true },
    { "CyrillicCaps", "Дом", "дом", efCaps, Russian, true },
    { "TurkishDottedCapitalI", "İstanbul", "istanbul", efCaps, Turkish, true },
    { "TurkishDotlessCapitalI", "IRMAK", "ırmak", efCaps, Turkish, true },
    { "TurkishCapitalIIsNotI", "IRMAK", "irmak", efCaps, Turkish, false },
    { "EnglishCapitalIIsI", "IRMAK", "irmak", efCaps, English, true },
    { "GreekCaps", "ΑΛΦΑ", "αλφα", efCaps, Greek, true },
    // Greek capitals: the final sigma meets the capital sigma, and capitals carry no tonos.
    { "GreekFinalSigmaCapitals", "ο σκύλος", "Ο ΣΚΥΛΟΣ", 0x3F, Greek, true },
    { "GreekCapitalsNeedCaps", "ο σκύλος", "Ο ΣΚΥΛΟΣ", 0x37, Greek, false },
    { "GreekFinalSigmaMidWord", "σσ", "ςΣ", efCaps, Greek, true },
    { "GreekSigmasDifferWithoutCaps", "σκυλος", "σκυλοσ", 0, Greek, false },
    { "GreekTonosCountsInSmallLetters", "σκύλος", "σκυλος", efCaps, Greek, false },
    { "GreekTonosCountsWithoutCaps", "σκύλος", "σκυλος", 0, Greek, false },
    { "GreekDialytikaStaysInCapitals", "ΐ", "Ϊ", efCaps, Greek, true },
    { "GreekDialytikaNotDropped", "ϊ", "Ι", efCaps, Greek, false },
    { "AccentsFlagAlone", "Straße müde", "Strasse mude", efAccents, German, true },
    { "AccentsSpelledUmlauts", "Müße", "Muesse", efAccents | efSpelledUmlauts, German, true },
    { "AccentsKeepCaseWithoutCaps", "Müde", "mude", efAccents, German, false },
    { "PunctuationKeepsLetters", "don't!", "dont", efPunctuation, German, true },
    // A delimiter with no word after it separates nothing; the text must still match as written.
    { "LoneDelimiterWithCaps", "1/2 Cup", "1/2 cup", efAlternatives | efCaps, English, true },
    { "LoneDelimiterSpaced", "km / h", "KM / H", efAlternatives | efCaps, German, true },
    { "LoneDelimiterStillNeedsText", "1/2 Cup", "1 cup", efAlternatives | efCaps, English, false },
    // Nesting: each synonym with alternatives expanded, each variant with optional brackets.
    { "NestedAll", "to go out/away (now); big/large (house)", "large; to go away", efAnyTranslation | Nested,
        German, true },
    { "NestedCapsInAlternatives", "The Big/Large House; home", "the large house",
        efAnyTranslation | efAlternatives | efCaps, German, true },
    { "NestedAlternativesInBrackets", "go (out/away)", "go away", Nested, German, true },
    { "NestedAlternativesInBracketsKept", "go (out/away)", "go out/away", Nested, German, true },
    { "NestedBracketBeforeLoneDelimiter", "a (b)/c d", "a /c d", Nested, German, true },
    // The expanded "'d" begins with a space, so only Spacing lets it meet "had" at the start.
    { "NestedAuxAndTo", "to (would) go/come", "'d come", NestedEnglish | efSpacing, English, true },
    { "NestedAuxAndToWithoutSpacing", "to (would) go/come", "'d come", NestedEnglish, English, false },
    { "NestedAuxToMismatch", "to (would) go/come", "'d run", NestedEnglish | efSpacing, English, false },
};

class AnswerMatchExamples : public testing::TestWithParam<TExample> { };

TEST_P(AnswerMatchExamples, DecideAsDocumented)
{
    const auto& c = GetParam();
    const std::string expected = In(c.Language, c.Expected), response = In(c.Language, c.Response);
    EXPECT_EQ(MatchAnswer(expected, response, c.Language, c.Flags, Defaults), c.Accepted);
    // The search must agree with the plain recursion.
    EXPECT_EQ(Reference::Answer(expected, response, c.Language, c.Flags, Defaults), c.Accepted);
}

INSTANTIATE_TEST_SUITE_P(AnswerMatch, AnswerMatchExamples, testing::ValuesIn(Examples),
    [](const testing::TestParamInfo<TExample>& row) { return std::string(row.param.Name); });

TEST(AnswerMatchSteps, DirectCallsStartWhereTheyAreTold)
{
    // From position 4 the first group is left as written.
    EXPECT_TRUE(MatchAlternatives("a/b c/d", "a/b d", German, 0, Defaults, 4));
    EXPECT_FALSE(MatchAlternatives("a/b c/d", "a d", German, 0, Defaults, 4));
    EXPECT_TRUE(MatchBrackets("Go (out) now", "go now", German, efCaps, Defaults));
    EXPECT_TRUE(MatchSynonyms(" a ;; b ", "b,a", German, 0, Defaults));
}

// ---- English rules ----------------------------------------------------------------------------

TEST(AnswerMatchEnglish, EffectiveFlagsAddEnglishBitsOnlyForEnglish)
{
    const EvaluationFlags side = efCaps | efBrackets;
    for (const LangId english : { English, EnglishUk, EnglishAustralia, LangId(0x0009) })
        EXPECT_EQ(EffectiveFlags(side, AllEnglish, english), side | AllEnglish) << english;
    EXPECT_EQ(EffectiveFlags(side, AllEnglish, German), side);
    EXPECT_EQ(EffectiveFlags(side, AllEnglish, 0x0019), side);
    // Stray bits in either word do not leak into the other's meaning.
    EXPECT_EQ(EffectiveFlags(efAux | efCaps, efCaps | efTo, German), efCaps);
    EXPECT_EQ(EffectiveFlags(0, efCaps | efTo, English), efTo);
}

TEST(AnswerMatchEnglish, ContractionsInTableOrder)
{
    // "would" goes before "n't"; substrings are replaced, not words.
    const std::pair<const char*, const char*> cases[] = { { "I would go", "I had go" },
        { "I'd go", "I had go" }, { "wouldn't", "had not" }, { "WOULD", "had" }, { "shall", "will" },
        { "we'll", "we will" }, { "she has", "she is" }, { "she's", "she is" }, { "won't", "will not" },
        { "Shan't", "will not" }, { "can't", "can not" }, { "CANNOT", "can not" }, { "I'm", "I am" },
        { "you're", "you are" }, { "we've", "we have" }, { "isn't", "is not" }, { "chase", "cise" },
        { "hashas", "isis" }, { "", "" }, { "\xE9t\xE9", "\xE9t\xE9" } };
    for (const auto& [text, expanded] : cases)
        EXPECT_EQ(ExpandContractions(text), expanded) << text;
}

// ---- The search against the reference ----------------------------------------------------------

struct TGenerated {
    std::string Expected;
    std::string Response;
    EvaluationFlags Flags;
    LangId Language;
    EvaluationDelimiters Delimiters;
};

// ---- Answers that differ only in accents ------------------------------------------------------

constexpr LangId French = 0x040C;
constexpr LangId Czech = 0x0405;
constexpr LangId SwissGerman = 0x0807;
constexpr EvaluationFlags Side = SideEvaluationMask;

struct TAccentExample {
    const char* Name;
    const char* Expected;
    const char* Response;
    LangId Language;
    EvaluationFlags Flags;
    TAnswerMatch Result;
};

const TAccentExample AccentExamples[] = {
    { "Same", "müde", "müde", German, Side, TAnswerMatch::Exact },
    { "CapsStillExact", "Müde", "mÜDE", German, Side, TAnswerMatch::Exact },
    { "SharpSAsSs", "Straße", "Strasse", German, Side, TAnswerMatch::Accents },
    { "SharpSAsSsSwiss", "Straße", "Strasse", SwissGerman, Side, TAnswerMatch::Accents },
    { "UmlautDropped", "müde", "mude", German, Side, TAnswerMatch::Accents },
    { "UmlautSpelled", "müde", "muede", German, Side, TAnswerMatch::Accents },
    { "CapitalUmlautSpelled", "Ärger", "Aerger", German, 0, TAnswerMatch::Accents },
    { "CapitalUmlautSpelledInCapitals", "Ärger", "AERGER", German, efCaps, TAnswerMatch::Accents },
    { "SharpSAndDroppedUmlaut", "Straße müde", "Strasse mude", German, Side, TAnswerMatch::Accents },
    { "SpelledBothWays", "Müße", "muesse", German, Side, TAnswerMatch::Accents },
    { "SpelledOnlyInGerman", "müde", "muede", French, Side, TAnswerMatch::None },
    { "SharpSOnlyInGerman", "Straße", "Strasse", French, Side, TAnswerMatch::None },
    { "SpelledExpectedMeetsUmlaut", "muede", "müde", German, Side, TAnswerMatch::Accents },
    { "WrongLetterStaysWrong", "müde", "made", German, Side, TAnswerMatch::None },
    { "CaseWithoutCapsStaysWrong", "Müde", "mude", German, 0, TAnswerMatch::None },
    { "FrenchAcute", "café", "cafe", French, Side, TAnswerMatch::Accents },
    { "InsideSynonyms", "müde, schläfrig", "schlafrig", German, Side, TAnswerMatch::Accents },
    { "InsideAlternatives", "die große/kleine Straße", "die kleine Strasse", German, Side,
        TAnswerMatch::Accents },
    { "InsideBrackets", "(sehr) müde", "mude", German, Side, TAnswerMatch::Accents },
    { "CzechCentralEurope", "příliš", "prilis", Czech, Side, TAnswerMatch::Accents },
    { "RussianYo", "ёлка", "елка", Russian, Side, TAnswerMatch::Accents },
    { "RussianCapitalYo", "ёлка", "ЕЛКА", Russian, Side, TAnswerMatch::Accents },
    // Latin letters for a Cyrillic word are another script, not other accents.
    { "RussianInLatinLetters", "ёлка", "elka", Russian, Side, TAnswerMatch::None },
    { "GreekTonos", "σκύλος", "σκυλος", Greek, 0, TAnswerMatch::Accents },
    { "GreekTonosWithCaps", "σκύλος", "σκυλος", Greek, Side, TAnswerMatch::Accents },
    // Capitals carry no tonos: an answer in capitals is exact without it.
    { "GreekCapitals", "ο σκύλος", "Ο ΣΚΥΛΟΣ", Greek, Side, TAnswerMatch::Exact },
    { "GreekCapitalsNeedCaps", "ο σκύλος", "Ο ΣΚΥΛΟΣ", Greek, Side & ~efCaps, TAnswerMatch::None },
    { "GreekMixedCaseKeepsTonos", "ο σκύλος", "Ο σκυλος", Greek, Side, TAnswerMatch::Accents },
    { "GreekDialytika", "ϊ", "ι", Greek, Side, TAnswerMatch::Accents },
    { "EmptyResponse", "müde", "", German, Side, TAnswerMatch::None },
    { "BothEmpty", "", "", German, Side, TAnswerMatch::Exact },
    // Bits a damaged store could hold never reach the decision.
    { "AccentBitsInFlagsIgnored", "müde", "mude", German, Side | efAccents, TAnswerMatch::Accents },
};

class AnswerMatchAccents : public testing::TestWithParam<TAccentExample> { };

TEST_P(AnswerMatchAccents, DecideAsDocumented)
{
    const auto& c = GetParam();
    EXPECT_EQ(MatchAnswerAccents(
                  In(c.Language, c.Expected), In(c.Language, c.Response), c.Language, c.Flags, Defaults),
        c.Result);
}

INSTANTIATE_TEST_SUITE_P(AnswerMatch, AnswerMatchAccents, testing::ValuesIn(AccentExamples),
    [](const testing::TestParamInfo<TAccentExample>& row) { return std::string(row.param.Name); });

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
