#pragma once
// The rules of the options dialog without its widgets: the fixed lists, the working values as the
// controls hold them (list positions and typed texts), the checks when leaving a page, the
// dependent controls and the writing of every field into the settings.

#include "evaluation/Translatable.h"
#include "settings/Settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct TColourEntry {
    std::string_view Name;
    TColour Value;
};
struct TScriptEntry {
    std::string_view Name;
    int Charset;
    int CodePage;
};
struct TBracketEntry {
    char Open;
    char Close;
};

std::span<const TColourEntry> ColourList(); // 16 named colours
std::span<const TScriptEntry> ScriptList(); // 6 scripts
// Byte values 32 to 255 without digits and letters; the space (position 0) means "unassigned".
std::span<const std::uint8_t> CharacterList();
std::string_view DelimiterList(); // the 20 delimiter characters in list order
std::span<const TBracketEntry> BracketList(); // (), [], {}, <>
std::string BracketText(const TBracketEntry& entry); // "(...)"
// List positions of a stored value; -1 when the value is not in the list (a damaged store).
int ColourIndex(TColour value);
int ScriptIndex(int charset);
int CharacterIndex(std::uint8_t code);
int DelimiterIndex(char delimiter);
int BracketIndex(char open, char close);
// The code page of a font character set of the script list; 0 for any other.
int CharsetCodePage(int charset);

// The key combination of a shortcut entry: a letter with Shift+Ctrl or Ctrl+Alt, or a function key
// (2-9, 11, 12) with Shift, Ctrl, Shift+Ctrl or Ctrl+Alt.
struct TShortcutKey {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    char Letter = 0; // 'A'..'Z', or 0 for a function key
    int FunctionKey = 0; // 2..12, or 0 for a letter
};
TShortcutKey ShortcutKey(int index);
// The entry index of a pressed combination (a lower-case letter counts as its capital); -1 when
// it is none of the 92.
int FindShortcut(const TShortcutKey& key);
// The character an entry types, read in the code page of its script; 0 when unassigned.
char16_t ShortcutCharacter(std::uint16_t entry);

enum TOptionsPage { opGeneral = 0, opQuestion = 1, opEvaluation = 2, opFeedback = 3, opReviews = 4 };
enum TEvaluationPage { epNative = 0, epForeign = 1, epEnglish = 2 };

// One language side of the evaluation page. The positions are -1 when nothing is selected.
struct TEvaluationSide {
    bool Caps = false, Punctuation = false, Spacing = false;
    bool Brackets = false, Alternatives = false, Translations = false;
    bool Accents = false; // accept answers that differ only in accents
    bool Typos = false; // count a single wrong letter as a typo
    int BracketsPos = -1, AltPos = -1, Trans1Pos = -1, Trans2Pos = -1;
    EvaluationDelimiters Stored; // as loaded: what a list selects again, and what it keeps unselected
};

// What the controls hold. Colours are list positions; numbers are the typed texts.
struct TOptionsForm {
    bool AppendNewWords = false, ConfirmDuplicates = false, ConfirmNoSort = false;
    bool ConfirmNoCategory = false, SkipNotes = false;
    int ColourLearnt = -1;
    std::array<std::uint16_t, ShortcutCount> Shortcuts {};
    bool KeyboardSwitching = false;
    bool TestNotesPassive = false, TestNotesActive = false;
    std::string NumChoices;
    bool UsePenaltyPoints = false;
    std::string MaxPenaltyPoints;
    bool DisallowHints = false;
    TEvaluationSide Native, Foreign;
    bool IgnoreAux = false, IgnoreTo = false, IgnoreIze = false;
    bool AutoContinue = false;
    int ColourRight = -1;
    std::string SoundFileRight;
    int ColourWrong = -1;
    std::string Delay;
    std::string SoundFileWrong;
};

TOptionsForm LoadOptionsForm(
    const TOptions& options, const std::string& soundRight, const std::string& soundWrong);
// Writes every field. A list without a selection keeps the stored value, and so does a number
// text that does not parse (the page checks normally stop that first).
void WriteOptionsForm(
    const TOptionsForm& form, TOptions& options, std::string& soundRight, std::string& soundWrong);

// The controls a check can complain about.
enum class TOptionsControl {
    None,
    NumChoices,
    MaxPenaltyPoints,
    Delay,
    NativeAlt,
    NativeTrans1,
    NativeTrans2,
    ForeignAlt,
    ForeignSyn1,
    ForeignSyn2,
};
struct TOptionsCheckFailure {
    TSaying Message;
    TOptionsControl Control; // where the focus goes
    TOptionsControl Other; // a delimiter conflict's first list, for when Control cannot take the focus
};
// The check of a page (and of the evaluation sub-page shown); nullopt when it passes. Delimiter
// lists must differ even when their option is switched off.
std::optional<TOptionsCheckFailure> CheckOptionsPage(const TOptionsForm& form, int page, int evaluationPage);

// Dependent controls.
inline bool SkipNotesEnabled(const TOptionsForm& form)
{
    return !form.ConfirmNoCategory;
}
inline bool MaxPenaltyPointsEnabled(const TOptionsForm& form)
{
    return form.UsePenaltyPoints;
}
inline bool ColourRightEnabled(const TOptionsForm& form)
{
    return !form.AutoContinue;
}
// A part of speech that must be given cannot be tabbed past.
void ConfirmNoCategoryChanged(TOptionsForm& form);
// A delimiter option switched on or off: its lists select the stored delimiters again.
enum class TDelimiterOption { Brackets, Alternatives, Translations };
void DelimiterOptionChanged(TEvaluationSide& side, TDelimiterOption option);
// The correct-response radio buttons: the colour list selects the stored colour again.
void ColourRightChoiceChanged(TOptionsForm& form, TColour storedColourRight);

// How a shortcut entry is shown: the character's list position and the script's character set.
struct TShortcutView {
    int CharacterPos = 0;
    int Charset = 0;
};
// An unassigned entry shows "unassigned" in the script of the list's foreign language.
TShortcutView ViewShortcut(std::uint16_t entry, int foreignCharset);
// The entry for a character and script chosen in the lists; position 0 clears it. A position of
// -1 (nothing selected) keeps the current character, so a damaged entry survives a script change;
// a charset of -1 (no script selected) keeps the current one.
std::uint16_t ChooseShortcut(int characterPos, int charset, std::uint16_t current);
