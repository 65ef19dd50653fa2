#include "debug/script.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <sstream>

#include "base/text.h"
#include "debug/control_name.h"

namespace morvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    text = SkipBlanks(text);
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Splits off the next blank-separated word.
std::string_view NextWord(std::string_view& rest) {
    rest = SkipBlanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    const std::string_view word = rest.substr(0, end);
    rest = SkipBlanks(rest.substr(end));
    return word;
}

// Thrown inside the parser only, and turned into a ScriptError for the line.
struct Malformed {
    std::string message;
};

[[noreturn]] void Fail(std::string message) {
    throw Malformed{std::move(message)};
}

long long Number(std::string_view word, std::string_view what, long long low, long long high) {
    if (word.empty()) {
        Fail(std::string(what) + " is missing");
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        Fail(std::string(what) + " must be a whole number, not \"" + std::string(word) + "\"");
    }
    if (value < low || value > high) {
        Fail(std::string(what) + " must lie between " + std::to_string(low) + " and " +
             std::to_string(high));
    }
    return value;
}

constexpr long long kIntegerLow = std::numeric_limits<int16_t>::min();
constexpr long long kIntegerHigh = std::numeric_limits<int16_t>::max();
// A day of game time is more than any walkthrough waits in one step.
constexpr long long kLongestWait = 24LL * 60 * 60 * 1000;

std::string ControlWord(std::string_view& rest) {
    const std::string_view word = NextWord(rest);
    if (word.empty()) {
        Fail("a control name is missing");
    }
    if (!ParseControlName(word)) {
        Fail("\"" + std::string(word) + "\" is not a control name like Main.Animation(3)");
    }
    return std::string(word);
}

void NoMore(std::string_view rest) {
    if (!rest.empty()) {
        Fail("unexpected \"" + std::string(rest) + "\" at the end of the line");
    }
}

std::string GameText(std::string_view utf8) {
    auto text = Utf8ToWindows1252(TrimBlanks(utf8));
    if (!text) {
        Fail("the text holds characters the game cannot show");
    }
    return *text;
}

// "\n" in an expected clipboard text stands for a line feed, "\\" for a backslash.
std::string ClipboardText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

struct KeyName {
    std::string_view name;
    int code;
    int ascii;
};

constexpr KeyName kNamedKeys[] = {
    {"escape", key::kEscape, key::kEscape},
    {"enter", key::kReturn, key::kReturn},
    {"space", key::kSpace, key::kSpace},
};

// The key code of the key that types `c` on a US keyboard, as key-down handlers see it.
int KeyCodeOf(unsigned char c) {
    if (std::isalpha(c) != 0) {
        return std::toupper(c);
    }
    if (std::isdigit(c) != 0) {
        return c;
    }
    switch (c) {
        case ';':
            return 186;
        case '=':
            return 187;
        case ',':
            return 188;
        case '-':
            return 189;
        case '.':
            return 190;
        case '/':
            return 191;
        case '`':
            return 192;
        case '[':
            return 219;
        case '\\':
            return 220;
        case ']':
            return 221;
        case '\'':
            return 222;
        default:
            return 0;  // no key of its own: only the typed character arrives
    }
}

void ParseKey(std::string_view word, ScriptCommand& command) {
    for (const KeyName& named : kNamedKeys) {
        if (word == named.name) {
            command.key_code = named.code;
            command.key_ascii = named.ascii;
            return;
        }
    }
    if (word.size() >= 2 && word.size() <= 3 && word.front() == 'f' &&
        std::isdigit(static_cast<unsigned char>(word[1])) != 0) {
        const auto n = Number(word.substr(1), "the function key", 1, 12);
        command.key_code = key::kF1 + static_cast<int>(n) - 1;
        return;
    }
    const auto bytes = Utf8ToWindows1252(word);
    if (!bytes || bytes->size() != 1 || static_cast<unsigned char>(bytes->front()) <= 32 ||
        bytes->front() == 127) {
        Fail("unknown key \"" + std::string(word) +
             "\": use escape, enter, f1 to f12, space or one printable character");
    }
    const auto c = static_cast<unsigned char>(bytes->front());
    command.key_code = KeyCodeOf(c);
    command.key_ascii = c;
}

