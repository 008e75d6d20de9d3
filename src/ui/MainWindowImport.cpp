// The main window's Import command.

#include "app/DialogRunner.h"
#include "app/FileDialogs.h"
#include "app/MessageBox.h"
#include "core/SafeSave.h"
#include "exchange/ImportRules.h"
#include "ui/ImportFieldsDialog.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QFile>

namespace {
const QStringList ImportFilters = { QStringLiteral("Velmoria Files (*.vmr)"),
    QStringLiteral("Text Files (*.txt *.csv)"), QStringLiteral("All Files (*)") };
} // namespace

void TMainForm::miFileImportClick()
{
    ClearCutMark();
    const auto chosen = ChooseOpenFile(this,
        TFileDialogRequest { QStringLiteral("Import"), ImportFilters, WindowState_.ImportFilter,
            QDir::currentPath(), QString(), {} });
    if (!chosen)
        return;
    WindowState_.ImportFilter = chosen->FilterIndex;
    const std::string fileName = LocalFileName(chosen->FileName);

    // The file is read into a document of its own on the worker; the window's document changes
    // only here, afterwards, so nothing the window draws is touched while it is read.
    TVocabFile& document = Session_.Document();
    auto read = std::make_unique<TVocabFile>();
    read->SetForeignLangID(document.ForeignLangID());
    read->SetNativeLangID(document.NativeLangID());
    std::int32_t lostFields = 0;
    const QString label = QStringLiteral("Importing %1...").arg(chosen->FileName.section(u'/', -1));
    if (IsVocabularyFileName(fileName)) {
        RunLongTask(this, label, [&] { read->LoadFromFile(fileName); });
    } else {
        // A pipe or a device is refused before the format dialog asks about it (nothing is read).
        ReadFileStart(fileName, 0);
        TImportSettings settings;
        settings.Format = DetectTextFormat(fileName);
        TConvertDialog dialog(this, settings, fileName, Session_.Document());
        if (ExecDialog(dialog) != QDialog::Accepted)
            return;
        RunLongTask(this, label, [&] {
            lostFields
                = ImportText(*read, fileName, settings.Format, settings.FieldColumns, settings.StartLine)
                      .LostFields;
        });
    }
    const std::int32_t added = document.MergeDocument(*read);
    if (added == 0)
        throw EVocabFileError("Nothing to import.");
    document.SetCurrentIndex(document.Count() - 1);
    RefreshGrid();
    ShowMessageBox(QString::fromStdString(ImportedMessage(added, lostFields)), QStringLiteral("Import"),
        QMessageBox::Ok, QMessageBox::Information);
}
