#include "editor/document/EditorModel.h"
#include "editor/document/LineSplit.h"

#include <algorithm>

// Column (rectangle) selections: their screen columns are found per line, tabs included.

namespace varlo {

// The screen cells of a rectangle's left and right edges.
std::pair<int, int> EditorModel::columnEdges(Position b, Position e) const {
    const int x1 = displayColumn(b.line, b.column);
    const int x2 = displayColumn(e.line, e.column);
    return {std::min(x1, x2), std::max(x1, x2)};
}

std::string EditorModel::columnText(Position b, Position e) const {
    const auto [xl, xr] = columnEdges(b, e);
    std::string out;
    for (int y = b.line; y <= e.line; ++y) {
        if (y > b.line)
            out += "\r\n";
        const int len = lineLength(y - 1);
        const int cl = std::min(columnStartingAt(y, xl), len + 1);
        const int cr = std::min(columnStartingAt(y, xr), len + 1);
        out += lines_.part(y - 1, cl - 1, cr - cl);
    }
    return out;
}

// Each piece goes in at the same screen column on successive lines, lines being added and
// padded with spaces where needed; an empty piece leaves its line alone.
void EditorModel::insertColumn(Position p, std::string_view s) {
    const std::vector<std::string_view> pieces = piecesOf(s);
    const int x = displayColumn(p.line, p.column);
    const int before = lineCount();
    Position after = p;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int y = p.line - 1 + static_cast<int>(i);
        if (y >= lineCount())
            lines_.insertLine(lineCount(), {});
        const int col = columnStartingAt(y + 1, x);
        if (!pieces[i].empty()) {
            const int len = lineLength(y);
            if (col - 1 > len)
                lines_.insert(y, len, std::string(static_cast<std::size_t>(col - 1 - len), ' '));
            lines_.insert(y, col - 1, pieces[i]);
        }
        after = Position{col + static_cast<int>(pieces[i].size()), y + 1};
    }
    const int touched = static_cast<int>(pieces.size());
    const int existed = std::min(touched, before - (p.line - 1));
    caret_ = clampCaret(after);
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, p.line - 1, existed,
           touched);
}

// Removes, on successive lines from p's, as many characters as each piece holds at p's screen
// column: the exact reverse of insertColumn.
std::string EditorModel::removeColumn(Position p, std::string_view text) {
    const std::vector<std::string_view> pieces = piecesOf(text);
    const int x = displayColumn(p.line, p.column);
    std::vector<std::string> removed;
    int last = p.line - 1;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int y = p.line - 1 + static_cast<int>(i);
        if (y >= lineCount())
            break;
        const int len = lineLength(y);
        const int col = std::min(columnStartingAt(y + 1, x), len + 1);
        const int count = std::min(static_cast<int>(pieces[i].size()), len - (col - 1));
        removed.push_back(lines_.part(y, col - 1, count));
        lines_.erase(y, col - 1, count);
        last = y;
    }
    std::string out;
    for (std::size_t i = 0; i < removed.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += removed[i];
    }
    caret_ = clampCaret(p);
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, p.line - 1,
           last - (p.line - 1) + 1, last - (p.line - 1) + 1);
    return out;
}

void EditorModel::removeColumnRect(Position b, Position e) {
    const auto [xl, xr] = columnEdges(b, e);
    for (int y = b.line; y <= e.line; ++y) {
        const int len = lineLength(y - 1);
        const int cl = std::min(columnStartingAt(y, xl), len + 1);
        const int cr = std::min(columnStartingAt(y, xr), len + 1);
        lines_.erase(y - 1, cl - 1, cr - cl);
    }
    caret_ = clampCaret(Position{columnStartingAt(b.line, xl), b.line});
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, b.line - 1,
           e.line - b.line + 1, e.line - b.line + 1);
}

} // namespace varlo
