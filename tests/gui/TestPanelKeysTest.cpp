// The test panel by keyboard and mouse: multiple choice, the direction keys, Esc, editing the asked
// item, and a test started from the command line.

#include "gui/TestPanelFixture.h"

namespace {

// Claims every key combination for the field, as a line edit does for its editing keys.
class TGreedyField : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        return false;
    }
};

} // namespace

TEST_F(TestPanelTest, MultipleChoiceByClicksNumbersAndKeysInTheDisplayFont)
{
    Options().NumChoices = 5;
    Options().Delay = 1;
    OpenAnimals();
    Key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_TRUE(Form->Command("miTestMultipleChoice")->isChecked());
    EXPECT_TRUE(Panel->pnlChoice->isVisible());
    EXPECT_FALSE(Panel->pnlResponse->isVisible());
    EXPECT_EQ(Focus(), Panel->lbChoice);
    EXPECT_EQ(Panel->lbChoice->count(), 3);
    EXPECT_EQ(Panel->lbChoice->SelectedRow(), -1);
    EXPECT_EQ(
        Panel->lbChoice->height(), Panel->lbChoice->ItemHeight() * 5 + 2 * Panel->lbChoice->frameWidth())
        << "sized for NumChoices rows, whatever the list holds";
    EXPECT_EQ(KeyboardLanguageFor(Doc(), Panel->lbChoice), Doc().NativeLangID());

    // A click on the right entry answers at once.
    const TVocabItem* asked = &Doc().CurrentItem();
    const QRect entry = Panel->lbChoice->visualItemRect(Panel->lbChoice->item(RowOf(*asked)));
    QTest::mouseClick(Panel->lbChoice->viewport(), Qt::LeftButton, Qt::NoModifier, entry.center());
    EXPECT_EQ(Status(), QStringLiteral("Right!"));
    EXPECT_FALSE(Panel->lbChoice->isEnabled());
    ASSERT_EQ(Panel->lbChoice->count(), 1);
    EXPECT_EQ(Panel->lbChoice->ItemAt(0), asked);
    Key(Qt::Key_Return);

    // A number key answers with its entry; one past the entries does nothing.
    Key(Qt::Key_4);
    EXPECT_FALSE(Form->Test().Engine().Answered()) << "no fourth entry of three";
    asked = &Doc().CurrentItem();
    Key(static_cast<Qt::Key>(Qt::Key_1 + RowOf(*asked)));
    EXPECT_EQ(Status(), QStringLiteral("Right!"));
    EXPECT_EQ(Form->Test().Engine().SelectedChoice(), asked);
    Key(Qt::Key_Return);

    // Keys: the arrow selects, Return answers; a wrong one holds the disabled list until the
    // delay has run out, then a click on it continues.
    asked = &Doc().CurrentItem();
    const int wrongRow = RowOf(*asked) == 0 ? 1 : 0;
    for (int i = 0; i <= wrongRow; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(Panel->lbChoice->SelectedRow(), wrongRow);
    Key(Qt::Key_Return);
    EXPECT_EQ(Status(), QStringLiteral("Wrong!"));
    EXPECT_EQ(Panel->lbChoice->ItemAt(0), asked) << "the asked item, in the wrong colour";
    EXPECT_EQ(Panel->lbChoice->EntryColour(), Shown(Options().ColourWrong));
    Panel->btnToggleAnswer->click();
    EXPECT_NE(Panel->lbChoice->ItemAt(0), asked) << "the toggle shows the chosen entry";
    const QPoint onList = Panel->lbChoice->geometry().center();
    QTest::mouseClick(Panel->pnlChoice, Qt::LeftButton, Qt::NoModifier, onList);
    EXPECT_EQ(&Doc().CurrentItem(), asked);
    Panel->timAnswer->start(1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Panel->btnEnter->isEnabled(); }, 2000));
    QTest::mouseClick(Panel->pnlChoice, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(Form->Test().Engine().Answered()) << "a click beside the list does not continue";
    QTest::mouseClick(Panel->pnlChoice, Qt::LeftButton, Qt::NoModifier, onList);
    EXPECT_FALSE(Form->Test().Engine().Answered());

    // Into the foreign language a letter jumps past the article to the word, and does not answer.
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(Form->Command("miTestActive")->isChecked());
    EXPECT_EQ(Panel->lblChoice->text(), QStringLiteral("Word/phrase:"));
    EXPECT_EQ(KeyboardLanguageFor(Doc(), Panel->lbChoice), Doc().ForeignLangID());
    Key(Qt::Key_K);
    EXPECT_FALSE(Form->Test().Engine().Answered());
    ASSERT_NE(Panel->lbChoice->SelectedRow(), -1);
    EXPECT_EQ(Panel->lbChoice->ItemAt(Panel->lbChoice->SelectedRow()), &Doc().Items(1));

    // The display font reaches the test controls.
    const int rowBefore = Panel->lbChoice->ItemHeight();
    Form->Session().Settings.DisplayFont.Size = 24;
    Form->ApplyDisplayFont();
    EXPECT_GT(Panel->lbChoice->ItemHeight(), rowBefore);
    EXPECT_EQ(
        Panel->lbChoice->height(), Panel->lbChoice->ItemHeight() * 5 + 2 * Panel->lbChoice->frameWidth());
    EXPECT_GE(Panel->pnlQuestion->height(), QFontMetrics(Panel->pbQuestion->font()).height());
    EXPECT_EQ(Panel->edtResponse->font().pointSize(), 24);
    EXPECT_TRUE(Panel->edtTestNotes->font().italic());

    // Ctrl+M again: typed answers.
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(Form->Command("miTestMultipleChoice")->isChecked());
    EXPECT_TRUE(Panel->pnlResponse->isVisible());
    EXPECT_EQ(Focus(), Panel->edtResponse);
}

