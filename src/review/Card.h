#pragma once
// A card: the learner's memory of one item in one direction. It belongs to the learner, not to a
// list: the same word with the same translations in two lists is one card, and an edit of the word
// or the translations makes a new one.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TVocabFile;
class TVocabItem;

struct TCardKey {
    std::uint16_t ForeignLanguage = 0, NativeLanguage = 0; // primary language ids
    std::string Word; // UTF-8, sorting marker removed
    std::string Translations; // UTF-8
    std::uint8_t Direction
        = 0; // 0 asked into the native language, 1 into the foreign (TTestEngine::TestMode)

    bool operator==(const TCardKey&) const = default;
};

TCardKey CardKeyOf(const TVocabFile& document, const TVocabItem& item, std::uint8_t direction);

// A card key's parts without copies of its texts, for looking up many keys at once.
struct TCardView {
    std::uint16_t ForeignLanguage = 0, NativeLanguage = 0;
    std::uint8_t Direction = 0;
    std::string_view Word, Translations;

    bool operator==(const TCardView&) const = default;
};
inline TCardView ViewOf(const TCardKey& key)
{
    return { key.ForeignLanguage, key.NativeLanguage, key.Direction, key.Word, key.Translations };
}
std::size_t HashOf(const TCardView& view);
struct TCardKeyHash {
    std::size_t operator()(const TCardKey& key) const { return HashOf(ViewOf(key)); }
};

// The cards of every item of a list in one direction, as views: into the items themselves where
// their texts are ASCII (the same in UTF-8), into converted copies otherwise. They stay valid while
// the list is unchanged.
struct TListCards {
    std::vector<TCardView> Views;
    std::deque<std::string> Converted;
};
TListCards CardsOf(const TVocabFile& document, std::uint8_t direction);

// The cards of a list indexed, for a million lookups in little time and memory: one slot per card
// in a flat table (the views must outlive it).
class TCardIndex {
public:
    explicit TCardIndex(const std::vector<TCardView>& cards);
    // The first key of that card, -1 when none is.
    std::int64_t Find(const TCardView& card) const;
    // For each key the index of the first key equal to it (its own index when it is the first).
    const std::vector<std::uint32_t>& First() const { return First_; }

private:
    const std::vector<TCardView>& Cards_;
    // Key index + 1 (0 empty) and the top of its hash, so most slots of other keys are passed
    // without reading their key.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Slots_;
    std::vector<std::uint32_t> First_;
    std::size_t Mask_ = 0;
};
