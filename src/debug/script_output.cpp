#include "debug/script_output.h"

#include <string>

#include "base/text.h"
#include "platform/message_box_headless.h"

namespace morvane {

void ScriptOutput::Line(std::string_view prefix, std::string_view text) {
    // Game texts may hold line breaks and other control characters; escaped, every event stays
    // one line and nothing reaches the terminal as a command.
    out_ << prefix << Windows1252ToUtf8(EscapeControls(text)) << '\n';
    out_.flush();
}

void ScriptOutput::Log(std::string_view text) {
    Line("log: ", text);
}

void ScriptOutput::Media(std::string_view line) {
    if (trace_media_) {
        Line("", line);
    }
}

void ScriptOutput::Fail(int line, std::string_view message) {
    Line("FAIL " + std::to_string(line) + ": ", message);
}

void ScriptOutput::Note(std::string_view text) {
    Line("note: ", text);
}

void ScriptOutput::State(std::string_view text) {
    Line("state: ", text);
}

}  // namespace morvane
