#include "ui/SymbolPicker.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {
constexpr int Frame = 1;
}

TSymbolForm::TSymbolForm(QWidget* owner, int codePage)
    // A tool-tip window is never activated and never blocked by the modal dialog it opens over.
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , OpeningButtons_(QGuiApplication::mouseButtons())
{
    setObjectName(QStringLiteral("SymbolForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setContentsMargins(Frame, Frame, Frame, Frame);
    setFont(owner->font());
    setPalette(owner->palette());

    Symbols = PickerSymbols();
    for (int row = 0; row < PickerRows; ++row)
        for (int col = 0; col < PickerColumns; ++col) {
            const char16_t unit = PickerCharacter(col, row, codePage);
            if (unit != 0)
                Characters_[static_cast<std::size_t>(row * PickerColumns + col)] = QString(QChar(unit));
        }

    const QFontMetrics metrics(font());
    int widest = 0;
    for (std::size_t i = 2 * PickerColumns; i < Characters_.size(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(Characters_[i]));
    CellWidth = widest + 2;
    CellHeight = metrics.height() + 2;
    const QSize size(PickerColumns * CellWidth + 2 * Frame, PickerRows * CellHeight + 2 * Frame);
    setFixedSize(size);

    const QRect box(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(box.topLeft(), size);
    const TScreenPoint at = PlacePicker({ box.x(), box.y(), box.width(), box.height() }, size.width(),
        size.height(), { area.x(), area.y(), area.width(), area.height() });
    move(at.X, at.Y);
}

QRect TSymbolForm::CellRect(int col, int row) const
{
    return QRect(Frame + col * CellWidth, Frame + row * CellHeight, CellWidth, CellHeight);
}

TPickerCell TSymbolForm::CellAt(QPoint position) const
{
    return PickerCellAt(position.x() - Frame, position.y() - Frame, CellWidth, CellHeight);
}

void TSymbolForm::SelectCell(int col, int row)
{
    if (col == SelCol && row == SelRow)
        return;
    if (TPickerCell { SelCol, SelRow }.Valid())
        update(CellRect(SelCol, SelRow));
    SelCol = col;
    SelRow = row;
    if (TPickerCell { SelCol, SelRow }.Valid())
        update(CellRect(SelCol, SelRow));
}

void TSymbolForm::KeyDown(int key)
{
    TPickerKey move;
    switch (key) {
    case Qt::Key_Left:
        move = pkLeft;
        break;
    case Qt::Key_Right:
        move = pkRight;
        break;
    case Qt::Key_Up:
        move = pkUp;
        break;
    case Qt::Key_Down:
        move = pkDown;
        break;
    default:
        return;
    }
    const TPickerCell cell = MovePickerSelection({ SelCol, SelRow }, move);
    SelectCell(cell.Col, cell.Row);
}

QString TSymbolForm::SelectedCharacter() const
{
    if (!TPickerCell { SelCol, SelRow }.Valid())
        return QString();
    return Characters_[static_cast<std::size_t>(SelRow * PickerColumns + SelCol)];
}

void TSymbolForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(contentsRect(), palette().color(QPalette::Window));
    const QFontMetrics metrics(font());
    for (int row = 0; row < PickerRows; ++row)
        for (int col = 0; col < PickerColumns; ++col) {
            const QRect cell = CellRect(col, row);
            const bool selected = col == SelCol && row == SelRow;
            if (selected)
                painter.fillRect(cell, palette().color(QPalette::Highlight));
            painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::WindowText));
            const QString& text = Characters_[static_cast<std::size_t>(row * PickerColumns + col)];
            const int x = cell.x() + (CellWidth - metrics.horizontalAdvance(text)) / 2;
            painter.drawText(x, cell.y() + 1 + metrics.ascent(), text);
        }
}

void TSymbolForm::mouseMoveEvent(QMouseEvent* event)
{
    const TPickerCell cell = CellAt(event->position().toPoint());
    SelectCell(cell.Col, cell.Row);
}

void TSymbolForm::mousePressEvent(QMouseEvent* event)
{
    OpeningButtons_ &= ~event->button();
}

void TSymbolForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (OpeningButtons_ & event->button()) {
        OpeningButtons_ &= ~event->button();
        return;
    }
    // A click without a move before it still picks the cell under the pointer.
    const TPickerCell cell = CellAt(event->position().toPoint());
    SelectCell(cell.Col, cell.Row);
    if (cell.Valid())
        emit Picked();
    else
        emit Dismissed();
}
