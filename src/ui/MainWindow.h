#pragma once
// The main window: the empty work space, the grid or the test panel, with the menus, the tool
// bar and the status bar. Its code is split by concern: MainWindow.cpp (views, command state),
// MainWindowCommands.cpp (the command table, menus and tool bar), MainWindowFile.cpp (start-up and
// file commands), MainWindowEdit.cpp (edit and view commands).

#include "core/CommandLine.h"
#include "core/FileStamp.h"
#include "core/RecentFileList.h"
#include "core/SafeSave.h"
#include "core/VocabFile.h"
#include "review/ReviewQueue.h"
#include "settings/Session.h"
#include "settings/Settings.h"

#include <QElapsedTimer>
#include <QKeySequence>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QFileSystemWatcher;
class QLabel;
class QLockFile;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;
class TVocabGrid;
class TTestPanel;
class TTestEngine;
class TSearchDialog;
class THelpCommands;
class THelpSystem;
class TCharEntryFilter;
class ISettingsStore;
class ISoundPlayer;
class ISpeaker;
class TBackgroundWriter;
class TRecoveryStore;
struct TOrphanCopy;
struct TSpeechPageTarget;
class THistory;
class TReviewQueue;
class TDueCounter;
struct TDueQuestion;
enum class TTestAction : std::uint8_t;
enum class TSpokenSide : std::uint8_t;
struct TSpokenField;

