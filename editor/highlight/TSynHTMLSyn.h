#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"

#include <array>
#include <cstddef>

namespace varlo {

// The range state that the editor stores at the end of each line.
enum class HtmlRange : int {
    EntityPending = 0,     // the text before an entity was delivered; the entity comes next
    Comment = 1,           // inside "<!--" ... "-->"
    TagName = 2,           // after "<"
    Tag = 3,               // inside a tag, among its attributes
    Text = 4,              // between tags; the reset state
    Unused = 5,            // never entered
    ValueExpected = 6,     // after "="
    SingleQuotedValue = 7, // inside '...'
    DoubleQuotedValue = 8, // inside "..."
};

enum class HtmlTokenKind : int {
    Entity,
    Comment,
    Identifier,
    Key,
    EndOfLine,
    Space,
    Symbol,
    Text,
    UndefinedKey,
    Value,
};

// Splits HTML lines into tokens. It keeps nothing between lines except the range state that the
// editor hands back, so one instance serves every editor.
class TSynHTMLSyn : public TSynCustomHighlighter {
public:
    TSynHTMLSyn();

    // The three foregrounds the main window gives its HTML highlighter.
    static void applyProgramColours(TSynHTMLSyn& highlighter);

    TSynHighlighterAttributes* const AndAttri;
    TSynHighlighterAttributes* const CommentAttri;
    TSynHighlighterAttributes* const IdentifierAttri;
    TSynHighlighterAttributes* const KeyAttri;
    TSynHighlighterAttributes* const SpaceAttri;
    TSynHighlighterAttributes* const SymbolAttri;
    TSynHighlighterAttributes* const TextAttri;
    TSynHighlighterAttributes* const UndefKeyAttri;
    TSynHighlighterAttributes* const ValueAttri;

    const TSynHighlighterAttributes* getDefaultAttribute(AttributeRole role) const override;
    std::string languageName() const override;
    std::string defaultFilter() const override;
    std::string sampleSource() const override;
    bool getEol() const override { return kind_ == HtmlTokenKind::EndOfLine; }
    int getRange() const override { return static_cast<int>(range_); }
    std::string_view getToken() const override { return line_.substr(tokenPos_, run_ - tokenPos_); }
    const TSynHighlighterAttributes* getTokenAttribute() const override {
        return attributeOfKind_[static_cast<std::size_t>(kind_)];
    }
    int getTokenKind() const override { return static_cast<int>(kind_); }
    int getTokenPos() const override { return static_cast<int>(tokenPos_); }
    void next() override;
    void setLine(std::string_view line, int lineIndex) override;
    // A state outside 0..8 is taken as the reset state.
    void setRange(int state) override;
    void resetRange() override { range_ = HtmlRange::Text; }
    int rangeCount() const override { return 9; }

    HtmlTokenKind tokenKind() const { return kind_; }

private:
    unsigned char at(std::size_t i) const { return static_cast<unsigned char>(line_[i]); }
    void scanComment();
    void scanText();
    void scanQuotedValue(unsigned char quote);
    void scanByCharacter();
    void scanSpace();
    void scanPendingEntity();
    void scanName();
    void scanTagName();
    // Length of the entity at i ("&" included), 0 for none; numericWithoutEnd is set when it is
    // "&#" with decimal digits but no ";", which cuts the text after the digits.
    std::size_t entityAt(std::size_t i, std::size_t& numericWithoutEnd) const;

    std::array<const TSynHighlighterAttributes*, 10> attributeOfKind_{};
    std::string_view line_;
    std::size_t run_ = 0;      // where the next token starts
    std::size_t tokenPos_ = 0; // where the current token starts
    HtmlRange range_ = HtmlRange::Text;
    HtmlTokenKind kind_ = HtmlTokenKind::EndOfLine;
    // The entity found at the end of the last text token: its start and length.
    std::size_t entityPos_ = 0;
    std::size_t entityLength_ = 0;
};

} // namespace varlo
