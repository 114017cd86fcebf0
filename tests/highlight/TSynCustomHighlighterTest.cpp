#include "editor/highlight/TSynCustomHighlighter.h"
#include "tests/support/LineTokenHighlighter.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace varlo;

namespace {

using PlainHighlighter = test::LineTokenHighlighter;

std::vector<std::string> displayNames(const TSynCustomHighlighter& h) {
    std::vector<std::string> names;
    for (const auto* a : h.attributes())
        names.push_back(a->displayName());
    return names;
}

TEST(TSynCustomHighlighter, KeepsAttributesSortedByDisplayNameWhateverTheOrderOfCreation) {
    PlainHighlighter h;
    for (const char* name : {"Symbol", "Comment", "value", "Reserved Word", "Escape Ampersand"})
        h.add(name);
    EXPECT_EQ(displayNames(h), (std::vector<std::string>{"Comment", "Escape Ampersand",
                                                         "Reserved Word", "Symbol", "value"}));
    ASSERT_NE(h.attribute("Reserved Word"), nullptr);
    EXPECT_EQ(h.attribute("Reserved Word")->displayName(), "Reserved Word");
    EXPECT_EQ(h.attribute("Missing"), nullptr);
}

TEST(TSynCustomHighlighter, RejectsADuplicateDisplayNameAndKeepsTheFirst) {
    PlainHighlighter h;
    TSynHighlighterAttributes* first = h.add("Comment");
    EXPECT_THROW(h.add("Comment"), std::logic_error);
    EXPECT_THROW(h.add("COMMENT"), std::logic_error);
    ASSERT_EQ(h.attributes().size(), 1u);
    EXPECT_EQ(h.attributes()[0], first);
}

TEST(TSynCustomHighlighter, NewAttributeHasNoColoursAndNoStyle) {
    PlainHighlighter h;
    const auto* a = h.add("Text");
    EXPECT_EQ(a->foreground(), clNone);
    EXPECT_EQ(a->background(), clNone);
    EXPECT_EQ(a->style(), 0);
}

TEST(TSynCustomHighlighter, TellsEveryListenerOfEachRealChangeOfAnAttributeOrOfEnabled) {
    PlainHighlighter h;
    TSynHighlighterAttributes* a = h.add("Text");
    int first = 0;
    int second = 0;
    h.addChangeListener([&] { ++first; });
    const int id = h.addChangeListener([&] { ++second; });

    a->setForeground(clRed);
    a->setBackground(clYellow);
    a->setStyle(fsBold | fsItalic);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 3);

    a->setForeground(clRed); // no change, no repaint
    EXPECT_EQ(first, 3);

    EXPECT_TRUE(h.enabled());
    h.setEnabled(false);
    EXPECT_FALSE(h.enabled());
    h.setEnabled(false);
    EXPECT_EQ(first, 4);

    h.removeChangeListener(id);
    a->setStyle(0);
    EXPECT_EQ(first, 5);
    EXPECT_EQ(second, 4);
}

TEST(TSynCustomHighlighter, ListenerMayRemoveItselfWhileBeingTold) {
    PlainHighlighter h;
    TSynHighlighterAttributes* a = h.add("Text");
    int calls = 0;
    int id = 0;
    id = h.addChangeListener([&] {
        ++calls;
        h.removeChangeListener(id);
    });
    a->setForeground(clRed);
    a->setForeground(clBlue);
    EXPECT_EQ(calls, 1);
}

TEST(TSynCustomHighlighter, DefaultIdentifierAndWordBreakCharacters) {
    PlainHighlighter h;
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(h.isIdentChar(static_cast<unsigned char>(c)), c >= 33) << c;
    std::string breaks;
    for (int c = 0; c < 256; ++c)
        if (h.isWordBreakChar(static_cast<unsigned char>(c)))
            breaks += static_cast<char>(c);
    EXPECT_EQ(breaks, "!\"'()*+,-./:;=?[\\]^{|}");
}

} // namespace