enum TWindowMode : std::uint8_t { wmNone = 0, wmEditing = 1, wmTesting = 2 };

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The store is where settings are read at creation and written on close. The session is the
    // application's; the second form makes one of its own (tests and tools).
    TMainForm(TSession& session, std::unique_ptr<ISettingsStore> store);
    explicit TMainForm(std::unique_ptr<ISettingsStore> store);
    ~TMainForm() override;

    // Start-up after creation. An exit status when the program is to end without running the
    // window (a command-line mode finished or the file given could not be opened).
    std::optional<int> StartUp(const TCommandLine& commandLine);

    TSession& Session() { return Session_; }

    TWindowMode WindowMode() const { return WindowMode_; }
    void SetWindowMode(TWindowMode mode);
    void RefreshGrid();
    void ApplyDisplayFont();
    // The idle update of menus, tool bar, status bar and caption.
    void UpdateCommandState();
    // How many updates ran so far (they must stay rare on huge lists).
    std::uint64_t CommandStateUpdates() const { return StateUpdates_; }

    bool SaveQuery();
    bool OpenFile(const std::string& fileName);
    bool EditProperties(bool isNew);
    bool RunWelcomeLoop();

    TRecentFileList& RecentFiles() { return RecentFiles_; }
    TWindowState& WindowState() { return WindowState_; }
    TVocabGrid* Grid() const { return dgVocab; }
    TTestPanel* TestPanel() const { return pnlTest; }
    // The engine of the test state; it follows the global document when another one is opened.
    TTestEngine& TestEngine();
    // Replaces the answer sounds' player (tests hear nothing).
    void SetSoundPlayer(std::unique_ptr<ISoundPlayer> player);
    // Replaces the clock that dates the questions (tests set the time).
    void SetTestClock(std::function<std::int64_t()> clock);
    // The test flow of the commands, for the command line and the tests.
    bool NextQuestion();
    void RefreshQuestion();
    QLabel* StatusPanel(int index) const { return StatusPanels_[static_cast<std::size_t>(index)]; }

    // Menu items (their tool-bar twins share the same actions).
    QAction* miFileNew = nullptr;
    QAction* miFileOpen = nullptr;
    QAction* miFileSave = nullptr;
    QAction* miFileSaveAs = nullptr;
    QAction* miFileProperties = nullptr;
    std::array<QAction*, 4> miFileRecent {};
    QAction* miFileRecentSeparator = nullptr;
    QAction* miFileExit = nullptr;
    QAction* miEditUndo = nullptr;
    QAction* miEditRedo = nullptr;
    QAction* miEditAdd = nullptr;
    QAction* miEditEdit = nullptr;
    QAction* miEditDelete = nullptr;
    QAction* miEditMoveUp = nullptr;
    QAction* miEditMoveDown = nullptr;
    QAction* miEditShuffle = nullptr;
    QAction* miTestStartTesting = nullptr;
    QAction* miTestPassive = nullptr;
    QAction* miTestActive = nullptr;
    QAction* miTestMultipleChoice = nullptr;
    QAction* miTestHint = nullptr;
    QAction* miTestStatistics = nullptr;
    QAction* miViewToolBar = nullptr;
    QAction* miViewStatusBar = nullptr;
    QAction* miViewFont = nullptr;
    QAction* miViewOptions = nullptr;
    QToolBar* tbrToolBar = nullptr;

    // Printing (MainWindowPrint.cpp). The tool button prints at once, so it has its own action.
    QAction* miFilePrint = nullptr;
    QAction* miFilePageSetup = nullptr;
    QAction* tbPrint = nullptr;
    // ---- Clipboard, find, sort and import (MainWindowFind.cpp, MainWindowImport.cpp)
    QAction* miFileImport = nullptr;
    QAction* miEditCut = nullptr;
    QAction* miEditCopy = nullptr;
    QAction* miEditPaste = nullptr;
    QAction* miEditSort = nullptr;
    QAction* miEditFind = nullptr;
    QAction* miEditFindNext = nullptr;
    QAction* tbSort = nullptr; // sorts by the last field without asking
    // Made at its first use: start-up has no need of it.
    TSearchDialog* SearchDialog();
    TSearchParams& SearchParams() { return SearchParams_; }
    int SortField() const { return SortField_; }
    void miFileImportClick();
    void miEditCutClick();
    void miEditCopyClick();
    void miEditPasteClick();
    void miEditSortClick();
    void tbSortClick();
    void miEditFindClick();
    void miEditFindNextClick();
    // Hides the find dialog (a test is starting).
    void HideSearchDialog();
    // ---- Help menu, tips and about box (MainWindowHelp.cpp)
    QAction* miHelpContents = nullptr;
    QAction* miHelpHowToEdit = nullptr;
    QAction* miHelpHowToTest = nullptr;
    QAction* miHelpTips = nullptr;
    QAction* miHelpHomePage = nullptr;
    QAction* miHelpExchangePage = nullptr;
    QAction* miHelpDonate = nullptr;
    QAction* miHelpAbout = nullptr;
    // The tips dialog; at start-up a tip switched off is followed by a reminder of the menu.
    void miHelpTipsClick(bool atStartUp = false);
    void miHelpAboutClick();
    THelpSystem& HelpSystem();
    // Closes the help window (the program is closing).
    void CloseHelp();

    // ---- Recovery copies and changes by other programs (MainWindowRecover.cpp)
    // The recovery copies of this and of ended copies of the program.
    TRecoveryStore* RecoveryStore() const { return Recovery_.get(); }
    // Writes the recovery copy now when one is waiting, and waits until it is on disk.
    void FlushRecoveryCopy();
    // Looks at the list's file at once, as the watcher does a moment after the file changes.
    void CheckDiskFile();
    // What the window knows of the list's file, as loaded or last saved.
    const TFileStamp& DiskStamp() const { return DiskStamp_; }
    // Started after each change; its interval is the time until the copy is due.
    QTimer* timRecovery = nullptr;
    // ---- Speech (MainWindowSpeech.cpp)
    QAction* miViewSpeakForeign = nullptr;
    QAction* miViewSpeakNative = nullptr;
    // Replaces the speaker (tests listen to their own).
    void SetSpeaker(std::unique_ptr<ISpeaker> speaker);
    ISpeaker& Speaker() { return *Speaker_; }
    void miViewSpeakForeignClick();
    void miViewSpeakNativeClick();

    // A signal that ends the program from outside (SIGTERM, SIGHUP, SIGINT): the unsaved changes
    // are kept in the recovery copy for the next start, and the program ends without a question.
    void EndBySignal(int signalNumber);
    // The program's exit status once a signal ended it.
    std::optional<int> EndedBySignal() const { return EndedBySignal_; }

    // ---- Reviews over days (MainWindowReview.cpp)
    QAction* miTestReview = nullptr;
    QAction* miTestProgress = nullptr;
    QAction* miTestReviewBoth = nullptr;
    void miTestReviewClick();
    void miTestReviewBothClick();
    void miTestProgressClick();
    // The learner's review history, opened at its first use; null when it cannot be opened, which
    // the user is told once. Review Due Words and Review Progress are then unavailable.
    THistory* History();
    // Uses the history at path instead of the user's (tests and tools); closes the one open.
    void SetHistoryPath(const std::string& path);
    // The review session running, if any (it lives as long as the test panel shows it).
    TReviewQueue* ReviewQueue() const { return ReviewQueue_.get(); }
    // Counts the due cards of the open list in a worker; the status bar shows the answer.
    TDueCounter* DueCounter() const { return DueCounter_; }
    // The history was written besides this window's reviews (another copy of the program, the
    // command line, a tool): the due count is asked again.
    void ReviewHistoryChanged();

