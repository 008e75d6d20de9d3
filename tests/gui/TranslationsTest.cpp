// The window's languages: Qt's own texts follow the one installed, the options choose the one of
// the next start, and under the tests' pseudo language every text the window shows comes from a
// translation.

#include "qtsupport/Translations.h"

#include "gui/EditCommandsSupport.h"
#include "gui/EveryDialog.h"
#include "ui/AboutDialog.h"
#include "ui/FindDialog.h"
#include "ui/TipsDialog.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {

TEST(WindowLanguage, QtsOwnDialogsAndButtonsSpeakTheInstalledLanguage)
{
    const std::pair<const char*, const char*> cases[] = { { "de", "Abbrechen" }, { "fr", "Annuler" },
        { "es", "Cancelar" }, { "ru", "Отмена" }, { "en", "Cancel" } };
    for (const auto& [language, cancel] : cases) {
        InstallTranslations(language);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), Q(cancel)) << language;
    }
}

TEST(WindowLanguage, TheOptionsChooseTheLanguageOfTheNextStartOrTheSystems)
{
    const struct {
        const char* Stored;
        const char* Shown;
        int Chosen; // 0 the system's, then UiLanguages() in order
        const char* Written;
    } cases[] = { { "", "The system's", 2, "de" }, { "ru", "Русский", 0, "" },
        { "xx", "The system's", 3, "fr" }, { "fr", "Français", 1, "en" } };
    for (const auto& c : cases) {
        TOptions options;
        std::string right, wrong, language = c.Stored;
        TOptionsTarget target { &options, &right, &wrong };
        target.UiLanguage = &language;
        TOptionsDialog dialog(nullptr, target);
        EXPECT_EQ(dialog.cbUiLanguage->currentText(), Q(c.Shown)) << c.Stored;
        dialog.cbUiLanguage->setCurrentIndex(c.Chosen);
        dialog.btnOK->click();
        EXPECT_EQ(language, c.Written) << c.Stored;
    }
}

} // namespace
