// The main window's command table: the commands of the File, Edit, Test and View menus as rows,
// how a row becomes an action, and the menus and tool bar that show them. The other menus' rows
// are in the files of their concern.

#include "qtsupport/HelpRequest.h"
#include "testing/TestEngine.h"
#include "ui/MainWindow.h"
#include "ui/TestPanel.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The one topic of the numbered recent files, which are not rows of the command tables.
constexpr int RecentFileHelp = 2008;

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

QString ToolBarHint(const QString& caption, const QString& shortcut, const QString& hint)
{
    QString text = caption;
    text.remove(QLatin1Char('&'));
    text.remove(QLatin1Char('.'));
    if (!shortcut.isEmpty())
        text += QStringLiteral(" - ") + shortcut;
    return text + QLatin1Char('|') + hint;
}

void TMainForm::CreateAction(const TActionEntry& entry, const std::optional<QKeySequence>& shown)
{
    auto* action = new QAction(Q(entry.caption), this);
    action->setObjectName(Q(entry.name));
    action->setShortcut(entry.shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setStatusTip(Q(entry.hint));
    const QString hint = ToolBarHint(
        action->text(), shown.value_or(entry.shortcut).toString(QKeySequence::NativeText), Q(entry.hint));
    action->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    if (entry.icon)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(Q(entry.icon))));
    // For F1 on an open menu.
    SetHelpContext(action, entry.help);
    action->setCheckable(static_cast<bool>(entry.checked));
    // The rule is asked again at the moment the command runs: a shortcut may come before the
    // state caught up with a change.
    const auto run
        = entry.slot ? std::function<void()>([this, slot = entry.slot] { (this->*slot)(); }) : entry.run;
    connect(action, &QAction::triggered, this, [this, run, enabled = entry.enabled] {
        if (enabled && !enabled())
            ScheduleUpdate();
        else
            RunCommand(run);
    });
    Commands_.push_back({ action, entry.enabled, entry.checked });
    *entry.action = action;
}

bool TMainForm::HasCurrentItem() const
{
    return WindowMode_ == wmEditing && Session_.Document().CurrentIndex() != -1;
}

bool TMainForm::CanTest() const
{
    return WindowMode_ != wmNone && Session_.Document().Count() > 0;
}

