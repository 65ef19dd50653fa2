#pragma once

#include <string>

#include "base/integer.h"
#include "engine/engine_context.h"

namespace morvane {

// Plays an object's or a rule's sound, unless a Responder waits for exactly this name: then the
// request only marks it and runs a rule pass.
void PlayWav(EngineContext& ctx, const std::string& FileName, bool Loop, Integer Channel, Long Pan,
             Long Volume);

// Plays a sound on any channel without the rule check.
void PlayWAVMVX(EngineContext& ctx, const std::string& FileName, bool Loop, Integer Channel,
                Long Pan, Long Volume);

void StopWav(EngineContext& ctx, Integer Channel);

// Changes, re-levels or stops the soundtrack ("(stop sndtrk)" in any case stops it).
// The MIDI and MP3 engines' play operations, with their own error boxes.
void PlayMIDI(EngineContext& ctx, const std::string& file, Long volume);
void PlayMP3(EngineContext& ctx, const std::string& file, Long volume, Long balance);

void Soundtrack(EngineContext& ctx, const std::string& FileName, Long Volume, bool Restart);

// The file a bare media name stands for; error 53 when there is none.
std::filesystem::path MediaFile(const EngineContext& ctx, const std::string& name);
// Tells the user which file of this machine the media file `name` stands for, when `error`
// kept it from playing (see MediaTrace::FileProblem); the game's own message follows.
void ReportMediaFileProblem(const EngineContext& ctx, const std::string& name,
                            const RuntimeError& error);

}  // namespace morvane
