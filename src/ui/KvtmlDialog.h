#pragma once
// The choices of a KVTML import: which of the file's languages become the word/phrase and the
// translations, and whether its grades become answers in the review history.

#include "exchange/Kvtml.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

class TKvtmlDialog : public QDialog {
    Q_OBJECT
public:
    // The file (kept by the caller) is shown; the choice changes only on OK.
    TKvtmlDialog(QWidget* parent, const TKvtmlFile& file, TKvtmlChoice& choice);

    QListWidget* lbLanguages = nullptr;
    QComboBox* cbWord = nullptr;
    QComboBox* cbTranslations = nullptr;
    QComboBox* cbGrades = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();

private:
    const TKvtmlFile& File_;
    TKvtmlChoice& Choice_;
};
