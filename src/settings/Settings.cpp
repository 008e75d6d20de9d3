#include "settings/Settings.h"

#include "evaluation/Languages.h"

#include <algorithm>
#include <cctype>
#include <unicode/ustring.h>
#include <utility>

namespace {

bool IsUtf8(const std::string& text)
{
    UErrorCode error = U_ZERO_ERROR;
    std::int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<std::int32_t>(text.size()), &error);
    return error != U_INVALID_CHAR_FOUND;
}

constexpr std::int32_t DefaultDisplaySize = 8;
constexpr std::int32_t DefaultPrintSize = 10;

// Little-endian access to a record's bytes.
template <std::size_t N> class TRecordWriter {
public:
    void U8(std::size_t offset, std::uint8_t value) { Bytes[offset] = value; }
    void Bool(std::size_t offset, bool value) { Bytes[offset] = value ? 1 : 0; }
    void U16(std::size_t offset, std::uint16_t value)
    {
        Bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
        Bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    void U32(std::size_t offset, std::uint32_t value)
    {
        for (std::size_t i = 0; i < 4; ++i)
            Bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    void I32(std::size_t offset, std::int32_t value) { U32(offset, static_cast<std::uint32_t>(value)); }
    template <std::size_t M> void Raw(std::size_t offset, const std::array<std::uint8_t, M>& values)
    {
        std::copy(values.begin(), values.end(), Bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    }

    std::array<std::uint8_t, N> Bytes {};
};

// A value shorter than its record fills the leading bytes; the rest stay zero.
template <std::size_t N> class TRecordReader {
public:
    explicit TRecordReader(std::span<const std::uint8_t> bytes)
    {
        std::copy(bytes.begin(), bytes.end(), Bytes.begin());
    }
    std::uint8_t U8(std::size_t offset) const { return Bytes[offset]; }
    bool Bool(std::size_t offset) const { return Bytes[offset] != 0; }
    std::uint16_t U16(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(Bytes[offset] | (Bytes[offset + 1] << 8));
    }
    std::uint32_t U32(std::size_t offset) const
    {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(Bytes[offset + i]) << (8 * i);
        return value;
    }
    std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
    template <std::size_t M> void Raw(std::size_t offset, std::array<std::uint8_t, M>& values) const
    {
        std::copy_n(Bytes.begin() + static_cast<std::ptrdiff_t>(offset), M, values.begin());
    }

    std::array<std::uint8_t, N> Bytes {};
};

template <std::size_t N>
void WriteDelimiters(TRecordWriter<N>& writer, std::size_t offset, const EvaluationDelimiters& delimiters)
{
    const char chars[] = { delimiters.Syn1, delimiters.Syn2, delimiters.BracketOpen, delimiters.BracketClose,
        delimiters.Alt };
    for (std::size_t i = 0; i < 5; ++i)
        writer.U8(offset + i, static_cast<std::uint8_t>(chars[i]));
}

template <std::size_t N>
EvaluationDelimiters ReadDelimiters(const TRecordReader<N>& reader, std::size_t offset)
{
    EvaluationDelimiters delimiters;
    delimiters.Syn1 = static_cast<char>(reader.U8(offset));
    delimiters.Syn2 = static_cast<char>(reader.U8(offset + 1));
    delimiters.BracketOpen = static_cast<char>(reader.U8(offset + 2));
    delimiters.BracketClose = static_cast<char>(reader.U8(offset + 3));
    delimiters.Alt = static_cast<char>(reader.U8(offset + 4));
    return delimiters;
}

std::int32_t ClampInt(std::int32_t value, std::int32_t low, std::int32_t high)
{
    return std::clamp(value, low, high);
}

std::int32_t ReadInteger(ISettingsStore& store, const std::string& name, std::int32_t fallback)
{
    return store.ReadInteger(name).value_or(fallback);
}

bool ReadBool(ISettingsStore& store, const std::string& name, bool fallback)
{
    return ReadInteger(store, name, fallback ? 1 : 0) != 0;
}

std::string ReadString(ISettingsStore& store, const std::string& name, const std::string& fallback)
{
    return store.ReadString(name).value_or(fallback);
}

// A language identifier is 16 bits; anything wider is damage, not a language.
std::uint16_t ReadLanguage(ISettingsStore& store, const std::string& name, std::uint16_t fallback)
{
    const auto value = store.ReadInteger(name);
    if (!value || *value < 0 || *value > 0xFFFF)
        return fallback;
    return static_cast<std::uint16_t>(*value);
}

std::int32_t ReadFontSize(ISettingsStore& store, const std::string& name, std::int32_t fallback)
{
    const std::int32_t size = ReadInteger(store, name, fallback);
    return size < MinFontSize || size > MaxFontSize ? fallback : size;
}

std::optional<TWindowBounds> ReadWindowBounds(ISettingsStore& store)
{
    const auto bytes = store.ReadBinary("WindowPosition");
    if (!bytes || bytes->size() > 16)
        return std::nullopt;
    const TRecordReader<16> reader(*bytes);
    const TWindowBounds bounds { reader.I32(0), reader.I32(4), reader.I32(8), reader.I32(12) };
    // A short or damaged value leaves no window to show; centring is the sound answer.
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top)
        return std::nullopt;
    return bounds;
}

void WriteWindowBounds(ISettingsStore& store, const TWindowBounds& bounds)
{
    TRecordWriter<16> writer;
    writer.I32(0, bounds.Left);
    writer.I32(4, bounds.Top);
    writer.I32(8, bounds.Right);
    writer.I32(12, bounds.Bottom);
    store.WriteBinary("WindowPosition", writer.Bytes);
}

// Splits "ll_Ssss_CC@keywords" or "ll-CC" into the language and the country (empty when none).
void SplitLocale(std::string_view name, std::string& language, std::string& country)
{
    name = name.substr(0, name.find_first_of("@."));
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("_-", start), name.size());
        parts.emplace_back(name.substr(start, end - start));
        start = end + 1;
    }
    language = parts.front();
    std::transform(language.begin(), language.end(), language.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
    country.clear();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        // A script subtag has four letters; a country two letters or three digits.
        if (parts[i].size() == 2
            || (parts[i].size() == 3 && std::isdigit(static_cast<unsigned char>(parts[i][0])))) {
            country = parts[i];
            std::transform(country.begin(), country.end(), country.begin(), [](unsigned char c) {
                return static_cast<char>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
            });
            break;
        }
    }
}

} // namespace

