#pragma once
// pnlReview, under the test panel's buttons during a review: what is left today, and once a verdict
// is shown the four ratings with the interval each would give, the verdict's own one checked. The
// learner may rate the answer again with them or the keys 1 to 4 as long as the verdict shows.

#include "review/ReviewQueue.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QPushButton;

class TReviewBar : public QWidget {
    Q_OBJECT
public:
    explicit TReviewBar(QWidget* parent);

    // "12 left: 5 due, 3 again, 4 new".
    void ShowLeft(const TDueCounts& left);
    // The ratings for the answer just given (rated is its rating), with the days each one gives;
    // without days (a repeat the same day) the buttons show the ratings alone.
    void ShowRatings(TRating rated, const std::optional<std::array<std::int64_t, 4>>& days);
    void HideRatings();
    bool RatingsShown() const;
    // A key 1 to 4 pressed while the ratings show: true when it rated.
    bool RateKey(int key);

    QLabel* lblReviewLeft = nullptr;
    std::array<QPushButton*, 4> btnRate {};

signals:
    void Rated(TRating rating);
};
