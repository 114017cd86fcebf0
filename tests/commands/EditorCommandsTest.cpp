#include "editor/commands/EditorCommands.h"
#include "editor/commands/TSynKeyStrokes.h"

#include <gtest/gtest.h>

#include <functional>

#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace varlo;

namespace {

// One user action: a key stroke looked up in the key table, or a run of typed characters.
struct Step {
    int key = 0;
    TShiftState shift = ssNone;
    std::string typed;
};
Step K(int key, TShiftState shift = ssNone) {
    return {key, shift, {}};
}
Step T(std::string s) {
    return {0, ssNone, std::move(s)};
}

class Editor {
public:
    explicit Editor(const std::vector<std::string>& lines, Position caret = {1, 1})
        : commands(model) {
        model.setClipboard(&clipboard);
        for (const auto& l : lines)
            model.addLine(l);
        model.setCaretAndSelection(caret, caret, caret);
    }
    void run(const Step& s) {
        if (!s.typed.empty()) {
            for (char ch : s.typed)
                commands.execute(ecChar, ch);
            return;
        }
        const auto command = keys.find(s.key, s.shift);
        ASSERT_TRUE(command.has_value()) << "no binding for key " << s.key;
        commands.execute(*command);
    }
    void run(const std::vector<Step>& steps) {
        for (const auto& s : steps)
            run(s);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (int i = 0; i < model.lineCount(); ++i)
            out.push_back(model.line(i));
        return out;
    }

