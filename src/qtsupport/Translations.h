#pragma once
// The window's language: our translation (embedded, :/i18n) and Qt's own for its dialogs and
// standard buttons, installed before any window is made.

#include <string>
#include <vector>

// The desktop's languages, most wanted first (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
std::vector<std::string> DesktopLanguages();

// Installs the translations of a language of UiLanguages() in place of any installed before.
// English installs only its plural forms; Qt's own stay out when the system lacks them.
void InstallTranslations(const std::string& language);

// The language installed last ("en" when none was), empty under a translation file.
std::string InstalledLanguage();

// Installs a translation file in place of ours (the tests' pseudo language); false when it cannot
// be read.
bool InstallTranslationFile(const std::string& path);
