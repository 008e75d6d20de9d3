// Answer matching.
//
// MatchAnswer peels one option off the flags at a time and recurses on rewritten copies. Taken
// literally, that recursion branches at every alternative group, bracket pair, contraction and
// "to ", so the number of texts it compares grows exponentially with the length of the expected
// answer. TAnswerSearch walks the same tree in the same order, but normalises each response once,
// never expands the same text twice, and drops a branch as soon as the part of its text that no
// later step can change already rules out every response still unmatched. A cap on the work keeps
// a pathological expected text from freezing the program: such a text is refused.

#include "evaluation/AnswerMatch.h"

#include "evaluation/AnswerDetail.h"
#include "evaluation/Languages.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_set>

using namespace AnswerDetail;

namespace {

constexpr int MaxListIndex = 15;
// Small searches run as written; pruning pays for its set-up only beyond this many steps.
constexpr long PruneAfterSteps = 64;
// The work a search may do, counted in bytes of the texts it visits (each step costs about its
// text's length). Far beyond any real entry: a 16-part list of eight-word chains with brackets and
// every option takes under 200000.
constexpr long MaxWork = 4000000;
// Every alternative group and bracket pair nests one call deeper.
constexpr int MaxDepth = 1000;

// The part of step 7 that works byte by byte (everything but Ize).
std::string NormaliseBytes(std::string text, LangId language, EvaluationFlags flags)
{
    if (flags & efCaps)
        text = CaseFoldLocale(text, language);
    if (flags & efWithoutTonos)
        text = StripTonos(text, language);
    if (flags & efAccents)
        text = FoldAccents(text, language, (flags & efSpelledUmlauts) != 0);
    if (flags & efPunctuation)
        text = RemovePunctuation(text, language, (flags & efSpacing) != 0);
    else if (flags & efSpacing)
        std::erase(text, ' ');
    return text;
}

std::string Normalise(std::string_view text, LangId language, EvaluationFlags flags)
{
    std::string result;
    if (flags & efIze)
        ReplaceAll(text, "iz", "is", true, result);
    else
        result.assign(text);
    return NormaliseBytes(std::move(result), language, flags);
}

struct TResponseForms {
    std::string Raw;
    std::string Expanded; // with the contractions expanded, when Aux is set
    std::string Normal;
    std::string ExpandedNormal;
};

// One search over the texts an expected answer leads to, against up to 32 responses at once
// (bit j of a mask stands for response j).
class TAnswerSearch {
public:
    enum TEntry { enAnswer, enAlternatives, enBrackets };

    TAnswerSearch(LangId language, EvaluationFlags flags, const EvaluationDelimiters& delimiters,
        const std::vector<std::string>& responses)
        : Language(language)
        , Flags(flags)
        , Delimiters(delimiters)
    {
        for (const auto& response : responses) {
            TResponseForms forms;
            forms.Raw = response;
            forms.Normal = Normalise(response, language, flags);
            if (flags & efAux) {
                forms.Expanded = ExpandText(response, true);
                forms.ExpandedNormal = Normalise(forms.Expanded, language, flags);
            }
            Responses.push_back(std::move(forms));
        }
        All = Responses.size() >= 32 ? ~std::uint32_t(0) : (std::uint32_t(1) << Responses.size()) - 1;
    }

    // The responses the expected text matches by the step entry names. It stops early once every
    // wanted response and at least one response are matched, so only those bits are complete.
    std::uint32_t Run(
        std::string_view expected, TEntry entry, EvaluationFlags flags, int start, std::uint32_t wanted)
    {
        Expected = expected;
        Wanted = wanted & All;
        Found = 0;
        Seen.clear();
        RunSteps = 0;
        Pruning = false;
        PruneChecked = false;
        switch (entry) {
        case enAnswer:
            Answer(expected, false, flags);
            break;
        case enAlternatives:
            Alternatives(expected, flags, start);
            break;
        case enBrackets:
            Brackets(expected, flags);
            break;
        }
        return Found;
    }

    bool Overran() const { return Overrun; }

private:
    struct TDepth {
        explicit TDepth(TAnswerSearch& search)
            : Search(search)
        {
            if (++Search.Depth > MaxDepth)
                Search.Overrun = true;
        }
        ~TDepth() { --Search.Depth; }
        TAnswerSearch& Search;
    };

    bool Done() const { return Overrun || (Found != 0 && (Wanted & ~Found) == 0); }
    std::uint32_t Live() const { return (Found == 0 ? All : Wanted) & ~Found; }
    const std::string& Form(std::size_t j, bool expanded, bool normal) const
    {
        const auto& forms = Responses[j];
        if (normal)
            return expanded ? forms.ExpandedNormal : forms.Normal;
        return expanded ? forms.Expanded : forms.Raw;
    }

