#pragma once

// The font element that the font dialog inserts: '<font></font>' with the face, size and colour
// attributes that are switched on, in that order.

#include "editor/base/TColor.h"

#include <optional>
#include <string>

struct FontSettings {
    std::optional<std::string> face; // Windows-1251; an empty name still writes face=""
    std::optional<int> size;
    std::optional<varlo::TColor> color;
};

std::string BuildFont(const FontSettings& s);
