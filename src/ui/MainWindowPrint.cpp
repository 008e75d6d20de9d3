// The main window's print commands: File > Print, the Print tool button, File > Page Setup and
// printing from the command line.

#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/QtPrinter.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/PageSetupDialog.h"
#include "ui/PrintOptionsDialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QToolBar>
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

void TMainForm::CreatePrintCommands()
{
    const auto shown = [this] { return ListShown(); };
    const TActionEntry entries[] = {
        { &miFilePrint, "miFilePrint", "&Print...", QKeySequence(Qt::CTRL | Qt::Key_P),
            "Prints the current file", "print", 2006, &TMainForm::miFilePrintClick, shown },
        { &tbPrint, "tbPrint", "Print", QKeySequence(), "Prints the current file", "print", 2006,
            &TMainForm::tbPrintClick, shown },
        { &miFilePageSetup, "miFilePageSetup", "Page S&etup...", QKeySequence(),
            "Changes the layout of printed pages", nullptr, 2007, &TMainForm::miFilePageSetupClick },
    };
    // The tool button shows the menu twin's shortcut though it prints without the dialog.
    CreateAction(entries[0]);
    CreateAction(entries[1], QKeySequence(Qt::CTRL | Qt::Key_P));
    CreateAction(entries[2]);

    // File menu: a group of its own between Save As and Properties.
    if (auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("miFile"))) {
        const QList<QAction*> actions = file->actions();
        const qsizetype at = actions.indexOf(miFileProperties);
        QAction* before = at > 0 && actions[at - 1]->isSeparator() ? actions[at - 1] : miFileProperties;
        file->insertSeparator(before);
        file->insertAction(before, miFilePrint);
        file->insertAction(before, miFilePageSetup);
    }
    // Tool bar: right after Save.
    const QList<QAction*> buttons = tbrToolBar->actions();
    const qsizetype save = buttons.indexOf(miFileSave);
    if (save >= 0 && save + 1 < buttons.size())
        tbrToolBar->insertAction(buttons[save + 1], tbPrint);
    else
        tbrToolBar->addAction(tbPrint);
}

void TMainForm::miFilePrintClick()
{
    PrintCommand(psMenu);
}

void TMainForm::tbPrintClick()
{
    PrintCommand(psToolBar);
}

void TMainForm::miFilePageSetupClick()
{
    TPageSetupDialog dialog(this, Session_.Settings.PageSetup);
    ExecDialog(dialog);
}

bool TMainForm::PrintCommand(TPrintSender sender)
{
    if (sender != psCommandLine && WindowMode_ == wmNone)
        return false;
    QPrinter* printer = &ThePrinter();
    std::unique_ptr<QPrinter> pdf;
    if (!PrinterInstalled()) {
        if (sender == psCommandLine)
            CheckPrinter();
        // A PDF file needs no printer, so a user without one can still have the pages.
        ReportException(std::runtime_error(NoPrinterInstalled));
        if (ShowMessageBox(QStringLiteral("Would you like to save the pages as a PDF file instead?"),
                QString(), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question)
            != QMessageBox::Yes)
            return false;
        pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
        printer = pdf.get();
    }
    if (sender == psMenu) {
        TPrintOptionsDialog dialog(this, *printer, Session_.Document(), Session_.Settings);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        repaint();
    }
    QString pdfName;
    if (pdf) {
        const QString current = QFile::decodeName(QByteArray::fromStdString(Session_.Document().FileName()));
        const QFileInfo info(current);
        const QString folder = current.isEmpty() ? QDir::currentPath() : info.absolutePath();
        const QString proposed
            = current.isEmpty() ? QString() : folder + QLatin1Char('/') + info.completeBaseName();
        const auto chosen = ChooseSaveFile(this,
            TFileDialogRequest { QStringLiteral("Save as PDF"), { QStringLiteral("PDF Files (*.pdf)") }, 1,
                folder, proposed, { QStringLiteral("pdf") } });
        if (!chosen)
            return false;
        pdfName = chosen->FileName;
    }
    TWaitCursor wait;
    TDisabledWindow disabled(this);
    const auto progress = MakePrintProgress(this);
    if (pdf)
        return PrintDocumentToPdf(
            *pdf, pdfName, Session_.Document(), CurrentPrintRequest(Session_.Settings), *progress);
    return PrintDocument(*printer, Session_.Document(), CurrentPrintRequest(Session_.Settings), *progress);
}
