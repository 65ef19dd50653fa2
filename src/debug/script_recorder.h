#pragma once

#include <cstdint>
#include <ios>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/input_observer.h"
#include "platform/input_source.h"
#include "platform/message_box.h"

namespace morvane {

class Control;
class Desktop;
class GameQueries;
class TextBox;

// Writes the play of a person at the window as a walkthrough script the headless player
// replays: clicks on the control under the pointer (`click Main.Animation(3)`, `... right`),
// entering a control that reacts to the pointer (`hover`), keys, text typed into a text box
// (`type`, or `retype` when the text was edited), rows chosen in a list (`select`) and the
// answers to message boxes (`answer`), each after a `wait` with the milliseconds of game time
// the player waited for the user before it.
//
// It watches the desktop's input as an observer and is asked for the user's input in place of
// the source it wraps, so the game knows nothing of it. Times follow the way a script is
// played: a command's wait counts from the moment the player has finished with the command
// before (its handlers and whatever they waited for) or, when sooner, a loop asked for input
// (a modal window the command opened); the first from the moment the player first asked. Input a
// script cannot give (a click whose control is covered at its centre, a key a script cannot name)
// is left out, with a comment for a click.
//
// Every line is flushed as it is written, so a crash keeps the recording. An answer belongs
// before the command whose handling opened the box (a headless box takes the answer queued
// before it), so it is put in front of the last command written.
class ScriptRecorder final : public InputObserver, public InputSource {
  public:
    // `out` is best a file: an answer goes in front of the command written before it, which a
    // stream that cannot seek (a pipe) gets after it instead. `user` is the input recorded, or
    // null for none.
    ScriptRecorder(std::ostream& out, Desktop& desktop, const GameQueries& game, InputSource* user);

    InputStep TakeInput(EventLoop& loop) override;
    void BeforeDelivery(const InputDelivery& delivery) override;
    void AfterDelivery(const InputDelivery& delivery) override;

    // A message box was shown, and answered; what the person does in it is not recorded.
    void BoxShown();
    void BoxAnswered(MsgBoxResult answer);

    // A comment line ("# ..."), written as it is.
    void Comment(const std::string& text);

    // The end of the play: the wait since the last command, the expectations of where the
    // play ended (scene, inventory, item in hand, every flag set) and a `state` line.
    void Finish();

  private:
    // The typing in one text box, written once something else happens.
    struct Typing {
        TextBox* box = nullptr;
        std::string before;   // the box's text when the typing began
        std::string typed;    // the characters typed, backspace taking the last one back
        bool edited = false;  // a backspace reached into the text that was there
        TimeMs wait = 0;
        // When the first character was typed: the next command's wait counts from there, as
        // the replay types the whole text at once.
        TimeMs at = 0;
    };

    TimeMs Now() const;
    // The wait to write before a command given now.
    TimeMs WaitNow() const;
    // Writes a command after its wait; returns the command's number for AfterDelivery.
    uint64_t Command(const std::string& line, TimeMs wait);
    void Write(const std::string& text);
    void EndTyping();
    // The name a script reaches `control` by, or nothing when the name is not unique.
    std::optional<std::string> ScriptName(const Control& control) const;
    bool Clickable(const Control& control) const;

    uint64_t MouseMoved(const InputDelivery& delivery);
    uint64_t MouseDown(const InputDelivery& delivery);
    uint64_t KeyDown(const InputDelivery& delivery);
    uint64_t KeyPress(const InputDelivery& delivery);
    void ListChosen(const InputDelivery& delivery);

    std::ostream& out_;
    Desktop& desktop_;
    const GameQueries& game_;
    InputSource* user_;
    // Where the next command's wait counts from; none before the player first asked for input.
    std::optional<TimeMs> ready_;
    // Whether the player has not yet finished with the last command (nor asked for input since).
    bool awaiting_input_ = true;
    // The last command written: where it starts in the file and what was written from there.
    std::optional<std::streamoff> command_at_;
    std::string tail_;
    uint64_t commands_ = 0;
    // For every delivery in progress (they nest), the command it belongs to, or 0.
    std::vector<uint64_t> deliveries_;
    int open_boxes_ = 0;
    std::optional<Typing> typing_;
    // The mouse button held since its press, and the command that press made.
    std::optional<MouseButton> held_;
    uint64_t press_command_ = 0;
    // A list pressed, which is recorded as the row chosen once the button is released.
    Control* list_ = nullptr;
    TimeMs list_wait_ = 0;
    // The control the pointer was last over.
    const Control* over_ = nullptr;
    // The character of a key press that belongs to the key just recorded (enter, escape).
    int swallow_press_ = 0;
};

}  // namespace morvane
