// The settings records' stored bytes, loading with defaults, saving, and damaged stores.

#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <map>
#include <variant>

namespace {

using TBytes = std::vector<std::uint8_t>;

// An in-memory store that, like the platform's, refuses to read a value as another kind.
class TFakeStore : public ISettingsStore {
public:
    using TValue = std::variant<TBytes, std::int32_t, std::string>;

    std::optional<TBytes> ReadBinary(const std::string& name) override { return Read<TBytes>(name); }
    std::optional<std::int32_t> ReadInteger(const std::string& name) override
    {
        return Read<std::int32_t>(name);
    }
    std::optional<std::string> ReadString(const std::string& name) override
    {
        return Read<std::string>(name);
    }
    void WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes) override
    {
        Write(name, TBytes(bytes.begin(), bytes.end()));
    }
    void WriteInteger(const std::string& name, std::int32_t value) override { Write(name, value); }
    void WriteString(const std::string& name, const std::string& value) override { Write(name, value); }

    std::map<std::string, TValue> Values;
    std::vector<std::string> Reads;
    std::vector<std::string> Writes;

private:
    template <typename T> std::optional<T> Read(const std::string& name)
    {
        Reads.push_back(name);
        const auto found = Values.find(name);
        if (found == Values.end() || !std::holds_alternative<T>(found->second))
            return std::nullopt;
        return std::get<T>(found->second);
    }
    void Write(const std::string& name, TValue value)
    {
        Writes.push_back(name);
        Values[name] = std::move(value);
    }
};

TSettingsEnvironment Environment(std::function<bool(const std::string&)> fontExists = {})
{
    TSettingsEnvironment environment;
    environment.ProgramFolder = "/opt/velmoria/";
    environment.UserDefaultLanguage = 0x0407;
    environment.FontExists = std::move(fontExists);
    return environment;
}

template <std::size_t N> TBytes Bytes(const std::array<std::uint8_t, N>& bytes)
{
    return TBytes(bytes.begin(), bytes.end());
}

void PutI32(TBytes& bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The one-byte booleans of each record: loading keeps only 0 or 1 there.
const std::vector<std::size_t> OptionsBoolOffsets { 0, 1, 2, 3, 4, 196, 197, 198, 220, 236, 244 };
const std::vector<std::size_t> PageSetupBoolOffsets { 20 };
const std::vector<std::size_t> PrintOptionsBoolOffsets { 0, 1 };

bool Contains(const std::vector<std::size_t>& offsets, std::size_t offset)
{
    return std::find(offsets.begin(), offsets.end(), offset) != offsets.end();
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }
};

} // namespace

TEST(SettingsLayout, DefaultOptionsBytes)
{
    TBytes expected(OptionsSize, 0);
    expected[1] = 1; // ConfirmDuplicates
    PutI32(expected, 8, 0x00808080); // ColourLearnt
    expected[12 + 2 * 9] = 0xB7; // Shift+Ctrl+J
    expected[12 + 2 * 35] = 0x92; // Ctrl+Alt+J
    expected[196] = 1; // KeyboardSwitching
    PutI32(expected, 200, 5); // NumChoices
    expected[204] = 63; // NativeEvaluation
    expected[206] = 63; // ForeignEvaluation
    for (std::size_t offset : { 208u, 213u }) { // delimiters
        expected[offset] = ';';
        expected[offset + 1] = ',';
        expected[offset + 2] = '(';
        expected[offset + 3] = ')';
        expected[offset + 4] = '/';
    }
    expected[218] = 448 & 0xFF; // EnglishEvaluation
    expected[219] = 448 >> 8;
    PutI32(expected, 224, 0x000000FF); // ColourWrong
    PutI32(expected, 228, 0x00FF0000); // ColourRight
    PutI32(expected, 240, 3); // MaxPenaltyPoints
    EXPECT_EQ(Bytes(OptionsToBytes(TOptions {})), expected);
}

