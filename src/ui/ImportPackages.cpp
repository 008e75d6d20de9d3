// File > Import of deck packages and KVTML files, and File > Export Deck Package: in the parts'
// module with the libraries that read and write them (libzip, zstd, nettle, libxml2).

#include "core/SafeSave.h"
#include "core/SaveTarget.h"
#include "deck/DeckPackage.h"
#include "exchange/ImportRules.h"
#include "exchange/Kvtml.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "review/History.h"
#include "ui/DeckDialogs.h"
#include "ui/DueCounter.h"
#include "ui/ImportCommands.h"
#include "ui/KvtmlDialog.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/ReviewFeature.h"

#include <QDir>
#include <chrono>
#include <optional>
#include <utility>

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
void TImportCommands::ImportDeckPackage(const QString& shownName, const std::string& fileName)
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

void TImportCommands::ExportDeckPackage()
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

// Read on the worker, then as ImportKvtmlFile.
void TImportCommands::ImportKvtml(const std::string& bytes, TVocabFile& read, const QString& label)
{
    TKvtmlFile file;
    RunLongTask(&Form_, label, [&] { file = ReadKvtml(bytes); });
    ImportKvtmlFile(file, read, label);
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
        import = ::ImportKvtml(read, file, choice);
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
