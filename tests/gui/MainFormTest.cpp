// The main window driven offscreen: files, editing with undo, command state, settings, start-up.

#include "app/DialogRunner.h"
#include "app/FileDialogs.h"
#include "app/MessageBox.h"
#include "app/PropertiesDlg.h"
#include "app/WelcomeDlg.h"
#include "core/GlobalDocument.h"
#include "core/SafeSave.h"
#include "settings/MemoryStore.h"
#include "support/TempDir.h"
#include "ui/EditDlg.h"
#include "ui/FontDlg.h"
#include "ui/MainFrm.h"
#include "ui/VocabEdit.h"
#include "ui/VocabGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string Example = std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr";

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBoxHook::Clear();
        FileDialogHook::Clear();
        ResetSettings();
        ReplaceDocument(std::make_unique<TVocabFile>());
        List = Dir.File("list.vmr");
        std::filesystem::copy_file(Example, List);
        auto store = std::make_unique<TMemorySettingsStore>();
        Store = store.get();
        Form = std::make_unique<TMainForm>(std::move(store));
    }
    void TearDown() override
    {
        DialogHook::Set(nullptr);
        Form.reset();
        MessageBoxHook::Clear();
        FileDialogHook::Clear();
    }
    void OpenList()
    {
        ASSERT_TRUE(Form->OpenFile(List));
        Form->SetWindowMode(wmEditing);
        Form->UpdateCommandState();
    }
    // Answers the next item dialog with the given texts, as a user typing them and pressing OK.
    void AnswerEditDialog(const QString& word, const QString& translations)
    {
        DialogHook::Set([word, translations](QDialog& dialog) {
            auto* edit = dynamic_cast<TEditDialog*>(&dialog);
            if (!edit)
                return int(QDialog::Rejected);
            edit->edtForeign->setText(word);
            edit->edtNative->setText(translations);
            edit->btnOKClick();
            return dialog.result();
        });
    }
    QString Panel(int i) const { return Form->StatusPanel(i)->text(); }
    // A command chosen by the user: the idle update has run before it, as between two key presses.
    void Trigger(QAction* action)
    {
        Form->UpdateCommandState();
        action->trigger();
    }

    TTempDir Dir;
    std::string List;
    TMemorySettingsStore* Store = nullptr;
    std::unique_ptr<TMainForm> Form;
};

} // namespace

TEST_F(MainFormTest, StartsWithTheEmptyWorkSpace)
{
    Form->UpdateCommandState();
    EXPECT_EQ(Form->WindowMode(), wmNone);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Velmoria"));
    EXPECT_FALSE(Form->miFileSave->isEnabled());
    EXPECT_FALSE(Form->miEditAdd->isEnabled());
    EXPECT_FALSE(Form->miEditUndo->isEnabled());
    EXPECT_TRUE(Form->miFileNew->isEnabled());
    EXPECT_TRUE(Form->miFileOpen->isEnabled());
    EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo"));
}

TEST_F(MainFormTest, OpeningShowsTheListWithCaptionAndPanels)
{
    OpenList();
    const TVocabFile& document = Document();
    EXPECT_GT(document.Count(), 60);
    EXPECT_EQ(document.CurrentIndex(), 0);
    EXPECT_EQ(Form->Grid()->model()->rowCount(), document.Count() + 1);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("list.vmr - Velmoria"));
    EXPECT_EQ(Panel(1), QStringLiteral("De - En"));
    EXPECT_EQ(Panel(2), QString::number(document.Count()));
    EXPECT_EQ(Panel(3), QStringLiteral("1"));
    EXPECT_EQ(Panel(4), QStringLiteral("0%"));
    EXPECT_EQ(Panel(5), QStringLiteral("Saved"));
    EXPECT_EQ(Form->RecentFiles().Count(), 1);
    EXPECT_TRUE(Form->miFileRecent[0]->isVisible());
    EXPECT_TRUE(Form->miFileRecent[0]->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_FALSE(Form->miFileRecent[1]->isVisible());
}

