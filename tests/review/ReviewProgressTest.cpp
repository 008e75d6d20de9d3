// The figures of the progress window: whole weeks up to today, every week in its place, the due
// days ahead and the line that sums them up.

#include "review/ReviewProgress.h"

#include "review/ReviewSupport.h"

#include <gtest/gtest.h>

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

TEST(ReviewProgressTest, FiguresCoverWholeWeeksUpToTodayAndTheMonthAhead)
{
    TTempDir dir;
    THistory history(dir.File("history.sqlite"));
    const TDay today = *ParseDay("2026-12-10"); // a Thursday
    TReviewProgress empty = ReadReviewProgress(history, today);
    EXPECT_EQ(FormatDay(empty.FirstDay), "2026-09-21");
    EXPECT_EQ(empty.AnswersPerDay.size(), static_cast<std::size_t>(today - empty.FirstDay + 1));
    ASSERT_EQ(empty.Weeks.size(), static_cast<std::size_t>(ProgressWeeks));
    for (int i = 0; i < ProgressWeeks; ++i)
        EXPECT_EQ(empty.Weeks[static_cast<std::size_t>(i)].WeekStart, empty.FirstDay + 7 * i);
    EXPECT_EQ(empty.DuePerDay.size(), static_cast<std::size_t>(ProgressDueDays));
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(
        ProgressSummary(empty), "No answers yet. Review Due Words in the Test menu starts your history.");

    // Three cards first answered on the first day shown, one of them wrong twice; one answer
    // before the window and one after it are left out of the days.
    const TSchedulerParameters p;
    const auto answer = [&](const char* word, TDay day, bool correct) {
        history.RecordAnswer({ 7, 9, word, "t", 0 }, correct, false, NoonOf(day), 1000, p, false);
    };
    answer("old", empty.FirstDay - 1, true);
    answer("a", empty.FirstDay, true);
    answer("b", empty.FirstDay, false);
    answer("b", today, false);
    answer("c", today, true);
    const TReviewProgress full = ReadReviewProgress(history, today);
    EXPECT_EQ(full.AnswersPerDay.front(), 2);
    EXPECT_EQ(full.AnswersPerDay.back(), 2);
    EXPECT_EQ(full.Answers(), 4);
    EXPECT_EQ(std::pair(full.Weeks.front().Answers, full.Weeks.front().Right), std::pair(2, 1));
    EXPECT_EQ(std::pair(full.Weeks.back().Answers, full.Weeks.back().Right), std::pair(2, 1));
    EXPECT_EQ(std::pair(full.ReviewAnswers(), full.ReviewRight()), std::pair(4, 2));
    ASSERT_FALSE(full.Failed.empty());
    EXPECT_EQ(full.Failed.front().Word, "b");
    EXPECT_EQ(full.Failed.front().Failures, 2);
    // Every card has its day ahead (or today when overdue) within the month or beyond it.
    int due = 0;
    for (const int count : full.DuePerDay)
        due += count;
    EXPECT_LE(due, 4);
    EXPECT_GE(full.DueToday(), 1) << "the cards of the first day are overdue";
    EXPECT_EQ(ProgressSummary(full),
        "4 answers in the last twelve weeks, 50% of reviews right. " + std::to_string(full.DueToday())
            + " due today.");
}

} // namespace
