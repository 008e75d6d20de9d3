#include "qtsupport/DataFiles.h"

#include "qtsupport/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString WithSeparator(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString DataFolder(const QString& probe)
{
    const QString exeFolder = WithSeparator(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(exeFolder + probe))
        return exeFolder;
    // An installed copy keeps its data in ../share/velmoria relative to bin/.
    const QString installed = WithSeparator(QDir::cleanPath(exeFolder + QStringLiteral("../share/velmoria")));
    if (QFileInfo::exists(installed + probe))
        return installed;
    return exeFolder;
}

QString DataFilePath(const QString& name)
{
    return DataFolder(name) + name;
}

QString LocalisedPath(const QString& path)
{
    const QString language = QString::fromStdString(InstalledLanguage());
    const qsizetype dot = path.lastIndexOf(u'.');
    if (!language.isEmpty() && dot > path.lastIndexOf(u'/') + 1) {
        const QString localised = path.left(dot) + u'_' + language + path.mid(dot);
        if (QFileInfo::exists(localised))
            return localised;
    }
    return path;
}
