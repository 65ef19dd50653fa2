#pragma once

#include <functional>
#include <string>

#include "base/runtime_error.h"
#include "engine/game_state.h"
#include "engine/main_view.h"
#include "engine/message_repeats.h"
#include "engine/runaway_delays.h"
#include "media/media_trace.h"
#include "media/sound_device.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/message_box.h"

namespace morvane {

// Where the notify log's lines go. The notify window appends them; the headless driver prints
// them as "log: TEXT".
using LogSink = std::function<void(const std::string& line)>;

// Everything the engine's operations work on: the one game state, the main window, the event
// loop, the sound and music devices, message boxes, the other parts' hooks and the log. One
// instance for the run; its operations are the free functions of the engine's files.
struct EngineContext {
    EngineContext(GameState& state, MainView& view, EventLoop& loop, SoundDevice& sound,
                  MusicDevice& music, MessageBoxService& boxes, EngineHooks& hooks, LogSink log)
        : State(state),
          View(view),
          Loop(loop),
          Sound(sound),
          Music(music),
          Boxes(boxes),
          Hooks(hooks),
          Log(std::move(log)) {}
    EngineContext(const EngineContext&) = delete;
    EngineContext& operator=(const EngineContext&) = delete;

    GameState& State;
    MainView& View;
    EventLoop& Loop;
    SoundDevice& Sound;
    MusicDevice& Music;
    MessageBoxService& Boxes;
    EngineHooks& Hooks;
    LogSink Log;
    // Where the media operations announce what they start (silent unless tracing is on).
    MediaTrace Trace;

    // How many scene records have been read; a load that sees it move under its feet knows a
    // nested load has replaced its scene.
    unsigned long ScenesRead = 0;

    // Nesting of the re-entrant operations (SetFlag, LoadScene, the rule pass), and the depth at
    // which the innermost event handler started: a cascade is abandoned back to that handler.
    int CascadeDepth = 0;
    int CascadeRootDepth = 0;
    // Loops through timers, and message boxes that repeat.
    RunawayDelays Runaway;
    MessageRepeats Repeats;

    // Scene movie state beyond MovieFinished and MovieWaitRequested.
    bool KeepCovered = false;
    bool MovieStarted = false;
};

// How long the engine waits for things that should end by themselves: a picture that never
// reports its load, a movie that never reports its end. Past these the engine goes on as if
// they had ended.
inline constexpr TimeMs kPictureLoadBoundMs = 30'000;
inline constexpr TimeMs kMovieBoundMs = 30 * 60'000;
inline constexpr TimeMs kTimerWaitBoundMs = 60'000;

// Appends a line to the notify log whatever the log switch says.
void LogLine(EngineContext& ctx, const std::string& text);
// Appends a line only while the log switch is on, as nearly every caller does.
void LogIfOn(EngineContext& ctx, const std::string& text);

// Processes pending window events. Handlers that run inside start their own cascades.
void Pump(EngineContext& ctx);
// Processes events until `condition` holds or `bound_ms` passes; false when it did not hold.
bool WaitFor(EngineContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms);

// A message box titled with the game's title.
void ShowMessage(EngineContext& ctx, const std::string& text, MsgBoxIcon icon);
// The common error report: "Unexpected error in procedure: NAME", the error number and text.
void ReportTrap(EngineContext& ctx, const std::string& procedure, const RuntimeError& error);

}  // namespace morvane
