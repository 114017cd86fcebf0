#include "editor/document/LineStore.h"

#include <algorithm>

namespace varlo {

std::string LineStore::line(Index i) const {
    if (i < 0 || i >= count())
        return {};
    return part(i, 0, length(i));
}

std::string LineStore::part(Index i, Index col, Index n) const {
    if (i < 0 || i >= count())
        return {};
    const Index len = length(i);
    col = std::clamp<Index>(col, 0, len);
    n = std::clamp<Index>(n, 0, len - col);
    std::string out(static_cast<std::size_t>(n), '\0');
    if (n > 0)
        bytes_.copyOut(static_cast<Index>(starts_.start(i)) + col, n, out.data());
    return out;
}

LineStore::Index LineStore::lineOfTextOffset(std::int64_t v) const {
    Index lo = 0;
    Index hi = count() - 1;
    if (hi <= 0)
        return 0;
    while (lo < hi) {
        const Index mid = lo + (hi - lo + 1) / 2;
        if (textOffsetOfLine(mid) <= v)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

void LineStore::insert(Index line, Index col, std::string_view bytes) {
    if (bytes.empty())
        return;
    bytes_.insert(static_cast<Index>(starts_.start(line)) + col, bytes.data(),
                  static_cast<Index>(bytes.size()));
    starts_.shift(line, static_cast<std::int64_t>(bytes.size()));
}

void LineStore::erase(Index line, Index col, Index n) {
    if (n <= 0)
        return;
    bytes_.erase(static_cast<Index>(starts_.start(line)) + col, n);
    starts_.shift(line, -n);
}

void LineStore::replaceLine(Index line, std::string_view bytes) {
    erase(line, 0, length(line));
    insert(line, 0, bytes);
}

void LineStore::insertLine(Index line, std::string_view bytes) {
    starts_.insertLine(line);
    insert(line, 0, bytes);
}

void LineStore::appendLine(std::string_view bytes) {
    bytes_.insert(bytes_.size(), bytes.data(), static_cast<Index>(bytes.size()));
    starts_.appendLine(static_cast<std::int64_t>(bytes.size()));
}

void LineStore::removeLines(Index line, Index n) {
    if (n <= 0)
        return;
    const auto a = starts_.start(line);
    const auto b = starts_.start(line + n);
    starts_.removeLines(line, n);
    bytes_.erase(static_cast<Index>(a), static_cast<Index>(b - a));
}

void LineStore::clear() {
    bytes_.clear();
    starts_.clear();
}

} // namespace varlo
