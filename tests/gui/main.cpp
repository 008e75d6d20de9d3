// The GUI tests run real widgets on the offscreen platform with a throw-away settings store.

#include "fakes/ScriptedDialogs.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/Translations.h"
#include "qtsupport/WindowStyle.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

int main(int argc, char** argv)
{
    // The window speaks English and shows numbers plainly whatever the machine's language, here
    // and in the programs the tests start.
    setenv("LANGUAGE", "en", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // No test reaches a real print server: printing goes to PDF files and, for real, to a
    // private queue of the integration test.
    setenv("CUPS_SERVER", "/nonexistent/velmoria-tests/cups.sock", 1);
    // Nor the desktop's session bus: its light or dark preference would change the windows.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    // A home of their own: no test sees the developer's settings, data or recovery copies, and
    // the program the tests start sees only this one too.
    std::string home = (std::filesystem::temp_directory_path() / "velmoria-gui-home-XXXXXX").string();
    if (!::mkdtemp(home.data()))
        return 1;
    const std::pair<const char*, const char*> places[]
        = { { "HOME", "" }, { "XDG_CONFIG_HOME", "/.config" }, { "XDG_DATA_HOME", "/.local/share" },
              { "XDG_CACHE_HOME", "/.cache" }, { "XDG_RUNTIME_DIR", "/runtime" } };
    for (const auto& [variable, folder] : places) {
        std::filesystem::create_directories(home + folder);
        ::chmod((home + folder).c_str(), 0700);
        setenv(variable, (home + folder).c_str(), 1);
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brannock"));
    QApplication::setApplicationName(QStringLiteral("Velmoria"));
    InstallTranslations("en");
    UseWindowStyle();
    // No test may block on a modal box or dialog.
    UseScriptedDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
