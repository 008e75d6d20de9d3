#include "ui/VocabGridPaint.h"

#include "evaluation/TextUtils.h"
#include "qtsupport/ColourTheme.h"
#include "ui/VocabGrid.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <tuple>

namespace {

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
        const TVocabFile& document = Grid_->Session().Document();
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
            // The learnt colour as chosen while it reads on the grid, else lightened or darkened.
            text = LearntColour(Grid_->Session().Settings.Options.ColourLearnt, background);
        }

        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, background);
        if (option.state & QStyle::State_HasFocus && row != Grid_->CutIndex()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(Grid_);
            focus.rect = cell;
            focus.state |= QStyle::State_KeyboardFocusChange;
            focus.backgroundColor = background;
            Grid_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, Grid_);
            // Only its outline: a style's tinted inside would take from the text's contrast.
            painter->fillRect(cell.adjusted(2, 2, -2, -2), background);
        }
        painter->setPen(text);
        if (item) {
            const int lineHeight = QFontMetrics(Grid_->Fonts().Regular).height();
            QPoint pen(cell.left() + 3, (cell.top() + cell.top() + cell.height() - lineHeight) / 2);
            PaintItemText(*painter, pen, document, *item,
                { .ForeignSide = true, .ShowNotes = true, .ShowCategory = true, .Bold = true },
                Grid_->Fonts());
            PaintItemText(*painter, pen, document, *item, { .ForeignSide = false }, Grid_->Fonts());
        }

        const QRect frame = cell.adjusted(0, 0, -1, -1);
        if (row == Grid_->CutIndex()) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(text, 1, Qt::DotLine));
            painter->drawRect(frame);
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
    // Found by halving for a colour that does not read: once per colour and background, not per row.
    QColor LearntColour(TColour chosen, const QColor& background) const
    {
        if (chosen != LearntChosen_ || background != LearntOn_)
            std::tie(LearntChosen_, LearntOn_, Learnt_)
                = std::tuple(chosen, background, ReadableColour(chosen, background));
        return Learnt_;
    }

    TVocabGrid* Grid_;
    mutable TColour LearntChosen_ = 0;
    mutable QColor LearntOn_, Learnt_;
};

} // namespace

void PaintItemText(QPainter& painter, QPoint& pen, const TVocabFile& document, const TVocabItem& item,
    const TItemTextParts& parts, const TItemFonts& fonts)
{
    const int foreignPage = LanguageCodePage(document.ForeignLangID());
    const int nativePage = LanguageCodePage(document.NativeLangID());
    for (const int field : ShownFields(item, parts.ForeignSide, parts.ShowCategory, parts.ShowNotes)) {
        // The part of speech and the notes stand beside the word in italics.
        const bool side = field == fiForeign || field == fiNative;
        const QFont& font = !side ? fonts.Italic : parts.Bold ? fonts.Bold : fonts.Regular;
        DrawPiece(painter, pen, font,
            GridFieldText(item, field, field == fiForeign ? foreignPage : nativePage) + QChar(u' '));
    }
}

QAbstractItemDelegate* NewVocabGridDelegate(TVocabGrid* grid)
{
    return new TVocabGridDelegate(grid);
}
