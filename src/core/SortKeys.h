#pragma once
// Sort keys of the items for sorting by one field.

#include "core/VocabFile.h"

#include <string>
#include <vector>

// The key of each item, in list order, for sorting by field (0..3): the field's text (for the
// word/phrase without its first SortingPosition characters), with locale keys unless plain.
TKeyTable BuildSortKeys(const TVocabFile& document, int field, bool locale = true);
// Builds the keys and sorts the document by them (one undo step).
void SortByField(TVocabFile& document, int field);
