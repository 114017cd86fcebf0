#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// Java up to version 21: records, sealed classes, var, yield, text blocks over lines, javadoc
// comments apart from ordinary ones, annotations, numbers with underscores and suffixes.
class TSynJavaSyn : public TSynScanner {
public:
    TSynJavaSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const DocumentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const InvalidAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;

    // 0 code, 1 block comment, 2 documentation comment, 3 text block
    int rangeCount() const override { return 4; }

private:
    void scanToken() override;

    KeywordTable keywords_;
};

} // namespace varlo
