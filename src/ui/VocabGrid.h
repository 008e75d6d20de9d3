#pragma once
// The grid that shows the document's items, one per row, with a blank last row.

#include "core/VocabFile.h"

#include <QAbstractTableModel>
#include <QFont>
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

signals:
    // Double click or Enter: the main window runs Edit, or Add on the blank row.
    void ActivateItem();
    // A drop moved the current item (one undo step was recorded).
    void ItemMoved();

private:
    TVocabGridModel* Model_ = nullptr;
    TItemFonts Fonts_;
    int CutIndex_ = -1;
    int DropTargetRow_ = -1;
    bool GridUpdating_ = false;
};
