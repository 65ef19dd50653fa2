#include <filesystem>
#include <iostream>
#include <string>

#include "base/text.h"
#include "database/general_record.h"
#include "engine/database_open.h"
#include "engine/game_state.h"

namespace {

// Until the windows exist, the player reports on the console what it opened.
class ConsoleDatabaseUi : public morvane::DatabaseUi {
  public:
    void ShowCriticalMessage(const std::string& text) override {
        std::cerr << "Morvane Player: " << morvane::Windows1252ToUtf8(text) << '\n';
    }
    void ApplyGeneralSettings(int) override {}
    void UseBuiltInPointersWhereMissing() override {}
    void SetMousePointer(int) override {}
    void SetMapPicture(const std::string&) override {}
    void SetUpMapLocation(int, const std::optional<std::string>&, morvane::Integer,
                          morvane::Integer, bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
    // Without a game folder the player plays the game it is installed in.
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::path(argv[0]).parent_path();
    morvane::GameState state{morvane::GamePaths(folder)};
    ConsoleDatabaseUi ui;
    morvane::GetInitData(state, ui);
    morvane::OpenGenBase(state, ui);
    morvane::OpenLocBase(state, ui);
    morvane::OpenInvBase(state, ui);
    morvane::OpenSceneBase(state, ui);
    morvane::OpenConvBase(state, ui);

    const std::string title = morvane::Trim(morvane::ReadGeneralRecord(state).GameTitle.Bytes());
    std::cout << "Game \"" << morvane::Windows1252ToUtf8(title) << "\" in "
              << state.Paths.GameFolder() << ": " << state.SceneCount << " scenes, "
              << state.LocationCount << " map locations, " << state.ItemCount << " items, "
              << state.ConvCount << " conversations\n";
    return 0;
}
