#include "review/Optimizer.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <tuple>

namespace {

constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500;
constexpr double MaxInitialStability = 100;
constexpr std::size_t FewestItems = 8;
// How far each parameter usually lies from the population's: the L2 pull is measured in these.
constexpr TWeights Spread = { 6.43, 9.66, 17.58, 27.85, 0.57, 0.28, 0.6, 0.12, 0.39, 0.18, 0.33, 0.3, 0.09,
    0.16, 0.57, 0.25, 1.03, 0.31, 0.32, 0.14, 0.27 };

using TGrad = std::array<double, 21>;

double Factor(double w20)
{
    return std::pow(0.9, -1 / w20) - 1;
}

double Curve(double t, double s, double w20)
{
    return std::pow(1 + Factor(w20) * t / s, -w20);
}

double InitialDifficulty(const TWeights& w, double rating)
{
    return w[4] - std::exp(w[5] * (rating - 1)) + 1;
}

// A parameter set with what every step needs of it worked out once.
struct TModel {
    const TWeights& W;
    double Factor, Decay, ExpW8, EasyStart, ExpW5x3, Shrink, FactorByW20;
    std::array<double, 4> InitialD, InitialDByW5;

    explicit TModel(const TWeights& w)
        : W(w)
        , Factor(::Factor(w[20]))
        , Decay(-w[20])
        , ExpW8(std::exp(w[8]))
        , EasyStart(InitialDifficulty(w, 4))
        , ExpW5x3(std::exp(3 * w[5]))
        , Shrink(std::exp(-w[17] * w[18]))
        , FactorByW20((Factor + 1) * std::log(0.9) / (w[20] * w[20]))
    {
        for (std::size_t i = 0; i < 4; ++i) {
            const double e = std::exp(w[5] * static_cast<double>(i));
            InitialD[i] = w[4] - e + 1;
            InitialDByW5[i] = -static_cast<double>(i) * e;
        }
    }
};

// The memory along an item's history with, when wanted, its derivatives by every parameter (forward
// mode: 21 numbers per step, cheap beside the exp and pow of the step itself).
struct TState {
    double S {}, D {}; // set by the first answer
    TGrad DS {}, DD {};
};

// The recall after t days of a memory of stability s; with Grad its derivatives by s and by w20.
struct TRecall {
    double R, ByS {}, ByW20 {};
};
template <bool Grad> TRecall Recall(const TModel& model, double t, double s)
{
    const double w20 = model.W[20];
    const double base = 1 + model.Factor * t / s;
    const double logBase = std::log(base);
    const double r = std::exp(model.Decay * logBase);
    if constexpr (!Grad)
        return { r };
    // The factor depends on w20 too: d factor / d w20 = FactorByW20.
    return { r, w20 * model.Factor * t / (s * s) * r / base,
        r * (-logBase - w20 * t / s * model.FactorByW20 / base) };
}

template <bool Grad> void Step(TState& m, const TModel& model, const TItemReview& review, bool first)
{
    const auto& w = model.W;
    const double g = review.Rating;
    const auto ri = static_cast<std::size_t>(review.Rating - 1);
    if (first) {
        const double s = w[ri];
        const double d = model.InitialD[ri];
        m.S = std::clamp(s, MinStability, MaxStability);
        m.D = std::clamp(d, 1.0, 10.0);
        // The derivatives start at none: the state is fresh for each item.
        if constexpr (Grad) {
            if (s > MinStability && s < MaxStability)
                m.DS[ri] = 1;
            if (d > 1 && d < 10) {
                m.DD[4] = 1;
                m.DD[5] = model.InitialDByW5[ri];
            }
        }
        return;
    }
    const double s = std::clamp(m.S, MinStability, MaxStability);
    const double d = std::clamp(m.D, 1.0, 10.0);
    const double t = review.DeltaT;

    // Difficulty: a step by the rating, damped towards 10, then pulled back towards an Easy start.
    const double damped = d - w[6] * (g - 3) * (10 - d) / 9;
    const double dNew = w[7] * model.EasyStart + (1 - w[7]) * damped;
    const bool dFree = dNew > 1 && dNew < 10;

    // Stability: its change by s, d and each parameter directly; r's dependence is folded in below.
    double sNew {}, bySPrev {}, byD = 0, byR = 0;
    TGrad direct {};
    TRecall r { 1 };
    if (t == 0) {
        const double logS = std::log(s);
        const double sinc = std::exp(w[17] * (g - 3 + w[18]) - w[19] * logS);
        if (g >= 2 && sinc < 1) {
            sNew = s;
            bySPrev = 1;
        } else {
            sNew = s * sinc;
            bySPrev = (1 - w[19]) * sinc;
            direct[17] = (g - 3 + w[18]) * sNew;
            direct[18] = w[17] * sNew;
            direct[19] = -logS * sNew;
        }
    } else {
        r = Recall<Grad>(model, t, s);
        if (review.Rating == 1) {
            const double logS1 = std::log(s + 1), logD = std::log(d);
            const double power = std::exp(w[13] * logS1);
            const double rest = std::exp(-w[12] * logD + (1 - r.R) * w[14]);
            const double raw = w[11] * rest * (power - 1);
            const double least = s * model.Shrink;
            if (least < raw) {
                sNew = least;
                bySPrev = model.Shrink;
                direct[17] = -w[18] * least;
                direct[18] = -w[17] * least;
            } else {
                sNew = raw;
                bySPrev = w[11] * rest * w[13] * power / (s + 1);
                byD = -w[12] * raw / d;
                byR = -w[14] * raw;
                direct[11] = rest * (power - 1);
                direct[12] = -raw * logD;
                direct[13] = w[11] * rest * power * logS1;
                direct[14] = raw * (1 - r.R);
            }
        } else {
            const double hard = review.Rating == 2 ? w[15] : 1;
            const double easy = review.Rating == 4 ? w[16] : 1;
            const double grow = std::exp((1 - r.R) * w[10]);
            const double logS = std::log(s);
            const double core = model.ExpW8 * (11 - d) * std::exp(-w[9] * logS);
            const double inc = core * (grow - 1) * hard * easy;
            sNew = s * (1 + inc);
            bySPrev = 1 + inc - w[9] * inc;
            byD = -s * inc / (11 - d);
            byR = -s * core * hard * easy * grow * w[10];
            direct[8] = s * inc;
            direct[9] = -s * inc * logS;
            direct[10] = s * core * hard * easy * grow * (1 - r.R);
            if (review.Rating == 2)
                direct[15] = s * core * (grow - 1) * easy;
            if (review.Rating == 4)
                direct[16] = s * core * (grow - 1) * hard;
        }
    }
    const bool sFree = sNew > MinStability && sNew < MaxStability;

    if constexpr (Grad) {
        bySPrev += byR * r.ByS;
        direct[20] += byR * r.ByW20;
        if (sFree)
            for (std::size_t i = 0; i < 21; ++i)
                m.DS[i] = bySPrev * m.DS[i] + byD * m.DD[i] + direct[i];
        else
            m.DS.fill(0);
        if (dFree) {
            const double byDPrev = (1 - w[7]) * (1 + w[6] * (g - 3) / 9);
            for (std::size_t i = 0; i < 21; ++i)
                m.DD[i] *= byDPrev;
            m.DD[4] += w[7];
            m.DD[5] += -3 * w[7] * model.ExpW5x3;
            m.DD[6] += -(1 - w[7]) * (g - 3) * (10 - d) / 9;
            m.DD[7] += model.EasyStart - damped;
        } else {
            m.DD.fill(0);
        }
    }
    m.S = std::clamp(sNew, MinStability, MaxStability);
    m.D = std::clamp(dNew, 1.0, 10.0);
}

// The recall predicted for the item's label, and with Grad its derivative by each parameter.
template <bool Grad> double Predict(const TTrainingItem& item, const TModel& model, TGrad* grad)
{
    TState m;
    const std::size_t n = item.Reviews.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        Step<Grad>(m, model, item.Reviews[i], i == 0);
    const auto r = Recall<Grad>(model, item.Reviews[n - 1].DeltaT, m.S);
    if constexpr (Grad) {
        for (std::size_t i = 0; i < 21; ++i)
            (*grad)[i] = r.ByS * m.DS[i];
        (*grad)[20] += r.ByW20;
    }
    return r.R;
}

// How to predict many items at once: the items of a card are prefixes of its longest one, so the
// card's history is walked once. Made once for a set of items, used for every parameter set.
struct TWalks {
    std::vector<std::size_t> Order; // by card, shorter items first
    std::vector<std::size_t> Ends; // where each card's items end in Order
    std::vector<char> Alone; // items of no known card, or not a prefix of the card's longest
};

TWalks WalksOf(const std::vector<const TTrainingItem*>& items)
{
    TWalks walks;
    walks.Order.resize(items.size());
    std::iota(walks.Order.begin(), walks.Order.end(), 0);
    std::sort(walks.Order.begin(), walks.Order.end(), [&](std::size_t x, std::size_t y) {
        return std::pair(items[x]->Card, items[x]->Reviews.size())
            < std::pair(items[y]->Card, items[y]->Reviews.size());
    });
    walks.Alone.assign(items.size(), 0);
    for (std::size_t k = 0; k < walks.Order.size();) {
        std::size_t end = k;
        const auto card = items[walks.Order[k]]->Card;
        while (end < walks.Order.size() && items[walks.Order[end]]->Card == card)
            ++end;
        const auto& longest = items[walks.Order[end - 1]]->Reviews;
        for (std::size_t j = k; j < end; ++j) {
            const auto& reviews = items[walks.Order[j]]->Reviews;
            // Items of no known card (0) are walked together too where they are prefixes of one another.
            walks.Alone[walks.Order[j]] = !std::equal(reviews.begin(), reviews.end(), longest.begin());
        }
        walks.Ends.push_back(end);
        k = end;
    }
    return walks;
}

std::vector<double> PredictAll(
    const std::vector<const TTrainingItem*>& items, const TWalks& walks, const TWeights& w)
{
    const TModel model(w);
    std::vector<double> predicted(items.size());
    std::size_t k = 0;
    for (const std::size_t end : walks.Ends) {
        const auto& longest = items[walks.Order[end - 1]]->Reviews;
        TState m;
        std::size_t done = 0; // reviews stepped through
        for (; k < end; ++k) {
            const std::size_t i = walks.Order[k];
            const auto& reviews = items[i]->Reviews;
            if (walks.Alone[i]) {
                predicted[i] = Predict<false>(*items[i], model, nullptr);
                continue;
            }
            for (; done + 1 < reviews.size(); ++done)
                Step<false>(m, model, longest[done], done == 0);
            predicted[i] = Recall<false>(model, reviews.back().DeltaT, m.S).R;
        }
    }
    return predicted;
}

std::vector<double> PredictAll(const std::vector<const TTrainingItem*>& items, const TWeights& w)
{
    return PredictAll(items, WalksOf(items), w);
}

double CrossEntropy(double r, bool right)
{
    r = std::clamp(r, 1e-10, 1 - 1e-10);
    return -(right ? std::log(r) : std::log(1 - r));
}

bool Right(const TTrainingItem& item)
{
    return item.Reviews.back().Rating > 1;
}

struct TWeighted {
    const TTrainingItem* Item;
    double Weight;
};

// The gradient of the sum of the weighted losses of the items.
void LossGradient(
    const std::vector<TWeighted>& items, std::size_t first, std::size_t last, const TWeights& w, TGrad& grad)
{
    const TModel model(w);
    TGrad one {};
    for (std::size_t k = first; k < last; ++k) {
        const auto& [item, weight] = items[k];
        const bool right = Right(*item);
        const double r = std::clamp(Predict<true>(*item, model, &one), 1e-10, 1 - 1e-10);
        const double byR = -(right ? 1 / r : -1 / (1 - r)) * weight;
        for (std::size_t i = 0; i < 21; ++i)
            grad[i] += byR * one[i];
    }
}

// The loss without the gradient, for all items at once.
struct TPlainLoss {
    std::vector<const TTrainingItem*> Items;
    std::vector<double> Weights;
    TWalks Walks;

