// Printing from the window: the Print and Page Setup dialogs, locale numbers, pages written as
// PDF and read back with pdfinfo/pdftotext, and the print commands without a printer.

#include "gui/DialogTestSupport.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/QtPrinter.h"
#include "settings/MemoryStore.h"
#include "support/TempDir.h"
#include "ui/Features.h"
#include "ui/FontDialog.h"
#include "ui/PageSetupDialog.h"
#include "ui/PrintOptionsDialog.h"
#include "ui/ValueChecks.h"

#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>

namespace {

QString RunTool(const char* tool, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(tool), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A field of pdfinfo's report ("Pages", "Title").
QString PdfInfo(const QString& file, const QString& field)
{
    for (const QString& line : RunTool("pdfinfo", { file }).split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

int PdfPages(const QString& file)
{
    return PdfInfo(file, QStringLiteral("Pages")).toInt();
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Session.Settings = TSettings {};
        Session.Settings.PrintFont = { "Serif", 10 };
        ClearScripted();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        UseList(Session, 0x0407, 0x0409);
    }
    void TearDown() override
    {
        ClearScripted();
        QLocale::setDefault(QLocale::c());
    }
    void AddItems(int count, const std::string& native = "translation")
    {
        for (int i = 0; i < count; ++i) {
            auto item = std::make_unique<TVocabItem>();
            item->SetFieldValues("Wort" + std::to_string(i), "noun", "", native);
            Session.Document().AppendItem(std::move(item));
        }
        Session.Document().EndBulkAppend();
    }
    QString PrintPdf(const std::string& name, int copies = 1)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setCopyCount(copies);
        const QString file = QString::fromStdString(Dir.File(name));
        TScriptedPrintProgress progress;
        EXPECT_TRUE(PrintDocumentToPdf(
            printer, file, Session.Document(), CurrentPrintRequest(Session.Settings), progress));
        EXPECT_TRUE(progress.CancellingEnded) << "the job went to the printer";
        return file;
    }

    TTempDir Dir;

    TSession Session;
};

TEST_F(PrintTest, LocaleDecimalsAreTheOnlyNumbersAccepted)
{
    const struct {
        QLocale Locale;
        std::vector<std::pair<const char*, double>> Accepted;
        std::vector<const char*> Refused; // another locale's point or grouping, exponents, ...
    } cases[] = {
        { QLocale(QLocale::German, QLocale::Germany), { { "2,54", 2.54 }, { " -1,5 ", -1.5 }, { "3", 3.0 } },
            { "2.54", "1.000", "1e1", "0x10", ",", "1,2,3" } },
        { QLocale(QLocale::English, QLocale::UnitedStates), { { "2.54", 2.54 }, { ".5", 0.5 } },
            { "2,54", "1,000", "1E2", "inf", "nan", "" } },
    };
    for (const auto& c : cases) {
        for (const auto& [text, value] : c.Accepted)
            EXPECT_EQ(ParseLocaleDecimal(Q(text), c.Locale), value) << c.Locale.name().toStdString() << text;
        for (const char* text : c.Refused)
            EXPECT_EQ(ParseLocaleDecimal(Q(text), c.Locale), std::nullopt)
                << c.Locale.name().toStdString() << text;
    }
}

TEST_F(PrintTest, PageSetupRefusesBadMarginsInOrderAndShowsAndStoresThemInTheLocalesUnit)
{
    for (const char* bad : { "99.5", "abc", "-1", "1e1", "" }) {
        SCOPED_TRACE(bad);
        ScriptedBoxes().Clear();
        TPageSetupDialog dialog(nullptr, Session.Settings.PageSetup);
        ShowActive(dialog);
        dialog.edtRight->setText(Q(bad));
        dialog.edtBottom->setText(Q("x"));
        dialog.btnOKClick();
        EXPECT_EQ(ShownTexts(), QStringList { Q("Number must be between 0 and 99.") })
            << "only the first failure";
        EXPECT_TRUE(dialog.edtRight->hasFocus());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(Session.Settings.PageSetup.Margins.Right, 1440);
    }
    const struct {
        QLocale Locale;
        const char* Caption;
        const char* OneInch;
        const char* Typed;
        std::int32_t Twips;
    } cases[] = {
        { QLocale(QLocale::German, QLocale::Germany), " Margins (cm): ", "2,54", "2", 1134 },
        { QLocale(QLocale::English, QLocale::UnitedStates), " Margins (inches): ", "1.00", "0.5", 720 },
        { QLocale(QLocale::French, QLocale::France), " Margins (cm): ", "2,54", "1,27", 720 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        Session.Settings = TSettings {};
        QLocale::setDefault(c.Locale);
        TPageSetupDialog dialog(nullptr, Session.Settings.PageSetup);
        EXPECT_EQ(dialog.gbMargins->title(), Q(c.Caption));
        for (QLineEdit* box : { dialog.edtLeft, dialog.edtRight, dialog.edtTop, dialog.edtBottom })
            EXPECT_EQ(box->text(), Q(c.OneInch));
        dialog.edtTop->setText(Q(c.Typed));
        dialog.btnOKClick();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(std::pair(Session.Settings.PageSetup.Margins.Top, Session.Settings.PageSetup.Margins.Left),
            std::pair(c.Twips, 1440));
    }
}

// What the preview shows: blocks of text lines and bars. Text lines lie on even rows from 6,
// so a row between two of them crosses only the bars.
std::pair<int, int> PreviewBlocksAndBars(QWidget* preview)
{
    const QImage image = preview->grab().toImage();
    const auto runs = [&image](int y) {
        int count = 0;
        bool inside = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool dark = qGray(image.pixel(x, y)) < 128;
            count += dark && !inside;
            inside = dark;
        }
        return count;
    };
    return { runs(8) - runs(9), runs(9) };
}

TEST_F(PrintTest, ColumnsEnableTheSeparatorAndShapeThePreview)
{
    Session.Settings.PageSetup.Columns = 3;
    Session.Settings.PageSetup.Separator = true;
    TPageSetupDialog dialog(nullptr, Session.Settings.PageSetup);
    ShowActive(dialog);
    EXPECT_TRUE(dialog.rbThreeCols->isChecked());
    EXPECT_EQ(PreviewBlocksAndBars(dialog.pbPreview), std::make_pair(3, 2));

    QTest::mouseClick(dialog.rbOneCol, Qt::LeftButton);
    EXPECT_FALSE(dialog.chbSeparator->isEnabled());
    EXPECT_TRUE(dialog.chbSeparator->isChecked()) << "the tick stays";

    QTest::mouseClick(dialog.rbTwoCols, Qt::LeftButton);
    EXPECT_TRUE(dialog.chbSeparator->isEnabled());
    QTest::mouseClick(dialog.chbSeparator, Qt::LeftButton);
    EXPECT_EQ(PreviewBlocksAndBars(dialog.pbPreview), std::make_pair(2, 0));

    QTest::mouseClick(dialog.chbSeparator, Qt::LeftButton);
    QTest::mouseClick(dialog.rbOneCol, Qt::LeftButton);
    dialog.btnOKClick();
    EXPECT_EQ(Session.Settings.PageSetup.Columns, 1);
    EXPECT_TRUE(Session.Settings.PageSetup.Separator) << "stored although the box is disabled";
}

TEST_F(PrintTest, PrintDialogShowsTheSettingsStoresThemOnOKAndConfirmsManyCopies)
{
    Session.Settings.PrintOptions = { false, true, 2 | 8 };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setCopyCount(2);
    TPrintOptionsDialog dialog(nullptr, printer, Session.Document(), Session.Settings);
    EXPECT_EQ(dialog.lblFont->text(), Q("Serif, 10 pt"));
    EXPECT_EQ(dialog.edtCopies->text(), Q("2"));
    EXPECT_EQ(
        (std::vector<bool> { dialog.chbTitle->isChecked(), dialog.chbPageNumbers->isChecked(),
            dialog.chbCategory->isChecked(), dialog.chbNotes->isChecked(), dialog.chbNative->isChecked() }),
        (std::vector<bool> { false, true, true, false, true }));

    ShowActive(dialog);
    dialog.edtCopies->clear();
    TypeText(dialog.edtCopies, Q("12x34"));
    EXPECT_EQ(dialog.edtCopies->text(), Q("123")) << "three digits at most";
    dialog.chbTitle->setChecked(true);
    OnDialog<TSelectFontDialog>([](TSelectFontDialog& font) {
        font.cbFontName->setCurrentIndex(0);
        font.cbFontSize->setEditText(Q("14"));
        font.btnOKClick();
    });
    dialog.btnFontClick();
    EXPECT_EQ(dialog.lblFont->text(), QString::fromStdString(Session.Settings.PrintFont.Name) + Q(", 14 pt"));
    dialog.btnCancel->click();
    EXPECT_EQ(printer.copyCount(), 2) << "Cancel keeps the copies and the options";
    EXPECT_FALSE(Session.Settings.PrintOptions.Title);
    EXPECT_EQ(Session.Settings.PrintFont.Size, 14) << "but the font accepted in the font dialog stays";

    TPrintOptionsDialog again(nullptr, printer, Session.Document(), Session.Settings);
    again.edtCopies->setText(Q("7"));
    again.chbTitle->setChecked(true);
    again.chbNative->setChecked(false);
    again.chbNotes->setChecked(true);
    again.btnOKClick();
    EXPECT_EQ(std::tuple(again.result(), printer.copyCount(), Session.Settings.PrintOptions.Title,
                  Session.Settings.PrintOptions.Include),
        std::tuple(int(QDialog::Accepted), 7, true, 2 | 4));

    // Copies are checked, and many confirmed.
    const QStringList range { Q("Number must be between 1 and 999.") };
    const QStringList many { Q("You have chosen to print a large number of copies. Are you sure?") };
    const struct {
        const char* Copies;
        std::optional<QMessageBox::StandardButton> Answer; // a question is expected
        QStringList Messages;
        bool Accepted;
    } cases[] = {
        { "0", std::nullopt, range, false },
        { "", std::nullopt, range, false },
        { "100", std::nullopt, {}, true },
        { "101", QMessageBox::Cancel, many, false },
        { "999", QMessageBox::Ok, many, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Copies);
        ScriptedBoxes().Clear();
        if (c.Answer)
            ScriptedBoxes().QueueAnswer(*c.Answer);
        QPrinter fresh(QPrinter::HighResolution);
        TPrintOptionsDialog checked(nullptr, fresh, Session.Document(), Session.Settings);
        checked.edtCopies->setText(Q(c.Copies));
        checked.btnOKClick();
        EXPECT_EQ(ShownTexts(), c.Messages);
        EXPECT_EQ(checked.result() == QDialog::Accepted, c.Accepted);
        EXPECT_EQ(fresh.copyCount(), c.Accepted ? checked.edtCopies->text().toInt() : 1);
    }
}

TEST_F(PrintTest, PrintedPdfCarriesTheTitleTheTextAndOnePassPerCopy)
{
    Session.Document().SetProperties(piDescription, "Grundwortschatz");
    AddItems(400);
    Session.Document().SaveToFile(Dir.File("words.vmr"));
    const QString once = PrintPdf("once.pdf");
    const int pages = PdfPages(once);
    EXPECT_GE(pages, 2);
    EXPECT_EQ(PdfInfo(once, Q("Title")), Q("Velmoria - words.vmr"));
    const QString text = RunTool("pdftotext", { once, QStringLiteral("-") });
    EXPECT_TRUE(text.contains(Q("Grundwortschatz")));
    EXPECT_TRUE(text.contains(Q("Wort399 noun translation")));

    // A PDF cannot make copies itself: three copies are three passes.
    EXPECT_EQ(PdfPages(PrintPdf("three.pdf", 3)), 3 * pages);

    Session.Settings.PrintOptions.Include = 0;
    Session.Settings.PrintOptions.Title = false;
    const QString bare = RunTool("pdftotext", { PrintPdf("bare.pdf"), QStringLiteral("-") });
    EXPECT_FALSE(bare.contains(Q("Grundwortschatz")));
    EXPECT_FALSE(bare.contains(Q("noun")));
    EXPECT_TRUE(bare.contains(Q("Wort0")));
}

TEST_F(PrintTest, MarginsTooLargeAndCancelledJobsLeaveNoFile)
{
    AddItems(50);
    Session.Settings.PageSetup.Margins.Left = 99 * 1440;
    QPrinter printer(QPrinter::HighResolution);
    const std::string file = Dir.File("wide.pdf");
    TScriptedPrintProgress progress;
    EXPECT_THROW(PrintDocumentToPdf(printer, QString::fromStdString(file), Session.Document(),
                     CurrentPrintRequest(Session.Settings), progress),
        std::runtime_error)
        << "printed into no space";
    EXPECT_FALSE(std::filesystem::exists(file));

    Session.Settings = TSettings {};
    AddItems(30000);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        if (auto* box = window.findChild<QProgressDialog*>(QStringLiteral("PrintProgress")))
            box->cancel();
    });
    // Cancelled in the box shown at once, or at a later step while the pages are laid out.
    const std::string cancelled = Dir.File("cancelled.pdf");
    EXPECT_FALSE(PrintDocumentToPdf(printer, QString::fromStdString(cancelled), Session.Document(),
        CurrentPrintRequest(Session.Settings), *MakePrintProgress(&window, 0)));
    TScriptedPrintProgress later(3);
    EXPECT_FALSE(PrintDocumentToPdf(printer, QString::fromStdString(cancelled), Session.Document(),
        CurrentPrintRequest(Session.Settings), later));
    EXPECT_EQ(std::tuple(later.Steps.size(), later.CancellingEnded,
                  std::distance(std::filesystem::directory_iterator(Dir.Path()), {})),
        std::tuple(4u, false, 0))
        << "no file left";
}