public slots:
    void miFileNewClick();
    void miFileOpenClick();
    void miFileRecentClick(int index);
    void miFileSaveClick();
    void miFileSaveAsClick();
    void miFilePropertiesClick();
    void miFileExitClick();
    void miEditUndoClick();
    void miEditRedoClick();
    void miEditAddClick();
    void miEditEditClick();
    void miEditDeleteClick();
    void miEditMoveUpClick();
    void miEditMoveDownClick();
    void miEditShuffleClick();
    void miTestStartTestingClick();
    void miTestPassiveClick();
    void miTestActiveClick();
    void miTestMultipleChoiceClick();
    void miTestHintClick();
    void miTestStatisticsClick();
    void miViewToolBarClick();
    void miViewStatusBarClick();
    void miViewFontClick();
    void miFilePrintClick();
    void tbPrintClick();
    void miFilePageSetupClick();
    void miViewOptionsClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Create();
    struct TActionEntry {
        QAction** action;
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        const char* hint;
        const char* icon;
        // The help topic (core/HelpTopics.h) that F1 on the command's menu item opens.
        std::int32_t help;
        void (TMainForm::*slot)();
        // When the command may run (empty: always); it guards the handler too. A command with a
        // checked rule is checkable.
        std::function<bool()> enabled = {};
        std::function<bool()> checked = {};
        // For commands that are not a handler of their own: runs when slot is null.
        std::function<void()> run = {};
    };
    // What the command-state update asks of each command, in the order the commands were made.
    struct TCommandRule {
        QAction* action;
        std::function<bool()> enabled, checked;
    };
    // The entry's command with its name, shortcut, hints, icon, help context, rules and handler;
    // the tool tip names shown, when given, instead of the command's own shortcut.
    void CreateAction(const TActionEntry& entry, const std::optional<QKeySequence>& shown = std::nullopt);
    // The rules the commands share.
    bool ListShown() const { return WindowMode_ != wmNone; }
    bool Editing() const { return WindowMode_ == wmEditing; }
    bool HasCurrentItem() const;
    bool CanTest() const;
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateViews();
    void LoadWindowSettings();
    void SaveWindowSettings();
    void ScheduleUpdate();
    void UpdateCaption();
    void UpdateRecentFileItems();
    // The captions that name what the command will do.
    void UpdateCommandCaptions();
    void UpdateStatusPanels();
    void ShowShare(std::int32_t learnt);
    // Runs a command; what it throws is reported as the exception report does, and the program goes on.
    void RunCommand(const std::function<void()>& command);
    void ClearCutMark();
    void AdoptLanguages(std::uint16_t foreign, std::uint16_t native);
    // With expected, a file found there at the last moment that is not the one looked at before is
    // overwritten only when the user says so.
    void SaveDocument(
        const std::string& fileName, const std::optional<TFileIdentity>& expected = std::nullopt);
    void CreateRecovery();
    void FollowDocument();
    void timRecoveryTimer();
    void RemoveRecoveryCopy();
    // At start-up (all files) and on opening a file (its own): offers the orphans, true when one
    // became the document.
    bool OfferRecovery(const std::optional<std::string>& fileName);
    bool Recover(TOrphanCopy& orphan);
    void SetDiskStamp(const std::string& fileName, const TFileStamp& stamp);
    // Before a Save over the list's own file: false when the user keeps another program's version;
    // else expected is the file the save may replace (none when nothing is known of it).
    bool ConfirmDiskWrite(const std::string& fileName, std::optional<TFileIdentity>& expected);
    bool ConfirmOverwrite();
    void ReloadDocument();
    void EndRecovery();
    void CreateTestPanel();
    void RunTestAction(TTestAction action);
    void ContinueTest();
    void EditFromQuestion();
    // Esc, Ctrl+Tab and the test shortcuts inside the answer fields; true when the key was used.
    bool TestKeyFilter(QObject* watched, QEvent* event);
    enum TPrintSender { psMenu, psToolBar, psCommandLine };
    void CreatePrintCommands();
    // True when the pages went to the printer (or the PDF file offered instead of a printer).
    bool PrintCommand(TPrintSender sender);
    void CreateFindActions();
    void SortDocument();
    void MoveSearchDialogOffRow(int row);
    void CreateHelpCommands();
    void CreateSpeechCommands();
    // Why the side's Speak command cannot run: nullopt when it can, "" when there is nothing to read.
    std::optional<std::string> SpeechBlocked(TSpokenSide side);
    void UpdateSpeechTips();
    void SpeakSide(TSpokenSide side);
    // Reads the question on screen when its direction's option is on; stops the old speech.
    void SpeakQuestion();
    void SpeakAnswer();
    void SpeakField(const std::optional<TSpokenField>& field, bool asked);
    // asked: the user asked for it, so a missing voice or service is told (once per run).
    void SpeakText(const std::string& text, TSpokenSide side, LangId language, bool asked);
    void SpeakerChanged();
    // The Speech page of the options: the settings, the speaker and the document's languages.
    TSpeechPageTarget SpeechPageTarget();
    void CreateReviewCommands();
    bool Reviewing() const;
    // A review in one direction (the engine's when none is given) or in BothDirections.
    bool StartReview(std::optional<std::uint8_t> direction = std::nullopt);
    void RunReview(std::optional<std::uint8_t> direction);
    // Esc or the review's command: the review ends with what it did and what is left.
    void StopReview();
    // Nothing more is due: says so, and offers the other direction when it still has words due.
    void ReviewFinished(const std::string& closing);
    // The other direction's review the learner accepted at the end of the last one.
    void ReviewNextDirection();
    void UpdateReviewBar();
    void RateAnswer(TRating rating);
    // The due panel: the session's remaining cards, or the worker's count for the list as it is.
    void UpdateDuePanel();
    QString LeechToolTip(int row);
    void AnswerNotKept(const QString& message);
    // What a due count asks of the history now; nullopt without a history.
    std::optional<TDueQuestion> DueQuestion();
    // What a due count depends on besides the list.
    std::string DueKey(const TDueQuestion& question) const;
    // An answer the history could not keep: told once, the review ends and stays unavailable.
    void ReviewFailed(const QString& message);

    std::unique_ptr<TSession> OwnSession_; // only when not given one
    TSession& Session_;
    std::unique_ptr<ISettingsStore> Store_;
    TWindowMode WindowMode_ = wmNone;
    TRecentFileList RecentFiles_ { 9 };
    TWindowState WindowState_;
    TSearchParams SearchParams_;
    TSearchDialog* SearchDialog_ = nullptr;
    THelpCommands* HelpCommands_ = nullptr;
    int SortField_ = 0;
    QStackedWidget* Views_ = nullptr;
    QWidget* pbWorkSpace = nullptr;
    TVocabGrid* dgVocab = nullptr;
    TTestPanel* pnlTest = nullptr;
    std::unique_ptr<TTestEngine> Engine_;
    std::unique_ptr<ISoundPlayer> Sound_;
    std::function<std::int64_t()> TestClock_; // empty: the engine's own steady clock
    std::unique_ptr<ISpeaker> Speaker_;
    // What was to be said while the service was still being reached.
    struct TPendingSpeech {
        std::string Text;
        TSpokenSide Side;
        LangId Language;
        bool Asked;
    };
    std::optional<TPendingSpeech> PendingSpeech_;
    bool ToldSpeechProblem_ = false;
    std::array<QLabel*, 7> StatusPanels_ {}; // 6: cards due today (MainWindowReview.cpp)
    QTimer* IdleTimer_ = nullptr;
    std::vector<TCommandRule> Commands_;
    std::uint64_t StateUpdates_ = 0;
    // Accent composition, character shortcuts and stem repetition, for the whole program.
    TCharEntryFilter* CharEntry_ = nullptr;
    bool Closing_ = false;

    std::unique_ptr<TRecoveryStore> Recovery_;
    std::unique_ptr<TBackgroundWriter> RecoveryWriter_;
    // Orphans the user chose to keep: held until this list's next change overtakes them.
    std::vector<TOrphanCopy> DeclinedOrphans_;
    std::vector<std::shared_ptr<QLockFile>> SpentLocks_;
    QElapsedTimer Clock_;
    std::uint64_t SeenRevision_ = 0;
    std::uint64_t CopiedRevision_ = 0;
    std::int64_t FirstChangeMs_ = -1;
    std::int64_t LastChangeMs_ = -1;
    std::int64_t LastCopyMs_ = -1;
    bool OwnCopyWritten_ = false;
    bool NoRecovery_ = false;
    bool ToldRecoveryProblem_ = false;
    std::optional<int> EndedBySignal_;
    QFileSystemWatcher* DiskWatcher_ = nullptr;
    QTimer* timDiskCheck = nullptr;
    std::string StampedName_;
    TFileStamp DiskStamp_;
    TFileStamp ToldStamp_;

    std::string HistoryPath_; // empty: THistory::DefaultPath()
    std::unique_ptr<THistory> History_;
    bool HistoryFailed_ = false;
    // The window has been painted once: what it does not show at first waits for it.
    bool Painted_ = false;
    std::unique_ptr<TReviewQueue> ReviewQueue_;
    std::uint8_t ReviewDirection_ = 0;
    std::optional<std::uint8_t> PendingReview_;
    // The last due counts of the list, both directions (nothing while none came).
    std::optional<std::array<TDueCounts, 2>> LastDue_;
    TDueCounter* DueCounter_ = nullptr;
    // What the due panel's count was asked for: the list's revision, direction, day and settings.
    std::string DueAsked_;
    // Grows whenever the history may have been written outside this window (ReviewHistoryChanged).
    std::uint64_t HistoryChanges_ = 0;
};

// A tool-bar hint from its menu twin: the caption without "&" and ".", " - " and the shortcut
// when it has one, then "|" and the menu hint.
QString ToolBarHint(const QString& caption, const QString& shortcut, const QString& hint);

// Reports an exception as the application does: its message in a stop box captioned "Velmoria".
void ReportException(const std::exception& error);
