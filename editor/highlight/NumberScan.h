#pragma once

#include <cstddef>
#include <string_view>

namespace varlo {

// How a language writes numeric literals.
struct NumberSyntax {
    char separator = 0;            // digit separator ('_' or '\''), 0 for none
    bool hexPrefix = true;         // 0x1F
    bool binaryPrefix = false;     // 0b101
    bool octalPrefix = false;      // 0o17
    bool leadingZeroOctal = false; // 017 is octal
    bool trailingDot = true;       // "1." is a float
    const char* suffixes = "";     // letters that may follow the digits (any order, any case)
};

enum class NumberKind { Integer, Float, Hexadecimal, Octal, Binary };

struct NumberToken {
    std::size_t end = 0;
    NumberKind kind = NumberKind::Integer;
};

// The numeric literal that starts at `pos` with a digit, or with a "." followed by a digit. A
// separator counts only between two digits of the literal, so "1_" ends before the "_".
NumberToken scanNumber(std::string_view line, std::size_t pos, const NumberSyntax& syntax);

} // namespace varlo
