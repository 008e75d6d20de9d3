#pragma once
// Review Progress, the help viewer and the answer sounds need Qt's chart, help and multimedia
// libraries, deck packages and KVTML files libzip, zstd, nettle and libxml2, which take longer to
// load than the rest of the window takes to start: the program
// keeps them in a module of its own (velmoria-parts.so), loaded the first time one is wanted. Programs linked
// with them (the tests and tools) have them from the start.

#include "review/Scheduler.h"

#include <QString>
#include <memory>
#include <string>

class ISoundPlayer;
class QWidget;
class TImportCommands;
class TVocabFile;

// The help system as the window uses it: context numbers to topics, the contents, and closing.
class IHelpSystem {
public:
    virtual ~IHelpSystem() = default;
    // A context of 0 does nothing; an unknown one shows the contents.
    virtual void ShowContext(int context, int controlContext = 0) = 0;
    virtual void ShowContents() = 0;
    virtual void Close() = 0;
};

struct TParts {
    // Runs Review Progress on the history at historyPath, modal to parent.
    void (*ShowReviewProgress)(
        QWidget* parent, const std::string& historyPath, TDay today, double desiredRetention)
        = nullptr;
    std::unique_ptr<IHelpSystem> (*MakeHelpSystem)(const QString& helpFile) = nullptr;
    std::unique_ptr<ISoundPlayer> (*MakeSoundPlayer)() = nullptr;
    // Deck packages and KVTML files in and out, with the libraries that read and write them.
    void (*ImportDeck)(TImportCommands& commands, const QString& shownName, const std::string& fileName)
        = nullptr;
    void (*ExportDeck)(TImportCommands& commands) = nullptr;
    void (*ImportKvtml)(
        TImportCommands& commands, const std::string& bytes, TVocabFile& read, const QString& label)
        = nullptr;
    std::string (*KvtmlBytes)(const TVocabFile& document, const std::string& fileName) = nullptr;
};

// Called by the parts themselves once they are in the program.
void ProvideParts(const TParts& parts);
// The parts, their module loaded first if need be; nullptr when it cannot be loaded, with the
// reason told to the user once unless quiet.
const TParts* LoadParts(bool quiet = false);
