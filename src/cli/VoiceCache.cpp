#include "cli/VoiceCache.h"

#include "core/SafeSave.h"
#include "speech/Speech.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view Magic = "velmoria-voices 1";

// The lines of text without their line ends; a last line without one counts.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

std::string VoiceCachePath()
{
    std::string folder;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg)
        folder = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        folder = std::string(home) + "/.cache";
    else
        return {};
    return folder + "/Brannock/Velmoria/speech-voices";
}

std::string VoiceServiceKey(std::string_view modulesReply)
{
    // "250-espeak-ng" lines, then "250 OK MODULE LIST SENT".
    std::string key = "modules";
    for (const std::string_view line : Lines(modulesReply))
        if (line.size() > 4 && line[3] == '-')
            key.append(" ").append(line.substr(4));
    return key;
}

std::string VoiceCacheText(std::string_view serviceKey, const std::vector<TVoice>& voices)
{
    std::string text = std::string(Magic) + '\n' + std::string(serviceKey) + '\n';
    for (const TVoice& voice : voices)
        text += voice.Name + '\t' + voice.Locale + '\n';
    return text;
}

std::optional<std::vector<TVoice>> ReadVoiceCacheText(std::string_view text, std::string_view serviceKey)
{
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.size() < 2 || lines[0] != Magic || lines[1] != serviceKey || !text.ends_with('\n'))
        return std::nullopt;
    std::vector<TVoice> voices;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].find('\t');
        if (tab == 0 || tab == std::string_view::npos || tab + 1 == lines[i].size())
            return std::nullopt;
        voices.push_back({ std::string(lines[i].substr(0, tab)), std::string(lines[i].substr(tab + 1)) });
    }
    return voices;
}

std::optional<std::vector<TVoice>> LoadVoiceCache(std::string_view serviceKey)
{
    const std::string path = VoiceCachePath();
    std::error_code error;
    if (path.empty())
        return std::nullopt;
    const auto written = std::filesystem::last_write_time(path, error);
    // A clock set back makes the age negative: asked again, as for a list too old.
    const auto age = std::filesystem::file_time_type::clock::now() - written;
    if (error || age < decltype(age)::zero() || age > VoiceCacheLifetime)
        return std::nullopt;
    try {
        return ReadVoiceCacheText(ReadWholeFile(path), serviceKey);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void StoreVoiceCache(std::string_view serviceKey, const std::vector<TVoice>& voices)
{
    const std::string path = VoiceCachePath();
    if (path.empty())
        return;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    try {
        SafeWriteFile(path, VoiceCacheText(serviceKey, voices));
    } catch (const std::exception&) {
    }
}
