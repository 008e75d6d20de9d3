#pragma once
// The field-selection dialog of a text import: format, first line, and which fields the columns
// hold in which order, with the first lines shown as they will be read.

#include "core/VocabFile.h"
#include "exchange/ImportRules.h"

#include <QDialog>
#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

class TConvertDialog : public QDialog {
    Q_OBJECT
public:
    // The file's bytes, kept by the caller, are shown and judged; the settings change only on OK.
    // The preview reads the texts in the languages of the document.
    TConvertDialog(
        QWidget* parent, TImportSettings& settings, std::string_view bytes, const TVocabFile& document);

    QComboBox* cbFormat = nullptr;
    QLineEdit* edtStartFrom = nullptr;
    QListWidget* lbAvailable = nullptr;
    QListWidget* lbSelected = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;
    QTableWidget* tblPreview = nullptr;

    void btnAddClick();
    void btnRemoveClick();
    void btnOKClick();

private:
    void FillLists();
    void UpdatePreview();
    bool eventFilter(QObject* watched, QEvent* event) override;

    TImportSettings& Settings_;
    const TVocabFile& Document_;
    TFieldLists Lists_;
    std::string_view Bytes_; // the whole file
};
