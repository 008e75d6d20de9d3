#include "ui/VocabGrid.h"

#include "core/GlobalDocument.h"
#include "core/GridRules.h"
#include "evaluation/TextUtils.h"
#include "settings/Settings.h"
#include "ui/QtText.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int DragScrollInterval = 40;
constexpr int DragThreshold = 2;
// Measuring is the slow part of a refresh: a refresh measures this long at most before handing
// the rest to background slices of the same length, so the window never stalls.
constexpr qint64 MeasureBudgetMs = 25;
constexpr int ClockCheckEvery = 64;

// Most vocabulary is plain ASCII, which every code page holds unchanged: skip the converter.
QString FieldString(const TVocabItem& item, int field, int codePage)
{
    const std::string_view text = item.FieldValue(field);
    const bool ascii
        = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return ToQString(text, codePage);
}

QColor FromColourRef(TColour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
        static_cast<int>((colour >> 16) & 0xFF));
}

void DrawPiece(QPainter& painter, QPoint& pen, const QFont& font, const QString& text)
{
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    // The pen marks the top of the line, so pieces in different styles share one top edge.
    painter.drawText(QPoint(pen.x(), pen.y() + metrics.ascent()), text);
    pen.rx() += metrics.horizontalAdvance(text);
}

class TVocabGridDelegate : public QStyledItemDelegate {
public:
    explicit TVocabGridDelegate(TVocabGrid* grid)
        : QStyledItemDelegate(grid)
        , Grid_(grid)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const TVocabFile& document = Document();
        const int row = index.row();
        const bool hasItem = row < document.Count();
        const bool selected = option.state & QStyle::State_Selected;
        const TVocabItem* item = hasItem ? &document.Items(row) : nullptr;

        QColor background = option.palette.color(QPalette::Base);
        QColor text = option.palette.color(QPalette::Text);
        if (selected) {
            background = option.palette.color(QPalette::Highlight);
            text = option.palette.color(QPalette::HighlightedText);
        } else if (item && item->Learnt()) {
            text = FromColourRef(Options.ColourLearnt);
        }

        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, background);
        painter->setPen(text);
        if (item) {
            const int lineHeight = QFontMetrics(Grid_->Fonts().Regular).height();
            QPoint pen(cell.left() + 3, (cell.top() + cell.top() + cell.height() - lineHeight) / 2);
            PaintItemText(*painter, pen, document, *item, true, true, true, true, Grid_->Fonts());
            PaintItemText(*painter, pen, document, *item, false, false, false, false, Grid_->Fonts());
        }

        const QRect frame = cell.adjusted(0, 0, -1, -1);
        if (row == Grid_->CutIndex()) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(text, 1, Qt::DotLine));
            painter->drawRect(frame);
        } else if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(Grid_);
            focus.rect = cell;
            focus.state |= QStyle::State_KeyboardFocusChange;
            focus.backgroundColor = background;
            Grid_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, Grid_);
        }
        if (row == Grid_->DropTargetRow() && hasItem && !selected) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
            painter->drawRect(cell.adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return { Grid_->columnWidth(0), Grid_->RowHeight() };
    }

private:
    TVocabGrid* Grid_;
};

} // namespace

// ---- Model ---------------------------------------------------------------------------------

TVocabGridModel::TVocabGridModel(QObject* parent)
    : QAbstractTableModel(parent)
    , RowCount_(Document().Count() + 1)
{
}

int TVocabGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount_;
}

int TVocabGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant TVocabGridModel::data(const QModelIndex& index, int role) const
{
    const TVocabFile& document = Document();
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.row() >= document.Count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const TVocabItem& item = document.Items(index.row());
    const int foreignPage = LanguageCodePage(document.ForeignLangID());
    const int nativePage = LanguageCodePage(document.NativeLangID());
    QString text = FieldString(item, fiForeign, foreignPage) + QLatin1Char(' ');
    for (int field : { static_cast<int>(fiCategory), static_cast<int>(fiNotes) })
        if (!item.FieldValue(field).empty())
            text += FieldString(item, field, nativePage) + QLatin1Char(' ');
    return text + FieldString(item, fiNative, nativePage);
}

Qt::ItemFlags TVocabGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

// Rows only mean "item i", so a change of count is announced at the end; one signal repaints the
// rest. A full model reset would rebuild every row of the view's header for each edit.
void TVocabGridModel::Reset()
{
    const int wanted = Document().Count() + 1;
    if (wanted > RowCount_) {
        beginInsertRows(QModelIndex(), RowCount_, wanted - 1);
        RowCount_ = wanted;
        endInsertRows();
    } else if (wanted < RowCount_) {
        beginRemoveRows(QModelIndex(), wanted, RowCount_ - 1);
        RowCount_ = wanted;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(RowCount_ - 1, 0), { Qt::DisplayRole });
}

// ---- Item text -----------------------------------------------------------------------------

