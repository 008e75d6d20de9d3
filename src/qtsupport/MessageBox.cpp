#include "app/MessageBox.h"

#include "app/DialogRunner.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <deque>

namespace {
bool HookEnabled = false;
bool Echo = false;
std::deque<QMessageBox::StandardButton> Answers;
std::vector<MessageBoxHook::TShown> ShownBoxes;

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons)
{
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::Ok;
}
} // namespace

QMessageBox::StandardButton ShowMessageBox(const QString& text, const QString& caption,
    QMessageBox::StandardButtons buttons, QMessageBox::Icon icon, QMessageBox::StandardButton defaultButton)
{
    const QString title = caption.isEmpty() ? QStringLiteral("Velmoria") : caption;
    if (HookEnabled) {
        ShownBoxes.push_back({ text, title, buttons, icon });
        if (Echo) {
            std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
            std::fflush(stderr);
        }
        if (!Answers.empty()) {
            const auto answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        return defaultButton != QMessageBox::NoButton ? defaultButton : FirstButton(buttons);
    }
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    SetModalFrame(box);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

namespace MessageBoxHook {
void Enable(bool on)
{
    HookEnabled = on;
}
bool Enabled()
{
    return HookEnabled;
}
void QueueAnswer(QMessageBox::StandardButton answer)
{
    Answers.push_back(answer);
}
const std::vector<TShown>& Shown()
{
    return ShownBoxes;
}
void Clear()
{
    Answers.clear();
    ShownBoxes.clear();
}
void EchoToStandardError(bool on)
{
    Echo = on;
}
} // namespace MessageBoxHook
