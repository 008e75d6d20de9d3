// Dragging a row to move its item: the drag states, the drop indicator and the scrolling past
// the grid's edges.

#include "ui/VocabGrid.h"

#include <QMouseEvent>
#include <QTimer>
#include <cstdlib>

namespace {

constexpr int DragScrollInterval = 40;
constexpr int DragThreshold = 2;

} // namespace

void TVocabGrid::SetUpDrag()
{
    timDragScroll = new QTimer(this);
    timDragScroll->setObjectName(QStringLiteral("timDragScroll"));
    timDragScroll->setInterval(DragScrollInterval);
    connect(timDragScroll, &QTimer::timeout, this, &TVocabGrid::timDragScrollTimer);
}

void TVocabGrid::mousePressEvent(QMouseEvent* event)
{
    // A release that never arrived must not leave a drag behind.
    if (DragState_ != dsNone)
        EndDrag();
    QTableView::mousePressEvent(event);
}

bool TVocabGrid::CanStartDrag(QPoint pos) const
{
    if (Model_->rowCount() < 3)
        return false;
    const int row = rowAt(pos.y());
    return row >= 0 && row < Session_.Document().Count()
        && selectionModel()->isRowSelected(row, QModelIndex());
}

void TVocabGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (DragState_ == dsNone) {
        if (event->buttons() != Qt::NoButton && CanStartDrag(pos)) {
            ClearCutMark();
            DropTargetRow_ = -1;
            DragState_ = dsWaiting;
            DragOrigin_ = pos;
            event->accept();
            return;
        }
        QTableView::mouseMoveEvent(event);
        return;
    }
    event->accept();
    if (DragState_ == dsWaiting) {
        if (std::abs(pos.x() - DragOrigin_.x()) < DragThreshold
            && std::abs(pos.y() - DragOrigin_.y()) < DragThreshold)
            return;
        DragState_ = dsActive;
    }
    DragOver(pos);
}

void TVocabGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (DragState_ != dsActive) {
        DragState_ = dsNone;
        QTableView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    const int target = DropRowAt(event->position().toPoint());
    EndDrag();
    TVocabFile& document = Session_.Document();
    const int current = document.CurrentIndex();
    if (target < 0 || target >= document.Count() || current < 0 || target == current)
        return;
    document.MoveCurrent(target);
    RefreshGrid();
    emit ItemMoved();
}

// Only rows fully visible can take a drop; the row below them is half hidden and refused.
int TVocabGrid::DropRowAt(QPoint pos) const
{
    if (RowHeight_ <= 0 || !viewport()->rect().contains(pos))
        return -1;
    const int lastY = VisibleRows() * RowHeight_ - 1;
    if (pos.y() > lastY)
        return -1;
    return rowAt(pos.y());
}

void TVocabGrid::DragOver(QPoint pos)
{
    const int lastY = VisibleRows() * RowHeight_ - 1;
    DragScrollDirection_ = pos.y() < 0 ? -1 : pos.y() > lastY ? 1 : 0;
    if (DragScrollDirection_ == 0)
        timDragScroll->stop();
    else if (!timDragScroll->isActive())
        timDragScroll->start();

    const int target = DropRowAt(pos);
    const bool refused = target < 0 || target >= Session_.Document().Count();
    viewport()->setCursor(refused ? Qt::ForbiddenCursor : Qt::DragMoveCursor);
    SetDropTarget(target);
}

void TVocabGrid::SetDropTarget(int row)
{
    if (row == DropTargetRow_)
        return;
    const int old = DropTargetRow_;
    DropTargetRow_ = row;
    UpdateRow(old);
    UpdateRow(row);
}

void TVocabGrid::timDragScrollTimer()
{
    const int direction = DragScrollDirection_;
    const int top = TopRow();
    if ((direction == 1 && top < Model_->rowCount() - VisibleRows()) || (direction == -1 && top >= 1)) {
        // The indicator belongs to the old scroll position; the next pointer move draws it again.
        DropTargetRow_ = -1;
        SetTopRow(top + direction);
        viewport()->repaint();
    }
}

void TVocabGrid::EndDrag()
{
    timDragScroll->stop();
    DragScrollDirection_ = 0;
    DragState_ = dsNone;
    SetDropTarget(-1);
    viewport()->unsetCursor();
    setState(QAbstractItemView::NoState);
}
