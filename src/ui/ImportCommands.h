#pragma once
// File > Import: the items of another list or of a text file join the open list.

#include <QCoreApplication>
#include <QObject>

class TMainForm;
class TVocabFile;
struct TKvtmlFile;

class TImportCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TImportCommands)

public:
    explicit TImportCommands(TMainForm& form);
    void Import();

private:
    // The learner's choices, then the entries into read (a document of the list's languages) and
    // the grades, when chosen, into the history; the list takes the items last.
    void ImportKvtmlFile(const TKvtmlFile& file, TVocabFile& read, const QString& label);

    TMainForm& Form_;
};