    explicit TPlainLoss(const std::vector<TWeighted>& items)
    {
        for (const auto& item : items) {
            Items.push_back(item.Item);
            Weights.push_back(item.Weight);
        }
        Walks = WalksOf(Items);
    }
    double operator()(const TWeights& w) const
    {
        const auto predicted = PredictAll(Items, Walks, w);
        double sum {};
        for (std::size_t k = 0; k < Items.size(); ++k)
            sum += CrossEntropy(predicted[k], Right(*Items[k])) * Weights[k];
        return sum;
    }
};

// Pretraining: for each first rating, the initial stability that best explains how often the second
// answer was right, pulled a little towards the published value.
struct TPretrain {
    std::array<std::optional<double>, 4> Stability;
    std::array<std::size_t, 4> Count {};
};

TPretrain Pretrain(const std::vector<const TTrainingItem*>& items, double averageRecall)
{
    // first rating -> interval -> (right, all)
    std::array<std::map<std::uint32_t, std::pair<double, double>>, 4> groups;
    TPretrain result;
    for (const auto* item : items) {
        const auto rating = static_cast<std::size_t>(item->Reviews[0].Rating - 1);
        auto& [right, all] = groups[rating][item->Reviews.back().DeltaT];
        right += Right(*item) ? 1 : 0;
        all += 1;
        ++result.Count[rating];
    }
    const double decay = DefaultWeights[20];
    for (std::size_t rating = 0; rating < 4; ++rating) {
        if (groups[rating].empty())
            continue;
        const double start = DefaultWeights[rating];
        const auto loss = [&](double s) {
            double sum {};
            for (const auto& [t, counts] : groups[rating]) {
                const auto& [right, all] = counts;
                const double recall = (right + averageRecall) / (all + 1);
                const double predicted = std::clamp(Curve(t, s, decay), 0.0001, 0.9999);
                sum -= (recall * std::log(predicted) + (1 - recall) * std::log(1 - predicted)) * all;
            }
            return sum + std::abs(s - start) / 16;
        };
        // A ternary search: the loss has one minimum between the bounds.
        double low = MinStability, high = MaxInitialStability, best = start;
        for (int i = 0; i < 1000 && high - low > std::numeric_limits<double>::epsilon(); ++i) {
            const double third = (high - low) / 3;
            const double left = low + third, right = high - third;
            if (loss(left) < loss(right))
                high = right;
            else
                low = left;
            best = (low + high) / 2;
        }
        result.Stability[rating] = best;
    }
    return result;
}

} // namespace

