// The options dialog's rules: lists, page checks, dependent values, shortcut entries and writing.

#include "settings/OptionsRules.h"

#include <functional>
#include <gtest/gtest.h>

// Rows name only the fields they change; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

struct TWritten {
    TOptions Options;
    std::string Right, Wrong;
};

TWritten Write(const TOptionsForm& form, TOptions options = {})
{
    TWritten written { options, "old right", "old wrong" };
    WriteOptionsForm(form, written.Options, written.Right, written.Wrong);
    return written;
}

// The stored record and the values kept beside it.
auto Record(const TOptions& o)
{
    return std::tuple(OptionsToBytes(o), o.NativeAccents, o.ForeignAccents, o.NativeTypos, o.ForeignTypos);
}

TEST(OptionsRulesTest, EveryListEntryIsFoundAgainByItsValue)
{
    for (std::size_t i = 0; i < ColourList().size(); ++i)
        EXPECT_EQ(ColourIndex(ColourList()[i].Value), static_cast<int>(i));
    for (std::size_t i = 0; i < ScriptList().size(); ++i)
        EXPECT_EQ(ScriptIndex(ScriptList()[i].Charset), static_cast<int>(i));
    for (std::size_t i = 0; i < DelimiterList().size(); ++i)
        EXPECT_EQ(DelimiterIndex(DelimiterList()[i]), static_cast<int>(i));
    for (std::size_t i = 0; i < BracketList().size(); ++i)
        EXPECT_EQ(BracketIndex(BracketList()[i].Open, BracketList()[i].Close), static_cast<int>(i));
    EXPECT_EQ(BracketIndex('(', ']'), -1);
    EXPECT_EQ(CharsetCodePage(77), 0);

    // The characters: the space first, then ascending, never a letter or digit.
    const auto characters = CharacterList();
    ASSERT_EQ(characters.size(), 162u);
    EXPECT_EQ(characters.front(), ' ');
    EXPECT_TRUE(std::is_sorted(characters.begin(), characters.end()));
    for (std::size_t i = 0; i < characters.size(); ++i) {
        EXPECT_FALSE(std::isalnum(characters[i]) && characters[i] < 128) << int(characters[i]);
        EXPECT_EQ(CharacterIndex(characters[i]), static_cast<int>(i));
    }
    EXPECT_EQ(CharacterIndex('a'), -1);
}

TEST(OptionsRulesTest, LoadingAndWritingUnchangedKeepsEveryStoredByte)
{
    TOptions changed;
    changed.AppendNewWords = true;
    changed.ColourLearnt = 0x808000;
    changed.NumChoices = 8;
    changed.NativeEvaluation = efCaps | efBrackets;
    changed.ForeignDelimiters = { '|', '~', '<', '>', '#' };
    changed.EnglishEvaluation = efTo;
    changed.AutoContinue = true;
    changed.Delay = 20;
    changed.MaxPenaltyPoints = 5;
    changed.Shortcuts[3] = 0xCCE9;
    changed.Reserved199 = 7;
    changed.ForeignAccents = true;
    changed.NativeTypos = true;
    for (const TOptions& options : { TOptions {}, changed }) {
        const TOptionsForm form = LoadOptionsForm(options, "a.wav", "b.wav");
        EXPECT_EQ(form.Foreign.Accents, options.ForeignAccents);
        EXPECT_FALSE(form.Native.Accents);
        EXPECT_EQ(std::pair(form.Native.Typos, form.Foreign.Typos), std::pair(options.NativeTypos, false));
        const TWritten written = Write(form, options);
        EXPECT_EQ(Record(written.Options), Record(options));
        EXPECT_EQ(
            std::pair(written.Right, written.Wrong), std::pair(std::string("a.wav"), std::string("b.wav")));
    }
}

