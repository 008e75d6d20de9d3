#pragma once
// The user's settings: three binary records with fixed layouts and the separate values, held by
// the session while the program runs, read once at start-up and written once at exit.

#include "core/ReviewSettings.h"
#include "evaluation/AnswerMatch.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using TColour = std::uint32_t; // 0x00BBGGRR

inline constexpr int ShortcutCount = 92;
inline constexpr std::size_t OptionsSize = 248;
inline constexpr std::size_t PrintOptionsSize = 3;
inline constexpr std::size_t PageSetupSize = 24;
// The bits of the value "AccentEvaluation".
inline constexpr std::int32_t AccentNative = 1;
inline constexpr std::int32_t AccentForeign = 2;
// The bits of the value "TypoEvaluation".
inline constexpr std::int32_t TypoNative = 1;
inline constexpr std::int32_t TypoForeign = 2;

struct TOptions {
    bool AppendNewWords = false;
    bool ConfirmDuplicates = true;
    bool ConfirmNoSort = false;
    bool ConfirmNoCategory = false;
    bool SkipNotes = false;
    TColour ColourLearnt = 0x00808080;
    std::array<std::uint16_t, ShortcutCount> Shortcuts = DefaultShortcuts();
    bool KeyboardSwitching = true;
    bool TestNotesPassive = false;
    bool TestNotesActive = false;
    std::int32_t NumChoices = 5;
    EvaluationFlags NativeEvaluation = 63;
    EvaluationFlags ForeignEvaluation = 63;
    EvaluationDelimiters NativeDelimiters;
    EvaluationDelimiters ForeignDelimiters;
    EvaluationFlags EnglishEvaluation = 448;
    bool AutoContinue = false;
    TColour ColourWrong = 0x000000FF;
    TColour ColourRight = 0x00FF0000;
    std::int32_t Delay = 0;
    bool UsePenaltyPoints = false;
    std::int32_t MaxPenaltyPoints = 3;
    bool DisallowHints = false;
    // Accept answers that differ only in accents, per side. Not part of the record: stored as the
    // separate value "AccentEvaluation" (AccentNative | AccentForeign), so the record stays as it was.
    bool NativeAccents = false;
    bool ForeignAccents = false;
    // Count a single wrong letter as a typo, per side; stored apart like the accents, as the value
    // "TypoEvaluation" (TypoNative | TypoForeign).
    bool NativeTypos = false;
    bool ForeignTypos = false;
    // The reserved bytes of the stored record (offsets 5, 199, 221, 237, 245), kept as loaded.
    std::array<std::uint8_t, 3> Reserved5 {};
    std::uint8_t Reserved199 = 0;
    std::array<std::uint8_t, 3> Reserved221 {};
    std::array<std::uint8_t, 3> Reserved237 {};
    std::array<std::uint8_t, 3> Reserved245 {};

    static std::array<std::uint16_t, ShortcutCount> DefaultShortcuts();
};

struct TPrintOptions {
    bool Title = true;
    bool PageNumbers = true;
    std::uint8_t Include = 14; // 1 << field index, for part of speech, notes and translations
};

struct TMargins {
    std::int32_t Left = 1440, Top = 1440, Right = 1440, Bottom = 1440; // twips
};

struct TPageSetup {
    TMargins Margins;
    std::int32_t Columns = 2;
    bool Separator = true;
    std::array<std::uint8_t, 3> Reserved {};
};

struct TFontSetting {
    std::string Name;
    std::int32_t Size = 0;
};

// The exact stored bytes of each record, and reading them back. A stored value shorter than its
// record fills the leading bytes and leaves the rest zero; a longer one is refused (nullopt).
std::array<std::uint8_t, OptionsSize> OptionsToBytes(const TOptions& options);
std::optional<TOptions> OptionsFromBytes(std::span<const std::uint8_t> bytes);
std::array<std::uint8_t, PrintOptionsSize> PrintOptionsToBytes(const TPrintOptions& options);
std::optional<TPrintOptions> PrintOptionsFromBytes(std::span<const std::uint8_t> bytes);
std::array<std::uint8_t, PageSetupSize> PageSetupToBytes(const TPageSetup& setup);
std::optional<TPageSetup> PageSetupFromBytes(std::span<const std::uint8_t> bytes);
// Brings values that would break the program into their valid ranges (a damaged store):
// NumChoices 3..10, MaxPenaltyPoints 1..5, Delay 0..20 seconds, Columns 1..3.
void ClampOptions(TOptions& options);
void ClampPageSetup(TPageSetup& setup);

// Font sizes outside this range in the store are damage and give way to the default size.
inline constexpr std::int32_t MinFontSize = 1;
inline constexpr std::int32_t MaxFontSize = 400;
// Reading the recent files stops here, whatever "FileCount" claims.
inline constexpr std::int32_t MaxStoredRecentFiles = 256;

