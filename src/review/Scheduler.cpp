#include "review/Scheduler.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>

namespace {

constexpr double MinimumStability = 0.001;
constexpr double MaximumStability = 36500;

// Rounds like JavaScript's Math.round (halves upward), so results agree with the reference to the
// last decimal kept; x - floor(x) is exact, so no halfway case is lost to rounding.
double JsRound(double x)
{
    const double floor = std::floor(x);
    return x - floor >= 0.5 ? floor + 1 : floor;
}

// The reference keeps eight decimals after most steps; doing the same keeps long runs in step.
double Round8(double x)
{
    return JsRound(x * 1e8) / 1e8;
}

// Weights outside the ranges the optimizer may produce are clipped first, as the reference does.
std::array<double, 21> ClippedWeights(const std::array<double, 21>& w)
{
    static constexpr std::array<std::pair<double, double>, 21> Ranges = { { { 0.001, 100 }, { 0.001, 100 },
        { 0.001, 100 }, { 0.001, 100 }, { 1, 10 }, { 0.001, 4 }, { 0.001, 4 }, { 0.001, 0.75 }, { 0, 4.5 },
        { 0, 0.8 }, { 0.001, 3.5 }, { 0.001, 5 }, { 0.001, 0.25 }, { 0.001, 0.9 }, { 0, 4 }, { 0, 1 },
        { 1, 6 }, { 0, 2 }, { 0, 2 }, { 0, 0.8 }, { 0.1, 0.8 } } };
    std::array<double, 21> clipped {};
    for (std::size_t i = 0; i < w.size(); ++i)
        clipped[i]
            = std::isfinite(w[i]) ? std::clamp(w[i], Ranges[i].first, Ranges[i].second) : Ranges[i].first;
    return clipped;
}

// The forgetting curve alone: what a retrievability needs, cheap enough to build for each of a
// million cards.
struct TCurve {
    double Decay, Factor;

    explicit TCurve(double w20)
        : Decay(-(std::isfinite(w20) ? std::clamp(w20, 0.1, 0.8) : 0.1))
        , Factor(Round8(std::exp(std::log(0.9) / Decay) - 1))
    {
    }
    TCurve(double decay, double factor)
        : Decay(decay)
        , Factor(factor)
    {
    }
    double Recall(double elapsedDays, double stability) const
    {
        return Round8(std::pow(1 + Factor * elapsedDays / stability, Decay));
    }
};

struct TModel {
    std::array<double, 21> W;
    TCurve Curve;
    double IntervalModifier;
    std::int32_t MaximumInterval;

    explicit TModel(const TSchedulerParameters& p)
        : W(ClippedWeights(p.W))
        , Curve(W[20])
        , IntervalModifier(
              Round8((std::pow(TReviewSettings::ClampRetention(p.DesiredRetention), 1 / Curve.Decay) - 1)
                  / Curve.Factor))
        , MaximumInterval(std::clamp(p.MaximumInterval, 1, 36500))
    {
    }

    double Recall(double elapsedDays, double stability) const { return Curve.Recall(elapsedDays, stability); }
    double InitialDifficulty(TRating g) const
    {
        return Round8(W[4] - std::exp((static_cast<int>(g) - 1) * W[5]) + 1);
    }
    double NextDifficulty(double d, TRating g) const
    {
        const double delta = -W[6] * (static_cast<int>(g) - 3);
        const double damped = d + Round8(delta * (10 - d) / 9);
        const double reverted = Round8(W[7] * InitialDifficulty(TRating::Easy) + (1 - W[7]) * damped);
        return std::clamp(reverted, 1.0, 10.0);
    }
    double RecallStability(double d, double s, double r, TRating g) const
    {
        const double hardPenalty = g == TRating::Hard ? W[15] : 1;
        const double easyBonus = g == TRating::Easy ? W[16] : 1;
        const double grown = s
            * (1
                + std::exp(W[8]) * (11 - d) * std::pow(s, -W[9]) * (std::exp((1 - r) * W[10]) - 1)
                    * hardPenalty * easyBonus);
        return Round8(std::clamp(grown, MinimumStability, MaximumStability));
    }
    double ForgetStability(double d, double s, double r) const
    {
        const double after
            = W[11] * std::pow(d, -W[12]) * (std::pow(s + 1, W[13]) - 1) * std::exp((1 - r) * W[14]);
        // Without same-day steps a lapse never leaves stability higher than it was.
        return std::clamp(
            Round8(s), MinimumStability, Round8(std::clamp(after, MinimumStability, MaximumStability)));
    }
    std::int64_t Interval(double stability) const
    {
        return std::min<std::int64_t>(
            std::max<std::int64_t>(1, static_cast<std::int64_t>(JsRound(stability * IntervalModifier))),
            MaximumInterval);
    }
};

} // namespace

