// The field-selection dialog driven by the mouse and the keyboard, and whole imports through the
// main window.

#include "ui/ImportFieldsDialog.h"

#include "gui/EditCommandsSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

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

QStringList Row(const QTableWidget* table, int row)
{
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells.push_back(table->item(row, c) ? table->item(row, c)->text() : QString());
    return cells;
}
} // namespace

class ImportTest : public EditCommandsTest {
public:
    std::string TextFile(const char* name, std::string_view bytes)
    {
        const std::string path = Dir.File(name);
        WriteBytes(path, bytes);
        return path;
    }
    // Chooses the file in the import dialog with the filter index given.
    void Import(const std::string& path, int filter)
    {
        FileDialogHook::QueueChoice(TChosenFile { QString::fromStdString(path), filter });
        Trigger(Form->miFileImport);
    }
};

TEST_F(ImportTest, TheDialogMovesFieldsByClicksAndChecksOkInOrder)
{
    ShowList({ { "a" } });
    const std::string path = TextFile("words.csv", "Wort,Bedeutung\r\nHaus,house\r\n,lost\r\n");
    TImportSettings settings;
    settings.Format = tfTextTab;
    TConvertDialog dialog(Form.get(), settings, path, Doc());
    ShowActive(dialog);
    EXPECT_EQ(dialog.cbFormat->currentIndex(), tfTextTab);
    EXPECT_EQ(dialog.edtStartFrom->text(), QStringLiteral("1"));
    EXPECT_EQ(Captions(dialog.lbAvailable),
        (QStringList { QStringLiteral("Word/phrase"), QStringLiteral("Part of speech"),
            QStringLiteral("Notes"), QStringLiteral("Translations") }));
    EXPECT_FALSE(dialog.btnAdd->isEnabled() || dialog.btnRemove->isEnabled());

    // A double click on Translations, then Add on the Word/phrase.
    Click(dialog.lbAvailable, 3, true);
    EXPECT_EQ(Captions(dialog.lbSelected), QStringList { QStringLiteral("Translations") });
    EXPECT_EQ(dialog.lbAvailable->currentRow(), 2) << "the last entry went: the one before is selected";
    Click(dialog.lbAvailable, 0);
    EXPECT_TRUE(dialog.btnAdd->isEnabled());
    QTest::mouseClick(dialog.btnAdd, Qt::LeftButton);
    EXPECT_EQ(dialog.lbAvailable->currentRow(), 0);
    EXPECT_EQ(dialog.lbAvailable->currentItem()->text(), QStringLiteral("Part of speech"));

    // The preview follows the format and the columns.
    dialog.cbFormat->setCurrentIndex(tfTextComma);
    ASSERT_EQ(dialog.tblPreview->rowCount(), 3);
    EXPECT_EQ(Row(dialog.tblPreview, 1), (QStringList { QStringLiteral("Haus"), QStringLiteral("house") }));
    EXPECT_EQ(dialog.tblPreview->horizontalHeaderItem(0)->text(), QStringLiteral("1: Translations"));
    dialog.edtStartFrom->setText(QStringLiteral("2"));
    EXPECT_EQ(dialog.tblPreview->rowCount(), 2);

    struct TCase {
        const char* startLine;
        bool removeWord;
        QString message; // empty: the dialog closes with OK
    };
    const TCase cases[] = {
        { "0", false, QStringLiteral("Number must be between 1 and 32767.") },
        { "2", true, QString::fromUtf8(NoWordPhraseMessage) },
        { "2", false, QString() },
    };
    for (const auto& c : cases) {
        MessageBoxHook::Clear();
        dialog.edtStartFrom->setText(QString::fromUtf8(c.startLine));
        if (c.removeWord) {
            Click(dialog.lbSelected, 1);
            QTest::mouseClick(dialog.btnRemove, Qt::LeftButton);
        }
        dialog.setResult(QDialog::Rejected);
        QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
        if (c.message.isEmpty()) {
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_TRUE(MessageBoxHook::Shown().empty());
            continue;
        }
        ASSERT_EQ(MessageBoxHook::Shown().size(), 1u) << c.startLine;
        EXPECT_EQ(LastMessage().Text, c.message);
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "the dialog stays open";
        EXPECT_EQ(settings.StartLine, 1) << "nothing stored before OK";
        if (c.removeWord) {
            // Put it back for the next case.
            Click(dialog.lbAvailable, dialog.lbAvailable->count() - 1, true);
        }
    }
    EXPECT_EQ(settings.Format, tfTextComma);
    EXPECT_EQ(settings.StartLine, 2);
    EXPECT_EQ(settings.FieldColumns, (TFieldColumns { 2, 0, 0, 1 }));
}

