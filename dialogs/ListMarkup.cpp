#include "dialogs/ListMarkup.h"

#include "editor/base/Cp1251.h"

#include <algorithm>

using varlo::operator""_w;

namespace {

constexpr ListMarker kNumbered[] = {
    {"Арабские цифры", "1"},
    {"Римские цифры", "I"},
    {"Заглавные буквы", "A"},
    {"Строчные буквы", "a"},
};
constexpr ListMarker kBullets[] = {
    {"Закрашенный кружок", "disc"},
    {"Незакрашенный кружок", "circle"},
    {"Квадратик", "square"},
};

} // namespace

std::span<const ListMarker> ListMarkers(bool numbered) {
    if (numbered)
        return kNumbered;
    return kBullets;
}

std::string BuildList(const ListSettings& s) {
    const std::span<const ListMarker> markers = ListMarkers(s.numbered);
    // A marker index that the kind does not have falls back to its first marker.
    const std::size_t i = s.marker >= 0 && std::size_t(s.marker) < markers.size() ? s.marker : 0;
    std::string out = s.numbered ? "<OL type=" : "<UL type=";
    out += markers[i].type;
    out += " title=\"" + s.tooltip + "\">";
    for (int n = 0; n < s.items; ++n)
        out += "\r  <LI>вашь текст"_w;
    out += s.numbered ? "\r</OL>" : "\r</UL>";
    return out;
}
