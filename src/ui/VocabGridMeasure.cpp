// The grid's display font and the row widths measured with it: cached per item, measured within a
// time budget on a refresh and in background slices after it.

#include "evaluation/TextUtils.h"
#include "settings/Settings.h"
#include "ui/VocabGrid.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QTimer>
#include <algorithm>

namespace {

// Measuring is the slow part of a refresh: a refresh measures this long at most before handing
// the rest to background slices, short so that a key waits little behind one, and work of other
// slices (the due count's copy) gets its turn.
constexpr qint64 MeasureBudgetMs = 25;
constexpr qint64 MeasureSliceMs = 8;
// While slices still measure a list, a refresh (each edit, each move) measures only this long:
// they go on with the rest.
constexpr qint64 MeasureWhileSlicingMs = 2;
constexpr int ClockCheckEvery = 64;

} // namespace

void TVocabGrid::SetUpMeasuring()
{
    MeasureTimer_ = new QTimer(this);
    MeasureTimer_->setInterval(0);
    connect(MeasureTimer_, &QTimer::timeout, this, &TVocabGrid::MeasureSlice);
}

bool TVocabGrid::MeasuringWidths() const
{
    return MeasureTimer_->isActive();
}

int TVocabGrid::MeasureItem(const TVocabFile& document, const TVocabItem& item) const
{
    const QChar space(u' ');
    const int nativePage = LanguageCodePage(document.NativeLangID());
    int width = BoldMetrics_.horizontalAdvance(
                    GridFieldText(item, fiForeign, LanguageCodePage(document.ForeignLangID())) + space)
        + 6;
    for (int field : { static_cast<int>(fiCategory), static_cast<int>(fiNotes) })
        if (!item.FieldValue(field).empty())
            width += ItalicMetrics_.horizontalAdvance(GridFieldText(item, field, nativePage) + space);
    width += RegularMetrics_.horizontalAdvance(GridFieldText(item, fiNative, nativePage));
    return std::max(width, 1);
}

int TVocabGrid::MeasureRow(int index) const
{
    const TVocabFile& document = Session_.Document();
    return MeasureItem(document, document.Items(index));
}

// Takes the widest of the cached widths; items not yet measured are measured now as far as the
// time allows, the rest in background slices that widen the column as they go.
void TVocabGrid::UpdateColumnWidth()
{
    const qint64 budget = MeasuringWidths() ? MeasureWhileSlicingMs : MeasureBudgetMs;
    MeasureTimer_->stop();
    const TVocabFile& document = Session_.Document();
    const TVocabItemList& items = document.ItemList();
    const int count = document.Count();
    Model_->AlignWidths(
        LanguageCodePage(document.ForeignLangID()), LanguageCodePage(document.NativeLangID()));
    QElapsedTimer clock;
    clock.start();
    bool inTime = true;
    int measured = 0;
    int widest = 0;
    MeasureFrom_ = count;
    const int firstScreenEnd
        = FirstScreenOnly_ ? TopRow() + window()->height() / std::max(RowHeight_, 1) + 1 : count;
    for (int i = 0; i < count; ++i) {
        int width = Model_->AlignedWidth(i);
        if (width == 0) {
            if (!inTime || i >= firstScreenEnd) {
                MeasureFrom_ = std::min(MeasureFrom_, i);
                continue;
            }
            width = MeasureItem(document, *items[static_cast<std::size_t>(i)]);
            Model_->SetMeasuredWidth(i, width);
            if (++measured % ClockCheckEvery == 0 && clock.elapsed() >= budget)
                inTime = false;
        }
        widest = std::max(widest, width);
    }
    WidestRow_ = widest;
    ApplyColumnWidth();
    if (MeasureFrom_ < count && !FirstScreenOnly_)
        MeasureTimer_->start();
}

void TVocabGrid::MeasureFirstScreenFirst()
{
    FirstScreenOnly_ = true;
    // A grid that is never painted (a list printed from the command line) measures all the same.
    QTimer::singleShot(500, this, [this] { EndFirstScreen(); });
}

void TVocabGrid::EndFirstScreen()
{
    if (!FirstScreenOnly_)
        return;
    FirstScreenOnly_ = false;
    if (MeasureFrom_ < Session_.Document().Count())
        MeasureTimer_->start();
}

void TVocabGrid::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    EndFirstScreen();
}

void TVocabGrid::MeasureSlice()
{
    if (MeasuringHeld_)
        return;
    const TVocabFile& document = Session_.Document();
    const TVocabItemList& items = document.ItemList();
    const int count = document.Count();
    QElapsedTimer clock;
    clock.start();
    int measured = 0;
    int widest = WidestRow_;
    int i = std::min(MeasureFrom_, count);
    while (i < count) {
        const int row = i++;
        int width = Model_->MeasuredWidth(row);
        if (width == 0) {
            width = MeasureItem(document, *items[static_cast<std::size_t>(row)]);
            Model_->SetMeasuredWidth(row, width);
            if (++measured % ClockCheckEvery == 0 && clock.elapsed() >= MeasureSliceMs) {
                widest = std::max(widest, width);
                break;
            }
        }
        widest = std::max(widest, width);
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
    const QString family = Session_.Settings.DisplayFont.Name.empty()
        ? QStringLiteral("Verdana")
        : QString::fromStdString(Session_.Settings.DisplayFont.Name);
    QFont regular(family);
    regular.setPointSize(Session_.Settings.DisplayFont.Size > 0 ? Session_.Settings.DisplayFont.Size : 8);
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

    Model_->ForgetWidths();
    UpdateColumnWidth();
    viewport()->update();
}