TEST_F(ImportTest, TheFieldListsWorkFromTheKeyboard)
{
    ShowList({ { "a" } });
    TImportSettings settings;
    TConvertDialog dialog(Form.get(), settings, TextFile("words.csv", "a,b\n"), Doc());
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
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "Enter on a list is no OK";
    }
    EXPECT_EQ(Captions(dialog.lbAvailable), (QStringList { word, speech }));
    EXPECT_TRUE(dialog.btnAdd->isEnabled());
}

// A UTF-8 file whose first non-ASCII character comes late is proposed as UTF-8, and an 8-bit
// import of it is questioned.
TEST_F(ImportTest, LateUtf8IsProposedAndAnEightBitReadingQuestioned)
{
    ShowList({ { "a" } });
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "word" + std::to_string(i) + ",x\n";
    const std::string path = TextFile("late.csv", text + "K\xC3\xA4se,cheese\n");
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
        TImportSettings settings;
        settings.Format = DetectTextFormat(path);
        EXPECT_EQ(settings.Format, tfUtf8Comma);
        settings.Format = tfTextSemicolon; // as the unchanged settings tell
        TConvertDialog dialog(Form.get(), settings, path, Doc());
        ShowActive(dialog);
        dialog.cbFormat->setCurrentIndex(c.Chosen);
        dialog.lbAvailable->setCurrentRow(0);
        dialog.btnAddClick();
        MessageBoxHook::Clear();
        if (c.Answer != QMessageBox::NoButton)
            MessageBoxHook::QueueAnswer(c.Answer);
        dialog.btnOKClick();
        ASSERT_EQ(MessageBoxHook::Shown().size(), c.Answer != QMessageBox::NoButton ? 1u : 0u);
        EXPECT_TRUE(MessageBoxHook::Shown().empty() || LastMessage().Text.contains(QStringLiteral("UTF-8")));
        EXPECT_EQ(dialog.result(), c.Accepted ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(settings.Format, c.Stored);
    }
}

TEST_F(ImportTest, SemicolonFilesAndLostCharactersInThePreview)
{
    ShowList({ { "a" } });
    const std::string path = TextFile("words.csv",
        "\"big, red\";gro\xC3\x9F\n\"Once upon\na time\";es war einmal\n/\xCB\x88\xC9\x9Bs/ ?;s\n");
    OnDialog<TConvertDialog>([](TConvertDialog& dialog) {
        EXPECT_EQ(dialog.cbFormat->currentIndex(), tfUtf8Semicolon) << "the format is detected";
        dialog.lbAvailable->setCurrentRow(0);
        dialog.btnAddClick();
        dialog.lbAvailable->setCurrentRow(2);
        dialog.btnAddClick();
        const QTableWidget* table = dialog.tblPreview;
        ASSERT_EQ(table->rowCount(), 3);
        EXPECT_EQ(table->verticalHeaderItem(2)->text(), QStringLiteral("4"))
            << "lines counted as in the file";
        EXPECT_EQ(Row(table, 1),
            (QStringList { QStringLiteral("Once upon a time"), QStringLiteral("es war einmal") }));
        // Only the two lost characters are marked; the real question mark is not.
        EXPECT_EQ(table->item(2, 0)->text(), QStringLiteral("/\uFFFD\uFFFDs/ ?"));
        EXPECT_TRUE(table->item(2, 0)->toolTip().endsWith(QStringLiteral(": \u02C8 \u025B")));
        EXPECT_TRUE(table->item(0, 0)->toolTip().isEmpty());
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("gro\u00DF"));
        dialog.btnOKClick();
    });
    Import(path, 2);
    EXPECT_EQ(Words(), (std::vector<std::string> { "a", "big, red", "Once upon a time", "/??s/ ?" }));
    EXPECT_EQ(Words(fiNative)[1], "gro\xDF");
}

TEST_F(ImportTest, ImportsTextThroughTheWindowAndRemembersTheFilter)
{
    ShowList({ { "a" }, { "b" } });
    const std::string path = TextFile("words.txt",
        "Bedeutung\tWort\nhouse\tdas Haus\ncat\tdie Katze\nstreet\tdie Stra\xC3\x9F"
        "e\n\xD0\xB4\tdom\n");
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
    EXPECT_EQ(Words(),
        (std::vector<std::string> { "a", "b", "das Haus", "die Katze",
            "die Stra\xDF"
            "e",
            "dom" }));
    EXPECT_EQ(Words(fiNative)[2], "house");
    EXPECT_EQ(Words(fiNative)[5], "?") << "Cyrillic has no place in a Western code page";
    EXPECT_EQ(Doc().CurrentIndex(), 5);
    ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_TRUE(LastMessage().Text.startsWith(QStringLiteral("4 items imported successfully.\n1 field ")));
    EXPECT_EQ(LastMessage().Caption, QStringLiteral("Import"));
    EXPECT_EQ(LastMessage().Icon, QMessageBox::Information);

    // The filter is offered again, also by the next window after this one closed.
    FileDialogHook::QueueChoice(std::nullopt);
    Trigger(Form->miFileImport);
    EXPECT_EQ(FileDialogHook::LastFilterIndex(), 2);
    Doc().MarkSaved();
    Form->close();
    auto store = std::make_unique<TMemorySettingsStore>(*Store);
    TMainForm next(std::move(store));
    ShowActive(next);
    next.SetWindowMode(wmEditing);
    next.UpdateCommandState();
    FileDialogHook::QueueChoice(std::nullopt);
    next.miFileImport->trigger();
    EXPECT_EQ(FileDialogHook::LastFilterIndex(), 2);
    EXPECT_EQ(FileDialogHook::Asked().back(), QStringLiteral("Import"));
}

