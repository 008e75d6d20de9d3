#pragma once
// What the learner sets for reviews over days, with its ranges and defaults: one type for the
// options, the command line and the scheduler. Stored as the separate values "ReviewRetention"
// (hundredths), "ReviewNewPerDay" and "ReviewShareFolder", never in a record.

#include <algorithm>
#include <cstdint>
#include <string>

inline constexpr std::int32_t MinRetentionPercent = 70;
inline constexpr std::int32_t MaxRetentionPercent = 97;
inline constexpr std::int32_t MaxNewPerDay = 9999;

struct TReviewSettings {
    std::int32_t RetentionPercent = 90; // the desired chance of recall when a card is due
    std::int32_t NewPerDay = 20; // cards asked for the first time per calendar day, across sessions
    // The folder the history is shared through (review/HistoryJournal.h); empty: not shared.
    std::string ShareFolder;

    double DesiredRetention() const { return RetentionPercent / 100.0; }
    // Values a damaged store or a caller could hold, brought into range.
    TReviewSettings Clamped() const
    {
        return { std::clamp(RetentionPercent, MinRetentionPercent, MaxRetentionPercent),
            std::clamp(NewPerDay, 0, MaxNewPerDay), ShareFolder };
    }
    // The desired retention as a fraction, held at the ends of its range.
    static double ClampRetention(double retention)
    {
        return std::clamp(retention, MinRetentionPercent / 100.0, MaxRetentionPercent / 100.0);
    }
    static bool RetentionInRange(double retention)
    {
        return retention >= MinRetentionPercent / 100.0 && retention <= MaxRetentionPercent / 100.0;
    }
};
