#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/integer.h"
#include "base/runtime_error.h"
#include "platform/control.h"
#include "platform/picture_result.h"
#include "platform/timer.h"

namespace morvane {

// The animated picture control that shows every scene object, button image, logo, close-up and
// map location: load a file, run and stop its animation, and report ReadFinished, PlayFinished
// and Step.
//
// Loading. Load(path) only asks for the file; the control reads it on a later pump and then
// raises ReadFinished, exactly once per Load, also when the file is missing or damaged. The
// engine counts these events to end its waits, so no Load ever goes unanswered, not even one
// overtaken by a newer Load or by a picture set directly: that one still raises its
// ReadFinished but no longer changes what the control shows, so the newest request always
// wins. A load that fails shows the file-not-found placeholder, as a missing scene picture
// does, and LoadError() says why.
//
// Playing. Frames advance on a timer of the event loop, each after its own delay (delays of 10
// ms or less play at 100 ms, as browsers do), so the virtual clock steps over them like any
// timer. The animation repeats until stopped, whatever loop count the file asks for: the game
// asks for one pass through SinglePass or AnimFlag. A pass runs from the current frame to the
// last frame (PlaybackMode 0), to the first (1), or out to the last and back to the first (2);
// starting a pass at its own end frame plays a whole cycle. Step is raised after every frame
// advance and PlayFinished once at the end of a single pass, which leaves the animation stopped
// on its end frame. Both are raised from the frame timer's tick, which the pump runs like any
// other window event. A picture of fewer than 2 frames never plays.
class AnimatedPicture : public Control {
  public:
    AnimatedPicture(Control& parent, std::string name, int index = 0);
    ~AnimatedPicture() override;

    // --- Picture file ------------------------------------------------------------------------
    // The picture shown, shared: copying another control's value shows the same picture.
    const PicturePtr& PictureFile() const { return Control::Picture(); }
    // The file the picture came from, empty for an empty control or a built-in picture.
    std::string PictureFileName() const;
    // Shows `picture` (nothing: empties the control) from its first frame, stopped.
    void SetPictureFile(PicturePtr picture);
    // "" empties the control; any other path is read at once, without ReadFinished (a path that
    // cannot be read shows the file-not-found placeholder).
    void SetPictureFile(std::string_view path);
    void SetPictureFile(const char* path) {
        SetPictureFile(path == nullptr ? std::string_view() : std::string_view(path));
    }
    // Hides Control::SetPicture so a picture set by that name also resets the animation.
    void SetPicture(PicturePtr picture) { SetPictureFile(std::move(picture)); }

    // Sizes the control to its picture whenever the picture changes (on by default), so hit
    // testing sees exactly the object drawn; an empty control is 0 x 0.
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool on) { auto_size_ = on; }

    // --- Loading -----------------------------------------------------------------------------
    // Starts reading a file by the full path the game builds (GameFolder() + "resource\gfx\" +
    // name); ends with one ReadFinished on a later pump.
    void Load(std::string_view path);
    // Why the last load that changed the picture failed; nothing when it succeeded.
    std::optional<ErrorNumber> LoadError() const { return load_error_; }

    // --- Animation ---------------------------------------------------------------------------
    void Start();
    // Halts at the current frame.
    void Stop();
    bool Playing() const { return playing_; }

    // The frame shown, 0 = first. Setting it clamps into the picture's frames, and while playing
    // the new frame stays for its whole delay.
    Integer Frame() const;
    void SetFrame(Integer frame);
    // The frame the renderer draws from Picture().
    int CurrentFrame() const { return frame_; }
    // The renderer draws this frame; every move of it is reported as a change to draw.
    int ShownFrame() const override { return frame_; }
    // Frames of the picture; 0 for an empty control, 1 for a still picture.
    Integer FrameCount() const;

    // The current frame as a still picture for plain image controls. The same frame of the same
    // picture gives the same picture each time, so showing it again changes nothing on screen.
    PicturePtr FramePicture() const;

    Integer PictureWidth() const;
    Integer PictureHeight() const;

    static constexpr Integer kForward = 0;
    static constexpr Integer kBackward = 1;
    static constexpr Integer kBackAndForth = 2;
    Integer PlaybackMode() const { return playback_mode_; }
    // 0, 1 or 2; anything else is error 380.
    void SetPlaybackMode(Integer mode);

    // Not 0: every start plays one pass.
    Integer SinglePass() const { return single_pass_; }
    void SetSinglePass(Integer single_pass) { single_pass_ = single_pass; }

    // True: the next start plays one pass whatever SinglePass says; that start clears it.
    bool AnimFlag() const { return anim_flag_; }
    void SetAnimFlag(bool on) { anim_flag_ = on; }

    // --- Events ------------------------------------------------------------------------------
    std::function<void()> OnReadFinished;
    std::function<void()> OnPlayFinished;
    std::function<void()> OnStep;

    void WindowLoaded() override;

  private:
    // Advances only while the control's window is loaded, like the window's own timers.
    class FrameTimer : public Timer {
      public:
        explicit FrameTimer(AnimatedPicture& owner);

      protected:
        bool Active() const override;

      private:
        AnimatedPicture& owner_;
    };

    PictureResult Read(std::string_view path) const;
    PicturePtr NotFoundPicture() const;
    int Frames() const;
    int DelayOf(int frame) const;
    void Show(PicturePtr picture);
    void FinishLoad(uint64_t request, const std::string& path);
    void Advance();
    void Halt();

    FrameTimer timer_;
    int frame_ = 0;
    bool playing_ = false;
    bool one_pass_ = false;  // the running animation stops at the end of its pass
    int direction_ = 1;      // of PlaybackMode 2
    Integer playback_mode_ = kForward;
    Integer single_pass_ = 0;
    bool anim_flag_ = false;
    bool auto_size_ = true;
    // Counts every change of what the control shows; a load applies its picture only when
    // nothing newer was asked for after it.
    uint64_t requests_ = 0;
    std::optional<ErrorNumber> load_error_;
    mutable std::vector<PicturePtr> frame_pictures_;
    // Lets a posted load find out that its control is gone.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace morvane
