// Random lines from random stored states, for every highlighter of the catalogue: each must
// always move on, cover the line exactly with non-empty tokens, reach the end and leave a state
// within its range count.

#include "editor/highlight/HighlighterCatalogue.h"
#include "editor/highlight/TokenWalk.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace varlo;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// One line from its start state; returns the state after it. A walk that finds the highlighter
// stuck throws, which ends the run as a crash.
int scanLine(TSynCustomHighlighter& hl, int state, const std::string& line) {
    TokenWalk walk(hl);
    std::size_t covered = 0;
    const int after =
        walk.line(line, 0, false, state,
                  [&](int pos, std::string_view token, const TSynHighlighterAttributes* a) {
                      check(static_cast<std::size_t>(pos) == covered);
                      check(token.data() == line.data() + covered);
                      check(a != nullptr);
                      covered += token.size();
                      check(covered <= line.size());
                      return true;
                  });
    check(walk.emptyTokens() == 0);
    check(covered == line.size());
    check(hl.getTokenAttribute() == nullptr);
    check(after >= 0 && after < hl.rangeCount());
    return after;
}

// A few states from every part of the state space: all of a small space, and for the large
// ones (which keep a label's fingerprint in their upper bits) the low states and random ones.
std::vector<int> startStates(const TSynCustomHighlighter& hl, std::uint32_t seed) {
    std::vector<int> states;
    const int count = hl.rangeCount();
    for (int s = 0; s < count && s < 64; ++s)
        states.push_back(s);
    for (int k = 0; count > 64 && k < 16; ++k) {
        seed = seed * 1664525u + 1013904223u;
        states.push_back(static_cast<int>(seed % static_cast<std::uint32_t>(count)));
    }
    states.push_back(-1); // outside the range: taken as the reset state
    states.push_back(count);
    return states;
}

} // namespace

// The input is a highlighter number, a start state and lines separated by two zero bytes (a
// single zero byte stays inside its line). The lines are scanned in order, each from the previous
// line's end state as the editor does it, and then each again from a spread of start states, so
// that states a document cannot store at that point are covered too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    static std::vector<std::unique_ptr<TSynCustomHighlighter>> highlighters = [] {
        std::vector<std::unique_ptr<TSynCustomHighlighter>> all;
        for (std::size_t i = 0; i < kHighlighterCount; ++i)
            all.push_back(createConfiguredHighlighter(i));
        return all;
    }();
    TSynCustomHighlighter& hl = *highlighters[data[0] % kHighlighterCount];
    std::vector<std::string> lines(1);
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == 0 && i + 1 < size && data[i + 1] == 0) {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    int state = data[1] % hl.rangeCount();
    for (const auto& line : lines)
        state = scanLine(hl, state, line);
    const auto states = startStates(hl, static_cast<std::uint32_t>(size) * 2654435761u);
    for (const auto& line : lines)
        for (int s : states)
            scanLine(hl, s, line);
    return 0;
}
