#pragma once

#include "base/integer.h"

namespace morvane {

// Position 0 of an object block: what the object is. Kinds 0 to 4 are shown in the scene, 5 to 9
// are the scene's hidden rules. Any other value in the game data is an unknown kind.
enum ObjectKind : Integer {
    kAmbient = 0,
    kLink = 1,
    kGoodie = 2,
    kSwitch = 3,
    kReactor = 4,
    kResponder = 5,
    kDelay = 6,
    kMultiTrigger = 7,
    kConversation = 8,
    kFlagConjunction = 9,
};

// At run time the kind of a rule slot doubles as its status.
namespace used_up {
// A Responder or Delay that has fired: inert until the scene is loaded again.
inline constexpr Integer kFired = -1;
// A Flag Conjunction that fires once per visit and has fired.
inline constexpr Integer kSpentForTheVisit = -99;
}  // namespace used_up

constexpr bool IsRuleKind(Integer kind) {
    return kind >= kResponder && kind <= kFlagConjunction;
}

// A rule left out of the pass that closes an object update is marked -2 to -6 (Responder to Flag
// Conjunction) and gets its kind back after that pass.
constexpr Integer SetAside(ObjectKind rule) {
    return static_cast<Integer>(3 - rule);
}
constexpr bool IsSetAside(Integer kind) {
    return kind <= SetAside(kResponder) && kind >= SetAside(kFlagConjunction);
}
constexpr Integer RestoredFromSetAside(Integer marker) {
    return static_cast<Integer>(3 - marker);
}

}  // namespace morvane
