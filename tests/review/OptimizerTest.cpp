// The optimizer against the reference's vectors (tools/fsrs-optimizer-vectors: simulated learners of 60
// to 100,000 answers), and its rules where the vectors do not reach.

#include "review/Optimizer.h"

#include "review/History.h"
#include "review/ReviewSupport.h"
#include "support/TempDir.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

TWeights WeightsOf(const std::string& text)
{
    TWeights w {};
    std::istringstream list(text);
    for (auto& x : w) {
        list >> x;
        list.ignore(1);
    }
    return w;
}

struct TLearner {
    std::vector<TOptimizerAnswer> Answers;
    std::vector<std::string> Items; // empty for the largest: Count and Digest stand for them
    std::size_t Count = 0;
    std::string Digest;
    struct TScore {
        TWeights W;
        std::optional<TEvaluation> Score;
    };
    std::vector<TScore> Evaluations;
    struct TFitted {
        bool ShortTerm;
        double Gamma;
        TWeights W;
    };
    std::vector<TFitted> OneBatch;
    TScore Fitted; // with the reference's own settings
};

std::optional<TEvaluation> ParseScore(std::istringstream& fields)
{
    std::string first;
    fields >> first;
    if (first == "none")
        return std::nullopt;
    TEvaluation e { std::stod(first), 0 };
    fields >> e.RmseBins;
    return e;
}

TLearner Load(const std::string& name)
{
    std::ifstream in(std::string(VELMORIA_SOURCE_DIR) + "/tests/review/optimizer-vectors/" + name + ".txt");
    TLearner learner;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line.substr(std::min<std::size_t>(2, line.size())));
        std::string weights;
        switch (line[0]) {
        case 'a': {
            TOptimizerAnswer a;
            int rating = 0;
            fields >> a.Card >> a.TimeMs >> a.Day >> rating;
            a.Rating = static_cast<TRating>(rating);
            learner.Answers.push_back(a);
            break;
        }
        case 'i':
            learner.Items.push_back(line.substr(2));
            break;
        case 'h':
            fields >> learner.Count >> learner.Digest;
            break;
        case 'e':
            fields >> weights;
            learner.Evaluations.push_back({ WeightsOf(weights), ParseScore(fields) });
            break;
        case 'f': {
            TLearner::TFitted f {};
            int shortTerm = 0;
            fields >> shortTerm >> f.Gamma >> weights;
            f.ShortTerm = shortTerm != 0;
            f.W = WeightsOf(weights);
            learner.OneBatch.push_back(f);
            break;
        }
        case 'd':
            fields >> weights;
            learner.Fitted = { WeightsOf(weights), ParseScore(fields) };
            break;
        default:
            break;
        }
    }
    return learner;
}

std::string Text(const TTrainingItem& item)
{
    std::string text;
    for (const auto& r : item.Reviews)
        text += (text.empty() ? "" : " ") + std::to_string(r.Rating) + ':' + std::to_string(r.DeltaT);
    return text;
}

std::string Digest(const std::vector<TTrainingItem>& items)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const auto& item : items)
        for (const char c : Text(item) + '\n') {
            h ^= static_cast<unsigned char>(c);
            h *= 0x100000001b3ull;
        }
    std::ostringstream out;
    out << std::hex << h;
    return out.str();
}

class OptimizerVectors : public testing::TestWithParam<const char*> { };