void PaintItemText(QPainter& painter, QPoint& pen, const TVocabFile& document, const TVocabItem& item,
    bool showNotes, bool showCategory, bool bold, bool foreignSide, const TItemFonts& fonts)
{
    const QFont& font = bold ? fonts.Bold : fonts.Regular;
    const QChar space(u' ');
    const int nativePage = LanguageCodePage(document.NativeLangID());
    if (!foreignSide) {
        DrawPiece(painter, pen, font, FieldString(item, fiNative, nativePage) + space);
        return;
    }
    DrawPiece(
        painter, pen, font, FieldString(item, fiForeign, LanguageCodePage(document.ForeignLangID())) + space);
    if (showCategory && !item.FieldValue(fiCategory).empty())
        DrawPiece(painter, pen, fonts.Italic, FieldString(item, fiCategory, nativePage) + space);
    if (showNotes && !item.FieldValue(fiNotes).empty())
        DrawPiece(painter, pen, fonts.Italic, FieldString(item, fiNotes, nativePage) + space);
}

// ---- Grid ----------------------------------------------------------------------------------

TVocabGrid::TVocabGrid(QWidget* parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("dgVocab"));
    setProperty("Tag", -1);
    Model_ = new TVocabGridModel(this);
    setModel(Model_);
    setItemDelegate(new TVocabGridDelegate(this));

    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(false);
    // Uniform rows: the header never asks the items for their height.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setDragEnabled(false);
    setAcceptDrops(false);

    timDragScroll = new QTimer(this);
    timDragScroll->setObjectName(QStringLiteral("timDragScroll"));
    timDragScroll->setInterval(DragScrollInterval);
    connect(timDragScroll, &QTimer::timeout, this, &TVocabGrid::timDragScrollTimer);

    MeasureTimer_ = new QTimer(this);
    MeasureTimer_->setInterval(0);
    connect(MeasureTimer_, &QTimer::timeout, this, &TVocabGrid::MeasureSlice);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection& selected, const QItemSelection&) { dgVocabSelectCell(selected); });

    ApplyDisplayFont();
    RefreshGrid();
}

bool TVocabGrid::MeasuringWidths() const
{
    return MeasureTimer_->isActive();
}

int TVocabGrid::TopRow() const
{
    return verticalScrollBar()->value();
}

int TVocabGrid::VisibleRows() const
{
    return RowHeight_ > 0 ? viewport()->height() / RowHeight_ : 0;
}

void TVocabGrid::SetTopRow(int row)
{
    verticalScrollBar()->setValue(row);
}

void TVocabGrid::UpdateRow(int row)
{
    if (row >= 0 && row < Model_->rowCount())
        viewport()->update(visualRect(Model_->index(row, 0)));
}

