#include "forms/main_menu_window.h"

#include "forms/form_layout.h"

namespace morvane {

MainMenu::MainMenu(Desktop& desktop) : Window(desktop, "MainMenu") {
    Move(0, 0, 800, 600);
    Picture1.Move(0, 0, 800, 600);
    // The buttons stand in one column in the middle of the menu.
    Buttn.ForEach(
        [](Image& button, int index) { button.Move(300, 170 + (index - 1) * 70, 200, 50); });
    form_layout::Timer(PauseTimer, 700);
}

}  // namespace morvane
