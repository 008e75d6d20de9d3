#pragma once
// The answer sounds. Playing never waits and never fails: a missing file or a machine without
// sound is simply quiet. Tests put their own player in place.

#include <memory>
#include <string>

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // Starts the wave file and returns at once; an empty name plays nothing.
    virtual void Play(const std::string& fileName) = 0;
};

// Plays through the platform's audio output, whose library is loaded with the first sound.
std::unique_ptr<ISoundPlayer> MakeSoundPlayer();
// The player itself, in the parts loaded on first use (ui/Parts.h).
std::unique_ptr<ISoundPlayer> MakeQtSoundPlayer();
