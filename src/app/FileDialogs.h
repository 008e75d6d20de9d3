#pragma once
// The open and save dialogs, with a hook so tests choose the file instead of a modal dialog.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

struct TChosenFile {
    QString FileName;
    int FilterIndex = 1; // 1-based, as the filter lists count
};

// filters are "Velmoria Files (*.vmr)" style entries; the result is nullopt when cancelled.
std::optional<TChosenFile> ChooseOpenFile(QWidget* parent, const QString& title, const QStringList& filters,
    int filterIndex, const QString& folder);
std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const QString& title, const QStringList& filters,
    int filterIndex, const QString& folder, const QString& proposedName, const QString& defaultSuffix);

namespace FileDialogHook {
// While enabled, the next queued choice is returned (nullopt = cancelled); with none queued the
// dialog counts as cancelled. The titles asked for are recorded.
void Enable(bool on);
bool Enabled();
void QueueChoice(std::optional<TChosenFile> choice);
const QStringList& Asked();
void Clear();
} // namespace FileDialogHook
