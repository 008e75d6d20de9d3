#pragma once
// Deck packages (.apkg, .colpkg): a zip archive holding a collection, an SQLite database of note
// types, notes, cards and a review log. Read in any of its three forms (zstd-compressed
// "collection.anki21b", "collection.anki21", "collection.anki2", in that order of preference),
// written in the legacy schema (version 11) that every reader of the format takes.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TDeckNote {
    std::int64_t Id = 0, NoteType = 0;
    std::vector<std::string> Fields; // as stored: HTML
    std::string Tags; // space-separated
};

struct TDeckCard {
    std::int64_t Id = 0, Note = 0;
    std::int32_t Template = 0; // ord: 0 the first card of the note type, 1 the second...
    // The schedule written with it (the legacy fields); a card never reviewed stays new.
    std::int32_t Type = 0, Queue = 0, Interval = 0, Reps = 0, Lapses = 0;
    std::int64_t Due = 0;
};

struct TDeckReview {
    std::int64_t TimeMs = 0, Card = 0; // the log's id is the time of the answer
    std::int32_t Rating = 0; // ease: 1 Again to 4 Easy, 0 for a manual change
    std::int32_t DurationMs = 0;
    // 0 learning, 1 review, 2 relearning, 3 cram (a filtered deck), 4 manual, 5 rescheduled
    std::int32_t Type = 0;
    std::int32_t Interval = 0, LastInterval = 0;
};

struct TDeckCollection {
    std::string DeckName; // written only
    // The field names of the note type most notes use.
    std::vector<std::string> FieldNames;
    std::vector<TDeckNote> Notes;
    std::vector<TDeckCard> Cards;
    std::vector<TDeckReview> Reviews; // in time order
};

// Whether the bytes begin as a zip archive does: the import takes them as a deck package.
bool LooksLikeZip(std::string_view bytes);
// Whether a file is taken as a deck package by its name (.apkg, .colpkg, in any letter case), as
// the command line and the window's filter name them. In the header: the window asks it before it
// loads what reads packages.
inline bool IsDeckPackageName(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name.ends_with(".apkg") || name.ends_with(".colpkg");
}

// No collection of a deck is near this; a zip entry or zstd frame claiming more is refused before
// memory is spent on it.
inline constexpr std::uint64_t MaxDeckCollectionBytes = std::uint64_t { 1 } << 31;

// Reads a whole package; a file that is not a zip archive, a damaged or encrypted one, one holding
// no collection or a collection larger than maxCollectionBytes throws EVocabFileError saying so and
// that nothing was imported.
TDeckCollection ReadDeckPackage(
    std::string_view bytes, std::uint64_t maxCollectionBytes = MaxDeckCollectionBytes);

// The package of a collection in the legacy schema with a basic two-field note type ("Front",
// "Back") of two card templates (Front to Back, Back to Front): notes, cards and review log as given
// (the notes' note type, ids and the cards' notes must be consistent). Created at createdSeconds.
std::string WriteDeckPackage(const TDeckCollection& deck, std::int64_t createdSeconds);
