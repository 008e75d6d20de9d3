// velmoria-cli's speech without a speech service, and its reading of the service's voice list.
// The real service is tested by say-words.sh.

#include "cli/CliRun.h"
#include "cli/SpeechClient.h"
#include "speech/Speech.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

// Points the speech client at a socket that does not exist (which also keeps it from starting a
// service), and restores the environment afterwards.
class NoSpeechService : public ::testing::Test {
protected:
    TTempDir Dir;
    TScopedEnv Address { "SPEECHD_ADDRESS", "unix_socket:" + Dir.File("none.sock") };
};

TEST_F(NoSpeechService, SayFailsAtOnceWithTheReasonOrRefusesItsArguments)
{
    const struct {
        std::vector<std::string> Args;
        int Status;
        const char* Reason;
    } rows[] = {
        { { "say", "Hund", "--lang", "0x0407" }, 1, "speech-dispatcher does not answer" },
        { { "say", "Hund", "--lang", "German (Standard)" }, 1, "none.sock" },
        { { "say", "Hund" }, 2, "--lang is needed" },
        { { "say", "Hund", "--lang", "Klingon" }, 2, "Unknown language" },
        { { "say", "--lang", "0x0407" }, 2, "Usage: velmoria-cli say" },
        { { "say", "a\xFF", "--lang", "0x0407" }, 2, "not valid UTF-8" },
        { { "say", "(*)", "--lang", "0x0407" }, 1, "nothing to read" },
    };
    for (const auto& row : rows) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = Cli(row.Args);
        EXPECT_EQ(result.Status, row.Status) << row.Args[1];
        EXPECT_NE(result.Err.find(row.Reason), std::string::npos) << result.Err;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << row.Args[1];
    }
}

TEST_F(NoSpeechService, NamesThePackagesWhenTheServiceIsNotInstalled)
{
    const TScopedEnv path("PATH", Dir.Path());
    const auto result = Cli({ "say", "Hund", "--lang", "0x0407" });
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err.rfind(SpeechProblemText(TSpeechProblem::NotInstalled).Text(), 0), 0u) << result.Err;
}

TEST(SpeechVoiceList, ReadsTheServiceReplyWithoutVariants)
{
    const std::string reply = "249-German\tde\tnone\r\n"
                              "249-German+Annie\tde\tAnnie\r\n"
                              "249-English (Great Britain)\ten-GB\tnone\r\n"
                              "249-Plain\tfr\n"
                              "249-\tit\tnone\r\n" // no name
                              "249-NoLanguage\t\tnone\r\n"
                              "249-Broken\r\n"
                              "2\r\n"
                              "249 OK VOICE LIST SENT\r\n";
    const auto voices = ReadVoiceList(reply);
    std::vector<std::string> read;
    for (const TVoice& voice : voices)
        read.push_back(voice.Name + "|" + voice.Locale);
    EXPECT_EQ(read, (std::vector<std::string> { "German|de", "English (Great Britain)|en-GB", "Plain|fr" }));
    EXPECT_TRUE(ReadVoiceList("").empty());
    EXPECT_TRUE(ReadVoiceList("249 OK VOICE LIST SENT").empty());
}

} // namespace
