// The main window: construction, status bar, views, the idle command-state update.

#include "ui/MainWindow.h"

#include "core/BackgroundWriter.h"
#include "core/DisplayText.h"
#include "evaluation/Languages.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "testing/TestEngine.h"
#include "ui/CharEntryFilter.h"
#include "ui/DueCounter.h"
#include "ui/Keyboard.h"
#include "ui/QtText.h"
#include "ui/Recovery.h"
#include "ui/Sound.h"
#include "ui/Speaker.h"
#include "ui/TestPanel.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace {

constexpr const char* ProductName = "Velmoria";

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
        { 45, "100% mature", "Share of items learnt in the test" },
        { 45, "Modified", "Whether the list has changes not yet saved" },
        { 45, "00000 due \u00B7 0000 new", "Words due for review today in this direction" },
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
    dgVocab->Model()->SetToolTips([this](int row) { return LeechToolTip(row); });
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
    case QEvent::Paint:
        // The first picture is on its way: what it does not show (the due count) may start now.
        if (!Painted_ && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
            Painted_ = true;
            ScheduleUpdate();
        }
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

void TMainForm::ShowShare(std::int32_t learnt)
{
    // While a test runs its own figure counts; a review or the grid shows what reviews made.
    const bool test = WindowMode_ == wmTesting && !Reviewing();
    const std::size_t direction = WindowState_.TestMode == 1 ? 1 : 0;
    const TSharePanel share = SharePanel(learnt, Session_.Document().Count(),
        LastDue_ && !test ? std::optional((*LastDue_)[direction]) : std::nullopt);
    QLabel* panel = StatusPanels_[4];
    if (panel->text() != share.Text)
        panel->setText(share.Text);
    if (panel->toolTip() != share.Tip)
        panel->setToolTip(share.Tip);
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
    // Kept by the document as it changes: asking costs nothing however long the list.
    const std::int32_t learnt = document.LearntCount();
    // A review leaves the test's statistics alone: it counts its own answers.
    set(3,
        Reviewing()                       ? QStringLiteral("%1 reviewed").arg(ReviewQueue_->Reviewed())
            : WindowMode_ == wmTesting    ? QStringLiteral("%1 learnt").arg(learnt)
            : document.CurrentIndex() < 0 ? QStringLiteral("No row")
                                          : QStringLiteral("Row %1").arg(document.CurrentIndex() + 1));
    const QString currentTip = Reviewing() ? QStringLiteral("Answers given in this review")
        : WindowMode_ == wmTesting         ? QStringLiteral("Items learnt")
                                           : QStringLiteral("Current item");
    if (StatusPanels_[3]->toolTip() != currentTip)
        StatusPanels_[3]->setToolTip(currentTip);
    ShowShare(learnt);
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