std::optional<std::array<double, 4>> InitialStabilities(
    std::array<std::optional<double>, 4> s, const std::array<std::size_t, 4>& count)
{
    for (std::size_t i = 0; i < 4; ++i)
        if (count[i] == 0)
            s[i].reset();
    static constexpr std::array<std::pair<std::size_t, std::size_t>, 6> Pairs
        = { { { 0, 1 }, { 1, 2 }, { 2, 3 }, { 0, 2 }, { 1, 3 }, { 0, 3 } } };
    // Out of order, the rating seen more often sets both.
    for (const auto& [small, big] : Pairs)
        if (s[small] && s[big]) {
            if (count[small] > count[big])
                s[big] = std::max(*s[big], *s[small]);
            else
                s[small] = std::min(*s[small], *s[big]);
        }
    // The published set's relations: s2 = s1^a s3^(1-a) and s3 = s2^(1-b) s4^b.
    constexpr double a = 0.41, b = 0.54;
    const auto known = std::count_if(s.begin(), s.end(), [](const auto& v) { return v.has_value(); });
    if (known == 0)
        return std::nullopt;
    if (known == 1) {
        const auto i = static_cast<std::size_t>(
            std::find_if(s.begin(), s.end(), [](const auto& v) { return v.has_value(); }) - s.begin());
        const double scale = *s[i] / DefaultWeights[i];
        for (std::size_t j = 0; j < 4; ++j)
            s[j] = DefaultWeights[j] * scale;
    }
    // Named references rather than a structured binding: the lambdas below capture them.
    auto& s1 = s[0];
    auto& s2 = s[1];
    auto& s3 = s[2];
    auto& s4 = s[3];
    const auto fill1 = [&] { s1 = std::pow(*s2, 1 / a) * std::pow(*s3, 1 - 1 / a); };
    const auto fill2 = [&] { s2 = std::pow(*s1, a) * std::pow(*s3, 1 - a); };
    const auto fill3 = [&] { s3 = std::pow(*s2, 1 - b) * std::pow(*s4, b); };
    const auto fill4 = [&] { s4 = std::pow(*s2, 1 - 1 / b) * std::pow(*s3, 1 / b); };
    if (known == 2) {
        if (s3 && s4) {
            s2 = std::pow(*s3, 1 / (1 - b)) * std::pow(*s4, 1 - 1 / (1 - b));
            fill1();
        } else if (s2 && s4) {
            fill3();
            fill1();
        } else if (s2 && s3) {
            fill4();
            fill1();
        } else if (s1 && s4) {
            const double k = a + b - a * b;
            s2 = std::pow(*s1, a / k) * std::pow(*s4, b * (1 - a) / k);
            fill3();
        } else if (s1 && s3) {
            fill2();
            fill4();
        } else {
            s3 = std::pow(*s1, 1 - 1 / (1 - a)) * std::pow(*s2, 1 / (1 - a));
            fill4();
        }
    } else if (known == 3) {
        if (!s1)
            fill1();
        else if (!s2)
            fill2();
        else if (!s3)
            fill3();
        else if (!s4)
            fill4();
    }
    std::array<double, 4> result {};
    for (std::size_t i = 0; i < 4; ++i)
        result[i] = std::clamp(*s[i], MinStability, MaxInitialStability);
    return result;
}

