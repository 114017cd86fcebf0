#include "editor/document/EditorModel.h"

#include <gtest/gtest.h>

using namespace varlo;

namespace {

struct Counting {
    EditorModel m;
    int changes = 0;
    Counting() {
        m.onChange = [this] { ++changes; };
    }
};

std::vector<std::string> linesOf(const EditorModel& m) {
    std::vector<std::string> out;
    for (int i = 0; i < m.lineCount(); ++i)
        out.push_back(m.line(i));
    return out;
}

void type(EditorModel& m, std::string_view chars) {
    for (char c : chars)
        m.setSelectedText(std::string(1, c));
}

} // namespace

TEST(EditorModel, NewEditorIsEmpty) {
    EditorModel m;
    EXPECT_EQ(m.lineCount(), 0);
    EXPECT_EQ(m.text(), "");
    EXPECT_EQ(m.selectionStart(), 0);
    EXPECT_EQ(m.selectionLength(), 0);
    EXPECT_EQ(m.selectedText(), "");
    EXPECT_FALSE(m.isModified());
    EXPECT_EQ(m.line(-1), "");
    EXPECT_EQ(m.line(5), "");
    EXPECT_EQ(m.caretLineText(), "");
    m.selectAll();
    EXPECT_EQ(m.selectionLength(), 0);
}

TEST(EditorModel, TextJoinsLinesWithCrLf) {
    EditorModel m;
    m.setText("ab\r\nc");
    EXPECT_EQ(m.text(), "ab\r\nc");
    EXPECT_EQ(m.textLength(), 5);
    m.setCaret({1, 2});
    EXPECT_EQ(m.selectionStart(), 4);
}

struct SplitCase {
    const char* text;
    std::vector<std::string> lines;
};

TEST(EditorModel, SetTextSplitsAtEveryKindOfLineEnd) {
    const SplitCase cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        EditorModel m;
        m.setText(c.text);
        EXPECT_EQ(linesOf(m), c.lines) << c.text;
    }
    EditorModel m;
    const std::string withNul("x\0y\x1Az", 5);
    m.setText(withNul);
    EXPECT_EQ(m.text(), withNul);
}

struct OffsetCase {
    std::int64_t offset;
    Position caret;
    std::int64_t readBack;
};

TEST(EditorModel, SelectionStartMovesTheCaretByOffset) {
    const OffsetCase cases[] = {
        {0, {1, 1}, 0},   {2, {3, 1}, 2},  {3, {4, 1}, 3}, // the second character of a line break
        {4, {1, 2}, 4},   {5, {2, 2}, 5},  {6, {3, 2}, 6}, // past the end of the last line
        {100, {1, 2}, 4}, {-3, {1, 1}, 0},
    };
    for (const auto& c : cases) {
        EditorModel m;
        m.setText("ab\r\nc");
        m.setSelectionStart(c.offset);
        EXPECT_EQ(m.caret(), c.caret) << c.offset;
        EXPECT_EQ(m.selectionStart(), c.readBack) << c.offset;
        EXPECT_EQ(m.selectionLength(), 0);
    }
}

TEST(EditorModel, InsertingPastTheLineEndPadsWithSpaces) {
    EditorModel m;
    m.setText("ab\r\nc");
    m.setSelectionStart(3);
    m.setSelectedText("x");
    EXPECT_EQ(m.line(0), "ab x");
}

TEST(EditorModel, SnippetWithLoneCrIntoEmptyEditor) {
    Counting c;
    c.m.setSelectedText("<b>\r</b>");
    EXPECT_EQ(linesOf(c.m), (std::vector<std::string>{"<b>", "</b>"}));
    EXPECT_EQ(c.m.caret(), (Position{5, 2}));
    EXPECT_EQ(c.m.selectionStart(), 9);
    EXPECT_EQ(c.changes, 1);
    EXPECT_TRUE(c.m.isModified());
}

