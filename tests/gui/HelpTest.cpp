// Help as the user reaches it: every context the program can request opens a topic of the built
// help file, F1 in dialogs and menus, the help window itself, a missing help file, the tips
// dialog and its start-up rules, the about box and the web commands.

#include "core/HelpTopics.h"
#include "core/ProductInfo.h"
#include "gui/EditCommandsSupport.h"
#include "gui/EveryDialog.h"
#include "qtsupport/DataFiles.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/Translations.h"
#include "ui/AboutDialog.h"
#include "ui/FindDialog.h"
#include "ui/HelpWindow.h"
#include "ui/TipsDialog.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextEdit>
#include <QUrl>
#include <chrono>
#include <map>
#include <thread>

namespace {

const QString HelpFile = QStringLiteral(VELMORIA_HELP_FILE);

struct TRequest {
    int Context, Control;
    bool operator==(const TRequest&) const = default;
};

// Records the help requests instead of showing help, for as long as it lives.
class TRecordHelp {
public:
    TRecordHelp()
        : Previous_(SetHelpHandler([this](int context) {
            Asked.push_back({ context, RequestedControlContext() });
        }))
    {
    }
    ~TRecordHelp() { SetHelpHandler(Previous_); }
    std::vector<TRequest> Asked;

private:
    THelpHandler Previous_;
};

// Shows the tab pages holding the widget, so that it is on the page its dialog's Help opens.
void BringToFront(QWidget* widget)
{
    for (QWidget* page = widget; page && page->parentWidget(); page = page->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
            tabs && qobject_cast<QStackedWidget*>(page->parentWidget()))
            tabs->setCurrentWidget(page);
    }
}

} // namespace

class HelpTest : public EditCommandsTest { };

// Each command's row names its own topic, on the page of the menu it sits in: no two commands share
// one, but for the numbered recent files and the tool buttons that stand for a menu command.
TEST_F(HelpTest, EachCommandHasATopicOfItsOwnOnItsMenusPage)
{
    const std::map<QString, std::string> pages { { QStringLiteral("miFile"), "menu-file.html#" },
        { QStringLiteral("miEdit"), "menu-edit.html#" }, { QStringLiteral("miView"), "menu-view.html#" },
        { QStringLiteral("miTest"), "menu-test.html#" }, { QStringLiteral("miHelp"), "menu-help.html#" },
        { QStringLiteral("miHelpHowTo"), "howto-" } };
    const auto bare
        = [](QString caption) { return caption.remove(QLatin1Char('&')).remove(QLatin1Char('.')); };
    std::map<int, QAction*> owners;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                walk(action->menu());
                continue;
            }
            if (action->isSeparator())
                continue;
            const std::string name = action->objectName().toStdString();
            const THelpTopic* topic = FindHelpTopic(HelpContext(action));
            ASSERT_NE(topic, nullptr) << name;
            ASSERT_TRUE(pages.count(menu->objectName())) << menu->objectName().toStdString();
            EXPECT_EQ(std::string(topic->Page).rfind(pages.at(menu->objectName()), 0), 0u)
                << name << " opens " << topic->Page;
            const auto [owner, first] = owners.emplace(topic->Context, action);
            if (!first
                && !(name.starts_with("miFileRecent")
                    && owner->second->objectName().startsWith(QStringLiteral("miFileRecent")))) {
                ADD_FAILURE() << name << " has the topic of " << owner->second->objectName().toStdString();
            }
        }
    };
    for (QAction* menu : Form->menuBar()->actions())
        walk(menu->menu());
    EXPECT_GT(owners.size(), 40u);
    // A button of its own shares the topic of the menu command it stands for.
    for (QAction* button : Form->ToolBar()->actions()) {
        if (button->isSeparator())
            continue;
        ASSERT_TRUE(owners.count(HelpContext(button))) << button->objectName().toStdString();
        EXPECT_EQ(bare(owners.at(HelpContext(button))->text()), bare(button->text()))
            << button->objectName().toStdString();
    }
}

