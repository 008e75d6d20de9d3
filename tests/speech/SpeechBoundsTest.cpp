// velmoria-cli's speech against a service that answers at first and then goes quiet: every wait
// for it ends within its bound (shortened here), and a stop signal ends a wait in a test.

#include "cli/CliRun.h"
#include "cli/SpeechClient.h"
#include "cli/VoiceCache.h"
#include "core/VocabFile.h"
#include "speech/Speech.h"
#include "support/FakeSpeechService.h"
#include "support/RunningProgram.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A folder of its own for the service's socket, the voice cache and the list.
struct TSpeechHome {
    TTempDir Dir;
    TScopedEnv Cache { "XDG_CACHE_HOME", Dir.File("cache") };
    TScopedEnv Data { "XDG_DATA_HOME", Dir.File("data") };
    TScopedEnv Bound { "VELMORIA_TEST_SPEECH_TIMEOUT_MS", "200" };
    std::string List = Dir.File("list.vmr");

    void MakeList()
    {
        Ok({ "new", List, "--foreign", "0x0407", "--native", "0x0409" });
        Ok({ "add", List, "der Hund", "dog" });
        Ok({ "add", List, "die Katze", "cat" });
    }
    int Attempts() const
    {
        TVocabFile doc;
        doc.LoadFromFile(List);
        return doc.Attempts();
    }
};

int Count(const std::string& text, std::string_view part)
{
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

const TFakeSpeechService::TQuiet Answers {};

} // namespace

