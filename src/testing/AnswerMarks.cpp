#include "testing/AnswerMarks.h"

#include "evaluation/TextUtils.h"
#include "testing/Leniency.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Enough for every realistic answer; a pathological one is cut off, never slow.
constexpr std::size_t MaxVariants = 256;
// The alignment tables are bounded, each and all of one marking together; beyond that the
// differing middle is marked as a whole.
constexpr std::size_t MaxAlignmentCells = std::size_t { 1 } << 22;
constexpr std::size_t MaxMarkingCells = std::size_t { 1 } << 24;

void AddVariant(std::vector<std::string>& variants, std::string text)
{
    if (variants.size() < MaxVariants && std::find(variants.begin(), variants.end(), text) == variants.end())
        variants.push_back(std::move(text));
}

// Every full expansion of the alternative groups from start on, as MatchAlternatives walks them.
void ExpandGroups(const std::string& text, char alt, int start, std::vector<std::string>& out)
{
    int first = 0, last = 0;
    if (out.size() >= MaxVariants)
        return;
    if (!FindAlternativeGroup(text, alt, start, first, last)) {
        AddVariant(out, text);
        return;
    }
    const std::string before = text.substr(0, static_cast<std::size_t>(first - 1));
    const std::string after = text.substr(static_cast<std::size_t>(last));
    const std::string group
        = text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
    for (const std::string& variant : ExpandAlternatives(group, alt))
        ExpandGroups(before + variant + after, alt, first + static_cast<int>(variant.size()), out);
}

// Every bracket variant from pos on: brackets kept as text, dropped as characters or dropped whole.
void ExpandBrackets(
    const std::string& text, const EvaluationDelimiters& d, int pos, std::vector<std::string>& out)
{
    if (out.size() >= MaxVariants)
        return;
    AddVariant(out, text);
    int open = 0, close = 0;
    while (
        FindBracketPair(text, d.BracketOpen, d.BracketClose, pos, open, close) && out.size() < MaxVariants) {
        ExpandBrackets(DeleteBracketChars(text, open, close), d, open, out);
        ExpandBrackets(DeleteBracketedText(text, open, close), d, std::max(open - 1, 1), out);
        pos = close + 1;
    }
}

enum class TStep : std::uint8_t { Match, Substitute, Surplus, Missing };

struct TAlignment {
    int Cost = 0;
    std::vector<TStep> Steps; // over the significant characters of both texts, in order
};

// Edit steps turning the significant characters of the response into those of the expected text.
TAlignment Align(
    const std::vector<unsigned char>& r, const std::vector<unsigned char>& e, std::size_t& budget)
{
    TAlignment result;
    std::size_t head = 0;
    while (head < r.size() && head < e.size() && r[head] == e[head])
        ++head;
    std::size_t tail = 0;
    while (
        tail < r.size() - head && tail < e.size() - head && r[r.size() - 1 - tail] == e[e.size() - 1 - tail])
        ++tail;
    const std::size_t m = r.size() - head - tail;
    const std::size_t n = e.size() - head - tail;
    result.Steps.assign(head, TStep::Match);
    std::vector<TStep> middle;
    const std::size_t cells = (m + 1) * (n + 1);
    if (cells > std::min(MaxAlignmentCells, budget)) {
        middle.assign(m, TStep::Surplus);
        middle.insert(middle.end(), n, TStep::Missing);
        result.Cost = static_cast<int>(m + n);
    } else {
        budget -= cells;
        // Substitution costs 2 so that a wrong character reads as one surplus and one missing.
        const std::size_t w = n + 1;
        std::vector<int> cost((m + 1) * w);
        for (std::size_t i = 0; i <= m; ++i)
            cost[i * w] = static_cast<int>(i);
        for (std::size_t j = 0; j <= n; ++j)
            cost[j] = static_cast<int>(j);
        for (std::size_t i = 1; i <= m; ++i)
            for (std::size_t j = 1; j <= n; ++j) {
                const bool same = r[head + i - 1] == e[head + j - 1];
                cost[i * w + j] = std::min({ cost[(i - 1) * w + j - 1] + (same ? 0 : 2),
                    cost[(i - 1) * w + j] + 1, cost[i * w + j - 1] + 1 });
            }
        result.Cost = cost[m * w + n];
        std::size_t i = m, j = n;
        while (i > 0 || j > 0) {
            if (i > 0 && j > 0 && r[head + i - 1] == e[head + j - 1]
                && cost[i * w + j] == cost[(i - 1) * w + j - 1]) {
                middle.push_back(TStep::Match);
                --i, --j;
            } else if (j > 0 && cost[i * w + j] == cost[i * w + j - 1] + 1) {
                middle.push_back(TStep::Missing);
                --j;
            } else if (i > 0 && cost[i * w + j] == cost[(i - 1) * w + j] + 1) {
                middle.push_back(TStep::Surplus);
                --i;
            } else {
                middle.push_back(TStep::Substitute);
                --i, --j;
            }
        }
        std::reverse(middle.begin(), middle.end());
    }
    result.Steps.insert(result.Steps.end(), middle.begin(), middle.end());
    result.Steps.insert(result.Steps.end(), tail, TStep::Match);
    return result;
}