TEST(SettingsLayout, EveryOptionsFieldAtItsOffset)
{
    TOptions options;
    options.AppendNewWords = true;
    options.ConfirmDuplicates = false;
    options.ConfirmNoSort = true;
    options.ConfirmNoCategory = true;
    options.SkipNotes = true;
    options.ColourLearnt = 0x00123456;
    options.Shortcuts.fill(0);
    options.Shortcuts[0] = 0xEEE8;
    options.Shortcuts[91] = 0xCCE4;
    options.KeyboardSwitching = false;
    options.TestNotesPassive = true;
    options.TestNotesActive = true;
    options.NumChoices = -2;
    options.NativeEvaluation = 0x0102;
    options.ForeignEvaluation = 0x0304;
    options.NativeDelimiters = { 'a', 'b', 'c', 'd', 'e' };
    options.ForeignDelimiters = { 'v', 'w', 'x', 'y', 'z' };
    options.EnglishEvaluation = 0x0506;
    options.AutoContinue = true;
    options.ColourWrong = 0x0A0B0C0D;
    options.ColourRight = 0x01020304;
    options.Delay = 0x11223344;
    options.UsePenaltyPoints = true;
    options.MaxPenaltyPoints = 0x55667788;
    options.DisallowHints = true;
    options.Reserved5 = { 0xF5, 0xF6, 0xF7 };
    options.Reserved199 = 0xC7;
    options.Reserved221 = { 0xDD, 0xDE, 0xDF };
    options.Reserved237 = { 0xED, 0xEE, 0xEF };
    options.Reserved245 = { 0xF1, 0xF2, 0xF3 };

    TBytes expected(OptionsSize, 0);
    const std::vector<std::pair<std::size_t, TBytes>> fields {
        { 0, { 1, 0, 1, 1, 1, 0xF5, 0xF6, 0xF7 } },
        { 8, { 0x56, 0x34, 0x12, 0x00, 0xE8, 0xEE } },
        { 194, { 0xE4, 0xCC, 0, 1, 1, 0xC7, 0xFE, 0xFF, 0xFF, 0xFF, 0x02, 0x01, 0x04, 0x03 } },
        { 208, { 'a', 'b', 'c', 'd', 'e', 'v', 'w', 'x', 'y', 'z', 0x06, 0x05, 1, 0xDD, 0xDE, 0xDF } },
        { 224, { 0x0D, 0x0C, 0x0B, 0x0A, 0x04, 0x03, 0x02, 0x01, 0x44, 0x33, 0x22, 0x11 } },
        { 236, { 1, 0xED, 0xEE, 0xEF, 0x88, 0x77, 0x66, 0x55, 1, 0xF1, 0xF2, 0xF3 } },
    };
    for (const auto& [offset, bytes] : fields)
        std::copy(bytes.begin(), bytes.end(), expected.begin() + static_cast<std::ptrdiff_t>(offset));
    const TBytes written = Bytes(OptionsToBytes(options));
    for (std::size_t i = 0; i < OptionsSize; ++i)
        EXPECT_EQ(written[i], expected[i]) << "offset " << i;

    const auto read = OptionsFromBytes(written);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->NumChoices, -2);
    EXPECT_EQ(read->Shortcuts[91], 0xCCE4);
    EXPECT_EQ(read->ForeignDelimiters.Syn2, 'w');
    EXPECT_EQ(read->NativeDelimiters.Alt, 'e');
    EXPECT_EQ(read->MaxPenaltyPoints, 0x55667788);
    EXPECT_FALSE(read->KeyboardSwitching);
}

