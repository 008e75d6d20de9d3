#pragma once
// The typo rule: a typed answer the answer check refuses that is one slip of the keyboard away from
// an accepted form. Texts are 8-bit in the answer language's code page; positions are bytes.

#include "testing/AnswerMarks.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TTypoKind : std::uint8_t {
    Substitution, // one letter typed for another
    Insertion, // one letter typed too many
    Deletion, // one letter left out
    Swap, // two neighbouring letters typed in the wrong order
};

// Where the typed answer departs from the form it misspells. Ignored characters (case,
// punctuation and spacing as the flags say) are passed over, so the positions always name a
// character that counts.
struct TTypo {
    TTypoKind Kind = TTypoKind::Substitution;
    // The accepted form as it is written in the expected answer: a synonym or translation, an
    // alternative word, a bracket variant, or the whole text.
    std::string Form;
    // In the typed answer: the wrong letter, the one too many, the first of the swapped two, or
    // for a deletion the letter the missing one belongs before (one past its last letter at the end).
    std::size_t ResponseAt = 0;
    // In Form: the letter meant, the letter left out, the first of the two swapped; for an
    // insertion the letter the extra one was typed before (one past its last letter at the end).
    std::size_t FormAt = 0;
    bool operator==(const TTypo&) const = default;
};

// An accepted form needs this many letters (or digits) before one wrong letter is a typo: in
// shorter words one letter makes another word.
inline constexpr int MinTypoFormLetters = 4;

// The typo that response makes of the first accepted form of expected (in ExpectedVariants' order)
// it is exactly one edit from: one letter substituted, inserted or deleted, or two neighbours
// swapped, compared as MarkAnswer compares (the same flags and delimiters as MatchAnswer, accents
// counting). Nothing when no form of at least MinTypoFormLetters letters is one edit away, or when
// the response equals one under the flags. It does not run the answer check: the caller asks only
// about a response the check refused.
std::optional<TTypo> FindTypo(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters);

// The typed answer with the typo marked as MarkAnswer marks: the wrong or extra letter as surplus,
// the letter meant as missing beside it (for a swap, the first letter struck and again after its
// neighbour).
std::vector<TAnswerMark> TypoMarks(const TTypo& typo, std::string_view response);
