// The main window's start-up, settings and file commands.

#include "core/DisplayText.h"
#include "core/FileAttributes.h"
#include "core/SafeSave.h"
#include "core/SaveTarget.h"
#include "evaluation/Languages.h"
#include "exchange/Export.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/QtSettingsStore.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/PropertiesDialog.h"
#include "ui/VocabGrid.h"
#include "ui/WelcomeDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

namespace {

const QStringList OpenFilters = { QStringLiteral("Velmoria Files (*.vmr)"), QStringLiteral("All Files (*)") };

// In the order of the Save As file types (SaveTarget.h).
const QStringList SaveAsFilters = {
    QStringLiteral("Velmoria File (*.vmr)"),
    QStringLiteral("Rich Text Format (*.rtf)"),
    QStringLiteral("Text (Comma-delimited) (*.txt)"),
    QStringLiteral("Text (Tab-delimited) (*.txt)"),
    QStringLiteral("Unicode (Comma-delimited) (*.txt)"),
    QStringLiteral("Unicode (Tab-delimited) (*.txt)"),
    QStringLiteral("Unicode UTF-8 (Comma-delimited) (*.txt)"),
    QStringLiteral("Unicode UTF-8 (Tab-delimited) (*.txt)"),
    QStringLiteral("Web Page (*.htm)"),
};

std::string ToLocal(const QString& name)
{
    return LocalFileName(name);
}
QString FromLocal(const std::string& name)
{
    return ShownFileName(name);
}

QStringList SaveAsSuffixes()
{
    QStringList suffixes;
    for (int type = 1; type <= SaveAsTypeCount; ++type)
        suffixes.push_back(QString::fromStdString(SaveAsExtension(type)));
    return suffixes;
}

TFileDialogRequest OpenRequest()
{
    return { QStringLiteral("Open"), OpenFilters, 1, QDir::currentPath(), QString(), {} };
}

TWindowBounds ToBounds(const QRect& rect)
{
    return { rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height() };
}

} // namespace

void TMainForm::LoadWindowSettings()
{
    LoadSettings(*Store_, QtSettingsEnvironment(), Session_.Settings, WindowState_);
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
        setGeometry(bounds->Left, bounds->Top, bounds->Right - bounds->Left, bounds->Bottom - bounds->Top);
    } else {
        move(available.left() + (available.width() - width()) / 2,
            available.top() + (available.height() - height()) / 2);
    }

    TVocabFile& document = Session_.Document();
    document.SetForeignLangID(WindowState_.ForeignLangID);
    document.SetNativeLangID(WindowState_.NativeLangID);
    document.MarkSaved();
    tbrToolBar->setVisible(WindowState_.ShowToolBar);
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
    WindowState_.ShowToolBar = !tbrToolBar->isHidden();
    WindowState_.ShowStatusBar = !statusBar()->isHidden();
    WindowState_.RecentFiles.clear();
    for (std::int32_t i = 0; i < RecentFiles_.Count(); ++i)
        WindowState_.RecentFiles.push_back(RecentFiles_[i]);
    SaveSettings(*Store_, Session_.Settings, WindowState_);
}

std::optional<int> TMainForm::StartUp(const TCommandLine& commandLine)
{
    // Printing and resetting end the program at once; what a crashed copy kept waits for a
    // start with the window.
    NoRecovery_ = commandLine.Action == saPrint || commandLine.Action == saReset;
    if (commandLine.FileName.empty()) {
        show();
        // A recovered list answers the start-up as a list named on the command line would.
        if (OfferRecovery(std::nullopt)) {
            SetWindowMode(wmEditing);
            return std::nullopt;
        }
        if (WindowState_.ShowTips)
            miHelpTipsClick(true);
        if (RunWelcomeLoop())
            SetWindowMode(wmEditing);
        return std::nullopt;
    }
    if (!OpenFile(commandLine.FileName))
        return 1;
    try {
        switch (commandLine.Action) {
        case saReset:
            Session_.Document().ResetTestData();
            SaveDocument(Session_.Document().FileName());
            return 0;
        case saPrint:
            return PrintCommand(psCommandLine) ? 0 : 1;
        case saTest:
            show();
            // As Start Testing: a list with everything learnt says so and offers the statistics,
            // whose reset lets the test begin; otherwise the list is shown.
            SetWindowMode(wmEditing);
            miTestStartTestingClick();
            return std::nullopt;
        case saShow:
            break;
        }
    } catch (const std::exception& error) {
        ReportException(error);
        return 1;
    }
    show();
    SetWindowMode(wmEditing);
    return std::nullopt;
}

