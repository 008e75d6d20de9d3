#include "review/ReviewQueue.h"

#include "core/FreedMemory.h"
#include "core/VocabFile.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <future>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace {

std::optional<TDay> Earliest(std::optional<TDay> a, std::optional<TDay> b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    return std::min(*a, *b);
}

// The entries of the index that are cards failed today: few, so each is looked up by its hash.
std::vector<bool> FailedEntries(const TCardIndex& cards, const std::vector<TCardKey>& failed)
{
    std::vector<bool> entries(cards.Keys().size(), false);
    const std::vector<TCardIndex::TGroup>& groups = cards.Groups();
    for (const TCardKey& key : failed) {
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const TCardIndex::TGroup& g) {
            return g.ForeignLanguage == key.ForeignLanguage && g.NativeLanguage == key.NativeLanguage
                && g.Direction == key.Direction;
        });
        if (group == groups.end())
            continue;
        const auto groupIndex = static_cast<std::uint32_t>(group - groups.begin());
        const std::int64_t hash = StoredHashOf(ViewOf(key));
        const auto& keys = cards.Keys();
        auto at = std::lower_bound(keys.begin(), keys.end(), std::pair(groupIndex, hash),
            [](const TCardIndex::TEntry& e, const std::pair<std::uint32_t, std::int64_t>& v) {
                return std::tie(e.Group, e.Hash) < std::tie(v.first, v.second);
            });
        for (; at != keys.end() && at->Group == groupIndex && at->Hash == hash; ++at)
            if (cards.KeyOf(at->Card) == key)
                entries[static_cast<std::size_t>(at - keys.begin())] = true;
    }
    return entries;
}

// Lists this long have their cards read ahead.
constexpr std::size_t ReadAheadFrom = 1 << 15;

// The due cards in order only when asked for: a count needs none.
void PlanDirection(TReviewPlan& plan, const TCardTexts& texts, THistory& history, std::uint8_t direction,
    const std::vector<TCardKey>& failed, TDay today, const TSchedulerParameters& p, bool ordered,
    std::vector<std::pair<double, TReviewPlan::TPlanned>>& due)
{
    // A long list's cards are read from the history on a second processor while its keys are made.
    std::future<std::optional<std::vector<TScannedCard>>> reading;
    if (texts.Count() >= ReadAheadFrom && history.ScanPays(texts.Count()))
        reading = std::async(std::launch::async,
            [&history, foreign = PrimaryLanguage(texts.ForeignLangID()),
                native = PrimaryLanguage(texts.NativeLangID()),
                direction] { return history.ScanCards(foreign, native, direction); });
    // Items of one card: the first one stands for it.
    const TCardIndex cards(texts, direction);
    plan.Items = cards.Size();
    const std::vector<std::optional<TMemory>> memories = [&] {
        const auto read = reading.valid() ? reading.get() : std::nullopt;
        return history.KeyMemories(cards, true, read ? &*read : nullptr);
    }();
    const std::vector<bool> again = FailedEntries(cards, failed);
    const TRetrievability recall(today, p);
    for (std::size_t k = 0; k < memories.size(); ++k) {
        const TReviewPlan::TPlanned card { static_cast<int>(cards.Keys()[k].Card), direction };
        const std::optional<TMemory>& memory = memories[k];
        if (memory) {
            ++plan.Cards;
            if (memory->Stability >= MatureStability)
                ++plan.Mature;
        }
        if (again[k]) {
            plan.Again.push_back(card);
            // Answered right today, it is next asked when its failure scheduled it.
            if (memory)
                plan.Later = Earliest(plan.Later, std::max(memory->Due, today + 1));
        } else if (!memory)
            plan.New.push_back(card);
        else if (memory->Due <= today && memory->LastReview < today)
            due.emplace_back(ordered ? recall(*memory) : 0.0, card);
        else
            plan.Later = Earliest(plan.Later, std::max(memory->Due, today + 1));
    }
}