    // False for a state already explored (it can add nothing) and once the work cap is reached.
    bool Enter(char kind, std::string_view text, bool expanded, EvaluationFlags flags, int start)
    {
        if (Done())
            return false;
        Work += static_cast<long>(text.size()) + 16;
        if (Work > MaxWork) {
            Overrun = true;
            return false;
        }
        // Revisits only cost time; small searches are cheaper without the bookkeeping.
        if (++RunSteps <= PruneAfterSteps)
            return true;
        if (!PruneChecked)
            PreparePruning();
        Key.clear();
        Key += kind;
        Key += expanded ? '1' : '0';
        Key += static_cast<char>(flags & 0xFF);
        Key += static_cast<char>(flags >> 8);
        Key.append(std::to_string(start));
        Key += ':';
        Key.append(text);
        return Seen.insert(Key).second;
    }

    // MatchAnswer on text and every response (contractions expanded on both when expanded is set).
    void Answer(std::string_view text, bool expanded, EvaluationFlags flags)
    {
        if (!Enter('M', text, expanded, flags, 0))
            return;
        TDepth depth(*this);
        if (Overrun)
            return;
        for (std::size_t j = 0; j < Responses.size(); ++j)
            if (text == Form(j, expanded, false))
                Found |= std::uint32_t(1) << j;
        if (Done())
            return;
        if (flags & efAnyTranslation) {
            for (std::size_t j = 0; j < Responses.size(); ++j)
                if ((Live() >> j & 1)
                    && MatchSynonyms(text, Form(j, expanded, false), Language,
                        flags & ~EvaluationFlags(efAnyTranslation), Delimiters))
                    Found |= std::uint32_t(1) << j;
            return;
        }
        if (Pruning && !MayMatch(text, expanded, flags, 0, false))
            return;
        if (flags & efAlternatives) {
            Alternatives(text, flags & ~EvaluationFlags(efAlternatives), 1);
        } else if (flags & efBrackets) {
            Brackets(text, flags & ~EvaluationFlags(efBrackets));
        } else if ((flags & efAux) && !expanded) {
            Answer(text, false, flags & ~EvaluationFlags(efAux));
            Answer(ExpandText(text, true), true, flags & ~EvaluationFlags(efAux));
        } else if ((flags & efTo) && StartsWithTo(text)) {
            Answer(text, expanded, flags & ~EvaluationFlags(efTo));
            Answer(text.substr(3), expanded, flags & ~EvaluationFlags(efTo));
        } else {
            const std::string normal = Normalise(text, Language, flags);
            for (std::size_t j = 0; j < Responses.size(); ++j)
                if (normal == Form(j, expanded, true))
                    Found |= std::uint32_t(1) << j;
        }
    }

    void Alternatives(std::string_view text, EvaluationFlags flags, int start)
    {
        start = std::max(start, 1);
        if (!Enter('A', text, false, flags, start))
            return;
        TDepth depth(*this);
        if (Overrun || (Pruning && !MayMatch(text, false, flags, start, false)))
            return;
        int groupStart = 0;
        int groupEnd = 0;
        std::vector<std::string> variants;
        for (;;) {
            if (!FindAlternativeGroup(text, Delimiters.Alt, start, groupStart, groupEnd)) {
                Answer(text, false, flags);
                return;
            }
            variants
                = ExpandAlternatives(text.substr(groupStart - 1, groupEnd - groupStart + 1), Delimiters.Alt);
            if (!variants.empty())
                break;
            // A delimiter with no word after it ("1/2", "a /b") separates nothing and stays as written.
            start = static_cast<int>(text.find(Delimiters.Alt, start - 1)) + 2;
        }
        std::string candidate;
        for (const auto& variant : variants) {
            if (Done())
                return;
            candidate.assign(text.substr(0, groupStart - 1));
            candidate += variant;
            candidate += text.substr(groupEnd);
            Alternatives(candidate, flags, groupStart + static_cast<int>(variant.size()));
        }
    }

    void Brackets(std::string_view text, EvaluationFlags flags)
    {
        if (!Enter('B', text, false, flags, 0))
            return;
        TDepth depth(*this);
        if (Overrun || (Pruning && !MayMatch(text, false, flags, 0, true)))
            return;
        Answer(text, false, flags);
        int pos = 1;
        int open = 0;
        int close = 0;
        while (!Done()
            && FindBracketPair(text, Delimiters.BracketOpen, Delimiters.BracketClose, pos, open, close)) {
            Brackets(DeleteBracketChars(text, open, close), flags);
            Brackets(DeleteBracketedText(text, open, close), flags);
            pos = close + 1;
        }
    }

