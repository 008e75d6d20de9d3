// When the main window brings its command state up to date: after each kind of change that can
// alter it, without waiting for an idle moment, and not for keys that change nothing.

#include "gui/EditCommandsSupport.h"

#include <QTest>

namespace {
const std::vector<TListItem> ABC = { { "A" }, { "B" }, { "C" } };
} // namespace

TEST_F(EditCommandsTest, KeysInTheGridThatChangeNothingRunNoUpdate)
{
    ShowList(ABC, 0);
    QApplication::processEvents();
    Form->Grid()->setFocus();
    QApplication::processEvents();
    const std::uint64_t before = Form->CommandStateUpdates();
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(Form->Grid(), Qt::Key_Shift);
        QApplication::processEvents();
    }
    EXPECT_EQ(Form->CommandStateUpdates() - before, 0u);
}
