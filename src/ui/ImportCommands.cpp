#include "ui/ImportCommands.h"

#include "core/SafeSave.h"
#include "core/SaveTarget.h"
#include "exchange/ImportRules.h"
#include "exchange/Kvtml.h"
#include "exchange/TextCheck.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "review/History.h"
#include "ui/DeckDialogs.h"
#include "ui/DueCounter.h"
#include "ui/ImportFieldsDialog.h"
#include "ui/KvtmlDialog.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/ReviewFeature.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <optional>
#include <utility>

TImportCommands::TImportCommands(TMainForm& form)
    : Form_(form)
{
    const TCommandRow row { "miFileImport", QT_TRANSLATE_NOOP("Commands", "&Import..."),
        QKeySequence(Qt::CTRL | Qt::Key_I),
        QT_TRANSLATE_NOOP("Commands", "Adds vocabulary from another file"), nullptr, 2002,
        { TMenuId::File, 20 }, [this] { Import(); }, [&form] { return form.Editing(); } };
    const TCommandRow rows[] = { row,
        { "miFileExportDeck", QT_TRANSLATE_NOOP("Commands", "Expor&t Deck Package..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Writes the list as a deck package for flash-card apps"), nullptr,
            2010, { TMenuId::File, 21 }, [this] { ExportDeck(); }, [&form] { return form.ListShown(); } } };
    form.AddCommands(rows);
}

namespace {

// The history the window reviews with, and its parameters.
std::pair<std::string, TSchedulerParameters> HistoryOf(TMainForm& form)
{
    const auto question = form.Review().DueQuestion();
    return { question ? question->HistoryPath : THistory::DefaultPath(),
        question ? question->Parameters : TSchedulerParameters {} };
}

} // namespace

// The package is read and mapped on the worker, and its answers go into the history there; the
// window's list takes the items afterwards, here. A package that cannot be read changes nothing.
void TImportCommands::ImportDeck(const QString& shownName, const std::string& fileName)
{
    TDeckCollection deck;
    RunLongTask(
        &Form_, tr("Reading %1...").arg(shownName), [&] { deck = ReadDeckPackage(ReadWholeFile(fileName)); });
    TDeckImportOptions options;
    TDeckImportDialog dialog(&Form_, PreviewDeck(deck, 8), options);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    TVocabFile& document = Form_.Session().Document();
    const auto [historyPath, parameters] = HistoryOf(Form_);
    TDeckImport import;
    TDeckImportResult result;
    RunLongTask(&Form_, tr("Importing %1...").arg(shownName), [&] {
        import = MapDeck(deck, document.ForeignLangID(), document.NativeLangID(), options);
        if (import.Result.Added > 0 && !import.Answers.empty()) {
            THistory history(historyPath);
            import.Result.AddedAnswers = history.ImportAnswers(import.Answers, parameters);
        }
    });
    if (import.Result.AddedAnswers > 0)
        Form_.Review().HistoryChanged();
    result = import.Result;
    result.Added = document.MergeDocument(*import.Items);
    if (result.Added == 0)
        throw EVocabFileError(tr("Nothing to import.").toStdString());
    document.SetCurrentIndex(document.Count() - 1);
    Form_.RefreshGrid();
    ShowMessageBox(
        SayingText(DeckImportedMessage(result)), tr("Import"), QMessageBox::Ok, QMessageBox::Information);
}

void TImportCommands::ExportDeck()
{
    Form_.ClearCutMark();
    TDeckExportOptions options;
    TDeckExportDialog dialog(&Form_, options);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const auto chosen = ChooseSaveFile(&Form_,
        TFileDialogRequest { tr("Export Deck Package"), { FileFilter(tr("Deck Packages"), "*.apkg") }, 1,
            QDir::currentPath(), QString(), { QStringLiteral("apkg") } });
    if (!chosen)
        return;
    const std::string name = LocalFileName(chosen->FileName);
    const TSaying refusal = SaveAsRefusal(name, 2, Form_.Session().Document().FileName());
    if (!refusal.Empty()) {
        ShowMessageBox(SayingText(refusal), QString(), QMessageBox::Ok, QMessageBox::Warning);
        return;
    }
    // The worker reads a copy of the list: the window may paint it meanwhile but not change it.
    const TVocabFile& document = Form_.Session().Document();
    const std::string historyPath = HistoryOf(Form_).first;
    std::string bytes;
    RunLongTask(&Form_, tr("Exporting..."), [&] {
        std::optional<THistory> history;
        if (options.ReviewLog)
            history.emplace(historyPath);
        const auto now = std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::system_clock::now().time_since_epoch());
        bytes = ExportDeckBytes(document, options, history ? &*history : nullptr, now.count());
    });
    WriteFileInBackground(&Form_, tr("Exporting..."), name, std::move(bytes));
}

