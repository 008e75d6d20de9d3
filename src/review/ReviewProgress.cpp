#include "review/ReviewProgress.h"

#include <algorithm>
#include <cmath>
#include <numeric>

TDay WeekStart(TDay day)
{
    // 1970-01-01 was a Thursday: day 4 is the first Monday. The modulo stays positive before 1970.
    return day - (((day + 3) % 7) + 7) % 7;
}

int TReviewProgress::Answers() const
{
    return std::accumulate(AnswersPerDay.begin(), AnswersPerDay.end(), 0);
}

int TReviewProgress::ReviewAnswers() const
{
    return std::accumulate(Weeks.begin(), Weeks.end(), 0,
        [](int sum, const THistory::TWeekShare& week) { return sum + week.Answers; });
}

int TReviewProgress::ReviewRight() const
{
    return std::accumulate(Weeks.begin(), Weeks.end(), 0,
        [](int sum, const THistory::TWeekShare& week) { return sum + week.Right; });
}

TReviewProgress ReadReviewProgress(THistory& history, TDay today)
{
    TReviewProgress progress;
    progress.Today = today;
    progress.FirstDay = WeekStart(today) - 7 * (ProgressWeeks - 1);
    progress.AnswersPerDay = history.AnswersPerDay(progress.FirstDay, today);
    progress.DuePerDay = history.DuePerDay(today, today + ProgressDueDays - 1);
    progress.DueInto = history.DueByDirection(today);
    // A card failed today is asked again today, not on the day its failure scheduled.
    for (const auto& [direction, due] : history.FailedDueOn(today)) {
        if (due > today && due - today < ProgressDueDays) {
            --progress.DuePerDay[static_cast<std::size_t>(due - today)];
            ++progress.DuePerDay.front();
        }
        ++progress.DueInto[direction == 1 ? 1 : 0];
    }
    // Every week in its place, whether the history had answers in it or not.
    const std::vector<THistory::TWeekShare> weeks = history.ReviewShareByWeek(progress.FirstDay, today);
    for (int i = 0; i < ProgressWeeks; ++i) {
        const TDay start = progress.FirstDay + 7 * i;
        const auto found = std::find_if(weeks.begin(), weeks.end(),
            [start](const THistory::TWeekShare& week) { return week.WeekStart == start; });
        progress.Weeks.push_back(found != weeks.end() ? *found : THistory::TWeekShare { start, 0, 0 });
    }
    progress.Failed = history.MostFailed(ProgressFailedWords);
    return progress;
}

std::string ProgressSummary(const TReviewProgress& progress)
{
    if (progress.Empty())
        return "No answers yet. Review Due Words in the Test menu starts your history.";
    const int answers = progress.Answers();
    std::string text
        = std::to_string(answers) + (answers == 1 ? " answer" : " answers") + " in the last twelve weeks";
    if (const int reviews = progress.ReviewAnswers(); reviews > 0) {
        const int percent = static_cast<int>(std::lround(100.0 * progress.ReviewRight() / reviews));
        text += ", " + std::to_string(percent) + "% of reviews right";
    }
    return text + ". Due today: " + std::to_string(progress.DueInto[0]) + " into the native language, "
        + std::to_string(progress.DueInto[1]) + " into the foreign language.";
}

std::string LeechHint(const std::array<int, 2>& failures)
{
    std::string ways;
    for (std::size_t d = 0; d < 2; ++d) {
        if (failures[d] < LeechFailures)
            continue;
        ways += (ways.empty() ? "" : " and ") + std::to_string(failures[d]) + " times into the "
            + (d == 0 ? "native" : "foreign") + " language";
    }
    if (ways.empty())
        return {};
    return "A leech: failed " + ways
        + ". A note or a mnemonic in the item's notes may help it stick (Edit > Edit Item).";
}
