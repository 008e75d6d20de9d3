// Saves pictures of the main window and its dialogs, to look at them as a user would.
// Usage: velmoria-screenshots LIST.vmr OUTPUT-FOLDER (run it on the offscreen platform).

#include "app/MessageBox.h"
#include "app/PropertiesDlg.h"
#include "app/WelcomeDlg.h"
#include "core/GlobalDocument.h"
#include "printing/QtPrinter.h"
#include "settings/MemoryStore.h"
#include "ui/EditDlg.h"
#include "ui/FontDlg.h"
#include "ui/MainFrm.h"
#include "ui/PageSetupDlg.h"
#include "ui/PrintOptionsDlg.h"
#include "ui/VocabGrid.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <cstdio>

namespace {
QString Folder;

void Save(QWidget* widget, const char* name)
{
    widget->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const QString path = Folder + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".png");
    if (!widget->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}
// The Print dialog, Page Setup in one to three columns, the preview, and page 1 of the example
// list printed to PDF in one to three columns, rendered by pdftoppm.
void SavePrinting(QWidget& form, const TVocabFile& document)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    {
        TPrintOptionsDialog dialog(&form, pdf, document);
        Save(&dialog, "09-print");
    }
    const char* const setupNames[] = { "10-page-setup-1", "11-page-setup-2", "12-page-setup-3" };
    for (int columns = 1; columns <= 3; ++columns) {
        PageSetup.Columns = columns;
        TPageSetupDialog dialog(&form);
        Save(&dialog, setupNames[columns - 1]);
    }
    PageSetup.Columns = 2;
    {
        QPrinter preview(QPrinter::HighResolution);
        preview.setPageLayout(pdf.pageLayout());
        QPrintPreviewDialog dialog(&preview, &form);
        dialog.setWindowTitle(QStringLiteral("Print Preview"));
        QObject::connect(
            &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&document](QPrinter* printer) {
                PrintDocument(*printer, document, CurrentPrintRequest(), nullptr);
            });
        dialog.resize(760, 640);
        Save(&dialog, "13-preview");
    }
    for (int columns = 1; columns <= 3; ++columns) {
        PageSetup.Columns = columns;
        const QString base = Folder + QStringLiteral("/%1-printed-%2-columns").arg(13 + columns).arg(columns);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        try {
            PrintDocumentToPdf(
                printer, base + QStringLiteral(".pdf"), document, CurrentPrintRequest(), nullptr);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "printing failed: %s\n", error.what());
            continue;
        }
        QProcess::execute(QStringLiteral("pdftoppm"),
            { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-f"),
                QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                base + QStringLiteral(".pdf"), base });
        std::printf("%s.png\n", qPrintable(base));
    }
    PageSetup.Columns = 2;
}
} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmoria-screenshots LIST.vmr OUTPUT-FOLDER\n");
        return 2;
    }
    Folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(Folder);
    MessageBoxHook::Enable(true);

    TMainForm form(std::make_unique<TMemorySettingsStore>());
    form.resize(760, 520);
    form.show();
    form.UpdateCommandState();
    Save(&form, "01-main-empty");

    if (!form.OpenFile(argv[1]))
        return 1;
    form.SetWindowMode(wmEditing);
    Save(&form, "02-main-grid");

    TVocabFile& document = Document();
    document.Items(2).PenaltyPoints = -1;
    document.Items(5).PenaltyPoints = -1;
    document.SetCurrentIndex(3);
    form.RefreshGrid();
    Save(&form, "03-main-learnt");

    form.Grid()->SetCutIndex(1);
    Save(&form, "04-main-cut");
    form.Grid()->ClearCutMark();

    {
        TWelcomeData data;
        data.RecentFiles = &form.RecentFiles();
        TWelcomeDialog dialog(&form, data);
        Save(&dialog, "05-welcome");
    }
    {
        TPropertiesData data;
        data.FileName = document.FileName();
        data.ForeignLangID = document.ForeignLangID();
        data.NativeLangID = document.NativeLangID();
        data.Description = document.Properties(0);
        data.Author = document.Properties(1);
        data.Comments = document.Properties(2);
        TPropertiesDialog dialog(&form, data);
        Save(&dialog, "06-properties");
    }
    {
        TItemEditData data;
        data.IsNew = false;
        for (int f = 0; f < FieldCount; ++f)
            data.FieldValues[static_cast<std::size_t>(f)] = std::string(document.Items(1).FieldValue(f));
        data.SortingPosition = document.Items(1).SortingPosition;
        TEditDialog dialog(&form, data);
        Save(&dialog, "07-edit-item");
    }
    {
        TSelectFontDialog dialog(&form, DisplayFont);
        Save(&dialog, "08-font");
    }
    SavePrinting(form, document);
    return 0;
}
