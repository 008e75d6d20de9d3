#pragma once
// The Reviews page of the options dialog: how reviews over days are scheduled. It edits a working
// copy; the dialog writes it on OK.

#include "settings/Reminder.h"
#include "settings/Settings.h"

#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QProgressDialog;
class QPushButton;
template <typename T> class QFutureWatcher;
struct TOptimizeReport;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;

class TOptionsReviewsPage : public QWidget {
    Q_OBJECT
public:
    // listLanguages: the current list's (foreign, native), when there is a list.
    TOptionsReviewsPage(const TReviewSettings& reviews, const TReminderChoice& reminder,
        std::optional<std::pair<std::uint16_t, std::uint16_t>> listLanguages = std::nullopt,
        QWidget* parent = nullptr);
    ~TOptionsReviewsPage() override;
    // What the controls hold, in the stored form: a folder to share through only while the box is
    // ticked.
    TReviewSettings Read() const;
    TReminderChoice ReadReminder() const;

    QDoubleSpinBox* sbRetention = nullptr;
    QSpinBox* sbNewPerDay = nullptr;
    QCheckBox* chbReminder = nullptr;
    QLabel* lblReminderTime = nullptr;
    QTimeEdit* edtReminderTime = nullptr;
    QCheckBox* chbShareHistory = nullptr;
    QLineEdit* edtShareFolder = nullptr;
    QPushButton* btnShareFolder = nullptr;

    // Fitting the scheduler to the learner's history: its figures, offered when they predict the
    // held-out answers better, and the published set back. They change the history at once.
    QPushButton* btnOptimize = nullptr;
    QPushButton* btnUseFitted = nullptr;
    QPushButton* btnResetParameters = nullptr;
    // After a fit to all answers: one to the answers of the current list's languages alone, when they
    // are enough for a set of their own.
    QPushButton* btnOptimizePair = nullptr;
    QLabel* lblParameters = nullptr;
    QLabel* lblFigures = nullptr;
    // The history the page reads and writes (the user's unless a test sets another).
    std::string HistoryPath;
    const std::optional<std::pair<std::uint16_t, std::uint16_t>> ListLanguages;
    // Starts the fit on a worker, with a progress dialog that can stop it.
    void Optimize();
    void OptimizePair();

private:
    struct TFitRun;
    void Fit(bool pair);
    QString PairName() const;
    void ShowParameters();
    void Fitted();
    void UseFitted();
    void ResetParameters();
    std::shared_ptr<TFitRun> Run_;
    QFutureWatcher<void>* Fitting_ = nullptr;
    QProgressDialog* Progress_ = nullptr;
};