void TMainForm::CreateActions()
{
    const auto shown = [this] { return ListShown(); };
    const auto editing = [this] { return Editing(); };
    const auto hasCurrent = [this] { return HasCurrentItem(); };
    const auto canTest = [this] { return CanTest(); };
    const TActionEntry entries[] = {
        { &miFileNew, "miFileNew", "&New...", QKeySequence(Qt::CTRL | Qt::Key_N), "Creates a new file", "new",
            2000, &TMainForm::miFileNewClick },
        { &miFileOpen, "miFileOpen", "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O), "Opens an existing file",
            "open", 2001, &TMainForm::miFileOpenClick },
        { &miFileSave, "miFileSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), "Saves the current file",
            "save", 2003, &TMainForm::miFileSaveClick, shown },
        { &miFileSaveAs, "miFileSaveAs", "Save &As...", QKeySequence(),
            "Saves the current file with a different name", nullptr, 2004, &TMainForm::miFileSaveAsClick,
            shown },
        { &miFileProperties, "miFileProperties", "P&roperties...", QKeySequence(),
            "Shows and changes the properties of the current file", nullptr, 2005,
            &TMainForm::miFilePropertiesClick, shown },
        { &miFileExit, "miFileExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), "Quits the program",
            nullptr, 2009, &TMainForm::miFileExitClick },
        { &miEditUndo, "miEditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), "Reverses an action",
            "undo", 2100, &TMainForm::miEditUndoClick,
            [this] { return Editing() && Session_.Document().UndoKind() != ukNone; } },
        { &miEditRedo, "miEditRedo", "&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), "Repeats an action", "redo",
            2101, &TMainForm::miEditRedoClick,
            [this] { return Editing() && Session_.Document().RedoKind() != ukNone; } },
        { &miEditAdd, "miEditAdd", "&Add...", QKeySequence(Qt::Key_Insert), "Adds a new item", "add", 2105,
            &TMainForm::miEditAddClick, editing },
        { &miEditEdit, "miEditEdit", "&Edit...", QKeySequence(Qt::Key_F2), "Modifies the selected item",
            "edit", 2106, &TMainForm::miEditEditClick, hasCurrent },
        { &miEditDelete, "miEditDelete", "&Delete", QKeySequence(Qt::Key_Delete), "Deletes the selected item",
            "delete", 2107, &TMainForm::miEditDeleteClick, hasCurrent },
        { &miEditMoveUp, "miEditMoveUp", "&Move Up", QKeySequence(Qt::CTRL | Qt::Key_U),
            "Moves the selected item up", "up", 2108, &TMainForm::miEditMoveUpClick,
            [this] { return HasCurrentItem() && Session_.Document().CurrentIndex() > 0; } },
        { &miEditMoveDown, "miEditMoveDown", "M&ove Down", QKeySequence(Qt::CTRL | Qt::Key_D),
            "Moves the selected item down", "down", 2109, &TMainForm::miEditMoveDownClick,
            [this] {
                return HasCurrentItem()
                    && Session_.Document().CurrentIndex() < Session_.Document().Count() - 1;
            } },
        { &miEditShuffle, "miEditShuffle", "S&huffle", QKeySequence(), "Arranges items in a random order",
            "shuffle", 2111, &TMainForm::miEditShuffleClick, editing },
        { &miTestStartTesting, "miTestStartTesting", "Start &Testing", QKeySequence(Qt::CTRL | Qt::Key_T),
            "Starts or stops vocabulary testing", "test", 2400, &TMainForm::miTestStartTestingClick, canTest,
            [this] { return WindowMode_ == wmTesting && !ReviewQueue_; } },
        { &miTestPassive, "miTestPassive", "Into &Native Language", QKeySequence(Qt::CTRL | Qt::Key_E),
            "Asks for the translations of the foreign words", "passive", 2401, &TMainForm::miTestPassiveClick,
            canTest, [this] { return WindowMode_ == wmTesting && TestEngine().TestMode() == 0; } },
        { &miTestActive, "miTestActive", "Into &Foreign Language", QKeySequence(Qt::CTRL | Qt::Key_L),
            "Asks for the foreign words of the translations", "active", 2402, &TMainForm::miTestActiveClick,
            canTest, [this] { return WindowMode_ == wmTesting && TestEngine().TestMode() == 1; } },
        { &miTestMultipleChoice, "miTestMultipleChoice", "&Multiple Choice",
            QKeySequence(Qt::CTRL | Qt::Key_M), "Chooses each answer from a list", "choice", 2403,
            &TMainForm::miTestMultipleChoiceClick, canTest,
            [this] { return WindowMode_ == wmTesting && TestEngine().MultipleChoice(); } },
        { &miTestHint, "miTestHint", "&Hint", QKeySequence(Qt::CTRL | Qt::Key_H),
            "Reveals the correct answer letter by letter", "hint", 2404, &TMainForm::miTestHintClick,
            [this] {
                return WindowMode_ == wmTesting
                    && TestEngine().HintEnabled(
                        true, pnlTest->FocusedField(), pnlTest->FocusedFieldReadOnly());
            } },
        { &miTestStatistics, "miTestStatistics", "&Statistics...", QKeySequence(Qt::Key_F9),
            "Shows how much has been learnt and resets the statistics", "statistics", 2405,
            &TMainForm::miTestStatisticsClick, shown },
        { &miViewToolBar, "miViewToolBar", "&Tool Bar", QKeySequence(), "Shows or hides the Tool Bar",
            nullptr, 2300, &TMainForm::miViewToolBarClick, {},
            [this] { return tbrToolBar->isVisible() || (!isVisible() && WindowState_.ShowToolBar); } },
        { &miViewStatusBar, "miViewStatusBar", "&Status Bar", QKeySequence(), "Shows or hides the Status Bar",
            nullptr, 2301, &TMainForm::miViewStatusBarClick, {},
            [this] { return statusBar()->isVisible() || (!isVisible() && WindowState_.ShowStatusBar); } },
        { &miViewFont, "miViewFont", "&Font...", QKeySequence(), "Changes the display font", nullptr, 2302,
            &TMainForm::miViewFontClick },
        { &miViewOptions, "miViewOptions", "&Options...", QKeySequence(Qt::Key_F12),
            "Changes program settings", nullptr, 2303, &TMainForm::miViewOptionsClick },
    };
    for (const auto& entry : entries)
        CreateAction(entry);
    for (std::size_t i = 0; i < miFileRecent.size(); ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("miFileRecent%1").arg(i + 1));
        action->setData(static_cast<int>(i));
        SetHelpContext(action, RecentFileHelp);
        connect(action, &QAction::triggered, this,
            [this, i] { RunCommand([this, i] { miFileRecentClick(static_cast<int>(i)); }); });
        miFileRecent[i] = action;
    }
}

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("miFile"));
    file->addAction(miFileNew);
    file->addAction(miFileOpen);
    file->addAction(miFileSave);
    file->addAction(miFileSaveAs);
    file->addSeparator();
    file->addAction(miFileProperties);
    file->addSeparator();
    for (QAction* recent : miFileRecent)
        file->addAction(recent);
    miFileRecentSeparator = file->addSeparator();
    file->addAction(miFileExit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("miEdit"));
    edit->setStatusTip(QStringLiteral("Commands for editing vocabulary"));
    edit->addAction(miEditUndo);
    edit->addAction(miEditRedo);
    edit->addSeparator();
    edit->addAction(miEditAdd);
    edit->addAction(miEditEdit);
    edit->addAction(miEditDelete);
    edit->addSeparator();
    edit->addAction(miEditMoveUp);
    edit->addAction(miEditMoveDown);
    edit->addSeparator();
    edit->addAction(miEditShuffle);

    QMenu* test = menuBar()->addMenu(QStringLiteral("&Test"));
    test->setObjectName(QStringLiteral("miTest"));
    test->setStatusTip(QStringLiteral("Commands for testing vocabulary"));
    test->addAction(miTestStartTesting);
    test->addSeparator();
    test->addAction(miTestPassive);
    test->addAction(miTestActive);
    test->addSeparator();
    test->addAction(miTestMultipleChoice);
    test->addSeparator();
    test->addAction(miTestHint);
    test->addAction(miTestStatistics);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("miView"));
    view->setStatusTip(QStringLiteral("Display settings and program options"));
    view->addAction(miViewToolBar);
    view->addAction(miViewStatusBar);
    view->addSeparator();
    view->addAction(miViewFont);
    view->addAction(miViewOptions);
}