TEST_F(ImportTest, VocabularyFilesAndFailures)
{
    ShowList({ { "a" } });
    const std::string list = Dir.File("OTHER.VMR");
    std::filesystem::copy_file(ExampleList, list);
    TVocabFile example;
    example.LoadFromFile(ExampleList);
    int dialogs = 0;
    OnDialog<TConvertDialog>([](TConvertDialog& dialog) { dialog.reject(); }, &dialogs);
    Import(list, 1);
    EXPECT_EQ(dialogs, 0) << "a list in capitals is still a list";
    EXPECT_EQ(Doc().Count(), 1 + example.Count());
    EXPECT_EQ(Doc().CurrentIndex(), example.Count());
    EXPECT_EQ(LastMessage().Text, QStringLiteral("%1 items imported successfully.").arg(example.Count()));

    struct TCase {
        const char* name;
        std::string file;
        std::function<void(EditCommandsTest&)> prepare;
        QString message;
        int dialogs;
    };
    const TCase cases[] = {
        { "another primary language", list,
            [](EditCommandsTest& t) { t.ShowList({ { "a" } }, 0, 0x040C, 0x0409); },
            QStringLiteral("Languages are different."), 0 },
        { "an empty text file", TextFile("empty.txt", ""),
            [](EditCommandsTest&) {
                OnDialog<TConvertDialog>([](TConvertDialog& dialog) {
                    dialog.lbAvailable->setCurrentRow(0);
                    dialog.btnAddClick();
                    dialog.btnOKClick();
                });
            },
            QStringLiteral("Nothing to import."), 0 },
        { "a damaged list", TextFile("bad.vmr", "no list"), {}, QStringLiteral("Invalid file format."), 0 },
        { "cancelled field selection", TextFile("words.txt", "a,b\n"), {}, QString(), 1 },
        { "a device, refused before the field selection", "/dev/zero", {},
            QStringLiteral("It is not a regular file."), 0 },
    };
    for (const auto& c : cases) {
        ShowList({ { "a" } });
        dialogs = 0;
        OnDialog<TConvertDialog>([](TConvertDialog& dialog) { dialog.reject(); }, &dialogs);
        if (c.prepare)
            c.prepare(*this);
        MessageBoxHook::Clear();
        Import(c.file, 1);
        EXPECT_EQ(Doc().Count(), 1) << c.name;
        EXPECT_EQ(Doc().UndoCount(), 0) << c.name;
        EXPECT_EQ(dialogs, c.dialogs) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(MessageBoxHook::Shown().empty()) << c.name;
        } else {
            ASSERT_EQ(MessageBoxHook::Shown().size(), 1u) << c.name;
            EXPECT_TRUE(LastMessage().Text.endsWith(c.message))
                << c.name << ": " << LastMessage().Text.toStdString();
            EXPECT_EQ(LastMessage().Icon, QMessageBox::Critical) << c.name;
        }
    }
}

TEST_F(ImportTest, HalfAMillionLinesEndWithTheLastItemCurrentAndVisible)
{
    ShowList({ { "first" } });
    std::string text;
    constexpr int lines = 500'000;
    text.reserve(lines * 20);
    for (int i = 0; i < lines; ++i)
        text += "Wort" + std::to_string(i) + ",word " + std::to_string(i) + "\n";
    const std::string path = TextFile("big.csv", text);
    OnDialog<TConvertDialog>([](TConvertDialog& dialog) {
        dialog.lbAvailable->setCurrentRow(0);
        dialog.btnAddClick();
        dialog.lbAvailable->setCurrentRow(2);
        dialog.btnAddClick();
        dialog.btnOKClick();
    });
    Import(path, 2);
    ASSERT_EQ(Doc().Count(), lines + 1);
    EXPECT_EQ(Doc().CurrentIndex(), lines);
    EXPECT_EQ(Doc().Items(lines).FieldValue(fiNative), "word 499999");
    const QRect row = Form->Grid()->visualRect(Form->Grid()->Model()->index(lines, 0));
    EXPECT_TRUE(Form->Grid()->viewport()->rect().contains(row)) << "scrolled into view";
}