TEST(SettingsLayout, PrintOptionsAndPageSetupAtTheirOffsets)
{
    EXPECT_EQ(Bytes(PrintOptionsToBytes(TPrintOptions {})), (TBytes { 1, 1, 14 }));
    EXPECT_EQ(Bytes(PrintOptionsToBytes(TPrintOptions { false, true, 8 })), (TBytes { 0, 1, 8 }));

    TBytes defaults(PageSetupSize, 0);
    for (std::size_t offset : { 0u, 4u, 8u, 12u })
        PutI32(defaults, offset, 1440);
    PutI32(defaults, 16, 2);
    defaults[20] = 1;
    EXPECT_EQ(Bytes(PageSetupToBytes(TPageSetup {})), defaults);

    TPageSetup setup;
    setup.Margins = { 1, -2, 0x10000, 720 };
    setup.Columns = 3;
    setup.Separator = false;
    setup.Reserved = { 7, 8, 9 };
    const TBytes expected { 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 1, 0, 0xD0, 0x02, 0, 0, 3, 0, 0, 0, 0,
        7, 8, 9 };
    EXPECT_EQ(Bytes(PageSetupToBytes(setup)), expected);
    const auto read = PageSetupFromBytes(expected);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Margins.Top, -2);
    EXPECT_EQ(read->Margins.Right, 0x10000);
    EXPECT_EQ(read->Reserved, (std::array<std::uint8_t, 3> { 7, 8, 9 }));
}

// A single marked byte at each offset must come back at that offset and nowhere else: no byte of a
// record is dropped or shared by two fields, reserved bytes included.
TEST(SettingsLayout, EveryByteSurvivesARoundTrip)
{
    struct TRecord {
        const char* Name;
        std::size_t Size;
        const std::vector<std::size_t>& Bools;
        std::function<std::optional<TBytes>(const TBytes&)> RoundTrip;
    };
    const std::vector<TRecord> records {
        { "Options", OptionsSize, OptionsBoolOffsets,
            [](const TBytes& b) -> std::optional<TBytes> {
                const auto r = OptionsFromBytes(b);
                return r ? std::optional(Bytes(OptionsToBytes(*r))) : std::nullopt;
            } },
        { "PrintOptions", PrintOptionsSize, PrintOptionsBoolOffsets,
            [](const TBytes& b) -> std::optional<TBytes> {
                const auto r = PrintOptionsFromBytes(b);
                return r ? std::optional(Bytes(PrintOptionsToBytes(*r))) : std::nullopt;
            } },
        { "PageSetup", PageSetupSize, PageSetupBoolOffsets,
            [](const TBytes& b) -> std::optional<TBytes> {
                const auto r = PageSetupFromBytes(b);
                return r ? std::optional(Bytes(PageSetupToBytes(*r))) : std::nullopt;
            } },
    };
    for (const auto& record : records) {
        for (std::size_t offset = 0; offset < record.Size; ++offset) {
            TBytes bytes(record.Size, 0);
            bytes[offset] = Contains(record.Bools, offset) ? 1 : static_cast<std::uint8_t>(0xA5 ^ offset);
            EXPECT_EQ(record.RoundTrip(bytes), bytes) << record.Name << " offset " << offset;
        }
        // A full pattern, too, so neighbouring fields do not disturb each other.
        TBytes pattern(record.Size);
        for (std::size_t i = 0; i < record.Size; ++i)
            pattern[i] = Contains(record.Bools, i) ? static_cast<std::uint8_t>(i & 1)
                                                   : static_cast<std::uint8_t>(i * 37 + 11);
        EXPECT_EQ(record.RoundTrip(pattern), pattern) << record.Name;
        // A value longer than its record is refused; an empty one counts as read.
        EXPECT_FALSE(record.RoundTrip(TBytes(record.Size + 1, 0))) << record.Name;
        EXPECT_EQ(record.RoundTrip(TBytes {}), TBytes(record.Size, 0)) << record.Name;
    }
}

TEST(SettingsLayout, BooleanBytesReadAsTrueWhenNotZero)
{
    const auto read = PrintOptionsFromBytes(TBytes { 0x80, 2, 0 });
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Title);
    EXPECT_TRUE(read->PageNumbers);
    EXPECT_EQ(Bytes(PrintOptionsToBytes(*read)), (TBytes { 1, 1, 0 }));
}

