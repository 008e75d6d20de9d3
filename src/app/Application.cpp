#include "app/Application.h"

#include "core/Random.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

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
        ReportException(std::runtime_error("An unexpected error occurred."));
    }
    return false;
}
