#include "editor/document/EditorModel.h"

#include "editor/document/LineSplit.h"

#include <algorithm>
#include <limits>

namespace varlo {

EditorModel::EditorModel() {
    undo_.onAdded = [this](TSynUndoList& l) { undoAdded(l); };
    redo_.onAdded = [this](TSynUndoList& l) { undoAdded(l); };
}

// ---------------------------------------------------------------------------------------------
// Notifications and the modified flag

void EditorModel::notify(unsigned what, int line, int removed, int added) {
    if (observers_.empty())
        return;
    const ModelChange change{what, line, removed, added};
    for (EditorObserver* o : observers_)
        o->modelChanged(change);
}

void EditorModel::addObserver(EditorObserver* o) {
    if (std::find(observers_.begin(), observers_.end(), o) == observers_.end())
        observers_.push_back(o);
}

void EditorModel::removeObserver(EditorObserver* o) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

void EditorModel::undoAdded(TSynUndoList& list) {
    updateModified();
    // A new change takes away the context that the redo records were made in.
    if (&list == &undo_ && !undo_.insideRedo && undo_.lastKind() != UndoKind::GroupBreak)
        redo_.clear();
    if (list.blockCount() == 0 && onChange)
        onChange();
}

void EditorModel::updateModified() {
    const bool m = !undo_.initialState();
    if (m != modified_) {
        modified_ = m;
        notify(ModelChange::Modified);
    }
}

void EditorModel::setModified(bool value) {
    if (value == modified_)
        return;
    if (!value) {
        if (!undo_.empty() && (options & eoGroupUndo))
            undo_.addGroupBreak();
        undo_.setInitialState(true);
    } else {
        undo_.setInitialState(false);
    }
    modified_ = value;
    notify(ModelChange::Modified);
}

void EditorModel::groupBreak() {
    if (!undo_.empty())
        undo_.addGroupBreak();
}

// ---------------------------------------------------------------------------------------------
// Lines and Text

int EditorModel::lineLength(int i) const {
    if (i < 0 || i >= lineCount())
        return 0;
    return static_cast<int>(lines_.length(i));
}

void EditorModel::addLine(std::string_view s) {
    const int n = lineCount();
    lines_.appendLine(s);
    collapseOntoCaret();
    notify(ModelChange::Lines, n, 0, 1);
}

void EditorModel::addLines(const std::vector<std::string_view>& lines) {
    if (lines.empty())
        return;
    const int n = lineCount();
    for (std::string_view s : lines)
        lines_.appendLine(s);
    collapseOntoCaret();
    notify(ModelChange::Lines, n, 0, static_cast<int>(lines.size()));
}

void EditorModel::putLine(int i, std::string_view s) {
    if (i == lineCount()) {
        addLine(s);
        return;
    }
    if (i < 0 || i > lineCount())
        return;
    lines_.replaceLine(i, s);
    collapseOntoCaret();
    notify(ModelChange::Lines, i, 1, 1);
}

std::string EditorModel::text() const {
    std::string out;
    out.reserve(static_cast<std::size_t>(textLength()));
    const int n = lineCount();
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            out += "\r\n";
        out += lines_.line(i);
    }
    return out;
}

void EditorModel::setText(std::string_view s) {
    const int old = lineCount();
    if (old > 0) {
        lines_.clear();
        undo_.clear();
        redo_.clear();
        bookmarks_.fill(std::nullopt);
        caret_ = Position{};
    }
    std::vector<std::string_view> pieces = splitLines(s);
    // A final line end adds no empty line, and the empty string gives no line at all.
    if (pieces.back().empty())
        pieces.pop_back();
    for (std::string_view p : pieces)
        lines_.appendLine(p);
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Cleared | ModelChange::Caret | ModelChange::Selection,
           0, old, lineCount());
}

std::string EditorModel::caretLineText() const {
    if (caret_.line < 1 || caret_.line > lineCount())
        return {};
    return lines_.line(caret_.line - 1);
}

// ---------------------------------------------------------------------------------------------
// Caret and selection

