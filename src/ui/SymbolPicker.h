#pragma once
// The symbol picker: 160 characters of its box's character set in a window that never takes the
// keyboard focus. The box forwards its keys here; the picker holds the mouse while it is open.

#include "core/CharEntry.h"

#include <QWidget>
#include <array>
#include <cstdint>

class TSymbolForm : public QWidget {
    Q_OBJECT
public:
    // Placed below the owner box (above it near the bottom of the work area), showing the characters
    // of its code page; closing frees it.
    TSymbolForm(QWidget* owner, int codePage);

    // Repaints only the old and the new cell.
    void SelectCell(int col, int row);
    // Arrow keys move the selection; other keys do nothing.
    void KeyDown(int key);
    // The selected cell's character; empty when none is selected or the byte is undefined.
    QString SelectedCharacter() const;
    // The cell rectangle in widget coordinates.
    QRect CellRect(int col, int row) const;

    std::array<std::uint8_t, PickerCells> Symbols {};
    int SelCol = -1;
    int SelRow = -1;
    int CellWidth = 0;
    int CellHeight = 0;

signals:
    // A click on a cell (Picked) or beside the cells (Dismissed); the owner box answers.
    void Picked();
    void Dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPickerCell CellAt(QPoint position) const;

    std::array<QString, PickerCells> Characters_;
    // The buttons held when the picker opened: their release belongs to the click that opened it.
    Qt::MouseButtons OpeningButtons_;
};