namespace {

// Items whose first answer and first interval are rare or very long say more about chance than about
// memory: such pairs go, from the pretraining and the training alike.
void FilterOutliers(std::vector<const TTrainingItem*>& pretrain, std::vector<const TTrainingItem*>& train)
{
    std::array<std::map<std::uint32_t, std::size_t>, 5> sizes;
    for (const auto* item : pretrain)
        ++sizes[item->Reviews[0].Rating][item->Reviews.back().DeltaT];
    std::array<std::set<std::uint32_t>, 5> removed;
    for (std::uint8_t rating = 1; rating <= 4; ++rating) {
        std::vector<std::pair<std::uint32_t, std::size_t>> groups(sizes[rating].begin(), sizes[rating].end());
        // Smallest groups first, the shorter interval first among equals.
        std::sort(groups.begin(), groups.end(), [](const auto& x, const auto& y) {
            return std::pair(x.second, x.first) < std::pair(y.second, y.first);
        });
        std::size_t total = 0;
        for (const auto& group : groups)
            total += group.second;
        // The rarest pairs go until 5% of the items (20 at least) have gone; of the rest, pairs of
        // fewer than six items or very long intervals.
        std::size_t gone = 0;
        const std::uint32_t longest = rating == 4 ? 365 : 100;
        for (const auto& [deltaT, size] : groups) {
            if (gone + size >= std::max<std::size_t>(20, total / 20)) {
                if (size < 6 || deltaT > longest)
                    removed[rating].insert(deltaT);
            } else {
                gone += size;
                removed[rating].insert(deltaT);
            }
        }
    }
    const auto out = [&](const TTrainingItem* item) {
        const auto& reviews = item->Reviews;
        const auto firstLong = std::find_if(
            reviews.begin() + 1, reviews.end(), [](const TItemReview& r) { return r.DeltaT > 0; });
        return removed[reviews[0].Rating].count(firstLong->DeltaT) > 0;
    };
    std::erase_if(train, out);
    // The pretraining items kept, grouped as they were judged: by first rating, then group by group.
    std::erase_if(pretrain, out);
    std::stable_sort(pretrain.begin(), pretrain.end(), [&](const TTrainingItem* x, const TTrainingItem* y) {
        const auto key = [&](const TTrainingItem* item) {
            const auto rating = item->Reviews[0].Rating;
            const auto deltaT = item->Reviews.back().DeltaT;
            return std::tuple(rating, sizes[rating][deltaT], deltaT);
        };
        return key(x) < key(y);
    });
}

// The items training and evaluation use: those the outlier filter leaves, the pretraining ones first as
// the filter grouped them, then the others in time order. The recency weights follow this order.
struct TFiltered {
    std::vector<const TTrainingItem*> Pretrain, All;
};

TFiltered Filtered(const std::vector<TTrainingItem>& items)
{
    TFiltered filtered;
    std::vector<const TTrainingItem*> train;
    for (const auto& item : items)
        (item.LongTermReviews() == 1 ? filtered.Pretrain : train).push_back(&item);
    FilterOutliers(filtered.Pretrain, train);
    filtered.All = filtered.Pretrain;
    filtered.All.insert(filtered.All.end(), train.begin(), train.end());
    return filtered;
}

std::uint32_t Bin(double value, double base, double scale)
{
    return static_cast<std::uint32_t>(
        std::round(scale * std::pow(base, std::floor(std::log(value) / std::log(base))) * 100));
}

// Later items weigh more, as in training.
double RecencyWeight(std::size_t index, std::size_t count)
{
    const double last = std::max(1.0, static_cast<double>(count) - 1);
    return 0.25 + 0.75 * std::pow(static_cast<double>(index) / last, 3);
}

// Log-loss and RMSE(bins) of predictions for items in the time order of their labels.
std::optional<TEvaluation> Score(
    const std::vector<const TTrainingItem*>& items, const std::vector<double>& predicted)
{
    if (items.empty())
        return std::nullopt;
    double loss = 0, weights = 0;
    // bin -> predicted, right, count, weight: a bin's means are plain, the bins weigh by their items'
    // weights
    std::map<std::array<std::uint32_t, 3>, std::array<double, 4>> bins;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const auto& item = *items[k];
        const double r = predicted[k];
        const bool right = Right(item);
        const double weight = RecencyWeight(k, items.size());
        loss += CrossEntropy(r, right) * weight;
        weights += weight;
        std::uint32_t lapses = 0;
        for (std::size_t i = 0; i + 1 < item.Reviews.size(); ++i)
            lapses += item.Reviews[i].Rating == 1 && item.Reviews[i].DeltaT > 0;
        const std::array<std::uint32_t, 3> bin = { Bin(item.Reviews.back().DeltaT, 3.62, 2.48),
            Bin(item.LongTermReviews() + 1.0, 1.89, 1.99), lapses == 0 ? 0 : Bin(lapses, 1.73, 1.65) };
        auto& [p, real, count, weight2] = bins[bin];
        p += r;
        real += right ? 1 : 0;
        count += 1;
        weight2 += weight;
    }
    double squares = 0;
    for (const auto& [bin, sums] : bins) {
        const auto& [p, real, count, weight] = sums;
        squares += std::pow(p / count - real / count, 2) * weight;
    }
    return TEvaluation { loss / weights, std::sqrt(squares / weights) };
}

} // namespace