TEST_P(OptimizerVectors, ItemsEvaluationAndFitsEqualTheReference)
{
    const auto learner = Load(GetParam());
    ASSERT_FALSE(learner.Answers.empty());
    const auto items = TrainingItems(learner.Answers);
    ASSERT_EQ(items.size(), learner.Count);
    EXPECT_EQ(Digest(items), learner.Digest);
    for (std::size_t i = 0; i < learner.Items.size(); ++i)
        ASSERT_EQ(Text(items[i]), learner.Items[i]) << "item " << i;

    // The items as the reference wrote them, of no known card, are predicted one by one.
    std::vector<TTrainingItem> unnamed;
    for (const auto& text : learner.Items) {
        unnamed.emplace_back();
        std::istringstream reviews(text);
        for (std::string r; reviews >> r;)
            unnamed.back().Reviews.push_back({ static_cast<std::uint8_t>(r[0] - '0'),
                static_cast<std::uint32_t>(std::stoul(r.substr(2))) });
    }
    for (const auto& [w, score] : learner.Evaluations) {
        if (score && !unnamed.empty()) {
            EXPECT_NEAR(Evaluate(unnamed, w)->LogLoss, score->LogLoss, 1e-5);
        }
        const auto mine = Evaluate(items, w);
        ASSERT_EQ(mine.has_value(), score.has_value());
        if (score) {
            EXPECT_NEAR(mine->LogLoss, score->LogLoss, 1e-5);
            EXPECT_NEAR(mine->RmseBins, score->RmseBins, 1e-5);
        }
    }

    // One batch an epoch: no shuffling, so every Adam step is the reference's.
    for (const auto& fitted : learner.OneBatch) {
        SCOPED_TRACE(testing::Message() << "short term " << fitted.ShortTerm << " gamma " << fitted.Gamma);
        TOptimizerSettings settings;
        settings.BatchSize = items.size() + 1;
        settings.ShortTerm = fitted.ShortTerm;
        settings.Gamma = fitted.Gamma;
        const auto fit = FitWeights(items, settings);
        ASSERT_TRUE(fit);
        for (std::size_t i = 0; i < 21; ++i)
            EXPECT_NEAR(fit->W[i], fitted.W[i], 1e-3 * std::max(1.0, fitted.W[i])) << "w" << i;
    }

    // Batches shuffled otherwise than the reference shuffles them: as good a fit, not the same one.
    TOptimizerSettings settings;
    settings.ShortTerm = true;
    const auto fit = FitWeights(items, settings);
    ASSERT_TRUE(fit);
    if (learner.Fitted.Score) {
        const auto mine = Evaluate(items, fit->W);
        EXPECT_LT(mine->LogLoss, learner.Fitted.Score->LogLoss + 0.002);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Learners, OptimizerVectors, testing::Values("tiny", "small", "a1k", "b5k", "c20k", "d100k"));

TOptimizerAnswer A(std::int64_t card, TDay day, int rating, std::int64_t timeMs = 0)
{
    return { card, timeMs ? timeMs : day * 86400000 + card, day, static_cast<TRating>(rating) };
}

// Labels only on later days, never a card's first answer; answers may come in any order; a clock set
// back counts as the same day.
TEST(Optimizer, TrainingItemsFollowEachCardsDays)
{
    const std::vector<std::pair<std::vector<TOptimizerAnswer>, std::vector<std::string>>> cases = {
        { {}, {} },
        { { A(1, 10, 3) }, {} },
        { { A(1, 10, 3), A(1, 10, 1, 10 * 86400000 + 5) }, {} },
        { { A(1, 12, 3), A(2, 11, 4), A(1, 10, 1), A(2, 15, 3) }, { "1:0 3:2", "4:0 3:4" } },
        { { A(1, 10, 1), A(1, 10, 3, 10 * 86400000 + 9), A(1, 13, 2), A(1, 13, 1, 13 * 86400000 + 9) },
            { "1:0 3:0 2:3" } },
        { { A(1, 10, 3, 5000), A(1, 8, 3, 6000), A(1, 9, 4, 7000) }, { "3:0 3:0 4:1" } },
        { { A(2, 10, 3), A(1, 10, 4), A(2, 12, 1, 12 * 86400000), A(1, 12, 3, 12 * 86400000) },
            { "4:0 3:2", "3:0 1:2" } },
    };
    for (const auto& [answers, expected] : cases) {
        std::vector<std::string> made;
        for (const auto& item : TrainingItems(answers))
            made.push_back(Text(item));
        EXPECT_EQ(made, expected);
    }
}

// Review answers by month, young (asked after fewer than 21 days) and mature apart, and the
// predictions binned by tenths against the share right.
TEST(Optimizer, RetentionByMonthAndCalibration)
{
    const TDay jan31 = *ParseDay("2025-01-31"), feb1 = *ParseDay("2025-02-01");
    const std::vector<TOptimizerAnswer> answers = { A(1, jan31 - 30, 3), A(1, jan31 - 10, 3), A(1, jan31, 1),
        A(1, feb1 + 40, 3), A(2, jan31 - 40, 3), A(2, feb1, 3), A(2, feb1, 1, feb1 * 86400000 + 9),
        A(3, feb1 + 60, 4), A(4, jan31 - 21, 3), A(4, jan31, 1) };
    const auto months = RetentionByMonth(TrainingItems(answers), 12);
    std::vector<std::tuple<int, unsigned, int, int, int, int>> got;
    for (const auto& m : months)
        got.emplace_back(m.Year, m.Month, m.Young, m.YoungRight, m.Mature, m.MatureRight);
    EXPECT_EQ(got,
        (std::vector<std::tuple<int, unsigned, int, int, int, int>> {
            { 2025, 1, 2, 1, 1, 0 }, { 2025, 2, 0, 0, 1, 1 }, { 2025, 3, 0, 0, 1, 1 } }));
    EXPECT_EQ(RetentionByMonth(TrainingItems(answers), 1).size(), 1u);

    const auto learner = Load("c20k");
    const auto items = TrainingItems(learner.Answers);
    const auto bins = Calibration(items, DefaultWeights);
    int counted = 0;
    for (std::size_t i = 0; i < bins.size(); ++i) {
        counted += bins[i].Items;
        EXPECT_GE(bins[i].Predicted, bins[i].Items > 0 ? i / 10.0 : 0);
        EXPECT_LE(bins[i].Predicted, bins[i].Items > 0 ? (i + 1) / 10.0 : 0); // 0 in an empty bin
        EXPECT_TRUE(bins[i].Actual >= 0 && bins[i].Actual <= 1);
    }
    EXPECT_EQ(counted, static_cast<int>(items.size()));
    // The fullest bin is a high one, right about as often as predicted.
    const auto fullest = std::max_element(
        bins.begin(), bins.end(), [](const auto& x, const auto& y) { return x.Items < y.Items; });
    EXPECT_GE(fullest - bins.begin(), 7);
    EXPECT_NEAR(fullest->Actual, fullest->Predicted, 0.05);
}

// The reference's smoothing of the initial stabilities: rising with the rating as the more often seen
// rating says, missing ones from the published relations, a rating without items dropped, all within
// their range.
TEST(Optimizer, InitialStabilitiesRiseAndAreFilledIn)
{
    constexpr double None = NAN;
    const struct {
        std::array<double, 4> Known; // None: not known
        std::array<std::size_t, 4> Counts;
        std::array<double, 4> Expected;
    } cases[] = {
        { { 0.4, None, 2.3, 10.9 }, { 1, 0, 1, 1 }, { 0.4, 1.1227007679, 2.3, 10.9 } },
        { { None, None, 2.3, 10.9 }, { 0, 0, 1, 1 }, { 0.0267341086, 0.3702681560, 2.3, 10.9 } },
        { { 0.4, None, None, 10.9 }, { 1, 0, 0, 1 }, { 0.4, 1.6971206096, 4.6331691331, 10.9 } },
        { { None, 0.35, None, None }, { 0, 1, 0, 0 }, { 0.0573814864, 0.35, 0.6242943315, 2.2453483876 } },
        { { 5, 3, 4, 9 }, { 10, 5, 5, 5 }, { 5, 4, 5, 9 } },
        { { 1, 2, 3, 4 }, { 1, 1, 1, 0 }, { 1, 2, 3, 4.2376483963 } },
        { { 0.0001, 2, 3, 400 }, { 1, 1, 1, 1 }, { 0.001, 2, 3, 100 } },
    };
    for (const auto& [values, counts, expected] : cases) {
        std::array<std::optional<double>, 4> known;
        for (std::size_t i = 0; i < 4; ++i)
            if (!std::isnan(values[i]))
                known[i] = values[i];
        const auto filled = InitialStabilities(known, counts);
        ASSERT_TRUE(filled);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR((*filled)[i], expected[i], 1e-8 * std::max(1.0, expected[i])) << i;
    }
    // Two known fill in the others by both relations, three the fourth by the relation it is in.
    for (unsigned mask = 3; mask < 15; ++mask) {
        std::array<std::optional<double>, 4> known;
        for (std::size_t i = 0; i < 4; ++i)
            known[i]
                = mask >> i & 1 ? std::optional(std::pow(3.0, static_cast<double>(i)) / 2) : std::nullopt;
        const auto s = *InitialStabilities(known, { 1, 1, 1, 1 });
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(!known[i] || s[i] == *known[i]) << mask;
        const int count = std::popcount(mask);
        EXPECT_TRUE(count < 2 || (count == 3 && (mask & 3) == 3)
            || std::abs(s[1] - std::pow(s[0], 0.41) * std::pow(s[2], 0.59)) < 1e-9)
            << mask;
        EXPECT_TRUE(count < 2 || (count == 3 && (mask & 12) == 12)
            || std::abs(s[2] - std::pow(s[1], 0.46) * std::pow(s[3], 0.54)) < 1e-9)
            << mask;
    }
    EXPECT_FALSE(InitialStabilities({}, { 1, 1, 1, 1 }));
    EXPECT_FALSE(InitialStabilities({ 1.0, 2.0, 3.0, 4.0 }, {}));
}

// The analytic derivatives agree with finite differences: every branch of a step (first answer,
// success by rating, lapse by either formula, same-day steps with and without the floor of 1) and a
// stability held at its maximum.
TEST(Optimizer, RecallGradientMatchesFiniteDifferences)
{
    TWeights grows = DefaultWeights;
    grows[3] = 100;
    grows[8] = 4.5;
    grows[10] = 3.5;
    TWeights tiny = DefaultWeights;
    tiny[1] = 0.0005; // below the floor of stability: no derivative
    const std::vector<std::pair<const char*, TWeights>> cases = { { "3:0 3:5", DefaultWeights },
        { "1:0 2:1 3:3 4:8 1:20 3:2", DefaultWeights }, { "2:0 1:9 3:0 1:0 3:2", DefaultWeights },
        { "4:0 1:30 3:0 3:1", DefaultWeights }, { "3:0 1:400 3:4", DefaultWeights },
        { "4:0 4:300 4:5000 4:20000 3:30000", grows }, { "2:0 3:5", tiny } };
    for (const auto& [text, w] : cases) {
        TTrainingItem item;
        std::istringstream reviews(text);
        for (std::string r; reviews >> r;)
            item.Reviews.push_back({ static_cast<std::uint8_t>(r[0] - '0'),
                static_cast<std::uint32_t>(std::stoul(r.substr(2))) });
        const auto grad = RecallGradient(item, w);
        for (std::size_t i = 0; i < 21; ++i) {
            auto up = w, down = w;
            up[i] += 1e-6;
            down[i] -= 1e-6;
            const double numeric = (PredictedRecall(item, up) - PredictedRecall(item, down)) / 2e-6;
            EXPECT_NEAR(grad[i], numeric, 1e-5 * (1 + std::abs(numeric))) << text << " w" << i;
        }
    }
}

// The kind of fit by the items the outlier filter leaves (8: the initial stabilities, 64: all): cards
// answered again after 1, 2 or d days (6, 7, n: the rarer go, and intervals over 100 days), m of the
// last once more.
TEST(Optimizer, FitKindsAtTheirFewestItems)
{
    const std::vector<std::tuple<int, int, int, TFitKind>> cases = { { 7, 3, 0, TFitKind::Defaults },
        { 8, 3, 0, TFitKind::InitialOnly }, { 32, 3, 31, TFitKind::InitialOnly },
        { 32, 3, 32, TFitKind::Full }, { 32, 101, 0, TFitKind::Defaults } };
    for (const auto& [n, d, m, kind] : cases) {
        std::vector<TOptimizerAnswer> answers;
        int card = 1;
        for (const auto& [cards, days] : { std::pair(6, 1), { 7, 2 }, { n, d } })
            for (int i = 0; i < cards; ++i, ++card) {
                answers.insert(answers.end(), { A(card, 10, 3), A(card, 10 + days, card % 4 ? 3 : 1) });
                if (days == d && i < m)
                    answers.push_back(A(card, 15 + days, card % 5 ? 3 : 1));
            }
        const auto fit = FitWeights(TrainingItems(answers));
        EXPECT_EQ(
            std::pair(fit->Kind, fit->Items), std::pair(kind, static_cast<std::size_t>(d > 100 ? 0 : n + m)));
    }
}

// Offered only when a fit was made and predicts the held-out answers strictly better.
TEST(Optimizer, OfferedOnlyWhenBetterOnHeldOutAnswers)
{
    const std::vector<std::tuple<TFitKind, std::optional<THeldOut>, bool>> cases = {
        { TFitKind::Full, THeldOut { { 0.30, 0.05 }, { 0.29, 0.06 } }, true },
        { TFitKind::InitialOnly, THeldOut { { 0.30, 0.05 }, { 0.29, 0.06 } }, true },
        { TFitKind::Full, THeldOut { { 0.30, 0.05 }, { 0.30, 0.01 } }, false },
        { TFitKind::Full, THeldOut { { 0.30, 0.05 }, { 0.31, 0.01 } }, false },
        { TFitKind::Defaults, THeldOut { { 0.30, 0.05 }, { 0.29, 0.01 } }, false },
        { TFitKind::Full, std::nullopt, false },
    };
    for (const auto& [kind, heldOut, better] : cases) {
        TOptimizeReport report;
        report.Fit.Kind = kind;
        report.HeldOut = heldOut;
        EXPECT_EQ(report.Better(), better);
    }
}

// Batches come in an order of the seed's: the same seed fits the same set, another seed another.
TEST(Optimizer, BatchOrderFollowsTheSeed)
{
    const auto items = TrainingItems(Load("b5k").Answers);
    TOptimizerSettings settings;
    const auto first = FitWeights(items, settings), again = FitWeights(items, settings);
    settings.Seed = 7;
    const auto other = FitWeights(items, settings);
    ASSERT_TRUE(first && again && other);
    EXPECT_EQ(first->W, again->W);
    EXPECT_NE(first->W, other->W);
}

// Items longer than the longest kept are left out of training, items of just that length kept.
TEST(Optimizer, LongItemsAreLeftOutOfTraining)
{
    const auto items = TrainingItems(Load("b5k").Answers);
    std::vector<TWeights> fits;
    for (const std::size_t longest : { 1, 2, 3, 64 }) {
        TOptimizerSettings settings;
        settings.MaxReviews = longest;
        fits.push_back(FitWeights(items, settings)->W);
    }
    EXPECT_TRUE(fits[0] != fits[1] && fits[1] != fits[2] && fits[2] != fits[3]);
}

// Parameters as text: exactly 21 finite numbers between single commas, and back unchanged.
TEST(Optimizer, WeightsTextRoundTripsAndRefusesAnythingElse)
{
    TWeights w = DefaultWeights;
    w[3] = 1.0 / 3;
    EXPECT_EQ(ParseWeights(FormatWeights(w)), w);
    const std::string good = FormatWeights(DefaultWeights);
    for (const std::string& bad : { std::string(), good + ",", "," + good, good + ",1", good + " ",
             good.substr(0, good.rfind(',')), "nan" + good.substr(good.find(',')),
             good.substr(0, good.find(',')) + ",," + good.substr(good.find(',') + 1) })
        EXPECT_FALSE(ParseWeights(bad)) << bad;
}

TEST(Optimizer, ClipsToTheReferencesRanges)
{
    TWeights low {}, high {};
    low.fill(-1000);
    high.fill(1000);
    low[3] = NAN;
    EXPECT_EQ(ClipWeights(low),
        (TWeights { 0.001, 0.001, 0.001, 0.001, 1, 0.001, 0.001, 0.001, 0, 0, 0.001, 0.001, 0.001, 0.001, 0,
            0, 1, 0, 0, 0.01, 0.1 }));
    EXPECT_EQ(ClipWeights(high),
        (TWeights {
            100, 100, 100, 100, 10, 4, 4, 0.75, 4.5, 0.8, 3.5, 5, 0.25, 0.9, 4, 1, 6, 2, 2, 0.8, 0.8 }));
    EXPECT_EQ(ClipWeights(DefaultWeights), DefaultWeights);
}

// Too few items keep the defaults; a stopped fit or optimization gives nothing; progress only grows.
TEST(Optimizer, FewItemsProgressAndStopping)
{
    std::vector<TOptimizerAnswer> answers;
    for (int card = 1; card <= 7; ++card)
        answers.insert(answers.end(), { A(card, 1, 3), A(card, 3, 3) });
    const auto few = FitWeights(TrainingItems(answers));
    ASSERT_TRUE(few);
    EXPECT_EQ(few->Kind, TFitKind::Defaults);
    EXPECT_EQ(few->W, DefaultWeights);

    const auto learner = Load("b5k");
    double last = 0;
    bool grew = true;
    const auto report = Optimize(learner.Answers, DefaultWeights, {}, [&](double share) {
        grew = grew && share >= last && share <= 1;
        last = share;
        return true;
    });
    ASSERT_TRUE(report && report->HeldOut && report->Before && report->After);
    EXPECT_TRUE(grew);
    EXPECT_NEAR(last, 1, 1e-9);
    EXPECT_EQ(report->Fit.Kind, TFitKind::Full);
    EXPECT_EQ(report->Answers, learner.Answers.size());
    // Fitted to this learner, the set predicts its answers better than the published one.
    EXPECT_LT(report->After->LogLoss, report->Before->LogLoss);
    EXPECT_EQ(report->Better(), report->HeldOut->Fitted.LogLoss < report->HeldOut->Current.LogLoss);

    int calls = 0;
    EXPECT_FALSE(Optimize(learner.Answers, DefaultWeights, {}, [&](double) { return ++calls < 3; }));
    EXPECT_EQ(calls, 3);
}

} // namespace

