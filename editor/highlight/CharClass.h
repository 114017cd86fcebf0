#pragma once

// Character tests shared by the scanners. Windows-1251 letters (192 to 255, with Ё and ё) count
// as letters, so Russian names in source text stay whole words.

namespace varlo::chars {

constexpr bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isHexDigit(unsigned char c) {
    return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}
constexpr bool isAsciiLetter(unsigned char c) {
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}
constexpr bool isCyrillic(unsigned char c) {
    return c >= 192 || c == 168 || c == 184;
}
// A name starts with a letter or an underscore.
constexpr bool isWordStart(unsigned char c) {
    return isAsciiLetter(c) || c == '_' || isCyrillic(c);
}
constexpr bool isWord(unsigned char c) {
    return isWordStart(c) || isDigit(c);
}
constexpr bool isBlank(unsigned char c) {
    return c <= 32;
}

} // namespace varlo::chars
