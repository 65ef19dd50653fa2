#include "interaction/movie_control_screen.h"

namespace morvane {

MovieControlScreen::MovieControlScreen(MovieControl& control) : control_(control) {
    control_.OnModeChange = [this](const std::string& mode) {
        if (mode == "playing" && OnPlaying) {
            OnPlaying();
        } else if (mode == "stopped" && OnStopped) {
            OnStopped();
        }
    };
}

void MovieControlScreen::Open(const std::string& path) {
    control_.SetVisible(false);
    control_.SetPlaybar(false);
    control_.SetBorderStyle(1);
    // Emptying the name first closes whatever the control still held.
    control_.SetFileName("");
    control_.SetFileName(path);
}

void MovieControlScreen::Place(int left, int top, int width, int height) {
    control_.Move(left, top, width, height);
}

void MovieControlScreen::Play(Integer volume) {
    control_.SetVisible(true);
    control_.SetCommand("play");
    control_.SetVolume(volume);
}

void MovieControlScreen::Close() {
    control_.SetCommand("close");
    control_.SetVisible(false);
}

}  // namespace morvane
