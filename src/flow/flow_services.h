#pragma once

#include <string>

#include "base/integer.h"

namespace morvane {

// What start-up, the menus and quitting ask of the rest of the player: the engine's scene
// loader and sound operations, the music devices, and the parts that come later (the CD and
// display checks, the starting inventory). The player implements it over its
// engine and media; tests implement it with records of the calls. The CD checks are the
// flow's own, over the drives in its context.
class FlowServices {
  public:
    virtual ~FlowServices() = default;

    // --- Engine ----------------------------------------------------------------------------
    virtual void LoadScene(Integer scene) = 0;
    // Gives the starting inventory of a new game.
    virtual void LoadStartItems() = 0;
    // The notify window's log line, written whatever the log switch says.
    virtual void LogLine(const std::string& text) = 0;

    // --- Sound -----------------------------------------------------------------------------
    // `PlayWAVMVX`: a sound on any channel without the rule check.
    virtual void PlaySound(const std::string& file, bool looping, Integer channel, Long pan,
                           Long volume) = 0;
    virtual void StopSound(Integer channel) = 0;
    virtual void StopAllSounds() = 0;
    // Changes the soundtrack; without `restart` the one playing at that volume goes on.
    virtual void Soundtrack(const std::string& file, Long volume, bool restart) = 0;
    virtual void InitMidi() = 0;
    virtual void PlayMidi(const std::string& file, Long volume) = 0;
    virtual void StopMidi() = 0;
    virtual void PlayMp3(const std::string& file, Long volume, Long balance) = 0;
    virtual void StopMp3() = 0;
    // Releases the MP3 engine; false when that failed.
    virtual bool TerminateMp3() = 0;
    virtual void ReleaseSound() = 0;
    // The media trace line of a movie the start-up plays (credits, intro).
    virtual void TraceMovie(const std::string& file, Long volume) = 0;

    // --- Platform seams --------------------------------------------------------------------
    // The display check when the start window loads, and the restore at shutdown.
    virtual void CheckRes() = 0;
    virtual void RestoreDisplay() = 0;
    // Ends the process once the windows are gone.
    virtual void EndProcess() = 0;
};

}  // namespace morvane
