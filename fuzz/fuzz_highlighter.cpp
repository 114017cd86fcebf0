// Random lines from random stored states: the HTML highlighter must always move on, cover the
// line exactly with non-empty tokens, reach the end and leave a state from 0 to 8.

#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/highlight/TokenWalk.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
int scanLine(TSynHTMLSyn& hl, int state, const std::string& line) {
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
    check(after >= 0 && after <= 8);
    return after;
}

} // namespace

// The input is a start state followed by lines separated by two zero bytes (a single zero byte
// stays inside its line). The lines are scanned in order, each from the previous line's end state
// as the editor does it, and then each again from every state, so that states a document cannot
// store at that point (an entity pending, the unused state 5) are covered too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static TSynHTMLSyn hl;
    std::vector<std::string> lines(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0 && i + 1 < size && data[i + 1] == 0) {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += static_cast<char>(data[i]);
        }
    }
    int state = data[0] % 9;
    for (const auto& line : lines)
        state = scanLine(hl, state, line);
    for (const auto& line : lines)
        for (int s = 0; s <= 8; ++s)
            scanLine(hl, s, line);
    return 0;
}
