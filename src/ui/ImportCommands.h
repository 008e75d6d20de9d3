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

private:
    void ImportDeck(const QString& shownName, const std::string& fileName);
    // The learner's choices, then the entries into read (a document of the list's languages) and
    // the grades, when chosen, into the history; the list takes the items last.
    void ImportKvtmlFile(const TKvtmlFile& file, TVocabFile& read, const QString& label);

    TMainForm& Form_;
};
