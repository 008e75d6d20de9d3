// The window's settings file read without Qt: the values as QSettings escapes them, and the file
// found under the configuration folder. (What Qt itself writes is read back in gui_tests.)

#include "settings/StoredSettings.h"

#include "core/UserFolders.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

TEST(StoredSettings, ValuesAsQSettingsWritesThem)
{
    using TBytes = std::vector<std::uint8_t>;
    struct TCase {
        const char* Line;
        std::optional<std::string> Text;
        std::optional<TBytes> Bytes = std::nullopt;
    };
    const TCase cases[] = {
        { "A=/home/u/de.vmr", "/home/u/de.vmr" },
        { "A = plain  \t", "plain" }, // spaces around the value are the line's
        { "A=\"a, b; c=d \"  ", "a, b; c=d " }, // quoted: commas and edge spaces are the value's
        { "A=say \\\"hi\\\" \\\\ \\t\\n\\a\\?\\'", "say \"hi\" \\ \t\n\a?'" },
        { "A=\\x1\\x31x\\101\\77\\0", std::string("\x01") + "1xA?" + std::string(1, '\0') },
        { "A=caf\xC3\xA9 \\x20", "caf\xC3\xA9  " }, // an escaped space is kept
        { "A=\\xzz\\q\\\t.", "zz." }, // escapes without digits, or unknown, say nothing
        { "A=@@at", "@at" },
        { "A=@String(a\\0b)", std::string("a\0b", 3) },
        { "A=@ByteArray(caf\\xe9\\0)", std::nullopt, TBytes { 'c', 'a', 'f', 0xE9, 0 } },
        { "A=\"@ByteArray(a,b)\"", std::nullopt, TBytes { 'a', ',', 'b' } },
        { "A=@ByteArray(\xC4\x80)", std::nullopt, TBytes { '?' } },
        { "A=one, two", std::nullopt }, // a list is no single value
        { "A=@Variant(\\0\\0\\0\\x7f)", std::nullopt },
        { "A=@ByteArray(open", std::nullopt },
        { "A=", "" },
    };
    for (const TCase& c : cases) {
        TIniSettingsStore store(std::string("[2]\r\n") + c.Line + "\r\n", "2");
        EXPECT_EQ(store.ReadString("A"), c.Text) << c.Line;
        EXPECT_EQ(store.ReadBinary("A"), c.Bytes) << c.Line;
    }
}

TEST(StoredSettings, OnlyTheGroupsKeysAndNumbersAsTheyReadAsNumbers)
{
    TIniSettingsStore store("Top=1\n[General]\nFileCount=9\n[2]\n; FileCount=8\nFileCount=3\nBad=3x\nNeg=-4\n"
                            "Empty=\nFont=Arial\n[20]\nTestMode=1\n",
        "2");
    EXPECT_EQ(store.ReadInteger("FileCount"), 3);
    EXPECT_EQ(store.ReadInteger("Neg"), -4);
    for (const char* name : { "Top", "Bad", "Empty", "Font", "TestMode", "; FileCount" })
        EXPECT_FALSE(store.ReadInteger(name)) << name;
    EXPECT_EQ(store.ReadString("FileCount"), "3");
}

TEST(StoredSettings, TheWindowsFileUnderTheConfigurationFolderOrTheDefaults)
{
    const TTempDir dir;
    const TScopedEnv config("XDG_CONFIG_HOME", dir.File("config"));
    TSettings settings;
    TWindowState window;
    LoadStoredSettings(settings, window);
    EXPECT_EQ(std::pair(window.RecentFiles.size(), settings.ReminderTime),
        std::pair(std::size_t { 0 }, DefaultReminderTime));
    std::filesystem::create_directories(dir.File("config/Brannock"));
    WriteBytes(dir.File("config/Brannock/Velmoria.conf"),
        "[2]\nFileCount=2\nFile1=/a.vmr\nFile2=@ByteArray(/"
        "caf\\xe9.vmr)\nReminderTime=0\nReviewNewPerDay=7\n");
    LoadStoredSettings(settings, window);
    EXPECT_EQ(std::tuple(window.RecentFiles, settings.Reviews.NewPerDay, settings.ReminderTime),
        std::tuple(std::vector<std::string> { "/a.vmr", "/caf\xE9.vmr" }, 7, 0));
    // A time outside the day is damage.
    for (const auto& [stored, minutes] : { std::pair("1439", 1439), std::pair("1440", DefaultReminderTime),
             std::pair("-1", DefaultReminderTime) }) {
        TIniSettingsStore store(std::string("[2]\nReminderTime=") + stored, "2");
        LoadSettings(store, {}, settings, window);
        EXPECT_EQ(settings.ReminderTime, minutes) << stored;
    }
}

TEST(StoredSettings, FoldersFromTheEnvironmentElseTheHomeFolder)
{
    const TScopedEnv home("HOME", "/h");
    {
        const TScopedEnv config("XDG_CONFIG_HOME", "/c");
        EXPECT_EQ(StoredSettingsPath(), "/c/Brannock/Velmoria.conf");
    }
    const TScopedEnv config("XDG_CONFIG_HOME", "");
    EXPECT_EQ(ConfigHome(), "/h/.config");
    const TScopedEnv noHome("HOME", "");
    EXPECT_EQ(HomeFolder(), ::getpwuid(::getuid())->pw_dir);
}