void TMainForm::CreateToolBar()
{
    tbrToolBar = addToolBar(QStringLiteral("Tool Bar"));
    tbrToolBar->setObjectName(QStringLiteral("tbrToolBar"));
    tbrToolBar->setMovable(false);
    tbrToolBar->setIconSize(QSize(20, 20));
    tbrToolBar->addAction(miFileNew);
    tbrToolBar->addAction(miFileOpen);
    tbrToolBar->addAction(miFileSave);
    tbrToolBar->addSeparator();
    tbrToolBar->addAction(miEditUndo);
    tbrToolBar->addAction(miEditRedo);
    tbrToolBar->addSeparator();
    tbrToolBar->addAction(miEditAdd);
    tbrToolBar->addAction(miEditEdit);
    tbrToolBar->addAction(miEditDelete);
    const auto addButton = [this](QAction* action, const char* name) {
        tbrToolBar->addAction(action);
        tbrToolBar->widgetForAction(action)->setObjectName(Q(name));
    };
    tbrToolBar->addSeparator();
    addButton(miTestStartTesting, "tbStartTesting");
    tbrToolBar->addSeparator();
    addButton(miTestPassive, "tbPassive");
    addButton(miTestActive, "tbActive");
    tbrToolBar->addSeparator();
    addButton(miTestMultipleChoice, "tbMultipleChoice");
    tbrToolBar->addSeparator();
    addButton(miTestHint, "tbHint");
    addButton(miTestStatistics, "tbStatistics");
}
