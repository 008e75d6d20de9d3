// Find through the find dialog in several languages and modes, the dialog's own rules, and Sort
// by each field with undo.

#include "gui/EditCommandsSupport.h"
#include "ui/FindDialog.h"
#include "ui/SortDialog.h"
#include "ui/SymbolEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
constexpr LangId French = 0x040C, Russian = 0x0419, English = 0x0409, German = 0x0407;
using TWords = std::vector<std::string>;
} // namespace

class FindSortTest : public EditCommandsTest {
public:
    TSearchDialog* OpenFind()
    {
        Form->miEditFindClick();
        TSearchDialog* dialog = Form->SearchDialog();
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

TEST_F(FindSortTest, FindsThroughTheDialogInEveryModeAndLanguage)
{
    struct TCase {
        const char* name;
        LangId foreign, native;
        std::vector<TListItem> items;
        int field;
        const char* text; // UTF-8 as typed
        int mode;
        bool matchCase, accents, word;
        std::int32_t found; // -1: "Search text not found."
    };
    const TCase cases[] = {
        { "accents ignored", French, English, { { "chat" }, { "l'\xE9t\xE9" } }, 0, "ete", smAnyPart, false,
            false, false, 1 },
        { "accents matched", French, English, { { "chat" }, { "l'\xE9t\xE9" } }, 0, "ete", smAnyPart, false,
            true, false, -1 },
        { "whole word", English, German, { { "catalogue" }, { "the cat sat" } }, 0, "cat", smAnyPart, false,
            false, true, 1 },
        { "start of field", English, German, { { "the cat" }, { "x" }, { "cat food" } }, 0, "cat", smStart,
            false, false, false, 2 },
        { "end of field, case", English, German, { { "big Cat" }, { "big cat" } }, 0, "Cat", smEnd, true,
            false, false, 0 },
        { "Cyrillic word/phrase", Russian, English, { { "\xEA\xEE\xF2" }, { "\xE4\xEE\xEC" } }, 0,
            "\xD0\x94\xD0\x9E\xD0\x9C", smWhole, false, false, false, 1 },
        { "translations in English beside Russian", Russian, English,
            { { "\xE4\xEE\xEC", "", "", "house" }, { "\xEA\xEE\xF2", "", "", "cat" } }, 3, "CAT", smWhole,
            false, false, false, 1 },
        { "German sharp s in the notes", German, English,
            { { "a" },
                { "b", "",
                    "Stra\xDF"
                    "e" } },
            2, "stra\xC3\x9F", smStart, false, false, false, 1 },
        { "empty whole field", English, German, { { "a", "n." }, { "b", "" }, { "c", "v." } }, 1, "", smWhole,
            false, false, false, 1 },
    };
    for (const auto& c : cases) {
        ShowList(c.items, 0, c.foreign, c.native);
        MessageBoxHook::Clear();
        Find(c.field, QString::fromUtf8(c.text), c.mode, c.matchCase, c.accents, c.word);
        if (c.found == -1) {
            ASSERT_EQ(MessageBoxHook::Shown().size(), 1u) << c.name;
            EXPECT_EQ(LastMessage().Text, QStringLiteral("Search text not found.")) << c.name;
            EXPECT_EQ(LastMessage().Caption, QStringLiteral("Find"));
            EXPECT_EQ(LastMessage().Icon, QMessageBox::Information);
            EXPECT_EQ(Doc().CurrentIndex(), 0) << c.name;
        } else {
            EXPECT_TRUE(MessageBoxHook::Shown().empty()) << c.name;
            // The current item is found last: it is the one "found" only when it is the only match.
            EXPECT_EQ(Doc().CurrentIndex(), c.found) << c.name;
        }
        EXPECT_TRUE(Form->SearchDialog()->isVisible()) << "the dialog stays open";
        EXPECT_TRUE(QTest::qWaitFor([this] { return Form->SearchDialog()->edtFind->hasFocus(); })) << c.name;
        Form->HideSearchDialog();
        ShowActive(*Form);
    }
}

TEST_F(FindSortTest, FindNextRepeatsAndKeepsTheDialogState)
{
    ShowList({ { "Haus" }, { "Maus" }, { "Baum" }, { "Hausaufgabe" } }, 0);
    Find(0, QStringLiteral("aus"), smAnyPart);
    EXPECT_EQ(Doc().CurrentIndex(), 1);
    Form->HideSearchDialog();
    Trigger(Form->miEditFindNext);
    EXPECT_EQ(Doc().CurrentIndex(), 3);
    Trigger(Form->miEditFindNext); // wraps round
    EXPECT_EQ(Doc().CurrentIndex(), 0);
    EXPECT_TRUE(MessageBoxHook::Shown().empty());

    // Shown again with what it held.
    TSearchDialog* dialog = OpenFind();
    EXPECT_EQ(dialog->edtFind->text(), QStringLiteral("aus"));
    EXPECT_EQ(dialog->edtFind->selectedText(), QStringLiteral("aus"));
    EXPECT_EQ(dialog->cbMode->currentIndex(), smAnyPart);

    // Whole word only needs letters and digits and is cleared when it goes.
    dialog->chbMatchWord->setChecked(true);
    dialog->edtFind->setText(QStringLiteral("ice-cream"));
    EXPECT_FALSE(dialog->chbMatchWord->isEnabled());
    EXPECT_FALSE(dialog->chbMatchWord->isChecked());
    dialog->edtFind->setText(QStringLiteral("ice"));
    EXPECT_TRUE(dialog->chbMatchWord->isEnabled());
    dialog->cbMode->setCurrentIndex(smWhole);
    EXPECT_FALSE(dialog->chbMatchWord->isEnabled());
    // An empty text searches only for empty whole fields.
    dialog->edtFind->clear();
    EXPECT_TRUE(dialog->btnFind->isEnabled());
    dialog->cbMode->setCurrentIndex(smStart);
    EXPECT_FALSE(dialog->btnFind->isEnabled());
}

TEST_F(FindSortTest, StartingATestClosesTheDialog)
{
    ShowList({ { "Haus", "", "", "house" }, { "Maus", "", "", "mouse" } }, 0);
    OpenFind();
    Trigger(Form->miTestStartTesting);
    EXPECT_FALSE(Form->SearchDialog()->isVisible());
}

TEST_F(FindSortTest, AnotherCharacterSetEmptiesTheFindBoxAndItsSideFollowsTheField)
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
    EXPECT_TRUE(QTest::qWaitFor([dialog] { return dialog->edtFind->hasFocus(); }));

    // Choosing with the keys keeps the focus in the field list until Enter.
    dialog->cbField->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->cbField->hasFocus(); }));
    QTest::keyClick(dialog->cbField, Qt::Key_Up);
    EXPECT_EQ(dialog->cbField->currentIndex(), 1);
    EXPECT_TRUE(dialog->cbField->hasFocus());
    QTest::keyClick(dialog->cbField, Qt::Key_Return);
    EXPECT_TRUE(dialog->edtFind->hasFocus());
    EXPECT_TRUE(dialog->isVisible()) << "Enter in the list does not press Find Next";
}

