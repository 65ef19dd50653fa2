#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_geometry.h"
#include "platform/message_box.h"

namespace morvane {

// The commands of a walkthrough script, one per line.
enum class CommandKind {
    kWait,
    kClick,
    kHover,
    kKey,
    kType,
    kSelect,
    kAnswer,
    kExpectFlag,
    kExpectScene,
    kExpectInventory,
    kExpectInHand,
    kExpectVisible,
    kExpectHidden,
    kExpectShown,
    kExpectCaption,
    kExpectPointer,
    kExpectPlaying,
    kExpectMusic,
    kExpectLocation,
    kExpectClipboard,
    kExpectCount,
    kExpectHeight,
    kExpectMinimized,
    kExpectRestored,
    kRestore,
    kState,
};

// What `expect pointer` asks for: a custom pointer image, the held item's pointer or its
// highlighted pointer.
enum class PointerWanted { kImage, kItem, kItemHighlighted };

// One parsed line. Only the fields its kind uses are set.
struct ScriptCommand {
    int line = 0;
    CommandKind kind = CommandKind::kState;
    // click, hover, type, retype, select, restore, expect visible / hidden / shown / caption /
    // count / height / minimized / restored: "Window.Name(Index)".
    std::string control;
    // type, select, expect caption / clipboard: the rest of the line in the game's Windows-1252
    // bytes (for the clipboard with "\n" standing for a line feed);
    // expect playing / music: the file's bare name.
    std::string text;
    // wait: ms; expect count: the list's items; expect height: pixels; expect flag: number, value;
    // expect scene / in-hand / location / pointer: the number; expect inventory: the items; expect
    // playing: the channel.
    std::vector<long long> numbers;
    MouseButton button = MouseButton::kLeft;
    int key_code = 0;
    int key_ascii = 0;
    MsgBoxResult answer = MsgBoxResult::kOk;
    PointerWanted pointer = PointerWanted::kImage;
    // expect in-hand none, expect playing ... none, expect music none.
    bool none = false;
    // expect location N shown (true) / hidden (false).
    bool shown = false;
    // retype: the text box is emptied before the text goes in.
    bool replace = false;
};

struct ScriptError {
    int line = 0;
    std::string message;
};

struct ParsedScript {
    std::vector<ScriptCommand> commands;
    // The first malformed line; the script does not run when there is one.
    std::optional<ScriptError> error;
};

// Reads a whole script. Blank lines and lines whose first non-blank character is '#' are
// skipped; line numbers count every line. The script is UTF-8; texts are converted to the
// game's Windows-1252 bytes so they compare with what the game shows.
ParsedScript ParseScript(std::istream& in);
ParsedScript ParseScript(std::string_view text);

// "script line 7: unknown control Main.Foo", as the player reports it.
std::string DescribeScriptError(const ScriptError& error);

// One line, numbered `line`; nothing for a blank or comment line.
std::optional<ScriptCommand> ParseScriptLine(std::string_view text, int line,
                                             std::optional<ScriptError>& error);

}  // namespace morvane
