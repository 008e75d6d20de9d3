#include "ui/LongTask.h"

#include "core/FreedMemory.h"
#include "core/ProgressTiming.h"
#include "core/SafeSave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <functional>
#include <thread>

TWaitCursor::TWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
TWaitCursor::~TWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

namespace {

// A window manager gives the activation back to the window under a dialog that goes; without one
// (offscreen, a bare X server) no window would be active and the window's shortcuts would go
// nowhere. Only a dialog still active hands it on: the user may have gone elsewhere meanwhile.
void CloseProgress(QProgressDialog* progress)
{
    const bool active = progress->isActiveWindow();
    progress->hide();
    if (active && progress->parentWidget())
        progress->parentWidget()->window()->activateWindow();
    progress->deleteLater();
}

} // namespace

void RunLongTask(QWidget* parent, const QString& label, const std::function<void()>& work)
{
    TWaitCursor wait;
    std::atomic<bool> done { false };
    std::exception_ptr error;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
        ReturnFreedMemory();
        done = true;
        // The loop ends the moment the work does: a small file opened at start-up must not wait
        // for the next poll. Posted, so a loop not yet running ends as soon as it runs.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    QTimer poll;
    QElapsedTimer elapsed;
    elapsed.start();
    const TProgressTiming timing;
    QProgressDialog* progress = nullptr;
    qint64 shownAt = -1;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done) {
            loop.quit();
            return;
        }
        if (ShowProgressNow(timing, elapsed.elapsed(), progress != nullptr)) {
            progress = new QProgressDialog(label, QString(), 0, 0, parent);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
            progress->setCancelButton(nullptr);
            progress->show();
            shownAt = elapsed.elapsed();
        }
    });
    poll.start(15);
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    // A dialog that just went up stays a little while it can be read; the caller's result is
    // shown meanwhile behind it.
    const qint64 keep = ProgressKeepMs(timing, elapsed.elapsed(), shownAt);
    if (progress && keep > 0)
        QTimer::singleShot(keep, progress, [progress] { CloseProgress(progress); });
    else if (progress)
        CloseProgress(progress);
    if (error)
        std::rethrow_exception(error);
}

std::unique_ptr<TVocabFile> LoadDocumentInBackground(
    QWidget* parent, const QString& label, const std::string& fileName, TFileStamp* stamp)
{
    auto document = std::make_unique<TVocabFile>();
    TVocabFile* loading = document.get();
    RunLongTask(parent, label, [loading, fileName, stamp] { loading->LoadFromFile(fileName, stamp); });
    return document;
}

void WriteFileInBackground(QWidget* parent, const QString& label, std::string fileName, std::string bytes)
{
    RunLongTask(parent, label,
        [fileName = std::move(fileName), bytes = std::move(bytes)] { SafeWriteFile(fileName, bytes); });
}
