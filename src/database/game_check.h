#pragma once

#include <set>
#include <string>
#include <vector>

#include "database/game_data.h"
#include "platform/game_paths.h"

namespace morvane {

// The game checker of morvane-tool: every reference the game data makes that cannot work in the
// player, found before anyone plays the game.

enum class Severity { kError, kWarning };

// One thing the checker found, e.g. "scene 3 object 7 (Goodie) p17: item 12 does not exist
// (9 items)". Errors are references the player cannot follow (a missing file, a number beyond a
// count, a value that raises a run-time error); warnings are data that works but is probably not
// what the author meant (a text that fills its whole field, an unknown animation style).
struct Finding {
    Severity Level = Severity::kError;
    std::string File;   // "game", "general", "scene", "location", "item", "conversation"
    int Record = 0;     // record number, 0 for the whole file
    int Object = 0;     // object slot 1 to 20 of a scene, else 0
    std::string Kind;   // the object's kind name, for objects
    std::string Field;  // "p17", "field 6", "arrow B value 2", "line 3 field 9"; may be empty
    std::string Problem;

    // "scene 3 object 7 (Goodie)", "item 4", "general", "location file".
    std::string Where() const;
    // "error: scene 3 object 7 (Goodie) p17: item 12 does not exist (9 items)".
    std::string Line() const;

    bool operator==(const Finding&) const = default;
};

// Checks the records of a game whose files lie under `paths`; file names are resolved as the
// player resolves them.
std::vector<Finding> CheckGame(const GameData& game, const GamePaths& paths);

// Reads the five files of a game folder as the player does and checks them, with the files'
// own faults (a general file of the wrong length, a partial last record).
std::vector<Finding> CheckGameFolder(const GamePaths& paths);

bool HasErrors(const std::vector<Finding>& findings);

// The files a game's data names, as bare names the way the data spells them: pictures looked for
// in "resource\gfx\", sounds, music and movies in "resource\mmedia\". Only the fields the
// player acts on with their present settings count, as the checker follows them.
struct ReferencedFiles {
    std::set<std::string> Pictures;
    std::set<std::string> Media;
};

ReferencedFiles FilesNamedBy(const GameData& game, const GamePaths& paths);

// The findings as one JSON document for editors: {"errors": n, "warnings": n, "findings": [...]}.
std::string FindingsJson(const std::vector<Finding>& findings);

}  // namespace morvane