Position EditorModel::clampCaret(Position p) const {
    const int n = lineCount();
    p.line = std::clamp(p.line, 1, std::max(n, 1));
    const int len = lineLength(p.line - 1);
    // Free space past the line end reaches column MaxScrollWidth + 1; a longer line can still be
    // walked to its own end.
    const int maxColumn =
        (options & eoScrollPastEol) ? std::max(kMaxScrollWidth + 1, len + 1) : len + 1;
    p.column = std::clamp(p.column, 1, maxColumn);
    return p;
}

Position EditorModel::clampSelectionEnd(Position p) const {
    const int n = lineCount();
    p.line = std::clamp(p.line, 1, std::max(n, 1));
    if (activeSelectionMode_ == SelectionMode::smNormal) {
        p.column = p.line <= n ? std::clamp(p.column, 1, lineLength(p.line - 1) + 1) : 1;
    } else {
        p.column = clampCaret(p).column;
    }
    return p;
}

void EditorModel::setCaret(Position p) {
    const Position c = clampCaret(p);
    if (c == caret_)
        return;
    caret_ = c;
    notify(ModelChange::Caret);
}

void EditorModel::setSelectionBegin(Position p) {
    blockBegin_ = blockEnd_ = clampSelectionEnd(p);
    notify(ModelChange::Selection);
}

void EditorModel::setSelectionEnd(Position p) {
    blockEnd_ = clampSelectionEnd(p);
    notify(ModelChange::Selection);
}

void EditorModel::setCaretAndSelection(Position caret, Position begin, Position end) {
    caret_ = clampCaret(caret);
    blockBegin_ = clampSelectionEnd(begin);
    blockEnd_ = clampSelectionEnd(end);
    notify(ModelChange::Caret | ModelChange::Selection);
}

void EditorModel::collapseOntoCaret() {
    caret_ = clampCaret(caret_);
    blockBegin_ = blockEnd_ = clampSelectionEnd(caret_);
}

bool EditorModel::selectionAvailable() const {
    if (blockBegin_.column != blockEnd_.column)
        return true;
    return blockBegin_.line != blockEnd_.line && activeSelectionMode_ != SelectionMode::smColumn;
}

void EditorModel::setSelectionMode(SelectionMode m) {
    selectionMode_ = m;
    setActiveSelectionMode(m);
}

// The ends are clamped again for the new mode: a column corner past a line end is no place for
// a stream selection to start.
void EditorModel::setActiveSelectionMode(SelectionMode m) {
    activeSelectionMode_ = m;
    blockBegin_ = clampSelectionEnd(blockBegin_);
    blockEnd_ = clampSelectionEnd(blockEnd_);
    notify(ModelChange::Mode | ModelChange::Selection);
}

Position EditorModel::textOffsetToPosition(std::int64_t v) const {
    const int n = lineCount();
    if (n == 0)
        return Position{1, 1};
    // An offset before the text is its start; one far past it is the end of the walk (below),
    // so no column needs more than an int.
    v = std::clamp<std::int64_t>(v, 0, textLength() + 2);
    const auto y = static_cast<int>(lines_.lineOfTextOffset(v));
    const std::int64_t consumed = lines_.textOffsetOfLine(y);
    if (consumed + lineLength(y) + 2 > v)
        return Position{static_cast<int>(v - consumed + 1), y + 1};
    // Only the last line can be passed over: the lines ran out.
    return Position{1, n + 1};
}

std::int64_t EditorModel::positionToTextOffset(Position p) const {
    const int m = std::min(lineCount(), p.line);
    const std::int64_t before = m >= 1 ? lines_.textOffsetOfLine(m - 1) : 0;
    return before + static_cast<std::int64_t>(p.column) - 1;
}

std::int64_t EditorModel::textOffsetInLine(Position p) const {
    const int n = lineCount();
    if (n == 0)
        return 0;
    p.line = std::clamp(p.line, 1, n);
    p.column = std::clamp(p.column, 1, lineLength(p.line - 1) + 1);
    return lines_.textOffsetOfLine(p.line - 1) + p.column - 1;
}

