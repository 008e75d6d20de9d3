#pragma once
// What the program gives a speech engine, decided without one: which of the engine's voices
// reads a language, and the text it reads. The window (through Qt) and velmoria-cli (through
// speech-dispatcher) both hand their engine's voice list here.

#include "evaluation/AnswerMatch.h"
#include "evaluation/Languages.h"
#include "evaluation/Translatable.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TVoice {
    std::string Name;
    // As the engine writes it: "de", "en-gb", "en-gb-scotland", "de_DE", "sr_Latn_RS"...
    std::string Locale;
};

// How well a voice's locale fits a language, worst first.
enum class TVoiceFit {
    None, // another language
    OtherRegion, // the language of another region ("en-us" for British English)
    LanguageOnly, // the language with no region ("de" for Austrian German)
    RelatedRegion, // a region whose speech is akin ("en-gb" for Australian English: CLDR groups them)
    ContainingRegion, // a region around the language's ("es-419" for Mexican Spanish)
    Exact, // language and region ("en-gb" for British English)
};

// The locale a language is spoken in: its table locale without collation keywords ("de_DE",
// "sr_Latn_RS", "es_ES" for traditional sort); "" for an identifier outside the table.
std::string SpeechLocale(LangId lang);
TVoiceFit VoiceFit(std::string_view voiceLocale, LangId lang);
// The voice that reads the language best, by VoiceFit, a voice without a variant before one with
// ("en-gb" before "en-gb-scotland"), then in list order; nullopt when none speaks the language.
// Never a default voice: one of another language reads the words wrongly.
std::optional<std::size_t> ChooseVoice(std::span<const TVoice> voices, LangId lang);
// Every voice that speaks the language, best first in the order ChooseVoice ranks them.
std::vector<std::size_t> VoicesForLanguage(std::span<const TVoice> voices, LangId lang);

// The text an engine reads for a field: the field's bytes (in its language's code page) as UTF-8,
// without the sorting marker, bracket characters and signs that are marks rather than words
// ("*", "#", "_", "|" ...); synonym and alternative delimiters and placeholders ("...", "~")
// become pauses; line breaks and runs of blanks one space. "" when nothing is left to read.
std::string SpeechText(std::string_view text, LangId lang, const EvaluationDelimiters& delimiters = {});
// The same for text that is already UTF-8 (from the command line).
std::string SpeechTextUtf8(std::string_view utf8, const EvaluationDelimiters& delimiters = {});

// Why nothing can be spoken.
enum class TSpeechProblem {
    NotInstalled, // no speech service on this computer
    NotRunning, // the service does not answer
    NoVoice, // no voice for the language
};
// One sentence or two for a message or a tooltip: what is missing and what to install or do.
// lang names the language for NoVoice.
TSaying SpeechProblemText(TSpeechProblem problem, LangId lang = 0);
