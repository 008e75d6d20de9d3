#pragma once
// The grid's item model: one column, Count + 1 rows, the last one blank.

#include "core/VocabFile.h"
#include "settings/Session.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <unordered_map>

// Reads the session's document on every call, so it never holds it.
class TVocabGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TVocabGridModel(TSession& session, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // After any change of the document (or a new document).
    void Reset();

    // The pixel width the grid measured for the item's present texts, or 0 when it has not.
    int MeasuredWidth(const TVocabItem& item) const;
    void SetMeasuredWidth(const TVocabItem& item, int width);
    // Forgets every measured width: another font, or other code pages than the widths were
    // measured with.
    void ForgetWidths();
    void KeepWidthsOfCodePages(int foreignPage, int nativePage);
    // Drops the widths of texts the document no longer holds, once they outnumber its items.
    void PruneWidths();

private:
    TSession& Session_;
    // By TVocabItem::TextStamp, so a width follows its item through sorts, moves and undo.
    std::unordered_map<std::uint64_t, int> Widths_;
    int WidthsForeignPage_ = -1;
    int WidthsNativePage_ = -1;
    // The rows the views were told about; only Reset changes it, so the model stays consistent
    // with its announcements while the document changes underneath.
    int RowCount_ = 1;
};

// A field of an item as the grid shows, paints and measures it.
QString GridFieldText(const TVocabItem& item, int field, int codePage);
