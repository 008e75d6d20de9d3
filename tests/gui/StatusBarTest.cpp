// The status bar's five panels: fixed in place whatever they show, readable, and following the mode.

#include "gui/EditCommandsSupport.h"

namespace {

class StatusBarTest : public TListWindowTest {
protected:
    void SetUp() override
    {
        TListWindowTest::SetUp();
        OpenList();
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }

    std::vector<QRect> Panels() const
    {
        std::vector<QRect> panels;
        for (int i = 1; i <= 5; ++i)
            panels.push_back(Form->StatusPanel(i)->geometry());
        return panels;
    }
    // Lays the bar out again after its texts changed, as an idle moment does.
    void Update()
    {
        Form->UpdateCommandState();
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
};

TEST_F(StatusBarTest, PanelsStayInPlaceAndShowTheirWholeTextAndTheBlankRowIsNoRow)
{
    for (const int windowWidth : { 640, 360 }) {
        SCOPED_TRACE(windowWidth);
        Form->resize(windowWidth, 480);
        Update();
        const std::vector<QRect> before = Panels();
        // "Saved", then "Modified", then a longer item number: none of it may move a panel.
        const std::vector<std::function<void()>> changes = {
            [&] { Form->Command("miEditDelete")->trigger(); },
            [&] { Doc().SetCurrentIndex(Doc().Count() - 1); },
            [&] { Form->Command("miEditUndo")->trigger(); },
        };
        for (const auto& change : changes) {
            change();
            Update();
            EXPECT_EQ(Panels(), before);
            for (int i = 1; i <= 5; ++i) {
                const QLabel* panel = Form->StatusPanel(i);
                SCOPED_TRACE(panel->text().toStdString());
                EXPECT_LE(
                    panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
            }
        }
        const std::vector<QRect> panels = Panels();
        for (std::size_t i = 1; i < panels.size(); ++i)
            EXPECT_LT(panels[i - 1].right(), panels[i].left());
        EXPECT_LE(panels.back().right(), Form->statusBar()->width());
    }
    Doc().SetCurrentIndex(-1);
    Update();
    EXPECT_EQ(Form->StatusPanel(3)->text(), QStringLiteral("No row")) << "the blank last row";
}

} // namespace
