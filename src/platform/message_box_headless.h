#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/message_box.h"

namespace morvane {

// "a\r\nb" becomes the text a\r\nb with the two-character escapes, so a box is one output line;
// a tab is \t and the other control characters game data may hold (NUL, escape, delete) are
// \xNN, so they can neither end a line nor reach the terminal.
std::string EscapeControls(std::string_view text);

// The message box of a headless run: each box is printed as "msgbox: TITLE | TEXT" and answered
// at once, with the first queued answer when the box offers it, else with its default answer.
// An answer the box does not offer stays queued for the box it was meant for.
class HeadlessMessageBox final : public MessageBoxService {
  public:
    explicit HeadlessMessageBox(std::ostream& out) : out_(out) {}

    void QueueAnswer(MsgBoxResult answer) { answers_.push_back(answer); }
    std::size_t QueuedAnswers() const { return answers_.size(); }

    MsgBoxResult Show(const MessageBoxRequest& request) override;

    // Reports shown with the critical or the exclamation icon and only an OK button: the
    // run-time errors the player reports and the warnings about data it cannot play.
    int ErrorBoxes() const { return error_boxes_; }

  private:
    std::ostream& out_;
    std::deque<MsgBoxResult> answers_;
    int error_boxes_ = 0;
};

}  // namespace morvane
