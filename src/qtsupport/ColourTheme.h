#pragma once
// Light or dark windows. The palette for the user's choice is installed on the application; for
// "System" the desktop's preference is read from the settings portal ("color-scheme" of
// "org.freedesktop.appearance") and followed while the program runs, with the platform
// palette's own lightness when the desktop states none. Qt 6.4 has no interface of its own for it.

#include "settings/ColourRules.h"

#include <QColor>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QPalette>
#include <optional>

class TColourTheme : public QObject {
    Q_OBJECT
public:
    // Remembers the platform's palette: call before any palette is installed.
    explicit TColourTheme(QObject* parent = nullptr);

    // The portal is asked on this bus from now on; a bus without a connection has no portal.
    void UseBus(const QDBusConnection& bus);
    // Installs the palette of the choice; for System the portal is asked, and then listened to.
    void Apply(TThemeChoice choice);
    std::optional<std::uint32_t> DesktopScheme() const { return Scheme_; }

private slots:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void Listen(bool on);
    void Install();

    QDBusConnection Bus_;
    QPalette Platform_;
    TThemeChoice Choice_ = TThemeChoice::System;
    std::optional<std::uint32_t> Scheme_;
    bool Listening_ = false;
};

// The program's theme, made at first use and asking the user's session bus when there is one.
TColourTheme& AppColourTheme();

QColor ToQColor(TColour colour);
TColour ToColour(const QColor& colour);
bool PaletteIsDark(const QPalette& palette);
// The colour as it reads on the background (ReadableOn).
QColor ReadableColour(TColour colour, const QColor& background);
// The light or dark variant, for the background's lightness, as it reads there.
QColor PairedColourOn(TPairedColour colour, const QColor& background);
