// Window titles and frames as the X server holds them, read back with xprop: what a window
// manager shows can differ from windowTitle(), because the platform appends to it.

#include "fakes/ScriptedDialogs.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/Translations.h"
#include "settings/MemoryStore.h"
#include "support/TempDir.h"
#include "ui/Features.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const std::string Example = std::string(VELMORIA_SOURCE_DIR) + "/examples/German-English.vmr";

QString Xprop(const QWidget& window, const char* property)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
        { QStringLiteral("-id"), QString::number(window.winId()), QString::fromLatin1(property) });
    if (!xprop.waitForFinished(10000)) {
        xprop.kill();
        xprop.waitForFinished();
        return QStringLiteral("(xprop timed out)");
    }
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

// The title the window manager is given ("" until the window has one) once the server has it; the
// request reaches it when the event loop flushes.
QString TitleOnceShown(const QWidget& window, const QString& expected)
{
    static const QRegularExpression quoted(QStringLiteral("= \"(.*)\"$"));
    QString title;
    (void)QTest::qWaitFor(
        [&] {
            const auto match = quoted.match(Xprop(window, "_NET_WM_NAME"));
            return (title = match.hasMatch() ? match.captured(1) : QString()) == expected;
        },
        5000);
    return title;
}

// Shows the window and reads back its title and whether the Motif hints give it a minimise (0x20)
// or maximise (0x40) button, as "title, buttons" with buttons "none" or the hint word.
QString SeeShown(QWidget& window, const QString& expected)
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString title = TitleOnceShown(window, expected);
    const QStringList words
        = Xprop(window, "_MOTIF_WM_HINTS").section(QLatin1Char('='), 1).split(QLatin1Char(','));
    bool ok = false;
    const unsigned buttons = words.value(2).trimmed().toUInt(&ok, 16) & 0x60;
    return title + (ok && buttons == 0 ? QStringLiteral(", none") : QStringLiteral(", buttons"));
}

class WindowTitleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : { "a.vmr", "b.vmr" })
            std::filesystem::copy_file(Example, Dir.File(name));
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }
    void TearDown() override
    {
        ScriptedRunner().Set(nullptr);
        Form.reset();
    }

    TTempDir Dir;
    std::unique_ptr<TMainForm> Form;
};

// In English and in a translation: the window's language reaches the titles a window manager shows.
TEST_F(WindowTitleTest, MainWindowShowsTheCurrentListOnlyAndDialogsTheirOwnTitle)
{
    const struct {
        const char* Language;
        const char* AfterName;
        std::array<const char*, 3> Dialogs;
    } languages[] = { { "en", " - Velmoria", { "Properties", "Add", "Select Font" } },
        { "de", " – Velmoria", { "Eigenschaften", "Hinzufügen", "Schriftart auswählen" } } };
    for (const auto& language : languages) {
        InstallTranslations(language.Language);
        Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>());
        Form->show();
        EXPECT_EQ(TitleOnceShown(*Form, QStringLiteral("Velmoria")), QStringLiteral("Velmoria"));
        for (const char* name : { "a.vmr", "b.vmr" }) {
            ASSERT_TRUE(Form->File().OpenFile(Dir.File(name)));
            Form->SetWindowMode(wmEditing);
            Form->UpdateCommandState();
            const QString title = QString::fromUtf8(name) + QString::fromUtf8(language.AfterName);
            EXPECT_EQ(TitleOnceShown(*Form, title), title);
        }
        // Dialogs carry their own title and no minimise or maximise button.
        const char* commands[] = { "miFileProperties", "miEditAdd", "miViewFont" };
        for (std::size_t i = 0; i < std::size(commands); ++i) {
            const QString title = QString::fromUtf8(language.Dialogs[i]);
            QString seen;
            ScriptedRunner().Set([&](QDialog& dialog) {
                seen = SeeShown(dialog, title);
                dialog.hide();
                return int(QDialog::Rejected);
            });
            Form->Command(commands[i])->trigger();
            EXPECT_EQ(seen, title + QStringLiteral(", none"));
        }
    }
    InstallTranslations("en");
}

TEST_F(WindowTitleTest, MessageBoxesAreCaptionedWithTheProductNameAlone)
{
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = nullptr;
        if (QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; }, 5000)) {
            seen = SeeShown(*box, QStringLiteral("Velmoria"));
            if (auto* message = qobject_cast<QMessageBox*>(box))
                message->done(QMessageBox::Ok);
        }
    });
    UseMessageBoxes(nullptr);
    ShowMessageBox(QStringLiteral("Test"), QString(), QMessageBox::Ok, QMessageBox::Information);
    UseMessageBoxes(&ScriptedBoxes());
    EXPECT_EQ(seen, QStringLiteral("Velmoria, none"));
}

// On a screen of 1280 pixels and more the first window shows its whole tool bar and its tools'
// longest hint; it is centred, within four fifths of the screen; a later start takes its bounds back.
TEST_F(WindowTitleTest, TheFirstWindowShowsTheWholeToolBarAndALaterStartItsOwnBounds)
{
    const QRect screen = Form->screen()->availableGeometry();
    ASSERT_GE(screen.width(), 1280);
    const QRect first = Form->geometry();
    EXPECT_LE(first.width(), screen.width() * 4 / 5);
    EXPECT_LE((first.center() - screen.center()).manhattanLength(), 2);
    for (QAction* action : Form->ToolBar()->actions()) {
        QWidget* tool = Form->ToolBar()->widgetForAction(action);
        if (action->isSeparator())
            continue;
        EXPECT_TRUE(tool && tool->isVisible()) << action->objectName().toStdString();
        // A hint takes the whole bar: the panels step aside.
        Form->statusBar()->showMessage(action->statusTip());
        EXPECT_FALSE(Form->StatusPanel(6)->isVisible());
        EXPECT_LE(Form->statusBar()->fontMetrics().horizontalAdvance(action->statusTip()),
            Form->statusBar()->width() - 16)
            << action->statusTip().toStdString();
    }
    Form->statusBar()->clearMessage(); // the panels are back
    EXPECT_TRUE(Form->StatusPanel(1)->isVisible());

    auto store = std::make_unique<TMemorySettingsStore>();
    TMemorySettingsStore& kept = *store;
    Form = std::make_unique<TMainForm>(std::move(store));
    const QRect chosen(screen.left() + 30, screen.top() + 40, 700, 500);
    Form->setGeometry(chosen);
    Form->SaveWindowSettings();
    Form = std::make_unique<TMainForm>(std::make_unique<TMemorySettingsStore>(kept));
    EXPECT_EQ(Form->geometry(), chosen);
}

} // namespace

int main(int argc, char** argv)
{
    // This suite is about the X11 platform; the script that runs it starts a private X server.
    if (std::getenv("DISPLAY") == nullptr || *std::getenv("DISPLAY") == '\0') {
        std::fprintf(stderr, "No X display: run this through tests/x11/run-with-xvfb.sh. Skipped.\n");
        return 77;
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brannock"));
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    UseScriptedDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
