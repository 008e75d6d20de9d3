#include "qtsupport/ModelText.h"

#include <QCoreApplication>

QString ModelText(const char* text)
{
    return QCoreApplication::translate("Velmoria::Model", text);
}

QString LanguageName(LangId language)
{
    const std::string name(FindLanguage(language).Name);
    return name.empty() ? QString() : ModelText(name.c_str());
}
