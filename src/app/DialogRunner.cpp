#include "app/DialogRunner.h"

#include <QDialog>

namespace {
std::function<int(QDialog&)>& Hook()
{
    static std::function<int(QDialog&)> hook;
    return hook;
}
} // namespace

int ExecDialog(QDialog& dialog)
{
    if (Hook())
        return Hook()(dialog);
    return dialog.exec();
}

namespace DialogHook {
void Set(std::function<int(QDialog&)> hook)
{
    Hook() = std::move(hook);
}
} // namespace DialogHook
