#pragma once

#include <optional>
#include <string>

#include "base/integer.h"
#include "interaction/interaction_context.h"

namespace morvane {

// Opens the map over the covered scene view, modally; returns when the map is left.
void OpenMapWindow(InteractionContext& ctx);

// Set-up of the map from the location file: the map picture and each location's picture (none
// for a location without one; a file that cannot be read shows the file-not-found picture),
// place and visibility. Paths are relative to the game folder.
void SetMapPicture(InteractionContext& ctx, const std::string& path);
void SetUpMapLocation(InteractionContext& ctx, int location,
                      const std::optional<std::string>& picture, Integer left, Integer top,
                      bool visible);

// A new game starts with the locations the game makes available from the start, and only those.
void RestoreStartLocations(InteractionContext& ctx);

// Handlers of the map window.
void MapWindow_Load(InteractionContext& ctx);
void MapWindow_Activate(InteractionContext& ctx);
void MapWindow_MouseMove(InteractionContext& ctx);
void Image1_MouseMove(InteractionContext& ctx);
void Loctn_MouseMove(InteractionContext& ctx, int Index);
void Loctn_Click(InteractionContext& ctx, int Index);
void ButtnCancel_MouseMove(InteractionContext& ctx);
void ButtnCancel_Click(InteractionContext& ctx);

}  // namespace morvane
