// Saves pictures of the main window and its dialogs, to look at them as a user would.
// Usage: velmoria-screenshots LIST.vmr OUTPUT-FOLDER (run it on the offscreen platform).

#include "ScreenshotFiles.h"
#include "fakes/ScriptedDialogs.h"
#include "qtsupport/ModelText.h"
#include "qtsupport/QtPrinter.h"
#include "qtsupport/Translations.h"
#include "qtsupport/WindowStyle.h"
#include "settings/MemoryStore.h"
#include "settings/UiLanguage.h"
#include "ui/AboutDialog.h"
#include "ui/EditDialog.h"
#include "ui/Features.h"
#include "ui/FindDialog.h"
#include "ui/FontDialog.h"
#include "ui/HelpWindow.h"
#include "ui/ImportFieldsDialog.h"
#include "ui/OptionsDialog.h"
#include "ui/PageSetupDialog.h"
#include "ui/PrintOptionsDialog.h"
#include "ui/PropertiesDialog.h"
#include "ui/SortDialog.h"
#include "ui/Sound.h"
#include "ui/StatisticsDialog.h"
#include "ui/SymbolEdit.h"
#include "ui/SymbolPicker.h"
#include "ui/TestPanel.h"
#include "ui/TipsDialog.h"
#include "ui/VocabGrid.h"
#include "ui/WelcomeDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

// ScreenshotsReview.cpp
void SaveReviewPictures(TMainForm& form, const QString& folder);

namespace {
QString Folder;

void Save(QWidget* widget, const char* name)
{
    SaveWidget(widget, Folder, name);
}

// Asks item index in the panel as it stands (direction, mode, options).
void Ask(TMainForm& form, int index)
{
    form.Session().Document().SetCurrentIndex(index);
    form.TestPanel()->LayoutTestPanel();
    form.TestPanel()->ShowQuestion();
}

void Type(TMainForm& form, const char* response, const char* notes = "")
{
    form.TestPanel()->edtResponse->setText(QString::fromUtf8(response));
    if (*notes)
        form.TestPanel()->edtTestNotes->setText(QString::fromUtf8(notes));
}

// The Print dialog, Page Setup in one to three columns, the preview, and page 1 of the example
// list printed to PDF in one to three columns, rendered by pdftoppm.
void SavePrinting(TMainForm& form, const TVocabFile& document)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    {
        TPrintOptionsDialog dialog(&form, pdf, document, form.Session().Settings);
        Save(&dialog, "40-print");
    }
    const char* const setupNames[] = { "41-page-setup-1", "42-page-setup-2", "43-page-setup-3" };
    for (int columns = 1; columns <= 3; ++columns) {
        form.Session().Settings.PageSetup.Columns = columns;
        TPageSetupDialog dialog(&form, form.Session().Settings.PageSetup);
        Save(&dialog, setupNames[columns - 1]);
    }
    form.Session().Settings.PageSetup.Columns = 2;
    {
        QPrinter preview(QPrinter::HighResolution);
        preview.setPageLayout(pdf.pageLayout());
        QPrintPreviewDialog dialog(&preview, &form);
        dialog.setWindowTitle(QStringLiteral("Print Preview"));
        QObject::connect(
            &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&document, &form](QPrinter* printer) {
                PrintDocument(*printer, document, CurrentPrintRequest(form.Session().Settings),
                    *MakePrintProgress(nullptr));
            });
        dialog.resize(760, 640);
        Save(&dialog, "44-preview");
    }
    for (int columns = 1; columns <= 3; ++columns) {
        form.Session().Settings.PageSetup.Columns = columns;
        const QString base = Folder + QStringLiteral("/%1-printed-%2-columns").arg(44 + columns).arg(columns);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        try {
            PrintDocumentToPdf(printer, base + QStringLiteral(".pdf"), document,
                CurrentPrintRequest(form.Session().Settings), *MakePrintProgress(nullptr));
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
    form.Session().Settings.PageSetup.Columns = 2;
}

// The tips dialog, the help window on a topic and the about box; the data files are the build's.
void SaveHelp(QWidget& form)
{
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/");
    {
        TTipsData data { built + QStringLiteral("velmoria.tip"), 1, true };
        TTipsDialog dialog(&form, data);
        Save(&dialog, "70-tips");
    }
    {
        THelpSystem help(built + QStringLiteral("velmoria.qch"));
        help.ShowContext(3020, 1904);
        if (THelpWindow* window = help.Window()) {
            // The contents are built on a thread of the engine's.
            QElapsedTimer waited;
            waited.start();
            while (help.Engine()->contentModel()->isCreatingContents() && waited.elapsed() < 5000) {
                QApplication::processEvents();
                QThread::msleep(20);
            }
            help.ShowContext(3020, 1904);
            Save(window, "71-help-find");
            help.ShowContext(3043, 2229);
            Save(window, "71-help-options-section");
            help.ShowContents();
            window->pcNavigation->setCurrentIndex(1);
            window->edtIndex->setText(QStringLiteral("pen"));
            Save(window, "71-help-contents-index");
            window->pcNavigation->setCurrentIndex(2);
            window->edtSearch->setText(QStringLiteral("penalty"));
            window->Search(window->edtSearch->text());
            waited.restart();
            while (
                (window->lbResults->count() == 0 || !window->lbResults->item(0)->data(Qt::UserRole).isValid())
                && waited.elapsed() < 20000) {
                QApplication::processEvents();
                QThread::msleep(20);
            }
            Save(window, "71-help-search");
        } else if (!ScriptedBoxes().Shown().empty()) {
            std::fprintf(stderr, "%s\n", qPrintable(ScriptedBoxes().Shown().back().Text));
        }
    }
    {
        TAboutDialog dialog(&form);
        Save(&dialog, "72-about");
    }
}

// The item edit dialog with the symbol picker open below its word/phrase box and a cell selected;
// the picker is a window of its own, drawn over the dialog.
void SavePicker(TMainForm& form, const TVocabItem& item, int col, int row, const char* name)
{
    TItemEditData data;
    data.IsNew = false;
    for (int f = 0; f < FieldCount; ++f)
        data.FieldValues[static_cast<std::size_t>(f)] = std::string(item.FieldValue(f));
    TEditDialog dialog(&form, data, form.Session());
    dialog.show();
    dialog.activateWindow();
    dialog.edtForeign->setFocus();
    dialog.edtForeign->end(false);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    dialog.edtForeign->OpenPicker();
    TSymbolForm* picker = dialog.edtForeign->Picker();
    picker->SelectCell(col, row);
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    SaveOver(&dialog, picker, Folder, name, false);
    dialog.edtForeign->ClosePicker();
}
} // namespace

