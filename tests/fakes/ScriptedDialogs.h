#pragma once
// Scripted stand-ins for what the window asks the user. A test program installs them for its
// whole run (UseScriptedDialogs), so no test blocks on a modal box or dialog, and reads back what
// would have been shown; the shipped program contains none of them.

#include "qtsupport/DialogRunner.h"
#include "qtsupport/FileDialogs.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/QtPrinter.h"

#include <deque>
#include <functional>
#include <vector>

// No box is shown: the next queued answer is returned (else the default button, else the first of
// the buttons), and the box is recorded.
class TScriptedMessageBoxes : public IMessageBoxes {
public:
    QMessageBox::StandardButton Show(const TMessage& message) override;
    void QueueAnswer(QMessageBox::StandardButton answer) { Answers_.push_back(answer); }
    const std::vector<TMessage>& Shown() const { return Shown_; }
    void Clear();
    // Also writes the text of each box to standard error (for tests that run the program itself).
    bool Echo = false;

private:
    std::deque<QMessageBox::StandardButton> Answers_;
    std::vector<TMessage> Shown_;
};

// The next queued choice is returned (nullopt = cancelled); with none queued the dialog counts as
// cancelled. A chosen name without an extension gets the chosen filter's suffix, as the save
// dialog adds it. Every request is recorded.
class TScriptedFileDialogs : public IFileDialogs {
public:
    std::optional<TChosenFile> ChooseOpen(QWidget* parent, const TFileDialogRequest& request) override;
    std::optional<TChosenFile> ChooseSave(QWidget* parent, const TFileDialogRequest& request) override;
    void QueueChoice(std::optional<TChosenFile> choice);
    const std::vector<TFileDialogRequest>& Requests() const { return Requests_; }
    QStringList Asked() const; // the titles of the requests
    int LastFilterIndex() const; // the filter index the last dialog was opened with
    void Clear();

private:
    // A cancelled choice is kept as a flag; optionals in a queue upset the optimiser's warnings.
    struct TQueuedChoice {
        bool Cancelled = true;
        TChosenFile File;
    };
    std::deque<TQueuedChoice> Choices_;
    std::vector<TFileDialogRequest> Requests_;
};

// While a filler is set it is installed and answers every dialog (already built and framed) with
// its result; without one dialogs run for real.
class TScriptedDialogRunner : public IDialogRunner {
public:
    void Set(std::function<int(QDialog&)> fill);
    int Run(QDialog& dialog) override { return Fill_(dialog); }

private:
    std::function<int(QDialog&)> Fill_;
};

// A print job's progress that cancels from the given step on (never when negative).
class TScriptedPrintProgress : public IPrintProgress {
public:
    explicit TScriptedPrintProgress(int cancelAt = -1)
        : CancelAt_(cancelAt)
    {
    }
    bool Step(double share) override;
    void EndCancelling() override { CancellingEnded = true; }

    std::vector<double> Steps;
    bool CancellingEnded = false;

private:
    int CancelAt_;
};

// The ones of the test program.
TScriptedMessageBoxes& ScriptedBoxes();
TScriptedFileDialogs& ScriptedFiles();
TScriptedDialogRunner& ScriptedRunner();
// Installs the scripted boxes and file dialogs for the rest of the run.
void UseScriptedDialogs();
// Forgets what was queued and shown; dialogs run for real again.
void ClearScripted();
