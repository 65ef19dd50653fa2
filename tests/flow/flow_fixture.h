#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/game_data.h"
#include "engine/game_state.h"
#include "flow/flow_services.h"
#include "flow/game_flow.h"
#include "forms/forms.h"
#include "platform/drives.h"
#include "platform/gif_writer.h"
#include "platform/picture_service.h"
#include "platform/runtime_fixture.h"
#include "platform/sdl/sdl_image_decoder.h"
#include "support/game_builder.h"
#include "support/gif_files.h"
#include "support/temp_folder.h"

namespace morvane::testing {

// The rest of the player as start-up and the menus see it: every call is written down, and
// the scene loader only notes the scene and gives back the normal pointer, as a finished scene
// load does.
class RecordingServices final : public FlowServices {
  public:
    explicit RecordingServices(EventLoop& loop) : loop_(loop) {}

    std::vector<std::string> calls;
    std::vector<Integer> scenes_loaded;
    std::vector<TimeMs> scene_load_times;
    bool ended = false;
    std::function<void()> on_scene_loaded;

    int Count(const std::string& prefix) const {
        return static_cast<int>(std::ranges::count_if(
            calls, [&prefix](const std::string& call) { return call.starts_with(prefix); }));
    }

    void LoadScene(Integer scene) override {
        scenes_loaded.push_back(scene);
        scene_load_times.push_back(loop_.Now());
        calls.push_back("LoadScene " + std::to_string(scene));
        if (on_scene_loaded) {
            on_scene_loaded();
        }
    }
    void LoadStartItems() override { calls.push_back("LoadStartItems"); }
    void LogLine(const std::string& text) override { calls.push_back("log " + text); }
    void PlaySound(const std::string& file, bool looping, Integer channel, Long pan,
                   Long volume) override {
        calls.push_back("sound " + std::to_string(channel) + " " + file +
                        " loop=" + (looping ? "1" : "0") + " pan=" + std::to_string(pan) +
                        " vol=" + std::to_string(volume));
    }
    void StopSound(Integer channel) override {
        calls.push_back("stop sound " + std::to_string(channel));
    }
    void StopAllSounds() override { calls.push_back("stop all sounds"); }
    void Soundtrack(const std::string& file, Long volume, bool restart) override {
        calls.push_back("soundtrack " + file + " vol=" + std::to_string(volume) +
                        " restart=" + (restart ? "1" : "0"));
    }
    void InitMidi() override { calls.push_back("InitMidi"); }
    void PlayMidi(const std::string& file, Long volume) override {
        calls.push_back("midi " + file + " vol=" + std::to_string(volume));
    }
    void StopMidi() override { calls.push_back("stop midi"); }
    void PlayMp3(const std::string& file, Long volume, Long balance) override {
        calls.push_back("mp3 " + file + " vol=" + std::to_string(volume) +
                        " bal=" + std::to_string(balance));
    }
    void StopMp3() override { calls.push_back("stop mp3"); }
    bool TerminateMp3() override {
        calls.push_back("TerminateMp3");
        return true;
    }
    void ReleaseSound() override { calls.push_back("ReleaseSound"); }
    void TraceMovie(const std::string& file, Long) override { calls.push_back("movie " + file); }
    void CheckRes() override { calls.push_back("CheckRes"); }
    void RestoreDisplay() override { calls.push_back("RestoreDisplay"); }
    void EndProcess() override {
        calls.push_back("EndProcess");
        ended = true;
        loop_.Quit();
    }

  private:
    EventLoop& loop_;
};

// The machine's drives as the flow sees them: a fixed table, every look at it written down
// with the services' calls.
class RecordingDrives final : public Drives {
  public:
    explicit RecordingDrives(std::vector<std::string>& calls) : calls_(calls) {}

    std::vector<MountEntry> Mounts() const override {
        calls_.push_back("Mounts");
        return table.Mounts();
    }
    std::optional<std::string> VolumeLabel(const MountEntry& mount) const override {
        calls_.push_back("VolumeLabel");
        return table.VolumeLabel(mount);
    }

    FixedDrives table;

  private:
    std::vector<std::string>& calls_;
};

// The user of a test: steps given in batches. Between batches it is idle rather than gone, so
// a later batch still reaches the player; a window left waiting for the user after the last
// step (a test's mistake) ends the input after a long idle time instead of hanging.
class BatchInput final : public InputSource {
  public:
    void Add(std::vector<StepInput::Step> steps) {
        for (auto& step : steps) {
            steps_.push_back(std::move(step));
        }
        idle_ = 0;
    }

    bool Done(TimeMs now) const { return steps_.empty() && now >= quiet_until_; }

    InputStep TakeInput(EventLoop& loop) override {
        if (steps_.empty()) {
            if (++idle_ > kMaxIdle) {
                return InputStep::Ended();
            }
            return InputStep::WaitUntil(loop.Now() + 100);
        }
        StepInput::Step step = std::move(steps_.front());
        steps_.pop_front();
        const InputStep result = step();
        if (result.kind == InputStep::Kind::kWaitUntil) {
            quiet_until_ = result.until;
        }
        return result;
    }

