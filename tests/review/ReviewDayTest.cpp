// A learner's day of reviews: failed cards stay due across sessions until answered right, the
// learner's own rating of an answer, both directions in one session, what is left, and leeches.

#include "review/ReviewQueue.h"
#include "review/ReviewSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr TDay Day0 = 20000;

class ReviewDayTest : public ::testing::Test {
protected:
    // Answers the next card; the word asked.
    std::string Answer(TReviewQueue& queue, bool right, std::optional<TRating> rating = std::nullopt)
    {
        const int index = queue.NextIndex();
        if (index < 0)
            return "-";
        queue.Answered(index, right, false, NoonOf(Day0) + ++Ms, 10, rating);
        return std::string(Doc.Items(index).FieldValue(fiForeign)) + (queue.Direction() == 1 ? "<" : "");
    }
    TDueCounts Count(std::uint8_t direction, TDay day = Day0)
    {
        return CountDue(Doc, History, direction, day, 20, P);
    }
    TMemory MemoryOf(int index, std::uint8_t direction = 0)
    {
        return *History.Memories({ CardKeyOf(Doc, Doc.Items(index), direction) })[0];
    }

    TTempDir Dir;
    THistory History { Dir.File("h/history.sqlite") };
    TSchedulerParameters P;
    TVocabFile Doc;
    std::int64_t Ms = 0;
    void SetUp() override { FillPairs(Doc, { { "Buch", "book" }, { "Hund", "dog" }, { "Katze", "cat" } }); }
};

TEST_F(ReviewDayTest, AStoppedSessionLeavesItsFailedCardsDueUntilAnsweredRight)
{
    {
        TReviewQueue first(Doc, History, 0, Day0, 20, P);
        EXPECT_EQ(Answer(first, false), "Buch");
        EXPECT_EQ(Answer(first, true), "Hund");
        EXPECT_EQ(first.StoppedMessage().Text(), "Stopped. 2 reviewed, 1 right. 2 still due today.");
    }
    const TDueCounts stopped = Count(0);
    EXPECT_EQ(std::tuple(stopped.Due, stopped.Again, stopped.New), std::tuple(0, 1, 1));
    EXPECT_EQ(Count(1).Again, 0) << "the other direction's card was not failed";
    const TMemory failed = MemoryOf(0);
    // A second failure and a session in between keep it; the right answer ends it, without a
    // second schedule of the day.
    {
        TReviewQueue later(Doc, History, 0, Day0, 20, P);
        EXPECT_EQ(Answer(later, true), "Katze");
        EXPECT_EQ(Answer(later, false), "Buch");
        EXPECT_EQ(later.Left().Again, 1);
    }
    EXPECT_EQ(Count(0).Again, 1);
    TReviewQueue last(Doc, History, 0, Day0, 20, P);
    EXPECT_EQ(Answer(last, true), "Buch");
    EXPECT_EQ(Count(0).DueToday() + Count(0).New, 0);
    EXPECT_EQ(MemoryOf(0).Due, failed.Due);
    EXPECT_EQ(Count(0, Day0 + 1).Again, 0) << "failures are of their day";
}