// SpeechScreenshots.cpp: the Speech page and the Speak command without a service.
void SaveSpeech(TMainForm& form, const QString& folder);

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    UseWindowStyle();
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmoria-screenshots LIST.vmr OUTPUT-FOLDER\n");
        return 2;
    }
    Folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(Folder);
    // In the desktop's language, as the program starts: LANGUAGE=de shows the German window.
    InstallTranslations(ChooseUiLanguage("", DesktopLanguages()));
    UseMessageBoxes(&ScriptedBoxes());

    TMainForm form(std::make_unique<TMemorySettingsStore>());
    // The reviews go to a history of their own, never the user's.
    const QTemporaryDir historyFolder;
    form.Review().SetHistoryPath((historyFolder.path() + QStringLiteral("/history.sqlite")).toStdString());
    TSettings& userSettings = form.Session().Settings;
    form.resize(760, 520);
    form.show();
    form.UpdateCommandState();
    Save(&form, "01-main-empty");

    if (!form.File().OpenFile(argv[1]))
        return 1;
    form.SetWindowMode(wmEditing);
    Save(&form, "02-main-grid");

    TVocabFile& document = form.Session().Document();
    document.Items(2).PenaltyPoints = -1;
    document.Items(5).PenaltyPoints = -1;
    document.RecountLearnt();
    document.SetCurrentIndex(3);
    form.RefreshGrid();
    Save(&form, "03-main-learnt");
    form.UpdateCommandState();
    Save(form.statusBar(), "81-status-bar-list");

    form.activateWindow();
    document.SetCurrentIndex(1);
    form.Edit().Cut();
    document.SetCurrentIndex(3);
    form.RefreshGrid();
    form.UpdateCommandState();
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
        TEditDialog dialog(&form, data, form.Session());
        Save(&dialog, "07-edit-item");
    }
    {
        TSelectFontDialog dialog(&form, userSettings.DisplayFont);
        Save(&dialog, "08-font");
    }

    // Testing. Item 0 is "der Hund" (pl. Hunde): dog; hound. Item 13 "das Brot" has no notes.
    form.Test().SetSoundPlayer(nullptr);
    document.ResetTestData();
    userSettings.Options.Delay = 3;
    form.WindowState().TestMode = 0;
    form.Test().StartTesting();
    TTestPanel* panel = form.TestPanel();
    Ask(form, 13);
    Type(form, "bre");
    Save(&form, "09-test-native");
    userSettings.Options.TestNotesPassive = true;
    Ask(form, 0);
    Type(form, "dog", "pl. Hun");
    Save(&form, "10-test-native-notes");
    userSettings.Options.TestNotesPassive = false;
    form.Test().Active();
    Ask(form, 13);
    Type(form, "das Br");
    Save(&form, "11-test-foreign");
    userSettings.Options.TestNotesActive = true;
    Ask(form, 0);
    Type(form, "der Hund", "pl.");
    Save(&form, "12-test-foreign-notes");
    userSettings.Options.TestNotesActive = false;

    form.Test().Passive();
    Ask(form, 1);
    Type(form, "cat");
    panel->EnterCommand();
    Save(&form, "13-test-right");
    // Automatic continuation: the next question at once, the passed verdict in the status line.
    userSettings.Options.AutoContinue = true;
    Ask(form, 13);
    Type(form, "bread");
    panel->EnterCommand();
    form.UpdateCommandState();
    Save(&form, "82-test-auto-continue");
    Save(form.statusBar(), "81-status-bar-test");
    userSettings.Options.AutoContinue = false;
    // A near miss is marked; the verdict and the buttons stay where they were.
    Ask(form, 0);
    Type(form, "hund");
    panel->EnterCommand();
    panel->btnToggleAnswer->click();
    Save(&form, "83-test-near-miss-marked");
    Ask(form, 0);
    Type(form, "hounds; dgo");
    panel->EnterCommand();
    Save(&form, "14-test-wrong");
    panel->btnToggleAnswer->click();
    Save(&form, "15-test-wrong-your-answer");

    form.Test().MultipleChoice();
    Ask(form, 2);
    Save(&form, "16-choice-before");
    panel->lbChoice->setCurrentRow(panel->lbChoice->ItemAt(0) == &document.Items(2) ? 1 : 0);
    panel->EnterCommand();
    Save(&form, "17-choice-after-wrong");
    form.Test().Active();
    Ask(form, 3);
    Save(&form, "18-choice-foreign");
    form.Test().Passive();
    Ask(form, 0);
    panel->lbChoice->setCurrentRow(1);
    Save(&form, "80-choice-numbered");
    form.Test().MultipleChoice();
    // Answers right but for their accents: accepted with the option (the item is then learnt, so
    // one no later picture asks), told apart without it.
    const auto foreignIndex = [&document](std::string_view start) {
        for (int i = 0; i < document.Count(); ++i)
            if (document.Items(i).FieldValue(fiForeign).starts_with(start))
                return i;
        return 0;
    };
    form.Test().Active();
    userSettings.Options.ForeignAccents = true;
    Ask(form, foreignIndex("der Schl"));
    Type(form, "der Schlussel");
    panel->EnterCommand();
    Save(&form, "18a-test-accents-right");
    userSettings.Options.ForeignAccents = false;
    Ask(form, foreignIndex("die Stra"));
    Type(form, "die Strasse");
    panel->EnterCommand();
    Save(&form, "18b-test-accents-wrong");
    form.Test().StartTesting();

    // A large display font: everything grows with it, nothing overlaps.
    const TFontSetting font = userSettings.DisplayFont;
    userSettings.DisplayFont.Size = 16;
    form.ApplyDisplayFont();
    userSettings.Options.TestNotesPassive = true;
    form.Test().Passive();
    Ask(form, 0);
    Type(form, "dog", "pl. Hunde");
    Save(&form, "21-test-large-font");
    form.Test().MultipleChoice();
    Ask(form, 0);
    Save(&form, "22-choice-large-font");
    form.Test().MultipleChoice();
    form.Test().StartTesting();
    userSettings.Options.TestNotesPassive = false;
    userSettings.DisplayFont = font;
    form.ApplyDisplayFont();

    // A narrow window after a wrong answer, the user's answer shown.
    form.resize(440, 300);
    form.Test().Passive();
    Ask(form, 11);
    Type(form, "stret");
    panel->EnterCommand();
    panel->btnToggleAnswer->click();
    Save(&form, "23-test-narrow");
    form.Test().StartTesting();
    form.resize(760, 520);

    document.Items(4).PenaltyPoints = -1;
    document.RecountLearnt();
    {
        TStatisticsDialog dialog(&form, document);
        Save(&dialog, "19-statistics-progress");
        dialog.pcStatistics->setCurrentIndex(1);
        Save(&dialog, "20-statistics-success-rate");
    }
    SavePrinting(form, document);
    {
        const TOptionsTarget target { &userSettings.Options, &userSettings.SoundFileRight,
            &userSettings.SoundFileWrong, 0, nullptr };
        TOptionsDialog dialog(&form, target);
        dialog.cbShortcut->setCurrentIndex(9); // Shift+Ctrl+J types the middle dot by default
        const char* const pages[] = { "24-options-general", "25-options-question",
            "26-options-evaluation-native", "29-options-feedback" };
        const char* const subPages[] = { "26-options-evaluation-native", "27-options-evaluation-foreign",
            "28-options-evaluation-english" };
        for (int page = 0; page < 4; ++page) {
            dialog.pcOptions->setCurrentIndex(page);
            if (page != opEvaluation) {
                Save(&dialog, pages[page]);
                continue;
            }
            for (int sub = 0; sub < 3; ++sub) {
                dialog.pcEvaluation->setCurrentIndex(sub);
                Save(&dialog, subPages[sub]);
            }
        }
        // A shortcut in another script: the characters are drawn in it.
        dialog.pcOptions->setCurrentIndex(opGeneral);
        dialog.cbShortcut->setCurrentIndex(60);
        dialog.cbCharSet->setCurrentIndex(ScriptIndex(204));
        dialog.cbCharacter->setCurrentIndex(CharacterIndex(0xC6));
        Save(&dialog, "30-options-shortcut-cyrillic");
    }
    {
        form.Find().SearchParams().Text = "Haus";
        form.Find().Find();
        form.Find().SearchDialog()->move(form.geometry().left() + 300, form.geometry().top() + 120);
        SaveOver(&form, form.Find().SearchDialog(), Folder, "50-find");
        form.Find().HideSearchDialog();
    }
    {
        TSortDialog dialog(&form, 3);
        Save(&dialog, "51-sort");
    }
    {
        const std::string sample("Wort\tBedeutung\tNotiz\n"
                                 "die Stra\xC3\x9F"
                                 "e\tstreet\tf.\n"
                                 "das M\xC3\xA4"
                                 "dchen\tgirl\tn., diminutive\n"
                                 "\tno word here\t\n"
                                 "\xC3\xBC"
                                 "ben\tto practise\tverb\n"
                                 "\xD0\xB4\xD0\xBE\xD0\xBC\thouse (Russian)\tlost in 1252\n");
        TImportSettings settings;
        settings.Format = DetectTextFormatBytes(sample);
        TConvertDialog dialog(&form, settings, sample, form.Session().Document());
        dialog.edtStartFrom->setText(QStringLiteral("2"));
        for (const int row : { 0, 2, 0 }) {
            dialog.lbAvailable->setCurrentRow(row);
            dialog.btnAddClick();
        }
        Save(&dialog, "52-import");
    }
    // A spreadsheet's semicolon file, a UTF-8 file whose first kilobytes are ASCII with the question
    // an 8-bit reading of it asks, and characters the list cannot store marked in the preview.
    {
        const auto importShot
            = [&form](const QByteArray& bytes, const char* startLine, int format,
                  std::initializer_list<int> rows, const char* name, bool question = false) {
                  const std::string sample = bytes.toStdString();
                  TImportSettings settings;
                  settings.Format = DetectTextFormatBytes(sample);
                  TConvertDialog dialog(&form, settings, sample, form.Session().Document());
                  if (format >= 0)
                      dialog.cbFormat->setCurrentIndex(format);
                  dialog.edtStartFrom->setText(QString::fromUtf8(startLine));
                  for (const int row : rows) {
                      dialog.lbAvailable->setCurrentRow(row);
                      dialog.btnAddClick();
                  }
                  Save(&dialog, name);
                  if (question) {
                      const auto offered = Utf8Instead(tfTextComma, bytes.toStdString(), false);
                      QMessageBox box(QMessageBox::Question, dialog.windowTitle(),
                          SayingText(Utf8Question(offered.value_or(tfUtf8Comma))),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &dialog);
                      box.setDefaultButton(QMessageBox::Yes);
                      Save(&box, "52c-import-utf8-question");
                  }
              };
        importShot("Wort;Bedeutung;Notiz\r\n"
                   "\"gro\xC3\x9F, schwer\";\"big; heavy\";adj.\r\n"
                   "\"Es war einmal\r\nein K\xC3\xB6nig\";Once upon a time there was a king;fairy tale\r\n"
                   "\"5\"\" Bildschirm\";5-inch screen;\r\n"
                   "Haus;house, home;n.\r\n",
            "2", -1, { 0, 2, 1 }, "52a-import-semicolon");
        QByteArray late;
        for (int i = 1; i <= 300; ++i)
            late += "word" + QByteArray::number(i) + ",translation " + QByteArray::number(i) + "\n";
        late += "K\xC3\xA4se,cheese\nM\xC3\xBC"
                "dchen,girl\n\xC3\xBC"
                "ben,to practise\n";
        importShot(late, "299", -1, { 0, 2 }, "52b-import-late-utf8", true);
        importShot("/\xCB\x88\xC9\x9Bs/,the letter S,IPA\n"
                   "Why?,Warum?,a real question mark\n"
                   "\xE2\x80\x9Equoted\xE2\x80\x9C,\xE2\x80\x9Egequotet\xE2\x80\x9C,cp1252 has them\n"
                   "na\xC3\xAFve \xF0\x9F\x98\x80,naiv,emoji lost\n",
            "1", -1, { 0, 2, 1 }, "52d-import-lost-marked");
    }
    // The questions of recovery and of a list changed by another program, as ShowMessageBox asks them.
    {
        QMessageBox offer(QMessageBox::Question, QStringLiteral("Velmoria"),
            QStringLiteral(
                "Velmoria did not close normally. Recover the unsaved changes to German-English.vmr?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard, &form);
        offer.setDefaultButton(QMessageBox::Yes);
        Save(&offer, "56-recovery-offer");
        QMessageBox changed(QMessageBox::Question, QStringLiteral("Velmoria"),
            QStringLiteral("German-English.vmr has been changed by another program. Reload it?"),
            QMessageBox::Yes | QMessageBox::No, &form);
        Save(&changed, "57-changed-by-another-program");
        QMessageBox off(QMessageBox::Warning, QStringLiteral("Velmoria"),
            QStringLiteral("Crash protection is off: the recovery folder "
                           "\"/home/me/.local/share/Brannock/Velmoria/recovery\" cannot be used. "
                           "It belongs to another user (mallory)."),
            QMessageBox::Ok, &form);
        Save(&off, "58-crash-protection-off");
    }
    SaveReviewPictures(form, Folder);
    SaveHelp(form);
    SaveSpeech(form, Folder);

    // The symbol picker in a Western list, then in a Cyrillic one (the last pictures: the list
    // is replaced).
    form.move(40, 40);
    SavePicker(form, document.Items(1), 4, 7, "60-picker-western");
    {
        auto russian = std::make_unique<TVocabFile>();
        russian->SetForeignLangID(0x0419);
        russian->SetNativeLangID(0x0409);
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValues("\xF1\xEE\xE1\xE0\xEA\xE0", "noun", "f.", "dog");
        russian->AppendItem(std::move(item));
        russian->EndBulkAppend();
        form.Session().ReplaceDocument(std::move(russian));
        SavePicker(form, form.Session().Document().Items(0), 9, 8, "61-picker-cyrillic");
    }
    return 0;
}
