// The document's queries, setters, editing and test operations (storage, search and history live
// apart).

#include "core/VocabFile.h"

#include "core/FreedMemory.h"
#include "core/Random.h"
#include "core/UndoRecord.h"
#include "evaluation/Languages.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace {

[[noreturn]] void Fail(const char* message)
{
    throw EVocabFileError(message);
}

constexpr const char* NoCurrentItem = "No current item";
constexpr const char* InvalidItemIndex = "Invalid item index";
constexpr const char* InvalidPropertyValue = "Invalid property value.";
constexpr const char* InvalidPropertyIndex = "Invalid property array index.";
constexpr const char* InvalidParameter = "Invalid parameter.";
constexpr const char* InvalidProcedureCall = "Invalid procedure call.";

// Makes room for one more record before the list changes, so recording cannot fail half-way.
void ReserveOneRecord(std::vector<TUndoRecord>& list)
{
    if (list.size() == list.capacity())
        list.reserve(std::max<std::size_t>(16, list.size() * 2));
}

// Keys are compared as unsigned bytes; their first eight bytes, big-endian in one number,
// decide most comparisons without touching the strings.
std::uint64_t KeyPrefix(std::string_view key)
{
    std::uint64_t prefix = 0;
    const std::size_t n = std::min<std::size_t>(key.size(), 8);
    for (std::size_t k = 0; k < 8; ++k)
        prefix = (prefix << 8) | (k < n ? static_cast<unsigned char>(key[k]) : 0u);
    return prefix;
}

} // namespace

void TVocabFile::Announce(std::uint32_t changes)
{
    if (Notice_)
        Notice_->Notify(changes);
}

std::uint64_t TVocabFile::NextRevision()
{
    // Documents are loaded on worker threads too.
    static std::atomic<std::uint64_t> last { 0 };
    return ++last;
}

TVocabFile::TVocabFile()
    : NewItem_(std::make_unique<TVocabItem>())
{
}

TVocabFile::~TVocabFile()
{
    ClearUndo();
    TItemArena::DeleteAll(Items_);
}

// ---- Queries

TVocabItem& TVocabFile::Items(std::int32_t i)
{
    if (i < 0 || i >= Count())
        Fail(InvalidItemIndex);
    return *Items_[static_cast<std::size_t>(i)];
}

const TVocabItem& TVocabFile::Items(std::int32_t i) const
{
    if (i < 0 || i >= Count())
        Fail(InvalidItemIndex);
    return *Items_[static_cast<std::size_t>(i)];
}

TVocabItem& TVocabFile::CurrentItem()
{
    if (CurrentIndex_ < 0 || CurrentIndex_ >= Count())
        Fail(NoCurrentItem);
    return *Items_[static_cast<std::size_t>(CurrentIndex_)];
}

std::int32_t CountLearnt(std::span<const std::unique_ptr<TVocabItem>> items)
{
    return static_cast<std::int32_t>(
        std::count_if(items.begin(), items.end(), [](const auto& item) { return item->Learnt(); }));
}

void TVocabFile::RecountLearnt()
{
    Learnt_ = CountLearnt(Items_);
    Renew();
}

void TVocabFile::Renew(std::optional<TRowChange> rows)
{
    Steps_[StepCount_++ % Steps_.size()] = { Revision_, rows };
    Revision_ = NextRevision();
    Announce(mcList);
}

std::optional<std::vector<TRowChange>> TVocabFile::RowChangesSince(std::uint64_t revision) const
{
    std::vector<TRowChange> changes;
    for (std::size_t k = 0; k < std::min(StepCount_, Steps_.size()) && revision != Revision_; ++k) {
        const TRevisionStep& step = Steps_[(StepCount_ - 1 - k) % Steps_.size()];
        if (!step.Rows)
            return std::nullopt;
        changes.push_back(*step.Rows);
        if (step.Before == revision) {
            std::reverse(changes.begin(), changes.end());
            return changes;
        }
    }
    if (revision == Revision_)
        return changes;
    return std::nullopt;
}

