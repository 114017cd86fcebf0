// Drives the text model with edit sequences taken from the input, next to the naive reference
// model, and stops at the first difference a caller could see.

#include "editor/document/EditorModel.h"
#include "tests/support/ReferenceModel.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <cstdlib>
#include <string>

using namespace varlo;

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return pos_ < size_; }
    int byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int number(int lo, int hi) { return lo + byte() % (hi - lo + 1); }
    std::string text(int maxLength) {
        static const char alphabet[] = "a \tY\r\n<>\0";
        std::string s;
        const int n = number(0, maxLength);
        for (int i = 0; i < n; ++i)
            s.push_back(alphabet[byte() % (sizeof(alphabet) - 1)]);
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Small numbers around the text mostly, sometimes the ends of the integer range.
std::int64_t wild(Input& in) {
    switch (in.byte() % 8) {
    case 0:
        return std::numeric_limits<int>::min();
    case 1:
        return std::numeric_limits<int>::max();
    case 2:
        return std::numeric_limits<std::int64_t>::max() / 2;
    default:
        return in.number(-4, 60);
    }
}

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    EditorModel m;
    MemoryClipboard clip;
    m.setClipboard(&clip);
    int changes = 0;
    m.onChange = [&] { ++changes; };
    reference::Model r;
    int steps = 0;
    while (in.more() && ++steps < 400) {
        const int n = static_cast<int>(r.lines.size());
        auto position = [&] { return Position{in.number(0, 12), in.number(0, n + 1)}; };
        switch (in.byte() % 13) {
        case 0:
        case 1: {
            const std::string s = in.text(6);
            m.setSelectedText(s);
            r.setSelectedText(s);
            break;
        }
        case 2: {
            const Position c = position(), b = position(), e = position();
            m.setCaretAndSelection(c, b, e);
            r.caret = r.clampCaret(c), r.bb = r.clampSel(b), r.be = r.clampSel(e);
            break;
        }
        case 3: {
            const int v = in.number(-2, 40);
            m.setSelectionStart(v);
            r.setSelectionStart(v);
            break;
        }
        case 4: {
            const int v = in.number(-3, 30);
            m.setSelectionLength(v);
            r.setSelectionLength(v);
            break;
        }
        case 5:
            m.undo();
            r.undo();
            break;
        case 6:
            m.redo();
            r.redo();
            break;
        case 7: {
            const std::string s = in.text(10);
            m.setText(s);
            r.setText(s);
            break;
        }
        case 8: {
            const auto mode = static_cast<SelectionMode>(in.number(0, 2));
            m.setSelectionMode(mode);
            r.setMode(mode);
            break;
        }
        case 9: {
            const std::string s = in.text(5);
            std::optional<SelectionMode> mode;
            if (in.byte() % 2)
                mode = static_cast<SelectionMode>(in.number(0, 2));
            clip.content = EditorClipboard::Content{s, mode};
            m.paste();
            r.paste(s, mode);
            break;
        }
        case 10: {
            const bool v = in.byte() % 2;
            m.setModified(v);
            r.setModified(v);
            break;
        }
        case 11: {
            // Read-only queries with any argument: they answer and leave everything as it was.
            const std::string before = m.text();
            const Position caret = m.caret(), b = m.blockAnchor(), e = m.blockEnd();
            const std::int64_t from = wild(in), to = wild(in);
            const auto length = static_cast<std::int64_t>(before.size());
            const std::int64_t f = std::clamp<std::int64_t>(from, 0, length);
            const std::int64_t t = std::clamp<std::int64_t>(to, f, length);
            check(m.textBetween(from, to) == before.substr(f, t - f));
            const Position p{static_cast<int>(wild(in)), static_cast<int>(wild(in))};
            const std::int64_t inLine = m.textOffsetInLine(p);
            check(inLine >= 0 && inLine <= length);
            m.textOffsetToPosition(from);
            m.positionToTextOffset(p);
            m.line(p.line);
            m.lineLength(p.line);
            m.linePart(p.line, p.column, static_cast<int>(wild(in)));
            m.displayColumn(p.line, p.column);
            m.columnAtDisplay(p.line, p.column);
            m.columnStartingAt(p.line, p.column);
            m.rangeText(p, Position{static_cast<int>(wild(in)), static_cast<int>(wild(in))},
                        static_cast<SelectionMode>(in.number(0, 2)));
            for (int i = -1; i <= m.selectionRangeCount(); ++i) {
                const auto [sb, se] = m.selectionRange(i);
                check(0 <= sb && sb <= se && se <= length);
            }
            m.bookmark(static_cast<int>(wild(in)));
            check(m.text() == before && m.caret() == caret && m.blockAnchor() == b &&
                  m.blockEnd() == e);
            break;
        }
        default:
            m.groupBreak();
            r.groupBreak();
            m.addLine("x");
            r.addLine("x");
            break;
        }
        check(m.text() == r.text());
        check(m.caret() == r.caret);
        check(m.selectionBegin() == r.selBegin() && m.selectionEnd() == r.selEnd());
        check(m.selectionStart() == r.selectionStart());
        check(m.selectionLength() == r.selectionLength());
        check(m.isModified() == r.modified);
        check(changes == r.changes);
    }
    return 0;
}
