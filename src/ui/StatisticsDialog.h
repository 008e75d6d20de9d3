#pragma once
// The statistics of the open list, and the one place to reset its test data. The dialog is
// accepted only by OK with "Reset statistics" ticked, so Accepted means "reset".

#include "core/VocabFile.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

class TStatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // The figures are read from the document now; the dialog does not keep it.
    TStatisticsDialog(QWidget* parent, const TVocabFile& document);

    QTabWidget* pcStatistics = nullptr;
    QWidget* tsProgress = nullptr;
    QWidget* tsSuccessRate = nullptr;
    QLabel* stLearnt = nullptr;
    QLabel* stWords = nullptr;
    QLabel* stProgress = nullptr;
    QProgressBar* pbrProgress = nullptr;
    QLabel* stSuccesses = nullptr;
    QLabel* stAttempts = nullptr;
    QLabel* stSuccessRate = nullptr;
    QCheckBox* chbReset = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

private:
    void btnOKClick();
};
