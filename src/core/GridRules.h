#pragma once
// Decisions of the grid that need no screen.

#include "core/VocabFile.h"

// Type-ahead: the next item after the current one (wrapping, the current item last) whose
// word/phrase, from its sorting position on and with only letters and digits kept, begins with
// the typed character, both lower-cased in the foreign language. -1 when none.
std::int32_t TypeAheadIndex(const TVocabFile& document, char typed);
