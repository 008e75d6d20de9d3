#pragma once
// What the progress window shows of the history, read in one go: answers per day over the last
// twelve weeks, the cards due on each of the next 30 days, the share of review answers right per
// week and the words failed most often.

#include "review/History.h"

#include <array>
#include <string>
#include <vector>

inline constexpr int ProgressWeeks = 12;
inline constexpr int ProgressDueDays = 30;
inline constexpr int ProgressFailedWords = 10;

// The Monday of the week that holds day (weeks run Monday to Sunday).
TDay WeekStart(TDay day);

struct TReviewProgress {
    TDay Today = 0;
    // The Monday eleven weeks before this week's: the calendar shows whole weeks up to today.
    TDay FirstDay = 0;
    std::vector<int> AnswersPerDay; // FirstDay..Today
    // Today..Today + ProgressDueDays - 1; overdue cards and those failed today count on today.
    std::vector<int> DuePerDay;
    std::array<int, 2> DueInto {}; // due today into the native and into the foreign language
    std::vector<THistory::TWeekShare> Weeks; // ProgressWeeks weeks from FirstDay, empty weeks included
    std::vector<THistory::TFailedWord> Failed; // at most ProgressFailedWords, most failures first

    int Answers() const; // in AnswersPerDay
    int ReviewAnswers() const; // scheduling answers in Weeks
    int ReviewRight() const;
    bool Empty() const { return Answers() == 0 && ReviewAnswers() == 0 && DueToday() == 0 && Failed.empty(); }
    int DueToday() const { return DuePerDay.empty() ? 0 : DuePerDay.front(); }
};

// The grid's hint for an item whose card failed LeechFailures times or more into the native
// (failures[0]) or the foreign language (failures[1]); empty for any other item.
std::string LeechHint(const std::array<int, 2>& failures);

TReviewProgress ReadReviewProgress(THistory& history, TDay today);
// One line over the pictures: "N answers in the last twelve weeks, P% of reviews right. Due today:
// A into the native language, B into the foreign language."
std::string ProgressSummary(const TReviewProgress& progress);
