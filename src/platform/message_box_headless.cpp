#include "platform/message_box_headless.h"

#include <algorithm>

#include "base/text.h"

namespace morvane {

std::string EscapeLineBreaks(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\n') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

MsgBoxResult HeadlessMessageBox::Show(const MessageBoxRequest& request) {
    out_ << "msgbox: " << Windows1252ToUtf8(EscapeLineBreaks(request.title)) << " | "
         << Windows1252ToUtf8(EscapeLineBreaks(request.text)) << '\n';
    out_.flush();
    if (request.icon == MsgBoxIcon::kCritical || request.icon == MsgBoxIcon::kExclamation) {
        ++error_boxes_;
    }
    const auto offered = AnswersOf(request.buttons);
    if (!answers_.empty() &&
        std::find(offered.begin(), offered.end(), answers_.front()) != offered.end()) {
        const MsgBoxResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return DefaultAnswer(request.buttons);
}

}  // namespace morvane