// Each control changed alone writes exactly its field: the whole record is compared.
TEST(OptionsRulesTest, EveryControlValueReachesItsField)
{
    const struct {
        const char* Name;
        std::function<void(TOptionsForm&)> Change;
        TOptions Expected;
    } cases[] = {
        { "append", [](auto& f) { f.AppendNewWords = true; }, { .AppendNewWords = true } },
        { "duplicates", [](auto& f) { f.ConfirmDuplicates = false; }, { .ConfirmDuplicates = false } },
        { "no sort", [](auto& f) { f.ConfirmNoSort = true; }, { .ConfirmNoSort = true } },
        { "no category", [](auto& f) { f.ConfirmNoCategory = true; }, { .ConfirmNoCategory = true } },
        { "skip notes", [](auto& f) { f.SkipNotes = true; }, { .SkipNotes = true } },
        { "learnt colour", [](auto& f) { f.ColourLearnt = 4; }, { .ColourLearnt = 0x800000 } },
        { "switching", [](auto& f) { f.KeyboardSwitching = false; }, { .KeyboardSwitching = false } },
        { "notes passive", [](auto& f) { f.TestNotesPassive = true; }, { .TestNotesPassive = true } },
        { "notes active", [](auto& f) { f.TestNotesActive = true; }, { .TestNotesActive = true } },
        { "choices", [](auto& f) { f.NumChoices = "10"; }, { .NumChoices = 10 } },
        { "penalty", [](auto& f) { f.UsePenaltyPoints = true; }, { .UsePenaltyPoints = true } },
        { "max penalty", [](auto& f) { f.MaxPenaltyPoints = "1"; }, { .MaxPenaltyPoints = 1 } },
        { "hints", [](auto& f) { f.DisallowHints = true; }, { .DisallowHints = true } },
        { "native bits", [](auto& f) { f.Native.Caps = f.Native.Translations = false; },
            { .NativeEvaluation = efBrackets | efAlternatives | efPunctuation | efSpacing } },
        { "foreign bits",
            [](auto& f) { f.Foreign.Punctuation = f.Foreign.Brackets = f.Foreign.Alternatives = false; },
            { .ForeignEvaluation = efCaps | efSpacing | efAnyTranslation } },
        { "native accents", [](auto& f) { f.Native.Accents = true; }, { .NativeAccents = true } },
        { "foreign accents", [](auto& f) { f.Foreign.Accents = true; }, { .ForeignAccents = true } },
        { "native typos", [](auto& f) { f.Native.Typos = true; }, { .NativeTypos = true } },
        { "foreign typos", [](auto& f) { f.Foreign.Typos = true; }, { .ForeignTypos = true } },
        { "native brackets", [](auto& f) { f.Native.BracketsPos = 1; },
            { .NativeDelimiters = { .BracketOpen = '[', .BracketClose = ']' } } },
        { "native alt", [](auto& f) { f.Native.AltPos = 0; }, { .NativeDelimiters = { .Alt = '!' } } },
        { "native syn1", [](auto& f) { f.Native.Trans1Pos = 1; }, { .NativeDelimiters = { .Syn1 = '#' } } },
        { "native syn2", [](auto& f) { f.Native.Trans2Pos = 19; }, { .NativeDelimiters = { .Syn2 = '~' } } },
        { "foreign alt", [](auto& f) { f.Foreign.AltPos = 18; }, { .ForeignDelimiters = { .Alt = '|' } } },
        { "foreign brackets", [](auto& f) { f.Foreign.BracketsPos = 3; },
            { .ForeignDelimiters = { .BracketOpen = '<', .BracketClose = '>' } } },
        { "english", [](auto& f) { f.IgnoreAux = f.IgnoreIze = false; }, { .EnglishEvaluation = efTo } },
        { "continue", [](auto& f) { f.AutoContinue = true; }, { .AutoContinue = true } },
        { "right colour", [](auto& f) { f.ColourRight = 2; }, { .ColourRight = 0x008000 } },
        { "wrong colour", [](auto& f) { f.ColourWrong = 15; }, { .ColourWrong = 0xFFFFFF } },
        { "delay", [](auto& f) { f.Delay = "20"; }, { .Delay = 20 } },
    };
    for (const auto& c : cases) {
        TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
        c.Change(form);
        EXPECT_EQ(Record(Write(form).Options), Record(c.Expected)) << c.Name;
    }
    TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
    form.Shortcuts[91] = 0xCCE9;
    form.SoundFileRight = "  r.wav ";
    form.SoundFileWrong = " ";
    const TWritten written = Write(form);
    EXPECT_EQ(written.Options.Shortcuts[91], 0xCCE9);
    EXPECT_EQ(std::pair(written.Right, written.Wrong), std::pair(std::string("r.wav"), std::string()));
}

TEST(OptionsRulesTest, ValuesOutsideTheListsSurviveWriting)
{
    TOptions damaged;
    damaged.ColourLearnt = 0x123456;
    damaged.NativeDelimiters = { 'x', 'y', 'a', 'b', 'z' };
    damaged.Shortcuts[0] = 0x0041; // a letter, not in the character list
    TOptionsForm form = LoadOptionsForm(damaged, "", "");
    EXPECT_EQ(form.ColourLearnt, -1);
    EXPECT_EQ(form.Native.AltPos, -1);
    form.NumChoices = "x"; // cannot happen after the page check; still nothing is lost
    const TWritten written = Write(form, damaged);
    EXPECT_EQ(OptionsToBytes(written.Options), OptionsToBytes(damaged));
    // The page check compares an unselected list by its stored character.
    damaged.NativeDelimiters = { 'x', 'y', '(', ')', 'x' }; // damaged: not in the list
    form = LoadOptionsForm(damaged, "", "");
    ASSERT_TRUE(CheckOptionsPage(form, opEvaluation, epNative));
    form.Native.AltPos = DelimiterIndex('/');
    EXPECT_FALSE(CheckOptionsPage(form, opEvaluation, epNative));
}