    // Pruning rests on step 7 working byte by byte once Ize is done: the normal form of a text is
    // then the normal forms of its bytes in a row, so the normal form of the part of a text no later
    // step changes is a prefix of the final normal form. That is checked here, for every byte the
    // search can meet, in the contexts where a locale's casing could depend on a neighbour; if any
    // byte fails, this run goes without pruning.
    void PreparePruning()
    {
        PruneChecked = true;
        std::array<bool, 256> needed {};
        for (char c : Expected)
            needed[static_cast<unsigned char>(c)] = true;
        if (Flags & efAux)
            for (const auto& row : ContractionsTable)
                for (char c : row.To)
                    needed[static_cast<unsigned char>(c)] = true;
        needed['i'] = needed['s'] = needed['A'] = needed['a'] = true;
        ByteForm.resize(256);
        for (int b = 0; b < 256; ++b)
            if (needed[b] && !HasByteForm[b]) {
                ByteForm[b] = NormaliseBytes(std::string(1, static_cast<char>(b)), Language, Flags);
                HasByteForm[b] = true;
            }
        for (int b = 0; b < 256; ++b) {
            if (!needed[b])
                continue;
            if (ByteCheck[b] == 0)
                ByteCheck[b] = ByteFormHolds(static_cast<char>(b)) ? 1 : 2;
            if (ByteCheck[b] == 2)
                return;
        }
        Pruning = true;
    }

    bool ByteFormHolds(char b)
    {
        const auto form
            = [this](char c) -> const std::string& { return ByteForm[static_cast<unsigned char>(c)]; };
        for (char c : { 'A', 'a' }) {
            const std::string probes[] = { { c, b }, { b, c }, { c, b, c } };
            const std::string expected[]
                = { form(c) + form(b), form(b) + form(c), form(c) + form(b) + form(c) };
            for (int i = 0; i < 3; ++i)
                if (NormaliseBytes(probes[i], Language, Flags) != expected[i])
                    return false;
        }
        return true;
    }

    // False only when no text reachable from this state can match a live response: the fixed part
    // (before the first position a pending alternative or bracket step may change) already differs.
    bool MayMatch(
        std::string_view text, bool expanded, EvaluationFlags flags, int altStart, bool bracketsPending)
    {
        if (flags & efAnyTranslation)
            return true;
        std::size_t cut = text.size();
        const int from = (flags & efAlternatives) ? 1 : altStart;
        int groupStart = 0;
        int groupEnd = 0;
        if (from > 0 && FindAlternativeGroup(text, Delimiters.Alt, from, groupStart, groupEnd))
            cut = std::min(cut, static_cast<std::size_t>(groupStart - 1));
        if (bracketsPending || (flags & efBrackets)) {
            // Deleting a bracketed word may take the space before it too.
            const auto open = text.find(Delimiters.BracketOpen);
            if (open != std::string_view::npos)
                cut = std::min(cut, open > 0 ? open - 1 : 0);
        }
        const bool complete = cut == text.size();
        const std::string_view fixed = text.substr(0, cut);
        const bool toPending = (flags & efTo) != 0;
        if (expanded)
            return FormMayMatch(fixed, complete, toPending, true);
        if (FormMayMatch(fixed, complete, toPending, false))
            return true;
        return (flags & efAux) && FormMayMatch(ExpandText(fixed, complete), complete, toPending, true);
    }

    bool FormMayMatch(std::string_view form, bool complete, bool toPending, bool expanded)
    {
        if (PrefixMayMatch(form, complete, expanded))
            return true;
        if (!toPending)
            return false;
        if (form.size() >= 3)
            return StartsWithTo(form) && PrefixMayMatch(form.substr(3), complete, expanded);
        // Too short yet to tell whether it will begin with "to ".
        return !complete && MaybeTo(form);
    }

    static bool MaybeTo(std::string_view form)
    {
        static constexpr std::string_view to = "to ";
        for (std::size_t i = 0; i < form.size(); ++i)
            if (AsciiLower(form[i]) != static_cast<unsigned char>(to[i]))
                return false;
        return true;
    }

    bool PrefixMayMatch(std::string_view form, bool complete, bool expanded)
    {
        if (Flags & efIze)
            ReplaceAll(form, "iz", "is", complete, IzeBuffer);
        else
            IzeBuffer.assign(form);
        Mapped.clear();
        for (char c : IzeBuffer)
            Mapped += ByteForm[static_cast<unsigned char>(c)];
        const std::uint32_t live = Live();
        for (std::size_t j = 0; j < Responses.size(); ++j) {
            if (!(live >> j & 1))
                continue;
            const std::string& target = Form(j, expanded, true);
            if (complete ? target == Mapped : target.starts_with(Mapped))
                return true;
        }
        return false;
    }

    const LangId Language;
    const EvaluationFlags Flags;
    const EvaluationDelimiters Delimiters;
    std::vector<TResponseForms> Responses;
    std::uint32_t All = 0;

