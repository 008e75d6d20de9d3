#pragma once
// The item edit dialog: enters a new item (Add) or changes the current one (Edit).

#include "core/EditRules.h"
#include "settings/Session.h"

#include <QDialog>

class TSymbolEdit;
class QLabel;
class QPushButton;

class TEditDialog : public QDialog {
    Q_OBJECT
public:
    // Uses the session's document (languages, duplicates), its options and its display font.
    TEditDialog(QWidget* parent, TItemEditData& data, TSession& session);
    bool DataChanged() const { return DataChanged_; }

    TSymbolEdit* edtForeign = nullptr;
    TSymbolEdit* edtCategory = nullptr;
    TSymbolEdit* edtNotes = nullptr;
    TSymbolEdit* edtNative = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

public slots:
    // The OK button: presents the steps of the model's OK sequence (TEditOk) and forwards the
    // answers; closes with OK only when all checks pass.
    void btnOKClick();

private:
    TSymbolEdit* Box(int field) const;

    TItemEditData& Data_;
    TSession& Session_;
    bool DataChanged_ = false;
};
