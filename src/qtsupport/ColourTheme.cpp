#include "qtsupport/ColourTheme.h"

#include <QApplication>
#include <QDBusMessage>
#include <QFileInfo>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <array>
#include <memory>
#include <utility>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString PortalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString Appearance = QStringLiteral("org.freedesktop.appearance");
const QString SchemeKey = QStringLiteral("color-scheme");
// A portal that is not running may be started by the bus; the window does not wait longer.
constexpr int PortalTimeoutMs = 500;

// Read wraps the value in a second variant, ReadOne and the signal do not.
std::optional<std::uint32_t> SchemeOf(QVariant value)
{
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool number = false;
    const uint scheme = value.toUInt(&number);
    return number ? std::optional<std::uint32_t>(scheme) : std::nullopt;
}

std::optional<std::uint32_t> ReadScheme(const QDBusConnection& bus)
{
    if (!bus.isConnected())
        return std::nullopt;
    // ReadOne is the portal's newer method; older portals know only Read.
    for (const QString& method : { QStringLiteral("ReadOne"), QStringLiteral("Read") }) {
        QDBusMessage call = QDBusMessage::createMethodCall(PortalService, PortalPath, PortalSettings, method);
        call << Appearance << SchemeKey;
        const QDBusMessage reply = bus.call(call, QDBus::Block, PortalTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            return SchemeOf(reply.arguments().constFirst());
        if (reply.errorName() != QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"))
            break;
    }
    return std::nullopt;
}

// Without a bus address and without the user's bus socket, connecting would start a bus
// through the X server instead.
QDBusConnection UserBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        || (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
            && QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"))))
        return QDBusConnection::sessionBus();
    return QDBusConnection(QStringLiteral("velmoria-no-bus"));
}

QPalette::ColorRole QtRole(TPaletteRole role)
{
    static constexpr std::array<std::pair<TPaletteRole, QPalette::ColorRole>, 20> Roles { {
        { TPaletteRole::Window, QPalette::Window },
        { TPaletteRole::WindowText, QPalette::WindowText },
        { TPaletteRole::Base, QPalette::Base },
        { TPaletteRole::AlternateBase, QPalette::AlternateBase },
        { TPaletteRole::ToolTipBase, QPalette::ToolTipBase },
        { TPaletteRole::ToolTipText, QPalette::ToolTipText },
        { TPaletteRole::PlaceholderText, QPalette::PlaceholderText },
        { TPaletteRole::Text, QPalette::Text },
        { TPaletteRole::Button, QPalette::Button },
        { TPaletteRole::ButtonText, QPalette::ButtonText },
        { TPaletteRole::BrightText, QPalette::BrightText },
        { TPaletteRole::Light, QPalette::Light },
        { TPaletteRole::Midlight, QPalette::Midlight },
        { TPaletteRole::Mid, QPalette::Mid },
        { TPaletteRole::Dark, QPalette::Dark },
        { TPaletteRole::Shadow, QPalette::Shadow },
        { TPaletteRole::Highlight, QPalette::Highlight },
        { TPaletteRole::HighlightedText, QPalette::HighlightedText },
        { TPaletteRole::Link, QPalette::Link },
        { TPaletteRole::LinkVisited, QPalette::LinkVisited },
    } };
    for (const auto& [ours, qt] : Roles)
        if (ours == role)
            return qt;
    return QPalette::NoRole;
}

QPalette DarkQPalette()
{
    QPalette palette;
    for (const TPaletteEntry& entry : DarkPalette()) {
        const QPalette::ColorRole role = QtRole(entry.Role);
        palette.setColor(QPalette::Active, role, ToQColor(entry.Active));
        palette.setColor(QPalette::Inactive, role, ToQColor(entry.Active));
        palette.setColor(QPalette::Disabled, role, ToQColor(entry.Disabled));
    }
    return palette;
}

QPalette LightQPalette()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QPalette(Qt::white);
}

} // namespace

TColourTheme::TColourTheme(QObject* parent)
    : QObject(parent)
    , Bus_(UserBus())
    , Platform_(QApplication::palette())
{
}

void TColourTheme::UseBus(const QDBusConnection& bus)
{
    Listen(false);
    Bus_ = bus;
    Scheme_.reset();
}

void TColourTheme::Apply(TThemeChoice choice)
{
    Choice_ = choice;
    // Changes announced while not listening were missed: the value is read afresh.
    if (choice == TThemeChoice::System && !Listening_)
        Scheme_ = ReadScheme(Bus_);
    Listen(choice == TThemeChoice::System);
    Install();
}

void TColourTheme::Listen(bool on)
{
    if (on == Listening_)
        return;
    const QString name = QStringLiteral("SettingChanged");
    const char* slot = SLOT(SettingChanged(QString, QString, QDBusVariant));
    if (on) {
        Listening_
            = Bus_.isConnected() && Bus_.connect(PortalService, PortalPath, PortalSettings, name, this, slot);
    } else {
        Bus_.disconnect(PortalService, PortalPath, PortalSettings, name, this, slot);
        Listening_ = false;
    }
}

void TColourTheme::SettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group != Appearance || key != SchemeKey)
        return;
    Scheme_ = SchemeOf(value.variant());
    Install();
}

void TColourTheme::Install()
{
    const bool platformDark = PaletteIsDark(Platform_);
    const bool dark = WantsDark(Choice_, Scheme_, platformDark);
    QPalette palette = dark == platformDark ? Platform_ : dark ? DarkQPalette() : LightQPalette();
    // Some palettes' selections (Fusion's, the desktop's) fall short: the selection is darkened or
    // lightened until its text reads.
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        palette.setColor(group, QPalette::Highlight,
            ReadableColour(ToColour(palette.color(group, QPalette::Highlight)),
                palette.color(group, QPalette::HighlightedText)));
    if (palette != QApplication::palette())
        QApplication::setPalette(palette);
}

TColourTheme& AppColourTheme()
{
    static QPointer<TColourTheme> theme;
    if (!theme)
        theme = new TColourTheme(qApp);
    return *theme;
}

QColor ToQColor(TColour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
        static_cast<int>((colour >> 16) & 0xFF));
}

TColour ToColour(const QColor& colour)
{
    return RgbColour(colour.red(), colour.green(), colour.blue());
}

bool PaletteIsDark(const QPalette& palette)
{
    return IsDarkColour(ToColour(palette.color(QPalette::Active, QPalette::Window)));
}

QColor ReadableColour(TColour colour, const QColor& background)
{
    return ToQColor(ReadableOn(colour, ToColour(background)));
}

QColor PairedColourOn(TPairedColour colour, const QColor& background)
{
    const TColour back = ToColour(background);
    return ToQColor(ReadableOn(PairedColour(colour, IsDarkColour(back)), back));
}
