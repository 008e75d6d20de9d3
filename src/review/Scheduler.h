#pragma once
// When a card is asked again: FSRS-6 over whole local calendar days (no fuzz, no same-day steps).

#include "core/ReviewSettings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TRating : std::uint8_t { Again = 1, Hard = 2, Good = 3, Easy = 4 };
enum class TCardState : std::uint8_t { New = 0, Learning = 1, Review = 2, Relearning = 3 };
using TDay = std::int64_t; // a local calendar day: days since 1970-01-01 in the user's time zone

struct TMemory {
    TCardState State = TCardState::New;
    double Stability = 0, Difficulty = 0;
    TDay LastReview = 0, Due = 0;
    std::int32_t Reps = 0, Lapses = 0;
};

struct TSchedulerParameters {
    std::array<double, 21> W = { 0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666,
        0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542 };
    double DesiredRetention = TReviewSettings {}.DesiredRetention(); // held within its range
    std::int32_t MaximumInterval = 36500;
};

// The memory after an answer rated on day today (whole days, no fuzz, no same-day steps).
TMemory ScheduleAnswer(const TMemory& before, TRating rating, TDay today, const TSchedulerParameters& p);
// The predicted chance of recall on day today; 0 for a new card.
double Retrievability(const TMemory& memory, TDay today, const TSchedulerParameters& p);
// The same for many memories: the curve of the parameters is made once, not per card.
class TRetrievability {
public:
    TRetrievability(TDay today, const TSchedulerParameters& p);
    double operator()(const TMemory& memory) const;

private:
    TDay Today_;
    double Decay_, Factor_;
};
TDay LocalDay(std::int64_t unixSeconds); // in the local time zone (TZ respected)
TDay Today(); // LocalDay of the clock
std::string FormatDay(TDay day); // YYYY-MM-DD
std::optional<TDay> ParseDay(std::string_view text); // YYYY-MM-DD, nullopt if not a real date
// The rating of a verdict: right Good, right after a hint Hard (Again when hints count as wrong), wrong
// Again.
TRating RatingOf(bool correct, bool hintUsed, bool hintCountsAsWrong);
