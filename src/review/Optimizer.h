#pragma once
// Personal FSRS-6 parameters fitted to a learner's own answers, and how well a set of parameters
// predicts them. Follows the reference optimizer's training items, outlier filter, pretraining of the
// initial stabilities, loss and Adam steps, so a fit here agrees with one made there.

#include "review/Scheduler.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using TWeights = std::array<double, 21>;

// The published FSRS-6 parameters.
inline constexpr TWeights DefaultWeights = { 0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,
    1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542 };

// One answer of the history as the optimizer reads it.
struct TOptimizerAnswer {
    std::int64_t Card = 0;
    std::int64_t TimeMs = 0;
    TDay Day = 0;
    TRating Rating = TRating::Good;
};

struct TItemReview {
    std::uint8_t Rating; // 1..4
    std::uint32_t DeltaT; // days since the card's answer before (0 the first and on the same day)
    bool operator==(const TItemReview&) const = default;
};

// An answer on a later day than the card's answer before, with all the card's earlier answers: the
// last review is the label, the others the history that led to it.
struct TTrainingItem {
    std::vector<TItemReview> Reviews;
    std::int64_t TimeMs = 0; // of the label
    std::int64_t Card = 0; // 0: unknown
    TDay Day = 0; // of the label
    std::uint32_t LongTermReviews() const;
};

// The items of a history in the time order of their labels. Answers in any order; same-day answers
// stay in the history and are never labels; a card's first answer is never one either.
std::vector<TTrainingItem> TrainingItems(std::vector<TOptimizerAnswer> answers);

// The 21 numbers separated by commas (shortest exact form); nullopt unless text is exactly that.
std::string FormatWeights(const TWeights& w);
std::optional<TWeights> ParseWeights(std::string_view text);

// Held within the ranges the reference allows after each step.
TWeights ClipWeights(const TWeights& w);

// How well a set predicts: the items binned by predicted recall (tenths), with their mean prediction
// and the share actually right.
struct TCalibrationBin {
    int Items = 0;
    double Predicted = 0, Actual = 0;
};
std::array<TCalibrationBin, 10> Calibration(const std::vector<TTrainingItem>& items, const TWeights& w);

// The true retention of a month: the share of review answers right (answers on a later day than the
// card's answer before), young cards (asked after fewer than 21 days) and mature ones apart.
inline constexpr std::uint32_t MatureDays = 21;
struct TMonthRetention {
    int Year = 0;
    unsigned Month = 0; // 1..12
    int Young = 0, YoungRight = 0, Mature = 0, MatureRight = 0;
};
// The months that have review answers, oldest first; at most the last months given.
std::vector<TMonthRetention> RetentionByMonth(const std::vector<TTrainingItem>& items, std::size_t months);

// The reference's smoothing of the initial stabilities w0-w3 (pretrained or trained): made to rise
// with the rating as the rating seen more often says, a rating without items dropped, the missing ones
// filled in by the published set's relations, all within 0.001..100. nullopt when none is known.
std::optional<std::array<double, 4>> InitialStabilities(
    std::array<std::optional<double>, 4> known, const std::array<std::size_t, 4>& count);

// The derivative of PredictedRecall by each parameter, worked out analytically.
TWeights RecallGradient(const TTrainingItem& item, const TWeights& w);

// The predicted recall of an item's label under w.
double PredictedRecall(const TTrainingItem& item, const TWeights& w);

struct TEvaluation {
    double LogLoss = 0;
    double RmseBins = 0; // by interval, review count and lapses
};
// nullopt without items.
std::optional<TEvaluation> Evaluate(const std::vector<TTrainingItem>& items, const TWeights& w);

struct TOptimizerSettings {
    int Epochs = 5;
    std::size_t BatchSize = 512;
    std::uint64_t Seed = 2023;
    double LearningRate = 0.04;
    double Gamma = 1; // the pull towards the starting values
    std::size_t MaxReviews = 64; // longer items are left out of training
    // Fit w17-w19, the same-day parameters; without them they are 0 (a same-day answer leaves the
    // memory as it was, as the scheduler does) and the initial stabilities stay as pretrained.
    bool ShortTerm = false;
};

// Share done (0..1); false stops the fit.
using TOptimizerProgress = std::function<bool(double share)>;

enum class TFitKind : std::uint8_t { Defaults, InitialOnly, Full };
// Training items (after the outlier filter) a fit of all 21 parameters takes.
inline constexpr std::size_t FewestItemsForFullFit = 64;
struct TFit {
    TWeights W = DefaultWeights;
    TFitKind Kind = TFitKind::Defaults;
    std::size_t Items = 0; // training items after the outlier filter
};
// Fewer than 8 items give the defaults, fewer than 64 only the initial stabilities. nullopt when
// progress stopped it.
std::optional<TFit> FitWeights(const std::vector<TTrainingItem>& items,
    const TOptimizerSettings& settings = {}, const TOptimizerProgress& progress = {});

// The reference's time-series split: five folds after a sixth, each predicted by the current set and
// by one fitted to the folds before it, the predictions of all pooled. nullopt with too few items or
// when progress stopped it.
struct THeldOut {
    TEvaluation Current, Fitted;
};
std::optional<THeldOut> HeldOut(const std::vector<TTrainingItem>& items, const TWeights& current,
    const TOptimizerSettings& settings = {}, const TOptimizerProgress& progress = {});

// What optimizing a history found: the fitted set and the figures before and after, on all items and
// on held-out later ones.
struct TOptimizeReport {
    std::size_t Answers = 0, Items = 0;
    TFit Fit;
    std::optional<TEvaluation> Before, After; // on all items
    std::optional<THeldOut> HeldOut;
    // Offered only when it predicts the held-out answers better than the current set; for a pair of
    // languages alone only when its answers were enough to fit all 21 parameters too.
    bool Better() const;
    bool BetterForPair() const { return Better() && Fit.Kind == TFitKind::Full; }
};
std::optional<TOptimizeReport> Optimize(const std::vector<TOptimizerAnswer>& answers, const TWeights& current,
    const TOptimizerSettings& settings = {}, const TOptimizerProgress& progress = {});
