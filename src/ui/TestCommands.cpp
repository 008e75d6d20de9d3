#include "ui/TestCommands.h"

#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "testing/TestEngine.h"
#include "ui/EditCommands.h"
#include "ui/MainWindow.h"
#include "ui/ReviewFeature.h"
#include "ui/Sound.h"
#include "ui/StatisticsDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/TestPanel.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

TTestCommands::TTestCommands(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    const auto canTest = [&form] { return form.CanTest(); };
    const auto testing = [&form] { return form.WindowMode() == wmTesting; };
    const TCommandRow rows[] = {
        { "miTestStartTesting", QT_TRANSLATE_NOOP("Commands", "Start &Testing"),
            QKeySequence(Qt::CTRL | Qt::Key_T),
            QT_TRANSLATE_NOOP("Commands", "Starts or stops vocabulary testing"), "test", 2400,
            { TMenuId::Test, 10, 60, "tbStartTesting" }, [this] { StartTesting(); }, canTest,
            [&form, testing] { return testing() && !form.Review().Queue(); },
            // The caption and the tip say what the command will do.
            [testing](QAction& action) {
                const QString caption = testing() ? tr("Stop &Testing") : tr("Start &Testing");
                if (action.text() != caption)
                    action.setText(caption);
                const QString tip = ToolBarHint(
                    caption, action.shortcut().toString(QKeySequence::NativeText), action.statusTip())
                                        .section(QLatin1Char('|'), 0, 0);
                if (action.toolTip() != tip)
                    action.setToolTip(tip);
            } },
        { "miTestPassive", QT_TRANSLATE_NOOP("Commands", "Into &Native Language"),
            QKeySequence(Qt::CTRL | Qt::Key_E),
            QT_TRANSLATE_NOOP("Commands", "Asks for the translations of the foreign words"), "passive", 2401,
            { TMenuId::Test, 20, 70, "tbPassive" }, [this] { Passive(); }, canTest,
            [this, testing] { return testing() && Engine().TestMode() == 0; } },
        { "miTestActive", QT_TRANSLATE_NOOP("Commands", "Into &Foreign Language"),
            QKeySequence(Qt::CTRL | Qt::Key_L),
            QT_TRANSLATE_NOOP("Commands", "Asks for the foreign words of the translations"), "active", 2402,
            { TMenuId::Test, 21, 71, "tbActive" }, [this] { Active(); }, canTest,
            [this, testing] { return testing() && Engine().TestMode() == 1; } },
        { "miTestMultipleChoice", QT_TRANSLATE_NOOP("Commands", "&Multiple Choice"),
            QKeySequence(Qt::CTRL | Qt::Key_M),
            QT_TRANSLATE_NOOP("Commands", "Chooses each answer from a list"), "choice", 2403,
            { TMenuId::Test, 30, 80, "tbMultipleChoice" }, [this] { MultipleChoice(); }, canTest,
            [this, testing] { return testing() && Engine().MultipleChoice(); } },
        { "miTestHint", QT_TRANSLATE_NOOP("Commands", "&Hint"), QKeySequence(Qt::CTRL | Qt::Key_H),
            QT_TRANSLATE_NOOP("Commands", "Reveals the correct answer letter by letter"), "hint", 2404,
            { TMenuId::Test, 40, 90, "tbHint" }, [this] { Hint(); },
            [this, &form, testing] {
                return testing()
                    && Engine().HintEnabled(
                        true, form.TestPanel()->FocusedField(), form.TestPanel()->FocusedFieldReadOnly());
            } },
        { "miTestStatistics", QT_TRANSLATE_NOOP("Commands", "&Statistics..."), QKeySequence(Qt::Key_F9),
            QT_TRANSLATE_NOOP("Commands", "Shows how much has been learnt and resets the statistics"),
            "statistics", 2405, { TMenuId::Test, 41, 91, "tbStatistics" }, [this] { Statistics(); },
            [&form] { return form.ListShown(); } },
    };
    form.AddCommands(rows);

    TTestPanel* panel = form.TestPanel();
    Sound_ = MakeSoundPlayer();
    panel->SetSoundPlayer(Sound_.get());
    connect(panel, &TTestPanel::ContinueRequested, this,
        [this] { Form_.RunCommand([this] { ContinueTest(); }); });
    connect(panel, &TTestPanel::EditItemRequested, this,
        [this] { Form_.RunCommand([this] { EditFromQuestion(); }); });
}

TTestCommands::~TTestCommands() = default;

void TTestCommands::SetSoundPlayer(std::unique_ptr<ISoundPlayer> player)
{
    Sound_ = std::move(player);
    Form_.TestPanel()->SetSoundPlayer(Sound_.get());
}

void TTestCommands::SetClock(std::function<std::int64_t()> clock)
{
    Clock_ = std::move(clock);
    if (Engine_ && Clock_)
        Engine_->SetClock(Clock_);
}

