// Find through the find dialog in several languages and modes, the dialog's own rules, and Sort
// by each field with undo.

#include "gui/EditCommandsSupport.h"
#include "ui/FindDialog.h"
#include "ui/SortDialog.h"
#include "ui/SymbolEdit.h"

class FindSortTest : public EditCommandsTest {
public:
    TSearchDialog* OpenFind()
    {
        Form->Find().Find();
        TSearchDialog* dialog = Form->Find().SearchDialog();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        return dialog;
    }
    // Fills the dialog as a user would and presses Find Next.
    void Find(int field, const QString& text, int mode, bool matchCase = false, bool accents = false,
        bool word = false)
    {
        TSearchDialog* dialog = OpenFind();
        dialog->cbField->setCurrentIndex(field);
        dialog->cbMode->setCurrentIndex(mode);
        dialog->edtFind->clear();
        TypeText(dialog->edtFind, text);
        dialog->chbMatchCase->setChecked(matchCase);
        dialog->chbMatchAccents->setChecked(accents);
        if (dialog->chbMatchWord->isEnabled())
            dialog->chbMatchWord->setChecked(word);
        QTest::mouseClick(dialog->btnFind, Qt::LeftButton);
    }
};

// What matches is the model's (VocabFileTest.VocabFileFind*); each row shows one of the dialog's
// controls reaching the search.
TEST_F(FindSortTest, EachControlOfTheDialogReachesTheSearch)
{
    struct TCase {
        const char* name;
        LangId foreign;
        std::vector<TListItem> items;
        int field;
        const char* text; // UTF-8 as typed
        int mode;
        bool matchCase, accents, word;
        std::int32_t found; // -1: "Search text not found."
    };
    const std::vector<TListItem> french = { { "chat" }, { "l'\xE9t\xE9" } };
    const TCase cases[] = {
        { "accents ignored", French, french, 0, "ete", smAnyPart, false, false, false, 1 },
        { "accents matched", French, french, 0, "ete", smAnyPart, false, true, false, -1 },
        { "whole word", English, { { "catalogue" }, { "the cat sat" } }, 0, "cat", smAnyPart, false, false,
            true, 1 },
        { "end of field, case", English, { { "big Cat" }, { "big cat" } }, 0, "Cat", smEnd, true, false,
            false, 0 },
        { "Cyrillic typed into the list's code page", Russian, { { "\xEA\xEE\xF2" }, { "\xE4\xEE\xEC" } }, 0,
            "\xD0\x94\xD0\x9E\xD0\x9C", smWhole, false, false, false, 1 },
        { "translations in English beside Russian", Russian,
            { { "\xE4\xEE\xEC", "", "", "house" }, { "\xEA\xEE\xF2", "", "", "cat" } }, 3, "CAT", smWhole,
            false, false, false, 1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowList(c.items, 0, c.foreign, c.foreign == English ? German : English);
        ScriptedBoxes().Clear();
        Find(c.field, QString::fromUtf8(c.text), c.mode, c.matchCase, c.accents, c.word);
        EXPECT_EQ(ShownTexts(), c.found < 0 ? QStringList { Q("Search text not found.") } : QStringList {});
        EXPECT_EQ(Doc().CurrentIndex(), std::max(c.found, 0));
        EXPECT_TRUE(Form->Find().SearchDialog()->isVisible()) << "the dialog stays open";
        EXPECT_TRUE(QTest::qWaitFor([this] { return Form->Find().SearchDialog()->edtFind->hasFocus(); }));
        Form->Find().HideSearchDialog();
        ShowActive(*Form);
    }
}

TEST_F(FindSortTest, FindNextRepeatsAndKeepsTheDialogState)
{
    ShowList({ { "Haus" }, { "Maus" }, { "Baum" }, { "Hausaufgabe" } }, 0);
    Find(0, QStringLiteral("aus"), smAnyPart);
    EXPECT_EQ(Doc().CurrentIndex(), 1);
    Form->Find().HideSearchDialog();
    Trigger(Form->Command("miEditFindNext"));
    EXPECT_EQ(Doc().CurrentIndex(), 3);
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());

    // Shown again with what it held.
    TSearchDialog* dialog = OpenFind();
    EXPECT_EQ(dialog->edtFind->selectedText(), QStringLiteral("aus"));
    EXPECT_EQ(dialog->cbMode->currentIndex(), smAnyPart);

    // Whole word is cleared when it goes; an empty text searches only for empty whole fields.
    dialog->chbMatchWord->setChecked(true);
    dialog->edtFind->setText(QStringLiteral("ice-cream"));
    EXPECT_FALSE(dialog->chbMatchWord->isEnabled() || dialog->chbMatchWord->isChecked());
    dialog->edtFind->clear();
    dialog->cbMode->setCurrentIndex(smWhole);
    EXPECT_TRUE(dialog->btnFind->isEnabled());
    dialog->cbMode->setCurrentIndex(smStart);
    EXPECT_FALSE(dialog->btnFind->isEnabled());
}

