#pragma once

// The table text that the table dialog inserts, built from its settings alone. Strings are
// Windows-1251 bytes and are copied into the markup as typed, without escaping.

#include "editor/base/TColor.h"

#include <optional>
#include <string>

struct TableSettings {
    enum class Position { Default, Left, Center, Right };

    int columns = 1;
    int rows = 1;
    int border = 1;
    bool columnHeaders = false;
    // Cell spacing and padding are written only while the cells are not left at their defaults.
    bool defaultCells = true;
    int spacing = 0;
    int padding = 0;
    Position position = Position::Default;
    std::optional<varlo::TColor> background;
    std::optional<varlo::TColor> lineColor;
    std::string title; // the tooltip; empty writes no title attribute
    std::optional<std::string> caption;
};

std::string BuildTable(const TableSettings& s);
// The body rows: every row with one cell a column, each cell naming its column and row.
std::string BuildTableRows(int columns, int rows);
