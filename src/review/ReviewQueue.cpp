#include "review/ReviewQueue.h"

#include "core/VocabFile.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <stdexcept>
#include <utility>

namespace {

// What the history says of a list in one direction today.
struct TPlan {
    std::size_t Items = 0;
    std::vector<int> Due; // lowest predicted recall first
    std::vector<int> New; // in list order, every new card
    int Allowance = 0; // new cards today may still bring
    std::optional<TDay> Later; // earliest due date after today
};

std::optional<TDay> Earliest(std::optional<TDay> a, std::optional<TDay> b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    return std::min(*a, *b);
}

// The due cards in order only when asked for: a count needs none.
TPlan MakePlan(const TVocabFile& document, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p, bool ordered)
{
    TPlan plan;
    // Items of one card: the first one stands for it.
    const TCardIndex cards(document, direction);
    plan.Items = cards.Size();
    const std::vector<std::optional<TMemory>> memories = history.KeyMemories(cards, !ordered);
    std::vector<std::pair<double, int>> due;
    for (std::size_t k = 0; k < memories.size(); ++k) {
        const int index = static_cast<int>(cards.Keys()[k].Card);
        const std::optional<TMemory>& memory = memories[k];
        if (!memory)
            plan.New.push_back(index);
        else if (memory->Due <= today && memory->LastReview < today)
            due.emplace_back(ordered ? Retrievability(*memory, today, p) : 0.0, index);
        else
            plan.Later = Earliest(plan.Later, std::max(memory->Due, today + 1));
    }
    // The cards come in the order of their hashes: list order breaks ties.
    if (ordered) {
        std::sort(due.begin(), due.end());
        std::sort(plan.New.begin(), plan.New.end());
    }
    plan.Due.reserve(due.size());
    for (const auto& entry : due)
        plan.Due.push_back(entry.second);
    plan.Allowance = std::max(0, newPerDay - history.NewCardsOn(today));
    return plan;
}

std::string DayText(std::optional<TDay> day)
{
    return day ? FormatDay(*day) : "none";
}

} // namespace

TDueCounts CountDue(const TVocabFile& document, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p)
{
    const TPlan plan = MakePlan(document, history, direction, today, newPerDay, p, false);
    TDueCounts counts;
    counts.Due = static_cast<int>(plan.Due.size());
    counts.New = std::min(plan.Allowance, static_cast<int>(plan.New.size()));
    counts.Next = plan.Later;
    if (static_cast<int>(plan.New.size()) > plan.Allowance)
        counts.Next = Earliest(counts.Next, today + 1);
    return counts;
}

std::int64_t OnDay(std::int64_t unixMs, TDay day)
{
    const std::time_t seconds = static_cast<std::time_t>(unixMs >= 0 ? unixMs / 1000 : (unixMs - 999) / 1000);
    std::tm local {};
    ::localtime_r(&seconds, &local);
    // The day's calendar date: a day number is a date, whatever the zone.
    const std::time_t noon = static_cast<std::time_t>(day * 86400 + 43200);
    std::tm date {};
    ::gmtime_r(&noon, &date);
    local.tm_year = date.tm_year;
    local.tm_mon = date.tm_mon;
    local.tm_mday = date.tm_mday;
    local.tm_isdst = -1;
    const std::time_t moved = std::mktime(&local);
    return std::int64_t { moved } * 1000 + (unixMs - std::int64_t { seconds } * 1000);
}

TReviewQueue::TReviewQueue(const TVocabFile& document, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p, bool hintCountsAsWrong)
    : Document_(document)
    , History_(history)
    , Direction_(direction == 0 ? 0 : 1)
    , Today_(today)
    , Parameters_(p)
    , HintCountsAsWrong_(hintCountsAsWrong)
{
    TPlan plan = MakePlan(document, history, Direction_, today, newPerDay, p, true);
    Items_ = plan.Items;
    Due_.assign(plan.Due.begin(), plan.Due.end());
    const auto allowed = std::min<std::size_t>(static_cast<std::size_t>(plan.Allowance), plan.New.size());
    New_.assign(plan.New.begin(), plan.New.begin() + static_cast<std::ptrdiff_t>(allowed));
    NewLeftOver_ = plan.New.size() > allowed;
    LaterDue_ = plan.Later;
    FailedThisSession_.assign(Items_, false);
    StartedEmpty_ = Due_.empty() && New_.empty();
}

int TReviewQueue::NextIndex()
{
    if (Current_ >= 0)
        return Current_;
    for (std::deque<int>* queue : { &Due_, &New_, &Failed_ }) {
        if (!queue->empty()) {
            Current_ = queue->front();
            queue->pop_front();
            return Current_;
        }
    }
    return -1;
}

void TReviewQueue::Answered(
    int index, bool correct, bool hintUsed, std::int64_t unixMs, std::int32_t durationMs)
{
    if (index < 0 || index != Current_ || index >= Document_.Count())
        throw std::logic_error("TReviewQueue::Answered: not the item asked");
    const auto at = static_cast<std::size_t>(index);
    THistoryAnswer answer;
    answer.Key = CardKeyOf(Document_, Document_.Items(index), Direction_);
    answer.Correct = correct;
    answer.HintUsed = hintUsed;
    answer.HintCountsAsWrong = HintCountsAsWrong_;
    answer.UnixMs = unixMs;
    answer.DurationMs = durationMs;
    answer.Practice = FailedThisSession_[at];
    // Nothing moves on unless the answer is in the history.
    const TMemory after = History_.RecordAnswer(answer, Parameters_);
    Current_ = -1;
    ++Reviewed_;
    if (correct)
        ++Right_;
    if (RatingOf(correct, hintUsed, HintCountsAsWrong_) == TRating::Again) {
        FailedThisSession_[at] = true;
        Failed_.push_back(index);
    }
    NextAnswered_ = Earliest(NextAnswered_, std::max(after.Due, Today_ + 1));
}

int TReviewQueue::Remaining() const
{
    return static_cast<int>(Due_.size() + New_.size()) + (Current_ >= 0 ? 1 : 0);
}

std::optional<TDay> TReviewQueue::NextReview() const
{
    if (Current_ >= 0 || !Due_.empty() || !New_.empty() || !Failed_.empty())
        return Today_;
    std::optional<TDay> next = Earliest(LaterDue_, NextAnswered_);
    if (NewLeftOver_)
        next = Earliest(next, Today_ + 1);
    return next;
}

std::string TReviewQueue::ClosingMessage() const
{
    if (StartedEmpty_)
        return "Nothing is due today. Next review: " + DayText(NextReview()) + ".";
    return "Nothing more is due today. " + std::to_string(Reviewed_) + " reviewed, " + std::to_string(Right_)
        + " right. Next review: " + DayText(NextReview()) + ".";
}
