#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "debug/debug_context.h"
#include "debug/script.h"
#include "debug/script_output.h"
#include "engine/engine_context.h"
#include "engine/forms_main_view.h"
#include "engine/game_state.h"
#include "engine/movie_control_screen.h"
#include "flow/command_line.h"
#include "flow/game_flow.h"
#include "flow/player_database_ui.h"
#include "flow/player_engine_hooks.h"
#include "flow/player_flow_services.h"
#include "flow/player_queries.h"
#include "forms/forms.h"
#include "interaction/interaction_context.h"
#include "media/media_trace.h"
#include "media/sound_device.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/linux_drives.h"
#include "platform/message_box_headless.h"
#include "platform/movie_engine.h"
#include "platform/picture_service.h"

namespace morvane {

class SdlAudio;

namespace ffmpeg {
class MovieAudio;
}  // namespace ffmpeg

namespace sdl {
class GameWindow;
class CanvasMessageBox;
}  // namespace sdl

// Everything one run of the player owns, made when it starts and released when it ends: the
// clock, the event loop, the desktop with its services, the game state, and the parts that
// play the game. Nothing of a run lives outside it.
class Player {
  public:
    // The title of the player's own message boxes.
    static constexpr const char* kApplicationTitle = "Morvane Player";

    // `out` takes the run's output lines (log, message boxes, media trace, script results).
    // Without `headless` the player opens its window here (throwing sdl::SdlError when it
    // cannot); `scripted` says a script will be the user, which keeps message boxes printed
    // and answered from the script's queue in the window too.
    Player(const PlayerOptions& options, std::ostream& out);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Starts the game and runs it until the user (or the script) is done or the game shuts
    // down. With a script the script is the user; headless without one, nobody is. Returns the
    // exit status: 0, 1 when an expectation of the script failed, 2 on a script error (reported
    // on `errors` with its line number).
    int Run(std::optional<std::vector<ScriptCommand>> script, std::ostream& errors);

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
    Clock& GetClock() { return *clock_; }
    EventLoop& Loop() { return loop_; }
    Desktop& GetDesktop() { return desktop_; }
    GameState& State() { return state_; }
    PlayerQueries& Queries() { return queries_; }
    HeadlessMessageBox& MessageBoxes() { return message_box_; }
    // The window of a run that has one.
    sdl::GameWindow* GameWindow() { return window_.get(); }
    ScriptOutput& Output() { return output_; }
    morvane::Forms& GetForms() { return forms_; }
    PictureService& Pictures() { return pictures_; }
    EngineContext& Engine() { return engine_; }
    InteractionContext& Interaction() { return interaction_; }

  private:
    struct MediaDevices {
        std::unique_ptr<SdlAudio> audio;
        std::unique_ptr<SoundDevice> sound;
        std::unique_ptr<MusicDevice> music;
    };
    void StartUp();
    void TurnLoggingOn();

    std::unique_ptr<Clock> MakeClock();
    MediaDevices MakeMediaDevices();
    std::unique_ptr<MovieEngine> MakeMovieEngine();
    MessageBoxService& ChooseMessageBox();
    std::unique_ptr<Clipboard> MakeClipboard() const;

    PlayerOptions options_;
    // Made first and released last: the clock sleeps in it and the canvas boxes draw with it.
    std::unique_ptr<sdl::GameWindow> window_;
    std::unique_ptr<Clock> clock_;
    EventLoop loop_;
    ScriptOutput output_;
    // Headless, and whenever a script is the user, boxes are printed and answered from the
    // script's queue, so a script gives the same output with and without a window.
    MediaTrace media_trace_;
    HeadlessMessageBox message_box_;
    std::unique_ptr<sdl::CanvasMessageBox> canvas_message_box_;
    // The desktop's clipboard in a window; the player's own headless and under a script, so
    // that a script neither depends on nor changes what the user copied.
    std::unique_ptr<Clipboard> clipboard_;
    Desktop desktop_;
    GameState state_;
    PictureService pictures_;
    MediaDevices media_;
    // The game's windows live on the desktop and go before it.
    morvane::Forms forms_;
    PlayerQueries queries_;
    PlayerDatabaseUi database_ui_;
    // The engine plays the game on the main window; scene movies play in its movie control.
    std::unique_ptr<ffmpeg::MovieAudio> movie_audio_;
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
    // The screen the display check looks at; none headless.
    std::unique_ptr<Display> display_;
    // The machine's drives, for the CD checks.
    LinuxDrives drives_;
    std::unique_ptr<GameFlow> flow_;
};

}  // namespace morvane