std::array<std::uint16_t, ShortcutCount> TOptions::DefaultShortcuts()
{
    std::array<std::uint16_t, ShortcutCount> shortcuts {};
    shortcuts[9] = 0x00B7; // Shift+Ctrl+J: middle dot
    shortcuts[35] = 0x0092; // Ctrl+Alt+J: typographic apostrophe
    return shortcuts;
}

std::array<std::uint8_t, OptionsSize> OptionsToBytes(const TOptions& options)
{
    TRecordWriter<OptionsSize> writer;
    writer.Bool(0, options.AppendNewWords);
    writer.Bool(1, options.ConfirmDuplicates);
    writer.Bool(2, options.ConfirmNoSort);
    writer.Bool(3, options.ConfirmNoCategory);
    writer.Bool(4, options.SkipNotes);
    writer.Raw(5, options.Reserved5);
    writer.U32(8, options.ColourLearnt);
    for (std::size_t i = 0; i < ShortcutCount; ++i)
        writer.U16(12 + 2 * i, options.Shortcuts[i]);
    writer.Bool(196, options.KeyboardSwitching);
    writer.Bool(197, options.TestNotesPassive);
    writer.Bool(198, options.TestNotesActive);
    writer.U8(199, options.Reserved199);
    writer.I32(200, options.NumChoices);
    writer.U16(204, options.NativeEvaluation);
    writer.U16(206, options.ForeignEvaluation);
    WriteDelimiters(writer, 208, options.NativeDelimiters);
    WriteDelimiters(writer, 213, options.ForeignDelimiters);
    writer.U16(218, options.EnglishEvaluation);
    writer.Bool(220, options.AutoContinue);
    writer.Raw(221, options.Reserved221);
    writer.U32(224, options.ColourWrong);
    writer.U32(228, options.ColourRight);
    writer.I32(232, options.Delay);
    writer.Bool(236, options.UsePenaltyPoints);
    writer.Raw(237, options.Reserved237);
    writer.I32(240, options.MaxPenaltyPoints);
    writer.Bool(244, options.DisallowHints);
    writer.Raw(245, options.Reserved245);
    return writer.Bytes;
}

