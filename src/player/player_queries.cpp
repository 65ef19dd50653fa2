#include "player/player_queries.h"

#include <algorithm>

#include "debug/control_name.h"
#include "engine/game_state.h"
#include "platform/control.h"

namespace morvane {

Integer PlayerQueries::Flag(int number) const {
    return state_.Flags(number);
}

Integer PlayerQueries::CurrentScene() const {
    return state_.CurrentScene;
}

std::vector<Integer> PlayerQueries::InventoryItems() const {
    std::vector<Integer> items;
    const int count = std::clamp<int>(state_.InventoryCount, 0, kInventorySlots);
    for (int slot = 1; slot <= count; ++slot) {
        items.push_back(state_.SlotItem(slot));
    }
    return items;
}

std::optional<int> PlayerQueries::HeldSlot() const {
    const int slot = state_.ItemInHand;
    if (slot < 1 || slot > kInventorySlots) {
        return std::nullopt;
    }
    return slot;
}

std::optional<Integer> PlayerQueries::ItemInHand() const {
    const auto slot = HeldSlot();
    if (!slot) {
        return std::nullopt;
    }
    return state_.SlotItem(*slot);
}

PicturePtr PlayerQueries::PictureOf(const std::string& control) const {
    const Control* found = FindControl(desktop_, control);
    return found != nullptr ? found->Picture() : nullptr;
}

PicturePtr PlayerQueries::CustomPointer(int number) const {
    return PictureOf("MousePoint.Pointer(" + std::to_string(number) + ")");
}

PicturePtr PlayerQueries::HeldItemPointer(bool highlighted) const {
    const auto slot = HeldSlot();
    if (!slot) {
        return nullptr;
    }
    return PictureOf(std::string(highlighted ? "ItemImages.ItemHL(" : "ItemImages.ItemPoint(") +
                     std::to_string(*slot) + ")");
}

std::optional<std::string> PlayerQueries::SoundPlaying(int channel) const {
    return sound_ ? sound_(channel) : std::nullopt;
}

std::optional<std::string> PlayerQueries::MusicPlaying() const {
    return music_ ? music_() : std::nullopt;
}

bool PlayerQueries::LocationAvailable(int location) const {
    return state_.Locations(location).Available != 0;
}

}  // namespace morvane
