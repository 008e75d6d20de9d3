#pragma once
// The decisions of a test: which item to ask, how to present it, whether the answer is right,
// what is recorded, what the answered panel shows, hints, the choice list and the statistics.
// It reports what to show and never shows anything; the test panel and the terminal drill
// present its views.
//
// How a front end drives it:
//   start:     if (engine.NextQuestion(false, onAllLearnt)) { enter testing; view = engine.ShowQuestion(); }
//   answer:    (a key answers only when engine.AnswerKeyAccepted(autoRepeat))
//              outcome = engine.SubmitTyped(response, notes) or engine.SubmitChoice(item);
//              play outcome.Right's sound; if (outcome.ContinueAtOnce) continue, else show
//              engine.AnswerView() and hold Continue disabled for outcome.DelayMs;
//   toggle:    engine.ToggleAnswer(); show engine.AnswerView() again;
//   continue:  if (engine.NextQuestion(true, onAllLearnt)) view = engine.ShowQuestion(); else stop;
//   refresh:   after SetTestMode/SetMultipleChoice while testing: as continue, the old question
//              is dropped unrecorded.
// onAllLearnt receives the end-of-test message; it shows it and opens the statistics dialog,
// which may reset the test data; NextQuestion then tries once more.
//
// In review mode (SetReview) the questions are the review queue's and each verdict is recorded
// in its history before Submit returns; the list's test data are never touched. At the end
// onAllLearnt receives the queue's closing message and NextQuestion returns false.

#include "core/VocabFile.h"
#include "evaluation/Translatable.h"
#include "review/ReviewQueue.h"
#include "settings/Settings.h"
#include "testing/AnswerMarks.h"
#include "testing/NextItem.h"
#include "testing/Typos.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Milliseconds on a steady clock; the engine dates each question with it.
using TTestClock = std::function<std::int64_t()>;
TTestClock SteadyTestClock();
// Milliseconds since 1970 on the system clock: when a review answer was given.
TTestClock SystemTestClock();
// How long after a question follows an answered one a key press still belongs to that answer.
inline constexpr std::int64_t AnswerKeyGraceMs = 500;

// The two answer fields and everything else that can hold the focus.
enum class TTestField : std::uint8_t { None, Response, Notes, Choice, Enter };

// Colours as roles; the options say which colour each role is.
enum class TTextColour : std::uint8_t { WindowText, Right, Wrong };
TColour ColourOf(TTextColour role, const TOptions& options, TColour windowText);

// Language tags of the answer fields: which keyboard layout the field asks for.
inline constexpr int ForeignLanguageTag = -1;
inline constexpr int NativeLanguageTag = -2;

// What LayoutTestPanel needs for the current direction and mode.
struct TTestLayout {
    std::string AnswerLabel; // "Word/phrase:" (into the foreign language) or "Translations:"
    LangId AnswerLanguage = 0; // its code page and character set
    int AnswerTag = NativeLanguageTag;
    bool MultipleChoice = false; // the choice list instead of the notes and the response
    bool NotesFirst = false; // the notes above the response and first in tab order (into the native language)
    std::int32_t ChoiceRows = 5; // rows the choice list shows exactly
};

// What ShowQuestion presents for the current item.
struct TQuestionView {
    const TVocabItem* Item = nullptr;
    // The question as PaintItemText draws it: the item, from which side, with or without notes.
    bool QuestionForeignSide = true; // true into the native language
    bool QuestionShowsNotes = false; // in multiple choice, where the notes panel is hidden
    std::string QuestionText; // the plain question text (Foreign into native, Native into foreign)
    LangId QuestionLanguage = 0;
    bool TestNotes = false;
    std::string Category; // shown, never asked
    // The notes field: empty and editable when the notes are tested; otherwise read-only,
    // showing the item's notes as information.
    std::string NotesText;
    bool NotesReadOnly = true;
    TTestField Focus = TTestField::Response;
    TVocabItemArray Choices; // the choice list in order, multiple choice only
    // After automatic continuation: the verdict of the question just passed and its item's two
    // sides, so a right answer leaves a trace; empty verdict otherwise.
    std::string PassedVerdict;
    std::string PassedForeign, PassedNative;
};

// What the engine decided for one submitted answer.
struct TAnswerOutcome {
    bool Right = false; // AnswerCorrect: the verdict shown and the sound played
    bool RecordedCorrect = false; // after the hint rule
    bool ContinueAtOnce = false; // AutoContinue after a right answer: no verdict is shown
    std::int32_t DelayMs = 0; // Continue stays disabled this long (wrong answers only)
};

// One answer field of the answered panel.
struct TFieldView {
    std::string Text;
    TTextColour Colour = TTextColour::WindowText;
    bool ReadOnly = true;
};

