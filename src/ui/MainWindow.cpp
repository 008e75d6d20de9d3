// The main window: construction, views, the idle command-state update.

#include "ui/MainWindow.h"

#include "app/FileDialogs.h"
#include "app/MessageBox.h"
#include "app/Recovery.h"
#include "core/BackgroundWriter.h"
#include "core/DisplayText.h"
#include "evaluation/Languages.h"
#include "testing/TestEngine.h"
#include "ui/CharEntryFilter.h"
#include "ui/HelpRequest.h"
#include "ui/Keyboard.h"
#include "ui/QtText.h"
#include "ui/Sound.h"
#include "ui/Speaker.h"
#include "ui/TestPanel.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace {

constexpr const char* ProductName = "Velmoria";
// The one topic of the numbered recent files, which are not rows of the command tables.
constexpr int RecentFileHelp = 2008;

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// The sunken, empty work space shown while no list is open.
class TWorkSpace : public QFrame {
public:
    explicit TWorkSpace(QWidget* parent)
        : QFrame(parent)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
        setPalette(palette);
    }
};

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

void ReportException(const std::exception& error)
{
    ShowMessageBox(QString::fromUtf8(error.what()), Q(ProductName), QMessageBox::Ok, QMessageBox::Critical);
}

// Resources of a static library must be registered by hand; outside any namespace.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

TMainForm::TMainForm(std::unique_ptr<ISettingsStore> store)
    : OwnSession_(std::make_unique<TSession>())
    , Session_(*OwnSession_)
    , Store_(std::move(store))
{
    Create();
}

TMainForm::TMainForm(TSession& session, std::unique_ptr<ISettingsStore> store)
    : Session_(session)
    , Store_(std::move(store))
{
    Create();
}

void TMainForm::Create()
{
    InitResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Q(ProductName));
    resize(640, 480);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePrintCommands();
    CreateFindActions();
    CreateHelpCommands();
    CreateReviewCommands();
    CreateStatusBar();
    CreateViews();
    CreateSpeechCommands();

    IdleTimer_ = new QTimer(this);
    IdleTimer_->setSingleShot(true);
    IdleTimer_->setInterval(0);
    connect(IdleTimer_, &QTimer::timeout, this, &TMainForm::UpdateCommandState);
    // Besides the commands, what the rules read: the focus (Hint), the clipboard (Paste), and the
    // document and selection (connected where they change).
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::ScheduleUpdate);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::ScheduleUpdate);
    // An open menu shows the state of this moment.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::UpdateCommandState);
    qApp->installEventFilter(this);
    CreateRecovery();
    // Installed last, so it sees every key before the handlers above.
    CharEntry_ = new TCharEntryFilter(Session_.Settings.Options, this, this);
    qApp->installEventFilter(CharEntry_);

    LoadWindowSettings();
    ApplyDisplayFont();
    SetWindowMode(wmNone);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    // The children outlive this part of the window: their last signals must not reach it.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    QObject::disconnect(dgVocab->selectionModel(), nullptr, this, nullptr);
    QObject::disconnect(dgVocab, nullptr, this, nullptr);
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

void TMainForm::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbrStatusBar"));
    // Panel 0 is the status bar's message area, where command hints appear; it takes what the
    // others leave and never pushes them.
    StatusPanels_[0] = new QLabel(bar);
    StatusPanels_[0]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(StatusPanels_[0], 1);
    // Widths at 96 dots per inch, scaled to the screen, and never narrower than the longest text
    // a panel shows in this font: fixed, so the group never moves as the texts change.
    const double scale = bar->logicalDpiX() / 96.0;
    const struct {
        int Width;
        const char* Longest;
        const char* Tip;
    } panels[] = {
        { 60, "Mm - Mm", "Foreign and native language" },
        { 45, "0000000 items", "Number of items" },
        { 45, "0000000 learnt", "Current item" },
        { 45, "100% learnt", "Share of items learnt" },
        { 45, "Modified", "Whether the list has changes not yet saved" },
        { 45, "0000000 due", "Words due for review today in this direction" },
    };
    for (int i = 1; i <= 6; ++i) {
        const auto& design = panels[i - 1];
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        const int textRoom = panel->fontMetrics().horizontalAdvance(Q(design.Longest))
            + 2 * panel->frameWidth() + panel->fontMetrics().averageCharWidth();
        panel->setFixedWidth(std::max(static_cast<int>(design.Width * scale + 0.5), textRoom));
        panel->setToolTip(Q(design.Tip));
        bar->addPermanentWidget(panel);
        StatusPanels_[static_cast<std::size_t>(i)] = panel;
    }
    // The labelled panels need their room. The main window does not honour the bar's size hint,
    // and the hint falls short of the gaps the bar's layout puts around the panels: an explicit
    // minimum with that margin keeps the window from squeezing the panels over each other.
    int room = bar->minimumSizeHint().width();
    for (int i = 1; i <= 6; ++i)
        room += bar->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing)
            + 2 * StatusPanels_[i]->frameWidth();
    bar->setMinimumWidth(room);
}

