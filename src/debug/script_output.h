#pragma once

#include <ostream>
#include <string_view>

namespace morvane {

// The lines a run prints on standard output, one per event, in the order they happen. Every
// line is flushed at once, so what the player prints and what a crash cuts short stay in step.
// Message boxes print through the same stream (HeadlessMessageBox).
class ScriptOutput {
  public:
    ScriptOutput(std::ostream& out, bool trace_media) : out_(out), trace_media_(trace_media) {}

    std::ostream& Stream() { return out_; }
    bool TracesMedia() const { return trace_media_; }

    // "log: TEXT": a line appended to the notify window; TEXT in the game's Windows-1252 bytes.
    void Log(std::string_view text);
    // "media: LINE" when media tracing is on: "sound 3 door.wav loop=0 pan=0 vol=0", ...
    void Media(std::string_view line);
    // "FAIL LINE: MESSAGE": an expectation on script line LINE did not hold.
    void Fail(int line, std::string_view message);
    // "note: TEXT".
    void Note(std::string_view text);
    // "state: TEXT".
    void State(std::string_view text);

  private:
    void Line(std::string_view prefix, std::string_view text);

    std::ostream& out_;
    bool trace_media_;
};

}  // namespace morvane
