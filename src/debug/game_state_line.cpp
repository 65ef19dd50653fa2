#include "debug/game_state_line.h"

#include "debug/game_queries.h"

namespace morvane {

std::string ItemList(const std::vector<Integer>& items) {
    std::string text;
    for (const Integer item : items) {
        text += (text.empty() ? "" : " ") + std::to_string(item);
    }
    return text;
}

std::string DescribeGameState(const GameQueries& game) {
    std::string flags;
    for (int number = 1; number <= 255; ++number) {
        if (const Integer value = game.Flag(number); value != 0) {
            flags +=
                (flags.empty() ? "" : " ") + std::to_string(number) + "=" + std::to_string(value);
        }
    }
    std::string locations;
    for (int location = 1; location <= 20; ++location) {
        if (game.LocationAvailable(location)) {
            locations += (locations.empty() ? "" : " ") + std::to_string(location);
        }
    }
    const auto in_hand = game.ItemInHand();
    return "scene=" + std::to_string(game.CurrentScene()) +
           " in-hand=" + (in_hand ? std::to_string(*in_hand) : std::string("none")) +
           " inventory=[" + ItemList(game.InventoryItems()) + "] flags=[" + flags +
           "] locations=[" + locations + "]";
}

}  // namespace morvane
