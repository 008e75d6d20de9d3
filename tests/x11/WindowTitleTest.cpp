// Window titles and frames as the X server holds them, read back with xprop: what a window
// manager shows can differ from windowTitle(), because the platform appends to it.

#include "app/DialogRunner.h"
#include "app/FileDialogs.h"
#include "app/MessageBox.h"
#include "settings/MemoryStore.h"
#include "settings/Session.h"
#include "settings/Settings.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
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

// The title the window manager is given, "" until the window has one.
QString ShownTitle(const QWidget& window)
{
    static const QRegularExpression quoted(QStringLiteral("= \"(.*)\"$"));
    const auto match = quoted.match(Xprop(window, "_NET_WM_NAME"));
    return match.hasMatch() ? match.captured(1) : QString();
}

// The title once the server has it; the request reaches it when the event loop flushes.
QString TitleOnceShown(const QWidget& window, const QString& expected)
{
    QString title;
    (void)QTest::qWaitFor([&] { return (title = ShownTitle(window)) == expected; }, 5000);
    return title;
}

// The Motif hints' decoration word: bit 0x20 a minimise button, 0x40 a maximise button.
unsigned Decorations(const QWidget& window)
{
    const QStringList words
        = Xprop(window, "_MOTIF_WM_HINTS").section(QLatin1Char('='), 1).split(QLatin1Char(','));
    bool ok = false;
    const unsigned value = words.value(2).trimmed().toUInt(&ok, 16);
    return ok ? value : ~0u;
}

constexpr unsigned MinimiseButton = 0x20;
constexpr unsigned MaximiseButton = 0x40;

struct TSeen {
    QString Title;
    unsigned Decorations = 0;
};

TSeen SeeShown(QWidget& window, const QString& expected)
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    TSeen seen;
    seen.Title = TitleOnceShown(window, expected);
    seen.Decorations = Decorations(window);
    return seen;
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
        DialogHook::Set(nullptr);
        Form.reset();
    }
    void Open(const char* name)
    {
        ASSERT_TRUE(Form->OpenFile(Dir.File(name)));
        Form->SetWindowMode(wmEditing);
        Form->UpdateCommandState();
    }

    TTempDir Dir;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(WindowTitleTest, MainWindowShowsTheCurrentListOnly)
{
    EXPECT_EQ(TitleOnceShown(*Form, QStringLiteral("Velmoria")), QStringLiteral("Velmoria"));
    Open("a.vmr");
    EXPECT_EQ(TitleOnceShown(*Form, QStringLiteral("a.vmr - Velmoria")), QStringLiteral("a.vmr - Velmoria"));
    Open("b.vmr");
    EXPECT_EQ(TitleOnceShown(*Form, QStringLiteral("b.vmr - Velmoria")), QStringLiteral("b.vmr - Velmoria"));
}

TEST_F(WindowTitleTest, DialogsCarryTheirOwnTitleAndNoMinimiseOrMaximise)
{
    Open("a.vmr");
    struct TCase {
        const char* Title;
        void (TMainForm::*Command)();
    } cases[] = {
        { "Properties", &TMainForm::miFilePropertiesClick },
        { "Add", &TMainForm::miEditAddClick },
        { "Select Font", &TMainForm::miViewFontClick },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Title);
        TSeen seen;
        bool ran = false;
        DialogHook::Set([&](QDialog& dialog) {
            ran = true;
            seen = SeeShown(dialog, QString::fromUtf8(c.Title));
            dialog.hide();
            return int(QDialog::Rejected);
        });
        (Form.get()->*c.Command)();
        ASSERT_TRUE(ran);
        EXPECT_EQ(seen.Title, QString::fromUtf8(c.Title));
        EXPECT_EQ(seen.Decorations & (MinimiseButton | MaximiseButton), 0u);
    }
}

TEST_F(WindowTitleTest, MessageBoxesAreCaptionedWithTheProductNameAlone)
{
    Open("a.vmr");
    TSeen seen;
    bool closed = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = nullptr;
        if (QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; }, 5000)) {
            seen = SeeShown(*box, QStringLiteral("Velmoria"));
            if (auto* message = qobject_cast<QMessageBox*>(box)) {
                message->done(QMessageBox::Ok);
                closed = true;
            }
        }
    });
    MessageBoxHook::Enable(false);
    ShowMessageBox(QStringLiteral("Test"), QString(), QMessageBox::Ok, QMessageBox::Information);
    MessageBoxHook::Enable(true);
    ASSERT_TRUE(closed);
    EXPECT_EQ(seen.Title, QStringLiteral("Velmoria"));
    EXPECT_EQ(seen.Decorations & (MinimiseButton | MaximiseButton), 0u);
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
    MessageBoxHook::Enable(true);
    FileDialogHook::Enable(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
