#pragma once
// The grid that shows the document's items, one per row, with a blank last row.

#include "core/VocabFile.h"
#include "settings/Session.h"
#include "ui/VocabGridModel.h"
#include "ui/VocabGridPaint.h"

#include <QFontMetrics>
#include <QTableView>

class QTimer;

class TVocabGrid : public QTableView {
    Q_OBJECT
public:
    // Shows the session's document, whichever document it holds at the time.
    explicit TVocabGrid(TSession& session, QWidget* parent = nullptr);
    TVocabGridModel* Model() const { return Model_; }
    TSession& Session() const { return Session_; }

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
    // Background measuring waits while held: the window's turns go to work the learner waits for
    // (the due count's copy of the list), and a column widening later costs nothing.
    void HoldMeasuring(bool hold) { MeasuringHeld_ = hold; }
    // Until the grid is first painted, a refresh measures only the rows a screen can show: the
    // rest follows the first picture instead of holding it up.
    void MeasureFirstScreenFirst();
    int RowHeight() const { return RowHeight_; }
    int TopRow() const;
    // Rows fully visible in the grid.
    int VisibleRows() const;

signals:
    // Double click or Enter: the main window runs Edit, or Add on the blank row.
    void ActivateItem();
    // A drop moved the current item (one undo step was recorded).
    void ItemMoved();
    // The cut mark was set or removed (Paste changes its meaning).
    void CutMarkChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

private:
    enum TDragState { dsNone, dsWaiting, dsActive };

    void dgVocabSelectCell(const QItemSelection& selected);
    void SelectRow(int row);
    void SetTopRow(int row);
    void UpdateRow(int row);
    // VocabGridMeasure.cpp
    void SetUpMeasuring();
    void MeasureSlice();
    void ApplyColumnWidth();
    int MeasureItem(const TVocabFile& document, const TVocabItem& item) const;
    // VocabGridDrag.cpp
    void SetUpDrag();
    void timDragScrollTimer();
    bool CanStartDrag(QPoint pos) const;
    int DropRowAt(QPoint pos) const;
    void DragOver(QPoint pos);
    void SetDropTarget(int row);
    void EndDrag();

    TSession& Session_;
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
    bool MeasuringHeld_ = false;
    bool FirstScreenOnly_ = false;
    void EndFirstScreen();
};
