#pragma once
// Speech through the platform's speech service. Nothing here waits: reaching the service, listing
// its voices and speaking all happen on a thread of their own, and the window hears of the
// outcome through the Changed signal. Tests put their own speaker in place.

#include "speech/Speech.h"

#include <QObject>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class TSpeakerState : std::uint8_t {
    Idle, // not asked yet: the service is reached on first use
    Connecting,
    Ready,
    Unavailable // Problem() says why: NotInstalled or NotRunning
};

class ISpeaker : public QObject {
    Q_OBJECT
public:
    ISpeaker();
    ~ISpeaker() override = default;
    // Starts reaching the service unless that is done or under way; returns at once.
    virtual void Connect() = 0;
    virtual TSpeakerState State() const = 0;
    // Why there is no speech; nullopt unless Unavailable.
    virtual std::optional<TSpeechProblem> Problem() const = 0;
    // Every voice of the service, once Ready.
    virtual const std::vector<TVoice>& Voices() const = 0;
    // Stops what is being said and says the UTF-8 text in the voice (one of Voices()), at the
    // rate (-1 slowest, 0 normal, 1 fastest). Returns at once.
    virtual void Say(const std::string& text, const TVoice& voice, double rate) = 0;
    virtual void Stop() = 0;

    // The voices (indices into Voices()) that speak the language, best first. Worked out once per
    // language and voice list: the service may offer thousands, and the rules ask at each update.
    const std::vector<std::size_t>& VoicesFor(LangId language);
    // The voice chosen by name when it speaks the language, else the best one for the language.
    std::optional<TVoice> ChosenVoice(const std::string& chosen, LangId language);

signals:
    // The state or the voices changed.
    void Changed();

private:
    std::map<LangId, std::vector<std::size_t>> ByLanguage_; // emptied at each Changed
};

// The voice chosen by name when it speaks the language, else the best one for the language.
std::optional<TVoice> ChosenVoice(
    const std::vector<TVoice>& voices, const std::string& chosen, LangId language);

// How long reaching the service may take before it counts as not running. Generous: the service
// lists every voice with every variant first (thousands with espeak-ng), which takes seconds.
inline constexpr int SpeechConnectTimeoutMs = 20000;

// The speaker of the speech-dispatcher service, through the platform's text-to-speech layer.
std::unique_ptr<ISpeaker> MakeSpeaker();
