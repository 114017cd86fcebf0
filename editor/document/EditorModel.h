#pragma once

#include "editor/document/EditorClipboard.h"
#include "editor/document/EditorTypes.h"
#include "editor/document/LineStore.h"
#include "editor/document/TSynUndoList.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varlo {

// What one notification says changed. For Lines: the old lines [line, line + linesRemoved) are
// now the lines [line, line + linesAdded) (0-based); an edit inside one line is {line, 1, 1}.
struct ModelChange {
    enum What : unsigned {
        Lines = 1u << 0,
        Caret = 1u << 1,
        Selection = 1u << 2,
        Modified = 1u << 3,
        Bookmarks = 1u << 4,
        Mode = 1u << 5,    // selection mode, insert mode, tab width, options
        Cleared = 1u << 6, // every line was removed or replaced
    };
    unsigned what = 0;
    int line = 0;
    int linesRemoved = 0;
    int linesAdded = 0;
};

class EditorObserver {
public:
    virtual ~EditorObserver() = default;
    virtual void modelChanged(const ModelChange& change) = 0;
};

// The editor's document: lines, caret, selection, undo and redo, clipboard exchange and the
// modified flag, with no user interface. The widget observes it and forwards commands to it.
// Offsets count a line break as two characters, as the joined Text does; every conversion costs
// O(log lines) at most.
class EditorModel {
public:
    EditorModel();
    EditorModel(const EditorModel&) = delete;
    EditorModel& operator=(const EditorModel&) = delete;

    // --- Lines and Text
    int lineCount() const { return static_cast<int>(lines_.count()); }
    // Line i (0-based); empty for an index outside the list.
    std::string line(int i) const { return lines_.line(i); }
    int lineLength(int i) const;
    // Up to n bytes of line i from the 0-based index col.
    std::string linePart(int i, int col, int n) const { return lines_.part(i, col, n); }
    // Appends one line: no record, IsModified unchanged, no OnChange.
    void addLine(std::string_view s);
    // Appends many lines at once, as that many Lines adds would, with one notification.
    void addLines(const std::vector<std::string_view>& lines);
    // Calls f(std::string_view) with every line in order, without copying them.
    template <typename F> void forEachLine(F&& f) const {
        lines_.visit(0, lines_.count(), std::forward<F>(f));
    }
    // Writes line i (0-based); i == lineCount() appends. Not recorded.
    void putLine(int i, std::string_view s);
    std::string text() const;
    std::int64_t textLength() const { return lines_.textLength(); }
    // Sets the whole text: clears the lists and homes the caret when there were lines, then
    // splits at CR LF, lone CR and lone LF (no empty line for a final line end).
    void setText(std::string_view s);
    std::string caretLineText() const;

    // --- Caret and selection
    Position caret() const { return caret_; }
    // Clamped: line to 1..lineCount (1 when empty), column to 1..max(1025, line length + 1).
    void setCaret(Position p);
    // The selection's ends in document order.
    Position selectionBegin() const { return minPosition(blockBegin_, blockEnd_); }
    Position selectionEnd() const { return maxPosition(blockBegin_, blockEnd_); }
    // The selection's anchor and moving end as they were set.
    Position blockAnchor() const { return blockBegin_; }
    Position blockEnd() const { return blockEnd_; }
    // Sets both ends (the anchor); clamped, in the normal mode the column to line length + 1.
    void setSelectionBegin(Position p);
    void setSelectionEnd(Position p);
    // Caret, anchor and moving end at once (used by undo, mouse and keyboard selection).
    void setCaretAndSelection(Position caret, Position begin, Position end);
    bool selectionAvailable() const;
    SelectionMode selectionMode() const { return selectionMode_; }
    void setSelectionMode(SelectionMode m);
    SelectionMode activeSelectionMode() const { return activeSelectionMode_; }
    void setActiveSelectionMode(SelectionMode m);

    std::int64_t selectionStart() const;
    void setSelectionStart(std::int64_t offset);
    std::int64_t selectionLength() const;
    void setSelectionLength(std::int64_t n);
    std::string selectedText() const;
    // Recorded: replaces the selection or inserts at the caret; one undo step, one OnChange.
    void setSelectedText(std::string_view s);

    // Every query below accepts any argument and clamps it; none changes the model.
    Position textOffsetToPosition(std::int64_t offset) const;
    std::int64_t positionToTextOffset(Position p) const;
    // The bytes of Text in [from, to), both clamped to the text; an offset may fall between the
    // CR and the LF of a line break.
    std::string textBetween(std::int64_t from, std::int64_t to) const;
    // The Text offset of p with its line put within the text and its column within the line
    // (free space past the end counts as the end of the line).
    std::int64_t textOffsetInLine(Position p) const;
    // The selection as ranges of Text offsets [first, second): none without a selection; a
    // stream one; the whole lines, line breaks included, in line mode; one per line in column
    // mode (possibly empty where a line ends left of the rectangle).
    int selectionRangeCount() const;
    std::pair<std::int64_t, std::int64_t> selectionRange(int i) const;

