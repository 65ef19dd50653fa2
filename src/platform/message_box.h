#pragma once

#include <string>
#include <vector>

namespace morvane {

// The button sets, icons and answers of the classic message box, with their classic values.
enum class MsgBoxButtons {
    kOkOnly = 0,
    kOkCancel = 1,
    kAbortRetryIgnore = 2,
    kYesNoCancel = 3,
    kYesNo = 4,
    kRetryCancel = 5,
};

enum class MsgBoxIcon {
    kNone = 0,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
};

enum class MsgBoxResult {
    kOk = 1,
    kCancel = 2,
    kAbort = 3,
    kRetry = 4,
    kIgnore = 5,
    kYes = 6,
    kNo = 7,
};

struct MessageBoxRequest {
    std::string title;  // Windows-1252 bytes, as the game gives them
    std::string text;   // may hold carriage returns and line feeds
    MsgBoxButtons buttons = MsgBoxButtons::kOkOnly;
    MsgBoxIcon icon = MsgBoxIcon::kNone;
};

// The answers a box offers, left to right.
std::vector<MsgBoxResult> AnswersOf(MsgBoxButtons buttons);

// The answer when nobody chooses: No where the box asks yes or no and Cancel where it offers
// to cancel (so an unattended run never agrees to anything, nor retries for ever), otherwise
// the first button.
MsgBoxResult DefaultAnswer(MsgBoxButtons buttons);

// Shows a message box and returns the answer once it is closed. In a window this is a modal
// dialog drawn in the game's style; headless it is printed and answered from a queue. Callers
// treat it as a wait for the user: timers run while the window's box is open.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual MsgBoxResult Show(const MessageBoxRequest& request) = 0;
};

}  // namespace morvane
