#pragma once

#include <optional>
#include <string>

#include "engine/database_ui.h"

namespace morvane {

class Desktop;

// What opening the databases asks of the windows, for the start-up the player has for now:
// failures are shown as message boxes, and the map's location marks are shown or hidden on
// `MapWindow.Loctn(N)` when that window exists. Applying the general settings to the windows
// comes with the start-up sequence itself.
class PlayerDatabaseUi final : public DatabaseUi {
  public:
    PlayerDatabaseUi(Desktop& desktop, std::string title)
        : desktop_(desktop), title_(std::move(title)) {}

    void ShowCriticalMessage(const std::string& text) override;
    void ApplyGeneralSettings(int) override {}
    void UseBuiltInPointersWhereMissing() override {}
    void SetMousePointer(int pointer) override;
    void SetMapPicture(const std::string&) override {}
    void SetUpMapLocation(int location, const std::optional<std::string>& picture, Integer left,
                          Integer top, bool visible) override;

  private:
    Desktop& desktop_;
    std::string title_;
};

}  // namespace morvane
