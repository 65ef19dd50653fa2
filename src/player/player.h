#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "backend/backend.h"
#include "debug/debug_context.h"
#include "debug/script.h"
#include "debug/script_output.h"
#include "engine/engine_context.h"
#include "engine/game_state.h"
#include "flow/game_flow.h"
#include "forms/forms.h"
#include "interaction/forms_main_view.h"
#include "interaction/interaction_context.h"
#include "interaction/movie_control_screen.h"
#include "media/media_trace.h"
#include "media/sound_device.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/linux_drives.h"
#include "platform/message_box_headless.h"
#include "platform/message_box_relay.h"
#include "platform/movie_engine.h"
#include "platform/picture_service.h"
#include "player/player_database_ui.h"
#include "player/player_engine_hooks.h"
#include "player/player_flow_services.h"
#include "player/player_options.h"
#include "player/player_queries.h"

namespace morvane {

class SdlBackend;

// Everything one run of the player owns, made when it starts and released when it ends: the
// clock, the event loop, the desktop with its services, the game state, and the parts that
// play the game. Nothing of a run lives outside it.
class Player {
  public:
    // The title of the player's own message boxes.
    static constexpr const char* kApplicationTitle = "Morvane Player";

    // `out` takes the run's output lines (log, message boxes, media trace, script results).
    // The run plays on `backend`; a script (options.script) keeps message boxes printed and
    // answered from the script's queue in the window too.
    Player(const PlayerOptions& options, std::unique_ptr<Backend> backend, std::ostream& out);
    // On the backend the options ask for: headless, or a window (throwing sdl::SdlError when
    // none can be opened).
    Player(const PlayerOptions& options, std::ostream& out);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Starts the game and runs it until the user (or the script) is done or the game shuts
    // down. With a script the script is the user (with --continue, the window's user takes over
    // when it ends); headless without one, nobody is. With --record the play is written to the
    // recording, which ends with where the play ended, also printed as a "state:" line. Returns
    // the exit status: 0, 1 when an expectation of the script failed, 2 on a script error
    // (reported on `errors` with its line number) or a recording that cannot be written.
    int Run(std::optional<std::vector<ScriptCommand>> script, std::ostream& errors);

    // The user of the run in place of the window's (a test's synthesized input); without a
    // window and without one, nobody is.
    void SetUser(InputSource* user) { user_ = user; }

    // The media of the run: silent bookkeeping devices headless, SDL's audio in a window.
    SoundDevice& Sound() { return *media_.sound; }
    MusicDevice& Music() { return *media_.music; }
    // Where the media operations write their trace lines (nowhere without --trace-media).
    const MediaTrace& Trace() const { return media_trace_; }

    // The notify window's `LogLine`: appends a line (Windows-1252 bytes) to the notify list,
    // selecting it so the newest line is in view, and prints it as a "log:" line. It does not
    // look at `LogSwitch`; its callers do.
    void LogLine(const std::string& text);
    std::function<void(const std::string&)> LogSink();
    // Where the media devices report what they start ("sound 3 door.wav loop=0 pan=0 vol=0");
    // empty unless media tracing is on, so devices need not format lines nobody reads.
    std::function<void(const std::string&)> MediaTraceSink();

    // Ends every loop that waits for the user; the run then returns.
    void ShutDown();

    const PlayerOptions& Options() const { return options_; }
    Clock& GetClock() { return backend_->GetClock(); }
    EventLoop& Loop() { return loop_; }
    Desktop& GetDesktop() { return desktop_; }
    GameState& State() { return state_; }
    PlayerQueries& Queries() { return queries_; }
    HeadlessMessageBox& MessageBoxes() { return message_box_; }
    ScriptOutput& Output() { return output_; }
    morvane::Forms& GetForms() { return forms_; }
    PictureService& Pictures() { return pictures_; }
    EngineContext& Engine() { return engine_; }
    InteractionContext& Interaction() { return interaction_; }

  private:
    void StartUp();
    void TurnLoggingOn();
    MessageBoxService& FirstMessageBoxes();
    // The window's boxes answer from now on (a script handed over to the person at the window).
    void AnswerBoxesAtWindow();
    // The player's own line to its user, on standard error and in the log file.
    void Notice(const std::string& line);
    // The window's own keys and title bar, in a run that has a window.
    void ConnectWindow(SdlBackend& backend);

    PlayerOptions options_;
    // A copy of the log lines (--log-file), UTF-8.
    std::ofstream log_file_;
    // Made first and released last: the devices made on it and the window go with it.
    std::unique_ptr<Backend> backend_;
    ScriptOutput output_;
    MediaTrace media_trace_;
    // Headless, and whenever a script is the user, boxes are printed and answered from the
    // script's queue, so a script gives the same output with and without a window.
    HeadlessMessageBox message_box_;
    // Every box goes through here, to the printed ones or the window's.
    MessageBoxRelay box_relay_;
    BackendDesktop core_;
    EventLoop& loop_ = core_.loop;
    Desktop& desktop_ = core_.desktop;
    GameState state_;
    PictureService pictures_;
    MediaDevices media_;
    // The game's windows live on the desktop and go before it.
    morvane::Forms forms_;
    PlayerQueries queries_;
    PlayerDatabaseUi database_ui_;
    // The engine plays the game on the main window; scene movies play in its movie control.
    std::unique_ptr<MovieEngine> movie_engine_;
    MovieControlScreen movie_screen_;
    FormsMainView main_view_;
    PlayerEngineHooks engine_hooks_;
    EngineContext engine_;
    // The user's side of the game: scene objects, arrows, inventory, close-up and map.
    InteractionContext interaction_;
    // The author's notify and debug windows.
    DebugContext debug_;
    // Start-up, the menus, new games, quitting and shutdown.
    PlayerFlowServices flow_services_;
    // The machine's drives, for the CD checks.
    LinuxDrives drives_;
    std::unique_ptr<GameFlow> flow_;
    InputSource* user_ = nullptr;
};

}  // namespace morvane
