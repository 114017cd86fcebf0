// Random edits of a document under the HTML highlighter: after every edit the line state cache
// must hold the end states a full scan from the top gives, whatever horizon the view sets.

#include "editor/highlight/LineStateCache.h"
#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/highlight/TokenWalk.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace varlo;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// Reads the input a byte at a time; past its end every byte is zero.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    int next() { return at < size ? data[at++] : 0; }
};

void checkAgainstFullScan(const EditorModel& m, LineStateCache& cache, TSynHTMLSyn& hl) {
    cache.scanAll();
    TokenWalk walk(hl);
    int state = 0;
    for (int i = 0; i < m.lineCount(); ++i) {
        state = walk.endState(m.line(i), i, i == 0, state);
        check(cache.endState(i) == state);
    }
}

} // namespace

// Each edit takes bytes: an action, two positions, and for an insertion a length and the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSynHTMLSyn cacheHl;
    static TSynHTMLSyn truthHl;
    Bytes in{data, size};
    EditorModel model;
    int horizon = 1 << 30;
    LineStateCache cache(
        model, [&] { return horizon; }, [] {});
    cache.setHighlighter(&cacheHl);
    for (int steps = 0; in.more() && steps < 64; ++steps) {
        const int action = in.next();
        horizon = action & 0x80 ? in.next() % 8 : 1 << 30;
        if (action & 0x40)
            cache.ensureScanned(in.next() % (model.lineCount() + 1));
        auto position = [&] {
            const int line = 1 + in.next() % std::max(1, model.lineCount());
            return Position{1 + in.next() % (model.lineLength(line - 1) + 2), line};
        };
        switch (action % 8) {
        case 0:
            model.undo();
            break;
        case 1:
            model.redo();
            break;
        case 2:
            model.setText(std::string(reinterpret_cast<const char*>(data + in.at),
                                      std::min<std::size_t>(size - in.at, 64)));
            break;
        default: {
            model.setSelectionMode(action % 8 == 3 ? SelectionMode::smColumn
                                                   : SelectionMode::smNormal);
            const Position a = position();
            const Position b = position();
            std::string text;
            for (int n = in.next() % 8; n > 0; --n)
                text += static_cast<char>(in.next());
            model.setCaretAndSelection(b, a, b);
            model.setSelectedText(text);
            break;
        }
        }
        checkAgainstFullScan(model, cache, truthHl);
    }
    return 0;
}
