#pragma once
// A card: the learner's memory of one item in one direction. It belongs to the learner, not to a
// list: the same word with the same translations in two lists is one card, and an edit of the word
// or the translations makes a new one.

#include "evaluation/Languages.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

class TCardTextsCopy;

// What a list's cards are made of (its languages, each item's word and translations as stored),
// read from the list itself or from a copy of those texts that a worker owns.
class TCardTexts {
public:
    TCardTexts(const TVocabFile& document);
    TCardTexts(const TCardTextsCopy& copy);
    std::size_t Count() const { return Count_; }
    LangId ForeignLangID() const { return ForeignLangID_; }
    LangId NativeLangID() const { return NativeLangID_; }
    std::string_view Word(std::size_t item) const;
    std::string_view Translations(std::size_t item) const;
    TCardKey KeyOf(std::size_t item, std::uint8_t direction) const;

private:
    const TVocabFile* Document_ = nullptr;
    const TCardTextsCopy* Copy_ = nullptr;
    std::size_t Count_ = 0;
    LangId ForeignLangID_ = 0, NativeLangID_ = 0;
};

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
// The card's hash as the history stores it beside the card: a lookup by it reads no texts. It is
// part of the file's format, so it is made by a published hash that never changes (XXH3).
std::int64_t StoredHashOf(const TCardView& view);

// Cards indexed for a million lookups in the history at once: their distinct keys in the order the
// history keeps its cards (languages and direction, then stored hash), so it is read straight
// through once. It keeps no texts: they are made again for the rare cards that need them.
class TCardIndex {
public:
    // The cards of these keys (which must outlive it).
    explicit TCardIndex(const std::vector<TCardKey>& keys);
    // The cards of every item of a list in one direction, hashed straight from the items' bytes (the
    // list or copy must stay unchanged while it is used).
    TCardIndex(const TCardTexts& texts, std::uint8_t direction);

    struct TGroup {
        std::uint16_t ForeignLanguage, NativeLanguage;
        std::uint8_t Direction;
    };
    struct TEntry {
        std::int64_t Hash; // StoredHashOf
        std::uint32_t Card; // the first of the cards with this key
        std::uint32_t Group; // in Groups()
    };
    std::size_t Size() const { return First_.size(); }
    const std::vector<TGroup>& Groups() const { return Groups_; }
    // One entry per distinct key, ordered by group and hash.
    const std::vector<TEntry>& Keys() const { return Keys_; }
    // For each card the index of the first card equal to it (its own index when it is the first).
    const std::vector<std::uint32_t>& First() const { return First_; }
    // A card's key with its texts.
    TCardKey KeyOf(std::uint32_t card) const;

private:
    void Order(std::vector<TEntry> all);

    const std::vector<TCardKey>* CardKeys_ = nullptr;
    std::optional<TCardTexts> Texts_;
    std::uint8_t Direction_ = 0;
    std::vector<TGroup> Groups_;
    std::vector<TEntry> Keys_;
    std::vector<std::uint32_t> First_;
};

// A copy of what a list's cards are made of (its languages, each item's word and translations),
// made a few items at a time so that a window copies a huge list between its events: only the
// bytes are copied there, into one buffer. A worker then counts on it (as TCardTexts) while the
// list goes on changing.
class TCardTextsCopy {
public:
    explicit TCardTextsCopy(const TVocabFile& from);
    // Whether the copy so far still is of the list as it is now (else it must start again).
    bool Fits(const TVocabFile& from) const;
    // Copies up to most more items; true once every item is copied.
    bool Step(const TVocabFile& from, std::size_t most);
    bool Done() const { return Next_ == Total_; }
    // The list's Revision() the copy is of.
    std::uint64_t Revision() const { return Revision_; }

private:
    friend class TCardTexts;
    std::uint64_t Revision_;
    LangId ForeignLanguage_, NativeLanguage_;
    std::size_t Total_;
    std::size_t Next_ = 0;
    std::string Texts_; // word and translations of each item in turn
    std::vector<std::size_t> Ends_; // of each item's texts in Texts_
    std::vector<std::uint32_t> WordLengths_;
};
