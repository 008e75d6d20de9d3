#include "app/Application.h"

#include "core/CommandLine.h"
#include "core/FreedMemory.h"
#include "core/Random.h"
#include "qtsupport/ColourTheme.h"
#include "qtsupport/QtSettingsStore.h"
#include "qtsupport/QuitSignals.h"
#include "qtsupport/Translations.h"
#include "qtsupport/WindowStyle.h"
#include "settings/Session.h"
#include "settings/UiLanguage.h"
#include "ui/MainWindow.h"
#include "ui/Speaker.h"
#include "ui/SpeechFeature.h"

#include <QDir>
#include <QIcon>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <fontconfig/fontconfig.h>
#include <thread>

namespace {

class TFirstPaintWatch : public QObject {
public:
    TFirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window)
        , Window_(window)
        , Work_(std::move(work))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window itself may be all covered by its children: any of them painting counts.
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &Window_) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, &Window_, std::move(Work_));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& Window_;
    std::function<void()> Work_;
};

} // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> work)
{
    new TFirstPaintWatch(window, std::move(work));
}

std::unique_ptr<QLockFile> TakeProcessLock()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/Velmoria.lock"));
    lock->setStaleLockTime(0);
    // Another copy may hold it: that copy keeps it, and this one runs on all the same.
    (void)lock->tryLock(0);
    return lock;
}

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Brannock"));
    setApplicationName(QStringLiteral("Velmoria"));
    setApplicationVersion(QStringLiteral(VELMORIA_VERSION));
    UseWindowStyle();
    SeedRandomFromClock();
    Lock_ = TakeProcessLock();
}

TApplication::~TApplication() = default;

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(error);
    } catch (...) {
        ReportException(std::runtime_error(
            QCoreApplication::translate("TApplication", "An unexpected error occurred.").toStdString()));
    }
    return false;
}

int RunProgram(int argc, char** argv, const std::function<void(TMainForm&)>& prepare)
{
    // Reading the desktop's font configuration is a fifth of the start-up and needs nothing of Qt:
    // a second processor reads it while the first connects to the display. Qt's own call finds
    // it read (or, on one processor, reads it as it always did).
    std::thread fontConfiguration([] { FcInit(); });
    MapLargeBlocksApart();
    TApplication app(argc, argv);
    Q_INIT_RESOURCE(velmoria);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    TSession session; // the document and the settings of this run
    auto store = std::make_unique<TQtSettingsStore>();
    // Every text of the window is made in its language: set before the window is.
    InstallTranslations(ChooseUiLanguage(store->ReadString(UiLanguageKey).value_or(""), DesktopLanguages()));
    // The palette too, so the first picture is already light or dark.
    AppColourTheme().Apply(ThemeChoiceFrom(store->ReadInteger(ThemeKey).value_or(0)));
    // The window's settings look its font up first: waiting is shorter than reading it again.
    fontConfiguration.join();
    TMainForm form(session, std::move(store));
    // Looking the icon up in the desktop's theme takes a tenth of the start-up, and the speech
    // service started beside the window takes a processor from its first paint: both come after.
    AfterFirstPaint(form, [&app, &form, &session] {
        app.setWindowIcon(
            QIcon::fromTheme(QStringLiteral("velmoria"), QIcon(QStringLiteral(":/velmoria/velmoria.svg"))));
        // The service takes seconds to list its voices: it is reached in the background from the
        // start, so the first Speak is heard at once.
        if (session.Settings.Speech.Enabled)
            form.Speech().Speaker().Connect();
    });
    if (prepare)
        prepare(form);
    const TQuitSignals quitSignals([&form](int number) { form.EndBySignal(number); });
    if (const auto status = form.StartUp(ParseCommandLine(args)))
        return *status;
    // A signal during the start-up ended its dialogs; the event loop would run on regardless.
    if (const auto status = form.EndedBySignal())
        return *status;
    return app.exec();
}
