#pragma once
// File > Import: the items of another list or of a text file join the open list.

#include <QCoreApplication>
#include <QObject>

class TMainForm;

class TImportCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TImportCommands)

public:
    explicit TImportCommands(TMainForm& form);
    void Import();

private:
    TMainForm& Form_;
};
