#pragma once
// Which help topic answers for each command of the main window.

#include <cstdint>
#include <string_view>

// The help context of a command by its action's object name; 0 when it has none.
std::int32_t CommandHelpContext(std::string_view objectName);
