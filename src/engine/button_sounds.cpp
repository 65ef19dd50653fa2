#include "engine/button_sounds.h"

#include "engine/sound_operations.h"

namespace morvane {

void PlayClickSound(EngineContext& ctx, Integer channel) {
    const GameState& s = ctx.State;
    if (!s.Settings.ClickSound.empty()) {
        PlayWAVMVX(ctx, s.Settings.ClickSound, false, channel, s.Settings.ClickPan,
                   s.Settings.ClickVolume);
    }
}

void PlayHoverSound(EngineContext& ctx, Integer channel) {
    const GameState& s = ctx.State;
    if (!s.Settings.MouseOverSound.empty()) {
        PlayWAVMVX(ctx, s.Settings.MouseOverSound, false, channel, s.Settings.MouseOverPan,
                   s.Settings.MouseOverVolume);
    }
}

bool EntersHoverButton(GameState& state, Integer code) {
    if (state.Settings.MouseOverSound.empty() || state.LastHoveredButton == code) {
        return false;
    }
    state.LastHoveredButton = code;
    return true;
}

void PlayHoverSoundFor(EngineContext& ctx, Integer code, Integer channel) {
    if (EntersHoverButton(ctx.State, code)) {
        PlayHoverSound(ctx, channel);
    }
}

}  // namespace morvane
