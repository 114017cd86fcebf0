#include "editor/highlight/TSynHighlighterAttributes.h"

namespace varlo {

void TSynHighlighterAttributes::setForeground(TColor c) {
    if (foreground_ == c)
        return;
    foreground_ = c;
    changed();
}

void TSynHighlighterAttributes::setBackground(TColor c) {
    if (background_ == c)
        return;
    background_ = c;
    changed();
}

void TSynHighlighterAttributes::setStyle(FontStyles s) {
    if (style_ == s)
        return;
    style_ = s;
    changed();
}

void TSynHighlighterAttributes::changed() {
    if (onChange)
        onChange();
}

} // namespace varlo
