#include "flow/player.h"

#include "debug/script_driver.h"
#include "engine/database_open.h"
#include "engine/engine_wiring.h"
#include "interaction/interaction_wiring.h"
#include "media/ffmpeg/ffmpeg_movie_engine.h"
#include "media/ffmpeg/movie_audio.h"
#include "media/headless_movie_engine.h"
#include "media/headless_music_device.h"
#include "media/headless_sound_device.h"
#include "media/sdl/sdl_audio.h"
#include "media/sdl/sdl_music_device.h"
#include "media/sdl/sdl_sound_device.h"
#include "platform/control_button.h"
#include "platform/control_list_box.h"
#include "platform/sdl/canvas_message_box.h"
#include "platform/sdl/game_window.h"
#include "platform/window.h"

namespace morvane {

Player::Player(const PlayerOptions& options, std::ostream& out)
    : options_(options),
      window_(options.headless ? nullptr : std::make_unique<sdl::GameWindow>()),
      clock_(MakeClock()),
      loop_(*clock_),
      output_(out, options.trace_media),
      media_trace_(MediaTraceSink()),
      message_box_(out),
      desktop_(loop_, ChooseMessageBox(), clipboard_),
      state_(GamePaths(options.game_folder)),
      pictures_(state_.Paths),
      media_(MakeMediaDevices()),
      forms_(desktop_),
      queries_(state_, desktop_),
      database_ui_(desktop_, kApplicationTitle),
      movie_engine_(MakeMovieEngine()),
      movie_screen_(forms_.Main.MovieWindow),
      main_view_(forms_, movie_screen_),
      engine_(state_, main_view_, loop_, *media_.sound, *media_.music, desktop_.MessageBoxes(),
              engine_hooks_, LogSink()),
      interaction_(engine_, forms_),
      flow_services_(engine_, interaction_, [this] { ShutDown(); }) {
    desktop_.SetPictures(&pictures_);
    desktop_.SetMovieEngine(movie_engine_.get());
    engine_.Trace = media_trace_;
    AttachEngine(engine_);
    AttachInteraction(interaction_);
    engine_hooks_.AttachInteraction(interaction_);
    database_ui_.AttachInteraction(interaction_);
    flow_ = std::make_unique<GameFlow>(state_, forms_, flow_services_, &database_ui_);
    queries_.SetSoundLookup([this](int channel) { return media_.sound->Playing(channel); });
    if (window_) {
        window_->Attach(desktop_);
        if (canvas_message_box_) {
            canvas_message_box_->Attach(desktop_);
        }
        // The window is the user unless a script is.
        loop_.SetInputSource(window_.get());
    }
}

std::unique_ptr<Clock> Player::MakeClock() {
    if (!window_) {
        return std::make_unique<VirtualClock>();
    }
    // Real time, sleeping in the window so that input wakes the player at once.
    return std::make_unique<SystemClock>(window_->Blocker());
}

std::unique_ptr<MovieEngine> Player::MakeMovieEngine() {
    if (!window_) {
        return std::make_unique<HeadlessMovieEngine>(loop_, state_.Paths);
    }
    // In a window movies are decoded and heard; without an audio device they play silent.
    movie_audio_ = std::make_unique<ffmpeg::MovieAudio>();
    return std::make_unique<FfmpegMovieEngine>(
        loop_, state_.Paths, movie_audio_->Available() ? movie_audio_.get() : nullptr);
}

Player::MediaDevices Player::MakeMediaDevices() {
    MediaDevices devices;
    if (window_) {
        try {
            devices.audio = std::make_unique<SdlAudio>();
            devices.sound = std::make_unique<SdlSoundDevice>(loop_, *devices.audio);
            devices.music = std::make_unique<SdlMusicDevice>(*devices.audio);
            return devices;
        } catch (const RuntimeError&) {
            // Without any audio driver the game still runs, with silent bookkeeping devices
            // keeping the sounds' timing.
            devices = {};
        }
    }
    devices.sound = std::make_unique<HeadlessSoundDevice>(loop_);
    devices.music = std::make_unique<HeadlessMusicDevice>();
    return devices;
}

MessageBoxService& Player::ChooseMessageBox() {
    if (!window_ || options_.script) {
        return message_box_;
    }
    canvas_message_box_ = std::make_unique<sdl::CanvasMessageBox>(window_->GetFont());
    return *canvas_message_box_;
}

Player::~Player() = default;

void Player::LogLine(const std::string& text) {
    output_.Log(text);
    // The notify window is made on first use, also while it is hidden.
    forms_.NoWin.Load();
    ListBox& list = forms_.NoWin.List1;
    list.AddItem(text);
    list.SetListIndex(list.ListCount() - 1);
}

std::function<void(const std::string&)> Player::LogSink() {
    return [this](const std::string& text) { LogLine(text); };
}

std::function<void(const std::string&)> Player::MediaTraceSink() {
    if (!output_.TracesMedia()) {
        return {};
    }
    return [this](const std::string& line) { output_.Media(line); };
}

void Player::ShutDown() {
    loop_.Quit();
}

void Player::TurnLoggingOn() {
    state_.LogSwitch = true;
    // The debug window's "Notify Window" box is where the game reads the switch from again.
    forms_.MvDebug.Check1.SetValue(CheckBox::kChecked);
}

// The start window's load starts everything else: the logo, the databases, the credits and
// the main menu.
void Player::StartUp() {
    if (options_.log) {
        TurnLoggingOn();
    }
    flow_->Start();
}

int Player::Run(std::optional<std::vector<ScriptCommand>> script, std::ostream& errors) {
    // Headless, nobody but a script can act; without one the run ends once the player waits.
    if (!script && options_.headless) {
        script.emplace();
    }
    std::optional<ScriptDriver> driver;
    if (script) {
        driver.emplace(std::move(*script), desktop_, queries_, output_,
                       [this](MsgBoxResult answer) { message_box_.QueueAnswer(answer); });
        driver->SetStrict(options_.strict);
        if (auto error = driver->CheckControls()) {
            errors << "morvane-player: " << DescribeScriptError(*error) << '\n';
            return 2;
        }
        loop_.SetInputSource(&*driver);
    }
    StartUp();
    loop_.RunMainLoop([] { return false; });
    loop_.SetInputSource(window_.get());
    if (!driver) {
        return 0;
    }
    if (driver->Error()) {
        errors << "morvane-player: " << DescribeScriptError(*driver->Error()) << '\n';
    }
    const int status = driver->ExitStatus();
    const int boxes = message_box_.ErrorBoxes();
    if (options_.strict && boxes > 0) {
        errors << "morvane-player: strict: " << boxes
               << (boxes == 1 ? " error message box\n" : " error message boxes\n");
        return status == 0 ? 1 : status;
    }
    return status;
}

}  // namespace morvane
