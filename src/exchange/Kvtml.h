#pragma once
// KVTML 2, the XML vocabulary files of KDE's education programs: read whole before anything is
// imported, then two of its languages become the list's word/phrase and translations; and the
// list written as such a file.

#include "core/VocabFile.h"
#include "evaluation/Translatable.h"
#include "exchange/TextCheck.h"
#include "exchange/TextImport.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A language of the file ("identifier").
struct TKvtmlIdentifier {
    std::string Id, Name, Locale;
    std::int32_t Texts = 0; // entries with a text in it
};
// What the learner did with a translation when asked from another one (FromId).
struct TKvtmlGrade {
    std::string FromId;
    std::int32_t Current = 0, Count = 0; // its Leitner box, and the times it was asked
    std::string Date;
};
struct TKvtmlTranslation {
    std::string Id, Text, Comment;
    std::vector<TKvtmlGrade> Grades;
    std::string WordType; // the name of the first word type listing it
};
struct TKvtmlEntry {
    std::string Id;
    std::vector<TKvtmlTranslation> Translations;
};
struct TKvtmlLesson {
    std::string Name;
    std::int32_t Entries = 0;
};
struct TKvtmlFile {
    std::string Title;
    std::vector<TKvtmlIdentifier> Identifiers;
    std::vector<TKvtmlEntry> Entries;
    std::vector<TKvtmlLesson> Lessons; // nested lessons after their parent
};

// The file as read. Bytes that are not well-formed XML, or XML that is not KVTML 2 (another root,
// version 1), or that uses entities of its own, raise EVocabFileError saying why; nothing is kept.
// External entities and document types are never loaded.
TKvtmlFile ReadKvtml(std::string_view bytes);

// Which identifiers (indexes into Identifiers) become the word/phrase and the translations, and
// whether grades become answers in the review history.
struct TKvtmlChoice {
    std::size_t Word = 0, Translations = 1;
    bool Grades = false;
    bool operator==(const TKvtmlChoice&) const = default;
};
// The identifiers whose locales are the list's languages, else the first two (nullopt with fewer
// than two identifiers, which TooFewLanguagesMessage tells).
std::optional<TKvtmlChoice> ProposedKvtmlChoice(const TKvtmlFile& file, LangId foreign, LangId native);
// The command line's --languages A,B: each an identifier's id or else its locale (in any case).
// Throws std::invalid_argument with the reason for anything else, or one identifier twice.
TKvtmlChoice ParseKvtmlLanguages(std::string_view text, const TKvtmlFile& file);
// "German (de): 120 texts" for the dialog's lists; the id stands in for a missing name.
TSaying IdentifierCaption(const TKvtmlIdentifier& identifier);
// "The file holds 120 entries in 3 lessons."
TSaying KvtmlSummary(const TKvtmlFile& file);
// Two different identifiers of the file.
bool ValidKvtmlChoice(const TKvtmlFile& file, const TKvtmlChoice& choice);
inline constexpr const char* TooFewLanguagesMessage
    = VM_TRANSLATE_NOOP("Velmoria::Model", "The file holds fewer than two languages.");
inline constexpr const char* SameLanguagesMessage = VM_TRANSLATE_NOOP(
    "Velmoria::Model", "Choose two different languages for the word/phrase and the translations.");

// A grade taken as the learner's last answer of a card: the item's index among those the import
// added, the direction (0 asked the word, 1 the translations), its time and whether it was right.
struct TKvtmlAnswer {
    std::size_t Item = 0;
    std::uint8_t Direction = 0;
    std::int64_t UnixMs = 0;
    bool Correct = false;
};
struct TKvtmlImport {
    TImportResult Result;
    std::int32_t EmptyEntries = 0; // entries with texts but none for the word/phrase, left out
    std::vector<TKvtmlAnswer> Answers; // only when grades were chosen
    std::int32_t UndatedGrades = 0; // practised grades without a date that can be read: no answer
};
// Appends the entries as items (texts converted to the list's code pages; comments to notes, the
// word/phrase's word type to the part of speech) all at once, or none: a text longer than a field holds
// refuses the file. Raises "Invalid procedure call." for identifiers outside the file or one chosen twice.
TKvtmlImport ImportKvtml(TVocabFile& document, const TKvtmlFile& file, const TKvtmlChoice& choice);
// The notes of such an import, after the text import's.
TSaying KvtmlNotes(const TKvtmlImport& import);
// What the grades' answers did in the history: added, and left out for their dates.
TSaying KvtmlAnswersMessage(std::int64_t added, std::int64_t outOfRange);

// The list as a KVTML 2 file (UTF-8, with the format's document type): identifier 0 the foreign
// language, 1 the native; notes as the word's comment; each part of speech a word type; and one
// lesson holding every entry, titled as the file is: by the list's description, else by the
// file's name without folder and extension.
std::string ExportKvtmlBytes(const TVocabFile& document, const std::string& fileName);
void ExportKvtml(const TVocabFile& document, const std::string& fileName);
