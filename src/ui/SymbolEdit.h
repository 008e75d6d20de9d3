#pragma once
// The symbol edit box: a vocabulary box whose context menu is the symbol picker and whose copy and
// paste go through UTF-16 and the box's code page.

#include "ui/VocabEdit.h"

#include <QPointer>

class TSymbolForm;

class TSymbolEdit : public TVocabEdit {
    Q_OBJECT
public:
    explicit TSymbolEdit(QWidget* parent = nullptr);
    ~TSymbolEdit() override;

    // The open picker; nullptr when it is closed.
    TSymbolForm* Picker() const;
    void OpenPicker();
    void ClosePicker();
    // Types the picker's selected character (if any) as if typed, then closes the picker.
    void PickerEnter();

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Replaces the selection as one step of the box's undo history.
    void InsertAsOneEdit(const QString& text);
    void SeparateUndoStep();

    QPointer<TSymbolForm> Picker_;
    bool ArrowCursor_ = false;
};

// Whether the widget is a symbol box with its picker open (it then takes every key).
bool PickerOpenIn(const QObject* widget);