namespace {

// The learner's set schedules from the next answer on and is named on each answer it scheduled;
// "Reset to defaults" brings back the published set; a file made before the sets gains them and keeps
// its answers; a damaged set schedules nothing.
TEST(LearnerParameters, ScheduleFromTheNextAnswerAndAreKeptPerAnswer)
{
    TTempDir dir;
    const std::string path = dir.File("history.db");
    TWeights mine = DefaultWeights;
    mine[2] = 5.5;
    const auto answer = [](const std::string& word, TDay day) {
        THistoryAnswer a;
        a.Key = { 7, 9, word, "t", 0 };
        a.Correct = true;
        a.UnixMs = NoonOf(day);
        return a;
    };
    std::int64_t before = 0;
    {
        THistory history(path);
        EXPECT_FALSE(history.LearnerParameters());
        auto easy = answer("a", 100);
        easy.Rating = TRating::Easy;
        before = history.RecordAnswer(easy, {}).Id;
    }
    // As a file of an older version: neither the table nor the column.
    Sql(path, "DROP TABLE parameters; ALTER TABLE answers DROP COLUMN parameters;");
    THistory history(path);
    EXPECT_FALSE(history.ParametersOfAnswer(before));
    const auto id = history.SetLearnerParameters(mine, 1234);
    ASSERT_TRUE(history.LearnerParameters());
    EXPECT_EQ(history.LearnerParameters()->W, mine);
    const auto recorded = history.RecordAnswer(answer("b", 100), {});
    EXPECT_DOUBLE_EQ(recorded.After.Stability, 5.5);
    EXPECT_EQ(history.ParametersOfAnswer(recorded.Id), id);
    EXPECT_DOUBLE_EQ(history.WithLearnerParameters({}).W[2], 5.5);

    history.ResetLearnerParameters();
    EXPECT_FALSE(history.LearnerParameters());
    auto wrong = answer("c", 100);
    wrong.Correct = false;
    const auto published = history.RecordAnswer(wrong, {});
    EXPECT_DOUBLE_EQ(published.After.Stability, DefaultWeights[0]);
    EXPECT_FALSE(history.ParametersOfAnswer(published.Id));
    EXPECT_EQ(history.ParametersOfAnswer(recorded.Id), id);
    EXPECT_EQ(history.OptimizerAnswers().size(), 3u);
    EXPECT_EQ(history.OptimizerAnswers(std::pair<std::uint16_t, std::uint16_t>(7, 9)).size(), 3u);
    EXPECT_TRUE(history.OptimizerAnswers(std::pair<std::uint16_t, std::uint16_t>(9, 7)).empty());
    EXPECT_EQ(history.OptimizerAnswers().back().Card, 3);

    // A pair's own set schedules its cards' answers and changed ratings, the learner's the others;
    // copies that know no pairs still read the learner's; a reset clears every set.
    const auto learnerId = history.SetLearnerParameters(mine, 2);
    TWeights pairs = DefaultWeights;
    pairs[0] = 0.75;
    const auto pairId = history.SetLearnerParameters(pairs, 3, TLanguagePair(7, 9));
    EXPECT_EQ(Sql(path, "SELECT id FROM parameters WHERE active = 1 ORDER BY id DESC"), learnerId);
    for (const auto& [foreign, stability, set] :
        { std::tuple(7, 0.75, pairId), { 8, DefaultWeights[0], learnerId } }) {
        auto again = answer("d", 100);
        again.Key.ForeignLanguage = static_cast<std::uint16_t>(foreign);
        const auto first = history.RecordAnswer(again, {});
        EXPECT_DOUBLE_EQ(history.ChangeRating(first, TRating::Again, {}).Stability, stability);
        EXPECT_EQ(history.ParametersOfAnswer(first.Id), set);
        // An import replays its cards with their pair's set too.
        TCardKey imported = again.Key;
        imported.Word = "e";
        EXPECT_EQ(history.ImportAnswers({ { imported, again.UnixMs, 10, 1 } }, {}), 1);
        EXPECT_DOUBLE_EQ(history.Memories({ imported })[0]->Stability, stability);
    }
    EXPECT_TRUE(
        history.LearnerParameters({ { 7, 9 } })->W == pairs && !history.LearnerParameters({ { 9, 7 } }));
    history.ResetLearnerParameters();
    EXPECT_FALSE(history.LearnerParameters() || history.LearnerParameters({ { 7, 9 } }));

    for (const char* damaged : { "1,2,3", "x", "" }) {
        history.SetLearnerParameters(mine, 1);
        Sql(path, std::string("UPDATE parameters SET weights = '") + damaged + "' WHERE active = 1");
        EXPECT_FALSE(history.LearnerParameters()) << damaged;
    }
    // A file of the version before pairs gains them.
    Sql(path, "ALTER TABLE parameters DROP COLUMN pair");
    THistory(path).SetLearnerParameters(pairs, 4, TLanguagePair(7, 9));
    EXPECT_EQ(history.LearnerParameters({ { 7, 9 } })->W, pairs);
}

} // namespace