TEST(EditorModel, ReplacingASelectionUndoesAndRedoesAsOneStep) {
    Counting c;
    c.m.setText("hello world");
    c.m.setSelectionStart(6);
    c.m.setSelectionLength(5);
    EXPECT_EQ(c.m.selectedText(), "world");
    c.m.setSelectedText("there\r\nfriend");
    EXPECT_EQ(c.m.text(), "hello there\r\nfriend");
    EXPECT_EQ(c.changes, 1);
    c.m.undo();
    EXPECT_EQ(c.m.text(), "hello world");
    EXPECT_EQ(c.m.selectedText(), "world");
    EXPECT_EQ(c.changes, 3); // one per record moved
    c.m.redo();
    EXPECT_EQ(c.m.text(), "hello there\r\nfriend");
    EXPECT_EQ(c.m.caret(), (Position{7, 2}));
}

TEST(EditorModel, ClearAllThenOwnerSetsModified) {
    Counting c;
    c.m.setText("abc");
    type(c.m, "x");
    c.changes = 0;
    c.m.clearAll();
    c.m.setModified(true);
    EXPECT_EQ(c.m.lineCount(), 0);
    EXPECT_TRUE(c.m.isModified());
    EXPECT_EQ(c.changes, 0);
    c.m.undo();
    EXPECT_TRUE(c.m.isModified());
}

TEST(EditorModel, LinesAddIsNotRecorded) {
    Counting c;
    c.m.addLine("one");
    c.m.addLine("two");
    c.m.addLine("three");
    EXPECT_EQ(c.m.lineCount(), 3);
    EXPECT_FALSE(c.m.isModified());
    EXPECT_EQ(c.changes, 0);
    EXPECT_TRUE(c.m.undoList().empty());
}

TEST(EditorModel, SelectAll) {
    EditorModel m;
    m.setText("ab\r\nc");
    m.selectAll();
    EXPECT_EQ(m.selectionLength(), 5);
    EXPECT_EQ(m.caret(), (Position{2, 2}));
    EXPECT_EQ(m.selectedText(), "ab\r\nc");
}

TEST(EditorModel, ClipboardCopyCutPaste) {
    EditorModel m;
    MemoryClipboard clip;
    m.setClipboard(&clip);
    m.setText("abc");
    m.copy(); // nothing selected: the clipboard stays as it was
    EXPECT_FALSE(clip.content.has_value());
    m.setSelectionStart(1);
    m.setSelectionLength(1);
    m.cut();
    EXPECT_EQ(m.text(), "ac");
    ASSERT_TRUE(clip.content);
    EXPECT_EQ(clip.content->text, "b");
    m.setSelectionStart(2);
    m.paste();
    EXPECT_EQ(m.text(), "acb");
    m.undo();
    EXPECT_EQ(m.text(), "ac");
    m.undo();
    EXPECT_EQ(m.text(), "abc");
    EXPECT_FALSE(m.isModified());
}

TEST(EditorModel, ClipboardFailuresLeaveTheTextAlone) {
    EditorModel m;
    MemoryClipboard clip;
    m.setClipboard(&clip);
    m.setText("abc");
    m.selectAll();
    clip.failCopy = true;
    try {
        m.cut();
        FAIL() << "cut must fail";
    } catch (const ClipboardError& e) {
        EXPECT_STREQ(e.what(), "Clipboard copy operation failed");
    }
    EXPECT_EQ(m.text(), "abc");
    EXPECT_FALSE(m.isModified());
    clip.failPaste = true;
    EXPECT_THROW(m.paste(), ClipboardError);
    EXPECT_EQ(m.text(), "abc");
}