int EditorModel::selectionRangeCount() const {
    if (!selectionAvailable())
        return 0;
    if (activeSelectionMode_ != SelectionMode::smColumn)
        return 1;
    return selectionEnd().line - selectionBegin().line + 1;
}

std::pair<std::int64_t, std::int64_t> EditorModel::selectionRange(int i) const {
    if (i < 0 || i >= selectionRangeCount())
        return {0, 0};
    Position b = selectionBegin();
    Position e = selectionEnd();
    if (!orderRange(b, e))
        return {0, 0};
    switch (activeSelectionMode_) {
    case SelectionMode::smNormal:
        return {textOffsetInLine(b), textOffsetInLine(e)};
    case SelectionMode::smLine: {
        const std::int64_t end =
            e.line < lineCount() ? textOffsetInLine({1, e.line + 1}) : textLength();
        return {textOffsetInLine({1, b.line}), end};
    }
    case SelectionMode::smColumn:
        break;
    }
    const auto [xl, xr] = columnEdges(b, e);
    const int y = b.line + i;
    return {textOffsetInLine({columnStartingAt(y, xl), y}),
            textOffsetInLine({columnStartingAt(y, xr), y})};
}

std::string EditorModel::textBetween(std::int64_t from, std::int64_t to) const {
    const std::int64_t length = textLength();
    from = std::clamp<std::int64_t>(from, 0, length);
    to = std::clamp<std::int64_t>(to, from, length);
    std::string out;
    if (from == to)
        return out;
    out.reserve(static_cast<std::size_t>(to - from));
    // Line y covers [textOffsetOfLine(y), textOffsetOfLine(y + 1)): its bytes, then its CR LF.
    for (auto y = lines_.lineOfTextOffset(from); y < lines_.count() && from < to; ++y) {
        const std::int64_t start = lines_.textOffsetOfLine(y);
        const std::int64_t len = lines_.length(y);
        const std::int64_t col = from - start;
        if (col < len) {
            const std::int64_t n = std::min(len - col, to - from);
            out += lines_.part(y, col, n);
            from += n;
        }
        static constexpr char kBreak[] = "\r\n";
        for (std::int64_t k = from - start - len; k < 2 && from < to; ++k, ++from)
            out += kBreak[k];
    }
    return out;
}

std::int64_t EditorModel::selectionStart() const {
    return positionToTextOffset(selectionAvailable() ? selectionBegin() : caret_);
}

void EditorModel::setSelectionStart(std::int64_t offset) {
    caret_ = clampCaret(textOffsetToPosition(offset));
    setSelectionBegin(caret_);
    notify(ModelChange::Caret);
}

std::int64_t EditorModel::selectionLength() const {
    if (!selectionAvailable())
        return 0;
    return positionToTextOffset(selectionEnd()) - positionToTextOffset(selectionBegin());
}

void EditorModel::setSelectionLength(std::int64_t n) {
    const Position begin = selectionBegin();
    const std::int64_t p = std::max<std::int64_t>(0, positionToTextOffset(begin) + n);
    const Position q = textOffsetToPosition(p);
    if (n >= 0)
        setCaretAndSelection(q, begin, q);
    else
        setCaretAndSelection(q, q, begin);
}

std::string EditorModel::selectedText() const {
    if (!selectionAvailable())
        return {};
    return rangeText(selectionBegin(), selectionEnd(), activeSelectionMode_);
}

int EditorModel::displayColumn(int line, int column) const {
    if (line < 1 || line > lineCount())
        line = 0;
    // Beyond the free space no column is reachable; the bound keeps the sums within an int.
    column = std::clamp(column, 1, std::numeric_limits<int>::max() / 2);
    const int len = lineLength(line - 1);
    const int inLine = std::clamp(column - 1, 0, len);
    int x = 0;
    if (inLine > 0) {
        const std::string s = lines_.part(line - 1, 0, inLine);
        for (const char c : s)
            x += c == '\t' ? tabWidth_ - x % tabWidth_ : 1;
    }
    return x + 1 + std::max(0, column - 1 - len);
}

