#include "dialogs/TableMarkup.h"

#include "editing/Vspom.h"
#include "editor/base/Cp1251.h"

using varlo::operator""_w;

namespace {

std::string quoted(std::string_view name, std::string_view value) {
    std::string s(name);
    s += '"';
    s += value;
    s += '"';
    return s;
}

std::string number(int n) {
    return std::to_string(n);
}

constexpr std::string_view kAlign[] = {"", " align=\"left\"", " align=\"center\"",
                                       " align=\"right\""};

} // namespace

std::string BuildTableRows(int columns, int rows) {
    std::string out;
    for (int r = 1; r <= rows; ++r) {
        out += "  <TR>\r";
        for (int c = 1; c <= columns; ++c) {
            out += "     ";
            out += "<TD>Яч. ст."_w;
            out += number(c);
            out += ", ряд"_w;
            out += number(r);
            out += "</TD>\r";
        }
        out += "  </TR>\r";
    }
    return out;
}

std::string BuildTable(const TableSettings& s) {
    std::string table = quoted("<table border=", number(s.border));
    if (s.background)
        table += quoted(" bgcolor=", Vspom::ColorToHtml(*s.background));
    if (s.lineColor)
        table += quoted(" bordercolor=", Vspom::ColorToHtml(*s.lineColor));
    if (!s.defaultCells) {
        table += quoted(" cellspacing=", number(s.spacing));
        table += quoted(" cellpadding=", number(s.padding));
    }
    table += kAlign[static_cast<int>(s.position)];
    if (!s.title.empty())
        table += quoted(" title=", s.title);
    table += '>';
    if (s.caption)
        table += "\r<caption>" + *s.caption + "</caption>";
    table += '\r';

    std::string headers;
    if (s.columnHeaders)
        for (int c = 1; c <= s.columns; ++c)
            headers += std::string("<TH>Заг. ст. "_w) + number(c) + "</TH>";
    // The header row's "</TR>" has no line break after it: the first body row follows on its line.
    if (!headers.empty())
        table += "  <TR>\r     " + headers + "\r  </TR>";
    table += BuildTableRows(s.columns, s.rows);
    table += "</table>";
    return table;
}
