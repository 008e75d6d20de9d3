// The scheduler against reference vectors made by tools/fsrs-vectors, the local calendar days it counts
// in, and the ratings of the test's verdicts.

#include "review/Scheduler.h"

#include "support/ScopedEnv.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

// One answer a row; the rows of a case follow one card.
TEST(Scheduler, EqualsTheReferenceVectors)
{
    std::ifstream in(std::string(VELMORIA_SOURCE_DIR) + "/tests/review/fsrs-vectors.tsv");
    std::map<std::string, TMemory> cards;
    std::size_t rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, weights, dayText, dueText;
        TSchedulerParameters p;
        int rating = 0, reps = 0, lapses = 0;
        double retrievability = 0, stability = 0, difficulty = 0;
        fields >> name >> p.DesiredRetention >> p.MaximumInterval >> weights >> dayText >> rating
            >> retrievability >> stability >> difficulty >> dueText >> reps >> lapses;
        SCOPED_TRACE(line);
        const auto day = ParseDay(dayText), due = ParseDay(dueText);
        ASSERT_TRUE(fields && day && due);
        std::istringstream list(weights);
        for (auto& w : p.W)
            if (weights != "default" && list >> w)
                list.ignore(1);
        ++rows;
        auto& card = cards[name];
        EXPECT_NEAR(Retrievability(card, *day, p), retrievability, 1e-6);
        card = ScheduleAnswer(card, static_cast<TRating>(rating), *day, p);
        EXPECT_NEAR(card.Stability, stability, 1e-4);
        EXPECT_NEAR(card.Difficulty, difficulty, 1e-4);
        // The reference lets Good and Easy run a day or two past the maximum to keep the four
        // intervals apart; the maximum is kept here.
        EXPECT_EQ(FormatDay(card.Due), FormatDay(std::min(*due, *day + p.MaximumInterval)));
        EXPECT_EQ(std::tuple(card.State, card.LastReview, card.Reps, card.Lapses),
            std::tuple(TCardState::Review, *day, reps, lapses));
    }
    EXPECT_GT(rows, 400u);
    EXPECT_GT(cards.size(), 40u);
}

// Damaged or odd memories stay finite; intervals keep the order of the ratings within the maximum, a
// lapse never raises stability, and a clock set back counts as an answer on the day of the last review.
TEST(Scheduler, BadInputStaysFiniteAndLapsesAndClocksStayInBounds)
{
    const struct {
        const char* Name;
        TMemory Before;
        TDay Today;
        double Retention;
        std::int32_t Maximum = 36500;
    } cases[] = {
        { "a mature card", { TCardState::Review, 5000, 2, 100, 5100, 12, 0 }, 5100, 0.9 },
        { "a mature card, 100 days at most", { TCardState::Review, 5000, 2, 100, 5100, 12, 0 }, 5100, 0.9,
            100 },
        { "a mature card, 2 days at most", { TCardState::Review, 5000, 2, 100, 5100, 12, 0 }, 5100, 0.9, 2 },
        { "answered before the last review", { TCardState::Review, 10, 5, 1000, 1010, 3, 0 }, 990, 0.9 },
        { "zero difficulty in a reviewed card", { TCardState::Review, 4, 0.0, 100, 104, 1, 0 }, 110, 0.9 },
        { "zero stability in a reviewed card", { TCardState::Review, 0, 5, 100, 101, 1, 0 }, 110, 0.9 },
        { "retention out of range", { TCardState::Review, 10, 5, 100, 110, 1, 0 }, 110, 1.5 },
        { "retention zero", { TCardState::Review, 10, 5, 100, 110, 1, 0 }, 110, 0 },
        { "a weak card long overdue", { TCardState::Review, 0.1, 1, 100, 101, 1, 0 }, 400, 0.9 },
        { "a weak hard card", { TCardState::Review, 0.5, 9, 100, 101, 1, 0 }, 130, 0.9 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TSchedulerParameters p;
        p.DesiredRetention = c.Retention;
        p.MaximumInterval = c.Maximum;
        for (TDay previous = c.Today, g = 1; g <= 4; ++g) {
            const auto after = ScheduleAnswer(c.Before, static_cast<TRating>(g), c.Today, p);
            EXPECT_TRUE(std::isfinite(after.Stability) && after.Stability > 0);
            EXPECT_TRUE(after.Difficulty >= 1 && after.Difficulty <= 10);
            EXPECT_GT(after.Due, c.Today);
            EXPECT_LE(after.Due, c.Today + c.Maximum);
            EXPECT_GE(after.Due, previous);
            previous = after.Due;
            if (g == 1) {
                EXPECT_LE(after.Stability, std::max(c.Before.Stability, 0.001));
            }
            const auto onLastDay = ScheduleAnswer(c.Before, static_cast<TRating>(g), c.Before.LastReview, p);
            if (c.Today < c.Before.LastReview) {
                EXPECT_EQ(std::tuple(after.Stability, after.Difficulty, after.Due - c.Today),
                    std::tuple(
                        onLastDay.Stability, onLastDay.Difficulty, onLastDay.Due - c.Before.LastReview));
            }
        }
        const double r = Retrievability(c.Before, c.Today, p);
        EXPECT_TRUE(r >= 0 && r <= 1);
    }
    EXPECT_EQ(Retrievability(TMemory {}, 100, TSchedulerParameters {}), 0);
}

// Held on a mature card, whose long intervals show a small change of retention.
TEST(Scheduler, RetentionOutsideTheOptionsRangeIsHeldAtItsEnds)
{
    TMemory card;
    for (int i = 0; i < 6; ++i)
        card = ScheduleAnswer(card, TRating::Good, std::max<TDay>(card.Due, 100), TSchedulerParameters {});
    ASSERT_GT(card.Due - card.LastReview, 200);
    const auto dueWith = [&](double retention) {
        TSchedulerParameters p;
        p.DesiredRetention = retention;
        return ScheduleAnswer(card, TRating::Good, card.Due, p).Due;
    };
    EXPECT_EQ(dueWith(0.5), dueWith(0.70));
    EXPECT_EQ(dueWith(0.999), dueWith(0.97));
    EXPECT_GT(dueWith(0.96), dueWith(0.97));
    EXPECT_LT(dueWith(0.71), dueWith(0.70));
    EXPECT_GT(dueWith(0.70), dueWith(0.90));
    EXPECT_GT(dueWith(0.90), dueWith(0.97));
}

// Intervals round half a day up, as the reference does (a first answer's stability is its weight).
TEST(Scheduler, HalfDaysRoundUp)
{
    const struct {
        std::size_t Weight;
        double Stability;
        TDay Days;
    } cases[] = { { 2, 3.5, 4 }, { 2, 10.5, 11 }, { 3, 5.5, 6 }, { 3, 6.4999, 6 } };
    for (const auto& c : cases) {
        TSchedulerParameters p;
        p.W[c.Weight] = c.Stability;
        EXPECT_EQ(ScheduleAnswer(TMemory {}, static_cast<TRating>(c.Weight + 1), 100, p).Due, 100 + c.Days)
            << c.Stability;
    }
}

TEST(Scheduler, RatingOfAVerdict)
{
    const struct {
        bool Correct, Hint, HintCountsAsWrong;
        TRating Expected;
    } cases[] = { { true, false, false, TRating::Good }, { true, false, true, TRating::Good },
        { true, true, false, TRating::Hard }, { true, true, true, TRating::Again },
        { false, false, false, TRating::Again }, { false, true, false, TRating::Again } };
    for (const auto& c : cases)
        EXPECT_EQ(RatingOf(c.Correct, c.Hint, c.HintCountsAsWrong), c.Expected)
            << c.Correct << c.Hint << c.HintCountsAsWrong;
}

TEST(SchedulerDays, ParseAndFormatRoundTrip)
{
    const struct {
        const char* Text;
        std::optional<TDay> Day;
    } cases[] = { { "1970-01-01", 0 }, { "1970-01-02", 1 }, { "1969-12-31", -1 }, { "2000-02-29", 11016 },
        { "2024-12-31", 20088 }, { "9999-12-31", 2932896 }, { "2023-02-29", std::nullopt },
        { "1900-02-29", std::nullopt }, { "2024-13-01", std::nullopt }, { "2024-00-10", std::nullopt },
        { "2024-04-31", std::nullopt }, { "0000-01-01", std::nullopt }, { "2024-1-01", std::nullopt },
        { "2024-01-01 ", std::nullopt }, { "2024/01/01", std::nullopt }, { "+024-01-01", std::nullopt },
        { "2024-01-1x", std::nullopt }, { "", std::nullopt } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseDay(c.Text), c.Day);
        if (c.Day) {
            EXPECT_EQ(FormatDay(*c.Day), c.Text);
        }
    }
}

