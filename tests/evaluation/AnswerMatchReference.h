// The answer check as a plain recursion exactly as written, with no shortcut: the pruned search
// must agree with it on every case.

#pragma once

#include "evaluation/AnswerMatch.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace Reference {

inline bool Match(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d);

inline std::string ReplaceIz(std::string_view text)
{
    std::string result(text);
    for (std::size_t i = 0; i + 1 < result.size(); ++i)
        if ((result[i] == 'i' || result[i] == 'I') && (result[i + 1] == 'z' || result[i + 1] == 'Z'))
            result.replace(i, 2, "is");
    return result;
}

inline std::string Normal(std::string_view text, LangId lang, EvaluationFlags flags)
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

inline bool Synonyms(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
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

inline bool Alternatives(std::string_view text, std::string_view response, LangId lang, EvaluationFlags flags,
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

inline bool Brackets(std::string_view text, std::string_view response, LangId lang, EvaluationFlags flags,
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

inline bool Match(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
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
inline bool Answer(std::string_view expected, std::string_view response, LangId lang, EvaluationFlags flags,
    const EvaluationDelimiters& d)
{
    return Match(expected, response, lang, ResponseFlags(flags, response, lang), d);
}

} // namespace Reference
