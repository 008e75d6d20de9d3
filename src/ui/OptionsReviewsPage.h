#pragma once
// The Reviews page of the options dialog: how reviews over days are scheduled. It edits a working
// copy; the dialog writes it on OK.

#include "settings/Settings.h"

#include <QWidget>

class QDoubleSpinBox;
class QSpinBox;

class TOptionsReviewsPage : public QWidget {
    Q_OBJECT
public:
    explicit TOptionsReviewsPage(const TReviewSettings& reviews, QWidget* parent = nullptr);
    // What the controls hold, in the stored form.
    TReviewSettings Read() const;

    QDoubleSpinBox* sbRetention = nullptr;
    QSpinBox* sbNewPerDay = nullptr;
};
