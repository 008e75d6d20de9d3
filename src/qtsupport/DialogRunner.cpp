#include "qtsupport/DialogRunner.h"

#include <QDialog>

namespace {

class TQtDialogRunner : public IDialogRunner {
public:
    int Run(QDialog& dialog) override
    {
        // Modal to its own windows only, so the help window it opens can still be read and used.
        if (dialog.parentWidget())
            dialog.setWindowModality(Qt::WindowModal);
        return dialog.exec();
    }
};

IDialogRunner* Installed = nullptr;

} // namespace

void UseDialogRunner(IDialogRunner* runner)
{
    Installed = runner;
}

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
    static TQtDialogRunner qtRunner;
    SetModalFrame(dialog);
    return (Installed ? *Installed : qtRunner).Run(dialog);
}
