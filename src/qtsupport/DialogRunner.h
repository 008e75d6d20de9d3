#pragma once
// Runs a modal dialog through the installed IDialogRunner: a modal loop unless a test program has
// installed one that fills the dialog and answers it.

class QDialog;
class QWidget;

class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;
    // Gets the dialog already built and framed; returns its result.
    virtual int Run(QDialog& dialog) = 0;
};

// Installs runner (kept by the caller) for every dialog ExecDialog runs; nullptr goes back to Qt's.
void UseDialogRunner(IDialogRunner* runner);

int ExecDialog(QDialog& dialog);

// The frame of every modal dialog and message box: title, system menu and close button, never a
// minimise or maximise button. ExecDialog applies it; dialogs run otherwise call it themselves.
void SetModalFrame(QWidget& dialog);
