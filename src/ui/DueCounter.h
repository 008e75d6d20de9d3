#pragma once
// Counts the cards due today for a list away from the window, so a huge list never holds it up:
// the list's file image and what the count needs are handed to a worker, which reads the list
// again and asks its own connection to the history. Only the latest request's answer is given.

#include "review/ReviewQueue.h"

#include <QFutureWatcher>
#include <QObject>
#include <array>
#include <memory>
#include <optional>
#include <string>

class TVocabFile;

// What a count needs besides the list.
struct TDueQuestion {
    std::string HistoryPath;
    std::uint8_t Direction = 0; // the one shown; both are counted
    TDay Today = 0;
    int NewPerDay = 20;
    TSchedulerParameters Parameters;
};

// The answer of a worker: the counts into the native and into the foreign language, or nothing
// when the list or the history could not be read.
using TDueAnswer = std::optional<std::array<TDueCounts, 2>>;

// "N due · M new": what the status bar and the welcome dialog show of one direction.
QString DueText(const TDueCounts& counts);
// Both directions, a line each, with the cards failed today.
QString DueToolTip(const std::array<TDueCounts, 2>& into);

// The status bar's share: "N% learnt" by the test's statistics, or for a list reviewed over days
// in this direction (reviewed: its counts) "N% mature", the share of its words remembered 21 days
// or more; the test's own figure while a test runs.
struct TSharePanel {
    QString Text, Tip;
};
TSharePanel SharePanel(std::int32_t learnt, std::int32_t items, const std::optional<TDueCounts>& reviewed);

class TDueCounter : public QObject {
    Q_OBJECT
public:
    explicit TDueCounter(QObject* parent);
    ~TDueCounter() override;

    // Counts for the document as it is now. The file image is made here (quick); the rest runs
    // in the worker. A request while one runs replaces any waiting one.
    void CountDocument(const TVocabFile& document, const TDueQuestion& question);
    // Counts for a list file read by the worker.
    void CountFile(const std::string& fileName, const TDueQuestion& question);
    bool Busy() const { return Running_ != nullptr; }
    // Waits for the worker (tests and tools); true when an answer came.
    bool WaitForAnswer(int timeoutMs);

signals:
    void Counted(const TDueAnswer& answer);

private:
    struct TJob {
        std::string Bytes; // the list's file image, or empty to read FileName
        std::string FileName;
        TDueQuestion Question;
    };
    void Start(TJob job);
    void Finished();

    QFutureWatcher<TDueAnswer>* Running_ = nullptr;
    std::optional<TJob> Waiting_;
};
