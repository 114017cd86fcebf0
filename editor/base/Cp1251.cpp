#include "editor/base/Cp1251.h"

namespace varlo::cp1251 {

std::string toLower(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
    return out;
}

std::bitset<256> letterCharacters() {
    std::bitset<256> set;
    for (int c = 0; c < 256; ++c) {
        const bool latin =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (latin || (c >= 192 && c != 215 && c != 247))
            set.set(static_cast<std::size_t>(c));
    }
    return set;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const int b = fromUnicode(decodeUtf8(utf8, i));
        if (b < 0)
            return std::nullopt;
        out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const char16_t u = kToUnicode[static_cast<unsigned char>(c)];
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

} // namespace varlo::cp1251
