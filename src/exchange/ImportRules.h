#pragma once
// The rules of the Import command and its field-selection dialog that need no screen.

#include "exchange/TextCheck.h"
#include "exchange/TextFormat.h"
#include "exchange/TextImport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The settings of one text import; nothing of it outlives the command.
struct TImportSettings {
    TTextFormat Format = tfTextComma;
    std::int32_t StartLine = 1;
    TFieldColumns FieldColumns {};
};

struct TImportField {
    std::string_view Caption;
    int Field; // FieldValues index
};
// "Word/phrase", "Part of speech", "Notes", "Translations" with their field indexes.
std::span<const TImportField> ImportFields();

// The dialog's two lists of field indexes. Moving an entry appends it to the other list; the
// list it left selects the entry now at its position, or the one before when it was the last.
class TFieldLists {
public:
    TFieldLists();
    const std::vector<int>& Available() const { return Available_; }
    const std::vector<int>& Selected() const { return Selected_; }
    // Each returns the row to select in the list moved from, -1 when it is empty; nothing happens
    // (and the result is -1) for a row outside the list.
    int Add(int row);
    int Remove(int row);
    // The order of the selected list is the column order of the file.
    TFieldColumns Columns() const;

private:
    std::vector<int> Available_;
    std::vector<int> Selected_;
};

inline constexpr std::int32_t MaxStartLine = 32767;
// The start line box's number when it is a whole number from 1 to 32767.
std::optional<std::int32_t> ParseStartLine(std::string_view text);

// The checks of OK, in their order.
enum TImportCheck : std::uint8_t { icOk, icBadStartLine, icNoWordPhrase };
TImportCheck CheckImport(std::string_view startLineText, const TFieldLists& lists);
inline constexpr const char* NoWordPhraseMessage = VM_TRANSLATE_NOOP(
    "Velmoria::Model", "The field 'Word/phrase' must be included in the list of fields to import.");

// An 8-bit format would read UTF-8 text (well-formed, with multi-byte characters) byte by byte,
// turning "Käse" into "KÃ¤se": the UTF-8 format of the same delimiter to offer instead. Nullopt
// when the chosen format is not an 8-bit one or the bytes are not such text.
std::optional<TTextFormat> Utf8Instead(TTextFormat chosen, std::string_view bytes, bool cut);
// The window's question before such an import (Yes: the offered format, No: as chosen).
TSaying Utf8Question(TTextFormat offered);
// The command line's refusal of it.
std::string Utf8Refusal(TTextFormat chosen, TTextFormat offered);

// A file with the extension ".vmr" in any letter case is a vocabulary file; others are text.
bool IsVocabularyFileName(std::string_view fileName);
// "12 items imported successfully.", then the notes when the import changed or left out anything.
TSaying ImportedMessage(const TImportResult& result);
// One sentence per kind of change or omission with its count; empty when the import took every
// line as it stood.
TSaying ImportNotes(const TImportResult& result);
