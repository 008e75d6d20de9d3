// The text an engine reads. Engines read signs aloud ("slash", "asterisk") or stumble over them,
// and read a list of synonyms as one run-on phrase: the learner should hear the words, with a
// pause between the translations.

#include "core/SortingMarker.h"
#include "evaluation/TextUtils.h"
#include "evaluation/Translatable.h"
#include "speech/Speech.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

// Builds the text from words, single blanks and pauses (a comma), so that neither a pause nor a
// blank stands first, last or twice.
class TSpokenText {
public:
    void Blank() { Blank_ = true; }
    void Pause()
    {
        if (!Text_.empty() && Text_.back() != ',')
            Text_ += ',';
        Blank_ = true;
    }
    void Add(std::string_view characters)
    {
        if (Blank_ && !Text_.empty())
            Text_ += ' ';
        Blank_ = false;
        Text_ += characters;
    }
    std::string Take()
    {
        if (!Text_.empty() && Text_.back() == ',')
            Text_.pop_back();
        return std::move(Text_);
    }

private:
    std::string Text_;
    bool Blank_ = false;
};

bool IsMark(char c, const EvaluationDelimiters& delimiters)
{
    // Brackets are read as what they hold: "(to) go" is "to go", "Kind(er)" is "Kinder".
    static constexpr std::string_view Marks = "()[]{}<>*#^`\"";
    const auto bracket = [c](char b) { return c == b && !IsWordChar(static_cast<unsigned char>(b)); };
    return Marks.find(c) != std::string_view::npos || bracket(delimiters.BracketOpen)
        || bracket(delimiters.BracketClose);
}

bool IsPause(char c, const EvaluationDelimiters& delimiters)
{
    // "|" and "\\" separate as "/" does; "~" and "_" stand for the headword or a gap to fill.
    static constexpr std::string_view Pauses = ",;/|\\~_=";
    const auto delimiter = [c](char d) { return c == d && !IsWordChar(static_cast<unsigned char>(d)); };
    return Pauses.find(c) != std::string_view::npos || delimiter(delimiters.Syn1)
        || delimiter(delimiters.Syn2) || delimiter(delimiters.Alt);
}

} // namespace

std::string SpeechTextUtf8(std::string_view utf8, const EvaluationDelimiters& delimiters)
{
    std::string text(utf8);
    ExtractSortingMarker(text);
    TSpokenText spoken;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0)
            continue; // not UTF-8: nothing an engine could read
        if (c < 0x80) {
            const char ascii = static_cast<char>(c);
            if (c <= 0x20 || c == 0x7F)
                spoken.Blank();
            else if (ascii == '.' && i < length && text[static_cast<std::size_t>(i)] == '.') {
                // "..." is a placeholder, "etw." an abbreviation whose dot stays.
                while (i < length && text[static_cast<std::size_t>(i)] == '.')
                    ++i;
                spoken.Pause();
            } else if (IsPause(ascii, delimiters))
                spoken.Pause();
            else if (IsMark(ascii, delimiters))
                continue;
            else
                spoken.Add(std::string_view(text).substr(static_cast<std::size_t>(start), 1));
            continue;
        }
        if (c == 0x2026) // the ellipsis: a placeholder
            spoken.Pause();
        else if (c == 0x00AD || c == 0x200B) // soft hyphen, zero-width space
            continue;
        else if (u_isUWhiteSpace(c) || u_charType(c) == U_CONTROL_CHAR || c == 0x2022)
            spoken.Blank(); // no-break spaces, line separators, C1 controls, bullets
        else
            spoken.Add(std::string_view(text).substr(
                static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
    }
    return spoken.Take();
}

std::string SpeechText(std::string_view text, LangId lang, const EvaluationDelimiters& delimiters)
{
    return SpeechTextUtf8(AnsiToUtf8(text, LanguageCodePage(lang)), delimiters);
}

TSaying SpeechProblemText(TSpeechProblem problem, LangId lang)
{
    switch (problem) {
    case TSpeechProblem::NotInstalled:
        return VM_TRANSLATE_NOOP("Velmoria::Model",
            "Speech needs the speech service speech-dispatcher with a voice engine: install the "
            "packages speech-dispatcher and espeak-ng.");
    case TSpeechProblem::NotRunning:
        return VM_TRANSLATE_NOOP("Velmoria::Model",
            "The speech service speech-dispatcher does not answer. Start it with "
            "\"speech-dispatcher --spawn\", or install the packages speech-dispatcher and espeak-ng.");
    case TSpeechProblem::NoVoice: {
        const std::string name(FindLanguage(lang).Name);
        return {
            VM_TRANSLATE_NOOP("Velmoria::Model",
                "No voice of the speech service speaks %1. Install espeak-ng, which speaks most languages, "
                "or a voice for it."),
            { TSaying(name.empty() ? VM_TRANSLATE_NOOP("Velmoria::Model", "this language") : name.c_str()) }
        };
    }
    }
    return {};
}
