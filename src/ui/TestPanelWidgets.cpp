// The test panel's own widgets: the painted question, its panel, and the choice list with the
// panel beneath it.

#include "evaluation/TextUtils.h"
#include "ui/QtText.h"
#include "ui/TestPanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const TVocabItem* ItemOf(const QListWidgetItem* entry)
{
    return entry ? reinterpret_cast<const TVocabItem*>(entry->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

// Draws an entry as the item's text, in the list's entry colour.
class TChoiceDelegate : public QStyledItemDelegate {
public:
    explicit TChoiceDelegate(TChoiceList* list)
        : QStyledItemDelegate(list)
        , List_(list)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const TVocabItem* item = List_->ItemAt(index.row());
        const bool selected = (option.state & QStyle::State_Selected) && List_->isEnabled();
        painter->save();
        painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        TTestEngine* engine = List_->Engine();
        if (item && engine && List_->Fonts()) {
            painter->setPen(
                selected ? option.palette.color(QPalette::HighlightedText) : List_->EntryColour());
            const QFontMetrics metrics(List_->Fonts()->Regular);
            const int xHeight = metrics.height();
            QPoint pen(option.rect.left() + 4, (option.rect.top() + option.rect.bottom() + 1 - xHeight) / 2);
            painter->setClipRect(option.rect);
            // While the choice is open each entry shows the number key that answers with it.
            if (List_->isEnabled()) {
                const int column
                    = metrics.horizontalAdvance(QStringLiteral("9.")) + metrics.averageCharWidth();
                if (index.row() < 9) {
                    painter->save();
                    painter->setFont(List_->Fonts()->Regular);
                    painter->setPen(option.palette.color(
                        selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
                    painter->drawText(QRect(pen.x(), pen.y(), column, xHeight), Qt::AlignLeft | Qt::AlignTop,
                        QStringLiteral("%1.").arg(index.row() + 1));
                    painter->restore();
                }
                pen.rx() += column;
            }
            PaintItemText(*painter, pen, engine->Document(), *item,
                { .ForeignSide = engine->TestMode() == 1, .ShowNotes = true }, *List_->Fonts());
        }
        // The entry the keys move from must be visible without a mouse.
        if ((option.state & QStyle::State_HasFocus) && List_->isEnabled()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(List_);
            focus.rect = option.rect.adjusted(1, 1, -1, -1);
            focus.backgroundColor = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
            List_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, List_);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), List_->ItemHeight());
    }

private:
    TChoiceList* List_;
};

} // namespace

// ---- Question ------------------------------------------------------------------------------

TQuestionBox::TQuestionBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pbQuestion"));
    setEnabled(false);
}

void TQuestionBox::SetQuestion(const TVocabFile* document, const TQuestionView* view, const TItemFonts* fonts)
{
    Document_ = document;
    View_ = view;
    Fonts_ = fonts;
    update();
}

void TQuestionBox::paintEvent(QPaintEvent*)
{
    if (!Document_ || !View_ || !View_->Item || !Fonts_)
        return;
    QPainter painter(this);
    // Painted in the enabled text colour: the box is disabled only to pass clicks on.
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    QPoint pen(TestPanelMargin, (height() - QFontMetrics(Fonts_->Bold).height()) / 2);
    PaintItemText(painter, pen, *Document_, *View_->Item,
        { .ForeignSide = View_->QuestionForeignSide, .ShowNotes = View_->QuestionShowsNotes, .Bold = true },
        *Fonts_);
}

void TQuestionPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit DoubleClicked();
    event->accept();
}

void TQuestionPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

// ---- Choice list ---------------------------------------------------------------------------

TChoiceList::TChoiceList(QWidget* parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("lbChoice"));
    setItemDelegate(new TChoiceDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    EntryColour_ = palette().color(QPalette::Text);
}

const TVocabItem* TChoiceList::ItemAt(int row) const
{
    return ItemOf(item(row));
}

int TChoiceList::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void TChoiceList::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const std::int32_t numbered = plain && text.size() == 1 && text.front().unicode() < 0x80
        ? TTestEngine::ChoiceForNumberKey(static_cast<char>(text.front().unicode()), count())
        : -1;
    if (numbered >= 0 && Engine_ && !Engine_->Answered()) {
        // The number answers at once, as a click on its entry does.
        if (Engine_->AnswerKeyAccepted(event->isAutoRepeat())) {
            setCurrentRow(numbered, QItemSelectionModel::ClearAndSelect);
            emit EntryClicked();
        }
        event->accept();
        return;
    }
    const bool letter = plain && !text.isEmpty() && text.front().isPrint();
    if (letter && Engine_ && Engine_->TypeAheadApplies()) {
        const std::string typed
            = FromQString(text.left(1), LanguageCodePage(Engine_->Document().ForeignLangID()));
        TVocabItemArray entries;
        for (int i = 0; i < count(); ++i)
            entries.push_back(const_cast<TVocabItem*>(ItemAt(i)));
        const std::int32_t target
            = typed.empty() ? -1 : Engine_->ChoiceTypeAhead(entries, SelectedRow(), typed.front());
        if (target >= 0)
            setCurrentRow(target, QItemSelectionModel::ClearAndSelect);
        // The letter is used up either way.
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TChoiceList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    // The second click of a double-click on the last list belongs to that answer, as a quick
    // second Return does.
    const bool belongsHere = !Engine_ || Engine_->Answered() || Engine_->AnswerKeyAccepted(false);
    if (event->button() == Qt::LeftButton && SelectedRow() != -1 && belongsHere)
        emit EntryClicked();
}

void TChoiceList::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // Nothing is chosen until the user chooses: the first arrow key then selects the first entry.
    if (SelectedRow() == -1)
        selectionModel()->clearCurrentIndex();
}

void TChoicePanel::mouseReleaseEvent(QMouseEvent* event)
{
    emit Released(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}
