// The rewriting of an expected answer: contractions and "to ", alternative groups and bracket pairs.

#include "evaluation/AnswerDetail.h"
#include "evaluation/AnswerMatch.h"
#include "evaluation/TextUtils.h"

using namespace AnswerDetail;

namespace {

constexpr std::size_t MaxVariants = 64;

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view pattern)
{
    if (text.size() - pos < pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (AsciiLower(text[pos + i]) != AsciiLower(pattern[i]))
            return false;
    return true;
}

// Whether ReplaceAll would change anything (or hold anything back).
bool Touches(std::string_view text, std::string_view from, bool complete)
{
    const unsigned char first = AsciiLower(from[0]);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (AsciiLower(text[i]) != first)
            continue;
        if (MatchesAt(text, i, from))
            return true;
        if (!complete && text.size() - i < from.size() && MatchesAt(from, 0, text.substr(i)))
            return true;
    }
    return false;
}

void AddVariants(
    std::string_view words, char alt, const std::string& prefix, std::vector<std::string>& variants)
{
    std::string rest;
    std::string word;
    for (int i = 1; variants.size() < MaxVariants && ExtractDelimitedField(words, alt, i, rest, word); ++i) {
        std::string variant = prefix.empty() ? word : prefix + alt + word;
        variants.push_back(variant);
        AddVariants(rest, alt, variant, variants);
    }
}

} // namespace

namespace AnswerDetail {

void ReplaceAll(
    std::string_view text, std::string_view from, std::string_view to, bool complete, std::string& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (MatchesAt(text, i, from)) {
            out += to;
            i += from.size();
            continue;
        }
        if (!complete && text.size() - i < from.size() && MatchesAt(from, 0, text.substr(i)))
            return;
        out += text[i++];
    }
}

std::string ExpandText(std::string_view text, bool complete)
{
    std::string current(text);
    std::string next;
    for (const auto& row : ContractionsTable) {
        // Most texts hold no contraction at all: leave them uncopied.
        if (!Touches(current, row.From, complete))
            continue;
        ReplaceAll(current, row.From, row.To, complete, next);
        current.swap(next);
    }
    return current;
}

bool StartsWithTo(std::string_view text)
{
    return text.size() >= 3 && AsciiLower(text[0]) == 't' && AsciiLower(text[1]) == 'o' && text[2] == ' ';
}

} // namespace AnswerDetail

std::string ExpandContractions(std::string_view text)
{
    return ExpandText(text, true);
}

bool FindAlternativeGroup(std::string_view text, char alt, int start, int& groupStart, int& groupEnd)
{
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
    if (from >= text.size())
        return false;
    const std::size_t pos = text.find(alt, from);
    if (pos == std::string_view::npos)
        return false;
    std::size_t first = pos;
    while (first > 0 && IsWordChar(static_cast<unsigned char>(text[first - 1])))
        --first;
    std::size_t last = pos;
    while (last + 1 < text.size() && IsWordChar(static_cast<unsigned char>(text[last + 1])))
        ++last;
    groupStart = static_cast<int>(first) + 1;
    groupEnd = static_cast<int>(last) + 1;
    return true;
}

std::vector<std::string> ExpandAlternatives(std::string_view group, char alt)
{
    std::vector<std::string> variants;
    AddVariants(group, alt, std::string(), variants);
    return variants;
}

bool FindBracketPair(std::string_view text, char open, char close, int pos, int& openPos, int& closePos)
{
    const std::size_t from = pos < 1 ? 0 : static_cast<std::size_t>(pos - 1);
    if (from >= text.size())
        return false;
    const std::size_t openAt = text.find(open, from);
    if (openAt == std::string_view::npos)
        return false;
    const std::size_t closeAt = text.find(close, openAt + 1);
    if (closeAt == std::string_view::npos)
        return false;
    openPos = static_cast<int>(openAt) + 1;
    closePos = static_cast<int>(closeAt) + 1;
    return true;
}

namespace {

bool ValidPair(std::string_view text, int openPos, int closePos)
{
    return openPos >= 1 && openPos < closePos && static_cast<std::size_t>(closePos) <= text.size();
}

} // namespace

std::string DeleteBracketChars(std::string_view text, int openPos, int closePos)
{
    if (!ValidPair(text, openPos, closePos))
        return std::string(text);
    std::string result;
    result.reserve(text.size() - 2);
    result.append(text.substr(0, openPos - 1));
    result.append(text.substr(openPos, closePos - openPos - 1));
    result.append(text.substr(closePos));
    return result;
}

std::string DeleteBracketedText(std::string_view text, int openPos, int closePos)
{
    if (!ValidPair(text, openPos, closePos))
        return std::string(text);
    const int length = static_cast<int>(text.size());
    int first = openPos; // 1-based, inclusive
    int last = closePos;
    const bool spaceBefore = openPos == 1 || text[openPos - 2] == ' ';
    const bool spaceAfter = closePos == length || text[closePos] == ' ';
    if (spaceBefore && spaceAfter) {
        if (openPos > 1)
            --first;
        else if (closePos < length)
            ++last;
    }
    std::string result(text.substr(0, first - 1));
    result.append(text.substr(last));
    return result;
}

bool IsWordChar(unsigned char c)
{
    return c == '\'' || c == '-' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 128;
}
