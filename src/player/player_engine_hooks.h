#pragma once

#include <functional>

#include "engine/main_view.h"
#include "interaction/inventory.h"

namespace morvane {

// What the engine asks of the other parts of the player: the scene-CD check goes to the flow,
// and items given by rules go to the inventory bar.
class PlayerEngineHooks final : public EngineHooks {
  public:
    void AttachInteraction(InteractionContext& interaction) { interaction_ = &interaction; }

    void AttachSceneCdCheck(std::function<bool(Integer)> check) { cd_check_ = std::move(check); }

    bool CheckSceneCd(Integer scene) override { return !cd_check_ || cd_check_(scene); }
    void AddInventoryItem(Integer item, Integer replace, Integer slot) override {
        if (interaction_ != nullptr) {
            morvane::AddInventoryItem(*interaction_, item, replace != 0, slot);
        }
    }

  private:
    InteractionContext* interaction_ = nullptr;
    std::function<bool(Integer)> cd_check_;
};

}  // namespace morvane
