#include "settings/UiLanguage.h"

#include <algorithm>

namespace {

constexpr TUiLanguage Languages[] = {
    { "en", "English" },
    { "de", "Deutsch" },
    { "fr", "Fran\u00E7ais" },
    { "es", "Espa\u00F1ol" },
    { "ru", "\u0420\u0443\u0441\u0441\u043A\u0438\u0439" },
};

bool Offered(std::string_view code)
{
    return std::any_of(std::begin(Languages), std::end(Languages),
        [code](const TUiLanguage& language) { return language.Code == code; });
}

} // namespace

std::span<const TUiLanguage> UiLanguages()
{
    return Languages;
}

std::string ChooseUiLanguage(std::string_view stored, const std::vector<std::string>& desktop)
{
    if (Offered(stored))
        return std::string(stored);
    for (const std::string& name : desktop) {
        // The language is what comes before the region, script or encoding.
        const std::string_view language = std::string_view(name).substr(0, name.find_first_of("-_.@"));
        if (Offered(language))
            return std::string(language);
    }
    return std::string(Languages[0].Code);
}
