#include "app/FileDialogs.h"

#include "app/DialogRunner.h"

#include <QFileDialog>
#include <QFileInfo>
#include <deque>
#include <dirent.h>
#include <unistd.h>

std::string LocalFileName(const QString& name)
{
    std::string local = QFile::encodeName(name).toStdString();
    if (!name.contains(QChar::ReplacementCharacter) || ::access(local.c_str(), F_OK) == 0)
        return local;
    const QFileInfo info(name);
    const std::string folder = info.path() == name ? local : LocalFileName(info.path());
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return local;
    std::string found;
    int matches = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == info.fileName()) {
            found = entry->d_name;
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? (folder == "/" ? folder : folder + "/") + found : local;
}

QString ShownFileName(const std::string& name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

namespace {
bool HookEnabled = false;
// A cancelled choice is kept as a flag; optionals in a queue upset the optimiser's warnings.
struct TQueuedChoice {
    bool Cancelled = true;
    TChosenFile File;
};
std::deque<TQueuedChoice> Choices;
std::vector<TFileDialogRequest> AskedRequests;

QString SuffixFor(const TFileDialogRequest& request, int filterIndex)
{
    return filterIndex >= 1 && filterIndex <= request.Suffixes.size() ? request.Suffixes[filterIndex - 1]
                                                                      : QString();
}

std::optional<TChosenFile> FromHook(const TFileDialogRequest& request)
{
    AskedRequests.push_back(request);
    if (Choices.empty())
        return std::nullopt;
    const TQueuedChoice choice = Choices.front();
    Choices.pop_front();
    if (choice.Cancelled)
        return std::nullopt;
    TChosenFile file = choice.File;
    const QString suffix = SuffixFor(request, file.FilterIndex);
    // The rule of QFileDialog: only a name without any dot gets the suffix.
    if (!suffix.isEmpty() && !QFileInfo(file.FileName).fileName().contains(QLatin1Char('.')))
        file.FileName += QLatin1Char('.') + suffix;
    return file;
}

std::optional<TChosenFile> RunDialog(QFileDialog& dialog, const TFileDialogRequest& request)
{
    SetModalFrame(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return TChosenFile { dialog.selectedFiles().front(),
        static_cast<int>(request.Filters.indexOf(dialog.selectedNameFilter())) + 1 };
}

void SetFilters(QFileDialog& dialog, const TFileDialogRequest& request)
{
    dialog.setNameFilters(request.Filters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= request.Filters.size())
        dialog.selectNameFilter(request.Filters[request.FilterIndex - 1]);
}
} // namespace

std::optional<TChosenFile> ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request)
{
    if (HookEnabled)
        return FromHook(request);
    QFileDialog dialog(parent, request.Title, request.Folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SetFilters(dialog, request);
    if (!request.ProposedName.isEmpty())
        dialog.selectFile(request.ProposedName);
    return RunDialog(dialog, request);
}

void PrepareSaveDialog(QFileDialog& dialog, const TFileDialogRequest& request)
{
    dialog.setWindowTitle(request.Title);
    dialog.setDirectory(request.Folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    SetFilters(dialog, request);
    dialog.setDefaultSuffix(SuffixFor(request, request.FilterIndex));
    // Without this a name typed for a web page would still get the list's extension.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, request](const QString& filter) {
            dialog.setDefaultSuffix(
                SuffixFor(request, static_cast<int>(request.Filters.indexOf(filter)) + 1));
        });
    if (!request.ProposedName.isEmpty())
        dialog.selectFile(request.ProposedName);
}

std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request)
{
    if (HookEnabled)
        return FromHook(request);
    QFileDialog dialog(parent);
    PrepareSaveDialog(dialog, request);
    return RunDialog(dialog, request);
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
const std::vector<TFileDialogRequest>& Requests()
{
    return AskedRequests;
}
int LastFilterIndex()
{
    return AskedRequests.empty() ? 0 : AskedRequests.back().FilterIndex;
}

QStringList Asked()
{
    QStringList titles;
    for (const auto& request : AskedRequests)
        titles.push_back(request.Title);
    return titles;
}
void Clear()
{
    Choices.clear();
    AskedRequests.clear();
}
} // namespace FileDialogHook
