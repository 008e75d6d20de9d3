// The field-selection dialog driven by the mouse and the keyboard, and whole imports through the
// main window. What the preview and the import read is the model's (ImportRulesTest, TextImportTests).

#include "ui/ImportFieldsDialog.h"

#include "gui/EditCommandsSupport.h"
#include "review/History.h"
#include "ui/KvtmlDialog.h"
#include "ui/ReviewFeature.h"

#include <QLocale>
#include <QTableWidget>

namespace {
QStringList Captions(const QListWidget* list)
{
    QStringList captions;
    for (int i = 0; i < list->count(); ++i)
        captions.push_back(list->item(i)->text());
    return captions;
}

void Click(QListWidget* list, int row, bool twice = false)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Columns 1 and 2 as word/phrase and translations, confirmed.
void TakeWordAndTranslations(TConvertDialog& dialog)
{
    for (const int row : { 0, 2 }) {
        dialog.lbAvailable->setCurrentRow(row);
        dialog.btnAddClick();
    }
    dialog.btnOKClick();
}
} // namespace

class ImportTest : public EditCommandsTest {
public:
    std::string TextFile(const char* name, std::string_view bytes)
    {
        WriteBytes(Dir.File(name), bytes);
        return Dir.File(name);
    }
    // Chooses the file in the import dialog with the filter index given.
    void Import(const std::string& path, int filter)
    {
        ScriptedFiles().QueueChoice(TChosenFile { QString::fromStdString(path), filter });
        Trigger(Form->Command("miFileImport"));
    }
};

TEST_F(ImportTest, TheDialogMovesFieldsByClicksPreviewsAndChecksOkInOrder)
{
    ShowList({ { "a" } });
    TImportSettings settings;
    settings.Format = tfTextTab;
    const std::string bytes
        = "Wort,Bedeutung\r\nHaus,house\r\n,lost\r\n/\xCB\x88\xC9\x9Bs/ ?,gro\xC3\x9F\r\n";
    TConvertDialog dialog(Form.get(), settings, bytes, Doc());
    ShowActive(dialog);
    EXPECT_EQ(dialog.cbFormat->currentIndex(), tfTextTab);
    EXPECT_EQ(dialog.edtStartFrom->text(), QStringLiteral("1"));
    EXPECT_FALSE(dialog.btnAdd->isEnabled() || dialog.btnRemove->isEnabled());

    // A double click on Translations, then Add on the Word/phrase: the next field is chosen.
    Click(dialog.lbAvailable, 3, true);
    EXPECT_EQ(Captions(dialog.lbSelected), QStringList { QStringLiteral("Translations") });
    Click(dialog.lbAvailable, 0);
    QTest::mouseClick(dialog.btnAdd, Qt::LeftButton);
    EXPECT_EQ(dialog.lbAvailable->currentItem()->text(), QStringLiteral("Part of speech"));

    // The preview follows the format, the columns and the start line, and marks lost characters.
    dialog.cbFormat->setCurrentIndex(tfUtf8Comma);
    const QTableWidget* table = dialog.tblPreview;
    ASSERT_EQ(std::pair(table->rowCount(), table->columnCount()), std::pair(4, 2));
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("1: Translations"));
    EXPECT_EQ(table->item(3, 0)->text(), QStringLiteral("/\uFFFD\uFFFDs/ ?"));
    EXPECT_TRUE(table->item(3, 0)->toolTip().endsWith(QStringLiteral(": \u02C8 \u025B")));
    EXPECT_TRUE(table->item(1, 0)->toolTip().isEmpty());
    EXPECT_EQ(table->item(3, 1)->text(), QStringLiteral("gro\u00DF"));
    dialog.edtStartFrom->setText(QStringLiteral("2"));
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), QStringLiteral("2"));

    // OK checks the start line, then the word/phrase; a refused OK keeps the dialog and stores nothing.
    dialog.edtStartFrom->setText(QStringLiteral("0"));
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    EXPECT_EQ(ShownTexts(),
        QStringList { QStringLiteral("Number must be between 1 and %1.").arg(QLocale().toString(32767)) });
    dialog.edtStartFrom->setText(QStringLiteral("2"));
    Click(dialog.lbSelected, 1);
    QTest::mouseClick(dialog.btnRemove, Qt::LeftButton);
    ScriptedBoxes().Clear();
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    EXPECT_EQ(ShownTexts(), QStringList { QString::fromUtf8(NoWordPhraseMessage) });
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(settings.StartLine, 1);
    Click(dialog.lbAvailable, dialog.lbAvailable->count() - 1, true);
    ScriptedBoxes().Clear();
    QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());
    EXPECT_EQ(std::tuple(dialog.result(), settings.Format, settings.StartLine, settings.FieldColumns),
        std::tuple(int(QDialog::Accepted), tfUtf8Comma, 2, TFieldColumns { 2, 0, 0, 1 }));
}

