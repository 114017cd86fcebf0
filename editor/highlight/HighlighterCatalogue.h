#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"

#include <array>
#include <cstddef>
#include <memory>

namespace varlo {

// One row per highlighter component the main window owns, in the order of the choice dialog's
// list. `create` builds the component with its own defaults; `configure` then applies what the
// main window sets on it (the program's colours, a switched-off option), so that
// createConfiguredHighlighter gives the component exactly as the main window holds it.
struct HighlighterCatalogueEntry {
    const char* caption;       // the text of the dialog's list entry
    const char* componentName; // the main window's member, SynHTMLSyn1 ...
    const char* className;     // TSynHTMLSyn ...
    std::unique_ptr<TSynCustomHighlighter> (*create)();
    void (*configure)(TSynCustomHighlighter&);
};

inline constexpr std::size_t kHighlighterCount = 14;
// Row 0 is the HTML highlighter every new page starts with.
inline constexpr std::size_t kHtmlHighlighterIndex = 0;

const std::array<HighlighterCatalogueEntry, kHighlighterCount>& highlighterCatalogue();

// The component of row `index` with the main window's settings; nullptr for an index outside
// the catalogue.
std::unique_ptr<TSynCustomHighlighter> createConfiguredHighlighter(std::size_t index);

} // namespace varlo