TEST(SettingsLayout, ShortRecordFillsOnlyLeadingBytes)
{
    const auto options = OptionsFromBytes(TBytes { 1, 0, 1 });
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->AppendNewWords);
    EXPECT_FALSE(options->ConfirmDuplicates);
    EXPECT_TRUE(options->ConfirmNoSort);
    // The rest is zero, not the defaults.
    EXPECT_EQ(options->ColourLearnt, 0u);
    EXPECT_EQ(options->Shortcuts[9], 0);
    EXPECT_FALSE(options->KeyboardSwitching);
    EXPECT_EQ(options->NumChoices, 0);
    EXPECT_EQ(options->NativeEvaluation, 0);
    EXPECT_EQ(options->NativeDelimiters.Syn1, '\0');
    EXPECT_EQ(options->MaxPenaltyPoints, 0);

    const auto setup = PageSetupFromBytes(TBytes { 0x40, 0x01 });
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->Margins.Left, 320);
    EXPECT_EQ(setup->Margins.Top, 0);
    EXPECT_EQ(setup->Columns, 0);
    EXPECT_FALSE(setup->Separator);
}

TEST(SettingsClamp, DamagedValuesComeIntoRange)
{
    struct TCase {
        std::int32_t Stored, NumChoices, MaxPenaltyPoints, Delay, Columns;
    };
    const TCase cases[] {
        { -2147483647 - 1, 3, 1, 0, 1 },
        { -1, 3, 1, 0, 1 },
        { 0, 3, 1, 0, 1 },
        { 1, 3, 1, 1, 1 },
        { 2, 3, 2, 2, 2 },
        { 3, 3, 3, 3, 3 },
        { 4, 4, 4, 4, 3 },
        { 5, 5, 5, 5, 3 },
        { 6, 6, 5, 6, 3 },
        { 10, 10, 5, 10, 3 },
        { 11, 10, 5, 11, 3 },
        { 20, 10, 5, 20, 3 },
        { 21, 10, 5, 20, 3 },
        { 2147483647, 10, 5, 20, 3 },
    };
    for (const auto& c : cases) {
        TOptions options;
        options.NumChoices = options.MaxPenaltyPoints = options.Delay = c.Stored;
        TPageSetup setup;
        setup.Columns = c.Stored;
        ClampOptions(options);
        ClampPageSetup(setup);
        EXPECT_EQ(options.NumChoices, c.NumChoices) << c.Stored;
        EXPECT_EQ(options.MaxPenaltyPoints, c.MaxPenaltyPoints) << c.Stored;
        EXPECT_EQ(options.Delay, c.Delay) << c.Stored;
        EXPECT_EQ(setup.Columns, c.Columns) << c.Stored;
    }
}

TEST_F(SettingsTest, FirstStartGivesTheDefaults)
{
    TFakeStore store;
    TWindowState window;
    window.Bounds = TWindowBounds { 1, 2, 3, 4 };
    window.RecentFiles = { "stale" };
    LoadSettings(store, Environment(), window);

    EXPECT_FALSE(window.Bounds);
    EXPECT_EQ(window.ForeignLangID, 0);
    EXPECT_EQ(window.NativeLangID, 0x0407);
    EXPECT_TRUE(window.ShowToolBar);
    EXPECT_TRUE(window.ShowStatusBar);
    EXPECT_EQ(window.TestMode, 0);
    EXPECT_FALSE(window.MultipleChoice);
    EXPECT_EQ(window.NextTip, 0);
    EXPECT_TRUE(window.ShowTips);
    EXPECT_EQ(window.ImportFilter, 1);
    EXPECT_TRUE(window.RecentFiles.empty());

    EXPECT_EQ(Bytes(OptionsToBytes(Options)), Bytes(OptionsToBytes(TOptions {})));
    EXPECT_EQ(Options.NumChoices, 5);
    EXPECT_EQ(Options.MaxPenaltyPoints, 3);
    EXPECT_EQ(Bytes(PrintOptionsToBytes(PrintOptions)), (TBytes { 1, 1, 14 }));
    EXPECT_EQ(Bytes(PageSetupToBytes(PageSetup)), Bytes(PageSetupToBytes(TPageSetup {})));
    EXPECT_EQ(SoundFileRight, "/opt/velmoria/Clap.wav");
    EXPECT_EQ(SoundFileWrong, "/opt/velmoria/Pow.wav");
    EXPECT_EQ(DisplayFont.Name, "Verdana");
    EXPECT_EQ(DisplayFont.Size, 8);
    EXPECT_EQ(PrintFont.Name, "Times New Roman");
    EXPECT_EQ(PrintFont.Size, 10);
    EXPECT_TRUE(store.Writes.empty());
}

