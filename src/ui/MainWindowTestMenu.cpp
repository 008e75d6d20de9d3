// The main window's Test commands and the flow between questions; the panel presents a
// question and the engine decides.

#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "testing/TestEngine.h"
#include "ui/MainWindow.h"
#include "ui/ReviewBar.h"
#include "ui/Sound.h"
#include "ui/StatisticsDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

void TMainForm::CreateTestPanel()
{
    Sound_ = MakeSoundPlayer();
    pnlTest->SetSoundPlayer(Sound_.get());
    connect(pnlTest, &TTestPanel::AnswerRecorded, this, &TMainForm::ScheduleUpdate);
    connect(pnlTest, &TTestPanel::AnswerFailed, this, [this](const QString& message, bool passing) {
        RunCommand([this, message, passing] { passing ? AnswerNotKept(message) : ReviewFailed(message); });
    });
    connect(
        pnlTest, &TTestPanel::ContinueRequested, this, [this] { RunCommand([this] { ContinueTest(); }); });
    connect(pnlTest, &TTestPanel::EditItemRequested, this,
        [this] { RunCommand([this] { EditFromQuestion(); }); });
    connect(pnlTest, &TTestPanel::QuestionShown, this, [this] { UpdateReviewBar(); });
    connect(pnlTest, &TTestPanel::AnswerRecorded, this, [this] { UpdateReviewBar(); });
    connect(pnlTest->pnlReview, &TReviewBar::Rated, this,
        [this](TRating rating) { RunCommand([this, rating] { RateAnswer(rating); }); });
}

void TMainForm::SetSoundPlayer(std::unique_ptr<ISoundPlayer> player)
{
    Sound_ = std::move(player);
    pnlTest->SetSoundPlayer(Sound_.get());
}

void TMainForm::SetTestClock(std::function<std::int64_t()> clock)
{
    TestClock_ = std::move(clock);
    if (Engine_ && TestClock_)
        if (TestClock_)
            Engine_->SetClock(TestClock_);
}

TTestEngine& TMainForm::TestEngine()
{
    // A new document (Open, New) gets a new engine; the direction and mode live on in the
    // window's state, which is what the settings store keeps.
    if (!Engine_ || &Engine_->Document() != &Session_.Document()) {
        pnlTest->SetEngine(nullptr);
        Engine_ = std::make_unique<TTestEngine>(Session_.Document(), Session_.Settings.Options);
        Engine_->SetTestMode(static_cast<std::uint8_t>(WindowState_.TestMode));
        Engine_->SetMultipleChoice(WindowState_.MultipleChoice);
        if (TestClock_)
            Engine_->SetClock(TestClock_);
    }
    return *Engine_;
}

bool TMainForm::NextQuestion()
{
    return TestEngine().NextQuestion(WindowMode_ == wmTesting, [this](const std::string& message) {
        // A review's closing message is all: the list's statistics have no part in it.
        if (ReviewQueue_) {
            ReviewFinished(message);
            return;
        }
        ShowMessageBox(QString::fromStdString(message), QString(), QMessageBox::Ok, QMessageBox::Information);
        miTestStatisticsClick();
    });
}

void TMainForm::RefreshQuestion()
{
    if (!NextQuestion()) {
        SetWindowMode(wmEditing);
        return;
    }
    pnlTest->LayoutTestPanel();
    pnlTest->ShowQuestion();
}

void TMainForm::ContinueTest()
{
    if (WindowMode_ != wmTesting)
        return;
    if (NextQuestion()) {
        pnlTest->ShowQuestion();
        return;
    }
    SetWindowMode(wmEditing);
    ReviewNextDirection();
}

void TMainForm::RunTestAction(TTestAction action)
{
    WindowState_.TestMode = TestEngine().TestMode();
    WindowState_.MultipleChoice = TestEngine().MultipleChoice();
    // A review serves one direction: the other one has a queue of its own.
    if (Reviewing() && TestEngine().TestMode() != ReviewDirection_ && !StartReview())
        return;
    switch (action) {
    case TTestAction::Start:
        miTestStartTestingClick();
        break;
    case TTestAction::Refresh:
        RefreshQuestion();
        break;
    case TTestAction::None:
        break;
    }
}

void TMainForm::miTestStartTestingClick()
{
    if (WindowMode_ == wmTesting) {
        SetWindowMode(wmEditing);
        return;
    }
    if (WindowMode_ == wmNone || Session_.Document().Count() == 0)
        return;
    if (NextQuestion())
        SetWindowMode(wmTesting);
}

void TMainForm::miTestPassiveClick()
{
    if (WindowMode_ != wmNone && Session_.Document().Count() > 0)
        RunTestAction(TestEngine().DirectionCommand(0, WindowMode_ == wmTesting));
}

void TMainForm::miTestActiveClick()
{
    if (WindowMode_ != wmNone && Session_.Document().Count() > 0)
        RunTestAction(TestEngine().DirectionCommand(1, WindowMode_ == wmTesting));
}

void TMainForm::miTestMultipleChoiceClick()
{
    if (WindowMode_ != wmNone && Session_.Document().Count() > 0)
        RunTestAction(TestEngine().MultipleChoiceCommand(WindowMode_ == wmTesting));
}

void TMainForm::miTestHintClick()
{
    if (WindowMode_ == wmTesting)
        pnlTest->HintCommand();
}

void TMainForm::miTestStatisticsClick()
{
    if (WindowMode_ == wmNone)
        return;
    ClearCutMark();
    TStatisticsDialog dialog(this, Session_.Document());
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    Session_.Document().ResetTestData();
    // No row may keep the learnt colour.
    if (WindowMode_ == wmEditing)
        RefreshGrid();
    ScheduleUpdate();
}

void TMainForm::EditFromQuestion()
{
    if (WindowMode_ != wmTesting)
        return;
    SetWindowMode(wmEditing);
    miEditEditClick();
}

bool TMainForm::TestKeyFilter(QObject* watched, QEvent* event)
{
    // An open symbol picker takes every key of its box, Esc included.
    if (WindowMode_ != wmTesting || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != this || PickerOpenIn(watched))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // The answer fields would take Ctrl+E, Ctrl+H and the like as editing keys; while a test
        // command is available its shortcut wins.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : { miTestStartTesting, miTestReview, miTestPassive, miTestActive,
                 miTestMultipleChoice, miTestHint, miTestStatistics })
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Escape) {
        RunCommand([this] {
            if (Reviewing())
                StopReview();
            else
                SetWindowMode(wmEditing);
        });
        return true;
    }
    // Only exactly Ctrl: Ctrl+Shift+Tab and Ctrl+Alt+Tab are left alone.
    if (key->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier) {
        RunCommand([this] { RunTestAction(TestEngine().SwitchDirection()); });
        return true;
    }
    return false;
}
