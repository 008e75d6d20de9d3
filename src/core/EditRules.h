#pragma once
// The item edit dialog's OK: the cleaning of the typed texts, the sorting marker, and the checks
// and questions in their fixed order. The dialog presents each step and forwards the answers.

#include "core/VocabFile.h"
#include "evaluation/Translatable.h"

#include <array>
#include <cstdint>
#include <string>

// The record the dialog's caller passes in and reads back.
struct TItemEditData {
    bool IsNew = true; // Add; false for Edit
    std::array<std::string, 4> FieldValues; // in: the item's texts; out: the cleaned texts
    std::int32_t SortingPosition = 0;
};

// Puts the dialog's texts and sorting position in place of the current item, undoably. The new
// version starts untested: a changed word or translation is a new question to learn.
void ReplaceCurrentItem(TVocabFile& document, const TItemEditData& data);

// The settings that switch the questions on.
struct TEditChecks {
    bool ConfirmNoSort = false;
    bool ConfirmNoCategory = false;
    bool ConfirmDuplicates = false;
};

// Marked for the window's translations.
inline constexpr char NoWordMessage[] = VM_TRANSLATE_NOOP("Velmoria::Model", "Enter a word or phrase.");
inline constexpr char NoTranslationMessage[] = VM_TRANSLATE_NOOP("Velmoria::Model", "Enter a translation.");
inline constexpr char NoSortQuestion[] = VM_TRANSLATE_NOOP(
    "Velmoria::Model", "You have not specified the sorting position. Sort this item by its initial letter?");
inline constexpr char NoCategoryQuestion[]
    = VM_TRANSLATE_NOOP("Velmoria::Model", "You have not specified the part of speech. Leave field blank?");
inline constexpr char DuplicateQuestion[]
    = VM_TRANSLATE_NOOP("Velmoria::Model", "Word or translation already exists. Add anyway?");

enum TEditStepKind : std::uint8_t {
    esCancel, // close as Cancel, nothing stored
    esTell, // show Text (OK button), then stay open on Field
    esAsk, // ask Text (Yes/No, No the default) and pass the answer to Answer
    esStay, // stay open on Field, its whole text selected
    esAccept, // store Values and SortingPosition and close with OK
};

struct TEditStep {
    TEditStepKind Kind = esCancel;
    const char* Text = nullptr;
    int Field = fiForeign;
    // Before this step: put "@" in front of the word/phrase box, so a later OK does not ask about
    // the sorting position again.
    bool MarkForeignBox = false;
};

class TEditOk {
public:
    // boxes: the four boxes' texts as typed; dataChanged: whether any was changed since filling.
    TEditOk(const TItemEditData& data, bool dataChanged, const std::array<std::string, 4>& boxes,
        const TEditChecks& checks, const TVocabFile& document);
    TEditStep Start();
    // The step that follows the answer to the question Start or Answer returned.
    TEditStep Answer(bool yes);
    // After esAccept: the cleaned texts (the word/phrase without its marker) and the position.
    const TFieldValues& Values() const { return Values_; }
    std::int32_t SortingPosition() const { return SortingPosition_; }

private:
    enum TQuestion : std::uint8_t { qNone, qSort, qCategory, qDuplicate };
    TEditStep Ask(TQuestion question, const char* text);
    TEditStep FromCategory();
    TEditStep FromDuplicates();

    bool IsNew_;
    bool DataChanged_;
    TEditChecks Checks_;
    const TVocabFile& Document_;
    TFieldValues Values_;
    std::int32_t SortingPosition_ = 0;
    TQuestion Asked_ = qNone;
};
