#pragma once
// File > Import: the items of another list or of a text file join the open list.

#include <QObject>

class TMainForm;

class TImportCommands : public QObject {
public:
    explicit TImportCommands(TMainForm& form);
    void Import();

private:
    TMainForm& Form_;
};