TMemory ScheduleAnswer(const TMemory& before, TRating rating, TDay today, const TSchedulerParameters& p)
{
    const TModel model(p);
    const bool first = before.State == TCardState::New || (before.Stability == 0 && before.Difficulty == 0);
    // A clock set back (or answers merged out of order) counts as the same day, never as negative time.
    const double elapsed = first ? 0 : static_cast<double>(std::max<TDay>(0, today - before.LastReview));

    // All four outcomes are worked out because each one's interval is kept apart from its neighbours'.
    // A damaged record must not turn into an infinite or negative memory.
    const double oldStability = std::max(before.Stability, MinimumStability);
    const double oldDifficulty = std::clamp(before.Difficulty, 1.0, 10.0);
    std::array<double, 4> stability {}, difficulty {};
    const double r = first ? 0 : model.Recall(elapsed, oldStability);
    for (int g = 1; g <= 4; ++g) {
        const auto grade = static_cast<TRating>(g);
        auto& s = stability[static_cast<std::size_t>(g - 1)];
        auto& d = difficulty[static_cast<std::size_t>(g - 1)];
        if (first) {
            s = std::max(model.W[static_cast<std::size_t>(g - 1)], 0.1);
            d = std::clamp(model.InitialDifficulty(grade), 1.0, 10.0);
        } else {
            s = grade == TRating::Again ? model.ForgetStability(oldDifficulty, oldStability, r)
                                        : model.RecallStability(oldDifficulty, oldStability, r, grade);
            d = model.NextDifficulty(oldDifficulty, grade);
        }
    }
    std::array<std::int64_t, 4> interval {};
    for (std::size_t i = 0; i < 4; ++i)
        interval[i] = model.Interval(stability[i]);
    interval[0] = std::min(interval[0], interval[1]);
    interval[1] = std::max(interval[1], interval[0] + 1);
    interval[2] = std::max(interval[2], interval[1] + 1);
    interval[3] = std::max(interval[3], interval[2] + 1);
    // Keeping the four apart may push Good and Easy past the maximum; the maximum wins.
    for (auto& days : interval)
        days = std::min<std::int64_t>(days, model.MaximumInterval);

    const auto i = static_cast<std::size_t>(rating) - 1;
    TMemory after = before;
    after.State = TCardState::Review;
    after.Stability = stability[i];
    after.Difficulty = difficulty[i];
    after.LastReview = today;
    after.Due = today + interval[i];
    after.Reps = before.Reps + 1;
    if (rating == TRating::Again && !first)
        after.Lapses = before.Lapses + 1;
    return after;
}

double Retrievability(const TMemory& memory, TDay today, const TSchedulerParameters& p)
{
    return TRetrievability(today, p)(memory);
}

TRetrievability::TRetrievability(TDay today, const TSchedulerParameters& p)
    : Today_(today)
{
    const TCurve curve(p.W[20]);
    Decay_ = curve.Decay;
    Factor_ = curve.Factor;
}

double TRetrievability::operator()(const TMemory& memory) const
{
    if (memory.State == TCardState::New || memory.Stability <= 0)
        return 0;
    return TCurve(Decay_, Factor_)
        .Recall(static_cast<double>(std::max<TDay>(0, Today_ - memory.LastReview)), memory.Stability);
}

TDay LocalDay(std::int64_t unixSeconds)
{
    const auto seconds = static_cast<std::time_t>(unixSeconds);
    std::tm local {};
    if (localtime_r(&seconds, &local) == nullptr)
        return unixSeconds / 86400;
    using namespace std::chrono;
    const year_month_day date { year { local.tm_year + 1900 },
        month { static_cast<unsigned>(local.tm_mon + 1) }, day { static_cast<unsigned>(local.tm_mday) } };
    return sys_days { date }.time_since_epoch().count();
}

TDay Today()
{
    return LocalDay(static_cast<std::int64_t>(std::time(nullptr)));
}

std::string FormatDay(TDay day)
{
    using namespace std::chrono;
    const year_month_day date { sys_days { days { day } } };
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<TDay> ParseDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + at;
        const char* last = first + length;
        if (!std::all_of(first, last, [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        std::from_chars(first, last, value);
        return value;
    };
    const auto y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (!y || !m || !d || *y < 1)
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day date { year { *y }, month { static_cast<unsigned>(*m) },
        day { static_cast<unsigned>(*d) } };
    if (!date.ok())
        return std::nullopt;
    return sys_days { date }.time_since_epoch().count();
}

TRating RatingOf(bool correct, bool hintUsed, bool hintCountsAsWrong)
{
    if (!correct)
        return TRating::Again;
    if (hintUsed)
        return hintCountsAsWrong ? TRating::Again : TRating::Hard;
    return TRating::Good;
}
