#include "settings/OptionsRules.h"

#include "core/DisplayText.h"
#include "evaluation/TextUtils.h"
#include "evaluation/Translatable.h"

#include <algorithm>

namespace {
constexpr std::array<TColourEntry, 16> Colours { {
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Black"), 0x000000 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Maroon"), 0x000080 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Green"), 0x008000 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Olive"), 0x008080 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Navy"), 0x800000 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Purple"), 0x800080 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Teal"), 0x808000 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Grey"), 0x808080 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Silver"), 0xC0C0C0 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Red"), 0x0000FF },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Lime"), 0x00FF00 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Yellow"), 0x00FFFF },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Blue"), 0xFF0000 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Fuchsia"), 0xFF00FF },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Aqua"), 0xFFFF00 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "White"), 0xFFFFFF },
} };

constexpr std::array<TScriptEntry, 6> Scripts { {
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Western"), 0, 1252 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Baltic"), 186, 1257 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Central European"), 238, 1250 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Cyrillic"), 204, 1251 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Greek"), 161, 1253 },
    { VM_TRANSLATE_NOOP("Velmoria::Model", "Turkish"), 162, 1254 },
} };

constexpr std::array<TBracketEntry, 4> Brackets { { { '(', ')' }, { '[', ']' }, { '{', '}' },
    { '<', '>' } } };

constexpr std::string_view Delimiters = "!#$%&*+,./:;=?\\^_`|~";

