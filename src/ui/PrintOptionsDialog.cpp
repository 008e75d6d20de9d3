#include "ui/PrintOptionsDialog.h"

#include "core/DisplayText.h"
#include "core/VocabFile.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "qtsupport/QtPrinter.h"
#include "ui/FontDialog.h"
#include "ui/ValueChecks.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int MaxCopies = 999;
constexpr int CopiesToConfirm = 100;

QCheckBox* MakeCheck(const QString& caption, QWidget* parent, int helpContext)
{
    auto* box = new QCheckBox(caption, parent);
    SetHelpContext(box, helpContext);
    return box;
}
} // namespace

TPrintOptionsDialog::TPrintOptionsDialog(
    QWidget* parent, QPrinter& printer, const TVocabFile& document, TSettings& settings)
    : QDialog(parent)
    , Printer_(printer)
    , Document_(document)
    , Settings_(settings)
{
    setWindowTitle(tr("Print"));

    auto* gbPrinter = new QGroupBox(tr(" Printer: "), this);
    lblPrinter = new QLabel(gbPrinter);
    lblPrinter->setMinimumWidth(220);
    btnSetup = new QPushButton(tr("&Setup..."), gbPrinter);
    SetHelpContext(btnSetup, 1500);
    auto* printerRow = new QHBoxLayout(gbPrinter);
    printerRow->addWidget(lblPrinter, 1);
    printerRow->addWidget(btnSetup);

    auto* gbFont = new QGroupBox(tr(" Font: "), this);
    lblFont = new QLabel(gbFont);
    btnFont = new QPushButton(tr("Ch&ange..."), gbFont);
    SetHelpContext(btnFont, 1501);
    auto* fontRow = new QHBoxLayout(gbFont);
    fontRow->addWidget(lblFont, 1);
    fontRow->addWidget(btnFont);

    auto* gbPrint = new QGroupBox(tr(" Print: "), this);
    chbTitle = MakeCheck(tr("&Document title"), gbPrint, 1502);
    chbPageNumbers = MakeCheck(tr("Page &numbers"), gbPrint, 1503);
    edtCopies = new QLineEdit(gbPrint);
    SetDigitsOnly(edtCopies);
    edtCopies->setMaxLength(3);
    edtCopies->setFixedWidth(edtCopies->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    SetHelpContext(edtCopies, 1504);
    auto* copiesLabel = new QLabel(tr("&Copies:"), gbPrint);
    copiesLabel->setBuddy(edtCopies);
    auto* printGrid = new QGridLayout(gbPrint);
    printGrid->addWidget(chbTitle, 0, 0, 1, 2);
    printGrid->addWidget(chbPageNumbers, 1, 0, 1, 2);
    printGrid->addWidget(copiesLabel, 2, 0);
    printGrid->addWidget(edtCopies, 2, 1, Qt::AlignLeft);
    printGrid->setColumnStretch(1, 1);

    auto* gbInclude = new QGroupBox(tr(" Include: "), this);
    chbCategory = MakeCheck(tr("&Part of speech"), gbInclude, 1505);
    chbNotes = MakeCheck(tr("N&otes"), gbInclude, 1505);
    chbNative = MakeCheck(tr("&Translations"), gbInclude, 1505);
    auto* includeColumn = new QVBoxLayout(gbInclude);
    includeColumn->addWidget(chbCategory);
    includeColumn->addWidget(chbNotes);
    includeColumn->addWidget(chbNative);
    includeColumn->addStretch();

    btnPreview = new QPushButton(tr("Pre&view..."), this);
    const TDialogButtons buttons = MakeDialogButtons(this, [] { RequestHelp(3060); });
    btnOK = buttons.OK;
    btnCancel = buttons.Cancel;
    btnHelp = buttons.Help;

    auto* groups = new QHBoxLayout;
    groups->addWidget(gbPrint, 1);
    groups->addWidget(gbInclude, 1);
    buttons.Row->insertWidget(0, btnPreview);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gbPrinter);
    layout->addWidget(gbFont);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnSetup, &QPushButton::clicked, this, &TPrintOptionsDialog::btnSetupClick);
    connect(btnFont, &QPushButton::clicked, this, &TPrintOptionsDialog::btnFontClick);
    connect(btnPreview, &QPushButton::clicked, this, &TPrintOptionsDialog::btnPreviewClick);
    connect(btnOK, &QPushButton::clicked, this, &TPrintOptionsDialog::btnOKClick);

    // FormCreate
    ShowPrinter();
    ShowFont();
    chbTitle->setChecked(Settings_.PrintOptions.Title);
    chbPageNumbers->setChecked(Settings_.PrintOptions.PageNumbers);
    chbCategory->setChecked(Settings_.PrintOptions.Include & (1u << fiCategory));
    chbNotes->setChecked(Settings_.PrintOptions.Include & (1u << fiNotes));
    chbNative->setChecked(Settings_.PrintOptions.Include & (1u << fiNative));
}

