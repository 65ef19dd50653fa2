#pragma once

#include <functional>
#include <string>

#include "base/runtime_error.h"
#include "engine/database_ui.h"
#include "engine/game_state.h"
#include "flow/flow_services.h"
#include "flow/flow_state.h"
#include "flow/saved_games_state.h"
#include "forms/forms.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace morvane {

class BuiltInLook;
class Drives;

// Everything start-up, the menus and quitting work on: the game state, the game's windows, the
// rest of the player behind its services, the pictures of the built-in look, and the flow's own
// state. One instance for the run.
struct FlowContext {
    FlowContext(GameState& state, Forms& forms, FlowServices& services, const BuiltInLook& look)
        : State(state), Windows(forms), Services(services), Look(look) {}
    FlowContext(const FlowContext&) = delete;
    FlowContext& operator=(const FlowContext&) = delete;

    GameState& State;
    Forms& Windows;
    FlowServices& Services;
    const BuiltInLook& Look;
    // How opening the databases reaches the windows; set by whoever owns the context.
    DatabaseUi* Databases = nullptr;
    // The machine's drives, for the CD checks; none means the game is on a hard disk.
    const Drives* GameDrives = nullptr;
    FlowState Flow;
    SavedGamesState Saves;

    Desktop& GetDesktop() const { return Windows.StartForm.GetDesktop(); }
};

// The title of the player's own message boxes.
inline constexpr const char* kApplicationTitle = "Morvane Player";

// How long the start-up waits for what should end by itself: a credits logo or an intro movie
// that never reports its end ends the wait after this, beyond the movie's own length.
inline constexpr TimeMs kCreditsBoundMs = 10 * 60'000;
inline constexpr TimeMs kMovieOverrunMs = 10'000;
// The click pauses end through their timer; this only keeps a stopped timer from hanging them.
inline constexpr TimeMs kPauseBoundMs = 5'000;

void Pump(FlowContext& ctx);
// Processes events until `condition` holds or `bound_ms` passes; false when it did not hold.
bool WaitFor(FlowContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms);

// Waits as the game waits for the user: events, timers and input (Escape on the credits, a
// second click during a pause) all run until `condition` holds, `bound_ms` passes or the input
// ends; false when the condition did not hold.
bool WaitForUser(FlowContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms);

// Custom pointer image 1 to 15 of the pointer window as the screen pointer, unless it shows it.
void ShowPointer(FlowContext& ctx, int image);
bool PointerIs(const FlowContext& ctx, int image);

void ShowMessage(FlowContext& ctx, const std::string& title, const std::string& text,
                 MsgBoxIcon icon);
// The common report of a trapped error, titled with the application title.
void ReportTrap(FlowContext& ctx, const std::string& procedure, const RuntimeError& error);

// Plays the click sound on the buttons' channel, when the game has one.
void PlayClickSound(FlowContext& ctx);
// The hover sound of the button `code` entered from elsewhere (see EntersHoverButton).
void PlayHoverSoundFor(FlowContext& ctx, Integer code);

}  // namespace morvane
