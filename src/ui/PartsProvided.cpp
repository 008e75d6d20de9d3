// Makes Review Progress, the help viewer and the sound player known to the window as soon as this code is in
// the program: at its start where it is linked in, when its module is loaded otherwise.

#include "qtsupport/DialogRunner.h"
#include "ui/HelpWindow.h"
#include "ui/Parts.h"
#include "ui/ProgressDialog.h"
#include "ui/Sound.h"

namespace {

void ShowReviewProgress(QWidget* parent, const std::string& historyPath, TDay today)
{
    TProgressDialog dialog(parent, historyPath, today);
    ExecDialog(dialog);
}

std::unique_ptr<IHelpSystem> MakeHelpSystem(const QString& helpFile)
{
    return std::make_unique<THelpSystem>(helpFile);
}

[[maybe_unused]] const bool Provided = [] {
    ProvideParts({ ShowReviewProgress, MakeHelpSystem, MakeQtSoundPlayer });
    return true;
}();

} // namespace