TEST(EditorModel, ColumnBlockPastesBackAsAColumn) {
    EditorModel m;
    MemoryClipboard clip;
    m.setClipboard(&clip);
    m.setText("abcd\r\nefgh\r\nijkl");
    m.setSelectionMode(SelectionMode::smColumn);
    m.setCaretAndSelection({3, 2}, {2, 1}, {3, 2});
    EXPECT_EQ(m.selectedText(), "b\r\nf");
    m.copy();
    m.setSelectionMode(SelectionMode::smNormal);
    m.setCaretAndSelection({1, 2}, {1, 2}, {1, 2});
    m.paste();
    EXPECT_EQ(m.text(), "abcd\r\nbefgh\r\nfijkl");
    m.undo();
    EXPECT_EQ(m.text(), "abcd\r\nefgh\r\nijkl");
}

TEST(EditorModel, LineModeSelection) {
    EditorModel m;
    m.setText("one\r\ntwo\r\nthree");
    m.setSelectionMode(SelectionMode::smLine);
    m.setCaretAndSelection({2, 2}, {2, 2}, {1, 3});
    EXPECT_EQ(m.selectedText(), "two\r\nthree");
    m.setCaretAndSelection({2, 1}, {2, 1}, {1, 2});
    EXPECT_EQ(m.selectedText(), "one\r\ntwo\r\n");
    m.setSelectedText("");
    EXPECT_EQ(m.text(), "three");
    m.undo();
    EXPECT_EQ(m.text(), "one\r\ntwo\r\nthree");
    m.selectAll();
    m.setSelectedText("");
    EXPECT_EQ(m.lineCount(), 1); // the last remaining line is emptied, not removed
    EXPECT_EQ(m.text(), "");
}

TEST(EditorModel, TabWidthIsClamped) {
    EditorModel m;
    m.setTabWidth(0);
    EXPECT_EQ(m.tabWidth(), 1);
    m.setTabWidth(1000);
    EXPECT_EQ(m.tabWidth(), 256);
}

TEST(EditorModel, CaretColumnLimit) {
    EditorModel m;
    m.setText("ab");
    m.setCaret({5000, 7});
    EXPECT_EQ(m.caret(), (Position{1025, 1}));
    // A line longer than the scroll width can still be walked to its end.
    m.setText(std::string(3000, 'x'));
    m.setSelectionStart(2500);
    EXPECT_EQ(m.caret(), (Position{2501, 1}));
    m.setSelectedText("|");
    EXPECT_EQ(m.line(0).find('|'), 2500u);
}

TEST(EditorModel, HugeLinesNulAndEofCharacters) {
    EditorModel m;
    std::string big(10 * 1024 * 1024, 'a');
    big[5] = '\0';
    big[6] = '\x1A';
    m.addLine(big);
    m.addLine("tail");
    EXPECT_EQ(m.lineLength(0), static_cast<int>(big.size()));
    m.setSelectionStart(static_cast<std::int64_t>(big.size()) + 2);
    EXPECT_EQ(m.caret(), (Position{1, 2}));
    m.setSelectedText("x");
    EXPECT_EQ(m.line(1), "xtail");
    EXPECT_EQ(m.line(0), big);
}

TEST(EditorModel, BookmarksFollowTheirLines) {
    EditorModel m;
    m.setText("a\r\nb\r\nc");
    m.setBookmark(1, Position{1, 3});
    m.setCaret({1, 1});
    m.setSelectedText("x\r\ny\r\n");
    EXPECT_EQ(m.bookmark(1)->line, 5);
    m.clearAll();
    EXPECT_FALSE(m.bookmark(1).has_value());
}

// ---- Undo and the modified flag

TEST(EditorUndo, TypedCharactersUndoTogetherUntilACaretMove) {
    EditorModel m;
    type(m, "abc");
    m.undo();
    EXPECT_EQ(m.text(), "");
    type(m, "abc");
    m.groupBreak(); // a caret move by keyboard
    m.setCaret({3, 1});
    type(m, "x");
    EXPECT_EQ(m.text(), "abxc");
    m.undo();
    EXPECT_EQ(m.text(), "abc");
    m.undo();
    EXPECT_EQ(m.text(), "");
}

