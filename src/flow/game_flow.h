#pragma once

#include "flow/builtin_look.h"
#include "flow/flow_context.h"
#include "flow/flow_database_ui.h"

namespace morvane {

// The game's flow between process start and end, wired into the game's windows: the start
// window with its logo and credits, the intro window, the main menu, the main window's
// main-menu button, the quit query, the save button with the save and load dialogs and the exit
// picture. Made once
// by the player; the windows must outlive it.
class GameFlow {
  public:
    // `map` sets up the map window while the location file is read; may be null.
    GameFlow(GameState& state, Forms& forms, FlowServices& services, DatabaseUi* map);
    GameFlow(const GameFlow&) = delete;
    GameFlow& operator=(const GameFlow&) = delete;

    // Shows the start window, whose load starts everything else.
    void Start();

    FlowContext& Context() { return ctx_; }
    const BuiltInLook& Look() const { return look_; }

  private:
    BuiltInLook look_;
    FlowContext ctx_;
    FlowDatabaseUi database_ui_;
};

}  // namespace morvane