int EditorModel::columnAtDisplay(int line, int x) const {
    x = std::clamp(x, 1, std::numeric_limits<int>::max() / 2);
    const std::string s = line >= 1 ? lines_.line(line - 1) : std::string();
    int pos = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int w = s[i] == '\t' ? tabWidth_ - pos % tabWidth_ : 1;
        if (pos + w > x - 1)
            return static_cast<int>(i) + 1;
        pos += w;
    }
    return static_cast<int>(s.size()) + 1 + std::max(0, x - 1 - pos);
}

int EditorModel::columnStartingAt(int line, int x) const {
    x = std::clamp(x, 1, std::numeric_limits<int>::max() / 2);
    const std::string s = line >= 1 ? lines_.line(line - 1) : std::string();
    int pos = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (pos + 1 >= x)
            return static_cast<int>(i) + 1;
        pos += s[i] == '\t' ? tabWidth_ - pos % tabWidth_ : 1;
    }
    return static_cast<int>(s.size()) + 1 + std::max(0, x - 1 - pos);
}

void EditorModel::setTabWidth(int w) {
    tabWidth_ = std::clamp(w, 1, 256);
    notify(ModelChange::Mode);
}

void EditorModel::setInsertMode(bool on) {
    insertMode_ = on;
    notify(ModelChange::Mode);
}

// ---------------------------------------------------------------------------------------------
// Bookmarks

std::optional<Position> EditorModel::bookmark(int n) const {
    if (n < 0 || n > 9)
        return std::nullopt;
    return bookmarks_[static_cast<std::size_t>(n)];
}

void EditorModel::setBookmark(int n, std::optional<Position> p) {
    if (n < 0 || n > 9)
        return;
    bookmarks_[static_cast<std::size_t>(n)] = p;
    notify(ModelChange::Bookmarks);
}

// n lines were inserted after the 0-based line `line`.
void EditorModel::linesInserted(int line, int n) {
    for (auto& b : bookmarks_)
        if (b && b->line - 1 > line)
            b->line += n;
}

// The 0-based lines [line, line + n) were removed.
void EditorModel::linesRemoved(int line, int n) {
    for (auto& b : bookmarks_) {
        if (!b || b->line - 1 < line)
            continue;
        if (b->line - 1 < line + n)
            b.reset();
        else
            b->line -= n;
    }
}

// ---------------------------------------------------------------------------------------------
// Unrecorded edits

std::vector<std::string_view> EditorModel::piecesOf(std::string_view s) const {
    return replaying_ ? splitJoinedLines(s) : splitLines(s);
}

// Puts the ends' lines within the text, then the ends in order (a record made before other
// edits may name lines that are gone); false when there is no text.
bool EditorModel::orderRange(Position& b, Position& e) const {
    const int n = lineCount();
    if (n == 0)
        return false;
    b.line = std::clamp(b.line, 1, n);
    e.line = std::clamp(e.line, 1, n);
    if (e < b)
        std::swap(b, e);
    return true;
}

std::string EditorModel::rangeText(Position b, Position e, SelectionMode mode) const {
    if (!orderRange(b, e))
        return {};
    const int n = lineCount();
    if (mode == SelectionMode::smColumn)
        return columnText(b, e);
    if (mode == SelectionMode::smLine) {
        std::string out;
        for (int y = b.line - 1; y < e.line; ++y) {
            out += lines_.line(y);
            if (y < n - 1)
                out += "\r\n";
        }
        return out;
    }
    const int bc = std::clamp(b.column, 1, lineLength(b.line - 1) + 1);
    const int ec = std::clamp(e.column, 1, lineLength(e.line - 1) + 1);
    if (b.line == e.line)
        return lines_.part(b.line - 1, bc - 1, ec - bc);
    std::string out = lines_.part(b.line - 1, bc - 1, lineLength(b.line - 1));
    for (int y = b.line; y < e.line - 1; ++y) {
        out += "\r\n";
        out += lines_.line(y);
    }
    out += "\r\n";
    out += lines_.part(e.line - 1, 0, ec - 1);
    return out;
}

