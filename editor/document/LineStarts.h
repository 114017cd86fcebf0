#pragma once

#include "editor/document/SplitVector.h"

#include <cstdint>

namespace varlo {

// The start of every line in the document's byte store, kept as a gap buffer of boundaries with a
// lazily applied step, so that an edit shifts all later starts in O(1) amortised and a lookup is
// O(1) (by line) or O(log n) (by offset).
// invariant: body_[0] == 0; start(i) == body_[i] + (i > stepLine_ ? stepLength_ : 0);
//            lineCount() == body_.size() - 1; start(lineCount()) is the number of bytes stored.
class LineStarts {
public:
    using Index = std::ptrdiff_t;

    LineStarts();

    Index lineCount() const { return body_.size() - 1; }
    std::int64_t start(Index line) const {
        const std::int64_t v = body_[line];
        return line > stepLine_ ? v + stepLength_ : v;
    }
    // The starts of all lines after `line` move by delta (bytes were added to or taken from it).
    void shift(Index line, std::int64_t delta);
    // Inserts an empty line at index `line` (0 <= line <= lineCount()), starting where the line
    // that was there starts.
    void insertLine(Index line);
    // Removes lines [line, line + count); the bytes they held leave the store, so every later
    // start moves back by their length.
    void removeLines(Index line, Index count);
    // Appends a line of the given length after the last one (the loader's path: O(1)).
    void appendLine(std::int64_t length);
    void clear();

    std::size_t capacityBytes() const { return body_.capacityBytes(); }

private:
    void applyStep(Index upTo);
    void backStep(Index downTo);

    SplitVector<std::int64_t> body_;
    Index stepLine_ = 0;
    std::int64_t stepLength_ = 0;
};

} // namespace varlo
