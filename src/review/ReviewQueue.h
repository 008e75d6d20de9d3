#pragma once
// What a review session asks, in order: the cards due today (lowest predicted recall first), then
// new cards up to the day's allowance, then the cards failed in this session until each is
// answered right. Items of the list with the same card are asked once. A queue serves one list
// in one direction: after a change of either, make a new one.

#include "review/History.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class TVocabFile;

struct TDueCounts {
    int Due = 0; // cards due today or overdue
    int New = 0; // new cards today's allowance lets in
    // The first day after today on which a card is due (today's work done), tomorrow when new
    // cards wait beyond today's allowance; nullopt for a list without cards.
    std::optional<TDay> Next;
};
TDueCounts CountDue(const TVocabFile& document, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p);

// The time unixMs moved onto day, keeping its local time of day (for a pinned calendar date).
std::int64_t OnDay(std::int64_t unixMs, TDay day);

class TReviewQueue {
public:
    TReviewQueue(const TVocabFile& document, THistory& history, std::uint8_t direction, TDay today,
        int newPerDay, const TSchedulerParameters& p, bool hintCountsAsWrong = false);

    // The item index to ask next, -1 when nothing more is due today. The same until answered.
    int NextIndex();
    // Records the answer (committed before it returns) and moves on; a wrong answer puts the
    // card back at the end, to be asked until it is answered right.
    void Answered(int index, bool correct, bool hintUsed, std::int64_t unixMs, std::int32_t durationMs);
    // Whether a right answer after a hint is rated Again (and so asked again) from now on.
    void SetHintCountsAsWrong(bool on) { HintCountsAsWrong_ = on; }
    int Reviewed() const { return Reviewed_; } // answers in this session
    int Right() const { return Right_; }
    // Due and new cards left (the failed ones waiting not counted).
    int Remaining() const;
    bool StartedEmpty() const { return StartedEmpty_; }
    // "Nothing more is due today. N reviewed, M right. Next review: DATE.", or when nothing was due
    // at the start "Nothing is due today. Next review: DATE." ("none" without a card).
    std::string ClosingMessage() const;
    // The first day after today with a review, as CountDue says after this session.
    std::optional<TDay> NextReview() const;

private:
    const TVocabFile& Document_;
    THistory& History_;
    std::uint8_t Direction_;
    TDay Today_;
    TSchedulerParameters Parameters_;
    bool HintCountsAsWrong_;
    std::size_t Items_ = 0; // in the list when the queue was made
    std::deque<int> Due_, New_, Failed_;
    int Current_ = -1; // asked, not yet answered
    std::vector<bool> FailedThisSession_; // per item
    std::optional<TDay> LaterDue_; // earliest due date after today among cards not asked
    bool NewLeftOver_ = false; // new cards beyond today's allowance
    std::optional<TDay> NextAnswered_; // earliest due date of the cards answered
    int Reviewed_ = 0, Right_ = 0;
    bool StartedEmpty_ = false;
};
