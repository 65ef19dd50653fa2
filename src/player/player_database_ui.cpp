#include "player/player_database_ui.h"

#include "interaction/map_window.h"
#include "platform/control_display.h"
#include "platform/desktop.h"

namespace morvane {

void PlayerDatabaseUi::ShowCriticalMessage(const std::string& text) {
    desktop_.ShowMessageBox({title_, text, MsgBoxButtons::kOkOnly, MsgBoxIcon::kCritical});
}

// A pointer number outside the MousePoint window's pictures shows nothing new.
void PlayerDatabaseUi::SetMousePointer(int pointer) {
    if (pointer < 1 || pointer > MousePoint::kPointers) {
        return;
    }
    const Image& picture = forms_.MousePoint.Pointer(pointer);
    if (picture.Picture() != nullptr) {
        desktop_.Pointer().ShowPicture(picture.Picture());
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
