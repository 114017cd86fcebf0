#pragma once

#include "editor/highlight/KeywordTable.h"
#include "editor/highlight/TSynScanner.h"

namespace varlo {

// PHP 8 pages: the text outside "<?php ... ?>" stays plain; inside, reserved words without
// regard to case, variables (also inside double-quoted strings and heredocs), strings over
// lines, heredocs and nowdocs with indented terminators, the three comment forms and numbers
// in every radix with underscores.
class TSynPHPSyn : public TSynScanner {
public:
    TSynPHPSyn();

    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const NumberAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const StringAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const VariableAttri;

    // The low three bits hold the place (page text, code, comment, "string", 'string',
    // heredoc, `command`); a heredoc adds whether it interpolates and its label's fingerprint.
    int rangeCount() const override { return 1 << 20; }

private:
    void lineEnded() override;
    void lineStarted() override;
    void scanToken() override;
    void scanCode();
    void scanPage();
    void stringPiece(char close, bool interpolate);
    bool variableAt(std::size_t i) const;

    KeywordTable keywords_;
    int pendingHeredoc_ = -1; // the range the next line starts in after "<<<LABEL"
};

} // namespace varlo