TReviewPlan MakePlan(const TCardTexts& texts, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p, bool ordered, const TPlanCounted& counted = {})
{
    TReviewPlan plan;
    const std::vector<TCardKey> failed = history.FailedOn(today);
    std::vector<std::pair<double, TReviewPlan::TPlanned>> due;
    // Room for every card: what is never written costs no memory.
    ReserveLarge(due, texts.Count() * (direction == BothDirections ? 2 : 1));
    for (std::uint8_t d = 0; d < 2; ++d)
        if (direction == BothDirections || direction == d)
            PlanDirection(plan, texts, history, d, failed, today, p, ordered, due);
    // The cards come in the order of their hashes: list order (then direction) breaks ties.
    plan.Allowance = std::max(0, newPerDay - history.NewCardsOn(today));
    if (counted) {
        // Ordering a million due cards takes longer than finding them: the counts go first.
        TDueCounts counts = CountsOf(plan, today);
        counts.Due = static_cast<int>(due.size());
        counted(counts);
    }
    const auto listOrder = [](const TReviewPlan::TPlanned& a, const TReviewPlan::TPlanned& b) {
        return std::tie(a.Index, a.Direction) < std::tie(b.Index, b.Direction);
    };
    if (ordered) {
        std::sort(due.begin(), due.end(), [&](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : listOrder(a.second, b.second);
        });
        std::sort(plan.New.begin(), plan.New.end(), listOrder);
        std::sort(plan.Again.begin(), plan.Again.end(), listOrder);
    }
    ReserveLarge(plan.Due, due.size());
    for (const auto& entry : due)
        plan.Due.push_back(entry.second);
    return plan;
}

TSaying DayText(std::optional<TDay> day)
{
    return day ? TSaying(FormatDay(*day)) : TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "none"));
}

} // namespace

std::string_view RatingName(TRating rating)
{
    static constexpr std::array<std::string_view, 4> Names
        = { VM_TRANSLATE_NOOP("Velmoria::Model", "Again"), VM_TRANSLATE_NOOP("Velmoria::Model", "Hard"),
              VM_TRANSLATE_NOOP("Velmoria::Model", "Good"), VM_TRANSLATE_NOOP("Velmoria::Model", "Easy") };
    return Names.at(static_cast<std::size_t>(rating) - 1);
}

TSaying IntervalText(std::int64_t days)
{
    if (days < 31)
        return TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n d"), "%n d", days);
    if (days < 365)
        return { VM_TRANSLATE_NOOP("Velmoria::Model", "%1 mo"),
            { TSaying::Number(static_cast<double>(days) / 30.4, days < 304 ? 1 : 0) } };
    return { VM_TRANSLATE_NOOP("Velmoria::Model", "%1 y"),
        { TSaying::Number(static_cast<double>(days) / 365.25, 1) } };
}

TDueCounts& TDueCounts::operator+=(const TDueCounts& other)
{
    Due += other.Due;
    Again += other.Again;
    New += other.New;
    Next = Earliest(Next, other.Next);
    Cards += other.Cards;
    Mature += other.Mature;
    return *this;
}

TDueCounts CountDue(const TCardTexts& texts, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p)
{
    // A direction never answered has new cards alone (nothing failed, nothing remembered): how many
    // the allowance lets in needs only whether there are more distinct ones, not every card's key.
    if (direction < BothDirections
        && !history.HasCards(
            PrimaryLanguage(texts.ForeignLangID()), PrimaryLanguage(texts.NativeLangID()), direction)) {
        TDueCounts counts;
        const int allowance = std::max(0, newPerDay - history.NewCardsOn(today));
        std::set<std::pair<std::string, std::string>> distinct;
        for (std::size_t i = 0; i < texts.Count() && distinct.size() <= static_cast<std::size_t>(allowance);
             ++i) {
            TCardKey key = texts.KeyOf(i, direction);
            distinct.emplace(std::move(key.Word), std::move(key.Translations));
        }
        counts.New = std::min(allowance, static_cast<int>(distinct.size()));
        if (static_cast<int>(distinct.size()) > allowance)
            counts.Next = today + 1;
        return counts;
    }
    return CountsOf(MakePlan(texts, history, direction, today, newPerDay, p, false), today);
}

TReviewPlan PlanReview(const TCardTexts& texts, THistory& history, std::uint8_t direction, TDay today,
    int newPerDay, const TSchedulerParameters& p, const TPlanCounted& counted)
{
    TReviewPlan plan = MakePlan(texts, history, direction, today, newPerDay, p, true, counted);
    plan.Direction = direction >= BothDirections ? BothDirections : direction;
    return plan;
}

