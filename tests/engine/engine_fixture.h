#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "engine/database_open.h"
#include "engine/engine_context.h"
#include "engine/engine_wiring.h"
#include "engine/flag_operations.h"
#include "engine/main_view.h"
#include "engine/scene_loader.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/timer.h"
#include "support/game_builder.h"
#include "support/music_files.h"
#include "support/temp_folder.h"

namespace morvane::testing {

// One ordered record of what the engine did to the screen, the speakers and the log, so tests
// can check the order of a load's steps.
using Trace = std::vector<std::string>;
using Lines = std::vector<std::string>;

inline std::string BaseName(const std::string& path) {
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// A device reports back on a later pump, to whoever listens by then.
inline void Report(EventLoop& loop, const std::function<void()>& handler) {
    loop.Post([&handler] {
        if (handler) {
            handler();
        }
    });
}

class FakePicture : public ObjectPicture {
  public:
    FakePicture(EventLoop& loop, Trace& trace, int slot)
        : loop_(loop), trace_(trace), slot_(slot) {}

    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    void Place(double l, double t) override {
        left = l;
        top = t;
    }
    void Load(const std::string& path) override {
        picture = BaseName(path);
        trace_.push_back("load picture " + std::to_string(slot_) + " " + picture);
        if (reports_load) {
            Report(loop_, OnReadFinished);
        }
    }
    void ShowPlaceholder(Placeholder p) override {
        picture = p == Placeholder::kFileNotFound ? "<FNF>"
                  : p == Placeholder::kEmpty      ? "<AniGIF1>"
                                                  : "<UnknownObject>";
    }
    void ClearPicture() override { picture.clear(); }
    void Start() override { playing = true; }
    void Stop() override { playing = false; }
    Integer Frame() const override { return frame; }
    void SetFrame(Integer f) override { frame = f; }
    Integer FrameCount() const override { return 4; }
    void SetPlaybackMode(Integer m) override { mode = m; }
    void SetSinglePass(Integer) override {}
    void SetAnimFlag(bool) override {}

    bool visible = true;
    double left = 0;
    double top = 0;
    std::string picture;
    bool playing = false;
    Integer frame = 0;
    Integer mode = -1;
    bool reports_load = true;

  private:
    EventLoop& loop_;
    Trace& trace_;
    int slot_;
};

// Each line is 10 units wide per character of its caption.
class FakeBox : public ConversationBox {
  public:
    bool Visible() const override { return visible; }
    void SetVisible(bool v) override { visible = v; }
    int Left() const override { return left; }
    int Width() const override { return width; }
    void SetLeftAndWidth(int l, int w) override {
        left = l;
        width = w;
    }
    void SetLineCaption(int line, const std::string& c) override { captions.at(line) = c; }
    std::string LineCaption(int line) const override { return captions.at(line); }
    int LineWidth(int line) const override {
        return 10 * static_cast<int>(captions.at(line).size());
    }
    bool LineVisible(int line) const override { return shown.at(line); }
    void SetLineVisible(int line, bool v) override { shown.at(line) = v; }
    Long LineColour(int line) const override { return colours.at(line); }
    void SetLineColour(int line, Long c) override { colours.at(line) = c; }

    bool visible = false;
    int left = 0;
    int width = 0;
    std::array<std::string, 6> captions{};
    std::array<bool, 6> shown{};
    std::array<Long, 6> colours{};
};

// A movie plays for one second of the clock unless it is stopped; a file whose name holds
// "broken" cannot be opened.
class FakeMovie : public MovieScreen {
  public:
    FakeMovie(EventLoop& loop, Trace& trace) : loop_(loop), trace_(trace), end_(loop) {
        end_.SetEnabled(false);
        end_.OnTimer = [this] {
            end_.SetEnabled(false);
            Stopped();
        };
    }
    void Open(const std::string& path) override {
        name = BaseName(path);
        if (name.find("broken") != std::string::npos) {
            throw RuntimeError(57, "Device I/O error");
        }
    }
    int NativeWidth() const override { return 320; }
    int NativeHeight() const override { return 240; }
    void Place(int l, int t, int w, int h) override { placed = {l, t, w, h}; }
    void Play(Integer) override {
        trace_.push_back("movie " + name);
        if (never_ends) {
            return;
        }
        Report(loop_, OnPlaying);
        end_.SetInterval(1000);
        end_.SetEnabled(true);
    }
    void Stop() override {
        end_.SetEnabled(false);
        Stopped();
    }
    void Close() override {}

    std::string name;
    std::array<int, 4> placed{};
    bool never_ends = false;

  private:
    void Stopped() { Report(loop_, OnStopped); }
    EventLoop& loop_;
    Trace& trace_;
    Timer end_;
};

class FakeView : public MainView {
  public:
    FakeView(EventLoop& loop, Trace& trace)
        : movie(loop, trace),
          block_timer(loop),
          scn_timer(loop),
          post_movie_timer(loop),
          trace_(trace) {
        for (int k = 1; k <= 20; ++k) {
            pictures.push_back(std::make_unique<FakePicture>(loop, trace, k));
            delay_timers.push_back(std::make_unique<Timer>(loop));
            delay_timers.back()->SetEnabled(false);
        }
        for (Timer* t : {&block_timer, &scn_timer, &post_movie_timer}) {
            t->SetEnabled(false);
        }
    }

    FakePicture& Animation(int slot) override {
        return *pictures.at(static_cast<std::size_t>(slot - 1));
    }
    ConversationBox& ConvBox() override { return box; }
    MovieScreen& MovieWindow() override { return movie; }
    Timer& DelayTimer(int slot) override {
        return *delay_timers.at(static_cast<std::size_t>(slot - 1));
    }
    Timer& BlockTimer() override { return block_timer; }
    Timer& ScnTimer() override { return scn_timer; }
    Timer& PostMovieTimer() override { return post_movie_timer; }
    void LoadScenePicture(const std::string& path) override {
        background = BaseName(path);
        trace_.push_back("background " + background);
    }
    void PlaceArrow(int arrow, Integer top, Integer left, Integer width, Integer height) override {
        arrows.at(static_cast<std::size_t>(arrow)) = {top, left, width, height};
    }
    void SetBlockVisible(bool v) override { block = v; }
    bool BlockVisible() const override { return block; }
    void SetMovieBackdropVisible(bool) override {}
    void SetScoreCaptions(const std::string& c) override { score = c; }
    void ShowMapMarker(int location) override { markers.push_back(location); }
    void SetPointer(int p) override { pointer = p; }
    bool ShowsPointer(int p) const override { return pointer == p; }
    void SetHeldItemPointer() override { pointer = 99; }
    void ShowInventoryIcon(int slot) override { icons_shown.push_back(slot); }
    void DisableGameButtons() override { buttons_disabled = true; }

    std::vector<std::unique_ptr<FakePicture>> pictures;
    std::vector<std::unique_ptr<Timer>> delay_timers;
    FakeBox box;
    FakeMovie movie;
    Timer block_timer;
    Timer scn_timer;
    Timer post_movie_timer;
    std::string background;
    std::array<std::array<Integer, 4>, 5> arrows{};
    bool block = false;
    std::string score;
    std::vector<int> markers;
    int pointer = 13;
    std::vector<int> icons_shown;
    bool buttons_disabled = false;

  private:
    Trace& trace_;
};

class FakeSound : public SoundDevice {
  public:
    explicit FakeSound(Trace& trace) : trace_(trace) {}
    void Play(int channel, const std::string& name, const std::filesystem::path&,
              bool looping) override {
        trace_.push_back("play " + std::to_string(channel) + " " + name + (looping ? " loop" : ""));
        playing.at(static_cast<std::size_t>(channel)) = name;
    }
    void SetPan(int, Long) override {}
    void SetVolume(int, Long) override {}
    void Stop(int channel) override { playing.at(static_cast<std::size_t>(channel)).reset(); }
    std::optional<std::string> Playing(int channel) const override {
        return playing.at(static_cast<std::size_t>(channel));
    }
    void Release() override {}

    std::array<std::optional<std::string>, 21> playing{};

  private:
    Trace& trace_;
};

class FakeMusic : public MusicDevice {
  public:
    explicit FakeMusic(Trace& trace) : trace_(trace) {}
    void PlayMidi(const std::string& name, const std::filesystem::path&, Long) override {
        trace_.push_back("midi " + name);
        midi = name;
    }
    void StopMidi() override { midi.reset(); }
    void SetMidiVolume(Long volume) override { midi_volume = volume; }
    void PlayMp3(const std::string& name, const std::filesystem::path&, Long, Long) override {
        trace_.push_back("mp3 " + name);
        mp3 = name;
    }
    void StopMp3() override { mp3.reset(); }
    void SetMp3Volume(Long) override {}
    bool TerminateMp3() override { return true; }
    std::optional<std::string> PlayingMidi() const override { return midi; }
    std::optional<std::string> PlayingMp3() const override { return mp3; }

    std::optional<std::string> midi;
    std::optional<std::string> mp3;
    Long midi_volume = 0;

  private:
    Trace& trace_;
};

class RecordingBoxes : public MessageBoxService {
  public:
    MsgBoxResult Show(const MessageBoxRequest& request) override {
        texts.push_back(request.text);
        return MsgBoxResult::kOk;
    }
    std::vector<std::string> texts;
};

class FakeHooks : public EngineHooks {
  public:
    explicit FakeHooks(Trace& trace) : trace_(trace) {}
    bool CheckSceneCd(Integer scene) override {
        trace_.push_back("cd check " + std::to_string(scene));
        return !shut_down_at_cd_check;
    }
    // The scene-CD check ends the program instead of returning.
    bool shut_down_at_cd_check = false;
    void AddInventoryItem(Integer item, Integer, Integer) override {
        trace_.push_back("add item " + std::to_string(item));
    }

  private:
    Trace& trace_;
};

class SilentUi : public DatabaseUi {
  public:
    void ShowCriticalMessage(const std::string& text) override { ADD_FAILURE() << text; }
    void ApplyGeneralSettings(int) override {}
    void UseBuiltInPointersWhereMissing() override {}
    void SetMousePointer(int) override {}
    void SetMapPicture(const std::string&) override {}
    void SetUpMapLocation(int, const std::optional<std::string>&, Integer, Integer, bool) override {
    }
};

// The "objects" array of a scene with the given slots filled (fields without braces); the
// other slots up to the highest are blank.
inline std::string Slots(std::initializer_list<std::pair<int, std::string>> slots) {
    int highest = 0;
    for (const auto& [slot, fields] : slots) {
        highest = std::max(highest, slot);
    }
    std::string out = "[";
    for (int k = 1; k <= highest; ++k) {
        std::string fields;
        for (const auto& [slot, text] : slots) {
            if (slot == k) {
                fields = text;
            }
        }
        out += (k > 1 ? "," : "") + std::string("{") + fields + "}";
    }
    return out + "]";
}

// A game folder built from a game source document, the engine on a virtual clock with fake
// devices, the notify log switched on and nothing held in hand.
class EngineTest : public ::testing::Test {
  protected:
    EngineTest()
        : state(GamePaths(folder.Path())),
          loop(clock),
          view(loop, trace),
          sound(trace),
          music(trace),
          hooks(trace),
          ctx(state, view, loop, sound, music, boxes, hooks, [this](const std::string& line) {
              log.push_back(line);
              trace.push_back("log: " + line);
          }) {
        AttachEngine(ctx);
        state.LogSwitch = true;
        state.ItemInHand = kNoItemInHand;
        state.MenuScene = -1;
    }

    // Writes the game and opens its scene and conversation files.
    void Game(const std::string& json) {
        GameBuilder(folder.Path()).WriteJson(json);
        OpenSceneBase(state, ui);
        OpenConvBase(state, ui);
    }

    // Writes a game whose scene 1 holds the given slots; `after` follows that scene, by default
    // closing the game.
    void SceneGame(std::initializer_list<std::pair<int, std::string>> slots,
                   const std::string& after = "]}") {
        Game(R"({"scenes":[{"objects":)" + Slots(slots) + "}" + after);
    }

    // Media and picture files only need to exist; music is checked before it plays, so it is
    // well formed.
    void Media(std::initializer_list<std::string> names) {
        for (const std::string& name : names) {
            folder.Write("resource/mmedia/" + name, MusicFor(name));
        }
    }
    void Pictures(std::initializer_list<std::string> names) {
        for (const std::string& name : names) {
            folder.Write("resource/gfx/" + name);
        }
    }

    bool Logged(const std::string& line) const {
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    // Position of an entry in the trace; -1 when it is not there.
    int At(const std::string& entry) const {
        const auto it = std::find(trace.begin(), trace.end(), entry);
        return it == trace.end() ? -1 : static_cast<int>(it - trace.begin());
    }
    long Count(const std::string& entry) const {
        return std::count(trace.begin(), trace.end(), entry);
    }
    // Every entry is in the trace, each after the one before it.
    void ExpectInOrder(const std::vector<std::string>& entries) const {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            SCOPED_TRACE(entries[i]);
            EXPECT_GE(At(entries[i]), 0);
            if (i > 0) {
                EXPECT_LT(At(entries[i - 1]), At(entries[i]));
            }
        }
    }
    void ExpectNotInTrace(std::initializer_list<std::string> entries) const {
        for (const std::string& entry : entries) {
            EXPECT_EQ(At(entry), -1) << entry;
        }
    }

    TempFolder folder;
    GameState state;
    VirtualClock clock;
    EventLoop loop;
    Trace trace;
    std::vector<std::string> log;
    FakeView view;
    FakeSound sound;
    FakeMusic music;
    RecordingBoxes boxes;
    FakeHooks hooks;
    SilentUi ui;
    EngineContext ctx;
};

}  // namespace morvane::testing
