// velmoria-fake-portal SCHEME [old] [PROGRAM ARGS...]: the desktop's settings portal as far as
// the window asks it, on the session bus it is started in (dbus-run-session). It answers
// "color-scheme" with SCHEME ("old": only Read, as older portals do), prints "ready ADDRESS", and
// then runs the program to its end, or else announces each number read from its input a line.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusVariant>
#include <QProcess>
#include <QSocketNotifier>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

class TFakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint Scheme = 0;
    bool Old = false;

public slots:
    QDBusVariant ReadOne(const QString& group, const QString& key)
    {
        if (Old)
            sendErrorReply(QDBusError::UnknownMethod, group);
        return Value(key);
    }
    // Read wraps the value once more.
    QDBusVariant Read(const QString&, const QString& key)
    {
        return QDBusVariant(QVariant::fromValue(Value(key)));
    }

private:
    QDBusVariant Value(const QString& key)
    {
        if (key != QStringLiteral("color-scheme"))
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), key);
        return QDBusVariant(Scheme);
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    TFakePortal portal;
    portal.Scheme = args.value(0).toUInt();
    portal.Old = args.value(1) == QStringLiteral("old");
    args = args.mid(portal.Old ? 2 : 1);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        || !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
        return 1;
    std::printf("ready %s\n", qgetenv("DBUS_SESSION_BUS_ADDRESS").constData());
    std::fflush(stdout);
    QProcess program;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    if (!args.isEmpty()) {
        input.setEnabled(false);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        QObject::connect(&program, &QProcess::finished, &app, [](int code) { QCoreApplication::exit(code); });
        program.start(args.takeFirst(), args);
        if (!program.waitForStarted(5000))
            return 127;
    }
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&portal] {
        char line[32] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0)
            return QCoreApplication::quit();
        portal.Scheme = static_cast<uint>(std::atoi(line));
        emit portal.SettingChanged(QStringLiteral("org.freedesktop.appearance"),
            QStringLiteral("color-scheme"), QDBusVariant(portal.Scheme));
    });
    return app.exec();
}

#include "FakePortal.moc"
