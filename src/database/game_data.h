#pragma once

#include <optional>
#include <vector>

#include "database/conversation_record.h"
#include "database/general_record.h"
#include "database/inventory_record.h"
#include "database/location_record.h"
#include "database/scene_record.h"

namespace morvane {

// The contents of a game's five database files; element i of each list is record i + 1.
// A general file that is not exactly one record long has no general record.
struct GameData {
    std::vector<SceneRecord> Scenes;
    std::vector<LocationRecord> Locations;
    std::vector<InventoryRecord> Items;
    std::optional<GeneralRecord> General;
    std::vector<ConversationRecord> Conversations;

    bool operator==(const GameData&) const = default;
};

}  // namespace morvane
