#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace varlo {

// The named character entities that the HTML highlighter colours, each with its "&" and its
// final ";". Letter case matters: "&amp;" is an entity, "&AMP;" is text.
class HtmlEntityTable {
public:
    static constexpr std::size_t kCount = 249;

    static const std::array<std::string_view, kCount>& names();
    // Length of the table entity that begins at the start of text (which begins with "&"), or 0.
    static std::size_t match(std::string_view text);
};

} // namespace varlo
