// Drives the model and the naive reference with the same long random sequences of operations
// and compares everything a caller can see after every step.

#include "editor/document/EditorModel.h"
#include "tests/support/ReferenceModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>
#include <random>
#include <sstream>

using namespace varlo;

namespace {

class Driver {
public:
    explicit Driver(unsigned seed) : rng_(seed) {
        model_.onChange = [this] { ++modelChanges_; };
        model_.setClipboard(&clipboard_);
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    std::string randomText(int maxLength) {
        static const char alphabet[] = "ab \tXY\r\n\r\n<>";
        std::string s;
        const int n = pick(0, maxLength);
        for (int i = 0; i < n; ++i)
            s.push_back(alphabet[pick(0, sizeof(alphabet) - 2)]);
        return s;
    }
    Position randomPosition() {
        const int n = static_cast<int>(ref_.lines.size());
        int maxLen = 0;
        for (const auto& l : ref_.lines)
            maxLen = std::max(maxLen, static_cast<int>(l.size()));
        const int column = pick(0, 20) == 0 ? pick(1000, 1100) : pick(0, maxLen + 4);
        return Position{column, pick(0, n + 2)};
    }
    // Offsets and positions a client outside may ask for: around the text, or far outside it.
    std::int64_t wildOffset() {
        switch (pick(0, 9)) {
        case 0:
            return std::numeric_limits<int>::min();
        case 1:
            return std::numeric_limits<int>::max();
        default:
            return pick(-3, static_cast<int>(ref_.text().size()) + 3);
        }
    }
    SelectionMode randomMode() { return static_cast<SelectionMode>(pick(0, 2)); }

    // One random operation on both; returns its description for the failure log.
    std::string step() {
        std::ostringstream op;
        const int which = pick(0, 99);
        if (which < 30) {
            const std::string s = randomText(pick(0, 3) == 0 ? 12 : 2);
            op << "setSelectedText(" << escape(s) << ")";
            model_.setSelectedText(s);
            ref_.setSelectedText(s);
        } else if (which < 40) {
            const Position p = randomPosition();
            const bool keyboard = pick(0, 1) == 1;
            op << "moveCaret(" << p.column << "," << p.line << (keyboard ? ",key" : "") << ")";
            if (keyboard) {
                model_.groupBreak();
                ref_.groupBreak();
            }
            model_.setCaret(p);
            model_.setSelectionBegin(model_.caret());
            ref_.caret = ref_.clampCaret(p);
            ref_.bb = ref_.be = ref_.clampSel(ref_.caret);
        } else if (which < 48) {
            const Position c = randomPosition(), b = randomPosition(), e = randomPosition();
            op << "select(" << b.column << "," << b.line << " - " << e.column << "," << e.line
               << ")";
            model_.setCaretAndSelection(c, b, e);
            ref_.caret = ref_.clampCaret(c);
            ref_.bb = ref_.clampSel(b);
            ref_.be = ref_.clampSel(e);
        } else if (which < 53) {
            const auto v =
                static_cast<std::int64_t>(pick(-2, static_cast<int>(ref_.text().size()) + 5));
            op << "setSelectionStart(" << v << ")";
            model_.setSelectionStart(v);
            ref_.setSelectionStart(v);
        } else if (which < 58) {
            const auto v =
                static_cast<std::int64_t>(pick(-3, static_cast<int>(ref_.text().size()) + 3));
            op << "setSelectionLength(" << v << ")";
            model_.setSelectionLength(v);
            ref_.setSelectionLength(v);
        } else if (which < 68) {
            op << "undo";
            model_.undo();
            ref_.undo();
        } else if (which < 75) {
            op << "redo";
            model_.redo();
            ref_.redo();
        } else if (which < 77) {
            const std::string s = randomText(16);
            op << "setText(" << escape(s) << ")";
            model_.setText(s);
            ref_.setText(s);
        } else if (which < 80) {
            // A line as the loader makes it: it may hold a lone CR, never an LF.
            std::string s = randomText(4);
            std::replace(s.begin(), s.end(), '\n', 'Y');
            op << "addLine(" << escape(s) << ")";
            model_.addLine(s);
            ref_.addLine(s);
        } else if (which < 84) {
            const bool v = pick(0, 1) == 1;
            op << "setModified(" << v << ")";
            model_.setModified(v);
            ref_.setModified(v);
        } else if (which < 85) {
            op << "clearAll";
            model_.clearAll();
            ref_.clearAll();
        } else if (which < 89) {
            const SelectionMode m = pick(0, 3) == 0 ? randomMode() : SelectionMode::smNormal;
            op << "setSelectionMode(" << static_cast<int>(m) << ")";
            model_.setSelectionMode(m);
            ref_.setMode(m);
        } else if (which < 96) {
            const std::string s = randomText(6);
            std::optional<SelectionMode> m;
            if (pick(0, 2) == 0)
                m = randomMode();
            op << "paste(" << escape(s) << "," << (m ? static_cast<int>(*m) : -1) << ")";
            clipboard_.content = EditorClipboard::Content{s, m};
            model_.paste();
            ref_.paste(s, m);
        } else {
            op << "selectAll";
            model_.selectAll();
            const int n = static_cast<int>(ref_.lines.size());
            const Position last = n == 0 ? Position{} : Position{ref_.len(n) + 1, n};
            ref_.caret = ref_.clampCaret(last);
            ref_.bb = ref_.clampSel(Position{});
            ref_.be = ref_.clampSel(last);
        }
        return op.str();
    }

    // The text the document had each time the undo list held a given number of records, taken
    // after every operation: undo and redo land where some operation ended, and must give back
    // that text byte for byte. It knows nothing of how records are undone. An edit that is not
    // recorded (records made before it may then name its lines), or records falling off the full
    // list, put the older states out of its reach; a new text resets it.
    std::string checkSnapshot(const std::string& op) {
        const int size = model_.undoList().size();
        const std::string text = model_.text();
        std::string d;
        if (op == "undo" || op == "redo") {
            const auto it = snapshots_.find(size);
            if (size > floor_ && it != snapshots_.end() && it->second != text)
                d = op + " gave " + escape(text) + " where the text was " + escape(it->second) +
                    "; ";
        } else {
            snapshots_.erase(snapshots_.upper_bound(size), snapshots_.end());
        }
        if (op.rfind("setText", 0) == 0 || op == "clearAll") {
            snapshots_.clear();
            floor_ = -1;
        } else if (op.rfind("addLine", 0) == 0 || size >= TSynUndoList::kMaxUndo) {
            snapshots_.clear();
            floor_ = size;
        }
        snapshots_[size] = text;
        return d;
    }

    // Empty when the two agree.
    std::string compare() {
        std::ostringstream d;
        std::vector<std::string> lines;
        for (int i = 0; i < model_.lineCount(); ++i)
            lines.push_back(model_.line(i));
        if (lines != ref_.lines)
            d << "lines: model " << escape(model_.text()) << " ref " << escape(ref_.text()) << "; ";
        if (model_.text() != ref_.text() ||
            model_.textLength() != static_cast<std::int64_t>(ref_.text().size()))
            d << "text; ";
        if (!(model_.caret() == ref_.caret))
            d << "caret " << model_.caret().column << "," << model_.caret().line << " vs "
              << ref_.caret.column << "," << ref_.caret.line << "; ";
        if (!(model_.selectionBegin() == ref_.selBegin()) ||
            !(model_.selectionEnd() == ref_.selEnd()))
            d << "selection; ";
        if (model_.selectionAvailable() != ref_.avail())
            d << "avail; ";
        if (model_.selectionStart() != ref_.selectionStart())
            d << "SelectionStart " << model_.selectionStart() << " vs " << ref_.selectionStart()
              << "; ";
        if (model_.selectionLength() != ref_.selectionLength())
            d << "SelectionLength; ";
        const std::string refSel =
            ref_.avail() ? ref_.rangeText(ref_.selBegin(), ref_.selEnd(), ref_.active) : "";
        if (model_.selectedText() != refSel)
            d << "SelectedText " << escape(model_.selectedText()) << " vs " << escape(refSel)
              << "; ";
        if (model_.caretLineText() !=
            (ref_.caret.line <= static_cast<int>(ref_.lines.size()) && !ref_.lines.empty()
                 ? ref_.lines[ref_.caret.line - 1]
                 : std::string()))
            d << "CaretLineText; ";
        if (model_.isModified() != ref_.modified)
            d << "IsModified " << model_.isModified() << "; ";
        if (modelChanges_ != ref_.changes)
            d << "OnChange " << modelChanges_ << " vs " << ref_.changes << "; ";
        const std::string text = ref_.text();
        for (int i = 0; i < 3; ++i) {
            const std::int64_t from = wildOffset(), to = wildOffset();
            const auto length = static_cast<std::int64_t>(text.size());
            const std::int64_t f = std::clamp<std::int64_t>(from, 0, length);
            const std::int64_t t = std::clamp<std::int64_t>(to, f, length);
            if (model_.textBetween(from, to) != text.substr(f, t - f))
                d << "textBetween(" << from << "," << to << "); ";
            const Position wild{static_cast<int>(wildOffset()), static_cast<int>(wildOffset())};
            model_.rangeText(wild, randomPosition(), randomMode());
            model_.linePart(wild.line, wild.column, static_cast<int>(wildOffset()));
            model_.displayColumn(wild.line, wild.column);
            model_.columnStartingAt(wild.line, wild.column);
            model_.textOffsetInLine(wild);
            model_.selectionRange(static_cast<int>(wildOffset()));
        }
        if (model_.text() != text || !(model_.caret() == ref_.caret))
            d << "a query changed the model; ";
        for (int i = 0; i < 3; ++i) {
            const auto v =
                static_cast<std::int64_t>(pick(-2, static_cast<int>(ref_.text().size()) + 4));
            if (!(model_.textOffsetToPosition(v) == ref_.offsetToPos(v)))
                d << "TextOffsetToPosition(" << v << "); ";
            const Position p = randomPosition();
            if (model_.positionToTextOffset(p) != ref_.posToOffset(p))
                d << "PositionToTextOffset; ";
        }
        return d.str();
    }

    std::string modelText() const {
        std::string out = escape(model_.text()) + "  undo:";
        for (const auto& r : model_.undoList().items())
            out += " " + std::to_string(static_cast<int>(r.kind)) + "/" +
                   std::to_string(static_cast<int>(r.mode)) + "(" + std::to_string(r.start.column) +
                   "," + std::to_string(r.start.line) + "-" + std::to_string(r.end.column) + "," +
                   std::to_string(r.end.line) + ")" + escape(r.text) + "#" +
                   std::to_string(r.changeNumber);
        return out;
    }
    std::string refText() const { return ref_.text(); }

    static std::string escape(const std::string& s) {
        std::string out = "'";
        for (char c : s)
            out += c == '\r'   ? std::string("\\r")
                   : c == '\n' ? std::string("\\n")
                   : c == '\t' ? std::string("\\t")
                               : std::string(1, c);
        return out + "'";
    }

private:
    std::mt19937 rng_;
    EditorModel model_;
    MemoryClipboard clipboard_;
    reference::Model ref_;
    int modelChanges_ = 0;
    std::map<int, std::string> snapshots_;
    int floor_ = -1;
};

} // namespace

TEST(Differential, ModelAgreesWithTheNaiveReference) {
    // 125,000 steps in all; VARLO_DIFFERENTIAL_SEEDS runs more for a longer soak.
    const char* more = std::getenv("VARLO_DIFFERENTIAL_SEEDS");
    const unsigned seeds = more ? static_cast<unsigned>(std::atoi(more)) : 50;
    constexpr int kSteps = 2500;
    const char* traced = std::getenv("VARLO_DIFFERENTIAL_TRACE");
    const unsigned trace = traced ? static_cast<unsigned>(std::atoi(traced)) : 0;
    for (unsigned seed = 1; seed <= seeds; ++seed) {
        Driver d(seed);
        std::vector<std::string> log;
        for (int i = 0; i < kSteps; ++i) {
            log.push_back(d.step());
            const std::string restored = d.checkSnapshot(log.back());
            if (trace == seed)
                std::printf("%d %s\n   model %s\n   ref   %s\n", i, log.back().c_str(),
                            d.modelText().c_str(), Driver::escape(d.refText()).c_str());
            const std::string diff = restored + d.compare();
            if (!diff.empty()) {
                std::string tail;
                for (std::size_t j = log.size() > 12 ? log.size() - 12 : 0; j < log.size(); ++j)
                    tail += "  " + log[j] + "\n";
                FAIL() << "seed " << seed << " step " << i << ": " << diff << "\nlast steps:\n"
                       << tail;
            }
        }
    }
}
