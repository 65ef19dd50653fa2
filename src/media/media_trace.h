#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/integer.h"

namespace morvane {

// The media lines of a headless run with --trace-media. The game-facing operation that starts
// the media writes the line, before it asks the device, because only it knows every value at
// once: `PlayWav` and `PlayWAVMVX` know the pan and volume they set after the play, and
// `PlayMovie` the volume it sets after "play". The line says what the game asked for, so a
// request whose file turns out to be missing still has its line (followed by the error's
// message box). Names are the bare names the game data gives, as bytes; the sink decides how
// to write them. Booleans are written as the game's language writes them: True and False.
//
//   media: sound CHANNEL FILE loop=True|False pan=P vol=V   (StartSound, PlayWAVMVX)
//   media: midi FILE vol=V                                  (StartMidi)
//   media: mp3 FILE vol=V bal=B                             (StartMp3)
//   media: movie FILE vol=V                                 (PlayMovie, PlayIntroAVI,
//                                                            PlayOpenCredsAVI)
//
// A trace without a sink writes nothing, which is what a run without --trace-media uses.
//
// Apart from the trace, the player tells its user which file of this machine a media request
// could not open or play, since the game's message box names only the game's own name for it:
//   file not found: /games/lost/resource/mmedia/door.wav
//   cannot play /games/lost/resource/mmedia/door.wav: Invalid file format
class MediaTrace {
  public:
    // Receives one line at a time, without a line end.
    using Sink = std::function<void(const std::string& line)>;

    MediaTrace() = default;
    explicit MediaTrace(Sink sink, Sink problems = {})
        : sink_(std::move(sink)), problems_(std::move(problems)) {}

    bool Enabled() const { return static_cast<bool>(sink_); }

    void Sound(int channel, std::string_view name, bool looping, Long pan, Long volume) const;
    void Midi(std::string_view name, Long volume) const;
    void Mp3(std::string_view name, Long volume, Long balance) const;
    void Movie(std::string_view name, Long volume) const;

    // A media file that failed: `file` is its path on this machine, `number` and `description`
    // the error the game reports.
    void FileProblem(const std::string& file, int number, const std::string& description) const;

  private:
    void Write(const std::string& line) const;

    Sink sink_;
    Sink problems_;
};

}  // namespace morvane
