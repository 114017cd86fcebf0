#include "editor/highlight/TSynXMLSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"

namespace varlo {

namespace {

enum Kind : std::size_t {
    kElement,
    kText,
    kSpace,
    kEntity,
    kPI,
    kCData,
    kComment,
    kDocType,
    kAttribute,
    kNsAttribute,
    kValue,
    kNsValue,
    kSymbol
};

enum Range {
    kContent,       // between tags; the reset state
    kInComment,     // <!-- ... -->
    kInCData,       // <![CDATA[ ... ]]>
    kInPI,          // <? ... ?>
    kInDocType,     // <!DOCTYPE ... >
    kInSubset,      // the [ ... ] internal subset of a DOCTYPE
    kElementName,   // after "<" or "</" at the end of a line
    kInTag,         // among the attributes
    kValueNext,     // after "=" of an attribute
    kNsValueNext,   // after "=" of a namespace declaration
    kSingleValue,   // inside '...'
    kDoubleValue,   // inside "..."
    kSingleNsValue, // inside '...' of a namespace declaration
    kDoubleNsValue, // inside "..." of a namespace declaration
};

constexpr auto isNameChar = [](unsigned char c) {
    return chars::isWord(c) || c == '-' || c == '.' || c == ':' || c >= 128;
};

} // namespace

TSynXMLSyn::TSynXMLSyn()
    : TSynScanner("XML",
                  "XML Files (*.xml;*.xsd;*.xsl;*.xslt;*.dtd)|*.xml;*.xsd;*.xsl;*.xslt;*.dtd"),
      ElementAttri(addKind("ElementAttri", "Element Name", palette::kVariable, fsBold)),
      TextAttri(addKind("TextAttri", "Text", clNone)),
      SpaceAttri(addKind("SpaceAttri", "Whitespace", clNone)),
      EntityRefAttri(addKind("EntityRefAttri", "Entity Reference", palette::kNumber, fsBold)),
      ProcessingInstructionAttri(
          addKind("ProcessingInstructionAttri", "Processing Instruction", palette::kDirective)),
      CDATAAttri(addKind("CDATAAttri", "CDATA Section", rgb(0x80, 0x40, 0x00))),
      CommentAttri(addKind("CommentAttri", "Comment", rgb(0x65, 0x6B, 0x70), fsItalic)),
      DocTypeAttri(addKind("DocTypeAttri", "DOCTYPE Section", palette::kDocumentation)),
      AttributeAttri(addKind("AttributeAttri", "Attribute Name", palette::kEmbedded)),
      NamespaceAttributeAttri(
          addKind("NamespaceAttributeAttri", "Namespace Attribute Name", palette::kError)),
      AttributeValueAttri(addKind("AttributeValueAttri", "Attribute Value", palette::kString)),
      NamespaceAttributeValueAttri(
          addKind("NamespaceAttributeValueAttri", "Namespace Attribute Value", palette::kError)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone, fsBold)) {
    setRoles(CommentAttri, AttributeAttri, ElementAttri, AttributeValueAttri, SpaceAttri,
             SymbolAttri);
}

void TSynXMLSyn::applyProgramSettings(TSynXMLSyn& highlighter) {
    highlighter.WantBracesParsed = false;
}

// The end of "&name;", "&#123;" or "&#x1F;" at i, or i when there is none.
std::size_t TSynXMLSyn::entityEnd(std::size_t i) const {
    std::size_t j = i + 1;
    if (at(j) == '#') {
        ++j;
        j = (at(j) | 0x20) == 'x' ? runWhile(j + 1, chars::isHexDigit)
                                  : runWhile(j, chars::isDigit);
    } else if (chars::isWordStart(at(j)) || at(j) == ':') {
        j = runWhile(j, isNameChar);
    } else {
        return i;
    }
    return at(j) == ';' ? j + 1 : i;
}

void TSynXMLSyn::scanToken() {
    switch (range_) {
    case kInComment: {
        bool closed = false;
        const std::size_t end = findClose(run_, "-->", closed);
        range_ = closed ? kContent : kInComment;
        return token(end, kComment);
    }
    case kInCData: {
        bool closed = false;
        const std::size_t end = findClose(run_, "]]>", closed);
        range_ = closed ? kContent : kInCData;
        return token(end, kCData);
    }
    case kInPI: {
        bool closed = false;
        const std::size_t end = findClose(run_, "?>", closed);
        range_ = closed ? kContent : kInPI;
        return token(end, kPI);
    }
    case kInDocType:
    case kInSubset: {
        // The declaration ends at the first ">" outside its internal subset.
        std::size_t i = run_;
        for (; i < line_.size(); ++i) {
            const char c = line_[i];
            if (c == '[')
                range_ = kInSubset;
            else if (c == ']')
                range_ = kInDocType;
            else if (c == '>' && range_ == kInDocType) {
                range_ = kContent;
                return token(i + 1, kDocType);
            }
        }
        return token(i, kDocType);
    }
    case kSingleValue:
    case kDoubleValue:
        return scanValue(range_ == kSingleValue ? '\'' : '"', false);
    case kSingleNsValue:
    case kDoubleNsValue:
        return scanValue(range_ == kSingleNsValue ? '\'' : '"', true);
    case kElementName:
    case kInTag:
    case kValueNext:
    case kNsValueNext:
        return scanTag();
    default:
        return scanText();
    }
}

