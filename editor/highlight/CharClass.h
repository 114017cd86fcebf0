#pragma once

#include <array>

// Character tests shared by the scanners, as function objects so that a scanning loop that is
// handed one inlines it. Windows-1251 letters (192 to 255, with Ё and ё) count as letters, so
// Russian names in source text stay whole words.

namespace varlo::chars {

namespace detail {

enum : unsigned char { kDigit = 1, kHex = 2, kAscii = 4, kWordStart = 8 };

constexpr std::array<unsigned char, 256> makeClasses() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        unsigned char k = 0;
        const bool ascii = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (c >= '0' && c <= '9')
            k |= kDigit | kHex;
        if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))
            k |= kHex;
        if (ascii)
            k |= kAscii;
        if (ascii || c == '_' || c >= 192 || c == 168 || c == 184)
            k |= kWordStart;
        t[static_cast<std::size_t>(c)] = k;
    }
    return t;
}
inline constexpr auto kClasses = makeClasses();

} // namespace detail

inline constexpr auto isDigit = [](unsigned char c) {
    return (detail::kClasses[c] & detail::kDigit) != 0;
};
inline constexpr auto isHexDigit = [](unsigned char c) {
    return (detail::kClasses[c] & detail::kHex) != 0;
};
inline constexpr auto isAsciiLetter = [](unsigned char c) {
    return (detail::kClasses[c] & detail::kAscii) != 0;
};
// A name starts with a letter or an underscore.
inline constexpr auto isWordStart = [](unsigned char c) {
    return (detail::kClasses[c] & detail::kWordStart) != 0;
};
inline constexpr auto isWord = [](unsigned char c) {
    return (detail::kClasses[c] & (detail::kWordStart | detail::kDigit)) != 0;
};
inline constexpr auto isBlank = [](unsigned char c) { return c <= 32; };
// Brackets, separators and operator characters; none of them opens a comment or a string.
inline constexpr auto isPlainPunct = [](unsigned char c) {
    switch (c) {
    case '(':
    case ')':
    case '[':
    case ']':
    case ';':
    case ',':
    case '.':
    case ':':
    case '?':
    case '~':
    case '!':
    case '%':
    case '^':
    case '&':
    case '*':
    case '+':
    case '-':
    case '=':
    case '<':
    case '>':
    case '|':
        return true;
    default:
        return false;
    }
};

} // namespace varlo::chars
