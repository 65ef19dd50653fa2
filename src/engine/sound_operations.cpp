#include "engine/sound_operations.h"

#include <algorithm>
#include <string>

#include "base/text.h"
#include "engine/game_folder.h"
#include "engine/rules.h"
#include "media/media_start.h"
#include "media/sound_channels.h"

namespace morvane {
namespace {

void ReportWavError(EngineContext& ctx, const std::string& file, Integer channel, Long pan,
                    Long volume, const RuntimeError& error) {
    ReportMediaFileProblem(ctx, file, error);
    ShowMessage(ctx,
                "Error playing WAV file.  File '" + file + "' - Ch" + std::to_string(channel) +
                    " - Pan" + std::to_string(pan) + " - Vol" + std::to_string(volume) + "\rErr #" +
                    std::to_string(error.Number()) + " : " + error.Description(),
                MsgBoxIcon::kNone);
}

void StartOnChannel(EngineContext& ctx, const std::string& file, bool loop, Integer channel,
                    Long pan, Long volume) {
    StartSound(ctx.Sound, ctx.Trace, ctx.State.Paths, channel, file, loop, pan, volume);
}

void MusicError(EngineContext& ctx, const std::string& heading, const std::string& file,
                const RuntimeError& error) {
    ReportMediaFileProblem(ctx, file, error);
    ShowMessage(ctx,
                heading + "\rErr #" + std::to_string(error.Number()) + " : " + error.Description() +
                    "\rPath = " + MediaPath(ctx.State, "") + "\rFilename = " + file,
                MsgBoxIcon::kNone);
}

void SoundtrackSteps(EngineContext& ctx, const std::string& file, Long volume, bool restart) {
    GameState& s = ctx.State;
    const bool same_name = EqualsIgnoreCase(file, s.CurrentSoundtrack);
    if (same_name && volume == s.CurrentSoundtrackVolume && !restart) {
        return;
    }
    const std::string kind = FileKind(file);
    if (same_name && volume != s.CurrentSoundtrackVolume) {
        s.CurrentSoundtrackVolume = volume;
        if (kind == "mp3") {
            ctx.Music.SetMp3Volume(volume);
        } else if (kind == "wav") {
            ctx.Sound.SetVolume(channel::kSoundtrack, volume);
        } else if (kind == "mid") {
            ctx.Music.SetMidiVolume(volume);
        }
        LogIfOn(ctx, "Soundtrack volume changed to '" + std::to_string(volume) + "'.");
        return;
    }
    ctx.Music.StopMp3();
    ctx.Music.StopMidi();
    StopWav(ctx, channel::kSoundtrack);
    if (ToLowerAscii(file) == "(stop sndtrk)") {
        s.CurrentSoundtrack.clear();
        LogIfOn(ctx, "Soundtrack stopped.");
        return;
    }
    if (kind == "mp3" || kind == "wav" || kind == "mid") {
        s.CurrentSoundtrack = file;
        s.CurrentSoundtrackVolume = volume;
    }
    if (kind == "mp3") {
        PlayMP3(ctx, file, volume, 0);
    } else if (kind == "wav") {
        PlayWAVMVX(ctx, file, true, channel::kSoundtrack, 0, volume);
    } else if (kind == "mid") {
        PlayMIDI(ctx, file, volume);
    }
    LogIfOn(ctx, "Soundtrack changed to '" + file + "'.");
}

}  // namespace

std::filesystem::path MediaFile(const EngineContext& ctx, const std::string& name) {
    return MediaFile(ctx.State.Paths, name);
}

void ReportMediaFileProblem(const EngineContext& ctx, const std::string& name,
                            const RuntimeError& error) {
    if (name.empty()) {
        return;
    }
    const GamePaths& paths = ctx.State.Paths;
    const std::string game_path = std::string(kMediaFolder) + name;
    std::filesystem::path file;
    if (const auto found = paths.Resolve(paths.GameFolder() + game_path)) {
        file = *found;
    } else {
        std::string relative = game_path;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        file = paths.Root() / relative;
    }
    ctx.Trace.FileProblem(file.string(), error.Number(), error.Description());
}

void PlayWav(EngineContext& ctx, const std::string& FileName, bool Loop, Integer Channel, Long Pan,
             Long Volume) {
    GameState& s = ctx.State;
    try {
        Pump(ctx);
        bool awaited = false;
        for (int k = 1; k <= kSlots; ++k) {
            // An empty name means the slot waits for nothing.
            if (!s.AwaitedWav(k).empty() && s.AwaitedWav(k) == FileName) {
                s.WavTriggered(k) = true;
                awaited = true;
            }
            Pump(ctx);
        }
        if (awaited) {
            CheckHiddenObjects(ctx);
            return;
        }
        if (Channel <= channel::kLastObject) {
            StartOnChannel(ctx, FileName, Loop, Channel, Pan, Volume);
        }
    } catch (const RuntimeError& error) {
        ReportWavError(ctx, FileName, Channel, Pan, Volume, error);
        return;
    }
    if (Channel >= channel::kPersistent) {
        PlayWAVMVX(ctx, FileName, Loop, Channel, Pan, Volume);
    }
}

void PlayWAVMVX(EngineContext& ctx, const std::string& FileName, bool Loop, Integer Channel,
                Long Pan, Long Volume) {
    try {
        StartOnChannel(ctx, FileName, Loop, Channel, Pan, Volume);
        Pump(ctx);
    } catch (const RuntimeError& error) {
        ReportWavError(ctx, FileName, Channel, Pan, Volume, error);
    }
}

void StopWav(EngineContext& ctx, Integer Channel) {
    ctx.Sound.Stop(Channel);
    Pump(ctx);
}

void Soundtrack(EngineContext& ctx, const std::string& FileName, Long Volume, bool Restart) {
    try {
        SoundtrackSteps(ctx, FileName, Volume, Restart);
    } catch (const RuntimeError& error) {
        ReportMediaFileProblem(ctx, FileName, error);
        ReportTrap(ctx, "Soundtrack", error);
    }
}

void PlayMIDI(EngineContext& ctx, const std::string& file, Long volume) {
    try {
        StartMidi(ctx.Music, ctx.Trace, ctx.State.Paths, file, volume);
    } catch (const RuntimeError& error) {
        MusicError(ctx, "ERROR PLAYING MIDI FILE.  ", file, error);
    }
}

void PlayMP3(EngineContext& ctx, const std::string& file, Long volume, Long balance) {
    try {
        StartMp3(ctx.Music, ctx.Trace, ctx.State.Paths, file, volume, balance);
    } catch (const RuntimeError& error) {
        MusicError(ctx, "ERROR PLAYING MP3 FILE.  ", file, error);
    }
}

}  // namespace morvane
