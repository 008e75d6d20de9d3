#pragma once
// Help requests by context number. The dialogs ask; whoever shows help installs the handler,
// so a dialog needs nothing of the help window.

#include <functional>

class QDialog;
class QHBoxLayout;
class QObject;
class QPushButton;
class QWidget;

using THelpHandler = std::function<void(int context)>;

// The help contexts of the buttons at the foot of a dialog.
enum TDialogButtonContext : int {
    hcOK = 1000,
    hcCancel = 1001,
    hcHelp = 1002,
};

// Replaces the handler; an empty one ignores requests. Returns the previous handler.
THelpHandler SetHelpHandler(THelpHandler handler);
void RequestHelp(int context);
// The help context of a control or a menu command, for help on the focused control.
void SetHelpContext(QObject* object, int context);
int HelpContext(const QObject* object);

// Help on the focused control of a dialog (F1): presses the dialog's Help button, which asks for
// the dialog's topic, while RequestedControlContext() names the control (or the nearest parent
// that has a context). False when the window has no enabled Help button.
bool RequestDialogHelp(QWidget* focus);
// The control's context during RequestDialogHelp; 0 at any other time.
int RequestedControlContext();

// The row at the foot of a dialog: OK (default; its handler is the dialog's), Cancel (rejects)
// and Help (runs onHelp), right-aligned, with their help contexts.
struct TDialogButtons {
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Help = nullptr;
    QHBoxLayout* Row = nullptr;
};
TDialogButtons MakeDialogButtons(QDialog* dialog, std::function<void()> onHelp, int okContext = 1000,
    int cancelContext = 1001, int helpContext = 1002);
