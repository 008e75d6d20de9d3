// The options dialog's rules: lists, page checks, dependent values, shortcut entries and writing.

#include "settings/OptionsRules.h"

#include <functional>
#include <gtest/gtest.h>

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

TEST(OptionsRulesTest, ShortcutKeysFollowTheStoredOrder)
{
    struct TCase {
        int Index;
        bool Shift, Ctrl, Alt;
        char Letter;
        int FunctionKey;
    };
    const TCase cases[] = { { 0, true, true, false, 'A', 0 }, { 9, true, true, false, 'J', 0 },
        { 35, false, true, true, 'J', 0 }, { 51, false, true, true, 'Z', 0 },
        { 52, true, false, false, 0, 2 }, { 59, true, false, false, 0, 9 }, { 60, true, false, false, 0, 11 },
        { 62, false, true, false, 0, 2 }, { 75, true, true, false, 0, 5 }, { 91, false, true, true, 0, 12 } };
    for (const TCase& c : cases) {
        const TShortcutKey key = ShortcutKey(c.Index);
        EXPECT_EQ(std::tuple(key.Shift, key.Ctrl, key.Alt, key.Letter, key.FunctionKey),
            std::tuple(c.Shift, c.Ctrl, c.Alt, c.Letter, c.FunctionKey))
            << c.Index;
    }
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
    for (const TOptions& options : { TOptions {}, changed }) {
        const TOptionsForm form = LoadOptionsForm(options, "a.wav", "b.wav");
        EXPECT_EQ(form.Foreign.Accents, options.ForeignAccents);
        EXPECT_FALSE(form.Native.Accents);
        const TWritten written = Write(form, options);
        EXPECT_EQ(OptionsToBytes(written.Options), OptionsToBytes(options));
        EXPECT_EQ(written.Options.NativeAccents, options.NativeAccents);
        EXPECT_EQ(written.Options.ForeignAccents, options.ForeignAccents);
        EXPECT_EQ(written.Right, "a.wav");
        EXPECT_EQ(written.Wrong, "b.wav");
    }
}

