// Answer matching: the documented examples, answers that differ only in accents and the English
// rules; the search itself is checked in AnswerMatchSearchTest.cpp.

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

constexpr LangId EnglishUk = 0x0809;
constexpr LangId EnglishAustralia = 0x0C09;

constexpr EvaluationFlags AllEnglish = efAux | efTo | efIze;
constexpr EvaluationFlags AllFlags = 0x01FF;

const EvaluationDelimiters Defaults {};

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

// ---- Answers that differ only in accents ------------------------------------------------------

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

} // namespace
