#include "evaluation/Translatable.h"

#include <vector>

std::string FillIn(std::string_view text, std::initializer_list<std::string> args)
{
    const std::vector<std::string> values(args);
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n
            = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        // One pass: what an argument brings in is never filled in again.
        if (text[i] == '%' && n < values.size() && n < 9) {
            filled += values[n];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
