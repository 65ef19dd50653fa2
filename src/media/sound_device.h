#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/integer.h"

namespace morvane {

// The WAV sound channels 1 to 20. The game passes its volumes and pans through unchanged; a
// device maps them to what it can play. Every call happens on the one user-interface thread.
class SoundDevice {
  public:
    virtual ~SoundDevice() = default;

    // Starts `file` on the channel, replacing whatever the channel played. `name` is the bare
    // name the game data gave, kept for bookkeeping and traces. A file that cannot be played
    // raises a RuntimeError (53 when it is missing), which the caller's trap reports.
    virtual void Play(int channel, const std::string& name, const std::filesystem::path& file,
                      bool looping) = 0;
    virtual void SetPan(int channel, Long pan) = 0;
    virtual void SetVolume(int channel, Long volume) = 0;
    // Silences the channel; nothing happens when it is silent.
    virtual void Stop(int channel) = 0;

    // The bare name of the sound the channel plays now; nothing when it is silent.
    virtual std::optional<std::string> Playing(int channel) const = 0;

    // Frees the device at shutdown; later calls do nothing.
    virtual void Release() = 0;
};

// The MIDI and MP3 engines behind the soundtrack and the menu music. Volumes are hundredths of a
// decibel (0 = full, negative = quieter); the MP3 balance uses the same unit, negative to the left.
class MusicDevice {
  public:
    virtual ~MusicDevice() = default;

    // Plays a MIDI file for ever (repeating); raises a RuntimeError when it cannot.
    virtual void PlayMidi(const std::string& name, const std::filesystem::path& file,
                          Long volume) = 0;
    virtual void StopMidi() = 0;
    virtual void SetMidiVolume(Long volume) = 0;

    // Plays an MP3 file from its start; it plays again from the start after it ends.
    virtual void PlayMp3(const std::string& name, const std::filesystem::path& file, Long volume,
                         Long balance) = 0;
    virtual void StopMp3() = 0;
    virtual void SetMp3Volume(Long volume) = 0;
    // Releases the MP3 engine at shutdown; false when that failed.
    virtual bool TerminateMp3() = 0;

    // The bare names of the music playing now, if any.
    virtual std::optional<std::string> PlayingMidi() const = 0;
    virtual std::optional<std::string> PlayingMp3() const = 0;
};

}  // namespace morvane