TEST_F(MainFormTest, AFailedOpenKeepsTheOldDocument)
{
    OpenList();
    const std::int32_t count = Document().Count();
    WriteBytes(Dir.File("bad.vmr"), "not a list at all");
    EXPECT_FALSE(Form->OpenFile(Dir.File("bad.vmr")));
    ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_EQ(MessageBoxHook::Shown()[0].Text, QStringLiteral("Invalid file format."));
    EXPECT_EQ(MessageBoxHook::Shown()[0].Caption, QStringLiteral("Velmoria"));
    EXPECT_EQ(MessageBoxHook::Shown()[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(Document().Count(), count);
    EXPECT_EQ(Document().FileName(), List);
    EXPECT_FALSE(Form->OpenFile(Dir.File("missing.vmr")));
    EXPECT_EQ(Document().FileName(), List);
    EXPECT_EQ(Form->RecentFiles().Count(), 1);
}

TEST_F(MainFormTest, AddUndoRedoFollowTheSavedState)
{
    OpenList();
    const std::int32_t count = Document().Count();
    Document().SetCurrentIndex(2);
    AnswerEditDialog(QStringLiteral("die @Brücke"), QStringLiteral("bridge"));
    Trigger(Form->miEditAdd);
    ASSERT_EQ(Document().Count(), count + 1);
    EXPECT_EQ(Document().Items(2).FieldValue(fiForeign),
        "die Br\xFC"
        "cke");
    EXPECT_EQ(Document().Items(2).SortingPosition, 4);
    EXPECT_EQ(Document().CurrentIndex(), 3);
    Form->UpdateCommandState();
    EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo Add"));
    EXPECT_EQ(Panel(5), QStringLiteral("Modified"));

    Trigger(Form->miEditUndo);
    Form->UpdateCommandState();
    EXPECT_EQ(Document().Count(), count);
    EXPECT_EQ(Panel(5), QStringLiteral("Saved"));
    EXPECT_EQ(Form->miEditRedo->text(), QStringLiteral("&Redo Add"));
    EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo"));

    Trigger(Form->miEditRedo);
    Form->UpdateCommandState();
    EXPECT_EQ(Document().Count(), count + 1);
    EXPECT_EQ(Panel(5), QStringLiteral("Modified"));
    EXPECT_EQ(Form->Grid()->model()->rowCount(), count + 2);
}

TEST_F(MainFormTest, AppendNewWordsAddsAtTheEnd)
{
    OpenList();
    Options.AppendNewWords = true;
    Document().SetCurrentIndex(0);
    AnswerEditDialog(QStringLiteral("@Ende"), QStringLiteral("end"));
    Trigger(Form->miEditAdd);
    EXPECT_EQ(Document().Items(Document().Count() - 1).FieldValue(fiForeign), "Ende");
    EXPECT_EQ(Document().CurrentIndex(), -1);
}

TEST_F(MainFormTest, EditDeleteAndMovesKeepTheCurrentItem)
{
    OpenList();
    TVocabFile& document = Document();
    document.SetCurrentIndex(1);
    const TVocabItem* second = &document.Items(1);
    Trigger(Form->miEditMoveDown);
    EXPECT_EQ(document.CurrentIndex(), 2);
    EXPECT_EQ(&document.Items(2), second);
    Trigger(Form->miEditMoveUp);
    Trigger(Form->miEditMoveUp);
    EXPECT_EQ(document.CurrentIndex(), 0);
    EXPECT_EQ(&document.Items(0), second);
    Form->UpdateCommandState();
    EXPECT_FALSE(Form->miEditMoveUp->isEnabled());
    EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo Move"));

    document.Items(0).PenaltyPoints = -1;
    AnswerEditDialog(QStringLiteral("der @Hund"), QStringLiteral("hound"));
    Trigger(Form->miEditEdit);
    EXPECT_EQ(document.Items(0).FieldValue(fiNative), "hound");
    EXPECT_FALSE(document.Items(0).Learnt());
    Trigger(Form->miEditUndo);
    EXPECT_TRUE(document.Items(0).Learnt());

    const std::int32_t count = document.Count();
    document.SetCurrentIndex(count - 1);
    Trigger(Form->miEditDelete);
    EXPECT_EQ(document.Count(), count - 1);
    EXPECT_EQ(document.CurrentIndex(), count - 2);
    Form->UpdateCommandState();
    EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo Delete"));

    // The blank last row: nothing to edit, delete or move.
    document.SetCurrentIndex(-1);
    Form->UpdateCommandState();
    EXPECT_FALSE(Form->miEditEdit->isEnabled());
    EXPECT_FALSE(Form->miEditDelete->isEnabled());
    EXPECT_FALSE(Form->miEditMoveDown->isEnabled());
    EXPECT_TRUE(Form->miEditAdd->isEnabled());
}

TEST_F(MainFormTest, ShuffleIsOneUndoStep)
{
    OpenList();
    Trigger(Form->miEditShuffle);
    Form->UpdateCommandState();
    EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo Shuffle"));
    Trigger(Form->miEditUndo);
    Form->UpdateCommandState();
    EXPECT_EQ(Form->miEditRedo->text(), QStringLiteral("&Redo Shuffle"));
    EXPECT_FALSE(Document().Modified());
}

TEST_F(MainFormTest, SaveQueryAnswers)
{
    OpenList();
    Trigger(Form->miEditShuffle);
    const std::string before = ReadBytes(List);

    MessageBoxHook::QueueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(Form->SaveQuery());
    ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_EQ(MessageBoxHook::Shown()[0].Text, QStringLiteral("Save changes to list.vmr?"));
    EXPECT_EQ(MessageBoxHook::Shown()[0].Icon, QMessageBox::Question);

    MessageBoxHook::QueueAnswer(QMessageBox::No);
    EXPECT_TRUE(Form->SaveQuery());
    EXPECT_EQ(ReadBytes(List), before);

    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(Form->SaveQuery());
    EXPECT_FALSE(Document().Modified());
    EXPECT_NE(ReadBytes(List), before);
}

TEST_F(MainFormTest, UntitledSaveQueryYesOpensSaveAsAndCancelKeepsItOpen)
{
    Document().SetForeignLangID(0x0407);
    Document().SetNativeLangID(0x0409);
    Form->SetWindowMode(wmEditing);
    Document().NewItem().SetFieldValues("a", "", "", "b");
    Document().Add();
    MessageBoxHook::QueueAnswer(QMessageBox::Yes);
    FileDialogHook::QueueChoice(std::nullopt);
    EXPECT_FALSE(Form->SaveQuery());
    EXPECT_EQ(MessageBoxHook::Shown()[0].Text, QStringLiteral("Save changes to Untitled?"));
    EXPECT_EQ(FileDialogHook::Asked(), QStringList { QStringLiteral("Save As") });
    EXPECT_TRUE(Document().Modified());
}

TEST_F(MainFormTest, SaveAsWritesEveryType)
{
    OpenList();
    Trigger(Form->miEditShuffle);
    struct Case {
        int filter;
        const char* name;
        std::string start;
    };
    const Case cases[] = {
        { 2, "out.rtf", "{\\rtf" },
        { 3, "comma.txt", "" },
        { 4, "tab.txt", "" },
        { 5, "u16c.txt", "\xFF\xFE" },
        { 6, "u16t.txt", "\xFF\xFE" },
        { 7, "u8c.txt", "" },
        { 8, "u8t.txt", "" },
        { 9, "page.htm", "<" },
    };
    for (const auto& c : cases) {
        FileDialogHook::QueueChoice(TChosenFile { QString::fromStdString(Dir.File(c.name)), c.filter });
        Trigger(Form->miFileSaveAs);
        const std::string bytes = ReadBytes(Dir.File(c.name));
        EXPECT_FALSE(bytes.empty()) << c.name;
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << c.name;
        if (c.filter != 5 && c.filter != 6) {
            EXPECT_NE(bytes.find("der Hund"), std::string::npos) << c.name;
        }
        // Exporting leaves the document as it was.
        EXPECT_EQ(Document().FileName(), List);
        EXPECT_TRUE(Document().Modified());
    }
    FileDialogHook::QueueChoice(TChosenFile { QString::fromStdString(Dir.File("copy.vmr")), 1 });
    Trigger(Form->miFileSaveAs);
    EXPECT_EQ(Document().FileName(), Dir.File("copy.vmr"));
    EXPECT_FALSE(Document().Modified());
    EXPECT_EQ(Form->RecentFiles()[0], Dir.File("copy.vmr"));
    TVocabFile copy;
    copy.LoadFromFile(Dir.File("copy.vmr"));
    EXPECT_EQ(copy.Count(), Document().Count());
    EXPECT_TRUE(MessageBoxHook::Shown().empty());
}

TEST_F(MainFormTest, ReadOnlyFileAsksForAnotherName)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    OpenList();
    Trigger(Form->miEditShuffle);
    ::chmod(List.c_str(), 0444);
    FileDialogHook::QueueChoice(TChosenFile { QString::fromStdString(Dir.File("other.vmr")), 1 });
    Trigger(Form->miFileSave);
    ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_TRUE(MessageBoxHook::Shown()[0].Text.endsWith(
        QStringLiteral("\nThis file is read-only. Please use a different file name.")));
    EXPECT_EQ(Document().FileName(), Dir.File("other.vmr"));
}

TEST_F(MainFormTest, AFailedSaveKeepsTheDocumentModifiedAndSaysWhy)
{
    OpenList();
    Trigger(Form->miEditShuffle);
    Document().Items(0).SetFieldValue(fiNotes, std::string(70000, 'x'));
    Trigger(Form->miFileSave);
    ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_TRUE(MessageBoxHook::Shown()[0].Text.contains(QStringLiteral("65535")));
    EXPECT_TRUE(Document().Modified());
    TVocabFile onDisk;
    onDisk.LoadFromFile(List);
    EXPECT_EQ(onDisk.Count(), Document().Count());
}

TEST_F(MainFormTest, ViewCommandsToggleBars)
{
    Form->show();
    OpenList();
    Trigger(Form->miViewToolBar);
    Form->UpdateCommandState();
    EXPECT_FALSE(Form->tbrToolBar->isVisible());
    EXPECT_FALSE(Form->miViewToolBar->isChecked());
    Trigger(Form->miViewStatusBar);
    Form->UpdateCommandState();
    EXPECT_FALSE(Form->statusBar()->isVisible());
    Trigger(Form->miViewToolBar);
    Form->UpdateCommandState();
    EXPECT_TRUE(Form->miViewToolBar->isChecked());
}

TEST_F(MainFormTest, SettingsSurviveARestart)
{
    Form->show();
    OpenList();
    Trigger(Form->miViewStatusBar);
    Form->close();
    EXPECT_EQ(Store->ReadInteger("ShowStatusBar"), 0);
    EXPECT_EQ(Store->ReadInteger("FileCount"), 1);
    EXPECT_EQ(Store->ReadString("File1"), List);
    EXPECT_EQ(Store->ReadInteger("ForeignLangID"), 0x0407);

    auto store = std::make_unique<TMemorySettingsStore>(*Store);
    TMainForm second(std::move(store));
    EXPECT_EQ(second.RecentFiles().Count(), 1);
    EXPECT_EQ(second.RecentFiles()[0], List);
    EXPECT_TRUE(second.statusBar()->isHidden());
}

TEST_F(MainFormTest, ClosingWithUnsavedChangesAsks)
{
    Form->show();
    OpenList();
    Trigger(Form->miEditShuffle);
    MessageBoxHook::QueueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Store->Values.empty()) << "settings are written only when the window closes";
    MessageBoxHook::QueueAnswer(QMessageBox::No);
    EXPECT_TRUE(Form->close());
    EXPECT_FALSE(Store->Values.empty());
}