TEST_F(ReviewDayTest, TheLearnersRatingReschedulesFromTheMemoryBeforeTheAnswer)
{
    // Yesterday's Good answer: today's is a review with a memory before it.
    History.RecordAnswer(CardKeyOf(Doc, Doc.Items(0), 0), true, false, NoonOf(Day0 - 3), 10, P, false);
    const TMemory before = MemoryOf(0);
    const struct {
        const char* Name;
        bool Right;
        std::optional<TRating> Given; // the verdict's own rating replaced (a typo, say)
        TRating Changed;
        bool AskedAgain;
        int RightCount;
    } cases[] = {
        { "I was right", false, std::nullopt, TRating::Good, false, 1 },
        { "too easy", true, std::nullopt, TRating::Easy, false, 1 },
        { "I only guessed", true, std::nullopt, TRating::Again, true, 0 },
        { "a typo rated Hard, then Hard kept", false, TRating::Hard, TRating::Hard, false, 0 },
        { "Hard for a right answer", true, std::nullopt, TRating::Hard, false, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        THistory history(dir.File("h.sqlite"));
        history.RecordAnswer(CardKeyOf(Doc, Doc.Items(0), 0), true, false, NoonOf(Day0 - 3), 10, P, false);
        TVocabFile one;
        FillPairs(one, { { "Buch", "book" } });
        TReviewQueue queue(one, history, 0, Day0, 0, P);
        ASSERT_EQ(queue.NextIndex(), 0);
        queue.Answered(0, c.Right, false, NoonOf(Day0), 10, c.Given);
        EXPECT_EQ(queue.LastRating(), c.Given.value_or(c.Right ? TRating::Good : TRating::Again));
        const auto intervals = queue.LastIntervals();
        ASSERT_TRUE(intervals);
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ((*intervals)[static_cast<std::size_t>(r - 1)],
                ScheduleAnswer(before, static_cast<TRating>(r), Day0, P).Due - Day0);
        EXPECT_TRUE(queue.ChangeRating(c.Changed));
        const TMemory after = *history.Memories({ CardKeyOf(one, one.Items(0), 0) })[0];
        const TMemory expected = ScheduleAnswer(before, c.Changed, Day0, P);
        EXPECT_EQ(MemoryFields(after), MemoryFields(expected));
        EXPECT_EQ(queue.Right(), c.RightCount);
        EXPECT_EQ(queue.NextReview(), c.AskedAgain ? Day0 : expected.Due);
        EXPECT_EQ(queue.NextIndex(), c.AskedAgain ? 0 : -1); // draws the card: after the others
        EXPECT_FALSE(queue.ChangeRating(TRating::Easy)) << "only while its verdict is shown";
    }
}

TEST_F(ReviewDayTest, ARepeatsRatingDecidesWhetherItComesBackButSchedulesNothing)
{
    TReviewQueue queue(Doc, History, 0, Day0, 1, P);
    Answer(queue, false);
    const TMemory failed = MemoryOf(0);
    EXPECT_EQ(Answer(queue, false), "Buch");
    EXPECT_FALSE(queue.LastIntervals()) << "a repeat shows no intervals";
    EXPECT_TRUE(queue.ChangeRating(TRating::Good));
    EXPECT_EQ(queue.NextIndex(), -1);
    EXPECT_EQ(MemoryOf(0).Due, failed.Due);
    EXPECT_EQ(Count(0).Again, 0) << "the history keeps the rating given";
}

// A terminal shows the next question with the verdict: the rating typed at its prompt puts that
// question back and rates the answer before it.
TEST_F(ReviewDayTest, ARatingAfterTheNextCardWasDrawnPutsThatCardBack)
{
    const struct {
        const char* Name;
        std::vector<std::pair<std::string, std::string>> Words;
        bool Right;
        TRating Changed;
        std::vector<std::string> Then; // asked after the change, each answered right
    } cases[] = {
        { "a failure was right after all", { { "Buch", "book" }, { "Hund", "dog" } }, false, TRating::Good,
            { "Hund" } },
        { "the failed card itself was drawn again", { { "Buch", "book" } }, false, TRating::Hard, {} },
        { "a right answer was a guess", { { "Buch", "book" }, { "Hund", "dog" } }, true, TRating::Again,
            { "Hund", "Buch" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        THistory history(dir.File("h.sqlite"));
        TVocabFile doc;
        FillPairs(doc, c.Words);
        TReviewQueue queue(doc, history, 0, Day0, 20, P);
        EXPECT_FALSE(queue.ReturnAsked()) << "nothing drawn yet";
        queue.Answered(queue.NextIndex(), c.Right, false, NoonOf(Day0), 10);
        ASSERT_GE(queue.NextIndex(), 0);
        EXPECT_FALSE(queue.ChangeRating(c.Changed)) << "not while a question is drawn";
        EXPECT_FALSE(queue.LastIntervals() || queue.LastRating());
        EXPECT_TRUE(queue.ReturnAsked());
        EXPECT_EQ(queue.LastRating(), c.Right ? TRating::Good : TRating::Again);
        EXPECT_TRUE(queue.ChangeRating(c.Changed));
        std::vector<std::string> asked;
        for (int index = queue.NextIndex(); index >= 0; index = queue.NextIndex()) {
            asked.emplace_back(doc.Items(index).FieldValue(fiForeign));
            queue.Answered(index, true, false, NoonOf(Day0) + 1, 10);
        }
        EXPECT_EQ(asked, c.Then);
        EXPECT_FALSE(queue.ChangeRating(TRating::Easy)) << "the session is over";
    }
}

TEST(IntervalTextTest, ShortUpToAMonthThenMonthsThenYears)
{
    const std::pair<std::int64_t, const char*> cases[] = { { 0, "0 d" }, { 30, "30 d" }, { 31, "1.0 mo" },
        { 303, "10.0 mo" }, { 304, "10 mo" }, { 364, "12 mo" }, { 365, "1.0 y" }, { 548, "1.5 y" } };
    for (const auto& [days, text] : cases)
        EXPECT_EQ(IntervalText(days).Text(), text) << days;
}

// A rating changed after another copy scheduled the card later: the card's answers are replayed.
TEST_F(ReviewDayTest, ARatingChangedUnderALaterAnswerReplaysTheCard)
{
    TReviewQueue queue(Doc, History, 0, Day0, 1, P);
    Answer(queue, true);
    History.RecordAnswer(CardKeyOf(Doc, Doc.Items(0), 0), true, false, NoonOf(Day0 + 5), 10, P, false);
    EXPECT_TRUE(queue.ChangeRating(TRating::Easy));
    const TMemory replayed
        = ScheduleAnswer(ScheduleAnswer({}, TRating::Easy, Day0, P), TRating::Good, Day0 + 5, P);
    EXPECT_EQ(MemoryFields(MemoryOf(0)), MemoryFields(replayed));
}

TEST_F(ReviewDayTest, BothDirectionsAskEveryCardOnceEachWayAndCountAsTheTwoTogether)
{
    History.RecordAnswer(CardKeyOf(Doc, Doc.Items(1), 1), true, false, NoonOf(Day0 - 30), 10, P, false);
    TDueCounts each = Count(0);
    each += Count(1);
    const TDueCounts both = CountDue(Doc, History, BothDirections, Day0, 4, P);
    EXPECT_EQ(std::tuple(both.Due, both.New, both.Cards), std::tuple(1, 4, 1));
    EXPECT_EQ(each.Due, both.Due);
    TReviewQueue queue(Doc, History, BothDirections, Day0, 4, P);
    EXPECT_EQ(queue.Direction(), 0) << "into the native language until a card is drawn";
    std::vector<std::string> asked;
    for (int i = 0; i < 6; ++i)
        asked.push_back(Answer(queue, i != 1));
    EXPECT_EQ(asked, (std::vector<std::string> { "Hund<", "Buch", "Buch<", "Hund", "Katze", "Buch" }));
    EXPECT_EQ(Answer(queue, true), "-");
    EXPECT_EQ(queue.ClosingMessage().Text().substr(0, 29), "Nothing more is due today. 6 ");
    const TDueCounts after = CountDue(Doc, History, BothDirections, Day0, 4, P);
    EXPECT_EQ(std::tuple(after.Due, after.Again, after.New, after.Cards), std::tuple(0, 0, 0, 5));
}

TEST_F(ReviewDayTest, WhatIsLeftCountsDownAndAFailureMovesToAgain)
{
    History.RecordAnswer(CardKeyOf(Doc, Doc.Items(2), 0), true, false, NoonOf(Day0 - 30), 10, P, false);
    TReviewQueue queue(Doc, History, 0, Day0, 20, P);
    const auto left = [&] {
        const TDueCounts l = queue.Left();
        return std::tuple(l.Due, l.Again, l.New);
    };
    EXPECT_EQ(left(), std::tuple(1, 0, 2));
    queue.NextIndex();
    EXPECT_EQ(left(), std::tuple(1, 0, 2)) << "the question on screen is still left";
    Answer(queue, false);
    EXPECT_EQ(left(), std::tuple(0, 1, 2));
    Answer(queue, true);
    EXPECT_EQ(left(), std::tuple(0, 1, 1));
    EXPECT_EQ(queue.Remaining(), 2);
}

TEST_F(ReviewDayTest, LeechesAreCardsFailedOnEightDaysNotInRepeats)
{
    const TCardKey key = CardKeyOf(Doc, Doc.Items(0), 1);
    for (int day = 0; day < LeechFailures; ++day) {
        History.RecordAnswer(key, false, false, NoonOf(Day0 + day), 10, P, false);
        // A repeat the same day is drill, not another lapse.
        History.RecordAnswer(key, false, false, NoonOf(Day0 + day) + 1000, 10, P, false);
        const bool leech = day + 1 >= LeechFailures;
        EXPECT_EQ(History.Failures(key), day + 1);
        EXPECT_EQ(History.FailedCards(LeechFailures).size(), leech ? 1u : 0u);
        const auto most = History.MostFailed(1);
        ASSERT_EQ(most.size(), 1u);
        EXPECT_EQ(
            std::tuple(most[0].Direction, most[0].Failures, most[0].Leech()), std::tuple(1, day + 1, leech));
    }
    EXPECT_EQ(History.FailedCards(LeechFailures)[0].Key, key);
    EXPECT_EQ(History.Failures(CardKeyOf(Doc, Doc.Items(0), 0)), 0);
}

TEST_F(ReviewDayTest, CardsHeldThreeWeeksCountAsMature)
{
    const TCardKey key = CardKeyOf(Doc, Doc.Items(0), 0);
    TDay day = Day0 - 400;
    int matureAfter = 0;
    for (int answers = 1; answers <= 6; ++answers) {
        const TMemory m = History.RecordAnswer(key, true, false, NoonOf(day), 10, P, false);
        const TDueCounts counts = CountDue(Doc, History, 0, m.Due, 20, P);
        EXPECT_EQ(counts.Mature, m.Stability >= MatureStability ? 1 : 0);
        if (!matureAfter && counts.Mature)
            matureAfter = answers;
        day = m.Due;
    }
    EXPECT_GT(matureAfter, 1);
}

} // namespace
