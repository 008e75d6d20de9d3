#pragma once
// What a review session asks, in order: the cards due today (lowest predicted recall first), then
// new cards up to the day's allowance, then the cards failed today until each is answered right,
// those of earlier sessions too. Items of the list with the same card are asked once. A queue
// serves one list in one direction or in both: after a change of the list, make a new one.

#include "evaluation/Translatable.h"
#include "review/History.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TVocabFile;

// The direction of a review that asks every card of a list, into either language, mixed.
inline constexpr std::uint8_t BothDirections = 2;

struct TDueCounts {
    int Due = 0; // cards due today or overdue, those failed today left out
    int Again = 0; // cards failed today and not answered right since
    int New = 0; // new cards today's allowance lets in
    // The first day after today on which a card is due (today's work done), tomorrow when new
    // cards wait beyond today's allowance; nullopt for a list without cards.
    std::optional<TDay> Next;
    int Cards = 0; // cards of the list with a memory
    int Mature = 0; // of them, those held for MatureStability days or more

    int DueToday() const { return Due + Again; } // what "N due" says
    int Left() const { return Due + Again + New; }
    TDueCounts& operator+=(const TDueCounts& other);
    bool operator==(const TDueCounts&) const = default;
};
// A card remembered this long has been learnt: what the share learnt of a reviewed list counts.
inline constexpr double MatureStability = 21;

// What the history says of a list in one or both directions today, in the order a review asks it.
struct TReviewPlan {
    struct TPlanned {
        int Index;
        std::uint8_t Direction;
    };
    std::uint8_t Direction = 0; // 0, 1 or BothDirections
    std::size_t Items = 0; // in the list planned
    std::vector<TPlanned> Due; // lowest predicted recall first
    std::vector<TPlanned> New; // in list order, every new card
    std::vector<TPlanned> Again; // failed today, in list order
    int Allowance = 0; // new cards today may still bring
    std::optional<TDay> Later; // earliest due date after today
    int Cards = 0, Mature = 0;
};
// Made ahead (by a worker, on a copy of the list), it lets a review start at once. counted, when
// given, has the plan's counts as soon as they are known, before its order is made.
using TPlanCounted = std::function<void(const TDueCounts&)>;
TReviewPlan PlanReview(const TCardTexts& texts, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p, const TPlanCounted& counted = {});
TDueCounts CountsOf(const TReviewPlan& plan, TDay today);

// One direction, or both added up with the new-card allowance, which the directions share, once.
TDueCounts CountDue(const TCardTexts& texts, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p);

// "Again", "Hard", "Good", "Easy".
std::string_view RatingName(TRating rating);
// An interval as a rating button shows it: "3 d" up to a month, "2.5 mo" up to a year, then "1.4 y".
TSaying IntervalText(std::int64_t days);

// The time unixMs moved onto day, keeping its local time of day (for a pinned calendar date).
std::int64_t OnDay(std::int64_t unixMs, TDay day);

class TReviewQueue {
public:
    TReviewQueue(const TVocabFile& document, THistory& history, std::uint8_t direction, TDay today,
        int newPerDay, const TSchedulerParameters& p, bool hintCountsAsWrong = false);
    // On a plan made of this list as it is now, in its order.
    TReviewQueue(const TVocabFile& document, THistory& history, const TReviewPlan& plan, TDay today,
        const TSchedulerParameters& p, bool hintCountsAsWrong = false);

    // The item index to ask next, -1 when nothing more is due today. The same until answered.
    int NextIndex();
    // The direction of the card asked (or last asked): a review of both directions changes it.
    std::uint8_t Direction() const { return Asked_.Direction; }
    std::uint8_t Directions() const { return Direction_; } // 0, 1 or BothDirections
    // Records the answer (committed before it returns) and moves on; a wrong answer puts the
    // card back at the end, to be asked until it is answered right. rating: the one given
    // instead of the verdict's own.
    void Answered(int index, bool correct, bool hintUsed, std::int64_t unixMs, std::int32_t durationMs,
        std::optional<TRating> rating = std::nullopt);
    // The rating of the answer just given, while it is the last thing done (before NextIndex);
    // nullopt otherwise.
    std::optional<TRating> LastRating() const;
    // The learner's own rating of the answer just given: the history keeps it, and the card comes
    // back today exactly when it is Again. False when there is no such answer any more.
    bool ChangeRating(TRating rating);
    // Puts the card drawn but not yet answered back where it was drawn from, so that the answer
    // before it may be re-rated (a terminal shows the next question at once); NextIndex draws
    // again. False when no card is drawn.
    bool ReturnAsked();
    // For each rating (Again..Easy), the days until the card just answered would be asked again;
    // nullopt when that answer did not schedule it (a repeat the same day).
    std::optional<std::array<std::int64_t, 4>> LastIntervals() const;
    // Whether a right answer after a hint is rated Again (and so asked again) from now on.
    void SetHintCountsAsWrong(bool on) { HintCountsAsWrong_ = on; }
    int Reviewed() const { return Reviewed_; } // answers in this session
    int Right() const { return Right_; }
    // What is left today, the question on screen included until it is answered.
    TDueCounts Left() const;
    int Remaining() const { return Left().Left(); }
    bool StartedEmpty() const { return StartedEmpty_; }
    // "Nothing more is due today in this direction. N reviewed, M right. Next review: DATE.", or when
    // nothing was due at the start "Nothing is due today in this direction. Next review: DATE."
    // ("none" without a card); "in this direction" left out for both directions.
    TSaying ClosingMessage() const;
    // "Stopped. N reviewed, M right. K still due today."
    TSaying StoppedMessage() const;
    // The first day after today with a review, as CountDue says after this session.
    std::optional<TDay> NextReview() const;

private:
    struct TCard {
        int Index = -1;
        std::uint8_t Direction = 0;
    };
    enum class TKind : std::uint8_t { Due, New, Again };
    std::size_t Slot(const TCard& card) const
    {
        return static_cast<std::size_t>(card.Index) * 2 + card.Direction;
    }

    const TVocabFile& Document_;
    THistory& History_;
    std::uint8_t Direction_;
    TDay Today_;
    TSchedulerParameters Parameters_;
    bool HintCountsAsWrong_;
    std::size_t Items_ = 0; // in the list when the queue was made
    std::deque<TCard> Due_, New_, Again_;
    TCard Asked_; // Index -1 once answered
    TKind AskedKind_ = TKind::Due;
    std::vector<bool> Failed_; // per item and direction: failed today, a repeat does not schedule
    std::optional<TDay> LaterDue_; // earliest due date after today among cards not asked
    bool NewLeftOver_ = false; // new cards beyond today's allowance
    std::vector<TDay> AnsweredDue_; // due date of each card answered, its last rating's
    int Reviewed_ = 0, Right_ = 0;
    bool StartedEmpty_ = false;
    // The answer just given, while its rating may change.
    std::optional<TRecordedAnswer> Last_;
    TCard LastCard_;
    bool LastCountedRight_ = false;
};
