#pragma once
// Every message box of the program goes through ShowMessageBox. Tests install answers instead of
// showing a modal box, and read back what would have been shown.

#include <QMessageBox>
#include <QString>
#include <vector>

QMessageBox::StandardButton ShowMessageBox(const QString& text, const QString& caption,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

namespace MessageBoxHook {
struct TShown {
    QString Text;
    QString Caption;
    QMessageBox::StandardButtons Buttons;
    QMessageBox::Icon Icon;
};
// While enabled, no box is shown: the next queued answer is returned (or the default button,
// or the first of the buttons), and the box is recorded.
void Enable(bool on);
bool Enabled();
void QueueAnswer(QMessageBox::StandardButton answer);
const std::vector<TShown>& Shown();
void Clear();
// Also writes the text of each box to standard error (for tests that run the program itself).
void EchoToStandardError(bool on);
} // namespace MessageBoxHook
