#include "app/Application.h"
#include "app/QuitSignals.h"
#include "core/CommandLine.h"
#include "settings/QtSettingsStore.h"
#include "settings/Session.h"
#include "ui/MainWindow.h"
#include "ui/Speaker.h"
#ifdef VELMORIA_TEST_DRIVE
#include "drive/TestDrive.h"
#endif

#include <QFile>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    Q_INIT_RESOURCE(velmoria);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    TSession session; // the document and the settings of this run
    TMainForm form(session, std::make_unique<TQtSettingsStore>());
    // Looking the icon up in the desktop's theme takes a tenth of the start-up, and the speech
    // service started beside the window takes a processor from its first paint: both come after.
    AfterFirstPaint(form, [&app, &form, &session] {
        app.setWindowIcon(
            QIcon::fromTheme(QStringLiteral("velmoria"), QIcon(QStringLiteral(":/velmoria/velmoria.svg"))));
        // The service takes seconds to list its voices: it is reached in the background from the
        // start, so the first Speak is heard at once.
        if (session.Settings.Speech.Enabled)
            form.Speaker().Connect();
    });
#ifdef VELMORIA_TEST_DRIVE
    StartTestDrive(form); // only in the tests' own build of this program
#endif
    const TQuitSignals quitSignals([&form](int number) { form.EndBySignal(number); });
    if (const auto status = form.StartUp(ParseCommandLine(args)))
        return *status;
    // A signal during the start-up ended its dialogs; the event loop would run on regardless.
    if (const auto status = form.EndedBySignal())
        return *status;
    return app.exec();
}