MsgBoxResult ParseAnswer(std::string_view word) {
    if (word.empty()) {
        Fail("the answer is missing");
    }
    if (word == "yes") {
        return MsgBoxResult::kYes;
    }
    if (word == "no") {
        return MsgBoxResult::kNo;
    }
    if (word == "ok") {
        return MsgBoxResult::kOk;
    }
    if (word == "cancel") {
        return MsgBoxResult::kCancel;
    }
    Fail("answer must be yes, no, ok or cancel, not \"" + std::string(word) + "\"");
}

void ParseExpect(std::string_view rest, ScriptCommand& command) {
    const std::string_view what = NextWord(rest);
    if (what == "flag") {
        command.kind = CommandKind::kExpectFlag;
        command.numbers.push_back(Number(NextWord(rest), "the flag number", 0, 255));
        command.numbers.push_back(
            Number(NextWord(rest), "the flag value", kIntegerLow, kIntegerHigh));
        NoMore(rest);
    } else if (what == "scene") {
        command.kind = CommandKind::kExpectScene;
        command.numbers.push_back(Number(NextWord(rest), "the scene", kIntegerLow, kIntegerHigh));
        NoMore(rest);
    } else if (what == "inventory") {
        command.kind = CommandKind::kExpectInventory;
        while (!rest.empty()) {
            command.numbers.push_back(Number(NextWord(rest), "an item", kIntegerLow, kIntegerHigh));
        }
        if (command.numbers.size() > 16) {
            Fail("the inventory bar holds at most 16 items");
        }
    } else if (what == "in-hand") {
        command.kind = CommandKind::kExpectInHand;
        const std::string_view item = NextWord(rest);
        if (item == "none") {
            command.none = true;
        } else {
            command.numbers.push_back(Number(item, "the item", kIntegerLow, kIntegerHigh));
        }
        NoMore(rest);
    } else if (what == "visible" || what == "hidden" || what == "shown") {
        command.kind = what == "visible"  ? CommandKind::kExpectVisible
                       : what == "hidden" ? CommandKind::kExpectHidden
                                          : CommandKind::kExpectShown;
        command.control = ControlWord(rest);
        NoMore(rest);
    } else if (what == "caption") {
        command.kind = CommandKind::kExpectCaption;
        command.control = ControlWord(rest);
        command.text = GameText(rest);
    } else if (what == "pointer") {
        command.kind = CommandKind::kExpectPointer;
        const std::string_view which = NextWord(rest);
        if (which == "item") {
            command.pointer = PointerWanted::kItem;
        } else if (which == "item-hl") {
            command.pointer = PointerWanted::kItemHighlighted;
        } else {
            command.numbers.push_back(Number(which, "the pointer", 1, 15));
        }
        NoMore(rest);
    } else if (what == "playing") {
        command.kind = CommandKind::kExpectPlaying;
        command.numbers.push_back(Number(NextWord(rest), "the sound channel", 1, 20));
        const std::string_view file = NextWord(rest);
        if (file.empty()) {
            Fail("a file name or none is missing");
        }
        NoMore(rest);
        if (file == "none") {
            command.none = true;
        } else {
            command.text = GameText(file);
        }
    } else if (what == "music") {
        command.kind = CommandKind::kExpectMusic;
        const std::string_view file = NextWord(rest);
        if (file.empty()) {
            Fail("a file name or none is missing");
        }
        NoMore(rest);
        if (file == "none") {
            command.none = true;
        } else {
            command.text = GameText(file);
        }
    } else if (what == "location") {
        command.kind = CommandKind::kExpectLocation;
        command.numbers.push_back(Number(NextWord(rest), "the map location", 1, 20));
        const std::string_view mark = NextWord(rest);
        if (mark.empty()) {
            Fail("shown or hidden is missing");
        }
        if (mark != "shown" && mark != "hidden") {
            Fail("a map location is expected shown or hidden");
        }
        command.shown = mark == "shown";
        NoMore(rest);
    } else if (what == "clipboard") {
        command.kind = CommandKind::kExpectClipboard;
        command.text = ClipboardText(GameText(rest));
    } else if (what == "count" || what == "height") {
        command.kind = what == "count" ? CommandKind::kExpectCount : CommandKind::kExpectHeight;
        command.control = ControlWord(rest);
        command.numbers.push_back(Number(NextWord(rest), "the number", 0, 1'000'000));
        NoMore(rest);
    } else if (what == "minimized" || what == "restored") {
        command.kind =
            what == "minimized" ? CommandKind::kExpectMinimized : CommandKind::kExpectRestored;
        command.control = ControlWord(rest);
        NoMore(rest);
    } else {
        Fail(what.empty() ? std::string("what to expect is missing")
                          : "unknown expectation \"" + std::string(what) + "\"");
    }
}

