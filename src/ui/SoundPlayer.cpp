#include "ui/Parts.h"
#include "ui/Sound.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <map>

namespace {

class TQtSoundPlayer : public ISoundPlayer {
public:
    void Play(const std::string& fileName) override
    {
        if (fileName.empty())
            return;
        const QString name = QFile::decodeName(QByteArray::fromStdString(fileName));
        if (!QFileInfo(name).isFile())
            return;
        // One effect per file, kept: loading is asynchronous, and a sound still playing when the
        // next answer comes must not be cut off by freeing its effect.
        TEntry& entry = Effects_[name];
        if (!entry.Effect) {
            entry.Effect = std::make_unique<QSoundEffect>();
            QSoundEffect* effect = entry.Effect.get();
            bool* pending = &entry.Pending;
            QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect, pending] {
                if (effect->status() == QSoundEffect::Ready && *pending) {
                    *pending = false;
                    effect->play();
                }
            });
            effect->setSource(QUrl::fromLocalFile(name));
        }
        if (entry.Effect->status() == QSoundEffect::Ready)
            entry.Effect->play();
        else if (entry.Effect->status() != QSoundEffect::Error)
            entry.Pending = true;
    }

private:
    struct TEntry {
        std::unique_ptr<QSoundEffect> Effect;
        bool Pending = false;
    };
    // std::map never moves its elements, so the pointer to Pending stays valid.
    std::map<QString, TEntry> Effects_;
};

} // namespace

std::unique_ptr<ISoundPlayer> MakeQtSoundPlayer()
{
    return std::make_unique<TQtSoundPlayer>();
}