// What ShowResult and ShowAnswer present.
struct TAnswerView {
    // "Right!" or "Wrong!"; "Right! Check the accents." or "Wrong! Only the accents differ." when
    // the typed response differs only in its accents; "Almost! One letter differs." for a typo.
    std::string Verdict;
    bool Tick = false; // tick image when true, cross otherwise
    bool ToggleEnabled = false; // only after a wrong answer
    std::string ToggleCaption; // "Correct &Answer" while the user's answer shows, else "Your &Answer"
    bool ShowingUserAnswer = false;
    std::string EnterCaption = VM_TRANSLATE_NOOP("Velmoria::Model", "Continue");
    TTestField Focus = TTestField::Enter;
    // Typed answers.
    TFieldView Response;
    std::optional<TFieldView> Notes; // only when the notes were tested
    // Where the typed response went wrong, while the user's answer shows after a wrong typed
    // response that is a near miss, or beside the correct answer after one right only but for its
    // accents or a typo (then just the one letter: TypoMarks); empty otherwise.
    std::vector<TAnswerMark> ResponseMarks;
    // Multiple choice: the one entry of the disabled list (none: empty list) and its colour.
    const TVocabItem* ChoiceEntry = nullptr;
    TTextColour ChoiceColour = TTextColour::WindowText;
};

// What a direction or mode command asks the front end to do after changing the state.
enum class TTestAction : std::uint8_t { None, Start, Refresh };

// The figures of the statistics dialog.
struct TStatistics {
    std::int32_t Learnt = 0;
    std::int32_t Words = 0;
    TSaying Progress; // PercentText(Learnt, Words)
    std::int32_t Successes = 0;
    std::int32_t Attempts = 0;
    TSaying SuccessRate; // PercentText(Successes, Attempts)
    bool ResetEnabled = false; // resetting is offered only when there are attempts to reset
};
TStatistics ReadStatistics(const TVocabFile& document);

// "You have learnt all the vocabulary in TITLE.\nStatistics must be reset before testing
// resumes...", with "Congratulations!\n\n" in front while testing. title is DisplayTitle's.
TSaying EndOfTestMessage(const std::string& title, bool testing);
// The recorded result: a right answer after a hint counts as wrong with DisallowHints.
bool RecordedResult(bool answerCorrect, bool hintUsed, bool disallowHints);
// The penalty maximum handed to RecordAnswer: MaxPenaltyPoints, or 0 without penalty points.
std::int32_t PenaltyMaximum(const TOptions& options);
// The hint: the part of typed that agrees with expected (exact bytes), plus the next expected
// character; expected whole once typed reaches it.
std::string HintText(std::string_view expected, std::string_view typed);
// The message of a hint asked for where there is no answer field.
inline constexpr const char* CommandUnavailable
    = VM_TRANSLATE_NOOP("Velmoria::Model", "Command unavailable.");

class TTestEngine {
public:
    // The engine reads the options at every call, so option changes apply at once.
    TTestEngine(TVocabFile& document, const TOptions& options);
    void SetClock(TTestClock clock) { Clock_ = std::move(clock); }
    // The time review answers are recorded with (a pinned calendar day moves it, see OnDay).
    void SetWallClock(TTestClock clock) { WallClock_ = std::move(clock); }
    // Review mode with the queue (not owned; it outlives its use here); nullptr: the classic test.
    // Either change drops the question on screen.
    void SetReview(TReviewQueue* queue);
    TReviewQueue* Review() const { return Review_; }

    // ---- State
    std::uint8_t TestMode() const { return TestMode_; } // 0 into the native language, 1 into the foreign
    // A change of direction or mode drops the question on screen: it cannot be answered any more.
    void SetTestMode(std::uint8_t mode); // 0 or 1; anything else is taken as 1
    bool MultipleChoice() const { return MultipleChoice_; }
    void SetMultipleChoice(bool on);
    bool Answered() const { return Answered_; }
    bool HintUsed() const { return HintUsed_; }
    bool TestNotes() const { return TestNotes_; }
    bool ResponseCorrect() const { return ResponseCorrect_; }
    // How the typed response met the expected answer; Accents when only its accents differ,
    // which is right only with the side's "accept answers that differ only in accents".
    TAnswerMatch ResponseMatch() const { return ResponseMatch_; }
    // After a typo verdict for the question on screen: the response was taken for right as a typo
    // of Typo()->Form (the side's "count a single wrong letter as a typo") and the notes were right.
    bool TypoAccepted() const { return Asked_ != nullptr && AnswerCorrect_ && Typo_.has_value(); }
    const std::optional<TTypo>& Typo() const { return Typo_; }
    bool NotesCorrect() const { return NotesCorrect_; }
    bool AnswerCorrect() const { return AnswerCorrect_; }
    const std::string& UserResponse() const { return UserResponse_; }
    const std::string& UserNotes() const { return UserNotes_; }
    const TVocabItem* SelectedChoice() const { return SelectedChoice_; }
    bool ShowingUserAnswer() const { return ShowingUserAnswer_; }
    TVocabFile& Document() { return Document_; }
    const TOptions& Settings() const { return Options_; }

