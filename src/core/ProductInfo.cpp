#include "core/ProductInfo.h"

std::string FourPartVersion(std::string_view version)
{
    std::string result;
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        const auto dot = version.find('.', start);
        const std::string_view part
            = version.substr(start, dot == std::string_view::npos ? dot : dot - start);
        if (part.empty() || part.size() > 5 || ++parts > 4)
            return {};
        long number = 0;
        for (const char c : part) {
            if (c < '0' || c > '9')
                return {};
            number = number * 10 + (c - '0');
        }
        if (number > 65535)
            return {};
        result += (result.empty() ? "" : ".") + std::to_string(number);
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    for (; parts < 4; ++parts)
        result += ".0";
    return result;
}