TEST_F(PrintTest, PreviewShowsTheDialogsChoicesOnTheRealPages)
{
    AddItems(300, "a translation long enough to need a second line in a column of its own");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    TPrintOptionsDialog dialog(nullptr, printer, Session.Document(), Session.Settings);
    int previewPages = -1;
    OnDialog<QPrintPreviewDialog>([&previewPages](QPrintPreviewDialog& preview) {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        widget->updatePreview();
        previewPages = widget->pageCount();
    });
    dialog.btnPreviewClick();
    const int pages = PdfPages(PrintPdf("pages.pdf"));
    EXPECT_EQ(previewPages, pages);

    // Without translations the items take less room: the preview follows the unsaved choice.
    dialog.chbNative->setChecked(false);
    dialog.chbCategory->setChecked(false);
    dialog.btnPreviewClick();
    EXPECT_LT(previewPages, pages);
    EXPECT_EQ(Session.Settings.PrintOptions.Include, 14) << "the preview stores nothing";
}

TEST_F(PrintTest, PrintCommandsFollowTheViewAndWithoutAPrinterOfferAPdfFileButNotOnTheCommandLine)
{
    ASSERT_FALSE(PrinterInstalled()) << "the tests run without a print server";
    TMainForm form(Session, std::make_unique<TMemorySettingsStore>());
    const std::string list = Dir.File("list.vmr");
    std::filesystem::copy_file(std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr", list);
    const auto enabled = [&form] {
        return std::tuple(form.Command("miFilePrint")->isEnabled(), form.Command("tbPrint")->isEnabled(),
            form.Command("miFilePageSetup")->isEnabled());
    };
    form.UpdateCommandState();
    EXPECT_EQ(enabled(), std::tuple(false, false, true)) << "nothing to print";
    ASSERT_TRUE(form.File().OpenFile(list));
    form.SetWindowMode(wmEditing);
    EXPECT_EQ(enabled(), std::tuple(true, true, true));
    const std::string pdf = Dir.File("list.pdf");
    struct TCase {
        const char* Name;
        QAction* Command;
        QMessageBox::StandardButton Answer;
        bool PrintDialog;
        bool Written;
    } cases[] = {
        { "menu, offer declined", form.Command("miFilePrint"), QMessageBox::No, false, false },
        { "menu, offer taken", form.Command("miFilePrint"), QMessageBox::Yes, true, true },
        { "tool button prints at once", form.Command("tbPrint"), QMessageBox::Yes, false, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove(pdf);
        ClearScripted();
        ScriptedBoxes().QueueAnswer(QMessageBox::Ok);
        ScriptedBoxes().QueueAnswer(c.Answer);
        ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(pdf), 1 });
        bool printDialog = false;
        OnDialog<TPrintOptionsDialog>([&printDialog](TPrintOptionsDialog& dialog) {
            printDialog = true;
            EXPECT_EQ(dialog.lblPrinter->text(), Q("PDF file"));
            dialog.btnOKClick();
        });
        c.Command->trigger();
        ASSERT_GE(ScriptedBoxes().Shown().size(), 2u);
        const auto& shown = ScriptedBoxes().Shown();
        EXPECT_EQ(std::tuple(
                      shown[0].Text, shown[0].Icon, shown[1].Icon, printDialog, std::filesystem::exists(pdf)),
            std::tuple(Q("No printer installed."), QMessageBox::Critical, QMessageBox::Question,
                c.PrintDialog, c.Written));
        if (c.Written) {
            EXPECT_EQ(PdfPages(QString::fromStdString(pdf)), 1);
            EXPECT_EQ(ScriptedFiles().Asked(), QStringList { Q("Save as PDF") });
        }
        EXPECT_TRUE(form.isEnabled());
        EXPECT_FALSE(QApplication::overrideCursor());
    }
    // No PDF offer on the command line.
    ScriptedBoxes().Clear();
    ScriptedBoxes().QueueAnswer(QMessageBox::Ok);
    EXPECT_EQ(form.StartUp({ saPrint, list }), 1);
    EXPECT_EQ(ShownTexts(), QStringList { Q("No printer installed.") });
    EXPECT_FALSE(form.isVisible());
}

} // namespace
