// The figures of the progress window and of the history beneath it: whole weeks up to today,
// every week in its place, practice that is no review, the due days ahead and the line that sums
// them up.

#include "review/ReviewProgress.h"

#include "review/ReviewSupport.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(ReviewProgressTest, WeeksStartOnMonday)
{
    // 1970-01-01 was a Thursday; 2026-12-07 a Monday.
    const std::pair<const char*, const char*> cases[] = { { "1970-01-01", "1969-12-29" },
        { "1970-01-05", "1970-01-05" }, { "1969-12-31", "1969-12-29" }, { "2026-12-07", "2026-12-07" },
        { "2026-12-13", "2026-12-07" }, { "2024-03-01", "2024-02-26" } };
    for (const auto& [day, monday] : cases)
        EXPECT_EQ(FormatDay(WeekStart(*ParseDay(day))), monday) << day;
}

TEST(ReviewProgressTest, ALeechHintNamesEachDirectionFailedOftenEnough)
{
    const std::pair<std::array<int, 2>, const char*> cases[] = {
        { { 0, 0 }, "" },
        { { LeechFailures - 1, LeechFailures - 1 }, "" },
        { { LeechFailures, 3 }, "failed 8 times into the native language." },
        { { 2, 11 }, "failed 11 times into the foreign language." },
        { { 9, 8 }, "failed 9 times into the native language and 8 times into the foreign language." },
    };
    for (const auto& [failures, part] : cases) {
        const std::string hint = LeechHint(failures).Text();
        if (*part == '\0')
            EXPECT_EQ(hint, "");
        else
            EXPECT_NE(hint.find(part), std::string::npos) << hint;
    }
}

TEST(ReviewProgressTest, FiguresCoverWholeWeeksUpToTodayAndTheMonthAhead)
{
    TTempDir dir;
    THistory history(dir.File("history.sqlite"));
    const TDay today = *ParseDay("2026-12-10"); // a Thursday
    const TReviewProgress empty = ReadReviewProgress(history, today);
    // What the window shows while it reads is the empty history's figures.
    for (const TDay day : { today, today + 3, *ParseDay("1969-12-30") }) {
        SCOPED_TRACE(FormatDay(day));
        const TReviewProgress read = ReadReviewProgress(history, day), shown = EmptyReviewProgress(day);
        EXPECT_EQ(
            std::tuple(shown.Today, shown.FirstDay, shown.AnswersPerDay, shown.DuePerDay, shown.DueInto),
            std::tuple(read.Today, read.FirstDay, read.AnswersPerDay, read.DuePerDay, read.DueInto));
        ASSERT_EQ(shown.Weeks.size(), read.Weeks.size());
        for (std::size_t i = 0; i < read.Weeks.size(); ++i)
            EXPECT_EQ(std::tuple(shown.Weeks[i].WeekStart, shown.Weeks[i].Answers, shown.Weeks[i].Right),
                std::tuple(read.Weeks[i].WeekStart, read.Weeks[i].Answers, read.Weeks[i].Right));
        EXPECT_TRUE(shown.Empty());
    }
    EXPECT_EQ(FormatDay(empty.FirstDay), "2026-09-21");
    EXPECT_EQ(empty.AnswersPerDay, std::vector<int>(static_cast<std::size_t>(today - empty.FirstDay + 1)));
    ASSERT_EQ(empty.Weeks.size(), static_cast<std::size_t>(ProgressWeeks));
    for (int i = 0; i < ProgressWeeks; ++i)
        EXPECT_EQ(empty.Weeks[static_cast<std::size_t>(i)].WeekStart, empty.FirstDay + 7 * i);
    EXPECT_EQ(empty.DuePerDay, std::vector<int>(ProgressDueDays));
    EXPECT_TRUE(empty.Empty() && empty.Failed.empty());
    EXPECT_EQ(ProgressSummary(empty).Text(),
        "No answers yet. Review Due Words in the Test menu starts your history.");

    const TSchedulerParameters p;
    const auto answer = [&](const char* word, TDay day, bool correct, std::uint8_t direction = 0) {
        return history.RecordAnswer(
            { 7, 9, word, "t", direction }, correct, false, NoonOf(day), 1000, p, false);
    };
    answer("old", empty.FirstDay - 1, true); // before the days shown
    answer("a", empty.FirstDay, false);
    answer("a", empty.FirstDay, false); // practice
    answer("a", empty.FirstDay, false, 1); // the same word the other way
    answer("b", empty.FirstDay + 1, false);
    answer("b", today, false);
    const TDay dueC = answer("c", today, true).Due;
    const TReviewProgress full = ReadReviewProgress(history, today);
    EXPECT_EQ(
        std::tuple(full.AnswersPerDay[0], full.AnswersPerDay[1], full.AnswersPerDay.back(), full.Answers(),
            full.Weeks.front().Answers, full.Weeks.front().Right, full.Weeks.back().Answers,
            full.Weeks.back().Right, full.ReviewAnswers(), full.ReviewRight()),
        std::tuple(3, 1, 2, 6, 3, 0, 2, 1, 5, 1));
    // Each direction's card on its own; a repeat the same day is no second failure.
    std::vector<std::tuple<std::string, int, int>> failed;
    for (const auto& word : full.Failed)
        failed.emplace_back(word.Word, word.Direction, word.Failures);
    EXPECT_EQ(failed,
        (std::vector<std::tuple<std::string, int, int>> { { "b", 0, 2 }, { "a", 0, 1 }, { "a", 1, 1 } }));
    // Everything due before today counts on it, and so does "b", failed today.
    std::vector<int> due(ProgressDueDays);
    due[0] = 4;
    due[static_cast<std::size_t>(dueC - today)] = 1;
    EXPECT_EQ(full.DuePerDay, due);
    EXPECT_EQ(ProgressSummary(full).Text(),
        "6 answers in the last twelve weeks, 20% of reviews right. Due today: 3 into the native "
        "language, 1 into the foreign language.");
}

