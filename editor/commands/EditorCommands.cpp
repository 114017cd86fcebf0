#include "editor/commands/EditorCommands.h"

#include "editor/base/Cp1251.h"

#include <algorithm>
#include <array>

namespace varlo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string spaces(int n) {
    return std::string(static_cast<std::size_t>(std::max(0, n)), ' ');
}

// Upper case of every byte value: the inverse of the code page's lower-case table.
const std::array<unsigned char, 256>& upperTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
        for (int b = 0; b < 256; ++b) {
            const unsigned char lower = cp1251::toLower(static_cast<unsigned char>(b));
            if (lower != b)
                t[lower] = static_cast<unsigned char>(b);
        }
        return t;
    }();
    return table;
}

struct BracketPair {
    char open;
    char close;
};
constexpr BracketPair kBrackets[] = {{'(', ')'}, {'[', ']'}, {'{', '}'}, {'<', '>'}};

} // namespace

std::bitset<256> EditorCommands::defaultWordChars() {
    return cp1251::letterCharacters();
}

EditorCommands::EditorCommands(EditorModel& model)
    : model_(model), wordChars_(defaultWordChars()) {}

int EditorCommands::leadingBlanks(int line) const {
    const std::string s = model_.line(line);
    int n = 0;
    while (n < static_cast<int>(s.size()) && isBlank(s[static_cast<std::size_t>(n)]))
        ++n;
    return n;
}

int EditorCommands::indentWidth(int line) const {
    const std::string s = model_.line(line);
    const int tw = model_.tabWidth();
    int width = 0;
    for (char c : s) {
        if (c == ' ')
            ++width;
        else if (c == '\t')
            width += tw - width % tw;
        else
            break;
    }
    return width;
}

// Where a selecting move starts from: the anchor of the selection being made, which a column
// selection keeps even while it is only a line tall and no columns wide (Shift+Up, then
// Shift+Left must give a rectangle), else the caret.
Position EditorCommands::selectionAnchor() const {
    const bool extending =
        model_.selectionAvailable() || !(model_.blockAnchor() == model_.blockEnd());
    return extending ? model_.blockAnchor() : model_.caret();
}

void EditorCommands::moveCaret(Position to, bool select) {
    model_.groupBreak();
    if (select) {
        const Position anchor = selectionAnchor();
        model_.setCaretAndSelection(to, anchor, to);
    } else {
        model_.setCaretAndSelection(to, to, to);
    }
}

void EditorCommands::gotoXY(Position p, bool select) {
    // A mouse placement: no group break.
    if (select) {
        const Position anchor = selectionAnchor();
        model_.setCaretAndSelection(p, anchor, p);
    } else {
        model_.setCaretAndSelection(p, p, p);
    }
}

Position EditorCommands::wordStartAfter(Position p) const {
    std::string s = lineOf(p.line);
    int len = static_cast<int>(s.size());
    int i = p.column - 1;
    int line = p.line;
    if (i >= len) {
        if (line >= model_.lineCount())
            return p;
        ++line;
        s = lineOf(line);
        len = static_cast<int>(s.size());
        i = 0;
    } else {
        while (i < len && isWordChar(static_cast<unsigned char>(s[static_cast<std::size_t>(i)])))
            ++i;
    }
    while (i < len && !isWordChar(static_cast<unsigned char>(s[static_cast<std::size_t>(i)])))
        ++i;
    return {i + 1, line};
}

Position EditorCommands::wordStartBefore(Position p) const {
    const std::string s = lineOf(p.line);
    int i = std::min(p.column - 1, static_cast<int>(s.size()));
    if (i == 0) {
        if (p.line <= 1)
            return {1, 1};
        return {model_.lineLength(p.line - 2) + 1, p.line - 1};
    }
    auto word = [&](int k) {
        return isWordChar(static_cast<unsigned char>(s[static_cast<std::size_t>(k)]));
    };
    while (i > 0 && !word(i - 1))
        --i;
    while (i > 0 && word(i - 1))
        --i;
    return {i + 1, p.line};
}

void EditorCommands::clampView() {
    const int count = std::max(1, model_.lineCount());
    view.linesInWindow = std::max(1, view.linesInWindow);
    view.charsInWindow = std::max(1, view.charsInWindow);
    const int maxTop = std::max(1, count - view.linesInWindow + 1);
    view.topLine = std::clamp(view.topLine, 1, maxTop);
    view.leftChar = std::clamp(view.leftChar, 1, kMaxScrollWidth);
}