// The zones' rules written out, so the cases need no time zone database on the machine.
constexpr const char* Berlin = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* NewYork = "EST5EDT,M3.2.0,M11.1.0";
constexpr const char* Kiritimati = "<+14>-14";

TEST(SchedulerDays, LocalDayFollowsTheTimeZone)
{
    // Unix seconds of UTC instants, and the local date each one falls on.
    const struct {
        const char* Zone;
        std::int64_t UnixSeconds;
        const char* Expected;
    } cases[] = {
        { "UTC0", 1704067199, "2023-12-31" }, // 23:59:59 UTC
        { "UTC0", 1704067200, "2024-01-01" },
        { Berlin, 1704063599, "2023-12-31" }, // 23:59:59 in Berlin (UTC+1)
        { Berlin, 1704063600, "2024-01-01" },
        { NewYork, 1704085199, "2023-12-31" }, // 23:59:59 in New York (UTC-5)
        { NewYork, 1704085200, "2024-01-01" },
        // Berlin springs forward on 2024-03-31 at 02:00 (a 23-hour day) and falls back on
        // 2024-10-27 at 03:00 (a 25-hour day): each day starts and ends at local midnight.
        { Berlin, 1711839599, "2024-03-30" }, // 23:59:59 CET
        { Berlin, 1711839600, "2024-03-31" }, // 00:00 CET
        { Berlin, 1711922399, "2024-03-31" }, // 23:59:59 CEST, 23 hours later
        { Berlin, 1711922400, "2024-04-01" },
        { Berlin, 1729980000, "2024-10-27" }, // 00:00 CEST
        { Berlin, 1730069999, "2024-10-27" }, // 23:59:59 CET, 25 hours later
        { Berlin, 1730070000, "2024-10-28" },
        { Kiritimati, 1704067200 - 14 * 3600, "2024-01-01" }, // UTC+14
        // The same through the time zone database.
        { "Europe/Berlin", 1711922399, "2024-03-31" },
        { "Europe/Berlin", 1730069999, "2024-10-27" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Zone) + " " + std::to_string(c.UnixSeconds));
        const TScopedEnv zone("TZ", c.Zone);
        EXPECT_EQ(FormatDay(LocalDay(c.UnixSeconds)), c.Expected);
    }
}

} // namespace
