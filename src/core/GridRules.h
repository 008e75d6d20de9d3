#pragma once
// Decisions of the grid that need no screen.

#include "core/VocabFile.h"

#include <array>

// Type-ahead: the next item after the current one (wrapping, the current item last) whose
// word/phrase, from its sorting position on and with only letters and digits kept, begins with
// the typed character, both lower-cased in the foreign language. -1 when none.
std::int32_t TypeAheadIndex(const TVocabFile& document, char typed);

// The fields an item's text shows, in the order shown: the word/phrase, then its part of speech
// and its notes where wanted and not empty; or the translations alone. The grid's rows, the test's
// question and choices and what a screen reader reads of them all take their fields from here.
struct TShownFields {
    std::array<int, 3> Fields {};
    int Count = 0;
    const int* begin() const { return Fields.data(); }
    const int* end() const { return Fields.data() + Count; }
};
TShownFields ShownFields(const TVocabItem& item, bool foreignSide, bool category, bool notes);
