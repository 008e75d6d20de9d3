#pragma once
// Runs a modal dialog. Tests install a hook that fills the dialog and answers it instead of
// entering a modal loop.

#include <functional>

class QDialog;
class QWidget;

int ExecDialog(QDialog& dialog);

// The frame of every modal dialog and message box: title, system menu and close button, never a
// minimise or maximise button. ExecDialog applies it; dialogs run otherwise call it themselves.
void SetModalFrame(QWidget& dialog);

namespace DialogHook {
// The hook gets the dialog (already built, framed) and returns its result; nullptr removes it.
void Set(std::function<int(QDialog&)> hook);
} // namespace DialogHook
