#pragma once
// The Edit menu's commands on items: undo and redo, the clipboard, add, edit, delete, move and
// shuffle.

#include <QCoreApplication>
#include <QObject>

class TMainForm;
class TSession;

class TEditCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TEditCommands)

public:
    explicit TEditCommands(TMainForm& form);

    void Add();
    void EditCurrent();
    void Cut();
    void Copy();
    void Paste();

private:
    // Runs a change of the list and shows it.
    void Change(void (*change)(TSession&));

    TMainForm& Form_;
    TSession& Session_;
};
