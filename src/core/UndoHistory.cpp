// The linear undo history of the document; it also decides the Modified flag.

#include "core/UndoRecord.h"
#include "core/VocabFile.h"
#include "evaluation/Translatable.h"

#include <algorithm>

namespace {

[[noreturn]] void InvalidCall()
{
    throw EVocabFileError("Invalid procedure call.");
}

// Moves the item at from to position to, shifting the ones between.
void MoveItem(TVocabItemList& items, std::int32_t from, std::int32_t to)
{
    const auto first = items.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
}

// What swapping out one item for another does to the learnt count.
std::int32_t LearntChange(const TVocabItem& out, const TVocabItem& in)
{
    return (in.Learnt() ? 1 : 0) - (out.Learnt() ? 1 : 0);
}

bool ValidIndex(const TVocabItemList& items, std::int32_t i)
{
    return i >= 0 && static_cast<std::size_t>(i) < items.size();
}

// The rows a record changed when done or undone, count being the list's length after that.
std::optional<TRowChange> RowsOf(const TUndoRecord& r, bool undone, std::int32_t count)
{
    switch (r.Kind) {
    case ukAdd:
    case ukPaste: {
        // The added items stand just before NewIndex (or at the end) while done.
        const std::int32_t end = r.NewIndex == -1 ? count + (undone ? r.Added : 0) : r.NewIndex;
        const std::int32_t first = end - r.Added;
        return undone ? TRowChange { first, r.Added, 0 } : TRowChange { first, 0, r.Added };
    }
    case ukEdit:
        return TRowChange { r.NewIndex, 1, 1 };
    case ukDelete:
        return undone ? TRowChange { r.OldIndex, 0, 1 } : TRowChange { r.OldIndex, 1, 0 };
    case ukMove:
        return undone ? TRowChange { r.NewIndex, 0, 0, r.OldIndex }
                      : TRowChange { r.OldIndex, 0, 0, r.NewIndex };
    case ukSort:
    case ukShuffle:
    case ukNone:
        break;
    }
    return std::nullopt;
}

} // namespace

const char* UndoKindName(TUndoKind kind)
{
    switch (kind) {
    case ukAdd:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Add");
    case ukEdit:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Edit");
    case ukDelete:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Delete");
    case ukPaste:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Paste");
    case ukMove:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Move");
    case ukSort:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Sort");
    case ukShuffle:
        return VM_TRANSLATE_NOOP("Velmoria::Model", "Shuffle");
    case ukNone:
        break;
    }
    return "";
}

TUndoKind TVocabFile::UndoKind() const
{
    return UndoPos_ > 0 ? UndoList_[static_cast<std::size_t>(UndoPos_ - 1)].Kind : ukNone;
}

TUndoKind TVocabFile::RedoKind() const
{
    return UndoPos_ < UndoCount() ? UndoList_[static_cast<std::size_t>(UndoPos_)].Kind : ukNone;
}

void TVocabFile::ClearUndo()
{
    UndoList_.clear();
    UndoPos_ = 0;
    UndoListEntries_ = 0;
}

void TVocabFile::PushUndo(TUndoRecord record)
{
    if (UndoPos_ < UndoCount()) {
        for (auto it = UndoList_.begin() + UndoPos_; it != UndoList_.end(); ++it)
            UndoListEntries_ -= it->Order.size();
        UndoList_.erase(UndoList_.begin() + UndoPos_, UndoList_.end());
        if (SavedPos_ > UndoPos_)
            SavedPos_ = -1;
    }
    if (UndoCount() >= MaxUndoRecords) {
        UndoListEntries_ -= UndoList_.front().Order.size();
        UndoList_.erase(UndoList_.begin());
        SavedPos_ = -1;
    }
    const std::size_t entries = record.Order.size();
    UndoList_.push_back(std::move(record));
    UndoListEntries_ += entries;
    UndoPos_ = UndoCount();
    Touch(RowsOf(UndoList_.back(), false, Count()));
    TrimUndoMemory();
}

void TVocabFile::TrimUndoMemory()
{
    // Every record is done right after a push, so the oldest ones can go first.
    std::size_t drop = 0;
    std::size_t entries = UndoListEntries_;
    while (entries > MaxUndoListEntries && UndoList_.size() - drop > 1) {
        entries -= UndoList_[drop].Order.size();
        ++drop;
    }
    if (drop == 0)
        return;
    UndoList_.erase(UndoList_.begin(), UndoList_.begin() + static_cast<std::ptrdiff_t>(drop));
    UndoListEntries_ = entries;
    UndoPos_ = std::max<std::int32_t>(0, UndoPos_ - static_cast<std::int32_t>(drop));
    SavedPos_ = -1;
}