TDueCounts CountsOf(const TReviewPlan& plan, TDay today)
{
    TDueCounts counts;
    counts.Due = static_cast<int>(plan.Due.size());
    counts.Again = static_cast<int>(plan.Again.size());
    counts.New = std::min(plan.Allowance, static_cast<int>(plan.New.size()));
    counts.Next = plan.Later;
    if (static_cast<int>(plan.New.size()) > plan.Allowance)
        counts.Next = Earliest(counts.Next, today + 1);
    counts.Cards = plan.Cards;
    counts.Mature = plan.Mature;
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
    : TReviewQueue(document, history, PlanReview(document, history, direction, today, newPerDay, p), today, p,
        hintCountsAsWrong)
{
}

TReviewQueue::TReviewQueue(const TVocabFile& document, THistory& history, const TReviewPlan& plan, TDay today,
    const TSchedulerParameters& p, bool hintCountsAsWrong)
    : Document_(document)
    , History_(history)
    , Direction_(plan.Direction)
    , Today_(today)
    // The learner's own parameters (the list's pair's) when the history has them: the intervals shown
    // are those recorded.
    , Parameters_(history.WithLearnerParameters(p,
          TLanguagePair {
              PrimaryLanguage(document.ForeignLangID()), PrimaryLanguage(document.NativeLangID()) }))
    , HintCountsAsWrong_(hintCountsAsWrong)
{
    // A plan of another list (or of this one before it changed) would ask the wrong items.
    if (plan.Items != static_cast<std::size_t>(document.Count()))
        throw std::logic_error("TReviewQueue: the plan is of another list");
    Items_ = plan.Items;
    const auto cardOf = [](const TReviewPlan::TPlanned& planned) {
        return TCard { planned.Index, planned.Direction };
    };
    std::transform(plan.Due.begin(), plan.Due.end(), std::back_inserter(Due_), cardOf);
    std::transform(plan.Again.begin(), plan.Again.end(), std::back_inserter(Again_), cardOf);
    const auto allowed = std::min<std::size_t>(static_cast<std::size_t>(plan.Allowance), plan.New.size());
    std::transform(plan.New.begin(), plan.New.begin() + static_cast<std::ptrdiff_t>(allowed),
        std::back_inserter(New_), cardOf);
    NewLeftOver_ = plan.New.size() > allowed;
    LaterDue_ = plan.Later;
    Failed_.assign(Items_ * 2, false);
    for (const TCard& card : Again_)
        Failed_[Slot(card)] = true;
    Asked_.Direction = Direction_ == BothDirections ? 0 : Direction_;
    StartedEmpty_ = Due_.empty() && New_.empty() && Again_.empty();
}

int TReviewQueue::NextIndex()
{
    if (Asked_.Index >= 0)
        return Asked_.Index;
    const std::pair<std::deque<TCard>*, TKind> queues[]
        = { { &Due_, TKind::Due }, { &New_, TKind::New }, { &Again_, TKind::Again } };
    for (const auto& [queue, kind] : queues) {
        if (!queue->empty()) {
            Asked_ = queue->front();
            AskedKind_ = kind;
            queue->pop_front();
            return Asked_.Index;
        }
    }
    // The session is over: its last verdict is no longer shown.
    Last_.reset();
    return -1;
}

void TReviewQueue::Answered(int index, bool correct, bool hintUsed, std::int64_t unixMs,
    std::int32_t durationMs, std::optional<TRating> rating)
{
    if (index < 0 || index != Asked_.Index || index >= Document_.Count())
        throw std::logic_error("TReviewQueue::Answered: not the item asked");
    THistoryAnswer answer;
    answer.Key = CardKeyOf(Document_, Document_.Items(index), Asked_.Direction);
    answer.Correct = correct;
    answer.HintUsed = hintUsed;
    answer.HintCountsAsWrong = HintCountsAsWrong_;
    answer.UnixMs = unixMs;
    answer.DurationMs = durationMs;
    answer.Practice = Failed_[Slot(Asked_)];
    answer.Rating = rating;
    // Nothing moves on unless the answer is in the history.
    Last_ = History_.RecordAnswer(answer, Parameters_);
    LastCard_ = Asked_;
    Asked_.Index = -1;
    ++Reviewed_;
    LastCountedRight_ = correct;
    if (correct)
        ++Right_;
    if (Last_->Rating == TRating::Again) {
        Failed_[Slot(LastCard_)] = true;
        Again_.push_back(LastCard_);
    }
    AnsweredDue_.push_back(std::max(Last_->After.Due, Today_ + 1));
}

bool TReviewQueue::ReturnAsked()
{
    if (Asked_.Index < 0)
        return false;
    (AskedKind_ == TKind::Due ? Due_ : AskedKind_ == TKind::New ? New_ : Again_).push_front(Asked_);
    Asked_.Index = -1;
    return true;
}

std::optional<TRating> TReviewQueue::LastRating() const
{
    return Last_ && Asked_.Index < 0 ? std::optional(Last_->Rating) : std::nullopt;
}

bool TReviewQueue::ChangeRating(TRating rating)
{
    if (!Last_ || Asked_.Index >= 0)
        return false;
    if (rating == Last_->Rating)
        return true;
    const TMemory after = History_.ChangeRating(*Last_, rating, Parameters_);
    const bool wasAgain = Last_->Rating == TRating::Again;
    Last_->Rating = rating;
    Last_->After = after;
    AnsweredDue_.back() = std::max(after.Due, Today_ + 1);
    const bool right = rating != TRating::Again;
    Right_ += static_cast<int>(right) - static_cast<int>(LastCountedRight_);
    LastCountedRight_ = right;
    if (wasAgain && right) {
        // Still failed when an earlier session failed it and this was a repeat: answered right now.
        const auto at = std::find_if(Again_.rbegin(), Again_.rend(), [this](const TCard& card) {
            return card.Index == LastCard_.Index && card.Direction == LastCard_.Direction;
        });
        if (at != Again_.rend())
            Again_.erase(std::next(at).base());
    } else if (!wasAgain && !right) {
        Failed_[Slot(LastCard_)] = true;
        Again_.push_back(LastCard_);
    }
    return true;
}

std::optional<std::array<std::int64_t, 4>> TReviewQueue::LastIntervals() const
{
    if (!Last_ || Last_->Practice || Asked_.Index >= 0)
        return std::nullopt;
    std::array<std::int64_t, 4> days {};
    for (int r = 1; r <= 4; ++r)
        days[static_cast<std::size_t>(r - 1)]
            = ScheduleAnswer(Last_->Before, static_cast<TRating>(r), Last_->Day, Parameters_).Due
            - Last_->Day;
    return days;
}

TDueCounts TReviewQueue::Left() const
{
    TDueCounts left;
    left.Due = static_cast<int>(Due_.size());
    left.New = static_cast<int>(New_.size());
    left.Again = static_cast<int>(Again_.size());
    if (Asked_.Index >= 0)
        ++(AskedKind_ == TKind::Due ? left.Due : AskedKind_ == TKind::New ? left.New : left.Again);
    left.Next = NextReview();
    return left;
}

std::optional<TDay> TReviewQueue::NextReview() const
{
    if (Asked_.Index >= 0 || !Due_.empty() || !New_.empty() || !Again_.empty())
        return Today_;
    std::optional<TDay> next = LaterDue_;
    for (const TDay day : AnsweredDue_)
        next = Earliest(next, day);
    if (NewLeftOver_)
        next = Earliest(next, Today_ + 1);
    return next;
}

TSaying TReviewQueue::ClosingMessage() const
{
    const bool both = Direction_ == BothDirections;
    if (StartedEmpty_)
        return { both ? VM_TRANSLATE_NOOP("Velmoria::Model", "Nothing is due today. Next review: %1.")
                      : VM_TRANSLATE_NOOP(
                          "Velmoria::Model", "Nothing is due today in this direction. Next review: %1."),
            { DayText(NextReview()) } };
    return { both ? VM_TRANSLATE_NOOP(
                 "Velmoria::Model", "Nothing more is due today. %1 reviewed, %2 right. Next review: %3.")
                  : VM_TRANSLATE_NOOP("Velmoria::Model",
                      "Nothing more is due today in this direction. %1 reviewed, %2 right. Next review: %3."),
        { TSaying::Number(Reviewed_), TSaying::Number(Right_), DayText(NextReview()) } };
}

TSaying TReviewQueue::StoppedMessage() const
{
    return { VM_TRANSLATE_NOOP("Velmoria::Model", "Stopped. %1 reviewed, %2 right. %3 still due today."),
        { TSaying::Number(Reviewed_), TSaying::Number(Right_),
            TSaying::Number(static_cast<double>(Remaining())) } };
}
