#pragma once

#include <optional>
#include <string>

#include "engine/database_ui.h"
#include "flow/flow_context.h"

namespace morvane {

// What opening the databases asks of the windows, as start-up answers it: the general settings
// and the pointers here, the map's picture and locations by the map's own part when the player
// has one, and failures as message boxes titled with the application title.
class FlowDatabaseUi final : public DatabaseUi {
  public:
    // `map` receives the map window's set-up; nothing keeps the map as the window made it.
    FlowDatabaseUi(FlowContext& ctx, DatabaseUi* map) : ctx_(ctx), map_(map) {}

    void ShowCriticalMessage(const std::string& text) override;
    void ApplyGeneralSettings(int mode) override;
    void UseBuiltInPointersWhereMissing() override;
    void SetMousePointer(int pointer) override;
    void SetMapPicture(const std::string& path) override;
    void SetUpMapLocation(int location, const std::optional<std::string>& picture, Integer left,
                          Integer top, bool visible) override;

  private:
    FlowContext& ctx_;
    DatabaseUi* map_;
};

}  // namespace morvane
