#pragma once
// The main window is a frame: menus, tool bar, status bar and views (the empty work space, the grid
// or the test panel). What it can do comes from its features, each a controller holding its state
// and adding its command rows (CommandTable.h), from which the frame makes menus and tool bar. The
// frame's own rows are the View menu's bars, font and options (MainWindowCommands.cpp).

#include "core/CommandLine.h"
#include "core/RecentFileList.h"
#include "settings/Session.h"
#include "settings/Settings.h"
#include "ui/CommandTable.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QLabel;
class QStackedWidget;
class QTimer;
class QToolBar;
class ISettingsStore;
class TVocabGrid;
class TTestPanel;
class TCharEntryFilter;
class TFileCommands;
class TEditCommands;
class TFindCommands;
class TImportCommands;
class TPrintCommands;
class TTestCommands;
class TReviewFeature;
class TSpeechFeature;
class TRecoveryFeature;
class THelpFeature;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Settings are read from the store at creation and written to it on close. Without a session
    // given the window makes one of its own (tests and tools).
    TMainForm(TSession& session, std::unique_ptr<ISettingsStore> store);
    explicit TMainForm(std::unique_ptr<ISettingsStore> store);
    ~TMainForm() override;

    // Start-up after creation. An exit status when the program is to end without running the
    // window (a command-line mode finished or the file given could not be opened).
    std::optional<int> StartUp(const TCommandLine& commandLine);
    TSession& Session() { return Session_; }
    TWindowMode WindowMode() const { return Session_.Mode(); }
    void SetWindowMode(TWindowMode mode);
    void RefreshGrid();
    void ApplyDisplayFont();
    // The idle update: enables, checks and captions the commands and fills the status bar. How
    // many ran so far (they must stay rare on huge lists).
    void UpdateCommandState();
    std::uint64_t CommandStateUpdates() const { return StateUpdates_; }
    // A command by its object name (nullptr for none).
    QAction* Command(std::string_view name) const { return Commands_.Find(name); }
    std::vector<QAction*> CommandsIn(TMenuId menu) const { return Commands_.InMenu(menu); }
    QToolBar* ToolBar() const { return ToolBar_; }
    TRecentFileList& RecentFiles() { return RecentFiles_; }
    TWindowState& WindowState() { return WindowState_; }
    TVocabGrid* Grid() const { return Grid_; }
    TTestPanel* TestPanel() const { return TestPanel_; }
    QLabel* StatusPanel(int index) const { return StatusPanels_[static_cast<std::size_t>(index)]; }
    // The features.
    TFileCommands& File() { return *File_; }
    TEditCommands& Edit() { return *Edit_; }
    TFindCommands& Find() { return *Find_; }
    TPrintCommands& Print() { return *Print_; }
    TTestCommands& Test() { return *Test_; }
    TReviewFeature& Review() { return *Review_; }
    TSpeechFeature& Speech() { return *Speech_; }
    TRecoveryFeature& Recovery() { return *Recovery_; }
    THelpFeature& Help() { return *Help_; }

    // ---- For the features
    void AddCommands(std::span<const TCommandRow> rows) { Commands_.Add(rows); }
    // Runs a command; what it throws is reported as the exception report does, and the program goes on.
    void RunCommand(const std::function<void()>& command);
    void ScheduleUpdate(); // asks for the idle update
    void ClearCutMark();
    // The rules the commands share.
    bool ListShown() const { return WindowMode() != wmNone; }
    bool Editing() const { return WindowMode() == wmEditing; }
    bool HasCurrentItem() const;
    bool CanTest() const;
    void SaveWindowSettings();
    bool Painted() const { return Painted_; } // what the first picture lacks waits for it

    // A signal from outside (SIGTERM, SIGHUP, SIGINT) keeps the unsaved changes in the recovery copy
    // for the next start and ends the program without a question, with the status EndedBySignal.
    void EndBySignal(int signalNumber);
    std::optional<int> EndedBySignal() const { return EndedBySignal_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Create();
    // Adds the frame's own rows and makes the menus and the tool bar of all rows.
    void CreateMenus();
    void CreateStatusBar();
    void CreateViews();
    void LoadWindowSettings();
    void UpdateCaption();
    void UpdateStatusPanels();
    void ApplyPanelFont(); // the test panel's display font, when it is due (ApplyDisplayFont)

    std::unique_ptr<TSession> OwnSession_; // only when not given one
    TSession& Session_;
    std::unique_ptr<ISettingsStore> Store_;
    TRecentFileList RecentFiles_ { 9 };
    TWindowState WindowState_;
    TCommandTable Commands_;
    QToolBar* ToolBar_ = nullptr;
    QStackedWidget* Views_ = nullptr;
    QWidget* WorkSpace_ = nullptr;
    TVocabGrid* Grid_ = nullptr;
    TTestPanel* TestPanel_ = nullptr;
    std::array<QLabel*, 7> StatusPanels_ {}; // 6: cards due today (the review feature's)
    QTimer* IdleTimer_ = nullptr;
    std::uint64_t StateUpdates_ = 0;
    // Accent composition, character shortcuts and stem repetition, for the whole program.
    TCharEntryFilter* CharEntry_ = nullptr;
    bool Painted_ = false;
    bool PanelFontPending_ = false;
    std::optional<int> EndedBySignal_;
    // Made in this order, and ended in the reverse one.
    std::unique_ptr<THelpFeature> Help_;
    std::unique_ptr<TRecoveryFeature> Recovery_;
    std::unique_ptr<TFileCommands> File_;
    std::unique_ptr<TEditCommands> Edit_;
    std::unique_ptr<TFindCommands> Find_;
    std::unique_ptr<TImportCommands> Import_;
    std::unique_ptr<TPrintCommands> Print_;
    std::unique_ptr<TTestCommands> Test_;
    std::unique_ptr<TReviewFeature> Review_;
    std::unique_ptr<TSpeechFeature> Speech_;
    std::unique_ptr<TSubscription> Caption_;
};

// Reports an exception as the application does: its message in a stop box captioned "Velmoria".
void ReportException(const std::exception& error);
