#include "testing/TestEngine.h"

#include "core/DisplayText.h"
#include "evaluation/TextUtils.h"
#include "evaluation/Translatable.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

namespace {

constexpr const char* InvalidProcedureCall = "Invalid procedure call.";

[[noreturn]] void Fail(const char* message)
{
    throw EVocabFileError(message);
}

} // namespace

TTestClock SteadyTestClock()
{
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
}

TTestClock SystemTestClock()
{
    return [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
}

TColour ColourOf(TTextColour role, const TOptions& options, TColour windowText)
{
    switch (role) {
    case TTextColour::Right:
        return options.ColourRight;
    case TTextColour::Wrong:
        return options.ColourWrong;
    case TTextColour::WindowText:
        break;
    }
    return windowText;
}

TStatistics ReadStatistics(const TVocabFile& document)
{
    TStatistics s;
    s.Learnt = document.LearntCount();
    s.Words = document.Count();
    s.Progress = PercentText(s.Learnt, s.Words);
    s.Successes = document.Successes();
    s.Attempts = document.Attempts();
    s.SuccessRate = PercentText(s.Successes, s.Attempts);
    s.ResetEnabled = s.Attempts > 0;
    return s;
}

TSaying EndOfTestMessage(const std::string& title, bool testing)
{
    return TSaying::Joined(
        { testing ? TSaying(VM_TRANSLATE_NOOP("Velmoria::Model", "Congratulations!")) : TSaying(),
            TSaying(VM_TRANSLATE_NOOP("Velmoria::Model",
                        "You have learnt all the vocabulary in %1.\nStatistics must be reset before testing "
                        "resumes..."),
                { title }) },
        "\n\n");
}

bool RecordedResult(bool answerCorrect, bool hintUsed, bool disallowHints)
{
    return answerCorrect && !(hintUsed && disallowHints);
}

std::int32_t PenaltyMaximum(const TOptions& options)
{
    // A damaged store could hold a negative maximum, which the document refuses.
    return options.UsePenaltyPoints ? std::max(options.MaxPenaltyPoints, 0) : 0;
}

std::string HintText(std::string_view expected, std::string_view typed)
{
    std::size_t same = 0;
    while (same < expected.size() && same < typed.size() && expected[same] == typed[same])
        ++same;
    return std::string(expected.substr(0, std::min(same + 1, expected.size())));
}

TTestEngine::TTestEngine(TVocabFile& document, const TOptions& options)
    : Document_(document)
    , Options_(options)
{
}

void TTestEngine::ForgetPassed()
{
    PassedVerdict_.clear();
    PassedForeign_.clear();
    PassedNative_.clear();
}

void TTestEngine::DropQuestionIf(bool changed)
{
    if (changed) {
        Asked_ = nullptr;
        Answered_ = false;
        ForgetPassed();
    }
}

void TTestEngine::SetTestMode(std::uint8_t mode)
{
    const std::uint8_t wanted = mode == 0 ? 0 : 1;
    DropQuestionIf(wanted != TestMode_);
    TestMode_ = wanted;
}

void TTestEngine::SetMultipleChoice(bool on)
{
    DropQuestionIf(on != MultipleChoice_);
    MultipleChoice_ = on;
}

void TTestEngine::SetReview(TReviewQueue* queue)
{
    DropQuestionIf(queue != Review_);
    Review_ = queue;
}

TTestAction TTestEngine::DirectionCommand(std::uint8_t mode, bool testing)
{
    const bool same = TestMode_ == (mode == 0 ? 0 : 1);
    SetTestMode(mode);
    if (!testing)
        return TTestAction::Start;
    return same ? TTestAction::None : TTestAction::Refresh;
}

TTestAction TTestEngine::MultipleChoiceCommand(bool testing)
{
    SetMultipleChoice(!testing || !MultipleChoice_);
    return testing ? TTestAction::Refresh : TTestAction::Start;
}

bool TTestEngine::NextQuestion(bool testing, const std::function<void(const TSaying& message)>& onAllLearnt)
{
    Asked_ = nullptr;
    if (Review_ != nullptr) {
        const int index = Review_->NextIndex();
        if (index >= 0 && index < Document_.Count()) {
            // A review of both directions turns each card its own way; nothing is on screen to drop.
            TestMode_ = Review_->Direction();
            // The current item is no part of the list's contents: choosing it changes nothing to save.
            Document_.SetCurrentIndex(index);
            return true;
        }
        ForgetPassed();
        if (onAllLearnt)
            onAllLearnt(Review_->ClosingMessage());
        return false;
    }
    if (SelectNext())
        return true;
    // The test ends here: the next test starts without the last one's verdict.
    ForgetPassed();
    // An empty list has learnt nothing: there is no end of a test to announce.
    if (Document_.Count() == 0)
        return false;
    if (onAllLearnt)
        onAllLearnt(EndOfTestMessage(DisplayTitle(Document_.FileName()), testing));
    return SelectNext();
}

bool TTestEngine::SelectNext()
{
    const std::int32_t next = NextItem_.Choose(Document_);
    if (next < 0)
        return false;
    Document_.SetCurrentIndex(next);
    return true;
}

TTestLayout TTestEngine::Layout() const
{
    TTestLayout layout;
    const bool foreign = TestMode_ == 1;
    layout.AnswerLabel = foreign ? VM_TRANSLATE_NOOP("Velmoria::Model", "Word/phrase:")
                                 : VM_TRANSLATE_NOOP("Velmoria::Model", "Translations:");
    layout.AnswerLanguage = AnswerLanguage();
    layout.AnswerTag = foreign ? ForeignLanguageTag : NativeLanguageTag;
    layout.MultipleChoice = MultipleChoice_;
    layout.NotesFirst = !foreign;
    layout.ChoiceRows = Options_.NumChoices;
    return layout;
}

const TVocabItem& TTestEngine::Current() const
{
    if (Asked_ == nullptr)
        Fail(InvalidProcedureCall);
    return *Asked_;
}

TQuestionView TTestEngine::ShowQuestion()
{
    const TVocabItem& item = Document_.CurrentItem();
    // A question asked while the last one's result was on screen (or skipped by automatic
    // continuation) may meet the key that answered or continued that one.
    FollowsAnswer_ = Answered_;
    QuestionShownAt_ = Clock_ ? Clock_() : 0;
    Asked_ = &item;
    const bool foreign = TestMode_ == 1;
    TestNotes_ = !item.FieldValue(fiNotes).empty()
        && (foreign ? Options_.TestNotesActive : Options_.TestNotesPassive) && !MultipleChoice_;
    Answered_ = false;
    HintUsed_ = false;
    ResponseCorrect_ = NotesCorrect_ = AnswerCorrect_ = false;
    ResponseMatch_ = TAnswerMatch::None;
    Typo_.reset();
    UserResponse_.clear();
    UserNotes_.clear();
    SelectedChoice_ = nullptr;
    ShowingUserAnswer_ = false;

    TQuestionView view;
    view.Item = &item;
    view.QuestionForeignSide = !foreign;
    view.QuestionShowsNotes = MultipleChoice_;
    view.QuestionText = std::string(item.FieldValue(foreign ? fiNative : fiForeign));
    view.QuestionLanguage = foreign ? Document_.NativeLangID() : Document_.ForeignLangID();
    view.TestNotes = TestNotes_;
    view.Category = std::string(item.FieldValue(fiCategory));
    view.NotesReadOnly = !TestNotes_;
    if (!TestNotes_)
        view.NotesText = std::string(item.FieldValue(fiNotes));
    if (MultipleChoice_) {
        Document_.GetChoices(view.Choices, std::max(Options_.NumChoices, 1));
        view.Focus = TTestField::Choice;
    } else {
        view.Focus = !foreign && TestNotes_ ? TTestField::Notes : TTestField::Response;
    }
    view.PassedVerdict = std::exchange(PassedVerdict_, {});
    view.PassedForeign = std::exchange(PassedForeign_, {});
    view.PassedNative = std::exchange(PassedNative_, {});
    Question_ = view;
    return view;
}

std::string_view TTestEngine::ChoiceText(const TVocabItem& item) const
{
    return item.FieldValue(TestMode_ == 1 ? fiForeign : fiNative);
}

std::int32_t TTestEngine::ChoiceForNumberKey(char key, std::int32_t entries)
{
    if (key < '1' || key > '9')
        return -1;
    const std::int32_t entry = key - '1';
    return entry < entries ? entry : -1;
}

std::string_view TTestEngine::ExpectedAnswer() const
{
    return ChoiceText(Current());
}

LangId TTestEngine::AnswerLanguage() const
{
    return TestMode_ == 1 ? Document_.ForeignLangID() : Document_.NativeLangID();
}

EvaluationFlags TTestEngine::AnswerFlags() const
{
    return EffectiveFlags(TestMode_ == 1 ? Options_.ForeignEvaluation : Options_.NativeEvaluation,
        Options_.EnglishEvaluation, AnswerLanguage());
}

const EvaluationDelimiters& TTestEngine::AnswerDelimiters() const
{
    return TestMode_ == 1 ? Options_.ForeignDelimiters : Options_.NativeDelimiters;
}

void TTestEngine::EvaluateResponse()
{
    const TVocabItem& item = Current();
    Typo_.reset();
    if (MultipleChoice_) {
        AnswerCorrect_ = SelectedChoice_ != nullptr && SelectedChoice_ == &item;
        ResponseCorrect_ = AnswerCorrect_;
        ResponseMatch_ = AnswerCorrect_ ? TAnswerMatch::Exact : TAnswerMatch::None;
        NotesCorrect_ = true;
        return;
    }
    ResponseMatch_ = MatchAnswerAccents(
        ExpectedAnswer(), UserResponse_, AnswerLanguage(), AnswerFlags(), AnswerDelimiters());
    const bool acceptAccents = TestMode_ == 1 ? Options_.ForeignAccents : Options_.NativeAccents;
    ResponseCorrect_
        = ResponseMatch_ == TAnswerMatch::Exact || (ResponseMatch_ == TAnswerMatch::Accents && acceptAccents);
    // Only what every other rule refused may be a typo.
    if (!ResponseCorrect_ && (TestMode_ == 1 ? Options_.ForeignTypos : Options_.NativeTypos)) {
        Typo_
            = FindTypo(ExpectedAnswer(), UserResponse_, AnswerLanguage(), AnswerFlags(), AnswerDelimiters());
        ResponseCorrect_ = Typo_.has_value();
    }
    NotesCorrect_ = true;
    if (TestNotes_)
        NotesCorrect_ = MatchAnswer(item.FieldValue(fiNotes), UserNotes_, Document_.NativeLangID(),
            NotesEvaluation, Options_.NativeDelimiters);
    AnswerCorrect_ = ResponseCorrect_ && NotesCorrect_;
}

TAnswerOutcome TTestEngine::SubmitTyped(std::string response, std::string notes)
{
    if (MultipleChoice_)
        Fail(InvalidProcedureCall);
    UserResponse_ = std::move(response);
    UserNotes_ = std::move(notes);
    return Submit();
}

TAnswerOutcome TTestEngine::SubmitChoice(const TVocabItem* selected)
{
    if (!MultipleChoice_)
        Fail(InvalidProcedureCall);
    SelectedChoice_ = selected;
    return Submit();
}

TAnswerOutcome TTestEngine::Submit()
{
    // Once per question, and only while the question's item is still the document's current one.
    if (Answered_ || Asked_ == nullptr || Document_.CurrentIndex() < 0 || &Document_.CurrentItem() != Asked_)
        Fail(InvalidProcedureCall);
    EvaluateResponse();
    TAnswerOutcome outcome;
    outcome.Right = AnswerCorrect_;
    outcome.RecordedCorrect = RecordedResult(AnswerCorrect_, HintUsed_, Options_.DisallowHints);
    if (Review_ != nullptr) {
        const std::int64_t elapsed = Clock_ ? Clock_() - QuestionShownAt_ : 0;
        Review_->SetHintCountsAsWrong(Options_.DisallowHints);
        Review_->Answered(Document_.CurrentIndex(), AnswerCorrect_, HintUsed_, WallClock_ ? WallClock_() : 0,
            static_cast<std::int32_t>(
                std::clamp<std::int64_t>(elapsed, 0, std::numeric_limits<std::int32_t>::max())),
            // Almost right: the card is rated Hard, not failed.
            TypoAccepted() ? std::optional(TRating::Hard) : std::nullopt);
    } else {
        NextItem_.RecordAnswer(Document_, outcome.RecordedCorrect, PenaltyMaximum(Options_));
    }
    outcome.ContinueAtOnce = AnswerCorrect_ && Options_.AutoContinue;
    ShowingUserAnswer_ = false;
    if (outcome.ContinueAtOnce) {
        PassedVerdict_ = AnswerView().Verdict;
        PassedForeign_ = std::string(Current().FieldValue(fiForeign));
        PassedNative_ = std::string(Current().FieldValue(fiNative));
    }
    if (!AnswerCorrect_ && Options_.Delay > 0)
        outcome.DelayMs = static_cast<std::int32_t>(std::min<std::int64_t>(
            std::int64_t { Options_.Delay } * 1000, std::numeric_limits<std::int32_t>::max()));
    Answered_ = true;
    return outcome;
}

bool TTestEngine::AnswerKeyAccepted(bool autoRepeat) const
{
    if (autoRepeat)
        return false;
    return !FollowsAnswer_ || !Clock_ || Clock_() - QuestionShownAt_ >= AnswerKeyGraceMs;
}

TAnswerView TTestEngine::AnswerView() const
{
    const TVocabItem& item = Current();
    TAnswerView view;
    const bool onlyAccents = ResponseMatch_ == TAnswerMatch::Accents;
    if (AnswerCorrect_)
        //: The verdict on an answer
        view.Verdict = Typo_ ? VM_TRANSLATE_NOOP("Velmoria::Model", "Almost! One letter differs.")
            : onlyAccents    ? VM_TRANSLATE_NOOP("Velmoria::Model", "Right! Check the accents.")
                             : VM_TRANSLATE_NOOP("Velmoria::Model", "Right!");
    else
        // Wrong notes beside it: the accents are not all there is to look at.
        view.Verdict = onlyAccents && NotesCorrect_
            ? VM_TRANSLATE_NOOP("Velmoria::Model", "Wrong! Only the accents differ.")
            : VM_TRANSLATE_NOOP("Velmoria::Model", "Wrong!");
    view.Tick = AnswerCorrect_;
    view.ToggleEnabled = !AnswerCorrect_;
    view.ShowingUserAnswer = ShowingUserAnswer_;
    view.ToggleCaption = ShowingUserAnswer_ ? VM_TRANSLATE_NOOP("Velmoria::Model", "Correct &Answer")
                                            : VM_TRANSLATE_NOOP("Velmoria::Model", "Your &Answer");
    const auto verdict = [](bool right) { return right ? TTextColour::Right : TTextColour::Wrong; };
    if (MultipleChoice_) {
        view.ChoiceEntry = ShowingUserAnswer_ ? SelectedChoice_ : &item;
        view.ChoiceColour = ShowingUserAnswer_ ? TTextColour::WindowText : verdict(AnswerCorrect_);
        return view;
    }
    if (ShowingUserAnswer_) {
        view.Response = { UserResponse_, TTextColour::WindowText, true };
        if (TestNotes_)
            view.Notes = TFieldView { UserNotes_, TTextColour::WindowText, true };
        if (!ResponseCorrect_ || onlyAccents) {
            TMarkedAnswer marked = MarkAnswer(
                ExpectedAnswer(), UserResponse_, AnswerLanguage(), AnswerFlags(), AnswerDelimiters());
            // An answer wrong only in its accents is always worth marking, however short the word.
            if (onlyAccents || IsNearMiss(marked))
                view.ResponseMarks = std::move(marked.Marks);
        }
    } else {
        view.Response = { std::string(ExpectedAnswer()), verdict(ResponseCorrect_), true };
        // Right but for its accents: the toggle is off, so the differences show at once.
        if (Typo_)
            view.ResponseMarks = TypoMarks(*Typo_, UserResponse_);
        else if (ResponseCorrect_ && onlyAccents)
            view.ResponseMarks = MarkAnswer(
                ExpectedAnswer(), UserResponse_, AnswerLanguage(), AnswerFlags(), AnswerDelimiters())
                                     .Marks;
        if (TestNotes_)
            view.Notes = TFieldView { std::string(item.FieldValue(fiNotes)), verdict(NotesCorrect_), true };
    }
    return view;
}

void TTestEngine::ToggleAnswer()
{
    if (Answered_ && !AnswerCorrect_)
        ShowingUserAnswer_ = !ShowingUserAnswer_;
}

bool TTestEngine::HintEnabled(bool testing, TTestField focus, bool fieldReadOnly) const
{
    if (!testing || Answered_ || MultipleChoice_ || Asked_ == nullptr || fieldReadOnly)
        return false;
    return focus == TTestField::Response || (focus == TTestField::Notes && TestNotes_);
}

std::string TTestEngine::Hint(TTestField field, std::string_view typed)
{
    if (!HintEnabled(true, field, false))
        throw EVocabFileError(CommandUnavailable);
    const std::string_view expected
        = field == TTestField::Notes ? Current().FieldValue(fiNotes) : ExpectedAnswer();
    HintUsed_ = true;
    return HintText(expected, typed);
}

std::int32_t TTestEngine::ChoiceTypeAhead(
    const TVocabItemArray& entries, std::int32_t selected, char typed) const
{
    const auto n = static_cast<std::int32_t>(entries.size());
    if (n == 0)
        return -1;
    if (selected < -1 || selected >= n)
        selected = -1;
    const LangId lang = Document_.ForeignLangID();
    const std::string key = LowerCaseLocale(std::string_view(&typed, 1), lang);
    for (std::int32_t k = 1; k <= n; ++k) {
        const std::int32_t idx = (selected + k) % n;
        const TVocabItem* entry = entries[static_cast<std::size_t>(idx)];
        if (entry == nullptr)
            continue;
        const std::string_view word = entry->FieldValue(fiForeign);
        const auto skip
            = static_cast<std::size_t>(std::clamp<std::int64_t>(entry->SortingPosition, 0, word.size()));
        const std::string rest = RemovePunctuation(word.substr(skip), lang, true);
        if (!rest.empty() && LowerCaseLocale(rest.substr(0, 1), lang) == key)
            return idx;
    }
    return -1;
}