// Window bounds as stored in "WindowPosition": Left, Top, Right, Bottom.
struct TWindowBounds {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Whether a window with these bounds can still be grabbed: at least 100 x 50 pixels of its top
// area (all of it when the window is smaller) lie on one of the screens. Bounds without width
// or height are never visible.
bool BoundsVisible(const TWindowBounds& bounds, const std::vector<TWindowBounds>& screens);

// The window's bounds at its first start on a screen with this free area: as large as what it
// wants to show, at least 640 x 480, at most four fifths of the area either way, and centred.
TWindowBounds FirstWindowBounds(
    const TWindowBounds& available, std::int32_t wantedWidth, std::int32_t wantedHeight);

// The main window's state persisted with the settings.
struct TWindowState {
    std::optional<TWindowBounds> Bounds; // nullopt: centre the window
    // Only a window in its normal state writes its bounds, so the stored normal bounds survive.
    bool Maximised = false;
    bool Minimised = false;
    std::uint16_t ForeignLangID = 0;
    std::uint16_t NativeLangID = 0;
    bool ShowToolBar = true;
    bool ShowStatusBar = true;
    std::int32_t TestMode = 0;
    bool MultipleChoice = false;
    std::int32_t NextTip = 0;
    bool ShowTips = true;
    std::int32_t ImportFilter = 1;
    std::vector<std::string> RecentFiles; // most recent first
};

// A per-user key/value store with the value kinds of the settings.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) = 0;
    virtual std::optional<std::int32_t> ReadInteger(const std::string& name) = 0;
    virtual std::optional<std::string> ReadString(const std::string& name) = 0;
    virtual void WriteBinary(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
    virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
};

// Speech of the words, stored as separate values of their own.
struct TSpeechSettings {
    bool Enabled = true;
    // Read each question as it appears, per direction: into the native language (the foreign
    // word is asked) and into the foreign language.
    bool SpeakQuestionPassive = false;
    bool SpeakQuestionActive = false;
    // After a wrong verdict in a test or review, read the expected answer in its language.
    bool SpeakAnswerWrong = false;
    // The voice chosen for each side; empty, or one not speaking the side's language: the best
    // voice for the language.
    std::string ForeignVoice;
    std::string NativeVoice;
    std::int32_t Rate = 0; // MinSpeechRate (slowest) to MaxSpeechRate (fastest)
};
// Light or dark windows: the desktop's preference (System), or always one of them.
enum class TThemeChoice : std::int32_t { System = 0, Light = 1, Dark = 2 };
// An unknown stored number is the default, System.
TThemeChoice ThemeChoiceFrom(std::int32_t stored);
// The daily reminder's time of day, in minutes after midnight: 18:00 until the user sets another.
inline constexpr std::int32_t DefaultReminderTime = 18 * 60;
inline constexpr std::int32_t MinutesPerDay = 24 * 60;
inline constexpr std::int32_t MinSpeechRate = -10;
inline constexpr std::int32_t MaxSpeechRate = 10;
// The settings records and values; a default-constructed one holds the record defaults, fonts
// and sounds empty.
struct TSettings {
    TOptions Options;
    TPrintOptions PrintOptions;
    TPageSetup PageSetup;
    TFontSetting DisplayFont;
    TFontSetting PrintFont;
    std::string SoundFileRight;
    std::string SoundFileWrong;
    TSpeechSettings Speech;
    TReviewSettings Reviews;
    // When the reminder of due words comes; whether it is on is whether it is installed
    // (settings/Reminder.h).
    std::int32_t ReminderTime = DefaultReminderTime;
    // The window's language (settings/UiLanguage.h) from the next start; empty: the desktop's.
    std::string UiLanguage;
    TThemeChoice Theme = TThemeChoice::System;
};
// Read at start-up before the rest, as the window's language must be set before the window is made.
inline constexpr const char* UiLanguageKey = "UiLanguage";
// Read at start-up too, so the first picture is already in its colours.
inline constexpr const char* ThemeKey = "ColourTheme";

struct TSettingsEnvironment {
    std::string ProgramFolder; // with its trailing separator
    std::uint16_t UserDefaultLanguage = 0x0409;
    // Whether a font family exists for the Western character set; when empty, every font does.
    std::function<bool(const std::string&)> FontExists;
};

// The language identifier of a locale name such as "de_CH" or "pt-BR": the table entry with the
// same language and country, else the main entry of the language, else English (United States).
std::uint16_t UserLanguageFromLocale(std::string_view localeName);

// Reads every setting in the stored order; missing or unreadable values take their defaults, and
// values a damaged store could hold that the program cannot work with are brought into range.
void LoadSettings(ISettingsStore& store, const TSettingsEnvironment& environment, TSettings& settings,
    TWindowState& window);
void SaveSettings(ISettingsStore& store, const TSettings& settings, const TWindowState& window);
