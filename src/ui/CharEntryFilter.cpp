#include "ui/CharEntryFilter.h"

#include "settings/OptionsRules.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr Qt::KeyboardModifiers HeldModifiers
    = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// The combination in the terms of the shortcut table; nullopt for a key it cannot hold.
std::optional<TShortcutKey> ShortcutOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held = event.modifiers() & HeldModifiers;
    if (held & Qt::MetaModifier)
        return std::nullopt;
    TShortcutKey key;
    key.Shift = held & Qt::ShiftModifier;
    key.Ctrl = held & Qt::ControlModifier;
    key.Alt = held & Qt::AltModifier;
    const int code = event.key();
    if (code >= Qt::Key_A && code <= Qt::Key_Z)
        key.Letter = static_cast<char>('A' + (code - Qt::Key_A));
    else if (code >= Qt::Key_F1 && code <= Qt::Key_F12)
        key.FunctionKey = 1 + (code - Qt::Key_F1);
    else
        return std::nullopt;
    return key;
}

char16_t BoundCharacter(const TOptions& options, const QKeyEvent& event)
{
    const std::optional<TShortcutKey> key = ShortcutOf(event);
    const int index = key ? FindShortcut(*key) : -1;
    return index < 0 ? char16_t(0) : ShortcutCharacter(options.Shortcuts[static_cast<std::size_t>(index)]);
}

bool IsStemKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Space && (event.modifiers() & HeldModifiers) == Qt::ControlModifier
        && qobject_cast<QLineEdit*>(QApplication::focusWidget());
}
} // namespace

TCharEntryFilter::TCharEntryFilter(const TOptions& options, QWidget* mainWindow, QObject* parent)
    : QObject(parent)
    , Options_(options)
    , MainWindow_(mainWindow)
{
}

std::optional<char16_t> TCharEntryFilter::CharacterWithoutCtrl(const QKeyEvent& event)
{
    // With Ctrl held the layouts give control codes for letters and some signs (Ctrl+^ is 0x1E),
    // and nothing for others (Ctrl+` on X11); the key code then names the sign.
    const QString text = event.text();
    if (text.size() == 1 && !IsControlCharacter(text[0]))
        return text[0].unicode();
    const int key = event.key();
    if (key >= 0x20 && key <= 0xFFFF) {
        QChar c(static_cast<char16_t>(key));
        // Key codes name letters in capitals.
        if (!(event.modifiers() & Qt::ShiftModifier))
            c = c.toLower();
        return c.unicode();
    }
    if (text.size() == 1)
        return text[0].unicode();
    return std::nullopt;
}

TCharEntryFilter::TKeyUse TCharEntryFilter::Use(const QKeyEvent& event)
{
    if (event.modifiers() & Qt::ControlModifier) {
        // A Ctrl key ends a pending accent, even when a menu shortcut then takes it.
        if (Accents_.CtrlKeyDown(CharacterWithoutCtrl(event)))
            return TKeyUse::Accent;
    }
    if (!QApplication::focusWidget())
        return TKeyUse::None;
    if (IsStemKey(event))
        return TKeyUse::Stem;
    if (BoundCharacter(Options_, event) != 0)
        return TKeyUse::Shortcut;
    return TKeyUse::None;
}

bool TCharEntryFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (Sending_ || !watched->isWidgetType()
        || (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride
            && type != QEvent::InputMethod))
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    if (MainWindow_ && !MainWindow_->isEnabled() && receiver->window() == MainWindow_) {
        event->accept();
        return true;
    }
    switch (type) {
    case QEvent::ShortcutOverride:
        if (Use(*static_cast<QKeyEvent*>(event)) != TKeyUse::None) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        return KeyPress(receiver, *static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return InputMethod(receiver, event);
    default:
        return false;
    }
}

bool TCharEntryFilter::KeyPress(QWidget* receiver, QKeyEvent& event)
{
    switch (Use(event)) {
    case TKeyUse::Accent:
        return true;
    case TKeyUse::Stem: {
        auto* edit = static_cast<QLineEdit*>(QApplication::focusWidget());
        const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        const QString before = edit->text().left(caret);
        const std::optional<std::u16string> stem = StemInsertion(std::u16string_view(
            reinterpret_cast<const char16_t*>(before.utf16()), static_cast<std::size_t>(before.size())));
        if (stem && !edit->isReadOnly())
            edit->insert(QString::fromUtf16(stem->data(), static_cast<qsizetype>(stem->size())));
        return true;
    }
    case TKeyUse::Shortcut:
        Type(QApplication::focusWidget(), QString(QChar(BoundCharacter(Options_, event))));
        return true;
    case TKeyUse::None:
        break;
    }
    const QString text = event.text();
    if (Accents_.Pending() == 0 || text.isEmpty() || (event.modifiers() & Qt::ControlModifier))
        return false;
    const QChar composed(Accents_.Character(text[0].unicode()));
    if (composed == text[0])
        return false;
    QKeyEvent replaced(QEvent::KeyPress, event.key(), event.modifiers(), composed + text.mid(1),
        event.isAutoRepeat(), event.count());
    Sending_ = true;
    QApplication::sendEvent(receiver, &replaced);
    Sending_ = false;
    return true;
}

bool TCharEntryFilter::InputMethod(QWidget* receiver, QEvent* event)
{
    // An input method hands typed characters over as its commit string.
    auto* input = static_cast<QInputMethodEvent*>(event);
    const QString commit = input->commitString();
    if (Accents_.Pending() == 0 || commit.isEmpty())
        return false;
    const QChar composed(Accents_.Character(commit[0].unicode()));
    if (composed == commit[0])
        return false;
    QInputMethodEvent replaced(input->preeditString(), input->attributes());
    replaced.setCommitString(composed + commit.mid(1), input->replacementStart(), input->replacementLength());
    Sending_ = true;
    QApplication::sendEvent(receiver, &replaced);
    Sending_ = false;
    return true;
}

void TCharEntryFilter::Type(QWidget* receiver, const QString& text)
{
    if (!receiver)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    Sending_ = true;
    QApplication::sendEvent(receiver, &press);
    QApplication::sendEvent(receiver, &release);
    Sending_ = false;
}
