#pragma once
// File > Import: the items of another list, of a text file or of a deck package join the open
// list. File > Export Deck Package writes the list as one.

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <string>

class TMainForm;
class TVocabFile;
struct TKvtmlFile;

class TImportCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TImportCommands)

public:
    explicit TImportCommands(TMainForm& form);
    void Import();
    void ExportDeck();

    // In the parts' module (ui/ImportPackages.cpp), reached through LoadParts().
    void ImportDeckPackage(const QString& shownName, const std::string& fileName);
    void ExportDeckPackage();
    // A KVTML file's bytes read, then as ImportKvtmlFile.
    void ImportKvtml(const std::string& bytes, TVocabFile& read, const QString& label);

private:
    // The learner's choices, then the entries into read (a document of the list's languages) and
    // the grades, when chosen, into the history; the list takes the items last.
    void ImportKvtmlFile(const TKvtmlFile& file, TVocabFile& read, const QString& label);

    TMainForm& Form_;
};
