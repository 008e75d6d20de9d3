// The speech service's voice list kept in the cache folder: what is read back, what is refused, and
// when a kept list is no longer used.

#include "cli/VoiceCache.h"

#include "speech/Speech.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string Key = "modules espeak-ng";

std::vector<std::string> Named(const std::vector<TVoice>& voices)
{
    std::vector<std::string> named;
    for (const TVoice& voice : voices)
        named.push_back(voice.Name + "|" + voice.Locale);
    return named;
}

TEST(VoiceCache, TextRoundTripsAndDamageOrAnotherServiceIsRefused)
{
    const std::vector<TVoice> voices
        = { { "German", "de" }, { "English (Great Britain)", "en-GB" }, { "x+y z", "sr_Latn_RS" } };
    const std::string text = VoiceCacheText(Key, voices);
    ASSERT_TRUE(ReadVoiceCacheText(text, Key));
    EXPECT_EQ(Named(*ReadVoiceCacheText(text, Key)), Named(voices));
    ASSERT_TRUE(ReadVoiceCacheText(VoiceCacheText(Key, {}), Key));
    EXPECT_TRUE(ReadVoiceCacheText(VoiceCacheText(Key, {}), Key)->empty());
    const std::string head = "velmoria-voices 1\n" + Key + "\n";
    const struct {
        const char* Name;
        std::string Text;
    } refused[] = { { "another service", VoiceCacheText("modules espeak-ng festival", voices) },
        { "another format", "velmoria-voices 2\n" + Key + "\nGerman\tde\n" },
        { "cut short", text.substr(0, text.size() - 1) }, { "no key", "velmoria-voices 1\n" },
        { "empty", "" }, { "no tab", head + "German de\n" }, { "no name", head + "\tde\n" },
        { "no locale", head + "German\t\n" } };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.Name);
        EXPECT_FALSE(ReadVoiceCacheText(row.Text, Key));
    }
}

TEST(VoiceCache, TheServiceKeyNamesEveryModule)
{
    EXPECT_EQ(VoiceServiceKey("250-espeak-ng\r\n250-dummy\r\n250 OK MODULE LIST SENT\r\n"),
        "modules espeak-ng dummy");
    EXPECT_NE(VoiceServiceKey("250-espeak-ng\r\n250 OK\r\n"), VoiceServiceKey("250-festival\r\n250 OK\r\n"));
    EXPECT_EQ(VoiceServiceKey("250 OK MODULE LIST SENT\r\n"), "modules");
}

class VoiceCacheFile : public ::testing::Test {
protected:
    TTempDir Dir;
    TScopedEnv Cache { "XDG_CACHE_HOME", Dir.File("cache") };
    std::vector<TVoice> Voices = { { "German", "de" } };
};

TEST_F(VoiceCacheFile, IsKeptForADayAndOnlyForItsService)
{
    const std::string path = Dir.File("cache") + "/Brannock/Velmoria/speech-voices";
    EXPECT_EQ(VoiceCachePath(), path);
    EXPECT_FALSE(LoadVoiceCache(Key));
    StoreVoiceCache(Key, Voices);
    ASSERT_TRUE(LoadVoiceCache(Key));
    EXPECT_EQ(Named(*LoadVoiceCache(Key)), Named(Voices));
    EXPECT_FALSE(LoadVoiceCache("modules festival"));
    const auto now = std::filesystem::file_time_type::clock::now();
    const struct {
        const char* Name;
        std::filesystem::file_time_type Written;
        bool Used;
    } ages[] = {
        { "an hour old", now - std::chrono::hours(1), true },
        { "almost a day old", now - VoiceCacheLifetime + std::chrono::minutes(5), true },
        { "over a day old", now - VoiceCacheLifetime - std::chrono::minutes(5), false },
        { "from the future", now + std::chrono::hours(1), false },
    };
    for (const auto& row : ages) {
        SCOPED_TRACE(row.Name);
        std::filesystem::last_write_time(path, row.Written);
        EXPECT_EQ(LoadVoiceCache(Key).has_value(), row.Used);
    }
    // A new list replaces an old one.
    StoreVoiceCache(Key, { { "Deutsch", "de-DE" } });
    EXPECT_EQ(Named(*LoadVoiceCache(Key)), (std::vector<std::string> { "Deutsch|de-DE" }));
}

TEST_F(VoiceCacheFile, FallsBackToTheHomeFolderAndSurvivesAFolderItCannotWrite)
{
    {
        const TScopedEnv noCache("XDG_CACHE_HOME", "");
        const TScopedEnv home("HOME", Dir.File("home"));
        EXPECT_EQ(VoiceCachePath(), Dir.File("home") + "/.cache/Brannock/Velmoria/speech-voices");
        StoreVoiceCache(Key, Voices);
        EXPECT_TRUE(LoadVoiceCache(Key));
        const TScopedEnv noHome("HOME", "");
        EXPECT_EQ(VoiceCachePath(), "");
        StoreVoiceCache(Key, Voices);
        EXPECT_FALSE(LoadVoiceCache(Key));
    }
    // The cache folder's place is taken by a file: nothing is kept, nothing fails.
    WriteBytes(Dir.File("cache"), "not a folder");
    StoreVoiceCache(Key, Voices);
    EXPECT_FALSE(LoadVoiceCache(Key));
    EXPECT_EQ(ReadBytes(Dir.File("cache")), "not a folder");
}

} // namespace
