#include "core/Random.h"

#include <chrono>
#include <random>

namespace {
// Each 64-bit output serves two draws: a shuffle draws once per item, and so does choosing the
// next question from a list where every item ties, as in a fresh one.
struct TGenerator {
    std::mt19937_64 Engine { static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count()) };
    std::uint32_t Half = 0;
    bool HaveHalf = false;

    std::uint32_t Next32()
    {
        if (HaveHalf) {
            HaveHalf = false;
            return Half;
        }
        const std::uint64_t value = Engine();
        Half = static_cast<std::uint32_t>(value >> 32);
        HaveHalf = true;
        return static_cast<std::uint32_t>(value);
    }
    // Lemire's multiply-and-reject: exactly uniform in 0..n-1.
    std::int32_t Below(std::uint32_t n)
    {
        std::uint64_t product = std::uint64_t { Next32() } * n;
        if (static_cast<std::uint32_t>(product) < n) {
            const std::uint32_t threshold = (0u - n) % n;
            while (static_cast<std::uint32_t>(product) < threshold)
                product = std::uint64_t { Next32() } * n;
        }
        return static_cast<std::int32_t>(product >> 32);
    }
};

TGenerator& Generator()
{
    static TGenerator generator;
    return generator;
}
} // namespace

void SeedRandom(std::uint64_t seed)
{
    Generator().Engine.seed(seed);
    Generator().HaveHalf = false;
}

void SeedRandomFromClock()
{
    SeedRandom(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

std::int32_t RandomInt(std::int32_t n)
{
    return Generator().Below(static_cast<std::uint32_t>(n));
}

void RandomInts(std::int32_t n, std::int32_t* out, std::size_t count)
{
    auto& generator = Generator();
    for (std::size_t i = 0; i < count; ++i)
        out[i] = generator.Below(static_cast<std::uint32_t>(n));
}
