// Every window's Alt+letter keys: within what a window shows at one time (each page of its tabs in
// turn), no two controls share a key, so each key reaches exactly one control.

#include "app/PropertiesDialog.h"
#include "app/WelcomeDialog.h"
#include "gui/EditCommandsSupport.h"
#include "gui/EveryDialog.h"
#include "ui/AboutDialog.h"
#include "ui/ImportFieldsDialog.h"
#include "ui/EditDialog.h"
#include "ui/FontDialog.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/PageSetupDialog.h"
#include "ui/PrintOptionsDialog.h"
#include "ui/SortDialog.h"
#include "ui/FindDialog.h"
#include "ui/StatisticsDialog.h"
#include "ui/TestPanel.h"
#include "ui/TipsDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <map>

namespace {

const QString HelpFile = QStringLiteral(VELMORIA_HELP_FILE);

// "Alt+R: &Right:, Th&ree" for each key that more than one control shown now answers to.
QStringList Clashes(QWidget* window)
{
    std::map<QString, QStringList> keys;
    const auto add = [&](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys[key.toString()].push_back(text);
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            add(label->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* menu : bar->actions())
                add(menu->text());
        }
    }
    // A menu is a window of its own: its entries.
    if (auto* menu = qobject_cast<QMenu*>(window)) {
        for (const QAction* action : menu->actions())
            add(action->text());
    }
    QStringList clashes;
    for (const auto& [key, texts] : keys) {
        if (texts.size() > 1)
            clashes.push_back(key + QStringLiteral(": ") + texts.join(QStringLiteral(", ")));
    }
    return clashes;
}

// The clashes of the window as it stands and with each page of each of its tabs shown.
QStringList ClashesOnEveryPage(QWidget* window)
{
    QStringList clashes = Clashes(window);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (const QString& clash : Clashes(window)) {
                const QString where = tabs->tabText(i) + QStringLiteral(" page: ") + clash;
                if (!clashes.contains(where) && !clashes.contains(clash))
                    clashes.push_back(where);
            }
        }
        tabs->setCurrentIndex(shown);
    }
    return clashes;
}

class AcceleratorsTest : public EditCommandsTest { };

TEST_F(AcceleratorsTest, NoTwoControlsOfAWindowShareAnAltKey)
{
    ShowList({ { "Haus", "n.", "", "house" }, { "Baum", "", "", "tree" } });
    TEveryDialog every(*Form);
    TPropertiesData newList; // a new list's properties have no General page but all languages
    TTipsData tips { QStringLiteral(VELMORIA_SOUND_DIR "/velmoria.tip"), 1, true };
    std::vector<std::unique_ptr<QDialog>> windows = std::move(every.Dialogs);
    windows.push_back(std::make_unique<TPropertiesDialog>(Form.get(), newList));
    windows.push_back(std::make_unique<TTipsDialog>(Form.get(), tips));
    windows.push_back(std::make_unique<TAboutDialog>(Form.get()));
    std::vector<QWidget*> all { Form->SearchDialog() };
    for (const auto& window : windows)
        all.push_back(window.get());
    TTempDir cache;
    THelpSystem help(HelpFile, QString::fromStdString(cache.Path().string()));
    help.ShowContents();
    ASSERT_NE(help.Window(), nullptr);
    all.push_back(help.Window());

    int controls = 0;
    for (QWidget* window : all) {
        SCOPED_TRACE(window->metaObject()->className());
        EXPECT_EQ(ClashesOnEveryPage(window).join(u'\n').toStdString(), "");
        controls += static_cast<int>(window->findChildren<QAbstractButton*>().size());
    }
    EXPECT_GT(controls, 60) << "the walk reached the dialogs' controls";

    // The main window with its menus, while editing and while testing.
    EXPECT_EQ(ClashesOnEveryPage(Form.get()).join(u'\n').toStdString(), "");
    for (QMenu* menu : Form->menuBar()->findChildren<QMenu*>()) {
        SCOPED_TRACE(menu->title().toStdString());
        EXPECT_EQ(Clashes(menu).join(u'\n').toStdString(), "");
    }
    Form->SetWindowMode(wmTesting);
    EXPECT_EQ(ClashesOnEveryPage(Form.get()).join(u'\n').toStdString(), "");
}

// The walk finds a clash where one is, and only there.
TEST(AcceleratorClashes, AreFoundAmongButtonsBuddiedLabelsGroupsAndTabsShownTogether)
{
    const auto tabbed = [](QWidget& window, const QString& first, const QString& second) {
        auto* tabs = new QTabWidget(&window);
        auto* page = new QWidget;
        tabs->addTab(page, QStringLiteral("&General"));
        tabs->addTab(new QWidget, QStringLiteral("&Tests"));
        new QPushButton(first, page);
        new QPushButton(second, tabs->widget(1));
    };
    const struct {
        const char* Name;
        std::function<void(QWidget&)> Build;
        QStringList Expected;
    } cases[] = {
        { "a button and a radio button",
            [](QWidget& w) {
                new QPushButton(QStringLiteral("&Right"), &w);
                new QRadioButton(QStringLiteral("Th&ree"), &w);
            },
            { QStringLiteral("Alt+R: &Right, Th&ree") } },
        { "a label counts only with a buddy",
            [](QWidget& w) {
                new QCheckBox(QStringLiteral("&New"), &w);
                new QLabel(QStringLiteral("&Name"), &w);
                new QLabel(QStringLiteral("&Number"), &w);
                auto* label = new QLabel(QStringLiteral("&Notes:"), &w);
                label->setBuddy(new QLineEdit(&w));
            },
            { QStringLiteral("Alt+N: &New, &Notes:") } },
        { "a group box and a tab title",
            [](QWidget& w) {
                new QGroupBox(QStringLiteral(" &Options "), &w);
                auto* tabs = new QTabWidget(&w);
                tabs->addTab(new QWidget, QStringLiteral("&Other"));
            },
            { QStringLiteral("Alt+O:  &Options , &Other") } },
        { "a doubled ampersand is no key",
            [](QWidget& w) {
                new QPushButton(QStringLiteral("&Salt && pepper"), &w);
                new QPushButton(QStringLiteral("&& &more"), &w);
            },
            {} },
        { "controls of different pages do not meet",
            [&](QWidget& w) { tabbed(w, QStringLiteral("&Apply"), QStringLiteral("&Add")); }, {} },
        { "a page's control meets the tab titles",
            [&](QWidget& w) { tabbed(w, QStringLiteral("&Go"), QStringLiteral("&Run")); },
            { QStringLiteral("Alt+G: &General, &Go") } },
        { "and so does a control of another page",
            [&](QWidget& w) { tabbed(w, QStringLiteral("&Apply"), QStringLiteral("&Test")); },
            { QStringLiteral("&Tests page: Alt+T: &Tests, &Test") } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QWidget window;
        c.Build(window);
        EXPECT_EQ(
            ClashesOnEveryPage(&window).join(u'\n').toStdString(), c.Expected.join(u'\n').toStdString());
    }
}

} // namespace