TEST(ReviewProgressTest, CountAxesTakeRoundStepsForAnyCount)
{
    const struct {
        const char* Name;
        std::int64_t Highest;
        int MaxSteps;
        std::int64_t Top, Step;
        std::vector<std::string> Labels;
    } cases[] = {
        { "nothing yet", 0, 5, 4, 1, { "0", "1", "2", "3", "4" } },
        { "below zero", -7, 5, 4, 1, { "0", "1", "2", "3", "4" } },
        { "one step allowed", 0, 1, 1, 1, { "0", "1" } },
        { "no steps asked", 3, 0, 5, 5, { "0", "5" } },
        { "five fits in steps of one", 5, 5, 5, 1, { "0", "1", "2", "3", "4", "5" } },
        { "six needs twos", 6, 5, 6, 2, { "0", "2", "4", "6" } },
        { "eleven needs fives", 11, 5, 15, 5, { "0", "5", "10", "15" } },
        { "ten answers", 10, 5, 10, 2, { "0", "2", "4", "6", "8", "10" } },
        { "a busy day", 87, 5, 100, 20, { "0", "20", "40", "60", "80", "100" } },
        { "more room", 87, 10, 90, 10, {} },
        { "just over a thousand", 1001, 5, 1500, 500, { "0", "500", "1000", "1500" } },
        { "plain up to the last four digits", 9999, 5, 10000, 2000, { "0", "2k", "4k", "6k", "8k", "10k" } },
        { "a year", 26'000, 5, 30'000, 10'000, { "0", "10k", "20k", "30k" } },
        { "half a million due on one day", 500'000, 5, 500'000, 100'000,
            { "0", "100k", "200k", "300k", "400k", "500k" } },
        { "a million answers", 1'000'000, 5, 1'000'000, 200'000,
            { "0", "0.2M", "0.4M", "0.6M", "0.8M", "1M" } },
        { "just over a million", 1'200'001, 5, 1'500'000, 500'000, { "0", "0.5M", "1M", "1.5M" } },
        { "thousands with a fraction", 12'345, 10, 14'000, 2'000, {} },
        { "fine steps of millions", 2'400'000, 12, 2'400'000, 200'000, {} },
        { "beyond an int", 7'000'000'000, 5, 8'000'000'000, 2'000'000'000, { "0", "2B", "4B", "6B", "8B" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TCountAxis axis = CountAxisFor(c.Highest, c.MaxSteps);
        EXPECT_EQ(std::pair(axis.Top, axis.Step), std::pair(c.Top, c.Step));
        EXPECT_LE(axis.Steps(), std::max(c.MaxSteps, 1));
        EXPECT_GE(axis.Top, c.Highest);
        if (!c.Labels.empty()) {
            EXPECT_EQ(CountAxisLabels(axis), c.Labels);
        }
    }
}

TEST(ReviewProgressTest, AxisLabelsKeepTheFractionTheyNeed)
{
    const struct {
        TCountAxis Axis;
        std::vector<std::string> Labels;
    } cases[] = { { { 15'000, 2'500 }, { "0", "2.5k", "5k", "7.5k", "10k", "12.5k", "15k" } },
        { { 1'000'000, 250'000 }, { "0", "0.25M", "0.5M", "0.75M", "1M" } },
        { { 1'000'000, 125'000 },
            { "0", "0.125M", "0.25M", "0.375M", "0.5M", "0.625M", "0.75M", "0.875M", "1M" } },
        { { 1'000'000, 100'001 },
            { "0", "0.1M", "0.2M", "0.3M", "0.4M", "0.5M", "0.6M", "0.7M", "0.8M", "0.9M" } },
        { { 3, 0 }, {} }, { { 0, 5 }, { "0" } } };
    for (const auto& [axis, labels] : cases) {
        SCOPED_TRACE(axis.Top);
        EXPECT_EQ(CountAxisLabels(axis), labels);
    }
}

} // namespace
