#pragma once
// The grid's item model: one column, Count + 1 rows, the last one blank.

#include "core/GridRules.h"
#include "core/VocabFile.h"
#include "settings/Session.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// Reads the session's document on every call, so it never holds it.
class TVocabGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TVocabGridModel(TSession& session, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The tool tip of an item's row; empty for none.
    void SetToolTips(std::function<QString(int row)> toolTips) { ToolTips_ = std::move(toolTips); }
    // After any change of the document (or a new document).
    void Reset();
    // The row with the cut mark, -1 for none: a screen reader hears of it.
    void SetCutRow(int row) { CutRow_ = row; }

    // The pixel width the grid measured for the item on the row, or 0 when it has not measured
    // the item's present texts.
    int MeasuredWidth(int row) const;
    void SetMeasuredWidth(int row, int width);
    // The same right after AlignWidths, for a row of the document, without looking at its item.
    int AlignedWidth(int row) const { return Widths_[static_cast<std::size_t>(row)].Width; }
    // Moves the measured widths to the rows their items stand on now (following the list's row
    // changes when it knows them); forgets them all when the code pages are not those they were
    // measured with.
    void AlignWidths(int foreignPage, int nativePage);
    // Another font: every width is measured anew.
    void ForgetWidths();

private:
    struct TMeasured {
        TTextStamp Stamp = 0; // of the texts measured
        int Width = 0;
    };

    TSession& Session_;
    std::function<QString(int row)> ToolTips_;
    // By row, as the last alignment found them: 8 bytes an item, not a node of a hash map.
    std::vector<TMeasured> Widths_;
    bool FollowRows();
    std::uint64_t WidthsRevision_ = 0; // of the list the rows of Widths_ are of
    int WidthsForeignPage_ = -1;
    int WidthsNativePage_ = -1;
    // The rows the views were told about; only Reset changes it, so the model stays consistent
    // with its announcements while the document changes underneath.
    int RowCount_ = 1;
    int CutRow_ = -1;
};

// A field of an item as the grid shows, paints and measures it.
QString GridFieldText(const TVocabItem& item, int field, int codePage);
// The fields, each in its language's code page, with the separator between them.
QString ShownFieldsText(
    const TVocabFile& document, const TVocabItem& item, const TShownFields& fields, QStringView separator);
// A row's text: the word/phrase, its part of speech and notes, then the translations.
QString RowText(const TVocabFile& document, const TVocabItem& item, QStringView separator);
