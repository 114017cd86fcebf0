#include "editor/document/LineStarts.h"

namespace varlo {

LineStarts::LineStarts() {
    const std::int64_t zero = 0;
    body_.insert(0, &zero, 1);
}

void LineStarts::clear() {
    body_.clear();
    const std::int64_t zero = 0;
    body_.insert(0, &zero, 1);
    stepLine_ = 0;
    stepLength_ = 0;
}

// Makes the boundaries up to upTo exact.
void LineStarts::applyStep(Index upTo) {
    if (stepLength_ != 0)
        body_.rangeAddDelta(stepLine_ + 1, upTo - stepLine_, stepLength_);
    stepLine_ = upTo;
    if (stepLine_ >= lineCount()) {
        stepLine_ = lineCount();
        stepLength_ = 0;
    }
}

// Moves the step back so that the boundaries after downTo lack it.
void LineStarts::backStep(Index downTo) {
    if (stepLength_ != 0)
        body_.rangeAddDelta(downTo + 1, stepLine_ - downTo, -stepLength_);
    stepLine_ = downTo;
}

void LineStarts::shift(Index line, std::int64_t delta) {
    if (delta == 0)
        return;
    if (stepLength_ != 0) {
        if (line >= stepLine_) {
            applyStep(line);
            stepLength_ += delta;
        } else if (line >= stepLine_ - lineCount() / 10) {
            backStep(line);
            stepLength_ += delta;
        } else {
            applyStep(lineCount());
            stepLine_ = line;
            stepLength_ = delta;
        }
    } else {
        stepLine_ = line;
        stepLength_ = delta;
    }
}

void LineStarts::insertLine(Index line) {
    const std::int64_t pos = start(line);
    // The new boundary goes in at index line + 1 with the value of boundary `line`; everything
    // up to it must be exact so that the step keeps covering the same boundaries afterwards.
    if (stepLine_ < line + 1)
        applyStep(line + 1 > lineCount() ? lineCount() : line + 1);
    body_.insert(line + 1, &pos, 1);
    if (stepLine_ >= line + 1)
        ++stepLine_;
}

void LineStarts::appendLine(std::int64_t length) {
    if (stepLength_ != 0)
        applyStep(lineCount());
    const std::int64_t end = body_[lineCount()] + length;
    body_.insert(body_.size(), &end, 1);
    stepLine_ = lineCount();
}

void LineStarts::removeLines(Index line, Index count) {
    if (count <= 0)
        return;
    const std::int64_t removed = start(line + count) - start(line);
    if (stepLine_ < line)
        applyStep(line);
    else if (stepLine_ > line)
        backStep(line);
    // Now every boundary after `line` lacks the step, so deleting some of them keeps that true
    // for the rest, and the bytes that left the store come off the step.
    body_.erase(line + 1, count);
    stepLength_ -= removed;
    if (stepLine_ >= lineCount()) {
        applyStep(lineCount());
    }
}

} // namespace varlo
