#pragma once

// The selection list that the select-list dialog inserts: a drop-down list (one visible row) or
// a scrolling list (three), with one placeholder option a row.

#include <string>

struct SelectSettings {
    bool dropDown = true;
    int rows = 1;
};

std::string BuildSelect(const SelectSettings& s);