    // Screen cell (1-based) where column `column` of line `line` (1-based) starts, tabs
    // advancing to the next multiple of TabWidth; past the line end one cell per column.
    int displayColumn(int line, int column) const;
    // The column whose cell span holds screen cell x on that line.
    int columnAtDisplay(int line, int x) const;
    // The first column that starts at screen cell x or to its right (a tab that straddles x
    // belongs to the left). Rectangles are cut along it, so that a piece taken out of a line
    // goes back in at the same column.
    int columnStartingAt(int line, int x) const;

    // --- Commands
    void selectAll();
    void clearAll();
    void copy();
    void cut();
    void paste();
    void undo();
    void redo();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

    bool isModified() const { return modified_; }
    void setModified(bool value);

    // --- Recording, for the commands built on the model
    TSynUndoList& undoList() { return undo_; }
    TSynUndoList& redoList() { return redo_; }
    const TSynUndoList& undoList() const { return undo_; }
    const TSynUndoList& redoList() const { return redo_; }
    void beginUndoBlock() { undo_.beginBlock(); }
    void endUndoBlock() { undo_.endBlock(); }
    // Adds a GroupBreak when the undo list is not empty (a caret move by keyboard).
    void groupBreak();
    // Unrecorded edits. insertText puts s at p in the mode and returns the position after it;
    // removeRange removes [begin, end) in the mode and returns what it removed. Both leave the
    // caret where the operation says (after the text, at begin) with nothing selected.
    Position insertText(Position p, std::string_view s, SelectionMode mode);
    std::string removeRange(Position begin, Position end, SelectionMode mode);
    // Before an insertion of s at p in the mode: the blanks that pad a line up to where a piece
    // goes in, and the lines that a column adds below the text, are put in as recorded
    // insertions of their own, so that undo takes them out again and gives back the lines as
    // they were. The caller's undo block holds them with the insertion.
    void fillFreeSpaceRecorded(Position p, std::string_view s, SelectionMode mode);
    // The text of [begin, end) in the mode, as SelectedText reads it.
    std::string rangeText(Position begin, Position end, SelectionMode mode) const;

    // --- Bookmarks 0..9; they move with the lines they stand on.
    std::optional<Position> bookmark(int n) const;
    void setBookmark(int n, std::optional<Position> p);

    // --- Settings
    int tag = 0;
    int tabWidth() const { return tabWidth_; }
    void setTabWidth(int w);
    EditorOptions options = kDefaultOptions;
    bool insertMode() const { return insertMode_; }
    void setInsertMode(bool on);
    bool readOnly = false;

    // --- Events and observers
    std::function<void()> onChange;
    void addObserver(EditorObserver* o);
    void removeObserver(EditorObserver* o);
    void setClipboard(EditorClipboard* c) { clipboard_ = c; }
    EditorClipboard* clipboard() const { return clipboard_; }

    // Bytes held by the document store (for the memory figures).
    std::size_t storeBytes() const { return lines_.capacityBytes(); }

private:
    void notify(unsigned what, int line = 0, int removed = 0, int added = 0);
    void undoAdded(TSynUndoList& list);
    void updateModified();
    Position clampCaret(Position p) const;
    Position clampSelectionEnd(Position p) const;
    void collapseOntoCaret();
    void deleteSelection();
    void deleteSelectionRecorded();
    void recordSelectionDeletion();
    void undoItem();
    void redoItem();
    Position insertLines(Position p, std::string_view s);
    void insertColumn(Position p, std::string_view s);
    std::string removeColumn(Position p, std::string_view pieces);
    bool orderRange(Position& b, Position& e) const;
    std::pair<int, int> columnEdges(Position b, Position e) const;
    std::string columnText(Position begin, Position end) const;
    void removeColumnRect(Position begin, Position end);
    void linesInserted(int line, int n);
    // The lines of text to insert: split at every kind of line end, or, while undo and redo put
    // back text that the model joined, only at CR LF.
    std::vector<std::string_view> piecesOf(std::string_view s) const;
    void linesRemoved(int line, int n);

    LineStore lines_;
    Position caret_;
    Position blockBegin_;
    Position blockEnd_;
    SelectionMode selectionMode_ = SelectionMode::smNormal;
    SelectionMode activeSelectionMode_ = SelectionMode::smNormal;
    TSynUndoList undo_;
    TSynUndoList redo_;
    bool modified_ = false;
    int tabWidth_ = 8;
    bool insertMode_ = true;
    std::array<std::optional<Position>, 10> bookmarks_{};
    std::vector<EditorObserver*> observers_;
    EditorClipboard* clipboard_ = nullptr;
    bool replaying_ = false;
};

// Opens an UndoBlock for its lifetime.
class UndoBlock {
public:
    explicit UndoBlock(EditorModel& m) : m_(m) { m_.beginUndoBlock(); }
    ~UndoBlock() { m_.endUndoBlock(); }
    UndoBlock(const UndoBlock&) = delete;
    UndoBlock& operator=(const UndoBlock&) = delete;

private:
    EditorModel& m_;
};

} // namespace varlo