void TMainForm::CreateViews()
{
    Views_ = new QStackedWidget(this);
    pbWorkSpace = new TWorkSpace(Views_);
    pbWorkSpace->setObjectName(QStringLiteral("pbWorkSpace"));
    dgVocab = new TVocabGrid(Session_, Views_);
    dgVocab->setObjectName(QStringLiteral("dgVocab"));
    pnlTest = new TTestPanel(Session_.Settings, Views_);
    CreateTestPanel();
    Views_->addWidget(pbWorkSpace);
    Views_->addWidget(dgVocab);
    Views_->addWidget(pnlTest);
    setCentralWidget(Views_);
    connect(dgVocab, &TVocabGrid::ActivateItem, this, [this] {
        RunCommand([this] {
            if (Session_.Document().CurrentIndex() != -1)
                miEditEditClick();
            else
                miEditAddClick();
        });
    });
    connect(dgVocab, &TVocabGrid::ItemMoved, this, &TMainForm::ScheduleUpdate);
    connect(dgVocab, &TVocabGrid::CutMarkChanged, this, &TMainForm::ScheduleUpdate);
    // The selected row is the document's current item.
    connect(
        dgVocab->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TMainForm::ScheduleUpdate);
}

void TMainForm::SetWindowMode(TWindowMode mode)
{
    ClearCutMark();
    // Find works on the grid only; a test or a closed list must not leave it open.
    if (mode != wmEditing)
        HideSearchDialog();
    if (mode != wmTesting) {
        // Outside a test the engine holds nothing worth keeping; a new one follows the document.
        pnlTest->SetEngine(nullptr);
        pnlTest->timAnswer->stop();
        Engine_.reset();
        ReviewQueue_.reset();
    }
    switch (mode) {
    case wmEditing:
        Views_->setCurrentWidget(dgVocab);
        RefreshGrid();
        dgVocab->setFocus();
        break;
    case wmTesting:
        pnlTest->SetEngine(&TestEngine());
        Views_->setCurrentWidget(pnlTest);
        WindowMode_ = mode;
        pnlTest->LayoutTestPanel();
        pnlTest->ShowQuestion();
        break;
    case wmNone:
        Views_->setCurrentWidget(pbWorkSpace);
        break;
    }
    WindowMode_ = mode;
    UpdateCommandState();
}

void TMainForm::RefreshGrid()
{
    dgVocab->RefreshGrid();
    ScheduleUpdate();
}

void TMainForm::ApplyDisplayFont()
{
    dgVocab->ApplyDisplayFont();
    pnlTest->ApplyDisplayFont(dgVocab->Fonts());
    if (WindowMode_ == wmTesting)
        pnlTest->LayoutTestPanel();
}

void TMainForm::ClearCutMark()
{
    dgVocab->ClearCutMark();
}

void TMainForm::RunCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ReportException(error);
    }
    ScheduleUpdate();
}

