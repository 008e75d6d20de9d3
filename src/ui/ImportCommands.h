#pragma once
// File > Import: the items of another list, of a text file or of a deck package join the open
// list. File > Export Deck Package writes the list as one.

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <string>

class TMainForm;

class TImportCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TImportCommands)

public:
    explicit TImportCommands(TMainForm& form);
    void Import();
    void ExportDeck();

private:
    void ImportDeck(const QString& shownName, const std::string& fileName);
    TMainForm& Form_;
};
