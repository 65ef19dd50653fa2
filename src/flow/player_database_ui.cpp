#include "flow/player_database_ui.h"

#include "debug/control_name.h"
#include "interaction/map_window.h"
#include "platform/control.h"
#include "platform/desktop.h"

namespace morvane {

void PlayerDatabaseUi::ShowCriticalMessage(const std::string& text) {
    desktop_.ShowMessageBox({title_, text, MsgBoxButtons::kOkOnly, MsgBoxIcon::kCritical});
}

void PlayerDatabaseUi::SetMousePointer(int pointer) {
    const Control* picture =
        FindControl(desktop_, "MousePoint.Pointer(" + std::to_string(pointer) + ")");
    if (picture != nullptr && picture->Picture() != nullptr) {
        desktop_.Pointer().ShowPicture(picture->Picture());
    }
}

void PlayerDatabaseUi::SetMapPicture(const std::string& path) {
    if (interaction_ != nullptr) {
        morvane::SetMapPicture(*interaction_, path);
    }
}

void PlayerDatabaseUi::SetUpMapLocation(int location, const std::optional<std::string>& picture,
                                        Integer left, Integer top, bool visible) {
    if (interaction_ != nullptr) {
        morvane::SetUpMapLocation(*interaction_, location, picture, left, top, visible);
    }
}

}  // namespace morvane