TEST_F(FindSortTest, TheDialogFollowsTheFontAndMovesOffTheFoundRow)
{
    std::vector<TListItem> items;
    for (int i = 0; i < 40; ++i)
        items.push_back({ "word " + std::to_string(i) });
    items[20].Foreign = "target";
    ShowList(items, 0, English, German);
    TSearchDialog* dialog = OpenFind();
    const int height = dialog->height();
    const int centre = dialog->geometry().center().y();
    Form->Session().Settings.DisplayFont.Size = 24;
    dialog->LayoutControls();
    EXPECT_EQ(dialog->edtFind->font().pointSize(), 24);
    EXPECT_EQ(dialog->cbMode->y(), dialog->edtFind->geometry().bottom() + 1 + 6);
    EXPECT_EQ(dialog->chbMatchWord->y(), dialog->chbMatchCase->geometry().bottom() + 1);
    EXPECT_GT(dialog->height(), height);
    EXPECT_NEAR(dialog->geometry().center().y(), centre, 1);

    // Put the dialog where the row will be found.
    Find(0, QStringLiteral("target"), smWhole);
    ASSERT_EQ(Doc().CurrentIndex(), 20);
    auto rowOnScreen = [this] {
        const QRect cell = Form->Grid()->visualRect(Form->Grid()->Model()->index(20, 0));
        return QRect(Form->Grid()->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    };
    // Cover the row, then find it again from the top without scrolling the grid.
    dialog->move(dialog->x(), rowOnScreen().top() - 10);
    ASSERT_TRUE(dialog->frameGeometry().intersects(rowOnScreen()));
    Doc().SetCurrentIndex(0);
    Find(0, QStringLiteral("target"), smWhole);
    ASSERT_EQ(Doc().CurrentIndex(), 20);
    EXPECT_FALSE(dialog->frameGeometry().intersects(rowOnScreen())) << "the found row stays visible";
}

TEST_F(FindSortTest, SortByEachFieldWithUndoAndTheButtonWithoutDialog)
{
    const std::vector<TListItem> items = {
        { "le chat", "n.", "zoo", "cat", 3 },
        { "Apfel", "", "", "apple", 0 },
        { "l'avion", "adj.", "aa", "plane", 2 },
    };
    struct TCase {
        int field;
        TWords order; // of the word/phrase after sorting
    };
    const TCase cases[] = {
        { 0, { "Apfel", "l'avion", "le chat" } }, // after the sorting positions
        { 1, { "Apfel", "l'avion", "le chat" } }, // empty first
        { 2, { "Apfel", "l'avion", "le chat" } },
        { 3, { "Apfel", "le chat", "l'avion" } },
    };
    for (const auto& c : cases) {
        ShowList(items, 0, French, English);
        int asked = 0;
        OnDialog<TSortDialog>(
            [&c](TSortDialog& dialog) {
                QTest::mouseClick(dialog.rbField[static_cast<std::size_t>(c.field)], Qt::LeftButton);
                dialog.accept();
            },
            &asked);
        Trigger(Form->miEditSort);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(Words(), c.order) << c.field;
        EXPECT_EQ(Form->SortField(), c.field);
        EXPECT_EQ(Form->miEditUndo->text(), QStringLiteral("&Undo Sort"));
        Trigger(Form->miEditUndo);
        EXPECT_EQ(Words(), (TWords { "le chat", "Apfel", "l'avion" })) << c.field;
        // The button sorts by the same field again without asking.
        Trigger(Form->tbSort);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(Words(), c.order) << c.field;
    }

    // Cancel sorts nothing; the dialog opens on the last field.
    ShowList(items, 0, French, English);
    OnDialog<TSortDialog>([](TSortDialog& dialog) {
        EXPECT_TRUE(dialog.rbField[3]->isChecked());
        dialog.reject();
    });
    Trigger(Form->miEditSort);
    EXPECT_EQ(Words(), (TWords { "le chat", "Apfel", "l'avion" }));
    EXPECT_EQ(Doc().UndoCount(), 0);
}
