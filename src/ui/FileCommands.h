#pragma once
// The File menu's commands on the list itself (New, Open, the recent files, Save, Save As,
// Properties, Exit) and the program's start-up.

#include "core/CommandLine.h"
#include "core/SafeSave.h"

#include <QCoreApplication>
#include <QObject>
#include <optional>
#include <string>

class TMainForm;
class TSession;

class TFileCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TFileCommands)

public:
    explicit TFileCommands(TMainForm& form);

    std::optional<int> StartUp(const TCommandLine& commandLine);
    // True when the list may be put away: saved, or its changes given up.
    bool SaveQuery();
    bool OpenFile(const std::string& fileName);
    bool EditProperties(bool isNew);
    bool RunWelcomeLoop();
    // With expected, a file found there at the last moment that is not the one looked at before is
    // overwritten only when the user says so.
    void SaveDocument(
        const std::string& fileName, const std::optional<TFileIdentity>& expected = std::nullopt);
    // A list from elsewhere takes the place of the open one: the search text goes with other scripts.
    void AdoptLanguages(std::uint16_t foreign, std::uint16_t native);

    void New();
    void Open();
    void OpenRecent(int index);
    void Save();
    void SaveAs();

private:
    TMainForm& Form_;
    TSession& Session_;
};
