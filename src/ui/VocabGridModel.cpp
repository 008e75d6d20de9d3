#include "ui/VocabGridModel.h"

#include "evaluation/TextUtils.h"
#include "ui/QtText.h"

#include <QStringList>
#include <algorithm>
#include <limits>

// Most vocabulary is plain ASCII, which every code page holds unchanged: skip the converter.
QString GridFieldText(const TVocabItem& item, int field, int codePage)
{
    const std::string_view text = item.FieldValue(field);
    const bool ascii
        = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    return ToQString(text, codePage);
}

QString ShownFieldsText(
    const TVocabFile& document, const TVocabItem& item, const TShownFields& fields, QStringView separator)
{
    QString text;
    for (const int field : fields) {
        if (field != *fields.begin())
            text += separator;
        text += GridFieldText(item, field,
            LanguageCodePage(field == fiForeign ? document.ForeignLangID() : document.NativeLangID()));
    }
    return text;
}

QString RowText(const TVocabFile& document, const TVocabItem& item, QStringView separator)
{
    const QString word = ShownFieldsText(document, item, ShownFields(item, true, true, true), separator);
    if (item.FieldValue(fiNative).empty())
        return word;
    return word + separator.toString()
        + ShownFieldsText(document, item, ShownFields(item, false, false, false), separator);
}

TVocabGridModel::TVocabGridModel(TSession& session, QObject* parent)
    : QAbstractTableModel(parent)
    , Session_(session)
    , RowCount_(Session_.Document().Count() + 1)
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
    const TVocabFile& document = Session_.Document();
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.row() >= document.Count())
        return role == Qt::AccessibleTextRole ? QVariant(tr("Blank row (Enter adds an item)")) : QVariant();
    if (role == Qt::ToolTipRole) {
        const QString tip = ToolTips_ ? ToolTips_(index.row()) : QString();
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    const TVocabItem& item = document.Items(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return RowText(document, item, u" ");
    // A screen reader pauses between the fields and says what only colours and frames show.
    case Qt::AccessibleTextRole:
        return RowText(document, item, u", ");
    case Qt::AccessibleDescriptionRole: {
        QStringList states;
        if (item.Learnt())
            states.push_back(tr("learnt"));
        if (index.row() == CutRow_)
            states.push_back(tr("cut"));
        return states.isEmpty() ? QVariant() : QVariant(states.join(QStringLiteral(", ")));
    }
    default:
        return {};
    }
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
    const int wanted = Session_.Document().Count() + 1;
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

int TVocabGridModel::MeasuredWidth(int row) const
{
    const TVocabItemList& items = Session_.Document().ItemList();
    if (row < 0 || static_cast<std::size_t>(row) >= std::min(items.size(), Widths_.size()))
        return 0;
    const TMeasured& measured = Widths_[static_cast<std::size_t>(row)];
    return measured.Stamp == items[static_cast<std::size_t>(row)]->TextStamp() ? measured.Width : 0;
}

void TVocabGridModel::SetMeasuredWidth(int row, int width)
{
    const TVocabItemList& items = Session_.Document().ItemList();
    if (row >= 0 && static_cast<std::size_t>(row) < std::min(items.size(), Widths_.size()))
        Widths_[static_cast<std::size_t>(row)] = { items[static_cast<std::size_t>(row)]->TextStamp(), width };
}

void TVocabGridModel::ForgetWidths()
{
    Widths_.clear();
}

// The rows an edit replaced lose their widths, the others move with their items: no item is looked
// at, which at a million items is what keeps a key quick.
bool TVocabGridModel::FollowRows()
{
    const TVocabFile& document = Session_.Document();
    const std::optional<std::vector<TRowChange>> changes = document.RowChangesSince(WidthsRevision_);
    return changes && FollowRowChanges<TMeasured>(Widths_, *changes)
        && Widths_.size() == document.ItemList().size();
}

void TVocabGridModel::AlignWidths(int foreignPage, int nativePage)
{
    if (foreignPage != WidthsForeignPage_ || nativePage != WidthsNativePage_)
        ForgetWidths();
    WidthsForeignPage_ = foreignPage;
    WidthsNativePage_ = nativePage;
    const bool followed = FollowRows();
    WidthsRevision_ = Session_.Document().Revision();
    if (followed)
        return;
    // An edit adds, removes or moves a few rows: the rest follow in their old order, so each is
    // looked for near where the last one was found.
    constexpr std::ptrdiff_t Near = 16;
    constexpr std::size_t FewMissed = 64;
    const TVocabItemList& items = Session_.Document().ItemList();
    // Most refreshes follow a change of a few rows or of none: the rows before it stay as they are.
    std::size_t same = 0;
    while (same < std::min(items.size(), Widths_.size()) && Widths_[same].Stamp == items[same]->TextStamp())
        ++same;
    if (same == items.size() && same == Widths_.size())
        return;
    std::vector<TMeasured> old = std::move(Widths_);
    Widths_.assign(items.size(), {});
    std::copy_n(old.begin(), same, Widths_.begin());
    std::vector<std::pair<TTextStamp, std::size_t>> missed; // stamp and row
    auto next = static_cast<std::ptrdiff_t>(same);
    const auto oldCount = static_cast<std::ptrdiff_t>(old.size());
    for (std::size_t row = same; row < items.size() && oldCount > 0; ++row) {
        const TTextStamp stamp = items[row]->TextStamp();
        std::ptrdiff_t at = next < oldCount && old[static_cast<std::size_t>(next)].Stamp == stamp ? next : -1;
        for (std::ptrdiff_t k = std::max<std::ptrdiff_t>(0, next - Near);
             at < 0 && missed.size() < FewMissed && k < std::min(oldCount, next + Near); ++k) {
            if (old[static_cast<std::size_t>(k)].Stamp == stamp)
                at = k;
        }
        if (at < 0) {
            missed.emplace_back(stamp, row);
            continue;
        }
        Widths_[row] = old[static_cast<std::size_t>(at)];
        next = at + 1;
    }
    // A few new rows are simply measured. A sort or shuffle moves every row: their widths are
    // looked up by stamp, in a table when the stamps lie close together (a loaded list takes
    // them one after another), else in both lists put in stamp order.
    if (missed.size() <= FewMissed)
        return;
    TTextStamp low = std::numeric_limits<TTextStamp>::max(), high = 0;
    for (const TMeasured& measured : old) {
        if (measured.Width != 0) {
            low = std::min(low, measured.Stamp);
            high = std::max(high, measured.Stamp);
        }
    }
    if (low > high)
        return;
    if (std::size_t { high } - low < 4 * old.size()) {
        std::vector<int> byStamp(std::size_t { high } - low + 1);
        for (const TMeasured& measured : old) {
            if (measured.Width != 0)
                byStamp[measured.Stamp - low] = measured.Width;
        }
        for (const auto& [stamp, row] : missed) {
            if (stamp >= low && stamp <= high)
                Widths_[row] = { stamp, byStamp[stamp - low] };
        }
        return;
    }
    std::sort(
        old.begin(), old.end(), [](const TMeasured& a, const TMeasured& b) { return a.Stamp < b.Stamp; });
    std::sort(missed.begin(), missed.end());
    auto found = old.begin();
    for (const auto& [stamp, row] : missed) {
        found = std::lower_bound(
            found, old.end(), stamp, [](const TMeasured& a, TTextStamp wanted) { return a.Stamp < wanted; });
        if (found != old.end() && found->Stamp == stamp)
            Widths_[row] = *found;
    }
}
