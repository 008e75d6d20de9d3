// The test engine's review mode: the queue's questions, verdicts committed to the history before
// they are shown, and the list's own test data untouched.

#include "core/DocumentBuilders.h"
#include "core/Random.h"
#include "review/ReviewSupport.h"
#include "support/MessageOf.h"
#include "support/TempDir.h"
#include "testing/TestEngine.h"

#include <gtest/gtest.h>
#include <set>
#include <sqlite3.h>
#include <sstream>

namespace {

constexpr TDay Today = 20400;

class ReviewModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SeedRandom(3);
        FillPairs(Doc, { { "Hund", "dog" }, { "Katze", "cat" }, { "Maus", "mouse" } });
        // The classic test's state, which a review must leave as it is.
        Doc.Items(0).PenaltyPoints = -1;
        Doc.Items(1).PenaltyPoints = 2;
        Doc.Items(1).LastAttempt = 5;
        Doc.MarkSaved();
        Engine.SetClock([this] { return Steady; });
        Engine.SetWallClock([] { return NoonOf(Today); });
    }
    void StartReview(int newPerDay = 20)
    {
        Queue = std::make_unique<TReviewQueue>(Doc, History, 0, Today, newPerDay, TSchedulerParameters {});
        Engine.SetReview(Queue.get());
    }
    bool Next(bool testing)
    {
        Messages.clear();
        return Engine.NextQuestion(testing, [&](const TSaying& m) { Messages.push_back(m.Text()); });
    }
    // Answers the session through: wrong the first time a word in wrong is asked. Returns the words asked.
    std::vector<std::string> Session(std::set<std::string> wrong, bool hint = false)
    {
        std::vector<std::string> asked;
        for (bool testing = false; Next(testing) && asked.size() < 20; testing = true) {
            const TQuestionView view = Engine.ShowQuestion();
            asked.push_back(view.QuestionText);
            Steady += 1500;
            if (hint)
                Engine.Hint(TTestField::Response, "");
            const std::string answer
                = wrong.erase(view.QuestionText) ? "nonsense" : std::string(Engine.ExpectedAnswer());
            Engine.SubmitTyped(answer, "");
        }
        return asked;
    }
    std::string Csv()
    {
        std::ostringstream out;
        History.ExportCsv(out);
        return out.str();
    }

    TTempDir Dir;
    THistory History { Dir.File("h/history.sqlite") };
    TVocabFile Doc;
    TOptions Options;
    TTestEngine Engine { Doc, Options };
    std::unique_ptr<TReviewQueue> Queue;
    std::vector<std::string> Messages;
    std::int64_t Steady = 1000;
};

TEST_F(ReviewModeTest, ASessionRecordsInTheHistoryAndLeavesTheListAlone)
{
    StartReview();
    EXPECT_EQ(Session({ "Katze" }), (std::vector<std::string> { "Hund", "Katze", "Maus", "Katze" }));
    EXPECT_EQ(Messages, (std::vector<std::string> { Queue->ClosingMessage().Text() }));
    EXPECT_EQ(Queue->ClosingMessage().Text(),
        "Nothing more is due today in this direction. 4 reviewed, 3 right. Next review: "
            + FormatDay(Today + 1) + ".");
    EXPECT_EQ(std::tuple(Doc.Modified(), Doc.Attempts(), Doc.Items(0).PenaltyPoints,
                  Doc.Items(1).PenaltyPoints, Doc.Items(1).LastAttempt, History.AnswerCount()),
        std::tuple(false, 0, -1, 2, 5, 4));
    // Each answer with the wall clock's time and the time it took on the steady one.
    EXPECT_NE(Csv().find("," + std::to_string(NoonOf(Today)) + ",3,0,1500,"), std::string::npos) << Csv();
    // Back to the classic test: the list records again.
    Engine.SetReview(nullptr);
    ASSERT_TRUE(Next(false));
    Engine.ShowQuestion();
    Engine.SubmitTyped("x", "");
    EXPECT_EQ(Doc.Attempts(), 1);
    EXPECT_TRUE(Doc.Modified());
}

TEST_F(ReviewModeTest, HintsFollowTheDisallowHintsOption)
{
    for (const bool disallow : { false, true }) {
        SCOPED_TRACE(disallow);
        Options.DisallowHints = disallow;
        // One new card each: the first run's card counts against the day's allowance of the second.
        StartReview(disallow ? 2 : 1);
        // Rated Again when hints count as wrong, so the card comes back until answered without one.
        const auto asked = Session({}, true);
        EXPECT_EQ(asked.size(), disallow ? 20u : 1u);
        Engine.SetReview(nullptr);
    }
}

// One wrong letter with the side's typo option: Hard, not a failure; without it, Again.
TEST_F(ReviewModeTest, ATypoIsRatedHard)
{
    for (const bool typos : { true, false }) {
        SCOPED_TRACE(typos);
        Options.NativeTypos = typos;
        TTempDir dir;
        THistory history(dir.File("h.sqlite"));
        TVocabFile doc;
        FillPairs(doc, { { "Maus", "mouse" } });
        TTestEngine engine(doc, Options);
        engine.SetWallClock([] { return NoonOf(Today); });
        TReviewQueue queue(doc, history, 0, Today, 20, TSchedulerParameters {});
        engine.SetReview(&queue);
        ASSERT_TRUE(engine.NextQuestion(false, {}));
        engine.ShowQuestion();
        engine.SubmitTyped("mosue", "");
        EXPECT_EQ(queue.LastRating(), typos ? TRating::Hard : TRating::Again);
    }
}

TEST_F(ReviewModeTest, MultipleChoiceAndAHistoryThatCannotBeWritten)
{
    StartReview();
    Engine.SetMultipleChoice(true);
    ASSERT_TRUE(Next(false));
    TQuestionView view = Engine.ShowQuestion();
    EXPECT_EQ(view.Choices.size(), 3u);
    EXPECT_TRUE(Engine.SubmitChoice(&Doc.CurrentItem()).Right);
    // Committed before the verdict is shown: another connection, as another process would, sees it.
    EXPECT_EQ(THistory(History.Path()).AnswerCount(), 1);
    ASSERT_TRUE(Next(true));
    view = Engine.ShowQuestion();
    // Another program holds the history: the answer is refused, nothing is recorded anywhere,
    // and the same question can be answered once the history is free.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(History.Path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    History.SetBusyTimeout(20);
    const std::string error = MessageOf<THistoryError>([&] { Engine.SubmitChoice(&Doc.CurrentItem()); });
    EXPECT_NE(error.find("locked"), std::string::npos) << error;
    EXPECT_FALSE(Engine.Answered());
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(History.AnswerCount(), 1);
    EXPECT_TRUE(Engine.SubmitChoice(&Doc.CurrentItem()).Right);
    EXPECT_EQ(History.AnswerCount(), 2);
    EXPECT_FALSE(Doc.Modified());
}

} // namespace