std::uint32_t TTrainingItem::LongTermReviews() const
{
    return static_cast<std::uint32_t>(
        std::count_if(Reviews.begin(), Reviews.end(), [](const TItemReview& r) { return r.DeltaT > 0; }));
}

std::vector<TTrainingItem> TrainingItems(std::vector<TOptimizerAnswer> answers)
{
    std::stable_sort(answers.begin(), answers.end(), [](const auto& x, const auto& y) {
        return std::pair(x.Card, x.TimeMs) < std::pair(y.Card, y.TimeMs);
    });
    std::vector<TTrainingItem> items;
    std::vector<TItemReview> reviews;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const auto& answer = answers[i];
        const bool first = i == 0 || answers[i - 1].Card != answer.Card;
        if (first)
            reviews.clear();
        // A clock set back counts as the same day.
        const auto deltaT
            = first ? 0u : static_cast<std::uint32_t>(std::max<TDay>(0, answer.Day - answers[i - 1].Day));
        reviews.push_back({ static_cast<std::uint8_t>(answer.Rating), deltaT });
        if (!first && deltaT > 0)
            items.push_back({ reviews, answer.TimeMs, answer.Card, answer.Day });
    }
    std::stable_sort(
        items.begin(), items.end(), [](const auto& x, const auto& y) { return x.TimeMs < y.TimeMs; });
    return items;
}