TEST_F(TestPanelTest, DirectionKeysEscAndEditingTheAskedItem)
{
    Options().TestNotesPassive = true;
    OpenAnimals({ { "der Hund", 4, "pl. Hunde", "dog" }, { "die Katze", 4, "", "cat" } });
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Form->WindowMode(), wmEditing) << "Ctrl+Tab belongs to testing only";
    EXPECT_EQ(Form->WindowState().TestMode, 0);

    Key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    Doc().SetCurrentIndex(0);
    Panel->ShowQuestion();
    EXPECT_EQ(Focus(), Panel->edtTestNotes) << "notes first into the native language";
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), Panel->edtResponse);
    Doc().SetCurrentIndex(1);
    Panel->ShowQuestion();
    EXPECT_TRUE(Panel->edtTestNotes->isReadOnly()) << "an item without notes never tests them";
    EXPECT_EQ(Focus(), Panel->edtResponse);

    struct TCase {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int testMode;
    };
    const TCase cases[] = {
        { "Ctrl+Tab flips", Qt::Key_Tab, Qt::ControlModifier, 1 },
        { "Ctrl+Shift+Tab does not", Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 1 },
        { "Ctrl+Alt+Tab does not", Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier, 1 },
        { "Ctrl+E in the answer field", Qt::Key_E, Qt::ControlModifier, 0 },
        { "Ctrl+L", Qt::Key_L, Qt::ControlModifier, 1 },
        { "Ctrl+L again changes nothing", Qt::Key_L, Qt::ControlModifier, 1 },
    };
    // Desktops with Emacs-style keys give line edits Ctrl+E and Ctrl+H; the test commands win.
    TGreedyField greedy;
    Panel->edtResponse->installEventFilter(&greedy);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        Panel->edtResponse->setFocus();
        Key(c.key, c.modifiers);
        EXPECT_EQ(Form->WindowMode(), wmTesting);
        EXPECT_EQ(Form->Test().Engine().TestMode(), c.testMode);
    }
    EXPECT_EQ(Doc().Attempts(), 0) << "switching drops the question unrecorded";

    // The window's key filter composes accents in the answer field; an open picker takes Esc.
    Panel->edtResponse->setFocus();
    Panel->edtResponse->clear();
    Key(Qt::Key_Apostrophe, Qt::ControlModifier);
    Key(Qt::Key_E);
    EXPECT_EQ(Panel->edtResponse->text(), QString::fromUtf8("\xC3\xA9"));
    // Copy and Paste are disabled while testing, so their keys edit the answer field.
    Panel->edtResponse->setText(QStringLiteral("Hund"));
    Panel->edtResponse->selectAll();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Hund"));
    Panel->edtResponse->end(false);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Panel->edtResponse->text(), QStringLiteral("HundHund"));
    EXPECT_EQ(Doc().Count(), 2) << "nothing was pasted into the list";
    Panel->edtResponse->OpenPicker();
    Key(Qt::Key_Escape);
    EXPECT_EQ(Panel->edtResponse->Picker(), nullptr);
    EXPECT_EQ(Form->WindowMode(), wmTesting);

    Key(Qt::Key_Escape);
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_EQ(Focus(), Form->Grid());
    EXPECT_EQ(Form->WindowState().TestMode, 1) << "the direction is kept for the next test";

    // A double-click on the question leaves the test and edits the asked item.
    Key(Qt::Key_T, Qt::ControlModifier);
    const TVocabItem* asked = &Doc().CurrentItem();
    const TVocabItem* edited = nullptr;
    OnDialog<TEditDialog>([this, &edited](TEditDialog& dialog) {
        edited = &Doc().CurrentItem();
        dialog.reject();
    });
    QTest::mouseDClick(Panel->pnlQuestion, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(Form->WindowMode(), wmEditing);
    EXPECT_EQ(edited, asked);

    // Ctrl+Q quits from a test as from the list.
    Panel->edtResponse->removeEventFilter(&greedy);
    Doc().MarkSaved();
    Key(Qt::Key_T, Qt::ControlModifier);
    ASSERT_EQ(Form->WindowMode(), wmTesting);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(TestPanelTest, CommandLineTStartsATestOnlyWhenAnItemCanBeAsked)
{
    TTempDir dir;
    const std::string file = dir.File("animals.vmr");
    const auto save = [&file](bool learnt) {
        TVocabFile document;
        Fill(document, German, English, Animals);
        for (int i = 0; learnt && i < document.Count(); ++i) {
            document.SetCurrentIndex(i);
            document.RecordAnswer(true, 0);
        }
        document.SaveToFile(file);
    };
    save(false);
    EXPECT_EQ(Form->StartUp(TCommandLine { saTest, file }), std::nullopt);
    EXPECT_EQ(Form->WindowMode(), wmTesting);
    EXPECT_TRUE(Form->isVisible());
    Key(Qt::Key_Escape);
    // Everything learnt: the end-of-test message and the statistics, whose reset starts the test.
    for (const bool reset : { false, true }) {
        SCOPED_TRACE(reset);
        save(true);
        ScriptedBoxes().Clear();
        OnStatistics(reset);
        EXPECT_EQ(Form->StartUp(TCommandLine { saTest, file }), std::nullopt);
        ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
        EXPECT_TRUE(LastMessage().Text.startsWith(
            QStringLiteral("You have learnt all the vocabulary in animals.vmr.\n")));
        EXPECT_EQ(StatisticsShown, 1);
        EXPECT_EQ(Form->WindowMode(), reset ? wmTesting : wmEditing);
        Key(Qt::Key_Escape);
    }
    // Ctrl+Q quits from the list.
    Doc().MarkSaved();
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(Form->isVisible());
}
