#include "flow/flow_database_ui.h"

#include "flow/general_settings.h"

namespace morvane {

void FlowDatabaseUi::ShowCriticalMessage(const std::string& text) {
    ShowMessage(ctx_, kApplicationTitle, text, MsgBoxIcon::kCritical);
}

void FlowDatabaseUi::ApplyGeneralSettings(int mode) {
    morvane::ApplyGeneralSettings(ctx_, static_cast<Integer>(mode));
}

void FlowDatabaseUi::UseBuiltInPointersWhereMissing() {
    morvane::UseBuiltInPointersWhereMissing(ctx_);
}

void FlowDatabaseUi::SetMousePointer(int pointer) {
    ShowPointer(ctx_, pointer);
}

void FlowDatabaseUi::SetMapPicture(const std::string& path) {
    if (map_ != nullptr) {
        map_->SetMapPicture(path);
    }
}

void FlowDatabaseUi::SetUpMapLocation(int location, const std::optional<std::string>& picture,
                                      Integer left, Integer top, bool visible) {
    if (map_ != nullptr) {
        map_->SetUpMapLocation(location, picture, left, top, visible);
    }
}

}  // namespace morvane