void TImportCommands::Import()
{
    Form_.ClearCutMark();
    TSession& session = Form_.Session();
    const auto chosen = ChooseOpenFile(&Form_,
        TFileDialogRequest { tr("Import"),
            { FileFilter(tr("Velmoria Files"), "*.vmr"), FileFilter(tr("Text Files"), "*.txt *.csv"),
                FileFilter(tr("All Files"), "*"), FileFilter(tr("KVTML Files"), "*.kvtml"),
                FileFilter(tr("Deck Packages"), "*.apkg *.colpkg") },
            Form_.WindowState().ImportFilter, QDir::currentPath(), QString(), {} });
    if (!chosen)
        return;
    Form_.WindowState().ImportFilter = chosen->FilterIndex;
    const std::string fileName = LocalFileName(chosen->FileName);
    const QString shownName = chosen->FileName.section(u'/', -1);
    if (IsDeckPackageName(chosen->FileName.toStdString())) {
        ReadFileStart(fileName, 0);
        ImportDeck(shownName, fileName);
        return;
    }

    // The file is read into a document of its own on the worker; the window's document changes
    // only here, afterwards, so nothing the window draws is touched while it is read.
    TVocabFile& document = session.Document();
    auto read = std::make_unique<TVocabFile>();
    read->SetForeignLangID(document.ForeignLangID());
    read->SetNativeLangID(document.NativeLangID());
    TImportResult result;
    const QString label = tr("Importing %1...").arg(chosen->FileName.section(u'/', -1));
    if (IsVocabularyFileName(fileName)) {
        RunLongTask(&Form_, label, [&] { read->LoadFromFile(fileName); });
    } else {
        // A pipe or a device is refused before the format dialog asks about it (nothing is read).
        ReadFileStart(fileName, 0);
        // The whole file is judged, on the worker: a first accented letter far down the file
        // decides its encoding as much as one on the first line.
        std::string bytes;
        TImportSettings settings;
        std::optional<TSaying> notText;
        std::optional<TKvtmlFile> kvtml;
        RunLongTask(&Form_, tr("Reading %1...").arg(chosen->FileName.section(u'/', -1)), [&] {
            bytes = ReadWholeFile(fileName);
            if (LooksLikeKvtml(bytes, fileName)) {
                kvtml = ReadKvtml(bytes);
                return;
            }
            settings.Format = DetectTextFormatBytes(bytes);
            notText = NotTextReason(bytes, settings.Format);
        });
        if (kvtml) {
            ImportKvtmlFile(*kvtml, *read, label);
            return;
        }
        if (notText)
            throw EVocabFileError(NothingImported(*notText));
        TConvertDialog dialog(&Form_, settings, bytes, session.Document());
        if (ExecDialog(dialog) != QDialog::Accepted)
            return;
        RunLongTask(&Form_, label, [&] {
            result
                = ImportTextBytes(*read, bytes, settings.Format, settings.FieldColumns, settings.StartLine);
        });
    }
    result.Added = document.MergeDocument(*read);
    if (result.Added == 0)
        throw EVocabFileError(tr("Nothing to import.").toStdString());
    document.SetCurrentIndex(document.Count() - 1);
    Form_.RefreshGrid();
    ShowMessageBox(
        SayingText(ImportedMessage(result)), tr("Import"), QMessageBox::Ok, QMessageBox::Information);
}

void TImportCommands::ImportKvtmlFile(const TKvtmlFile& file, TVocabFile& read, const QString& label)
{
    TVocabFile& document = Form_.Session().Document();
    TKvtmlChoice choice;
    if (const auto proposed = ProposedKvtmlChoice(file, document.ForeignLangID(), document.NativeLangID()))
        choice = *proposed;
    else
        throw EVocabFileError(NothingImported(TooFewLanguagesMessage));
    TKvtmlDialog dialog(&Form_, file, choice);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    // The history is asked for before the worker starts: it is opened, and failing told, here.
    THistory* history = choice.Grades ? Form_.Review().History() : nullptr;
    if (choice.Grades && !history)
        return;
    const std::string historyPath = history ? history->Path() : std::string();
    TSchedulerParameters parameters;
    parameters.DesiredRetention = Form_.Session().Settings.Reviews.DesiredRetention();
    TKvtmlImport import;
    int answers = 0, outOfRange = 0;
    RunLongTask(&Form_, label, [&] {
        import = ImportKvtml(read, file, choice);
        if (import.Answers.empty())
            return;
        std::vector<THistoryAnswer> made;
        made.reserve(import.Answers.size());
        for (const TKvtmlAnswer& answer : import.Answers) {
            THistoryAnswer& one = made.emplace_back();
            one.Key = CardKeyOf(read, read.Items(static_cast<std::int32_t>(answer.Item)), answer.Direction);
            one.Correct = answer.Correct;
            one.UnixMs = answer.UnixMs;
        }
        // A connection of the worker's own: the window's stays with the window's thread.
        THistory own(historyPath);
        answers = own.ImportAnswers(made, parameters, outOfRange);
    });
    const std::int32_t added = document.MergeDocument(read);
    if (added == 0)
        throw EVocabFileError(tr("Nothing to import.").toStdString());
    if (history)
        Form_.Review().HistoryChanged();
    document.SetCurrentIndex(document.Count() - 1);
    Form_.RefreshGrid();
    import.Result.Added = added;
    ShowMessageBox(
        SayingText(TSaying::Joined({ ImportedMessage(import.Result), KvtmlNotes(import),
                                       choice.Grades ? KvtmlAnswersMessage(answers, outOfRange) : TSaying() },
            "\n\n")),
        tr("Import"), QMessageBox::Ok, QMessageBox::Information);
}
