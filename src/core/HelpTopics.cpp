#include "core/HelpTopics.h"

namespace {

// Contexts below 2000 are how-to and background topics, 2000 to 2999 menu commands, 3000 and
// above dialogs (their help buttons; a dialog with pages has one topic per page).
constexpr THelpTopic Topics[] = {
    { 1300, "howto-edit.html" },
    { 1310, "characters.html" },
    { 1320, "formats.html" },
    { 1330, "command-line.html" },
    { 1400, "howto-test.html" },
    { 1410, "answers.html" },
    { 1420, "penalty.html" },

    { 2000, "menu-file.html#new" },
    { 2001, "menu-file.html#open" },
    { 2002, "menu-file.html#import" },
    { 2003, "menu-file.html#save" },
    { 2004, "menu-file.html#saveas" },
    { 2005, "menu-file.html#properties" },
    { 2006, "menu-file.html#print" },
    { 2007, "menu-file.html#pagesetup" },
    { 2008, "menu-file.html#recent" },
    { 2009, "menu-file.html#exit" },
    { 2010, "menu-file.html#exportdeck" },

    { 2100, "menu-edit.html#undo" },
    { 2101, "menu-edit.html#redo" },
    { 2102, "menu-edit.html#cut" },
    { 2103, "menu-edit.html#copy" },
    { 2104, "menu-edit.html#paste" },
    { 2105, "menu-edit.html#add" },
    { 2106, "menu-edit.html#edit" },
    { 2107, "menu-edit.html#delete" },
    { 2108, "menu-edit.html#moveup" },
    { 2109, "menu-edit.html#movedown" },
    { 2110, "menu-edit.html#sort" },
    { 2111, "menu-edit.html#shuffle" },
    { 2112, "menu-edit.html#find" },
    { 2113, "menu-edit.html#findnext" },

    { 2300, "menu-view.html#toolbar" },
    { 2301, "menu-view.html#statusbar" },
    { 2302, "menu-view.html#font" },
    { 2303, "menu-view.html#options" },
    { 2304, "menu-view.html#speakforeign" },
    { 2305, "menu-view.html#speaknative" },

    { 2400, "menu-test.html#start" },
    { 2401, "menu-test.html#native" },
    { 2402, "menu-test.html#foreign" },
    { 2403, "menu-test.html#choice" },
    { 2404, "menu-test.html#hint" },
    { 2405, "menu-test.html#statistics" },
    { 2406, "menu-test.html#review" },
    { 2407, "menu-test.html#progress" },
    { 2408, "menu-test.html#reviewboth" },

    { 2500, "menu-help.html#topics" },
    { 2501, "menu-help.html#tips" },
    { 2502, "menu-help.html#website" },
    { 2503, "menu-help.html#share" },
    { 2504, "menu-help.html#donate" },
    { 2505, "menu-help.html#about" },

    { 3000, "edit-item.html" },
    { 3010, "import.html" },
    { 3020, "find.html" },
    { 3041, "options-general.html" },
    { 3042, "options-question.html" },
    { 3043, "options-evaluation.html" },
    { 3044, "options-feedback.html" },
    { 3045, "options-speech.html" },
    { 3046, "options-reviews.html" },
    { 3050, "page-setup.html" },
    { 3060, "print.html" },
    { 3071, "properties-general.html" },
    { 3072, "properties-summary.html" },
    { 3080, "font.html" },
    { 3090, "sort.html" },
    { 3101, "statistics-progress.html" },
    { 3102, "statistics-success.html" },
    { 3110, "welcome.html" },
    { 3120, "progress.html" },
};

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
