// velmoria-bench: generates lists of 10k, 100k and 1M items (or --items N) and prints each figure
// beside the raw cost of the same bytes, measured in the same run.

#include "BenchFigures.h"
#include "core/FreedMemory.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

double BestMs(const std::function<void()>& work, int repeats)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void RawWrite(const std::string& name, const std::string& bytes)
{
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())
        || ::fsync(fd) != 0)
        std::perror("raw write");
    if (fd >= 0)
        ::close(fd);
}

void PrintFigure(const std::string& name, long long items, double ms, double rawMs)
{
    std::printf("%s %lld: %.1f ms, %.1fx raw\n", name.c_str(), items, ms, rawMs > 0 ? ms / rawMs : 0.0);
    std::fflush(stdout);
}

int main(int argc, char** argv)
{
    MapLargeBlocksApart();
    std::vector<int> sizes = { 10000, 100000, 1000000 };
    bool core = true, exchange = true, match = true, testing = true, print = true, review = true,
         window = true, history = true, deck = true, optimize = true, sync = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--items") == 0 && i + 1 < argc) {
            sizes = { std::atoi(argv[++i]) };
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            const std::string only = argv[++i];
            core = only == "core";
            exchange = only == "exchange";
            match = only == "match";
            testing = only == "testing";
            print = only == "print";
            review = only == "review";
            window = only == "window";
            history = only == "history";
            deck = only == "deck";
            optimize = only == "optimize";
            sync = only == "sync";
        } else {
            std::fprintf(stderr,
                "usage: velmoria-bench [--items N] [--only "
                "core|exchange|match|testing|print|review|window|history|deck|optimize|sync]\n");
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
        if (testing)
            BenchTesting(items);
        if (print)
            BenchPrint(items);
        if (review)
            BenchReview(items);
        if (window)
            BenchWindow(items);
        if (history)
            BenchHistoryImport(items);
        if (optimize)
            BenchOptimize(items);
        if (sync)
            BenchHistorySync(items);
    }
    if (match)
        BenchMatch(sizes.back());
    if (deck)
        BenchDeckImport();
    return 0;
}