std::optional<TOptions> OptionsFromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > OptionsSize)
        return std::nullopt;
    const TRecordReader<OptionsSize> reader(bytes);
    TOptions options;
    options.AppendNewWords = reader.Bool(0);
    options.ConfirmDuplicates = reader.Bool(1);
    options.ConfirmNoSort = reader.Bool(2);
    options.ConfirmNoCategory = reader.Bool(3);
    options.SkipNotes = reader.Bool(4);
    reader.Raw(5, options.Reserved5);
    options.ColourLearnt = reader.U32(8);
    for (std::size_t i = 0; i < ShortcutCount; ++i)
        options.Shortcuts[i] = reader.U16(12 + 2 * i);
    options.KeyboardSwitching = reader.Bool(196);
    options.TestNotesPassive = reader.Bool(197);
    options.TestNotesActive = reader.Bool(198);
    options.Reserved199 = reader.U8(199);
    options.NumChoices = reader.I32(200);
    options.NativeEvaluation = reader.U16(204);
    options.ForeignEvaluation = reader.U16(206);
    options.NativeDelimiters = ReadDelimiters(reader, 208);
    options.ForeignDelimiters = ReadDelimiters(reader, 213);
    options.EnglishEvaluation = reader.U16(218);
    options.AutoContinue = reader.Bool(220);
    reader.Raw(221, options.Reserved221);
    options.ColourWrong = reader.U32(224);
    options.ColourRight = reader.U32(228);
    options.Delay = reader.I32(232);
    options.UsePenaltyPoints = reader.Bool(236);
    reader.Raw(237, options.Reserved237);
    options.MaxPenaltyPoints = reader.I32(240);
    options.DisallowHints = reader.Bool(244);
    reader.Raw(245, options.Reserved245);
    return options;
}

std::array<std::uint8_t, PrintOptionsSize> PrintOptionsToBytes(const TPrintOptions& options)
{
    TRecordWriter<PrintOptionsSize> writer;
    writer.Bool(0, options.Title);
    writer.Bool(1, options.PageNumbers);
    writer.U8(2, options.Include);
    return writer.Bytes;
}

std::optional<TPrintOptions> PrintOptionsFromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > PrintOptionsSize)
        return std::nullopt;
    const TRecordReader<PrintOptionsSize> reader(bytes);
    TPrintOptions options;
    options.Title = reader.Bool(0);
    options.PageNumbers = reader.Bool(1);
    options.Include = reader.U8(2);
    return options;
}

std::array<std::uint8_t, PageSetupSize> PageSetupToBytes(const TPageSetup& setup)
{
    TRecordWriter<PageSetupSize> writer;
    writer.I32(0, setup.Margins.Left);
    writer.I32(4, setup.Margins.Top);
    writer.I32(8, setup.Margins.Right);
    writer.I32(12, setup.Margins.Bottom);
    writer.I32(16, setup.Columns);
    writer.Bool(20, setup.Separator);
    writer.Raw(21, setup.Reserved);
    return writer.Bytes;
}

std::optional<TPageSetup> PageSetupFromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > PageSetupSize)
        return std::nullopt;
    const TRecordReader<PageSetupSize> reader(bytes);
    TPageSetup setup;
    setup.Margins.Left = reader.I32(0);
    setup.Margins.Top = reader.I32(4);
    setup.Margins.Right = reader.I32(8);
    setup.Margins.Bottom = reader.I32(12);
    setup.Columns = reader.I32(16);
    setup.Separator = reader.Bool(20);
    reader.Raw(21, setup.Reserved);
    return setup;
}

void ClampOptions(TOptions& options)
{
    options.NumChoices = ClampInt(options.NumChoices, 3, 10);
    options.MaxPenaltyPoints = ClampInt(options.MaxPenaltyPoints, 1, 5);
    options.Delay = ClampInt(options.Delay, 0, 20);
}

