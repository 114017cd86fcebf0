#pragma once

#include "editor/highlight/TSynScanner.h"

namespace varlo {

// XML documents: elements with their attributes (namespace declarations apart), character and
// entity references, comments, CDATA sections, processing instructions and the DOCTYPE
// declaration with its internal subset, each of which may span lines.
class TSynXMLSyn : public TSynScanner {
public:
    TSynXMLSyn();

    // The main window's XML highlighter leaves braces to the text and values they stand in.
    static void applyProgramSettings(TSynXMLSyn& highlighter);

    TSynHighlighterAttributes* const ElementAttri;
    TSynHighlighterAttributes* const TextAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const EntityRefAttri;
    TSynHighlighterAttributes* const ProcessingInstructionAttri;
    TSynHighlighterAttributes* const CDATAAttri;
    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const DocTypeAttri;
    TSynHighlighterAttributes* const AttributeAttri;
    TSynHighlighterAttributes* const NamespaceAttributeAttri;
    TSynHighlighterAttributes* const AttributeValueAttri;
    TSynHighlighterAttributes* const NamespaceAttributeValueAttri;
    TSynHighlighterAttributes* const SymbolAttri;

    // When on, "{" and "}" in text and attribute values (the expressions of XSLT attribute value
    // templates) are symbols of their own; when off they belong to the text or value.
    bool WantBracesParsed = true;

    int rangeCount() const override { return 14; }

private:
    void scanToken() override;
    void scanTag();
    void scanValue(char quote, bool ns);
    void scanText();
    std::size_t entityEnd(std::size_t i) const;
};

} // namespace varlo
