#include "debug/numeric_entry.h"

#include <cctype>
#include <cmath>
#include <string>

namespace morvane {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Val ignores blanks wherever they are: "1 2" reads as 12.
std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (!IsBlank(c)) {
            out += c;
        }
    }
    return out;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return 99;
}

// "&H" and "&O" numbers are 16-bit patterns when they fit (&HFFFF is -1), as the classic Val
// reads them; longer ones are 32-bit patterns.
double RadixValue(std::string_view digits, int radix) {
    long long value = 0;
    for (const char c : digits) {
        const int d = DigitValue(c);
        if (d >= radix) {
            break;
        }
        value = value * radix + d;
        if (value > 0xFFFFFFFFLL) {
            return std::nan("");
        }
    }
    if (value <= 0xFFFF) {
        return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(value)));
    }
    return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

}  // namespace

double EntryValue(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (kind == 'H') {
            return RadixValue(std::string_view(s).substr(2), 16);
        }
        if (kind == 'O') {
            return RadixValue(std::string_view(s).substr(2), 8);
        }
    }
    std::size_t at = 0;
    std::string number;
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
        number += s[at++];
    }
    bool digits = false;
    while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at]))) {
        number += s[at++];
        digits = true;
    }
    if (at < s.size() && s[at] == '.') {
        number += s[at++];
        while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at]))) {
            number += s[at++];
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    // An exponent counts only when digits follow it ("1e" is 1).
    if (at < s.size() && (s[at] == 'e' || s[at] == 'E' || s[at] == 'd' || s[at] == 'D')) {
        std::size_t e = at + 1;
        std::string exponent = "e";
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            exponent += s[e++];
        }
        bool exponent_digits = false;
        while (e < s.size() && std::isdigit(static_cast<unsigned char>(s[e]))) {
            exponent += s[e++];
            exponent_digits = true;
        }
        if (exponent_digits) {
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

Integer NumberFromEntry(std::string_view text) {
    const double value = EntryValue(text);
    if (std::isinf(value)) {
        Raise(ErrorNumber::kOverflow);
    }
    return RoundToInteger(value);
}

}  // namespace morvane
