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
    void Items(const std::vector<TFieldValues>& items, LangId foreign = German, LangId native = English)
    {
        Doc.SetForeignLangID(foreign);
        Doc.SetNativeLangID(native);
        for (const auto& v : items) {
            auto item = std::make_unique<TVocabItem>();
            item->SetFieldValues(v);
            Doc.AppendItem(std::move(item));
        }
        Doc.EndBulkAppend();
    }
    // Makes item i the question, as NextQuestion would.
    TQuestionView Ask(int i)
    {
        Doc.SetCurrentIndex(i);
        return Engine.ShowQuestion();
    }
    bool Next(bool testing, bool reset = false)
    {
        Messages.clear();
        return Engine.NextQuestion(testing, [&](const std::string& m) {
            Messages.push_back(m);
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
    Options.UsePenaltyPoints = true;
    Options.MaxPenaltyPoints = 3;
    Items({ { "der Hund", "", "", "dog" } });
    ASSERT_TRUE(Next(false));
    Engine.ShowQuestion();
    EXPECT_FALSE(Engine.SubmitTyped("cat", "").Right);
    EXPECT_EQ(Doc.Items(0).PenaltyPoints, 1);
    ASSERT_TRUE(Next(true));
    Engine.ShowQuestion();
    EXPECT_TRUE(Engine.SubmitTyped("dog", "").Right);
    EXPECT_TRUE(Doc.Items(0).Learnt());

    EXPECT_FALSE(Next(true));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0],
        "Congratulations!\n\nYou have learnt all the vocabulary in Untitled.\n"
        "Statistics must be reset before testing resumes...");
    // Not yet testing: the same message without the congratulation; a reset lets the test go on.
    EXPECT_TRUE(Next(false, true));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].rfind("You have learnt all the vocabulary in Untitled.\n", 0), 0u);
    EXPECT_EQ(Doc.Attempts(), 0);
}

TEST_F(TestEngineTest, EndMessageNamesTheFileAndAnEmptyListHasNoEnd)
{
    EXPECT_FALSE(Next(false));
    EXPECT_TRUE(Messages.empty());
    Items({ { "a", "", "", "b" } });
    Doc.Items(0).PenaltyPoints = -1;
    Doc.MarkSavedAs("/some/folder/Animals.vmr");
    EXPECT_FALSE(Next(false));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].find("vocabulary in Animals.vmr.\n"), std::string::npos);
}

TEST_F(TestEngineTest, TheOtherItemFollowsAndADroppedQuestionIsNotRecorded)
{
    Items({ { "A", "", "", "a" }, { "B", "", "", "b" } });
    ASSERT_TRUE(Next(false));
    const TVocabItem* first = Engine.ShowQuestion().Item;
    // A new question without an answer (stop, refresh) leaves no trace.
    ASSERT_TRUE(Next(true));
    Engine.ShowQuestion();
    EXPECT_EQ(Doc.Attempts(), 0);
    first = Engine.Question().Item;
    Engine.SubmitTyped("x", "");
    ASSERT_TRUE(Next(true));
    EXPECT_NE(Engine.ShowQuestion().Item, first);
}

struct TRecordCase {
    const char* Name;
    bool Penalty;
    bool DisallowHints;
    bool Hint;
    bool Right;
    std::int32_t PointsBefore;
    std::int32_t PointsAfter;
    std::int32_t Successes;
};

TEST_F(TestEngineTest, RecordingFollowsPenaltyPointsAndTheHintRule)
{
    const TRecordCase cases[] = {
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
        // Two other items, so the "last item not learnt" rule stays out of the way.
        FillWords(doc, { "house", "tree", "car" });
        doc.Items(0).PenaltyPoints = c.PointsBefore;
        doc.SetCurrentIndex(0);
        engine.SetTestMode(1);
        engine.ShowQuestion();
        if (c.Hint) {
            EXPECT_EQ(engine.Hint(TTestField::Response, ""), "h");
        }
        const TAnswerOutcome outcome = engine.SubmitTyped(c.Right ? "house" : "mouse", "");
        EXPECT_EQ(outcome.Right, c.Right);
        EXPECT_EQ(engine.AnswerView().Verdict, c.Right ? "Right!" : "Wrong!");
        EXPECT_EQ(doc.Items(0).PenaltyPoints, c.PointsAfter);
        EXPECT_EQ(doc.Successes(), c.Successes);
        EXPECT_EQ(doc.Attempts(), 1);
        EXPECT_TRUE(doc.Modified());
        EXPECT_EQ(doc.UndoCount(), 0);
    }
}

