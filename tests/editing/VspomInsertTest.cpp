#include "EditorFixture.h"
#include "editing/Vspom.h"
#include "editor/base/Cp1251.h"

#include "editor/widget/SystemColors.h"

#include <gtest/gtest.h>

#include <string>

using namespace varlo;

namespace {

struct TagCase {
    const char* label;
    std::string_view snippet;
    std::int64_t selStart; // relative to the insertion point
    std::int64_t selLength;
};

// The document has a line before the insertion point, so offsets also check the line-break
// weight of two.
constexpr std::string_view kBefore = "xx\r\nAB";
constexpr std::int64_t s = 6;

class InsertTagExamples : public ::testing::TestWithParam<TagCase> {};

TEST_P(InsertTagExamples, CaretOrPlaceholderSelection) {
    const TagCase& c = GetParam();
    EditorFixture e(std::string(kBefore) + "CD", s);
    Vspom::InsertTag(*e, c.snippet);

    std::string inserted(c.snippet);
    for (std::size_t i = 0; (i = inserted.find('\r', i)) != std::string::npos; i += 2)
        inserted.insert(i + 1, "\n");
    EXPECT_EQ(e->text(), std::string(kBefore) + inserted + "CD");
    EXPECT_EQ(e->selectionStart(), s + c.selStart);
    EXPECT_EQ(e->selectionLength(), c.selLength);
    // The caret stands at the selection's end, in front of the last tag.
    EXPECT_EQ(e.caretOffset(), s + c.selStart + c.selLength);
    EXPECT_EQ(e.changes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, InsertTagExamples,
    ::testing::Values(
        TagCase{"bold", "<b></b>", 3, 0}, TagCase{"table", "<table></table>", 7, 0},
        TagCase{"title", "<title>Заголовок, не больше 40 символов</title>"_w, 7, 32},
        TagCase{"link", R"(<a href="адресс" title="подсказка">Текст ссылки</a>)"_w, 35, 12},
        TagCase{"font", R"(<font face="имя шрифта" size="размер" color="цвет текста"></font>)"_w,
                58, 0},
        // The line break between "</legend>" and "</fieldset>" is the placeholder.
        TagCase{"fieldset", "<fieldset>\r<legend>Заголовок</legend>\r</fieldset>"_w, 38, 2},
        TagCase{"onlyOpeningTag", "<br>", 0, 0}, TagCase{"leadingText", "abc<b", 0, 3},
        TagCase{"placeholderOverBreaks", "<p>a\rb</p>", 3, 4},
        TagCase{"noTagAtAll", "plain", 5, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(InsertTag, ReplacesTheSelectionAsOneUndoStep) {
    const std::string text(("один слово два"_w));
    EditorFixture e(text, 5, 5);
    Vspom::InsertTag(*e, "<b></b>");
    EXPECT_EQ(e->text(), "один <b></b> два"_w);
    EXPECT_EQ(e->selectionStart(), 8);
    EXPECT_EQ(e->selectionLength(), 0);
    EXPECT_TRUE(e->isModified());

    e->undo();
    EXPECT_EQ(e->text(), text);
    EXPECT_EQ(e->selectedText(), "слово"_w);
    EXPECT_FALSE(e->canUndo());
}

TEST(InsertTag, IntoAnEmptyDocument) {
    EditorFixture e;
    Vspom::InsertTag(*e, "<b></b>");
    EXPECT_EQ(e->text(), "<b></b>");
    EXPECT_EQ(e->selectionStart(), 3);
    EXPECT_EQ(e->lineCount(), 1);
}

TEST(InsertTag, TypingReplacesTheSelectedPlaceholder) {
    EditorFixture e;
    Vspom::InsertTag(*e, "<title>Заголовок, не больше 40 символов</title>"_w);
    e->setSelectedText("x");
    EXPECT_EQ(e->text(), "<title>x</title>");
}

TEST(ListOperations, BuildFourLinesAndLeaveTheCaretAfterThem) {
    struct Case {
        bool ordered;
        std::string_view type;
        std::string_view expected;
    };
    const Case cases[] = {
        {true, "1",
         "<OL type=1 title=\"подсказка\">\r\n  <LI>вашь текст\r\n  <LI>вашь текст\r\n</OL>"_w},
        {false, "disc",
         "<UL type=disc title=\"подсказка\">\r\n  <LI>вашь текст\r\n  <LI>вашь текст\r\n</UL>"_w},
    };
    for (const Case& c : cases) {
        EditorFixture e("[sel]", 0, 5);
        if (c.ordered)
            Vspom::InsertOrderedList(*e, c.type);
        else
            Vspom::InsertUnorderedList(*e, c.type);
        EXPECT_EQ(e->text(), c.expected);
        EXPECT_EQ(e->lineCount(), 4);
        EXPECT_EQ(e->selectionStart(), e->textLength());
        EXPECT_EQ(e->selectionLength(), 0);
        EXPECT_EQ(e.changes, 1);
    }
}

TEST(ColorToHtml, RedFirstTwoUpperCaseDigitsEach) {
    EXPECT_EQ(Vspom::ColorToHtml(rgb(255, 0, 0)), "#FF0000");
    EXPECT_EQ(Vspom::ColorToHtml(rgb(0, 128, 255)), "#0080FF");
    EXPECT_EQ(Vspom::ColorToHtml(clBlack), "#000000");
    EXPECT_EQ(Vspom::ColorToHtml(rgb(1, 2, 3)), "#010203");
    EXPECT_EQ(Vspom::ColorToHtml(rgb(0xAB, 0xCD, 0xEF)), "#ABCDEF");
    // The top byte of an ordinary value plays no part.
    EXPECT_EQ(Vspom::ColorToHtml(0x01123456), "#563412");
}

TEST(ColorToHtml, SystemColoursAreResolvedThroughThePalette) {
    const QColor c = toQColor(clWindow);
    char expected[8];
    std::snprintf(expected, sizeof expected, "#%.2X%.2X%.2X", c.red(), c.green(), c.blue());
    EXPECT_EQ(Vspom::ColorToHtml(clWindow), expected);
}

} // namespace
