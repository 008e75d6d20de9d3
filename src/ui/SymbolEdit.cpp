#include "ui/SymbolEdit.h"

#include "core/CharEntry.h"
#include "evaluation/TextUtils.h"
#include "ui/QtText.h"
#include "ui/SymbolPicker.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace {
std::u16string Utf16(const QString& text)
{
    return std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

QString FromUtf16(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

// The two pixels of inner margin on either side are QLineEdit's own.
TSymbolEdit::TSymbolEdit(QWidget* parent)
    : TVocabEdit(parent)
{
}

TSymbolForm* TSymbolEdit::Picker() const
{
    return Picker_;
}

TSymbolEdit::~TSymbolEdit()
{
    // A closed picker is deleted later, as a child of this box: it must not call back into a box
    // that is going away.
    for (TSymbolForm* picker : findChildren<TSymbolForm*>(Qt::FindDirectChildrenOnly))
        disconnect(picker, nullptr, this, nullptr);
    ClosePicker();
}

void TSymbolEdit::OpenPicker()
{
    if (Picker_)
        return;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    ArrowCursor_ = true;
    Picker_ = new TSymbolForm(this, CodePage());
    connect(Picker_, &TSymbolForm::Picked, this, &TSymbolEdit::PickerEnter);
    connect(Picker_, &TSymbolForm::Dismissed, this, &TSymbolEdit::ClosePicker);
    // Whatever ends the picker gives the cursor back.
    connect(Picker_, &QObject::destroyed, this, [this] {
        if (ArrowCursor_) {
            ArrowCursor_ = false;
            QApplication::restoreOverrideCursor();
        }
    });
    Picker_->show();
    Picker_->grabMouse();
}

void TSymbolEdit::ClosePicker()
{
    if (!Picker_)
        return;
    TSymbolForm* picker = Picker_;
    Picker_ = nullptr;
    picker->releaseMouse();
    picker->close();
    if (ArrowCursor_) {
        ArrowCursor_ = false;
        QApplication::restoreOverrideCursor();
    }
}

void TSymbolEdit::PickerEnter()
{
    if (!Picker_)
        return;
    const QString character = Picker_->SelectedCharacter();
    ClosePicker();
    if (character.isEmpty() || isReadOnly())
        return;
    // As if typed: the refusal of characters the code page lacks and the undo history apply.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    TVocabEdit::keyPressEvent(&press);
}

bool TSymbolEdit::event(QEvent* event)
{
    // While the picker is open no shortcut may take a key from it.
    if (event->type() == QEvent::ShortcutOverride && Picker_) {
        event->accept();
        return true;
    }
    return TVocabEdit::event(event);
}

void TSymbolEdit::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    setFocus(event->reason() == QContextMenuEvent::Mouse ? Qt::MouseFocusReason : Qt::OtherFocusReason);
    OpenPicker();
}

void TSymbolEdit::keyPressEvent(QKeyEvent* event)
{
    if (Picker_) {
        switch (event->key()) {
        case Qt::Key_Delete:
            TVocabEdit::keyPressEvent(event);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            PickerEnter();
            break;
        case Qt::Key_Escape:
            ClosePicker();
            break;
        default:
            Picker_->KeyDown(event->key());
            break;
        }
        event->accept();
        return;
    }
    if (event == QKeySequence::Copy)
        CopyToClipboard();
    else if (event == QKeySequence::Cut)
        CutToClipboard();
    else if (event == QKeySequence::Paste)
        PasteFromClipboard();
    else if (event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier))
        OpenPicker();
    else {
        TVocabEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TSymbolEdit::focusOutEvent(QFocusEvent* event)
{
    ClosePicker();
    TVocabEdit::focusOutEvent(event);
}

void TSymbolEdit::CopyToClipboard()
{
    if (!hasSelectedText() || echoMode() != QLineEdit::Normal)
        return;
    const std::string bytes = FromQString(selectedText(), CodePage());
    const std::optional<std::u16string> unicode = ClipboardUnicode(bytes, CodePage());
    auto* mime = new QMimeData;
    // Without a UTF-16 form only the plain 8-bit text goes, which readers take in the system code page.
    mime->setText(unicode ? FromUtf16(*unicode) : ToQString(bytes, CP_SYSTEM_DEFAULT));
    QApplication::clipboard()->setMimeData(mime);
}

void TSymbolEdit::CutToClipboard()
{
    if (!hasSelectedText() || isReadOnly())
        return;
    CopyToClipboard();
    InsertAsOneEdit(QString());
}

void TSymbolEdit::PasteFromClipboard()
{
    if (isReadOnly())
        return;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (mime && mime->hasText()) {
        if (const std::optional<std::string> bytes = PastedBytes(Utf16(mime->text()), CodePage())) {
            InsertAsOneEdit(ToQString(*bytes, CodePage()));
            return;
        }
    }
    // The plain paste: what the code page cannot hold is refused whole, with the reason.
    paste();
}

void TSymbolEdit::InsertAsOneEdit(const QString& text)
{
    SeparateUndoStep();
    insert(text);
    SeparateUndoStep();
}

void TSymbolEdit::SeparateUndoStep()
{
    // QLineEdit closes an undo step when the caret moves; a move there and back keeps the
    // caret and the selection as they were.
    if (text().isEmpty())
        return;
    const int caret = cursorPosition();
    const int start = selectionStart();
    const auto length = static_cast<int>(selectedText().size());
    setCursorPosition(caret == text().size() ? caret - 1 : caret + 1);
    setCursorPosition(caret);
    if (length > 0) {
        if (caret == start)
            setSelection(start + length, -length);
        else
            setSelection(start, length);
    }
}

bool PickerOpenIn(const QObject* widget)
{
    const auto* box = qobject_cast<const TSymbolEdit*>(widget);
    return box && box->Picker();
}
