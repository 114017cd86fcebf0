#pragma once

#include <string>
#include <vector>

namespace varlo {

// What the tag completion popup offers: each insertion entry is a tag name with its closing
// ">" (typed after the "<" that opened the popup); the display entry shows it with the "<" in
// bold pretty text.
struct HtmlTagProposals {
    static const std::vector<std::string>& insertList();
    static const std::vector<std::string>& itemList();
};

} // namespace varlo
