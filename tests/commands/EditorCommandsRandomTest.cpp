#include "editor/commands/EditorCommands.h"
#include "editor/commands/TSynKeyStrokes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace varlo;

namespace {

std::vector<std::string> linesOf(const EditorModel& m) {
    std::vector<std::string> out;
    for (int i = 0; i < m.lineCount(); ++i)
        out.push_back(m.line(i));
    return out;
}

// Blanks that typing in free space leaves behind stay after its undo; compare without them.
std::vector<std::string> trimmed(std::vector<std::string> lines) {
    for (auto& l : lines)
        while (!l.empty() && (l.back() == ' ' || l.back() == '\t'))
            l.pop_back();
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// Random key strokes from the table and typed characters on random small documents: every
// command keeps the caret inside its bounds, and undoing everything gives the text back.
TEST(CommandsRandom, UndoAllRestoresAndCaretStaysInBounds) {
    std::mt19937 rng(20261210);
    const TSynKeyStrokes keys;
    std::vector<EditorCommand> commands;
    for (const auto& r : keys.rows()) {
        // Clipboard, mode and marker commands are covered elsewhere; undo is what is checked.
        if (r.command == ecUndo || r.command == ecRedo || r.command == ecContextHelp ||
            r.command == ecColumnSelect || r.command == ecLineSelect)
            continue;
        commands.push_back(r.command);
    }
    const char alphabet[] = "ab (){}<>\t  x";
    for (int trial = 0; trial < 3000; ++trial) {
        EditorModel m;
        MemoryClipboard clip;
        m.setClipboard(&clip);
        EditorCommands c(m);
        c.view.linesInWindow = 3;
        const int n = static_cast<int>(rng() % 5);
        for (int i = 0; i < n; ++i) {
            std::string line;
            const int len = static_cast<int>(rng() % 8);
            for (int k = 0; k < len; ++k)
                line += alphabet[rng() % (sizeof(alphabet) - 1)];
            m.addLine(line);
        }
        const auto original = linesOf(m);
        std::string trace;
        for (int step = 0; step < 60; ++step) {
            if (rng() % 3 == 0) {
                const char ch = alphabet[rng() % (sizeof(alphabet) - 1)];
                trace += std::string("char '") + ch + "' ";
                c.execute(ecChar, ch);
            } else {
                const EditorCommand cmd = commands[rng() % commands.size()];
                trace += std::to_string(cmd) + " ";
                c.execute(cmd);
            }
            const Position caret = m.caret();
            ASSERT_GE(caret.line, 1) << trace;
            ASSERT_LE(caret.line, std::max(1, m.lineCount())) << trace;
            ASSERT_GE(caret.column, 1) << trace;
            ASSERT_LE(caret.column, std::max(kMaxScrollWidth + 1, m.lineLength(caret.line - 1) + 1))
                << trace;
        }
        const auto after = linesOf(m);
        while (m.canUndo())
            m.undo();
        ASSERT_EQ(trimmed(linesOf(m)), trimmed(original)) << "trial " << trial << ": " << trace;
        while (m.canRedo())
            m.redo();
        ASSERT_EQ(trimmed(linesOf(m)), trimmed(after)) << "trial " << trial << ": " << trace;
    }
}

} // namespace