TEST_F(ImportTest, TheFieldListsWorkFromTheKeyboardAndAnEightBitReadingOfUtf8IsQuestioned)
{
    ShowList({ { "a" } });
    TImportSettings settings;
    TConvertDialog dialog(Form.get(), settings, "a,b\n", Doc());
    ShowActive(dialog);
    const QString word = QStringLiteral("Word/phrase"), speech = QStringLiteral("Part of speech"),
                  notes = QStringLiteral("Notes"), translations = QStringLiteral("Translations");
    const struct {
        const char* Name;
        QListWidget* List;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        QStringList Selected;
    } steps[] = {
        { "HomeChoosesWithoutAdding", dialog.lbAvailable, Qt::Key_Home, {}, {} },
        { "DownChoosesTheNext", dialog.lbAvailable, Qt::Key_Down, {}, {} },
        { "SpaceAdds", dialog.lbAvailable, Qt::Key_Space, {}, { speech } },
        { "EnterAddsAndDoesNotClose", dialog.lbAvailable, Qt::Key_Return, {}, { speech, notes } },
        { "AltAAdds", dialog.lbAvailable, Qt::Key_A, Qt::AltModifier, { speech, notes, translations } },
        { "HomeInTheOtherList", dialog.lbSelected, Qt::Key_Home, {}, { speech, notes, translations } },
        { "DeleteRemoves", dialog.lbSelected, Qt::Key_Delete, {}, { notes, translations } },
        { "AltRRemoves", dialog.lbSelected, Qt::Key_R, Qt::AltModifier, { translations } },
        { "SpaceDoesNotRemove", dialog.lbSelected, Qt::Key_Space, {}, { translations } },
        { "EndChoosesTheLast", dialog.lbAvailable, Qt::Key_End, {}, { translations } },
        { "KeypadEnterAdds", dialog.lbAvailable, Qt::Key_Enter, Qt::KeypadModifier, { translations, notes } },
    };
    QApplication::setActiveWindow(&dialog); // the access keys work in the active window only
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Name);
        step.List->setFocus();
        QTest::keyClick(step.List, step.Key, step.Modifiers);
        if (step.Modifiers & Qt::AltModifier)
            QTest::qWait(250); // an access key presses its button visibly first
        EXPECT_EQ(Captions(dialog.lbSelected), step.Selected);
        EXPECT_EQ(dialog.btnAdd->isEnabled(), dialog.lbAvailable->currentRow() >= 0);
        EXPECT_EQ(dialog.btnRemove->isEnabled(), dialog.lbSelected->currentRow() >= 0);
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Enter on a list is no OK";
    }
    EXPECT_EQ(Captions(dialog.lbAvailable), (QStringList { word, speech }));

    // An 8-bit reading of UTF-8 text is questioned; the answer decides the format stored.
    const std::string bytes = "K\xC3\xA4se,cheese\n";
    const struct {
        const char* Name;
        TTextFormat Chosen;
        QMessageBox::StandardButton Answer; // NoButton: nothing is asked
        bool Accepted;
        TTextFormat Stored;
    } cases[] = {
        { "YesTakesUtf8", tfTextComma, QMessageBox::Yes, true, tfUtf8Comma },
        { "NoKeepsEightBit", tfTextComma, QMessageBox::No, true, tfTextComma },
        { "CancelStaysInTheDialog", tfTextComma, QMessageBox::Cancel, false, tfTextSemicolon },
        { "Utf8AsksNothing", tfUtf8Comma, QMessageBox::NoButton, true, tfUtf8Comma },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TImportSettings stored;
        stored.Format = tfTextSemicolon;
        TConvertDialog asked(Form.get(), stored, bytes, Doc());
        asked.cbFormat->setCurrentIndex(c.Chosen);
        asked.lbAvailable->setCurrentRow(0);
        asked.btnAddClick();
        ScriptedBoxes().Clear();
        if (c.Answer != QMessageBox::NoButton)
            ScriptedBoxes().QueueAnswer(c.Answer);
        asked.btnOKClick();
        EXPECT_EQ(ScriptedBoxes().Shown().size(), c.Answer != QMessageBox::NoButton ? 1u : 0u);
        EXPECT_EQ(asked.result(), c.Accepted ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(stored.Format, c.Stored);
    }
}

