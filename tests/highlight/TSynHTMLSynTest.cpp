#include "editor/highlight/TSynHTMLSyn.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace varlo;

namespace {

struct Token {
    HtmlTokenKind kind;
    std::string text;
    bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Token& t) {
    return os << static_cast<int>(t.kind) << ":'" << t.text << "'";
}

std::vector<Token> tokensOf(TSynHTMLSyn& hl, std::string_view line) {
    std::vector<Token> tokens;
    hl.setLine(line, 0);
    while (!hl.getEol() && tokens.size() <= line.size()) {
        tokens.push_back({hl.tokenKind(), std::string(hl.getToken())});
        hl.next();
    }
    return tokens;
}

TEST(TSynHTMLSyn, CreatesTheNineAttributesWithTheirDefaults) {
    TSynHTMLSyn hl;
    struct Row {
        const TSynHighlighterAttributes* attribute;
        const char* displayName;
        TColor foreground;
        FontStyles style;
    };
    const Row rows[] = {
        {hl.AndAttri, "Escape Ampersand", rgb(0x00, 0xFF, 0x00), fsBold},
        {hl.CommentAttri, "Comment", clNone, 0},
        {hl.IdentifierAttri, "Identifier", clNone, fsBold},
        {hl.KeyAttri, "Reserved Word", rgb(0x80, 0x00, 0xFF), fsBold},
        {hl.SpaceAttri, "Space", clNone, 0},
        {hl.SymbolAttri, "Symbol", clNone, fsBold},
        {hl.TextAttri, "Text", clNone, 0},
        {hl.UndefKeyAttri, "Unknown Word", rgb(0xFF, 0x00, 0x00), fsBold},
        {hl.ValueAttri, "Value", rgb(0x00, 0x80, 0xFF), 0},
    };
    ASSERT_EQ(hl.attributes().size(), std::size(rows));
    for (const auto& r : rows) {
        EXPECT_EQ(r.attribute->displayName(), r.displayName);
        EXPECT_EQ(r.attribute->foreground(), r.foreground) << r.displayName;
        EXPECT_EQ(r.attribute->background(), clNone) << r.displayName;
        EXPECT_EQ(r.attribute->style(), r.style) << r.displayName;
        EXPECT_EQ(hl.attribute(r.displayName), r.attribute);
    }
    EXPECT_EQ(hl.attributes().front(), hl.CommentAttri); // sorted: "Comment" first
    EXPECT_EQ(hl.attributes().back(), hl.ValueAttri);
}

TEST(TSynHTMLSyn, ProgramColoursChangeThreeForegroundsAndNotifyTheEditors) {
    TSynHTMLSyn hl;
    int repaints = 0;
    hl.addChangeListener([&] { ++repaints; });
    TSynHTMLSyn::applyProgramColours(hl);
    EXPECT_EQ(hl.AndAttri->foreground(), clBlue);
    EXPECT_EQ(hl.CommentAttri->foreground(), 7367525);
    EXPECT_EQ(hl.ValueAttri->foreground(), 14643200);
    EXPECT_EQ(hl.KeyAttri->foreground(), rgb(0x80, 0x00, 0xFF));
    EXPECT_EQ(hl.AndAttri->style(), fsBold);
    EXPECT_EQ(repaints, 3);
}

TEST(TSynHTMLSyn, LanguageFilterRolesAndIdentifierCharacters) {
    TSynHTMLSyn hl;
    EXPECT_EQ(hl.languageName(), "HTML");
    EXPECT_EQ(hl.defaultFilter(), "HTML Documents (*.htm;*.html)|*.htm;*.html");
    EXPECT_EQ(hl.getDefaultAttribute(AttributeRole::Comment), hl.CommentAttri);
    EXPECT_EQ(hl.getDefaultAttribute(AttributeRole::Identifier), hl.IdentifierAttri);
    EXPECT_EQ(hl.getDefaultAttribute(AttributeRole::Keyword), hl.KeyAttri);
    EXPECT_EQ(hl.getDefaultAttribute(AttributeRole::Whitespace), hl.SpaceAttri);
    EXPECT_EQ(hl.getDefaultAttribute(AttributeRole::Symbol), hl.SymbolAttri);
    EXPECT_EQ(hl.getDefaultAttribute(AttributeRole::String), nullptr);

    std::string ident;
    for (int c = 0; c < 192; ++c)
        if (hl.isIdentChar(static_cast<unsigned char>(c)))
            ident += static_cast<char>(c);
    EXPECT_EQ(ident, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
    for (int c = 192; c < 256; ++c)
        EXPECT_EQ(hl.isIdentChar(static_cast<unsigned char>(c)), c != 215 && c != 247) << c;
    EXPECT_TRUE(hl.isWordBreakChar('='));
    // Word characters: identifier characters that are no word breaks.
    std::string word;
    for (int c = 0; c < 256; ++c)
        if (hl.isWordChar(static_cast<unsigned char>(c)))
            word += static_cast<char>(c);
    EXPECT_EQ(word.size(), 10u + 26u + 1u + 26u + 62u);
    EXPECT_FALSE(hl.isWordChar(static_cast<unsigned char>('\xD7'))); // Ч
    EXPECT_TRUE(hl.isWordChar('_'));
}

// The state each line leaves behind, starting from the reset state; lines run in order.
TEST(TSynHTMLSyn, EndStatesCarryCommentsTagsAndValuesAcrossLines) {
    struct Step {
        std::string_view line;
        HtmlRange after;
    };
    const Step steps[] = {
        {"plain text &amp; more", HtmlRange::Text},
        {"<", HtmlRange::TagName},
        {"", HtmlRange::TagName},
        {"p", HtmlRange::Tag},
        {"", HtmlRange::Tag},
        {"class=", HtmlRange::ValueExpected},
        {"\"a", HtmlRange::DoubleQuotedValue},
        {"b\" title='c", HtmlRange::SingleQuotedValue},
        {"d'", HtmlRange::Tag},
        {"><!-- x", HtmlRange::Comment},
        {"", HtmlRange::Comment},
        {"y --", HtmlRange::Comment},
        {">", HtmlRange::Comment}, // the dashes must stand on the same line
        {"<!-- z -->", HtmlRange::Text},
        {"&#169", HtmlRange::Text},
    };
    TSynHTMLSyn hl;
    hl.resetRange();
    int n = 0;
    for (const auto& s : steps) {
        tokensOf(hl, s.line);
        EXPECT_EQ(hl.getRange(), static_cast<int>(s.after))
            << "line " << n << " '" << s.line << "'";
        ++n;
    }
}

TEST(TSynHTMLSyn, LineBreakAndControlCharactersInsideALineAreSpaceTokens) {
    using K = HtmlTokenKind;
    struct Case {
        int start;
        std::string line;
        std::vector<Token> tokens;
    };
    const Case cases[] = {
        {4,
         "a\r\nb\rc\nd",
         {{K::Text, "a"},
          {K::Space, "\r\n"},
          {K::Text, "b"},
          {K::Space, "\r"},
          {K::Text, "c"},
          {K::Space, "\n"},
          {K::Text, "d"}}},
        {1, "x\ry-->", {{K::Comment, "x"}, {K::Space, "\r"}, {K::Comment, "y-->"}}},
        {8, "v\nw\"", {{K::Value, "v"}, {K::Space, "\n"}, {K::Value, "w\""}}},
        // A NUL is a character like any other control character, not the end of the line.
        {4,
         std::string("a\0\0b", 4),
         {{K::Text, "a"}, {K::Space, std::string(2, '\0')}, {K::Text, "b"}}},
        {3,
         std::string("x\0y", 3),
         {{K::Identifier, "x"}, {K::Space, std::string(1, '\0')}, {K::Identifier, "y"}}},
    };
    TSynHTMLSyn hl;
    for (const auto& c : cases) {
        hl.setRange(c.start);
        EXPECT_EQ(tokensOf(hl, c.line), c.tokens) << "state " << c.start;
    }
}

TEST(TSynHTMLSyn, StoredStatesThatDoNotFitTheLineStillGiveSoundTokens) {
    using K = HtmlTokenKind;
    struct Case {
        int start;
        std::string_view line;
        std::vector<Token> tokens;
        int after;
    };
    const Case cases[] = {
        // An entity was pending at the end of some other line.
        {0, "&amp;x", {{K::Entity, "&amp;"}, {K::Text, "x"}}, 4},
        {0, "&#12", {{K::Text, "&#12"}}, 4},
        {0, "&#x1f", {{K::Text, "&#x1f"}}, 4},
        {0, "&x", {{K::Text, "&"}, {K::Text, "x"}}, 4},
        {0, "ab", {{K::Identifier, "ab"}}, 0},
        {5, "a=b>", {{K::Identifier, "a"}, {K::Symbol, "="}, {K::Value, "b"}, {K::Symbol, ">"}}, 4},
        {99, "a<", {{K::Text, "a"}, {K::Symbol, "<"}}, 2},
        {-1, "a", {{K::Text, "a"}}, 4},
    };
    TSynHTMLSyn hl;
    for (const auto& c : cases) {
        hl.setRange(c.start);
        EXPECT_EQ(tokensOf(hl, c.line), c.tokens) << "state " << c.start << " '" << c.line << "'";
        EXPECT_EQ(hl.getRange(), c.after) << "state " << c.start << " '" << c.line << "'";
    }
}

TEST(TSynHTMLSyn, TokensAreViewsIntoTheLineWithTheirColumns) {
    TSynHTMLSyn hl;
    hl.resetRange();
    const std::string line = "<b class=x>hi";
    hl.setLine(line, 7);
    std::vector<int> starts;
    while (!hl.getEol()) {
        EXPECT_EQ(hl.getToken().data(), line.data() + hl.getTokenPos());
        starts.push_back(hl.getTokenPos());
        hl.next();
    }
    EXPECT_EQ(starts, (std::vector<int>{0, 1, 2, 3, 8, 9, 10, 11}));
    EXPECT_EQ(hl.getTokenAttribute(), nullptr); // the end of the line has no attribute
    EXPECT_EQ(hl.getToken(), "");
}

} // namespace
