#pragma once

#include <span>
#include <string_view>

namespace morvane {

// What each field of the five record layouts means to the player, by field number. The layouts
// themselves (number, offset, width, type) are the records' Visit functions, which the readers
// and the writer use; the format document joins the two, and fails when a field the layouts
// visit has no description here or a description names no field.

// Fields First to Last (one field when Last is 0) share one description.
struct FieldDescription {
    int First = 0;
    int Last = 0;
    std::string_view Name;
    std::string_view Meaning;
};

std::span<const FieldDescription> SceneHeaderDescriptions();     // fields 1 to 32
std::span<const FieldDescription> ArrowValueDescriptions();      // values 1 to 6 of an arrow
std::span<const FieldDescription> ObjectPositionDescriptions();  // positions 0 to 44
std::span<const FieldDescription> LocationDescriptions();
std::span<const FieldDescription> InventoryDescriptions();
std::span<const FieldDescription> GeneralDescriptions();
std::span<const FieldDescription> ConversationDescriptions();

// The meaning of object positions for one kind (0 Ambient to 9 Flag Conjunction).
struct KindDescription {
    int Kind = 0;
    std::string_view Name;
    std::string_view Summary;
    std::span<const FieldDescription> Positions;
};

std::span<const KindDescription> ObjectKindDescriptions();

}  // namespace morvane