    // ---- Commands (Start/Stop is the front end's; these say what follows)
    // "Into &Native Language" (0) / "Into &Foreign Language" (1).
    TTestAction DirectionCommand(std::uint8_t mode, bool testing);
    // "&Multiple Choice".
    TTestAction MultipleChoiceCommand(bool testing);
    // Ctrl+Tab while testing: the direction command for the other direction.
    TTestAction SwitchDirection() { return DirectionCommand(TestMode_ == 1 ? 0 : 1, true); }

    // ---- The flow
    // Chooses the next item and makes it current. When every item is learnt, onAllLearnt gets
    // the end-of-test message (with "Congratulations!" while testing) and may reset the test
    // data; then one more choice decides. False: nothing can be asked.
    bool NextQuestion(bool testing, const std::function<void(const TSaying& message)>& onAllLearnt);
    TTestLayout Layout() const;
    // Starts the current item's question: clears Answered, HintUsed and the results, decides
    // TestNotes and fills the choice list.
    TQuestionView ShowQuestion();
    // The current question's view again (after a change of font, say), without refilling.
    const TQuestionView& Question() const { return Question_; }

    // ---- Answering (once per question; a second call before the next question raises)
    // Whether an answering key (Return, a choice number) pressed now answers the question on
    // screen. A held key's repeats never do, nor does a press within AnswerKeyGraceMs of a
    // question that followed an answered one: it was meant for that answer or its Continue.
    bool AnswerKeyAccepted(bool autoRepeat) const;
    TAnswerOutcome SubmitTyped(std::string response, std::string notes);
    TAnswerOutcome SubmitChoice(const TVocabItem* selected);
    // The evaluation alone, on the state's UserResponse, UserNotes and SelectedChoice.
    void EvaluateResponse();
    TAnswerView AnswerView() const;
    // Swaps between the correct answer and the user's answer (only after a wrong answer).
    void ToggleAnswer();

    // ---- Hints
    // Whether the hint command is enabled for the focused field.
    bool HintEnabled(bool testing, TTestField focus, bool fieldReadOnly) const;
    // The field's new text (caret at its end); marks the question as hinted. Raises
    // EVocabFileError(CommandUnavailable) for any field but the response and the notes.
    std::string Hint(TTestField field, std::string_view typed);

    // ---- Multiple choice
    // Whether a letter typed in the choice list goes to ChoiceTypeAhead (into the foreign
    // language only; otherwise the list's own handling applies).
    bool TypeAheadApplies() const { return MultipleChoice_ && TestMode_ == 1; }
    // The entry a typed character (a byte in the foreign code page) selects: the next entry
    // after selected (-1: none selected) whose word, without the part sorting skips and
    // without punctuation and spaces, begins with it, case ignored; -1 keeps the selection.
    std::int32_t ChoiceTypeAhead(const TVocabItemArray& entries, std::int32_t selected, char typed) const;
    // The text of a choice entry: Foreign into the foreign language, Native into the native.
    std::string_view ChoiceText(const TVocabItem& item) const;
    // The entry a number key ('1' to '9') answers with, -1 for any other key or a number beyond
    // the entries.
    static std::int32_t ChoiceForNumberKey(char key, std::int32_t entries);

    // ---- The answer side of the current direction
    std::string_view ExpectedAnswer() const;
    LangId AnswerLanguage() const;
    EvaluationFlags AnswerFlags() const; // the side's flags plus the English ones for English
    const EvaluationDelimiters& AnswerDelimiters() const;

private:
    TAnswerOutcome Submit();
    bool SelectNext();
    void DropQuestionIf(bool changed);
    void ForgetPassed();
    const TVocabItem& Current() const;

    TVocabFile& Document_;
    const TOptions& Options_;
    TQuestionView Question_;
    const TVocabItem* Asked_ = nullptr;
    std::uint8_t TestMode_ = 0;
    bool MultipleChoice_ = false;
    bool Answered_ = false;
    bool HintUsed_ = false;
    bool TestNotes_ = false;
    bool ResponseCorrect_ = false;
    TAnswerMatch ResponseMatch_ = TAnswerMatch::None;
    std::optional<TTypo> Typo_; // the response's typo, when it was taken for right as one
    bool NotesCorrect_ = false;
    bool AnswerCorrect_ = false;
    std::string UserResponse_;
    std::string UserNotes_;
    const TVocabItem* SelectedChoice_ = nullptr;
    bool ShowingUserAnswer_ = false;
    TTestClock Clock_ = SteadyTestClock();
    TTestClock WallClock_ = SystemTestClock();
    TReviewQueue* Review_ = nullptr;
    TNextTestItem NextItem_;
    std::int64_t QuestionShownAt_ = 0;
    bool FollowsAnswer_ = false; // the question on screen came after an answered one
    // An answer continued at once, for the next question to show.
    std::string PassedVerdict_, PassedForeign_, PassedNative_;
};
