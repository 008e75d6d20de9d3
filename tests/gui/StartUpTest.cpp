// What start-up leaves until the window has painted its first picture: the history (and with it
// the due count) and the Find dialog, which that picture does not show.

#include "gui/EditCommandsSupport.h"
#include "ui/FindDialog.h"

namespace {

class StartUpTest : public TListWindowTest { };

TEST_F(StartUpTest, TheHistoryAndTheFindDialogWaitForTheFirstPicture)
{
    const std::string history = Dir.File("data/history.sqlite");
    Form->Review().SetHistoryPath(history);
    OpenList();
    QApplication::processEvents();
    EXPECT_FALSE(std::filesystem::exists(history)) << "opened before the window was painted";
    EXPECT_TRUE(Form->StatusPanel(6)->text().isEmpty());
    EXPECT_EQ(Form->findChild<TSearchDialog*>(), nullptr);

    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    // The count comes from a worker once the history is open.
    for (int i = 0; i < 3000 && Form->StatusPanel(6)->text().isEmpty(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(std::filesystem::exists(history));
    EXPECT_FALSE(Form->StatusPanel(6)->text().isEmpty());

    // The Find command makes the dialog, once.
    Form->Find().Find();
    TSearchDialog* dialog = Form->Find().SearchDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    Form->Find().HideSearchDialog();
    EXPECT_EQ(Form->Find().SearchDialog(), dialog);
    EXPECT_EQ(Form->findChildren<TSearchDialog*>().size(), 1);
}

} // namespace
