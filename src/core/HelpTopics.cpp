#include "core/HelpTopics.h"

#include <algorithm>

namespace {

// Contexts below 2000 are how-to and background topics, 2000 to 2999 menu commands, 3000 and
// above dialogs (their help buttons; a dialog with pages has one topic per page).
constexpr THelpTopic Topics[] = {
    { 1300, "howto-edit.html", "miHelpHowToEdit" },
    { 1310, "characters.html", "" },
    { 1320, "formats.html", "" },
    { 1330, "command-line.html", "" },
    { 1400, "howto-test.html", "miHelpHowToTest" },
    { 1410, "answers.html", "" },
    { 1420, "penalty.html", "" },

    { 2000, "menu-file.html#new", "miFileNew" },
    { 2001, "menu-file.html#open", "miFileOpen" },
    { 2002, "menu-file.html#import", "miFileImport" },
    { 2003, "menu-file.html#save", "miFileSave" },
    { 2004, "menu-file.html#saveas", "miFileSaveAs" },
    { 2005, "menu-file.html#properties", "miFileProperties" },
    { 2006, "menu-file.html#print", "miFilePrint tbPrint" },
    { 2007, "menu-file.html#pagesetup", "miFilePageSetup" },
    { 2008, "menu-file.html#recent", "miFileRecent" },
    { 2009, "menu-file.html#exit", "miFileExit" },

    { 2100, "menu-edit.html#undo", "miEditUndo" },
    { 2101, "menu-edit.html#redo", "miEditRedo" },
    { 2102, "menu-edit.html#cut", "miEditCut" },
    { 2103, "menu-edit.html#copy", "miEditCopy" },
    { 2104, "menu-edit.html#paste", "miEditPaste" },
    { 2105, "menu-edit.html#add", "miEditAdd" },
    { 2106, "menu-edit.html#edit", "miEditEdit" },
    { 2107, "menu-edit.html#delete", "miEditDelete" },
    { 2108, "menu-edit.html#moveup", "miEditMoveUp" },
    { 2109, "menu-edit.html#movedown", "miEditMoveDown" },
    { 2110, "menu-edit.html#sort", "miEditSort tbSort" },
    { 2111, "menu-edit.html#shuffle", "miEditShuffle" },
    { 2112, "menu-edit.html#find", "miEditFind" },
    { 2113, "menu-edit.html#findnext", "miEditFindNext" },

    { 2300, "menu-view.html#toolbar", "miViewToolBar" },
    { 2301, "menu-view.html#statusbar", "miViewStatusBar" },
    { 2302, "menu-view.html#font", "miViewFont" },
    { 2303, "menu-view.html#options", "miViewOptions" },

    { 2400, "menu-test.html#start", "miTestStartTesting" },
    { 2401, "menu-test.html#native", "miTestPassive" },
    { 2402, "menu-test.html#foreign", "miTestActive" },
    { 2403, "menu-test.html#choice", "miTestMultipleChoice" },
    { 2404, "menu-test.html#hint", "miTestHint" },
    { 2405, "menu-test.html#statistics", "miTestStatistics" },
    { 2406, "menu-test.html#review", "miTestReview" },
    { 2407, "menu-test.html#progress", "miTestProgress" },

    { 2500, "menu-help.html#topics", "miHelpContents" },
    { 2501, "menu-help.html#tips", "miHelpTips" },
    { 2502, "menu-help.html#website", "miHelpHomePage" },
    { 2503, "menu-help.html#share", "miHelpExchangePage" },
    { 2504, "menu-help.html#donate", "miHelpDonate" },
    { 2505, "menu-help.html#about", "miHelpAbout" },

    { 3000, "edit-item.html", "" },
    { 3010, "import.html", "" },
    { 3020, "find.html", "" },
    { 3041, "options-general.html", "" },
    { 3042, "options-question.html", "" },
    { 3043, "options-evaluation.html", "" },
    { 3044, "options-feedback.html", "" },
    { 3045, "options-reviews.html", "" },
    { 3050, "page-setup.html", "" },
    { 3060, "print.html", "" },
    { 3071, "properties-general.html", "" },
    { 3072, "properties-summary.html", "" },
    { 3080, "font.html", "" },
    { 3090, "sort.html", "" },
    { 3101, "statistics-progress.html", "" },
    { 3102, "statistics-success.html", "" },
    { 3110, "welcome.html", "" },
    { 3120, "progress.html", "" },
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

std::span<const THelpTopic> HelpTopics()
{
    return Topics;
}

const THelpTopic* FindHelpTopic(std::int32_t context)
{
    for (const auto& topic : Topics) {
        if (topic.Context == context)
            return &topic;
    }
    return nullptr;
}

std::int32_t CommandHelpContext(std::string_view objectName)
{
    if (objectName.empty())
        return 0;
    for (const auto& topic : Topics) {
        if (NamesCommand(objectName, topic.Commands))
            return topic.Context;
    }
    return 0;
}