// Each dialog's Help has a topic with a section for each control of a context.
TEST_F(HelpTest, EveryDialogControlLeadsToItsTopicAndF1AsksForTheFocusedOneOrTheHighlightedCommand)
{
    ShowList({ { "Haus", "n.", "", "house" } });
    TEveryDialog every(*Form);
    std::vector<QDialog*> windows { Form->Find().SearchDialog() };
    for (const auto& dialog : every.Dialogs)
        windows.push_back(dialog.get());

    TTempDir cache;
    THelpSystem help(HelpFile, QString::fromStdString(cache.Path().string()));
    int controls = 0;
    for (QDialog* dialog : windows) {
        const std::string name = dialog->metaObject()->className();
        std::vector<QWidget*> targets { dialog };
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            if (HelpContext(child) != 0)
                targets.push_back(child);
        }
        for (QWidget* control : targets) {
            BringToFront(control);
            if (!control->isVisibleTo(dialog) && control != dialog)
                continue;
            TRecordHelp record;
            ASSERT_TRUE(RequestDialogHelp(control)) << name;
            ASSERT_EQ(record.Asked.size(), 1u) << name;
            const auto [context, controlContext] = record.Asked[0];
            ASSERT_NE(FindHelpTopic(context), nullptr) << name << " asks for " << context;
            if (controlContext == 0)
                continue;
            ++controls;
            EXPECT_EQ(help.ContextUrl(context, controlContext).fragment(),
                QStringLiteral("c%1").arg(controlContext))
                << name << ": the topic " << context << " has no section for control " << controlContext;
        }
    }
    EXPECT_GT(controls, 80);

    // F1 asks for the focused control, or in a menu for the highlighted command.
    TRecordHelp record;
    Form->Find().Find();
    TSearchDialog* find = Form->Find().SearchDialog();
    ASSERT_TRUE(QTest::qWaitForWindowActive(find));
    find->chbMatchAccents->setFocus();
    QTest::keyClick(find->chbMatchAccents, Qt::Key_F1);
    EXPECT_EQ(record.Asked, (std::vector<TRequest> { { 3020, 1904 } }));
    EXPECT_TRUE(find->isVisible());
    Form->Find().HideSearchDialog();

    record.Asked.clear();
    // The menu the command sits in.
    QMenu* edit = nullptr;
    for (QObject* user : Form->Command("miEditFind")->associatedObjects())
        edit = edit ? edit : qobject_cast<QMenu*>(user);
    ASSERT_NE(edit, nullptr);
    edit->popup(Form->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    edit->setActiveAction(Form->Command("miEditFind"));
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(record.Asked, (std::vector<TRequest> { { 2112, 0 } }));
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(HelpTest, EveryTopicIsAPageAndTheHelpWindowOpensAtTheTopicAndFindsByIndexAndSearch)
{
    TTempDir cache;
    THelpSystem help(HelpFile, QString::fromStdString(cache.Path().string()));
    ASSERT_NE(help.Engine(), nullptr);
    for (const THelpTopic& topic : HelpTopics()) {
        const QUrl url = help.ContextUrl(topic.Context);
        const QByteArray html = help.Engine()->fileData(url.adjusted(QUrl::RemoveFragment));
        EXPECT_TRUE(html.contains("<h1>")) << topic.Context << " " << topic.Page;
        EXPECT_TRUE(!url.hasFragment() || html.contains("id=\"" + url.fragment().toLatin1() + '"'))
            << topic.Page;
    }
    QSignalSpy indexed(help.Engine()->searchEngine(), &QHelpSearchEngine::indexingFinished);
    help.ShowContext(0);
    EXPECT_EQ(help.Window(), nullptr);
    const struct {
        int Context, Control;
        const char* Page;
        const char* Fragment;
        const char* Title;
    } cases[] = {
        { 3020, 1904, "/help/find.html", "c1904", "Find" },
        { 3020, 4242, "/help/find.html", "", "Find" },
        { 2112, 0, "/help/menu-edit.html", "find", "The Edit menu" },
        { 1300, 0, "/help/howto-edit.html", "", "How to edit vocabulary" },
        { 9999, 0, "/help/index.html", "", "Velmoria Help" },
    };
    for (const auto& c : cases) {
        help.ShowContext(c.Context, c.Control);
        ASSERT_NE(help.Window(), nullptr);
        EXPECT_TRUE(help.Window()->isVisible());
        EXPECT_EQ(help.Window()->CurrentPage().path().toStdString(), c.Page) << c.Context;
        EXPECT_EQ(help.Window()->CurrentPage().fragment().toStdString(), c.Fragment) << c.Context;
        EXPECT_EQ(help.Window()->Browser->documentTitle().toStdString(), c.Title) << c.Context;
    }
    THelpWindow& window = *help.Window();
    // Asked before the index is built: answered once it is, not with an empty result.
    window.Search(QStringLiteral("contractions"));
    const auto foundAnswers = [&] {
        for (int i = 0; i < window.lbResults->count(); ++i)
            if (window.lbResults->item(i)->data(Qt::UserRole).toUrl().path()
                == QStringLiteral("/help/answers.html"))
                return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(foundAnswers, 20000));

    ASSERT_TRUE(QTest::qWaitFor([&] { return window.lbIndex->model()->rowCount() > 50; }, 10000));
    window.edtIndex->setText(QStringLiteral("penalty points"));
    QTest::keyClick(window.edtIndex, Qt::Key_Return);
    EXPECT_EQ(window.CurrentPage().path(), QStringLiteral("/help/penalty.html"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !indexed.isEmpty(); }, 20000));
    window.lbResults->clear();
    window.Search(QStringLiteral("contractions"));
    EXPECT_TRUE(QTest::qWaitFor(foundAnswers, 10000));

    help.Close();
    EXPECT_FALSE(window.isVisible());
}

