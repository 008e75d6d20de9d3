// The process lock, long work and the keyboard-layout language of the focused control.

#include "app/Application.h"
#include "settings/Session.h"
#include "settings/Settings.h"
#include "support/TempDir.h"
#include "ui/Keyboard.h"
#include "ui/LongTask.h"
#include "ui/VocabEdit.h"
#include "ui/VocabGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

TEST(ProcessLock, ASecondCopyIsNeverBlocked)
{
    auto first = TakeProcessLock();
    ASSERT_TRUE(first->isLocked());
    // A second holder (as in a second copy of the program) gets no lock but goes on at once.
    auto second = TakeProcessLock();
    EXPECT_FALSE(second->isLocked());
    first.reset();
    auto third = TakeProcessLock();
    EXPECT_TRUE(third->isLocked());
}

TEST(LongTask, LoadsIntoANewDocumentWritesTheGivenImageAndPassesOnTheError)
{
    TTempDir dir;
    const std::string name = dir.File("list.vmr");
    TVocabFile source;
    source.SetForeignLangID(0x0407);
    source.NewItem().SetFieldValues("Hund", "", "", "dog");
    source.Add();
    QWidget window;
    window.show();
    WriteFileInBackground(&window, QStringLiteral("Saving..."), name, source.SaveToBytes());
    const auto loaded = LoadDocumentInBackground(&window, QStringLiteral("Opening..."), name);
    ASSERT_EQ(loaded->Count(), 1);
    EXPECT_EQ(loaded->Items(0).FieldValue(fiNative), "dog");
    EXPECT_EQ(loaded->FileName(), name);
    EXPECT_FALSE(QApplication::overrideCursor());

    EXPECT_THROW(LoadDocumentInBackground(nullptr, QString(), dir.File("missing.vmr")), EFileError);
    EXPECT_THROW(WriteFileInBackground(nullptr, QString(), dir.File("missing/list.vmr"), "x"), EFileError);
    EXPECT_FALSE(QApplication::overrideCursor()) << "the hourglass is restored after an error";
}

// Whether kept up a while after the work or closed at once, the dialog gives the activation back.
TEST(LongTask, TheWindowIsActiveAgainOnceItsProgressDialogGoes)
{
    QWidget window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const int workMs : { 800, 1300 }) {
        RunLongTask(&window, QStringLiteral("Working..."),
            [workMs] { std::this_thread::sleep_for(std::chrono::milliseconds(workMs)); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000)) << workMs;
    }
}

TEST(Keyboard, TheFocusedControlsTagChoosesTheLanguage)
{
    TSession Session;
    Session.Document().SetForeignLangID(0x0419);
    Session.Document().SetNativeLangID(0x0407);
    QWidget window;
    auto* foreign = new TVocabEdit(&window);
    foreign->SetTag(-1);
    auto* native = new TVocabEdit(&window);
    native->SetTag(-2);
    auto* plain = new QLineEdit(&window);
    auto* grid = new TVocabGrid(Session, &window);
    EXPECT_EQ(KeyboardLanguageFor(Session.Document(), foreign), 0x0419);
    EXPECT_EQ(KeyboardLanguageFor(Session.Document(), native), 0x0407);
    EXPECT_EQ(KeyboardLanguageFor(Session.Document(), grid), 0x0419);
    EXPECT_EQ(KeyboardLanguageFor(Session.Document(), plain), 0);
    EXPECT_EQ(KeyboardLanguageFor(Session.Document(), nullptr), 0);

    window.show();
    QApplication::setActiveWindow(&window);
    native->setFocus();
    QApplication::processEvents();
    Session.Settings.Options.KeyboardSwitching = true;
    EXPECT_EQ(SwitchKeyboardLayout(Session, false), 0x0407);
    EXPECT_EQ(SwitchKeyboardLayout(Session, true), 0) << "message boxes use the start-up layout";
    Session.Settings.Options.KeyboardSwitching = false;
    EXPECT_EQ(SwitchKeyboardLayout(Session, false), 0);
}