TEST_F(ImportTest, ImportsTextAndListsThroughTheWindowTellsFailuresAndRemembersTheFilter)
{
    ShowList({ { "a" }, { "b" } });
    const std::string path
        = TextFile("words.txt", "Bedeutung\tWort\nhouse\tdas Haus\ncat\tdie Katze\n\xD0\xB4\tdom\n");
    OnDialog<TConvertDialog>([](TConvertDialog& dialog) {
        EXPECT_EQ(dialog.cbFormat->currentIndex(), tfUtf8Tab) << "the format is detected";
        dialog.edtStartFrom->setText(QStringLiteral("2"));
        dialog.lbAvailable->setCurrentRow(3);
        dialog.btnAddClick();
        dialog.lbAvailable->setCurrentRow(0);
        dialog.btnAddClick();
        dialog.btnOKClick();
    });
    Import(path, 2);
    EXPECT_EQ(Words(), (std::vector<std::string> { "a", "b", "das Haus", "die Katze", "dom" }));
    EXPECT_EQ(Words(fiNative)[2], "house");
    EXPECT_EQ(ShownTexts().size(), 1);
    EXPECT_TRUE(LastMessage().Text.startsWith(QStringLiteral("3 items imported successfully.\n\n1 field ")));

    // The first accented letter far down the file still makes it UTF-8: the whole file is judged.
    std::string late;
    for (int i = 0; i < 3000; ++i)
        late += "word" + std::to_string(i) + ",meaning number " + std::to_string(i) + "\n";
    ShowList({ { "a" } });
    OnDialog<TConvertDialog>([](TConvertDialog& dialog) {
        EXPECT_EQ(dialog.cbFormat->currentIndex(), tfUtf8Comma);
        TakeWordAndTranslations(dialog);
    });
    Import(TextFile("late.csv", late + "K\xC3\xA4se,cheese\n"), 2);
    EXPECT_EQ(Words().back(), "K\xE4se");

    ShowList({ { "a" } });
    const std::string list = Dir.File("OTHER.VMR");
    std::filesystem::copy_file(ExampleList, list);
    TVocabFile example;
    example.LoadFromFile(ExampleList);
    Import(list, 2);
    EXPECT_EQ(Doc().Count(), 1 + example.Count()) << "a list in capitals is still a list";
    EXPECT_EQ(LastMessage().Text, QStringLiteral("%1 items imported successfully.").arg(example.Count()));

    const struct {
        const char* name;
        std::string file;
        bool fillDialog; // else it is cancelled
        QString message;
        int dialogs;
    } cases[] = {
        { "an empty text file", TextFile("empty.txt", ""), true, QStringLiteral("Nothing to import."), 1 },
        { "a damaged list, read on the worker", TextFile("bad.vmr", "no list"), false,
            QStringLiteral("Invalid file format."), 0 },
        { "cancelled field selection", TextFile("words.txt", "a,b\n"), false, QString(), 1 },
        { "a NUL byte, refused before the field selection", TextFile("nul.txt", std::string("a,b\n\0", 5)),
            true, QStringLiteral("Nothing was imported."), 0 },
        { "an XML file", TextFile("words.kvtml", "<?xml version=\"1.0\"?>\n<kvtml/>\n"), true,
            QStringLiteral("The file is XML, but not a KVTML 2 vocabulary file. Nothing was imported."), 0 },
        { "a device, refused before the field selection", "/dev/zero", false,
            QStringLiteral("It is not a regular file."), 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowList({ { "a" } });
        int dialogs = 0;
        OnDialog<TConvertDialog>(
            [&c](
                TConvertDialog& dialog) { c.fillDialog ? TakeWordAndTranslations(dialog) : dialog.reject(); },
            &dialogs);
        ScriptedBoxes().Clear();
        Import(c.file, 2);
        EXPECT_EQ(std::tuple(Doc().Count(), Doc().UndoCount(), dialogs, ShownTexts().size()),
            std::tuple(1, 0, c.dialogs, c.message.isEmpty() ? 0 : 1));
        EXPECT_TRUE(LastMessage().Text.endsWith(c.message)) << LastMessage().Text.toStdString();
        EXPECT_TRUE(c.message.isEmpty() || LastMessage().Icon == QMessageBox::Critical);
    }

    // The filter is offered again, also by the next window after this one closed.
    ScriptedFiles().QueueChoice(std::nullopt);
    Trigger(Form->Command("miFileImport"));
    EXPECT_EQ(ScriptedFiles().LastFilterIndex(), 2);
    Doc().MarkSaved();
    Form->close();
    TMainForm next(std::make_unique<TMemorySettingsStore>(*Store));
    ShowActive(next);
    next.SetWindowMode(wmEditing);
    next.UpdateCommandState();
    ScriptedFiles().QueueChoice(std::nullopt);
    next.Command("miFileImport")->trigger();
    EXPECT_EQ(ScriptedFiles().LastFilterIndex(), 2);
}

TEST_F(ImportTest, AKvtmlFileAsksForItsLanguagesAndTakesItsGradesIntoTheHistory)
{
    ShowList({ { "a" } });
    const std::string history = Dir.File("history.sqlite");
    Form->Review().SetHistoryPath(history);
    const std::string path = TextFile("w.kvtml",
        R"(<kvtml version="2.0"><information><title>t</title></information><identifiers>
<identifier id="0"><locale>en</locale></identifier><identifier id="1"><locale>de</locale></identifier></identifiers>
<entries><entry id="0"><translation id="0"><text>dog</text><grade fromid="1"><currentgrade>1</currentgrade>
<count>1</count><errorcount>0</errorcount><date>2024-01-02</date></grade></translation>
<translation id="1"><text>Hund</text></translation></entry></entries></kvtml>)");
    OnDialog<TKvtmlDialog>([](TKvtmlDialog& dialog) {
        EXPECT_EQ(dialog.lbLanguages->count(), 2);
        EXPECT_EQ(
            std::pair(dialog.cbWord->currentIndex(), dialog.cbTranslations->currentIndex()), std::pair(1, 0))
            << "the list's languages are proposed";
        dialog.cbTranslations->setCurrentIndex(1);
        dialog.btnOKClick();
        EXPECT_EQ(ScriptedBoxes().Shown().size(), 1u) << "one language twice is refused";
        dialog.cbTranslations->setCurrentIndex(0);
        dialog.cbGrades->setCurrentIndex(1);
        dialog.btnOKClick();
    });
    ScriptedBoxes().Clear();
    Import(path, 4);
    EXPECT_EQ(Words(), (std::vector<std::string> { "a", "Hund" }));
    EXPECT_EQ(THistory(history).AnswerCount(), 1);
    EXPECT_TRUE(LastMessage().Text.contains(QStringLiteral("went into the review history.")))
        << LastMessage().Text.toStdString();
}

TEST_F(ImportTest, HalfAMillionLinesEndWithTheLastItemCurrentAndVisible)
{
    ShowList({ { "first" } });
    std::string text;
    constexpr int lines = 500'000;
    text.reserve(lines * 20);
    for (int i = 0; i < lines; ++i)
        text += "Wort" + std::to_string(i) + ",word " + std::to_string(i) + "\n";
    OnDialog<TConvertDialog>(TakeWordAndTranslations);
    Import(TextFile("big.csv", text), 2);
    ASSERT_EQ(Doc().Count(), lines + 1);
    EXPECT_EQ(Doc().CurrentIndex(), lines);
    EXPECT_EQ(Doc().Items(lines).FieldValue(fiNative), "word 499999");
    const QRect row = Form->Grid()->visualRect(Form->Grid()->Model()->index(lines, 0));
    EXPECT_TRUE(Form->Grid()->viewport()->rect().contains(row)) << "scrolled into view";
}
