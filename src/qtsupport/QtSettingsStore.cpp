#include "qtsupport/QtSettingsStore.h"

#include "qtsupport/DataFiles.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QSettings>
#include <QVariant>
#include <limits>

namespace {

QString Key(const std::string& name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::optional<std::int32_t> ToInt32(qlonglong value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// A family as the font database lists it may carry its foundry: "Family [Foundry]".
QString WithoutFoundry(const QString& family)
{
    const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

} // namespace

TQtSettingsStore::TQtSettingsStore()
    : Settings_(std::make_unique<QSettings>(QStringLiteral("Brannock"), QStringLiteral("Velmoria")))
{
    Settings_->beginGroup(QStringLiteral("2"));
}

TQtSettingsStore::TQtSettingsStore(const QString& fileName)
    : Settings_(std::make_unique<QSettings>(fileName, QSettings::NativeFormat))
{
    Settings_->beginGroup(QStringLiteral("2"));
}

TQtSettingsStore::~TQtSettingsStore() = default;

std::optional<std::vector<std::uint8_t>> TQtSettingsStore::ReadBinary(const std::string& name)
{
    const QVariant value = Settings_->value(Key(name));
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::optional<std::int32_t> TQtSettingsStore::ReadInteger(const std::string& name)
{
    const QVariant value = Settings_->value(Key(name));
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return ToInt32(value.toLongLong());
    case QMetaType::QString: {
        // Text-file formats give every number back as text.
        bool ok = false;
        const int number = value.toString().toInt(&ok);
        return ok ? std::optional<std::int32_t>(number) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::string> TQtSettingsStore::ReadString(const std::string& name)
{
    const QVariant value = Settings_->value(Key(name));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString().toUtf8().toStdString();
}

void TQtSettingsStore::WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes)
{
    Settings_->setValue(Key(name),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

void TQtSettingsStore::WriteInteger(const std::string& name, std::int32_t value)
{
    Settings_->setValue(Key(name), static_cast<int>(value));
}

void TQtSettingsStore::WriteString(const std::string& name, const std::string& value)
{
    Settings_->setValue(Key(name), Key(value));
}

QString TQtSettingsStore::FileName() const
{
    return Settings_->fileName();
}

void TQtSettingsStore::Sync()
{
    Settings_->sync();
}

TSettingsEnvironment QtSettingsEnvironment()
{
    TSettingsEnvironment environment;
    environment.ProgramFolder = DataFolder().toUtf8().toStdString();
    environment.UserDefaultLanguage = UserLanguageFromLocale(QLocale::system().name().toStdString());
    environment.FontExists = [](const std::string& name) {
        const QString wanted = Key(name);
        const QStringList families = QFontDatabase::families(QFontDatabase::Latin);
        for (const QString& family : families)
            if (WithoutFoundry(family).compare(wanted, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    return environment;
}
