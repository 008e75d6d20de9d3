#include "ui/ImportCommands.h"

#include "core/SafeSave.h"
#include "core/SaveTarget.h"
#include "deck/DeckPackage.h"
#include "exchange/ImportRules.h"
#include "exchange/TextCheck.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "review/History.h"
#include "ui/DueCounter.h"
#include "ui/ImportFieldsDialog.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/Parts.h"
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

void TImportCommands::ExportDeck()
{
    if (const TParts* parts = LoadParts())
        parts->ExportDeck(*this);
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
        if (const TParts* parts = LoadParts())
            parts->ImportDeck(*this, shownName, fileName);
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
        bool kvtml = false;
        RunLongTask(&Form_, tr("Reading %1...").arg(chosen->FileName.section(u'/', -1)), [&] {
            bytes = ReadWholeFile(fileName);
            kvtml = LooksLikeKvtml(bytes, fileName);
            if (kvtml)
                return;
            settings.Format = DetectTextFormatBytes(bytes);
            notText = NotTextReason(bytes, settings.Format);
        });
        if (kvtml) {
            if (const TParts* parts = LoadParts())
                parts->ImportKvtml(*this, bytes, *read, label);
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
