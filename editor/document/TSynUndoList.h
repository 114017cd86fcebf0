#pragma once

#include "editor/document/EditorTypes.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace varlo {

enum class UndoKind : std::uint8_t {
    None, // what an empty list reports as its top kind
    Insert,
    Paste,
    DragDropInsert,
    Delete,         // a selection removed
    DeleteBackward, // Backspace and the deletions towards the line start
    DeleteForward,  // Delete and the deletions towards the line end
    LineBreak,
    BlockIndent,
    BlockUnindent,
    PasteBegin,
    PasteEnd,
    Caret,
    Selection,
    GroupBreak,
};

// One recorded change. Text holds what the change removed (kinds that put text in hold it only
// on the redo list, where undoing them removed it). Column-mode records always hold their text:
// one piece per line, joined by CR LF, so they can be replayed piece by piece.
struct TSynUndoItem {
    UndoKind kind = UndoKind::None;
    SelectionMode mode = SelectionMode::smNormal;
    Position start;
    Position end;
    std::string text;
    std::int32_t changeNumber = 0;
};

// A list of change records, used once for undo and once for redo.
class TSynUndoList {
public:
    static constexpr int kMaxUndo = 1024;

    // Called after every push of a record other than a GroupBreak, and when an outermost block
    // closes whose top record carries the block's number.
    std::function<void(TSynUndoList&)> onAdded;

    void addChange(UndoKind kind, Position start, Position end, std::string text,
                   SelectionMode mode);
    // Adds a GroupBreak unless the top record already is one.
    void addGroupBreak();
    void beginBlock();
    void endBlock();
    int blockCount() const { return blockCount_; }
    // While non-zero, the number that records take instead of a fresh one.
    std::int32_t blockChangeNumber() const { return blockChangeNumber_; }
    void setBlockChangeNumber(std::int32_t n) { blockChangeNumber_ = n; }

    void lock() { ++lockCount_; }
    void unlock() {
        if (lockCount_ > 0)
            --lockCount_;
    }
    bool locked() const { return lockCount_ > 0; }

    bool empty() const { return items_.empty(); }
    int size() const { return static_cast<int>(items_.size()); }
    const std::deque<TSynUndoItem>& items() const { return items_; }
    const TSynUndoItem* peek() const { return items_.empty() ? nullptr : &items_.back(); }
    TSynUndoItem pop();
    void push(TSynUndoItem item);
    UndoKind lastKind() const { return items_.empty() ? UndoKind::None : items_.back().kind; }
    void clear();

    std::int32_t initialChangeNumber() const { return initialChangeNumber_; }
    bool initialState() const;
    void setInitialState(bool initial);
    // Records were dropped off the bottom since the last clear.
    bool dropped() const { return dropped_; }

    // Undo and redo move records between the two lists; while one list replays records into the
    // other, the other must not clear its partner.
    bool insideRedo = false;

private:
    std::int32_t takeNumber();

    std::deque<TSynUndoItem> items_;
    std::int32_t nextChangeNumber_ = 1;
    std::int32_t blockChangeNumber_ = 0;
    std::int32_t outerBlockNumber_ = 0;
    std::int32_t initialChangeNumber_ = 0;
    int blockCount_ = 0;
    int lockCount_ = 0;
    bool dropped_ = false;
};

} // namespace varlo
