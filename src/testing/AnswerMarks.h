#pragma once
// Where a typed answer went wrong: the typed text against the closest expected alternative,
// compared with the side's own leniency, so that ignored case, punctuation and spacing are not
// marked.

#include "evaluation/AnswerMatch.h"

#include <string>
#include <string_view>
#include <vector>

enum class TMarkKind : std::uint8_t {
    Same, // typed text that agrees with the expected text (or differs only where it is ignored)
    Surplus, // typed characters the expected text does not have
    Missing, // expected characters the typed text lacks (the text is the expected characters)
};

// One run of the marked answer; the runs read in order give the typed text with the missing
// characters inserted where they belong. Texts are 8-bit in the answer language's code page.
struct TAnswerMark {
    TMarkKind Kind = TMarkKind::Same;
    std::string Text;
    bool operator==(const TAnswerMark&) const = default;
};

struct TMarkedAnswer {
    // The expected alternative (synonym, alternative word or bracket variant) the typed text is
    // closest to; for a typed list of translations, the closest of each part, joined.
    std::string Closest;
    std::vector<TAnswerMark> Marks;
    // Characters marked in all (surplus and missing together); 0 means nothing to show.
    int Changes = 0;
};

// Marks the typed response against the variant of expected that needs the fewest changes; a typed
// list of translations (with AnyTranslation) part by part.
// flags and delimiters are the answer side's, exactly as given to MatchAnswer.
TMarkedAnswer MarkAnswer(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters);

// Whether the marking helps: the typed text is a near miss of its closest alternative, at most
// half of whose characters were changed, left out or added to. An unrelated answer is better
// shown unmarked beside the expected one.
bool IsNearMiss(const TMarkedAnswer& marked);

// The variants of an expected text that MatchAnswer accepts on their own, for the flags given:
// synonyms, alternative words and bracket variants (bounded; the whole text comes first).
std::vector<std::string> ExpectedVariants(
    std::string_view expected, EvaluationFlags flags, const EvaluationDelimiters& delimiters);
