#include "qtsupport/DataFiles.h"

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
