#pragma once
// The help topics by context number: what every menu command, help button and tip of the program
// may ask for, and the page of the help file that answers. The help file's pages are written to
// this table.

#include <cstdint>
#include <span>
#include <string_view>

struct THelpTopic {
    std::int32_t Context;
    // A page of the help file, with "#anchor" for a section of it.
    const char* Page;
    // The commands (object names of menu and tool-bar actions, space-separated) that carry this
    // context; a name ending the list in digits stands for numbered copies ("miFileRecent" for
    // "miFileRecent1" ...). Empty for dialogs and the topics only tips and links lead to.
    const char* Commands;
};

// The default topic, shown for Help Topics.
inline constexpr const char* HelpContentsPage = "index.html";

std::span<const THelpTopic> HelpTopics();
// The topic of a context number; nullptr when there is none (0 among them).
const THelpTopic* FindHelpTopic(std::int32_t context);
// The context of a command by its action's object name; 0 when it has none.
std::int32_t CommandHelpContext(std::string_view objectName);
