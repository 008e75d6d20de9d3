#include "qtsupport/ModelText.h"

#include "core/DisplayText.h"
#include "core/Errors.h"
#include "qtsupport/FileDialogs.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstring>

QString ModelText(const char* text)
{
    return QCoreApplication::translate("Velmoria::Model", text);
}

QString SayingText(const TSaying& saying)
{
    using enum TSaying::TKind;
    std::vector<std::string> args;
    for (const TSaying& arg : saying.Args())
        args.push_back(SayingText(arg).toStdString());
    QString text;
    switch (saying.Kind()) {
    case Words:
        return QString::fromStdString(saying.Words());
    case Number:
        return saying.Decimals() < 0 ? QLocale().toString(saying.Value(), 'g', 6)
                                     : QLocale().toString(saying.Value(), 'f', saying.Decimals());
    case Joined: {
        QStringList parts;
        for (std::size_t i = 0; i < args.size(); ++i)
            if (!saying.Args()[i].Empty())
                parts.push_back(QString::fromStdString(args[i]));
        return parts.join(QString::fromStdString(saying.Words()));
    }
    case Counted:
        // Qt's plural forms take an int; no count the model says comes near its end.
        text = QCoreApplication::translate(
            "Velmoria::Model", saying.Template().c_str(), nullptr, static_cast<int>(saying.Value()));
        break;
    case Marked:
        text = ModelText(saying.Template().c_str());
        break;
    }
    return QString::fromStdString(FillIn(text.toStdString(), args));
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
    return SayingText(SayingOf(error));
}
