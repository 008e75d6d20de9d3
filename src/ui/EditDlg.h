#pragma once
// The item edit dialog: enters a new item (Add) or changes the current one (Edit).

#include "core/VocabItem.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

class TVocabEdit;
class QLabel;
class QPushButton;

struct TItemEditData {
    bool IsNew = true;
    std::array<std::string, 4> FieldValues; // in: the item's texts; out: the cleaned texts
    std::int32_t SortingPosition = 0;
};

class TEditDialog : public QDialog {
    Q_OBJECT
public:
    // Uses the global document's languages, the global Options and the DisplayFont.
    TEditDialog(QWidget* parent, TItemEditData& data);
    bool DataChanged() const { return DataChanged_; }

    TVocabEdit* edtForeign = nullptr;
    TVocabEdit* edtCategory = nullptr;
    TVocabEdit* edtNotes = nullptr;
    TVocabEdit* edtNative = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

public slots:
    // The OK button: runs the checks and questions in order; closes with OK only when all pass.
    void btnOKClick();

private:
    TItemEditData& Data_;
    bool DataChanged_ = false;
};
