#pragma once
// The learner's progress over days, from the review history: a calendar of the answers of the
// last twelve weeks, the cards due on each of the next 30 days, the share of review answers right
// per week, the words failed most often, how well the schedule predicts recall and the true retention
// per month beside the desired one. It shows the figures it is given, or reads them from the
// history in a worker of its own so that a long history never holds the window up.

#include "review/ReviewProgress.h"

#include <QDialog>
#include <QWidget>
#include <optional>
#include <string>

template <typename T> class QFutureWatcher;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QChartView;

// The calendar of answers: one square per day, a column per week, darker for more answers.
class TAnswerCalendar : public QWidget {
    Q_OBJECT
public:
    TAnswerCalendar(const TReviewProgress& progress, QWidget* parent);
    // The figures have changed: the shades are taken against their busiest day again.
    void Refresh();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The day under a point, nullopt between the squares or beyond today.
    std::optional<TDay> DayAt(QPoint point) const;
    // The shade (0: none, 1 to 4) of a count against the busiest day.
    static int Shade(int count, int busiest);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    static constexpr int Gap = 3;
    QRect Square(int week, int weekday) const;
    int MinimumCell() const;
    // The month whose name heads the week's column: the one that begins in it; 0 for none.
    int MonthStartingIn(int week) const;
    int Count(TDay day) const;

    const TReviewProgress& Progress_;
    int Busiest_ = 0;
    int Cell_ = 14, Left_ = 0, Top_ = 0;
};

// The figures a worker read, or why it could not.
struct TProgressRead {
    std::optional<TReviewProgress> Figures;
    std::string Error;
};

class TProgressDialog : public QDialog {
    Q_OBJECT
public:
    // Shows figures already read.
    TProgressDialog(QWidget* parent, const TReviewProgress& progress);
    // Opens at once with empty pictures and reads the history at historyPath in a worker with its
    // own connection; closing the dialog before it is done leaves the worker's figures unused.
    TProgressDialog(
        QWidget* parent, const std::string& historyPath, TDay today, double desiredRetention = 0.9);
    ~TProgressDialog() override;

    bool Reading() const { return Reading_ != nullptr; }
    // Waits for the worker (tests and tools); true when the pictures show what it read.
    bool WaitForFigures(int timeoutMs);
    const TReviewProgress& Figures() const { return Progress_; }

    QLabel* lblSummary = nullptr;
    QProgressBar* pbReading = nullptr;
    TAnswerCalendar* pbAnswers = nullptr;
    QChartView* chDue = nullptr;
    QChartView* chShare = nullptr;
    QChartView* chCalibration = nullptr;
    QChartView* chRetention = nullptr;
    QTreeWidget* lvFailed = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnHelp = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Build();
    void ShowFigures();
    void ShowCharts();
    void FiguresRead();

    TReviewProgress Progress_;
    QFutureWatcher<TProgressRead>* Reading_ = nullptr;
};