void EditorCommands::ensureCaretVisible() {
    const Position c = model_.caret();
    if (c.line < view.topLine)
        view.topLine = c.line;
    else if (c.line > view.topLine + view.linesInWindow - 1)
        view.topLine = c.line - view.linesInWindow + 1;
    const int x = model_.displayColumn(c.line, c.column);
    if (x < view.leftChar)
        view.leftChar = x;
    else if (x > view.leftChar + view.charsInWindow - 1)
        view.leftChar = x - view.charsInWindow + 1;
    clampView();
}

void EditorCommands::scrollBy(int lines) {
    view.topLine += lines;
    clampView();
    Position c = model_.caret();
    const int last = view.topLine + view.linesInWindow - 1;
    const Position before = c;
    c.line = std::clamp(c.line, view.topLine, std::max(view.topLine, last));
    c.line = std::min(c.line, std::max(1, model_.lineCount()));
    if (!(c == before))
        moveCaret(c, false);
}

void EditorCommands::execute(EditorCommand command, char ch) {
    run(command, ch);
    switch (command) {
    case ecScrollUp:
    case ecScrollDown:
    case ecScrollLeft:
    case ecScrollRight:
    case ecCopy:
    case ecContextHelp:
        break;
    default:
        ensureCaretVisible();
        break;
    }
}

void EditorCommands::run(EditorCommand command, char ch) {
    const Position c = model_.caret();
    const int count = model_.lineCount();
    const int lastLine = std::max(1, count);
    const bool select = (command > ecSelection && command <= ecSelGotoXY);
    const int move = select ? command - ecSelection : command;
    const bool editing = command >= ecDeleteLastChar && command < ecUserFirst;
    if (editing && model_.readOnly)
        return;

    if (command > ecNone && command <= ecSelGotoXY && move <= ecGotoXY) {
        Position to = c;
        switch (move) {
        case ecLeft:
            to.column = std::max(1, c.column - 1);
            break;
        case ecRight:
            to.column = std::min(kMaxScrollWidth + 1, c.column + 1);
            break;
        case ecUp:
            to.line = std::max(1, c.line - 1);
            break;
        case ecDown:
            to.line = std::min(lastLine, c.line + 1);
            break;
        case ecWordLeft:
            to = wordStartBefore(c);
            break;
        case ecWordRight:
            to = wordStartAfter(c);
            break;
        case ecLineStart:
            to.column = 1;
            break;
        case ecLineEnd: {
            const std::string s = lineOf(c.line);
            int k = static_cast<int>(s.size());
            const int trueEnd = k + 1;
            if (model_.options & eoEnhanceEndKey) {
                while (k > 0 && isBlank(s[static_cast<std::size_t>(k - 1)]))
                    --k;
                to.column = (c.column == k + 1) ? trueEnd : k + 1;
            } else {
                to.column = trueEnd;
            }
            break;
        }
        case ecPageUp:
            to.line = std::max(1, c.line - view.linesInWindow);
            view.topLine -= view.linesInWindow;
            clampView();
            break;
        case ecPageDown:
            to.line = std::min(lastLine, c.line + view.linesInWindow);
            view.topLine += view.linesInWindow;
            clampView();
            break;
        case ecPageLeft:
            to.column = std::max(1, c.column - view.charsInWindow);
            view.leftChar -= view.charsInWindow;
            clampView();
            break;
        case ecPageRight:
            to.column = std::min(kMaxScrollWidth + 1, c.column + view.charsInWindow);
            view.leftChar += view.charsInWindow;
            clampView();
            break;
        case ecPageTop:
            to.line = std::min(lastLine, view.topLine);
            break;
        case ecPageBottom:
            to.line = std::min(lastLine, view.topLine + view.linesInWindow - 1);
            break;
        case ecEditorTop:
            to = {1, 1};
            break;
        case ecEditorBottom:
            to = {model_.lineLength(lastLine - 1) + 1, lastLine};
            break;
        case ecGotoXY:
            return; // needs a position: gotoXY()
        }
        moveCaret(to, select);
        return;
    }

    if (command >= ecGotoMarker0 && command <= ecGotoMarker9) {
        gotoMarker(command - ecGotoMarker0);
        return;
    }
    if (command >= ecSetMarker0 && command <= ecSetMarker9) {
        setMarker(command - ecSetMarker0);
        return;
    }

    switch (command) {
    case ecSelWord:
        selectWordAt(c);
        break;
    case ecSelectAll:
        model_.selectAll();
        break;
    case ecCopy:
        model_.copy();
        break;
    case ecScrollUp:
        scrollBy(-1);
        break;
    case ecScrollDown:
        scrollBy(1);
        break;
    case ecScrollLeft:
        --view.leftChar;
        clampView();
        break;
    case ecScrollRight:
        ++view.leftChar;
        clampView();
        break;
    case ecInsertMode:
        model_.setInsertMode(true);
        break;
    case ecOverwriteMode:
        model_.setInsertMode(false);
        break;
    case ecToggleMode:
        model_.setInsertMode(!model_.insertMode());
        break;
    case ecNormalSelect:
        model_.setSelectionMode(SelectionMode::smNormal);
        break;
    case ecColumnSelect:
        model_.setSelectionMode(SelectionMode::smColumn);
        break;
    case ecLineSelect:
        model_.setSelectionMode(SelectionMode::smLine);
        break;
    case ecMatchBracket:
        matchBracket();
        break;
    case ecContextHelp:
        if (onContextHelp)
            onContextHelp();
        break;
    case ecDeleteLastChar:
        deleteLastChar();
        break;
    case ecDeleteChar:
        deleteChar();
        break;
    case ecDeleteWord:
        deleteWord();
        break;
    case ecDeleteLastWord:
        deleteLastWord();
        break;
    case ecDeleteBOL:
        deleteToLineStart();
        break;
    case ecDeleteEOL:
        deleteToLineEnd();
        break;
    case ecDeleteLine:
        deleteLine();
        break;
    case ecClearAll:
        model_.clearAll();
        break;
    case ecLineBreak:
        lineBreak(true);
        break;
    case ecInsertLine:
        lineBreak(false);
        break;
    case ecChar:
        typeChar(ch);
        break;
    case ecUndo:
        model_.undo();
        break;
    case ecRedo:
        model_.redo();
        break;
    case ecCut:
        model_.cut();
        break;
    case ecPaste:
        model_.paste();
        break;
    case ecBlockIndent:
        blockIndent();
        break;
    case ecBlockUnindent:
        blockUnindent();
        break;
    case ecTab:
        tab();
        break;
    case ecShiftTab:
        shiftTab();
        break;
    case ecUpperCase:
    case ecLowerCase:
    case ecToggleCase:
    case ecTitleCase:
    case ecUpperCaseBlock:
    case ecLowerCaseBlock:
    case ecToggleCaseBlock:
        changeCase(command);
        break;
    default:
        break;
    }
}

