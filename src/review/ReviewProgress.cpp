#include "review/ReviewProgress.h"

#include "evaluation/Translatable.h"

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

TReviewProgress EmptyReviewProgress(TDay today)
{
    TReviewProgress progress;
    progress.Today = today;
    progress.FirstDay = WeekStart(today) - 7 * (ProgressWeeks - 1);
    progress.AnswersPerDay.assign(static_cast<std::size_t>(today - progress.FirstDay + 1), 0);
    progress.DuePerDay.assign(ProgressDueDays, 0);
    for (int i = 0; i < ProgressWeeks; ++i)
        progress.Weeks.push_back({ progress.FirstDay + 7 * i, 0, 0 });
    return progress;
}

TReviewProgress ReadReviewProgress(THistory& history, TDay today, double desiredRetention)
{
    TReviewProgress progress = EmptyReviewProgress(today);
    progress.DesiredRetention = desiredRetention;
    const auto items = TrainingItems(history.OptimizerAnswers());
    progress.Calibration = Calibration(items, history.WithLearnerParameters({}).W);
    progress.Months = RetentionByMonth(items, ProgressMonths);
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
    // Every week in its place; one the history does not name stays empty.
    for (const THistory::TWeekShare& week : history.ReviewShareByWeek(progress.FirstDay, today)) {
        const TDay index = (week.WeekStart - progress.FirstDay) / 7;
        if (index >= 0 && index < ProgressWeeks)
            progress.Weeks[static_cast<std::size_t>(index)] = week;
    }
    progress.Failed = history.MostFailed(ProgressFailedWords);
    return progress;
}

TSaying ProgressSummary(const TReviewProgress& progress)
{
    if (progress.Empty())
        return VM_TRANSLATE_NOOP(
            "Velmoria::Model", "No answers yet. Review Due Words in the Test menu starts your history.");
    TSaying answers
        = TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n answers in the last twelve weeks"),
            "%n answer in the last twelve weeks", progress.Answers());
    if (const int reviews = progress.ReviewAnswers(); reviews > 0) {
        const double percent = static_cast<double>(std::lround(100.0 * progress.ReviewRight() / reviews));
        answers = { VM_TRANSLATE_NOOP("Velmoria::Model", "%1, %2% of reviews right"),
            { std::move(answers), TSaying::Number(percent) } };
    }
    return { VM_TRANSLATE_NOOP("Velmoria::Model",
                 "%1. Due today: %2 into the native language, %3 into the foreign language."),
        { std::move(answers), TSaying::Number(progress.DueInto[0]), TSaying::Number(progress.DueInto[1]) } };
}

TSaying LeechHint(const std::array<int, 2>& failures)
{
    const std::array<TSaying, 2> ways
        = { TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n times into the native language"),
                "%n time into the native language", failures[0]),
              TSaying::Counted(VM_TRANSLATE_N_NOOP("Velmoria::Model", "%n times into the foreign language"),
                  "%n time into the foreign language", failures[1]) };
    const bool native = failures[0] >= LeechFailures;
    const bool foreign = failures[1] >= LeechFailures;
    if (!native && !foreign)
        return {};
    const TSaying failed = native && foreign
        ? TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "%1 and %2"), { ways[0], ways[1] })
        : ways[native ? 0 : 1];
    return { VM_TRANSLATE_NOOP("Velmoria::Model",
                 "A leech: failed %1. A note or a mnemonic in the item's notes may help it stick (Edit > "
                 "Edit...)."),
        { failed } };
}

TCountAxis CountAxisFor(std::int64_t highest, int maxSteps)
{
    maxSteps = std::max(maxSteps, 1);
    // A nearly empty chart still shows a few steps rather than one bar filling it.
    highest = std::max<std::int64_t>(highest, std::min(4, maxSteps));
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t factor : { 1, 2, 5 }) {
            const std::int64_t step = factor * power;
            const std::int64_t steps = (highest + step - 1) / step;
            if (steps <= maxSteps)
                return { steps * step, step };
        }
    }
}

namespace {

// value / unit to the nearest thousandth, with no more decimals than it needs: "1.5", "250", "0.25".
std::string Scaled(std::int64_t value, std::int64_t unit)
{
    const std::int64_t thousandths = (value * 1000 + unit / 2) / unit;
    std::string text = std::to_string(thousandths / 1000);
    std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? text : text + '.' + fraction;
}

} // namespace

std::vector<std::string> CountAxisLabels(const TCountAxis& axis)
{
    struct TUnit {
        std::int64_t From, Size;
        const char* Suffix;
    };
    static constexpr TUnit Units[]
        = { { 1'000'000'000, 1'000'000'000, "B" }, { 1'000'000, 1'000'000, "M" }, { 10'000, 1'000, "k" } };
    std::int64_t size = 1;
    const char* suffix = "";
    for (const TUnit& unit : Units)
        if (axis.Top >= unit.From) {
            size = unit.Size;
            suffix = unit.Suffix;
            break;
        }
    std::vector<std::string> labels;
    if (axis.Step <= 0)
        return labels;
    for (std::int64_t value = 0; value <= axis.Top; value += axis.Step)
        labels.push_back(value == 0 ? "0" : Scaled(value, size) + suffix);
    return labels;
}
