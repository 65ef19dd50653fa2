#include "forms/forms.h"

namespace morvane {

Forms::Forms(Desktop& desktop)
    : StartForm(desktop),
      IntroFrm(desktop),
      MvDebug(desktop),
      Closeup(desktop),
      MousePoint(desktop),
      QuitGameQuery(desktop),
      SaveGame(desktop),
      LoadGame(desktop),
      MainMenu(desktop),
      Main(desktop),
      MapWindow(desktop),
      ItemImages(desktop),
      Mp3Form(desktop),
      NoWin(desktop),
      NagForm(desktop) {}

std::array<Window*, Forms::kWindowCount> Forms::All() {
    return {&StartForm,     &IntroFrm,   &MvDebug,  &Closeup,  &MousePoint,
            &QuitGameQuery, &SaveGame,   &LoadGame, &MainMenu, &Main,
            &MapWindow,     &ItemImages, &Mp3Form,  &NoWin,    &NagForm};
}

}  // namespace morvane
