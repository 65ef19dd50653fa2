#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "debug/script.h"
#include "platform/clock.h"
#include "platform/input_source.h"
#include "platform/message_box.h"

namespace morvane {

class Control;
class Desktop;
class GameQueries;
class ScriptOutput;

// The headless user: plays a walkthrough script into the same event loop and desktop the window
// uses. It is asked for input only where the player waits for the user (the main loop and the
// loops of modal windows); each command becomes the input events a real user would cause, a
// stretch of time, or a look at the game (`expect`, `state`).
class ScriptDriver final : public InputSource {
  public:
    // Where `answer` puts the answer for the next message box.
    using AnswerQueue = std::function<void(MsgBoxResult)>;

    ScriptDriver(std::vector<ScriptCommand> commands, Desktop& desktop, const GameQueries& game,
                 ScriptOutput& output, AnswerQueue answers);

    // Every control the script names must exist before anything runs; the first that does not
    // is the error (a typo found at the end of a long walkthrough would waste the whole run).
    std::optional<ScriptError> CheckControls() const;

    InputStep TakeInput(EventLoop& loop) override;

    // A strict run counts every note (a control that cannot be reached, a list without the
    // row asked for) as a failure.
    void SetStrict(bool strict) { strict_ = strict; }

    int Failures() const { return failures_; }
    const std::optional<ScriptError>& Error() const { return error_; }
    // Whether every command was taken.
    bool Finished() const { return next_ >= commands_.size(); }

    // 2 after a script error, 1 when an expectation failed, else 0.
    int ExitStatus() const;

  private:
    Control* Resolve(const ScriptCommand& command) const;
    // Runs one command; returns what the loop does next, or nothing to take the next command
    // at once.
    std::optional<InputStep> Run(const ScriptCommand& command, EventLoop& loop);
    void Act(const ScriptCommand& command, Control& target);
    void Expect(const ScriptCommand& command);
    void Check(const ScriptCommand& command, bool holds, const std::string& message);
    void Note(const std::string& text);
    std::string DescribePointer() const;
    std::string DescribeState() const;

    std::vector<ScriptCommand> commands_;
    Desktop& desktop_;
    const GameQueries& game_;
    ScriptOutput& output_;
    AnswerQueue answers_;
    std::size_t next_ = 0;
    // The end of the running `wait`: a modal loop opened meanwhile asks for input too, and gets
    // more of the same wait, not the next command.
    std::optional<TimeMs> wait_until_;
    int failures_ = 0;
    bool strict_ = false;
    std::optional<ScriptError> error_;
};

}  // namespace morvane