void TSynXMLSyn::scanText() {
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (c == '<') {
        if (startsWith(run_, "<!--")) {
            range_ = kInComment;
            bool closed = false;
            const std::size_t end = findClose(run_ + 4, "-->", closed);
            range_ = closed ? kContent : kInComment;
            return token(end, kComment);
        }
        if (startsWith(run_, "<![CDATA[")) {
            bool closed = false;
            const std::size_t end = findClose(run_ + 9, "]]>", closed);
            range_ = closed ? kContent : kInCData;
            return token(end, kCData);
        }
        if (startsWith(run_, "<?")) {
            bool closed = false;
            const std::size_t end = findClose(run_ + 2, "?>", closed);
            range_ = closed ? kContent : kInPI;
            return token(end, kPI);
        }
        if (startsWith(run_, "<!")) {
            range_ = kInDocType;
            run_ += 2;
            const std::size_t start = tokenPos_;
            scanToken();
            tokenPos_ = start;
            return;
        }
        range_ = kElementName;
        return token(at(run_ + 1) == '/' ? run_ + 2 : run_ + 1, kSymbol);
    }
    if (c == '&') {
        const std::size_t end = entityEnd(run_);
        if (end > run_)
            return token(end, kEntity);
    }
    if (WantBracesParsed && (c == '{' || c == '}'))
        return token(run_ + 1, kSymbol);
    // Text runs to the next tag, reference or blank run at its end.
    std::size_t i = run_ + 1;
    while (i < line_.size()) {
        const char d = line_[i];
        if (d == '<' || d == '&' || (WantBracesParsed && (d == '{' || d == '}')))
            break;
        ++i;
    }
    token(i, kText);
}

void TSynXMLSyn::scanTag() {
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (c == '>') {
        range_ = kContent;
        return token(run_ + 1, kSymbol);
    }
    if (c == '/' && at(run_ + 1) == '>') {
        range_ = kContent;
        return token(run_ + 2, kSymbol);
    }
    if (c == '=') {
        range_ = range_ == kNsValueNext ? kNsValueNext : kValueNext;
        return token(run_ + 1, kSymbol);
    }
    if (c == '"' || c == '\'') {
        const bool ns = range_ == kNsValueNext;
        if (range_ == kValueNext || ns) {
            range_ = ns ? (c == '"' ? kDoubleNsValue : kSingleNsValue)
                        : (c == '"' ? kDoubleValue : kSingleValue);
            // The opening quote stands alone when a reference or a brace follows it at once.
            const unsigned char first = at(run_ + 1);
            if ((first == '&' && entityEnd(run_ + 1) > run_ + 1) ||
                (WantBracesParsed && !ns && (first == '{' || first == '}')))
                return token(run_ + 1, ns ? kNsValue : kValue);
            run_ += 1;
            const std::size_t start = tokenPos_;
            scanValue(static_cast<char>(c), ns);
            tokenPos_ = start;
            return;
        }
    }
    if (c == '<') {
        // A tag that was never closed: the new one begins here.
        range_ = kContent;
        return scanText();
    }
    if (isNameChar(c)) {
        const std::size_t end = runWhile(run_, isNameChar);
        if (range_ == kElementName) {
            range_ = kInTag;
            return token(end, kElement);
        }
        const std::string_view name = line_.substr(run_, end - run_);
        const bool ns = name == "xmlns" || name.substr(0, 6) == "xmlns:";
        range_ = ns ? kNsValueNext : kInTag;
        return token(end, ns ? kNsAttribute : kAttribute);
    }
    return token(run_ + 1, kSymbol);
}

void TSynXMLSyn::scanValue(char quote, bool ns) {
    const std::size_t kind = ns ? kNsValue : kValue;
    const unsigned char c = at(run_);
    if (c == '&') {
        const std::size_t end = entityEnd(run_);
        if (end > run_)
            return token(end, kEntity);
    }
    if (WantBracesParsed && !ns && (c == '{' || c == '}'))
        return token(run_ + 1, kSymbol);
    std::size_t i = run_;
    while (i < line_.size()) {
        const char d = line_[i];
        if (d == quote) {
            range_ = kInTag;
            return token(i + 1, kind);
        }
        if ((d == '&' && entityEnd(i) > i) || (WantBracesParsed && !ns && (d == '{' || d == '}')))
            if (i > run_)
                break;
        ++i;
    }
    token(i, kind);
}

} // namespace varlo
