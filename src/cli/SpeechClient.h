#pragma once
// velmoria-cli's way to the speech service: speech-dispatcher through its C library. The window
// reaches the same service through Qt; both choose the voice by the rules of speech/Speech.h.

#include "cli/CliSupport.h"
#include "evaluation/Languages.h"

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct TVoice;

// Whether a text read now stops what is being read or waits for its end (bounded, as
// WaitUntilSpoken).
enum class TSpeakTurn : std::uint8_t { StopCurrent, AfterCurrent };

// The service stopped answering within its bound; the connection is given up.
struct ESpeechTimeout : TCommandError {
    using TCommandError::TCommandError;
};
// A stop signal ended a wait for the service.
struct ESpeechStopped : std::runtime_error {
    ESpeechStopped()
        : std::runtime_error("stopped")
    {
    }
};

// Every wait for the service is bounded: the speech library itself would wait for an answer
// without end, so each of its calls runs on a thread of its own and is waited for within
// ReplyTimeout, and never past a stop signal (stopFd readable) when one is given.
class TSpeechClient {
public:
    // How long reaching the service (a start of it on demand included) and each answer to a
    // command may take: 10 seconds. Tests shorten it through VELMORIA_TEST_SPEECH_TIMEOUT_MS
    // (milliseconds), which nothing else sets.
    static std::chrono::milliseconds ReplyTimeout();

    // Connects, or throws a TCommandError that says what is missing and what to install
    // (ESpeechTimeout when the service does not answer in time, ESpeechStopped on a stop signal).
    explicit TSpeechClient(int stopFd = -1);
    ~TSpeechClient();
    TSpeechClient(const TSpeechClient&) = delete;
    TSpeechClient& operator=(const TSpeechClient&) = delete;

    // Starts reading text (UTF-8, as SpeechText prepares it) with the voice that speaks lang, after
    // what is being read (waiting for its end) or stopping it. A TCommandError when no voice speaks
    // the language, ESpeechTimeout when the service stops answering, ESpeechStopped on a stop.
    void Say(const std::string& text, LangId lang, TSpeakTurn turn = TSpeakTurn::StopCurrent);
    // Waits until the text given last has been read; false when that takes longer than timeout.
    // ESpeechStopped on a stop signal.
    bool WaitUntilSpoken(std::chrono::milliseconds timeout);
    // A bound for reading a text of this length, however slow the voice.
    static std::chrono::milliseconds SpeakingTimeout(const std::string& text);

    struct TState;

private:
    // Runs a call of the library within the bound; the connection is given up when it times out.
    template <class R, class F> R Bounded(F call);

    std::shared_ptr<TState> State_;
    int StopFd_;
};

// "N seconds" (with tenths below ten seconds when not whole), for the messages of a timeout.
std::string SecondsText(std::chrono::milliseconds duration);

// The voices in speech-dispatcher's reply to LIST SYNTHESIS_VOICES, without the engine's variants
// of each voice.
std::vector<TVoice> ReadVoiceList(std::string_view reply);

// Reads the questions of a test aloud as they are asked, and the expected answer after a wrong
// one. What keeps it from reading is said once (once per language for a missing voice) and the
// test goes on silently. A new question stops the old one, but waits for the end of an answer
// being read (the answer the user has to hear), as the answer waits for its question's end.
// A service that stops answering is given up for the rest of the test, also said once. A stop
// signal (stopFd) ends a wait for the service; the test is then to end as ":stop" ends it.
class TQuestionReader {
public:
    explicit TQuestionReader(std::ostream& notices, int stopFd = -1)
        : Notices_(notices)
        , StopFd_(stopFd)
    {
    }
    // The question as the list holds it, in the code page of its language. False when a stop
    // signal ended it.
    bool Read(std::string_view question, LangId lang);
    // The expected answer, in the same code page, after whatever is being read. The same.
    bool ReadAnswer(std::string_view answer, LangId lang);

private:
    bool Speak(std::string_view text, LangId lang, TSpeakTurn turn);

    std::ostream& Notices_;
    int StopFd_;
    bool AnswerBeingRead_ = false;
    std::optional<TSpeechClient> Client_;
    bool Unavailable_ = false;
    std::set<LangId> Voiceless_;
};