TEST(EditorUndo, TwoProgramInsertionsUndoTogether) {
    EditorModel m;
    m.setSelectedText("<b></b>");
    m.setSelectedText("<i></i>");
    m.undo();
    EXPECT_EQ(m.text(), "");
}

TEST(EditorUndo, SaveTypeUndoRedo) {
    Counting c;
    c.m.setText("page");
    c.m.setSelectionStart(4);
    type(c.m, "x");
    c.m.setModified(false); // saved
    type(c.m, "y");
    EXPECT_TRUE(c.m.isModified());
    c.changes = 0;
    c.m.undo();
    EXPECT_EQ(c.m.text(), "pagex");
    EXPECT_FALSE(c.m.isModified());
    EXPECT_GT(c.changes, 0);
    c.m.redo();
    EXPECT_TRUE(c.m.isModified());
    c.m.undo();
    c.m.undo(); // past the save point
    EXPECT_EQ(c.m.text(), "page");
    EXPECT_TRUE(c.m.isModified());
    c.m.redo();
    EXPECT_EQ(c.m.text(), "pagex");
    EXPECT_FALSE(c.m.isModified());
}

TEST(EditorUndo, OneCharacterThenUndoEmptiesTheList) {
    EditorModel m;
    type(m, "q");
    m.undo();
    EXPECT_TRUE(m.undoList().empty());
    EXPECT_FALSE(m.isModified());
}

TEST(EditorUndo, OnlyTheLast1024RecordsSurvive) {
    EditorModel m;
    type(m, std::string(1025, 'a'));
    EXPECT_EQ(m.undoList().size(), 1024);
    m.undo(); // all typed characters form one group
    EXPECT_FALSE(m.canUndo());
    EXPECT_EQ(m.text(), "a");
    // The saved state can no longer be reached, so the text still counts as modified.
    EXPECT_TRUE(m.isModified());
}

TEST(EditorUndo, ChangeNumbersWrapThroughTheNegativesAndSkipZero) {
    TSynUndoList list;
    std::vector<std::int32_t> seen;
    // Jump close to the wrap by opening and closing empty blocks would take 2^32 steps; instead
    // check the rule on the numbers that records receive inside and outside blocks.
    list.addChange(UndoKind::Insert, {}, {}, {}, SelectionMode::smNormal);
    list.beginBlock();
    list.addChange(UndoKind::Delete, {}, {}, {}, SelectionMode::smNormal);
    list.beginBlock();
    list.addChange(UndoKind::Insert, {}, {}, {}, SelectionMode::smNormal);
    list.endBlock();
    list.endBlock();
    list.addChange(UndoKind::Insert, {}, {}, {}, SelectionMode::smNormal);
    while (!list.empty())
        seen.insert(seen.begin(), list.pop().changeNumber);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{1, 2, 2, 3}));
}

TEST(EditorUndo, LockedListRecordsNothing) {
    TSynUndoList list;
    list.lock();
    list.addChange(UndoKind::Insert, {}, {}, {}, SelectionMode::smNormal);
    EXPECT_TRUE(list.empty());
    list.unlock();
    list.addChange(UndoKind::Insert, {}, {}, {}, SelectionMode::smNormal);
    EXPECT_EQ(list.size(), 1);
}

TEST(EditorUndo, OnChangeFiresOncePerOuterBlock) {
    Counting c;
    {
        UndoBlock outer(c.m);
        c.m.setSelectedText("a");
        c.m.setSelectedText("b");
        EXPECT_EQ(c.changes, 0);
    }
    EXPECT_EQ(c.changes, 1);
    { UndoBlock empty(c.m); }
    EXPECT_EQ(c.changes, 1);
    c.m.undo();
    EXPECT_EQ(c.m.text(), "");
}

