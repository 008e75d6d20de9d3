// The optimizer against the reference's vectors (tools/fsrs-optimizer-vectors: simulated learners of 60
// to 100,000 answers), and its rules where the vectors do not reach.

#include "review/Optimizer.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

TWeights ParseWeights(const std::string& text)
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
            learner.Evaluations.push_back({ ParseWeights(weights), ParseScore(fields) });
            break;
        case 'f': {
            TLearner::TFitted f {};
            int shortTerm = 0;
            fields >> shortTerm >> f.Gamma >> weights;
            f.ShortTerm = shortTerm != 0;
            f.W = ParseWeights(weights);
            learner.OneBatch.push_back(f);
            break;
        }
        case 'd':
            fields >> weights;
            learner.Fitted = { ParseWeights(weights), ParseScore(fields) };
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

    for (const auto& [w, score] : learner.Evaluations) {
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
    const auto fit = FitWeights(items);
    ASSERT_TRUE(fit);
    if (learner.Fitted.Score) {
        const auto mine = Evaluate(items, fit->W);
        EXPECT_LT(mine->LogLoss, learner.Fitted.Score->LogLoss + 0.002);
    }
}

INSTANTIATE_TEST_SUITE_P(Learners, OptimizerVectors, testing::Values("tiny", "small", "a1k", "b5k", "c20k", "d100k"));

} // namespace
