#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"

#include <stdexcept>
#include <string_view>

namespace varlo {

inline constexpr const char* kHighlighterInfiniteLoop =
    "The highlighter seems to be in an infinite loop";

// The one way the editor walks the tokens of a line: the widget paints with it, the line state
// cache scans with it, and the tests and fuzz targets check highlighters through it.
//
// A walk starts a line from a stored state (or the reset state), hands each non-empty token to
// visit(pos, text, attribute) and returns the highlighter's state after the line; visit returns
// false to stop early. An empty token is skipped once; a second one in a row, or a token that does
// not move forward, throws std::runtime_error with kHighlighterInfiniteLoop.
class TokenWalk {
public:
    explicit TokenWalk(TSynCustomHighlighter& highlighter) : h_(highlighter) {}

    template <typename Visit>
    int line(std::string_view text, int lineIndex, bool reset, int startState, Visit&& visit) {
        if (reset)
            h_.resetRange();
        else
            h_.setRange(startState);
        h_.setLine(text, lineIndex);
        int end = 0; // where the previous token ended
        // Every real token covers at least one character, so a line cannot take more steps than
        // it has characters (plus the empty tokens that are each skipped once).
        long budget = 2 * static_cast<long>(text.size()) + 4;
        while (!h_.getEol()) {
            if (--budget < 0)
                throw std::runtime_error(kHighlighterInfiniteLoop);
            std::string_view token = h_.getToken();
            if (token.empty()) {
                ++emptyTokens_;
                h_.next();
                if (!h_.getEol() && h_.getToken().empty())
                    throw std::runtime_error(kHighlighterInfiniteLoop);
                continue;
            }
            const int pos = h_.getTokenPos();
            if (pos < end)
                throw std::runtime_error(kHighlighterInfiniteLoop);
            end = pos + static_cast<int>(token.size());
            if (!visit(pos, token, h_.getTokenAttribute()))
                return h_.getRange();
            h_.next();
        }
        return h_.getRange();
    }

    // The state after the line, without looking at its tokens.
    int endState(std::string_view text, int lineIndex, bool reset, int startState) {
        return line(text, lineIndex, reset, startState,
                    [](int, std::string_view, const TSynHighlighterAttributes*) { return true; });
    }

    // Empty tokens skipped so far; a highlighter that keeps its contract never yields one.
    long emptyTokens() const { return emptyTokens_; }

private:
    TSynCustomHighlighter& h_;
    long emptyTokens_ = 0;
};

} // namespace varlo
