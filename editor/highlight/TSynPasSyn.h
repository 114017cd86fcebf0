#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// Object Pascal: case-insensitive reserved words and directives, the three comment forms ({ },
// (* *) and //), compiler directives {$...} and (*$...*), strings with doubled apostrophes,
// character codes (#13, #$0A), $hex, &octal and %binary numbers, and asm ... end blocks.
class TSynPasSyn : public TSynScanner {
public:
    TSynPasSyn();

    // The comment colour the main window gives its Pascal highlighter.
    static void applyProgramColours(TSynPasSyn& highlighter);

    TSynHighlighterAttributes* const AsmAttri;
    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const DirecAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const FloatAttri;
    TSynHighlighterAttributes* const HexAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const CharAttri;
    TSynHighlighterAttributes* const SymbolAttri;

    // bits 0 to 1: 0 none, 1 inside { }, 2 inside (* *); bit 2: the comment is a directive;
    // bit 3: inside an asm block
    int rangeCount() const override { return 16; }

private:
    void scanToken() override;
    void scanComment(std::size_t from, int form, bool directive);

    KeywordTable keywords_;
};

} // namespace varlo
