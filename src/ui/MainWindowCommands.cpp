// The main window's own commands (the View menu's bars, font and options), the menus the rows are
// placed in, and the settings the window keeps.

#include "core/UserFolders.h"
#include "evaluation/Languages.h"
#include "qtsupport/ColourTheme.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/QtSettingsStore.h"
#include "ui/FindCommands.h"
#include "ui/FindDialog.h"
#include "ui/FontDialog.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/ReviewFeature.h"
#include "ui/SpeechFeature.h"
#include "ui/TestCommands.h"
#include "ui/VocabGrid.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {

TWindowBounds ToBounds(const QRect& rect)
{
    return { rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height() };
}

// The width that shows the whole tool bar, and the longest hint its tools give (a hint takes the
// whole status bar).
int WantedWidth(const QMainWindow& window, const QToolBar& toolBar)
{
    int hint = 0;
    for (const QAction* action : toolBar.actions())
        hint = std::max(hint, window.statusBar()->fontMetrics().horizontalAdvance(action->statusTip()));
    const int frame = 2 * window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 24;
    return std::max(toolBar.sizeHint().width(), hint) + frame;
}

} // namespace

void TMainForm::CreateMenus()
{
    const TCommandRow rows[] = {
        { "miViewToolBar", QT_TRANSLATE_NOOP("Commands", "&Tool Bar"), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Shows or hides the Tool Bar"), nullptr, 2300,
            { TMenuId::View, 10 },
            [this] {
                ToolBar_->setVisible(ToolBar_->isHidden());
                WindowState_.ShowToolBar = !ToolBar_->isHidden();
            },
            {}, [this] { return ToolBar_->isVisible() || (!isVisible() && WindowState_.ShowToolBar); } },
        { "miViewStatusBar", QT_TRANSLATE_NOOP("Commands", "&Status Bar"), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Shows or hides the Status Bar"), nullptr, 2301,
            { TMenuId::View, 11 },
            [this] {
                statusBar()->setVisible(statusBar()->isHidden());
                WindowState_.ShowStatusBar = !statusBar()->isHidden();
            },
            {}, [this] { return statusBar()->isVisible() || (!isVisible() && WindowState_.ShowStatusBar); } },
        { "miViewFont", QT_TRANSLATE_NOOP("Commands", "&Font..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Changes the display font"), nullptr, 2302, { TMenuId::View, 30 },
            [this] {
                TSelectFontDialog dialog(this, Session_.Settings.DisplayFont);
                if (ExecDialog(dialog) == QDialog::Accepted) {
                    ApplyDisplayFont();
                    if (TSearchDialog* search = Find_->MadeSearchDialog())
                        search->LayoutControls();
                }
            } },
        { "miViewOptions", QT_TRANSLATE_NOOP("Commands", "&Options..."), QKeySequence(Qt::Key_F12),
            QT_TRANSLATE_NOOP("Commands", "Changes program settings"), nullptr, 2303, { TMenuId::View, 31 },
            [this] {
                TSettings& settings = Session_.Settings;
                TOptionsTarget target { &settings.Options, &settings.SoundFileRight, &settings.SoundFileWrong,
                    LanguageCharset(Session_.Document().ForeignLangID()), Test_->SoundPlayer(),
                    &Session_.OptionsPages };
                target.Speech = Speech_->PageTarget();
                target.Reviews = &settings.Reviews;
                target.ListLanguages
                    = std::pair(Session_.Document().ForeignLangID(), Session_.Document().NativeLangID());
                target.UiLanguage = &settings.UiLanguage;
                target.Theme = &settings.Theme;
                // On is what is installed: the command line may have set it or taken it away.
                const TReminderChoice reminderBefore { ReminderInstalled(ReminderFiles(ConfigHome())),
                    settings.ReminderTime };
                TReminderChoice reminder = reminderBefore;
                target.Reminder = &reminder;
                TOptionsDialog dialog(this, target);
                if (ExecDialog(dialog) != QDialog::Accepted)
                    return;
                AppColourTheme().Apply(settings.Theme);
                settings.ReminderTime = reminder.Time;
                Review_->ApplyReminder(reminderBefore, reminder);
                Review_->ShareHistory();
                // The learnt colour may have changed; a question is chosen again under the new options.
                Review_->AskDueSoon();
                if (WindowMode() == wmTesting)
                    Test_->RefreshQuestion();
                else
                    RefreshGrid();
            } },
    };
    AddCommands(rows);
    const TMenuRow menus[] = {
        { TMenuId::File, "miFile", QT_TRANSLATE_NOOP("Commands", "&File"), nullptr },
        { TMenuId::Edit, "miEdit", QT_TRANSLATE_NOOP("Commands", "&Edit"),
            QT_TRANSLATE_NOOP("Commands", "Commands for editing vocabulary") },
        { TMenuId::Test, "miTest", QT_TRANSLATE_NOOP("Commands", "&Test"),
            QT_TRANSLATE_NOOP("Commands", "Commands for testing vocabulary") },
        { TMenuId::View, "miView", QT_TRANSLATE_NOOP("Commands", "&View"),
            QT_TRANSLATE_NOOP("Commands", "Display settings and program options"), TMenuId::None, 0, true },
        { TMenuId::Help, "miHelp", QT_TRANSLATE_NOOP("Commands", "&Help"),
            QT_TRANSLATE_NOOP("Commands", "Help and information commands") },
        { TMenuId::HelpHowTo, "miHelpHowTo", QT_TRANSLATE_NOOP("Commands", "H&ow To"), nullptr, TMenuId::Help,
            11 },
    };
    Commands_.Build(menus, *ToolBar_);
}

