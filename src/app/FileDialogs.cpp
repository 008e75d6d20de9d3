#include "app/FileDialogs.h"

#include <QFileDialog>
#include <deque>

namespace {
bool HookEnabled = false;
// A cancelled choice is kept as a flag; optionals in a queue upset the optimiser's warnings.
struct TQueuedChoice {
    bool Cancelled = true;
    TChosenFile File;
};
std::deque<TQueuedChoice> Choices;
QStringList AskedTitles;

std::optional<TChosenFile> FromHook(const QString& title)
{
    AskedTitles.push_back(title);
    if (Choices.empty())
        return std::nullopt;
    const TQueuedChoice choice = Choices.front();
    Choices.pop_front();
    if (choice.Cancelled)
        return std::nullopt;
    return choice.File;
}

std::optional<TChosenFile> RunDialog(QFileDialog& dialog, const QStringList& filters, int filterIndex)
{
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return TChosenFile { dialog.selectedFiles().front(),
        static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1 };
}
} // namespace

std::optional<TChosenFile> ChooseOpenFile(
    QWidget* parent, const QString& title, const QStringList& filters, int filterIndex, const QString& folder)
{
    if (HookEnabled)
        return FromHook(title);
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunDialog(dialog, filters, filterIndex);
}

std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const QString& title, const QStringList& filters,
    int filterIndex, const QString& folder, const QString& proposedName, const QString& defaultSuffix)
{
    if (HookEnabled)
        return FromHook(title);
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    return RunDialog(dialog, filters, filterIndex);
}

namespace FileDialogHook {
void Enable(bool on)
{
    HookEnabled = on;
}
bool Enabled()
{
    return HookEnabled;
}
void QueueChoice(std::optional<TChosenFile> choice)
{
    TQueuedChoice queued;
    queued.Cancelled = !choice.has_value();
    if (choice)
        queued.File = *choice;
    Choices.push_back(queued);
}
const QStringList& Asked()
{
    return AskedTitles;
}
void Clear()
{
    Choices.clear();
    AskedTitles.clear();
}
} // namespace FileDialogHook
