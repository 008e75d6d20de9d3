#include "app/DialogRunner.h"

#include <QDialog>

namespace {
std::function<int(QDialog&)>& Hook()
{
    static std::function<int(QDialog&)> hook;
    return hook;
}
} // namespace

void SetModalFrame(QWidget& dialog)
{
    // CustomizeWindowHint: the platform adds no buttons of its own choice to these.
    const Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog.windowFlags() != flags)
        dialog.setWindowFlags(flags);
}

int ExecDialog(QDialog& dialog)
{
    SetModalFrame(dialog);
    if (Hook())
        return Hook()(dialog);
    // Modal to its own windows only, so the help window it opens can still be read and used.
    if (dialog.parentWidget())
        dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

namespace DialogHook {
void Set(std::function<int(QDialog&)> hook)
{
    Hook() = std::move(hook);
}
} // namespace DialogHook
