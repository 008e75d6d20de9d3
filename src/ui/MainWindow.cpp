// The main window's frame: construction, status bar, views, the window mode and the idle update.

#include "ui/MainWindow.h"

#include "core/DisplayText.h"
#include "evaluation/Languages.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "qtsupport/QtSettingsStore.h"
#include "ui/Accessible.h"
#include "ui/CharEntryFilter.h"
#include "ui/DueCounter.h"
#include "ui/EditCommands.h"
#include "ui/FileCommands.h"
#include "ui/FindCommands.h"
#include "ui/HelpFeature.h"
#include "ui/ImportCommands.h"
#include "ui/Keyboard.h"
#include "ui/PrintCommands.h"
#include "ui/RecoveryFeature.h"
#include "ui/ReviewFeature.h"
#include "ui/SpeechFeature.h"
#include "ui/TestCommands.h"
#include "ui/TestPanel.h"
#include "ui/VocabGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace {

// The one of two texts that needs more room, for a panel that shows either.
QString Wider(const QFontMetrics& metrics, const QString& one, const QString& other)
{
    return metrics.horizontalAdvance(one) >= metrics.horizontalAdvance(other) ? one : other;
}

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
        // A role, not a colour taken now: it follows a palette installed later.
        setBackgroundRole(QPalette::Dark);
    }
};

} // namespace

void ReportException(const std::exception& error)
{
    ShowMessageBox(ErrorText(error), Q(ProductName), QMessageBox::Ok, QMessageBox::Critical);
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
    , Commands_(
          *this, [this](const std::function<void()>& command) { RunCommand(command); },
          [this] { ScheduleUpdate(); })
{
    Create();
}

TMainForm::TMainForm(TSession& session, std::unique_ptr<ISettingsStore> store)
    : Session_(session)
    , Store_(std::move(store))
    , Commands_(
          *this, [this](const std::function<void()>& command) { RunCommand(command); },
          [this] { ScheduleUpdate(); })
{
    Create();
}

void TMainForm::Create()
{
    InitResources();
    // Read before any part is made, so each starts with the learner's choices (the grid's font
    // sought once, not the default's first).
    LoadSettings(*Store_, QtSettingsEnvironment(), Session_.Settings, WindowState_);
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Q(ProductName));
    resize(640, 480);
    ToolBar_ = addToolBar(tr("Tool Bar"));
    ToolBar_->setObjectName(QStringLiteral("tbrToolBar"));
    NameToolBarExtension(ToolBar_);
    ToolBar_->setMovable(false);
    ToolBar_->setIconSize(QSize(20, 20));
    CreateStatusBar();
    CreateViews();

    Help_ = std::make_unique<THelpFeature>(*this);
    Recovery_ = std::make_unique<TRecoveryFeature>(*this);
    File_ = std::make_unique<TFileCommands>(*this);
    Edit_ = std::make_unique<TEditCommands>(*this);
    Find_ = std::make_unique<TFindCommands>(*this);
    Import_ = std::make_unique<TImportCommands>(*this);
    Print_ = std::make_unique<TPrintCommands>(*this);
    Test_ = std::make_unique<TTestCommands>(*this);
    Review_ = std::make_unique<TReviewFeature>(*this);
    Speech_ = std::make_unique<TSpeechFeature>(*this);
    CreateMenus();
    Caption_ = std::make_unique<TSubscription>(
        Session_.Changes(), mcFileName | mcMode, [this](std::uint32_t) { UpdateCaption(); });

    IdleTimer_ = new QTimer(this);
    IdleTimer_->setSingleShot(true);
    IdleTimer_->setInterval(0);
    connect(IdleTimer_, &QTimer::timeout, this, &TMainForm::UpdateCommandState);
    // Besides the commands, what the rules read: the focus (Hint), the clipboard (Paste), and the
    // document and selection (connected where they change). The keyboard layout follows the focus.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        ScheduleUpdate();
        if (QApplication::activeWindow())
            (void)SwitchKeyboardLayout(Session_, false);
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::ScheduleUpdate);
    // An open menu shows the state of this moment.
    for (QMenu* menu : Commands_.Menus())
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::UpdateCommandState);
    qApp->installEventFilter(this);
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
    QObject::disconnect(Grid_->selectionModel(), nullptr, this, nullptr);
    QObject::disconnect(Grid_, nullptr, this, nullptr);
    QObject::disconnect(TestPanel_, nullptr, this, nullptr);
}