Position EditorModel::insertText(Position p, std::string_view s, SelectionMode mode) {
    if (s.empty())
        return p;
    if (mode == SelectionMode::smLine)
        return insertLines(p, s);
    if (lineCount() == 0) {
        lines_.insertLine(0, {});
        notify(ModelChange::Lines, 0, 0, 1);
    }
    const int n = lineCount();
    p.line = std::clamp(p.line, 1, n);
    p.column = std::max(p.column, 1);
    if (mode == SelectionMode::smColumn) {
        insertColumn(p, s);
        return caret_;
    }
    std::vector<std::string_view> pieces = piecesOf(s);
    const int y = p.line - 1;
    // Normal mode: the caret line is cut at the caret (padded with spaces when the caret stands
    // past its end); the text's pieces go between the two parts.
    const int len = lineLength(y);
    if (p.column - 1 > len)
        lines_.insert(y, len, std::string(static_cast<std::size_t>(p.column - 1 - len), ' '));
    const int col = p.column - 1;
    const int k = static_cast<int>(pieces.size()) - 1;
    Position after;
    if (k == 0) {
        lines_.insert(y, col, pieces[0]);
        after = Position{p.column + static_cast<int>(pieces[0].size()), p.line};
    } else {
        const int rightLength = lineLength(y) - col;
        const std::string right = lines_.part(y, col, rightLength);
        lines_.erase(y, col, rightLength);
        lines_.insert(y, col, pieces[0]);
        for (int i = 1; i < k; ++i)
            lines_.insertLine(y + i, pieces[static_cast<std::size_t>(i)]);
        lines_.insertLine(y + k, pieces[static_cast<std::size_t>(k)]);
        lines_.insert(
            y + k, static_cast<std::ptrdiff_t>(pieces[static_cast<std::size_t>(k)].size()), right);
        linesInserted(y, k);
        after =
            Position{static_cast<int>(pieces[static_cast<std::size_t>(k)].size()) + 1, p.line + k};
    }
    caret_ = clampCaret(after);
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, y, 1, k + 1);
    return after;
}

// The text's lines go in as whole lines above p's line (after the last line when p lies below
// it); a final line end adds no empty line. Returns the end of the last inserted line.
Position EditorModel::insertLines(Position p, std::string_view s) {
    std::vector<std::string_view> pieces = piecesOf(s);
    if (pieces.size() > 1 && pieces.back().empty())
        pieces.pop_back();
    const int y = std::clamp(p.line - 1, 0, lineCount());
    const int k = static_cast<int>(pieces.size());
    for (int i = 0; i < k; ++i)
        lines_.insertLine(y + i, pieces[static_cast<std::size_t>(i)]);
    linesInserted(y - 1, k);
    caret_ = clampCaret(Position{1, y + k + 1});
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, y, 0, k);
    return Position{static_cast<int>(pieces.back().size()) + 1, y + k};
}

