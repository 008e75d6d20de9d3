#include "qtsupport/ModelText.h"

#include "core/DisplayText.h"
#include "core/Errors.h"
#include "qtsupport/FileDialogs.h"

#include <QCoreApplication>
#include <cstring>

QString ModelText(const char* text)
{
    return QCoreApplication::translate("Velmoria::Model", text);
}

QString LanguageName(LangId language)
{
    const std::string name(FindLanguage(language).Name);
    return name.empty() ? QString() : ModelText(name.c_str());
}

QString ListTitle(const std::string& fileName)
{
    // A file may itself be called "Untitled": only the name of no file is translated.
    return fileName.empty() ? ModelText(DisplayTitle(fileName).c_str())
                            : ShownFileName(DisplayTitle(fileName));
}

QString ErrorText(const std::exception& error)
{
    const auto* file = dynamic_cast<const EFileError*>(&error);
    if (!file || file->ErrorNumber() == 0)
        return ModelText(error.what());
    const int number = file->ErrorNumber();
    const QString system = QString::fromLocal8Bit(std::strerror(number));
    return ModelText(FileErrorText)
        .arg(ModelText(file->Action().c_str()), ShownFileName(file->FileName()),
            IsDiskFull(number) ? ModelText(DiskFullText).arg(system) : system);
}
