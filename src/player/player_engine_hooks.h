#pragma once

#include "engine/main_view.h"
#include "interaction/inventory.h"

namespace morvane {

// What the engine asks of the other parts of the player: the scene-CD check answers at once (the
// game runs from its folder), and items given by rules go to the inventory bar.
class PlayerEngineHooks final : public EngineHooks {
  public:
    void AttachInteraction(InteractionContext& interaction) { interaction_ = &interaction; }

    void CheckSceneCd(Integer) override {}
    void AddInventoryItem(Integer item, Integer replace, Integer slot) override {
        if (interaction_ != nullptr) {
            morvane::AddInventoryItem(*interaction_, item, replace != 0, slot);
        }
    }

  private:
    InteractionContext* interaction_ = nullptr;
};

}  // namespace morvane
