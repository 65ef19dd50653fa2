#include "player/player.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "backend/sdl_backend.h"
#include "base/text.h"
#include "debug/debug_commands.h"
#include "debug/notify_log.h"
#include "debug/script_driver.h"
#include "engine/engine_wiring.h"
#include "flow/cd_checks.h"
#include "flow/shutdown.h"
#include "interaction/interaction_wiring.h"
#include "platform/control_button.h"
#include "platform/control_list_box.h"
#include "platform/window.h"
#include "player/soundfont_search.h"

namespace morvane {

Player::Player(const PlayerOptions& options, std::unique_ptr<Backend> backend, std::ostream& out)
    : options_(options),
      backend_(std::move(backend)),
      output_(out, options.trace_media),
      media_trace_(MediaTraceSink(), [this](const std::string& line) { Notice(line); }),
      message_box_(out),
      core_(*backend_, PrintedMessageBoxes()),
      state_(GamePaths(options.game_folder)),
      pictures_(state_.Paths, &backend_->Stills()),
      media_(backend_->MakeMedia(loop_)),
      forms_(desktop_),
      queries_(state_, desktop_),
      database_ui_(desktop_, forms_, kApplicationTitle),
      movie_engine_(backend_->MakeMovieEngine(loop_, state_.Paths)),
      movie_screen_(forms_.Main.MovieWindow),
      main_view_(forms_, movie_screen_),
      engine_(state_, main_view_, loop_, *media_.sound, *media_.music, desktop_.MessageBoxes(),
              engine_hooks_, LogSink()),
      interaction_(engine_, forms_),
      debug_(interaction_),
      flow_services_(engine_, interaction_, [this] { ShutDown(); }) {
    desktop_.SetPictures(&pictures_);
    desktop_.SetMovieEngine(movie_engine_.get());
    engine_.Trace = media_trace_;
    AttachEngine(engine_);
    AttachInteraction(interaction_);
    AttachNotifyWindow(debug_);
    AttachDebugWindow(debug_);
    engine_hooks_.AttachInteraction(interaction_);
    database_ui_.AttachInteraction(interaction_);
    flow_ = std::make_unique<GameFlow>(state_, forms_, flow_services_, &database_ui_);
    flow_->Context().GameDrives = &drives_;
    flow_->Context().Saves.ChosenFolder = options_.saves;
    flow_services_.SetDisplay(backend_->GetDisplay());
    engine_hooks_.AttachSceneCdCheck(
        [this](Integer scene) { return CheckSceneCd(flow_->Context(), scene); });
    queries_.SetSoundLookup([this](int channel) { return media_.sound->Playing(channel); });
    queries_.SetMusicLookup([this] {
        const auto mp3 = media_.music->PlayingMp3();
        return mp3 ? mp3 : media_.music->PlayingMidi();
    });
    if (options_.log_file) {
        log_file_.open(*options_.log_file, std::ios::app);
        if (!log_file_) {
            Notice("cannot write the log file " + options_.log_file->string());
        }
    }
    if (auto* window = dynamic_cast<SdlBackend*>(backend_.get())) {
        ConnectWindow(*window);
    }
}

namespace {

// The backend the options ask for. In a window the sound plays at the master volume, and MIDI
// with the first soundfont found; what is missing is told once on standard error.
std::unique_ptr<Backend> MakeBackend(const PlayerOptions& options) {
    if (options.headless) {
        return MakeHeadlessBackend();
    }
    SdlBackendOptions sdl;
    sdl.window.scaling = options.scaling;
    sdl.window.full_screen = options.full_screen;
    sdl.volume = options.volume;
    sdl.mute = options.mute;
    const SoundfontChoice soundfont =
        FindSoundfont(options.soundfont, SystemEnvironment, [](const std::filesystem::path& file) {
            std::error_code error;
            return std::filesystem::is_regular_file(file, error);
        });
    sdl.soundfont = soundfont.file;
    sdl.soundfont_warning = soundfont.warning;
    return MakeSdlBackend(sdl);
}

}  // namespace

Player::Player(const PlayerOptions& options, std::ostream& out)
    : Player(options, MakeBackend(options), out) {}

// Headless nobody but a script answers; in the window the user does, unless a script is the user.
MessageBoxService* Player::PrintedMessageBoxes() {
    if (backend_->MessageBoxes() == nullptr || options_.script) {
        return &message_box_;
    }
    return nullptr;
}

Player::~Player() = default;

void Player::LogLine(const std::string& text) {
    output_.Log(text);
    if (log_file_.is_open()) {
        log_file_ << Windows1252ToUtf8(text) << std::endl;
    }
    AppendNotifyLine(forms_, text);
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

void Player::Notice(const std::string& line) {
    // File names come from game data: their control characters are shown, not sent to the
    // terminal.
    const std::string shown = Windows1252ToUtf8(EscapeControls(line));
    std::cerr << "morvane-player: " << shown << std::endl;
    if (log_file_.is_open()) {
        log_file_ << shown << std::endl;
    }
}

void Player::ConnectWindow(SdlBackend& backend) {
    sdl::GameWindow& window = backend.Window();
    // The close button and Ctrl+Q end the game the way its own Quit does.
    window.OnCloseRequested = [this] { morvane::ShutDown(flow_->Context()); };
    window.OnNotice = [this](const std::string& line) { Notice(line); };
    window.TitleSource = [this] { return Windows1252ToUtf8(state_.GameTitle); };
    window.OnMuteToggled = [&backend] { backend.SetMuted(!backend.Muted()); };
    // "Minimize Player" minimises the game window, and restoring it brings the game back.
    window.SetMainWindow(&forms_.Main);
    // The author's windows open beside the game, so the scene stays in view. Closing the debug
    // window's own system window is its "Hide This Window"; the notify window just hides.
    forms_.NoWin.SetOwnSystemWindow(true);
    forms_.MvDebug.SetOwnSystemWindow(true);
    forms_.MvDebug.OnSystemClose = [this] { Command5_Click(debug_); };
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
    loop_.SetInputSource(backend_->User());
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