    EditorModel model;
    MemoryClipboard clipboard;
    EditorCommands commands;
    TSynKeyStrokes keys;
};

struct CommandCase {
    const char* name;
    std::vector<std::string> lines;
    Position caret;
    std::vector<Step> steps;
    std::vector<std::string> expectedLines;
    Position expectedCaret;
};

constexpr TShiftState C = ssCtrl;
constexpr TShiftState S = ssShift;
constexpr TShiftState SC = ssShift | ssCtrl;

const std::vector<CommandCase>& commandCases() {
    static const std::vector<CommandCase> cases = {
        // Tab: the smart width comes from the line above, else the next tab stop.
        {"TabFirstLineColumn1", {}, {1, 1}, {K(vk::Tab)}, {"        "}, {9, 1}},
        {"TabToWordAbove", {"abc  def", "ab"}, {3, 2}, {K(vk::Tab)}, {"abc  def", "ab   "}, {6, 2}},
        {"TabToStopWhenAboveIsShort",
         {"ab", "xyz"},
         {4, 2},
         {K(vk::Tab)},
         {"ab", "xyz     "},
         {9, 2}},
        {"TabReplacesSelection",
         {"abcdef"},
         {1, 1},
         {K(vk::Right, S), K(vk::Right, S), K(vk::Tab)},
         {"        cdef"},
         {9, 1}},
        // Shift+Tab: back to the word start above, else the previous tab stop; only blanks go.
        {"ShiftTabToWordAbove",
         {"  ab  cd", "        x"},
         {7, 2},
         {K(vk::Tab, S)},
         {"  ab  cd", "    x"},
         {3, 2}},
        {"ShiftTabToStop", {"          x"}, {11, 1}, {K(vk::Tab, S)}, {"        x"}, {9, 1}},
        {"ShiftTabKeepsWords",
         {"abcdefghij", "foo bar"},
         {8, 2},
         {K(vk::Tab, S)},
         {"abcdefghij", "foo bar"},
         {8, 2}},
        // Enter with auto-indent.
        {"EnterCopiesIndent", {"    x"}, {6, 1}, {K(vk::Return)}, {"    x", "    "}, {5, 2}},
        {"EnterPastEndDoesNotPad", {"ab"}, {6, 1}, {K(vk::Return)}, {"ab", ""}, {1, 2}},
        {"EnterSplitsWithIndent", {"  abcd"}, {5, 1}, {K(vk::Return)}, {"  ab", "  cd"}, {3, 2}},
        {"EnterSplitTabIndentAsSpaces",
         {"\tab"},
         {3, 1},
         {K(vk::Return)},
         {"\ta", "        b"},
         {9, 2}},
        {"EnterAtColumn1", {"abc"}, {1, 1}, {K(vk::Return)}, {"", "abc"}, {1, 2}},
        {"EnterOnEmptyLineIndents",
         {"    x", ""},
         {1, 2},
         {K(vk::Return)},
         {"    x", "", ""},
         {5, 3}},
        {"EnterInEmptyEditor", {}, {1, 1}, {K(vk::Return)}, {"", ""}, {1, 2}},
        {"CtrlMIsLineBreak", {"ab"}, {2, 1}, {K('M', C)}, {"a", "b"}, {1, 2}},
        {"InsertLineKeepsCaret", {"ab"}, {2, 1}, {K('N', C)}, {"a", "b"}, {2, 1}},
        // Backspace.
        {"BackspaceUnindents",
         {"  a", "    b"},
         {5, 2},
         {K(vk::Backspace)},
         {"  a", "  b"},
         {3, 2}},
        {"BackspaceUnindentsToColumn1", {"    b"}, {5, 1}, {K(vk::Backspace)}, {"b"}, {1, 1}},
        {"BackspaceOneChar", {"  ab"}, {5, 1}, {K(vk::Backspace)}, {"  a"}, {4, 1}},
        {"BackspaceJoinsLines", {"ab", "cd"}, {1, 2}, {K(vk::Backspace)}, {"abcd"}, {3, 1}},
        {"BackspaceAtStartOfText", {"ab"}, {1, 1}, {K(vk::Backspace)}, {"ab"}, {1, 1}},
        {"BackspacePastEndGoesToEnd", {"ab"}, {7, 1}, {K(vk::Backspace)}, {"ab"}, {3, 1}},
        {"BackspaceEmptyLineToIndent",
         {"    a", ""},
         {9, 2},
         {K(vk::Backspace)},
         {"    a", ""},
         {5, 2}},
        // Caret moves.
        {"LeftStopsAtColumn1", {"a", "b"}, {1, 2}, {K(vk::Left)}, {"a", "b"}, {1, 2}},
        {"RightIntoFreeSpaceThenTypePads",
         {"ab"},
         {3, 1},
         {K(vk::Right), K(vk::Right), T("x")},
         {"ab  x"},
         {6, 1}},
        {"UpKeepsColumnPastEnd", {"a", "abcdef"}, {6, 2}, {K(vk::Up)}, {"a", "abcdef"}, {6, 1}},
        {"EndThenEndAgain", {"ab  "}, {1, 1}, {K(vk::End)}, {"ab  "}, {3, 1}},
        {"SecondEndGoesToTrueEnd", {"ab  "}, {1, 1}, {K(vk::End), K(vk::End)}, {"ab  "}, {5, 1}},
        {"HomeGoesToColumn1", {"  ab"}, {4, 1}, {K(vk::Home)}, {"  ab"}, {1, 1}},
        {"CtrlEndGoesToEndOfText", {"a", "bcd"}, {1, 1}, {K(vk::End, C)}, {"a", "bcd"}, {4, 2}},
        {"WordRight", {"foo bar", "baz"}, {1, 1}, {K(vk::Right, C)}, {"foo bar", "baz"}, {5, 1}},
        {"WordRightToLineEnd",
         {"foo bar", "baz"},
         {5, 1},
         {K(vk::Right, C)},
         {"foo bar", "baz"},
         {8, 1}},
        {"WordRightCrossesLine",
         {"foo bar", "  baz"},
         {8, 1},
         {K(vk::Right, C)},
         {"foo bar", "  baz"},
         {3, 2}},
        {"WordLeftCrossesLine",
         {"foo bar", "baz"},
         {1, 2},
         {K(vk::Left, C)},
         {"foo bar", "baz"},
         {8, 1}},
        {"WordLeftOverPunctuation",
         {"foo.bar"},
         {8, 1},
         {K(vk::Left, C), K(vk::Left, C)},
         {"foo.bar"},
         {1, 1}},
        {"CyrillicIsWord",
         {"\xEF\xF0\xE8 \xE2\xE5\xF2"},
         {1, 1},
         {K(vk::Right, C)},
         {"\xEF\xF0\xE8 \xE2\xE5\xF2"},
         {5, 1}},
        // Deletions.
        {"DeleteJoinsAndPads", {"ab", "cd"}, {4, 1}, {K(vk::Delete)}, {"ab cd"}, {4, 1}},
        {"DeleteChar", {"abc"}, {2, 1}, {K(vk::Delete)}, {"ac"}, {2, 1}},
        {"DeleteWordWithSpaces", {"foo bar baz"}, {5, 1}, {K('T', C)}, {"foo baz"}, {5, 1}},
        {"DeleteWordOnPunctuation", {"a.  b"}, {2, 1}, {K('T', C)}, {"ab"}, {2, 1}},
        {"DeleteWordAtLineEnd", {"ab", "   cd"}, {3, 1}, {K('T', C)}, {"abcd"}, {3, 1}},
        {"DeleteLastWord", {"foo bar"}, {8, 1}, {K(vk::Backspace, C)}, {"foo "}, {5, 1}},
        {"DeleteEOL", {"abcdef"}, {3, 1}, {K('Y', SC)}, {"ab"}, {3, 1}},
        {"DeleteLine", {"a", "b", "c"}, {1, 2}, {K('Y', C)}, {"a", "c"}, {1, 2}},
        {"DeleteLastLineEmptiesIt", {"a", "b"}, {2, 2}, {K('Y', C)}, {"a", ""}, {1, 2}},
        // Modes, markers, brackets.
        {"OverwriteReplacesChar", {"abc"}, {1, 1}, {K(vk::Insert), T("XY")}, {"XYc"}, {3, 1}},
        {"OverwriteAtEndAppends", {"ab"}, {3, 1}, {K(vk::Insert), T("c")}, {"abc"}, {4, 1}},
        {"ControlCharsIgnored", {"ab"}, {1, 1}, {T("\x01\x7F")}, {"ab"}, {1, 1}},
        {"MatchBracketForward", {"(a[b]", "c)"}, {1, 1}, {K('B', SC)}, {"(a[b]", "c)"}, {2, 2}},
        {"MatchBracketBackward", {"<a<b>>"}, {6, 1}, {K('B', SC)}, {"<a<b>>"}, {1, 1}},
        {"MatchBracketUnmatched", {"(ab"}, {1, 1}, {K('B', SC)}, {"(ab"}, {1, 1}},
        {"BookmarkSetAndGo",
         {"a", "b", "c"},
         {1, 3},
         {K('2', SC), K(vk::Up), K(vk::Up), K('2', C)},
         {"a", "b", "c"},
         {1, 3}},
    };
    return cases;
}

class CommandTable : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandTable, LinesAndCaret) {
    const CommandCase& c = GetParam();
    Editor e(c.lines, c.caret);
    e.run(c.steps);
    EXPECT_EQ(e.lines(), c.expectedLines);
    EXPECT_EQ(e.model.caret().line, c.expectedCaret.line);
    EXPECT_EQ(e.model.caret().column, c.expectedCaret.column);
    // Every command leaves an undoable state: undoing everything gives the text back, byte
    // for byte (blanks that padded free space included).
    while (e.model.canUndo())
        e.model.undo();
    if (!c.lines.empty()) {
        EXPECT_EQ(e.lines(), c.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CommandTable, ::testing::ValuesIn(commandCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyTable, EveryStrokeBoundOnce) {
    TSynKeyStrokes keys;
    std::set<std::pair<int, int>> seen;
    for (const auto& r : keys.rows())
        EXPECT_TRUE(seen.insert({r.key, r.shift}).second)
            << "key " << r.key << " shift " << int(r.shift);
}

TEST(KeyTable, StoredValuesAndRows) {
    // The identifiers' numbers are their stored form.
    EXPECT_EQ(ecSelLeft, 101);
    EXPECT_EQ(ecSelEditorBottom, 116);
    EXPECT_EQ(ecSetMarker0 + 9, 360);
    EXPECT_EQ(ecGotoMarker0 + 9, ecGotoMarker9);
    TSynKeyStrokes keys;
    const struct {
        int key;
        TShiftState shift;
        EditorCommand command;
    } rows[] = {
        {'N', C, ecInsertLine},          {'N', SC, ecNormalSelect},
        {'9', SC, EditorCommand(360)},   {'0', C, ecGotoMarker0},
        {vk::Backspace, ssAlt, ecUndo},  {vk::Backspace, ssShift | ssAlt, ecRedo},
        {vk::Insert, S, ecPaste},        {vk::Delete, S, ecCut},
        {vk::Up, C, ecScrollUp},         {vk::PageDown, SC, ecSelPageBottom},
        {vk::F1, ssNone, ecContextHelp}, {'Z', SC, ecRedo},
    };
    for (const auto& r : rows)
        EXPECT_EQ(keys.find(r.key, r.shift), r.command) << r.key;
    EXPECT_FALSE(keys.find(vk::Up, SC).has_value());
    EXPECT_FALSE(keys.find(vk::Delete, C).has_value());
}

TEST(CommandUndo, TypedRunThenArrowThenTypedUndoesSeparately) {
    Editor e({});
    e.run({T("abc"), K(vk::Left), T("x")});
    EXPECT_EQ(e.lines(), std::vector<std::string>{"abxc"});
    e.model.undo();
    EXPECT_EQ(e.lines(), std::vector<std::string>{"abc"});
    e.model.undo();
    EXPECT_EQ(e.lines(), std::vector<std::string>{""});
    EXPECT_FALSE(e.model.isModified());
    e.model.redo();
    e.model.redo();
    EXPECT_EQ(e.lines(), std::vector<std::string>{"abxc"});
}

TEST(CommandUndo, LineBreakUndoesAsOneStep) {
    Editor e({"    abcd"}, {7, 1});
    int changes = 0;
    e.model.onChange = [&] { ++changes; };
    e.run(K(vk::Return));
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"    ab", "    cd"}));
    EXPECT_EQ(changes, 1);
    e.model.undo();
    EXPECT_EQ(e.lines(), std::vector<std::string>{"    abcd"});
    EXPECT_EQ(e.model.caret(), (Position{7, 1}));
    e.model.redo();
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"    ab", "    cd"}));
}

