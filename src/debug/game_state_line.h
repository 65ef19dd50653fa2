#pragma once

#include <string>
#include <vector>

#include "base/integer.h"

namespace morvane {

class GameQueries;

// What a `state` line shows of the game: "scene=3 in-hand=none inventory=[2 4] flags=[3=1
// 20=1] locations=[3 4]", the flags and map locations that are set, in number order.
std::string DescribeGameState(const GameQueries& game);

// "2 4": item numbers separated by blanks.
std::string ItemList(const std::vector<Integer>& items);

}  // namespace morvane
