#include "editing/FindReplace.h"
#include "EditorFixture.h"
#include "editor/base/Cp1251.h"
#include "tests/support/NaiveFindReplace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace varlo;
using FindReplace::Outcome;
using FindReplace::Query;

namespace {

struct Sel {
    std::int64_t start, length;
    friend bool operator==(const Sel&, const Sel&) = default;
};
Sel sel(EditorFixture& e) {
    return {e->selectionStart(), e->selectionLength()};
}
std::ostream& operator<<(std::ostream& os, const Sel& s) {
    return os << "(" << s.start << ", " << s.length << ")";
}

TEST(FindStep, DownFindsEachOccurrenceThenFailsWithTheCaretAtTheEnd) {
    EditorFixture e("abab");
    const Query q{"ab"};
    ASSERT_TRUE(FindReplace::findStep(*e, q, true));
    EXPECT_EQ(sel(e), (Sel{0, 2}));
    ASSERT_TRUE(FindReplace::findStep(*e, q, true));
    EXPECT_EQ(sel(e), (Sel{2, 2}));
    EXPECT_FALSE(FindReplace::findStep(*e, q, true));
    EXPECT_EQ(sel(e), (Sel{4, 0}));
}

TEST(FindStep, UpFindsTheOccurrenceBeforeTheSelectionAndAFailureKeepsIt) {
    EditorFixture e("abab", 4);
    const Query q{"ab"};
    ASSERT_TRUE(FindReplace::findStep(*e, q, false));
    EXPECT_EQ(sel(e), (Sel{2, 2}));
    ASSERT_TRUE(FindReplace::findStep(*e, q, false));
    EXPECT_EQ(sel(e), (Sel{0, 2}));
    EXPECT_FALSE(FindReplace::findStep(*e, q, false));
    EXPECT_EQ(sel(e), (Sel{0, 2}));
}

TEST(FindStep, MatchCaseWithCyrillicInBothDirections) {
    const std::string text(("x ТЕКСТ Текст текст"_w));
    const std::string needle(("текст"_w));
    struct Case {
        bool matchCase, down;
        std::vector<std::int64_t> hits;
    };
    const Case cases[] = {
        {false, true, {2, 8, 14}},
        {false, false, {14, 8, 2}},
        {true, true, {14}},
        {true, false, {14}},
    };
    for (const Case& c : cases) {
        EditorFixture e(text, c.down ? 0 : static_cast<std::int64_t>(text.size()));
        std::vector<std::int64_t> hits;
        while (FindReplace::findStep(*e, Query{needle, {}, c.matchCase}, c.down))
            hits.push_back(e->selectionStart());
        EXPECT_EQ(hits, c.hits) << c.matchCase << c.down;
    }
}

TEST(FindStep, HitsAcrossLineBreaksUseTextOffsets) {
    EditorFixture e("ab\r\ncd");
    ASSERT_TRUE(FindReplace::findStep(*e, Query{"cd", {}}, true));
    EXPECT_EQ(sel(e), (Sel{4, 2}));
    EXPECT_EQ(e->selectedText(), "cd");

    // A search text preset from a selection over a line break matches it.
    EditorFixture f("ab\r\ncd");
    ASSERT_TRUE(FindReplace::findStep(*f, Query{"b\r\nc", {}}, true));
    EXPECT_EQ(sel(f), (Sel{1, 4}));
    EXPECT_EQ(f->selectedText(), "b\r\nc");
}

TEST(FindStep, AnEmptySearchTextIsNeverFound) {
    EditorFixture e("abc", 1);
    EXPECT_FALSE(FindReplace::findStep(*e, Query{"", {}}, true));
    EXPECT_FALSE(FindReplace::findStep(*e, Query{"", {}}, false));
    EXPECT_EQ(FindReplace::replaceStep(*e, Query{"", "x", false}, true), Outcome::ReplacedAll);
    EXPECT_EQ(e->text(), "abc");
}

TEST(ReplaceSearchStep, FindNextStartsAfterTheSelection) {
    EditorFixture e("abab", 0, 2);
    EXPECT_EQ(FindReplace::replaceSearchStep(*e, Query{"ab", "x", false}, false), Outcome::Found);
    EXPECT_EQ(sel(e), (Sel{2, 2}));
    EXPECT_EQ(FindReplace::replaceSearchStep(*e, Query{"ab", "x", false}, false),
              Outcome::NotFound);
    EXPECT_EQ(sel(e), (Sel{2, 2}));
}

TEST(ReplaceStep, ReplaceAllCases) {
    struct Case {
        const char* label;
        std::string text;
        Sel selection;
        std::string find, replace;
        std::string expected;
        int changes;
    };
    const Case cases[] = {
        {"allOfThem", "aaa", {0, 0}, "a", "b", "bbb", 3},
        {"doublingIsOnePass", "abca", {0, 0}, "a", "aa", "aabcaa", 2},
        {"beforeTheCaretUntouched", "a-a-a", {2, 0}, "a", "b", "a-b-b", 2},
        {"selectionNotAnOccurrence", "xyz a", {0, 2}, "a", "b", "bz b", 2},
        {"emptyReplacementDeletes", "a\r\nba", {0, 0}, "a", "", "\r\nb", 2},
        {"acrossLines", "ab\r\nab", {0, 0}, "b\r\na", "-", "a-b", 1},
        {"caseInsensitiveCyrillic",
         std::string(("Я я"_w)),
         {0, 0},
         std::string(("я"_w)),
         "z",
         "z z",
         2},
        {"none", "xyz", {0, 0}, "a", "b", "xyz", 0},
    };
    for (const Case& c : cases) {
        EditorFixture e(c.text, c.selection.start, c.selection.length);
        EXPECT_EQ(FindReplace::replaceStep(*e, Query{c.find, c.replace, false}, true),
                  Outcome::ReplacedAll)
            << c.label;
        EXPECT_EQ(e->text(), c.expected) << c.label;
        EXPECT_EQ(e.changes, c.changes) << c.label;
        EXPECT_EQ(e->selectionLength(), 0) << c.label;
    }
}

TEST(ReplaceStep, TheReplaceButtonReplacesOnlyTheSelection) {
    EditorFixture e("a a", 0, 1);
    EXPECT_EQ(FindReplace::replaceStep(*e, Query{"a", "b", false}, false), std::nullopt);
    EXPECT_EQ(e->text(), "b a");
    EXPECT_EQ(sel(e), (Sel{1, 0}));

    EditorFixture none("a a", 0);
    EXPECT_EQ(FindReplace::replaceStep(*none, Query{"a", "b", false}, false), std::nullopt);
    EXPECT_EQ(none->text(), "a a");
    EXPECT_EQ(none.changes, 0);
}

TEST(FindReplaceMessages, TextsAsShown) {
    EXPECT_EQ(FindReplace::findNotFoundMessage("abc"), "Текст \"abc\" не найден."_w);
    EXPECT_EQ(FindReplace::replaceNotFoundMessage("abc"), "Текст \"abc\" не найден"_w);
    EXPECT_EQ(FindReplace::replacedAllMessage("abc", "xyz"),
              "Замена \"abc\" на \"xyz\" закончена"_w);
}

// The text is read in windows that grow from the search's start; a hit is found wherever it
// falls relative to their edges, also when the needle holds a line break.
TEST(FindReplaceEngine, FindsHitsAtEveryDistanceFromTheStart) {
    for (const std::string_view needle : {std::string_view("ab"), std::string_view("a\r\nb")}) {
        for (std::int64_t p = 0; p < 1100; ++p) {
            std::string text;
            for (int i = 0; text.size() < 1200; ++i)
                text += i % 9 == 8 ? "\r\n" : "x";
            text.insert(static_cast<std::size_t>(p), needle);
            EditorFixture e(text);
            const std::string t = e->text();
            const auto expected = static_cast<std::int64_t>(t.find(needle));
            ASSERT_EQ(FindReplace::searchDown(*e, needle, 0, true), expected) << p;
            ASSERT_EQ(FindReplace::searchUp(*e, needle, e->textLength(), true), expected) << p;
            ASSERT_EQ(FindReplace::searchDown(*e, needle, expected + 1, true), std::nullopt);
        }
    }
}

// The fast engine against the steps read literally, on many small random documents: the same
// outcome, text, caret, selection, OnChange count and undo history.
TEST(FindReplaceEngine, AgreesWithTheNaiveStepsOnRandomTexts) {
    std::mt19937 rng(20261210);
    const std::vector<std::string> pieces = {
        "a", "b", "A", std::string(("я"_w)), std::string(("Я"_w)), "\r\n", " ", "ab"};
    // Sparse documents (mostly "x") are long enough for hits to straddle the reading windows.
    auto randomText = [&](int maxPieces, bool sparse = false) {
        std::string s;
        const int n = static_cast<int>(rng() % static_cast<unsigned>(maxPieces + 1));
        for (int i = 0; i < n; ++i)
            s += sparse && rng() % 16 != 0 ? std::string("x") : pieces[rng() % pieces.size()];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const bool sparse = round % 20 == 0;
        const std::string text = randomText(sparse ? 3000 : 14, sparse);
        std::string find = randomText(3);
        if (find.empty())
            find = "a";
        const std::string replace = randomText(2);
        const bool matchCase = rng() % 2;
        const int op = static_cast<int>(rng() % 5);
        const auto length = static_cast<std::int64_t>(text.size());
        const std::int64_t start = length ? rng() % (length + 1) : 0;
        const std::int64_t selLength = rng() % 3 == 0 ? rng() % (length - start + 1) : 0;

        EditorFixture fast(text, start, selLength);
        EditorFixture naive(text, start, selLength);
        const std::string initial = fast->text();
        const Query q{find, replace, matchCase};
        for (int step = 0; step < (sparse ? 8 : 3); ++step) {
            switch (op) {
            case 0:
            case 1:
                ASSERT_EQ(FindReplace::findStep(*fast, q, op == 0),
                          NaiveFindReplace::findStep(*naive, q, op == 0));
                break;
            case 2:
                ASSERT_EQ(FindReplace::replaceSearchStep(*fast, q, false),
                          NaiveFindReplace::replaceSearchStep(*naive, q, false));
                break;
            default:
                ASSERT_EQ(FindReplace::replaceStep(*fast, q, op == 4),
                          NaiveFindReplace::replaceStep(*naive, q, op == 4));
            }
            const std::string where =
                "round " + std::to_string(round) + " step " + std::to_string(step);
            ASSERT_EQ(fast->text(), naive->text()) << where;
            ASSERT_EQ(sel(fast), sel(naive)) << where;
            ASSERT_EQ(fast->caret(), naive->caret()) << where;
            ASSERT_EQ(fast.changes, naive.changes) << where;
            ASSERT_EQ(fast->undoList().size(), naive->undoList().size()) << where;
        }
        while (fast->canUndo()) {
            fast->undo();
            naive->undo();
            ASSERT_EQ(fast->text(), naive->text()) << round;
            ASSERT_EQ(sel(fast), sel(naive)) << round;
        }
        ASSERT_FALSE(naive->canUndo());
        ASSERT_EQ(fast->text(), initial);
    }
}

} // namespace
