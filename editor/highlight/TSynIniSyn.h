#pragma once

#include "editor/highlight/TSynScanner.h"

namespace varlo {

// INI files: "[section]" lines, "key=value" lines and comment lines that begin with ";" or "#".
// Every line stands alone, so the range state is always 0.
class TSynIniSyn : public TSynScanner {
public:
    TSynIniSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const TextAttri;
    TSynHighlighterAttributes* const SectionAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;

    int rangeCount() const override { return 1; }

private:
    void lineStarted() override;
    void scanToken() override;
    void scanValue();

    bool afterEquals_ = false; // the value part of a "key=value" line
};

} // namespace varlo