const std::string& TVocabFile::Properties(int i) const
{
    if (i < 0 || i >= PropertyCount)
        Fail(InvalidPropertyIndex);
    return Properties_[static_cast<std::size_t>(i)];
}

bool TVocabFile::SameLanguages(LangId foreign, LangId native) const
{
    return PrimaryLanguage(foreign) == PrimaryLanguage(ForeignLangID_)
        && PrimaryLanguage(native) == PrimaryLanguage(NativeLangID_);
}

// ---- Setters

void TVocabFile::SetCurrentIndex(std::int32_t v)
{
    if (v < -1 || v >= Count())
        Fail(InvalidPropertyValue);
    CurrentIndex_ = v;
}

// A language change is not in the history, so no undo position can stand for the saved state
// any more; otherwise undoing back to it would hide the unsaved change.
void TVocabFile::SetForeignLangID(LangId v)
{
    if (v != ForeignLangID_) {
        ForeignLangID_ = v;
        Touch();
        TextsChanged();
        SavedPos_ = -1;
    }
}

void TVocabFile::SetNativeLangID(LangId v)
{
    if (v != NativeLangID_) {
        NativeLangID_ = v;
        Touch();
        TextsChanged();
        SavedPos_ = -1;
    }
}

void TVocabFile::SetProperties(int i, const std::string& s)
{
    if (i < 0 || i >= PropertyCount)
        Fail(InvalidPropertyIndex);
    auto& property = Properties_[static_cast<std::size_t>(i)];
    if (property != s) {
        property = s;
        Touch(TRowChange {});
        SavedPos_ = -1;
    }
}

// ---- Editing operations

void TVocabFile::Add(TUndoKind kind)
{
    if (kind != ukAdd && kind != ukPaste)
        Fail(InvalidParameter);
    ReserveOneRecord(UndoList_);
    auto fresh = std::make_unique<TVocabItem>();
    const std::int32_t oldIndex = CurrentIndex_;
    Learnt_ += NewItem_->Learnt() ? 1 : 0;
    TextsChanged();
    if (CurrentIndex_ < 0) {
        Items_.push_back(std::move(NewItem_));
    } else {
        Items_.insert(Items_.begin() + CurrentIndex_, std::move(NewItem_));
        ++CurrentIndex_;
    }
    NewItem_ = std::move(fresh);
    PushUndo({ kind, oldIndex, CurrentIndex_, nullptr, {} });
}

std::int32_t TVocabFile::PasteItems(TVocabFile& source)
{
    if (&source == this)
        Fail(InvalidParameter);
    const auto count = static_cast<std::int32_t>(source.Items_.size());
    if (count == 0)
        return 0;
    if (count > std::numeric_limits<std::int32_t>::max() - Count())
        Fail(InvalidParameter);
    ReserveOneRecord(UndoList_);
    Items_.reserve(Items_.size() + source.Items_.size());
    // Its records would otherwise still point at items that now belong here.
    source.ClearUndo();
    for (auto& item : source.Items_) {
        item->LastAttempt = 0;
        item->PenaltyPoints = 0;
    }
    const std::int32_t oldIndex = CurrentIndex_;
    const auto at = CurrentIndex_ < 0 ? Items_.end() : Items_.begin() + CurrentIndex_;
    Items_.insert(
        at, std::make_move_iterator(source.Items_.begin()), std::make_move_iterator(source.Items_.end()));
    source.Items_.clear();
    source.Learnt_ = 0;
    source.TextsChanged();
    source.CurrentIndex_ = -1;
    if (CurrentIndex_ >= 0)
        CurrentIndex_ += count;
    TextsChanged();
    TUndoRecord record { ukPaste, oldIndex, CurrentIndex_, nullptr, {} };
    record.Added = count;
    PushUndo(std::move(record));
    return count;
}

