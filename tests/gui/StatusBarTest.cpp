// The status bar's five panels: fixed in place whatever they show, readable, and explained.

#include "app/MessageBox.h"
#include "core/GlobalDocument.h"
#include "settings/MemoryStore.h"
#include "settings/Settings.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string Example = std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr";

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MessageBoxHook::Clear();
        ResetSettings();
        ReplaceDocument(std::make_unique<TVocabFile>());
        List = Dir.File("list.vmr");
        std::filesystem::copy_file(Example, List);
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        ASSERT_TRUE(Form->OpenFile(List));
        Form->SetWindowMode(wmEditing);
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }
    void TearDown() override
    {
        Form.reset();
        ReplaceDocument(std::make_unique<TVocabFile>());
        MessageBoxHook::Clear();
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

    TTempDir Dir;
    std::string List;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(StatusBarTest, PanelsStayInPlaceAndShowTheirWholeText)
{
    for (const int windowWidth : { 640, 360 }) {
        SCOPED_TRACE(windowWidth);
        Form->resize(windowWidth, 480);
        Update();
        const std::vector<QRect> before = Panels();
        // "Saved", then "Modified", then a longer item number: none of it may move a panel.
        const std::vector<std::function<void()>> changes = {
            [&] { Form->miEditDeleteClick(); },
            [&] { Document().SetCurrentIndex(Document().Count() - 1); },
            [&] { Form->miEditUndoClick(); },
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
}

TEST_F(StatusBarTest, EveryPanelSaysWhatItShows)
{
    QStringList tips;
    for (int i = 1; i <= 5; ++i)
        tips.append(Form->StatusPanel(i)->toolTip());
    for (const QString& tip : tips)
        EXPECT_FALSE(tip.isEmpty());
    tips.removeDuplicates();
    EXPECT_EQ(tips.size(), 5);
}

} // namespace
