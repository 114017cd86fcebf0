#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// Style sheets: selectors, at-rules, declarations with known and unknown properties, values with
// colours, numbers with their units, strings and "/* */" comments over any number of lines.
// Blocks nest (at-rules and nested rules), so the state carries the brace depth.
class TSynCssSyn : public TSynScanner {
public:
    TSynCssSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const PropertyAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const UndefPropertyAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const ColorAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const TextAttri;
    TSynHighlighterAttributes* const ValueAttri;

    // bit 0: inside a comment; bit 1: in a declaration's value; bits 2 to 4: brace depth (0 to 7)
    int rangeCount() const override { return 32; }

private:
    void lineStarted() override;
    void scanToken() override;
    void scanWord();
    bool selectorAhead(std::size_t from);

    KeywordTable properties_;
    KeywordTable colours_;
    bool inAtRule_ = false;   // between an at-rule's name and its "{" or ";" on this line
    bool inSelector_ = false; // a nested rule's selector inside a block
    std::size_t urlEnd_ = std::string_view::npos; // end of an unquoted url(...) address
    // The last look ahead: from where, up to the character that decided it, and its answer.
    std::size_t lookaheadFrom_ = 0;
    std::size_t lookaheadEnd_ = 0;
    bool lookaheadSelector_ = false;
};

} // namespace varlo
