#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// Perl 5: scalar, array and hash variables (also inside interpolating strings), the quote-like
// operators q, qq, qw, qx, m, qr, s, tr and y, regular expressions, here-documents, POD blocks,
// pragmas after use and no, word and symbol operators, and numbers with underscores.
class TSynPerlSyn : public TSynScanner {
public:
    TSynPerlSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const InvalidAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const OperatorAttri;
    TSynHighlighterAttributes* const PragmaAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const VariableAttri;

    // The low three bits hold the place (code, POD, "string", 'string', quote-like operator,
    // here-document, data after __END__); bit 3 says the text interpolates variables; above it a
    // quote-like operator keeps its closing character and a here-document its indent flag and
    // its label's fingerprint.
    int rangeCount() const override { return 1 << 21; }

private:
    void lineStarted() override;
    void lineEnded() override;
    void scanToken() override;
    void scanCode();
    void scanWord();
    void scanVariable();
    // One piece of a string that ends at `close`: a variable when it interpolates, else text up to
    // the next variable, the close (included) or the end of the line (the range goes on).
    void stringPiece(char close, bool interpolate, int openRange);
    bool scanQuoteLike(std::string_view op, std::size_t delimiter);
    bool scanHeredocStart();
    void scanHeredocLine();
    bool variableAt(std::size_t i) const;

    KeywordTable words_;
    bool regexAllowed_ = true; // a "/" here starts a pattern, not a division
    bool pragmaNext_ = false;  // after use or no
    int pendingHeredoc_ = -1;  // the range the next line starts in after "<<LABEL"
};

} // namespace varlo
