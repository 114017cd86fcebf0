#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// x86 assembler in Intel syntax (MASM, TASM, NASM): instructions, registers and directives
// without regard to case, ";" comments, quoted strings, and numbers in the radix notations
// (0FFh, 1010b, 17q, 0x1F, $1F).
class TSynAsmSyn : public TSynScanner {
public:
    TSynAsmSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;

    int rangeCount() const override { return 1; }

private:
    void scanToken() override;

    KeywordTable keywords_;
};

} // namespace varlo
