#include "WidgetFixture.h"

#include "editor/widget/SystemColors.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

using namespace varlo;
using namespace varlo::test;

namespace {

// The top pixel row of a cell holds no glyph ink in a monospaced font, so it shows the cell's
// background.
QColor cellBackground(const QImage& img, const TSynMemo& m, int line, int cell) {
    const int x = m.textStart() + (cell - 1) * m.charWidth() + m.charWidth() / 2;
    const int y = (line - m.topLine()) * m.lineHeight();
    return img.pixelColor(x, y);
}

TEST(Paint, CaretLineBandCoversTokensWithTheirOwnBackground) {
    OneTokenHighlighter h;
    h.attr->setBackground(rgb(0xFF, 0x00, 0x00));
    auto m = programEditor({"abc", "abc"});
    m->setHighlighter(&h);
    m->model().setCaretAndSelection({2, 1}, {2, 1}, {2, 1});
    const QImage img = m->renderToImage();
    EXPECT_EQ(cellBackground(img, *m, 1, 2), QColor(0xDD, 0xED, 0xFF));
    EXPECT_EQ(cellBackground(img, *m, 1, 20), QColor(0xDD, 0xED, 0xFF)); // past the text
    EXPECT_EQ(cellBackground(img, *m, 2, 2), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(cellBackground(img, *m, 2, 20), QColor(0xF9, 0xF9, 0xF9));
    m->setHighlighter(nullptr);
}

TEST(Paint, SelectionShowsWithoutFocus) {
    auto m = programEditor({"abcdef", "ghi"});
    m->model().setCaretAndSelection({3, 2}, {2, 1}, {3, 2});
    ASSERT_FALSE(m->hasFocus());
    const QImage img = m->renderToImage();
    const QColor highlight = toQColor(clHighlight);
    EXPECT_EQ(cellBackground(img, *m, 1, 1), QColor(0xF9, 0xF9, 0xF9));
    EXPECT_EQ(cellBackground(img, *m, 1, 2), highlight);
    EXPECT_EQ(cellBackground(img, *m, 1, 7), highlight); // the selected line break
    EXPECT_EQ(cellBackground(img, *m, 2, 2), highlight);
    EXPECT_EQ(cellBackground(img, *m, 2, 3), QColor(0xDD, 0xED, 0xFF)); // caret line after it
}

TEST(Paint, GutterGradientBands) {
    auto m = programEditor({"a"});
    TSynGutter g = m->Gutter();
    g.ShowLineNumbers = false;
    g.Width = 480; // ten pixels per band, so each band can be checked
    m->setGutter(g);
    const QImage img = m->renderToImage();
    const int y = img.height() - 2; // below any line
    const QColor start = toQColor(clInactiveCaptionText);
    const QColor end = qc(clSkyBlue);
    EXPECT_EQ(img.pixelColor(0, y), start);
    EXPECT_EQ(img.pixelColor(9, y), start);
    EXPECT_EQ(img.pixelColor(470, y), end);
    EXPECT_EQ(img.pixelColor(477, y), end);
    // Band 24 of 48: start + (end - start) * 24 / 47 in each channel.
    const auto mid = [](int a, int b) { return a + (b - a) * 24 / 47; };
    EXPECT_EQ(img.pixelColor(245, y),
              QColor(mid(start.red(), end.red()), mid(start.green(), end.green()),
                     mid(start.blue(), end.blue())));
    // The middle border: BorderColor, then the gutter colour.
    EXPECT_EQ(img.pixelColor(478, y), toQColor(clMenuHighlight));
    EXPECT_EQ(img.pixelColor(479, y), toQColor(clBtnFace));
}

TEST(Paint, ProgramGutterStartsWithInactiveCaptionText) {
    auto m = programEditor({"a"});
    const QImage img = m->renderToImage();
    const int w = m->gutterWidth();
    EXPECT_EQ(w, 16 + 2 + 2 + 4 * QFontMetrics(m->Gutter().Font).horizontalAdvance('0'));
    EXPECT_EQ(img.pixelColor(0, img.height() - 2), toQColor(clInactiveCaptionText));
}

TEST(Paint, RightEdgeAtColumn80) {
    auto m = programEditor({"a"}, QSize(1000, 300));
    const QImage img = m->renderToImage();
    const int x = m->textStart() + 80 * m->charWidth();
    const int y = img.height() - 2;
    EXPECT_EQ(img.pixelColor(x, y), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_NE(img.pixelColor(x - 1, y), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_NE(img.pixelColor(x + 1, y), QColor(0xC0, 0xC0, 0xC0));
}

// The last line's number is drawn with every digit inside the gutter, the first one included,
// also when it has more digits than the gutter was laid out for.
TEST(Paint, LastLineNumberIsDrawnWhole) {
    for (const int count : {10000, 1000001}) {
        std::vector<std::string> lines(static_cast<std::size_t>(count), "x");
        auto m = programEditor(lines);
        m->setTopLine(count);
        ASSERT_EQ(m->topLine(), count - m->linesInWindow() + 1);
        const QImage img = m->renderToImage();
        const int cw = QFontMetrics(m->Gutter().Font).horizontalAdvance('0');
        const int right = m->gutterWidth() - m->Gutter().RightOffset - 2;
        const int y0 = (count - m->topLine()) * m->lineHeight();
        const int digits = static_cast<int>(std::to_string(count).size());
        ASSERT_GE(right - digits * cw, 0) << count;
        // Ink in the cell of every digit.
        for (int digit = 0; digit < digits; ++digit) {
            const int x0 = right - (digits - digit) * cw;
            bool ink = false;
            for (int y = y0; y < y0 + m->lineHeight() && !ink; ++y)
                for (int x = std::max(0, x0); x < x0 + cw && !ink; ++x)
                    ink = qGray(img.pixel(x, y)) < 80;
            EXPECT_TRUE(ink) << count << " digit " << digit;
        }
    }
}

TEST(Paint, BookmarkGlyphAndOverwriteCaret) {
    auto m = programEditor({"abc", "def"});
    m->model().setBookmark(3, Position{1, 2});
    const QImage before = m->renderToImage();
    m->model().setBookmark(3, std::nullopt);
    const QImage after = m->renderToImage();
    const int y = m->lineHeight() + m->lineHeight() / 2;
    bool differs = false;
    for (int x = 0; x < 16; ++x)
        differs = differs || before.pixel(x, y) != after.pixel(x, y);
    EXPECT_TRUE(differs);
}

TEST(Paint, StuckHighlighterStopsTheLineNotTheProgram) {
    StuckHighlighter h;
    auto m = programEditor({"abc", "def"});
    m->setHighlighter(&h);
    const QImage img = m->renderToImage();
    EXPECT_EQ(m->lastPaintError(),
              QStringLiteral("The highlighter seems to be in an infinite loop"));
    // The text is still drawn.
    bool ink = false;
    for (int x = m->textStart(); x < m->textStart() + 3 * m->charWidth(); ++x)
        for (int y = 0; y < m->lineHeight(); ++y)
            ink = ink || qGray(img.pixel(x, y)) < 80;
    EXPECT_TRUE(ink);
    m->setHighlighter(nullptr);
}

} // namespace
