#include "editor/widget/HtmlTagProposals.h"

#include <array>
#include <string_view>

namespace varlo {

namespace {

// In list order; the popup filters it as it stands.
constexpr std::array<std::string_view, 145> kInsertions = {
    "a>",
    "/a>",
    "abbr>",
    "/abbr>",
    "acronym>",
    "/acronym>",
    "address>",
    "/address>",
    "applet>",
    "/applet>",
    "area>",
    "/area>",
    "b>",
    "/b>",
    "base>",
    "bgsound>",
    "big>",
    "/big>",
    "blockquote>",
    "/blockquote>",
    "body>",
    "/body>",
    "br>",
    "button>",
    "/button>",
    "caption>",
    "/caption>",
    "center>",
    "/center>",
    "cite>",
    "/cite>",
    "code>",
    "/code>",
    "dd>",
    "/dd>",
    "dfn>",
    "/dfn>",
    "div>",
    "/div>",
    "dl>",
    "/dl>",
    "dt>",
    "/dt>",
    "em>",
    "/em>",
    "fieldset>",
    "/fieldset>",
    "font>",
    "/font>",
    "form>",
    "/form>",
    "frame>",
    "h1>",
    "/h1>",
    "h2>",
    "/h2>",
    "h3>",
    "/h3>",
    "h4>",
    "/h4>",
    "h5>",
    "/h5>",
    "h6>",
    "/h6>",
    "head>",
    "/head>",
    "hr>",
    "html>",
    "/html>",
    "i>",
    "/i>",
    "iframe>",
    "/iframe>",
    "img src=\"\">",
    "input type=\"\">",
    "kbd>",
    "/kbd>",
    "legend>",
    "/legend>",
    "li>",
    "/li>",
    "link>",
    "map>",
    "/map>",
    "marquee>",
    "/marquee>",
    "menu>",
    "/menu>",
    "meta>",
    "nobr>",
    "/nobr>",
    "object>",
    "/object>",
    "ol>",
    "/ol>",
    "optgroup>",
    "/optgroup>",
    "option>",
    "/option>",
    "p>",
    "/p>",
    "pre>",
    "/pre>",
    "q>",
    "/q>",
    "s>",
    "/s>",
    "samp>",
    "/samp>",
    "script>",
    "/script>",
    "select>",
    "/select>",
    "small>",
    "/small>",
    "span>",
    "/span>",
    "strong>",
    "/strong>",
    "sub>",
    "/sub>",
    "sup>",
    "/sup>",
    "table>",
    "/table>",
    "td>",
    "/td>",
    "textarea>",
    "/textarea>",
    "th>",
    "/th>",
    "thead>",
    "/thead>",
    "title>",
    "/title>",
    "tr>",
    "/tr>",
    "tt>",
    "/tt>",
    "u>",
    "/u>",
    "ul>",
    "/ul>",
    "var>",
    "/var>",
};

} // namespace

const std::vector<std::string>& HtmlTagProposals::insertList() {
    static const std::vector<std::string> list(kInsertions.begin(), kInsertions.end());
    return list;
}

const std::vector<std::string>& HtmlTagProposals::itemList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> items;
        items.reserve(kInsertions.size());
        for (std::string_view entry : kInsertions) {
            std::string item = "\\style{+B}<" + std::string(entry) + "\\style{-B}";
            // The closing option entry has always carried one blank after the bold text.
            if (entry == "/option>")
                item += ' ';
            items.push_back(std::move(item));
        }
        return items;
    }();
    return list;
}

} // namespace varlo