TEST(CommandUndo, BackspaceUndoPutsCaretBack) {
    Editor e({"ab", "cd"}, {1, 2});
    e.run(K(vk::Backspace));
    e.model.undo();
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"ab", "cd"}));
    EXPECT_EQ(e.model.caret(), (Position{1, 2}));
}

TEST(CommandUndo, DeleteWithPaddingUndoesWhole) {
    Editor e({"ab", "cd"}, {5, 1});
    e.run(K(vk::Delete));
    EXPECT_EQ(e.lines(), std::vector<std::string>{"ab  cd"});
    e.model.undo();
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"ab", "cd"}));
}

TEST(CommandBlock, IndentAndUnindentWithUndo) {
    Editor e({"a", "\tb", "   c", "d"}, {1, 1});
    // Select lines 1-3 and into line 4 at column 1: line 4 is left out.
    e.model.setCaretAndSelection({1, 4}, {1, 1}, {1, 4});
    e.run(K('I', SC));
    EXPECT_EQ(e.lines(),
              (std::vector<std::string>{"        a", "        \tb", "           c", "d"}));
    EXPECT_TRUE(e.model.selectionAvailable());
    EXPECT_EQ(e.model.selectionBegin(), (Position{1, 1}));
    e.run(K('U', SC));
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"a", "\tb", "   c", "d"}));
    e.run(K('U', SC));
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
    // Block steps never merge with their neighbours: one undo per command.
    e.model.undo();
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"a", "\tb", "   c", "d"}));
    e.model.undo();
    EXPECT_EQ(e.lines(),
              (std::vector<std::string>{"        a", "        \tb", "           c", "d"}));
    e.model.undo();
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"a", "\tb", "   c", "d"}));
    EXPECT_EQ(e.model.selectionBegin(), (Position{1, 1}));
    EXPECT_EQ(e.model.selectionEnd(), (Position{1, 4}));
    e.model.redo();
    EXPECT_EQ(e.lines(),
              (std::vector<std::string>{"        a", "        \tb", "           c", "d"}));
}

