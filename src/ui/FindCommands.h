#pragma once
// The Edit menu's Sort, Find and Find Next, the Sort button, and the find dialog they share.

#include "core/VocabFile.h"

#include <QCoreApplication>
#include <QObject>

class TMainForm;
class TSession;
class TSearchDialog;

class TFindCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TFindCommands)

public:
    explicit TFindCommands(TMainForm& form);

    // Made at its first use: start-up has no need of it.
    TSearchDialog* SearchDialog();
    // The dialog when it was made, else nullptr.
    TSearchDialog* MadeSearchDialog() const { return SearchDialog_; }
    TSearchParams& SearchParams() { return SearchParams_; }
    int SortField() const { return SortField_; }
    // Hides the find dialog (a test is starting).
    void HideSearchDialog();

    void Sort();
    void SortAtOnce();
    void Find();
    void FindNext();

private:
    void SortDocument();
    void MoveSearchDialogOffRow(int row);

    TMainForm& Form_;
    TSession& Session_;
    TSearchParams SearchParams_;
    TSearchDialog* SearchDialog_ = nullptr;
    int SortField_ = 0;
};
