#pragma once
// The user's folders as the XDG base directories name them, read from the environment at each
// call (tests move them).

#include <string>

// $HOME, else the password database's home folder; empty when neither is known.
std::string HomeFolder();
// The folder a base-directory variable names ("XDG_CONFIG_HOME"), else underHome below the home
// folder (".config").
std::string XdgFolder(const char* variable, const char* underHome);
// $XDG_CONFIG_HOME, else ~/.config: where the settings and the user's units and autostart entries go.
std::string ConfigHome();
