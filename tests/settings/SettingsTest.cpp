// The settings records' stored bytes, loading with defaults, saving, and damaged stores.

#include "settings/Settings.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>
#include <variant>

namespace {

using TBytes = std::vector<std::uint8_t>;

// An in-memory store that, like the platform's, refuses to read a value as another kind.
struct TFakeStore : ISettingsStore {
    using TValue = std::variant<TBytes, std::int32_t, std::string>;
    std::map<std::string, TValue> Values;
    std::vector<std::string> Reads, Writes;

    template <typename T> std::optional<T> Read(const std::string& name)
    {
        Reads.push_back(name);
        const auto found = Values.find(name);
        if (found == Values.end() || !std::holds_alternative<T>(found->second))
            return std::nullopt;
        return std::get<T>(found->second);
    }
    template <typename T> void Write(const std::string& name, T value)
    {
        Writes.push_back(name);
        Values[name] = std::move(value);
    }
    std::optional<TBytes> ReadBinary(const std::string& n) override { return Read<TBytes>(n); }
    std::optional<std::int32_t> ReadInteger(const std::string& n) override { return Read<std::int32_t>(n); }
    std::optional<std::string> ReadString(const std::string& n) override { return Read<std::string>(n); }
    void WriteBinary(const std::string& n, std::span<const std::uint8_t> v) override
    {
        Write(n, TBytes(v.begin(), v.end()));
    }
    void WriteInteger(const std::string& n, std::int32_t v) override { Write(n, v); }
    void WriteString(const std::string& n, const std::string& v) override { Write(n, v); }
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

// The settings: the three records' bytes, the sounds and the fonts.
using TGlobals = std::tuple<TBytes, TBytes, TBytes, std::string, std::string, std::string, std::int32_t,
    std::string, std::int32_t>;
TGlobals Globals(const TSettings& settings)
{
    return { Bytes(OptionsToBytes(settings.Options)), Bytes(PrintOptionsToBytes(settings.PrintOptions)),
        Bytes(PageSetupToBytes(settings.PageSetup)), settings.SoundFileRight, settings.SoundFileWrong,
        settings.DisplayFont.Name, settings.DisplayFont.Size, settings.PrintFont.Name,
        settings.PrintFont.Size };
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
    void ResetSettings() { Settings = TSettings {}; }
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

TEST(SettingsLayout, DefaultRecordBytes)
{
    EXPECT_EQ(Bytes(OptionsToBytes(TOptions {})),
        Layout(OptionsSize,
            {
                { 1, { 1 } }, // ConfirmDuplicates
                { 8, { 0x80, 0x80, 0x80 } }, // ColourLearnt
                { 30, { 0xB7 } }, // Shift+Ctrl+J
                { 82, { 0x92 } }, // Ctrl+Alt+J
                { 196, { 1 } }, // KeyboardSwitching
                { 200, { 5, 0, 0, 0, 63, 0, 63 } }, // NumChoices, native and foreign evaluation
                { 208, { ';', ',', '(', ')', '/', ';', ',', '(', ')', '/' } }, // delimiters
                { 218, { 0xC0, 0x01 } }, // EnglishEvaluation 448
                { 224, { 0xFF, 0, 0, 0, 0, 0, 0xFF } }, // ColourWrong, ColourRight
                { 240, { 3 } }, // MaxPenaltyPoints
            }));
    EXPECT_EQ(Bytes(PrintOptionsToBytes(TPrintOptions {})), (TBytes { 1, 1, 14 }));
    EXPECT_EQ(Bytes(PageSetupToBytes(TPageSetup {})),
        Layout(PageSetupSize,
            { { 0, { 0xA0, 5, 0, 0, 0xA0, 5, 0, 0, 0xA0, 5, 0, 0, 0xA0, 5, 0, 0, 2, 0, 0, 0, 1 } } }));
}

TEST(SettingsLayout, EveryFieldAtItsOffset)
{
    TOptions options { .AppendNewWords = true,
        .ConfirmDuplicates = false,
        .ConfirmNoSort = true,
        .ConfirmNoCategory = true,
        .SkipNotes = true,
        .ColourLearnt = 0x00123456,
        .Shortcuts = { 0xEEE8 },
        .KeyboardSwitching = false,
        .TestNotesPassive = true,
        .TestNotesActive = true,
        .NumChoices = -2,
        .NativeEvaluation = 0x0102,
        .ForeignEvaluation = 0x0304,
        .NativeDelimiters = { 'a', 'b', 'c', 'd', 'e' },
        .ForeignDelimiters = { 'v', 'w', 'x', 'y', 'z' },
        .EnglishEvaluation = 0x0506,
        .AutoContinue = true,
        .ColourWrong = 0x0A0B0C0D,
        .ColourRight = 0x01020304,
        .Delay = 0x11223344,
        .UsePenaltyPoints = true,
        .MaxPenaltyPoints = 0x55667788,
        .DisallowHints = true,
        .Reserved5 = { 0xF5, 0xF6, 0xF7 },
        .Reserved199 = 0xC7,
        .Reserved221 = { 0xDD, 0xDE, 0xDF },
        .Reserved237 = { 0xED, 0xEE, 0xEF },
        .Reserved245 = { 0xF1, 0xF2, 0xF3 } };
    options.Shortcuts[91] = 0xCCE4;
    const TBytes expected = Layout(OptionsSize,
        {
            { 0, { 1, 0, 1, 1, 1, 0xF5, 0xF6, 0xF7 } },
            { 8, { 0x56, 0x34, 0x12, 0x00, 0xE8, 0xEE } },
            { 194, { 0xE4, 0xCC, 0, 1, 1, 0xC7, 0xFE, 0xFF, 0xFF, 0xFF, 0x02, 0x01, 0x04, 0x03 } },
            { 208, { 'a', 'b', 'c', 'd', 'e', 'v', 'w', 'x', 'y', 'z', 0x06, 0x05, 1, 0xDD, 0xDE, 0xDF } },
            { 224, { 0x0D, 0x0C, 0x0B, 0x0A, 0x04, 0x03, 0x02, 0x01, 0x44, 0x33, 0x22, 0x11 } },
            { 236, { 1, 0xED, 0xEE, 0xEF, 0x88, 0x77, 0x66, 0x55, 1, 0xF1, 0xF2, 0xF3 } },
        });
    const TBytes written = Bytes(OptionsToBytes(options));
    for (std::size_t i = 0; i < OptionsSize; ++i)
        EXPECT_EQ(written[i], expected[i]) << "offset " << i;

    EXPECT_EQ(Bytes(PrintOptionsToBytes(TPrintOptions { false, true, 8 })), (TBytes { 0, 1, 8 }));
    const TPageSetup setup {
        .Margins = { 1, -2, 0x10000, 720 }, .Columns = 3, .Separator = false, .Reserved = { 7, 8, 9 }
    };
    EXPECT_EQ(Bytes(PageSetupToBytes(setup)),
        (TBytes {
            1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 1, 0, 0xD0, 0x02, 0, 0, 3, 0, 0, 0, 0, 7, 8, 9 }));
}

// Together with the offsets above, this pins the reading side: every byte comes back at its own
// offset, a shorter value fills only the leading bytes (even part of a field), a longer is refused.
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

TEST(SettingsLayout, BooleanBytesReadAsTrueWhenNotZero)
{
    const auto read = PrintOptionsFromBytes(TBytes { 0x80, 2, 0 });
    ASSERT_TRUE(read);
    EXPECT_EQ(Bytes(PrintOptionsToBytes(*read)), (TBytes { 1, 1, 0 }));
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

TEST_F(SettingsTest, EmptyOrDamagedStoreGivesTheDefaults)
{
    TFakeStore empty;
    TFakeStore damaged; // records too long or of another kind
    damaged.Values["Options"] = TBytes(OptionsSize + 1, 0);
    damaged.Values["PageSetup"] = TBytes(PageSetupSize + 4, 0);
    damaged.Values["PrintOptions"] = std::int32_t { 0 };
    for (TFakeStore* store : { &empty, &damaged }) {
        Settings.Options.NumChoices = Settings.PageSetup.Columns = 9;
        Settings.PrintOptions.Include = 0;
        TWindowState window;
        window.Bounds = TWindowBounds { 1, 2, 3, 4 };
        window.RecentFiles = { "stale" };
        LoadSettings(*store, Environment(), Settings, window);
        EXPECT_EQ(Fields(window),
            (TFields { { "ForeignLangID", 0 }, { "NativeLangID", 0x0407 }, { "ShowToolBar", 1 },
                { "ShowStatusBar", 1 }, { "TestMode", 0 }, { "MultipleChoice", 0 }, { "NextTip", 0 },
                { "ShowTips", 1 }, { "ImportFilter", 1 } }));
        EXPECT_TRUE(window.RecentFiles.empty());
        EXPECT_EQ(Globals(Settings),
            (TGlobals { Bytes(OptionsToBytes(TOptions {})), { 1, 1, 14 },
                Bytes(PageSetupToBytes(TPageSetup {})), "/opt/velmoria/Clap.wav", "/opt/velmoria/Pow.wav",
                "Verdana", 8, "Times New Roman", 10 }));
        EXPECT_TRUE(store->Writes.empty());
    }
}

TEST_F(SettingsTest, ShortRecordsLoadZeroFilledAndClamped)
{
    TFakeStore store;
    // Cut inside the native delimiters: NumChoices 7 is there, EnglishEvaluation is not.
    store.Values["Options"] = Layout(210, { { 0, { 1 } }, { 200, { 7 } }, { 208, { '|' } } });
    store.Values["PageSetup"] = Layout(17, { { 16, { 0 } } }); // no columns
    Load(store);
    EXPECT_TRUE(Settings.Options.AppendNewWords);
    EXPECT_FALSE(Settings.Options.ConfirmDuplicates); // zero, not the default
    EXPECT_EQ(Settings.Options.NumChoices, 7);
    EXPECT_EQ(Settings.Options.NativeDelimiters.Syn1, '|');
    EXPECT_EQ(Settings.Options.EnglishEvaluation, 0);
    EXPECT_EQ(Settings.Options.MaxPenaltyPoints, 1); // zero is no usable maximum
    EXPECT_EQ(Settings.PageSetup.Columns, 1);
}

TEST_F(SettingsTest, EverythingSurvivesSaveAndLoad)
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
    Settings.PrintOptions = TPrintOptions { false, true, 4 };
    Settings.PageSetup.Columns = 1;
    Settings.PageSetup.Reserved = { 9, 8, 7 };
    Settings.SoundFileRight = "/snd/yes.wav";
    Settings.SoundFileWrong = "/snd/no.wav";
    Settings.DisplayFont = { "DejaVu Sans", 12 };
    Settings.PrintFont = { "Liberation Serif", 14 };
    const TGlobals globals = Globals(Settings);
    TFakeStore store;
    SaveSettings(store, Settings, saved);

    ResetSettings();
    TWindowState loaded = Load(store, [](const std::string&) { return true; });
    EXPECT_EQ(Fields(loaded), Fields(saved));
    EXPECT_EQ(loaded.RecentFiles, saved.RecentFiles);
    EXPECT_EQ(Globals(Settings), globals);
}

TEST_F(SettingsTest, SavedValuesHaveTheirNamesAndKinds)
{
    TFakeStore store;
    TWindowState window;
    window.Bounds = TWindowBounds { 100, 50, 740, 530 };
    window.RecentFiles = { "x.vmr", "y.vmr" };
    SaveSettings(store, Settings, window);
    EXPECT_EQ(std::set(store.Writes.begin(), store.Writes.end()),
        (std::set<std::string> { "WindowPosition", "ForeignLangID", "NativeLangID", "ShowToolBar",
            "ShowStatusBar", "TestMode", "MultipleChoice", "NextTip", "ShowTips", "ImportFilter", "FileCount",
            "File1", "File2", "PrintOptions", "PageSetup", "Options", "AccentEvaluation", "Sound1", "Sound2",
            "DisplayFont", "DisplaySize", "PrintFont", "PrintSize", "SpeechEnabled", "SpeakQuestionPassive",
            "SpeakQuestionActive", "SpeechVoiceForeign", "SpeechVoiceNative", "SpeechRate", "ReviewRetention",
            "ReviewNewPerDay" }));
    EXPECT_EQ(store.Writes.size(), store.Values.size());
    // Loading would take a value of another kind as missing.
    EXPECT_EQ(std::get<TBytes>(store.Values["WindowPosition"]), Position(100, 50, 740, 530));
    EXPECT_EQ(std::get<std::int32_t>(store.Values["ShowToolBar"]), 1);
    EXPECT_EQ(std::get<std::int32_t>(store.Values["FileCount"]), 2);
    EXPECT_EQ(std::get<std::string>(store.Values["File2"]), "y.vmr");
}

TEST_F(SettingsTest, SpeechSettingsRoundTripAndDefaultWhenMissingOrOutOfRange)
{
    const auto tuple = [](const TSpeechSettings& s) {
        return std::tuple(
            s.Enabled, s.SpeakQuestionPassive, s.SpeakQuestionActive, s.ForeignVoice, s.NativeVoice, s.Rate);
    };
    TWindowState window;
    TFakeStore empty;
    LoadSettings(empty, Environment(), Settings, window);
    EXPECT_EQ(tuple(Settings.Speech), tuple(TSpeechSettings {}));
    EXPECT_TRUE(Settings.Speech.Enabled);
    EXPECT_FALSE(Settings.Speech.SpeakQuestionPassive || Settings.Speech.SpeakQuestionActive);

    const TSpeechSettings saved { false, true, false, "German", "English (Great Britain)", -7 };
    Settings.Speech = saved;
    const TBytes record = Bytes(OptionsToBytes(Settings.Options));
    TFakeStore store;
    SaveSettings(store, Settings, window);
    EXPECT_EQ(std::get<TBytes>(store.Values["Options"]), record); // the record is not touched
    ResetSettings();
    LoadSettings(store, Environment(), Settings, window);
    EXPECT_EQ(tuple(Settings.Speech), tuple(saved));

    for (const auto& [stored, loaded] : { std::pair(99, MaxSpeechRate), { -11, MinSpeechRate }, { 3, 3 } }) {
        store.Values["SpeechRate"] = std::int32_t { stored };
        LoadSettings(store, Environment(), Settings, window);
        EXPECT_EQ(Settings.Speech.Rate, loaded) << stored;
    }
}

TEST_F(SettingsTest, AccentOptionsLiveBesideTheRecord)
{
    // Each side on its own, both, neither: the record's bytes never change with them.
    for (const auto& [native, foreign] :
        { std::pair(false, false), { true, false }, { false, true }, { true, true } }) {
        SCOPED_TRACE(std::to_string(native) + std::to_string(foreign));
        ResetSettings();
        const TBytes record = Bytes(OptionsToBytes(Settings.Options));
        Settings.Options.NativeAccents = native;
        Settings.Options.ForeignAccents = foreign;
        EXPECT_EQ(Bytes(OptionsToBytes(Settings.Options)), record);
        TFakeStore store;
        SaveSettings(store, Settings, TWindowState {});
        EXPECT_EQ(std::get<std::int32_t>(store.Values["AccentEvaluation"]),
            (native ? AccentNative : 0) | (foreign ? AccentForeign : 0));
        ResetSettings();
        TWindowState window = Load(store);
        EXPECT_EQ(Settings.Options.NativeAccents, native);
        EXPECT_EQ(Settings.Options.ForeignAccents, foreign);
    }
    // A store written before the value existed, or a damaged one, reads as both off; the record
    // itself is read as before.
    for (const auto& value :
        std::vector<std::optional<TFakeStore::TValue>> { std::nullopt, std::string("3"), TBytes { 3 } }) {
        TFakeStore store;
        store.Values["Options"] = Layout(OptionsSize, { { 200, { 7 } } });
        if (value)
            store.Values["AccentEvaluation"] = *value;
        Load(store);
        EXPECT_FALSE(Settings.Options.NativeAccents);
        EXPECT_FALSE(Settings.Options.ForeignAccents);
        EXPECT_EQ(Settings.Options.NumChoices, 7);
    }
}

TEST_F(SettingsTest, ReviewSettingsAreValuesOfTheirOwnReadInRange)
{
    // Stored (nullopt: missing) and read back; out-of-range and wrong-kind values are damage.
    using TValue = std::optional<TFakeStore::TValue>;
    const struct {
        const char* Name;
        TValue Retention, NewPerDay;
        std::int32_t Percent, PerDay;
    } cases[] = {
        { "missing: an older store", std::nullopt, std::nullopt, 90, 20 },
        { "stored", std::int32_t { 85 }, std::int32_t { 5 }, 85, 5 },
        { "none new", std::int32_t { 70 }, std::int32_t { 0 }, 70, 0 },
        { "too low", std::int32_t { 10 }, std::int32_t { -3 }, 70, 0 },
        { "too high", std::int32_t { 100 }, std::int32_t { 1000000 }, 97, MaxNewPerDay },
        { "another kind", std::string("80"), TBytes { 4 }, 90, 20 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFakeStore store;
        if (c.Retention)
            store.Values["ReviewRetention"] = *c.Retention;
        if (c.NewPerDay)
            store.Values["ReviewNewPerDay"] = *c.NewPerDay;
        ResetSettings();
        TWindowState window = Load(store);
        EXPECT_EQ(std::pair(Settings.Reviews.RetentionPercent, Settings.Reviews.NewPerDay),
            std::pair(c.Percent, c.PerDay));
        // What was read is what is written back, and the options record does not change with it.
        TFakeStore saved;
        SaveSettings(saved, Settings, window);
        EXPECT_EQ(std::get<std::int32_t>(saved.Values["ReviewRetention"]), c.Percent);
        EXPECT_EQ(std::get<std::int32_t>(saved.Values["ReviewNewPerDay"]), c.PerDay);
        EXPECT_EQ(std::get<TBytes>(saved.Values["Options"]), Bytes(OptionsToBytes(TOptions {})));
    }
    EXPECT_DOUBLE_EQ(TReviewSettings {}.DesiredRetention(), 0.90);
}

TEST_F(SettingsTest, WindowPositionIsKeptUnlessTheWindowIsNormal)
{
    const std::tuple<const char*, bool, bool, std::int32_t> cases[] {
        { "normal", false, false, 1920 },
        { "maximised", true, false, 410 },
        { "minimised", false, true, 410 },
    };
    for (const auto& [name, maximised, minimised, right] : cases) {
        TFakeStore store;
        TWindowState window;
        window.Bounds = TWindowBounds { 10, 10, 410, 310 };
        SaveSettings(store, Settings, window);
        window.Bounds = TWindowBounds { 0, 0, 1920, 1080 };
        window.Maximised = maximised;
        window.Minimised = minimised;
        SaveSettings(store, Settings, window);
        TWindowState loaded = Load(store);
        ASSERT_TRUE(loaded.Bounds) << name;
        EXPECT_EQ(loaded.Bounds->Right, right) << name;
    }
}

TEST_F(SettingsTest, DamagedWindowPositionCentresTheWindow)
{
    const std::pair<const char*, TBytes> cases[] { { "too long", TBytes(17, 1) },
        { "short", TBytes { 10, 0, 0, 0, 10, 0, 0, 0 } }, { "empty", TBytes {} },
        { "right left of left", Position(500, 0, 100, 300) }, { "no height", Position(0, 0, 100, 0) } };
    for (const auto& [name, bytes] : cases) {
        TFakeStore store;
        store.Values["WindowPosition"] = bytes;
        TWindowState window = Load(store);
        EXPECT_FALSE(window.Bounds) << name;
    }
}

TEST_F(SettingsTest, RecentFilesKeepTheirOrderAndSkipGaps)
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
}

TEST_F(SettingsTest, DamagedFileCountReadsBoundedly)
{
    for (const std::int32_t count : { -5, 2147483647 }) {
        TFakeStore store;
        store.Values["FileCount"] = count;
        store.Values["File1"] = std::string("/a.vmr");
        TWindowState window = Load(store);
        EXPECT_EQ(window.RecentFiles.size(), count > 0 ? 1u : 0u) << count;
        // An entry missing as text is looked for as bytes (a name that is not UTF-8): still bounded.
        std::set<std::string> fileReads;
        for (const std::string& name : store.Reads) {
            if (name.rfind("File", 0) == 0 && name != "FileCount")
                fileReads.insert(name);
        }
        EXPECT_EQ(fileReads.size(), count > 0 ? std::size_t { MaxStoredRecentFiles } : 0u) << count;
    }
}

TEST_F(SettingsTest, MissingDisplayFontFallsBackToArial)
{
    const std::tuple<const char*, std::optional<std::string>, bool> cases[] {
        { "stored and installed", "Liberation Sans", true }, { "stored, gone", "Gone Sans", false },
        { "default, not installed", std::nullopt, false }, { "empty name", "", false }
    };
    for (const auto& [name, stored, exists] : cases) {
        SCOPED_TRACE(name);
        TFakeStore store;
        if (stored)
            store.Values["DisplayFont"] = *stored;
        store.Values["DisplaySize"] = std::int32_t { 11 };
        store.Values["PrintFont"] = std::string("Gone Serif");
        store.Values["PrintSize"] = std::int32_t { 9 };
        std::vector<std::string> asked;
        TWindowState window;
        LoadSettings(store, Environment([&](const std::string& font) {
            asked.push_back(font);
            return exists;
        }),
            Settings, window);
        EXPECT_EQ(Settings.DisplayFont.Name, exists ? *stored : "Arial");
        EXPECT_EQ(Settings.DisplayFont.Size, exists ? 11 : 10);
        // Only the display font is checked.
        EXPECT_EQ(asked, (std::vector<std::string> { stored.value_or("Verdana") }));
        EXPECT_EQ(Settings.PrintFont.Name, "Gone Serif");
        EXPECT_EQ(Settings.PrintFont.Size, 9);
    }
}

TEST_F(SettingsTest, DamagedSeparateValuesGetUsableOnes)
{
    struct TCase {
        const char* Name;
        std::int32_t Stored;
        std::int32_t DisplaySize, PrintSize, TestMode, NextTip, ImportFilter;
        std::uint16_t ForeignLangID;
    };
    const TCase cases[] { { "zero", 0, 8, 10, 0, 0, 1, 0 }, { "one", 1, 1, 1, 1, 1, 1, 1 },
        { "two", 2, 2, 2, 0, 2, 2, 2 }, { "three", 3, 3, 3, 0, 3, 3, 3 }, { "four", 4, 4, 4, 0, 4, 1, 4 },
        { "negative", -1, 8, 10, 0, 0, 1, 0 },
        { "largest font", MaxFontSize, MaxFontSize, MaxFontSize, 0, MaxFontSize, 1, MaxFontSize },
        { "too large", 70000, 8, 10, 0, 70000, 1, 0 } };
    for (const auto& c : cases) {
        TFakeStore store;
        for (const char* name : { "DisplaySize", "PrintSize", "TestMode", "NextTip", "ImportFilter",
                 "ForeignLangID", "NativeLangID" })
            store.Values[name] = c.Stored;
        TWindowState window = Load(store, [](const std::string&) { return true; });
        // A native language that is no language gives way to the user's.
        const std::uint16_t native = c.ForeignLangID == 0 && c.Stored != 0 ? 0x0407 : c.ForeignLangID;
        EXPECT_EQ(std::tuple(Settings.DisplayFont.Size, Settings.PrintFont.Size, window.TestMode,
                      window.NextTip, window.ImportFilter, window.ForeignLangID, window.NativeLangID),
            std::tuple(
                c.DisplaySize, c.PrintSize, c.TestMode, c.NextTip, c.ImportFilter, c.ForeignLangID, native))
            << c.Name;
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
