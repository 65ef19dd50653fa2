#pragma once

#include "engine/main_view.h"

namespace morvane {

// What the engine asks of the parts of the game that are not built yet: the scene-CD check
// answers at once (the game runs from its folder), and items given by rules wait for the
// inventory.
class PlayerEngineHooks final : public EngineHooks {
  public:
    void CheckSceneCd(Integer) override {}
    void AddInventoryItem(Integer, Integer, Integer) override {}
};

}  // namespace morvane