TEST_F(SettingsTest, ShortOptionsValueLeavesTheRestZero)
{
    TFakeStore store;
    TBytes stored(210, 0);
    stored[0] = 1;
    PutI32(stored, 200, 7); // NumChoices
    stored[208] = '|'; // the first native delimiter; the rest of the record is missing
    store.Values["Options"] = stored;
    TWindowState window;
    LoadSettings(store, Environment(), window);

    EXPECT_TRUE(Options.AppendNewWords);
    EXPECT_FALSE(Options.ConfirmDuplicates);
    EXPECT_EQ(Options.NumChoices, 7);
    EXPECT_EQ(Options.NativeDelimiters.Syn1, '|');
    EXPECT_EQ(Options.NativeDelimiters.Syn2, '\0');
    EXPECT_EQ(Options.ForeignEvaluation, 0);
    EXPECT_EQ(Options.EnglishEvaluation, 0);
    EXPECT_EQ(Options.ColourRight, 0u);
    EXPECT_FALSE(Options.UsePenaltyPoints);
    // Zero is no usable maximum: the range check lifts it.
    EXPECT_EQ(Options.MaxPenaltyPoints, 1);
}

TEST_F(SettingsTest, RecordsTooLongOrOfAnotherKindGetTheDefaults)
{
    TFakeStore store;
    TBytes options(OptionsSize + 1, 0);
    store.Values["Options"] = options;
    store.Values["PageSetup"] = TBytes(PageSetupSize + 4, 0);
    store.Values["PrintOptions"] = std::int32_t { 0 };
    TWindowState window;
    LoadSettings(store, Environment(), window);
    EXPECT_EQ(Bytes(OptionsToBytes(Options)), Bytes(OptionsToBytes(TOptions {})));
    EXPECT_EQ(Bytes(PageSetupToBytes(PageSetup)), Bytes(PageSetupToBytes(TPageSetup {})));
    EXPECT_EQ(Bytes(PrintOptionsToBytes(PrintOptions)), (TBytes { 1, 1, 14 }));
}

TEST_F(SettingsTest, EverythingSurvivesSaveAndLoad)
{
    TFakeStore store;
    TWindowState saved;
    saved.Bounds = TWindowBounds { -10, 20, 630, 500 };
    saved.ForeignLangID = 0x0419;
    saved.NativeLangID = 0x0809;
    saved.ShowToolBar = false;
    saved.ShowStatusBar = false;
    saved.TestMode = 1;
    saved.MultipleChoice = true;
    saved.NextTip = 17;
    saved.ShowTips = false;
    saved.ImportFilter = 3;
    saved.RecentFiles = { "/home/u/c.vmr", "/home/u/a.vmr", "/home/u/b.vmr" };
    Options.NumChoices = 8;
    Options.Shortcuts[3] = 0xCCE6;
    Options.Reserved199 = 0x5A;
    Options.Reserved245 = { 1, 2, 3 };
    Options.ForeignDelimiters = { '#', '+', '[', ']', '~' };
    PrintOptions = TPrintOptions { false, true, 4 };
    PageSetup.Columns = 1;
    PageSetup.Reserved = { 9, 8, 7 };
    SoundFileRight = "/snd/yes.wav";
    SoundFileWrong = "/snd/no.wav";
    DisplayFont = { "DejaVu Sans", 12 };
    PrintFont = { "Liberation Serif", 14 };
    const TBytes options = Bytes(OptionsToBytes(Options));
    const TBytes printOptions = Bytes(PrintOptionsToBytes(PrintOptions));
    const TBytes pageSetup = Bytes(PageSetupToBytes(PageSetup));
    SaveSettings(store, saved);

    ResetSettings();
    TWindowState loaded;
    LoadSettings(store, Environment([](const std::string&) { return true; }), loaded);
    ASSERT_TRUE(loaded.Bounds);
    EXPECT_EQ(loaded.Bounds->Left, -10);
    EXPECT_EQ(loaded.Bounds->Top, 20);
    EXPECT_EQ(loaded.Bounds->Right, 630);
    EXPECT_EQ(loaded.Bounds->Bottom, 500);
    EXPECT_EQ(loaded.ForeignLangID, 0x0419);
    EXPECT_EQ(loaded.NativeLangID, 0x0809);
    EXPECT_FALSE(loaded.ShowToolBar);
    EXPECT_FALSE(loaded.ShowStatusBar);
    EXPECT_EQ(loaded.TestMode, 1);
    EXPECT_TRUE(loaded.MultipleChoice);
    EXPECT_EQ(loaded.NextTip, 17);
    EXPECT_FALSE(loaded.ShowTips);
    EXPECT_EQ(loaded.ImportFilter, 3);
    EXPECT_EQ(loaded.RecentFiles, saved.RecentFiles);
    EXPECT_EQ(Bytes(OptionsToBytes(Options)), options);
    EXPECT_EQ(Bytes(PrintOptionsToBytes(PrintOptions)), printOptions);
    EXPECT_EQ(Bytes(PageSetupToBytes(PageSetup)), pageSetup);
    EXPECT_EQ(SoundFileRight, "/snd/yes.wav");
    EXPECT_EQ(SoundFileWrong, "/snd/no.wav");
    EXPECT_EQ(DisplayFont.Name, "DejaVu Sans");
    EXPECT_EQ(DisplayFont.Size, 12);
    EXPECT_EQ(PrintFont.Name, "Liberation Serif");
    EXPECT_EQ(PrintFont.Size, 14);
}

