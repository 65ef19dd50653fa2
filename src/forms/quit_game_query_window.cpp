#include "forms/quit_game_query_window.h"

#include "forms/form_layout.h"

namespace morvane {

QuitGameQuery::QuitGameQuery(Desktop& desktop) : Window(desktop, "QuitGameQuery") {
    // A small box in the middle of the screen.
    Move(280, 230, 240, 140);
    Label1.Move(0, 16, 240, 30);
    Label1.SetCaption("Quit?");
    Label1.SetAlignment(TextAlignment::kCentre);
    ButtnYes.Move(24, 72, 88, 40);
    ButtnNo.Move(128, 72, 88, 40);
    Image1.ForEach([](Image& look, int) { form_layout::Holder(look); });
    form_layout::Timer(PauseIt, 700);
}

}  // namespace morvane