void TVocabFile::Undo()
{
    if (UndoPos_ <= 0)
        InvalidCall();
    TUndoRecord& r = UndoList_[static_cast<std::size_t>(UndoPos_ - 1)];
    // Each step is checked against the list first: a record that no longer fits is refused
    // rather than applied half-way.
    switch (r.Kind) {
    case ukAdd:
    case ukPaste: {
        // The added items stand just before NewIndex (or at the end).
        const std::int32_t end = r.NewIndex == -1 ? Count() : r.NewIndex;
        const std::int32_t first = end - r.Added;
        if (r.Added < 1 || first < 0 || end > Count() || r.Item || !r.Items.empty())
            InvalidCall();
        const auto begin = Items_.begin() + first;
        Learnt_ -= CountLearnt({ begin, begin + r.Added });
        if (r.Added == 1)
            r.Item = std::move(*begin);
        else
            r.Items.assign(std::make_move_iterator(begin), std::make_move_iterator(begin + r.Added));
        Items_.erase(begin, begin + r.Added);
        break;
    }
    case ukEdit:
        if (!ValidIndex(Items_, r.NewIndex) || !r.Item)
            InvalidCall();
        std::swap(r.Item, Items_[static_cast<std::size_t>(r.NewIndex)]);
        Learnt_ += LearntChange(*r.Item, *Items_[static_cast<std::size_t>(r.NewIndex)]);
        break;
    case ukDelete:
        if (r.OldIndex < 0 || r.OldIndex > Count() || !r.Item)
            InvalidCall();
        Learnt_ += r.Item->Learnt() ? 1 : 0;
        Items_.insert(Items_.begin() + r.OldIndex, std::move(r.Item));
        break;
    case ukMove:
        if (!ValidIndex(Items_, r.NewIndex) || !ValidIndex(Items_, r.OldIndex))
            InvalidCall();
        MoveItem(Items_, r.NewIndex, r.OldIndex);
        break;
    case ukSort:
    case ukShuffle:
        if (!r.Order.empty() && r.Order.size() != Items_.size())
            InvalidCall();
        ApplyOrder(r.Order, true);
        break;
    case ukNone:
        InvalidCall();
    }
    if (r.Kind != ukMove && r.Kind != ukSort && r.Kind != ukShuffle)
        TextsChanged();
    --UndoPos_;
    CurrentIndex_ = r.OldIndex < Count() ? r.OldIndex : -1;
    SetModifiedFromHistory(RowsOf(r, true, Count()));
}

void TVocabFile::Redo()
{
    if (UndoPos_ >= UndoCount())
        InvalidCall();
    TUndoRecord& r = UndoList_[static_cast<std::size_t>(UndoPos_)];
    switch (r.Kind) {
    case ukAdd:
    case ukPaste: {
        const std::int32_t at = r.NewIndex == -1 ? Count() : r.NewIndex - r.Added;
        const bool held
            = r.Added == 1 ? r.Item != nullptr : r.Items.size() == static_cast<std::size_t>(r.Added);
        if (!held || at < 0 || at > Count())
            InvalidCall();
        if (r.Added == 1) {
            Learnt_ += r.Item->Learnt() ? 1 : 0;
            Items_.insert(Items_.begin() + at, std::move(r.Item));
        } else {
            Learnt_ += CountLearnt(r.Items);
            Items_.insert(Items_.begin() + at, std::make_move_iterator(r.Items.begin()),
                std::make_move_iterator(r.Items.end()));
            r.Items.clear();
        }
        break;
    }
    case ukEdit:
        if (!ValidIndex(Items_, r.OldIndex) || !r.Item)
            InvalidCall();
        std::swap(r.Item, Items_[static_cast<std::size_t>(r.OldIndex)]);
        Learnt_ += LearntChange(*r.Item, *Items_[static_cast<std::size_t>(r.OldIndex)]);
        break;
    case ukDelete:
        if (!ValidIndex(Items_, r.OldIndex) || r.Item)
            InvalidCall();
        r.Item = std::move(Items_[static_cast<std::size_t>(r.OldIndex)]);
        Items_.erase(Items_.begin() + r.OldIndex);
        Learnt_ -= r.Item->Learnt() ? 1 : 0;
        break;
    case ukMove:
        if (!ValidIndex(Items_, r.NewIndex) || !ValidIndex(Items_, r.OldIndex))
            InvalidCall();
        MoveItem(Items_, r.OldIndex, r.NewIndex);
        break;
    case ukSort:
    case ukShuffle:
        if (!r.Order.empty() && r.Order.size() != Items_.size())
            InvalidCall();
        ApplyOrder(r.Order, false);
        break;
    case ukNone:
        InvalidCall();
    }
    if (r.Kind != ukMove && r.Kind != ukSort && r.Kind != ukShuffle)
        TextsChanged();
    ++UndoPos_;
    CurrentIndex_ = r.NewIndex < Count() ? r.NewIndex : -1;
    SetModifiedFromHistory(RowsOf(r, false, Count()));
}
