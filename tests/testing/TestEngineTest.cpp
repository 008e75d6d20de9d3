// The test engine: the flow of a test, evaluation, recording, the answered view, hints,
// choices and statistics.

#include "testing/TestEngine.h"

#include "core/DocumentBuilders.h"
#include "core/Random.h"

#include <gtest/gtest.h>

namespace {

class TestEngineTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(7); }
    // Items: foreign, category, notes, native.
    void Items(const std::vector<TFieldValues>& items) { FillItems(Doc, German, English, items); }
    // Makes item i the question, as NextQuestion would.
    TQuestionView Ask(int i, std::uint8_t mode = 0, bool choice = false)
    {
        Engine.SetTestMode(mode);
        Engine.SetMultipleChoice(choice);
        Doc.SetCurrentIndex(i);
        return Engine.ShowQuestion();
    }
    bool Next(bool testing, bool reset = false)
    {
        Messages.clear();
        return Engine.NextQuestion(testing, [&](const TSaying& m) {
            Messages.push_back(m.Text());
            if (reset)
                Doc.ResetTestData();
        });
    }

    TVocabFile Doc;
    TOptions Options;
    TTestEngine Engine { Doc, Options };
    std::vector<std::string> Messages;
};

TEST_F(TestEngineTest, OneItemWithPenaltyPointsIsLearntByTheNextRightAnswerAndEndsTheTest)
{
    EXPECT_FALSE(Next(false)); // an empty list has no end to announce
    EXPECT_TRUE(Messages.empty());
    Options.UsePenaltyPoints = true;
    Items({ { "der Hund", "", "", "dog" } });
    ASSERT_TRUE(Next(false));
    Engine.ShowQuestion();
    EXPECT_FALSE(Engine.SubmitTyped("cat", "").Right);
    EXPECT_EQ(Doc.Items(0).PenaltyPoints, 1);
    ASSERT_TRUE(Next(true));
    Engine.ShowQuestion();
    EXPECT_TRUE(Engine.SubmitTyped("dog", "").Right);
    EXPECT_TRUE(Doc.Items(0).Learnt());

    const std::string end = "You have learnt all the vocabulary in Untitled.\n"
                            "Statistics must be reset before testing resumes...";
    EXPECT_FALSE(Next(true));
    EXPECT_EQ(Messages, std::vector<std::string> { "Congratulations!\n\n" + end });
    // Not yet testing: no congratulation; a reset in the statistics dialog lets the test go on.
    EXPECT_TRUE(Next(false, true));
    EXPECT_EQ(Messages, std::vector<std::string> { end });
    Engine.ShowQuestion();
    EXPECT_TRUE(Engine.SubmitTyped("dog", "").Right); // the only item left: learnt at once
    Doc.MarkSavedAs("/some/folder/Animals.vmr");
    EXPECT_FALSE(Next(false));
    EXPECT_NE(Messages.at(0).find("vocabulary in Animals.vmr.\n"), std::string::npos);
}

TEST_F(TestEngineTest, TheOtherItemFollowsAndADroppedQuestionIsNotRecorded)
{
    Items({ { "A", "", "", "a" }, { "B", "", "", "b" } });
    ASSERT_TRUE(Next(false));
    Engine.ShowQuestion();
    ASSERT_TRUE(Next(true)); // stop or refresh: the question on screen leaves no trace
    const TVocabItem* first = Engine.ShowQuestion().Item;
    EXPECT_EQ(Doc.Attempts(), 0);
    Engine.SubmitTyped("x", "");
    ASSERT_TRUE(Next(true));
    EXPECT_NE(Engine.ShowQuestion().Item, first);
}