void EditorCommands::typeChar(char ch) {
    const auto u = static_cast<unsigned char>(ch);
    if (u < 32 || u == 127)
        return;
    if (!model_.insertMode() && !model_.selectionAvailable()) {
        const Position c = model_.caret();
        if (c.column <= model_.lineLength(c.line - 1))
            model_.setCaretAndSelection({c.column + 1, c.line}, c, {c.column + 1, c.line});
    }
    model_.setSelectedText(std::string_view(&ch, 1));
}

void EditorCommands::deleteSelectionRecorded() {
    if (model_.selectionAvailable())
        model_.setSelectedText({});
}

void EditorCommands::removeRecorded(UndoKind kind, Position begin, Position end,
                                    Position caretAfter) {
    if (!(begin < end))
        return;
    UndoBlock block(model_);
    std::string removed = model_.removeRange(begin, end, SelectionMode::smNormal);
    model_.undoList().addChange(kind, begin, end, std::move(removed), SelectionMode::smNormal);
    model_.setCaretAndSelection(caretAfter, caretAfter, caretAfter);
}

void EditorCommands::lineBreak(bool moveCaretDown) {
    UndoBlock block(model_);
    deleteSelectionRecorded();
    const Position c = model_.caret();
    const bool autoIndent = model_.options & eoAutoIndent;
    Position at{1, 1};
    std::string text = "\r\n";
    Position caretAfter{1, 2};
    if (model_.lineCount() > 0) {
        const std::string s = lineOf(c.line);
        const int len = static_cast<int>(s.size());
        if (len == 0) {
            at = {1, c.line};
            int column = 1;
            if (autoIndent) {
                for (int l = c.line - 2; l >= 0; --l) {
                    if (model_.lineLength(l) > 0) {
                        column = indentWidth(l) + 1;
                        break;
                    }
                }
            }
            caretAfter = {column, c.line + 1};
        } else if (c.column > len) {
            at = {len + 1, c.line};
            const int lead = autoIndent ? leadingBlanks(c.line - 1) : 0;
            text += s.substr(0, static_cast<std::size_t>(lead));
            caretAfter = {lead + 1, c.line + 1};
        } else if (c.column == 1) {
            at = {1, c.line};
            caretAfter = {1, c.line + 1};
        } else {
            at = c;
            int width = 0;
            if (autoIndent) {
                const int tw = model_.tabWidth();
                for (int i = 0; i < c.column - 1 && isBlank(s[static_cast<std::size_t>(i)]); ++i)
                    width = s[static_cast<std::size_t>(i)] == '\t' ? width + tw - width % tw
                                                                   : width + 1;
            }
            text += spaces(width);
            caretAfter = {width + 1, c.line + 1};
        }
    }
    const Position end = model_.insertText(at, text, SelectionMode::smNormal);
    model_.undoList().addChange(UndoKind::LineBreak, at, end, {}, SelectionMode::smNormal);
    const Position caret = moveCaretDown ? caretAfter : c;
    model_.setCaretAndSelection(caret, caret, caret);
}

