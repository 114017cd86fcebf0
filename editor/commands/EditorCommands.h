#pragma once

#include "editor/document/EditorModel.h"

#include <bitset>
#include <string>

namespace varlo {

// Command identifiers. The numbers are their stored form: keep them. Each ecSel variant is the
// plain move + 100.
enum EditorCommand : int {
    ecNone = 0,
    ecLeft = 1,
    ecRight = 2,
    ecUp = 3,
    ecDown = 4,
    ecWordLeft = 5,
    ecWordRight = 6,
    ecLineStart = 7,
    ecLineEnd = 8,
    ecPageUp = 9,
    ecPageDown = 10,
    ecPageLeft = 11,
    ecPageRight = 12,
    ecPageTop = 13,
    ecPageBottom = 14,
    ecEditorTop = 15,
    ecEditorBottom = 16,
    ecGotoXY = 17,
    ecSelection = 100,
    ecSelLeft = ecLeft + ecSelection,
    ecSelRight = ecRight + ecSelection,
    ecSelUp = ecUp + ecSelection,
    ecSelDown = ecDown + ecSelection,
    ecSelWordLeft = ecWordLeft + ecSelection,
    ecSelWordRight = ecWordRight + ecSelection,
    ecSelLineStart = ecLineStart + ecSelection,
    ecSelLineEnd = ecLineEnd + ecSelection,
    ecSelPageUp = ecPageUp + ecSelection,
    ecSelPageDown = ecPageDown + ecSelection,
    ecSelPageLeft = ecPageLeft + ecSelection,
    ecSelPageRight = ecPageRight + ecSelection,
    ecSelPageTop = ecPageTop + ecSelection,
    ecSelPageBottom = ecPageBottom + ecSelection,
    ecSelEditorTop = ecEditorTop + ecSelection,
    ecSelEditorBottom = ecEditorBottom + ecSelection,
    ecSelGotoXY = ecGotoXY + ecSelection,
    ecSelWord = 198,
    ecSelectAll = 199,
    ecCopy = 201,
    ecScrollUp = 211,
    ecScrollDown = 212,
    ecScrollLeft = 213,
    ecScrollRight = 214,
    ecInsertMode = 221,
    ecOverwriteMode = 222,
    ecToggleMode = 223,
    ecNormalSelect = 231,
    ecColumnSelect = 232,
    ecLineSelect = 233,
    ecMatchBracket = 250,
    ecGotoMarker0 = 301,
    ecGotoMarker9 = 310,
    ecSetMarker0 = 351,
    ecSetMarker9 = 360,
    ecContextHelp = 490,
    ecDeleteLastChar = 501,
    ecDeleteChar = 502,
    ecDeleteWord = 503,
    ecDeleteLastWord = 504,
    ecDeleteBOL = 505,
    ecDeleteEOL = 506,
    ecDeleteLine = 507,
    ecClearAll = 508,
    ecLineBreak = 509,
    ecInsertLine = 510,
    ecChar = 511,
    ecUndo = 601,
    ecRedo = 602,
    ecCut = 603,
    ecPaste = 604,
    ecBlockIndent = 610,
    ecBlockUnindent = 611,
    ecTab = 612,
    ecShiftTab = 613,
    ecUpperCase = 620,
    ecLowerCase = 621,
    ecToggleCase = 622,
    ecTitleCase = 623,
    ecUpperCaseBlock = 625,
    ecLowerCaseBlock = 626,
    ecToggleCaseBlock = 627,
    ecUserFirst = 1001,
};

// What the commands need to know about the view that shows the model. The view keeps it up to
// date; page and scroll commands move topLine and leftChar, and the view follows them.
struct EditorView {
    int topLine = 1;        // first line shown (1-based)
    int linesInWindow = 1;  // fully visible lines, at least 1
    int leftChar = 1;       // first column shown (1-based)
    int charsInWindow = 80; // fully visible columns, at least 1
};

// The command processor: every keyboard command of the editor, carried out on the model's
// public API with the editor's options. Mouse gestures that edit (drag and drop) live here too so
// that they are tested without a widget.
class EditorCommands {
public:
    explicit EditorCommands(EditorModel& model);

    // Runs one command; ch is the typed character for ecChar (Windows-1251).
    void execute(EditorCommand command, char ch = 0);
    // Scrolls the view (topLine, leftChar) just enough to show the caret.
    void ensureCaretVisible();
    // Places the caret (ecGotoXY), extending the selection when `select` is set.
    void gotoXY(Position p, bool select);

    // Word characters: by default the set used without a highlighter.
    static std::bitset<256> defaultWordChars();
    void setWordChars(const std::bitset<256>& chars) { wordChars_ = chars; }
    const std::bitset<256>& wordChars() const { return wordChars_; }
    bool isWordChar(unsigned char c) const { return wordChars_[c]; }

    EditorView view;

    // Raised by ecContextHelp; nothing is bound in this program.
    std::function<void()> onContextHelp;

    // --- Gestures the widget maps onto commands
    // Selects the word at p (a double click).
    void selectWordAt(Position p);
    // Moves (or copies) the selection to `drop` as one undo step; nothing when drop lies inside
    // the selection of a move. Returns whether anything changed.
    bool dragDrop(Position drop, bool copy);

    // --- Word boundaries on the model's lines, used by the commands and the mouse
    Position wordStartBefore(Position p) const; // ecWordLeft target
    Position wordStartAfter(Position p) const;  // ecWordRight target

private:
    void run(EditorCommand command, char ch);
    Position selectionAnchor() const;
    void moveCaret(Position to, bool select);
    void typeChar(char ch);
    void lineBreak(bool moveCaret);
    void tab();
    void shiftTab();
    void deleteLastChar();
    void deleteChar();
    void deleteWord();
    void deleteLastWord();
    void deleteToLineStart();
    void deleteToLineEnd();
    void deleteLine();
    void blockIndent();
    void blockUnindent();
    void setMarker(int n);
    void gotoMarker(int n);
    void matchBracket();
    void changeCase(EditorCommand command);
    void scrollBy(int lines);
    void clampView();
    // Removes [begin, end) as one record of `kind` (text removed in the normal mode).
    void removeRecorded(UndoKind kind, Position begin, Position end, Position caretAfter);
    // The removal of a selection that starts several commands, recorded as a deletion.
    void deleteSelectionRecorded();
    int leadingBlanks(int line) const; // characters, 0-based line
    int indentWidth(int line) const;   // screen cells, tabs counting TabWidth
    std::string lineOf(int line1) const { return model_.line(line1 - 1); }

    EditorModel& model_;
    std::bitset<256> wordChars_;
};

} // namespace varlo
