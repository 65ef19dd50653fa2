#pragma once

#include <cstddef>

namespace morvane {

// Where one field of a record lies: its number in the record layout (for a scene object block,
// its position 0 to 44), its byte offset from the start of the record (or block), and for the
// five-element arrays of a conversation record the element 1 to 5 (0 for a single field).
struct RecordField {
    int Number = 0;
    std::size_t Offset = 0;
    int Element = 0;
};

}  // namespace morvane
