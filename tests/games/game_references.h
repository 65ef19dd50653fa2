#pragma once

#include <set>
#include <string>

#include "database/game_data.h"

namespace morvane::testing {

// The files a game's data names, as bare names: pictures for "resource\gfx\", sounds, music
// and movies for "resource\mmedia\". Only fields the player acts on with their present
// settings count (a menu-button picture only when the game asks for its own buttons).
struct GameReferences {
    std::set<std::string> Pictures;
    std::set<std::string> Media;
    // Two-frame button pictures: the main-menu buttons and the in-game buttons.
    std::set<std::string> Buttons;
};

GameReferences CollectReferences(const GameData& game);

}  // namespace morvane::testing
