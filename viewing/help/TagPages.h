#pragma once

// The pages of the tag reference: one row per tag that the HTML highlighter knows.

#include <span>
#include <string_view>

namespace varlo::help {

struct TagPage {
    std::string_view name;        // as the highlighter's tag list has it, upper case
    std::string_view description; // UTF-8 HTML text
    std::string_view attributes;  // the main attributes, "name: meaning" lines; may be empty
    std::string_view example;     // markup shown as it is written
};

std::span<const TagPage> tagPages();

} // namespace varlo::help
