#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "database/game_data.h"

namespace morvane {

// The game source format of morvane-tool: one JSON document with the records of the five files,
// fields keyed by their layout numbers, texts as UTF-8.
class GameSourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Builds the records from a document. Absent keys are blank (texts all spaces, numbers 0);
// present ones must fit their field. Anything else is a GameSourceError whose one-line message
// names the record and field: malformed JSON, an unknown key, a text longer than its field or
// with a character outside Windows-1252, a number that is not a 16-bit whole number.
GameData ParseGameSource(std::string_view json);

// The document of a game, every key present, texts trimmed as the player reads them.
std::string DumpGameSource(const GameData& game);

}  // namespace morvane
