#include "editor/document/LineStore.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using varlo::LineStore;

namespace {

using Index = LineStore::Index;
using namespace std::string_literals;

std::vector<std::string> linesOf(const LineStore& s) {
    std::vector<std::string> out;
    for (Index i = 0; i < s.count(); ++i)
        out.push_back(s.line(i));
    return out;
}

std::vector<std::string> visited(const LineStore& s, Index from, Index to) {
    std::vector<std::string> out;
    s.visit(from, to, [&](std::string_view line) { out.emplace_back(line); });
    return out;
}

// The Text offsets written out: every line, then two characters of line end.
std::vector<std::int64_t> plainLineOffsets(const std::vector<std::string>& lines) {
    std::vector<std::int64_t> out;
    std::int64_t at = 0;
    for (const std::string& l : lines) {
        out.push_back(at);
        at += static_cast<std::int64_t>(l.size()) + 2;
    }
    return out;
}

TEST(LineStore, LinesHoldAnyByteAndReadBackWhereverTheGapIs) {
    LineStore s;
    const std::vector<std::string> lines = {"a\rb", "", "c\nd", "e\0f"s, std::string(5000, 'x')};
    for (const std::string& l : lines)
        s.appendLine(l);
    EXPECT_EQ(linesOf(s), lines);
    EXPECT_EQ(s.byteCount(), 3 + 0 + 3 + 3 + 5000);
    EXPECT_EQ(s.textLength(), s.byteCount() + 2 * 4);

    // An edit inside line 2 leaves the gap there: a visit copies that line, reads the others in
    // place, and both give the same bytes.
    s.insert(2, 1, "ZZ");
    std::vector<std::string> expected = lines;
    expected[2] = "cZZ\nd";
    EXPECT_EQ(linesOf(s), expected);
    EXPECT_EQ(visited(s, 0, s.count()), expected);
    EXPECT_EQ(visited(s, 1, 3), (std::vector<std::string>{"", "cZZ\nd"}));
    s.erase(2, 2, 1);
    expected[2] = "cZ\nd";
    EXPECT_EQ(visited(s, 0, s.count()), expected);
    EXPECT_EQ(s.at(2, 1), 'Z');
    EXPECT_EQ(s.length(4), 5000);
}

TEST(LineStore, PartsAndLinesOutsideTheStoreAreClampedOrEmpty) {
    LineStore s;
    s.appendLine("hello");
    s.appendLine("w");
    struct Row {
        Index line, col, n;
        std::string expected;
    } rows[] = {
        {0, 1, 3, "ell"}, {0, 3, 10, "lo"}, {0, -2, 2, "he"}, {0, 5, 1, ""},
        {0, 9, 1, ""},    {1, 0, -1, ""},   {2, 0, 1, ""},    {-1, 0, 1, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(s.part(r.line, r.col, r.n), r.expected) << r.line << ", " << r.col << ", " << r.n;
    EXPECT_EQ(s.line(-1), "");
    EXPECT_EQ(s.line(2), "");
}

TEST(LineStore, TextOffsetsOfLinesAndTheLineOfEveryOffset) {
    LineStore empty;
    EXPECT_EQ(empty.textLength(), 0);
    EXPECT_EQ(empty.lineOfTextOffset(0), 0);

    LineStore s;
    const std::vector<std::string> lines = {"ab", "", "", "cde", "f"};
    for (const std::string& l : lines)
        s.appendLine(l);
    const std::vector<std::int64_t> starts = plainLineOffsets(lines);
    for (Index i = 0; i < s.count(); ++i)
        EXPECT_EQ(s.textOffsetOfLine(i), starts[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(s.textOffsetOfLine(s.count()), s.textLength() + 2);
    // Every offset, the two of each line end included, belongs to the last line starting at or
    // before it; offsets past the end belong to the last line.
    for (std::int64_t v = 0; v <= s.textLength() + 3; ++v) {
        Index expected = 0;
        for (Index i = 0; i < s.count(); ++i)
            if (starts[static_cast<std::size_t>(i)] <= v)
                expected = i;
        EXPECT_EQ(s.lineOfTextOffset(v), expected) << "offset " << v;
    }
}

TEST(LineStore, RandomEditsMatchAListOfStrings) {
    std::mt19937 rng(3);
    LineStore s;
    std::vector<std::string> ref;
    auto randomBytes = [&] {
        std::string out(rng() % 6, '\0');
        for (char& c : out)
            c = "ab\r\n\0\xff"[rng() % 6];
        return out;
    };
    for (int step = 0; step < 5000; ++step) {
        const auto count = static_cast<Index>(ref.size());
        const Index line = count == 0 ? 0 : static_cast<Index>(rng() % ref.size());
        const unsigned op = count == 0 ? 0 : rng() % 6;
        const std::string bytes = randomBytes();
        switch (op) {
        case 0:
            s.appendLine(bytes);
            ref.push_back(bytes);
            break;
        case 1: {
            const Index at = static_cast<Index>(rng() % (ref[line].size() + 1));
            s.insert(line, at, bytes);
            ref[line].insert(static_cast<std::size_t>(at), bytes);
            break;
        }
        case 2: {
            const Index at = static_cast<Index>(rng() % (ref[line].size() + 1));
            const Index n = static_cast<Index>(rng() % (ref[line].size() - at + 1));
            s.erase(line, at, n);
            ref[line].erase(static_cast<std::size_t>(at), static_cast<std::size_t>(n));
            break;
        }
        case 3:
            s.replaceLine(line, bytes);
            ref[line] = bytes;
            break;
        case 4: {
            const Index at = static_cast<Index>(rng() % (ref.size() + 1));
            s.insertLine(at, bytes);
            ref.insert(ref.begin() + at, bytes);
            break;
        }
        case 5: {
            const Index n = std::min<Index>(1 + rng() % 3, count - line);
            s.removeLines(line, n);
            ref.erase(ref.begin() + line, ref.begin() + line + n);
            break;
        }
        }
        ASSERT_EQ(linesOf(s), ref) << "step " << step;
        ASSERT_EQ(visited(s, 0, s.count()), ref) << "step " << step;
        if (!ref.empty()) {
            const Index i = static_cast<Index>(rng() % ref.size());
            ASSERT_EQ(s.lineOfTextOffset(s.textOffsetOfLine(i)), i) << "step " << step;
        }
    }
    s.clear();
    EXPECT_EQ(s.count(), 0);
    EXPECT_EQ(s.byteCount(), 0);
}

} // namespace