ScriptCommand ParseCommand(std::string_view rest, int line) {
    ScriptCommand command;
    command.line = line;
    const std::string_view verb = NextWord(rest);
    if (verb == "wait") {
        command.kind = CommandKind::kWait;
        command.numbers.push_back(Number(NextWord(rest), "the wait", 0, kLongestWait));
        NoMore(rest);
    } else if (verb == "click") {
        command.kind = CommandKind::kClick;
        command.control = ControlWord(rest);
        const std::string_view button = NextWord(rest);
        if (button == "right") {
            command.button = MouseButton::kRight;
        } else if (!button.empty()) {
            Fail("a click is plain or right, not \"" + std::string(button) + "\"");
        }
        NoMore(rest);
    } else if (verb == "hover") {
        command.kind = CommandKind::kHover;
        command.control = ControlWord(rest);
        NoMore(rest);
    } else if (verb == "key") {
        command.kind = CommandKind::kKey;
        const std::string_view key = NextWord(rest);
        if (key.empty()) {
            Fail("a key is missing");
        }
        ParseKey(key, command);
        NoMore(rest);
    } else if (verb == "type" || verb == "select") {
        command.kind = verb == "type" ? CommandKind::kType : CommandKind::kSelect;
        command.control = ControlWord(rest);
        command.text = GameText(rest);
        if (command.text.empty()) {
            Fail("the text is missing");
        }
    } else if (verb == "retype") {
        // Selects what the box holds and types over it; an empty text just empties it.
        command.kind = CommandKind::kType;
        command.replace = true;
        command.control = ControlWord(rest);
        command.text = GameText(rest);
    } else if (verb == "restore") {
        command.kind = CommandKind::kRestore;
        command.control = ControlWord(rest);
        NoMore(rest);
    } else if (verb == "answer") {
        command.kind = CommandKind::kAnswer;
        command.answer = ParseAnswer(NextWord(rest));
        NoMore(rest);
    } else if (verb == "expect") {
        ParseExpect(rest, command);
    } else if (verb == "state") {
        command.kind = CommandKind::kState;
        NoMore(rest);
    } else {
        Fail("unknown command \"" + std::string(verb) + "\"");
    }
    return command;
}

}  // namespace

std::string DescribeScriptError(const ScriptError& error) {
    return "script line " + std::to_string(error.line) + ": " + error.message;
}

std::optional<ScriptCommand> ParseScriptLine(std::string_view text, int line,
                                             std::optional<ScriptError>& error) {
    const std::string_view content = TrimBlanks(text);
    if (content.empty() || content.front() == '#') {
        return std::nullopt;
    }
    try {
        return ParseCommand(content, line);
    } catch (const Malformed& malformed) {
        error = ScriptError{line, malformed.message};
        return std::nullopt;
    }
}

ParsedScript ParseScript(std::istream& in) {
    ParsedScript script;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        auto command = ParseScriptLine(text, line, script.error);
        if (script.error) {
            script.commands.clear();
            return script;
        }
        if (command) {
            script.commands.push_back(std::move(*command));
        }
    }
    return script;
}

ParsedScript ParseScript(std::string_view text) {
    std::istringstream in{std::string(text)};
    return ParseScript(in);
}

}  // namespace morvane