std::optional<int> TMainForm::StartUp(const TCommandLine& commandLine)
{
    return File_->StartUp(commandLine);
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
    constexpr int Most = 8888888;
    TDueCounts mature;
    mature.Cards = 1;
    mature.Mature = Most;
    TDueCounts due;
    due.Due = 88888;
    due.New = 8888;
    const struct {
        int Width;
        QString Longest;
        QString Tip;
    } panels[] = {
        { 60, QStringLiteral("Mm - Mm"), tr("Foreign and native language") },
        { 45, tr("%Ln item(s)", nullptr, Most), tr("Number of items") },
        { 45, tr("%L1 learnt").arg(Most), tr("Current item") },
        { 45, SharePanel(Most, Most, mature).Text, tr("Share of items learnt in the test") },
        { 45, Wider(bar->fontMetrics(), tr("Modified"), tr("Saved")),
            tr("Whether the list has changes not yet saved") },
        { 45, DueText(due), tr("Words due for review today in this direction") },
    };
    for (int i = 1; i <= 6; ++i) {
        const auto& design = panels[i - 1];
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        const int textRoom = panel->fontMetrics().horizontalAdvance(design.Longest) + 2 * panel->frameWidth()
            + panel->fontMetrics().averageCharWidth();
        panel->setFixedWidth(std::max(static_cast<int>(design.Width * scale + 0.5), textRoom));
        panel->setToolTip(design.Tip);
        bar->addPermanentWidget(panel);
        StatusPanels_[static_cast<std::size_t>(i)] = panel;
    }
    // The labelled panels need their room. The main window does not honour the bar's size hint,
    // and the hint falls short of the gaps the bar's layout puts around the panels: an explicit
    // minimum with that margin keeps the window from squeezing the panels over each other.
    int room = bar->minimumSizeHint().width();
    for (int i = 1; i <= 6; ++i)
        room += bar->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing)
            + 2 * StatusPanels_[static_cast<std::size_t>(i)]->frameWidth();
    bar->setMinimumWidth(room);
    // A message or a command's hint takes the whole bar while it shows: beside the panels the
    // longer hints would be cut off.
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
        for (std::size_t i = 1; i < StatusPanels_.size(); ++i)
            StatusPanels_[i]->setVisible(message.isEmpty());
    });
}

void TMainForm::CreateViews()
{
    Views_ = new QStackedWidget(this);
    WorkSpace_ = new TWorkSpace(Views_);
    WorkSpace_->setObjectName(QStringLiteral("pbWorkSpace"));
    Grid_ = new TVocabGrid(Session_, Views_);
    Grid_->setObjectName(QStringLiteral("dgVocab"));
    TestPanel_ = new TTestPanel(Session_.Settings, Views_);
    Views_->addWidget(WorkSpace_);
    Views_->addWidget(Grid_);
    Views_->addWidget(TestPanel_);
    setCentralWidget(Views_);
    connect(Grid_, &TVocabGrid::ItemMoved, this, &TMainForm::ScheduleUpdate);
    connect(Grid_, &TVocabGrid::CutMarkChanged, this, &TMainForm::ScheduleUpdate);
    // The selected row is the document's current item.
    connect(
        Grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TMainForm::ScheduleUpdate);
    connect(TestPanel_, &TTestPanel::AnswerRecorded, this, &TMainForm::ScheduleUpdate);
}

void TMainForm::SetWindowMode(TWindowMode mode)
{
    ClearCutMark();
    // Find works on the grid only; a test or a closed list must not leave it open.
    if (mode != wmEditing)
        Find_->HideSearchDialog();
    if (mode != wmTesting) {
        // Outside a test the engine holds nothing worth keeping; a new one follows the document.
        Test_->EndEngine();
        Review_->EndQueue();
    }
    switch (mode) {
    case wmEditing:
        Views_->setCurrentWidget(Grid_);
        RefreshGrid();
        Grid_->setFocus();
        break;
    case wmTesting:
        ApplyPanelFont();
        TestPanel_->SetEngine(&Test_->Engine());
        Views_->setCurrentWidget(TestPanel_);
        Session_.SetMode(mode);
        TestPanel_->LayoutTestPanel();
        TestPanel_->ShowQuestion();
        break;
    case wmNone:
        Views_->setCurrentWidget(WorkSpace_);
        break;
    }
    Session_.SetMode(mode);
    UpdateCommandState();
}

void TMainForm::RefreshGrid()
{
    Grid_->RefreshGrid();
    ScheduleUpdate();
}