void ClampPageSetup(TPageSetup& setup)
{
    setup.Columns = ClampInt(setup.Columns, 1, 3);
}

bool BoundsVisible(const TWindowBounds& bounds, const std::vector<TWindowBounds>& screens)
{
    // 64-bit arithmetic: damaged bounds may sit at the ends of the 32-bit range.
    const std::int64_t width = std::int64_t { bounds.Right } - bounds.Left;
    const std::int64_t height = std::int64_t { bounds.Bottom } - bounds.Top;
    if (width <= 0 || height <= 0)
        return false;
    const std::int64_t needWidth = std::min<std::int64_t>(width, 100);
    const std::int64_t needHeight = std::min<std::int64_t>(height, 50);
    const std::int64_t topAreaBottom = std::int64_t { bounds.Top } + needHeight;
    return std::any_of(screens.begin(), screens.end(), [&](const TWindowBounds& screen) {
        const std::int64_t left = std::max<std::int64_t>(bounds.Left, screen.Left);
        const std::int64_t right = std::min<std::int64_t>(bounds.Right, screen.Right);
        const std::int64_t top = std::max<std::int64_t>(bounds.Top, screen.Top);
        const std::int64_t bottom = std::min<std::int64_t>(topAreaBottom, screen.Bottom);
        return right - left >= needWidth && bottom - top >= needHeight;
    });
}

TWindowBounds FirstWindowBounds(
    const TWindowBounds& available, std::int32_t wantedWidth, std::int32_t wantedHeight)
{
    const auto side = [](std::int64_t low, std::int64_t high, std::int32_t wanted, std::int32_t least) {
        const std::int64_t most = std::max<std::int64_t>(high - low, 0) * 4 / 5;
        const std::int64_t size = std::min<std::int64_t>(std::max(wanted, least), most);
        const std::int64_t start = low + (high - low - size) / 2;
        return std::pair(static_cast<std::int32_t>(start), static_cast<std::int32_t>(start + size));
    };
    const auto [left, right] = side(available.Left, available.Right, wantedWidth, 640);
    const auto [top, bottom] = side(available.Top, available.Bottom, wantedHeight, 480);
    return { left, top, right, bottom };
}

std::uint16_t UserLanguageFromLocale(std::string_view localeName)
{
    const std::string_view plainName = localeName.substr(0, localeName.find('.'));
    for (const auto& entry : LanguageTable())
        if (entry.Locale == plainName)
            return entry.Id;
    std::string language, country;
    SplitLocale(plainName, language, country);
    const TLanguage* sameLanguage = nullptr;
    for (const auto& entry : LanguageTable()) {
        std::string entryLanguage, entryCountry;
        SplitLocale(entry.Locale, entryLanguage, entryCountry);
        if (entryLanguage != language)
            continue;
        if (!country.empty() && entryCountry == country)
            return entry.Id;
        // The main entry of a language carries sublanguage 1, as the platform numbers them.
        if (sameLanguage == nullptr || ((entry.Id >> 10) == 1 && (sameLanguage->Id >> 10) != 1))
            sameLanguage = &entry;
    }
    return sameLanguage != nullptr ? sameLanguage->Id : 0x0409;
}

