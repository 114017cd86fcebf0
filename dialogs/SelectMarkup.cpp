#include "dialogs/SelectMarkup.h"

#include "editor/base/Cp1251.h"

using varlo::operator""_w;

std::string BuildSelect(const SelectSettings& s) {
    std::string out = s.dropDown ? "<select size=1>" : "<select size=3>";
    for (int n = 0; n < s.rows; ++n)
        out += "\r  <option>Строка"_w;
    out += "\r</select>";
    return out;
}
