#include "core/CommandLine.h"

#include <algorithm>
#include <cctype>

TCommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    TCommandLine result;
    if (args.empty())
        return result;
    std::string first = args[0];
    std::transform(
        first.begin(), first.end(), first.begin(), [](unsigned char c) { return std::tolower(c); });
    if (first == "/t")
        result.Action = saTest;
    else if (first == "/p")
        result.Action = saPrint;
    else if (first == "/r")
        result.Action = saReset;
    else if (first == "--review")
        result.Action = saReview;
    result.FileName = result.Action != saShow && args.size() >= 2 ? args[1] : args[0];
    return result;
}
