#pragma once
// Review Progress, the help viewer and the answer sounds need Qt's chart, help and multimedia
// libraries, which take longer to load than the rest of the window takes to start: the program
// keeps them in a module of its own (velmoria-parts.so), loaded the first time one is wanted. Programs linked
// with them (the tests and tools) have them from the start.

#include "review/Scheduler.h"

#include <QString>
#include <memory>
#include <string>

class ISoundPlayer;
class QWidget;

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
    void (*ShowReviewProgress)(QWidget* parent, const std::string& historyPath, TDay today) = nullptr;
    std::unique_ptr<IHelpSystem> (*MakeHelpSystem)(const QString& helpFile) = nullptr;
    std::unique_ptr<ISoundPlayer> (*MakeSoundPlayer)() = nullptr;
};

// Called by the parts themselves once they are in the program.
void ProvideParts(const TParts& parts);
// The parts, their module loaded first if need be; nullptr when it cannot be loaded, with the
// reason told to the user once unless quiet.
const TParts* LoadParts(bool quiet = false);
