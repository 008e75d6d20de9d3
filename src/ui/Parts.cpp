#include "ui/Parts.h"

#include "qtsupport/MessageBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <optional>

namespace {

std::optional<TParts>& Provided()
{
    static std::optional<TParts> parts;
    return parts;
}

QString LoadModule()
{
    const QString name = QStringLiteral("velmoria-parts.so");
    // Beside the program in a build, in the program's library folder once installed.
    const QString candidates[] = { QCoreApplication::applicationDirPath() + QLatin1Char('/') + name,
        QStringLiteral(VELMORIA_PARTS_DIR "/") + name };
    QString error;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        // Never closed: the parts' code runs until the program ends.
        if (dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL))
            return {};
        error = QString::fromLocal8Bit(dlerror());
    }
    return error.isEmpty() ? candidates[1] : error;
}

} // namespace

void ProvideParts(const TParts& parts)
{
    Provided() = parts;
}

const TParts* LoadParts()
{
    static bool told = false;
    if (!Provided()) {
        const QString error = LoadModule();
        if (!Provided()) {
            if (!told) {
                told = true;
                ShowMessageBox(QCoreApplication::translate("TParts",
                                   "Review Progress and the help cannot be shown: their part of the "
                                   "program could not be loaded.\n\n%1")
                                   .arg(error),
                    QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Critical);
            }
            return nullptr;
        }
    }
    return &*Provided();
}
