#pragma once

#include <string_view>

#include "base/integer.h"

namespace morvane {

// The number an author typed into a text box, read the classic way (Val): blanks anywhere are
// skipped, "&H" and "&O" start hexadecimal and octal numbers, reading stops at the first
// character that cannot continue the number, and text without a number is 0. The value is then
// rounded half to even to an Integer; outside the 16-bit range it is error 6 (Overflow).
Integer NumberFromEntry(std::string_view text);

// The value Val gives before the rounding.
double EntryValue(std::string_view text);

}  // namespace morvane
