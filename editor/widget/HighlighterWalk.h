#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"

#include <stdexcept>
#include <string_view>

namespace varlo {

inline constexpr const char* kHighlighterInfiniteLoop =
    "The highlighter seems to be in an infinite loop";

// Walks the tokens of one line from a start state (or the reset state when `reset`), handing
// each non-empty token to visit(pos, text, attribute); visit returns false to stop early.
// Returns the highlighter's state after the line. An empty token is skipped once; a second one
// in a row, or a token that does not move forward, throws std::runtime_error with
// kHighlighterInfiniteLoop.
template <typename Visit>
int walkHighlighterLine(TSynCustomHighlighter& h, std::string_view line, int lineIndex, bool reset,
                        int startState, Visit&& visit) {
    if (reset)
        h.resetRange();
    else
        h.setRange(startState);
    h.setLine(line, lineIndex);
    int end = 0; // where the previous token ended
    // Every real token covers at least one character, so a line cannot take more steps than it
    // has characters (plus the empty tokens that are each skipped once).
    long budget = 2 * static_cast<long>(line.size()) + 4;
    while (!h.getEol()) {
        if (--budget < 0)
            throw std::runtime_error(kHighlighterInfiniteLoop);
        std::string_view token = h.getToken();
        if (token.empty()) {
            h.next();
            if (!h.getEol() && h.getToken().empty())
                throw std::runtime_error(kHighlighterInfiniteLoop);
            continue;
        }
        const int pos = h.getTokenPos();
        if (pos < end)
            throw std::runtime_error(kHighlighterInfiniteLoop);
        end = pos + static_cast<int>(token.size());
        if (!visit(pos, token, h.getTokenAttribute()))
            return h.getRange();
        h.next();
    }
    return h.getRange();
}

} // namespace varlo