void LoadSettings(
    ISettingsStore& store, const TSettingsEnvironment& environment, TSettings& settings, TWindowState& window)
{
    window.Bounds = ReadWindowBounds(store);

    window.ForeignLangID = ReadLanguage(store, "ForeignLangID", 0);
    window.NativeLangID = ReadLanguage(store, "NativeLangID", environment.UserDefaultLanguage);

    window.ShowToolBar = ReadBool(store, "ShowToolBar", true);
    window.ShowStatusBar = ReadBool(store, "ShowStatusBar", true);
    window.TestMode = ReadInteger(store, "TestMode", 0);
    if (window.TestMode != 0 && window.TestMode != 1)
        window.TestMode = 0;
    window.MultipleChoice = ReadBool(store, "MultipleChoice", false);
    // The tip and filter indices are used as list positions.
    window.NextTip = std::max(ReadInteger(store, "NextTip", 0), 0);
    window.ShowTips = ReadBool(store, "ShowTips", true);
    window.ImportFilter = ReadInteger(store, "ImportFilter", 1);
    if (window.ImportFilter < 1 || window.ImportFilter > 3)
        window.ImportFilter = 1;

    window.RecentFiles.clear();
    const std::int32_t fileCount = std::min(ReadInteger(store, "FileCount", 0), MaxStoredRecentFiles);
    for (std::int32_t i = 1; i <= fileCount; ++i) {
        const std::string key = "File" + std::to_string(i);
        std::string name = ReadString(store, key, std::string());
        if (const auto bytes = name.empty() ? store.ReadBinary(key) : std::nullopt)
            name.assign(bytes->begin(), bytes->end());
        if (!name.empty())
            window.RecentFiles.push_back(std::move(name));
    }

    const auto printBytes = store.ReadBinary("PrintOptions");
    settings.PrintOptions
        = (printBytes ? PrintOptionsFromBytes(*printBytes) : std::nullopt).value_or(TPrintOptions {});
    const auto pageBytes = store.ReadBinary("PageSetup");
    settings.PageSetup = (pageBytes ? PageSetupFromBytes(*pageBytes) : std::nullopt).value_or(TPageSetup {});
    ClampPageSetup(settings.PageSetup);
    const auto optionBytes = store.ReadBinary("Options");
    settings.Options = (optionBytes ? OptionsFromBytes(*optionBytes) : std::nullopt).value_or(TOptions {});
    ClampOptions(settings.Options);
    const std::int32_t accents = ReadInteger(store, "AccentEvaluation", 0);
    settings.Options.NativeAccents = (accents & AccentNative) != 0;
    settings.Options.ForeignAccents = (accents & AccentForeign) != 0;
    const std::int32_t typos = ReadInteger(store, "TypoEvaluation", 0);
    settings.Options.NativeTypos = (typos & TypoNative) != 0;
    settings.Options.ForeignTypos = (typos & TypoForeign) != 0;

    settings.SoundFileRight = ReadString(store, "Sound1", environment.ProgramFolder + "Clap.wav");
    settings.SoundFileWrong = ReadString(store, "Sound2", environment.ProgramFolder + "Pow.wav");

    settings.DisplayFont.Name = ReadString(store, "DisplayFont", "Verdana");
    settings.DisplayFont.Size = ReadFontSize(store, "DisplaySize", DefaultDisplaySize);
    if (environment.FontExists && !environment.FontExists(settings.DisplayFont.Name)) {
        settings.DisplayFont.Name = "Arial";
        settings.DisplayFont.Size = 10;
    }

    settings.PrintFont.Name = ReadString(store, "PrintFont", "Times New Roman");
    settings.PrintFont.Size = ReadFontSize(store, "PrintSize", DefaultPrintSize);

    TSpeechSettings& speech = settings.Speech;
    speech.Enabled = ReadBool(store, "SpeechEnabled", true);
    speech.SpeakQuestionPassive = ReadBool(store, "SpeakQuestionPassive", false);
    speech.SpeakQuestionActive = ReadBool(store, "SpeakQuestionActive", false);
    speech.SpeakAnswerWrong = ReadBool(store, "SpeakAnswerWrong", false);
    speech.ForeignVoice = ReadString(store, "SpeechVoiceForeign", std::string());
    speech.NativeVoice = ReadString(store, "SpeechVoiceNative", std::string());
    speech.Rate = std::clamp(ReadInteger(store, "SpeechRate", 0), MinSpeechRate, MaxSpeechRate);
    const TReviewSettings reviews;
    settings.Reviews = TReviewSettings { ReadInteger(store, "ReviewRetention", reviews.RetentionPercent),
        ReadInteger(store, "ReviewNewPerDay", reviews.NewPerDay), ReadString(store, "ReviewShareFolder", "") }
                           .Clamped();
    settings.ReminderTime = ReadInteger(store, "ReminderTime", DefaultReminderTime);
    if (settings.ReminderTime < 0 || settings.ReminderTime >= MinutesPerDay)
        settings.ReminderTime = DefaultReminderTime;
    settings.UiLanguage = ReadString(store, UiLanguageKey, std::string());
    settings.Theme = ThemeChoiceFrom(ReadInteger(store, ThemeKey, 0));
}