TEST_F(SettingsTest, SavedValuesHaveTheirKindsAndOrder)
{
    TFakeStore store;
    TWindowState window;
    window.Bounds = TWindowBounds { 100, 50, 740, 530 };
    window.RecentFiles = { "x.vmr", "y.vmr" };
    SaveSettings(store, window);
    const std::vector<std::string> order { "WindowPosition", "ForeignLangID", "NativeLangID", "ShowToolBar",
        "ShowStatusBar", "TestMode", "MultipleChoice", "NextTip", "ShowTips", "ImportFilter", "FileCount",
        "File1", "File2", "PrintOptions", "PageSetup", "Options", "Sound1", "Sound2", "DisplayFont",
        "DisplaySize", "PrintFont", "PrintSize" };
    EXPECT_EQ(store.Writes, order);

    TBytes position(16, 0);
    PutI32(position, 0, 100);
    PutI32(position, 4, 50);
    PutI32(position, 8, 740);
    PutI32(position, 12, 530);
    EXPECT_EQ(std::get<TBytes>(store.Values["WindowPosition"]), position);
    EXPECT_EQ(std::get<TBytes>(store.Values["Options"]).size(), OptionsSize);
    EXPECT_EQ(std::get<TBytes>(store.Values["PageSetup"]).size(), PageSetupSize);
    EXPECT_EQ(std::get<TBytes>(store.Values["PrintOptions"]).size(), PrintOptionsSize);
    EXPECT_EQ(std::get<std::int32_t>(store.Values["ShowToolBar"]), 1);
    EXPECT_EQ(std::get<std::int32_t>(store.Values["MultipleChoice"]), 0);
    EXPECT_EQ(std::get<std::int32_t>(store.Values["FileCount"]), 2);
    EXPECT_EQ(std::get<std::string>(store.Values["File1"]), "x.vmr");
    EXPECT_EQ(std::get<std::string>(store.Values["File2"]), "y.vmr");
}

