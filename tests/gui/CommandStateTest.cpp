// When the main window brings its command state up to date: after each kind of change that can
// alter it, though no key or click announced it, and not for keys that change nothing.

#include "gui/EditCommandsSupport.h"
#include "ui/Clipboard.h"

namespace {
const std::vector<TListItem> ABC = { { "A" }, { "B" }, { "C" } };

// Selects the row as a click would, but without the click.
void SelectRow(TMainForm& form, int row)
{
    QTableView* grid = form.Grid();
    grid->selectionModel()->setCurrentIndex(
        grid->model()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
} // namespace

TEST_F(EditCommandsTest, TheCommandStateFollowsEachKindOfChange)
{
    struct TCase {
        const char* name;
        std::function<void(TMainForm&)> change;
        const char* command;
        bool enabled;
    };
    const TCase cases[] = {
        { "the blank row is selected", [](auto& f) { SelectRow(f, 3); }, "miEditDelete", false },
        { "the first row is selected", [](auto& f) { SelectRow(f, 0); }, "miEditMoveUp", false },
        { "an item is marked for moving", [](auto& f) { f.Grid()->SetCutIndex(0); }, "miEditPaste", true },
        { "an item reaches the clipboard", [](auto& f) { CopyToClipboard(f.Session().Document()); },
            "miEditPaste", true },
        { "the item is deleted", [](auto& f) { f.Command("miEditDelete")->trigger(); }, "miEditUndo", true },
        { "the list is closed", [](auto& f) { f.SetWindowMode(wmNone); }, "miFileSave", false },
        { "another list is opened", [](auto& f) { f.File().OpenFile(ExampleList); }, "miEditMoveUp", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ShowList(ABC, 1);
        QApplication::processEvents();
        ASSERT_NE(Form->Command(c.command)->isEnabled(), c.enabled);
        c.change(*Form);
        QApplication::processEvents(); // no input event: only the change itself asks for the update
        EXPECT_EQ(Form->Command(c.command)->isEnabled(), c.enabled);
        TearDown();
    }
}

TEST_F(EditCommandsTest, OnlyKeysThatChangeSomethingRunTheUpdate)
{
    ShowList(ABC, 0);
    Form->Grid()->setFocus();
    QApplication::processEvents();
    const auto updatesFor = [this](Qt::Key key) {
        const std::uint64_t before = Form->CommandStateUpdates();
        QTest::keyClick(Form->Grid(), key);
        QApplication::processEvents();
        return Form->CommandStateUpdates() - before;
    };
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(updatesFor(Qt::Key_Shift), 0u);
    EXPECT_EQ(updatesFor(Qt::Key_Down), 1u) << "a new current row, once";
    EXPECT_EQ(Form->StatusPanel(3)->text(), QStringLiteral("Row 2"));
}
