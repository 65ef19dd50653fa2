#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Texts inside the engine are kept as the game data's Windows-1252 bytes, so that file names
// match byte for byte; they are converted to UTF-8 only where they are shown or printed.

// Removes leading and trailing spaces, as every reader of a fixed-width field does.
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);

// The classic Str(): a non-negative number gets a leading space ("Str(5)" is " 5").
std::string Str(long long value);

std::string Windows1252ToUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1252; nothing when a character has no Windows-1252 byte or the
// input is not valid UTF-8.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// ASCII-only case folding: enough for the file names and extensions of game data.
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

// The kind of a media or picture file: the last three characters of its name in lower case
// ("wav", "mid", "mp3", "avi", "gif"); a shorter name is its own kind.
std::string FileKind(std::string_view name);

}  // namespace morvane