TEST_F(TestEngineTest, RecordingFollowsPenaltyPointsAndTheHintRule)
{
    const struct {
        const char* Name;
        bool Penalty, DisallowHints, Hint, Right;
        std::int32_t PointsBefore, PointsAfter, Successes;
    } cases[] = {
        { "wrong without penalty points", false, false, false, false, 0, 0, 0 },
        { "right without penalty points", false, false, false, true, 0, -1, 1 },
        { "wrong adds a point", true, false, false, false, 0, 1, 0 },
        { "wrong stays at the maximum", true, false, false, false, 3, 3, 0 },
        { "right removes a point", true, false, false, true, 2, 1, 1 },
        { "points above the maximum are capped", true, false, false, true, 5, 2, 1 },
        { "hinted right answer counts", true, false, true, true, 1, 0, 1 },
        { "hinted right answer refused", true, true, true, true, 1, 2, 0 },
        { "unhinted right answer with the option", true, true, false, true, 1, 0, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        TOptions options;
        options.UsePenaltyPoints = c.Penalty;
        options.DisallowHints = c.DisallowHints;
        TTestEngine engine(doc, options);
        FillWords(doc, { "house", "tree", "car" }); // others keep "the last item" out of the way
        doc.Items(0).PenaltyPoints = c.PointsBefore;
        doc.SetCurrentIndex(0);
        engine.SetTestMode(1);
        engine.ShowQuestion();
        if (c.Hint)
            engine.Hint(TTestField::Response, "");
        EXPECT_EQ(engine.SubmitTyped(c.Right ? "house" : "mouse", "").Right, c.Right);
        EXPECT_EQ(engine.AnswerView().Verdict, c.Right ? "Right!" : "Wrong!");
        EXPECT_EQ(doc.Items(0).PenaltyPoints, c.PointsAfter);
        EXPECT_EQ(std::pair(doc.Attempts(), doc.Successes()), std::pair(1, c.Successes));
        EXPECT_EQ(History(doc), std::tuple(0, 0, -1, true)); // modified, history emptied
    }
}

TEST_F(TestEngineTest, EvaluationUsesEachSidesOptionsAndTheNotesLeniency)
{
    const struct {
        const char* Name;
        std::uint8_t Mode;
        TFieldValues Item;
        LangId Foreign;
        const char *Response, *Notes;
        bool NotesOption, TestNotes, ResponseCorrect, NotesCorrect, AnswerCorrect;
    } cases[] = {
        { "into native, a synonym", 0, { "gross", "", "", "big; large" }, German, "large", "", false, false,
            true, true, true },
        { "into foreign, case ignored", 1, { "der Hund", "", "", "dog" }, German, "DER HUND", "", false,
            false, true, true, true },
        { "English flags for an English answer", 0, { "x", "", "", "to realize" }, German, "realise", "",
            false, false, true, true, true },
        { "no English flags for a German answer", 1, { "realize", "", "", "x" }, German, "realise", "", false,
            false, false, true, false },
        { "English flags into English", 1, { "realize", "", "", "x" }, EnglishUK, "realise", "", false, false,
            true, true, true },
        { "notes ignore case, punctuation, spacing", 0, { "Katze", "", "pl. Katzen", "cat" }, German, "cat",
            "PL katzen", true, true, true, true, true },
        { "notes take no synonyms", 0, { "Katze", "", "a; b", "cat" }, German, "cat", "b", true, true, true,
            false, false },
        { "wrong notes, wrong answer", 1, { "Katze", "", "pl. Katzen", "cat" }, German, "Katze", "pl. Hunde",
            true, true, true, false, false },
        { "notes not tested without the option", 1, { "Katze", "", "pl. Katzen", "cat" }, German, "Katze", "",
            false, false, true, true, true },
        { "no notes, nothing to test", 0, { "Katze", "", "", "cat" }, German, "cat", "", true, false, true,
            true, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        TOptions options;
        options.TestNotesActive = options.TestNotesPassive = c.NotesOption;
        TTestEngine engine(doc, options);
        FillItems(doc, c.Foreign, c.Foreign == EnglishUK ? German : English, { c.Item, {} });
        doc.SetCurrentIndex(0);
        engine.SetTestMode(c.Mode);
        EXPECT_EQ(engine.ShowQuestion().TestNotes, c.TestNotes);
        engine.SubmitTyped(c.Response, c.Notes);
        EXPECT_EQ(std::tuple(engine.ResponseCorrect(), engine.NotesCorrect(), engine.AnswerCorrect()),
            std::tuple(c.ResponseCorrect, c.NotesCorrect, c.AnswerCorrect));
    }
}

TEST_F(TestEngineTest, QuestionViewsForEachDirectionModeAndNotesOption)
{
    Items({ { "die Katze", "noun", "pl. Katzen", "cat" }, { "der Hund", "noun", "", "dog" } });
    const struct {
        const char* Name;
        std::uint8_t Mode;
        bool MultipleChoice, NotesOption;
        const char* Question;
        bool TestNotes;
        const char* NotesText;
        TTestField Focus;
    } cases[] = {
        { "into native", 0, false, false, "die Katze", false, "pl. Katzen", TTestField::Response },
        { "into native with notes: notes first", 0, false, true, "die Katze", true, "", TTestField::Notes },
        { "into foreign with notes: answer first", 1, false, true, "cat", true, "", TTestField::Response },
        { "multiple choice never tests notes", 0, true, true, "die Katze", false, "pl. Katzen",
            TTestField::Choice },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Options.TestNotesActive = Options.TestNotesPassive = c.NotesOption;
        const TQuestionView v = Ask(0, c.Mode, c.MultipleChoice);
        EXPECT_EQ(std::tuple(v.QuestionText, v.QuestionForeignSide, v.QuestionShowsNotes, v.TestNotes,
                      v.NotesReadOnly, v.NotesText, v.Focus, v.Choices.size(), Engine.Layout().NotesFirst,
                      Engine.Layout().AnswerTag),
            std::tuple(std::string(c.Question), c.Mode == 0, c.MultipleChoice, c.TestNotes, !c.TestNotes,
                std::string(c.NotesText), c.Focus, c.MultipleChoice ? std::size_t { 2 } : 0, c.Mode == 0,
                c.Mode == 0 ? NativeLanguageTag : ForeignLanguageTag));
    }
}

TEST_F(TestEngineTest, AnsweredViewColoursEachFieldAndTogglesToTheUsersAnswer)
{
    Options.TestNotesPassive = true;
    Items({ { "die Katze", "noun", "pl. Katzen", "cat" }, { "der Hund", "noun", "", "dog" } });
    Ask(0);
    Engine.SubmitTyped("cta", "pl. Katzen");
    const auto fields = [&] {
        const TAnswerView v = Engine.AnswerView();
        return std::tuple(v.ToggleCaption, v.Response.Text, v.Response.Colour, v.Notes.value().Text,
            v.Notes->Colour, v.ResponseMarks.empty());
    };
    using C = TTextColour;
    const auto correct = std::tuple("Your &Answer", "cat", C::Wrong, "pl. Katzen", C::Right, true);
    EXPECT_EQ(fields(), correct);
    EXPECT_TRUE(Engine.AnswerView().ToggleEnabled);
    Engine.ToggleAnswer();
    EXPECT_EQ(
        fields(), std::tuple("Correct &Answer", "cta", C::WindowText, "pl. Katzen", C::WindowText, false));
    Engine.ToggleAnswer();
    EXPECT_EQ(fields(), correct);

    // A right answer has nothing to compare: no toggle.
    Ask(1);
    Engine.SubmitTyped("dog", "");
    Engine.ToggleAnswer();
    const TAnswerView view = Engine.AnswerView();
    EXPECT_EQ(std::tuple(view.ShowingUserAnswer, view.ToggleEnabled, view.Tick, view.Notes.has_value()),
        std::tuple(false, false, true, false));
}

TEST_F(TestEngineTest, AnswerOnlyOncePerQuestionAndInTheModeShown)
{
    Items({ { "a", "", "", "x" }, { "b", "", "", "y" } });
    const auto typed = [&] { Engine.SubmitTyped("x", ""); };
    EXPECT_EQ(ErrorOf(typed), "Invalid procedure call."); // no question yet
    Ask(0);
    typed();
    EXPECT_EQ(ErrorOf(typed), "Invalid procedure call.");
    EXPECT_EQ(ErrorOf([&] { Engine.SubmitChoice(nullptr); }), "Invalid procedure call.");
    Ask(0);
    Doc.SetCurrentIndex(1); // the current item moved away from the question
    EXPECT_EQ(ErrorOf(typed), "Invalid procedure call.");
    Ask(0);
    Engine.SetTestMode(1); // a question asked the other way round is dropped
    EXPECT_EQ(ErrorOf(typed), "Invalid procedure call.");
    Engine.SetTestMode(0);
    EXPECT_EQ(ErrorOf(typed), "Invalid procedure call.");
    EXPECT_EQ(Doc.Attempts(), 1);
}

TEST_F(TestEngineTest, HintsKeepTheRightPrefixAndAddOneCharacterInTheAnswerFieldsOnly)
{
    const char* const cases[][3] = { { "house", "hoz", "hou" }, { "house", "hou", "hous" },
        { "house", "hous", "house" }, { "house", "house", "house" }, { "house", "Hou", "h" },
        { "house", "houses", "house" }, { "house", "", "h" }, { "", "", "" }, { "", "abc", "" } };
    for (const auto& c : cases)
        EXPECT_EQ(HintText(c[0], c[1]), c[2]) << c[0] << " / " << c[1];
    Options.TestNotesActive = true;
    Items({ { "die Katze", "", "pl. Katzen", "cat" }, { "der Hund", "", "", "dog" } });
    Ask(0, 1);
    EXPECT_EQ(std::tuple(Engine.HintEnabled(true, TTestField::Response, false),
                  Engine.HintEnabled(false, TTestField::Response, false),
                  Engine.HintEnabled(true, TTestField::Response, true)),
        std::tuple(true, false, false));
    const auto unavailable = [&](TTestField field) {
        return ErrorOf([&] { Engine.Hint(field, ""); }) == "Command unavailable.";
    };
    for (const TTestField field : { TTestField::None, TTestField::Choice, TTestField::Enter })
        EXPECT_TRUE(unavailable(field));
    EXPECT_FALSE(Engine.HintUsed());
    EXPECT_EQ(Engine.Hint(TTestField::Notes, "pl"), "pl."); // the notes, not the answer
    EXPECT_TRUE(Engine.HintUsed());
    EXPECT_EQ(Engine.Hint(TTestField::Response, "die K"), "die Ka");
    Engine.SubmitTyped("die Katze", "pl. Katzen");
    EXPECT_TRUE(unavailable(TTestField::Response)); // answered

    Ask(1, 1); // notes not tested are only information
    EXPECT_FALSE(Engine.HintUsed());
    EXPECT_TRUE(unavailable(TTestField::Notes));
    Ask(1, 1, true); // multiple choice has no field to fill
    EXPECT_TRUE(unavailable(TTestField::Response));
}

TEST_F(TestEngineTest, MultipleChoiceJudgesByIdentityAndShowsOneEntry)
{
    Options.NumChoices = 5;
    Items({ { "Bank", "noun", "", "bank" }, { "Bank", "noun", "", "bank" } }); // same texts
    ASSERT_EQ(Ask(0, 0, true).Choices.size(), 2u);
    EXPECT_EQ(Engine.Layout().ChoiceRows, 5);
    const TVocabItem *asked = &Doc.Items(0), *other = &Doc.Items(1);
    const auto entry
        = [&] { return std::pair(Engine.AnswerView().ChoiceEntry, Engine.AnswerView().ChoiceColour); };
    EXPECT_FALSE(Engine.SubmitChoice(other).Right);
    EXPECT_EQ(entry(), std::pair(asked, TTextColour::Wrong));
    Engine.ToggleAnswer();
    EXPECT_EQ(entry(), std::pair(other, TTextColour::WindowText));
    Ask(0, 0, true);
    EXPECT_FALSE(Engine.SubmitChoice(nullptr).Right);
    Engine.ToggleAnswer();
    EXPECT_EQ(entry().first, nullptr);
    Ask(0, 0, true);
    EXPECT_TRUE(Engine.SubmitChoice(asked).Right);
    EXPECT_EQ(entry(), std::pair(asked, TTextColour::Right));
    // 1 to 9 answer with their entry.
    const struct {
        char Key;
        std::int32_t Entries, Entry;
    } keys[] = { { '1', 5, 0 }, { '5', 5, 4 }, { '6', 5, -1 }, { '9', 10, 8 }, { '0', 10, -1 },
        { 'a', 5, -1 }, { '1', 0, -1 } };
    for (const auto& c : keys)
        EXPECT_EQ(TTestEngine::ChoiceForNumberKey(c.Key, c.Entries), c.Entry) << c.Key << " of " << c.Entries;

    // Type-ahead skips the sorting part and punctuation.
    Doc.Clear();
    Items({ { "der Hund", "", "", "dog" }, { "das Haus", "", "", "house" }, { "...Dach", "", "", "roof" },
        { "", "", "", "nothing" } });
    Doc.Items(0).SortingPosition = 4;
    Doc.Items(1).SortingPosition = 4;
    const TVocabItemArray entries { &Doc.Items(0), &Doc.Items(1), &Doc.Items(2), &Doc.Items(3) };
    Ask(0, 1, true);
    EXPECT_TRUE(Engine.TypeAheadApplies());
    const struct {
        std::int32_t Selected;
        char Typed;
        std::int32_t Target;
    } cases[] = {
        { -1, 'h', 0 }, // from the top
        { 0, 'h', 1 }, // the next one
        { 1, 'H', 0 }, // wraps round, case ignored
        { -1, 'd', 2 }, // "der" and "das" are skipped, "...Dach" loses its dots
        { 2, 'd', 2 }, // the search ends with the selected entry
        { 1, 'x', -1 }, // nothing: the selection stays
        { 9, 'h', 0 }, // a selection past the end counts as none
    };
    for (const auto& c : cases)
        EXPECT_EQ(Engine.ChoiceTypeAhead(entries, c.Selected, c.Typed), c.Target) << c.Selected << c.Typed;
    Engine.SetTestMode(0);
    EXPECT_FALSE(Engine.TypeAheadApplies());
}

TEST_F(TestEngineTest, DirectionAndModeCommands)
{
    const struct {
        std::uint8_t ModeBefore;
        bool Testing;
        int Command; // 0, 1: direction; 2: multiple choice
        TTestAction Action;
        std::uint8_t ModeAfter;
        bool ChoiceAfter;
    } cases[] = { { 1, false, 0, TTestAction::Start, 0, false }, { 1, true, 1, TTestAction::None, 1, false },
        { 0, true, 1, TTestAction::Refresh, 1, false }, { 0, false, 2, TTestAction::Start, 0, true },
        { 0, true, 2, TTestAction::Refresh, 0, true } };
    for (const auto& c : cases) {
        Engine.SetTestMode(c.ModeBefore);
        Engine.SetMultipleChoice(false);
        const TTestAction action = c.Command == 2
            ? Engine.MultipleChoiceCommand(c.Testing)
            : Engine.DirectionCommand(static_cast<std::uint8_t>(c.Command), c.Testing);
        EXPECT_EQ(std::tuple(action, Engine.TestMode(), Engine.MultipleChoice()),
            std::tuple(c.Action, c.ModeAfter, c.ChoiceAfter))
            << int(c.ModeBefore) << c.Testing << c.Command;
    }
    EXPECT_EQ(Engine.SwitchDirection(), TTestAction::Refresh);
    EXPECT_EQ(Engine.TestMode(), 1);
}

TEST_F(TestEngineTest, StatisticsFigures)
{
    const auto figures = [&] {
        const TStatistics s = ReadStatistics(Doc);
        return std::tuple(s.Learnt, s.Words, s.Progress.Text(), s.Successes, s.Attempts, s.SuccessRate.Text(),
            s.ResetEnabled);
    };
    EXPECT_EQ(figures(), std::tuple(0, 0, "0%", 0, 0, "0%", false));
    Items({ { "a", "", "", "x" }, { "b", "", "", "y" }, { "c", "", "", "z" } });
    const char* const answers[] = { "x", "y", "wrong" };
    for (int i = 0; i < 3; ++i) {
        Ask(i);
        Engine.SubmitTyped(answers[i], "");
    }
    EXPECT_EQ(figures(), std::tuple(2, 3, "67%", 2, 3, "67%", true));
}

} // namespace

TEST_F(TestEngineTest, AKeyOfThePreviousAnswerNeverAnswersTheNextQuestion)
{
    Items({ { "a", "", "", "x" }, { "b", "", "", "y" } });
    const struct {
        const char* Case;
        bool AfterAnswer;
        std::int64_t Elapsed;
        bool AutoRepeat, Accepted;
    } cases[] = {
        { "the first question at once", false, 0, false, true },
        { "a held key on the first question", false, 2000, true, false },
        { "a second Return 0.1 s after the answer", true, 100, false, false },
        { "just before the grace ends", true, AnswerKeyGraceMs - 1, false, false },
        { "a deliberate press", true, AnswerKeyGraceMs, false, true },
        { "a held key much later", true, 5000, true, false },
    };
    for (const bool autoContinue : { false, true })
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Case);
            Options.AutoContinue = autoContinue;
            std::int64_t now = 1000;
            TTestEngine engine(Doc, Options);
            engine.SetClock([&now] { return now; });
            Doc.SetCurrentIndex(0);
            engine.ShowQuestion();
            if (c.AfterAnswer) {
                engine.SubmitTyped("x", "");
                Doc.SetCurrentIndex(1);
                engine.ShowQuestion();
            }
            now += c.Elapsed;
            EXPECT_EQ(engine.AnswerKeyAccepted(c.AutoRepeat), c.Accepted);
            Doc.ResetTestData();
        }
}

