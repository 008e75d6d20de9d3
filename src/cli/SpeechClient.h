#pragma once
// velmoria-cli's way to the speech service: speech-dispatcher through its C library. The window
// reaches the same service through Qt; both choose the voice by the rules of speech/Speech.h.

#include "evaluation/Languages.h"

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

struct TVoice;

// Whether a text read now stops what is being read or waits for its end (bounded, as
// WaitUntilSpoken).
enum class TSpeakTurn : std::uint8_t { StopCurrent, AfterCurrent };

class TSpeechClient {
public:
    // How long reaching the service may take, a start of it on demand included.
    static constexpr std::chrono::seconds ConnectTimeout { 10 };

    // Connects, or throws a TCommandError that says what is missing and what to install.
    TSpeechClient();
    ~TSpeechClient();
    TSpeechClient(const TSpeechClient&) = delete;
    TSpeechClient& operator=(const TSpeechClient&) = delete;

    // Starts reading text (UTF-8, as SpeechText prepares it) with the voice that speaks lang, after
    // what is being read (waiting for its end) or stopping it. A TCommandError when no voice speaks
    // the language.
    void Say(const std::string& text, LangId lang, TSpeakTurn turn = TSpeakTurn::StopCurrent);
    // Waits until the text given last has been read; false when that takes longer than timeout.
    bool WaitUntilSpoken(std::chrono::milliseconds timeout);
    // A bound for reading a text of this length, however slow the voice.
    static std::chrono::milliseconds SpeakingTimeout(const std::string& text);

    struct TState;

private:
    std::shared_ptr<TState> State_;
};

// The voices in speech-dispatcher's reply to LIST SYNTHESIS_VOICES, without the engine's variants
// of each voice.
std::vector<TVoice> ReadVoiceList(std::string_view reply);

// Reads the questions of a test aloud as they are asked, and the expected answer after a wrong
// one. What keeps it from reading is said once (once per language for a missing voice) and the
// test goes on silently. A new question stops the old one, but waits for the end of an answer
// being read (the answer the user has to hear), as the answer waits for its question's end.
class TQuestionReader {
public:
    explicit TQuestionReader(std::ostream& notices)
        : Notices_(notices)
    {
    }
    // The question as the list holds it, in the code page of its language.
    void Read(std::string_view question, LangId lang);
    // The expected answer, in the same code page, after whatever is being read.
    void ReadAnswer(std::string_view answer, LangId lang);

private:
    void Speak(std::string_view text, LangId lang, TSpeakTurn turn);

    std::ostream& Notices_;
    bool AnswerBeingRead_ = false;
    std::optional<TSpeechClient> Client_;
    bool Unavailable_ = false;
    std::set<LangId> Voiceless_;
};
