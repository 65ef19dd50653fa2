#include "platform/message_box.h"

namespace morvane {

std::vector<MsgBoxResult> AnswersOf(MsgBoxButtons buttons) {
    using R = MsgBoxResult;
    switch (buttons) {
        case MsgBoxButtons::kOkOnly:
            return {R::kOk};
        case MsgBoxButtons::kOkCancel:
            return {R::kOk, R::kCancel};
        case MsgBoxButtons::kAbortRetryIgnore:
            return {R::kAbort, R::kRetry, R::kIgnore};
        case MsgBoxButtons::kYesNoCancel:
            return {R::kYes, R::kNo, R::kCancel};
        case MsgBoxButtons::kYesNo:
            return {R::kYes, R::kNo};
        case MsgBoxButtons::kRetryCancel:
            return {R::kRetry, R::kCancel};
    }
    return {R::kOk};
}

MsgBoxResult DefaultAnswer(MsgBoxButtons buttons) {
    if (buttons == MsgBoxButtons::kYesNo || buttons == MsgBoxButtons::kYesNoCancel) {
        return MsgBoxResult::kNo;
    }
    if (buttons == MsgBoxButtons::kOkCancel || buttons == MsgBoxButtons::kRetryCancel) {
        return MsgBoxResult::kCancel;
    }
    return AnswersOf(buttons).front();
}

}  // namespace morvane
