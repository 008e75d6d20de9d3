#include "core/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937_64& Generator()
{
    static std::mt19937_64 generator(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return generator;
}
} // namespace

void SeedRandom(std::uint64_t seed)
{
    Generator().seed(seed);
}

void SeedRandomFromClock()
{
    SeedRandom(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

std::int32_t RandomInt(std::int32_t n)
{
    std::uniform_int_distribution<std::int32_t> dist(0, n - 1);
    return dist(Generator());
}

void RandomInts(std::int32_t n, std::int32_t* out, std::size_t count)
{
    if (count == 0)
        return;
    std::uniform_int_distribution<std::int32_t> dist(0, n - 1);
    auto& generator = Generator();
    for (std::size_t i = 0; i < count; ++i)
        out[i] = dist(generator);
}
