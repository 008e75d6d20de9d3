#include "ui/HistorySharing.h"

#include "core/FreedMemory.h"
#include "review/History.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>

namespace {

constexpr int EveryMs = 5 * 60 * 1000;
constexpr int SoonMs = 20 * 1000;

std::int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

TSharingOutcome ShareHistory(const TSharingJob& job)
{
    TSharingOutcome outcome;
    try {
        THistory history(job.HistoryPath);
        TShareResult result = history.ShareThrough(job.Folder, job.Parameters, NowMs());
        outcome.Merged = result.Merged;
        outcome.Problems = std::move(result.Problems);
    } catch (const std::exception& error) {
        outcome.Failure = SayingOf(error);
    }
    return outcome;
}

THistorySharing::THistorySharing(QObject* parent, std::function<TSharingJob()> job)
    : QObject(parent)
    , Job_(std::move(job))
    , Every_(new QTimer(this))
    , Soon_(new QTimer(this))
{
    Every_->setInterval(EveryMs);
    connect(Every_, &QTimer::timeout, this, &THistorySharing::ShareNow);
    Every_->start();
    Soon_->setSingleShot(true);
    Soon_->setInterval(SoonMs);
    connect(Soon_, &QTimer::timeout, this, &THistorySharing::ShareNow);
}

THistorySharing::~THistorySharing()
{
    if (Running_)
        Running_->waitForFinished();
}

void THistorySharing::ShareNow()
{
    if (Running_) {
        Again_ = true;
        return;
    }
    TSharingJob job = Job_();
    if (job.Folder.empty())
        return;
    Owed_ = false;
    Soon_->stop();
    Running_ = new QFutureWatcher<TSharingOutcome>(this);
    connect(Running_, &QFutureWatcher<TSharingOutcome>::finished, this, &THistorySharing::Done);
    Running_->setFuture(QtConcurrent::run([job = std::move(job)] {
        TSharingOutcome outcome = ShareHistory(job);
        ReturnFreedMemory();
        return outcome;
    }));
}

void THistorySharing::ShareSoon()
{
    Owed_ = true;
    if (!Soon_->isActive())
        Soon_->start();
}

void THistorySharing::Finish()
{
    if (Running_)
        Running_->waitForFinished();
    if (!Owed_)
        return;
    Owed_ = false;
    if (const TSharingJob job = Job_(); !job.Folder.empty())
        ShareHistory(job);
}

void THistorySharing::Done()
{
    QFutureWatcher<TSharingOutcome>* done = Running_;
    Running_ = nullptr;
    const TSharingOutcome outcome = done->result();
    done->deleteLater();
    emit Shared(outcome);
    if (Again_) {
        Again_ = false;
        ShareNow();
    }
}
