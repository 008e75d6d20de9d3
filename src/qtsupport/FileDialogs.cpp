#include "qtsupport/FileDialogs.h"

#include "qtsupport/DialogRunner.h"

#include <QFileDialog>
#include <QFileInfo>
#include <dirent.h>
#include <unistd.h>

QString FileFilter(const QString& name, const char* patterns)
{
    return QStringLiteral("%1 (%2)").arg(name, QLatin1String(patterns));
}

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

QString SaveSuffix(const TFileDialogRequest& request, int filterIndex)
{
    return filterIndex >= 1 && filterIndex <= request.Suffixes.size() ? request.Suffixes[filterIndex - 1]
                                                                      : QString();
}

namespace {

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

class TQtFileDialogs : public IFileDialogs {
public:
    std::optional<TChosenFile> ChooseOpen(QWidget* parent, const TFileDialogRequest& request) override;
    std::optional<TChosenFile> ChooseSave(QWidget* parent, const TFileDialogRequest& request) override;
};

IFileDialogs* Installed = nullptr;

IFileDialogs& Dialogs()
{
    static TQtFileDialogs qtDialogs;
    return Installed ? *Installed : qtDialogs;
}

std::optional<TChosenFile> TQtFileDialogs::ChooseOpen(QWidget* parent, const TFileDialogRequest& request)
{
    QFileDialog dialog(parent, request.Title, request.Folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SetFilters(dialog, request);
    if (!request.ProposedName.isEmpty())
        dialog.selectFile(request.ProposedName);
    return RunDialog(dialog, request);
}

std::optional<TChosenFile> TQtFileDialogs::ChooseSave(QWidget* parent, const TFileDialogRequest& request)
{
    QFileDialog dialog(parent);
    PrepareSaveDialog(dialog, request);
    return RunDialog(dialog, request);
}

} // namespace

void UseFileDialogs(IFileDialogs* dialogs)
{
    Installed = dialogs;
}

std::optional<TChosenFile> ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request)
{
    return Dialogs().ChooseOpen(parent, request);
}

std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request)
{
    return Dialogs().ChooseSave(parent, request);
}

void PrepareSaveDialog(QFileDialog& dialog, const TFileDialogRequest& request)
{
    dialog.setWindowTitle(request.Title);
    dialog.setDirectory(request.Folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    SetFilters(dialog, request);
    dialog.setDefaultSuffix(SaveSuffix(request, request.FilterIndex));
    // Without this a name typed for a web page would still get the list's extension.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, request](const QString& filter) {
            dialog.setDefaultSuffix(
                SaveSuffix(request, static_cast<int>(request.Filters.indexOf(filter)) + 1));
        });
    if (!request.ProposedName.isEmpty())
        dialog.selectFile(request.ProposedName);
}
