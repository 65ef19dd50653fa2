#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/control.h"
#include "platform/movie_engine.h"

namespace morvane {

// The movie window control: shows one AVI file at a time. Setting `FileName` opens the file
// through the desktop's movie engine (an empty name closes it); `Command` takes "play", "stop"
// and "close" in any letter case. The mode reads "not ready" while no file is open, "stopped"
// and "playing" otherwise.
//
// Playing and stopping raise two events, posted on the event loop the way the control's
// notifications arrive in the window's queue: first `OnModeChange` with the new mode text,
// then `OnModeChangeEx` with its code (525 stopped, 526 playing). Playing to the end raises
// them with "stopped". Opening and closing change the mode without events, so a handler that
// waits for "stopped" is not ended by the file being opened, and a handler that closes the
// control on "stopped" is not called again. Events still queued when the control goes away
// are dropped.
//
// The frame the movie shows is the control's `Picture()`, drawn like any picture; closing
// empties it.
//
// Opening sizes the control to the movie, as the window control does; `MovieWidth` and
// `MovieHeight` keep the movie's own size when the caller resizes the control afterwards.
class MovieControl : public Control {
  public:
    static constexpr int kModeNotReady = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;

    MovieControl(Control& parent, std::string name, int index = 0);
    ~MovieControl() override;

    const std::string& FileName() const { return file_name_; }
    // Closes what was open, then opens the file. On failure the RuntimeError reaches the
    // caller and the control stays closed, with an empty file name.
    void SetFileName(std::string file_name);

    // The last command given.
    const std::string& Command() const { return command_; }
    // "play" with no file open, or any other text, raises error 5; "stop" and "close" are
    // harmless when nothing plays or nothing is open.
    void SetCommand(std::string command);

    std::string Mode() const;
    int ModeCode() const { return mode_; }

    int Volume() const { return volume_; }
    // Passed to the movie now open and to every one opened later.
    void SetVolume(int volume);

    int BorderStyle() const { return border_style_; }
    void SetBorderStyle(int style) { border_style_ = style; }

    // The control's display options. The player shows a bare picture, so they are kept for
    // the game to read back and do not change playback.
    bool Playbar() const { return playbar_; }
    void SetPlaybar(bool on) { playbar_ = on; }
    bool Menu() const { return menu_; }
    void SetMenu(bool on) { menu_ = on; }
    bool ErrorDialog() const { return error_dialog_; }
    void SetErrorDialog(bool on) { error_dialog_ = on; }

    // The open movie's own size and length; 0 when nothing is open.
    int MovieWidth() const { return playback_ ? playback_->Width() : 0; }
    int MovieHeight() const { return playback_ ? playback_->Height() : 0; }
    TimeMs MovieLength() const { return playback_ ? playback_->Duration() : 0; }

    std::function<void(const std::string& mode)> OnModeChange;
    std::function<void(int mode)> OnModeChangeEx;

  private:
    void Close();
    void ChangeMode(int mode);

    std::unique_ptr<MoviePlayback> playback_;
    std::string file_name_;
    std::string command_;
    int mode_ = kModeNotReady;
    int volume_ = 1000;
    int border_style_ = 0;
    bool playbar_ = true;
    bool menu_ = true;
    bool error_dialog_ = true;
    // Shared with the posted events; emptied when the control goes, so they find out.
    std::shared_ptr<MovieControl*> self_;
};

}  // namespace morvane