TEST_F(FindSortTest, AnotherCharacterSetEmptiesTheFindBoxAndATestClosesTheDialog)
{
    ShowList({ { "\xE4\xEE\xEC", "", "", "house" } }, 0, Russian, English);
    TSearchDialog* dialog = OpenFind();
    TypeText(dialog->edtFind, QString::fromUtf8("\xD0\xB4\xD0\xBE\xD0\xBC"));
    EXPECT_EQ(dialog->edtFind->Tag(), -1);
    dialog->cbField->setCurrentIndex(3);
    EXPECT_EQ(dialog->edtFind->text(), QString());
    EXPECT_EQ(dialog->edtFind->Tag(), -2);
    TypeText(dialog->edtFind, QStringLiteral("hou"));
    dialog->cbField->setCurrentIndex(2); // the same character set: the text stays
    EXPECT_EQ(dialog->edtFind->text(), QStringLiteral("hou"));

    // Choosing with the keys keeps the focus in the field list until Enter.
    dialog->cbField->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->cbField->hasFocus(); }));
    QTest::keyClick(dialog->cbField, Qt::Key_Up);
    EXPECT_EQ(dialog->cbField->currentIndex(), 1);
    EXPECT_TRUE(dialog->cbField->hasFocus());
    QTest::keyClick(dialog->cbField, Qt::Key_Return);
    EXPECT_TRUE(dialog->edtFind->hasFocus());
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the list does not press Find Next";
    Trigger(Form->Command("miTestStartTesting"));
    EXPECT_FALSE(dialog->isVisible());
}

// Where the dialog goes is the model's (CommandRulesTest.DialogMovesOffTheFoundRow).
TEST_F(FindSortTest, TheDialogFollowsTheFontAndMovesOffTheFoundRow)
{
    std::vector<TListItem> items(40, TListItem { "word" });
    items[20].Foreign = "target";
    ShowList(items, 0, English, German);
    TSearchDialog* dialog = OpenFind();
    const int height = dialog->height();
    const int centre = dialog->geometry().center().y();
    Form->Session().Settings.DisplayFont.Size = 24;
    dialog->LayoutControls();
    EXPECT_EQ(dialog->edtFind->font().pointSize(), 24);
    EXPECT_GT(dialog->height(), height);
    EXPECT_NEAR(dialog->geometry().center().y(), centre, 1);

    // Cover the row, then find it again from the top without scrolling the grid.
    Find(0, QStringLiteral("target"), smWhole);
    const QRect cell = Form->Grid()->visualRect(Form->Grid()->Model()->index(20, 0));
    const QRect row(Form->Grid()->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    dialog->move(dialog->x(), row.top() - 10);
    ASSERT_TRUE(dialog->frameGeometry().intersects(row));
    Doc().SetCurrentIndex(0);
    Find(0, QStringLiteral("target"), smWhole);
    ASSERT_EQ(Doc().CurrentIndex(), 20);
    EXPECT_FALSE(dialog->frameGeometry().intersects(row)) << "the found row stays visible";
}

// The order of each field is the model's (SortKeysTest); the dialog's choice reaches it.
TEST_F(FindSortTest, SortByEachFieldWithUndoAndTheButtonWithoutDialog)
{
    const std::vector<TListItem> items = {
        { "le chat", "n.", "zoo", "cat", 3 },
        { "Apfel", "", "", "apple", 0 },
        { "l'avion", "adj.", "aa", "plane", 2 },
    };
    const TWords unsorted = { "le chat", "Apfel", "l'avion" }, byWord = { "Apfel", "l'avion", "le chat" };
    const std::pair<int, TWords> cases[]
        = { { 0, byWord }, { 1, byWord }, { 2, byWord }, { 3, { "Apfel", "le chat", "l'avion" } } };
    for (const auto& [field, order] : cases) {
        SCOPED_TRACE(field);
        ShowList(items, 0, French, English);
        int asked = 0;
        OnDialog<TSortDialog>(
            [field](TSortDialog& dialog) {
                QTest::mouseClick(dialog.rbField[static_cast<std::size_t>(field)], Qt::LeftButton);
                dialog.accept();
            },
            &asked);
        Trigger(Form->Command("miEditSort"));
        EXPECT_EQ(Words(), order);
        EXPECT_EQ(Form->Find().SortField(), field);
        EXPECT_EQ(Form->Command("miEditUndo")->text(), QStringLiteral("&Undo Sort"));
        Trigger(Form->Command("miEditUndo"));
        EXPECT_EQ(Words(), unsorted);
        // The button sorts by the same field again without asking.
        Trigger(Form->Command("tbSort"));
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(Words(), order);
    }

    // Cancel sorts nothing; the dialog opens on the last field.
    ShowList(items, 0, French, English);
    OnDialog<TSortDialog>([](TSortDialog& dialog) {
        EXPECT_TRUE(dialog.rbField[3]->isChecked());
        dialog.reject();
    });
    Trigger(Form->Command("miEditSort"));
    EXPECT_EQ(Words(), unsorted);
    EXPECT_EQ(Doc().UndoCount(), 0);
}
