#include "editor/highlight/HtmlEntityTable.h"

namespace varlo {

namespace {

constexpr std::array<std::string_view, HtmlEntityTable::kCount> kNames = {
    "&Alpha;",    "&Beta;",   "&Gamma;",   "&Delta;",   "&Epsilon;", "&Zeta;",    "&Eta;",
    "&Theta;",    "&Iota;",   "&Kappa;",   "&Lambda;",  "&Mu;",      "&Nu;",      "&Xi;",
    "&Omicron;",  "&Pi;",     "&Rho;",     "&Sigma;",   "&Tau;",     "&Upsilon;", "&Phi;",
    "&Chi;",      "&Psi;",    "&Omega;",   "&alpha;",   "&beta;",    "&gamma;",   "&delta;",
    "&epsilon;",  "&zeta;",   "&eta;",     "&theta;",   "&iota;",    "&kappa;",   "&lambda;",
    "&mu;",       "&nu;",     "&xi;",      "&omicron;", "&pi;",      "&rho;",     "&sigmaf;",
    "&sigma;",    "&tau;",    "&upsilon;", "&phi;",     "&chi;",     "&psi;",     "&omega;",
    "&thetasym;", "&upsih;",  "&piv;",     "&bull;",    "&hellip;",  "&prime;",   "&Prime;",
    "&oline;",    "&frasl;",  "&weierp;",  "&image;",   "&real;",    "&trade;",   "&alefsym;",
    "&larr;",     "&uarr;",   "&rarr;",    "&darr;",    "&harr;",    "&crarr;",   "&lArr;",
    "&uArr;",     "&rArr;",   "&dArr;",    "&hArr;",    "&forall;",  "&part;",    "&exist;",
    "&empty;",    "&nabla;",  "&isin;",    "&notin;",   "&ni;",      "&prod;",    "&sum;",
    "&minus;",    "&lowast;", "&radic;",   "&prop;",    "&infin;",   "&ang;",     "&and;",
    "&or;",       "&cap;",    "&cup;",     "&int;",     "&there4;",  "&sim;",     "&cong;",
    "&asymp;",    "&ne;",     "&equiv;",   "&le;",      "&ge;",      "&sub;",     "&sup;",
    "&nsub;",     "&sube;",   "&supe;",    "&oplus;",   "&otimes;",  "&perp;",    "&sdot;",
    "&lceil;",    "&rceil;",  "&lfloor;",  "&rfloor;",  "&lang;",    "&rang;",    "&loz;",
    "&spades;",   "&clubs;",  "&hearts;",  "&diams;",   "&lsquo;",   "&rsquo;",   "&sbquo;",
    "&ldquo;",    "&rdquo;",  "&bdquo;",   "&dagger;",  "&Dagger;",  "&permil;",  "&lsaquo;",
    "&rsaquo;",   "&quot;",   "&amp;",     "&lt;",      "&gt;",      "&ndash;",   "&mdash;",
    "&nbsp;",     "&thinsp;", "&ensp;",    "&emsp;",    "&iexcl;",   "&cent;",    "&pound;",
    "&curren;",   "&yen;",    "&brvbar;",  "&brkbar;",  "&sect;",    "&uml;",     "&die;",
    "&copy;",     "&ordf;",   "&laquo;",   "&not;",     "&shy;",     "&reg;",     "&macr;",
    "&hibar;",    "&deg;",    "&plusmn;",  "&sup2;",    "&sup3;",    "&acute;",   "&micro;",
    "&para;",     "&middot;", "&cedil;",   "&sup1;",    "&ordm;",    "&raquo;",   "&frac14;",
    "&frac12;",   "&frac34;", "&iquest;",  "&Agrave;",  "&Aacute;",  "&Acirc;",   "&Atilde;",
    "&Auml;",     "&Aring;",  "&AElig;",   "&Ccedil;",  "&Egrave;",  "&Eacute;",  "&Ecirc;",
    "&Euml;",     "&Igrave;", "&Iacute;",  "&Icirc;",   "&Iuml;",    "&ETH;",     "&Ntilde;",
    "&Ograve;",   "&Oacute;", "&Ocirc;",   "&Otilde;",  "&Ouml;",    "&times;",   "&Oslash;",
    "&Ugrave;",   "&Uacute;", "&Ucirc;",   "&Uuml;",    "&Yacute;",  "&THORN;",   "&szlig;",
    "&agrave;",   "&aacute;", "&acirc;",   "&atilde;",  "&auml;",    "&aring;",   "&aelig;",
    "&ccedil;",   "&egrave;", "&eacute;",  "&ecirc;",   "&euml;",    "&igrave;",  "&iacute;",
    "&icirc;",    "&iuml;",   "&eth;",     "&ntilde;",  "&ograve;",  "&oacute;",  "&ocirc;",
    "&otilde;",   "&ouml;",   "&divide;",  "&oslash;",  "&ugrave;",  "&uacute;",  "&ucirc;",
    "&uuml;",     "&yacute;", "&thorn;",   "&yuml;",    "&euro;",    "&OElig;",   "&oelig;",
    "&scaron;",   "&Scaron;", "&fnof;",    "&circ;",
};

// The entities grouped by the character after "&", each group in table order, so that a
// candidate costs one comparison and only names with the right first letter are tried.
struct Index {
    std::array<unsigned char, 257> start{};
    std::array<unsigned char, HtmlEntityTable::kCount> order{};
};

constexpr Index makeIndex() {
    Index index;
    std::array<std::size_t, 256> count{};
    for (auto name : kNames)
        ++count[static_cast<unsigned char>(name[1])];
    std::size_t total = 0;
    for (std::size_t c = 0; c < 256; ++c) {
        index.start[c] = static_cast<unsigned char>(total);
        total += count[c];
    }
    index.start[256] = static_cast<unsigned char>(total);
    std::array<std::size_t, 256> fill{};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const auto c = static_cast<unsigned char>(kNames[i][1]);
        index.order[index.start[c] + fill[c]++] = static_cast<unsigned char>(i);
    }
    return index;
}
constexpr Index kIndex = makeIndex();

} // namespace

const std::array<std::string_view, HtmlEntityTable::kCount>& HtmlEntityTable::names() {
    return kNames;
}

std::size_t HtmlEntityTable::match(std::string_view text) {
    if (text.size() < 2)
        return 0;
    const auto c = static_cast<unsigned char>(text[1]);
    for (std::size_t k = kIndex.start[c]; k < kIndex.start[c + 1u]; ++k) {
        const std::string_view name = kNames[kIndex.order[k]];
        if (text.size() >= name.size() && text.compare(0, name.size(), name) == 0)
            return name.size();
    }
    return 0;
}

} // namespace varlo
