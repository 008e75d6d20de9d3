// The grid: construction, refresh, selection, keys and the cut mark. The item model, the row
// painting, the width measuring and dragging have files of their own (VocabGrid*.cpp).

#include "ui/VocabGrid.h"

#include "core/GridRules.h"
#include "evaluation/TextUtils.h"
#include "ui/QtText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

TVocabGrid::TVocabGrid(TSession& session, QWidget* parent)
    : QTableView(parent)
    , Session_(session)
{
    setObjectName(QStringLiteral("dgVocab"));
    setAccessibleName(tr("Vocabulary list"));
    setProperty("Tag", -1);
    // Hidden before the model comes: a shown header would measure its sections in a bold font
    // that nothing ever paints, loading it at start-up for nothing.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    Model_ = new TVocabGridModel(Session_, this);
    setModel(Model_);
    setItemDelegate(NewVocabGridDelegate(this));

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

    SetUpDrag();
    SetUpMeasuring();

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection& selected, const QItemSelection&) { dgVocabSelectCell(selected); });

    ApplyDisplayFont();
    RefreshGrid();
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

    const TVocabFile& document = Session_.Document();
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

void TVocabGrid::SetCutIndex(int index)
{
    if (index == CutIndex_)
        return;
    const int old = CutIndex_;
    CutIndex_ = index;
    Model_->SetCutRow(index);
    UpdateRow(old);
    UpdateRow(index);
    emit CutMarkChanged();
}

void TVocabGrid::ClearCutMark()
{
    SetCutIndex(-1);
}

void TVocabGrid::dgVocabSelectCell(const QItemSelection& selected)
{
    if (GridUpdating_ || selected.isEmpty())
        return;
    TVocabFile& document = Session_.Document();
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
        const TVocabFile& document = Session_.Document();
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

void TVocabGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    ApplyColumnWidth();
}
