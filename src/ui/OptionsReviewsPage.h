#pragma once
// The Reviews page of the options dialog: how reviews over days are scheduled. It edits a working
// copy; the dialog writes it on OK.

#include "settings/Reminder.h"
#include "settings/Settings.h"

#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;

class TOptionsReviewsPage : public QWidget {
    Q_OBJECT
public:
    TOptionsReviewsPage(
        const TReviewSettings& reviews, const TReminderChoice& reminder, QWidget* parent = nullptr);
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
};
