// How chance enters the choice of the next test item, and the choice kept right from answer to
// answer against a walk over every item.

#include "testing/NextItem.h"

#include "core/DocumentBuilders.h"
#include "core/Random.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace {

// Chance only picks among the items sharing the best score, each of them equally often.
TEST(NextItem, ChoosesUniformlyAmongTheBestScoredOnly)
{
    using TState = std::pair<std::int32_t, std::int32_t>; // LastAttempt, PenaltyPoints
    const auto fromList = [](std::vector<TState> states) {
        return [states](std::int32_t i) { return states[static_cast<std::size_t>(i)]; };
    };
    std::set<std::int32_t> everySeventhThousand { 69999 };
    for (std::int32_t i = 0; i < 70000; i += 7000)
        everySeventhThousand.insert(i);
    const struct {
        const char* Name;
        std::int32_t Size, Attempts;
        std::function<TState(std::int32_t)> State;
        std::set<std::int32_t> Best; // empty: nothing to ask
        int Draws;
    } cases[] = {
        { "never answered: all tie", 6, 0, [](std::int32_t) { return TState(0, 0); }, { 0, 1, 2, 3, 4, 5 },
            12000 },
        // Scores 5, 10, (4 - 2) x 5 = 10, 0, 9, 10.
        { "points weigh the age", 6, 4,
            fromList({ { 0, 0 }, { 0, 1 }, { 2, 4 }, { 4, 3 }, { 1, 2 }, { 0, 1 } }), { 1, 2, 5 }, 6000 },
        // Scores 3, 3, 3, 5, 1, 5, 5: the ties met before the best score must not count.
        { "earlier lower ties", 7, 10,
            fromList({ { 7, 0 }, { 7, 0 }, { 7, 0 }, { 5, 0 }, { 9, 0 }, { 5, 0 }, { 5, 0 } }), { 3, 5, 6 },
            6000 },
        // Answered after the counter (a file may say so): negative scores, where the learnt item's is 0.
        { "learnt skipped where it would win", 4, 2, fromList({ { 5, 0 }, { 4, 0 }, { 0, -1 }, { 4, 0 } }),
            { 1, 3 }, 4000 },
        { "one best item", 5, 0, [](std::int32_t i) { return TState(0, i == 3 ? 2 : 0); }, { 3 }, 200 },
        { "the largest points do not overflow", 5, 0,
            [](std::int32_t i) { return TState(0, i == 0 ? std::numeric_limits<std::int32_t>::max() : i); },
            { 0 }, 200 },
        { "every item learnt", 3, 0, [](std::int32_t) { return TState(0, -1); }, {}, 1 },
        { "empty list", 0, 0, [](std::int32_t) { return TState(0, 0); }, {}, 1 },
        { "70,000 items, learnt and weighted ones between the best", 70000, 0,
            [&](std::int32_t i) {
                return TState(0, everySeventhThousand.count(i) ? 2 : i % 5 == 0 ? -1 : i % 2);
            },
            everySeventhThousand, 1100 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        FillWords(doc, TWords(static_cast<std::size_t>(c.Size), "w"));
        if (c.Size > 0)
            doc.SetCurrentIndex(0);
        for (std::int32_t a = 0; a < c.Attempts; ++a)
            doc.RecordAnswer(false, 0);
        for (std::int32_t i = 0; i < c.Size; ++i)
            std::tie(doc.Items(i).LastAttempt, doc.Items(i).PenaltyPoints) = c.State(i);
        std::map<std::int32_t, int> counts;
        SeedRandom(17);
        TNextTestItem next;
        for (int d = 0; d < c.Draws; ++d) {
            const std::int32_t chosen = next.Choose(doc);
            ASSERT_TRUE(c.Best.empty() ? chosen == -1 : c.Best.count(chosen) == 1) << chosen;
            ++counts[chosen];
        }
        // Within five standard deviations of an even share: a fixed seed, and no chance of a miss
        // worth speaking of with any other.
        const double share = 1.0 / static_cast<double>(std::max<std::size_t>(c.Best.size(), 1));
        const double expected = c.Draws * share;
        for (const std::int32_t best : c.Best)
            EXPECT_NEAR(counts[best], expected, 5 * std::sqrt(expected * (1 - share)) + 1e-9) << best;
    }
}

// The best-scored items by the rule itself, item by item.
std::set<std::int32_t> BestByWalk(const TVocabFile& doc)
{
    std::set<std::int32_t> best;
    std::int64_t bestScore = 0;
    for (std::int32_t i = 0; i < doc.Count(); ++i) {
        const TVocabItem& item = doc.Items(i);
        if (item.Learnt())
            continue;
        const std::int64_t age = item.LastAttempt > 0 ? std::int64_t { doc.Attempts() } - item.LastAttempt
                                                      : std::int64_t { doc.Count() } - 1;
        const std::int64_t score = age * (std::int64_t { item.PenaltyPoints } + 1);
        if (best.empty() || score > bestScore) {
            best = { i };
            bestScore = score;
        } else if (score == bestScore) {
            best.insert(i);
        }
    }
    return best;
}

// Answers and edits in turn; each question must be one the walk would ask.
TEST(NextItem, FollowsAnswersAndEditsAsAWalkWould)
{
    using TState = std::pair<std::int32_t, std::int32_t>; // LastAttempt, PenaltyPoints
    const struct {
        const char* Name;
        std::int32_t Size, MaxPenalty;
        int RightPercent, EditEvery;
        std::function<TState(std::int32_t)> State; // before the first question
    } cases[] = {
        { "fresh list, mostly right", 60, 3, 70, 0, [](std::int32_t) { return TState(0, 0); } },
        { "fresh list, mostly wrong", 60, 5, 20, 0, [](std::int32_t) { return TState(0, 0); } },
        { "no penalty points", 40, 0, 50, 0, [](std::int32_t) { return TState(0, 0); } },
        { "edits between answers", 50, 4, 40, 7, [](std::int32_t) { return TState(0, 0); } },
        // A file may hold anything: answers after the counter, points below -1 and above the
        // maximum, the same last answer for many items.
        { "odd states read from a file", 50, 3, 40, 0,
            [](std::int32_t i) {
                return TState(i % 4 == 0 ? 0 : (i * 7) % 60 - 5,
                    i % 6 == 0       ? -3 - i % 4
                        : i % 5 == 1 ? 9
                                     : i % 4);
            } },
        { "odd states and edits", 50, 3, 50, 5,
            [](std::int32_t i) { return TState(i % 3 == 0 ? 0 : 20 + i % 3, i % 7 == 0 ? -2 : i % 3 - 1); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        FillWords(doc, TWords(static_cast<std::size_t>(c.Size), "w"));
        doc.SetCurrentIndex(0);
        for (std::int32_t a = 0; a < 10; ++a)
            doc.RecordAnswer(false, 0);
        for (std::int32_t i = 0; i < c.Size; ++i)
            std::tie(doc.Items(i).LastAttempt, doc.Items(i).PenaltyPoints) = c.State(i);
        doc.RecountLearnt();
        std::mt19937 chance(11);
        SeedRandom(5);
        TNextTestItem next;
        int asked = 0;
        for (int step = 1; step <= 600; ++step) {
            if (c.EditEvery > 0 && step % c.EditEvery == 0) {
                switch (step / c.EditEvery % 4) {
                case 0:
                    doc.DeleteCurrent();
                    break;
                case 1:
                    AppendByAdd(doc, "new" + std::to_string(step));
                    break;
                case 2:
                    doc.Shuffle();
                    break;
                default:
                    doc.MoveCurrent(0);
                    break;
                }
            }
            const std::int32_t chosen = next.Choose(doc);
            const std::set<std::int32_t> best = BestByWalk(doc);
            ASSERT_TRUE(best.empty() ? chosen == -1 : best.count(chosen) == 1)
                << "step " << step << ": " << chosen;
            if (chosen < 0) {
                doc.ResetTestData();
                continue;
            }
            doc.SetCurrentIndex(chosen);
            next.RecordAnswer(doc, static_cast<int>(chance() % 100) < c.RightPercent, c.MaxPenalty);
            ++asked;
        }
        EXPECT_GT(asked, 500);
    }
}

} // namespace
