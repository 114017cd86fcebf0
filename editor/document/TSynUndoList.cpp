#include "editor/document/TSynUndoList.h"

namespace varlo {

namespace {
// Change numbers run through the negatives when they wrap and never take the value 0, which
// stands for "no block" and "the empty list" in the initial-state bookkeeping.
std::int32_t following(std::int32_t n) {
    const auto next = static_cast<std::int32_t>(static_cast<std::uint32_t>(n) + 1u);
    return next == 0 ? 1 : next;
}
} // namespace

std::int32_t TSynUndoList::takeNumber() {
    if (blockChangeNumber_ != 0)
        return blockChangeNumber_;
    const std::int32_t n = nextChangeNumber_;
    if (blockCount_ == 0)
        nextChangeNumber_ = following(nextChangeNumber_);
    return n;
}

void TSynUndoList::addChange(UndoKind kind, Position start, Position end, std::string text,
                             SelectionMode mode) {
    if (lockCount_ > 0)
        return;
    TSynUndoItem item{kind, mode, start, end, std::move(text), 0};
    item.changeNumber = takeNumber();
    push(std::move(item));
}

void TSynUndoList::addGroupBreak() {
    if (lastKind() != UndoKind::GroupBreak)
        addChange(UndoKind::GroupBreak, {}, {}, {}, SelectionMode::smNormal);
}

void TSynUndoList::push(TSynUndoItem item) {
    const bool groupBreak = item.kind == UndoKind::GroupBreak;
    items_.push_back(std::move(item));
    while (static_cast<int>(items_.size()) > kMaxUndo) {
        items_.pop_front();
        dropped_ = true;
    }
    if (!groupBreak && onAdded)
        onAdded(*this);
}

TSynUndoItem TSynUndoList::pop() {
    TSynUndoItem item = std::move(items_.back());
    items_.pop_back();
    return item;
}

void TSynUndoList::beginBlock() {
    ++blockCount_;
    if (blockCount_ == 1)
        outerBlockNumber_ = nextChangeNumber_;
    blockChangeNumber_ = outerBlockNumber_;
}

void TSynUndoList::endBlock() {
    if (blockCount_ == 0)
        return;
    if (--blockCount_ > 0)
        return;
    const std::int32_t block = blockChangeNumber_;
    blockChangeNumber_ = 0;
    nextChangeNumber_ = following(nextChangeNumber_);
    if (!items_.empty() && items_.back().changeNumber == block && onAdded)
        onAdded(*this);
}

void TSynUndoList::clear() {
    items_.clear();
    dropped_ = false;
}

bool TSynUndoList::initialState() const {
    if (items_.empty())
        return initialChangeNumber_ == 0 && !dropped_;
    return items_.back().changeNumber == initialChangeNumber_;
}

void TSynUndoList::setInitialState(bool initial) {
    if (initial) {
        initialChangeNumber_ = items_.empty() ? 0 : items_.back().changeNumber;
        // Records dropped before this point no longer matter: the empty list is the saved state.
        if (items_.empty())
            dropped_ = false;
    } else if (initialState()) {
        initialChangeNumber_ = -1;
    }
}

} // namespace varlo
