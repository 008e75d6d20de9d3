#pragma once
// The speech service's voice list, kept in the user's cache folder: asking the service for it takes
// over a second with espeak-ng's thousands of voices, before every word, and the list changes only
// when the service's engines do.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TVoice;

// How long a kept list is used without asking the service again: an engine updated in place keeps
// its module's name, so nothing else tells of new voices.
inline constexpr std::chrono::hours VoiceCacheLifetime { 24 };

// $XDG_CACHE_HOME (else ~/.cache)/Brannock/Velmoria/speech-voices; "" without either.
std::string VoiceCachePath();
// The service as far as its voices go: its output modules, from its reply to LIST OUTPUT_MODULES.
std::string VoiceServiceKey(std::string_view modulesReply);
std::string VoiceCacheText(std::string_view serviceKey, const std::vector<TVoice>& voices);
// The voices of a text VoiceCacheText wrote for the same service; nullopt for another service or a
// damaged text.
std::optional<std::vector<TVoice>> ReadVoiceCacheText(std::string_view text, std::string_view serviceKey);
// The kept list; nullopt when there is none for this service or it is older than the lifetime.
std::optional<std::vector<TVoice>> LoadVoiceCache(std::string_view serviceKey);
// Keeps the list; a cache folder that cannot be written only means asking the service next time.
void StoreVoiceCache(std::string_view serviceKey, const std::vector<TVoice>& voices);
