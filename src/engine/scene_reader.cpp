#include "engine/scene_reader.h"

namespace morvane {

void CopySceneRecord(GameState& state, const SceneRecord& record, Integer scene) {
    const SceneHeader& h = record.Header;
    SceneHeaderState& s = state.Scene;
    s.SceneTitle = h.SceneTitle.Trimmed();
    s.Background = h.Background.Trimmed();
    s.SceneSoundtrack = h.SceneSoundtrack.Trimmed();
    s.EnterSound = h.EnterSound.Trimmed();
    s.ExitSound = h.ExitSound.Trimmed();
    s.LoopSound = h.LoopSound.Trimmed();
    s.EnterMovie = h.EnterMovie.Trimmed();
    s.ExitMovie = h.ExitMovie.Trimmed();
    s.Spare27 = h.Spare27.Trimmed();
    s.Spare28 = h.Spare28.Trimmed();
    s.Spare29 = h.Spare29.Trimmed();

    s.JumpEnabled = h.JumpEnabled;
    s.JumpFlag = h.JumpFlag;
    s.JumpOp = h.JumpOp;
    s.JumpValue = h.JumpValue;
    s.JumpScene = h.JumpScene;
    s.SceneSoundtrackVolume = h.SceneSoundtrackVolume;
    s.EnterSoundVolume = h.EnterSoundVolume;
    s.EnterSoundPan = h.EnterSoundPan;
    s.ExitSoundVolume = h.ExitSoundVolume;
    s.ExitSoundPan = h.ExitSoundPan;
    s.LoopSoundVolume = h.LoopSoundVolume;
    s.LoopSoundPan = h.LoopSoundPan;
    s.EnterMovieVolume = h.EnterMovieVolume;
    s.ExitMovieVolume = h.ExitMovieVolume;
    s.EntryFlagEnabled = h.EntryFlagEnabled;
    s.EntryFlag = h.EntryFlag;
    s.EntryFlagValue = h.EntryFlagValue;
    s.EntryFlagMode = h.EntryFlagMode;
    s.Spare30 = h.Spare30;
    s.Spare31 = h.Spare31;
    s.Spare32 = h.Spare32;

    for (int group = 1; group <= kArrowGroups; ++group) {
        for (int value = 1; value <= kArrowValues; ++value) {
            state.Arrows(group)(value) =
                h.Arrows[static_cast<std::size_t>(group - 1)][static_cast<std::size_t>(value - 1)];
        }
    }

    for (int k = 1; k <= kObjectSlots; ++k) {
        const ObjectBlock& block = record.Objects(k);
        SceneObject& object = state.Objects(k);
        object.Kind = block.Kind;
        object.Pos1 = block.Pos1;
        object.Pos2 = block.Pos2;
        for (int position = 3; position <= 11; ++position) {
            object.S(position) = block.S(position).Trimmed();
        }
        for (int position = 12; position <= 44; ++position) {
            object.P(position) = block.P(position);
        }
    }

    state.CurrentScene = scene;
}

void ReadSceneRecord(GameState& state, Integer scene) {
    CopySceneRecord(state, state.SceneFile.Read<SceneRecord>(scene), scene);
}

}  // namespace morvane
