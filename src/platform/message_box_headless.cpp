#include "platform/message_box_headless.h"

#include <algorithm>

#include "base/text.h"

namespace morvane {

std::string EscapeControls(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

MsgBoxResult HeadlessMessageBox::Show(const MessageBoxRequest& request) {
    out_ << "msgbox: " << Windows1252ToUtf8(EscapeControls(request.title)) << " | "
         << Windows1252ToUtf8(EscapeControls(request.text)) << '\n';
    out_.flush();
    // A question (the overwrite question of the save dialog has the exclamation icon) is part
    // of play, not a report of something wrong.
    if ((request.icon == MsgBoxIcon::kCritical || request.icon == MsgBoxIcon::kExclamation) &&
        request.buttons == MsgBoxButtons::kOkOnly) {
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