struct TEvaluationCase {
    const char* Name;
    std::uint8_t Mode;
    TFieldValues Item;
    LangId Foreign, Native;
    const char* Response;
    const char* Notes;
    bool NotesOption; // TestNotesActive and TestNotesPassive
    bool TestNotes, ResponseCorrect, NotesCorrect, AnswerCorrect;
};

TEST_F(TestEngineTest, EvaluationUsesEachSidesOptionsAndTheNotesLeniency)
{
    const TEvaluationCase cases[] = {
        { "into native, a synonym", 0, { "gross", "", "", "big; large" }, German, English, "large", "", false,
            false, true, true, true },
        { "into foreign, case ignored", 1, { "der Hund", "", "", "dog" }, German, English, "DER HUND", "",
            false, false, true, true, true },
        { "into foreign, wrong", 1, { "der Hund", "", "", "dog" }, German, English, "die Hund", "", false,
            false, false, true, false },
        { "English flags for an English answer", 0, { "realisieren", "", "", "to realize" }, German, English,
            "realise", "", false, false, true, true, true },
        { "no English flags for a German answer", 1, { "realize", "", "", "x" }, German, English, "realise",
            "", false, false, false, true, false },
        { "English flags into an English foreign language", 1, { "realize", "", "", "x" }, EnglishUK, German,
            "realise", "", false, false, true, true, true },
        { "notes ignore case, punctuation, spacing", 0, { "Katze", "", "pl. Katzen", "cat" }, German, English,
            "cat", "PL katzen", true, true, true, true, true },
        { "notes but no synonyms in them", 0, { "Katze", "", "a; b", "cat" }, German, English, "cat", "b",
            true, true, true, false, false },
        { "wrong notes make the answer wrong", 1, { "Katze", "", "pl. Katzen", "cat" }, German, English,
            "Katze", "pl. Hunde", true, true, true, false, false },
        { "notes not tested without the option", 1, { "Katze", "", "pl. Katzen", "cat" }, German, English,
            "Katze", "", false, false, true, true, true },
        { "no notes, nothing to test", 0, { "Katze", "", "", "cat" }, German, English, "cat", "", true, false,
            true, true, true },
        { "empty expected accepts empty", 0, { "Katze", "", "", "" }, German, English, "", "", false, false,
            true, true, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TVocabFile doc;
        TOptions options;
        options.TestNotesActive = options.TestNotesPassive = c.NotesOption;
        TTestEngine engine(doc, options);
        doc.SetForeignLangID(c.Foreign);
        doc.SetNativeLangID(c.Native);
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues(c.Item);
        doc.AppendItem(std::move(item));
        doc.AppendItem(std::make_unique<TVocabItem>());
        doc.EndBulkAppend();
        doc.SetCurrentIndex(0);
        engine.SetTestMode(c.Mode);
        EXPECT_EQ(engine.ShowQuestion().TestNotes, c.TestNotes);
        engine.SubmitTyped(c.Response, c.Notes);
        EXPECT_EQ(engine.ResponseCorrect(), c.ResponseCorrect);
        EXPECT_EQ(engine.NotesCorrect(), c.NotesCorrect);
        EXPECT_EQ(engine.AnswerCorrect(), c.AnswerCorrect);
        EXPECT_EQ(engine.UserResponse(), c.Response);
    }
}

struct TQuestionCase {
    const char* Name;
    std::uint8_t Mode;
    bool MultipleChoice;
    bool NotesOption;
    const char* QuestionText;
    bool TestNotes;
    const char* NotesText;
    TTestField Focus;
};

TEST_F(TestEngineTest, QuestionViewsForEachDirectionModeAndNotesOption)
{
    Items({ { "die Katze", "noun", "pl. Katzen", "cat" }, { "der Hund", "noun", "", "dog" } });
    const TQuestionCase cases[] = {
        { "into native", 0, false, false, "die Katze", false, "pl. Katzen", TTestField::Response },
        { "into native with notes: notes first", 0, false, true, "die Katze", true, "", TTestField::Notes },
        { "into foreign with notes: answer first", 1, false, true, "cat", true, "", TTestField::Response },
        { "multiple choice never tests notes", 0, true, true, "die Katze", false, "pl. Katzen",
            TTestField::Choice },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Options.TestNotesActive = Options.TestNotesPassive = c.NotesOption;
        Engine.SetTestMode(c.Mode);
        Engine.SetMultipleChoice(c.MultipleChoice);
        const TQuestionView view = Ask(0);
        EXPECT_EQ(view.QuestionText, c.QuestionText);
        EXPECT_EQ(view.QuestionForeignSide, c.Mode == 0);
        EXPECT_EQ(view.QuestionShowsNotes, c.MultipleChoice);
        EXPECT_EQ(view.TestNotes, c.TestNotes);
        EXPECT_EQ(view.NotesReadOnly, !c.TestNotes);
        EXPECT_EQ(view.NotesText, c.NotesText);
        EXPECT_EQ(view.Category, "noun");
        EXPECT_EQ(view.Focus, c.Focus);
        EXPECT_EQ(view.Choices.size(), c.MultipleChoice ? 2u : 0u);
        EXPECT_FALSE(Engine.Answered());
        EXPECT_FALSE(Engine.HintUsed());
    }
    Engine.SetMultipleChoice(false);
    Engine.SetTestMode(1);
    EXPECT_EQ(Engine.Layout().AnswerLabel, "Word/phrase:");
    EXPECT_EQ(Engine.Layout().AnswerTag, ForeignLanguageTag);
    EXPECT_EQ(Engine.Layout().AnswerLanguage, German);
    EXPECT_FALSE(Engine.Layout().NotesFirst);
    Engine.SetTestMode(0);
    EXPECT_EQ(Engine.Layout().AnswerLabel, "Translations:");
    EXPECT_EQ(Engine.Layout().AnswerTag, NativeLanguageTag);
    EXPECT_TRUE(Engine.Layout().NotesFirst);
}

TEST_F(TestEngineTest, AnsweredViewColoursEachFieldAndTogglesToTheUsersAnswer)
{
    Options.TestNotesPassive = true;
    Items({ { "die Katze", "noun", "pl. Katzen", "cat" }, { "der Hund", "noun", "", "dog" } });
    Ask(0);
    Engine.SubmitTyped("cta", "pl. Katzen");
    TAnswerView view = Engine.AnswerView();
    EXPECT_EQ(view.Verdict, "Wrong!");
    EXPECT_FALSE(view.Tick);
    EXPECT_TRUE(view.ToggleEnabled);
    EXPECT_EQ(view.ToggleCaption, "Your &Answer");
    EXPECT_EQ(view.Response.Text, "cat");
    EXPECT_EQ(view.Response.Colour, TTextColour::Wrong);
    ASSERT_TRUE(view.Notes);
    EXPECT_EQ(view.Notes->Text, "pl. Katzen");
    EXPECT_EQ(view.Notes->Colour, TTextColour::Right);
    EXPECT_TRUE(view.ResponseMarks.empty());

    Engine.ToggleAnswer();
    view = Engine.AnswerView();
    EXPECT_TRUE(view.ShowingUserAnswer);
    EXPECT_EQ(view.ToggleCaption, "Correct &Answer");
    EXPECT_EQ(view.Response.Text, "cta");
    EXPECT_EQ(view.Response.Colour, TTextColour::WindowText);
    EXPECT_EQ(view.Notes->Colour, TTextColour::WindowText);
    EXPECT_FALSE(view.ResponseMarks.empty());
    Engine.ToggleAnswer();
    EXPECT_EQ(Engine.AnswerView().Response.Text, "cat");

    // A right answer has nothing to compare: the toggle does nothing.
    Ask(1);
    Engine.SubmitTyped("dog", "");
    Engine.ToggleAnswer();
    view = Engine.AnswerView();
    EXPECT_FALSE(view.ShowingUserAnswer);
    EXPECT_FALSE(view.ToggleEnabled);
    EXPECT_TRUE(view.Tick);
    EXPECT_FALSE(view.Notes);
    EXPECT_EQ(ColourOf(TTextColour::Right, Options, 7), Options.ColourRight);
    EXPECT_EQ(ColourOf(TTextColour::WindowText, Options, 7), 7u);
}

struct TOutcomeCase {
    const char* Name;
    std::int32_t Delay;
    bool AutoContinue;
    bool Right;
    std::int32_t DelayMs;
    bool ContinueAtOnce;
};

TEST_F(TestEngineTest, DelayOnlyAfterWrongAnswersAndAutoContinueOnlyAfterRightOnes)
{
    Items({ { "a", "", "", "x" }, { "b", "", "", "y" } });
    const TOutcomeCase cases[] = {
        { "no delay", 0, false, false, 0, false },
        { "negative delay", -3, false, false, 0, false },
        { "delay after wrong", 2, false, false, 2000, false },
        { "no delay after right", 2, false, true, 0, false },
        { "auto-continue after right", 2, true, true, 0, true },
        { "auto-continue keeps a wrong verdict", 2, true, false, 2000, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Options.Delay = c.Delay;
        Options.AutoContinue = c.AutoContinue;
        Ask(0);
        const TAnswerOutcome outcome = Engine.SubmitTyped(c.Right ? "x" : "z", "");
        EXPECT_EQ(outcome.DelayMs, c.DelayMs);
        EXPECT_EQ(outcome.ContinueAtOnce, c.ContinueAtOnce);
        Doc.ResetTestData();
    }
}

TEST_F(TestEngineTest, AnswerOnlyOncePerQuestionAndInTheModeShown)
{
    Items({ { "a", "", "", "x" }, { "b", "", "", "y" } });
    EXPECT_EQ(ErrorOf([&] { Engine.SubmitTyped("x", ""); }), "Invalid procedure call.");
    Ask(0);
    Engine.SubmitTyped("x", "");
    EXPECT_EQ(ErrorOf([&] { Engine.SubmitTyped("x", ""); }), "Invalid procedure call.");
    EXPECT_EQ(ErrorOf([&] { Engine.SubmitChoice(nullptr); }), "Invalid procedure call.");
    EXPECT_EQ(Doc.Attempts(), 1);
    // The document's current item moved away from the question: nothing is recorded for it.
    Ask(0);
    Doc.SetCurrentIndex(1);
    EXPECT_EQ(ErrorOf([&] { Engine.SubmitTyped("x", ""); }), "Invalid procedure call.");
    EXPECT_EQ(Doc.Attempts(), 1);
}

TEST(HintTextTest, KeepsTheRightPrefixAndAddsOneCharacter)
{
    const struct {
        const char* Expected;
        const char* Typed;
        const char* Hint;
    } cases[] = {
        { "house", "hoz", "hou" },
        { "house", "hou", "hous" },
        { "house", "hous", "house" },
        { "house", "house", "house" },
        { "house", "Hou", "h" },
        { "house", "houses", "house" },
        { "house", "", "h" },
        { "", "", "" },
        { "", "abc", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(HintText(c.Expected, c.Typed), c.Hint) << c.Expected << " / " << c.Typed;
}

TEST_F(TestEngineTest, HintsWorkInTheAnswerFieldsOnly)
{
    Options.TestNotesActive = true;
    Items({ { "die Katze", "", "pl. Katzen", "cat" }, { "der Hund", "", "", "dog" } });
    Engine.SetTestMode(1);
    Ask(0);
    EXPECT_TRUE(Engine.HintEnabled(true, TTestField::Response, false));
    EXPECT_FALSE(Engine.HintEnabled(false, TTestField::Response, false));
    EXPECT_FALSE(Engine.HintEnabled(true, TTestField::Response, true));
    EXPECT_FALSE(Engine.HintEnabled(true, TTestField::Enter, false));
    for (const TTestField field : { TTestField::None, TTestField::Choice, TTestField::Enter })
        EXPECT_EQ(ErrorOf([&] { Engine.Hint(field, ""); }), "Command unavailable.");
    EXPECT_FALSE(Engine.HintUsed());
    EXPECT_EQ(Engine.Hint(TTestField::Notes, "pl"), "pl.");
    EXPECT_TRUE(Engine.HintUsed());
    EXPECT_EQ(Engine.Hint(TTestField::Response, "die K"), "die Ka");
    Engine.SubmitTyped("die Katze", "pl. Katzen");
    EXPECT_FALSE(Engine.HintEnabled(true, TTestField::Response, false));
    EXPECT_EQ(ErrorOf([&] { Engine.Hint(TTestField::Response, ""); }), "Command unavailable.");

    // Notes that are not tested are only information; multiple choice has no field to fill.
    Ask(1);
    EXPECT_FALSE(Engine.HintUsed());
    EXPECT_EQ(ErrorOf([&] { Engine.Hint(TTestField::Notes, ""); }), "Command unavailable.");
    Engine.SetMultipleChoice(true);
    Ask(1);
    EXPECT_EQ(ErrorOf([&] { Engine.Hint(TTestField::Response, ""); }), "Command unavailable.");
}

TEST_F(TestEngineTest, MultipleChoiceJudgesByIdentityAndShowsOneEntry)
{
    Options.NumChoices = 5;
    // Two items with the same texts: only the one asked is right.
    Items({ { "Bank", "noun", "", "bank" }, { "Bank", "noun", "", "bank" } });
    Engine.SetMultipleChoice(true);
    const TQuestionView view = Ask(0);
    ASSERT_EQ(view.Choices.size(), 2u);
    EXPECT_EQ(Engine.Layout().ChoiceRows, 5);
    const TVocabItem* asked = &Doc.Items(0);
    const TVocabItem* other = &Doc.Items(1);
    EXPECT_FALSE(Engine.SubmitChoice(other).Right);
    TAnswerView answer = Engine.AnswerView();
    EXPECT_EQ(answer.ChoiceEntry, asked);
    EXPECT_EQ(answer.ChoiceColour, TTextColour::Wrong);
    Engine.ToggleAnswer();
    answer = Engine.AnswerView();
    EXPECT_EQ(answer.ChoiceEntry, other);
    EXPECT_EQ(answer.ChoiceColour, TTextColour::WindowText);

    Ask(0);
    EXPECT_FALSE(Engine.SubmitChoice(nullptr).Right);
    Engine.ToggleAnswer();
    EXPECT_EQ(Engine.AnswerView().ChoiceEntry, nullptr);
    Ask(0);
    EXPECT_TRUE(Engine.SubmitChoice(asked).Right);
    EXPECT_EQ(Engine.AnswerView().ChoiceColour, TTextColour::Right);
}

TEST_F(TestEngineTest, TypeAheadSkipsTheSortingPartAndPunctuation)
{
    Items({ { "der Hund", "", "", "dog" }, { "das Haus", "", "", "house" }, { "...Dach", "", "", "roof" },
        { "", "", "", "nothing" } });
    Doc.Items(0).SortingPosition = 4;
    Doc.Items(1).SortingPosition = 4;
    const TVocabItemArray entries { &Doc.Items(0), &Doc.Items(1), &Doc.Items(2), &Doc.Items(3) };
    Engine.SetMultipleChoice(true);
    Engine.SetTestMode(1);
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
        const char* Name;
        std::uint8_t ModeBefore;
        bool Testing;
        int Command; // 0, 1: direction; 2: multiple choice
        TTestAction Action;
        std::uint8_t ModeAfter;
        bool ChoiceAfter;
    } cases[] = {
        { "native while editing starts", 1, false, 0, TTestAction::Start, 0, false },
        { "foreign while testing foreign: nothing", 1, true, 1, TTestAction::None, 1, false },
        { "foreign while testing native refreshes", 0, true, 1, TTestAction::Refresh, 1, false },
        { "multiple choice while editing starts with it on", 0, false, 2, TTestAction::Start, 0, true },
        { "multiple choice while testing flips it", 0, true, 2, TTestAction::Refresh, 0, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Engine.SetTestMode(c.ModeBefore);
        Engine.SetMultipleChoice(false);
        const TTestAction action = c.Command == 2
            ? Engine.MultipleChoiceCommand(c.Testing)
            : Engine.DirectionCommand(static_cast<std::uint8_t>(c.Command), c.Testing);
        EXPECT_EQ(action, c.Action);
        EXPECT_EQ(Engine.TestMode(), c.ModeAfter);
        EXPECT_EQ(Engine.MultipleChoice(), c.ChoiceAfter);
    }
    Engine.SetTestMode(1);
    EXPECT_EQ(Engine.SwitchDirection(), TTestAction::Refresh);
    EXPECT_EQ(Engine.TestMode(), 0);
}

TEST_F(TestEngineTest, StatisticsFigures)
{
    TStatistics s = ReadStatistics(Doc);
    EXPECT_EQ(s.Progress, "0%");
    EXPECT_EQ(s.SuccessRate, "0%");
    EXPECT_FALSE(s.ResetEnabled);
    Items({ { "a", "", "", "x" }, { "b", "", "", "y" }, { "c", "", "", "z" } });
    Ask(0);
    Engine.SubmitTyped("x", "");
    s = ReadStatistics(Doc);
    EXPECT_EQ(s.Learnt, 1);
    EXPECT_EQ(s.Words, 3);
    EXPECT_EQ(s.Progress, "33%");
    EXPECT_TRUE(s.ResetEnabled);
    Ask(1);
    Engine.SubmitTyped("y", "");
    Ask(2);
    Engine.SubmitTyped("wrong", "");
    s = ReadStatistics(Doc);
    EXPECT_EQ(s.Progress, "67%");
    EXPECT_EQ(s.Successes, 2);
    EXPECT_EQ(s.Attempts, 3);
    EXPECT_EQ(s.SuccessRate, "67%");
}

} // namespace
