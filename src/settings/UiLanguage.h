#pragma once
// The language the window speaks: the one chosen in the options, or the desktop's, or English.

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TUiLanguage {
    std::string_view Code; // as the translation files name it: "de"
    std::string_view Name; // in the language itself: "Deutsch"
};

// English first: the language of the sources and the fallback.
std::span<const TUiLanguage> UiLanguages();

// The language of the window: the stored choice when it is one of UiLanguages(), else the first of
// the desktop's languages ("de-AT", "fr_CA.UTF-8", "pt") that is, else English. An empty or unknown
// stored choice means the desktop's.
std::string ChooseUiLanguage(std::string_view stored, const std::vector<std::string>& desktop);
