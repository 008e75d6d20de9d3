// velmoria-cli's speech against a service that answers at first and then goes quiet: every wait
// for it ends within its bound (shortened here), and a stop signal ends a wait in a test.

#include "cli/CliRun.h"
#include "cli/SpeechClient.h"
#include "cli/VoiceCache.h"
#include "core/VocabFile.h"
#include "speech/Speech.h"
#include "support/RunningProgram.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A Unix socket served by a thread, answering the speech library as speech-dispatcher does, with a
// German and an English voice. From the n-th command starting with Quiet on (when Quiet is
// set) it answers nothing more and keeps its connections open: the library, still waiting in a call
// the client gave up, would fail on a closed one.
class TFakeService {
public:
    TFakeService(const std::string& path, std::string quiet = "", int nth = 1, bool noEnd = false)
        : Address("unix_socket:" + path)
        , Quiet_(std::move(quiet))
        , Nth_(nth)
        , NoEnd_(noEnd)
    {
        sockaddr_un address { AF_UNIX, {} };
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        Listen_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::bind(Listen_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::listen(Listen_, 8) != 0 || ::pipe(Stop_) != 0)
            throw std::runtime_error("cannot serve " + path);
        Thread_ = std::thread([this] { Serve(); });
    }
    ~TFakeService()
    {
        [[maybe_unused]] const ssize_t written = ::write(Stop_[1], "x", 1);
        Thread_.join();
        for (const int fd : { Listen_, Stop_[0], Stop_[1] })
            ::close(fd);
    }
    std::vector<std::string> Commands() const
    {
        std::lock_guard lock(Mutex_);
        return Commands_;
    }

    const std::string Address;
    std::atomic<bool> Quiet = false;

private:
    std::string Answer(const std::string& line, bool& inText)
    {
        if (inText && line != ".")
            return {};
        std::lock_guard lock(Mutex_);
        Commands_.push_back(inText ? "(text)" : line);
        Quiet = Quiet || (!Quiet_.empty() && !inText && line.starts_with(Quiet_) && --Nth_ == 0);
        if (Quiet)
            return {};
        const std::string id = std::to_string(Commands_.size());
        if (std::exchange(inText, false))
            return "225-" + id + "\r\n225 OK MESSAGE QUEUED\r\n"
                + (NoEnd_ ? "" : "702-" + id + "\r\n702-1\r\n702 END\r\n");
        inText = line == "SPEAK" || line == "speak";
        const std::map<std::string, std::string> replies = { { "HISTORY GET CLIENT_ID", "245-1\r\n245 OK" },
            { "LIST OUTPUT_MODULES", "250-espeak-ng\r\n250 OK" },
            { "LIST SYNTHESIS_VOICES", "249-German\tde\tnone\r\n249-English\ten-US\tnone\r\n249 OK" } };
        const auto found = replies.find(line);
        return (inText                          ? "230 OK RECEIVING DATA"
                       : found != replies.end() ? found->second
                                                : "200 OK")
            + "\r\n";
    }
    void Serve()
    {
        std::map<int, std::pair<std::string, bool>> clients; // input so far, within a text
        for (;;) {
            std::vector<pollfd> fds = { { Stop_[0], POLLIN, 0 }, { Listen_, POLLIN, 0 } };
            for (const auto& client : clients)
                fds.push_back({ client.first, POLLIN, 0 });
            if (::poll(fds.data(), fds.size(), -1) <= 0 || fds[0].revents != 0)
                break;
            if (fds[1].revents != 0)
                clients[::accept4(Listen_, nullptr, nullptr, SOCK_CLOEXEC)] = {};
            for (std::size_t i = 2; i < fds.size(); ++i) {
                char buffer[4096];
                const ssize_t got = fds[i].revents == 0 ? 1 : ::read(fds[i].fd, buffer, sizeof buffer);
                auto& [input, inText] = clients[fds[i].fd];
                if (got <= 0)
                    clients.erase(fds[i].fd);
                else if (fds[i].revents != 0)
                    input.append(buffer, static_cast<std::size_t>(got));
                for (std::size_t end; got > 0 && (end = input.find("\r\n")) != std::string::npos;) {
                    const std::string reply = Answer(input.substr(0, end), inText);
                    input.erase(0, end + 2);
                    [[maybe_unused]] const ssize_t sent
                        = ::send(fds[i].fd, reply.data(), reply.size(), MSG_NOSIGNAL);
                }
            }
        }
        for (const auto& client : clients)
            if (!Quiet)
                ::close(client.first);
    }

    std::string Quiet_;
    int Nth_;
    bool NoEnd_;
    int Listen_ = -1;
    int Stop_[2] = { -1, -1 };
    mutable std::mutex Mutex_;
    std::vector<std::string> Commands_;
    std::thread Thread_;
};

// A folder of its own for the service's socket, the voice cache, the history and the list.
struct TSpeechHome {
    TTempDir Dir;
    TScopedEnv Cache { "XDG_CACHE_HOME", Dir.File("cache") };
    TScopedEnv Data { "XDG_DATA_HOME", Dir.File("data") };
    TScopedEnv Bound { "VELMORIA_TEST_SPEECH_TIMEOUT_MS", "200" };
    std::string List = Dir.File("list.vmr");
    TSpeechHome()
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

} // namespace