TEST(OptionsRulesTest, EveryControlValueReachesItsField)
{
    struct TCase {
        const char* Name;
        std::function<void(TOptionsForm&)> Change;
        std::function<bool(const TWritten&)> Written;
    };
    const TCase cases[] = {
        { "append", [](auto& f) { f.AppendNewWords = true; },
            [](auto& w) { return w.Options.AppendNewWords; } },
        { "duplicates", [](auto& f) { f.ConfirmDuplicates = false; },
            [](auto& w) { return !w.Options.ConfirmDuplicates; } },
        { "no sort", [](auto& f) { f.ConfirmNoSort = true; },
            [](auto& w) { return w.Options.ConfirmNoSort; } },
        { "no category", [](auto& f) { f.ConfirmNoCategory = true; },
            [](auto& w) { return w.Options.ConfirmNoCategory; } },
        { "skip notes", [](auto& f) { f.SkipNotes = true; }, [](auto& w) { return w.Options.SkipNotes; } },
        { "learnt colour", [](auto& f) { f.ColourLearnt = 4; },
            [](auto& w) { return w.Options.ColourLearnt == 0x800000; } },
        { "shortcut", [](auto& f) { f.Shortcuts[91] = 0xCCE9; },
            [](auto& w) { return w.Options.Shortcuts[91] == 0xCCE9; } },
        { "switching", [](auto& f) { f.KeyboardSwitching = false; },
            [](auto& w) { return !w.Options.KeyboardSwitching; } },
        { "notes passive", [](auto& f) { f.TestNotesPassive = true; },
            [](auto& w) { return w.Options.TestNotesPassive; } },
        { "notes active", [](auto& f) { f.TestNotesActive = true; },
            [](auto& w) { return w.Options.TestNotesActive; } },
        { "choices", [](auto& f) { f.NumChoices = "10"; },
            [](auto& w) { return w.Options.NumChoices == 10; } },
        { "penalty", [](auto& f) { f.UsePenaltyPoints = true; },
            [](auto& w) { return w.Options.UsePenaltyPoints; } },
        { "max penalty", [](auto& f) { f.MaxPenaltyPoints = "1"; },
            [](auto& w) { return w.Options.MaxPenaltyPoints == 1; } },
        { "hints", [](auto& f) { f.DisallowHints = true; }, [](auto& w) { return w.Options.DisallowHints; } },
        { "native bits", [](auto& f) { f.Native.Caps = f.Native.Translations = false; },
            [](auto& w) {
                return w.Options.NativeEvaluation
                    == (efBrackets | efAlternatives | efPunctuation | efSpacing);
            } },
        { "foreign bits",
            [](auto& f) { f.Foreign.Punctuation = f.Foreign.Brackets = f.Foreign.Alternatives = false; },
            [](auto& w) { return w.Options.ForeignEvaluation == (efCaps | efSpacing | efAnyTranslation); } },
        { "native accents", [](auto& f) { f.Native.Accents = true; },
            [](auto& w) { return w.Options.NativeAccents && !w.Options.ForeignAccents; } },
        { "foreign accents", [](auto& f) { f.Foreign.Accents = true; },
            [](auto& w) { return w.Options.ForeignAccents && !w.Options.NativeAccents; } },
        { "square brackets", [](auto& f) { f.Native.BracketsPos = 1; },
            [](auto& w) {
                return w.Options.NativeDelimiters.BracketOpen == '['
                    && w.Options.NativeDelimiters.BracketClose == ']';
            } },
        { "native delimiters",
            [](auto& f) {
                f.Native.AltPos = 0;
                f.Native.Trans1Pos = 1;
                f.Native.Trans2Pos = 19;
            },
            [](auto& w) {
                const auto& d = w.Options.NativeDelimiters;
                return d.Alt == '!' && d.Syn1 == '#' && d.Syn2 == '~';
            } },
        { "foreign delimiters",
            [](auto& f) {
                f.Foreign.AltPos = 18;
                f.Foreign.BracketsPos = 3;
            },
            [](auto& w) {
                const auto& d = w.Options.ForeignDelimiters;
                return d.Alt == '|' && d.BracketOpen == '<' && d.BracketClose == '>';
            } },
        { "english", [](auto& f) { f.IgnoreAux = f.IgnoreIze = false; },
            [](auto& w) { return w.Options.EnglishEvaluation == efTo; } },
        { "continue",
            [](auto& f) {
                f.AutoContinue = true;
                f.ColourRight = 2;
            },
            [](auto& w) { return w.Options.AutoContinue && w.Options.ColourRight == 0x008000; } },
        { "wrong colour", [](auto& f) { f.ColourWrong = 15; },
            [](auto& w) { return w.Options.ColourWrong == 0xFFFFFF; } },
        { "delay", [](auto& f) { f.Delay = "20"; }, [](auto& w) { return w.Options.Delay == 20; } },
        { "sounds trimmed",
            [](auto& f) {
                f.SoundFileRight = "  r.wav ";
                f.SoundFileWrong = " ";
            },
            [](auto& w) { return w.Right == "r.wav" && w.Wrong.empty(); } },
    };
    for (const TCase& c : cases) {
        TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
        c.Change(form);
        EXPECT_TRUE(c.Written(Write(form))) << c.Name;
    }
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
}