TEST_F(SettingsTest, WindowPositionIsKeptUnlessTheWindowIsNormal)
{
    struct TCase {
        const char* Name;
        bool Maximised, Minimised, Written;
    };
    const TCase cases[] {
        { "normal", false, false, true },
        { "maximised", true, false, false },
        { "minimised", false, true, false },
    };
    for (const auto& c : cases) {
        TFakeStore store;
        TWindowState earlier;
        earlier.Bounds = TWindowBounds { 10, 10, 410, 310 };
        SaveSettings(store, earlier);
        TWindowState window;
        window.Bounds = TWindowBounds { 0, 0, 1920, 1080 };
        window.Maximised = c.Maximised;
        window.Minimised = c.Minimised;
        SaveSettings(store, window);
        TWindowState loaded;
        LoadSettings(store, Environment(), loaded);
        ASSERT_TRUE(loaded.Bounds) << c.Name;
        EXPECT_EQ(loaded.Bounds->Right, c.Written ? 1920 : 410) << c.Name;
    }
}

TEST_F(SettingsTest, DamagedWindowPositionCentresTheWindow)
{
    const std::vector<std::pair<const char*, TBytes>> cases {
        { "too long", TBytes(17, 1) },
        { "short", TBytes { 10, 0, 0, 0, 10, 0, 0, 0 } },
        { "empty", TBytes {} },
        { "right left of left",
            [] {
                TBytes b(16, 0);
                PutI32(b, 0, 500);
                PutI32(b, 8, 100);
                PutI32(b, 12, 300);
                return b;
            }() },
        { "no height",
            [] {
                TBytes b(16, 0);
                PutI32(b, 8, 100);
                return b;
            }() },
    };
    for (const auto& [name, bytes] : cases) {
        TFakeStore store;
        store.Values["WindowPosition"] = bytes;
        TWindowState window;
        LoadSettings(store, Environment(), window);
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
    TWindowState window;
    LoadSettings(store, Environment(), window);
    EXPECT_EQ(window.RecentFiles, (std::vector<std::string> { "/b.vmr", "/a.vmr", "/c.vmr" }));

    // Saving fewer leaves the old entries in place; the count hides them.
    window.RecentFiles = { "/d.vmr" };
    SaveSettings(store, window);
    EXPECT_EQ(std::get<std::string>(store.Values["File6"]), "/c.vmr");
    TWindowState again;
    LoadSettings(store, Environment(), again);
    EXPECT_EQ(again.RecentFiles, (std::vector<std::string> { "/d.vmr" }));
}

TEST_F(SettingsTest, DamagedFileCountReadsBoundedly)
{
    for (const std::int32_t count : { -5, 2147483647 }) {
        TFakeStore store;
        store.Values["FileCount"] = count;
        store.Values["File1"] = std::string("/a.vmr");
        TWindowState window;
        LoadSettings(store, Environment(), window);
        EXPECT_EQ(window.RecentFiles.size(), count > 0 ? 1u : 0u) << count;
        const auto fileReads = std::count_if(store.Reads.begin(), store.Reads.end(),
            [](const std::string& name) { return name.rfind("File", 0) == 0 && name != "FileCount"; });
        EXPECT_EQ(fileReads, count > 0 ? MaxStoredRecentFiles : 0) << count;
    }
}

TEST_F(SettingsTest, MissingDisplayFontFallsBackToArial)
{
    struct TCase {
        const char* Name;
        std::optional<std::string> StoredName;
        bool Exists;
        std::string ExpectedName;
        std::int32_t ExpectedSize;
    };
    const TCase cases[] {
        { "stored and installed", "Liberation Sans", true, "Liberation Sans", 11 },
        { "stored, gone", "Gone Sans", false, "Arial", 10 },
        { "default, not installed", std::nullopt, false, "Arial", 10 },
        { "empty name", "", false, "Arial", 10 },
    };
    for (const auto& c : cases) {
        TFakeStore store;
        if (c.StoredName)
            store.Values["DisplayFont"] = *c.StoredName;
        store.Values["DisplaySize"] = std::int32_t { 11 };
        store.Values["PrintFont"] = std::string("Gone Serif");
        store.Values["PrintSize"] = std::int32_t { 9 };
        std::vector<std::string> asked;
        const auto environment = Environment([&](const std::string& name) {
            asked.push_back(name);
            return c.Exists;
        });
        TWindowState window;
        LoadSettings(store, environment, window);
        EXPECT_EQ(DisplayFont.Name, c.ExpectedName) << c.Name;
        EXPECT_EQ(DisplayFont.Size, c.ExpectedSize) << c.Name;
        // Only the display font is checked.
        EXPECT_EQ(asked, (std::vector<std::string> { c.StoredName.value_or("Verdana") })) << c.Name;
        EXPECT_EQ(PrintFont.Name, "Gone Serif") << c.Name;
        EXPECT_EQ(PrintFont.Size, 9) << c.Name;
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
    const TCase cases[] {
        { "zero", 0, 8, 10, 0, 0, 1, 0 },
        { "one", 1, 1, 1, 1, 1, 1, 1 },
        { "two", 2, 2, 2, 0, 2, 2, 2 },
        { "three", 3, 3, 3, 0, 3, 3, 3 },
        { "four", 4, 4, 4, 0, 4, 1, 4 },
        { "negative", -1, 8, 10, 0, 0, 1, 0 },
        { "largest font", MaxFontSize, MaxFontSize, MaxFontSize, 0, MaxFontSize, 1, MaxFontSize },
        { "too large", 70000, 8, 10, 0, 70000, 1, 0 },
    };
    for (const auto& c : cases) {
        TFakeStore store;
        for (const char* name : { "DisplaySize", "PrintSize", "TestMode", "NextTip", "ImportFilter",
                 "ForeignLangID", "NativeLangID" })
            store.Values[name] = c.Stored;
        TWindowState window;
        LoadSettings(store, Environment([](const std::string&) { return true; }), window);
        EXPECT_EQ(DisplayFont.Size, c.DisplaySize) << c.Name;
        EXPECT_EQ(PrintFont.Size, c.PrintSize) << c.Name;
        EXPECT_EQ(window.TestMode, c.TestMode) << c.Name;
        EXPECT_EQ(window.NextTip, c.NextTip) << c.Name;
        EXPECT_EQ(window.ImportFilter, c.ImportFilter) << c.Name;
        EXPECT_EQ(window.ForeignLangID, c.ForeignLangID) << c.Name;
        // A native language that is no language gives way to the user's.
        EXPECT_EQ(window.NativeLangID, c.ForeignLangID == 0 && c.Stored != 0 ? 0x0407 : c.ForeignLangID)
            << c.Name;
    }
}

TEST_F(SettingsTest, DamagedRecordsAreClampedOnLoad)
{
    TFakeStore store;
    TOptions options;
    options.NumChoices = 0;
    options.MaxPenaltyPoints = 99;
    options.Delay = -7;
    store.Values["Options"] = Bytes(OptionsToBytes(options));
    TPageSetup setup;
    setup.Columns = 0;
    store.Values["PageSetup"] = Bytes(PageSetupToBytes(setup));
    TWindowState window;
    LoadSettings(store, Environment(), window);
    EXPECT_EQ(Options.NumChoices, 3);
    EXPECT_EQ(Options.MaxPenaltyPoints, 5);
    EXPECT_EQ(Options.Delay, 0);
    EXPECT_EQ(PageSetup.Columns, 1);
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
    const std::vector<std::pair<const char*, std::uint16_t>> cases {
        { "en_US", 0x0409 },
        { "en_GB", 0x0809 },
        { "en-AU", 0x0C09 },
        { "de_CH", 0x0807 },
        { "de_AT", 0x0C07 },
        { "de", 0x0407 }, // language only: its main entry
        { "de_BR", 0x0407 }, // a country the table lacks for the language
        { "fr_FR.UTF-8", 0x040C },
        { "pt_BR", 0x0416 },
        { "es_ES", 0x0C0A },
        { "es_419", 0x040A },
        { "sr_Latn_RS", 0x081A },
        { "sr_RS", 0x0C1A }, // the first entry with the same language and country
        { "nb_NO", 0x0414 },
        { "C", 0x0409 },
        { "", 0x0409 },
        { "xx_YY", 0x0409 },
    };
    for (const auto& [name, id] : cases)
        EXPECT_EQ(UserLanguageFromLocale(name), id) << name;
}