void TMainForm::ApplyDisplayFont()
{
    Grid_->ApplyDisplayFont();
    // The test panel's fonts are as many again, and the first picture never shows the panel: at
    // start-up it takes them once that picture is up, or when a test begins before.
    PanelFontPending_ = true;
    if (Painted_ || WindowMode() == wmTesting)
        ApplyPanelFont();
}

void TMainForm::ApplyPanelFont()
{
    if (!PanelFontPending_)
        return;
    PanelFontPending_ = false;
    TestPanel_->ApplyDisplayFont(Grid_->Fonts());
    if (WindowMode() == wmTesting)
        TestPanel_->LayoutTestPanel();
}

void TMainForm::ClearCutMark()
{
    Grid_->ClearCutMark();
}

bool TMainForm::HasCurrentItem() const
{
    return WindowMode() == wmEditing && Session_.Document().CurrentIndex() != -1;
}

bool TMainForm::CanTest() const
{
    return WindowMode() != wmNone && Session_.Document().Count() > 0;
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
    if (Test_->KeyFilter(watched, event))
        return true;
    // Windows coming and going change the state (the bars shown); keys and clicks change it only
    // through what they do, which schedules its own update.
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
        // Another window in front ends a cut: the mark would wait unseen for a paste.
        if (QApplication::activeWindow() != this && isVisible())
            ClearCutMark();
        if (QApplication::activeWindow())
            (void)SwitchKeyboardLayout(Session_, false);
        ScheduleUpdate();
        break;
    case QEvent::Paint:
        // The first picture is on its way: what it does not show (the due count) may start now.
        if (!Painted_ && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
            Painted_ = true;
            Review_->AskDueSoon();
            QTimer::singleShot(0, this, [this] {
                ApplyPanelFont();
                // Paste is enabled by what the clipboard holds, asked now.
                ScheduleUpdate();
            });
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && WindowMode() == wmEditing) {
        ClearCutMark();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMainForm::UpdateCommandState()
{
    ++StateUpdates_;
    Commands_.Update();
    if (ListShown())
        UpdateStatusPanels();
}

void TMainForm::UpdateCaption()
{
    const QString caption = WindowMode() == wmNone
        ? Q(ProductName)
        //: The main window's title: the list's name, then the program's
        : tr("%1 - Velmoria").arg(ListTitle(Session_.Document().FileName()));
    // No application display name is ever set: the platform would append it to every title.
    if (windowTitle() != caption)
        setWindowTitle(caption);
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
    set(2, tr("%Ln item(s)", nullptr, document.Count()));
    // Kept by the document as it changes: asking costs nothing however long the list.
    const std::int32_t learnt = document.LearntCount();
    // A review leaves the test's statistics alone: it counts its own answers.
    const TReviewQueue* review = Review_->Reviewing() ? Review_->Queue() : nullptr;
    set(3,
        review                            ? tr("%L1 reviewed").arg(review->Reviewed())
            : WindowMode() == wmTesting   ? tr("%L1 learnt").arg(learnt)
            : document.CurrentIndex() < 0 ? tr("No row")
                                          : tr("Row %L1").arg(document.CurrentIndex() + 1));
    const QString currentTip = review ? tr("Answers given in this review")
        : WindowMode() == wmTesting   ? tr("Items learnt")
                                      : tr("Current item");
    if (StatusPanels_[3]->toolTip() != currentTip)
        StatusPanels_[3]->setToolTip(currentTip);
    Review_->ShowShare(learnt);
    set(5, document.Modified() ? tr("Modified") : (document.FileName().empty() ? QString() : tr("Saved")));
    Review_->ShowReviewLeft();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (EndedBySignal_) {
        event->accept(); // all was done then
        return;
    }
    bool mayClose = false;
    RunCommand([&] { mayClose = File_->SaveQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    SaveWindowSettings();
    Help_->Close();
    // A normal close: nothing is left to recover.
    Recovery_->End();
    event->accept();
}

void TMainForm::EndBySignal(int signalNumber)
{
    if (EndedBySignal_)
        return;
    // A load or save runs on its worker: the moment it is done.
    if (QApplication::overrideCursor()) {
        QTimer::singleShot(20, this, [this, signalNumber] { EndBySignal(signalNumber); });
        return;
    }
    // The shell's status of a process ended by that signal.
    EndedBySignal_ = 128 + signalNumber;
    Recovery_->KeepForNextStart();
    // As a normal close: the settings are the user's whatever ends the program.
    SaveWindowSettings();
    Help_->Close();
    QApplication::exit(*EndedBySignal_);
}
