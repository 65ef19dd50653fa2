#include "debug/script_recorder.h"

#include <algorithm>
#include <ostream>

#include "base/text.h"
#include "debug/control_name.h"
#include "debug/game_queries.h"
#include "debug/game_state_line.h"
#include "platform/control.h"
#include "platform/control_list_box.h"
#include "platform/control_text_box.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/screen_pointer.h"
#include "platform/window.h"

namespace morvane {
namespace {

bool IsList(const Control& control) {
    return control.Kind() == ControlKind::kListBox || control.Kind() == ControlKind::kFileListBox;
}

bool Typeable(int ascii) {
    return ascii >= key::kSpace && ascii <= 255 && ascii != 127;
}

// The pointer the window would show over `control`: the screen pointer while it is set, else
// the pointer of the control or of its nearest container that has one.
Desktop::ShownPointer PointerOver(const Desktop& desktop, const Control* control) {
    if (desktop.Pointer().Mode() != ScreenPointer::kDefault) {
        return {desktop.Pointer().Mode(), desktop.Pointer().Picture()};
    }
    for (const Control* c = control; c != nullptr; c = c->Parent()) {
        if (c->MousePointer() != ScreenPointer::kDefault) {
            return {c->MousePointer(), c->MouseIcon()};
        }
    }
    return {};
}

bool SamePointer(const Desktop::ShownPointer& a, const Desktop::ShownPointer& b) {
    return a.mode == b.mode && a.picture == b.picture;
}

// A key of the game's as a script names it; empty for one a script cannot give.
std::string KeyWord(int ascii) {
    if (ascii == key::kSpace) {
        return "space";
    }
    if (ascii > key::kSpace && ascii <= 255 && ascii != 127) {
        return Windows1252ToUtf8(std::string(1, static_cast<char>(ascii)));
    }
    return {};
}

const char* AnswerWord(MsgBoxResult answer) {
    switch (answer) {
        case MsgBoxResult::kYes:
            return "yes";
        case MsgBoxResult::kNo:
            return "no";
        case MsgBoxResult::kOk:
            return "ok";
        case MsgBoxResult::kCancel:
            return "cancel";
        default:
            return nullptr;
    }
}

}  // namespace

ScriptRecorder::ScriptRecorder(std::ostream& out, Desktop& desktop, const GameQueries& game,
                               InputSource* user)
    : out_(out), desktop_(desktop), game_(game), user_(user) {}

TimeMs ScriptRecorder::Now() const {
    return desktop_.Loop().Now();
}

InputStep ScriptRecorder::TakeInput(EventLoop& loop) {
    // A replay takes the next command right here, even while the last one is still being
    // handled (a modal window it opened asks for input).
    if (awaiting_input_) {
        ready_ = loop.Now();
        awaiting_input_ = false;
    }
    return user_ != nullptr ? user_->TakeInput(loop) : InputStep::Ended();
}

TimeMs ScriptRecorder::WaitNow() const {
    return ready_ ? std::max<TimeMs>(Now() - *ready_, 0) : 0;
}

void ScriptRecorder::Write(const std::string& text) {
    out_ << text;
    out_.flush();
    if (command_at_) {
        tail_ += text;
    }
}

uint64_t ScriptRecorder::Command(const std::string& line, TimeMs wait) {
    if (wait > 0) {
        Write("wait " + std::to_string(wait) + "\n");
    }
    // A stream that cannot seek (a pipe) gets its answers after the command instead.
    const std::streamoff at = out_.tellp();
    command_at_ = at >= 0 ? std::optional<std::streamoff>(at) : std::nullopt;
    tail_.clear();
    Write(line + "\n");
    // Until the player has finished with this command, the next one follows without a wait.
    ready_ = Now();
    awaiting_input_ = true;
    return ++commands_;
}

void ScriptRecorder::Comment(const std::string& text) {
    Write("# " + text + "\n");
}

std::optional<std::string> ScriptRecorder::ScriptName(const Control& control) const {
    std::string name = control.QualifiedName();
    if (FindControl(desktop_, name) != &control) {
        return std::nullopt;
    }
    return name;
}

bool ScriptRecorder::Clickable(const Control& control) const {
    switch (control.Kind()) {
        case ControlKind::kButton:
        case ControlKind::kCheckBox:
        case ControlKind::kTextBox:
        case ControlKind::kListBox:
        case ControlKind::kFileListBox:
            return true;
        default:
            return control.OnClick || control.OnMouseDown || control.OnMouseUp;
    }
}

void ScriptRecorder::BeforeDelivery(const InputDelivery& delivery) {
    uint64_t command = 0;
    if (open_boxes_ == 0) {
        switch (delivery.kind) {
            case InputDelivery::Kind::kMouseMove:
                command = MouseMoved(delivery);
                break;
            case InputDelivery::Kind::kMouseDown:
                command = MouseDown(delivery);
                break;
            case InputDelivery::Kind::kMouseUp:
                if (held_ && *held_ == delivery.button) {
                    command = press_command_;
                }
                break;
            case InputDelivery::Kind::kKeyDown:
                command = KeyDown(delivery);
                break;
            case InputDelivery::Kind::kKeyPress:
                command = KeyPress(delivery);
                break;
            case InputDelivery::Kind::kKeyUp:
                break;
        }
    }
    deliveries_.push_back(command);
}

void ScriptRecorder::AfterDelivery(const InputDelivery& delivery) {
    const uint64_t command = deliveries_.empty() ? 0 : deliveries_.back();
    if (!deliveries_.empty()) {
        deliveries_.pop_back();
    }
    if (delivery.kind == InputDelivery::Kind::kMouseUp && held_ && *held_ == delivery.button) {
        held_.reset();
        if (list_ != nullptr && open_boxes_ == 0) {
            ListChosen(delivery);
        }
        list_ = nullptr;
    }
    // The player has finished with the latest command and waits for the user again: the next
    // wait counts from here, unless a loop asked for input sooner.
    if (command != 0 && command == commands_ && awaiting_input_) {
        ready_ = Now();
        awaiting_input_ = false;
    }
}

uint64_t ScriptRecorder::MouseMoved(const InputDelivery& delivery) {
    const Control* target = delivery.target;
    if (held_ || target == over_) {
        return 0;
    }
    over_ = target;
    if (target == nullptr) {
        return 0;
    }
    // Entering a control matters when it reacts to the pointer or shows another pointer.
    const bool reacts = static_cast<bool>(target->OnMouseMove);
    if (!reacts && SamePointer(PointerOver(desktop_, target), desktop_.PointerToShow())) {
        return 0;
    }
    const auto name = ScriptName(*target);
    if (!name || !desktop_.Reachable(*target)) {
        return 0;
    }
    EndTyping();
    return Command("hover " + *name, WaitNow());
}

uint64_t ScriptRecorder::MouseDown(const InputDelivery& delivery) {
    EndTyping();
    swallow_press_ = 0;
    held_ = delivery.button;
    press_command_ = 0;
    Control* target = delivery.target;
    if (target == nullptr || delivery.button == MouseButton::kMiddle || !Clickable(*target)) {
        return 0;
    }
    over_ = target;
    const auto name = ScriptName(*target);
    const std::string where =
        std::to_string(delivery.screen.x) + "," + std::to_string(delivery.screen.y);
    if (!name) {
        Comment("not recorded: a click at " + where + " on " + target->QualifiedName() +
                ", a name other controls share");
        return 0;
    }
    if (!desktop_.Reachable(*target)) {
        const Control* centre =
            desktop_.HitTest(desktop_.ScreenBounds(*target).Centre(), desktop_.SurfaceOf(*target))
                .target;
        Comment("not recorded: a click at " + where + " on " + *name + ", whose centre " +
                (centre != nullptr ? "is covered by " + centre->QualifiedName()
                                   : std::string("cannot be reached")));
        return 0;
    }
    if (IsList(*target) && delivery.button == MouseButton::kLeft) {
        // The row is known once the button is released.
        list_ = target;
        list_wait_ = WaitNow();
        return 0;
    }
    press_command_ = Command(
        "click " + *name + (delivery.button == MouseButton::kRight ? " right" : ""), WaitNow());
    return press_command_;
}

void ScriptRecorder::ListChosen(const InputDelivery& delivery) {
    if (delivery.target != list_) {
        return;
    }
    const auto& list = static_cast<const ListBox&>(*list_);
    const auto name = ScriptName(list);
    const std::string text = list.Text();
    if (!name || list.ListIndex() < 0 || text.empty() || text.find('\n') != std::string::npos) {
        return;
    }
    Command("select " + *name + " " + Windows1252ToUtf8(text), list_wait_);
    // The list's handlers have already run.
    awaiting_input_ = false;
}

uint64_t ScriptRecorder::KeyDown(const InputDelivery& delivery) {
    swallow_press_ = 0;
    const int code = delivery.key;
    if (code >= key::kF1 && code < key::kF1 + 12) {
        EndTyping();
        return Command("key f" + std::to_string(code - key::kF1 + 1), WaitNow());
    }
    if (code == key::kReturn || code == key::kEscape) {
        EndTyping();
        swallow_press_ = code;
        return Command(code == key::kReturn ? "key enter" : "key escape", WaitNow());
    }
    // Other keys are recorded by the character they type.
    return 0;
}

uint64_t ScriptRecorder::KeyPress(const InputDelivery& delivery) {
    const int ascii = delivery.key;
    if (swallow_press_ != 0 && ascii == swallow_press_) {
        swallow_press_ = 0;
        return commands_;
    }
    Control* focus = delivery.target;
    if (focus != nullptr && focus->Kind() == ControlKind::kTextBox &&
        (Typeable(ascii) || ascii == key::kBack)) {
        auto* box = static_cast<TextBox*>(focus);
        if (typing_ && typing_->box != box) {
            EndTyping();
        }
        const bool first = !typing_;
        if (first) {
            typing_ = Typing{box, box->Text(), {}, false, WaitNow(), Now()};
        }
        if (ascii == key::kBack) {
            if (typing_->typed.empty()) {
                typing_->edited = true;
            } else {
                typing_->typed.pop_back();
            }
        } else {
            typing_->typed += static_cast<char>(ascii);
        }
        return 0;
    }
    const std::string word = KeyWord(ascii);
    if (word.empty()) {
        return 0;
    }
    EndTyping();
    return Command("key " + word, WaitNow());
}

void ScriptRecorder::EndTyping() {
    if (!typing_) {
        return;
    }
    const Typing typing = *typing_;
    typing_.reset();
    const auto name = ScriptName(*typing.box);
    if (!name) {
        return;
    }
    const std::string now = typing.box->Text();
    if (!typing.edited && now == typing.before + typing.typed) {
        if (typing.typed.empty()) {
            return;
        }
        Command("type " + *name + " " + Windows1252ToUtf8(typing.typed), typing.wait);
    } else if (now != typing.before) {
        Command("retype " + *name + " " + Windows1252ToUtf8(now), typing.wait);
    } else {
        return;
    }
    ready_ = typing.at;
    awaiting_input_ = false;
}

void ScriptRecorder::BoxShown() {
    EndTyping();
    ++open_boxes_;
}

void ScriptRecorder::BoxAnswered(MsgBoxResult answer) {
    open_boxes_ = std::max(open_boxes_ - 1, 0);
    over_ = nullptr;
    const char* word = AnswerWord(answer);
    if (word == nullptr) {
        Comment("not recorded: a message box answered with an answer scripts cannot give");
        return;
    }
    const std::string line = std::string("answer ") + word + "\n";
    if (!command_at_) {
        Write(line);
        return;
    }
    // In front of the last command, after the answers already put there.
    out_.seekp(*command_at_);
    out_ << line << tail_;
    out_.flush();
    *command_at_ += static_cast<std::streamoff>(line.size());
}

void ScriptRecorder::Finish() {
    EndTyping();
    if (const TimeMs wait = WaitNow(); wait > 0) {
        Write("wait " + std::to_string(wait) + "\n");
    }
    std::string lines = "# where the recorded play ended\n";
    lines += "expect scene " + std::to_string(game_.CurrentScene()) + "\n";
    const std::string items = ItemList(game_.InventoryItems());
    lines += "expect inventory" + (items.empty() ? "" : " " + items) + "\n";
    const auto in_hand = game_.ItemInHand();
    lines += "expect in-hand " + (in_hand ? std::to_string(*in_hand) : std::string("none")) + "\n";
    for (int number = 1; number <= 255; ++number) {
        if (const Integer value = game_.Flag(number); value != 0) {
            lines += "expect flag " + std::to_string(number) + " " + std::to_string(value) + "\n";
        }
    }
    Write(lines + "state\n");
}

}  // namespace morvane