TEST_F(MainFormTest, CommandLineResetSavesAndEnds)
{
    TVocabFile document;
    document.LoadFromFile(List);
    document.Items(0).PenaltyPoints = -1;
    document.Items(1).LastAttempt = 3;
    document.SaveToFile(List);

    const auto status = Form->StartUp(TCommandLine { saReset, List });
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
    EXPECT_FALSE(Form->isVisible());
    document.LoadFromFile(List);
    EXPECT_EQ(document.LearntCount(), 0);
    EXPECT_EQ(document.Items(1).LastAttempt, 0);
    EXPECT_TRUE(Store->Values.empty());
}

TEST_F(MainFormTest, CommandLineWithAMissingFileEndsAfterSayingWhy)
{
    const auto status = Form->StartUp(TCommandLine { saReset, "/r" });
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 1);
    ASSERT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_TRUE(MessageBoxHook::Shown()[0].Text.contains(QStringLiteral("/r")));
}

TEST_F(MainFormTest, CommandLineFileIsShownForEditing)
{
    const auto status = Form->StartUp(TCommandLine { saShow, List });
    EXPECT_FALSE(status.has_value());
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(MainFormTest, ToolBarHints)
{
    EXPECT_EQ(ToolBarHint(QStringLiteral("Start &Testing"), QStringLiteral("Ctrl+T"),
                  QStringLiteral("Starts or stops vocabulary testing")),
        QStringLiteral("Start Testing - Ctrl+T|Starts or stops vocabulary testing"));
    EXPECT_EQ(ToolBarHint(QStringLiteral("&Add..."), QString(), QStringLiteral("Adds a new item")),
        QStringLiteral("Add|Adds a new item"));
    EXPECT_EQ(Form->miEditAdd->toolTip(), QStringLiteral("Add - Ins"));
}

namespace {
// Picks the combo line that carries the language identifier.
void ChooseLanguage(QComboBox* box, int id)
{
    box->setCurrentIndex(box->findData(id));
}
} // namespace

TEST_F(MainFormTest, WelcomeLoopCreatesANewListOrOpensARecentOne)
{
    // Cancelled: no list, the empty work space stays.
    DialogHook::Set([](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<TWelcomeDialog*>(&dialog), nullptr);
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(Form->RunWelcomeLoop());
    EXPECT_EQ(Form->WindowMode(), wmNone);

    // "Create a new file", then the properties dialog for the new list.
    DialogHook::Set([](QDialog& dialog) {
        if (auto* welcome = dynamic_cast<TWelcomeDialog*>(&dialog)) {
            welcome->rbNew->setChecked(true);
            welcome->btnOKClick();
        } else if (auto* properties = dynamic_cast<TPropertiesDialog*>(&dialog)) {
            ChooseLanguage(properties->cbForeign, 0x0419);
            ChooseLanguage(properties->cbNative, 0x0407);
            properties->edtAuthor->setText(QStringLiteral("  Anna  "));
            properties->btnOKClick();
        }
        return dialog.result();
    });
    EXPECT_TRUE(Form->RunWelcomeLoop());
    EXPECT_EQ(Document().ForeignLangID(), 0x0419);
    EXPECT_EQ(Document().NativeLangID(), 0x0407);
    EXPECT_EQ(Document().Properties(piAuthor), "Anna");
    EXPECT_EQ(Document().Count(), 0);
    EXPECT_TRUE(Document().Modified());

    // A recent file that has gone is reported and the welcome dialog comes back; then the list.
    Form->RecentFiles().Add(List);
    Form->RecentFiles().Add(Dir.File("gone.vmr"));
    int welcomes = 0;
    DialogHook::Set([&welcomes](QDialog& dialog) {
        auto* welcome = dynamic_cast<TWelcomeDialog*>(&dialog);
        if (!welcome)
            return int(QDialog::Rejected);
        ++welcomes;
        welcome->rbOpen->setChecked(true);
        welcome->lbFiles->setCurrentRow(welcomes); // line 1 is the newest entry
        welcome->btnOKClick();
        return dialog.result();
    });
    EXPECT_TRUE(Form->RunWelcomeLoop());
    EXPECT_EQ(welcomes, 2);
    EXPECT_EQ(MessageBoxHook::Shown().size(), 1u);
    EXPECT_EQ(Document().FileName(), List);
}

TEST_F(MainFormTest, NewAsksForLanguagesAndStartsEmpty)
{
    OpenList();
    DialogHook::Set([](QDialog& dialog) {
        auto* properties = dynamic_cast<TPropertiesDialog*>(&dialog);
        if (!properties)
            return int(QDialog::Rejected);
        ChooseLanguage(properties->cbForeign, 0x040C);
        ChooseLanguage(properties->cbNative, 0x0809);
        properties->btnOKClick();
        return dialog.result();
    });
    Trigger(Form->miFileNew);
    EXPECT_EQ(Document().Count(), 0);
    EXPECT_EQ(Document().FileName(), "");
    EXPECT_EQ(Document().ForeignLangID(), 0x040C);
    Form->UpdateCommandState();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Untitled - Velmoria"));
    EXPECT_EQ(Panel(1), QStringLiteral("Fr - En"));
    // A new list counts as modified only once a property is filled in.
    EXPECT_EQ(Panel(5), QString());
    EXPECT_FALSE(Document().Modified());
    EXPECT_EQ(Form->Grid()->model()->rowCount(), 1);
}

TEST_F(MainFormTest, FontCommandAppliesTheChosenFont)
{
    OpenList();
    const int before = Form->Grid()->verticalHeader()->defaultSectionSize();
    DialogHook::Set([](QDialog& dialog) {
        auto* font = dynamic_cast<TSelectFontDialog*>(&dialog);
        if (!font)
            return int(QDialog::Rejected);
        font->cbFontName->setCurrentIndex(0);
        font->cbFontSize->setEditText(QStringLiteral("24"));
        font->btnOKClick();
        return dialog.result();
    });
    Trigger(Form->miViewFont);
    EXPECT_EQ(DisplayFont.Size, 24);
    EXPECT_GT(Form->Grid()->verticalHeader()->defaultSectionSize(), before);
}

TEST_F(MainFormTest, ShortcutsOfDisabledCommandsReachTheEditBox)
{
    Form->show();
    QApplication::setActiveWindow(Form.get());
    Form->UpdateCommandState();
    ASSERT_FALSE(Form->miEditDelete->isEnabled());
    // An edit box in the window (as the test panel's response box will be) gets Delete as a key.
    auto* box = new QLineEdit(Form.get());
    box->setText(QStringLiteral("abc"));
    box->show();
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), QStringLiteral("bc"));
}
