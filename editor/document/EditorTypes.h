#pragma once

#include <cstdint>
#include <string>

namespace varlo {

// A place in the document: line and column, both counted from 1. The column counts characters
// (bytes), not screen cells.
struct Position {
    int column = 1;
    int line = 1;
    friend bool operator==(const Position&, const Position&) = default;
};
inline bool operator<(const Position& a, const Position& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
}
inline bool operator<=(const Position& a, const Position& b) {
    return !(b < a);
}
inline Position minPosition(Position a, Position b) {
    return b < a ? b : a;
}
inline Position maxPosition(Position a, Position b) {
    return a < b ? b : a;
}

// Stored as the mode byte of the private clipboard format: keep the values.
enum class SelectionMode : std::uint8_t { smNormal = 0, smLine = 1, smColumn = 2 };

// Editor option flags; every editor of the program keeps the default set.
enum EditorOption : std::uint32_t {
    eoAltSetsColumnMode = 1u << 0,
    eoAutoIndent = 1u << 1,
    eoDragDropEditing = 1u << 2,
    eoEnhanceEndKey = 1u << 3,
    eoEnhanceHomeKey = 1u << 4,
    eoGroupUndo = 1u << 5,
    eoHideShowScrollbars = 1u << 6,
    eoNoSelection = 1u << 7,
    eoRightMouseMovesCursor = 1u << 8,
    eoScrollPastEof = 1u << 9,
    eoScrollPastEol = 1u << 10,
    eoShowScrollHint = 1u << 11,
    eoShowSpecialChars = 1u << 12,
    eoSmartTabDelete = 1u << 13,
    eoSmartTabs = 1u << 14,
    eoTabIndent = 1u << 15,
    eoTabsToSpaces = 1u << 16,
    eoTrimTrailingSpaces = 1u << 17,
};
using EditorOptions = std::uint32_t;
inline constexpr EditorOptions kDefaultOptions =
    eoAutoIndent | eoDragDropEditing | eoEnhanceEndKey | eoGroupUndo | eoScrollPastEol |
    eoShowScrollHint | eoSmartTabDelete | eoSmartTabs | eoTabsToSpaces;

// The widest scrollable line; the caret may stand one column past it in free space.
inline constexpr int kMaxScrollWidth = 1024;

} // namespace varlo