TTestEngine& TTestCommands::Engine()
{
    // A new document (Open, New) gets a new engine; the direction and mode live on in the
    // window's state, which is what the settings store keeps.
    if (!Engine_ || &Engine_->Document() != &Session_.Document()) {
        Form_.TestPanel()->SetEngine(nullptr);
        Engine_ = std::make_unique<TTestEngine>(Session_.Document(), Session_.Settings.Options);
        Engine_->SetTestMode(static_cast<std::uint8_t>(Form_.WindowState().TestMode));
        Engine_->SetMultipleChoice(Form_.WindowState().MultipleChoice);
        if (Clock_)
            Engine_->SetClock(Clock_);
    }
    return *Engine_;
}

void TTestCommands::EndEngine()
{
    Form_.TestPanel()->SetEngine(nullptr);
    Form_.TestPanel()->timAnswer->stop();
    Engine_.reset();
}

bool TTestCommands::NextQuestion()
{
    return Engine().NextQuestion(Form_.WindowMode() == wmTesting, [this](const TSaying& message) {
        // A review's closing message is all: the list's statistics have no part in it.
        if (Form_.Review().Queue()) {
            Form_.Review().Finished(message);
            return;
        }
        ShowMessageBox(SayingText(message), QString(), QMessageBox::Ok, QMessageBox::Information);
        Statistics();
    });
}

void TTestCommands::RefreshQuestion()
{
    if (!NextQuestion()) {
        Form_.SetWindowMode(wmEditing);
        return;
    }
    Form_.TestPanel()->LayoutTestPanel();
    Form_.TestPanel()->ShowQuestion();
}

void TTestCommands::ContinueTest()
{
    if (Form_.WindowMode() != wmTesting)
        return;
    if (NextQuestion()) {
        Form_.TestPanel()->ShowQuestion();
        return;
    }
    Form_.SetWindowMode(wmEditing);
    Form_.Review().NextDirection();
}

void TTestCommands::RunTestAction(TTestAction action)
{
    Form_.WindowState().TestMode = Engine().TestMode();
    Form_.WindowState().MultipleChoice = Engine().MultipleChoice();
    Form_.Review().AskDueSoon();
    // A review serves one direction: the other one has a queue of its own.
    if (!Form_.Review().FollowDirection())
        return;
    switch (action) {
    case TTestAction::Start:
        StartTesting();
        break;
    case TTestAction::Refresh:
        RefreshQuestion();
        break;
    case TTestAction::None:
        break;
    }
}

void TTestCommands::StartTesting()
{
    if (Form_.WindowMode() == wmTesting) {
        Form_.SetWindowMode(wmEditing);
        return;
    }
    if (Form_.WindowMode() == wmNone || Session_.Document().Count() == 0)
        return;
    if (NextQuestion())
        Form_.SetWindowMode(wmTesting);
}

void TTestCommands::Passive()
{
    if (Form_.CanTest())
        RunTestAction(Engine().DirectionCommand(0, Form_.WindowMode() == wmTesting));
}

void TTestCommands::Active()
{
    if (Form_.CanTest())
        RunTestAction(Engine().DirectionCommand(1, Form_.WindowMode() == wmTesting));
}

void TTestCommands::MultipleChoice()
{
    if (Form_.CanTest())
        RunTestAction(Engine().MultipleChoiceCommand(Form_.WindowMode() == wmTesting));
}

void TTestCommands::Hint()
{
    if (Form_.WindowMode() == wmTesting)
        Form_.TestPanel()->HintCommand();
}

void TTestCommands::Statistics()
{
    if (Form_.WindowMode() == wmNone)
        return;
    Form_.ClearCutMark();
    TStatisticsDialog dialog(&Form_, Session_.Document());
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    Session_.Document().ResetTestData();
    // No row may keep the learnt colour.
    if (Form_.WindowMode() == wmEditing)
        Form_.RefreshGrid();
    Form_.ScheduleUpdate();
}

void TTestCommands::EditFromQuestion()
{
    if (Form_.WindowMode() != wmTesting)
        return;
    Form_.SetWindowMode(wmEditing);
    Form_.Edit().EditCurrent();
}

bool TTestCommands::KeyFilter(QObject* watched, QEvent* event)
{
    // An open symbol picker takes every key of its box, Esc included.
    if (Form_.WindowMode() != wmTesting || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != &Form_ || PickerOpenIn(watched))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // The answer fields would take Ctrl+E, Ctrl+H and the like as editing keys; while a test
        // command is available its shortcut wins.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : Form_.CommandsIn(TMenuId::Test))
            if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
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
        Form_.RunCommand([this] {
            if (Form_.Review().Reviewing())
                Form_.Review().Stop();
            else
                Form_.SetWindowMode(wmEditing);
        });
        return true;
    }
    // Only exactly Ctrl: Ctrl+Shift+Tab and Ctrl+Alt+Tab are left alone.
    if (key->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier) {
        Form_.RunCommand([this] { RunTestAction(Engine().SwitchDirection()); });
        return true;
    }
    return false;
}
