#pragma once

// A naive editor model for the differential test: a vector of strings, offsets found by walking
// the lines from the first, and the undo rules written out plainly. Slow and obviously right.

#include "editor/document/EditorTypes.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace reference {

using varlo::Position;
using varlo::SelectionMode;

enum class Kind { None, Insert, Paste, Delete, PasteBegin, PasteEnd, GroupBreak };

struct Record {
    Kind kind;
    SelectionMode mode;
    Position start, end;
    std::string text;
    std::int32_t number;
};

struct List {
    std::vector<Record> items;
    std::int32_t next = 1, block = 0, outer = 0, initial = 0;
    int blockCount = 0;
    bool dropped = false;
    bool insideRedo = false;
};

class Model {
public:
    std::vector<std::string> lines;
    Position caret, bb, be;
    SelectionMode mode = SelectionMode::smNormal, active = SelectionMode::smNormal;
    List undoList, redoList;
    bool modified = false;
    int changes = 0;
    int tabWidth = 8;

    // --- walks
    std::string text() const {
        std::string t;
        for (std::size_t i = 0; i < lines.size(); ++i)
            t += (i ? "\r\n" : "") + lines[i];
        return t;
    }
    int len(int line1) const {
        return line1 >= 1 && line1 <= (int)lines.size() ? (int)lines[line1 - 1].size() : 0;
    }
    Position offsetToPos(std::int64_t v) const {
        v = std::max<std::int64_t>(v, 0); // an offset before the text is its start
        std::int64_t consumed = 0;
        for (std::size_t y = 0; y < lines.size(); ++y) {
            const std::int64_t L = (std::int64_t)lines[y].size();
            if (consumed + L + 2 > v)
                return Position{(int)(v - consumed + 1), (int)y + 1};
            consumed += L + 2;
        }
        return Position{1, (int)lines.size() + 1};
    }
    std::int64_t posToOffset(Position p) const {
        const int m = std::min((int)lines.size(), p.line);
        std::int64_t sum = 0;
        for (int i = 1; i <= m - 1; ++i)
            sum += (std::int64_t)lines[i - 1].size() + 2;
        return sum + p.column - 1;
    }
    Position clampCaret(Position p) const {
        p.line = std::clamp(p.line, 1, std::max((int)lines.size(), 1));
        p.column = std::clamp(p.column, 1, std::max(1025, len(p.line) + 1));
        return p;
    }
    Position clampSel(Position p) const {
        p.line = std::clamp(p.line, 1, std::max((int)lines.size(), 1));
        if (active == SelectionMode::smNormal)
            p.column = p.line <= (int)lines.size() ? std::clamp(p.column, 1, len(p.line) + 1) : 1;
        else
            p.column = clampCaret(p).column;
        return p;
    }
    bool avail() const {
        return bb.column != be.column || (bb.line != be.line && active != SelectionMode::smColumn);
    }
    Position selBegin() const { return be < bb ? be : bb; }
    Position selEnd() const { return bb < be ? be : bb; }
    void collapse() {
        caret = clampCaret(caret);
        bb = be = clampSel(caret);
    }
    int disp(int line1, int col) const {
        const std::string s = line1 >= 1 && line1 <= (int)lines.size() ? lines[line1 - 1] : "";
        int x = 0, i = 0;
        for (; i < col - 1 && i < (int)s.size(); ++i)
            x += s[i] == '\t' ? tabWidth - x % tabWidth : 1;
        return x + 1 + std::max(0, col - 1 - (int)s.size());
    }
    // The first column starting at screen cell x or right of it.
    int colAt(int line1, int x) const {
        const std::string s = line1 >= 1 && line1 <= (int)lines.size() ? lines[line1 - 1] : "";
        int pos = 0;
        for (int i = 0; i < (int)s.size(); ++i) {
            if (pos + 1 >= x)
                return i + 1;
            pos += s[i] == '\t' ? tabWidth - pos % tabWidth : 1;
        }
        return (int)s.size() + 1 + std::max(0, x - 1 - pos);
    }
    static std::vector<std::string> split(const std::string& s) {
        std::vector<std::string> out{""};
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\r' || s[i] == '\n') {
                if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                    ++i;
                out.push_back("");
            } else {
                out.back() += s[i];
            }
        }
        return out;
    }
    // Text joined by the model (a record's) breaks only at CR LF.
    static std::vector<std::string> splitJoined(const std::string& s) {
        std::vector<std::string> out;
        std::size_t from = 0;
        for (std::size_t i = s.find("\r\n"); i != std::string::npos; i = s.find("\r\n", from)) {
            out.push_back(s.substr(from, i - from));
            from = i + 2;
        }
        out.push_back(s.substr(from));
        return out;
    }
    bool replaying = false;
    std::vector<std::string> piecesOf(const std::string& s) const {
        return replaying ? splitJoined(s) : split(s);
    }
    static std::string join(const std::vector<std::string>& v) {
        std::string t;
        for (std::size_t i = 0; i < v.size(); ++i)
            t += (i ? "\r\n" : "") + v[i];
        return t;
    }

    // --- the list rules
    bool initialState(const List& l) const {
        if (l.items.empty())
            return l.initial == 0 && !l.dropped;
        return l.items.back().number == l.initial;
    }
    void recompute() { modified = !initialState(undoList); }
    void added(List& l) {
        recompute();
        if (&l == &undoList && !undoList.insideRedo &&
            undoList.items.back().kind != Kind::GroupBreak)
            redoList.items.clear(), redoList.dropped = false;
        if (l.blockCount == 0)
            ++changes;
    }
    static std::int32_t following(std::int32_t n) {
        auto r = (std::int32_t)((std::uint32_t)n + 1u);
        return r == 0 ? 1 : r;
    }
    void push(List& l, Record r) {
        l.items.push_back(r);
        while (l.items.size() > 1024)
            l.items.erase(l.items.begin()), l.dropped = true;
        if (r.kind != Kind::GroupBreak)
            added(l);
    }
    void add(List& l, Kind k, Position s, Position e, std::string t, SelectionMode m) {
        std::int32_t n;
        if (l.block != 0)
            n = l.block;
        else {
            n = l.next;
            if (l.blockCount == 0)
                l.next = following(l.next);
        }
        push(l, Record{k, m, s, e, t, n});
    }
    void begin() {
        if (++undoList.blockCount == 1)
            undoList.outer = undoList.next;
        undoList.block = undoList.outer;
    }
    void end() {
        if (--undoList.blockCount > 0)
            return;
        const auto b = undoList.block;
        undoList.block = 0;
        undoList.next = following(undoList.next);
        if (!undoList.items.empty() && undoList.items.back().number == b)
            added(undoList);
    }
    void groupBreak() {
        if (!undoList.items.empty() && undoList.items.back().kind != Kind::GroupBreak)
            add(undoList, Kind::GroupBreak, {}, {}, "", SelectionMode::smNormal);
    }
    void setModified(bool v) {
        if (v == modified)
            return;
        if (!v) {
            groupBreak();
            undoList.initial = undoList.items.empty() ? 0 : undoList.items.back().number;
            if (undoList.items.empty())
                undoList.dropped = false;
        } else if (initialState(undoList)) {
            undoList.initial = -1;
        }
        modified = v;
    }

    // --- primitive edits
    std::string rangeText(Position b, Position e, SelectionMode m) const {
        if (lines.empty())
            return "";
        const int n = (int)lines.size();
        b.line = std::clamp(b.line, 1, n);
        e.line = std::clamp(e.line, 1, n);
        if (e < b)
            std::swap(b, e);
        std::string out;
        if (m == SelectionMode::smColumn) {
            const int xl = std::min(disp(b.line, b.column), disp(e.line, e.column));
            const int xr = std::max(disp(b.line, b.column), disp(e.line, e.column));
            for (int y = b.line; y <= e.line; ++y) {
                const int cl = std::min(colAt(y, xl), len(y) + 1);
                const int cr = std::min(colAt(y, xr), len(y) + 1);
                out += (y > b.line ? "\r\n" : "") + lines[y - 1].substr(cl - 1, cr - cl);
            }
            return out;
        }
        if (m == SelectionMode::smLine) {
            for (int y = b.line; y <= e.line; ++y)
                out += lines[y - 1] + (y < n ? "\r\n" : "");
            return out;
        }
        const int bc = std::clamp(b.column, 1, len(b.line) + 1);
        const int ec = std::clamp(e.column, 1, len(e.line) + 1);
        if (b.line == e.line)
            return lines[b.line - 1].substr(bc - 1, ec - bc);
        out = lines[b.line - 1].substr(bc - 1);
        for (int y = b.line + 1; y < e.line; ++y)
            out += "\r\n" + lines[y - 1];
        return out + "\r\n" + lines[e.line - 1].substr(0, ec - 1);
    }
    std::string removeRange(Position b, Position e, SelectionMode m) {
        if (lines.empty())
            return "";
        const int n = (int)lines.size();
        b.line = std::clamp(b.line, 1, n);
        e.line = std::clamp(e.line, 1, n);
        if (e < b)
            std::swap(b, e);
        std::string removed = rangeText(b, e, m);
        if (m == SelectionMode::smColumn) {
            const int xl = std::min(disp(b.line, b.column), disp(e.line, e.column));
            const int xr = std::max(disp(b.line, b.column), disp(e.line, e.column));
            for (int y = b.line; y <= e.line; ++y) {
                const int cl = std::min(colAt(y, xl), len(y) + 1);
                const int cr = std::min(colAt(y, xr), len(y) + 1);
                lines[y - 1].erase(cl - 1, cr - cl);
            }
            caret = Position{colAt(b.line, xl), b.line};
        } else if (m == SelectionMode::smLine) {
            if (e.line - b.line + 1 == n && replaying)
                lines.clear(); // undo of lines that went into an empty text
            else if (e.line - b.line + 1 == n)
                lines.assign(1, "");
            else
                lines.erase(lines.begin() + b.line - 1, lines.begin() + e.line);
            caret = Position{1, b.line};
        } else {
            const int bc = std::clamp(b.column, 1, len(b.line) + 1);
            const int ec = std::clamp(e.column, 1, len(e.line) + 1);
            const std::string joined =
                lines[b.line - 1].substr(0, bc - 1) + lines[e.line - 1].substr(ec - 1);
            lines.erase(lines.begin() + b.line, lines.begin() + e.line);
            lines[b.line - 1] = joined;
            caret = Position{bc, b.line};
        }
        collapse();
        return removed;
    }
    Position insert(Position p, const std::string& s, SelectionMode m) {
        if (s.empty())
            return p;
        std::vector<std::string> pieces = piecesOf(s);
        if (m == SelectionMode::smLine) {
            if (pieces.size() > 1 && pieces.back().empty())
                pieces.pop_back();
            const int y = std::clamp(p.line - 1, 0, (int)lines.size());
            lines.insert(lines.begin() + y, pieces.begin(), pieces.end());
            caret = Position{1, y + (int)pieces.size() + 1};
            collapse();
            return Position{(int)pieces.back().size() + 1, y + (int)pieces.size()};
        }
        if (lines.empty())
            lines.push_back("");
        p.line = std::clamp(p.line, 1, (int)lines.size());
        p.column = std::max(p.column, 1);
        if (m == SelectionMode::smColumn) {
            const int x = disp(p.line, p.column);
            Position after = p;
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                const int y = p.line + (int)i;
                if (y > (int)lines.size())
                    lines.push_back("");
                const int col = colAt(y, x);
                if (!pieces[i].empty()) {
                    std::string& l = lines[y - 1];
                    if ((int)l.size() < col - 1)
                        l.resize(col - 1, ' ');
                    l.insert(col - 1, pieces[i]);
                }
                after = Position{col + (int)pieces[i].size(), y};
            }
            caret = after;
            collapse();
            return after;
        }
        std::string line = lines[p.line - 1];
        std::string left = line.substr(0, std::min<std::size_t>(p.column - 1, line.size()));
        if ((int)left.size() < p.column - 1)
            left.resize(p.column - 1, ' ');
        const std::string right =
            (int)line.size() > p.column - 1 ? line.substr(p.column - 1) : std::string();
        const int k = (int)pieces.size() - 1;
        std::vector<std::string> fresh;
        for (int i = 0; i <= k; ++i)
            fresh.push_back((i == 0 ? left : "") + pieces[i] + (i == k ? right : ""));
        lines.erase(lines.begin() + p.line - 1);
        lines.insert(lines.begin() + p.line - 1, fresh.begin(), fresh.end());
        caret = Position{(int)fresh.back().size() - (int)right.size() + 1, p.line + k};
        collapse();
        return caret;
    }
    std::string removeColumn(Position p, const std::string& text) {
        const auto pieces = piecesOf(text);
        const int x = disp(p.line, p.column);
        std::vector<std::string> removed;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const int y = p.line + (int)i;
            if (y > (int)lines.size())
                break;
            const int col = std::min(colAt(y, x), len(y) + 1);
            const int count = std::min((int)pieces[i].size(), len(y) - (col - 1));
            removed.push_back(lines[y - 1].substr(col - 1, count));
            lines[y - 1].erase(col - 1, count);
        }
        caret = p;
        collapse();
        return join(removed);
    }

    // --- operations
    void setText(const std::string& s) {
        if (!lines.empty()) {
            lines.clear();
            undoList.items.clear(), undoList.dropped = false;
            redoList.items.clear(), redoList.dropped = false;
            caret = Position{};
        }
        auto pieces = split(s);
        if (pieces.back().empty())
            pieces.pop_back();
        lines = pieces;
        collapse();
    }
    void addLine(const std::string& s) {
        lines.push_back(s);
        collapse();
    }
    void setSelectionStart(std::int64_t v) {
        caret = clampCaret(offsetToPos(v));
        bb = be = clampSel(caret);
    }
    void setSelectionLength(std::int64_t n) {
        const Position b = selBegin();
        const Position q = offsetToPos(std::max<std::int64_t>(0, posToOffset(b) + n));
        caret = clampCaret(q);
        if (n >= 0)
            bb = clampSel(b), be = clampSel(q);
        else
            bb = clampSel(q), be = clampSel(b);
    }
    std::int64_t selectionStart() const { return posToOffset(avail() ? selBegin() : caret); }
    std::int64_t selectionLength() const {
        return avail() ? posToOffset(selEnd()) - posToOffset(selBegin()) : 0;
    }
    // The deletion of the selection as a record: line mode keeps the last line's end, column
    // mode stores the rectangle's corners.
    void recordDeletion() {
        std::string t = rangeText(selBegin(), selEnd(), active);
        Position b = selBegin(), e = selEnd();
        if (active == SelectionMode::smLine && e.line >= (int)lines.size())
            t += "\r\n";
        if (active == SelectionMode::smColumn) {
            const int xl = std::min(disp(b.line, b.column), disp(e.line, e.column));
            const int xr = std::max(disp(b.line, b.column), disp(e.line, e.column));
            b = Position{colAt(b.line, xl), b.line};
            e = Position{colAt(e.line, xr), e.line};
        }
        add(undoList, Kind::Delete, b, e, t, active);
    }
    // Deleting the selection, recorded. Every line in line mode: the lines above the last one,
    // then the last one's text, so that undo gives back no extra empty line.
    void deleteSelection() {
        const int n = (int)lines.size();
        if (n == 0)
            return;
        if (active == SelectionMode::smLine && n > 0 && selBegin().line <= 1 &&
            selEnd().line >= n) {
            if (n > 1) {
                const Position b{1, 1}, e{1, n - 1};
                add(undoList, Kind::Delete, b, e, rangeText(b, e, SelectionMode::smLine),
                    SelectionMode::smLine);
                removeRange(b, e, SelectionMode::smLine);
            }
            const Position b{1, 1}, e{len(1) + 1, 1};
            add(undoList, Kind::Delete, b, e, rangeText(b, e, SelectionMode::smNormal),
                SelectionMode::smNormal);
            removeRange(b, e, SelectionMode::smNormal);
            return;
        }
        recordDeletion();
        removeRange(selBegin(), selEnd(), active);
    }
    // The blanks and lines an insertion at p adds in free space, each recorded on its own.
    void fillFreeSpace(Position p, const std::string& s, SelectionMode m) {
        if (s.empty() || m == SelectionMode::smLine)
            return;
        if (lines.empty())
            lines.push_back("");
        const int n = (int)lines.size();
        p.line = std::clamp(p.line, 1, n);
        auto pad = [&](int y, int column) {
            if (column - 1 <= len(y))
                return;
            const Position at{len(y) + 1, y};
            const Position e =
                insert(at, std::string(column - 1 - len(y), ' '), SelectionMode::smNormal);
            add(undoList, Kind::Insert, at, e, "", SelectionMode::smNormal);
        };
        if (m == SelectionMode::smNormal) {
            pad(p.line, p.column);
            return;
        }
        const auto pieces = split(s);
        const int x = disp(p.line, p.column);
        const int missing = p.line - 1 + (int)pieces.size() - n;
        if (missing > 0) {
            const Position at{len(n) + 1, n};
            std::string breaks;
            for (int i = 0; i < missing; ++i)
                breaks += "\r\n";
            const Position e = insert(at, breaks, SelectionMode::smNormal);
            add(undoList, Kind::Insert, at, e, "", SelectionMode::smNormal);
        }
        for (std::size_t i = 0; i < pieces.size(); ++i)
            if (!pieces[i].empty())
                pad(p.line + (int)i, colAt(p.line + (int)i, x));
    }
    void setMode(SelectionMode m) {
        mode = active = m;
        bb = clampSel(bb);
        be = clampSel(be);
    }
    void setSelectedText(const std::string& s) {
        begin();
        if (avail())
            deleteSelection();
        else
            active = mode;
        if (!s.empty()) {
            const Position start = caret;
            fillFreeSpace(start, s, active);
            const Position e = insert(start, s, active);
            add(undoList, Kind::Insert, start, e,
                active == SelectionMode::smColumn ? join(split(s)) : "", active);
        }
        end();
    }
    void clearAll() {
        lines.clear();
        undoList.items.clear(), undoList.dropped = false;
        redoList.items.clear(), redoList.dropped = false;
        caret = bb = be = Position{};
        setModified(false);
    }
    void undoOne() {
        replaying = true;
        undoOneRecord();
        replaying = false;
    }
    void redoOne() {
        replaying = true;
        redoOneRecord();
        replaying = false;
    }
    void undoOneRecord() {
        Record r = undoList.items.back();
        undoList.items.pop_back();
        if (r.kind == Kind::Insert || r.kind == Kind::Paste) {
            std::string removed = r.mode == SelectionMode::smColumn
                                      ? removeColumn(r.start, r.text)
                                      : removeRange(r.start, r.end, r.mode);
            caret = clampCaret(r.start), bb = be = clampSel(r.start);
            add(redoList, r.kind, r.start, r.end, removed, r.mode);
        } else if (r.kind == Kind::Delete) {
            const bool column = r.mode == SelectionMode::smColumn;
            insert(column ? r.start : (r.end < r.start ? r.end : r.start), r.text, r.mode);
            active = r.mode;
            caret = clampCaret(r.end), bb = clampSel(r.start), be = clampSel(r.end);
            add(redoList, r.kind, r.start, r.end, column ? r.text : "", r.mode);
        } else if (r.kind == Kind::GroupBreak) {
            redoList.items.push_back(r);
        } else {
            add(redoList, r.kind, r.start, r.end, "", r.mode);
        }
    }
    void redoOneRecord() {
        Record r = redoList.items.back();
        redoList.items.pop_back();
        if (r.kind == Kind::Insert || r.kind == Kind::Paste) {
            insert(r.start, r.text, r.mode);
            add(undoList, r.kind, r.start, r.end, r.mode == SelectionMode::smColumn ? r.text : "",
                r.mode);
        } else if (r.kind == Kind::Delete) {
            const bool toLastLine = r.mode == SelectionMode::smLine &&
                                    std::max(r.start.line, r.end.line) >= (int)lines.size();
            std::string removed = r.mode == SelectionMode::smColumn
                                      ? removeColumn(r.start, r.text)
                                      : removeRange(r.start, r.end, r.mode);
            if (toLastLine)
                removed += "\r\n";
            add(undoList, r.kind, r.start, r.end, removed, r.mode);
        } else if (r.kind == Kind::GroupBreak) {
            if (undoList.items.empty() || undoList.items.back().kind != Kind::GroupBreak)
                undoList.items.push_back(r);
        } else {
            add(undoList, r.kind, r.start, r.end, "", r.mode);
        }
    }
    void undo() {
        if (!undoList.items.empty() && undoList.items.back().kind == Kind::GroupBreak) {
            redoList.items.push_back(undoList.items.back());
            undoList.items.pop_back();
            recompute();
        }
        if (undoList.items.empty())
            return;
        const auto first = undoList.items.back().number;
        const bool paste = undoList.items.back().kind == Kind::PasteEnd;
        const auto saved = redoList.block;
        redoList.block = first;
        for (;;) {
            const Kind k = undoList.items.back().kind;
            undoOne();
            if (undoList.items.empty())
                break;
            const Record& next = undoList.items.back();
            const bool more =
                paste ? next.kind != Kind::PasteBegin : (next.number == first || next.kind == k);
            if (!more)
                break;
        }
        if (paste && !undoList.items.empty() && undoList.items.back().kind == Kind::PasteBegin) {
            undoOne();
            recompute();
        }
        redoList.block = saved;
    }
    void redo() {
        if (redoList.items.empty())
            return;
        const auto first = redoList.items.back().number;
        const bool paste = redoList.items.back().kind == Kind::PasteBegin;
        const auto saved = undoList.block;
        undoList.block = first;
        undoList.insideRedo = true;
        for (;;) {
            const Kind k = redoList.items.back().kind;
            redoOne();
            if (redoList.items.empty())
                break;
            const Record& next = redoList.items.back();
            const bool more =
                paste ? next.kind != Kind::PasteEnd : (next.number == first || next.kind == k);
            if (!more)
                break;
        }
        if (paste && !redoList.items.empty() && redoList.items.back().kind == Kind::PasteEnd) {
            redoOne();
            recompute();
        }
        undoList.insideRedo = false;
        undoList.block = saved;
        if (!redoList.items.empty() && redoList.items.back().kind == Kind::GroupBreak) {
            Record gb = redoList.items.back();
            redoList.items.pop_back();
            if (undoList.items.empty() || undoList.items.back().kind != Kind::GroupBreak)
                undoList.items.push_back(gb);
            recompute();
        }
    }
    void paste(const std::string& t, std::optional<SelectionMode> m) {
        begin();
        add(undoList, Kind::PasteBegin, caret, caret, "", active);
        if (avail())
            deleteSelection();
        else
            active = mode;
        const SelectionMode pm = t.empty() ? SelectionMode::smNormal : m.value_or(active);
        const Position start = caret;
        fillFreeSpace(start, t, pm);
        const Position e = insert(start, t, pm);
        add(undoList, Kind::Paste, start, e, pm == SelectionMode::smColumn ? join(split(t)) : "",
            pm);
        add(undoList, Kind::PasteEnd, caret, caret, "", active);
        end();
    }
};

} // namespace reference
