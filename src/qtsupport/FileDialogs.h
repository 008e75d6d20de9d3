#pragma once
// The open and save dialogs, asked through the installed IFileDialogs: Qt's unless a test program
// has installed scripted ones.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

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

// A filter entry "Velmoria Files (*.vmr)": the type's name in the window's language, its patterns
// as they are.
QString FileFilter(const QString& name, const char* patterns);

// What a dialog is asked to show. filters are FileFilter entries.
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

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The result is nullopt when cancelled.
    virtual std::optional<TChosenFile> ChooseOpen(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual std::optional<TChosenFile> ChooseSave(QWidget* parent, const TFileDialogRequest& request) = 0;
};

// Installs dialogs (kept by the caller) for every file the program asks for; nullptr goes back to
// Qt's.
void UseFileDialogs(IFileDialogs* dialogs);

std::optional<TChosenFile> ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request);
std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request);
// Sets up a save dialog for the request; apart so the suffix following the type can be tested.
void PrepareSaveDialog(QFileDialog& dialog, const TFileDialogRequest& request);
// The extension a save dialog adds for the filter at filterIndex (1-based); empty when none.
QString SaveSuffix(const TFileDialogRequest& request, int filterIndex);
