#pragma once
// The history shared through a folder (review/HistoryJournal.h), away from the window: at start,
// whenever the window becomes active, every few minutes and a little after answers, a worker with
// its own connection to the history writes this device's answers to its journal and merges the
// other devices'. What it did comes back to the window.

#include "evaluation/Translatable.h"
#include "review/Scheduler.h"

#include <QFutureWatcher>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QTimer;

struct TSharingJob {
    std::string HistoryPath, Folder;
    TSchedulerParameters Parameters;
};

struct TSharingOutcome {
    std::int64_t Merged = 0;
    std::vector<TSaying> Problems; // files left out, new this time
    TSaying Failure; // the folder or the history could not be used
};

// One sharing pass, as the worker runs it.
TSharingOutcome ShareHistory(const TSharingJob& job);

class THistorySharing : public QObject {
    Q_OBJECT
public:
    // job: what a pass needs now; an empty folder shares nothing.
    THistorySharing(QObject* parent, std::function<TSharingJob()> job);
    ~THistorySharing() override;
    // A pass now, or once the one running has finished.
    void ShareNow();
    // A pass a little later: answers come in runs.
    void ShareSoon();
    // At the end: this device's answers not yet written go to its journal before the program ends.
    void Finish();

signals:
    void Shared(const TSharingOutcome& outcome);

private:
    void Done();

    std::function<TSharingJob()> Job_;
    QFutureWatcher<TSharingOutcome>* Running_ = nullptr;
    bool Again_ = false;
    bool Owed_ = false; // answers given since the last pass began
    QTimer* Every_ = nullptr;
    QTimer* Soon_ = nullptr;
};
