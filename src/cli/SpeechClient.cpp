#include "cli/SpeechClient.h"

#include "cli/CliSupport.h"
#include "cli/VoiceCache.h"
#include "core/DisplayText.h"
#include "speech/Speech.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <libspeechd.h>
#include <map>
#include <mutex>
#include <ostream>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// A pipe that one side makes readable to end the other's poll.
class TWake {
public:
    TWake()
    {
        if (::pipe2(Fds_.data(), O_CLOEXEC | O_NONBLOCK) != 0)
            throw TCommandError("Cannot wait for the speech service: no pipe.");
    }
    ~TWake()
    {
        ::close(Fds_[0]);
        ::close(Fds_[1]);
    }
    TWake(const TWake&) = delete;
    TWake& operator=(const TWake&) = delete;
    int Fd() const { return Fds_[0]; }
    void Signal() const
    {
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = ::write(Fds_[1], &byte, 1);
    }
    void Drain() const
    {
        char buffer[64];
        while (::read(Fds_[0], buffer, sizeof buffer) > 0) { }
    }

private:
    std::array<int, 2> Fds_ = { -1, -1 };
};

enum class TWaitEnd : std::uint8_t { Ready, TimedOut, Stopped };

// Waits until wake is readable, for at most bound, unless stopFd (when not -1) becomes readable
// first.
TWaitEnd WaitForEither(int wake, int stopFd, std::chrono::milliseconds bound)
{
    const auto deadline = std::chrono::steady_clock::now() + bound;
    for (;;) {
        const auto left
            = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        // poll passes over a negative descriptor.
        std::array<pollfd, 2> fds = { { { stopFd, POLLIN, 0 }, { wake, POLLIN, 0 } } };
        const int ready = ::poll(
            fds.data(), fds.size(), static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT_MAX)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (fds[0].revents != 0)
            return TWaitEnd::Stopped;
        if (fds[1].revents != 0)
            return TWaitEnd::Ready;
        if (ready <= 0 && left.count() <= 0)
            return TWaitEnd::TimedOut;
        if (ready < 0)
            return TWaitEnd::TimedOut;
    }
}

// Runs call on a thread of its own and waits for its result within bound, or until stopFd. A call
// given up keeps its thread until the service answers, if ever; discard then takes its result.
template <class R>
std::optional<R> CallBounded(std::function<R()> call, std::chrono::milliseconds bound, int stopFd,
    TWaitEnd& end, std::function<void(R&)> discard = {})
{
    struct TShared {
        std::mutex Mutex;
        std::optional<R> Result;
        bool Abandoned = false;
        TWake Wake;
        std::function<void(R&)> Discard;
    };
    const auto shared = std::make_shared<TShared>();
    shared->Discard = std::move(discard);
    std::thread([shared, call = std::move(call)] {
        R result = call();
        std::lock_guard lock(shared->Mutex);
        if (shared->Abandoned) {
            if (shared->Discard)
                shared->Discard(result);
            return;
        }
        shared->Result = std::move(result);
        shared->Wake.Signal();
    }).detach();
    end = WaitForEither(shared->Wake.Fd(), stopFd, bound);
    std::lock_guard lock(shared->Mutex);
    if (shared->Result) {
        end = TWaitEnd::Ready;
        return std::move(shared->Result);
    }
    shared->Abandoned = true;
    return std::nullopt;
}

} // namespace

struct TSpeechClient::TState {
    SPDConnection* Connection = nullptr;
    std::vector<TVoice> Voices;
    std::string ServiceKey;
    bool VoicesKept = false; // from the cache: perhaps without a voice installed since
    std::size_t ClientId = 0;
    // A call that never came back holds the connection: nothing more is sent, and it is not closed.
    bool Hung = false;
    std::mutex Mutex;
    TWake Ended; // readable after an end was reported
    // Message identifiers grow; every message up to LastEnded has been read or stopped.
    std::size_t Pending = 0;
    std::size_t LastEnded = 0;
    std::string LastText; // of message Pending
};

