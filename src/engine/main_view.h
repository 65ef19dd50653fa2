#pragma once

#include <functional>
#include <string>

#include "base/integer.h"
#include "platform/pointer_roles.h"
#include "platform/timer.h"

namespace morvane {

// What the engine asks of the main window. The window classes implement it over their
// controls; tests implement it with plain records. The engine never reaches a control any other
// way, so it runs the same with or without a screen.

// The placeholder pictures the main window keeps for slots without a picture of their own.
enum class Placeholder {
    kFileNotFound,   // FNF: the slot names a picture file that is missing
    kEmpty,          // AniGIF1: the slot has no picture
    kUnknownObject,  // UnknownObject: the slot's kind is not one the engine knows
};

// One scene object's animated picture, Animation(k).
class ObjectPicture {
  public:
    virtual ~ObjectPicture() = default;

    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // Left and top in the scene view's units.
    virtual void Place(double left, double top) = 0;

    // Starts loading a GIF by full path; the window reports completion later, on a pump, by
    // calling the engine's Animation_ReadFinished(k) exactly once.
    virtual void Load(const std::string& path) = 0;
    virtual void ShowPlaceholder(Placeholder placeholder) = 0;
    // Sets the picture file to empty text.
    virtual void ClearPicture() = 0;

    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual Integer Frame() const = 0;
    virtual void SetFrame(Integer frame) = 0;
    virtual Integer FrameCount() const = 0;
    virtual void SetPlaybackMode(Integer mode) = 0;
    virtual void SetSinglePass(Integer single) = 0;
    virtual void SetAnimFlag(bool flag) = 0;

    // Raised on a pump once a Load has finished (ReadFinished).
    std::function<void()> OnReadFinished;
};

// The conversation box ConvBox with its five line labels ConvText(1..5).
class ConversationBox {
  public:
    static constexpr Long kSilver = 0xC0C0C0;
    static constexpr Long kWhite = 0xFFFFFF;

    virtual ~ConversationBox() = default;

    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int Left() const = 0;
    virtual int Width() const = 0;
    virtual void SetLeftAndWidth(int left, int width) = 0;

    virtual void SetLineCaption(int line, const std::string& caption) = 0;
    virtual std::string LineCaption(int line) const = 0;
    // The label's width for its caption, in main-window units.
    virtual int LineWidth(int line) const = 0;
    virtual bool LineVisible(int line) const = 0;
    virtual void SetLineVisible(int line, bool visible) = 0;
    virtual Long LineColour(int line) const = 0;
    virtual void SetLineColour(int line, Long colour) = 0;

    // The pointer moved over line 1 to 5 or over the box itself; a line was clicked.
    std::function<void(int line)> OnLineMouseMove;
    std::function<void()> OnBoxMouseMove;
    std::function<void(int line)> OnLineClick;
};

// The movie window of the main window. Opening a file that cannot be played raises a
// RuntimeError. Once playing, the window reports its mode changes through OnPlaying and
// OnStopped on later pumps.
class MovieScreen {
  public:
    virtual ~MovieScreen() = default;

    // Hides the movie window, switches its display options off and opens the file.
    virtual void Open(const std::string& path) = 0;
    virtual int NativeWidth() const = 0;
    virtual int NativeHeight() const = 0;
    virtual void Place(int left, int top, int width, int height) = 0;
    virtual void Play(Integer volume) = 0;
    // Sends "stop": the stopped report follows as for a movie that ended.
    virtual void Stop() = 0;
    // Sends "close" and hides the movie window.
    virtual void Close() = 0;

    std::function<void()> OnPlaying;
    std::function<void()> OnStopped;
};

// The main window as the engine sees it.
class MainView {
  public:
    static constexpr int kSceneWidth = 700;
    static constexpr int kSceneHeight = 475;

    virtual ~MainView() = default;

    virtual ObjectPicture& Animation(int slot) = 0;
    virtual ConversationBox& ConvBox() = 0;
    virtual MovieScreen& MovieWindow() = 0;

    virtual Timer& DelayTimer(int slot) = 0;
    virtual Timer& BlockTimer() = 0;
    virtual Timer& ScnTimer() = 0;
    virtual Timer& PostMovieTimer() = 0;

    // Loads the scene picture ScnImg by full path; a missing file raises error 53.
    virtual void LoadScenePicture(const std::string& path) = 0;
    // Places navigation arrow Directionl(1..4).
    virtual void PlaceArrow(int arrow, Integer top, Integer left, Integer width,
                            Integer height) = 0;
    virtual void SetBlockVisible(bool visible) = 0;
    virtual bool BlockVisible() const = 0;
    // The movie backdrop AVIBG over the whole scene view.
    virtual void SetMovieBackdropVisible(bool visible) = 0;
    virtual void SetScoreCaptions(const std::string& caption) = 0;
    // Shows the map window's marker Loctn(location).
    virtual void ShowMapMarker(int location) = 0;

    // The pointer set: custom pointer 1 to 15 becomes the screen pointer.
    virtual void SetPointer(int pointer) = 0;
    virtual bool ShowsPointer(int pointer) const = 0;
    // The held item's picture as the pointer.
    virtual void SetHeldItemPointer() = 0;

    // Entering the menu scene: the bar icon of the held item's slot shows again, the save and
    // examine buttons show their normal frame, and the save button, the inventory bar and the
    // examine button are disabled.
    virtual void ShowInventoryIcon(int slot) = 0;
    virtual void DisableGameButtons() = 0;
};

// What other parts of the player do for the engine.
class EngineHooks {
  public:
    virtual ~EngineHooks() = default;
    // Returns true when the CD holding the scene is in the drive, false when the program was
    // shut down instead (the load then ends at once).
    virtual bool CheckSceneCd(Integer scene) = 0;
    virtual void AddInventoryItem(Integer item, Integer replace, Integer slot) = 0;
};

}  // namespace morvane