constexpr bool IsAlphanumeric(int code)
{
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

constexpr std::array<std::uint8_t, 162> MakeCharacters()
{
    std::array<std::uint8_t, 162> codes {};
    std::size_t n = 0;
    for (int code = 32; code <= 255; ++code)
        if (!IsAlphanumeric(code))
            codes[n++] = static_cast<std::uint8_t>(code);
    return codes;
}
constexpr std::array<std::uint8_t, 162> Characters = MakeCharacters();

template <typename List, typename Match> int IndexOf(const List& list, Match match)
{
    const auto it = std::find_if(list.begin(), list.end(), match);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

char DelimiterAt(int pos, char stored)
{
    return pos >= 0 && pos < static_cast<int>(Delimiters.size()) ? Delimiters[static_cast<std::size_t>(pos)]
                                                                 : stored;
}

// Lists compare by position; an unselected list stands for its stored character.
bool SameDelimiter(int posA, char storedA, int posB, char storedB)
{
    if (posA >= 0 && posB >= 0)
        return posA == posB;
    return DelimiterAt(posA, storedA) == DelimiterAt(posB, storedB);
}

std::optional<TOptionsCheckFailure> CheckRange(
    const std::string& text, int min, int max, TOptionsControl control)
{
    if (IntInRange(text, min, max))
        return std::nullopt;
    return TOptionsCheckFailure { IntRangeMessage(min, max), control, control };
}

struct TSideControls {
    TOptionsControl Alt, Trans1, Trans2;
};

std::optional<TOptionsCheckFailure> CheckSide(const TEvaluationSide& side, const TSideControls& controls)
{
    struct TPair {
        int PosA;
        char StoredA;
        TOptionsControl A;
        int PosB;
        char StoredB;
        TOptionsControl B;
    };
    const std::array<TPair, 3> pairs { {
        { side.AltPos, side.Stored.Alt, controls.Alt, side.Trans1Pos, side.Stored.Syn1, controls.Trans1 },
        { side.AltPos, side.Stored.Alt, controls.Alt, side.Trans2Pos, side.Stored.Syn2, controls.Trans2 },
        { side.Trans1Pos, side.Stored.Syn1, controls.Trans1, side.Trans2Pos, side.Stored.Syn2,
            controls.Trans2 },
    } };
    for (const TPair& pair : pairs)
        if (SameDelimiter(pair.PosA, pair.StoredA, pair.PosB, pair.StoredB))
            return TOptionsCheckFailure { VM_TRANSLATE_NOOP("Velmoria::Model", "Delimiter already in use."),
                pair.B, pair.A };
    return std::nullopt;
}

TEvaluationSide LoadSide(EvaluationFlags flags, const EvaluationDelimiters& delimiters)
{
    TEvaluationSide side;
    side.Caps = (flags & efCaps) != 0;
    side.Punctuation = (flags & efPunctuation) != 0;
    side.Spacing = (flags & efSpacing) != 0;
    side.Brackets = (flags & efBrackets) != 0;
    side.Alternatives = (flags & efAlternatives) != 0;
    side.Translations = (flags & efAnyTranslation) != 0;
    side.Stored = delimiters;
    DelimiterOptionChanged(side, TDelimiterOption::Brackets);
    DelimiterOptionChanged(side, TDelimiterOption::Alternatives);
    DelimiterOptionChanged(side, TDelimiterOption::Translations);
    return side;
}

void WriteSide(const TEvaluationSide& side, EvaluationFlags& flags, EvaluationDelimiters& delimiters)
{
    flags = 0;
    const std::array<std::pair<bool, EvaluationFlags>, 6> bits { {
        { side.Caps, efCaps },
        { side.Punctuation, efPunctuation },
        { side.Spacing, efSpacing },
        { side.Brackets, efBrackets },
        { side.Alternatives, efAlternatives },
        { side.Translations, efAnyTranslation },
    } };
    for (const auto& [on, bit] : bits)
        if (on)
            flags = static_cast<EvaluationFlags>(flags | bit);
    if (side.BracketsPos >= 0 && side.BracketsPos < static_cast<int>(Brackets.size())) {
        delimiters.BracketOpen = Brackets[static_cast<std::size_t>(side.BracketsPos)].Open;
        delimiters.BracketClose = Brackets[static_cast<std::size_t>(side.BracketsPos)].Close;
    } else {
        delimiters.BracketOpen = side.Stored.BracketOpen;
        delimiters.BracketClose = side.Stored.BracketClose;
    }
    delimiters.Alt = DelimiterAt(side.AltPos, side.Stored.Alt);
    delimiters.Syn1 = DelimiterAt(side.Trans1Pos, side.Stored.Syn1);
    delimiters.Syn2 = DelimiterAt(side.Trans2Pos, side.Stored.Syn2);
}

void WriteNumber(const std::string& text, std::int32_t& field)
{
    if (const auto value = ParseInt32(text))
        field = *value;
}

TColour ColourAt(int pos, TColour stored)
{
    return pos >= 0 && pos < static_cast<int>(Colours.size()) ? Colours[static_cast<std::size_t>(pos)].Value
                                                              : stored;
}
} // namespace

std::span<const TColourEntry> ColourList()
{
    return Colours;
}

std::span<const TScriptEntry> ScriptList()
{
    return Scripts;
}

std::span<const std::uint8_t> CharacterList()
{
    return Characters;
}

std::string_view DelimiterList()
{
    return Delimiters;
}

std::span<const TBracketEntry> BracketList()
{
    return Brackets;
}

std::string BracketText(const TBracketEntry& entry)
{
    return std::string(1, entry.Open) + "..." + std::string(1, entry.Close);
}

int ColourIndex(TColour value)
{
    return IndexOf(Colours, [value](const TColourEntry& entry) { return entry.Value == value; });
}

int ScriptIndex(int charset)
{
    return IndexOf(Scripts, [charset](const TScriptEntry& entry) { return entry.Charset == charset; });
}

int CharacterIndex(std::uint8_t code)
{
    return IndexOf(Characters, [code](std::uint8_t entry) { return entry == code; });
}

int DelimiterIndex(char delimiter)
{
    const auto pos = Delimiters.find(delimiter);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

int BracketIndex(char open, char close)
{
    return IndexOf(Brackets,
        [open, close](const TBracketEntry& entry) { return entry.Open == open && entry.Close == close; });
}

int CharsetCodePage(int charset)
{
    const int pos = ScriptIndex(charset);
    return pos < 0 ? 0 : Scripts[static_cast<std::size_t>(pos)].CodePage;
}

TShortcutKey ShortcutKey(int index)
{
    TShortcutKey key;
    if (index < 0 || index >= ShortcutCount)
        return key;
    if (index < 52) {
        key.Ctrl = true;
        key.Shift = index < 26;
        key.Alt = index >= 26;
        key.Letter = static_cast<char>('A' + index % 26);
        return key;
    }
    constexpr std::array<int, 10> functionKeys { 2, 3, 4, 5, 6, 7, 8, 9, 11, 12 };
    const int group = (index - 52) / 10;
    key.FunctionKey = functionKeys[static_cast<std::size_t>((index - 52) % 10)];
    key.Shift = group == 0 || group == 2;
    key.Ctrl = group >= 1;
    key.Alt = group == 3;
    return key;
}

int FindShortcut(const TShortcutKey& key)
{
    const char letter
        = key.Letter >= 'a' && key.Letter <= 'z' ? static_cast<char>(key.Letter - 'a' + 'A') : key.Letter;
    for (int i = 0; i < ShortcutCount; ++i) {
        const TShortcutKey entry = ShortcutKey(i);
        if (entry.Shift == key.Shift && entry.Ctrl == key.Ctrl && entry.Alt == key.Alt
            && entry.Letter == letter && entry.FunctionKey == key.FunctionKey)
            return i;
    }
    return -1;
}

char16_t ShortcutCharacter(std::uint16_t entry)
{
    const auto code = static_cast<char>(entry & 0xFF);
    if (code == 0)
        return 0;
    // A script outside the list (a damaged store) reads as Western.
    const int codePage = CharsetCodePage(entry >> 8);
    const std::u16string wide
        = AnsiToWide(std::string_view(&code, 1), codePage == 0 ? CP_SYSTEM_DEFAULT : codePage);
    return wide.empty() ? char16_t(0) : wide[0];
}

TOptionsForm LoadOptionsForm(
    const TOptions& options, const std::string& soundRight, const std::string& soundWrong)
{
    TOptionsForm form;
    form.AppendNewWords = options.AppendNewWords;
    form.ConfirmDuplicates = options.ConfirmDuplicates;
    form.ConfirmNoSort = options.ConfirmNoSort;
    form.ConfirmNoCategory = options.ConfirmNoCategory;
    form.SkipNotes = options.SkipNotes;
    form.ColourLearnt = ColourIndex(options.ColourLearnt);
    form.Shortcuts = options.Shortcuts;
    form.KeyboardSwitching = options.KeyboardSwitching;
    form.TestNotesPassive = options.TestNotesPassive;
    form.TestNotesActive = options.TestNotesActive;
    form.NumChoices = std::to_string(options.NumChoices);
    form.UsePenaltyPoints = options.UsePenaltyPoints;
    form.MaxPenaltyPoints = std::to_string(options.MaxPenaltyPoints);
    form.DisallowHints = options.DisallowHints;
    form.Native = LoadSide(options.NativeEvaluation, options.NativeDelimiters);
    form.Native.Accents = options.NativeAccents;
    form.Native.Typos = options.NativeTypos;
    form.Foreign = LoadSide(options.ForeignEvaluation, options.ForeignDelimiters);
    form.Foreign.Accents = options.ForeignAccents;
    form.Foreign.Typos = options.ForeignTypos;
    form.IgnoreAux = (options.EnglishEvaluation & efAux) != 0;
    form.IgnoreTo = (options.EnglishEvaluation & efTo) != 0;
    form.IgnoreIze = (options.EnglishEvaluation & efIze) != 0;
    form.AutoContinue = options.AutoContinue;
    form.ColourRight = ColourIndex(options.ColourRight);
    form.SoundFileRight = soundRight;
    form.ColourWrong = ColourIndex(options.ColourWrong);
    form.Delay = std::to_string(options.Delay);
    form.SoundFileWrong = soundWrong;
    return form;
}

void WriteOptionsForm(
    const TOptionsForm& form, TOptions& options, std::string& soundRight, std::string& soundWrong)
{
    options.AppendNewWords = form.AppendNewWords;
    options.ConfirmDuplicates = form.ConfirmDuplicates;
    options.ConfirmNoSort = form.ConfirmNoSort;
    options.ConfirmNoCategory = form.ConfirmNoCategory;
    options.SkipNotes = form.SkipNotes;
    options.ColourLearnt = ColourAt(form.ColourLearnt, options.ColourLearnt);
    options.Shortcuts = form.Shortcuts;
    options.KeyboardSwitching = form.KeyboardSwitching;
    options.TestNotesPassive = form.TestNotesPassive;
    options.TestNotesActive = form.TestNotesActive;
    WriteNumber(form.NumChoices, options.NumChoices);
    options.UsePenaltyPoints = form.UsePenaltyPoints;
    WriteNumber(form.MaxPenaltyPoints, options.MaxPenaltyPoints);
    options.DisallowHints = form.DisallowHints;
    WriteSide(form.Native, options.NativeEvaluation, options.NativeDelimiters);
    WriteSide(form.Foreign, options.ForeignEvaluation, options.ForeignDelimiters);
    options.NativeAccents = form.Native.Accents;
    options.ForeignAccents = form.Foreign.Accents;
    options.NativeTypos = form.Native.Typos;
    options.ForeignTypos = form.Foreign.Typos;
    options.EnglishEvaluation = static_cast<EvaluationFlags>(
        (form.IgnoreAux ? efAux : 0) | (form.IgnoreTo ? efTo : 0) | (form.IgnoreIze ? efIze : 0));
    options.ColourRight = ColourAt(form.ColourRight, options.ColourRight);
    options.AutoContinue = form.AutoContinue;
    soundRight = Trim(form.SoundFileRight);
    options.ColourWrong = ColourAt(form.ColourWrong, options.ColourWrong);
    WriteNumber(form.Delay, options.Delay);
    soundWrong = Trim(form.SoundFileWrong);
}

std::optional<TOptionsCheckFailure> CheckOptionsPage(const TOptionsForm& form, int page, int evaluationPage)
{
    switch (page) {
    case opQuestion:
        if (auto failure = CheckRange(form.NumChoices, 3, 10, TOptionsControl::NumChoices))
            return failure;
        return CheckRange(form.MaxPenaltyPoints, 1, 5, TOptionsControl::MaxPenaltyPoints);
    case opFeedback:
        return CheckRange(form.Delay, 0, 20, TOptionsControl::Delay);
    case opEvaluation:
        if (evaluationPage == epNative)
            return CheckSide(form.Native,
                { TOptionsControl::NativeAlt, TOptionsControl::NativeTrans1, TOptionsControl::NativeTrans2 });
        if (evaluationPage == epForeign)
            return CheckSide(form.Foreign,
                { TOptionsControl::ForeignAlt, TOptionsControl::ForeignSyn1, TOptionsControl::ForeignSyn2 });
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void ConfirmNoCategoryChanged(TOptionsForm& form)
{
    if (form.ConfirmNoCategory)
        form.SkipNotes = false;
}

void DelimiterOptionChanged(TEvaluationSide& side, TDelimiterOption option)
{
    switch (option) {
    case TDelimiterOption::Brackets:
        side.BracketsPos = BracketIndex(side.Stored.BracketOpen, side.Stored.BracketClose);
        break;
    case TDelimiterOption::Alternatives:
        side.AltPos = DelimiterIndex(side.Stored.Alt);
        break;
    case TDelimiterOption::Translations:
        side.Trans1Pos = DelimiterIndex(side.Stored.Syn1);
        side.Trans2Pos = DelimiterIndex(side.Stored.Syn2);
        break;
    }
}

void ColourRightChoiceChanged(TOptionsForm& form, TColour storedColourRight)
{
    form.ColourRight = ColourIndex(storedColourRight);
}

TShortcutView ViewShortcut(std::uint16_t entry, int foreignCharset)
{
    const auto code = static_cast<std::uint8_t>(entry & 0xFF);
    if (code == 0)
        return { 0, foreignCharset };
    return { CharacterIndex(code), entry >> 8 };
}

std::uint16_t ChooseShortcut(int characterPos, int charset, std::uint16_t current)
{
    if (characterPos == 0)
        return 0;
    const int high = charset >= 0 ? charset : current >> 8;
    const int low = characterPos > 0 && characterPos < static_cast<int>(Characters.size())
        ? Characters[static_cast<std::size_t>(characterPos)]
        : current & 0xFF;
    if (low == 0)
        return 0;
    return static_cast<std::uint16_t>(((high & 0xFF) << 8) | low);
}
