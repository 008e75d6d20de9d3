#pragma once
// The grid that shows the document's items, one per row, with a blank last row.

#include "core/VocabFile.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QFontMetrics>
#include <QTableView>

class QPainter;
class QTimer;

// One column, Count + 1 rows; reads the global document on every call, so it never holds it.
class TVocabGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TVocabGridModel(QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // After any change of the document (or a new document).
    void Reset();

private:
    // The rows the views were told about; only Reset changes it, so the model stays consistent
    // with its announcements while the document changes underneath.
    int RowCount_ = 1;
};

// Draws an item's text at the pen position and moves the pen to where it ended (one line).
// The fonts are the display font in bold, italic and regular style.
struct TItemFonts {
    QFont Bold, Italic, Regular;
};
void PaintItemText(QPainter& painter, QPoint& pen, const TVocabFile& document, const TVocabItem& item,
    bool showNotes, bool showCategory, bool bold, bool foreignSide, const TItemFonts& fonts);

class TVocabGrid : public QTableView {
    Q_OBJECT
public:
    explicit TVocabGrid(QWidget* parent = nullptr);
    TVocabGridModel* Model() const { return Model_; }

    // Rebuilds the grid from the document: row count, column width, selection to CurrentIndex.
    void RefreshGrid();
    void UpdateColumnWidth();
    // Puts the DisplayFont setting on the grid and forgets every measured width.
    void ApplyDisplayFont();
    int MeasureRow(int index) const;
    const TItemFonts& Fonts() const { return Fonts_; }

    int CutIndex() const { return CutIndex_; }
    void SetCutIndex(int index);
    void ClearCutMark();
    int DropTargetRow() const { return DropTargetRow_; }
    bool GridUpdating() const { return GridUpdating_; }
    // Foreign-language control for keyboard-layout switching.
    int Tag() const { return -1; }
    // A row is being dragged (the pointer moved far enough).
    bool Dragging() const { return DragState_ == dsActive; }
    // Items whose widths are still measured in the background.
    bool MeasuringWidths() const;
    int RowHeight() const { return RowHeight_; }
    int TopRow() const;
    // Rows fully visible in the grid.
    int VisibleRows() const;

signals:
    // Double click or Enter: the main window runs Edit, or Add on the blank row.
    void ActivateItem();
    // A drop moved the current item (one undo step was recorded).
    void ItemMoved();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    enum TDragState { dsNone, dsWaiting, dsActive };

    void dgVocabSelectCell(const QItemSelection& selected);
    void timDragScrollTimer();
    void MeasureSlice();
    void ApplyColumnWidth();
    void SelectRow(int row);
    void SetTopRow(int row);
    void UpdateRow(int row);
    bool CanStartDrag(QPoint pos) const;
    int DropRowAt(QPoint pos) const;
    void DragOver(QPoint pos);
    void SetDropTarget(int row);
    void EndDrag();
    int MeasureItem(const TVocabFile& document, const TVocabItem& item) const;

    TVocabGridModel* Model_ = nullptr;
    TItemFonts Fonts_;
    QFontMetrics BoldMetrics_ { QFont() };
    QFontMetrics ItalicMetrics_ { QFont() };
    QFontMetrics RegularMetrics_ { QFont() };
    int RowHeight_ = 0;
    int CutIndex_ = -1;
    int DropTargetRow_ = -1;
    bool GridUpdating_ = false;
    QTimer* timDragScroll = nullptr;
    int DragScrollDirection_ = 0; // the timer's tag: -1 up, +1 down
    TDragState DragState_ = dsNone;
    QPoint DragOrigin_;
    QTimer* MeasureTimer_ = nullptr;
    int MeasureFrom_ = 0; // the first item the background measuring has not looked at
    int WidestRow_ = 0;
};