std::string EditorModel::removeRange(Position b, Position e, SelectionMode mode) {
    if (!orderRange(b, e))
        return {};
    const int n = lineCount();
    std::string removed = rangeText(b, e, mode);
    if (mode == SelectionMode::smColumn) {
        removeColumnRect(b, e);
        return removed;
    }
    if (mode == SelectionMode::smLine) {
        const int first = b.line - 1;
        const int count = e.line - b.line + 1;
        // The last remaining line is emptied instead of removed, except when undo takes out
        // lines that went into an empty text: no line is the empty text they went into, so
        // that redo puts them back with no empty line more.
        const bool keepOne = count == n && !replaying_;
        if (keepOne) {
            lines_.replaceLine(0, {});
            lines_.removeLines(1, n - 1);
            linesRemoved(1, n - 1);
        } else {
            lines_.removeLines(first, count);
            linesRemoved(first, count);
        }
        caret_ = clampCaret(Position{1, b.line});
        collapseOntoCaret();
        notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, first, count,
               keepOne ? 1 : 0);
        return removed;
    }
    const int by = b.line - 1;
    const int ey = e.line - 1;
    const int bc = std::clamp(b.column, 1, lineLength(by) + 1) - 1;
    const int ec = std::clamp(e.column, 1, lineLength(ey) + 1) - 1;
    if (by == ey) {
        lines_.erase(by, bc, ec - bc);
    } else {
        const std::string right = lines_.part(ey, ec, lineLength(ey) - ec);
        lines_.erase(by, bc, lineLength(by) - bc);
        lines_.insert(by, bc, right);
        lines_.removeLines(by + 1, ey - by);
        linesRemoved(by + 1, ey - by);
    }
    caret_ = clampCaret(Position{bc + 1, b.line});
    collapseOntoCaret();
    notify(ModelChange::Lines | ModelChange::Caret | ModelChange::Selection, by, ey - by + 1, 1);
    return removed;
}

// Records the deletion of the selection. In line mode every line keeps its line end, the
// document's last line included, so that undo can put back even a single empty last line. In
// column mode the record holds the rectangle's top left and bottom right corners, found while the
// text is still there: undo puts the pieces back in at the first of them.
void EditorModel::recordSelectionDeletion() {
    std::string text = selectedText();
    Position b = selectionBegin();
    Position e = selectionEnd();
    if (activeSelectionMode_ == SelectionMode::smLine && e.line >= lineCount())
        text += "\r\n";
    if (activeSelectionMode_ == SelectionMode::smColumn) {
        const auto [xl, xr] = columnEdges(b, e);
        b = Position{columnStartingAt(b.line, xl), b.line};
        e = Position{columnStartingAt(e.line, xr), e.line};
    }
    undo_.addChange(UndoKind::Delete, b, e, std::move(text), activeSelectionMode_);
}

void EditorModel::deleteSelection() {
    if (selectionAvailable())
        removeRange(selectionBegin(), selectionEnd(), activeSelectionMode_);
}

// Removing every line in line mode leaves one empty line. It is recorded as the removal of the
// lines above the last one and the emptying of the last one, so that undo, putting back each,
// gives back exactly the lines there were and no empty line more.
void EditorModel::deleteSelectionRecorded() {
    const int n = lineCount();
    if (n == 0)
        return; // a selection in an empty text holds nothing to remove
    if (activeSelectionMode_ == SelectionMode::smLine && n > 0 && selectionBegin().line <= 1 &&
        selectionEnd().line >= n) {
        if (n > 1) {
            const Position b{1, 1};
            const Position e{1, n - 1};
            undo_.addChange(UndoKind::Delete, b, e, rangeText(b, e, SelectionMode::smLine),
                            SelectionMode::smLine);
            removeRange(b, e, SelectionMode::smLine);
        }
        const Position b{1, 1};
        const Position e{lineLength(0) + 1, 1};
        undo_.addChange(UndoKind::Delete, b, e, rangeText(b, e, SelectionMode::smNormal),
                        SelectionMode::smNormal);
        removeRange(b, e, SelectionMode::smNormal);
        return;
    }
    recordSelectionDeletion();
    deleteSelection();
}

// ---------------------------------------------------------------------------------------------
// Recorded edits

