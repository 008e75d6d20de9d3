// The multiple-choice candidates against the plain walk over the shuffled list they stand for,
// and the generator they draw from.

#include "core/DocumentBuilders.h"
#include "core/Random.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

// The candidates as written: shuffle the other items, four passes by part of speech and learnt
// state, then shuffle the choices.
TVocabItemArray ReferenceChoices(TVocabFile& doc, std::int32_t wanted)
{
    std::vector<TVocabItem*> candidates;
    for (std::int32_t i = 0; i < doc.Count(); ++i)
        if (i != doc.CurrentIndex())
            candidates.push_back(&doc.Items(i));
    RandomOrder(candidates);
    const std::size_t size = static_cast<std::size_t>(std::min(wanted, doc.Count()));
    TVocabItemArray choices { &doc.CurrentItem() };
    std::vector<bool> taken(candidates.size());
    for (int pass = 0; pass < 4; ++pass)
        for (std::size_t k = 0; k < candidates.size() && choices.size() < size; ++k) {
            const bool same
                = candidates[k]->FieldValue(fiCategory) == doc.CurrentItem().FieldValue(fiCategory);
            if (!taken[k] && same == (pass < 2) && candidates[k]->Learnt() == (pass % 2 == 1)) {
                taken[k] = true;
                choices.push_back(candidates[k]);
            }
        }
    RandomOrder(choices);
    return choices;
}

TEST(NextTestItem, ChoicesAreTheShuffledPassesAndLeaveTheGeneratorAsTheyWould)
{
    std::mt19937 shape(5);
    // The last list's part of speech is rare: the choices are looked for far into the shuffle.
    for (const int size : { 1, 2, 6, 40, 300, 6000 }) {
        TVocabFile doc;
        FillWords(doc, TWords(static_cast<std::size_t>(size), "w"));
        for (std::int32_t i = 0; i < size; ++i) {
            const bool noun = size > 1000 ? i % 2000 == 0 : shape() % 3 == 0;
            doc.Items(i).SetFieldValue(fiCategory, noun ? "noun" : "verb");
            doc.Items(i).PenaltyPoints = shape() % 3 == 0 ? -1 : 0;
        }
        for (const std::int32_t wanted : { 1, 3, 5, 10 })
            for (std::uint64_t seed = 1; seed <= 6; ++seed) {
                SCOPED_TRACE(testing::Message() << size << " items, " << wanted << " wanted, seed " << seed);
                doc.SetCurrentIndex(static_cast<std::int32_t>(
                    (size > 1000 ? seed % 3 * 2000 : seed) % static_cast<std::uint64_t>(size)));
                SeedRandom(seed);
                const TVocabItemArray expected = ReferenceChoices(doc, wanted);
                const std::int32_t nextAfterReference = RandomInt(1000000);
                SeedRandom(seed);
                TVocabItemArray choices;
                doc.GetChoices(choices, wanted);
                EXPECT_EQ(choices, expected);
                EXPECT_EQ(RandomInt(1000000), nextAfterReference);
            }
    }
}

TEST(Random, DrawsAreUniformInRangeAndASeedRepeatsThemWhateverCameBefore)
{
    for (const std::int32_t n : { 1, 2, 6, 1000003, std::numeric_limits<std::int32_t>::max() }) {
        SCOPED_TRACE(n);
        SeedRandom(3);
        std::vector<std::int32_t> one;
        for (int i = 0; i < 101; ++i) // odd, so a batch starts in the middle of a 64-bit draw
            one.push_back(RandomInt(n));
        std::vector<std::int32_t> batch(101);
        SeedRandom(3);
        RandomInts(n, batch.data(), 1);
        RandomInts(n, batch.data() + 1, 100);
        EXPECT_EQ(batch, one);
        for (const std::int32_t value : one)
            ASSERT_TRUE(value >= 0 && value < n);
    }
    (void)RandomInt(10); // a half of a draw left over must not survive seeding
    SeedRandom(9);
    const std::int32_t first = RandomInt(1000);
    SeedRandom(9);
    EXPECT_EQ(RandomInt(1000), first);

    // n = 3 * 2^29 rejects a quarter of the raw draws; a modulo bias would crowd the low third.
    constexpr std::int32_t Draws = 60000;
    for (const std::uint32_t n : { 6u, 3u << 29 }) {
        std::array<int, 6> counts {};
        SeedRandom(11);
        for (int i = 0; i < Draws; ++i)
            ++counts[static_cast<std::size_t>(
                std::uint64_t(std::uint32_t(RandomInt(std::int32_t(n)))) * 6 / n)];
        for (const int count : counts)
            EXPECT_NEAR(count, Draws / 6, Draws / 6 / 20) << n;
    }
}

} // namespace
