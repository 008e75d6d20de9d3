#pragma once
// The one random generator of the program, seeded from the clock once at start-up.

#include <cstddef>
#include <cstdint>
#include <vector>

void SeedRandom(std::uint64_t seed);
void SeedRandomFromClock();
// Uniform in 0..n-1; n must be at least 1.
std::int32_t RandomInt(std::int32_t n);
// count draws of RandomInt(n) at once, the same numbers in the same order.
void RandomInts(std::int32_t n, std::int32_t* out, std::size_t count);

// The exchange order used by Shuffle and GetChoices:
// for each i in turn, exchange element i with a uniformly drawn element j.
template <typename T> void RandomOrder(std::vector<T>& v)
{
    const auto n = static_cast<std::int32_t>(v.size());
    for (std::int32_t i = 0; i < n; ++i) {
        const std::int32_t j = RandomInt(n);
        if (i != j) {
            using std::swap;
            swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
        }
    }
}
