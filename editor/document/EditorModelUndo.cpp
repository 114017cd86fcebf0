#include "editor/document/EditorModel.h"

#include <algorithm>

namespace varlo {

namespace {

bool isInsertKind(UndoKind k) {
    switch (k) {
    case UndoKind::Insert:
    case UndoKind::Paste:
    case UndoKind::DragDropInsert:
    case UndoKind::LineBreak:
    case UndoKind::BlockIndent:
        return true;
    default:
        return false;
    }
}

bool isRemoveKind(UndoKind k) {
    switch (k) {
    case UndoKind::Delete:
    case UndoKind::DeleteBackward:
    case UndoKind::DeleteForward:
    case UndoKind::BlockUnindent:
        return true;
    default:
        return false;
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Undo and redo

// A record's text was joined by the model, so its lone CRs and LFs are bytes of its lines.
class Replaying {
public:
    explicit Replaying(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~Replaying() { flag_ = saved_; }
    Replaying(const Replaying&) = delete;
    Replaying& operator=(const Replaying&) = delete;

private:
    bool& flag_;
    bool saved_;
};

void EditorModel::undoItem() {
    const Replaying replaying(replaying_);
    TSynUndoItem item = undo_.pop();
    if (isInsertKind(item.kind)) {
        std::string removed = item.mode == SelectionMode::smColumn
                                  ? removeColumn(item.start, item.text)
                                  : removeRange(item.start, item.end, item.mode);
        setCaretAndSelection(item.start, item.start, item.start);
        redo_.addChange(item.kind, item.start, item.end, std::move(removed), item.mode);
    } else if (isRemoveKind(item.kind)) {
        const bool column = item.mode == SelectionMode::smColumn;
        // A column record's start is the top left corner where its pieces go back in.
        const Position at = column ? item.start : minPosition(item.start, item.end);
        const Position after = insertText(at, item.text, item.mode);
        switch (item.kind) {
        case UndoKind::Delete:
            activeSelectionMode_ = item.mode;
            setCaretAndSelection(item.end, item.start, item.end);
            break;
        case UndoKind::DeleteBackward:
            setCaretAndSelection(after, after, after);
            break;
        default:
            setCaretAndSelection(at, at, at);
            break;
        }
        redo_.addChange(item.kind, item.start, item.end, column ? item.text : std::string(),
                        item.mode);
    } else if (item.kind == UndoKind::Caret) {
        redo_.addChange(item.kind, caret_, caret_, {}, activeSelectionMode_);
        setCaret(item.start);
    } else if (item.kind == UndoKind::Selection) {
        redo_.addChange(item.kind, blockBegin_, blockEnd_, {}, activeSelectionMode_);
        setCaretAndSelection(caret_, item.start, item.end);
    } else if (item.kind == UndoKind::GroupBreak) {
        redo_.push(std::move(item));
    } else {
        redo_.addChange(item.kind, item.start, item.end, {}, item.mode);
    }
}

void EditorModel::redoItem() {
    const Replaying replaying(replaying_);
    TSynUndoItem item = redo_.pop();
    if (isInsertKind(item.kind)) {
        insertText(item.start, item.text, item.mode);
        undo_.addChange(item.kind, item.start, item.end,
                        item.mode == SelectionMode::smColumn ? item.text : std::string(),
                        item.mode);
    } else if (isRemoveKind(item.kind)) {
        std::string removed;
        if (item.mode == SelectionMode::smColumn) {
            removed = removeColumn(item.start, item.text);
        } else {
            // Lines removed up to the last one keep its line end in the record, as a deletion
            // of the selection records them, so that undo puts them back as whole lines.
            const bool toLastLine = item.mode == SelectionMode::smLine &&
                                    maxPosition(item.start, item.end).line >= lineCount();
            removed = removeRange(item.start, item.end, item.mode);
            if (toLastLine)
                removed += "\r\n";
        }
        undo_.addChange(item.kind, item.start, item.end, std::move(removed), item.mode);
    } else if (item.kind == UndoKind::Caret) {
        undo_.addChange(item.kind, caret_, caret_, {}, activeSelectionMode_);
        setCaret(item.start);
    } else if (item.kind == UndoKind::Selection) {
        undo_.addChange(item.kind, blockBegin_, blockEnd_, {}, activeSelectionMode_);
        setCaretAndSelection(caret_, item.start, item.end);
    } else if (item.kind == UndoKind::GroupBreak) {
        if (undo_.lastKind() != UndoKind::GroupBreak)
            undo_.push(std::move(item));
    } else {
        undo_.addChange(item.kind, item.start, item.end, {}, item.mode);
    }
}

namespace {
bool continuesGroup(const TSynUndoItem& next, UndoKind lastUndone, std::int32_t first,
                    EditorOptions options) {
    if (next.changeNumber == first)
        return true;
    return (options & eoGroupUndo) && next.kind == lastUndone &&
           lastUndone != UndoKind::BlockIndent && lastUndone != UndoKind::BlockUnindent;
}
} // namespace

void EditorModel::undo() {
    if (readOnly)
        return;
    if (undo_.lastKind() == UndoKind::GroupBreak) {
        redo_.push(undo_.pop());
        updateModified();
    }
    const TSynUndoItem* top = undo_.peek();
    if (!top)
        return;
    const std::int32_t first = top->changeNumber;
    const bool pasteGroup = top->kind == UndoKind::PasteEnd;
    const std::int32_t saved = redo_.blockChangeNumber();
    redo_.setBlockChangeNumber(first);
    for (;;) {
        const UndoKind undone = undo_.peek()->kind;
        undoItem();
        const TSynUndoItem* next = undo_.peek();
        if (!next)
            break;
        const bool more = pasteGroup ? next->kind != UndoKind::PasteBegin
                                     : continuesGroup(*next, undone, first, options);
        if (!more)
            break;
    }
    if (pasteGroup && undo_.lastKind() == UndoKind::PasteBegin) {
        undoItem();
        updateModified();
    }
    redo_.setBlockChangeNumber(saved);
}

void EditorModel::redo() {
    if (readOnly)
        return;
    const TSynUndoItem* top = redo_.peek();
    if (!top)
        return;
    const std::int32_t first = top->changeNumber;
    const bool pasteGroup = top->kind == UndoKind::PasteBegin;
    const std::int32_t saved = undo_.blockChangeNumber();
    undo_.setBlockChangeNumber(first);
    undo_.insideRedo = true;
    for (;;) {
        const UndoKind redone = redo_.peek()->kind;
        redoItem();
        const TSynUndoItem* next = redo_.peek();
        if (!next)
            break;
        const bool more = pasteGroup ? next->kind != UndoKind::PasteEnd
                                     : continuesGroup(*next, redone, first, options);
        if (!more)
            break;
    }
    if (pasteGroup && redo_.lastKind() == UndoKind::PasteEnd) {
        redoItem();
        updateModified();
    }
    undo_.insideRedo = false;
    undo_.setBlockChangeNumber(saved);
    if (redo_.lastKind() == UndoKind::GroupBreak) {
        TSynUndoItem gb = redo_.pop();
        if (undo_.lastKind() != UndoKind::GroupBreak)
            undo_.push(std::move(gb));
        // The saved state may be marked by that very break, as undo finds it on its way back.
        updateModified();
    }
}

} // namespace varlo
