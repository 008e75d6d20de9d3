#include "ui/Parts.h"

#include "qtsupport/MessageBox.h"
#include "ui/Sound.h"

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
        QCoreApplication::applicationDirPath() + QStringLiteral("/" VELMORIA_PARTS_DIR "/") + name };
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

const TParts* LoadParts(bool quiet)
{
    static bool told = false;
    if (!Provided()) {
        const QString error = LoadModule();
        if (!Provided()) {
            if (!told && !quiet) {
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

namespace {

// Sounds are never missed enough to hold up the start for their library, nor told when it is missing.
class TPartsSoundPlayer : public ISoundPlayer {
public:
    void Play(const std::string& fileName) override
    {
        if (fileName.empty())
            return;
        if (!Player_)
            if (const TParts* parts = LoadParts(true))
                Player_ = parts->MakeSoundPlayer();
        if (Player_)
            Player_->Play(fileName);
    }

private:
    std::unique_ptr<ISoundPlayer> Player_;
};

} // namespace

std::unique_ptr<ISoundPlayer> MakeSoundPlayer()
{
    return std::make_unique<TPartsSoundPlayer>();
}
