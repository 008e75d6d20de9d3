#pragma once
// A card: the learner's memory of one item in one direction. It belongs to the learner, not to a
// list: the same word with the same translations in two lists is one card, and an edit of the word
// or the translations makes a new one.

#include <cstdint>
#include <string>

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

struct TCardKeyHash {
    std::size_t operator()(const TCardKey& key) const;
};