TEST_F(TestEngineTest, DelayAndAutoContinueFollowTheVerdictAndLeaveItForTheNextQuestion)
{
    Items({ { "der Hund", "", "", "dog" }, { "die Katze", "", "", "cat" } });
    // The delay follows only wrong answers, continuing at once only right ones.
    const struct {
        std::int32_t Delay;
        bool AutoContinue, Right;
        std::int32_t DelayMs;
        bool ContinueAtOnce;
    } delays[] = {
        { 0, false, false, 0, false }, { -3, false, false, 0, false }, { 2, false, false, 2000, false },
        { 2, false, true, 0, false }, { 2, true, true, 0, true },
        { 2, true, false, 2000, false }, // a wrong verdict is shown as without auto-continue
    };
    for (const auto& c : delays) {
        Options.Delay = c.Delay;
        Options.AutoContinue = c.AutoContinue;
        Ask(0);
        const TAnswerOutcome outcome = Engine.SubmitTyped(c.Right ? "dog" : "z", "");
        EXPECT_EQ(std::pair(outcome.DelayMs, outcome.ContinueAtOnce), std::pair(c.DelayMs, c.ContinueAtOnce))
            << c.Delay << c.AutoContinue << c.Right;
        Doc.ResetTestData();
    }

    const auto passed = [&](const TQuestionView& v) {
        return std::tuple(v.PassedVerdict, v.PassedForeign, v.PassedNative);
    };
    using TTrace = std::tuple<std::string, std::string, std::string>;
    const TTrace none, trace("Right!", "der Hund", "dog");
    const struct {
        const char* Case;
        bool AutoContinue, Right;
        bool Shown;
    } cases[] = {
        { "right, continued at once", true, true, true },
        { "wrong: its verdict was on screen", true, false, false },
        { "right without auto-continue", false, true, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        Options.AutoContinue = c.AutoContinue;
        EXPECT_EQ(passed(Ask(0)), none);
        Engine.SubmitTyped(c.Right ? "dog" : "cow", "");
        const TQuestionView next = Ask(1);
        EXPECT_EQ(passed(next), c.Shown ? trace : none);
        EXPECT_EQ(passed(Ask(0)), none) << "shown with the next question only";
        Doc.ResetTestData();
    }
    // A change of direction drops the trace with the question.
    Options.AutoContinue = true;
    Ask(0);
    Engine.SubmitTyped("dog", "");
    EXPECT_EQ(passed(Ask(1, 1)), none);
}
