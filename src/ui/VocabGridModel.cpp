#include "ui/VocabGridModel.h"

#include "evaluation/TextUtils.h"
#include "ui/QtText.h"

#include <algorithm>

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
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.row() >= document.Count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const TVocabItem& item = document.Items(index.row());
    const int foreignPage = LanguageCodePage(document.ForeignLangID());
    const int nativePage = LanguageCodePage(document.NativeLangID());
    QString text = GridFieldText(item, fiForeign, foreignPage) + QLatin1Char(' ');
    for (int field : { static_cast<int>(fiCategory), static_cast<int>(fiNotes) })
        if (!item.FieldValue(field).empty())
            text += GridFieldText(item, field, nativePage) + QLatin1Char(' ');
    return text + GridFieldText(item, fiNative, nativePage);
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

int TVocabGridModel::MeasuredWidth(const TVocabItem& item) const
{
    const auto found = Widths_.find(item.TextStamp());
    return found == Widths_.end() ? 0 : found->second;
}

void TVocabGridModel::SetMeasuredWidth(const TVocabItem& item, int width)
{
    Widths_[item.TextStamp()] = width;
}

void TVocabGridModel::ForgetWidths()
{
    Widths_.clear();
}

void TVocabGridModel::KeepWidthsOfCodePages(int foreignPage, int nativePage)
{
    if (foreignPage != WidthsForeignPage_ || nativePage != WidthsNativePage_)
        ForgetWidths();
    WidthsForeignPage_ = foreignPage;
    WidthsNativePage_ = nativePage;
}

void TVocabGridModel::PruneWidths()
{
    const TVocabItemList& items = Session_.Document().ItemList();
    if (Widths_.size() <= 2 * items.size() + 1024)
        return;
    std::unordered_map<std::uint64_t, int> live;
    live.reserve(items.size());
    for (const auto& item : items)
        if (const int width = MeasuredWidth(*item))
            live.emplace(item->TextStamp(), width);
    Widths_.swap(live);
}
