#pragma once
// The rewriting of expected texts that the answer search and the public helpers share.

#include <string>
#include <string_view>

namespace AnswerDetail {

struct TContraction {
    std::string_view From;
    std::string_view To;
};

// In the order they are expanded.
inline constexpr TContraction ContractionsTable[] = {
    { "would", "had" },
    { "shall", "will" },
    { "has", "is" },
    { "won't", "will not" },
    { "shan't", "will not" },
    { "can't", "can not" },
    { "cannot", "can not" },
    { "'m", " am" },
    { "'s", " is" },
    { "'re", " are" },
    { "'ve", " have" },
    { "'ll", " will" },
    { "'d", " had" },
    { "n't", " not" },
};

inline unsigned char AsciiLower(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 32) : byte;
}

// Replaces every occurrence of from, ignoring ASCII case, left to right without rescanning what it
// inserted. When more text may follow (complete false) it stops at the first tail that could begin
// an occurrence, so the output is a prefix of the output for any continuation.
void ReplaceAll(
    std::string_view text, std::string_view from, std::string_view to, bool complete, std::string& out);
// The text with every contraction expanded, under the same rule for a text that may go on.
std::string ExpandText(std::string_view text, bool complete);
bool StartsWithTo(std::string_view text);

} // namespace AnswerDetail