TEST(SpeechBounds, SayEndsWithTheServiceNamedWhereverTheServiceGoesQuiet)
{
    const struct {
        const char* Name;
        TFakeSpeechService::TQuiet Quiet;
        int Status;
    } rows[] = {
        { "it answers", Answers, 0 },
        { "in the handshake", { "LIST OUTPUT_MODULES" }, 1 },
        { "at the client number", { "HISTORY GET CLIENT_ID" }, 1 },
        { "at the first command", { "CANCEL" }, 1 },
        { "at the voice", { "SET SELF SYNTHESIS_VOICE" }, 1 },
        { "at the text", { "speak" }, 1 },
        { "without the end of reading", { "", 1, true }, 1 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TSpeechHome home;
        TFakeSpeechService service(home.Dir.File("s.sock"), row.Quiet);
        const TScopedEnv address("SPEECHD_ADDRESS", service.Address());
        const auto start = std::chrono::steady_clock::now();
        const TCliResult result = Cli({ "say", "Hund", "--lang", "0x0407" });
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
        EXPECT_EQ(result.Status, row.Status) << result.Err;
        EXPECT_EQ(Contains(result.Err, "speech-dispatcher"), row.Status != 0) << result.Err;
        EXPECT_EQ(service.Quiet(), !row.Quiet.Command.empty());
    }
}

TEST(SpeechBounds, TheTestGoesOnSilentlyAndSavesWhenTheServiceGoesQuiet)
{
    const struct {
        const char* Name;
        TFakeSpeechService::TQuiet Quiet;
        int Notices; // of the service not answering
    } rows[] = {
        { "it answers", Answers, 0 },
        { "in the handshake", { "LIST SYNTHESIS_VOICES" }, 1 },
        { "at the second reading", { "CANCEL", 2 }, 1 },
        { "at the second text", { "speak", 2 }, 1 },
        { "without the end of reading", { "", 1, true }, 0 },
    };
    for (const auto& row : rows) {
        for (const bool review : { false, true }) {
            SCOPED_TRACE(std::string(row.Name) + (review ? ", review" : ", test"));
            TSpeechHome home;
            home.MakeList();
            TFakeSpeechService service(home.Dir.File("s.sock"), row.Quiet);
            const TScopedEnv address("SPEECHD_ADDRESS", service.Address());
            const auto start = std::chrono::steady_clock::now();
            // Wrong answers: the expected answer is read after each, waiting for the question's end.
            const TCliResult run = review
                ? Drill({ home.List, "--speak", "--due", "--today", "2026-12-07" }, "x\nx\n")
                : Drill({ home.List, "--speak", "--seed", "1" }, "x\nx\n:stop\n");
            EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
            EXPECT_EQ(run.Status, 0) << run.Err;
            EXPECT_EQ(Count(run.Out, "Wrong!"), 2) << run.Out;
            EXPECT_EQ(Count(run.Err, "The speech service speech-dispatcher"), row.Notices) << run.Err;
            EXPECT_EQ(run.Err.empty(), row.Notices == 0) << run.Err;
            if (!review) {
                EXPECT_EQ(home.Attempts(), 2);
            }
        }
    }
}

// Ctrl+C while the service hangs ends the test as ":stop" does: the answer given is saved.
TEST(SpeechBounds, AnInterruptEndsAWaitForTheServiceAndTheTestSaves)
{
    const struct {
        const char* Name;
        bool Right; // the first answer; a wrong one has its expected answer read
        const char* Hangs; // output after which the service no longer answers
    } rows[] = {
        { "at the next question", true, "\nQ: " },
        { "at the expected answer", false, "Wrong!" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TSpeechHome home;
        home.MakeList();
        // Far longer than the test waits.
        const TScopedEnv bound("VELMORIA_TEST_SPEECH_TIMEOUT_MS", "60000");
        TFakeSpeechService service(home.Dir.File("s.sock"), { "CANCEL", 2 });
        const TScopedEnv address("SPEECHD_ADDRESS", service.Address());
        TRunningProgram cli({ VELMORIA_CLI_PATH, "test", "--speak", "--seed", "1", home.List });
        ASSERT_TRUE(cli.WaitForOutput("Q: ", 10s)) << cli.Output();
        const bool dog = Contains(cli.Output(), "Q: der Hund");
        cli.Write(!row.Right ? "x\n" : dog ? "dog\n" : "cat\n");
        ASSERT_TRUE(cli.WaitForOutput(row.Hangs, 10s)) << cli.Output();
        for (int i = 0; i < 500 && !service.Quiet(); ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(service.Quiet());
        const auto start = std::chrono::steady_clock::now();
        ::kill(cli.Pid(), SIGINT);
        EXPECT_EQ(cli.Wait(10s), 0) << cli.Output();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        EXPECT_TRUE(Contains(cli.Output(), std::string("\nTotals: 1 answered, ") + (row.Right ? "1" : "0")))
            << cli.Output();
        EXPECT_EQ(home.Attempts(), 1);
    }
}

// Only a kept voice list is asked for again when it has no voice for the language, within the bound.
TEST(SpeechBounds, AKeptVoiceListWithoutTheLanguageIsAskedForAgain)
{
    const struct {
        const char* Name;
        bool Kept; // a list without German kept from before
        const char* Lang;
        int Status;
        int Asked; // for the service's voice list
    } rows[] = {
        { "kept, German installed since", true, "0x0407", 0, 1 },
        { "kept, with the language", true, "0x0409", 0, 0 },
        { "asked, no French voice", false, "0x040C", 1, 1 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TSpeechHome home;
        if (row.Kept)
            StoreVoiceCache(VoiceServiceKey("250-espeak-ng\r\n250 OK MODULE LIST SENT\r\n"),
                { TVoice { "English (America)", "en-US" } });
        TFakeSpeechService service(home.Dir.File("s.sock"), Answers);
        const TScopedEnv address("SPEECHD_ADDRESS", service.Address());
        const TCliResult result = Cli({ "say", "Hund", "--lang", row.Lang });
        EXPECT_EQ(result.Status, row.Status) << result.Err;
        int asked = 0;
        for (const std::string& command : service.Commands())
            asked += command == "LIST SYNTHESIS_VOICES";
        EXPECT_EQ(asked, row.Asked);
    }
}

TEST(SpeechBounds, TimeoutsAreToldInSecondsRoundedUp)
{
    const struct {
        long Ms;
        const char* Text;
    } rows[] = { { 200, "0.2 seconds" }, { 201, "0.3 seconds" }, { 1000, "1 second" }, { 9950, "10 seconds" },
        { 10000, "10 seconds" }, { 12345, "13 seconds" }, { 1500, "1.5 seconds" } };
    for (const auto& row : rows)
        EXPECT_EQ(SecondsText(std::chrono::milliseconds(row.Ms)), row.Text) << row.Ms;
}
