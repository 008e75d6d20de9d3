#pragma once
// The help topics by context number: what every command, help button and tip of the program may
// ask for, and the page of the help file that answers. The help file's pages are written to this
// table.

#include <cstdint>
#include <span>

struct THelpTopic {
    std::int32_t Context;
    // A page of the help file, with "#anchor" for a section of it.
    const char* Page;
};

// The default topic, shown for Help Topics.
inline constexpr const char* HelpContentsPage = "index.html";

std::span<const THelpTopic> HelpTopics();
// The topic of a context number; nullptr when there is none (0 among them).
const THelpTopic* FindHelpTopic(std::int32_t context);