// A language with its own help opens it, with every topic and every control's section the English
// help has; one without opens the English help.
TEST_F(HelpTest, TheWindowsLanguageChoosesItsHelpWithEveryTopicAndSection)
{
    const struct {
        const char* Language;
        const char* File;
        const char* Title;
    } cases[] = { { "de", "velmoria_de.qch", "Velmoria-Hilfe" }, { "fr", "velmoria.qch", "Velmoria Help" } };
    TTempDir cache;
    THelpSystem english(HelpFile, QString::fromStdString(cache.Path().string()));
    ASSERT_NE(english.Engine(), nullptr);
    static const QRegularExpression id(QStringLiteral("id=\"([^\"]+)\""));
    const auto ids = [](THelpSystem& help, const QUrl& url) {
        QStringList found;
        for (const auto& match : id.globalMatch(QString::fromUtf8(help.Engine()->fileData(url))))
            found.push_back(match.captured(1));
        return found;
    };
    for (const auto& c : cases) {
        InstallTranslations(c.Language);
        const QString file = LocalisedPath(HelpFile);
        InstallTranslations("en");
        EXPECT_TRUE(file.endsWith(QLatin1Char('/') + Q(c.File))) << file.toStdString();
        THelpSystem help(file, QString::fromStdString(cache.Path().string()));
        ASSERT_NE(help.Engine(), nullptr) << c.Language;
        for (const THelpTopic& topic : HelpTopics()) {
            const QUrl url = help.ContextUrl(topic.Context).adjusted(QUrl::RemoveFragment);
            EXPECT_EQ(ids(help, url), ids(english, url)) << c.Language << " " << topic.Page;
        }
        help.ShowContext(9999);
        ASSERT_NE(help.Window(), nullptr);
        EXPECT_EQ(help.Window()->Browser->documentTitle(), Q(c.Title)) << c.Language;
    }
}

// Two installed copies share the user's cache: one waits while another writes the register, and only
// a changed help file at the same place retires its old register.
TEST_F(HelpTest, CopiesWaitForEachOtherAndANewerHelpFileRetiresOnlyItsOwnOldRegister)
{
    TTempDir cache, a, b;
    const QString folder = QString::fromStdString(cache.Path().string());
    const QString fileA = QString::fromStdString(a.File("velmoria.qch"));
    const QString fileB = QString::fromStdString(b.File("velmoria.qch"));
    ASSERT_TRUE(QFile::copy(HelpFile, fileA) && QFile::copy(HelpFile, fileB));
    const auto collectionOf = [&](const QString& file) {
        THelpSystem help(file, folder);
        return help.Engine() ? help.Engine()->collectionFile() : QString();
    };
    const QString oldA = collectionOf(fileA);
    const QString otherB = collectionOf(fileB);
    ASSERT_FALSE(oldA.isEmpty());
    ASSERT_NE(oldA, otherB);
    EXPECT_TRUE(QFile::exists(oldA));
    EXPECT_TRUE(QFile::exists(otherB));
    QLockFile writing(otherB + QStringLiteral(".lock"));
    ASSERT_TRUE(writing.tryLock(0));
    std::thread release([&writing] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        writing.unlock();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(collectionOf(fileB), otherB);
    EXPECT_GE(clock.elapsed(), 250);
    release.join();

    QFile changed(fileA);
    ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        changed.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
    changed.close();
    const QString newA = collectionOf(fileA);
    EXPECT_NE(newA, oldA);
    EXPECT_FALSE(QFile::exists(oldA));
    EXPECT_TRUE(QFile::exists(newA));
    EXPECT_TRUE(QFile::exists(otherB));
}

TEST_F(HelpTest, AMissingOrDamagedHelpFileIsReportedOnce)
{
    TTempDir dir;
    WriteBytes(dir.File("damaged.qch"), "not a help file");
    for (const std::string name : { "missing.qch", "damaged.qch" }) {
        ScriptedBoxes().Clear();
        THelpSystem help(QString::fromStdString(dir.File(name)), QString::fromStdString(dir.Path().string()));
        help.ShowContext(3000);
        help.ShowContents();
        help.ShowContext(1300, 1000);
        ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u) << name;
        EXPECT_TRUE(ScriptedBoxes().Shown()[0].Text.contains(QString::fromStdString(dir.File(name)))) << name;
        EXPECT_EQ(ScriptedBoxes().Shown()[0].Icon, QMessageBox::Warning);
        EXPECT_EQ(help.Window(), nullptr);
    }
}

