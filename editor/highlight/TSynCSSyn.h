#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// C# up to version 12: records, init, required, pattern words, verbatim and interpolated strings,
// raw string literals over lines, preprocessor lines (#region, #if), numbers with separators.
class TSynCSSyn : public TSynScanner {
public:
    TSynCSSyn();

    TSynHighlighterAttributes* const AsmAttri;
    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const InvalidAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const DirecAttri;

    // 0 code, 1 block comment, 2 verbatim string, 3 raw string literal; a raw string keeps the
    // number of its quotes above the low two bits
    int rangeCount() const override { return 4 * 64; }

private:
    void scanToken() override;
    void scanString(std::size_t quote);

    KeywordTable keywords_;
};

} // namespace varlo