void TVocabFile::Replace()
{
    if (CurrentIndex_ < 0)
        Fail(NoCurrentItem);
    ReserveOneRecord(UndoList_);
    auto fresh = std::make_unique<TVocabItem>();
    auto replaced = std::move(Items_[static_cast<std::size_t>(CurrentIndex_)]);
    Learnt_ += (NewItem_->Learnt() ? 1 : 0) - (replaced->Learnt() ? 1 : 0);
    TextsChanged();
    Items_[static_cast<std::size_t>(CurrentIndex_)] = std::move(NewItem_);
    NewItem_ = std::move(fresh);
    PushUndo({ ukEdit, CurrentIndex_, CurrentIndex_, std::move(replaced), {} });
}

void TVocabFile::DeleteCurrent()
{
    if (CurrentIndex_ < 0)
        Fail(NoCurrentItem);
    ReserveOneRecord(UndoList_);
    const std::int32_t deletedIndex = CurrentIndex_;
    auto deleted = std::move(Items_[static_cast<std::size_t>(deletedIndex)]);
    Items_.erase(Items_.begin() + deletedIndex);
    Learnt_ -= deleted->Learnt() ? 1 : 0;
    TextsChanged();
    if (CurrentIndex_ == Count())
        --CurrentIndex_;
    PushUndo({ ukDelete, deletedIndex, CurrentIndex_, std::move(deleted), {} });
}

void TVocabFile::MoveCurrent(std::int32_t newIndex)
{
    if (CurrentIndex_ < 0)
        Fail(NoCurrentItem);
    if (newIndex < 0 || newIndex >= Count())
        Fail(InvalidItemIndex);
    if (newIndex == CurrentIndex_)
        return;
    ReserveOneRecord(UndoList_);
    const std::int32_t oldIndex = CurrentIndex_;
    const auto first = Items_.begin();
    if (oldIndex < newIndex)
        std::rotate(first + oldIndex, first + oldIndex + 1, first + newIndex + 1);
    else
        std::rotate(first + newIndex, first + oldIndex, first + oldIndex + 1);
    CurrentIndex_ = newIndex;
    PushUndo({ ukMove, oldIndex, newIndex, nullptr, {} });
}

