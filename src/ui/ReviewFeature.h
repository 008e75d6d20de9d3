#pragma once
// Reviews over days: Review Due Words runs the test panel on the review queue, the status bar
// counts the cards due, and Review Progress shows the history. The history is the learner's,
// shared by every list and every running copy; the list is never modified by it.

#include "core/ChangeNotice.h"
#include "review/ReviewQueue.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QTimer;
class TMainForm;
class TSession;
class THistory;
class TDueCounter;
class THistorySharing;
struct TSharingOutcome;
struct TDueQuestion;
struct TReminderChoice;

class TReviewFeature : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TReviewFeature)

public:
    explicit TReviewFeature(TMainForm& form);
    ~TReviewFeature() override;

    // The learner's review history, opened at its first use; null when it cannot be opened, which
    // the user is told once. Review Due Words and Review Progress are then unavailable.
    THistory* History();
    // Uses the history at path instead of the user's (tests and tools); closes the one open.
    void SetHistoryPath(const std::string& path);
    // The review session, if any (it lives as long as the test panel shows it).
    TReviewQueue* Queue() const { return Queue_.get(); }
    bool Reviewing() const;
    void EndQueue() { Queue_.reset(); }
    // Counts the due cards of the open list in a worker; the status bar shows the answer.
    TDueCounter* DueCounter() const { return DueCounter_; }
    // The history was written besides this window's reviews (another copy of the program, the
    // command line, a tool): the due count is asked again.
    void HistoryChanged();
    // What a due count asks of the history now; nullopt without a history.
    std::optional<TDueQuestion> DueQuestion() const;

    // Review Due Words in the engine's direction, or in BothDirections.
    void Run(std::optional<std::uint8_t> direction);
    void Progress();
    // Esc or the review's command: the review ends with what it did and what is left.
    void Stop();
    // Nothing more is due: says so, and offers the other direction when it still has words due.
    void Finished(const TSaying& closing);
    // The other direction's review the learner accepted at the end of the last one.
    void NextDirection();
    // A review serves one direction: when the test's direction changed, its own queue is made.
    // False when that failed.
    bool FollowDirection();
    // The share panel: the test's own figure, or what the reviews made of the list.
    void ShowShare(std::int32_t learnt);
    // While a review runs, the due panel shows its remaining cards.
    void ShowReviewLeft();
    // Asks the worker for the list's due count, unless the list, the history, the day and the
    // settings are as they were when it was asked last. Changes of the list ask a moment later.
    void AskDue();
    void AskDueSoon();
    // The daily reminder as the options dialog left it: installed, moved or removed, with
    // velmoria-cli beside the program as what it runs. A failure is told.
    void ApplyReminder(const TReminderChoice& before, const TReminderChoice& after);
    // The history shared through the folder of the options, if any, now (the options changed).
    void ShareHistory();

private:
    // A review in one direction (the engine's when none is given) or in BothDirections.
    bool Start(std::optional<std::uint8_t> direction = std::nullopt);
    void UpdateReviewBar();
    void Rate(TRating rating);
    QString LeechToolTip(int row);
    void AnswerNotKept(const QString& message);
    // An answer the history could not keep: told once, the review ends and stays unavailable.
    void Failed(const QString& message);
    // What a due count depends on besides the list.
    std::string DueKey(const TDueQuestion& question) const;
    void Shared(const TSharingOutcome& outcome);

    TMainForm& Form_;
    TSession& Session_;
    std::string HistoryPath_; // empty: THistory::DefaultPath()
    std::unique_ptr<THistory> History_;
    bool HistoryFailed_ = false;
    std::unique_ptr<TReviewQueue> Queue_;
    std::uint8_t Direction_ = 0;
    std::optional<std::uint8_t> PendingReview_;
    // The last due counts of the list, both directions (nothing while none came).
    std::optional<std::array<TDueCounts, 2>> LastDue_;
    TDueCounter* DueCounter_ = nullptr;
    // What the due panel's count was asked for: the list's revision, direction, day and settings.
    std::string DueAsked_;
    // Grows whenever the history may have been written outside this window (HistoryChanged).
    std::uint64_t HistoryChanges_ = 0;
    QTimer* DueTimer_ = nullptr;
    std::unique_ptr<TSubscription> Changes_;
    THistorySharing* Sharing_ = nullptr;
    std::string SharingFailure_; // told once until another comes
};
