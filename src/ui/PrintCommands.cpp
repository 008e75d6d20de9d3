#include "ui/PrintCommands.h"

#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/QtPrinter.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/PageSetupDialog.h"
#include "ui/PrintOptionsDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <memory>
#include <stdexcept>

namespace {
// Keeps the main window disabled while a job runs, and enables it again on every way out.
class TDisabledWindow {
public:
    explicit TDisabledWindow(QWidget* window)
        : Window_(window)
    {
        Window_->setEnabled(false);
    }
    ~TDisabledWindow() { Window_->setEnabled(true); }
    TDisabledWindow(const TDisabledWindow&) = delete;
    TDisabledWindow& operator=(const TDisabledWindow&) = delete;

private:
    QWidget* Window_;
};
} // namespace

TPrintCommands::TPrintCommands(TMainForm& form)
    : Form_(form)
{
    const auto shown = [&form] { return form.ListShown(); };
    const TCommandRow rows[] = {
        { "miFilePrint", QT_TRANSLATE_NOOP("Commands", "&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
            QT_TRANSLATE_NOOP("Commands", "Prints the current file"), "print", 2006, { TMenuId::File, 30 },
            [this] { PrintList(psMenu); }, shown },
        // The button shows the menu twin's shortcut though it prints without the dialog.
        { "tbPrint", QT_TRANSLATE_NOOP("Commands", "Print"), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Prints the current file"), "print", 2006, { TMenuId::None, 0, 13 },
            [this] { PrintList(psToolBar); }, shown, {}, {}, QKeySequence(Qt::CTRL | Qt::Key_P) },
        { "miFilePageSetup", QT_TRANSLATE_NOOP("Commands", "Page S&etup..."), QKeySequence(),
            QT_TRANSLATE_NOOP("Commands", "Changes the layout of printed pages"), nullptr, 2007,
            { TMenuId::File, 31 },
            [this] {
                TPageSetupDialog dialog(&Form_, Form_.Session().Settings.PageSetup);
                ExecDialog(dialog);
            } },
    };
    form.AddCommands(rows);
}

bool TPrintCommands::PrintList(TSender sender)
{
    TSession& session = Form_.Session();
    if (sender != psCommandLine && Form_.WindowMode() == wmNone)
        return false;
    QPrinter* printer = &ThePrinter();
    std::unique_ptr<QPrinter> pdf;
    if (!PrinterInstalled()) {
        if (sender == psCommandLine)
            CheckPrinter();
        // A PDF file needs no printer, so a user without one can still have the pages.
        ReportException(std::runtime_error(NoPrinterInstalled));
        if (ShowMessageBox(tr("Would you like to save the pages as a PDF file instead?"), QString(),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Question)
            != QMessageBox::Yes)
            return false;
        pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
        printer = pdf.get();
    }
    if (sender == psMenu) {
        TPrintOptionsDialog dialog(&Form_, *printer, session.Document(), session.Settings);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        Form_.repaint();
    }
    QString pdfName;
    if (pdf) {
        const QString current = QFile::decodeName(QByteArray::fromStdString(session.Document().FileName()));
        const QFileInfo info(current);
        const QString folder = current.isEmpty() ? QDir::currentPath() : info.absolutePath();
        const QString proposed
            = current.isEmpty() ? QString() : folder + QLatin1Char('/') + info.completeBaseName();
        const auto chosen = ChooseSaveFile(&Form_,
            TFileDialogRequest { tr("Save as PDF"), { FileFilter(tr("PDF Files"), "*.pdf") }, 1, folder,
                proposed, { QStringLiteral("pdf") } });
        if (!chosen)
            return false;
        pdfName = chosen->FileName;
    }
    TWaitCursor wait;
    TDisabledWindow disabled(&Form_);
    const auto progress = MakePrintProgress(&Form_);
    if (pdf)
        return PrintDocumentToPdf(
            *pdf, pdfName, session.Document(), CurrentPrintRequest(session.Settings), *progress);
    return PrintDocument(*printer, session.Document(), CurrentPrintRequest(session.Settings), *progress);
}
