#include "WidgetFixture.h"

#include "editor/highlight/TSynHTMLSyn.h"

#include <gtest/gtest.h>

using namespace varlo;
using namespace varlo::test;

namespace {

class Rescan : public ::testing::Test {
protected:
    void SetUp() override {
        memo = programEditor({"<!-- a", "b", "c", "d", "e -->", "<p>x", "y"});
        memo->setHighlighter(&html);
        memo->scanAll();
        memo->resetRescannedLines();
    }
    void TearDown() override { memo->setHighlighter(nullptr); }
    // The end states as a fresh full scan computes them.
    std::vector<int> freshStates() {
        auto other = programEditor({});
        for (int i = 0; i < memo->model().lineCount(); ++i)
            other->model().addLine(memo->model().line(i));
        other->setHighlighter(&html);
        std::vector<int> out;
        for (int i = 0; i < other->model().lineCount(); ++i)
            out.push_back(other->lineEndState(i));
        other->setHighlighter(nullptr);
        return out;
    }
    std::vector<int> states() {
        memo->scanAll();
        std::vector<int> out;
        for (int i = 0; i < memo->model().lineCount(); ++i)
            out.push_back(memo->lineEndState(i));
        return out;
    }
    void typeAt(Position p, std::string_view s) {
        memo->model().setCaretAndSelection(p, p, p);
        memo->model().setSelectedText(s);
    }

    TSynHTMLSyn html;
    std::unique_ptr<TSynMemo> memo;
};

TEST_F(Rescan, EditInsideCommentStopsAtTheUnchangedLine) {
    typeAt({2, 3}, "z");
    EXPECT_EQ(memo->rescannedLines(), 1); // line 3 ends inside the comment as before
    EXPECT_EQ(states(), freshStates());
}

TEST_F(Rescan, ClosingTheCommentEarlyRescansToItsOldEnd) {
    typeAt({2, 3}, "--");
    memo->resetRescannedLines();
    typeAt({4, 3}, ">");
    // Line 3 now closes the comment; lines 4 and 5 change, line 5 ends as it did.
    EXPECT_EQ(memo->rescannedLines(), 3);
    EXPECT_EQ(states(), freshStates());
}

TEST_F(Rescan, DeletingTheCloserRescansToTheEnd) {
    memo->model().setCaretAndSelection({6, 5}, {3, 5}, {6, 5});
    memo->model().setSelectedText({});
    EXPECT_EQ(memo->rescannedLines(), 3); // lines 5, 6 and 7
    EXPECT_EQ(states(), freshStates());
    memo->model().undo();
    EXPECT_EQ(states(), freshStates());
}

TEST_F(Rescan, LineInsertionsAndRemovalsKeepStatesInStep) {
    typeAt({3, 2}, "\r\n<!--\r\n");
    EXPECT_EQ(states(), freshStates());
    memo->model().setCaretAndSelection({1, 4}, {1, 2}, {1, 4});
    memo->model().setSelectedText({});
    EXPECT_EQ(states(), freshStates());
    memo->model().undo();
    memo->model().undo();
    EXPECT_EQ(states(), freshStates());
}

TEST(LazyScan, PaintScansOnlyUpToTheView) {
    TSynHTMLSyn html;
    std::vector<std::string> lines(5000, "<b>x</b>");
    auto memo = programEditor(lines);
    memo->setHighlighter(&html);
    memo->renderToImage();
    EXPECT_GE(memo->scannedLines(), memo->linesInWindow());
    EXPECT_LT(memo->scannedLines(), 200);
    memo->setHighlighter(nullptr);
}

} // namespace

namespace {

// The main window owns the highlighter and the editors; either may go first.
TEST(HighlighterLifetime, EitherMayBeDestroyedFirst) {
    auto html = std::make_unique<TSynHTMLSyn>();
    auto first = programEditor({"<b>x</b>"});
    first->setHighlighter(html.get());
    first.reset();
    html->KeyAttri->setForeground(clRed); // the closed editor's listener stays quiet
    auto second = programEditor({"<b>x</b>"});
    second->setHighlighter(html.get());
    second->renderToImage();
    html.reset();
    second.reset();
    SUCCEED();
}

} // namespace
