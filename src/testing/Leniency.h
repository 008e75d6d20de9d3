#pragma once
// How the characters of a typed answer compare under a side's leniency, byte by byte in the answer
// language's code page: case folded, ignored punctuation and spacing flagged. The marking of wrong
// answers and the typo rule read answers alike through it.

#include "evaluation/AnswerMatch.h"

#include <array>
#include <string_view>
#include <vector>

struct TCharKey {
    unsigned char Key = 0;
    bool Ignorable = false;
};

class TLeniency {
public:
    // flags as ResponseFlags gives them for the response.
    TLeniency(LangId language, EvaluationFlags flags);
    std::vector<TCharKey> Keys(std::string_view text) const;

private:
    std::array<TCharKey, 256> Table_ {};
    bool Ize_ = false;
};
