#pragma once
// The modeless find dialog: it lives as long as the main window, keeps its state while hidden and
// stays on top of the main window.

#include "core/VocabFile.h"
#include "settings/Session.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TSymbolEdit;

class TSearchDialog : public QDialog {
    Q_OBJECT
public:
    // findNext runs the main window's Find Next after the dialog stored its state into params.
    TSearchDialog(QWidget* parent, TSession& session, TSearchParams& params, std::function<void()> findNext);
    // Shows it (centred over the main window the first time) with the stored parameters.
    void ShowDialog();
    // The Find box takes the display font; the controls below it and the height follow.
    void LayoutControls();

    QComboBox* cbField = nullptr;
    TSymbolEdit* edtFind = nullptr;
    QComboBox* cbMode = nullptr;
    QCheckBox* chbMatchCase = nullptr;
    QCheckBox* chbMatchAccents = nullptr;
    QCheckBox* chbMatchWord = nullptr;
    QPushButton* btnFind = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cbFieldChange(bool byMouse);
    void UpdateAvailability();
    void btnFindClick();
    void FocusFindBox();

    TSession& Session_;
    TSearchParams& Params_;
    std::function<void()> FindNext_;
    QLabel* lblField = nullptr;
    QLabel* lblFind = nullptr;
    QLabel* lblMode = nullptr;
    int Charset_ = -1;
    bool ShownBefore_ = false;
    bool KeyHeld_ = false;
};
