// The settings records' stored bytes, loading with defaults, saving, and damaged stores.

#include "settings/Settings.h"

#include "settings/MemoryStore.h"
#include "settings/UiLanguage.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

namespace {

using TBytes = std::vector<std::uint8_t>;

// The in-memory store, which like the platform's refuses to read a value as another kind, noting
// the names read as text or bytes.
struct TFakeStore : TMemorySettingsStore {
    std::optional<TBytes> ReadBinary(const std::string& n) override
    {
        Reads.push_back(n);
        return TMemorySettingsStore::ReadBinary(n);
    }
    std::optional<std::string> ReadString(const std::string& n) override
    {
        Reads.push_back(n);
        return TMemorySettingsStore::ReadString(n);
    }
    std::vector<std::string> Reads;
};

TSettingsEnvironment Environment(std::function<bool(const std::string&)> fontExists = {})
{
    return { "/opt/velmoria/", 0x0407, std::move(fontExists) };
}

template <std::size_t N> TBytes Bytes(const std::array<std::uint8_t, N>& bytes)
{
    return TBytes(bytes.begin(), bytes.end());
}

// A record of zero bytes with the given runs of bytes at their offsets.
TBytes Layout(std::size_t size, const std::vector<std::pair<std::size_t, TBytes>>& runs)
{
    TBytes bytes(size, 0);
    for (const auto& [offset, run] : runs)
        std::copy(run.begin(), run.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

// A stored "WindowPosition": four little-endian 32-bit integers.
TBytes Position(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    TBytes bytes;
    for (const std::int32_t value : { left, top, right, bottom })
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
    return bytes;
}

// The persisted numbers of a window state by name, so a mismatch names its field.
using TFields = std::map<std::string, std::int64_t>;
TFields Fields(const TWindowState& w)
{
    TFields fields { { "ForeignLangID", w.ForeignLangID }, { "NativeLangID", w.NativeLangID },
        { "ShowToolBar", w.ShowToolBar }, { "ShowStatusBar", w.ShowStatusBar }, { "TestMode", w.TestMode },
        { "MultipleChoice", w.MultipleChoice }, { "NextTip", w.NextTip }, { "ShowTips", w.ShowTips },
        { "ImportFilter", w.ImportFilter } };
    if (w.Bounds)
        fields.insert({ { "Left", w.Bounds->Left }, { "Top", w.Bounds->Top }, { "Right", w.Bounds->Right },
            { "Bottom", w.Bounds->Bottom } });
    return fields;
}

// The settings: the three records' bytes, the sounds, the fonts, the accents and typos, speech,
// reviews and the window's language.
using TGlobals = std::tuple<TBytes, TBytes, TBytes, std::string, std::string, std::string, std::int32_t,
    std::string, std::int32_t, std::tuple<bool, bool, bool, bool>,
    std::tuple<bool, bool, bool, bool, std::string, std::string, std::int32_t>,
    std::tuple<std::int32_t, std::int32_t, std::string>, std::string, TThemeChoice>;
TGlobals Globals(const TSettings& s)
{
    const TSpeechSettings& v = s.Speech;
    return { Bytes(OptionsToBytes(s.Options)), Bytes(PrintOptionsToBytes(s.PrintOptions)),
        Bytes(PageSetupToBytes(s.PageSetup)), s.SoundFileRight, s.SoundFileWrong, s.DisplayFont.Name,
        s.DisplayFont.Size, s.PrintFont.Name, s.PrintFont.Size,
        { s.Options.NativeAccents, s.Options.ForeignAccents, s.Options.NativeTypos, s.Options.ForeignTypos },
        { v.Enabled, v.SpeakQuestionPassive, v.SpeakQuestionActive, v.SpeakAnswerWrong, v.ForeignVoice,
            v.NativeVoice, v.Rate },
        { s.Reviews.RetentionPercent, s.Reviews.NewPerDay, s.Reviews.ShareFolder }, s.UiLanguage, s.Theme };
}

template <typename From, typename To> auto RoundTripper(From from, To to)
{
    return [=](const TBytes& bytes) -> std::optional<TBytes> {
        const auto read = from(bytes);
        return read ? std::optional(Bytes(to(*read))) : std::nullopt;
    };
}

class SettingsTest : public ::testing::Test {
protected:
    // Loads the store into the settings; returns the window state it held.
    TWindowState Load(TFakeStore& store, std::function<bool(const std::string&)> fontExists = {})
    {
        TWindowState window;
        LoadSettings(store, Environment(std::move(fontExists)), Settings, window);
        return window;
    }

    TSettings Settings;
};

} // namespace

// This pins the reading side: every byte comes back at its own offset, a shorter value fills only
// the leading bytes (even part of a field), a longer is refused.
TEST(SettingsLayout, EveryByteSurvivesARoundTrip)
{
    struct TRecord {
        const char* Name;
        std::size_t Size;
        std::vector<std::size_t> Bools; // loading keeps only 0 or 1 there
        std::function<std::optional<TBytes>(const TBytes&)> RoundTrip;
    };
    const TRecord records[] {
        { "Options", OptionsSize, { 0, 1, 2, 3, 4, 196, 197, 198, 220, 236, 244 },
            RoundTripper(OptionsFromBytes, OptionsToBytes) },
        { "PrintOptions", PrintOptionsSize, { 0, 1 },
            RoundTripper(PrintOptionsFromBytes, PrintOptionsToBytes) },
        { "PageSetup", PageSetupSize, { 20 }, RoundTripper(PageSetupFromBytes, PageSetupToBytes) },
    };
    for (const auto& record : records) {
        SCOPED_TRACE(record.Name);
        for (std::size_t offset = 0; offset < record.Size; ++offset) {
            TBytes bytes(record.Size, 0);
            bytes[offset]
                = std::ranges::count(record.Bools, offset) ? 1 : static_cast<std::uint8_t>(0xA5 ^ offset);
            EXPECT_EQ(record.RoundTrip(bytes), bytes) << "offset " << offset;
        }
        TBytes pattern(record.Size);
        for (std::size_t i = 0; i < record.Size; ++i)
            pattern[i] = std::ranges::count(record.Bools, i) ? static_cast<std::uint8_t>(i & 1)
                                                             : static_cast<std::uint8_t>(i * 37 + 11);
        for (std::size_t length = 0; length <= record.Size; ++length) {
            const TBytes prefix(pattern.begin(), pattern.begin() + static_cast<std::ptrdiff_t>(length));
            TBytes expected = prefix;
            expected.resize(record.Size, 0);
            EXPECT_EQ(record.RoundTrip(prefix), expected) << "length " << length;
        }
        EXPECT_FALSE(record.RoundTrip(TBytes(record.Size + 1, 0)));
    }
}

TEST(SettingsClamp, DamagedValuesComeIntoRange)
{
    struct TCase {
        std::int32_t Stored, NumChoices, MaxPenaltyPoints, Delay, Columns;
    };
    const TCase cases[] { { -2147483647 - 1, 3, 1, 0, 1 }, { -1, 3, 1, 0, 1 }, { 0, 3, 1, 0, 1 },
        { 1, 3, 1, 1, 1 }, { 2, 3, 2, 2, 2 }, { 3, 3, 3, 3, 3 }, { 4, 4, 4, 4, 3 }, { 5, 5, 5, 5, 3 },
        { 6, 6, 5, 6, 3 }, { 10, 10, 5, 10, 3 }, { 11, 10, 5, 11, 3 }, { 20, 10, 5, 20, 3 },
        { 21, 10, 5, 20, 3 }, { 2147483647, 10, 5, 20, 3 } };
    for (const auto& c : cases) {
        TOptions options;
        options.NumChoices = options.MaxPenaltyPoints = options.Delay = c.Stored;
        TPageSetup setup;
        setup.Columns = c.Stored;
        ClampOptions(options);
        ClampPageSetup(setup);
        EXPECT_EQ(std::tuple(options.NumChoices, options.MaxPenaltyPoints, options.Delay, setup.Columns),
            std::tuple(c.NumChoices, c.MaxPenaltyPoints, c.Delay, c.Columns))
            << c.Stored;
    }
}

TEST_F(SettingsTest, EmptyOrDamagedStoreGivesTheDefaultsAndShortRecordsLoadZeroFilled)
{
    TFakeStore empty;
    TFakeStore damaged; // records too long or of another kind
    damaged.Values["Options"] = TBytes(OptionsSize + 1, 0);
    damaged.Values["PageSetup"] = TBytes(PageSetupSize + 4, 0);
    damaged.Values["PrintOptions"] = std::int32_t { 0 };
    damaged.Values["AccentEvaluation"] = std::string("3");
    damaged.Values["SpeechRate"] = TBytes { 3 };
    damaged.Values["ReviewRetention"] = std::string("80");
    damaged.Values["ColourTheme"] = std::int32_t { 3 };
    damaged.Values["ReviewNewPerDay"] = TBytes { 4 };
    for (TFakeStore* store : { &empty, &damaged }) {
        Settings.Options.NumChoices = Settings.PageSetup.Columns = 9;
        Settings.PrintOptions.Include = 0;
        TWindowState window;
        window.Bounds = TWindowBounds { 1, 2, 3, 4 };
        window.RecentFiles = { "stale" };
        const auto before = store->Values;
        LoadSettings(*store, Environment(), Settings, window);
        EXPECT_EQ(Fields(window),
            (TFields { { "ForeignLangID", 0 }, { "NativeLangID", 0x0407 }, { "ShowToolBar", 1 },
                { "ShowStatusBar", 1 }, { "TestMode", 0 }, { "MultipleChoice", 0 }, { "NextTip", 0 },
                { "ShowTips", 1 }, { "ImportFilter", 1 } }));
        EXPECT_TRUE(window.RecentFiles.empty());
        EXPECT_EQ(Globals(Settings),
            (TGlobals { Bytes(OptionsToBytes(TOptions {})), { 1, 1, 14 },
                Bytes(PageSetupToBytes(TPageSetup {})), "/opt/velmoria/Clap.wav", "/opt/velmoria/Pow.wav",
                "Verdana", 8, "Times New Roman", 10, { false, false, false, false },
                { true, false, false, false, "", "", 0 }, { 90, 20, "" }, "", TThemeChoice::System }));
        EXPECT_EQ(store->Values, before);
    }
    // The record defaults that matter to a user: confirmations, colours, the first shortcuts, choices,
    // evaluation and penalty points.
    const TOptions& o = Settings.Options;
    EXPECT_EQ(std::tuple(o.ConfirmDuplicates, o.ColourLearnt, o.Shortcuts[9], o.Shortcuts[35],
                  o.KeyboardSwitching, o.NumChoices, o.NativeEvaluation, o.ForeignEvaluation,
                  o.EnglishEvaluation, o.ColourWrong, o.ColourRight, o.MaxPenaltyPoints),
        std::tuple(true, 0x808080u, 0xB7, 0x92, true, 5, 63, 63, 448, 0xFFu, 0xFF0000u, 3));
    EXPECT_EQ(Bytes(PageSetupToBytes(Settings.PageSetup)),
        (TBytes { 0xA0, 5, 0, 0, 0xA0, 5, 0, 0, 0xA0, 5, 0, 0, 0xA0, 5, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0 }));

    // Records as other copies of the program write them, one cut short: zero-filled, then clamped.
    TFakeStore store;
    store.Values["Options"] = Layout(OptionsSize,
        { { 0, { 1 } }, { 8, { 0x56, 0x34, 0x12 } }, { 200, { 7 } }, { 208, { '|' } },
            { 224, { 0x0D, 0x0C, 0x0B } }, { 232, { 3 } } });
    store.Values["PageSetup"] = Layout(17, { { 16, { 0 } } }); // no columns
    store.Values["PrintOptions"] = TBytes { 0x80, 2, 3 }; // any byte but zero is true
    Load(store);
    EXPECT_TRUE(Settings.Options.AppendNewWords);
    EXPECT_FALSE(Settings.Options.ConfirmDuplicates); // zero, not the default
    EXPECT_EQ(Settings.Options.ColourLearnt, 0x123456u);
    EXPECT_EQ(Settings.Options.NumChoices, 7);
    EXPECT_EQ(Settings.Options.NativeDelimiters.Syn1, '|');
    EXPECT_EQ(Settings.Options.EnglishEvaluation, 0);
    EXPECT_EQ(std::pair(Settings.Options.ColourWrong, Settings.Options.Delay), std::pair(0x0B0C0Du, 3));
    EXPECT_EQ(Settings.Options.MaxPenaltyPoints, 1); // zero is no usable maximum
    EXPECT_EQ(Settings.PageSetup.Columns, 1);
    EXPECT_EQ(Bytes(PrintOptionsToBytes(Settings.PrintOptions)), (TBytes { 1, 1, 3 }));
}

TEST_F(SettingsTest, EverythingSurvivesSaveAndLoadUnderItsNameAndKind)
{
    TWindowState saved;
    saved.Bounds = TWindowBounds { -10, 20, 630, 500 };
    saved.ForeignLangID = 0x0419;
    saved.NativeLangID = 0x0809;
    saved.ShowToolBar = saved.ShowStatusBar = saved.ShowTips = false;
    saved.TestMode = 1;
    saved.MultipleChoice = true;
    saved.NextTip = 17;
    saved.ImportFilter = 3;
    saved.RecentFiles = { "/home/u/c.vmr", "/home/u/a.vmr", "/home/u/b.vmr" };
    Settings.Options.NumChoices = 8;
    Settings.Options.Shortcuts[3] = 0xCCE6;
    Settings.Options.Reserved199 = 0x5A;
    Settings.Options.Reserved245 = { 1, 2, 3 };
    Settings.Options.ForeignDelimiters = { '#', '+', '[', ']', '~' };
    Settings.Options.NativeAccents = true;
    Settings.Options.ForeignTypos = true;
    Settings.PrintOptions = TPrintOptions { false, true, 4 };
    Settings.PageSetup.Columns = 1;
    Settings.PageSetup.Reserved = { 9, 8, 7 };
    Settings.SoundFileRight = "/snd/yes.wav";
    Settings.SoundFileWrong = "/snd/no.wav";
    Settings.DisplayFont = { "DejaVu Sans", 12 };
    Settings.PrintFont = { "Liberation Serif", 14 };
    Settings.Speech = { false, true, false, true, "German", "English (Great Britain)", -7 };
    Settings.Reviews = { 85, 0, "/home/u/Sync" };
    Settings.UiLanguage = "ru";
    Settings.Theme = TThemeChoice::Dark;
    const TGlobals globals = Globals(Settings);
    TFakeStore store;
    SaveSettings(store, Settings, saved);
    std::set<std::string> names;
    for (const auto& [name, value] : store.Values)
        names.insert(name);
    EXPECT_EQ(names,
        (std::set<std::string> { "WindowPosition", "ForeignLangID", "NativeLangID", "ShowToolBar",
            "ShowStatusBar", "TestMode", "MultipleChoice", "NextTip", "ShowTips", "ImportFilter", "FileCount",
            "File1", "File2", "File3", "PrintOptions", "PageSetup", "Options", "AccentEvaluation",
            "TypoEvaluation", "Sound1", "Sound2", "DisplayFont", "DisplaySize", "PrintFont", "PrintSize",
            "SpeechEnabled", "SpeakQuestionPassive", "SpeakQuestionActive", "SpeakAnswerWrong",
            "SpeechVoiceForeign", "SpeechVoiceNative", "SpeechRate", "ReviewRetention", "ReviewNewPerDay",
            "ReviewShareFolder", "ReminderTime", "UiLanguage", "ColourTheme" }));
    // Loading would take a value of another kind as missing.
    EXPECT_EQ(std::get<TBytes>(store.Values["WindowPosition"]), Position(-10, 20, 630, 500));
    EXPECT_EQ(std::get<std::int32_t>(store.Values["ShowToolBar"]), 0);
    EXPECT_EQ(std::get<std::int32_t>(store.Values["FileCount"]), 3);
    EXPECT_EQ(std::get<std::string>(store.Values["File2"]), "/home/u/a.vmr");

    Settings = TSettings {};
    TWindowState loaded = Load(store, [](const std::string&) { return true; });
    EXPECT_EQ(Fields(loaded), Fields(saved));
    EXPECT_EQ(loaded.RecentFiles, saved.RecentFiles);
    EXPECT_EQ(Globals(Settings), globals);
}

TEST_F(SettingsTest, SeparateValuesOutOfRangeComeIntoItAndAccentsAndTyposAreTwoBitsEach)
{
    const struct {
        const char* Name;
        std::int32_t Rate, Retention, NewPerDay; // stored, then read
        std::int32_t RateRead, RetentionRead, NewPerDayRead;
    } cases[] = {
        { "too low", -11, 10, -3, MinSpeechRate, 70, 0 },
        { "lowest", MinSpeechRate, 70, 0, MinSpeechRate, 70, 0 },
        { "highest", MaxSpeechRate, 97, MaxNewPerDay, MaxSpeechRate, 97, MaxNewPerDay },
        { "too high", 99, 100, 1000000, MaxSpeechRate, 97, MaxNewPerDay },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFakeStore store;
        store.Values["SpeechRate"] = c.Rate;
        store.Values["ReviewRetention"] = c.Retention;
        store.Values["ReviewNewPerDay"] = c.NewPerDay;
        Load(store);
        EXPECT_EQ(
            std::tuple(Settings.Speech.Rate, Settings.Reviews.RetentionPercent, Settings.Reviews.NewPerDay),
            std::tuple(c.RateRead, c.RetentionRead, c.NewPerDayRead));
    }

    // The accent and the typo options are a value of two bits each, beside the record, and do not
    // mix: the typos take the bits the other way round from the accents here.
    for (const auto& [native, foreign] :
        { std::pair(false, false), { true, false }, { false, true }, { true, true } }) {
        SCOPED_TRACE(std::to_string(native) + std::to_string(foreign));
        Settings.Options.NativeAccents = native;
        Settings.Options.ForeignAccents = foreign;
        Settings.Options.NativeTypos = foreign;
        Settings.Options.ForeignTypos = native;
        EXPECT_EQ(Bytes(OptionsToBytes(Settings.Options)), Bytes(OptionsToBytes(TOptions {})));
        TFakeStore store;
        SaveSettings(store, Settings, TWindowState {});
        EXPECT_EQ(std::get<std::int32_t>(store.Values["AccentEvaluation"]),
            (native ? AccentNative : 0) | (foreign ? AccentForeign : 0));
        EXPECT_EQ(std::get<std::int32_t>(store.Values["TypoEvaluation"]),
            (foreign ? TypoNative : 0) | (native ? TypoForeign : 0));
        Settings = TSettings {};
        Load(store);
        EXPECT_EQ(std::tuple(Settings.Options.NativeAccents, Settings.Options.ForeignAccents,
                      Settings.Options.NativeTypos, Settings.Options.ForeignTypos),
            std::tuple(native, foreign, foreign, native));
    }
}

TEST_F(SettingsTest, WindowPositionIsKeptUnlessTheWindowIsNormalAndDamagedOneCentresIt)
{
    for (const auto& [maximised, minimised] : { std::pair(true, false), { false, true } }) {
        TFakeStore store;
        TWindowState window;
        window.Bounds = TWindowBounds { 10, 10, 410, 310 };
        SaveSettings(store, Settings, window);
        window.Bounds = TWindowBounds { 0, 0, 1920, 1080 };
        window.Maximised = maximised;
        window.Minimised = minimised;
        SaveSettings(store, Settings, window);
        EXPECT_EQ(Load(store).Bounds.value().Right, 410) << maximised;
    }
    const std::pair<const char*, TBytes> damaged[] { { "too long", TBytes(17, 1) },
        { "short", TBytes { 10, 0, 0, 0, 10, 0, 0, 0 } }, { "empty", TBytes {} },
        { "right left of left", Position(500, 0, 100, 300) }, { "no height", Position(0, 0, 100, 0) } };
    for (const auto& [name, bytes] : damaged) {
        TFakeStore store;
        store.Values["WindowPosition"] = bytes;
        EXPECT_FALSE(Load(store).Bounds) << name;
    }
}

TEST_F(SettingsTest, RecentFilesKeepTheirOrderSkipGapsAndReadBoundedly)
{
    TFakeStore store;
    store.Values["FileCount"] = std::int32_t { 6 };
    store.Values["File1"] = std::string("/b.vmr");
    store.Values["File2"] = std::string("");
    store.Values["File3"] = std::string("/a.vmr");
    store.Values["File4"] = std::int32_t { 4 }; // not a string: read as empty
    store.Values["File6"] = std::string("/c.vmr");
    store.Values["File7"] = std::string("/beyond the count.vmr");
    TWindowState window = Load(store);
    EXPECT_EQ(window.RecentFiles, (std::vector<std::string> { "/b.vmr", "/a.vmr", "/c.vmr" }));

    // Saving fewer leaves the old entries in place; the count hides them.
    window.RecentFiles = { "/d.vmr" };
    SaveSettings(store, Settings, window);
    EXPECT_EQ(std::get<std::string>(store.Values["File6"]), "/c.vmr");
    TWindowState again = Load(store);
    EXPECT_EQ(again.RecentFiles, (std::vector<std::string> { "/d.vmr" }));

    // A damaged count reads boundedly.
    for (const std::int32_t count : { -5, 2147483647 }) {
        TFakeStore damaged;
        damaged.Values["FileCount"] = count;
        damaged.Values["File1"] = std::string("/a.vmr");
        const TWindowState read = Load(damaged);
        EXPECT_EQ(read.RecentFiles.size(), count > 0 ? 1u : 0u) << count;
        // An entry missing as text is looked for as bytes (a name that is not UTF-8): still bounded.
        std::set<std::string> fileReads(damaged.Reads.begin(), damaged.Reads.end());
        std::erase_if(fileReads, [](const std::string& name) { return !name.starts_with("File"); });
        EXPECT_EQ(fileReads.size(), count > 0 ? std::size_t { MaxStoredRecentFiles } : 0u) << count;
    }
}

TEST_F(SettingsTest, DamagedSeparateValuesGetUsableOnesAndAMissingDisplayFontArial)
{
    // A native language that is no language gives way to the user's (0x0407 here).
    const struct {
        const char* Name;
        std::int32_t Stored;
        std::int32_t DisplaySize, PrintSize, TestMode, NextTip, ImportFilter;
        std::uint16_t ForeignLangID, NativeLangID;
    } cases[] { { "zero", 0, 8, 10, 0, 0, 1, 0, 0 }, { "one", 1, 1, 1, 1, 1, 1, 1, 1 },
        { "two", 2, 2, 2, 0, 2, 2, 2, 2 }, { "three", 3, 3, 3, 0, 3, 3, 3, 3 },
        { "four", 4, 4, 4, 0, 4, 1, 4, 4 }, { "negative", -1, 8, 10, 0, 0, 1, 0, 0x0407 },
        { "largest font", MaxFontSize, MaxFontSize, MaxFontSize, 0, MaxFontSize, 1, MaxFontSize,
            MaxFontSize },
        { "too large", 70000, 8, 10, 0, 70000, 1, 0, 0x0407 } };
    for (const auto& c : cases) {
        TFakeStore store;
        for (const char* name : { "DisplaySize", "PrintSize", "TestMode", "NextTip", "ImportFilter",
                 "ForeignLangID", "NativeLangID" })
            store.Values[name] = c.Stored;
        TWindowState window = Load(store, [](const std::string&) { return true; });
        EXPECT_EQ(std::tuple(Settings.DisplayFont.Size, Settings.PrintFont.Size, window.TestMode,
                      window.NextTip, window.ImportFilter, window.ForeignLangID, window.NativeLangID),
            std::tuple(c.DisplaySize, c.PrintSize, c.TestMode, c.NextTip, c.ImportFilter, c.ForeignLangID,
                c.NativeLangID))
            << c.Name;
    }

    // A display font that is not installed gives way to Arial.
    const std::tuple<const char*, std::optional<std::string>, bool> fonts[] {
        { "stored and installed", "Liberation Sans", true }, { "stored, gone", "Gone Sans", false },
        { "default, not installed", std::nullopt, false }, { "empty name", "", false }
    };
    for (const auto& [name, stored, exists] : fonts) {
        SCOPED_TRACE(name);
        TFakeStore store;
        if (stored)
            store.Values["DisplayFont"] = *stored;
        store.Values["DisplaySize"] = std::int32_t { 11 };
        store.Values["PrintFont"] = std::string("Gone Serif");
        store.Values["PrintSize"] = std::int32_t { 9 };
        std::vector<std::string> asked;
        Load(store, [&](const std::string& font) {
            asked.push_back(font);
            return exists;
        });
        EXPECT_EQ(Settings.DisplayFont.Name, exists ? *stored : "Arial");
        EXPECT_EQ(Settings.DisplayFont.Size, exists ? 11 : 10);
        // Only the display font is checked.
        EXPECT_EQ(asked, (std::vector<std::string> { stored.value_or("Verdana") }));
        EXPECT_EQ(std::pair(Settings.PrintFont.Name, Settings.PrintFont.Size),
            std::pair(std::string("Gone Serif"), 9));
    }
}

TEST(SettingsWindow, BoundsVisibleNeedsAGrabbableTopArea)
{
    const std::vector<TWindowBounds> oneScreen { { 0, 0, 1920, 1080 } };
    const std::vector<TWindowBounds> twoScreens { { 0, 0, 1920, 1080 }, { 1920, 0, 3200, 1024 } };
    struct TCase {
        const char* Name;
        TWindowBounds Bounds;
        const std::vector<TWindowBounds>& Screens;
        bool Visible;
    };
    const TCase cases[] {
        { "inside", { 100, 100, 740, 580 }, oneScreen, true },
        { "exactly the screen", { 0, 0, 1920, 1080 }, oneScreen, true },
        { "far right", { 5000, 100, 5640, 580 }, oneScreen, false },
        { "on the second screen", { 2000, 100, 2640, 580 }, twoScreens, true },
        { "second screen gone", { 2000, 100, 2640, 580 }, oneScreen, false },
        { "100 pixels left on screen", { 1820, 100, 2460, 580 }, oneScreen, true },
        { "99 pixels left on screen", { 1821, 100, 2461, 580 }, oneScreen, false },
        { "title bar above the screen", { 100, -60, 740, 420 }, oneScreen, false },
        { "top 50 rows on screen", { 100, 1030, 740, 1510 }, oneScreen, true },
        { "top 49 rows on screen", { 100, 1031, 740, 1511 }, oneScreen, false },
        // Split across two screens: neither holds a whole 100-pixel piece of the top area here.
        { "across the seam", { 1860, 1000, 1980, 1060 }, twoScreens, false },
        { "small window", { 10, 10, 60, 30 }, oneScreen, true },
        { "no width", { 100, 100, 100, 580 }, oneScreen, false },
        { "upside down", { 100, 580, 740, 100 }, oneScreen, false },
        { "extremes", { -2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647 }, oneScreen, false },
        { "no screens", { 100, 100, 740, 580 }, {}, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoundsVisible(c.Bounds, c.Screens), c.Visible) << c.Name;
}

TEST(SettingsWindow, FirstWindowBoundsFitWhatItShowsAndAreCentred)
{
    struct TCase {
        TWindowBounds Available;
        std::int32_t Width, Height;
        TWindowBounds Bounds;
    };
    const TCase cases[] {
        { { 0, 0, 1280, 800 }, 900, 600, { 190, 100, 1090, 700 } },
        { { 0, 0, 1280, 800 }, 1200, 900, { 128, 80, 1152, 720 } }, // four fifths at most
        { { 0, 0, 1920, 1080 }, 300, 200, { 640, 300, 1280, 780 } }, // 640 x 480 at least
        { { 0, 0, 640, 480 }, 300, 200, { 64, 48, 576, 432 } }, // a tiny screen still wins
        { { 1280, 30, 3200, 1110 }, 1000, 700, { 1740, 220, 2740, 920 } }, // a second screen, a top panel
        { { 0, 0, 0, 0 }, 900, 600, { 0, 0, 0, 0 } },
    };
    const auto sides = [](const TWindowBounds& b) { return std::tuple(b.Left, b.Top, b.Right, b.Bottom); };
    for (const auto& c : cases)
        EXPECT_EQ(sides(FirstWindowBounds(c.Available, c.Width, c.Height)), sides(c.Bounds)) << c.Width;
}

TEST(SettingsLanguage, UserLanguageFromLocaleName)
{
    // "de": language only, its main entry; "de_BR": a country the table lacks for the language;
    // "sr_RS": the first entry with the same language and country.
    const std::pair<const char*, std::uint16_t> cases[] { { "en_US", 0x0409 }, { "en_GB", 0x0809 },
        { "en-AU", 0x0C09 }, { "de_CH", 0x0807 }, { "de_AT", 0x0C07 }, { "de", 0x0407 }, { "de_BR", 0x0407 },
        { "fr_FR.UTF-8", 0x040C }, { "pt_BR", 0x0416 }, { "es_ES", 0x0C0A }, { "es_419", 0x040A },
        { "sr_Latn_RS", 0x081A }, { "sr_RS", 0x0C1A }, { "nb_NO", 0x0414 }, { "C", 0x0409 }, { "", 0x0409 },
        { "xx_YY", 0x0409 } };
    for (const auto& [name, id] : cases)
        EXPECT_EQ(UserLanguageFromLocale(name), id) << name;
}

TEST(SettingsLanguage, TheWindowSpeaksTheChosenLanguageElseTheDesktopsFirstOfOursElseEnglish)
{
    const std::vector<std::string> germanDesktop { "de-AT", "en-US" };
    const struct {
        const char* Stored;
        std::vector<std::string> Desktop;
        const char* Expected;
    } cases[] {
        { "ru", germanDesktop, "ru" }, { "en", germanDesktop, "en" }, { "", germanDesktop, "de" },
        { "it", germanDesktop, "de" }, // a stored language not offered (any more) is the desktop's
        { "", { "pt_BR.UTF-8", "fr_CA.UTF-8", "de" }, "fr" }, { "", { "es@valencia", "ru" }, "es" },
        { "", { "en-GB", "de" }, "en" }, { "", { "C", "POSIX", "" }, "en" }, { "", {}, "en" },
        { "De", { "DE" }, "en" }, // codes are lower case, as Qt and the files spell them
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseUiLanguage(c.Stored, c.Desktop), c.Expected) << c.Stored << " " << c.Desktop.size();
    // Each offered language is chosen by its own code.
    for (const TUiLanguage& language : UiLanguages())
        EXPECT_EQ(ChooseUiLanguage({}, { std::string(language.Code) + "_XX" }), language.Code);
}
