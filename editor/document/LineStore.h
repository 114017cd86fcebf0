#pragma once

#include "editor/document/LineStarts.h"
#include "editor/document/SplitVector.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varlo {

// The document's lines: all their bytes in one gap buffer, without line ends, and the start of
// each line beside it. A line may hold any byte, CR, LF and NUL included.
// Offsets into the document's Text count a line end as two characters, so the Text offset of the
// start of line i is start(i) + 2 * i, which grows strictly with i and can be searched.
class LineStore {
public:
    using Index = std::ptrdiff_t;

    Index count() const { return starts_.lineCount(); }
    std::int64_t byteCount() const { return bytes_.size(); }
    Index length(Index line) const {
        return static_cast<Index>(starts_.start(line + 1) - starts_.start(line));
    }
    // Line i, or the empty string for an index outside the list.
    std::string line(Index i) const;
    // Up to n bytes of line i from column index col (0-based).
    std::string part(Index i, Index col, Index n) const;
    char at(Index line, Index col) const {
        return bytes_[static_cast<Index>(starts_.start(line)) + col];
    }

    // Calls f with a view of each line in [from, to); a view lives until f returns. Only a line
    // that the gap splits is copied.
    template <typename F> void visit(Index from, Index to, F&& f) const {
        std::string scratch;
        auto next = static_cast<Index>(starts_.start(from));
        for (Index i = from; i < to; ++i) {
            const Index start = next;
            next = static_cast<Index>(starts_.start(i + 1));
            const Index n = next - start;
            if (const char* p = bytes_.contiguous(start, n)) {
                f(std::string_view(p, static_cast<std::size_t>(n)));
            } else {
                scratch.resize(static_cast<std::size_t>(n));
                bytes_.copyOut(start, n, scratch.data());
                f(std::string_view(scratch));
            }
        }
    }

    // Length of the joined Text: the lines with two characters between each two of them.
    std::int64_t textLength() const { return count() == 0 ? 0 : byteCount() + 2 * (count() - 1); }
    // Text offset of the first character of line i (0 <= i <= count()).
    std::int64_t textOffsetOfLine(Index i) const { return starts_.start(i) + 2 * i; }
    // The line holding Text offset v: the last line whose textOffsetOfLine is <= v (0 when empty).
    Index lineOfTextOffset(std::int64_t v) const;

    void insert(Index line, Index col, std::string_view bytes);
    void erase(Index line, Index col, Index n);
    void replaceLine(Index line, std::string_view bytes);
    // Inserts a new line with these bytes at index `line` (0 <= line <= count()).
    void insertLine(Index line, std::string_view bytes);
    void removeLines(Index line, Index n);
    void appendLine(std::string_view bytes);
    void clear();

    std::size_t capacityBytes() const { return bytes_.capacityBytes() + starts_.capacityBytes(); }

private:
    SplitVector<char> bytes_;
    LineStarts starts_;
};

} // namespace varlo
