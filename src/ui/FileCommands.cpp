#include "ui/FileCommands.h"

#include "core/DisplayText.h"
#include "core/FileAttributes.h"
#include "core/SaveTarget.h"
#include "evaluation/Languages.h"
#include "exchange/Export.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "ui/FindCommands.h"
#include "ui/HelpFeature.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/Parts.h"
#include "ui/PrintCommands.h"
#include "ui/PropertiesDialog.h"
#include "ui/RecoveryFeature.h"
#include "ui/ReviewFeature.h"
#include "ui/TestCommands.h"
#include "ui/VocabGrid.h"
#include "ui/WelcomeDialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <filesystem>

namespace {

QStringList OpenFilters()
{
    return { FileFilter(TFileCommands::tr("Velmoria Files"), "*.vmr"),
        FileFilter(TFileCommands::tr("All Files"), "*") };
}

// In the order of the Save As file types (SaveTarget.h).
QStringList SaveAsFilters()
{
    return {
        FileFilter(TFileCommands::tr("Velmoria File"), "*.vmr"),
        FileFilter(TFileCommands::tr("Rich Text Format"), "*.rtf"),
        FileFilter(TFileCommands::tr("Text (Comma-delimited)"), "*.txt"),
        FileFilter(TFileCommands::tr("Text (Tab-delimited)"), "*.txt"),
        FileFilter(TFileCommands::tr("Unicode (Comma-delimited)"), "*.txt"),
        FileFilter(TFileCommands::tr("Unicode (Tab-delimited)"), "*.txt"),
        FileFilter(TFileCommands::tr("Unicode UTF-8 (Comma-delimited)"), "*.txt"),
        FileFilter(TFileCommands::tr("Unicode UTF-8 (Tab-delimited)"), "*.txt"),
        FileFilter(TFileCommands::tr("Web Page"), "*.htm"),
        FileFilter(TFileCommands::tr("KVTML Vocabulary"), "*.kvtml"),
    };
}

// The one topic of the numbered recent files.
constexpr int RecentFileHelp = 2008;
constexpr int RecentFileItems = 4;

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
    //: The title of the file dialog that opens a list
    return { TFileCommands::tr("Open", "dialog title"), OpenFilters(), 1, QDir::currentPath(), QString(),
        {} };
}

} // namespace