void TMainForm::ScheduleUpdate()
{
    if (IdleTimer_ && !IdleTimer_->isActive())
        IdleTimer_->start();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (TestKeyFilter(watched, event))
        return true;
    // Windows coming and going change the state (the bars shown, the cut mark, the keyboard layout);
    // keys and clicks change it only through what they do, which schedules its own update.
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
        ScheduleUpdate();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && WindowMode_ == wmEditing) {
        ClearCutMark();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMainForm::UpdateCommandState()
{
    ++StateUpdates_;
    FollowDocument();
    UpdateCaption();
    UpdateRecentFileItems();

    for (const TCommandRule& rule : Commands_) {
        if (rule.enabled)
            rule.action->setEnabled(rule.enabled());
        if (rule.checked)
            rule.action->setChecked(rule.checked());
    }
    UpdateCommandCaptions();
    UpdateSpeechTips();

    if (ListShown())
        UpdateStatusPanels();
    if (QApplication::activeWindow() != this && isVisible())
        ClearCutMark();
    if (QApplication::activeWindow())
        (void)SwitchKeyboardLayout(Session_, false);
}

void TMainForm::UpdateCommandCaptions()
{
    const TVocabFile& document = Session_.Document();
    const TUndoKind undo = document.UndoKind();
    const TUndoKind redo = document.RedoKind();
    miEditUndo->setText(
        miEditUndo->isEnabled() ? QStringLiteral("&Undo ") + Q(UndoKindName(undo)) : QStringLiteral("&Undo"));
    miEditRedo->setText(
        miEditRedo->isEnabled() ? QStringLiteral("&Redo ") + Q(UndoKindName(redo)) : QStringLiteral("&Redo"));

    const bool testing = WindowMode_ == wmTesting;
    const QString caption = testing ? QStringLiteral("Stop &Testing") : QStringLiteral("Start &Testing");
    if (miTestStartTesting->text() != caption)
        miTestStartTesting->setText(caption);
    const QString tip = ToolBarHint(caption,
        miTestStartTesting->shortcut().toString(QKeySequence::NativeText), miTestStartTesting->statusTip())
                            .section(QLatin1Char('|'), 0, 0);
    if (miTestStartTesting->toolTip() != tip)
        miTestStartTesting->setToolTip(tip);
}

void TMainForm::UpdateCaption()
{
    const QString caption = WindowMode_ == wmNone
        ? Q(ProductName)
        : ShownFileName(DisplayTitle(Session_.Document().FileName())) + QStringLiteral(" - ")
            + Q(ProductName);
    // No application display name is ever set: the platform would append it to every title.
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void TMainForm::UpdateRecentFileItems()
{
    const QFontMetrics metrics(menuBar()->font());
    const TTextWidth width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    for (std::size_t i = 0; i < miFileRecent.size(); ++i) {
        QAction* item = miFileRecent[i];
        const bool present = static_cast<std::int32_t>(i) < RecentFiles_.Count();
        if (present) {
            const std::string name
                = ShortenPath(DisplayName(RecentFiles_[static_cast<std::int32_t>(i)]), width, 200);
            // "&&" keeps an ampersand in a file name from becoming an accelerator.
            QString shown = QString::fromUtf8(name.c_str());
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            const QString caption = QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
            if (item->text() != caption)
                item->setText(caption);
        }
        item->setVisible(present);
    }
    miFileRecentSeparator->setVisible(RecentFiles_.Count() > 0);
}

void TMainForm::UpdateStatusPanels()
{
    const TVocabFile& document = Session_.Document();
    const auto set = [this](int panel, const QString& text) {
        QLabel* label = StatusPanels_[static_cast<std::size_t>(panel)];
        if (label->text() != text)
            label->setText(text);
    };
    set(1,
        Q(std::string(FindLanguage(document.ForeignLangID()).Code).c_str()) + QStringLiteral(" - ")
            + Q(std::string(FindLanguage(document.NativeLangID()).Code).c_str()));
    // Each count says what it counts: bare numbers side by side explain nothing.
    set(2,
        document.Count() == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(document.Count()));
    // One walk over the items per update; updates follow changes, not keys, so a huge list stays quick.
    const std::int32_t learnt = document.LearntCount();
    set(3,
        WindowMode_ == wmTesting          ? QStringLiteral("%1 learnt").arg(learnt)
            : document.CurrentIndex() < 0 ? QStringLiteral("No row")
                                          : QStringLiteral("Row %1").arg(document.CurrentIndex() + 1));
    const QString currentTip
        = WindowMode_ == wmTesting ? QStringLiteral("Items learnt") : QStringLiteral("Current item");
    if (StatusPanels_[3]->toolTip() != currentTip)
        StatusPanels_[3]->setToolTip(currentTip);
    set(4, QString::fromStdString(PercentText(learnt, document.Count())) + QStringLiteral(" learnt"));
    set(5,
        document.Modified() ? QStringLiteral("Modified")
                            : (document.FileName().empty() ? QString() : QStringLiteral("Saved")));
    UpdateDuePanel();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (EndedBySignal_) {
        event->accept(); // all was done then
        return;
    }
    bool mayClose = false;
    RunCommand([&] { mayClose = SaveQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    SaveWindowSettings();
    CloseHelp();
    // A normal close: nothing is left to recover.
    EndRecovery();
    event->accept();
}
