#pragma once
// The application-wide key filter for special characters: accent composition (Ctrl with an
// accent sign, then a letter), the 92 character shortcuts and stem repetition on Ctrl+Space.
// It claims its keys in the shortcut override, so it runs before every menu shortcut.

#include "core/CharEntry.h"
#include "settings/Settings.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QKeyEvent;
class QWidget;

class TCharEntryFilter : public QObject {
    Q_OBJECT
public:
    // Keys aimed at the main window are discarded while it is disabled (during printing). The
    // shortcuts are read from the options at each key.
    TCharEntryFilter(const TOptions& options, QWidget* mainWindow, QObject* parent = nullptr);
    int PendingAccent() const { return Accents_.Pending(); }

    // The character a key gives with Ctrl and Alt released, as the keyboard layout reports it:
    // the event's text when printable, else the key's own character; nullopt when none.
    static std::optional<char16_t> CharacterWithoutCtrl(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TKeyUse { None, Accent, Stem, Shortcut };
    TKeyUse Use(const QKeyEvent& event);
    bool KeyPress(QWidget* receiver, QKeyEvent& event);
    bool InputMethod(QWidget* receiver, QEvent* event);
    void Type(QWidget* receiver, const QString& text);

    const TOptions& Options_;
    QPointer<QWidget> MainWindow_;
    TAccentComposer Accents_;
    bool Sending_ = false;
};