void SaveSettings(ISettingsStore& store, const TSettings& settings, const TWindowState& window)
{
    if (window.Bounds && !window.Maximised && !window.Minimised)
        WriteWindowBounds(store, *window.Bounds);

    store.WriteInteger("ForeignLangID", window.ForeignLangID);
    store.WriteInteger("NativeLangID", window.NativeLangID);

    store.WriteInteger("ShowToolBar", window.ShowToolBar ? 1 : 0);
    store.WriteInteger("ShowStatusBar", window.ShowStatusBar ? 1 : 0);
    store.WriteInteger("TestMode", window.TestMode);
    store.WriteInteger("MultipleChoice", window.MultipleChoice ? 1 : 0);
    store.WriteInteger("NextTip", window.NextTip);
    store.WriteInteger("ShowTips", window.ShowTips ? 1 : 0);
    store.WriteInteger("ImportFilter", window.ImportFilter);

    // Entries beyond the count from an earlier run stay; the count bounds what is read back.
    store.WriteInteger("FileCount", static_cast<std::int32_t>(window.RecentFiles.size()));
    for (std::size_t i = 0; i < window.RecentFiles.size(); ++i) {
        // A name that is not valid UTF-8 would lose its bytes as text.
        const std::string& name = window.RecentFiles[i];
        const std::string key = "File" + std::to_string(i + 1);
        if (IsUtf8(name))
            store.WriteString(key, name);
        else
            store.WriteBinary(
                key, std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
    }

    store.WriteBinary("PrintOptions", PrintOptionsToBytes(settings.PrintOptions));
    store.WriteBinary("PageSetup", PageSetupToBytes(settings.PageSetup));
    store.WriteBinary("Options", OptionsToBytes(settings.Options));
    store.WriteInteger("AccentEvaluation",
        (settings.Options.NativeAccents ? AccentNative : 0)
            | (settings.Options.ForeignAccents ? AccentForeign : 0));
    store.WriteInteger("TypoEvaluation",
        (settings.Options.NativeTypos ? TypoNative : 0) | (settings.Options.ForeignTypos ? TypoForeign : 0));

    store.WriteString("Sound1", settings.SoundFileRight);
    store.WriteString("Sound2", settings.SoundFileWrong);
    store.WriteString("DisplayFont", settings.DisplayFont.Name);
    store.WriteInteger("DisplaySize", settings.DisplayFont.Size);
    store.WriteString("PrintFont", settings.PrintFont.Name);
    store.WriteInteger("PrintSize", settings.PrintFont.Size);

    const TSpeechSettings& speech = settings.Speech;
    store.WriteInteger("SpeechEnabled", speech.Enabled ? 1 : 0);
    store.WriteInteger("SpeakQuestionPassive", speech.SpeakQuestionPassive ? 1 : 0);
    store.WriteInteger("SpeakQuestionActive", speech.SpeakQuestionActive ? 1 : 0);
    store.WriteInteger("SpeakAnswerWrong", speech.SpeakAnswerWrong ? 1 : 0);
    store.WriteString("SpeechVoiceForeign", speech.ForeignVoice);
    store.WriteString("SpeechVoiceNative", speech.NativeVoice);
    store.WriteInteger("SpeechRate", speech.Rate);
    store.WriteInteger("ReviewRetention", settings.Reviews.RetentionPercent);
    store.WriteInteger("ReviewNewPerDay", settings.Reviews.NewPerDay);
    store.WriteString("ReviewShareFolder", settings.Reviews.ShareFolder);
    store.WriteInteger("ReminderTime", settings.ReminderTime);
    store.WriteString(UiLanguageKey, settings.UiLanguage);
    store.WriteInteger(ThemeKey, static_cast<std::int32_t>(settings.Theme));
}

TThemeChoice ThemeChoiceFrom(std::int32_t stored)
{
    switch (stored) {
    case static_cast<std::int32_t>(TThemeChoice::Light):
        return TThemeChoice::Light;
    case static_cast<std::int32_t>(TThemeChoice::Dark):
        return TThemeChoice::Dark;
    default:
        return TThemeChoice::System;
    }
}
