#include "editor/document/SplitVector.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

using varlo::SplitVector;

namespace {

using Index = SplitVector<int>::Index;

std::vector<int> contents(const SplitVector<int>& v) {
    std::vector<int> out(static_cast<std::size_t>(v.size()));
    v.copyOut(0, v.size(), out.data());
    return out;
}

std::vector<int> iota(int from, int n) {
    std::vector<int> out(static_cast<std::size_t>(n));
    std::iota(out.begin(), out.end(), from);
    return out;
}

TEST(SplitVector, RandomEditsMatchAPlainVector) {
    std::mt19937 rng(7);
    SplitVector<int> v;
    std::vector<int> ref;
    int next = 0;
    for (int step = 0; step < 10000; ++step) {
        const auto size = static_cast<Index>(ref.size());
        const Index pos = std::uniform_int_distribution<Index>(0, size)(rng);
        switch (rng() % 5) {
        case 0:
        case 1: {
            // Mostly short runs, now and then one that makes the buffer grow.
            const int n = rng() % 50 == 0 ? 1000 : static_cast<int>(rng() % 8);
            const std::vector<int> values = iota(next, n);
            next += n;
            v.insert(pos, values.data(), n);
            ref.insert(ref.begin() + pos, values.begin(), values.end());
            break;
        }
        case 2: {
            const Index n = std::uniform_int_distribution<Index>(0, size - pos)(rng) % 16;
            v.erase(pos, n);
            ref.erase(ref.begin() + pos, ref.begin() + pos + n);
            break;
        }
        case 3: {
            const Index n = rng() % 4;
            v.insertFill(pos, n, -1);
            ref.insert(ref.begin() + pos, static_cast<std::size_t>(n), -1);
            break;
        }
        case 4: {
            const Index n = std::uniform_int_distribution<Index>(0, size - pos)(rng);
            v.rangeAddDelta(pos, n, 5);
            for (Index i = pos; i < pos + n; ++i)
                ref[static_cast<std::size_t>(i)] += 5;
            break;
        }
        }
        ASSERT_EQ(v.size(), static_cast<Index>(ref.size())) << "step " << step;
        if (step % 97 == 0 || ref.size() < 40) {
            ASSERT_EQ(contents(v), ref) << "step " << step;
        }
        if (!ref.empty()) {
            const Index i = std::uniform_int_distribution<Index>(0, v.size() - 1)(rng);
            ASSERT_EQ(v[i], ref[static_cast<std::size_t>(i)]) << "step " << step;
        }
    }
    EXPECT_EQ(contents(v), ref);
}

TEST(SplitVector, ReadsAcrossTheGap) {
    SplitVector<int> v;
    const std::vector<int> all = iota(0, 10);
    v.insert(0, all.data(), 10);
    v.erase(4, 2); // the gap now sits between 3 and 6
    const std::vector<int> expected = {0, 1, 2, 3, 6, 7, 8, 9};
    EXPECT_EQ(contents(v), expected);

    // Runs on one side of the gap are contiguous; a run over it is not, an empty one always is.
    ASSERT_NE(v.contiguous(0, 4), nullptr);
    EXPECT_EQ(v.contiguous(0, 4)[3], 3);
    ASSERT_NE(v.contiguous(4, 4), nullptr);
    EXPECT_EQ(v.contiguous(4, 4)[0], 6);
    EXPECT_EQ(v.contiguous(3, 2), nullptr);
    EXPECT_NE(v.contiguous(4, 0), nullptr);

    std::vector<int> part(3);
    v.copyOut(2, 3, part.data());
    EXPECT_EQ(part, (std::vector<int>{2, 3, 6}));

    v.at(4) = 60;
    v.rangeAddDelta(3, 2, 100);
    EXPECT_EQ(contents(v), (std::vector<int>{0, 1, 2, 103, 160, 7, 8, 9}));
}

TEST(SplitVector, EmptiedBufferTakesNewValuesAndMovesItsContents) {
    SplitVector<int> v;
    const std::vector<int> first = iota(0, 100);
    v.insert(0, first.data(), 100);
    const std::size_t capacity = v.capacityBytes();
    v.clear();
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.capacityBytes(), capacity); // the memory is kept for the next text
    const std::vector<int> second = iota(500, 3);
    v.insert(0, second.data(), 3);
    v.insert(3, second.data(), 0);
    EXPECT_EQ(contents(v), second);

    SplitVector<int> moved(std::move(v));
    EXPECT_EQ(contents(moved), second);
    SplitVector<int> assigned;
    assigned = std::move(moved);
    EXPECT_EQ(contents(assigned), second);
}

} // namespace
