#pragma once
// The Print dialog: printer, copies, print font, title, page numbers and the fields printed,
// with a preview of the real pages.

#include "settings/Settings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class TVocabFile;
struct TSettings;

class TPrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The printer is the program's printer object (or the PDF printer standing in for it).
    // OK writes the print options and the print font into settings.
    TPrintOptionsDialog(QWidget* parent, QPrinter& printer, const TVocabFile& document, TSettings& settings);

    QLabel* lblPrinter = nullptr;
    QPushButton* btnSetup = nullptr;
    QLabel* lblFont = nullptr;
    QPushButton* btnFont = nullptr;
    QCheckBox* chbTitle = nullptr;
    QCheckBox* chbPageNumbers = nullptr;
    QLineEdit* edtCopies = nullptr;
    QCheckBox* chbCategory = nullptr;
    QCheckBox* chbNotes = nullptr;
    QCheckBox* chbNative = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

    // The print options as the boxes show them now.
    TPrintOptions ChosenOptions() const;

public slots:
    void btnSetupClick();
    void btnFontClick();
    void btnPreviewClick();
    void btnOKClick();

private:
    void ShowPrinter();
    void ShowFont();

    QPrinter& Printer_;
    const TVocabFile& Document_;
    TSettings& Settings_;
};