std::string FormatWeights(const TWeights& w)
{
    std::string text;
    char number[32];
    for (const double x : w) {
        const auto [end, error] = std::to_chars(number, number + sizeof number, x);
        text.append(text.empty() ? "" : ",").append(number, end);
    }
    return text;
}

std::optional<TWeights> ParseWeights(std::string_view text)
{
    TWeights w {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (std::size_t i = 0; i < w.size(); ++i) {
        // Numbers separated by single commas, nothing before, between or after them.
        if (i > 0 && (at == end || *at++ != ','))
            return std::nullopt;
        const auto [next, error] = std::from_chars(at, end, w[i]);
        if (error != std::errc() || !std::isfinite(w[i]))
            return std::nullopt;
        at = next;
    }
    if (at != end)
        return std::nullopt;
    return w;
}

TWeights ClipWeights(const TWeights& w)
{
    static constexpr std::array<std::pair<double, double>, 21> Ranges = { { { 0.001, 100 }, { 0.001, 100 },
        { 0.001, 100 }, { 0.001, 100 }, { 1, 10 }, { 0.001, 4 }, { 0.001, 4 }, { 0.001, 0.75 }, { 0, 4.5 },
        { 0, 0.8 }, { 0.001, 3.5 }, { 0.001, 5 }, { 0.001, 0.25 }, { 0.001, 0.9 }, { 0, 4 }, { 0, 1 },
        { 1, 6 }, { 0, 2 }, { 0, 2 }, { 0.01, 0.8 }, { 0.1, 0.8 } } };
    TWeights clipped {};
    for (std::size_t i = 0; i < w.size(); ++i)
        clipped[i]
            = std::isfinite(w[i]) ? std::clamp(w[i], Ranges[i].first, Ranges[i].second) : Ranges[i].first;
    return clipped;
}

TWeights RecallGradient(const TTrainingItem& item, const TWeights& w)
{
    TGrad grad {};
    Predict<true>(item, TModel(w), &grad);
    return grad;
}

double PredictedRecall(const TTrainingItem& item, const TWeights& w)
{
    return Predict<false>(item, TModel(w), nullptr);
}

std::array<TCalibrationBin, 10> Calibration(const std::vector<TTrainingItem>& items, const TWeights& w)
{
    std::vector<const TTrainingItem*> all;
    for (const auto& item : items)
        all.push_back(&item);
    const auto predicted = PredictAll(all, ClipWeights(w));
    std::array<TCalibrationBin, 10> bins {};
    for (std::size_t k = 0; k < all.size(); ++k) {
        auto& bin = bins[std::min<std::size_t>(9, static_cast<std::size_t>(predicted[k] * 10))];
        ++bin.Items;
        bin.Predicted += predicted[k];
        bin.Actual += Right(*all[k]) ? 1 : 0;
    }
    for (auto& bin : bins)
        if (bin.Items > 0) {
            bin.Predicted /= bin.Items;
            bin.Actual /= bin.Items;
        }
    return bins;
}

std::vector<TMonthRetention> RetentionByMonth(const std::vector<TTrainingItem>& items, std::size_t months)
{
    std::map<std::pair<int, unsigned>, TMonthRetention> byMonth;
    for (const auto& item : items) {
        using namespace std::chrono;
        const year_month_day date { sys_days { days { item.Day } } };
        const std::pair key(static_cast<int>(date.year()), static_cast<unsigned>(date.month()));
        auto& month = byMonth[key];
        month.Year = key.first;
        month.Month = key.second;
        const bool right = Right(item);
        if (item.Reviews.back().DeltaT >= MatureDays) {
            ++month.Mature;
            month.MatureRight += right;
        } else {
            ++month.Young;
            month.YoungRight += right;
        }
    }
    std::vector<TMonthRetention> result;
    for (const auto& [key, month] : byMonth)
        result.push_back(month);
    result.erase(result.begin(), result.end() - static_cast<std::ptrdiff_t>(std::min(months, result.size())));
    return result;
}

std::optional<TEvaluation> Evaluate(const std::vector<TTrainingItem>& all, const TWeights& w)
{
    const auto items = Filtered(all).All;
    return Score(items, PredictAll(items, w));
}

std::optional<TFit> FitWeights(const std::vector<TTrainingItem>& items, const TOptimizerSettings& settings,
    const TOptimizerProgress& progress)
{
    auto [pretrain, all] = Filtered(items);
    // Training weighs the items in their time order (evaluation in the filter's).
    std::sort(all.begin(), all.end());
    TFit fit;
    fit.Items = all.size();
    if (all.size() < FewestItems)
        return fit;
    const auto right
        = std::count_if(all.begin(), all.end(), [](const TTrainingItem* item) { return Right(*item); });
    const TPretrain pretrained
        = Pretrain(pretrain, static_cast<double>(right) / static_cast<double>(all.size()));
    const auto initial = InitialStabilities(pretrained.Stability, pretrained.Count);
    if (!initial)
        return fit;
    TWeights start = DefaultWeights;
    std::copy(initial->begin(), initial->end(), start.begin());

    fit.W = start;
    fit.Kind = TFitKind::InitialOnly;
    if (all.size() == pretrain.size() || all.size() < FewestItemsForFullFit)
        return fit;
    // Without same-day parameters a same-day answer leaves the memory as it was, as the scheduler does;
    // the initial stabilities then stay as pretraining found them.
    if (!settings.ShortTerm)
        std::fill(start.begin() + 17, start.begin() + 20, 0.0);

    // Later answers weigh more: the learner's memory now is what the parameters are for.
    std::vector<TWeighted> weighted;
    const auto n = static_cast<double>(all.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i]->Reviews.size() <= settings.MaxReviews)
            weighted.push_back({ all[i], 0.25 + 0.75 * std::pow(static_cast<double>(i) / n, 3) });
    std::stable_sort(weighted.begin(), weighted.end(),
        [](const auto& x, const auto& y) { return x.Item->Reviews.size() < y.Item->Reviews.size(); });
    const std::size_t total = weighted.size();
    const std::size_t batch = std::max<std::size_t>(1, settings.BatchSize);
    std::vector<std::size_t> batches((total + batch - 1) / batch);
    std::iota(batches.begin(), batches.end(), 0);
    const double steps = static_cast<double>((total / batch + 1) * static_cast<std::size_t>(settings.Epochs));

    const TPlainLoss plainLoss(weighted);
    std::mt19937_64 random(settings.Seed);
    TWeights w = start, best = start;
    double bestLoss = INFINITY;
    TGrad m {}, v {};
    int t = 0;
    for (int epoch = 0; epoch < settings.Epochs; ++epoch) {
        for (std::size_t i = batches.size(); i > 1; --i)
            std::swap(batches[i - 1], batches[std::uniform_int_distribution<std::size_t>(0, i - 1)(random)]);
        for (std::size_t done = 0; done < batches.size(); ++done) {
            const std::size_t first = batches[done] * batch, last = std::min(total, first + batch);
            TGrad grad {};
            LossGradient(weighted, first, last, w, grad);
            const double pull
                = settings.Gamma * static_cast<double>(last - first) / static_cast<double>(total);
            for (std::size_t i = 0; i < 21; ++i)
                grad[i] += 2 * pull * (w[i] - start[i]) / (Spread[i] * Spread[i]);
            // Without same-day parameters the initial stabilities stay as pretrained too (w17-w19 stay
            // 0 below).
            if (!settings.ShortTerm)
                std::fill(grad.begin(), grad.begin() + 4, 0.0);
            // Adam, its rate following a cosine from the full rate down to none over all steps.
            const double rate = settings.LearningRate * (1 + std::cos(M_PI * t / steps)) / 2;
            ++t;
            const double c1 = 1 - std::pow(0.9, t), c2 = 1 - std::pow(0.999, t);
            for (std::size_t i = 0; i < 21; ++i) {
                m[i] = 0.9 * m[i] + 0.1 * grad[i];
                v[i] = 0.999 * v[i] + 0.001 * grad[i] * grad[i];
                w[i] -= rate * (m[i] / c1) / (std::sqrt(v[i] / c2) + 1e-8);
            }
            w = ClipWeights(w);
            if (!settings.ShortTerm)
                std::fill(w.begin() + 17, w.begin() + 20, 0.0);
            if (progress
                && !progress((epoch * static_cast<double>(batches.size()) + static_cast<double>(done + 1))
                    / (settings.Epochs * static_cast<double>(batches.size()))))
                return std::nullopt;
        }
        // Each epoch's parameters are judged on all items, the pull included; the best are kept.
        double loss = plainLoss(w);
        for (std::size_t i = 0; i < 21; ++i)
            loss += settings.Gamma * std::pow((w[i] - start[i]) / Spread[i], 2);
        if (loss < bestLoss) {
            bestLoss = loss;
            best = w;
        }
    }
    std::array<std::optional<double>, 4> trained;
    for (std::size_t i = 0; i < 4; ++i)
        trained[i] = best[i];
    if (const auto smoothed = InitialStabilities(trained, pretrained.Count))
        std::copy(smoothed->begin(), smoothed->end(), best.begin());
    if (!std::all_of(best.begin(), best.end(), [](double x) { return std::isfinite(x); }))
        return fit;
    fit.W = best;
    fit.Kind = TFitKind::Full;
    return fit;
}