TEST_F(HelpTest, TheTipsDialogShowsTheNextTipAndOpensItsTopicAndSwitchedOffLeavesAReminder)
{
    TTempDir dir;
    WriteBytes(dir.File("three.tip"), "1234\t{\\b Press} F8 to sort.\r\nNo tab: \\i all text\r\n0\tzero\r\n");
    TTipsData data { QString::fromStdString(dir.File("three.tip")), 0, true };
    TRecordHelp record;
    {
        TTipsDialog dialog(Form.get(), data);
        EXPECT_EQ(dialog.reTip->toPlainText(), QStringLiteral("Press F8 to sort."));
        QTextCursor cursor(dialog.reTip->document());
        cursor.setPosition(2);
        EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
        cursor.setPosition(8);
        EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Normal);
        ASSERT_TRUE(dialog.btnDetails->isEnabled());
        QTest::mouseClick(dialog.btnDetails, Qt::LeftButton);
        EXPECT_EQ(record.Asked, (std::vector<TRequest> { { 1234, 0 } }));

        // Which tip comes next is TipFileTest's.
        QTest::mouseClick(dialog.btnNextTip, Qt::LeftButton);
        EXPECT_EQ(dialog.reTip->toPlainText(), QStringLiteral("No tab: all text"));
        EXPECT_FALSE(dialog.btnDetails->isEnabled());
        dialog.chbShowTips->setChecked(false);
        dialog.reject();
    }
    EXPECT_EQ(data.NextTip, 2);
    EXPECT_FALSE(data.ShowTips);
    // Which files hold no tips is TipFileTest's; here the dialog without one.
    data.TipFileName = QString::fromStdString(dir.File("missing.tip"));
    TTipsDialog dialog(Form.get(), data);
    EXPECT_FALSE(dialog.btnNextTip->isEnabled() || dialog.btnDetails->isEnabled());

    // Switched off at start-up, the tips leave a reminder; from the menu none.
    int tipsShown = 0;
    OnDialog<TTipsDialog>(
        [](TTipsDialog& tips) {
            tips.chbShowTips->setChecked(false);
            QTest::mouseClick(tips.btnClose, Qt::LeftButton);
        },
        &tipsShown);
    Form->WindowState().ShowTips = true;
    Form->WindowState().NextTip = 5;
    EXPECT_EQ(Form->StartUp({}), std::nullopt);
    EXPECT_EQ(tipsShown, 1);
    ASSERT_EQ(ScriptedBoxes().Shown().size(), 1u);
    EXPECT_EQ(ScriptedBoxes().Shown()[0].Text, Q("Tip of the Day can be turned on again via the Help menu."));
    EXPECT_EQ(ScriptedBoxes().Shown()[0].Icon, QMessageBox::Information);
    EXPECT_FALSE(Form->WindowState().ShowTips);

    ScriptedBoxes().Clear();
    EXPECT_EQ(Form->StartUp({}), std::nullopt);
    EXPECT_EQ(tipsShown, 1);

    Form->Command("miHelpTips")->trigger();
    EXPECT_EQ(tipsShown, 2);
    EXPECT_TRUE(ScriptedBoxes().Shown().empty());
}

class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<QString> Opened;
public slots:
    void Open(const QUrl& url) { Opened.push_back(url.toString()); }
};

TEST_F(HelpTest, TheAboutBoxAndTheWebCommandsOpenTheirAddresses)
{
    TUrlRecorder recorder;
    for (const char* scheme : { "https", "mailto" })
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "Open");
    {
        TAboutDialog dialog(Form.get());
        EXPECT_TRUE(
            dialog.lblVersion->text().endsWith(QString::fromStdString(FourPartVersion(VELMORIA_VERSION))));
        dialog.lblHomePageClick();
        dialog.lblMailClick();
        QTest::mouseClick(dialog.btnDonate, Qt::LeftButton);
    }
    Form->Command("miHelpHomePage")->trigger();
    Form->Command("miHelpExchangePage")->trigger();
    Form->Command("miHelpDonate")->trigger();
    for (const char* scheme : { "https", "mailto" })
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    EXPECT_EQ(recorder.Opened.size(), 6u);
}

#include "HelpTest.moc"
