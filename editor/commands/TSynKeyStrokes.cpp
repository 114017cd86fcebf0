#include "editor/commands/TSynKeyStrokes.h"

#include <algorithm>

namespace varlo {

namespace {

constexpr TShiftState S = ssShift;
constexpr TShiftState C = ssCtrl;
constexpr TShiftState A = ssAlt;
constexpr TShiftState SC = ssShift | ssCtrl;
constexpr TShiftState SA = ssShift | ssAlt;

constexpr int key(char letter) {
    return static_cast<unsigned char>(letter);
}

// The default bindings. Digits are added by the constructor (markers 0..9).
constexpr TSynKeyStroke kDefaultRows[] = {
    {ecUp, vk::Up, 0},
    {ecSelUp, vk::Up, S},
    {ecScrollUp, vk::Up, C},
    {ecDown, vk::Down, 0},
    {ecSelDown, vk::Down, S},
    {ecScrollDown, vk::Down, C},
    {ecLeft, vk::Left, 0},
    {ecSelLeft, vk::Left, S},
    {ecWordLeft, vk::Left, C},
    {ecSelWordLeft, vk::Left, SC},
    {ecRight, vk::Right, 0},
    {ecSelRight, vk::Right, S},
    {ecWordRight, vk::Right, C},
    {ecSelWordRight, vk::Right, SC},
    {ecPageDown, vk::PageDown, 0},
    {ecSelPageDown, vk::PageDown, S},
    {ecPageBottom, vk::PageDown, C},
    {ecSelPageBottom, vk::PageDown, SC},
    {ecPageUp, vk::PageUp, 0},
    {ecSelPageUp, vk::PageUp, S},
    {ecPageTop, vk::PageUp, C},
    {ecSelPageTop, vk::PageUp, SC},
    {ecLineStart, vk::Home, 0},
    {ecSelLineStart, vk::Home, S},
    {ecEditorTop, vk::Home, C},
    {ecSelEditorTop, vk::Home, SC},
    {ecLineEnd, vk::End, 0},
    {ecSelLineEnd, vk::End, S},
    {ecEditorBottom, vk::End, C},
    {ecSelEditorBottom, vk::End, SC},
    {ecToggleMode, vk::Insert, 0},
    {ecCopy, vk::Insert, C},
    {ecPaste, vk::Insert, S},
    {ecDeleteChar, vk::Delete, 0},
    {ecCut, vk::Delete, S},
    {ecDeleteLastChar, vk::Backspace, 0},
    {ecDeleteLastChar, vk::Backspace, S},
    {ecDeleteLastWord, vk::Backspace, C},
    {ecUndo, vk::Backspace, A},
    {ecRedo, vk::Backspace, SA},
    {ecLineBreak, vk::Return, 0},
    {ecLineBreak, vk::Return, S},
    {ecLineBreak, vk::Enter, 0},
    {ecLineBreak, vk::Enter, S},
    {ecTab, vk::Tab, 0},
    {ecShiftTab, vk::Tab, S},
    {ecContextHelp, vk::F1, 0},
    {ecSelectAll, key('A'), C},
    {ecCopy, key('C'), C},
    {ecPaste, key('V'), C},
    {ecCut, key('X'), C},
    {ecBlockIndent, key('I'), SC},
    {ecBlockUnindent, key('U'), SC},
    {ecLineBreak, key('M'), C},
    {ecInsertLine, key('N'), C},
    {ecDeleteWord, key('T'), C},
    {ecDeleteLine, key('Y'), C},
    {ecDeleteEOL, key('Y'), SC},
    {ecUndo, key('Z'), C},
    {ecRedo, key('Z'), SC},
    {ecNormalSelect, key('N'), SC},
    {ecColumnSelect, key('C'), SC},
    {ecLineSelect, key('L'), SC},
    {ecMatchBracket, key('B'), SC},
};

} // namespace

TSynKeyStrokes::TSynKeyStrokes() {
    rows_.assign(std::begin(kDefaultRows), std::end(kDefaultRows));
    for (int n = 0; n <= 9; ++n) {
        rows_.push_back({static_cast<EditorCommand>(ecGotoMarker0 + n), '0' + n, C});
        rows_.push_back({static_cast<EditorCommand>(ecSetMarker0 + n), '0' + n, SC});
    }
}

std::optional<EditorCommand> TSynKeyStrokes::find(int key, TShiftState shift) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const TSynKeyStroke& r) {
        return r.key == key && r.shift == shift;
    });
    if (it == rows_.end())
        return std::nullopt;
    return it->command;
}

void TSynKeyStrokes::bind(EditorCommand command, int key, TShiftState shift) {
    for (auto& r : rows_) {
        if (r.key == key && r.shift == shift) {
            r.command = command;
            return;
        }
    }
    rows_.push_back({command, key, shift});
}

} // namespace varlo
