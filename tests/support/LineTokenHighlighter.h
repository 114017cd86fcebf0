#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"

#include <memory>
#include <string>
#include <string_view>

namespace varlo::test {

// The smallest highlighter: the whole line is one token, drawn with `tokenAttribute`; tests add
// attributes of their own.
class LineTokenHighlighter : public TSynCustomHighlighter {
public:
    const TSynHighlighterAttributes* getDefaultAttribute(AttributeRole) const override {
        return nullptr;
    }
    std::string languageName() const override { return "Plain"; }
    std::string defaultFilter() const override { return "Plain (*.txt)|*.txt"; }
    bool getEol() const override { return done_; }
    int getRange() const override { return 0; }
    std::string_view getToken() const override { return line_; }
    const TSynHighlighterAttributes* getTokenAttribute() const override { return tokenAttribute; }
    int getTokenKind() const override { return 0; }
    int getTokenPos() const override { return 0; }
    void next() override { done_ = true; }
    void setLine(std::string_view line, int) override {
        line_ = line;
        done_ = line.empty();
    }
    void setRange(int) override {}
    void resetRange() override {}

    TSynHighlighterAttributes* add(const char* displayName) {
        return addAttribute(std::make_unique<TSynHighlighterAttributes>(displayName, displayName));
    }

    const TSynHighlighterAttributes* tokenAttribute = nullptr;

private:
    std::string_view line_;
    bool done_ = true;
};

} // namespace varlo::test