void TVocabGrid::RefreshGrid()
{
    GridUpdating_ = true;
    setUpdatesEnabled(false);

    Model_->Reset();
    UpdateColumnWidth();
    updateGeometries();

    const TVocabFile& document = Document();
    const int current = document.CurrentIndex();
    const int row = current >= 0 && current < document.Count() ? current : document.Count();
    selectionModel()->setCurrentIndex(
        Model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    const int top = TopRow();
    const int visible = std::max(1, VisibleRows());
    if (row < top)
        SetTopRow(row);
    else if (row >= top + visible)
        SetTopRow(row - visible + 1);

    setUpdatesEnabled(true);
    GridUpdating_ = false;
    viewport()->update();
}

int TVocabGrid::MeasureItem(const TVocabFile& document, const TVocabItem& item) const
{
    const QChar space(u' ');
    const int nativePage = LanguageCodePage(document.NativeLangID());
    int width = BoldMetrics_.horizontalAdvance(
                    FieldString(item, fiForeign, LanguageCodePage(document.ForeignLangID())) + space)
        + 6;
    for (int field : { static_cast<int>(fiCategory), static_cast<int>(fiNotes) })
        if (!item.FieldValue(field).empty())
            width += ItalicMetrics_.horizontalAdvance(FieldString(item, field, nativePage) + space);
    width += RegularMetrics_.horizontalAdvance(FieldString(item, fiNative, nativePage));
    return std::max(width, 1);
}

int TVocabGrid::MeasureRow(int index) const
{
    const TVocabFile& document = Document();
    return MeasureItem(document, document.Items(index));
}

// Takes the widest of the cached widths; items not yet measured are measured now as far as the
// time allows, the rest in background slices that widen the column as they go.
void TVocabGrid::UpdateColumnWidth()
{
    MeasureTimer_->stop();
    const TVocabFile& document = Document();
    const TVocabItemList& items = document.ItemList();
    const int count = document.Count();
    QElapsedTimer clock;
    clock.start();
    bool inTime = true;
    int measured = 0;
    int widest = 0;
    MeasureFrom_ = count;
    for (int i = 0; i < count; ++i) {
        TVocabItem& item = *items[static_cast<std::size_t>(i)];
        if (item.DisplayWidth == 0) {
            if (!inTime) {
                MeasureFrom_ = std::min(MeasureFrom_, i);
                continue;
            }
            item.DisplayWidth = MeasureItem(document, item);
            if (++measured % ClockCheckEvery == 0 && clock.elapsed() >= MeasureBudgetMs)
                inTime = false;
        }
        widest = std::max(widest, item.DisplayWidth);
    }
    WidestRow_ = widest;
    ApplyColumnWidth();
    if (MeasureFrom_ < count)
        MeasureTimer_->start();
}

void TVocabGrid::MeasureSlice()
{
    const TVocabFile& document = Document();
    const TVocabItemList& items = document.ItemList();
    const int count = document.Count();
    QElapsedTimer clock;
    clock.start();
    int measured = 0;
    int widest = WidestRow_;
    int i = std::min(MeasureFrom_, count);
    while (i < count) {
        TVocabItem& item = *items[static_cast<std::size_t>(i++)];
        if (item.DisplayWidth == 0) {
            item.DisplayWidth = MeasureItem(document, item);
            if (++measured % ClockCheckEvery == 0 && clock.elapsed() >= MeasureBudgetMs) {
                widest = std::max(widest, item.DisplayWidth);
                break;
            }
        }
        widest = std::max(widest, item.DisplayWidth);
    }
    MeasureFrom_ = i;
    if (i >= count)
        MeasureTimer_->stop();
    if (widest != WidestRow_) {
        WidestRow_ = widest;
        ApplyColumnWidth();
    }
}

void TVocabGrid::ApplyColumnWidth()
{
    const int width = std::max(viewport()->width(), WidestRow_);
    if (columnWidth(0) != width)
        setColumnWidth(0, width);
}

void TVocabGrid::ApplyDisplayFont()
{
    const QString family
        = DisplayFont.Name.empty() ? QStringLiteral("Verdana") : QString::fromStdString(DisplayFont.Name);
    QFont regular(family);
    regular.setPointSize(DisplayFont.Size > 0 ? DisplayFont.Size : 8);
    regular.setBold(false);
    regular.setItalic(false);
    Fonts_.Regular = regular;
    Fonts_.Bold = regular;
    Fonts_.Bold.setBold(true);
    Fonts_.Italic = regular;
    Fonts_.Italic.setItalic(true);
    BoldMetrics_ = QFontMetrics(Fonts_.Bold);
    ItalicMetrics_ = QFontMetrics(Fonts_.Italic);
    RegularMetrics_ = QFontMetrics(Fonts_.Regular);
    setFont(regular);

    RowHeight_ = RegularMetrics_.height() + 6;
    verticalHeader()->setDefaultSectionSize(RowHeight_);

    for (const auto& item : Document().ItemList())
        item->DisplayWidth = 0;
    UpdateColumnWidth();
    viewport()->update();
}

void TVocabGrid::SetCutIndex(int index)
{
    if (index == CutIndex_)
        return;
    const int old = CutIndex_;
    CutIndex_ = index;
    UpdateRow(old);
    UpdateRow(index);
}

void TVocabGrid::ClearCutMark()
{
    SetCutIndex(-1);
}

void TVocabGrid::dgVocabSelectCell(const QItemSelection& selected)
{
    if (GridUpdating_ || selected.isEmpty())
        return;
    TVocabFile& document = Document();
    const int row = selected.first().top();
    document.SetCurrentIndex(row >= document.Count() ? -1 : row);
}

void TVocabGrid::SelectRow(int row)
{
    const QModelIndex index = Model_->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

// The grid always has exactly one selected row: nothing may clear or toggle it away.
QItemSelectionModel::SelectionFlags TVocabGrid::selectionCommand(
    const QModelIndex& index, const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (!index.isValid() || command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void TVocabGrid::keyboardSearch(const QString&) { }

// With whole rows selected, Home and End go to the first and last row.
QModelIndex TVocabGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveHome)
        return Model_->index(0, 0);
    if (cursorAction == MoveEnd)
        return Model_->index(Model_->rowCount() - 1, 0);
    return QTableView::moveCursor(cursorAction, modifiers);
}

void TVocabGrid::keyPressEvent(QKeyEvent* event)
{
    if (DragState_ != dsNone) {
        if (event->key() == Qt::Key_Escape)
            EndDrag();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit ActivateItem();
        return;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && !text.isEmpty() && text.at(0) > QChar(u' ')) {
        event->accept();
        const TVocabFile& document = Document();
        if (document.Count() == 0)
            return;
        bool lost = false;
        const std::string typed = FromQString(text.left(text.at(0).isHighSurrogate() ? 2 : 1),
            LanguageCodePage(document.ForeignLangID()), &lost);
        if (lost || typed.size() != 1)
            return;
        const std::int32_t row = TypeAheadIndex(document, typed[0]);
        if (row >= 0)
            SelectRow(row);
        return;
    }
    QTableView::keyPressEvent(event);
}

void TVocabGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTableView::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    // The press before a double click selects; make sure the activated row is the one clicked.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && !selectionModel()->isRowSelected(index.row(), QModelIndex()))
        SelectRow(index.row());
    emit ActivateItem();
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
    return row >= 0 && row < Document().Count() && selectionModel()->isRowSelected(row, QModelIndex());
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
    TVocabFile& document = Document();
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
    const bool refused = target < 0 || target >= Document().Count();
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

void TVocabGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    ApplyColumnWidth();
}
