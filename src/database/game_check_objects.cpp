// The 20 object blocks of a scene, each by its kind: the positions the player reads for that
// kind, and only while the option that makes it read them is on.
#include <array>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "database/game_checker.h"

namespace morvane::check {
namespace {

constexpr std::array<const char*, 10> kKindNames = {
    "Ambient",   "Link",  "Goodie",        "Switch",       "Reactor",
    "Responder", "Delay", "Multi-Trigger", "Conversation", "Flag Conjunction"};

// Reads one object block with the checker's helpers, naming fields by their position.
class ObjectCheck {
  public:
    ObjectCheck(GameChecker& c, int scene, const ObjectBlock& o) : c_(c), scene_(scene), o_(o) {}

    Integer p(int position) const { return o_.P(position); }

    void Picture() { c_.Picture(P(3), o_.S(3)); }
    void Sound(int position) { c_.Media(P(position), o_.S(position), MediaUse::kSound); }
    void Media(int position, MediaUse use) { c_.Media(P(position), o_.S(position), use); }
    void Channel(int position, bool minus_one_is_dialogue = false) {
        c_.Channel(P(position), p(position), minus_one_is_dialogue);
    }
    void Flag(int position) { c_.Flag(P(position), p(position)); }
    // Flag, operator, value at three positions from `first`.
    void Condition(int first) { c_.Condition(P(first), p(first), P(first + 1), p(first + 1)); }
    // Shown when the field is 1, or when the condition of the next three holds when it is 2.
    void Visibility(int field) {
        if (p(field) == 2) {
            Condition(field + 1);
        }
    }
    // `SetFlag(flag, value, mode)` from the three positions from `first`, when `enable` is 1.
    void SetsFlag(int enable, int first) {
        if (p(enable) == 1) {
            Flag(first);
            c_.FlagMode(P(first + 2), p(first + 2));
        }
    }
    void NeedsItem(int enable, int item) {
        if (p(enable) == 1) {
            c_.Item(P(item), p(item));
        }
    }
    void AddsLocation(int enable, int location) {
        if (p(enable) == 1 && p(location) != 0) {
            c_.MapLocation(P(location), p(location));
        }
    }
    // The animation styles 1 to `last` choose how the picture plays; others set nothing.
    void Style(int position, int last) {
        if (p(position) < 1 || p(position) > last) {
            c_.Warning(P(position), "animation style " + std::to_string(p(position)) +
                                        " is not one of 1 to " + std::to_string(last) +
                                        "; the picture keeps the last object's settings");
        }
    }
    void Scene(int position) { c_.Scene(P(position), p(position), true); }
    void Error(int position, const std::string& problem) { c_.Error(P(position), problem); }
    void Warning(int position, const std::string& problem) { c_.Warning(P(position), problem); }

    void Ambient();
    void Link();
    void Goodie();
    void Switch();
    void Reactor();
    void Responder();
    void Delay();
    void MultiTrigger();
    void Conversation();
    void FlagConjunction();

