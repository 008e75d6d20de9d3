#pragma once
// Help requests by context number. The dialogs ask; whoever shows help installs the handler,
// so a dialog needs nothing of the help window.

#include <functional>

class QWidget;

using THelpHandler = std::function<void(int context)>;

// Replaces the handler; an empty one ignores requests. Returns the previous handler.
THelpHandler SetHelpHandler(THelpHandler handler);
void RequestHelp(int context);
// The help context of a control, for help on the focused control.
void SetHelpContext(QWidget* widget, int context);
int HelpContext(const QWidget* widget);