// Edits that pad lines with blanks, or add lines, in free space: one undo gives back exactly
// the lines there were, and the modified flag agrees.
TEST(CommandUndo, FreeSpaceEditsUndoByteForByte) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::function<void(Editor&)> edit;
    };
    const Case cases[] = {
        {"typing",
         {"ab", "cd"},
         [](Editor& e) {
             e.model.setCaret({7, 1});
             e.run(T("x"));
         }},
        {"tab",
         {"ab"},
         [](Editor& e) {
             e.model.setCaret({5, 1});
             e.run(K(vk::Tab));
         }},
        {"columnPaste",
         {"abcdef", "a", "", "abc"},
         [](Editor& e) {
             e.clipboard.content =
                 EditorClipboard::Content{"XY\r\nZ\r\n\r\nW\r\nV", SelectionMode::smColumn};
             e.model.setCaret({4, 1});
             e.model.paste();
         }},
        {"columnSelectedText",
         {"abcdef", "ab"},
         [](Editor& e) {
             e.model.setSelectionMode(SelectionMode::smColumn);
             e.model.setCaret({5, 1});
             e.model.setSelectedText("1\r\n2\r\n3");
         }},
        {"dragDropPastTheEnd",
         {"abc", "de"},
         [](Editor& e) {
             e.model.setCaretAndSelection({3, 1}, {1, 1}, {3, 1});
             e.commands.dragDrop({6, 2}, false);
         }},
        {"everyLineInLineMode",
         {"a", "", "b"},
         [](Editor& e) {
             e.model.setSelectionMode(SelectionMode::smLine);
             e.model.setCaretAndSelection({1, 3}, {1, 1}, {1, 3});
             e.model.setSelectedText({});
         }},
        {"theOnlyLineInLineMode",
         {"abc"},
         [](Editor& e) {
             e.model.setSelectionMode(SelectionMode::smLine);
             e.model.setCaretAndSelection({1, 1}, {1, 1}, {2, 1});
             e.model.cut();
         }},
    };
    for (const Case& c : cases) {
        Editor e(c.lines);
        c.edit(e);
        const std::vector<std::string> edited = e.lines();
        EXPECT_NE(edited, c.lines) << c.name;
        e.model.undo();
        EXPECT_EQ(e.lines(), c.lines) << c.name;
        EXPECT_FALSE(e.model.isModified()) << c.name;
        EXPECT_FALSE(e.model.canUndo()) << c.name;
        e.model.redo();
        EXPECT_EQ(e.lines(), edited) << c.name;
    }
}

