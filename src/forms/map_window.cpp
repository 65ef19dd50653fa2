#include "forms/map_window.h"

#include "forms/form_layout.h"
#include "forms/main_window.h"

namespace morvane {

MapWindow::MapWindow(Desktop& desktop) : Window(desktop, "MapWindow") {
    Move(Main::kSceneLeft, Main::kSceneTop, Main::kSceneWidth, Main::kSceneHeight);
    Image1.Move(0, 0, Main::kSceneWidth, Main::kSceneHeight);
    // The game's location data places and shows the locations.
    Loctn.ForEach([](AnimatedPicture& location, int) { location.SetVisible(false); });
    // The close button sits in the bottom right corner of the map.
    ButtnCancel.Move(Main::kSceneWidth - 110, Main::kSceneHeight - 44, 100, 34);
    Image2.ForEach([](Image& look, int) { form_layout::Holder(look); });
}

}  // namespace morvane
