// velmoria-fake-portal SCHEME [old] [PROGRAM ARGS...]: the desktop's settings portal as far as
// the window asks it, on the session bus it is started in (dbus-run-session). It answers
// "color-scheme" of "org.freedesktop.appearance" with SCHEME ("old": only Read, as older portals),
// prints "ready" and the bus's address once it owns its name, and then either runs the program to its end or
// reads new values from its input, one a line, and announces each with SettingChanged.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusVariant>
#include <QProcess>
#include <QSocketNotifier>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString SchemeKey = QStringLiteral("color-scheme");

class TFakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint Scheme = 0;
    bool Old = false;

    void Change(uint scheme)
    {
        Scheme = scheme;
        emit SettingChanged(Appearance, SchemeKey, QDBusVariant(QVariant::fromValue(scheme)));
    }

public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key)
    {
        if (Old)
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method"));
        else if (group != Appearance || key != SchemeKey)
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), key);
        return QDBusVariant(QVariant::fromValue(Scheme));
    }
    QDBusVariant Read(const QString& group, const QString& key)
    {
        if (group != Appearance || key != SchemeKey)
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), key);
        return QDBusVariant(QVariant::fromValue(QDBusVariant(QVariant::fromValue(Scheme))));
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return 2;
    TFakePortal portal;
    portal.Scheme = args.takeFirst().toUInt();
    if (!args.isEmpty() && args.first() == QStringLiteral("old")) {
        portal.Old = true;
        args.removeFirst();
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        || !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "cannot serve the portal: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready %s\n", qgetenv("DBUS_SESSION_BUS_ADDRESS").constData());
    std::fflush(stdout);

    QProcess program;
    if (!args.isEmpty()) {
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.setInputChannelMode(QProcess::ForwardedInputChannel);
        QObject::connect(&program, &QProcess::finished, &app, [&app](int code) { app.exit(code); });
        program.start(args.takeFirst(), args);
        if (!program.waitForStarted(5000))
            return 127;
        return app.exec();
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string line;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0)
            return app.quit();
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] != '\n') {
                line += buffer[i];
                continue;
            }
            portal.Change(static_cast<uint>(std::stoul(line)));
            line.clear();
        }
    });
    return app.exec();
}

#include "FakePortal.moc"
