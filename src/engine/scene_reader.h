#pragma once

#include "base/integer.h"
#include "database/scene_record.h"
#include "engine/game_state.h"

namespace morvane {

// Copies a scene record into the current-scene tables, every field, texts trimmed, object k
// under index k, and makes `scene` the current scene. Hiding the scene view's object pictures
// beforehand is the scene loader's business.
void CopySceneRecord(GameState& state, const SceneRecord& record, Integer scene);

// Reads scene `scene` from the open scene file and copies it into the current-scene tables.
// A scene beyond the end of the file reads blank. No error trap of its own: errors reach the
// scene loader's.
void ReadSceneRecord(GameState& state, Integer scene);

}  // namespace morvane
