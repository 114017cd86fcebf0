#include "editor/highlight/LineStateCache.h"

#include "editor/highlight/TSynCustomHighlighter.h"
#include "editor/highlight/TokenWalk.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace varlo {

LineStateCache::LineStateCache(EditorModel& model, std::function<int()> horizon,
                               std::function<void()> scheduleIdle)
    : model_(model), horizon_(std::move(horizon)), scheduleIdle_(std::move(scheduleIdle)) {
    states_.insertFill(0, model_.lineCount(), kUnknownState);
    model_.addObserver(this);
}

LineStateCache::~LineStateCache() {
    model_.removeObserver(this);
}

void LineStateCache::setHighlighter(TSynCustomHighlighter* h) {
    highlighter_ = h;
    invalidate();
}

void LineStateCache::invalidate() {
    scannedUpTo_ = 0;
    if (scanning())
        scheduleIdle_();
}

bool LineStateCache::scanning() const {
    return highlighter_ && highlighter_->enabled();
}

bool LineStateCache::complete() const {
    return !scanning() || scannedUpTo_ >= model_.lineCount();
}

void LineStateCache::modelChanged(const ModelChange& change) {
    if (change.what & ModelChange::Cleared)
        restart();
    else if (change.what & ModelChange::Lines)
        mirrorLines(change.line, change.linesRemoved, change.linesAdded);
}

void LineStateCache::restart() {
    states_.clear();
    states_.insertFill(0, model_.lineCount(), kUnknownState);
    invalidate();
}

void LineStateCache::mirrorLines(int line, int removed, int added) {
    const auto size = static_cast<int>(states_.size());
    line = std::clamp(line, 0, size);
    removed = std::clamp(removed, 0, size - line);
    // The rescan stops once a changed line ends in the state the old line in its place ended
    // in, so the last changed line must hold the end state of the last old line it replaces:
    // the line below started from that one. Lines replaced one for one keep their old states;
    // when lines go, the old states dropped are those just above the last removed line.
    if (removed > added) {
        const int from = added > 0 ? line + added - 1 : line;
        states_.erase(from, removed - added);
    } else {
        states_.insertFill(line + removed, added - removed, kUnknownState);
    }
    if (states_.size() != model_.lineCount()) {
        // A notification that does not add up: start again from a clean slate.
        restart();
        return;
    }
    if (scannedUpTo_ > line) {
        if (scannedUpTo_ >= line + removed)
            scannedUpTo_ += added - removed;
        else
            scannedUpTo_ = line;
    }
    if (scanning() && line < scannedUpTo_)
        rescanFrom(line, line + added);
}

int LineStateCache::scanLine(int line) {
    const std::string text = model_.line(line);
    TokenWalk walk(*highlighter_);
    try {
        return walk.endState(text, line, line == 0, startState(line));
    } catch (const std::runtime_error&) {
        // A highlighter that does not advance: keep the state it reached; painting reports it.
        return highlighter_->getRange();
    }
}

void LineStateCache::rescanFrom(int line, int changedEnd) {
    // Lines [line, changedEnd) changed: rescan them, then go on while the end states come out
    // different.
    const int horizon = horizon_();
    int i = line;
    while (i < scannedUpTo_) {
        const int state = scanLine(i);
        ++rescanned_;
        const bool same = states_[i] == state;
        states_.at(i) = state;
        ++i;
        if (same && i >= changedEnd)
            return;
        if (i > horizon && i < scannedUpTo_) {
            scannedUpTo_ = i;
            scheduleIdle_();
            return;
        }
    }
    scannedUpTo_ = std::max(scannedUpTo_, i);
    if (scannedUpTo_ < model_.lineCount())
        scheduleIdle_();
}

void LineStateCache::ensureScanned(int line) {
    if (!scanning())
        return;
    line = std::min(line, model_.lineCount() - 1);
    while (scannedUpTo_ <= line) {
        const int i = scannedUpTo_;
        states_.at(i) = scanLine(i);
        ++rescanned_;
        ++scannedUpTo_;
    }
}

bool LineStateCache::scanAhead(int lines) {
    if (scanning() && lines > 0)
        ensureScanned(std::min(model_.lineCount() - 1, scannedUpTo_ + lines - 1));
    return complete();
}

void LineStateCache::scanAll() {
    ensureScanned(model_.lineCount() - 1);
}

int LineStateCache::endState(int line) {
    ensureScanned(line);
    return line >= 0 && line < scannedUpTo_ ? states_[line] : kUnknownState;
}

} // namespace varlo
