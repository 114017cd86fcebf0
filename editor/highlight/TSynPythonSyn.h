#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// Python 3: keywords with async, await and the soft keywords match, case and type, the built-in
// functions and names, strings with every prefix (r, b, u, f and their pairs), triple-quoted
// strings over lines (a docstring when it opens a line), numbers in every radix with
// underscores, and the characters and literals Python rejects marked as errors.
class TSynPythonSyn : public TSynScanner {
public:
    TSynPythonSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NonKeyAttri;
    TSynHighlighterAttributes* const SystemAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const HexAttri;
    TSynHighlighterAttributes* const OctalAttri;
    TSynHighlighterAttributes* const FloatAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const DocStringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const ErrorAttri;

    // 0 code; inside a triple-quoted string: bit 0 set, bit 1 the quote (0 ', 1 "),
    // bit 2 a docstring
    int rangeCount() const override { return 8; }

private:
    void scanToken() override;
    void scanString(std::size_t quote);
    void continueTriple();

    KeywordTable words_;
};

} // namespace varlo