    std::string_view Expected;
    std::uint32_t Wanted = 0;
    std::uint32_t Found = 0;
    std::unordered_set<std::string> Seen;
    std::string Key;
    long Work = 0;
    long RunSteps = 0;
    int Depth = 0;
    bool Overrun = false;

    bool Pruning = false;
    bool PruneChecked = false;
    std::vector<std::string> ByteForm; // by byte, filled when pruning starts
    std::array<bool, 256> HasByteForm {};
    std::array<unsigned char, 256> ByteCheck {}; // 0 unknown, 1 holds, 2 fails
    std::string IzeBuffer;
    std::string Mapped;
};

bool SingleResponse(std::string_view text, std::string_view response, LangId language, EvaluationFlags flags,
    const EvaluationDelimiters& delimiters, TAnswerSearch::TEntry entry, int start)
{
    TAnswerSearch search(language, flags, delimiters, { std::string(response) });
    const std::uint32_t found = search.Run(text, entry, flags, start, 1);
    return found != 0 && !search.Overran();
}

} // namespace

EvaluationFlags EffectiveFlags(EvaluationFlags sideFlags, EvaluationFlags englishFlags, LangId answerLanguage)
{
    EvaluationFlags flags = sideFlags & SideEvaluationMask;
    if (IsEnglish(answerLanguage))
        flags |= englishFlags & EnglishEvaluationMask;
    return flags;
}

EvaluationFlags ResponseFlags(EvaluationFlags flags, std::string_view response, LangId language)
{
    if ((flags & efCaps) && PrimaryLanguage(language) == 8 && !HasLowerCase(response, language))
        flags |= efWithoutTonos;
    return flags;
}

bool MatchAnswer(std::string_view expected, std::string_view response, LangId language, EvaluationFlags flags,
    const EvaluationDelimiters& delimiters)
{
    flags = ResponseFlags(flags, response, language);
    if (expected == response)
        return true;
    if (flags & efAnyTranslation)
        return MatchSynonyms(
            expected, response, language, flags & ~EvaluationFlags(efAnyTranslation), delimiters);
    return SingleResponse(expected, response, language, flags, delimiters, TAnswerSearch::enAnswer, 1);
}

TAnswerMatch MatchAnswerAccents(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters)
{
    flags &= ~EvaluationFlags(efAccents | efSpelledUmlauts | efWithoutTonos);
    if (MatchAnswer(expected, response, language, flags, delimiters))
        return TAnswerMatch::Exact;
    if (MatchAnswer(expected, response, language, flags | efAccents, delimiters))
        return TAnswerMatch::Accents;
    // "muede" and "mude" both stand for "müde"; one reading each, not a mix within one answer.
    if (PrimaryLanguage(language) == 7
        && MatchAnswer(expected, response, language, flags | efAccents | efSpelledUmlauts, delimiters))
        return TAnswerMatch::Accents;
    return TAnswerMatch::None;
}

bool MatchSynonyms(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters)
{
    // The parts hold no list delimiter, so splitting them again would change nothing.
    flags = ResponseFlags(flags & ~EvaluationFlags(efAnyTranslation), response, language);
    const char set[2] = { delimiters.Syn1, delimiters.Syn2 };
    std::vector<std::string> expectedParts;
    std::vector<std::string> responseParts;
    const int expectedCount
        = SplitDelimited(expected, std::string_view(set, 2), true, MaxListIndex, expectedParts, true);
    const int responseCount
        = SplitDelimited(response, std::string_view(set, 2), true, MaxListIndex, responseParts, true);
    if (responseCount == 0)
        return expectedCount == 0;

    TAnswerSearch search(language, flags, delimiters, responseParts);
    const std::uint32_t all = (std::uint32_t(1) << responseCount) - 1;
    std::uint32_t covered = 0;
    int count = 0;
    for (const auto& part : expectedParts) {
        const std::uint32_t found = search.Run(part, TAnswerSearch::enAnswer, flags, 1, all & ~covered);
        if (search.Overran())
            return false;
        if (found != 0 && ++count > responseCount)
            return false;
        covered |= found;
    }
    // Counting expected parts alone would let a wrong response part through beside an expected
    // part that two response parts match ("big, big" answered "big, small"): every response part
    // must also be one of the expected ones.
    return count == responseCount && covered == all;
}

bool MatchAlternatives(std::string_view text, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters, int start)
{
    return SingleResponse(text, response, language, ResponseFlags(flags, response, language), delimiters,
        TAnswerSearch::enAlternatives, start);
}

bool MatchBrackets(std::string_view text, std::string_view response, LangId language, EvaluationFlags flags,
    const EvaluationDelimiters& delimiters)
{
    return SingleResponse(text, response, language, ResponseFlags(flags, response, language), delimiters,
        TAnswerSearch::enBrackets, 1);
}
