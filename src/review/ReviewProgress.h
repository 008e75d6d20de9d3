#pragma once
// What the progress window shows of the history, read in one go: answers per day over the last
// twelve weeks, the cards due on each of the next 30 days, the share of review answers right per
// week, the words failed most often, how well the schedule predicts recall and the true retention
// per month.

#include "review/History.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int ProgressWeeks = 12;
inline constexpr int ProgressDueDays = 30;
inline constexpr int ProgressFailedWords = 10;
inline constexpr std::size_t ProgressMonths = 12;

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
    // How the parameters that schedule predict the learner's answers, and the true retention of the
    // last ProgressMonths months beside the desired one.
    std::array<TCalibrationBin, 10> Calibration {};
    std::vector<TMonthRetention> Months;
    double DesiredRetention = 0.9;

    int Answers() const; // in AnswersPerDay
    int ReviewAnswers() const; // scheduling answers in Weeks
    int ReviewRight() const;
    bool Empty() const { return Answers() == 0 && ReviewAnswers() == 0 && DueToday() == 0 && Failed.empty(); }
    int DueToday() const { return DuePerDay.empty() ? 0 : DuePerDay.front(); }
};

// The grid's hint for an item whose card failed LeechFailures times or more into the native
// (failures[0]) or the foreign language (failures[1]); empty for any other item.
TSaying LeechHint(const std::array<int, 2>& failures);

TReviewProgress ReadReviewProgress(THistory& history, TDay today, double desiredRetention = 0.9);
// What the window shows while the history is read: the days and weeks in place, every count 0.
TReviewProgress EmptyReviewProgress(TDay today);
// One line over the pictures: "N answers in the last twelve weeks, P% of reviews right. Due today:
// A into the native language, B into the foreign language."
TSaying ProgressSummary(const TReviewProgress& progress);

// A count axis from 0 to Top in Steps equal steps. The step is a round number (1, 2 or 5 times a
// power of ten), the smallest that reaches the highest count in at most maxSteps steps, so that
// the grid stays readable for ten answers or ten million.
struct TCountAxis {
    std::int64_t Top = 0;
    std::int64_t Step = 1;
    int Steps() const { return static_cast<int>(Top / Step); }
};
TCountAxis CountAxisFor(std::int64_t highest, int maxSteps = 5);
// The label of each step from 0 to Top, in one unit for the whole axis so that they compare at a
// glance: plain below 10,000 at the top, then thousands, millions or billions ("0", "250k", "1.5M").
std::vector<std::string> CountAxisLabels(const TCountAxis& axis);