  private:
    GameChecker& c_;
    int scene_;
    const ObjectBlock& o_;
};

void ObjectCheck::Ambient() {
    Picture();
    Style(12, 3);
    Sound(4);
    Visibility(16);
    SetsFlag(20, 21);
    AddsLocation(24, 25);
    Channel(26);
}

void ObjectCheck::Link() {
    Picture();
    if (p(12) < 0 || p(12) > 15) {
        Warning(12, "pointer " + std::to_string(p(12)) +
                        " does not exist (0 normal, 1 to 15); the normal pointer shows");
    }
    Style(13, 3);
    Sound(4);
    Sound(5);
    if (p(18) == 1) {
        Sound(6);
    }
    NeedsItem(18, 19);
    if (p(23) != 2 && p(24) != 0) {
        Scene(24);
    }
    Visibility(25);
    SetsFlag(29, 30);
    for (int position : {34, 35, 36}) {
        Channel(position);
    }
}

void ObjectCheck::Goodie() {
    Picture();
    Style(12, 3);
    if (p(12) != 3) {
        Sound(4);
    }
    Media(5, MediaUse::kSoundOrMovie);
    if (p(18) == 1) {
        Sound(6);
    }
    c_.Item(P(17), p(17));
    NeedsItem(18, 19);
    Visibility(23);
    SetsFlag(27, 28);
    for (int position : {31, 32, 33}) {
        Channel(position);
    }
}

void ObjectCheck::Switch() {
    Picture();
    if (p(12) == 0) {
        Error(12, "flag 0 never changes; the switch does nothing");
    } else {
        Flag(12);
    }
    Sound(4);
    Sound(5);
    if (p(19) == 1) {
        Sound(6);
    }
    NeedsItem(19, 20);
    Visibility(24);
    Channel(28);
    Channel(29);
}

void ObjectCheck::Reactor() {
    Picture();
    Style(12, 5);
    if (p(12) == 3 || p(12) == 4) {
        Media(4, MediaUse::kMovie);
    } else {
        Sound(5);
    }
    Visibility(16);
    SetsFlag(20, 21);
    AddsLocation(24, 25);
    Channel(27, true);
}

void ObjectCheck::Responder() {
    if (p(12) == 1) {
        Condition(13);
    } else if (p(12) == 2) {
        if (o_.S(3).Trimmed().empty()) {
            Error(3, "no trigger sound; the responder never fires");
        }
    } else {
        Warning(12, "trigger " + std::to_string(p(12)) +
                        " is neither 1 (a flag) nor 2 (a sound); the responder never fires");
    }
    if (p(17) == 1) {
        Media(4, MediaUse::kMusic);
    }
    if (p(19) == 1) {
        Media(5, MediaUse::kSoundOrMovie);
    }
    if (p(22) == 1 && p(23) != 0) {
        if (p(23) == scene_) {
            Error(23, "a scene change to the scene itself");
        } else {
            Scene(23);
        }
    }
    SetsFlag(24, 25);
    AddsLocation(28, 29);
    if (p(30) == 1 && p(31) > 0) {
        c_.Item(P(31), p(31));
    }
    Channel(32);
}

void ObjectCheck::Delay() {
    Condition(13);
    if (p(16) > 32) {
        Error(16, "a delay of " + std::to_string(p(16)) +
                      " seconds is longer than the timers can hold (32)");
    } else if (p(16) < 0) {
        Warning(16, "a delay of " + std::to_string(p(16)) + " seconds never runs out");
    }
    Flag(17);
    c_.FlagMode(P(19), p(19));
}

void ObjectCheck::MultiTrigger() {
    for (int base : {13, 21, 29}) {
        // Every trigger's condition is tested, used or not.
        Condition(base);
        SetsFlag(base + 3, base + 4);
        if (p(base + 7) == scene_) {
            Error(base + 7, "a scene change to the scene itself");
        } else {
            Scene(base + 7);
        }
    }
}

void ObjectCheck::Conversation() {
    // The flag is read when the scene loads, whatever the conversation's settings.
    Flag(14);
    if (p(13) == 1 || p(13) == 2) {
        c_.CueCard(P(12), p(12));
    }
    if (p(13) == 2) {
        c_.Operator(P(15), p(15));
    }
}

// A number written as text, converted as the player converts it.
bool IsNumber(const std::string& text) {
    if (text.empty()) {
        return true;
    }
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return end != nullptr && *end == '\0';
}

void ObjectCheck::FlagConjunction() {
    for (int first = 13; first <= 33; first += 4) {
        Flag(first + 1);  // read when the scene loads
        if (p(first) == 1) {
            c_.Operator(P(first + 2), p(first + 2));
        }
    }
    for (int position : {3, 4, 5}) {
        const std::string text = o_.S(position).Trimmed();
        if (!IsNumber(text)) {
            Error(position, "\"" + Windows1252ToUtf8(text) + "\" is not a number");
        }
    }
    const std::string flag = o_.S(3).Trimmed();
    if (IsNumber(flag) && !flag.empty()) {
        const double value = std::strtod(flag.c_str(), nullptr);
        if (value < -0.5 || value >= 255.5) {
            Error(3, "flag " + flag + " is outside 0 to 255");
        }
    }
}

}  // namespace

void CheckObject(GameChecker& c, int scene, int slot, const ObjectBlock& o) {
    if (o == ObjectBlock{}) {
        return;  // an unused slot
    }
    const bool known = o.Kind >= 0 && o.Kind <= 9;
    c.At("scene", scene, slot, known ? kKindNames[static_cast<std::size_t>(o.Kind)] : "");
    ObjectCheck check(c, scene, o);
    switch (o.Kind) {
        case 0:
            return check.Ambient();
        case 1:
            return check.Link();
        case 2:
            return check.Goodie();
        case 3:
            return check.Switch();
        case 4:
            return check.Reactor();
        case 5:
            return check.Responder();
        case 6:
            return check.Delay();
        case 7:
            return check.MultiTrigger();
        case 8:
            return check.Conversation();
        case 9:
            return check.FlagConjunction();
        default:
            c.Error("kind", "unknown object kind " + std::to_string(o.Kind) +
                                " (0 to 9); the player shows a placeholder and a message");
    }
}

}  // namespace morvane::check
