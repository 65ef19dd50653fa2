#include "engine/flags.h"

namespace morvane {

bool CheckFlag(const GameState& state, Integer FlagNo, Integer Op, double Value) {
    if (Op < 0 || Op > 3) {
        return false;
    }
    const double flag = state.Flags(FlagNo);
    switch (Op) {
        case 0:
            return flag == Value;
        case 1:
            return flag != Value;
        case 2:
            return flag < Value;
        default:
            return flag > Value;
    }
}

}  // namespace morvane
