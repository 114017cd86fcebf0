#include "dialogs/FontMarkup.h"

#include "editing/Vspom.h"

std::string BuildFont(const FontSettings& s) {
    std::string out = "<font";
    if (s.face)
        out += " face=\"" + *s.face + '"';
    if (s.size)
        out += " size=\"" + std::to_string(*s.size) + '"';
    if (s.color)
        out += " color=\"" + Vspom::ColorToHtml(*s.color) + '"';
    out += "></font>";
    return out;
}
