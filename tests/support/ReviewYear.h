#pragma once
// A year of reviews of a list's cards (into the native language), as a learner gives them who
// reviews most days, takes up to five new words a day and answers most of them right: the full
// history the progress pictures are looked at and tested with.

#include "core/VocabFile.h"
#include "review/History.h"
#include "review/ReviewQueue.h"

#include <cstdint>
#include <vector>

// Returns the answers recorded. Every ninth word is hard: answered wrong about a third of the time.
inline int FillReviewYear(THistory& history, const TVocabFile& document, TDay today, int days = 365)
{
    const TSchedulerParameters p;
    std::vector<TCardKey> keys;
    for (std::int32_t i = 0; i < document.Count(); ++i)
        keys.push_back(CardKeyOf(document, document.Items(i), 0));
    std::uint32_t seed = 20261207;
    const auto random = [&seed](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % below;
    };
    int answers = 0;
    for (TDay day = today - days; day < today; ++day) {
        if (random(7) == 0)
            continue; // a day off
        const std::vector<std::optional<TMemory>> memories = history.Memories(keys);
        int taken = 0;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const bool due = memories[i] ? memories[i]->Due <= day : taken++ < 5;
            if (!due)
                continue;
            const std::int64_t at
                = OnDay(std::int64_t { 9 } * 3600 * 1000, day) + static_cast<std::int64_t>(i) * 20000;
            const bool right = random(100) < (i % 9 == 0 ? 70u : 93u);
            history.RecordAnswer(
                keys[i], right, false, at, static_cast<std::int32_t>(2000 + random(6000)), p, false);
            ++answers;
            // A wrong answer is repeated later in the session until right: practice.
            if (!right) {
                history.RecordAnswer(keys[i], true, false, at + 10000, 2500, p, false);
                ++answers;
            }
        }
    }
    return answers;
}
