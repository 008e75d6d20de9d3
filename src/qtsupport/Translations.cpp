#include "qtsupport/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

std::unique_ptr<QTranslator> Ours;
std::unique_ptr<QTranslator> Qts;
std::string Installed = "en";

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next)
{
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

std::unique_ptr<QTranslator> Loaded(const QString& file)
{
    auto translator = std::make_unique<QTranslator>();
    return translator->load(file) ? std::move(translator) : nullptr;
}

} // namespace

std::vector<std::string> DesktopLanguages()
{
    std::vector<std::string> languages;
    for (const QString& name : QLocale::system().uiLanguages())
        languages.push_back(name.toStdString());
    return languages;
}

void InstallTranslations(const std::string& language)
{
    const QString code = QString::fromStdString(language);
    Installed = language;
    Replace(Ours, Loaded(QStringLiteral(":/i18n/velmoria_%1.qm").arg(code)));
    Replace(Qts,
        language == "en" ? nullptr
                         : Loaded(QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                             + QStringLiteral("/qtbase_%1.qm").arg(code)));
}

bool InstallTranslationFile(const std::string& path)
{
    auto translator = Loaded(QString::fromStdString(path));
    if (!translator)
        return false;
    Replace(Ours, std::move(translator));
    Installed.clear();
    return true;
}

std::string InstalledLanguage()
{
    return Installed;
}
