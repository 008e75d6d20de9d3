#pragma once
// What a deck package becomes in a list and in the review history, and what a list becomes as a
// deck package.

#include "core/VocabFile.h"
#include "deck/DeckPackage.h"
#include "evaluation/Translatable.h"
#include "review/History.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A field's HTML as the text of a field of ours: tags dropped, entities read, line breaks and blocks
// made "; ", spaces collapsed; sound ("[sound:...]") and image references dropped and counted.
std::string DeckFieldText(std::string_view html, std::int32_t& droppedMedia);

struct TDeckImportOptions {
    bool OtherFieldsToNotes = true; // the third field on, joined with "; "
    bool TagsAsCategory = false; // the tags as the part of speech, a space apart as the package holds them
    bool ReviewLog = true;
};

struct TDeckImportResult {
    std::int32_t Added = 0;
    std::int32_t LostFields = 0; // characters the list's code page lacks were substituted
    std::int32_t Skipped = 0; // notes with nothing in the first field
    std::int32_t NoTranslation = 0; // given "#Value?#"
    std::int32_t DroppedMedia = 0; // sound and image references
    std::int32_t Answers = 0; // review log entries taken
    std::int32_t DroppedAnswers = 0; // manual, cram, unrated entries, those of cards not imported
    std::int32_t AddedAnswers = 0; // of those, new to the history
};

// A package read and mapped, nothing written yet.
struct TDeckImport {
    std::unique_ptr<TVocabFile> Items = std::make_unique<TVocabFile>(); // in the languages asked for
    std::vector<THistoryImportRow> Answers;
    TDeckImportResult Result;
};

// Maps the notes in order; the review log of cards 0 (word asked) and 1 (translations asked) of
// each imported note goes to the answers, in time order. A field too long to store refuses the
// whole package (EVocabFileError).
TDeckImport MapDeck(
    const TDeckCollection& deck, LangId foreign, LangId native, const TDeckImportOptions& options);

// The preview: the fields, the counts and the first notes as they would be imported.
struct TDeckPreview {
    std::vector<std::string> FieldNames; // UTF-8
    std::int32_t Notes = 0, Reviews = 0;
    std::vector<std::array<std::string, 2>> First; // word and translations, UTF-8
};
TDeckPreview PreviewDeck(const TDeckCollection& deck, std::size_t rows);
// "Fields: Front, Back. 120 notes, 800 review log entries."
TSaying DeckPreviewSaying(const TDeckPreview& preview);

// Writes the answers (history may be null when there are none or they are not wanted) and then
// appends the items: a history that refuses them leaves the list as it was.
TDeckImportResult ApplyDeckImport(
    TDeckImport& import, TVocabFile& document, THistory* history, const TSchedulerParameters& p = {});
// "12 items imported successfully." and what changed or was left out.
TSaying DeckImportedMessage(const TDeckImportResult& result);

struct TDeckExportOptions {
    bool WordAsked = true; // a card showing the word, asking the translations
    bool TranslationsAsked = false;
    bool ReviewLog = false; // the history's answers of those cards, and their schedules
};
// The list as a package; history is read only with ReviewLog. Writes nothing.
std::string ExportDeckBytes(const TVocabFile& document, const TDeckExportOptions& options, THistory* history,
    std::int64_t nowSeconds);
