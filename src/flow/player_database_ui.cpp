#include "flow/player_database_ui.h"

#include "debug/control_name.h"
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

void PlayerDatabaseUi::SetUpMapLocation(int location, const std::optional<std::string>&,
                                        Integer left, Integer top, bool visible) {
    Control* mark = FindControl(desktop_, "MapWindow.Loctn(" + std::to_string(location) + ")");
    if (mark == nullptr) {
        return;
    }
    mark->Move(left, top);
    mark->SetVisible(visible);
}

}  // namespace morvane