void EditorCommands::tab() {
    UndoBlock block(model_);
    const Position c = model_.caret();
    int width = 0;
    if (model_.options & eoSmartTabs) {
        for (int l = c.line - 2; l >= 0; --l) {
            const std::string s = model_.line(l);
            const int len = static_cast<int>(s.size());
            if (len < c.column)
                continue;
            int i = c.column - 1;
            while (i < len && !isBlank(s[static_cast<std::size_t>(i)]))
                ++i;
            while (i < len && isBlank(s[static_cast<std::size_t>(i)]))
                ++i;
            width = i - (c.column - 1);
            break;
        }
    }
    deleteSelectionRecorded();
    const int tw = model_.tabWidth();
    if (width == 0)
        width = tw - (model_.caret().column - 1) % tw;
    if (model_.options & eoTabsToSpaces)
        model_.setSelectedText(spaces(width));
    else
        model_.setSelectedText("\t");
}

void EditorCommands::shiftTab() {
    const Position c = model_.caret();
    if (c.column <= 1)
        return;
    const std::string s = lineOf(c.line);
    const int len = static_cast<int>(s.size());
    int target = 0;
    if (model_.options & eoSmartTabs) {
        for (int l = c.line - 2; l >= 0; --l) {
            const std::string above = model_.line(l);
            if (static_cast<int>(above.size()) < c.column - 1)
                continue;
            int k = c.column - 1; // 1-based column being looked at
            while (k >= 1 && above[static_cast<std::size_t>(k - 1)] == ' ')
                --k;
            while (k >= 1 && above[static_cast<std::size_t>(k - 1)] != ' ')
                --k;
            target = k + 1;
            break;
        }
    }
    if (target == 0) {
        const int tw = model_.tabWidth();
        const int stop = tw * ((c.column - 2) / tw) + 1;
        if (len < c.column - 1) {
            target = stop;
        } else if (s[static_cast<std::size_t>(c.column - 2)] == '\t') {
            target = c.column - 1;
        } else {
            target = c.column;
            while (target > stop && s[static_cast<std::size_t>(target - 2)] == ' ')
                --target;
        }
    }
    if (target >= c.column)
        return;
    // Shift+Tab takes back indentation only: it never deletes the characters of a word, so the
    // target stops after the last non-blank character before the caret.
    int k = std::min(c.column - 1, len);
    while (k > 0 && isBlank(s[static_cast<std::size_t>(k - 1)]))
        --k;
    target = std::max(target, k + 1);
    if (target >= c.column)
        return;
    const Position begin{target, c.line};
    const Position end{std::min(c.column, len + 1), c.line};
    if (begin < end) {
        removeRecorded(UndoKind::DeleteBackward, begin, end, begin);
    } else {
        model_.setCaretAndSelection(begin, begin, begin);
    }
}