TFileCommands::TFileCommands(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    const auto listShown = [&form] { return form.ListShown(); };
    const TCommandRow rows[] = {
        { "miFileNew", QT_TRANSLATE_NOOP("Commands", "&New..."), QKeySequence(Qt::CTRL | Qt::Key_N),
            QT_TRANSLATE_NOOP("Commands", "Creates a new file"), "new", 2000, { TMenuId::File, 10, 10 },
            [this] { New(); } },
        { "miFileOpen", QT_TRANSLATE_NOOP("Commands", "&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
            QT_TRANSLATE_NOOP("Commands", "Opens an existing file"), "open", 2001, { TMenuId::File, 11, 11 },
            [this] { Open(); } },
        { "miFileSave", QT_TRANSLATE_NOOP("Commands", "&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
            QT_TRANSLATE_NOOP("Commands", "Saves the current file"), "save", 2003, { TMenuId::File, 12, 12 },
            [this] { Save(); }, listShown },
        { "miFileSaveAs", QT_TRANSLATE_NOOP("Commands", "Save &As..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Saves the current file with a different name"), nullptr, 2004,
            { TMenuId::File, 13 }, [this] { SaveAs(); }, listShown },
        { "miFileProperties", QT_TRANSLATE_NOOP("Commands", "P&roperties..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Shows and changes the properties of the current file"), nullptr,
            2005, { TMenuId::File, 40 },
            [this] {
                if (Form_.WindowMode() != wmNone)
                    EditProperties(false);
            },
            listShown },
        { "miFileExit", QT_TRANSLATE_NOOP("Commands", "E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
            QT_TRANSLATE_NOOP("Commands", "Quits the program"), nullptr, 2009, { TMenuId::File, 60 },
            [this] { Form_.close(); } },
    };
    form.AddCommands(rows);
    // The numbered recent files: shown while there are so many, captioned with their short names.
    for (int i = 0; i < RecentFileItems; ++i) {
        const std::string name = "miFileRecent" + std::to_string(i + 1);
        const TCommandRow recent { name.c_str(), "", QKeySequence(), "", nullptr, RecentFileHelp,
            { TMenuId::File, 50 + i }, [this, i] { OpenRecent(i); }, {}, {},
            [this, i](QAction& item) {
                const TRecentFileList& files = Form_.RecentFiles();
                const bool present = i < files.Count();
                if (present) {
                    const QFontMetrics metrics(Form_.menuBar()->font());
                    const TTextWidth width = [&metrics](std::string_view text) {
                        return metrics.horizontalAdvance(
                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
                    };
                    // "&&" keeps an ampersand in a file name from becoming an accelerator.
                    QString shown = QString::fromUtf8(ShortenPath(DisplayName(files[i]), width, 200).c_str());
                    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
                    const QString caption = QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
                    if (item.text() != caption)
                        item.setText(caption);
                }
                item.setVisible(present);
            } };
        form.AddCommands({ &recent, 1 });
    }
}

std::optional<int> TFileCommands::StartUp(const TCommandLine& commandLine)
{
    // Printing and resetting end the program at once; what a crashed copy kept waits for a
    // start with the window.
    Form_.Recovery().SetOffered(commandLine.Action != saPrint && commandLine.Action != saReset);
    Form_.Grid()->MeasureFirstScreenFirst();
    if (commandLine.FileName.empty()) {
        Form_.show();
        // A recovered list answers the start-up as a list named on the command line would.
        if (Form_.Recovery().Offer(std::nullopt)) {
            Form_.SetWindowMode(wmEditing);
            return std::nullopt;
        }
        if (Form_.WindowState().ShowTips)
            Form_.Help().ShowTips(true);
        if (RunWelcomeLoop())
            Form_.SetWindowMode(wmEditing);
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
            return Form_.Print().PrintList(TPrintCommands::psCommandLine) ? 0 : 1;
        case saTest:
            Form_.show();
            // As Start Testing: a list with everything learnt says so and offers the statistics,
            // whose reset lets the test begin; otherwise the list is shown.
            Form_.SetWindowMode(wmEditing);
            Form_.Test().StartTesting();
            return std::nullopt;
        case saReview:
            Form_.show();
            Form_.SetWindowMode(wmEditing);
            Form_.Review().Run(std::nullopt);
            return std::nullopt;
        case saShow:
            break;
        }
    } catch (const std::exception& error) {
        ReportException(error);
        return 1;
    }
    Form_.show();
    Form_.SetWindowMode(wmEditing);
    return std::nullopt;
}

bool TFileCommands::RunWelcomeLoop()
{
    for (;;) {
        TWelcomeData info;
        info.RecentFiles = &Form_.RecentFiles();
        info.Due = Form_.Review().DueQuestion();
        TWelcomeDialog dialog(&Form_, info);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        bool done = false;
        if (!info.Open) {
            done = EditProperties(true);
        } else if (!info.FileName.empty()) {
            done = OpenFile(info.FileName);
        } else if (const auto chosen = ChooseOpenFile(&Form_, OpenRequest())) {
            done = OpenFile(ToLocal(chosen->FileName));
        }
        if (done)
            return true;
    }
}

bool TFileCommands::SaveQuery()
{
    if (Form_.WindowMode() == wmNone || !Session_.Document().Modified())
        return true;
    const QString question
        = tr("Save changes to %1?").arg(FromLocal(DisplayTitle(Session_.Document().FileName())));
    switch (ShowMessageBox(question, QString(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Question)) {
    case QMessageBox::Yes:
        Save();
        return !Session_.Document().Modified();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool TFileCommands::OpenFile(const std::string& givenName)
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
            &Form_, tr("Opening %1...").arg(ListTitle(fileName)), fileName, &stamp);
    } catch (const std::exception& error) {
        ReportException(error);
        return false;
    }
    const TSaying notice = document->LoadNotice();
    AdoptLanguages(document->ForeignLangID(), document->NativeLangID());
    Session_.ReplaceDocument(std::move(document));
    if (Session_.Document().Count() > 0)
        Session_.Document().SetCurrentIndex(0);
    Form_.Recovery().SetDiskStamp(fileName, stamp);
    Form_.RecentFiles().Add(fileName);
    Form_.Grid()->Model()->Reset();
    if (!notice.Empty())
        ShowMessageBox(SayingText(notice), QString(), QMessageBox::Ok, QMessageBox::Information);
    // Changes a crashed copy kept of this list take its place when the user wants them.
    Form_.Recovery().Offer(fileName);
    Form_.ScheduleUpdate();
    return true;
}

void TFileCommands::AdoptLanguages(std::uint16_t foreign, std::uint16_t native)
{
    const TVocabFile& current = Session_.Document();
    const bool sameScripts = Form_.WindowMode() != wmNone
        && LanguageCharset(foreign) == LanguageCharset(current.ForeignLangID())
        && LanguageCharset(native) == LanguageCharset(current.NativeLangID());
    if (!sameScripts)
        Form_.Find().SearchParams().Text.clear();
}

bool TFileCommands::EditProperties(bool isNew)
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
    TPropertiesDialog dialog(&Form_, info);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return false;
    AdoptLanguages(info.ForeignLangID, info.NativeLangID);
    document.SetForeignLangID(info.ForeignLangID);
    document.SetNativeLangID(info.NativeLangID);
    if (isNew) {
        document.Clear();
        Form_.Grid()->Model()->Reset();
    }
    document.SetProperties(piDescription, info.Description);
    document.SetProperties(piAuthor, info.Author);
    document.SetProperties(piComments, info.Comments);
    Form_.ScheduleUpdate();
    return true;
}

void TFileCommands::SaveDocument(const std::string& fileName, const std::optional<TFileIdentity>& expected)
{
    TVocabFile& document = Session_.Document();
    const std::string bytes = document.SaveToBytes();
    TFileStamp stamp;
    try {
        RunLongTask(&Form_, tr("Saving %1...").arg(ListTitle(fileName)), [&] {
            SafeWriteFile(fileName, bytes, expected ? &*expected : nullptr);
            stamp = StampOf(ResolveLinks(fileName), bytes);
        });
    } catch (const EFileChanged&) {
        // Another program replaced the file after it was looked at: asked as for any such change.
        if (Form_.Recovery().ConfirmOverwrite())
            SaveDocument(fileName);
        return;
    }
    document.MarkSavedAs(fileName);
    Form_.Recovery().SetDiskStamp(fileName, stamp);
    Form_.ScheduleUpdate();
}

void TFileCommands::New()
{
    if (SaveQuery() && EditProperties(true))
        Form_.SetWindowMode(wmEditing);
}

void TFileCommands::Open()
{
    if (!SaveQuery())
        return;
    Form_.ClearCutMark();
    const auto chosen = ChooseOpenFile(&Form_, OpenRequest());
    if (chosen && OpenFile(ToLocal(chosen->FileName)))
        Form_.SetWindowMode(wmEditing);
}

void TFileCommands::OpenRecent(int index)
{
    if (index < 0 || index >= Form_.RecentFiles().Count() || !SaveQuery())
        return;
    const std::string name = Form_.RecentFiles()[index];
    if (OpenFile(name))
        Form_.SetWindowMode(wmEditing);
}

void TFileCommands::Save()
{
    Form_.ClearCutMark();
    const std::string name = Session_.Document().FileName();
    if (!name.empty()) {
        if (!IsReadOnlyFile(name)) {
            std::optional<TFileIdentity> expected;
            if (Form_.Recovery().ConfirmDiskWrite(name, expected))
                SaveDocument(name, expected);
            return;
        }
        ShowMessageBox(tr("%1\nThis file is read-only. Please use a different file name.")
                           .arg(FromLocal(DisplayName(name))),
            QString(), QMessageBox::Ok, QMessageBox::Warning);
    }
    SaveAs();
}

void TFileCommands::SaveAs()
{
    Form_.ClearCutMark();
    TVocabFile& document = Session_.Document();
    const QString current = FromLocal(document.FileName());
    TFileDialogRequest request { tr("Save As"), SaveAsFilters(), 1,
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
        chosen = ChooseSaveFile(&Form_, request);
        if (!chosen)
            return;
        name = ToLocal(chosen->FileName);
        const TSaying refusal = SaveAsRefusal(name, chosen->FilterIndex, document.FileName());
        if (refusal.Empty())
            break;
        ShowMessageBox(SayingText(refusal), QString(), QMessageBox::Ok, QMessageBox::Warning);
        request.FilterIndex = chosen->FilterIndex;
        request.Folder = QFileInfo(chosen->FileName).absolutePath();
        request.ProposedName = chosen->FileName;
    }
    if (!IsExportType(chosen->FilterIndex)) {
        SaveDocument(name);
        Form_.RecentFiles().Add(name);
        return;
    }
    // The file image is made here; only the writing runs on the worker.
    std::string bytes;
    {
        TWaitCursor wait;
        if (chosen->FilterIndex == 2)
            bytes = ExportRtfBytes(document, name);
        else if (chosen->FilterIndex == SaveAsHtmlType)
            bytes = ExportHtmlBytes(document, name);
        else if (chosen->FilterIndex == SaveAsKvtmlType) {
            const TParts* parts = LoadParts();
            if (!parts)
                return;
            bytes = parts->KvtmlBytes(document, name);
        } else
            bytes = ExportTextBytes(document, static_cast<TTextFormat>(chosen->FilterIndex - 3));
    }
    WriteFileInBackground(&Form_, tr("Exporting..."), name, std::move(bytes));
}