TEST(OptionsRulesTest, PageChecks)
{
    using C = TOptionsControl;
    struct TCase {
        const char* Name;
        std::function<void(TOptionsForm&)> Change;
        int Page, EvaluationPage;
        const char* Message; // nullptr: passes
        C Control, Other;
    };
    const auto none = [](TOptionsForm&) {};
    const char* const inUse = "Delimiter already in use.";
    const TCase cases[] = {
        { "defaults pass", none, opQuestion, 0, nullptr, C::None, C::None },
        { "eleven choices", [](auto& f) { f.NumChoices = "11"; }, opQuestion, 0,
            "Number must be between 3 and 10.", C::NumChoices, C::NumChoices },
        { "empty choices", [](auto& f) { f.NumChoices = ""; }, opQuestion, 0,
            "Number must be between 3 and 10.", C::NumChoices, C::NumChoices },
        { "choices before penalty",
            [](auto& f) {
                f.NumChoices = "2";
                f.MaxPenaltyPoints = "9";
            },
            opQuestion, 0, "Number must be between 3 and 10.", C::NumChoices, C::NumChoices },
        { "penalty six", [](auto& f) { f.MaxPenaltyPoints = "6"; }, opQuestion, 0,
            "Number must be between 1 and 5.", C::MaxPenaltyPoints, C::MaxPenaltyPoints },
        { "delay 21", [](auto& f) { f.Delay = "21"; }, opFeedback, 0, "Number must be between 0 and 20.",
            C::Delay, C::Delay },
        { "delay 0", [](auto& f) { f.Delay = "0"; }, opFeedback, 0, nullptr, C::None, C::None },
        { "general never fails",
            [](auto& f) {
                f.Delay = "99";
                f.NumChoices = "0";
            },
            opGeneral, 0, nullptr, C::None, C::None },
        { "alt like trans1, option off",
            [](auto& f) {
                f.Native.Alternatives = false;
                f.Native.AltPos = f.Native.Trans1Pos;
            },
            opEvaluation, epNative, inUse, C::NativeTrans1, C::NativeAlt },
        { "alt like trans2", [](auto& f) { f.Native.AltPos = f.Native.Trans2Pos; }, opEvaluation, epNative,
            inUse, C::NativeTrans2, C::NativeAlt },
        { "trans1 like trans2", [](auto& f) { f.Native.Trans1Pos = f.Native.Trans2Pos; }, opEvaluation,
            epNative, inUse, C::NativeTrans2, C::NativeTrans1 },
        { "foreign checked on its sub-page", [](auto& f) { f.Foreign.Trans1Pos = f.Foreign.AltPos; },
            opEvaluation, epForeign, inUse, C::ForeignSyn1, C::ForeignAlt },
        { "foreign not checked on native", [](auto& f) { f.Foreign.Trans1Pos = f.Foreign.AltPos; },
            opEvaluation, epNative, nullptr, C::None, C::None },
        { "english sub-page", [](auto& f) { f.Native.Trans1Pos = f.Native.Trans2Pos; }, opEvaluation,
            epEnglish, nullptr, C::None, C::None },
    };
    for (const TCase& c : cases) {
        TOptionsForm form = LoadOptionsForm(TOptions {}, "", "");
        c.Change(form);
        const auto failure = CheckOptionsPage(form, c.Page, c.EvaluationPage);
        if (!c.Message) {
            EXPECT_FALSE(failure) << c.Name;
            continue;
        }
        ASSERT_TRUE(failure) << c.Name;
        EXPECT_EQ(failure->Message, c.Message) << c.Name;
        EXPECT_EQ(failure->Control, c.Control) << c.Name;
        EXPECT_EQ(failure->Other, c.Other) << c.Name;
    }
}

TEST(OptionsRulesTest, UnselectedDelimiterListsCompareByTheirStoredCharacters)
{
    TOptions options;
    options.NativeDelimiters = { 'x', 'y', '(', ')', 'x' }; // damaged: not in the list
    TOptionsForm form = LoadOptionsForm(options, "", "");
    ASSERT_TRUE(CheckOptionsPage(form, opEvaluation, epNative));
    form.Native.AltPos = DelimiterIndex('/');
    EXPECT_FALSE(CheckOptionsPage(form, opEvaluation, epNative));
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

TEST(OptionsRulesTest, ShortcutEntries)
{
    // View: unassigned entries take the foreign language's script.
    EXPECT_EQ(ViewShortcut(0, 204).CharacterPos, 0);
    EXPECT_EQ(ViewShortcut(0, 204).Charset, 204);
    EXPECT_EQ(ViewShortcut(0xCC00, 161).Charset, 161) << "a script without character is unassigned";
    EXPECT_EQ(ViewShortcut(0x00B7, 204).CharacterPos, CharacterIndex(0xB7));
    EXPECT_EQ(ViewShortcut(0x00B7, 204).Charset, 0);
    EXPECT_EQ(ViewShortcut(0xCCE9, 0).Charset, 204);

    struct TCase {
        const char* Name;
        int CharacterPos, Charset;
        std::uint16_t Current, Expected;
    };
    const int e9 = CharacterIndex(0xE9);
    const TCase cases[] = {
        { "character in script", e9, 204, 0, 0xCCE9 },
        { "space clears", 0, 204, 0xCCE9, 0 },
        { "script change keeps character", e9, 161, 0xCCE9, 0xA1E9 },
        { "no script keeps the entry's", e9, -1, 0xBA41, 0xBAE9 },
        { "no character keeps the entry's", -1, 0, 0xBA41, 0x0041 },
        { "nothing to keep", -1, 0, 0, 0 },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ChooseShortcut(c.CharacterPos, c.Charset, c.Current), c.Expected) << c.Name;
}

} // namespace

TEST(OptionsRulesTest, PressedShortcutsAndTheirCharacters)
{
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
}
