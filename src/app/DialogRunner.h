#pragma once
// Runs a modal dialog. Tests install a hook that fills the dialog and answers it instead of
// entering a modal loop.

#include <functional>

class QDialog;

int ExecDialog(QDialog& dialog);

namespace DialogHook {
// The hook gets the dialog (already built) and returns its result; nullptr removes it.
void Set(std::function<int(QDialog&)> hook);
} // namespace DialogHook