std::vector<unsigned char> Significant(const std::vector<TCharKey>& keys)
{
    std::vector<unsigned char> out;
    out.reserve(keys.size());
    for (const TCharKey& k : keys)
        if (!k.Ignorable)
            out.push_back(k.Key);
    return out;
}

void Append(std::vector<TAnswerMark>& marks, TMarkKind kind, char c)
{
    if (marks.empty() || marks.back().Kind != kind)
        marks.push_back({ kind, std::string() });
    marks.back().Text.push_back(c);
}

} // namespace

std::vector<std::string> ExpectedVariants(
    std::string_view expected, EvaluationFlags flags, const EvaluationDelimiters& delimiters)
{
    std::vector<std::string> parts { std::string(expected) };
    if (flags & efAnyTranslation) {
        std::vector<std::string> synonyms;
        const char set[] = { delimiters.Syn1, delimiters.Syn2 };
        SplitDelimited(expected, std::string_view(set, 2), true, 15, synonyms, true);
        for (std::string& s : synonyms)
            AddVariant(parts, std::move(s));
    }
    std::vector<std::string> expanded;
    for (const std::string& part : parts) {
        if (flags & efAlternatives)
            ExpandGroups(part, delimiters.Alt, 1, expanded);
        else
            AddVariant(expanded, part);
    }
    std::vector<std::string> variants;
    for (const std::string& text : expanded) {
        if (flags & efBrackets)
            ExpandBrackets(text, delimiters, 1, variants);
        else
            AddVariant(variants, text);
    }
    if (flags & efTo) {
        const std::size_t count = variants.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& v = variants[i];
            if (v.size() >= 3 && (v[0] == 't' || v[0] == 'T') && (v[1] == 'o' || v[1] == 'O') && v[2] == ' ')
                AddVariant(variants, v.substr(3));
        }
    }
    return variants;
}