void TPrintOptionsDialog::ShowPrinter()
{
    const QString name = Printer_.outputFormat() == QPrinter::PdfFormat || Printer_.printerName().isEmpty()
        ? tr("PDF file")
        : Printer_.printerName();
    lblPrinter->setText(name);
    edtCopies->setText(QString::number(Printer_.copyCount() >= 1 ? Printer_.copyCount() : 1));
}

void TPrintOptionsDialog::ShowFont()
{
    lblFont->setText(
        tr("%1, %2 pt").arg(QString::fromStdString(Settings_.PrintFont.Name)).arg(Settings_.PrintFont.Size));
}

TPrintOptions TPrintOptionsDialog::ChosenOptions() const
{
    TPrintOptions options;
    options.Title = chbTitle->isChecked();
    options.PageNumbers = chbPageNumbers->isChecked();
    options.Include = 0;
    if (chbCategory->isChecked())
        options.Include |= 1u << fiCategory;
    if (chbNotes->isChecked())
        options.Include |= 1u << fiNotes;
    if (chbNative->isChecked())
        options.Include |= 1u << fiNative;
    return options;
}

void TPrintOptionsDialog::btnSetupClick()
{
    QPrintDialog dialog(&Printer_, this);
    if (ExecDialog(dialog) == QDialog::Accepted)
        ShowPrinter();
}

void TPrintOptionsDialog::btnFontClick()
{
    TSelectFontDialog dialog(this, Settings_.PrintFont);
    if (ExecDialog(dialog) == QDialog::Accepted)
        ShowFont();
}

void TPrintOptionsDialog::btnPreviewClick()
{
    // A printer like the chosen one, with one copy: the preview shows a single pass.
    QPrinter preview(QPrinter::HighResolution);
    if (Printer_.outputFormat() == QPrinter::NativeFormat && !Printer_.printerName().isEmpty())
        preview.setPrinterName(Printer_.printerName());
    preview.setPageLayout(Printer_.pageLayout());
    preview.setCopyCount(1);
    TPrintRequest request = CurrentPrintRequest(Settings_);
    request.Options = ChosenOptions();
    QPrintPreviewDialog dialog(&preview, this);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(tr("Print Preview"));
    connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, &dialog, request](QPrinter* printer) {
            try {
                PrintDocument(*printer, Document_, request, *MakePrintProgress(&dialog));
            } catch (const std::exception& error) {
                ShowMessageBox(
                    ErrorText(error), QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Critical);
            }
        });
    ExecDialog(dialog);
}

void TPrintOptionsDialog::btnOKClick()
{
    if (!CheckIntRange(edtCopies, 1, MaxCopies))
        return;
    const int copies = *ParseInt32(edtCopies->text().toStdString());
    if (copies > CopiesToConfirm
        && ShowMessageBox(tr("You have chosen to print a large number of copies. Are you sure?"), QString(),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Warning)
            != QMessageBox::Ok)
        return;
    Printer_.setCopyCount(copies);
    Settings_.PrintOptions = ChosenOptions();
    accept();
}
