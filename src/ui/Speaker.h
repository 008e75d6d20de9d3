#pragma once
// Speech through the platform's speech service. Nothing here waits: reaching the service, listing
// its voices and speaking all happen on a thread of their own, and the window hears of the
// outcome through the changed callback. Tests put their own speaker in place.

#include <functional>
#include <memory>
#include <string>
#include <vector>

// One voice the service offers: its name and the locale it speaks ("de_DE", "en").
struct TSpeakerVoice {
    std::string Name;
    std::string Locale;
};

enum class TSpeakerState : std::uint8_t {
    Idle, // not asked yet: the service is reached on first use
    Connecting,
    Ready,
    Unavailable // Problem() says why
};

class ISpeaker {
public:
    virtual ~ISpeaker() = default;
    // Starts reaching the service unless that is done or under way; returns at once.
    virtual void Connect() = 0;
    virtual TSpeakerState State() const = 0;
    // Why there is no speech, with what to install; empty unless Unavailable.
    virtual std::string Problem() const = 0;
    // Every voice of the service, once Ready.
    virtual const std::vector<TSpeakerVoice>& Voices() const = 0;
    // Stops what is being said and says the UTF-8 text in the voice (one of Voices()), at the
    // rate (-1 slowest, 0 normal, 1 fastest). Returns at once.
    virtual void Say(const std::string& text, const TSpeakerVoice& voice, double rate) = 0;
    virtual void Stop() = 0;
    // Called in the window's thread whenever the state or the voices changed.
    virtual void SetChanged(std::function<void()> changed) = 0;
};

// How long reaching the service may take before it counts as not running.
inline constexpr int SpeechConnectTimeoutMs = 5000;

// The speaker of the speech-dispatcher service, through the platform's text-to-speech layer.
std::unique_ptr<ISpeaker> MakeSpeaker();
