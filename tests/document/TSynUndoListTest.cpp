#include "editor/document/TSynUndoList.h"

#include <gtest/gtest.h>

#include <vector>

using namespace varlo;

namespace {

void add(TSynUndoList& list, UndoKind kind = UndoKind::Insert) {
    list.addChange(kind, {1, 1}, {1, 2}, "x", SelectionMode::smNormal);
}

TEST(TSynUndoList, OldestRecordsGoPastTheLimitAndTheListRemembersIt) {
    TSynUndoList list;
    for (int i = 0; i < TSynUndoList::kMaxUndo; ++i)
        add(list);
    EXPECT_EQ(list.size(), TSynUndoList::kMaxUndo);
    EXPECT_FALSE(list.dropped());
    const std::int32_t second = list.items()[1].changeNumber;

    add(list);
    EXPECT_EQ(list.size(), TSynUndoList::kMaxUndo);
    EXPECT_TRUE(list.dropped());
    EXPECT_EQ(list.items().front().changeNumber, second);

    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_FALSE(list.dropped());
}

TEST(TSynUndoList, GroupBreaksAreNotDoubledAndAreNotAnnounced) {
    TSynUndoList list;
    int announced = 0;
    list.onAdded = [&](TSynUndoList&) { ++announced; };
    list.addGroupBreak();
    list.addGroupBreak();
    EXPECT_EQ(list.size(), 1);
    add(list);
    list.addGroupBreak();
    list.addGroupBreak();
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(list.lastKind(), UndoKind::GroupBreak);
    EXPECT_EQ(announced, 1);

    // A locked list takes nothing, however often it was locked, and unlocking more often than
    // locking does not leave it unlocked in advance.
    list.lock();
    list.lock();
    list.unlock();
    add(list);
    EXPECT_EQ(list.size(), 3);
    list.unlock();
    list.unlock();
    list.lock();
    EXPECT_TRUE(list.locked());
}

TEST(TSynUndoList, AnOuterBlockIsAnnouncedOnceWhenItClosesOnItsOwnRecord) {
    TSynUndoList list;
    std::vector<int> sizes; // the list's size at each announcement
    list.onAdded = [&](TSynUndoList& l) { sizes.push_back(l.size()); };
    list.beginBlock();
    add(list);
    list.beginBlock();
    add(list);
    list.endBlock();
    EXPECT_EQ(list.blockCount(), 1);
    add(list, UndoKind::Delete);
    list.endBlock();
    EXPECT_EQ(list.blockCount(), 0);
    EXPECT_EQ(list.blockChangeNumber(), 0);
    // Each push is announced, and the closing block once more.
    EXPECT_EQ(sizes, (std::vector<int>{1, 2, 3, 3}));
    for (const TSynUndoItem& item : list.items())
        EXPECT_EQ(item.changeNumber, list.items().front().changeNumber);

    // An empty block announces nothing; a block over records of another number neither.
    sizes.clear();
    list.beginBlock();
    list.endBlock();
    list.endBlock(); // one close too many changes nothing
    EXPECT_TRUE(sizes.empty());
    EXPECT_EQ(list.blockCount(), 0);
}

TEST(TSynUndoList, InitialStateFollowsTheTopRecord) {
    TSynUndoList list;
    EXPECT_TRUE(list.initialState());

    add(list);
    EXPECT_FALSE(list.initialState());
    list.setInitialState(true); // saved here
    EXPECT_TRUE(list.initialState());
    add(list);
    EXPECT_FALSE(list.initialState());
    TSynUndoItem undone = list.pop();
    EXPECT_TRUE(list.initialState()); // back where it was saved
    list.push(undone);

    // Marking it changed while it is in the saved state makes no record match any more.
    list.pop();
    list.setInitialState(false);
    EXPECT_FALSE(list.initialState());
    list.pop();
    EXPECT_FALSE(list.initialState());

    // An emptied list is the saved state only while nothing fell off its bottom.
    TSynUndoList full;
    for (int i = 0; i <= TSynUndoList::kMaxUndo; ++i)
        add(full);
    while (!full.empty())
        full.pop();
    EXPECT_FALSE(full.initialState());
    full.setInitialState(true);
    EXPECT_TRUE(full.initialState());
    EXPECT_FALSE(full.dropped());
}

} // namespace
