#pragma once
// Whether a typed response is an acceptable answer, under one language side's evaluation options.
// A pure function of its arguments.

#include "evaluation/Languages.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using EvaluationFlags = std::uint16_t;
enum TEvaluationFlag : EvaluationFlags {
    efAnyTranslation = 0x0001,
    efBrackets = 0x0002,
    efAlternatives = 0x0004,
    efCaps = 0x0008,
    efPunctuation = 0x0010,
    efSpacing = 0x0020,
    efAux = 0x0040,
    efTo = 0x0080,
    efIze = 0x0100,
    // Never stored with a side's flags: MatchAnswerAccents adds them for its second look.
    efAccents = 0x0200, // accents ignored, and for German ß = ss
    efSpelledUmlauts = 0x0400, // with efAccents, German ä, ö, ü read as ae, oe, ue
    // Added by ResponseFlags: Greek compared without the tonos.
    efWithoutTonos = 0x0800,
};
// The bits a language side may hold, and the English-only bits.
inline constexpr EvaluationFlags SideEvaluationMask = 0x003F;
inline constexpr EvaluationFlags EnglishEvaluationMask = 0x01C0;
// The notes are compared with capitalisation, punctuation and spacing ignored.
inline constexpr EvaluationFlags NotesEvaluation = efCaps | efPunctuation | efSpacing;

struct EvaluationDelimiters {
    char Syn1 = ';';
    char Syn2 = ',';
    char BracketOpen = '(';
    char BracketClose = ')';
    char Alt = '/';
};

// The flags to match with: a side's own bits, plus the English bits only when the answer language
// is English.
EvaluationFlags EffectiveFlags(
    EvaluationFlags sideFlags, EvaluationFlags englishFlags, LangId answerLanguage);

// The flags with what the response itself decides: a Greek answer typed in capitals, with case
// ignored, is compared without the tonos, since capitals carry none ("Ο ΣΚΥΛΟΣ" is "ο σκύλος").
// Every entry below applies it; it is idempotent.
EvaluationFlags ResponseFlags(EvaluationFlags flags, std::string_view response, LangId language);

bool MatchAnswer(std::string_view expected, std::string_view response, LangId language, EvaluationFlags flags,
    const EvaluationDelimiters& delimiters);
// How a response meets the expected answer: as the flags accept it, only once the accents are
// ignored as well (for German also ß = ss and ä, ö, ü = ae, oe, ue), or not at all.
enum class TAnswerMatch : std::uint8_t { None, Exact, Accents };
TAnswerMatch MatchAnswerAccents(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters);
bool MatchSynonyms(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters);
bool MatchAlternatives(std::string_view text, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters, int start);
bool MatchBrackets(std::string_view text, std::string_view response, LangId language, EvaluationFlags flags,
    const EvaluationDelimiters& delimiters);
std::string ExpandContractions(std::string_view text);

// Helpers, 1-based positions as in the rest of the text utilities.
// Finds the group around the first alt at or after start; false when there is none.
bool FindAlternativeGroup(std::string_view text, char alt, int start, int& groupStart, int& groupEnd);
// Every ordered selection of one or more of the group's words, at most 64.
std::vector<std::string> ExpandAlternatives(std::string_view group, char alt);
bool FindBracketPair(std::string_view text, char open, char close, int pos, int& openPos, int& closePos);
std::string DeleteBracketChars(std::string_view text, int openPos, int closePos);
std::string DeleteBracketedText(std::string_view text, int openPos, int closePos);
bool IsWordChar(unsigned char c);