  private:
    static constexpr int kMaxIdle = 1000;
    std::deque<StepInput::Step> steps_;
    TimeMs quiet_until_ = 0;
    int idle_ = 0;
};

// A general record with every menu button and game control shown, saving allowed, no logo, no
// credits, no intro and no score: tests change what they are about.
inline GeneralRecord PlainGeneral() {
    GeneralRecord general;
    general.GameTitle = FixedText<20>("Test Game");
    general.StartupLogoOption = FixedText<15>("1");
    general.MenuButtonShown = {1, 1, 1, 1, 1};
    general.MenuButtonPictureChoice = 1;
    general.InGameMenuButtonShown = 1;
    general.InGameSaveButtonShown = 1;
    general.SavedGamesEnabled = 1;
    general.InventoryBarShown = 1;
    general.MenuBackgroundChoice = 1;
    general.FrameChoice = 1;
    return general;
}

// A headless player without its engine: the game's windows, the flow wired into them, a game
// folder written for the test and the rest of the player recorded.
class FlowTest : public ::testing::Test {
  protected:
    FlowTest() { runtime_.desktop.SetPictures(&pictures_); }

    // Writes a game with `general` and three empty scenes, and wires the flow.
    // A second call starts over with every window unloaded, as at program start.
    void MakeGame(const GeneralRecord& general) {
        GameData game;
        game.General = general;
        game.Scenes.resize(3);
        MakeGame(game);
    }

    void MakeGame(const GameData& game) {
        if (flow_) {
            for (Window* window : forms_.All()) {
                window->Unload();
            }
        }
        GameBuilder(folder_.Path()).Write(game);
        services_.scenes_loaded.clear();
        services_.scene_load_times.clear();
        flow_ = std::make_unique<GameFlow>(state_, forms_, services_, nullptr);
        // When start-up is over: the menu shows once the saved-games folder is set.
        menu_shown_at_ = -1;
        forms_.MainMenu.OnActivate = [this, activate = forms_.MainMenu.OnActivate] {
            if (menu_shown_at_ < 0) {
                menu_shown_at_ = runtime_.loop.Now();
            }
            activate();
        };
        flow_->Context().GameDrives = &drives_;
        services_.on_scene_loaded = [this] {
            runtime_.desktop.Pointer().ShowPicture(forms_.MousePoint.Pointer(13).Picture());
        };
    }

    // A small GIF of `frames` frames in resource/gfx.
    void WriteGif(const std::string& name, int width, int height, int frames = 1) {
        std::filesystem::create_directories(folder_.Path() / "resource" / "gfx");
        ASSERT_TRUE(morvane::WriteGif(folder_.Path() / "resource" / "gfx" / name,
                                      BlinkingGif(width, height, frames)));
    }

    // Starts the player and runs it until the main menu is up.
    void StartToMenu() {
        flow_->Start();
        ASSERT_TRUE(runtime_.loop.WaitUntil([this] { return forms_.MainMenu.Visible(); }, 60'000));
    }

    // Writes a game whose general record is the plain one as `change` leaves it.
    void MakeGameWith(const std::function<void(GeneralRecord&)>& change) {
        GeneralRecord general = PlainGeneral();
        change(general);
        MakeGame(general);
    }

    // The same, started until the main menu is up.
    void StartWith(const std::function<void(GeneralRecord&)>& change = [](GeneralRecord&) {}) {
        MakeGameWith(change);
        StartToMenu();
    }

    // Plays `steps` as the user, then returns; the player waits for the next steps meanwhile.
    void Play(std::vector<StepInput::Step> steps) {
        input_.Add(std::move(steps));
        runtime_.loop.SetInputSource(&input_);
        runtime_.loop.RunMainLoop([this] { return input_.Done(runtime_.loop.Now()); });
        runtime_.loop.SetInputSource(nullptr);
    }

    StepInput::Step Do(std::function<void()> action) {
        return [action = std::move(action)] {
            action();
            return InputStep::Continue();
        };
    }
    StepInput::Step Click(const Control& control) {
        return Do([this, &control] { runtime_.desktop.PostClick(Centre(control)); });
    }
    StepInput::Step Hover(const Control& control) {
        return Do([this, &control] { runtime_.desktop.PostMouseMove(Centre(control)); });
    }
    StepInput::Step Key(int key_code) {
        return Do([this, key_code] { runtime_.desktop.PostKey(key_code, 0); });
    }
    StepInput::Step Wait(TimeMs ms) {
        return [this, ms] { return InputStep::WaitUntil(runtime_.loop.Now() + ms); };
    }
    Point Centre(const Control& control) const {
        return runtime_.desktop.ScreenBounds(control).Centre();
    }

    bool ShowsPointer(int image) const {
        return runtime_.desktop.Pointer().Shows(forms_.MousePoint.Pointer(image).Picture());
    }

    TempFolder folder_;
    Runtime runtime_;
    GameState state_{GamePaths(folder_.Path())};
    // The image library reads the PNG pictures kept with saved games, as in the player.
    sdl::SdlImageDecoder stills_;
    PictureService pictures_{state_.Paths, &stills_};
    Forms forms_{runtime_.desktop};
    RecordingServices services_{runtime_.loop};
    RecordingDrives drives_{services_.calls};
    std::unique_ptr<GameFlow> flow_;
    BatchInput input_;
    TimeMs menu_shown_at_ = -1;
};

}  // namespace morvane::testing
