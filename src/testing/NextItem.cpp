#include "testing/NextItem.h"

#include "core/Random.h"
#include "core/VocabFile.h"

#include <algorithm>
#include <optional>

std::int32_t TNextTestItem::GroupOf(std::int64_t weight)
{
    // Most items share a weight with the one before: a million of them need not each ask the map.
    if (!Groups_.empty() && Groups_[static_cast<std::size_t>(LastGroup_)].Weight == weight)
        return LastGroup_;
    const auto [at, added] = ByWeight_.try_emplace(weight, static_cast<std::int32_t>(Groups_.size()));
    if (added)
        Groups_.push_back(TGroup { weight, {}, {} });
    LastGroup_ = at->second;
    return LastGroup_;
}

void TNextTestItem::Put(TGroup& group, std::size_t at, const TEntry& entry)
{
    group.Heap[at] = entry;
    Places_[static_cast<std::size_t>(entry.Item)].At = static_cast<std::int32_t>(at);
}

void TNextTestItem::SiftUp(TGroup& group, std::size_t at)
{
    const TEntry entry = group.Heap[at];
    while (at > 0 && entry.Key < group.Heap[(at - 1) / 2].Key) {
        Put(group, at, group.Heap[(at - 1) / 2]);
        at = (at - 1) / 2;
    }
    Put(group, at, entry);
}

void TNextTestItem::SiftDown(TGroup& group, std::size_t at)
{
    const TEntry entry = group.Heap[at];
    const std::size_t size = group.Heap.size();
    for (std::size_t child = at * 2 + 1; child < size; child = at * 2 + 1) {
        if (child + 1 < size && group.Heap[child + 1].Key < group.Heap[child].Key)
            ++child;
        if (group.Heap[child].Key >= entry.Key)
            break;
        Put(group, at, group.Heap[child]);
        at = child;
    }
    Put(group, at, entry);
}

void TNextTestItem::Insert(std::int32_t item, std::int32_t lastAttempt, std::int32_t penaltyPoints, bool sift)
{
    TPlace& place = Places_[static_cast<std::size_t>(item)];
    if (penaltyPoints == -1) {
        place.Group = -1;
        return;
    }
    const std::int64_t weight = std::int64_t { penaltyPoints } + 1;
    place.Group = GroupOf(weight);
    TGroup& group = Groups_[static_cast<std::size_t>(place.Group)];
    place.Fresh = lastAttempt <= 0;
    if (place.Fresh) {
        place.At = static_cast<std::int32_t>(group.Fresh.size());
        group.Fresh.push_back(item);
        return;
    }
    group.Heap.push_back({ weight > 0 ? lastAttempt : -std::int64_t { lastAttempt }, item });
    if (sift)
        SiftUp(group, group.Heap.size() - 1);
}

void TNextTestItem::Remove(std::int32_t item)
{
    TPlace& place = Places_[static_cast<std::size_t>(item)];
    if (place.Group < 0)
        return;
    TGroup& group = Groups_[static_cast<std::size_t>(place.Group)];
    const auto at = static_cast<std::size_t>(place.At);
    place.Group = -1;
    if (place.Fresh) {
        const std::int32_t last = group.Fresh.back();
        group.Fresh[at] = last;
        Places_[static_cast<std::size_t>(last)].At = static_cast<std::int32_t>(at);
        group.Fresh.pop_back();
        return;
    }
    const TEntry last = group.Heap.back();
    group.Heap.pop_back();
    if (at == group.Heap.size())
        return;
    Put(group, at, last);
    SiftUp(group, at);
    SiftDown(group, static_cast<std::size_t>(Places_[static_cast<std::size_t>(last.Item)].At));
}

void TNextTestItem::Rebuild(const TVocabFile& document)
{
    Revision_ = document.Revision();
    Groups_.clear();
    ByWeight_.clear();
    const std::int32_t n = document.Count();
    Places_.assign(static_cast<std::size_t>(n), TPlace {});
    // The heaps are made whole at the end: one pass, not a sift per item.
    for (std::int32_t i = 0; i < n; ++i) {
        const TVocabItem& item = document.Items(i);
        Insert(i, item.LastAttempt, item.PenaltyPoints, false);
    }
    for (TGroup& group : Groups_) {
        std::make_heap(group.Heap.begin(), group.Heap.end(),
            [](const TEntry& a, const TEntry& b) { return a.Key > b.Key; });
        for (std::size_t at = 0; at < group.Heap.size(); ++at)
            Places_[static_cast<std::size_t>(group.Heap[at].Item)].At = static_cast<std::int32_t>(at);
    }
}

std::int32_t TNextTestItem::Choose(const TVocabFile& document)
{
    if (document.Revision() != Revision_)
        Rebuild(document);
    // Ages and weights fit in 32 bits each: their products cannot overflow.
    const std::int64_t attempts = document.Attempts();
    const std::int64_t freshAge = std::int64_t { document.Count() } - 1;
    const auto headScore = [attempts](const TGroup& group) {
        const std::int64_t last = group.Weight > 0 ? group.Heap.front().Key : -group.Heap.front().Key;
        return (attempts - last) * group.Weight;
    };
    std::optional<std::int64_t> best;
    for (const TGroup& group : Groups_) {
        if (!group.Heap.empty())
            best = std::max(best.value_or(headScore(group)), headScore(group));
        if (!group.Fresh.empty())
            best = std::max(best.value_or(freshAge * group.Weight), freshAge * group.Weight);
    }
    if (!best)
        return -1;
    // Every item with the best score: the fresh ones of a group all at once, the answered ones
    // from the top of the heap, where equal keys hang together.
    std::vector<std::int32_t> tied;
    std::vector<const std::vector<std::int32_t>*> freshTied;
    std::int32_t count = 0;
    for (const TGroup& group : Groups_) {
        if (!group.Fresh.empty() && freshAge * group.Weight == *best) {
            freshTied.push_back(&group.Fresh);
            count += static_cast<std::int32_t>(group.Fresh.size());
        }
        if (group.Heap.empty() || headScore(group) != *best)
            continue;
        std::vector<std::size_t> open { 0 };
        while (!open.empty()) {
            const std::size_t at = open.back();
            open.pop_back();
            if (at >= group.Heap.size() || group.Heap[at].Key != group.Heap.front().Key)
                continue;
            tied.push_back(group.Heap[at].Item);
            ++count;
            open.push_back(at * 2 + 1);
            open.push_back(at * 2 + 2);
        }
    }
    std::int32_t pick = count > 1 ? RandomInt(count) : 0;
    for (const auto* fresh : freshTied) {
        if (pick < static_cast<std::int32_t>(fresh->size()))
            return (*fresh)[static_cast<std::size_t>(pick)];
        pick -= static_cast<std::int32_t>(fresh->size());
    }
    return tied[static_cast<std::size_t>(pick)];
}

void TNextTestItem::RecordAnswer(TVocabFile& document, bool correct, std::int32_t maxPenalty)
{
    const bool following = document.Revision() == Revision_;
    const std::int32_t index = document.CurrentIndex();
    document.RecordAnswer(correct, maxPenalty);
    if (!following)
        return;
    // Only the item answered moved; the new count of answers ages every other one alike.
    Remove(index);
    const TVocabItem& item = document.Items(index);
    Insert(index, item.LastAttempt, item.PenaltyPoints, true);
    Revision_ = document.Revision();
}