bool TMainForm::RunWelcomeLoop()
{
    for (;;) {
        TWelcomeData info;
        info.RecentFiles = &RecentFiles_;
        info.Due = DueQuestion();
        TWelcomeDialog dialog(this, info);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        bool done = false;
        if (!info.Open) {
            done = EditProperties(true);
        } else if (!info.FileName.empty()) {
            done = OpenFile(info.FileName);
        } else if (const auto chosen = ChooseOpenFile(this, OpenRequest())) {
            done = OpenFile(ToLocal(chosen->FileName));
        }
        if (done)
            return true;
    }
}

bool TMainForm::SaveQuery()
{
    if (WindowMode_ == wmNone || !Session_.Document().Modified())
        return true;
    const QString question = QStringLiteral("Save changes to ")
        + FromLocal(DisplayTitle(Session_.Document().FileName())) + QLatin1Char('?');
    switch (ShowMessageBox(question, QString(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Question)) {
    case QMessageBox::Yes:
        miFileSaveClick();
        return !Session_.Document().Modified();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool TMainForm::OpenFile(const std::string& givenName)
{
    // The document and the recent files keep the full path, whatever folder the program runs in,
    // byte for byte: a name that is not valid UTF-8 would not survive a QString.
    const std::string fileName = givenName.empty()
        ? givenName
        : std::filesystem::absolute(std::filesystem::path(givenName)).lexically_normal().string();
    std::unique_ptr<TVocabFile> document;
    TFileStamp stamp;
    try {
        document = LoadDocumentInBackground(
            this, QStringLiteral("Opening %1...").arg(FromLocal(DisplayTitle(fileName))), fileName, &stamp);
    } catch (const std::exception& error) {
        ReportException(error);
        return false;
    }
    const std::string notice = document->LoadNotice();
    AdoptLanguages(document->ForeignLangID(), document->NativeLangID());
    Session_.ReplaceDocument(std::move(document));
    if (Session_.Document().Count() > 0)
        Session_.Document().SetCurrentIndex(0);
    SetDiskStamp(fileName, stamp);
    RecentFiles_.Add(fileName);
    dgVocab->Model()->Reset();
    if (!notice.empty())
        ShowMessageBox(FromLocal(notice), QString(), QMessageBox::Ok, QMessageBox::Information);
    // Changes a crashed copy kept of this list take its place when the user wants them.
    OfferRecovery(fileName);
    ScheduleUpdate();
    return true;
}

void TMainForm::AdoptLanguages(std::uint16_t foreign, std::uint16_t native)
{
    const TVocabFile& current = Session_.Document();
    const bool sameScripts = WindowMode_ != wmNone
        && LanguageCharset(foreign) == LanguageCharset(current.ForeignLangID())
        && LanguageCharset(native) == LanguageCharset(current.NativeLangID());
    if (!sameScripts)
        SearchParams_.Text.clear();
}

bool TMainForm::EditProperties(bool isNew)
{
    TVocabFile& document = Session_.Document();
    TPropertiesData info;
    info.IsNew = isNew;
    info.ForeignLangID = document.ForeignLangID();
    info.NativeLangID = document.NativeLangID();
    if (!isNew) {
        info.FileName = document.FileName();
        info.Description = document.Properties(piDescription);
        info.Author = document.Properties(piAuthor);
        info.Comments = document.Properties(piComments);
    }
    TPropertiesDialog dialog(this, info);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return false;
    AdoptLanguages(info.ForeignLangID, info.NativeLangID);
    document.SetForeignLangID(info.ForeignLangID);
    document.SetNativeLangID(info.NativeLangID);
    if (isNew) {
        document.Clear();
        dgVocab->Model()->Reset();
    }
    document.SetProperties(piDescription, info.Description);
    document.SetProperties(piAuthor, info.Author);
    document.SetProperties(piComments, info.Comments);
    ScheduleUpdate();
    return true;
}

void TMainForm::SaveDocument(const std::string& fileName, const std::optional<TFileIdentity>& expected)
{
    TVocabFile& document = Session_.Document();
    const std::string bytes = document.SaveToBytes();
    TFileStamp stamp;
    try {
        RunLongTask(this, QStringLiteral("Saving %1...").arg(FromLocal(DisplayTitle(fileName))), [&] {
            SafeWriteFile(fileName, bytes, expected ? &*expected : nullptr);
            stamp = StampOf(ResolveLinks(fileName), bytes);
        });
    } catch (const EFileChanged&) {
        // Another program replaced the file after it was looked at: asked as for any such change.
        if (ConfirmOverwrite())
            SaveDocument(fileName);
        return;
    }
    document.MarkSavedAs(fileName);
    SetDiskStamp(fileName, stamp);
    ScheduleUpdate();
}

void TMainForm::miFileNewClick()
{
    if (SaveQuery() && EditProperties(true))
        SetWindowMode(wmEditing);
}

void TMainForm::miFileOpenClick()
{
    if (!SaveQuery())
        return;
    ClearCutMark();
    const auto chosen = ChooseOpenFile(this, OpenRequest());
    if (chosen && OpenFile(ToLocal(chosen->FileName)))
        SetWindowMode(wmEditing);
}

void TMainForm::miFileRecentClick(int index)
{
    if (index < 0 || index >= RecentFiles_.Count() || !SaveQuery())
        return;
    const std::string name = RecentFiles_[index];
    if (OpenFile(name))
        SetWindowMode(wmEditing);
}

void TMainForm::miFileSaveClick()
{
    ClearCutMark();
    const std::string name = Session_.Document().FileName();
    if (!name.empty()) {
        if (!IsReadOnlyFile(name)) {
            std::optional<TFileIdentity> expected;
            if (ConfirmDiskWrite(name, expected))
                SaveDocument(name, expected);
            return;
        }
        ShowMessageBox(FromLocal(DisplayName(name)) + QStringLiteral("\nThis file is read-only. ")
                + QStringLiteral("Please use a different file name."),
            QString(), QMessageBox::Ok, QMessageBox::Warning);
    }
    miFileSaveAsClick();
}

void TMainForm::miFileSaveAsClick()
{
    ClearCutMark();
    TVocabFile& document = Session_.Document();
    const QString current = FromLocal(document.FileName());
    TFileDialogRequest request { QStringLiteral("Save As"), SaveAsFilters, 1,
        current.isEmpty() ? QDir::currentPath() : QFileInfo(current).absolutePath(), QString(),
        SaveAsSuffixes() };
    if (!current.isEmpty()) {
        const QFileInfo info(current);
        request.ProposedName = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    }
    std::optional<TChosenFile> chosen;
    std::string name;
    // A file that may not be written is refused and the dialog comes back with the user's choice.
    for (;;) {
        chosen = ChooseSaveFile(this, request);
        if (!chosen)
            return;
        name = ToLocal(chosen->FileName);
        const std::string refusal = SaveAsRefusal(name, chosen->FilterIndex, document.FileName());
        if (refusal.empty())
            break;
        ShowMessageBox(FromLocal(refusal), QString(), QMessageBox::Ok, QMessageBox::Warning);
        request.FilterIndex = chosen->FilterIndex;
        request.Folder = QFileInfo(chosen->FileName).absolutePath();
        request.ProposedName = chosen->FileName;
    }
    if (!IsExportType(chosen->FilterIndex)) {
        SaveDocument(name);
        RecentFiles_.Add(name);
        return;
    }
    // The file image is made here; only the writing runs on the worker.
    std::string bytes;
    {
        TWaitCursor wait;
        if (chosen->FilterIndex == 2)
            bytes = ExportRtfBytes(document, name);
        else if (chosen->FilterIndex == SaveAsTypeCount)
            bytes = ExportHtmlBytes(document, name);
        else
            bytes = ExportTextBytes(document, static_cast<TTextFormat>(chosen->FilterIndex - 3));
    }
    WriteFileInBackground(this, QStringLiteral("Exporting..."), name, std::move(bytes));
}

void TMainForm::miFilePropertiesClick()
{
    if (WindowMode_ != wmNone)
        EditProperties(false);
}

void TMainForm::miFileExitClick()
{
    close();
}
