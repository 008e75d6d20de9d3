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
        const std::string hint = LeechHint(failures);
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
    EXPECT_EQ(FormatDay(empty.FirstDay), "2026-09-21");
    EXPECT_EQ(empty.AnswersPerDay, std::vector<int>(static_cast<std::size_t>(today - empty.FirstDay + 1)));
    ASSERT_EQ(empty.Weeks.size(), static_cast<std::size_t>(ProgressWeeks));
    for (int i = 0; i < ProgressWeeks; ++i)
        EXPECT_EQ(empty.Weeks[static_cast<std::size_t>(i)].WeekStart, empty.FirstDay + 7 * i);
    EXPECT_EQ(empty.DuePerDay, std::vector<int>(ProgressDueDays));
    EXPECT_TRUE(empty.Empty() && empty.Failed.empty());
    EXPECT_EQ(
        ProgressSummary(empty), "No answers yet. Review Due Words in the Test menu starts your history.");

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
    EXPECT_EQ(full.AnswersPerDay[0], 3);
    EXPECT_EQ(full.AnswersPerDay[1], 1);
    EXPECT_EQ(full.AnswersPerDay.back(), 2);
    EXPECT_EQ(full.Answers(), 6);
    EXPECT_EQ(std::pair(full.Weeks.front().Answers, full.Weeks.front().Right), std::pair(3, 0));
    EXPECT_EQ(std::pair(full.Weeks.back().Answers, full.Weeks.back().Right), std::pair(2, 1));
    EXPECT_EQ(std::pair(full.ReviewAnswers(), full.ReviewRight()), std::pair(5, 1));
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
    EXPECT_EQ(ProgressSummary(full),
        "6 answers in the last twelve weeks, 20% of reviews right. Due today: 3 into the native "
        "language, 1 into the foreign language.");
}

} // namespace
