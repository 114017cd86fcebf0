#include "editor/highlight/NumberScan.h"

#include <cstring>

namespace varlo {

namespace {

bool isDigitOf(unsigned char c, int base) {
    if (c >= '0' && c <= '9')
        return c - '0' < base;
    if (base == 16)
        return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return false;
}

unsigned char charAt(std::string_view s, std::size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

std::size_t digits(std::string_view s, std::size_t i, int base, char separator) {
    while (i < s.size()) {
        const unsigned char c = charAt(s, i);
        if (isDigitOf(c, base))
            ++i;
        else if (separator != 0 && c == static_cast<unsigned char>(separator) && i > 0 &&
                 isDigitOf(charAt(s, i - 1), base) && isDigitOf(charAt(s, i + 1), base))
            ++i;
        else
            break;
    }
    return i;
}

bool isSuffix(unsigned char c, const char* suffixes) {
    if (c == 0)
        return false;
    const unsigned char lower = (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
    return std::strchr(suffixes, lower) != nullptr;
}

} // namespace

NumberToken scanNumber(std::string_view line, std::size_t pos, const NumberSyntax& syntax) {
    NumberToken t;
    std::size_t i = pos;
    const unsigned char c0 = charAt(line, i);
    const unsigned char c1 = charAt(line, i + 1) | 0x20;
    auto prefixed = [&](int base, NumberKind kind) {
        const std::size_t end = digits(line, i + 2, base, syntax.separator);
        if (end == i + 2)
            return false; // "0x" alone is the digit 0 followed by a word
        i = end;
        t.kind = kind;
        return true;
    };
    bool done = false;
    if (c0 == '0' && c1 == 'x' && syntax.hexPrefix)
        done = prefixed(16, NumberKind::Hexadecimal);
    else if (c0 == '0' && c1 == 'b' && syntax.binaryPrefix)
        done = prefixed(2, NumberKind::Binary);
    else if (c0 == '0' && c1 == 'o' && syntax.octalPrefix)
        done = prefixed(8, NumberKind::Octal);
    if (!done) {
        i = digits(line, i, 10, syntax.separator);
        if (charAt(line, i) == '.' && isDigitOf(charAt(line, i + 1), 10)) {
            i = digits(line, i + 1, 10, syntax.separator);
            t.kind = NumberKind::Float;
        } else if (syntax.trailingDot && charAt(line, i) == '.' && i > pos &&
                   charAt(line, i + 1) != '.' &&
                   !((charAt(line, i + 1) | 0x20) >= 'a' && (charAt(line, i + 1) | 0x20) <= 'z' &&
                     (charAt(line, i + 1) | 0x20) != 'e')) {
            // "1." is a float, but "1..2" is a range and "1.foo" a member access
            ++i;
            t.kind = NumberKind::Float;
        }
        const unsigned char e = charAt(line, i) | 0x20;
        if (e == 'e') {
            std::size_t j = i + 1;
            if (charAt(line, j) == '+' || charAt(line, j) == '-')
                ++j;
            if (isDigitOf(charAt(line, j), 10)) {
                i = digits(line, j, 10, syntax.separator);
                t.kind = NumberKind::Float;
            }
        }
        if (t.kind == NumberKind::Integer && syntax.leadingZeroOctal && c0 == '0' && i > pos + 1)
            t.kind = NumberKind::Octal;
    }
    while (isSuffix(charAt(line, i), syntax.suffixes)) {
        const unsigned char s = charAt(line, i) | 0x20;
        if (t.kind == NumberKind::Integer && (s == 'f' || s == 'd' || s == 'm'))
            t.kind = NumberKind::Float;
        ++i;
    }
    t.end = i;
    return t;
}

} // namespace varlo
