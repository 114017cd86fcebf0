#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// C and C++ up to C++20: keywords of both languages, preprocessor lines with their backslash
// continuations, block comments over lines, character and string literals with their prefixes,
// raw strings over lines, numbers with separators and suffixes, and inline assembler blocks.
class TSynCppSyn : public TSynScanner {
public:
    TSynCppSyn();

    TSynHighlighterAttributes* const AsmAttri;
    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const InvalidAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const CharAttri;
    TSynHighlighterAttributes* const FloatAttri;
    TSynHighlighterAttributes* const HexAttri;
    TSynHighlighterAttributes* const OctalAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const DirecAttri;

    // The low three bits hold the place (code, comment, preprocessor continuation, assembler
    // block, string continuation, raw string, an asm keyword waiting for its "{"); a raw string
    // keeps its delimiter's fingerprint above them.
    int rangeCount() const override { return 8 << 16; }

private:
    void lineStarted() override;
    void scanToken() override;
    void scanCode();
    void scanPreprocessor();
    void scanRawString(std::size_t bodyStart, std::string_view delimiter);
    void continueRawString();
    void scanWord();

    KeywordTable keywords_;
    bool asmLine_ = false; // the rest of the line after a brace-less __asm
};

} // namespace varlo