TEST(EditorUndo, SettingTextClearsTheListsAndKeepsTheFlag) {
    EditorModel m;
    type(m, "ab");
    EXPECT_TRUE(m.isModified());
    m.setText("new");
    EXPECT_TRUE(m.isModified());
    EXPECT_FALSE(m.canUndo());
    EXPECT_FALSE(m.canRedo());
    EXPECT_EQ(m.caret(), (Position{1, 1}));
}

TEST(EditorUndo, LineModeEditsOfTheLastLineUndoExactly) {
    MemoryClipboard clip;
    EditorModel m;
    m.setClipboard(&clip);
    m.setText("one\r\n");
    m.addLine("");
    m.setSelectionMode(SelectionMode::smLine);
    // An empty last line selected in line mode and deleted comes back with undo.
    m.setCaretAndSelection({2, 2}, {1, 2}, {2, 2});
    EXPECT_EQ(m.selectedText(), "");
    m.setSelectedText("");
    EXPECT_EQ(m.lineCount(), 1);
    m.undo();
    EXPECT_EQ(m.text(), "one\r\n");
    // Pasting nothing in line mode takes no line with it on undo.
    clip.content = EditorClipboard::Content{"", SelectionMode::smLine};
    m.setCaretAndSelection({1, 1}, {1, 1}, {1, 1});
    m.paste();
    m.undo();
    EXPECT_EQ(m.text(), "one\r\n");
}

TEST(EditorUndo, ColumnReplacementOverATabUndoesExactly) {
    EditorModel m;
    m.setText(" >)}ba\r\n\r\n}\t");
    m.setSelectionMode(SelectionMode::smColumn);
    m.setCaretAndSelection({3, 3}, {4, 1}, {3, 3});
    m.setSelectedText(" ");
    m.undo();
    EXPECT_EQ(m.line(0).substr(0, 6), " >)}ba");
    EXPECT_EQ(m.line(2), "}\t");
}

TEST(EditorModel, ChangingToTheNormalModeClampsTheSelectionEnds) {
    EditorModel m;
    m.setText("\r\nabc");
    m.setSelectionMode(SelectionMode::smColumn);
    m.setCaretAndSelection({6, 1}, {1, 2}, {6, 1});
    m.setSelectionMode(SelectionMode::smNormal);
    EXPECT_EQ(m.selectionBegin(), (Position{1, 1}));
    m.setSelectedText("{");
    m.undo();
    EXPECT_EQ(m.text(), "\r\nabc");
}

TEST(EditorModel, BulkLinesAndLineVisitsMatchTheLineByLineCalls) {
    struct Recorder : EditorObserver {
        std::vector<ModelChange> seen;
        void modelChanged(const ModelChange& c) override { seen.push_back(c); }
    } recorder;
    EditorModel m;
    m.addLine("first");
    m.addObserver(&recorder);
    const std::vector<std::string_view> more{"a", "", std::string_view("n\0l", 3)};
    m.addLines(more);
    ASSERT_EQ(recorder.seen.size(), 1u);
    EXPECT_EQ(recorder.seen[0].line, 1);
    EXPECT_EQ(recorder.seen[0].linesAdded, 3);
    // Edits in the middle move the gap, so that some line is split by it.
    m.setCaret({2, 2});
    m.setSelectedText("xyz");
    std::vector<std::string> visited;
    m.forEachLine([&](std::string_view l) { visited.emplace_back(l); });
    ASSERT_EQ(visited.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(visited[static_cast<std::size_t>(i)], m.line(i));
    EXPECT_FALSE(m.isModified() && m.undoList().empty());
}

TEST(EditorModel, ARangeNamingLinesThatAreGoneIsClampedBeforeItIsOrdered) {
    // An undo record made before other edits can end on a line that no longer exists.
    EditorModel m;
    m.setText("abc");
    EXPECT_EQ(m.rangeText({3, 1}, {1, 2}, SelectionMode::smNormal), "ab");
    EXPECT_EQ(m.removeRange({3, 1}, {1, 2}, SelectionMode::smNormal), "ab");
    EXPECT_EQ(m.text(), "c");
}