// A failing check names its control and the one it clashes with; C::None: the page passes.
TEST(OptionsRulesTest, PageChecks)
{
    using C = TOptionsControl;
    const struct {
        const char* Name;
        std::function<void(TOptionsForm&)> Change;
        int Page, EvaluationPage;
        C Control, Other;
    } cases[] = {
        { "defaults pass", [](auto&) {}, opQuestion, 0, C::None, C::None },
        { "eleven choices", [](auto& f) { f.NumChoices = "11"; }, opQuestion, 0, C::NumChoices,
            C::NumChoices },
        { "empty choices", [](auto& f) { f.NumChoices = ""; }, opQuestion, 0, C::NumChoices, C::NumChoices },
        { "choices before penalty",
            [](auto& f) {
                f.NumChoices = "2";
                f.MaxPenaltyPoints = "9";
            },
            opQuestion, 0, C::NumChoices, C::NumChoices },
        { "penalty six", [](auto& f) { f.MaxPenaltyPoints = "6"; }, opQuestion, 0, C::MaxPenaltyPoints,
            C::MaxPenaltyPoints },
        { "delay 21", [](auto& f) { f.Delay = "21"; }, opFeedback, 0, C::Delay, C::Delay },
        { "delay 0", [](auto& f) { f.Delay = "0"; }, opFeedback, 0, C::None, C::None },
        { "general never fails", [](auto& f) { f.NumChoices = "0"; }, opGeneral, 0, C::None, C::None },
        { "general, bad delay", [](auto& f) { f.Delay = "99"; }, opGeneral, 0, C::None, C::None },
        { "alt like trans1, option off",
            [](auto& f) {
                f.Native.Alternatives = false;
                f.Native.AltPos = f.Native.Trans1Pos;
            },
            opEvaluation, epNative, C::NativeTrans1, C::NativeAlt },
        { "alt like trans2", [](auto& f) { f.Native.AltPos = f.Native.Trans2Pos; }, opEvaluation, epNative,
            C::NativeTrans2, C::NativeAlt },
        { "trans1 like trans2", [](auto& f) { f.Native.Trans1Pos = f.Native.Trans2Pos; }, opEvaluation,
            epNative, C::NativeTrans2, C::NativeTrans1 },
        { "foreign checked on its sub-page", [](auto& f) { f.Foreign.Trans1Pos = f.Foreign.AltPos; },
            opEvaluation, epForeign, C::ForeignSyn1, C::ForeignAlt },
        { "foreign not checked on native", [](auto& f) { f.Foreign.Trans1Pos = f.Foreign.AltPos; },
            opEvaluation, epNative, C::None, C::None },
        { "english sub-page", [](auto& f) { f.Native.Trans1Pos = f.Native.Trans2Pos; }, opEvaluation,
            epEnglish, C::None, C::None },
    };
    for (const auto& c : cases) {
        TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
        c.Change(form);
        const auto failure = CheckOptionsPage(form, c.Page, c.EvaluationPage);
        EXPECT_EQ(failure ? std::pair(failure->Control, failure->Other) : std::pair(C::None, C::None),
            std::pair(c.Control, c.Other))
            << c.Name;
    }
    // The two kinds of message the dialog shows.
    TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
    form.MaxPenaltyPoints = "6";
    EXPECT_EQ(
        CheckOptionsPage(form, opQuestion, 0).value().Message.Text(), "Number must be between 1 and 5.");
    form.Native.AltPos = form.Native.Trans1Pos;
    EXPECT_EQ(
        CheckOptionsPage(form, opEvaluation, epNative).value().Message.Text(), "Delimiter already in use.");
}

