// The GUI tests run real widgets on the offscreen platform with a throw-away settings store.

#include "app/FileDialogs.h"
#include "app/MessageBox.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr || *std::getenv("QT_QPA_PLATFORM") == '\0')
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // No test reaches a real print server: printing goes to PDF files and, for real, to a
    // private queue of the integration test.
    setenv("CUPS_SERVER", "/nonexistent/velmoria-tests/cups.sock", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brannock"));
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    // No test may block on a modal box or dialog.
    MessageBoxHook::Enable(true);
    FileDialogHook::Enable(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
