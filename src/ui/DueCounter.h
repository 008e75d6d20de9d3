#pragma once
// Counts the cards due today for a list away from the window, so a huge list never holds it up:
// a copy of the list's card texts and what the count needs are handed to a worker, which asks its
// own connection to the history. Only the latest request's answer is given.

#include "review/Card.h"
#include "review/ReviewQueue.h"

#include <QFutureWatcher>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class TVocabFile;
class QTimer;

// What a count needs besides the list.
struct TDueQuestion {
    std::string HistoryPath;
    std::uint8_t Direction = 0; // the one shown; both are counted
    TDay Today = 0;
    int NewPerDay = TReviewSettings {}.NewPerDay;
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

    // Counts for the document as it is now and from now on asked through document (the window's
    // may be replaced): what the count needs is copied between events in slices of a few
    // milliseconds, the rest runs in the worker. A newer request replaces any older one.
    void CountDocument(std::function<const TVocabFile&()> document, const TDueQuestion& question);
    // Counts for a list file read by the worker.
    void CountFile(const std::string& fileName, const TDueQuestion& question);
    bool Busy() const { return Running_ != nullptr || Copying_ != nullptr; }
    // The plan of a review in the direction shown, made with the last count of the document, while
    // the document's Revision() is still the one counted and key is the one given then; else none.
    const TReviewPlan* Plan(std::uint64_t revision, const std::string& key) const;
    // Told with CountDocument and kept with its plan: what else the count depended on.
    void SetKey(std::string key) { Key_ = std::move(key); }
    // Waits for the worker (tests and tools); true when a count and its plan came.
    bool WaitForAnswer(int timeoutMs);

    // What opening the history had to say (a journal set aside), told once.
    TSaying TakeNotice() { return std::exchange(Notice_, {}); }

signals:
    // The counts, as soon as they are known.
    void Counted(const TDueAnswer& answer);
    // The plan of the last count is made (after Counted).
    void Planned();
    // A count of the document is under way until its counts are told (true), or no longer (false):
    // background work of the window that can wait gives it both processors meanwhile.
    void Counting(bool counting);

private:
    struct TJob {
        std::shared_ptr<const TCardTextsCopy> Copy; // what the count needs, or none to read FileName
        std::string FileName;
        TDueQuestion Question;
        std::uint64_t Revision = 0; // of the document copied
        std::string Key;
    };
    struct TResult {
        TDueAnswer Answer;
        std::shared_ptr<const TReviewPlan> Plan;
        std::uint64_t Revision = 0;
        std::string Key;
        TSaying Notice;
        bool Final = true; // else the counts alone, ahead of the plan
    };
    void CopySlice();
    void Start(TJob job);
    void Finished();

    QFutureWatcher<TResult>* Running_ = nullptr;
    TResult Last_;
    std::string Key_;
    TSaying Notice_;
    std::optional<TJob> Waiting_;
    // The document's copy being made, between events.
    std::function<const TVocabFile&()> Document_;
    std::shared_ptr<TCardTextsCopy> Copying_;
    TDueQuestion CopyQuestion_;
    QTimer* CopyTimer_ = nullptr;
};
