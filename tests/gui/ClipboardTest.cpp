// Cut, Copy and Paste through the main window: the command state, the cut mark and what ends it,
// the clipboard's one private type, and keys that belong to the find dialog.

#include "ui/Clipboard.h"

#include "gui/EditCommandsSupport.h"
#include "ui/EditDialog.h"
#include "ui/FindDialog.h"
#include "ui/SymbolEdit.h"

#include <QMimeData>

namespace {
const std::vector<TListItem> ABCD = { { "A" }, { "B" }, { "C" }, { "D" } };
} // namespace

TEST_F(EditCommandsTest, CommandStateRowsOfClipboardFindSortAndImport)
{
    struct TCase {
        const char* name;
        bool list, clipboard;
        std::int32_t cut, current; // -1: no mark / the blank row
        const char* text;
        std::uint8_t mode;
        const char* enabled; // Import, Cut, Copy, Paste, Sort, Find, Find Next: 1 enabled, 0 not
    };
    // The rules themselves are the model's (CommandRulesTest); each row shows the window forwards one.
    const TCase cases[] = {
        { "no list", false, false, -1, -1, "", smAnyPart, "0000000" },
        { "an item, empty clipboard", true, false, -1, 1, "", smAnyPart, "1110110" },
        { "blank row, clipboard item", true, true, -1, -1, "", smAnyPart, "1001110" },
        { "mark, another item", true, false, 1, 3, "", smAnyPart, "1111110" },
        { "a search text", true, false, -1, 1, "x", smAnyPart, "1110111" },
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.list) {
            ShowList(ABCD, 0);
            if (c.clipboard)
                CopyToClipboard(Doc());
            if (c.cut >= 0) {
                Select(c.cut);
                Form->Edit().Cut();
                if (!c.clipboard)
                    QGuiApplication::clipboard()->clear();
            }
            Select(c.current);
        }
        Form->Find().SearchParams().Text = c.text;
        Form->Find().SearchParams().Mode = c.mode;
        Form->UpdateCommandState();
        const QAction* actions[] = { Form->Command("miFileImport"), Form->Command("miEditCut"),
            Form->Command("miEditCopy"), Form->Command("miEditPaste"), Form->Command("miEditSort"),
            Form->Command("miEditFind"), Form->Command("miEditFindNext") };
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(actions[i]->isEnabled(), c.enabled[i] == '1')
                << c.name << ": " << actions[i]->objectName().toStdString();
        EXPECT_EQ(Form->Command("tbSort")->isEnabled(), c.enabled[4] == '1') << c.name;
        TearDown();
    }
    SetUp();
}

// Where the marked item goes is the model's (CommandRulesTest.MovingTheMarkedItemIsOneUndoableMove).
TEST_F(EditCommandsTest, CutAndPasteMoveTheMarkedItemAndEverythingTheRulesNameEndsTheMark)
{
    ShowList(ABCD, 1);
    Trigger(Form->Command("miEditCut"));
    EXPECT_EQ(Words(), (TWords { "A", "B", "C", "D" })) << "Cut removes nothing";
    Select(3);
    EXPECT_EQ(Form->Grid()->CutIndex(), 1) << "selecting keeps the mark";
    Trigger(Form->Command("miEditPaste"));
    EXPECT_EQ(std::tuple(Words(), Doc().CurrentIndex(), Form->Grid()->CutIndex(),
                  Form->Command("miEditUndo")->text()),
        std::tuple(TWords { "A", "C", "D", "B" }, 3, -1, Q("&Undo Move")));

    // Paste on the marked item itself only removes the frame.
    ShowList(ABCD, 2);
    Trigger(Form->Command("miEditCut"));
    Trigger(Form->Command("miEditPaste"));
    EXPECT_EQ(std::tuple(Form->Grid()->CutIndex(), Words(), Doc().UndoCount()),
        std::tuple(-1, TWords { "A", "B", "C", "D" }, 0));

    struct TCase {
        std::string name;
        std::function<void(EditCommandsTest&)> action;
    };
    std::vector<TCase> cases;
    for (QAction* command : { Form->Command("miEditCopy"), Form->Command("miEditDelete"),
             Form->Command("miEditMoveUp"), Form->Command("miEditMoveDown"), Form->Command("miEditShuffle"),
             Form->Command("tbSort"), Form->Command("miFileOpen"), Form->Command("miFileImport") })
        cases.push_back(
            { command->objectName().toStdString(), [command](EditCommandsTest& t) { t.Trigger(command); } });
    const TCase others[] = {
        { "Undo",
            [](EditCommandsTest& t) {
                t.Doc().MoveCurrent(2);
                t.Doc().SetCurrentIndex(1);
                t.Trigger(t.Form->Command("miEditUndo"));
            } },
        { "Esc", [](EditCommandsTest& t) { QTest::keyClick(t.Form->Grid(), Qt::Key_Escape); } },
        { "switching the view", [](EditCommandsTest& t) { t.Form->SetWindowMode(wmEditing); } },
        { "the find dialog",
            [](EditCommandsTest& t) {
                t.Trigger(t.Form->Command("miEditFind"));
                ASSERT_TRUE(QTest::qWaitForWindowActive(t.Form->Find().SearchDialog()));
                t.Form->UpdateCommandState();
            } },
        { "the Add dialog",
            [](EditCommandsTest& t) {
                OnDialog<TEditDialog>([](TEditDialog& dialog) { dialog.reject(); });
                t.Trigger(t.Form->Command("miEditAdd"));
            } },
        { "the window losing the activation",
            [](EditCommandsTest& t) {
                QWidget other;
                ShowActive(other);
                t.Form->UpdateCommandState();
            } },
    };
    cases.insert(cases.end(), std::begin(others), std::end(others));
    for (const auto& c : cases) {
        ShowList(ABCD, 1);
        Trigger(Form->Command("miEditCut"));
        ASSERT_EQ(Form->Grid()->CutIndex(), 1);
        c.action(*this);
        EXPECT_EQ(Form->Grid()->CutIndex(), -1) << c.name;
        Form->Find().HideSearchDialog();
        ShowActive(*Form);
    }
}