TEST(CommandBlock, UnindentKeepsTheCaretAtTheMovingEnd) {
    Editor e({"  a", "  b", "c"});
    e.model.setCaretAndSelection({1, 3}, {1, 1}, {1, 3});
    e.run(K('U', SC));
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(e.model.caret(), (Position{1, 3}));
    EXPECT_EQ(e.model.blockEnd(), (Position{1, 3}));
    // Backwards: the moving end is the top one.
    Editor up({"  a", "  b", "c"});
    up.model.setCaretAndSelection({3, 1}, {3, 2}, {3, 1});
    up.run(K('U', SC));
    EXPECT_EQ(up.model.caret(), (Position{1, 1}));
    EXPECT_EQ(up.model.blockEnd(), up.model.caret());
}

TEST(CommandBlock, UnindentSpacesThenTabWithinLimit) {
    Editor e({"  \tx", "         y"}, {1, 1});
    e.model.setCaretAndSelection({3, 2}, {1, 1}, {3, 2});
    e.run(K('U', SC));
    EXPECT_EQ(e.lines(), (std::vector<std::string>{"x", " y"}));
}

TEST(CommandBlock, IndentWithoutSelectionDoesNothing) {
    Editor e({"a"}, {1, 1});
    e.run(K('I', SC));
    EXPECT_EQ(e.lines(), std::vector<std::string>{"a"});
    EXPECT_FALSE(e.model.canUndo());
}

