#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// JavaScript as browsers run it today: let, const, class, async functions, template literals
// over several lines with their ${...} parts, regular expression literals, BigInt and separated
// numbers, and the on... event handler names of the page's objects.
class TSynJScriptSyn : public TSynScanner {
public:
    TSynJScriptSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NonReservedKeyAttri;
    TSynHighlighterAttributes* const EventAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;

    // 0 code, 1 block comment, 2 template literal, 3 code inside a template's ${...},
    // 4 block comment inside a template's ${...}
    int rangeCount() const override { return 5; }

private:
    void lineStarted() override;
    void scanToken() override;
    void scanTemplate();
    void scanRegex();

    KeywordTable words_;
    bool regexAllowed_ = true; // a "/" here starts a regular expression, not a division
    int braceDepth_ = 0;       // braces opened inside the current ${...}
    // A "/" at or after this column has no closing "/" left on the line, so it divides; this
    // keeps a line full of slashes from being searched again for each of them.
    std::size_t noRegexFrom_ = 0;
};

} // namespace varlo
