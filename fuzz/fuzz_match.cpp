// Answer matching on arbitrary options, delimiters and texts: every input is decided without a
// crash, a hang or a sanitizer report, and the helpers keep their positions inside the text.
//
// Input: two bytes of flags (little-endian), one byte choosing the language, five delimiter bytes
// (Syn1, Syn2, BracketOpen, BracketClose, Alt), then the expected text, a zero byte and the response.

#include "evaluation/AnswerMatch.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// English twice (both count as English), then one language of each 8-bit code page, and one
// identifier outside the table.
constexpr LangId Languages[]
    = { 0x0409, 0x0809, 0x041F, 0x0419, 0x0408, 0x0407, 0x0415, 0x0427, 0x0C0A, 0x7FFF };
// Long enough for every rule to nest several times; short enough that one input stays quick.
constexpr std::size_t MaxText = 256;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckHelpers(std::string_view text, const EvaluationDelimiters& d)
{
    int first = 0;
    int last = 0;
    if (FindAlternativeGroup(text, d.Alt, 1, first, last)) {
        Check(first >= 1 && first <= last && static_cast<std::size_t>(last) <= text.size());
        Check(text.substr(first - 1, last - first + 1).find(d.Alt) != std::string_view::npos);
        const auto variants = ExpandAlternatives(text.substr(first - 1, last - first + 1), d.Alt);
        Check(variants.size() <= 64);
        for (const auto& variant : variants)
            Check(!variant.empty() && variant.size() <= static_cast<std::size_t>(last - first + 1));
    }
    int open = 0;
    int close = 0;
    if (FindBracketPair(text, d.BracketOpen, d.BracketClose, 1, open, close)) {
        Check(open >= 1 && open < close && static_cast<std::size_t>(close) <= text.size());
        Check(DeleteBracketChars(text, open, close).size() == text.size() - 2);
        const std::size_t removed = text.size() - DeleteBracketedText(text, open, close).size();
        const auto pair = static_cast<std::size_t>(close - open + 1);
        Check(removed == pair || removed == pair + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 8)
        return 0;
    const auto flags = static_cast<EvaluationFlags>((data[0] | data[1] << 8) & 0x01FF);
    const LangId language = Languages[data[2] % std::size(Languages)];
    EvaluationDelimiters d;
    d.Syn1 = static_cast<char>(data[3]);
    d.Syn2 = static_cast<char>(data[4]);
    d.BracketOpen = static_cast<char>(data[5]);
    d.BracketClose = static_cast<char>(data[6]);
    d.Alt = static_cast<char>(data[7]);

    const std::string_view rest(reinterpret_cast<const char*>(data + 8), size - 8);
    const std::size_t zero = rest.find('\0');
    const std::string_view expected = rest.substr(0, std::min(zero, MaxText));
    const std::string_view response
        = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1).substr(0, MaxText);

    // Copies, so that a read past either text is a sanitizer report and not a neighbour's byte.
    const std::string expectedCopy(expected);
    const std::string responseCopy(response);
    MatchAnswer(expectedCopy, responseCopy, language, flags, d);
    Check(MatchAnswer(expectedCopy, expectedCopy, language, flags, d));
    // Options never asked for stay off.
    Check((EffectiveFlags(flags, flags, language) & ~flags) == 0);
    CheckHelpers(expectedCopy, d);
    CheckHelpers(responseCopy, d);
    return 0;
}