namespace {

// One typed text against the variant that needs the fewest changes.
TMarkedAnswer MarkOne(std::vector<std::string> variants, std::string_view response, const TLeniency& leniency)
{
    const std::vector<TCharKey> typed = leniency.Keys(response);
    const std::vector<unsigned char> typedKeys = Significant(typed);

    TMarkedAnswer result;
    TAlignment best;
    bool first = true;
    std::size_t budget = MaxMarkingCells;
    for (std::string& variant : variants) {
        TAlignment alignment = Align(typedKeys, Significant(leniency.Keys(variant)), budget);
        if (first || alignment.Cost < best.Cost) {
            best = std::move(alignment);
            result.Closest = std::move(variant);
            first = false;
        }
    }

    // Walk both texts: ignored characters of the response read as agreeing, ignored ones of the
    // expected text are not shown at all.
    const std::vector<TCharKey> wanted = leniency.Keys(result.Closest);
    std::size_t t = 0, e = 0;
    const auto skipIgnored = [&] {
        while (t < response.size() && typed[t].Ignorable)
            Append(result.Marks, TMarkKind::Same, response[t++]);
        while (e < wanted.size() && wanted[e].Ignorable)
            ++e;
    };
    for (const TStep step : best.Steps) {
        skipIgnored();
        switch (step) {
        case TStep::Match:
            Append(result.Marks, TMarkKind::Same, response[t++]);
            ++e;
            break;
        case TStep::Substitute:
            Append(result.Marks, TMarkKind::Surplus, response[t++]);
            Append(result.Marks, TMarkKind::Missing, result.Closest[e++]);
            result.Changes += 2;
            break;
        case TStep::Surplus:
            Append(result.Marks, TMarkKind::Surplus, response[t++]);
            ++result.Changes;
            break;
        case TStep::Missing:
            Append(result.Marks, TMarkKind::Missing, result.Closest[e++]);
            ++result.Changes;
            break;
        }
    }
    skipIgnored();
    return result;
}

void AppendText(std::vector<TAnswerMark>& marks, TMarkKind kind, std::string_view text)
{
    for (const char c : text)
        Append(marks, kind, c);
}

} // namespace

TMarkedAnswer MarkAnswer(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters)
{
    const TLeniency leniency(language, ResponseFlags(flags, response, language));
    std::vector<std::string> variants = ExpectedVariants(expected, flags, delimiters);
    const char set[] = { delimiters.Syn1, delimiters.Syn2 };
    const std::string_view listDelimiters(set, 2);
    if (!(flags & efAnyTranslation) || response.find_first_of(listDelimiters) == std::string_view::npos)
        return MarkOne(std::move(variants), response, leniency);

    // A list of translations: each part against its own closest variant; the delimiters and the
    // spaces around the parts do not count, as the parts are trimmed before they are matched.
    TMarkedAnswer result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = response.find_first_of(listDelimiters, start);
        const std::string_view part
            = response.substr(start, end == std::string_view::npos ? end : end - start);
        std::size_t lead = 0, trail = 0;
        while (lead < part.size() && static_cast<unsigned char>(part[lead]) <= ' ')
            ++lead;
        while (trail < part.size() - lead && static_cast<unsigned char>(part[part.size() - 1 - trail]) <= ' ')
            ++trail;
        AppendText(result.Marks, TMarkKind::Same, part.substr(0, lead));
        if (lead < part.size()) {
            const TMarkedAnswer one
                = MarkOne(variants, part.substr(lead, part.size() - lead - trail), leniency);
            for (const TAnswerMark& mark : one.Marks)
                AppendText(result.Marks, mark.Kind, mark.Text);
            result.Changes += one.Changes;
            result.Closest
                += (result.Closest.empty() ? "" : std::string { delimiters.Syn1, ' ' }) + one.Closest;
        }
        AppendText(result.Marks, TMarkKind::Same, part.substr(part.size() - trail));
        if (end == std::string_view::npos)
            return result;
        Append(result.Marks, TMarkKind::Same, response[end]);
        start = end + 1;
    }
}

bool IsNearMiss(const TMarkedAnswer& marked)
{
    std::size_t surplus = 0, missing = 0;
    for (const TAnswerMark& mark : marked.Marks) {
        if (mark.Kind == TMarkKind::Surplus)
            surplus += mark.Text.size();
        else if (mark.Kind == TMarkKind::Missing)
            missing += mark.Text.size();
    }
    // A changed character counts once, though it is marked as surplus and missing.
    const std::size_t changed = std::max(surplus, missing);
    return changed > 0 && 2 * changed <= marked.Closest.size();
}
