#pragma once
// The "@" marker by which a user types an item's sorting position into its word/phrase.

#include <cstdint>
#include <string>
#include <string_view>

// Removes the first "@" from the text and returns the sorting position it marks: the number of
// characters before it, or 0 when it is missing or stands last.
std::int32_t ExtractSortingMarker(std::string& text, bool* found = nullptr);
// The marker as the edit dialog and the import read it from a trimmed word/phrase: extracted, and
// one blank dropped where the marker stood between two blanks or a blank and an end.
std::int32_t TakeSortingMarker(std::string& text, bool* found = nullptr);
// The word/phrase as the edit box shows it: "@" before character position + 1 when the position
// is above 0; at the very start when it is 0 and markAlways is set.
std::string InsertSortingMarker(std::string_view text, std::int32_t position, bool markAlways);
// The word/phrase as a text file holds it, so that TakeSortingMarker reads back the same text and
// position: the text itself without a marker to write, else the marked text in scratch.
std::string_view MarkedForExport(std::string_view text, std::int32_t position, std::string& scratch);