TEST(OptionsRulesTest, DependentValues)
{
    TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
    form.SkipNotes = true;
    form.ConfirmNoCategory = true;
    ConfirmNoCategoryChanged(form);
    EXPECT_FALSE(form.SkipNotes);
    EXPECT_FALSE(SkipNotesEnabled(form));

    form.Native.BracketsPos = 2;
    form.Native.Trans1Pos = form.Native.Trans2Pos = 0;
    form.Native.AltPos = 5;
    DelimiterOptionChanged(form.Native, TDelimiterOption::Translations);
    EXPECT_EQ(form.Native.Trans1Pos, DelimiterIndex(';'));
    EXPECT_EQ(form.Native.Trans2Pos, DelimiterIndex(','));
    EXPECT_EQ(form.Native.BracketsPos, 2) << "the other lists keep their choice";
    DelimiterOptionChanged(form.Native, TDelimiterOption::Brackets);
    EXPECT_EQ(form.Native.BracketsPos, 0);
    DelimiterOptionChanged(form.Native, TDelimiterOption::Alternatives);
    EXPECT_EQ(form.Native.AltPos, DelimiterIndex('/'));

    form.ColourRight = 0;
    ColourRightChoiceChanged(form, 0xFF0000);
    EXPECT_EQ(form.ColourRight, ColourIndex(0xFF0000));
}

TEST(OptionsRulesTest, ShortcutEntriesKeysAndCharacters)
{
    // View: unassigned entries (a script without character too) take the foreign language's script.
    const auto view = [](std::uint16_t entry, int charset) {
        const auto v = ViewShortcut(entry, charset);
        return std::pair(v.CharacterPos, v.Charset);
    };
    EXPECT_EQ(view(0, 204), std::pair(0, 204));
    EXPECT_EQ(view(0xCC00, 161), std::pair(0, 161));
    EXPECT_EQ(view(0x00B7, 204), std::pair(CharacterIndex(0xB7), 0));
    EXPECT_EQ(view(0xCCE9, 0), std::pair(CharacterIndex(0xE9), 204));

    struct TCase {
        const char* Name;
        int CharacterPos, Charset;
        std::uint16_t Current, Expected;
    };
    const int e9 = CharacterIndex(0xE9);
    const TCase cases[] = { { "character in script", e9, 204, 0, 0xCCE9 },
        { "space clears", 0, 204, 0xCCE9, 0 }, { "script change keeps character", e9, 161, 0xCCE9, 0xA1E9 },
        { "no script keeps the entry's", e9, -1, 0xBA41, 0xBAE9 },
        { "no character keeps the entry's", -1, 0, 0xBA41, 0x0041 }, { "nothing to keep", -1, 0, 0, 0 } };
    for (const TCase& c : cases)
        EXPECT_EQ(ChooseShortcut(c.CharacterPos, c.Charset, c.Current), c.Expected) << c.Name;

    // Pressed keys find their entry, and entries their character.
    for (int i = 0; i < ShortcutCount; ++i)
        EXPECT_EQ(FindShortcut(ShortcutKey(i)), i);
    const TShortcutKey lowerCase { true, true, false, 'z', 0 };
    EXPECT_EQ(FindShortcut(lowerCase), 25);
    // F1, F10, Ctrl+letter and all three modifiers with a letter are no entries.
    for (const TShortcutKey& key :
        { TShortcutKey { true, false, false, 0, 1 }, TShortcutKey { false, true, false, 0, 10 },
            TShortcutKey { false, true, false, 'A', 0 }, TShortcutKey { true, true, true, 'A', 0 } })
        EXPECT_EQ(FindShortcut(key), -1);

    EXPECT_EQ(ShortcutCharacter(0), 0);
    EXPECT_EQ(ShortcutCharacter(0x0092), u'\u2019');
    EXPECT_EQ(ShortcutCharacter(0xCCE4), u'д'); // Cyrillic 204
    EXPECT_EQ(ShortcutCharacter(0xA1E4), u'δ'); // Greek 161
    EXPECT_EQ(ShortcutCharacter(0x07E4), u'ä'); // an unknown script reads as Western

    // The keys follow the stored order.
    const struct {
        int Index;
        bool Shift, Ctrl, Alt;
        char Letter;
        int FunctionKey;
    } keys[] = { { 0, true, true, false, 'A', 0 }, { 9, true, true, false, 'J', 0 },
        { 35, false, true, true, 'J', 0 }, { 51, false, true, true, 'Z', 0 },
        { 52, true, false, false, 0, 2 }, { 59, true, false, false, 0, 9 }, { 60, true, false, false, 0, 11 },
        { 62, false, true, false, 0, 2 }, { 75, true, true, false, 0, 5 }, { 91, false, true, true, 0, 12 } };
    for (const auto& c : keys) {
        const TShortcutKey key = ShortcutKey(c.Index);
        EXPECT_EQ(std::tuple(key.Shift, key.Ctrl, key.Alt, key.Letter, key.FunctionKey),
            std::tuple(c.Shift, c.Ctrl, c.Alt, c.Letter, c.FunctionKey))
            << c.Index;
    }
}

} // namespace
