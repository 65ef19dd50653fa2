#pragma once

#include <optional>
#include <string>

#include "engine/database_ui.h"
#include "forms/forms.h"
#include "interaction/interaction_context.h"

namespace morvane {

class Desktop;

// What opening the databases asks of the windows, for the start-up the player has for now:
// failures are shown as message boxes, and the map picture and its locations are set up on the
// map window. Applying the general settings to the windows comes with the start-up sequence
// itself.
class PlayerDatabaseUi final : public DatabaseUi {
  public:
    PlayerDatabaseUi(Desktop& desktop, Forms& forms, std::string title)
        : desktop_(desktop), forms_(forms), title_(std::move(title)) {}

    void ShowCriticalMessage(const std::string& text) override;
    void ApplyGeneralSettings(int) override {}
    void UseBuiltInPointersWhereMissing() override {}
    void SetMousePointer(int pointer) override;
    void SetMapPicture(const std::string& path) override;
    void SetUpMapLocation(int location, const std::optional<std::string>& picture, Integer left,
                          Integer top, bool visible) override;

    // The map window's set-up needs the game's windows and folder.
    void AttachInteraction(InteractionContext& interaction) { interaction_ = &interaction; }

  private:
    InteractionContext* interaction_ = nullptr;
    Desktop& desktop_;
    Forms& forms_;
    std::string title_;
};

}  // namespace morvane