void EditorCommands::deleteLastChar() {
    if (model_.selectionAvailable()) {
        deleteSelectionRecorded();
        return;
    }
    const Position c = model_.caret();
    if (model_.lineCount() == 0)
        return;
    const std::string s = lineOf(c.line);
    const int len = static_cast<int>(s.size());
    const bool smart = model_.options & eoSmartTabDelete;
    // The column to which smart deletion goes back: the indentation of the nearest line above
    // that is indented less than `than` columns.
    auto smallerIndent = [&](int than) {
        for (int l = c.line - 2; l >= 0; --l) {
            if (model_.lineLength(l) == 0)
                continue;
            const int lead = leadingBlanks(l);
            if (lead < than)
                return lead + 1;
        }
        return 1;
    };
    if (c.column > len + 1) {
        int column = len + 1;
        if (len == 0)
            column = smart ? smallerIndent(c.column - 1) : c.column - 1;
        const Position to{column, c.line};
        model_.setCaretAndSelection(to, to, to);
        return;
    }
    if (c.column == 1) {
        if (c.line > 1) {
            const Position joint{model_.lineLength(c.line - 2) + 1, c.line - 1};
            removeRecorded(UndoKind::DeleteBackward, joint, c, joint);
        }
        return;
    }
    const int lead = leadingBlanks(c.line - 1);
    if (smart && lead == c.column - 1) {
        const Position to{smallerIndent(lead), c.line};
        removeRecorded(UndoKind::DeleteBackward, to, c, to);
        return;
    }
    const Position prev{c.column - 1, c.line};
    removeRecorded(UndoKind::DeleteBackward, prev, c, prev);
}

void EditorCommands::deleteChar() {
    if (model_.selectionAvailable()) {
        deleteSelectionRecorded();
        return;
    }
    const Position c = model_.caret();
    const int len = model_.lineLength(c.line - 1);
    if (c.column <= len) {
        removeRecorded(UndoKind::DeleteForward, c, {c.column + 1, c.line}, c);
        return;
    }
    if (c.line >= model_.lineCount())
        return;
    UndoBlock block(model_);
    if (c.column > len + 1) {
        const Position lineEnd{len + 1, c.line};
        const Position padded =
            model_.insertText(lineEnd, spaces(c.column - 1 - len), SelectionMode::smNormal);
        model_.undoList().addChange(UndoKind::Insert, lineEnd, padded, {}, SelectionMode::smNormal);
    }
    removeRecorded(UndoKind::DeleteForward, c, {1, c.line + 1}, c);
}

void EditorCommands::deleteWord() {
    const Position c = model_.caret();
    const std::string s = lineOf(c.line);
    const int len = static_cast<int>(s.size());
    if (c.column > len) {
        if (c.line >= model_.lineCount())
            return;
        UndoBlock block(model_);
        if (c.column > len + 1) {
            const Position lineEnd{len + 1, c.line};
            const Position padded =
                model_.insertText(lineEnd, spaces(c.column - 1 - len), SelectionMode::smNormal);
            model_.undoList().addChange(UndoKind::Insert, lineEnd, padded, {},
                                        SelectionMode::smNormal);
        }
        const std::string next = lineOf(c.line + 1);
        int lead = 0;
        while (lead < static_cast<int>(next.size()) && next[static_cast<std::size_t>(lead)] == ' ')
            ++lead;
        removeRecorded(UndoKind::DeleteForward, c, {lead + 1, c.line + 1}, c);
        return;
    }
    int i = c.column - 1;
    if (isWordChar(static_cast<unsigned char>(s[static_cast<std::size_t>(i)]))) {
        while (i < len && isWordChar(static_cast<unsigned char>(s[static_cast<std::size_t>(i)])))
            ++i;
    } else {
        ++i;
    }
    while (i < len && s[static_cast<std::size_t>(i)] == ' ')
        ++i;
    removeRecorded(UndoKind::DeleteForward, c, {i + 1, c.line}, c);
}

void EditorCommands::deleteLastWord() {
    const Position c = model_.caret();
    const Position from = wordStartBefore(c);
    Position to = c;
    to.column = std::min(to.column, model_.lineLength(c.line - 1) + 1);
    if (from < to)
        removeRecorded(UndoKind::DeleteBackward, from, to, from);
    else
        model_.setCaretAndSelection(from, from, from);
}

void EditorCommands::deleteToLineStart() {
    const Position c = model_.caret();
    const Position to{std::min(c.column, model_.lineLength(c.line - 1) + 1), c.line};
    removeRecorded(UndoKind::DeleteBackward, {1, c.line}, to, {1, c.line});
}

