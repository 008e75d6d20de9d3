#include "cli/SpeechClient.h"

#include "cli/CliSupport.h"
#include "cli/VoiceCache.h"
#include "speech/Speech.h"

#include <condition_variable>
#include <cstdlib>
#include <libspeechd.h>
#include <map>
#include <mutex>
#include <ostream>
#include <thread>
#include <unistd.h>
#include <vector>

struct TSpeechClient::TState {
    SPDConnection* Connection = nullptr;
    std::vector<TVoice> Voices;
    std::string ServiceKey;
    bool VoicesKept = false; // from the cache: perhaps without a voice installed since
    std::mutex Mutex;
    std::condition_variable Changed;
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
    state->Changed.notify_all();
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

// What a connection attempt on its own thread hands back; the thread closes a connection that
// arrives after the caller stopped waiting.
struct TAttempt {
    std::mutex Mutex;
    std::condition_variable Done;
    bool Finished = false;
    bool Abandoned = false;
    SPDConnection* Connection = nullptr;
    std::vector<TVoice> Voices;
    std::string ServiceKey;
    bool VoicesKept = false;
    std::string Error;
};

void Connect(const std::shared_ptr<TAttempt>& attempt)
{
    // An address given in the environment names a service that runs already; without one, the
    // library may start the user's service as desktops do.
    const bool autospawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
    char* error = nullptr;
    SPDConnection* connection
        = spd_open2("velmoria-cli", "main", nullptr, SPD_MODE_THREADED, nullptr, autospawn ? 1 : 0, &error);
    std::vector<TVoice> voices;
    std::string serviceKey;
    bool kept = false;
    if (connection) {
        connection->callback_end = OnMessageEnded;
        connection->callback_cancel = OnMessageEnded;
        spd_set_notification_on(connection, SPD_END);
        spd_set_notification_on(connection, SPD_CANCEL);
        spd_set_punctuation(connection, SPD_PUNCT_NONE);
        serviceKey = AskForServiceKey(connection);
        if (auto cached = LoadVoiceCache(serviceKey)) {
            voices = std::move(*cached);
            kept = true;
        } else {
            voices = AskForVoices(connection, serviceKey);
        }
    }
    std::lock_guard lock(attempt->Mutex);
    if (attempt->Abandoned) {
        if (connection)
            spd_close(connection);
    } else {
        attempt->Connection = connection;
        attempt->Voices = std::move(voices);
        attempt->ServiceKey = std::move(serviceKey);
        attempt->VoicesKept = kept;
        if (error)
            attempt->Error = error;
        attempt->Finished = true;
        attempt->Done.notify_all();
    }
    std::free(error);
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

TSpeechClient::TSpeechClient()
    : State_(std::make_shared<TState>())
{
    const auto attempt = std::make_shared<TAttempt>();
    std::thread(Connect, attempt).detach();
    std::unique_lock lock(attempt->Mutex);
    if (!attempt->Done.wait_for(lock, ConnectTimeout, [&] { return attempt->Finished; })) {
        attempt->Abandoned = true;
        throw TCommandError(SpeechProblemText(TSpeechProblem::NotRunning) + "\n(No answer within "
            + std::to_string(ConnectTimeout.count()) + " seconds.)");
    }
    if (!attempt->Connection) {
        const bool installed = ProgramOnPath("speech-dispatcher");
        std::string message
            = SpeechProblemText(installed ? TSpeechProblem::NotRunning : TSpeechProblem::NotInstalled);
        if (!attempt->Error.empty())
            message += "\n(" + FirstLine(attempt->Error) + ")";
        throw TCommandError(message);
    }
    State_->Connection = attempt->Connection;
    State_->Voices = std::move(attempt->Voices);
    State_->ServiceKey = std::move(attempt->ServiceKey);
    State_->VoicesKept = attempt->VoicesKept;
    std::lock_guard clients(Clients().Mutex);
    Clients().ById[static_cast<std::size_t>(spd_get_client_id(State_->Connection))] = State_;
}

TSpeechClient::~TSpeechClient()
{
    {
        std::lock_guard clients(Clients().Mutex);
        Clients().ById.erase(static_cast<std::size_t>(spd_get_client_id(State_->Connection)));
    }
    spd_close(State_->Connection);
}

void TSpeechClient::Say(const std::string& text, LangId lang, TSpeakTurn turn)
{
    auto voice = ChooseVoice(State_->Voices, lang);
    // A voice installed since the list was kept is found in the service's own list.
    if (!voice && State_->VoicesKept) {
        State_->Voices = AskForVoices(State_->Connection, State_->ServiceKey);
        State_->VoicesKept = false;
        voice = ChooseVoice(State_->Voices, lang);
    }
    if (!voice)
        throw TCommandError(SpeechProblemText(TSpeechProblem::NoVoice, lang));
    const TVoice& chosen = State_->Voices[*voice];
    SPDConnection* connection = State_->Connection;
    // Not queued in the service: a voice set now could reach a message still waiting there.
    if (turn == TSpeakTurn::AfterCurrent)
        WaitUntilSpoken(SpeakingTimeout(State_->LastText));
    spd_cancel(connection);
    // The language first: setting it afterwards would let the engine pick its own voice again.
    if (spd_set_language(connection, chosen.Locale.c_str()) != 0
        || spd_set_synthesis_voice(connection, chosen.Name.c_str()) != 0)
        throw TCommandError("The speech service refused the voice \"" + chosen.Name + "\".");
    // Not under the state's lock: the library's reader thread takes it to report an end, and
    // spd_say waits for that thread. An end reported before Pending is set is kept in LastEnded.
    const int id = spd_say(connection, SPD_MESSAGE, text.c_str());
    if (id < 0)
        throw TCommandError("The speech service refused the text.");
    std::lock_guard lock(State_->Mutex);
    State_->Pending = static_cast<std::size_t>(id);
    State_->LastText = text;
}

bool TSpeechClient::WaitUntilSpoken(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(State_->Mutex);
    return State_->Changed.wait_for(lock, timeout, [&] { return State_->LastEnded >= State_->Pending; });
}

std::chrono::milliseconds TSpeechClient::SpeakingTimeout(const std::string& text)
{
    // Far slower than any voice at its slowest rate: a bound for a service that stops answering.
    return std::chrono::seconds(10) + std::chrono::milliseconds(300) * static_cast<long>(text.size());
}

void TQuestionReader::Read(std::string_view question, LangId lang)
{
    Speak(question, lang, AnswerBeingRead_ ? TSpeakTurn::AfterCurrent : TSpeakTurn::StopCurrent);
    AnswerBeingRead_ = false;
}

void TQuestionReader::ReadAnswer(std::string_view answer, LangId lang)
{
    Speak(answer, lang, TSpeakTurn::AfterCurrent);
    AnswerBeingRead_ = true;
}

void TQuestionReader::Speak(std::string_view text, LangId lang, TSpeakTurn turn)
{
    if (Unavailable_)
        return;
    if (!Client_) {
        try {
            Client_.emplace();
        } catch (const TCommandError& e) {
            Notices_ << e.what() << '\n';
            Unavailable_ = true;
            return;
        }
    }
    const std::string spoken = SpeechText(text, lang);
    if (spoken.empty())
        return;
    try {
        Client_->Say(spoken, lang, turn);
    } catch (const TCommandError& e) {
        if (Voiceless_.insert(lang).second)
            Notices_ << e.what() << '\n';
    }
}
