#pragma once
// The open and save dialogs, with a hook so tests choose the file instead of a modal dialog.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QFileDialog;
class QWidget;

struct TChosenFile {
    QString FileName;
    int FilterIndex = 1; // 1-based, as the filter lists count
};

// A name the window shows or a dialog gave, as the system spells it. A name that is not valid UTF-8
// reaches the window only with U+FFFD in place of its bad bytes; the one existing entry of its
// folder that reads so gives the bytes back.
std::string LocalFileName(const QString& name);
// A name of the system for showing; it cannot come back the same way (see LocalFileName).
QString ShownFileName(const std::string& name);

// What a dialog is asked to show. filters are "Velmoria Files (*.vmr)" style entries.
struct TFileDialogRequest {
    QString Title;
    QStringList Filters;
    int FilterIndex = 1;
    QString Folder;
    QString ProposedName;
    // Save dialogs: the extension added to a name typed without one, per filter; it follows the
    // type as the user changes it.
    QStringList Suffixes;
};

// The result is nullopt when cancelled.
std::optional<TChosenFile> ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request);
std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request);
// Sets up a save dialog for the request; apart so the suffix following the type can be tested.
void PrepareSaveDialog(QFileDialog& dialog, const TFileDialogRequest& request);

namespace FileDialogHook {
// While enabled, the next queued choice is returned (nullopt = cancelled); with none queued the
// dialog counts as cancelled. A chosen name without an extension gets the chosen filter's suffix,
// as the save dialog adds it. Every request is recorded.
void Enable(bool on);
bool Enabled();
void QueueChoice(std::optional<TChosenFile> choice);
const std::vector<TFileDialogRequest>& Requests();
QStringList Asked(); // the titles of the requests
int LastFilterIndex(); // the filter index the last dialog was opened with
void Clear();
} // namespace FileDialogHook
