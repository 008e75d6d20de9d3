#include "testing/Typos.h"

#include "evaluation/TextUtils.h"
#include "testing/Leniency.h"

#include <algorithm>

namespace {

// The characters of a text that count, with where each stands in the text.
struct TCounted {
    std::vector<unsigned char> Keys;
    std::vector<std::size_t> At;

    // Where the k-th counted character stands; past the last one, just after it.
    std::size_t RawAt(std::size_t k) const
    {
        if (k < At.size())
            return At[k];
        return At.empty() ? 0 : At.back() + 1;
    }
};

TCounted Counted(const TLeniency& leniency, std::string_view text)
{
    TCounted counted;
    const std::vector<TCharKey> keys = leniency.Keys(text);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!keys[i].Ignorable) {
            counted.Keys.push_back(keys[i].Key);
            counted.At.push_back(i);
        }
    return counted;
}

int Letters(std::string_view form, const TCounted& counted, LangId language)
{
    return static_cast<int>(std::count_if(counted.At.begin(), counted.At.end(),
        [&](std::size_t i) { return IsAlphaNumeric(static_cast<unsigned char>(form[i]), language); }));
}

// The one edit that turns the response into the form, if one edit does it.
std::optional<TTypo> OneEdit(const TCounted& r, const TCounted& f)
{
    const auto& a = r.Keys;
    const auto& b = f.Keys;
    std::size_t p = 0;
    while (p < a.size() && p < b.size() && a[p] == b[p])
        ++p;
    const auto sameFrom = [&](std::size_t i, std::size_t j) {
        return std::equal(a.begin() + static_cast<std::ptrdiff_t>(i), a.end(),
            b.begin() + static_cast<std::ptrdiff_t>(j), b.end());
    };
    if (a.size() == b.size()) {
        if (p == a.size())
            return std::nullopt;
        if (sameFrom(p + 1, p + 1))
            return TTypo { TTypoKind::Substitution, {}, r.At[p], f.At[p] };
        // Neighbours in the text, not just among the characters that count.
        if (p + 1 < a.size() && a[p] == b[p + 1] && a[p + 1] == b[p] && sameFrom(p + 2, p + 2)
            && r.At[p + 1] == r.At[p] + 1 && f.At[p + 1] == f.At[p] + 1)
            return TTypo { TTypoKind::Swap, {}, r.At[p], f.At[p] };
        return std::nullopt;
    }
    if (a.size() == b.size() + 1 && sameFrom(p + 1, p))
        return TTypo { TTypoKind::Insertion, {}, r.At[p], f.RawAt(p) };
    if (a.size() + 1 == b.size() && sameFrom(p, p + 1))
        return TTypo { TTypoKind::Deletion, {}, r.RawAt(p), f.At[p] };
    return std::nullopt;
}

void Add(std::vector<TAnswerMark>& marks, TMarkKind kind, std::string_view text)
{
    if (text.empty())
        return;
    if (marks.empty() || marks.back().Kind != kind)
        marks.push_back({ kind, std::string() });
    marks.back().Text.append(text);
}

} // namespace

std::optional<TTypo> FindTypo(std::string_view expected, std::string_view response, LangId language,
    EvaluationFlags flags, const EvaluationDelimiters& delimiters)
{
    const TLeniency leniency(language, ResponseFlags(flags, response, language));
    const TCounted typed = Counted(leniency, response);
    const std::vector<std::string> forms = ExpectedVariants(expected, flags, delimiters);
    std::vector<TCounted> counted;
    counted.reserve(forms.size());
    for (const std::string& form : forms) {
        counted.push_back(Counted(leniency, form));
        // A response one form spells right is no typo of another.
        if (counted.back().Keys == typed.Keys)
            return std::nullopt;
    }
    for (std::size_t i = 0; i < forms.size(); ++i) {
        if (Letters(forms[i], counted[i], language) < MinTypoFormLetters)
            continue;
        if (std::optional<TTypo> typo = OneEdit(typed, counted[i])) {
            typo->Form = forms[i];
            return typo;
        }
    }
    return std::nullopt;
}

std::vector<TAnswerMark> TypoMarks(const TTypo& typo, std::string_view response)
{
    std::vector<TAnswerMark> marks;
    const std::size_t at = std::min(typo.ResponseAt, response.size());
    const auto meant = [&](std::size_t i) {
        return i < typo.Form.size() ? std::string_view(typo.Form).substr(i, 1) : std::string_view();
    };
    Add(marks, TMarkKind::Same, response.substr(0, at));
    std::size_t rest = at + 1;
    switch (typo.Kind) {
    case TTypoKind::Substitution:
        Add(marks, TMarkKind::Surplus, response.substr(at, 1));
        Add(marks, TMarkKind::Missing, meant(typo.FormAt));
        break;
    case TTypoKind::Insertion:
        Add(marks, TMarkKind::Surplus, response.substr(at, 1));
        break;
    case TTypoKind::Deletion:
        Add(marks, TMarkKind::Missing, meant(typo.FormAt));
        rest = at;
        break;
    case TTypoKind::Swap:
        Add(marks, TMarkKind::Surplus, response.substr(at, 1));
        Add(marks, TMarkKind::Same, response.substr(std::min(at + 1, response.size()), 1));
        Add(marks, TMarkKind::Missing, meant(typo.FormAt + 1));
        rest = at + 2;
        break;
    }
    Add(marks, TMarkKind::Same, response.substr(std::min(rest, response.size())));
    return marks;
}