namespace {

// The C library's event callbacks carry no pointer of ours, only the connection's client number:
// the one table of the program that is shared, and only while a client lives.
struct TClients {
    std::mutex Mutex;
    std::map<std::size_t, std::weak_ptr<TSpeechClient::TState>> ById;
};

TClients& Clients()
{
    static TClients clients;
    return clients;
}

void OnMessageEnded(std::size_t messageId, std::size_t clientId, SPDNotificationType /*type*/)
{
    std::shared_ptr<TSpeechClient::TState> state;
    {
        std::lock_guard lock(Clients().Mutex);
        const auto found = Clients().ById.find(clientId);
        if (found != Clients().ById.end())
            state = found->second.lock();
    }
    if (!state)
        return;
    std::lock_guard lock(state->Mutex);
    state->LastEnded = std::max(state->LastEnded, messageId);
    state->Ended.Signal();
}

bool ProgramOnPath(const char* name)
{
    const char* path = std::getenv("PATH");
    const std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string file = folders.substr(start, end - start) + "/" + name;
        if (end > start && ::access(file.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// The service's whole voice list, kept for the next time; empty when it does not answer.
std::vector<TVoice> AskForVoices(SPDConnection* connection, const std::string& serviceKey)
{
    // The library's own reader of this list takes seconds over espeak-ng's 13,000 voices
    // and variants; the reply itself comes in one.
    char* reply = nullptr;
    std::vector<TVoice> voices;
    if (spd_execute_command_with_reply(connection, "LIST SYNTHESIS_VOICES", &reply) == 0 && reply) {
        voices = ReadVoiceList(reply);
        StoreVoiceCache(serviceKey, voices);
    }
    std::free(reply);
    return voices;
}

std::string AskForServiceKey(SPDConnection* connection)
{
    char* reply = nullptr;
    std::string key;
    if (spd_execute_command_with_reply(connection, "LIST OUTPUT_MODULES", &reply) == 0 && reply)
        key = VoiceServiceKey(reply);
    std::free(reply);
    return key;
}

// What connecting hands back.
struct TConnected {
    SPDConnection* Connection = nullptr;
    std::size_t ClientId = 0;
    std::vector<TVoice> Voices;
    std::string ServiceKey;
    bool VoicesKept = false;
    std::string Error;
};

TConnected Connect()
{
    // An address given in the environment names a service that runs already; without one, the
    // library may start the user's service as desktops do.
    const bool autospawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
    char* error = nullptr;
    TConnected connected;
    connected.Connection
        = spd_open2("velmoria-cli", "main", nullptr, SPD_MODE_THREADED, nullptr, autospawn ? 1 : 0, &error);
    if (error)
        connected.Error = error;
    std::free(error);
    if (SPDConnection* connection = connected.Connection) {
        connection->callback_end = OnMessageEnded;
        connection->callback_cancel = OnMessageEnded;
        spd_set_notification_on(connection, SPD_END);
        spd_set_notification_on(connection, SPD_CANCEL);
        spd_set_punctuation(connection, SPD_PUNCT_NONE);
        connected.ServiceKey = AskForServiceKey(connection);
        if (auto cached = LoadVoiceCache(connected.ServiceKey)) {
            connected.Voices = std::move(*cached);
            connected.VoicesKept = true;
        } else {
            connected.Voices = AskForVoices(connection, connected.ServiceKey);
        }
        // Asked here, within the bound: the library asks the service for it.
        connected.ClientId = static_cast<std::size_t>(spd_get_client_id(connection));
    }
    return connected;
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

std::vector<TVoice> ReadVoiceList(std::string_view reply)
{
    std::vector<TVoice> voices;
    std::size_t start = 0;
    while (start < reply.size()) {
        const std::size_t end = std::min(reply.find('\n', start), reply.size());
        std::string_view line = reply.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // "249-NAME<tab>LANGUAGE<tab>VARIANT"; the last line, "249 OK ...", has no dash.
        if (line.size() < 4 || line[3] != '-')
            continue;
        line.remove_prefix(4);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab1 == 0 || tab1 == std::string_view::npos)
            continue;
        const std::string_view language = line.substr(
            tab1 + 1, tab2 == std::string_view::npos ? std::string_view::npos : tab2 - tab1 - 1);
        const std::string_view variant = tab2 == std::string_view::npos ? "" : line.substr(tab2 + 1);
        // The engine's variants of a voice ("German+Annie") read the same language as the voice.
        if (!language.empty() && (variant.empty() || variant == "none"))
            voices.push_back({ std::string(line.substr(0, tab1)), std::string(language) });
    }
    return voices;
}

std::chrono::milliseconds TSpeechClient::ReplyTimeout()
{
    if (const char* test = std::getenv("VELMORIA_TEST_SPEECH_TIMEOUT_MS"))
        if (const auto ms = ParseInt32(test); ms && *ms > 0)
            return std::chrono::milliseconds(*ms);
    return std::chrono::seconds(10);
}

std::string SecondsText(std::chrono::milliseconds duration)
{
    const auto tenths = (duration.count() + 99) / 100;
    if (tenths < 100 && tenths % 10 != 0)
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " seconds";
    const auto seconds = (duration.count() + 999) / 1000;
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

namespace {

std::string NoAnswerText()
{
    return "The speech service speech-dispatcher did not answer within "
        + SecondsText(TSpeechClient::ReplyTimeout()) + "; speech is given up.";
}

} // namespace

TSpeechClient::TSpeechClient(int stopFd)
    : State_(std::make_shared<TState>())
    , StopFd_(stopFd)
{
    TWaitEnd end = TWaitEnd::Ready;
    auto connected = CallBounded<TConnected>(Connect, ReplyTimeout(), stopFd, end, [](TConnected& late) {
        if (late.Connection)
            spd_close(late.Connection);
    });
    if (end == TWaitEnd::Stopped)
        throw ESpeechStopped();
    if (!connected)
        throw ESpeechTimeout(SpeechProblemText(TSpeechProblem::NotRunning).Text() + "\n(No answer within "
            + SecondsText(ReplyTimeout()) + ".)");
    if (!connected->Connection) {
        const bool installed = ProgramOnPath("speech-dispatcher");
        std::string message
            = SpeechProblemText(installed ? TSpeechProblem::NotRunning : TSpeechProblem::NotInstalled).Text();
        if (!connected->Error.empty())
            message += "\n(" + FirstLine(connected->Error) + ")";
        throw TCommandError(message);
    }
    State_->Connection = connected->Connection;
    State_->ClientId = connected->ClientId;
    State_->Voices = std::move(connected->Voices);
    State_->ServiceKey = std::move(connected->ServiceKey);
    State_->VoicesKept = connected->VoicesKept;
    std::lock_guard clients(Clients().Mutex);
    Clients().ById[State_->ClientId] = State_;
}

TSpeechClient::~TSpeechClient()
{
    {
        std::lock_guard clients(Clients().Mutex);
        Clients().ById.erase(State_->ClientId);
    }
    // A call still waiting for the service holds the connection; the process's end closes it.
    if (!State_->Hung)
        spd_close(State_->Connection);
}

template <class R, class F> R TSpeechClient::Bounded(F call)
{
    TWaitEnd end = TWaitEnd::Ready;
    auto result = CallBounded<R>(std::function<R()>(std::move(call)), ReplyTimeout(), StopFd_, end);
    if (result)
        return std::move(*result);
    State_->Hung = true;
    if (end == TWaitEnd::Stopped)
        throw ESpeechStopped();
    throw ESpeechTimeout(NoAnswerText());
}

void TSpeechClient::Say(const std::string& text, LangId lang, TSpeakTurn turn)
{
    // Not even the end of the last text is waited for on a connection given up.
    if (State_->Hung)
        throw ESpeechTimeout(NoAnswerText());
    auto voice = ChooseVoice(State_->Voices, lang);
    SPDConnection* connection = State_->Connection;
    // A voice installed since the list was kept is found in the service's own list.
    if (!voice && State_->VoicesKept) {
        State_->Voices = Bounded<std::vector<TVoice>>(
            [connection, key = State_->ServiceKey] { return AskForVoices(connection, key); });
        State_->VoicesKept = false;
        voice = ChooseVoice(State_->Voices, lang);
    }
    if (!voice)
        throw TCommandError(SpeechProblemText(TSpeechProblem::NoVoice, lang).Text());
    const TVoice chosen = State_->Voices[*voice];
    // Not queued in the service: a voice set now could reach a message still waiting there.
    if (turn == TSpeakTurn::AfterCurrent)
        WaitUntilSpoken(SpeakingTimeout(State_->LastText));
    Bounded<int>([connection] { return spd_cancel(connection); });
    // The language first: setting it afterwards would let the engine pick its own voice again.
    if (Bounded<int>([connection, chosen] {
            return spd_set_language(connection, chosen.Locale.c_str()) != 0
                || spd_set_synthesis_voice(connection, chosen.Name.c_str()) != 0;
        }))
        throw TCommandError("The speech service refused the voice \"" + chosen.Name + "\".");
    // Not under the state's lock: the library's reader thread takes it to report an end, and
    // spd_say waits for that thread. An end reported before Pending is set is kept in LastEnded.
    const int id
        = Bounded<int>([connection, text] { return spd_say(connection, SPD_MESSAGE, text.c_str()); });
    if (id < 0)
        throw TCommandError("The speech service refused the text.");
    std::lock_guard lock(State_->Mutex);
    State_->Pending = static_cast<std::size_t>(id);
    State_->LastText = text;
}

bool TSpeechClient::WaitUntilSpoken(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        {
            std::lock_guard lock(State_->Mutex);
            if (State_->LastEnded >= State_->Pending)
                return true;
        }
        const auto left
            = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        const TWaitEnd end = WaitForEither(State_->Ended.Fd(), StopFd_, left);
        if (end == TWaitEnd::Stopped)
            throw ESpeechStopped();
        State_->Ended.Drain();
    }
}

std::chrono::milliseconds TSpeechClient::SpeakingTimeout(const std::string& text)
{
    // Far slower than any voice at its slowest rate: a bound for a service that stops answering
    // (300 ms a byte beside the usual 10 seconds, shortened with them in tests).
    const std::chrono::milliseconds bound = ReplyTimeout();
    return bound + bound * 3 * static_cast<long>(text.size()) / 100;
}

bool TQuestionReader::Read(std::string_view question, LangId lang)
{
    const bool going
        = Speak(question, lang, AnswerBeingRead_ ? TSpeakTurn::AfterCurrent : TSpeakTurn::StopCurrent);
    AnswerBeingRead_ = false;
    return going;
}

bool TQuestionReader::ReadAnswer(std::string_view answer, LangId lang)
{
    AnswerBeingRead_ = true;
    return Speak(answer, lang, TSpeakTurn::AfterCurrent);
}

bool TQuestionReader::Speak(std::string_view text, LangId lang, TSpeakTurn turn)
{
    if (Unavailable_)
        return true;
    try {
        if (!Client_)
            Client_.emplace(StopFd_);
        const std::string spoken = SpeechText(text, lang);
        if (!spoken.empty())
            Client_->Say(spoken, lang, turn);
    } catch (const ESpeechStopped&) {
        Unavailable_ = true;
        return false;
    } catch (const ESpeechTimeout& e) {
        // The service hangs: every further call would wait out its bound again.
        Notices_ << e.what() << '\n';
        Unavailable_ = true;
    } catch (const TCommandError& e) {
        if (!Client_)
            Unavailable_ = true;
        if (!Client_ || Voiceless_.insert(lang).second)
            Notices_ << e.what() << '\n';
    }
    return true;
}
