// velmoria-bench: generates lists of 10k, 100k and 1M items (or --items N) and prints each figure
// beside the raw cost of the same bytes, measured in the same run.

#include "BenchFigures.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

void PrintFigure(const std::string& name, long long items, double ms, double rawMs)
{
    std::printf("%s %lld: %.1f ms, %.1fx raw\n", name.c_str(), items, ms, rawMs > 0 ? ms / rawMs : 0.0);
    std::fflush(stdout);
}

int main(int argc, char** argv)
{
    std::vector<int> sizes = {10000, 100000, 1000000};
    bool core = true, exchange = true, match = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--items") == 0 && i + 1 < argc) {
            sizes = {std::atoi(argv[++i])};
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            const std::string only = argv[++i];
            core = only == "core";
            exchange = only == "exchange";
            match = only == "match";
        } else {
            std::fprintf(stderr, "usage: velmoria-bench [--items N] [--only core|exchange|match]\n");
            return 2;
        }
    }
    for (const int items : sizes) {
        if (items < 1) {
            std::fprintf(stderr, "--items must be at least 1\n");
            return 2;
        }
        if (core)
            BenchCore(items);
        if (exchange)
            BenchExchange(items);
    }
    if (match)
        BenchMatch(sizes.back());
    return 0;
}