void EditorModel::fillFreeSpaceRecorded(Position p, std::string_view s, SelectionMode mode) {
    if (s.empty() || mode == SelectionMode::smLine)
        return;
    if (lineCount() == 0) {
        // No lines and one empty line are the same empty text; the insertion needs the line.
        lines_.insertLine(0, {});
        notify(ModelChange::Lines, 0, 0, 1);
    }
    const int n = lineCount();
    p.line = std::clamp(p.line, 1, n);
    auto pad = [&](int line, int column) {
        const int len = lineLength(line - 1);
        if (column - 1 <= len)
            return;
        const Position lineEnd{len + 1, line};
        const Position end =
            insertText(lineEnd, std::string(static_cast<std::size_t>(column - 1 - len), ' '),
                       SelectionMode::smNormal);
        undo_.addChange(UndoKind::Insert, lineEnd, end, {}, SelectionMode::smNormal);
    };
    if (mode == SelectionMode::smNormal) {
        pad(p.line, p.column);
        return;
    }
    const std::vector<std::string_view> pieces = splitLines(s);
    const int x = displayColumn(p.line, p.column);
    const int missing = p.line - 1 + static_cast<int>(pieces.size()) - n;
    if (missing > 0) {
        const Position lastEnd{lineLength(n - 1) + 1, n};
        std::string breaks;
        for (int i = 0; i < missing; ++i)
            breaks += "\r\n";
        const Position end = insertText(lastEnd, breaks, SelectionMode::smNormal);
        undo_.addChange(UndoKind::Insert, lastEnd, end, {}, SelectionMode::smNormal);
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int line = p.line + static_cast<int>(i);
        if (!pieces[i].empty())
            pad(line, columnStartingAt(line, x));
    }
}

void EditorModel::setSelectedText(std::string_view s) {
    if (readOnly)
        return;
    UndoBlock block(*this);
    if (selectionAvailable()) {
        deleteSelectionRecorded();
    } else {
        activeSelectionMode_ = selectionMode_;
    }
    if (s.empty())
        return;
    const Position start = caret_;
    const SelectionMode mode = activeSelectionMode_;
    fillFreeSpaceRecorded(start, s, mode);
    const Position end = insertText(start, s, mode);
    // A column insertion is recorded too (with its pieces), so that undo takes it out again.
    undo_.addChange(UndoKind::Insert, start, end,
                    mode == SelectionMode::smColumn ? joinPieces(splitLines(s)) : std::string(),
                    mode);
}

void EditorModel::selectAll() {
    const int n = lineCount();
    const Position last = n == 0 ? Position{} : Position{lineLength(n - 1) + 1, n};
    setCaretAndSelection(last, Position{}, last);
}

void EditorModel::clearAll() {
    const int old = lineCount();
    lines_.clear();
    bookmarks_.fill(std::nullopt);
    undo_.clear();
    redo_.clear();
    caret_ = Position{};
    blockBegin_ = blockEnd_ = Position{};
    setModified(false);
    notify(ModelChange::Lines | ModelChange::Cleared | ModelChange::Caret | ModelChange::Selection |
               ModelChange::Bookmarks,
           0, old, 0);
}

void EditorModel::copy() {
    if (!selectionAvailable() || !clipboard_)
        return;
    clipboard_->put(selectedText(), activeSelectionMode_);
}

void EditorModel::cut() {
    if (readOnly || !selectionAvailable() || !clipboard_)
        return;
    UndoBlock block(*this);
    copy();
    setSelectedText({});
}

void EditorModel::paste() {
    if (readOnly || !clipboard_)
        return;
    const std::optional<EditorClipboard::Content> content = clipboard_->get();
    if (!content)
        return;
    UndoBlock block(*this);
    undo_.addChange(UndoKind::PasteBegin, caret_, caret_, {}, activeSelectionMode_);
    if (selectionAvailable()) {
        deleteSelectionRecorded();
    } else {
        activeSelectionMode_ = selectionMode_;
    }
    // Nothing pasted is recorded as an empty stream range: an empty range in line mode would
    // stand for a whole line that undo would take out.
    const SelectionMode mode = content->text.empty() ? SelectionMode::smNormal
                                                     : content->mode.value_or(activeSelectionMode_);
    const Position start = caret_;
    fillFreeSpaceRecorded(start, content->text, mode);
    const Position end = insertText(start, content->text, mode);
    undo_.addChange(UndoKind::Paste, start, end,
                    mode == SelectionMode::smColumn ? joinPieces(splitLines(content->text))
                                                    : std::string(),
                    mode);
    undo_.addChange(UndoKind::PasteEnd, caret_, caret_, {}, activeSelectionMode_);
}

} // namespace varlo
