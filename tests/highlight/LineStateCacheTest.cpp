// The line state cache against the plain truth: after every edit its end states must equal those
// of a full scan of the document from the top.

#include "editor/highlight/LineStateCache.h"
#include "editor/highlight/TSynHTMLSyn.h"
#include "editor/highlight/TokenWalk.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

using namespace varlo;

namespace {

// Every end state from a walk of all lines from the top.
std::vector<int> fullScan(const EditorModel& m) {
    TSynHTMLSyn hl;
    TokenWalk walk(hl);
    std::vector<int> out;
    int state = 0;
    for (int i = 0; i < m.lineCount(); ++i) {
        state = walk.endState(m.line(i), i, i == 0, state);
        out.push_back(state);
    }
    return out;
}

class LineStates : public ::testing::Test {
protected:
    void SetUp() override {
        model.setText("<!-- a\r\nb\r\nc\r\nd\r\ne -->\r\n<p title=\"x\r\ny\">z</p>\r\n&amp;");
        cache.setHighlighter(&html);
        cache.scanAll();
        cache.resetRescannedLines();
        idleRequests = 0;
    }
    std::vector<int> states() {
        cache.scanAll();
        std::vector<int> out;
        for (int i = 0; i < model.lineCount(); ++i)
            out.push_back(cache.endState(i));
        return out;
    }
    void replace(Position from, Position to, std::string_view s) {
        model.setCaretAndSelection(to, from, to);
        model.setSelectedText(s);
    }

    TSynHTMLSyn html;
    EditorModel model;
    int horizon = INT_MAX;
    int idleRequests = 0;
    LineStateCache cache{model, [this] { return horizon; }, [this] { ++idleRequests; }};
};

TEST_F(LineStates, RescanStopsAtTheFirstUnchangedEndState) {
    struct Case {
        const char* what;
        Position from, to;
        const char* text;
        std::int64_t rescanned;
    };
    // Positions are {column, line}, both 1-based.
    const Case cases[] = {
        // Line 2 still ends inside the comment.
        {"typing inside the comment", {1, 2}, {1, 2}, "z", 1},
        // Line 2 now closes the comment: lines 2 to 5 are rescanned, and line 5 ends outside
        // the comment as it did.
        {"closing the comment early", {2, 2}, {2, 2}, "-->", 4},
        {"removing the early closer", {2, 2}, {5, 2}, "", 4},
        // A new line inside the comment: the old line, the new one, then line 5 ends as before.
        {"splitting a line", {2, 3}, {2, 3}, "\r\n", 3},
        {"joining it again", {2, 3}, {1, 4}, "", 1},
    };
    for (const Case& c : cases) {
        cache.resetRescannedLines();
        replace(c.from, c.to, c.text);
        EXPECT_EQ(cache.rescannedLines(), c.rescanned) << c.what;
        EXPECT_EQ(states(), fullScan(model)) << c.what;
    }
}

// Removing lines joins what is left: the line after the joined one started from the end state of
// the last removed line, so that is the state the joined line must come out with to stop there.
TEST_F(LineStates, RemovedLinesAreComparedByTheLastOfThem) {
    model.setText("x\r\n<p\r\nz");
    cache.scanAll();
    replace({2, 1}, {3, 2}, ""); // "x" still ends between tags, "z" no longer inside one
    EXPECT_EQ(states(), fullScan(model));
}

TEST_F(LineStates, PastTheHorizonTheRestIsLeftToIdleSlices) {
    std::string text = "<!--";
    for (int i = 0; i < 40; ++i)
        text += "\r\nline";
    text += "-->";
    model.setText(text);
    cache.scanAll();
    horizon = 3;
    idleRequests = 0;
    cache.resetRescannedLines();
    replace({5, 1}, {5, 1}, "-->"); // every line below changes its end state
    // Lines 1 to 4 (0-based 0 to 3): the horizon is passed once line index 3 is done.
    EXPECT_EQ(cache.scannedLines(), 4);
    EXPECT_EQ(cache.rescannedLines(), 4);
    EXPECT_EQ(idleRequests, 1);
    EXPECT_FALSE(cache.complete());
    while (!cache.scanAhead(10)) {
    }
    EXPECT_EQ(states(), fullScan(model));
}

TEST_F(LineStates, WholeTextChangesAndSwitchesStartAgain) {
    model.setText("<b\r\nc>");
    EXPECT_EQ(cache.scannedLines(), 0);
    EXPECT_EQ(idleRequests, 1);
    EXPECT_EQ(states(), fullScan(model));

    model.putLine(0, "<!--");
    model.addLines({"x", "-->"});
    EXPECT_EQ(states(), fullScan(model));

    html.setEnabled(false);
    cache.invalidate();
    EXPECT_TRUE(cache.complete());
    EXPECT_EQ(cache.endState(0), LineStateCache::kUnknownState);
    replace({1, 1}, {1, 1}, "<p>\r\n"); // followed while off, rescanned once back on
    html.setEnabled(true);
    cache.invalidate();
    EXPECT_EQ(states(), fullScan(model));

    cache.setHighlighter(nullptr);
    EXPECT_EQ(cache.endState(0), LineStateCache::kUnknownState);
    EXPECT_EQ(cache.endState(-1), LineStateCache::kUnknownState);
}

// Random edits of every shape the model notifies (inside a line, line breaks, column blocks, undo
// and redo), with lines left unscanned below some of them.
TEST_F(LineStates, RandomEditsMatchAFullScan) {
    const char* pieces[] = {"<", ">",   "<!--", "-->",    "\"",          "'",        "&", ";",
                            "=", "a b", "\r\n", "<p\r\n", "-->\r\n<!--", "\r\n\r\n", ""};
    for (const unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 rng(seed);
        auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        model.setText("<p a=\"1\">x</p>\r\n<!-- c\r\nd -->\r\n&lt;");
        for (int step = 0; step < 400; ++step) {
            horizon = pick(3) == 0 ? pick(4) : INT_MAX;
            if (pick(4) == 0)
                cache.ensureScanned(pick(model.lineCount()));
            const int action = pick(10);
            if (action == 0) {
                model.undo();
            } else if (action == 1) {
                model.redo();
            } else {
                model.setSelectionMode(action == 2 ? SelectionMode::smColumn
                                                   : SelectionMode::smNormal);
                auto anywhere = [&] {
                    const int line = 1 + pick(model.lineCount());
                    return Position{1 + pick(model.lineLength(line - 1) + 2), line};
                };
                replace(anywhere(), anywhere(), pieces[pick(std::size(pieces))]);
            }
            ASSERT_EQ(states(), fullScan(model)) << "seed " << seed << " step " << step;
        }
    }
}

} // namespace