std::optional<THeldOut> HeldOut(const std::vector<TTrainingItem>& items, const TWeights& current,
    const TOptimizerSettings& settings, const TOptimizerProgress& progress)
{
    constexpr std::size_t Splits = 5;
    const std::size_t fold = items.size() / (Splits + 1);
    if (fold == 0)
        return std::nullopt;
    std::vector<const TTrainingItem*> tested;
    std::vector<double> fitted, kept;
    // Split i trains on i folds: 15 folds' training in all.
    double done = 0;
    for (std::size_t split = 1; split <= Splits; ++split) {
        const auto end = items.begin() + static_cast<std::ptrdiff_t>(split * fold);
        const std::vector<TTrainingItem> earlier(items.begin(), end);
        const auto share = static_cast<double>(split) / 15;
        const auto fit = FitWeights(earlier, settings,
            progress ? TOptimizerProgress([&](double part) { return progress(done + part * share); })
                     : TOptimizerProgress());
        if (!fit)
            return std::nullopt;
        done += share;
        std::vector<const TTrainingItem*> later;
        for (auto it = end; it != end + static_cast<std::ptrdiff_t>(fold); ++it)
            later.push_back(&*it);
        const auto byFit = PredictAll(later, fit->W), byCurrent = PredictAll(later, current);
        tested.insert(tested.end(), later.begin(), later.end());
        fitted.insert(fitted.end(), byFit.begin(), byFit.end());
        kept.insert(kept.end(), byCurrent.begin(), byCurrent.end());
    }
    return THeldOut { *Score(tested, kept), *Score(tested, fitted) };
}