TEST(SpeechBounds, SayEndsWithTheServiceNamedWhereverTheServiceGoesQuiet)
{
    const struct {
        const char* Quiet;
        bool NoEnd;
        int Status;
    } rows[] = { { "", false, 0 }, { "LIST OUTPUT_MODULES", false, 1 }, { "HISTORY GET CLIENT_ID", false, 1 },
        { "CANCEL", false, 1 }, { "SET SELF SYNTHESIS_VOICE", false, 1 }, { "speak", false, 1 },
        { "", true, 1 } };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Quiet << " " << row.NoEnd);
        TSpeechHome home;
        TFakeService service(home.Dir.File("s.sock"), row.Quiet, 1, row.NoEnd);
        const TScopedEnv address("SPEECHD_ADDRESS", service.Address);
        const auto start = std::chrono::steady_clock::now();
        const TCliResult result = Cli({ "say", "Hund", "--lang", "0x0407" });
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
        EXPECT_EQ(result.Status, row.Status) << result.Err;
        EXPECT_EQ(Contains(result.Err, "speech-dispatcher"), row.Status != 0) << result.Err;
    }
    EXPECT_EQ(SecondsText(200ms) + SecondsText(1000ms) + SecondsText(9950ms) + SecondsText(12001ms),
        "0.2 seconds1 second10 seconds13 seconds");
}

TEST(SpeechBounds, TheTestGoesOnSilentlyAndSavesWhenTheServiceGoesQuiet)
{
    const struct {
        const char* Quiet;
        int Nth;
        bool NoEnd, Absent; // Absent: nothing at the address at all
        int Notices; // of the service not answering
    } rows[] = { { "", 1, false, false, 0 }, { "LIST SYNTHESIS_VOICES", 1, false, false, 1 },
        { "CANCEL", 2, false, false, 1 }, { "speak", 2, false, false, 1 }, { "", 1, true, false, 0 },
        { "", 1, false, true, 1 } };
    for (const auto& row : rows)
        for (const bool review : { false, true }) {
            SCOPED_TRACE(testing::Message()
                << row.Quiet << " " << row.Nth << " " << row.NoEnd << " " << row.Absent << " " << review);
            TSpeechHome home;
            TFakeService service(home.Dir.File("s.sock"), row.Quiet, row.Nth, row.NoEnd);
            const TScopedEnv address("SPEECHD_ADDRESS",
                row.Absent ? "unix_socket:" + home.Dir.File("none.sock") : service.Address);
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
            EXPECT_EQ(home.Attempts(), review ? 0 : 2);
        }
}

// Only a kept voice list without the language is asked for again (through the bounded call).
TEST(SpeechBounds, AKeptVoiceListWithoutTheLanguageIsAskedForAgain)
{
    const struct {
        bool Kept; // a list with the English voice only
        const char* Lang;
        int Status, Asked;
    } rows[] = { { true, "0x0407", 0, 1 }, { true, "0x0409", 0, 0 }, { false, "0x040C", 1, 1 } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Lang);
        TSpeechHome home;
        if (row.Kept)
            StoreVoiceCache(
                VoiceServiceKey("250-espeak-ng\r\n250 OK\r\n"), { TVoice { "English", "en-US" } });
        TFakeService service(home.Dir.File("s.sock"));
        const TScopedEnv address("SPEECHD_ADDRESS", service.Address);
        EXPECT_EQ(Cli({ "say", "Hund", "--lang", row.Lang }).Status, row.Status);
        const auto commands = service.Commands();
        EXPECT_EQ(std::count(commands.begin(), commands.end(), "LIST SYNTHESIS_VOICES"), row.Asked);
    }
}

// Ctrl+C while the service hangs ends the test as ":stop" does: the answer given is saved.
TEST(SpeechBounds, AnInterruptEndsAWaitForTheServiceAndTheTestSaves)
{
    for (const bool right : { true, false }) { // a wrong answer has its expected answer read
        SCOPED_TRACE(right);
        TSpeechHome home;
        const TScopedEnv bound("VELMORIA_TEST_SPEECH_TIMEOUT_MS", "60000"); // far longer than the test waits
        TFakeService service(home.Dir.File("s.sock"), "CANCEL", 2);
        const TScopedEnv address("SPEECHD_ADDRESS", service.Address);
        TRunningProgram cli({ VELMORIA_CLI_PATH, "test", "--speak", "--seed", "1", home.List });
        ASSERT_TRUE(cli.WaitForOutput("Q: ", 10s)) << cli.Output();
        cli.Write(!right ? "x\n" : Contains(cli.Output(), "Q: der Hund") ? "dog\n" : "cat\n");
        ASSERT_TRUE(cli.WaitForOutput(right ? "\nQ: " : "Wrong!", 10s)) << cli.Output();
        for (int i = 0; i < 500 && !service.Quiet; ++i)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(service.Quiet);
        const auto start = std::chrono::steady_clock::now();
        ::kill(cli.Pid(), SIGINT);
        EXPECT_EQ(cli.Wait(10s), 0) << cli.Output();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        EXPECT_TRUE(Contains(cli.Output(), std::string("\nTotals: 1 answered, ") + (right ? "1" : "0")));
        EXPECT_EQ(home.Attempts(), 1);
    }
}
