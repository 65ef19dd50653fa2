#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "media/sound_device.h"

struct _Mix_Music;

namespace morvane {

class SdlAudio;

// MIDI (through FluidSynth with a General MIDI soundfont) and MP3 (through mpg123) on
// SDL_mixer's one music stream, looping seamlessly until stopped. The mixer has a single music
// stream, so starting MIDI ends an MP3 and the other way round; the game's soundtrack stops
// both before it starts either, so it never notices. The MP3 balance is not applied: the mixer
// can only pan the whole mix, and the soundtrack always passes 0.
class SdlMusicDevice final : public MusicDevice {
  public:
    static constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

    // Without a soundfont MIDI music is silent: it is still "playing" for the game, which
    // cannot tell, but nothing is heard.
    explicit SdlMusicDevice(SdlAudio& audio,
                            std::optional<std::filesystem::path> sound_font = kDefaultSoundFont);
    ~SdlMusicDevice() override;

    // 53 for a missing file, 321 for one the mixer cannot play; what played before is
    // stopped either way.
    void PlayMidi(const std::string& name, const std::filesystem::path& file, Long volume) override;
    void StopMidi() override;
    void SetMidiVolume(Long volume) override;

    void PlayMp3(const std::string& name, const std::filesystem::path& file, Long volume,
                 Long balance) override;
    void StopMp3() override;
    void SetMp3Volume(Long volume) override;
    bool TerminateMp3() override;

    std::optional<std::string> PlayingMidi() const override;
    std::optional<std::string> PlayingMp3() const override;

  private:
    enum class Kind { kNone, kMidi, kMp3 };
    struct MusicFree {
        void operator()(_Mix_Music* music) const;
    };

    void Start(Kind kind, const std::string& name, const std::filesystem::path& file, Long volume);
    void Halt();
    std::optional<std::string> PlayingAs(Kind kind) const;

    std::optional<std::filesystem::path> sound_font_;
    bool silent_ = false;
    std::unique_ptr<_Mix_Music, MusicFree> music_;
    Kind kind_ = Kind::kNone;
    std::string name_;
};

}  // namespace morvane
