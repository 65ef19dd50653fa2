#include "player/player_flow_services.h"

#include "engine/scene_loader.h"
#include "engine/sound_operations.h"
#include "interaction/inventory.h"
#include "interaction/map_window.h"
#include "media/sound_channels.h"

namespace morvane {

PlayerFlowServices::PlayerFlowServices(EngineContext& engine, InteractionContext& interaction,
                                       std::function<void()> end_process)
    : engine_(engine), interaction_(interaction), end_process_(std::move(end_process)) {}

void PlayerFlowServices::CheckRes() {
    if (display_ != nullptr) {
        morvane::CheckRes(*display_, engine_.State.Force800x600, display_state_);
    }
}

void PlayerFlowServices::RestoreDisplay() {
    if (display_ != nullptr) {
        morvane::RestoreDisplay(*display_, display_state_);
    }
}

void PlayerFlowServices::LoadScene(Integer scene) {
    morvane::LoadScene(engine_, scene);
}

void PlayerFlowServices::LoadStartItems() {
    // A new game has just cleared the map: the locations a game starts with come back first.
    RestoreStartLocations(interaction_);
    morvane::LoadStartItems(interaction_);
}

void PlayerFlowServices::LogLine(const std::string& text) {
    morvane::LogLine(engine_, text);
}

void PlayerFlowServices::PlaySound(const std::string& file, bool looping, Integer channel, Long pan,
                                   Long volume) {
    PlayWAVMVX(engine_, file, looping, channel, pan, volume);
}

void PlayerFlowServices::StopSound(Integer channel) {
    StopWav(engine_, channel);
}

// Silences everything but the button channel: the soundtrack engines, then the channels in the
// order the game has always stopped them; delays no longer hold the busy pointer.
void PlayerFlowServices::StopAllSounds() {
    StopMp3();
    StopMidi();
    for (Integer number = channel::kFirst; number <= channel::kPersistent; ++number) {
        engine_.Sound.Stop(number);
    }
    for (const Integer number : {channel::kSoundtrack, channel::kLooping, channel::kEnterExit,
                                 channel::kDialogue, channel::kRules}) {
        engine_.Sound.Stop(number);
    }
    for (int slot = 1; slot <= kSlots; ++slot) {
        engine_.State.Delays(slot).DelayWaitPointer = false;
    }
    Pump(engine_);
}

void PlayerFlowServices::Soundtrack(const std::string& file, Long volume, bool restart) {
    morvane::Soundtrack(engine_, file, volume, restart);
}

void PlayerFlowServices::PlayMidi(const std::string& file, Long volume) {
    PlayMIDI(engine_, file, volume);
}

void PlayerFlowServices::StopMidi() {
    engine_.Music.StopMidi();
}

void PlayerFlowServices::PlayMp3(const std::string& file, Long volume, Long balance) {
    PlayMP3(engine_, file, volume, balance);
}

void PlayerFlowServices::StopMp3() {
    engine_.Music.StopMp3();
}

bool PlayerFlowServices::TerminateMp3() {
    return engine_.Music.TerminateMp3();
}

void PlayerFlowServices::ReleaseSound() {
    engine_.Sound.Release();
}

void PlayerFlowServices::TraceMovie(const std::string& file, Long volume) {
    engine_.Trace.Movie(file, volume);
}

}  // namespace morvane