void EditorCommands::deleteToLineEnd() {
    const Position c = model_.caret();
    const int len = model_.lineLength(c.line - 1);
    if (c.column <= len)
        removeRecorded(UndoKind::DeleteForward, c, {len + 1, c.line}, c);
}

void EditorCommands::deleteLine() {
    const Position c = model_.caret();
    const int count = model_.lineCount();
    if (count == 0)
        return;
    const Position home{1, c.line};
    if (c.line < count) {
        removeRecorded(UndoKind::DeleteForward, home, {1, c.line + 1}, home);
    } else if (model_.lineLength(c.line - 1) > 0) {
        removeRecorded(UndoKind::DeleteForward, home, {model_.lineLength(c.line - 1) + 1, c.line},
                       home);
    } else {
        model_.setCaretAndSelection(home, home, home);
    }
}

void EditorCommands::blockIndent() {
    if (!model_.selectionAvailable())
        return;
    const Position b = model_.selectionBegin();
    const Position e = model_.selectionEnd();
    const Position anchor = model_.blockAnchor();
    const Position moving = model_.blockEnd();
    const int first = b.line;
    int last = e.line;
    if (e.column == 1 && last > first)
        --last;
    const int tw = model_.tabWidth();
    const std::string indent = spaces(tw);
    std::string pieces;
    UndoBlock block(model_);
    model_.undoList().addChange(UndoKind::Selection, anchor, moving, {}, model_.selectionMode());
    for (int l = first; l <= last; ++l) {
        model_.insertText({1, l}, indent, SelectionMode::smNormal);
        if (l > first)
            pieces += "\r\n";
        pieces += indent;
    }
    model_.undoList().addChange(UndoKind::BlockIndent, {1, first}, {tw + 1, last},
                                std::move(pieces), SelectionMode::smColumn);
    auto shifted = [&](Position p) {
        if (p.line >= first && p.line <= last && p.column > 1)
            p.column += tw;
        return p;
    };
    model_.setCaretAndSelection(shifted(moving), shifted(anchor), shifted(moving));
}

void EditorCommands::blockUnindent() {
    const bool selected = model_.selectionAvailable();
    const Position b = selected ? model_.selectionBegin() : model_.caret();
    const Position e = selected ? model_.selectionEnd() : model_.caret();
    const Position anchor = selected ? model_.blockAnchor() : model_.caret();
    const Position moving = selected ? model_.blockEnd() : model_.caret();
    const int first = b.line;
    int last = std::min(e.line, model_.lineCount());
    if (selected && e.column == 1 && last > first)
        --last;
    const int tw = model_.tabWidth();
    std::vector<int> removed;
    bool any = false;
    for (int l = first; l <= last; ++l) {
        const std::string s = lineOf(l);
        const int len = static_cast<int>(s.size());
        int n = 0;
        if (len > 0 && s[0] == '\t') {
            n = 1;
        } else {
            while (n < tw && n < len && s[static_cast<std::size_t>(n)] == ' ')
                ++n;
            if (n < tw && n < len && s[static_cast<std::size_t>(n)] == '\t')
                ++n;
        }
        removed.push_back(n);
        any = any || n > 0;
    }
    if (!any)
        return;
    UndoBlock block(model_);
    model_.undoList().addChange(UndoKind::Selection, anchor, moving, {}, model_.selectionMode());
    std::string pieces;
    int widest = 0;
    for (int l = first; l <= last; ++l) {
        const int n = removed[static_cast<std::size_t>(l - first)];
        if (l > first)
            pieces += "\r\n";
        if (n > 0)
            pieces += model_.removeRange({1, l}, {n + 1, l}, SelectionMode::smNormal);
        widest = std::max(widest, n);
    }
    model_.undoList().addChange(UndoKind::BlockUnindent, {1, first}, {widest + 1, last},
                                std::move(pieces), SelectionMode::smColumn);
    auto shifted = [&](Position p) {
        if (p.line >= first && p.line <= last)
            p.column = std::max(1, p.column - removed[static_cast<std::size_t>(p.line - first)]);
        return p;
    };
    // The caret stays at the selection's moving end (the removals moved it to each line start).
    model_.setCaretAndSelection(shifted(moving), shifted(anchor), shifted(moving));
}

void EditorCommands::setMarker(int n) {
    const Position c = model_.caret();
    const auto mark = model_.bookmark(n);
    if (mark && mark->line == c.line)
        model_.setBookmark(n, std::nullopt);
    else
        model_.setBookmark(n, c);
}