TEST(CommandSelection, ShiftMovesExtendFromAnchor) {
    Editor e({"abc", "def"}, {2, 1});
    e.run({K(vk::Right, S), K(vk::Down, S)});
    EXPECT_EQ(e.model.selectedText(), "bc\r\nde");
    e.run(K(vk::Left, S));
    EXPECT_EQ(e.model.selectedText(), "bc\r\nd");
    e.run(K(vk::Left));
    EXPECT_FALSE(e.model.selectionAvailable());
}

TEST(CommandSelection, CopyCutPasteThroughKeys) {
    Editor e({"abc"}, {1, 1});
    e.run({K(vk::Right, S), K(vk::Right, S), K('C', C), K(vk::End), K('V', C)});
    EXPECT_EQ(e.lines(), std::vector<std::string>{"abcab"});
    e.run({K(vk::Home), K(vk::Right, S), K('X', C)});
    EXPECT_EQ(e.lines(), std::vector<std::string>{"bcab"});
    ASSERT_TRUE(e.clipboard.content.has_value());
    EXPECT_EQ(e.clipboard.content->text, "a");
}

TEST(CommandMouse, SelectWordAndDragDropMoveIsOneStep) {
    Editor e({"one two three"}, {1, 1});
    e.commands.selectWordAt({6, 1});
    EXPECT_EQ(e.model.selectedText(), "two");
    ASSERT_TRUE(e.commands.dragDrop({14, 1}, false));
    EXPECT_EQ(e.lines(), std::vector<std::string>{"one  threetwo"});
    EXPECT_EQ(e.model.selectedText(), "two");
    e.model.undo();
    EXPECT_EQ(e.lines(), std::vector<std::string>{"one two three"});
    // Dropping into the selection itself moves nothing; a copy duplicates.
    e.commands.selectWordAt({1, 1});
    EXPECT_FALSE(e.commands.dragDrop({2, 1}, false));
    ASSERT_TRUE(e.commands.dragDrop({1, 1}, true));
    EXPECT_EQ(e.lines(), std::vector<std::string>{"oneone two three"});
}

TEST(CommandView, PageAndScrollMoves) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 100; ++i)
        lines.push_back(std::to_string(i));
    Editor e(lines, {1, 1});
    e.commands.view.linesInWindow = 10;
    e.run(K(vk::PageDown));
    EXPECT_EQ(e.model.caret().line, 11);
    EXPECT_EQ(e.commands.view.topLine, 11);
    e.run(K(vk::PageDown, C));
    EXPECT_EQ(e.model.caret().line, 20);
    e.run(K(vk::Down, C)); // the view scrolls; the caret stays while visible
    EXPECT_EQ(e.commands.view.topLine, 12);
    EXPECT_EQ(e.model.caret().line, 20);
    for (int i = 0; i < 10; ++i)
        e.run(K(vk::Down, C));
    EXPECT_EQ(e.commands.view.topLine, 22);
    EXPECT_EQ(e.model.caret().line, 22);
    e.run(K(vk::End, C)); // the view follows the caret
    EXPECT_EQ(e.commands.view.topLine, 91);
    e.run(K(vk::PageDown));
    EXPECT_EQ(e.model.caret().line, 100);
    EXPECT_EQ(e.commands.view.topLine, 91);
    e.run(K(vk::PageUp, C));
    EXPECT_EQ(e.model.caret().line, 91);
}

TEST(CommandView, EmptyEditorCommandsAreHarmless) {
    const TSynKeyStrokes keys;
    for (const auto& row : keys.rows()) {
        Editor e({});
        e.commands.execute(row.command);
        EXPECT_LE(e.model.lineCount(), 2) << row.command;
    }
}

} // namespace

TEST(EditorCommandsSelection, AColumnSelectionGrowsUpThenSideways) {
    EditorModel model;
    EditorCommands commands(model);
    model.setText("abcd\r\nefgh");
    model.setCaretAndSelection({3, 2}, {3, 2}, {3, 2});
    commands.execute(ecColumnSelect);
    commands.execute(ecSelUp); // one line tall and no column wide: nothing selected yet
    EXPECT_FALSE(model.selectionAvailable());
    commands.execute(ecSelLeft);
    EXPECT_EQ(model.selectedText(), "b\r\nf");
}