bool TOptimizeReport::Better() const
{
    return Fit.Kind != TFitKind::Defaults && HeldOut && HeldOut->Fitted.LogLoss < HeldOut->Current.LogLoss;
}

std::optional<TOptimizeReport> Optimize(const std::vector<TOptimizerAnswer>& answers, const TWeights& current,
    const TOptimizerSettings& settings, const TOptimizerProgress& progress)
{
    TOptimizeReport report;
    report.Answers = answers.size();
    const auto items = TrainingItems(answers);
    report.Items = items.size();
    // The fit on all items is about a third of the work; the held-out fits the rest.
    constexpr double FitShare = 1 / 3.5;
    const auto fit = FitWeights(items, settings,
        progress ? TOptimizerProgress([&](double part) { return progress(part * FitShare); })
                 : TOptimizerProgress());
    if (!fit)
        return std::nullopt;
    report.Fit = *fit;
    report.Before = Evaluate(items, current);
    report.After = Evaluate(items, fit->W);
    if (fit->Kind != TFitKind::Defaults) {
        const auto heldOut = HeldOut(items, current, settings,
            progress
                ? TOptimizerProgress([&](double part) { return progress(FitShare + part * (1 - FitShare)); })
                : TOptimizerProgress());
        if (!heldOut && progress && !progress(1))
            return std::nullopt;
        report.HeldOut = heldOut;
    }
    return report;
}
