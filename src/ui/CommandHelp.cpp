#include "ui/CommandHelp.h"

#include <algorithm>

namespace {

struct TCommandHelp {
    // Object names of menu and tool-bar actions, space-separated; a name ending the list in digits
    // stands for numbered copies ("miFileRecent" for "miFileRecent1" ...).
    const char* Commands;
    std::int32_t Context;
};

// Contexts of the help topics (core/HelpTopics.h) that answer for commands.
constexpr TCommandHelp CommandTopics[] = {
    { "miHelpHowToEdit", 1300 },
    { "miHelpHowToTest", 1400 },
    { "miFileNew", 2000 },
    { "miFileOpen", 2001 },
    { "miFileImport", 2002 },
    { "miFileSave", 2003 },
    { "miFileSaveAs", 2004 },
    { "miFileProperties", 2005 },
    { "miFilePrint tbPrint", 2006 },
    { "miFilePageSetup", 2007 },
    { "miFileRecent", 2008 },
    { "miFileExit", 2009 },
    { "miEditUndo", 2100 },
    { "miEditRedo", 2101 },
    { "miEditCut", 2102 },
    { "miEditCopy", 2103 },
    { "miEditPaste", 2104 },
    { "miEditAdd", 2105 },
    { "miEditEdit", 2106 },
    { "miEditDelete", 2107 },
    { "miEditMoveUp", 2108 },
    { "miEditMoveDown", 2109 },
    { "miEditSort tbSort", 2110 },
    { "miEditShuffle", 2111 },
    { "miEditFind", 2112 },
    { "miEditFindNext", 2113 },
    { "miViewToolBar", 2300 },
    { "miViewStatusBar", 2301 },
    { "miViewFont", 2302 },
    { "miViewOptions", 2303 },
    { "miViewSpeakForeign", 2304 },
    { "miViewSpeakNative", 2305 },
    { "miTestStartTesting", 2400 },
    { "miTestPassive", 2401 },
    { "miTestActive", 2402 },
    { "miTestMultipleChoice", 2403 },
    { "miTestHint", 2404 },
    { "miTestStatistics", 2405 },
    { "miTestReview tbReview", 2406 },
    { "miTestProgress", 2407 },
    { "miHelpContents", 2500 },
    { "miHelpTips", 2501 },
    { "miHelpHomePage", 2502 },
    { "miHelpExchangePage", 2503 },
    { "miHelpDonate", 2504 },
    { "miHelpAbout", 2505 },
};

bool NamesCommand(std::string_view name, std::string_view commands)
{
    while (!commands.empty()) {
        const auto space = commands.find(' ');
        const std::string_view command = commands.substr(0, space);
        commands = space == std::string_view::npos ? std::string_view() : commands.substr(space + 1);
        if (command.empty() || name.substr(0, command.size()) != command)
            continue;
        const std::string_view rest = name.substr(command.size());
        if (std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return true;
    }
    return false;
}

} // namespace

std::int32_t CommandHelpContext(std::string_view objectName)
{
    if (objectName.empty())
        return 0;
    for (const auto& row : CommandTopics) {
        if (NamesCommand(objectName, row.Commands))
            return row.Context;
    }
    return 0;
}
