#include "editor/document/LineStarts.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using varlo::LineStarts;

namespace {

using Index = LineStarts::Index;

// The starts written out: boundary i is where line i starts, the last one is the byte count.
struct PlainStarts {
    std::vector<std::int64_t> b{0};

    Index lineCount() const { return static_cast<Index>(b.size()) - 1; }
    std::int64_t length(Index line) const { return at(line + 1) - at(line); }
    std::int64_t at(Index i) const { return b[static_cast<std::size_t>(i)]; }
    void shift(Index line, std::int64_t delta) {
        for (Index i = line + 1; i <= lineCount(); ++i)
            b[static_cast<std::size_t>(i)] += delta;
    }
    void insertLine(Index line) { b.insert(b.begin() + line + 1, at(line)); }
    void removeLines(Index line, Index count) {
        const std::int64_t removed = at(line + count) - at(line);
        b.erase(b.begin() + line + 1, b.begin() + line + count + 1);
        shift(line, -removed);
    }
    void appendLine(std::int64_t length) { b.push_back(b.back() + length); }
};

void expectSame(const LineStarts& s, const PlainStarts& ref, const char* what) {
    ASSERT_EQ(s.lineCount(), ref.lineCount()) << what;
    for (Index i = 0; i <= ref.lineCount(); ++i)
        ASSERT_EQ(s.start(i), ref.at(i)) << what << ", boundary " << i;
}

// Applies the same operation to both.
struct Pair {
    LineStarts s;
    PlainStarts ref;
    void shift(Index line, std::int64_t delta) {
        s.shift(line, delta);
        ref.shift(line, delta);
    }
    void insertLine(Index line) {
        s.insertLine(line);
        ref.insertLine(line);
    }
    void removeLines(Index line, Index count) {
        s.removeLines(line, count);
        ref.removeLines(line, count);
    }
    void appendLine(std::int64_t length) {
        s.appendLine(length);
        ref.appendLine(length);
    }
};

TEST(LineStarts, StepMovesForwardBackAndIsAppliedWhenAnEditJumpsFarBack) {
    // 100 lines of 10 bytes. The step sits after line 50; each row edits another line and every
    // start must still be right, whichever way the step had to move.
    struct Row {
        const char* what;
        Index line;
        std::int64_t delta;
    };
    const Row rows[] = {
        {"the step starts at the edited line", 50, 3},
        {"an edit at the step's line grows it", 50, 2},
        {"an edit after it moves it forward", 60, -1},
        {"an edit a little before it moves it back", 55, 4},
        {"an edit far before it applies it everywhere", 5, 1},
        {"an edit at the last line", 99, 7},
        {"an edit at the first line", 0, -2},
        {"a step that returns to zero", 0, 2},
    };
    Pair p;
    for (int i = 0; i < 100; ++i)
        p.appendLine(10);
    for (const Row& r : rows) {
        p.shift(r.line, r.delta);
        expectSame(p.s, p.ref, r.what);
    }
}

TEST(LineStarts, LinesInsertedAndRemovedAroundTheStep) {
    struct Row {
        const char* what;
        Index stepLine;    // an edit here puts the step after this line
        Index line, count; // then lines are removed (count > 0) or one is inserted
    };
    const Row rows[] = {
        {"insert before the step", 30, 10, 0}, {"insert at the step", 30, 30, 0},
        {"insert after the step", 30, 31, 0},  {"insert after the last line", 30, 40, 0},
        {"remove before the step", 30, 5, 3},  {"remove across the step", 30, 28, 5},
        {"remove after the step", 30, 32, 2},  {"remove up to the end", 30, 20, 20},
        {"remove every line", 30, 0, 40},
    };
    for (const Row& r : rows) {
        Pair p;
        for (int i = 0; i < 40; ++i)
            p.appendLine(i % 7);
        p.shift(r.stepLine, 5);
        if (r.count > 0)
            p.removeLines(r.line, r.count);
        else
            p.insertLine(r.line);
        expectSame(p.s, p.ref, r.what);
        // The next edit and an append still land right.
        p.shift(p.ref.lineCount() / 2, 1);
        p.appendLine(3);
        expectSame(p.s, p.ref, r.what);
    }
}

TEST(LineStarts, RandomEditsMatchThePlainStarts) {
    std::mt19937 rng(11);
    Pair p;
    Index typing = 0; // edits cluster around a caret that sometimes jumps
    for (int step = 0; step < 20000; ++step) {
        const Index lines = p.ref.lineCount();
        if (rng() % 10 == 0)
            typing = lines == 0 ? 0 : static_cast<Index>(rng() % static_cast<unsigned>(lines));
        typing = std::clamp<Index>(typing + static_cast<Index>(rng() % 5) - 2, 0,
                                   std::max<Index>(lines - 1, 0));
        const unsigned op = rng() % 10;
        if (lines == 0 || op == 0) {
            p.appendLine(rng() % 20);
        } else if (op <= 5) {
            // Bytes added to the line, or some of its own taken away.
            const auto len = p.ref.length(typing);
            const std::int64_t delta = rng() % 2 ? static_cast<std::int64_t>(rng() % 6)
                                                 : -static_cast<std::int64_t>(rng() % (len + 1));
            p.shift(typing, delta);
        } else if (op <= 7 || op == 9) {
            p.insertLine(static_cast<Index>(rng() % static_cast<unsigned>(lines + 1)));
        } else {
            const Index count = std::min<Index>(1 + rng() % 2, lines - typing);
            p.removeLines(typing, count);
        }
        if (step % 50 == 0 || p.ref.lineCount() < 20)
            expectSame(p.s, p.ref, "random edits");
        if (::testing::Test::HasFatalFailure())
            FAIL() << "step " << step;
    }
    p.s.clear();
    p.ref = PlainStarts{};
    expectSame(p.s, p.ref, "cleared");
}

} // namespace
