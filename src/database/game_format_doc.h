#pragma once

#include <string>

namespace morvane {

// docs/game-format.md: the five files and every field of the morvane-tool JSON, with offsets,
// widths and types taken from the record layouts the readers use and meanings from the record
// descriptions. Throws std::logic_error when a field has no description or a description names
// no field, so the document cannot drift from the layouts.
std::string GameFormatDocument();

}  // namespace morvane