void TMainForm::LoadWindowSettings()
{
    // LoadSettings has already skipped empty names.
    for (const auto& name : WindowState_.RecentFiles)
        RecentFiles_.Load(name);

    // A stored position that lies off every screen (a screen was removed) is centred instead.
    std::vector<TWindowBounds> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToBounds(screen->availableGeometry()));
    const QRect available = QGuiApplication::primaryScreen()
        ? QGuiApplication::primaryScreen()->availableGeometry()
        : QRect(0, 0, 1024, 768);
    const auto& bounds = WindowState_.Bounds;
    if (bounds && bounds->Right > bounds->Left && bounds->Bottom > bounds->Top
        && BoundsVisible(*bounds, screens)) {
        // A Wayland compositor places windows itself and ignores a position asked for.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            resize(bounds->Right - bounds->Left, bounds->Bottom - bounds->Top);
        else
            setGeometry(
                bounds->Left, bounds->Top, bounds->Right - bounds->Left, bounds->Bottom - bounds->Top);
    } else {
        const int width = WantedWidth(*this, *ToolBar_);
        const TWindowBounds first = FirstWindowBounds(ToBounds(available), width, width * 3 / 4);
        setGeometry(first.Left, first.Top, first.Right - first.Left, first.Bottom - first.Top);
    }

    TVocabFile& document = Session_.Document();
    document.SetForeignLangID(WindowState_.ForeignLangID);
    document.SetNativeLangID(WindowState_.NativeLangID);
    document.MarkSaved();
    ToolBar_->setVisible(WindowState_.ShowToolBar);
    statusBar()->setVisible(WindowState_.ShowStatusBar);
}

void TMainForm::SaveWindowSettings()
{
    WindowState_.Maximised = isMaximized();
    WindowState_.Minimised = isMinimized();
    if (!WindowState_.Maximised && !WindowState_.Minimised)
        WindowState_.Bounds = ToBounds(geometry());
    WindowState_.ForeignLangID = Session_.Document().ForeignLangID();
    WindowState_.NativeLangID = Session_.Document().NativeLangID();
    WindowState_.ShowToolBar = !ToolBar_->isHidden();
    WindowState_.ShowStatusBar = !statusBar()->isHidden();
    WindowState_.RecentFiles.clear();
    for (std::int32_t i = 0; i < RecentFiles_.Count(); ++i)
        WindowState_.RecentFiles.push_back(RecentFiles_[i]);
    SaveSettings(*Store_, Session_.Settings, WindowState_);
}