void EditorCommands::gotoMarker(int n) {
    if (const auto mark = model_.bookmark(n))
        moveCaret(*mark, false);
}

void EditorCommands::matchBracket() {
    const Position c = model_.caret();
    const std::string s = lineOf(c.line);
    if (c.column > static_cast<int>(s.size()))
        return;
    const char here = s[static_cast<std::size_t>(c.column - 1)];
    for (const auto& pair : kBrackets) {
        if (here != pair.open && here != pair.close)
            continue;
        const bool forward = here == pair.open;
        const char mate = forward ? pair.close : pair.open;
        int depth = 0;
        int line = c.line;
        int i = c.column - 1;
        std::string text = s;
        for (;;) {
            const char ch = text[static_cast<std::size_t>(i)];
            if (ch == here) {
                ++depth;
            } else if (ch == mate && --depth == 0) {
                moveCaret({i + 1, line}, false);
                return;
            }
            // Step to the next character, crossing lines.
            if (forward) {
                while (++i >= static_cast<int>(text.size())) {
                    if (++line > model_.lineCount())
                        return;
                    text = lineOf(line);
                    i = -1;
                }
            } else {
                while (--i < 0) {
                    if (--line < 1)
                        return;
                    text = lineOf(line);
                    i = static_cast<int>(text.size());
                }
            }
        }
    }
}

void EditorCommands::changeCase(EditorCommand command) {
    if (!model_.selectionAvailable())
        return;
    const Position anchor = model_.blockAnchor();
    const Position moving = model_.blockEnd();
    std::string text = model_.selectedText();
    const auto& upper = upperTable();
    bool wordStart = true;
    for (char& ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        const unsigned char lower = cp1251::toLower(u);
        const unsigned char up = upper[u];
        switch (command) {
        case ecUpperCase:
        case ecUpperCaseBlock:
            ch = static_cast<char>(up);
            break;
        case ecLowerCase:
        case ecLowerCaseBlock:
            ch = static_cast<char>(lower);
            break;
        case ecTitleCase:
            ch = static_cast<char>(wordStart ? up : lower);
            break;
        default:
            ch = static_cast<char>(lower != u ? lower : up);
            break;
        }
        wordStart = !isWordChar(u);
    }
    UndoBlock block(model_);
    model_.setSelectedText(text);
    model_.setCaretAndSelection(moving, anchor, moving);
}

void EditorCommands::selectWordAt(Position p) {
    const std::string s = lineOf(p.line);
    const int len = static_cast<int>(s.size());
    auto word = [&](int k) {
        return k >= 0 && k < len &&
               isWordChar(static_cast<unsigned char>(s[static_cast<std::size_t>(k)]));
    };
    int i = p.column - 1;
    if (!word(i)) {
        if (!word(i - 1)) {
            model_.setCaretAndSelection(p, p, p);
            return;
        }
        --i;
    }
    int from = i;
    int to = i;
    while (word(from - 1))
        --from;
    while (word(to))
        ++to;
    const Position b{from + 1, p.line};
    const Position e{to + 1, p.line};
    model_.setCaretAndSelection(e, b, e);
}

bool EditorCommands::dragDrop(Position drop, bool copy) {
    if (model_.readOnly || !model_.selectionAvailable())
        return false;
    const SelectionMode mode = model_.selectionMode();
    const Position b = model_.selectionBegin();
    const Position e = model_.selectionEnd();
    if (!copy && b <= drop && drop <= e)
        return false;
    const std::string text = model_.selectedText();
    UndoBlock block(model_);
    if (!copy) {
        std::string removed = model_.removeRange(b, e, mode);
        model_.undoList().addChange(UndoKind::Delete, b, e, std::move(removed), mode);
        if (e <= drop && mode != SelectionMode::smColumn) {
            // The removal shifted everything behind the selection.
            if (drop.line == e.line)
                drop = {b.column + (drop.column - e.column), b.line};
            else
                drop.line -= e.line - b.line;
        }
    }
    model_.fillFreeSpaceRecorded(drop, text, mode);
    const Position end = model_.insertText(drop, text, mode);
    model_.undoList().addChange(UndoKind::DragDropInsert, drop, end,
                                mode == SelectionMode::smColumn ? text : std::string(), mode);
    model_.setCaretAndSelection(end, drop, end);
    return true;
}

} // namespace varlo
