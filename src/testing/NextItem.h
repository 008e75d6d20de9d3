#pragma once
// Which item the classic test asks next: of the items not learnt, the one with the best score,
// its age times its penalty points plus one; the age is the answers given since its last one, or
// the list's length less one for an item never answered. Chance picks among equal scores, each
// equally likely.
//
// A score changes with every answer, but within one weight the order of the items answered does
// not: the oldest answer scores best (the newest for a negative weight). So each weight keeps its
// answered items in a heap and its never-answered ones apart, and a question looks at the head of
// each weight rather than at every item; an answer moves one item. Anything else that changes
// the list (edits, loading, a reset) is seen by its revision and the groups are made again.

#include <cstdint>
#include <map>
#include <vector>

class TVocabFile;

class TNextTestItem {
public:
    // The item to ask next, -1 when every item is learnt (or there is none).
    std::int32_t Choose(const TVocabFile& document);
    // Records the answer to the document's current item (TVocabFile::RecordAnswer) and follows it.
    void RecordAnswer(TVocabFile& document, bool correct, std::int32_t maxPenalty);

private:
    struct TEntry {
        std::int64_t Key; // the last answer, negated for a negative weight: the least is the best
        std::int32_t Item;
    };
    struct TGroup {
        std::int64_t Weight = 0;
        std::vector<TEntry> Heap; // answered items, a binary heap on Key
        std::vector<std::int32_t> Fresh; // items never answered, in no order
    };
    // Where an item is kept: its group, and its place in the group's heap or among its fresh items.
    struct TPlace {
        std::int32_t Group = -1; // -1: learnt, not kept
        std::int32_t At = 0;
        bool Fresh = false;
    };

    void Rebuild(const TVocabFile& document);
    void Insert(std::int32_t item, std::int32_t lastAttempt, std::int32_t penaltyPoints, bool sift);
    void Remove(std::int32_t item);
    std::int32_t GroupOf(std::int64_t weight);
    void SiftUp(TGroup& group, std::size_t at);
    void SiftDown(TGroup& group, std::size_t at);
    void Put(TGroup& group, std::size_t at, const TEntry& entry);

    std::uint64_t Revision_ = 0; // of the document the groups stand for (revisions are never shared)
    std::vector<TGroup> Groups_;
    std::map<std::int64_t, std::int32_t> ByWeight_;
    std::int32_t LastGroup_ = 0; // the group GroupOf gave last
    std::vector<TPlace> Places_; // per item
};
