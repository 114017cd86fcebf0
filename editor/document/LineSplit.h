#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varlo {

// Splits at CR LF, a lone CR and a lone LF; LF followed by CR is two breaks. n breaks give n + 1
// pieces.
inline std::vector<std::string_view> splitLines(std::string_view s) {
    std::vector<std::string_view> pieces;
    std::size_t from = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r' && s[i] != '\n')
            continue;
        pieces.push_back(s.substr(from, i - from));
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            ++i;
        from = i + 1;
    }
    pieces.push_back(s.substr(from));
    return pieces;
}

// Splits only at CR LF: the breaks between lines in text that the model itself joined (what undo
// and redo put back), whose lines may hold a lone CR or LF of their own.
inline std::vector<std::string_view> splitJoinedLines(std::string_view s) {
    std::vector<std::string_view> pieces;
    std::size_t from = 0;
    for (std::size_t i = s.find("\r\n"); i != std::string_view::npos; i = s.find("\r\n", from)) {
        pieces.push_back(s.substr(from, i - from));
        from = i + 2;
    }
    pieces.push_back(s.substr(from));
    return pieces;
}

inline std::string joinPieces(const std::vector<std::string_view>& pieces) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += pieces[i];
    }
    return out;
}

} // namespace varlo