TEST_F(EditCommandsTest, AfterTheMarkEndsPasteInsertsTheClipboardItemOrTheTextOfAnotherProgram)
{
    ShowList({ { "A", "n.", "", "a", 0 }, { "die B", "f.", "notes", "b", 4 }, { "C" }, { "D" } }, 1);
    Trigger(Form->Command("miEditCut"));
    {
        QWidget other; // a dialog took the activation
        ShowActive(other);
        Form->UpdateCommandState();
    }
    ShowActive(*Form);
    Select(3);
    Trigger(Form->Command("miEditPaste"));
    EXPECT_EQ(std::tuple(Words(), Doc().CurrentIndex(), Form->Command("miEditUndo")->text()),
        std::tuple(TWords { "A", "die B", "C", "die B", "D" }, 4, Q("&Undo Paste")));

    // The private type first, then the item as a line of text; another list must share the languages.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->formats(), (QStringList { ClipboardMimeType(), QStringLiteral("text/plain") }));
    EXPECT_EQ(ClipboardMimeType(),
        QStringLiteral("application/x-qt-windows-mime;value=\"Velmoria Vocabulary Item\""));
    ShowList(ABCD, 0, 0x040C, 0x0409);
    ScriptedBoxes().Clear();
    Trigger(Form->Command("miEditPaste"));
    EXPECT_EQ(LastMessage().Text, QStringLiteral("Languages are different."));
    EXPECT_EQ(Doc().Count(), 4);

    // Text from another program pastes as items, in one step; what it lost is told.
    ShowList(ABCD, 1);
    QGuiApplication::clipboard()->clear();
    Form->UpdateCommandState();
    EXPECT_FALSE(Form->Command("miEditPaste")->isEnabled());
    // As a spreadsheet copies two rows of two cells; the Greek word has no place in code page 1252.
    QGuiApplication::clipboard()->setText(
        Q("Haus\thouse\r\n\xCF\x83\xCE\xBA\xCF\x8D\xCE\xBB\xCE\xBF\xCF\x82\tdog\r\n"));
    Form->UpdateCommandState();
    ScriptedBoxes().Clear();
    Trigger(Form->Command("miEditPaste"));
    EXPECT_EQ(Words(), (TWords { "A", "Haus", "??????", "B", "C", "D" }));
    EXPECT_EQ(Doc().CurrentIndex(), 3);
    EXPECT_EQ(ShownTexts(),
        QStringList { Q("1 field held characters the list's languages cannot store; they were replaced.") });
    EXPECT_EQ(Form->Command("miEditUndo")->text(), QStringLiteral("&Undo Paste"));
    EXPECT_EQ(Form->statusBar()->currentMessage(),
        Q("Pasted 2 items from tab-separated text: column 1 Word/phrase, column 2 Translations."));

    // Plain text of any languages pastes.
    ShowList(ABCD, -1, 0x0419, 0x0407);
    ScriptedBoxes().Clear();
    QGuiApplication::clipboard()->setText(Q("\xD0\xB4\xD0\xBE\xD0\xBC\tHaus"));
    Trigger(Form->Command("miEditPaste"));
    EXPECT_TRUE(ScriptedBoxes().Shown().empty()) << "nothing lost, nothing to tell";
    EXPECT_EQ(Words().back(), "\xE4\xEE\xEC");
}

TEST_F(EditCommandsTest, KeysInTheActiveFindDialogEditItsFindBox)
{
    ShowList(ABCD, 1);
    int addDialogs = 0;
    OnDialog<TEditDialog>([](TEditDialog& dialog) { dialog.reject(); }, &addDialogs);
    Trigger(Form->Command("miEditFind"));
    TSearchDialog* dialog = Form->Find().SearchDialog();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    Form->UpdateCommandState();
    TVocabEdit* box = dialog->edtFind;
    ASSERT_TRUE(QTest::qWaitFor([box] { return box->hasFocus(); }));
    QTest::keyClicks(box, QStringLiteral("Haus"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Haus"));
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), QString());
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("HausHaus"));
    QTest::keyClick(box, Qt::Key_Insert);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Words(), (TWords { "A", "B", "C", "D" }));
    EXPECT_EQ(addDialogs, 0);
    EXPECT_EQ(Form->Grid()->CutIndex(), -1);
}
