// Every window's Alt+letter keys: within what a window shows at one time (each page of its tabs in
// turn), no two controls share a key, so each key reaches exactly one control. And every window's
// texts fit their controls in every language.

#include "gui/EditCommandsSupport.h"
#include "gui/EveryDialog.h"
#include "qtsupport/Translations.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QImage>
#include <QKeySequence>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QToolButton>
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

// What check finds in the window as it stands and with each page of each of its tabs shown (the
// tabs around them showing the page that holds them).
QStringList OnEveryPage(QWidget* window, const std::function<QStringList(QWidget*)>& check)
{
    QStringList found = check(window);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            for (QWidget* inner = tabs; inner != window; inner = inner->parentWidget())
                if (auto* outer = qobject_cast<QTabWidget*>(inner->parentWidget()->parentWidget());
                    outer && outer->indexOf(inner) >= 0)
                    outer->setCurrentIndex(outer->indexOf(inner));
            tabs->setCurrentIndex(i);
            for (const QString& fault : check(window)) {
                const QString where = tabs->tabText(i) + QStringLiteral(" page: ") + fault;
                if (!found.contains(where) && !found.contains(fault))
                    found.push_back(where);
            }
        }
        tabs->setCurrentIndex(shown);
    }
    return found;
}

// What check finds in each window, shown as the program shows it, and in the main window while
// editing and while testing, under the language installed when the windows were made.
QStringList EveryWindow(TMainForm& form, const std::function<QStringList(QWidget*)>& check)
{
    TEveryWindow every(form);
    QStringList found;
    int controls = 0;
    for (QWidget* window : every.All) {
        if (!window)
            return { QStringLiteral("a window is missing") };
        window->show();
        for (const QString& fault : OnEveryPage(window, check))
            found.push_back(
                QString::fromUtf8(window->metaObject()->className()) + QStringLiteral(": ") + fault);
        window->hide();
        controls += static_cast<int>(window->findChildren<QAbstractButton*>().size());
    }
    if (controls <= 60)
        found.push_back(QStringLiteral("the walk missed the dialogs' controls"));
    form.show();
    found += OnEveryPage(&form, check);
    form.SetWindowMode(wmTesting);
    found += OnEveryPage(&form, check);
    return found;
}

// Each window's clashes, its menus' too.
QStringList EveryClash(TMainForm& form)
{
    QStringList clashes = EveryWindow(form, Clashes);
    for (QMenu* menu : form.menuBar()->findChildren<QMenu*>())
        clashes += Clashes(menu);
    return clashes;
}

// The tests' pseudo language and each language listed as shipped, with how each is installed.
std::vector<std::pair<std::string, std::function<bool()>>> Languages()
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
    return languages;
}

// "QCheckBox chbMatchCase "Match &case": needs 130, has 120" for each text of the window as it
// shows now that its control cuts, measured as the control measures it (a push button: its text
// and icon against its room, whatever the style's least width), a tab bar's cut tabs, a window
// smaller than its layout's least.
QStringList CutTexts(QWidget* window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QStringList cut;
    const auto check = [&cut](const QWidget* widget, const QString& text, int needs, int has) {
        if (needs > has)
            cut.push_back(
                QStringLiteral("%1 %2 \"%3\": needs %4, has %5")
                    .arg(QString::fromUtf8(widget->metaObject()->className()), widget->objectName(), text)
                    .arg(needs)
                    .arg(has));
    };
    check(window, QStringLiteral("width"), window->minimumSizeHint().width(), window->width());
    check(window, QStringLiteral("height"), window->minimumSizeHint().height(), window->height());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // A control that ignores its text's width cuts it on purpose, with an ellipsis.
        if (!widget->isVisible() || widget->window() != window
            || widget->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* group = qobject_cast<QGroupBox*>(widget);
        const QString text = label ? label->text()
            : button               ? button->text()
            : group                ? group->title()
                                   : QString();
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            check(tabs, tabs->tabText(0), tabs->sizeHint().width(), tabs->width());
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(push);
            check(push, text,
                push->fontMetrics().size(Qt::TextShowMnemonic, text).width()
                    + (push->icon().isNull() ? 0 : push->iconSize().width() + 4),
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width());
        } else if (!text.isEmpty()) {
            check(widget, text, widget->minimumSizeHint().width(), widget->width());
            // A title's accents drawn on the box's top row are cut off above it.
            const QImage top = group ? group->grab(QRect(0, 0, group->width(), 1)).toImage() : QImage();
            int ink = 0;
            for (int x = 0; x < top.width(); ++x)
                ink += qGray(top.pixel(x, 0)) < 200;
            check(widget, text, ink, 0);
            if (label && label->wordWrap())
                check(label, text, label->heightForWidth(label->width()), label->height());
        }
    }
    return cut;
}

// "QLineEdit edtFind" for each control of the window shown now that a screen reader finds with no
// name and no label: those the Tab key reaches, and the tool buttons. A control that hands its focus
// on is read where it hands it (a tab widget, its tabs), and a box inside a combo or spin box with it.
QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control = (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QToolButton*>(widget);
        if (!control || widget->focusProxy() || qobject_cast<QTabBar*>(widget) || !widget->isVisibleTo(window)
            || widget->window() != window)
            continue;
        QWidget* parent = widget->parentWidget();
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(
            qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent) ? parent : widget);
        if (access->text(QAccessible::Name).trimmed().isEmpty()
            && access->relations(QAccessible::Label).isEmpty())
            unnamed.push_back(QString::fromUtf8(widget->metaObject()->className()) + QLatin1Char(' ')
                + widget->objectName());
    }
    return unnamed;
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

TEST_F(AcceleratorsTest, EveryControlOfEveryWindowHasANameForAScreenReader)
{
    ShowList({ { "Haus", "n.", "", "house" } });
    EXPECT_EQ(EveryWindow(*Form, Unnamed).join(u'\n').toStdString(), "");
}

// The tests' pseudo language and each language listed as shipped: a translation that gives two
// controls one key fails here.
TEST_F(AcceleratorsTest, NorInTheTranslations)
{
    for (const auto& [language, install] : Languages()) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(install());
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        ShowList({ { "Haus", "n.", "", "house" }, { "Baum", "", "", "tree" } });
        EXPECT_EQ(EveryClash(*Form).join(u'\n').toStdString(), "");
    }
}

// Every window at the size it is shown at, in the tests' pseudo language and each shipped one.
TEST_F(AcceleratorsTest, EveryTextFitsItsControlInEveryLanguage)
{
    for (const auto& [language, install] : Languages()) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(install());
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        ShowList({ { "Haus", "n.", "", "house" }, { "Baum", "", "", "tree" }, { "Tisch", "", "", "table" } });
        Doc().MarkSavedAs(Dir.File("words.vmr")); // the status bar says "Saved"
        QStringList cut = EveryWindow(*Form, CutTexts);
        Form->Test().MultipleChoice();
        cut += CutTexts(Form.get());
        EXPECT_EQ(cut.join(u'\n').toStdString(), "");
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
        EXPECT_EQ(OnEveryPage(&window, Clashes).join(u'\n').toStdString(), c.Expected);
    }
}

} // namespace
