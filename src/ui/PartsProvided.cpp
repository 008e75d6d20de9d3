// Makes Review Progress, the help viewer, the sound player, deck packages and KVTML known to the window as
// soon as this code is in the program: at its start where it is linked in, when its module is loaded
// otherwise.

#include "exchange/Kvtml.h"
#include "qtsupport/DialogRunner.h"
#include "ui/HelpWindow.h"
#include "ui/ImportCommands.h"
#include "ui/Parts.h"
#include "ui/ProgressDialog.h"
#include "ui/Sound.h"

namespace {

void ShowReviewProgress(QWidget* parent, const std::string& historyPath, TDay today, double desiredRetention)
{
    TProgressDialog dialog(parent, historyPath, today, desiredRetention);
    ExecDialog(dialog);
}

std::unique_ptr<IHelpSystem> MakeHelpSystem(const QString& helpFile)
{
    return std::make_unique<THelpSystem>(helpFile);
}

[[maybe_unused]] const bool Provided = [] {
    ProvideParts({ ShowReviewProgress, MakeHelpSystem, MakeQtSoundPlayer,
        [](TImportCommands& commands, const QString& shownName, const std::string& fileName) {
            commands.ImportDeckPackage(shownName, fileName);
        },
        [](TImportCommands& commands) { commands.ExportDeckPackage(); },
        [](TImportCommands& commands, const std::string& bytes, TVocabFile& read, const QString& label) {
            commands.ImportKvtml(bytes, read, label);
        },
        ExportKvtmlBytes });
    return true;
}();

} // namespace