std::vector<std::uint32_t> TVocabFile::SortOrder(const TKeyTable& sortKeys)
{
    struct TEntry {
        std::uint64_t Prefix;
        std::uint32_t Index;
    };
    std::vector<std::uint32_t> result;
    // A list already in order (sorting it again is common) needs no sorting at all.
    bool sorted = true;
    for (std::size_t i = 1; i < sortKeys.size() && sorted; ++i)
        sorted = sortKeys[i - 1] <= sortKeys[i];
    if (sorted)
        return result;
    std::vector<TEntry> order;
    ResizeLarge(order, sortKeys.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = { KeyPrefix(sortKeys[i]), static_cast<std::uint32_t>(i) };
    // Equal keys keep their present order whatever the size of the list.
    std::sort(order.begin(), order.end(), [&](const TEntry& a, const TEntry& b) {
        if (a.Prefix != b.Prefix)
            return a.Prefix < b.Prefix;
        const int c = sortKeys[a.Index].compare(sortKeys[b.Index]);
        return c != 0 ? c < 0 : a.Index < b.Index;
    });
    ReserveLarge(result, order.size());
    for (const TEntry& entry : order)
        result.push_back(entry.Index);
    return result;
}

void TVocabFile::Sort(const TKeyTable& sortKeys)
{
    if (sortKeys.size() != Items_.size())
        Fail(InvalidParameter);
    SortByOrder(SortOrder(sortKeys));
}

void TVocabFile::SortByOrder(std::span<const std::uint32_t> order)
{
    if (!order.empty()) {
        if (order.size() != Items_.size())
            Fail(InvalidParameter);
        std::vector<bool> seen(order.size());
        for (const std::uint32_t index : order) {
            if (index >= order.size() || seen[index])
                Fail(InvalidParameter);
            seen[index] = true;
        }
    }
    ReserveOneRecord(UndoList_);
    std::vector<std::uint32_t> kept(order.begin(), order.end());
    const std::int32_t oldCurrent = CurrentIndex_;
    ApplyOrder(kept, false);
    PushUndo({ ukSort, oldCurrent, CurrentIndex_, nullptr, std::move(kept) });
}

void TVocabFile::Shuffle()
{
    ReserveOneRecord(UndoList_);
    std::vector<std::uint32_t> order(Items_.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = static_cast<std::uint32_t>(k);
    RandomOrder(order);
    const std::int32_t oldCurrent = CurrentIndex_;
    ApplyOrder(order, false);
    PushUndo({ ukShuffle, oldCurrent, CurrentIndex_, nullptr, std::move(order) });
}

void TVocabFile::ApplyOrder(std::span<const std::uint32_t> order, bool back)
{
    if (order.empty())
        return;
    TVocabItemList reordered(Items_.size());
    std::int32_t current = -1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t from = back ? k : order[k];
        const std::size_t to = back ? order[k] : k;
        if (static_cast<std::int32_t>(from) == CurrentIndex_)
            current = static_cast<std::int32_t>(to);
        reordered[to] = std::move(Items_[from]);
    }
    Items_ = std::move(reordered);
    CurrentIndex_ = current;
}

// ---- Other operations

void TVocabFile::Clear()
{
    ClearUndo();
    Attempts_ = 0;
    Successes_ = 0;
    for (auto& property : Properties_)
        property.clear();
    TItemArena::DeleteAll(Items_);
    Learnt_ = 0;
    TextsChanged();
    CurrentIndex_ = -1;
    FileName_.clear();
    Modified_ = false;
    SavedPos_ = 0;
    Renew();
    Announce(mcFileName);
}

std::int32_t TVocabFile::MergeFile(const std::string& name)
{
    TVocabFile merged;
    merged.LoadFromFile(name);
    return MergeDocument(merged);
}

std::int32_t TVocabFile::MergeDocument(TVocabFile& merged)
{
    if (&merged == this)
        Fail(InvalidParameter);
    if (!SameLanguages(merged.ForeignLangID_, merged.NativeLangID_))
        Fail("Languages are different.");
    // Its records would otherwise still point at items that now belong here.
    merged.ClearUndo();
    const std::int32_t count = merged.Count();
    if (count > std::numeric_limits<std::int32_t>::max() - Count())
        Fail(InvalidParameter);
    Items_.reserve(Items_.size() + merged.Items_.size());
    // The file's items are taken over; only their texts and sorting positions are kept.
    for (auto& item : merged.Items_) {
        item->LastAttempt = 0;
        item->PenaltyPoints = 0;
        Items_.push_back(std::move(item));
    }
    merged.Items_.clear();
    merged.Learnt_ = 0;
    merged.TextsChanged();
    merged.CurrentIndex_ = -1;
    if (count > 0) {
        TextsChanged();
        ClearUndo();
        Touch();
        SavedPos_ = -1;
    }
    return count;
}

void TVocabFile::ResetTestData()
{
    for (auto& item : Items_) {
        item->LastAttempt = 0;
        item->PenaltyPoints = 0;
    }
    Learnt_ = 0;
    Attempts_ = 0;
    Successes_ = 0;
    ClearUndo();
    Touch();
    SavedPos_ = -1;
}

void TVocabFile::RecordAnswer(bool correct, std::int32_t maxPenalty)
{
    TVocabItem& item = CurrentItem();
    if (item.Learnt() || maxPenalty < 0)
        Fail(InvalidProcedureCall);
    // The counter cannot go further; resetting the statistics starts it again.
    if (Attempts_ == std::numeric_limits<std::int32_t>::max())
        Fail(InvalidProcedureCall);
    ++Attempts_;
    item.LastAttempt = Attempts_;
    if (maxPenalty < item.PenaltyPoints)
        item.PenaltyPoints = maxPenalty;
    if (correct) {
        if (Count() - Learnt_ == 1)
            item.PenaltyPoints = -1;
        else if (item.PenaltyPoints > std::numeric_limits<std::int32_t>::min())
            --item.PenaltyPoints;
        if (Successes_ < std::numeric_limits<std::int32_t>::max())
            ++Successes_;
    } else if (maxPenalty > item.PenaltyPoints) {
        ++item.PenaltyPoints;
    }
    // It was not learnt before: a wrong answer too may bring stored points up to -1.
    Learnt_ += item.Learnt() ? 1 : 0;
    ClearUndo();
    Touch(TRowChange { CurrentIndex_, 1, 1 });
    SavedPos_ = -1;
}

// The candidates are shuffled as indexes; the draws and the choices are those of shuffling the
// items themselves.
void TVocabFile::GetChoices(TVocabItemArray& choices, std::int32_t wanted)
{
    if (CurrentIndex_ < 0)
        Fail(NoCurrentItem);
    if (wanted < 1)
        Fail(InvalidParameter);
    const std::int32_t n = Count();
    std::vector<std::int32_t> candidates;
    candidates.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i)
        if (i != CurrentIndex_)
            candidates.push_back(i);
    const auto m = static_cast<std::int32_t>(candidates.size());
    std::vector<std::int32_t> exchanges(candidates.size());
    RandomInts(m, exchanges.data(), exchanges.size());
    for (std::int32_t i = 0; i < m; ++i) {
        const std::int32_t j = exchanges[static_cast<std::size_t>(i)];
        if (i != j)
            std::swap(candidates[static_cast<std::size_t>(i)], candidates[static_cast<std::size_t>(j)]);
    }

    // Same part of speech first, and unlearnt before learnt within each group. Mostly the first few
    // candidates fill the first group: they are looked at as they come; when they do not, every
    // item's group is found in list order, so a million items are never looked at in random order.
    const std::string_view category = CurrentItem().FieldValue(fiCategory);
    const auto groupOf = [&](std::int32_t i) {
        const TVocabItem& item = *Items_[static_cast<std::size_t>(i)];
        return static_cast<std::uint8_t>(
            (item.FieldValue(fiCategory) == category ? 0 : 2) + (item.Learnt() ? 1 : 0));
    };
    constexpr std::size_t LookedAtFirst = 4096;
    std::vector<std::uint8_t> group;
    const std::size_t others = static_cast<std::size_t>(std::min(wanted, n)) - 1;
    std::array<std::vector<TVocabItem*>, 4> taken;
    for (std::size_t k = 0; k < candidates.size() && taken[0].size() < others; ++k) {
        const std::int32_t i = candidates[k];
        if (k == LookedAtFirst) {
            group.resize(static_cast<std::size_t>(n));
            for (std::int32_t j = 0; j < n; ++j)
                group[static_cast<std::size_t>(j)] = groupOf(j);
        }
        auto& into = taken[group.empty() ? groupOf(i) : group[static_cast<std::size_t>(i)]];
        if (into.size() < others)
            into.push_back(Items_[static_cast<std::size_t>(i)].get());
    }
    choices.clear();
    choices.reserve(others + 1);
    choices.push_back(Items_[static_cast<std::size_t>(CurrentIndex_)].get());
    for (const auto& g : taken)
        for (std::size_t k = 0; k < g.size() && choices.size() <= others; ++k)
            choices.push_back(g[k]);
    RandomOrder(choices);
}

void TVocabFile::Reserve(std::size_t capacity)
{
    Items_.reserve(capacity);
}

void TVocabFile::AppendItem(std::unique_ptr<TVocabItem> item)
{
    if (!item)
        Fail(InvalidParameter);
    // Records made before the append no longer fit the list; an import that stops half-way must
    // not leave them behind.
    if (!UndoList_.empty())
        ClearUndo();
    Learnt_ += item->Learnt() ? 1 : 0;
    Items_.push_back(std::move(item));
    TextsChanged();
    Touch();
    SavedPos_ = -1;
}

void TVocabFile::EndBulkAppend()
{
    ClearUndo();
    Touch();
    SavedPos_ = -1;
}
