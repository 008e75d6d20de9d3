// Every window's Alt+letter keys: within what a window shows at one time (each page of its tabs in
// turn), no two controls share a key, so each key reaches exactly one control.

#include "gui/EditCommandsSupport.h"
#include "gui/EveryDialog.h"
#include "qtsupport/Translations.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <fstream>
#include <map>

namespace {

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
        } else if (qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* menu : widget->actions())
                add(menu->text());
        }
    }
    // A menu is a window of its own: its entries.
    for (const QAction* action : qobject_cast<QMenu*>(window) ? window->actions() : QList<QAction*>())
        add(action->text());
    QStringList clashes;
    for (const auto& [key, texts] : keys)
        if (texts.size() > 1)
            clashes.push_back(key + QStringLiteral(": ") + texts.join(QStringLiteral(", ")));
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

// Each window's clashes, its menus' too, while editing and while testing, under the language
// installed when the window was made.
QStringList EveryClash(TMainForm& form)
{
    TEveryWindow every(form);
    QStringList clashes;
    int controls = 0;
    for (QWidget* window : every.All) {
        if (!window)
            return { QStringLiteral("a window is missing") };
        for (const QString& clash : ClashesOnEveryPage(window))
            clashes.push_back(
                QString::fromUtf8(window->metaObject()->className()) + QStringLiteral(": ") + clash);
        controls += static_cast<int>(window->findChildren<QAbstractButton*>().size());
    }
    if (controls <= 60)
        clashes.push_back(QStringLiteral("the walk missed the dialogs' controls"));
    clashes += ClashesOnEveryPage(&form);
    for (QMenu* menu : form.menuBar()->findChildren<QMenu*>())
        clashes += Clashes(menu);
    form.SetWindowMode(wmTesting);
    clashes += ClashesOnEveryPage(&form);
    return clashes;
}

class AcceleratorsTest : public EditCommandsTest {
protected:
    void TearDown() override
    {
        EditCommandsTest::TearDown();
        InstallTranslations("en");
    }
};

TEST_F(AcceleratorsTest, NoTwoControlsOfAWindowShareAnAltKey)
{
    ShowList({ { "Haus", "n.", "", "house" }, { "Baum", "", "", "tree" } });
    EXPECT_EQ(EveryClash(*Form).join(u'\n').toStdString(), "");
}

// The tests' pseudo language and each language listed as shipped: a translation that gives two
// controls one key fails here.
TEST_F(AcceleratorsTest, NorInTheTranslations)
{
    std::vector<std::pair<std::string, std::function<bool()>>> languages { { "pseudo",
        [] { return InstallTranslationFile(VELMORIA_PSEUDO_QM); } } };
    std::ifstream shipped(VELMORIA_SOURCE_DIR "/translations/shipped");
    for (std::string line; std::getline(shipped, line);)
        if (!line.empty() && line[0] != '#')
            languages.emplace_back(line, [line] {
                InstallTranslations(line);
                return true;
            });
    for (const auto& [language, install] : languages) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(install());
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        ShowList({ { "Haus", "n.", "", "house" }, { "Baum", "", "", "tree" } });
        EXPECT_EQ(EveryClash(*Form).join(u'\n').toStdString(), "");
    }
}

// The walk finds a clash where one is, and only there.
TEST(AcceleratorClashes, AreFoundAmongButtonsBuddiedLabelsGroupsAndTabsShownTogether)
{
    const auto tabbed = [](QWidget& window, const char* first, const char* second) {
        auto* tabs = new QTabWidget(&window);
        tabs->addTab(new QWidget, Q("&General"));
        tabs->addTab(new QWidget, Q("&Tests"));
        new QPushButton(Q(first), tabs->widget(0));
        new QPushButton(Q(second), tabs->widget(1));
    };
    const struct {
        const char* Name;
        std::function<void(QWidget&)> Build;
        const char* Expected;
    } cases[] = {
        { "a button and a radio button",
            [](QWidget& w) { new QRadioButton(Q("Th&ree"), new QPushButton(Q("&Right"), &w)); },
            "Alt+R: &Right, Th&ree" },
        { "a label counts only with a buddy",
            [](QWidget& w) {
                new QCheckBox(Q("&New"), &w);
                new QLabel(Q("&Name"), &w);
                (new QLabel(Q("&Notes:"), &w))->setBuddy(new QLineEdit(&w));
            },
            "Alt+N: &New, &Notes:" },
        { "a group box and a tab title",
            [](QWidget& w) {
                (new QTabWidget(new QGroupBox(Q(" &Options "), &w)))->addTab(new QWidget, Q("&Other"));
            },
            "Alt+O:  &Options , &Other" },
        { "controls of different pages do not meet", [&](QWidget& w) { tabbed(w, "&Apply", "&Add"); }, "" },
        { "a page's control meets the tab titles", [&](QWidget& w) { tabbed(w, "&Go", "&Run"); },
            "Alt+G: &General, &Go" },
        { "and so does a control of another page", [&](QWidget& w) { tabbed(w, "&Apply", "&Test"); },
            "&Tests page: Alt+T: &Tests, &Test" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QWidget window;
        c.Build(window);
        EXPECT_EQ(ClashesOnEveryPage(&window).join(u'\n').toStdString(), c.Expected);
    }
}

} // namespace
