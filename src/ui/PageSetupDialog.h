#pragma once
// The Page Setup dialog: margins in the locale's unit, columns and separator, with a sketch of
// the page.

#include "printing/PageSetupRules.h"
#include "settings/Settings.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TPageSetupDialog : public QDialog {
    Q_OBJECT
public:
    // OK writes the choices into setup.
    TPageSetupDialog(QWidget* parent, TPageSetup& setup);

    QGroupBox* gbMargins = nullptr;
    QLineEdit* edtLeft = nullptr;
    QLineEdit* edtRight = nullptr;
    QLineEdit* edtTop = nullptr;
    QLineEdit* edtBottom = nullptr;
    QRadioButton* rbOneCol = nullptr;
    QRadioButton* rbTwoCols = nullptr;
    QRadioButton* rbThreeCols = nullptr;
    QCheckBox* chbSeparator = nullptr;
    QWidget* pbPreview = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

    int Columns() const { return Columns_; }
    TMarginUnit Unit() const { return Unit_; }

public slots:
    void ColButtonClick(int tag);
    void chbSeparatorClick();
    void btnOKClick();

private:
    TPageSetup& Setup_;
    int Columns_ = 1;
    TMarginUnit Unit_ = muCentimetres;
};
