#include "viewing/help/KeyNames.h"

#include <iterator>

namespace varlo::help {

namespace {

struct KeyRow {
    int key;
    const char* name;
};
constexpr KeyRow kKeys[] = {
    {vk::Tab, "Tab"},        {vk::Backspace, "Backspace"},
    {vk::Return, "Enter"},   {vk::Enter, "Enter (цифровая клавиатура)"},
    {vk::Insert, "Insert"},  {vk::Delete, "Delete"},
    {vk::Home, "Home"},      {vk::End, "End"},
    {vk::Left, "←"},         {vk::Up, "↑"},
    {vk::Right, "→"},        {vk::Down, "↓"},
    {vk::PageUp, "Page Up"}, {vk::PageDown, "Page Down"},
    {vk::F1, "F1"},
};

struct CommandRow {
    EditorCommand command;
    const char* text;
};
constexpr CommandRow kCommands[] = {
    {ecLeft, "на символ влево"},
    {ecRight, "на символ вправо"},
    {ecUp, "на строку вверх"},
    {ecDown, "на строку вниз"},
    {ecWordLeft, "на слово влево"},
    {ecWordRight, "на слово вправо"},
    {ecLineStart, "в начало строки"},
    {ecLineEnd, "в конец строки"},
    {ecPageUp, "на страницу вверх"},
    {ecPageDown, "на страницу вниз"},
    {ecPageTop, "на первую видимую строку"},
    {ecPageBottom, "на последнюю видимую строку"},
    {ecEditorTop, "в начало текста"},
    {ecEditorBottom, "в конец текста"},
    {ecSelLeft, "выделить символ влево"},
    {ecSelRight, "выделить символ вправо"},
    {ecSelUp, "выделить строку вверх"},
    {ecSelDown, "выделить строку вниз"},
    {ecSelWordLeft, "выделить слово влево"},
    {ecSelWordRight, "выделить слово вправо"},
    {ecSelLineStart, "выделить до начала строки"},
    {ecSelLineEnd, "выделить до конца строки"},
    {ecSelPageUp, "выделить страницу вверх"},
    {ecSelPageDown, "выделить страницу вниз"},
    {ecSelPageTop, "выделить до первой видимой строки"},
    {ecSelPageBottom, "выделить до последней видимой строки"},
    {ecSelEditorTop, "выделить до начала текста"},
    {ecSelEditorBottom, "выделить до конца текста"},
    {ecScrollUp, "прокрутить на строку вверх"},
    {ecScrollDown, "прокрутить на строку вниз"},
    {ecToggleMode, "переключить вставку и замену"},
    {ecCopy, "копировать"},
    {ecCut, "вырезать"},
    {ecPaste, "вставить"},
    {ecDeleteChar, "удалить символ справа"},
    {ecDeleteLastChar, "удалить символ слева"},
    {ecDeleteLastWord, "удалить слово слева"},
    {ecDeleteWord, "удалить слово справа"},
    {ecDeleteLine, "удалить строку"},
    {ecDeleteEOL, "удалить до конца строки"},
    {ecUndo, "отменить"},
    {ecRedo, "вернуть отменённое"},
    {ecLineBreak, "новая строка"},
    {ecInsertLine, "вставить пустую строку"},
    {ecTab, "табуляция"},
    {ecShiftTab, "табуляция назад"},
    {ecContextHelp, "справка (зарезервировано)"},
    {ecSelectAll, "выделить всё"},
    {ecBlockIndent, "сдвинуть выделенные строки вправо"},
    {ecBlockUnindent, "сдвинуть выделенные строки влево"},
    {ecNormalSelect, "обычное выделение"},
    {ecColumnSelect, "выделение столбцом"},
    {ecLineSelect, "выделение строками"},
    {ecMatchBracket, "к парной скобке"},
};

} // namespace

std::string strokeName(const TSynKeyStroke& stroke) {
    std::string out;
    if (stroke.shift & ssCtrl)
        out += "Ctrl+";
    if (stroke.shift & ssShift)
        out += "Shift+";
    if (stroke.shift & ssAlt)
        out += "Alt+";
    for (const KeyRow& row : kKeys)
        if (row.key == stroke.key)
            return out + row.name;
    if (stroke.key >= 0x20 && stroke.key < 0x7f)
        return out + static_cast<char>(stroke.key);
    return out + "?";
}

std::optional<std::string_view> commandDescription(EditorCommand command) {
    // The bookmark commands come in tens; their description carries the number.
    static std::string marker[20];
    if (command >= ecGotoMarker0 && command <= ecGotoMarker0 + 9) {
        const int n = command - ecGotoMarker0;
        return marker[n] = "перейти к закладке " + std::to_string(n);
    }
    if (command >= ecSetMarker0 && command <= ecSetMarker0 + 9) {
        const int n = command - ecSetMarker0;
        return marker[10 + n] = "поставить или снять закладку " + std::to_string(n);
    }
    for (const CommandRow& row : kCommands)
        if (row.command == command)
            return std::string_view(row.text);
    return std::nullopt;
}

} // namespace varlo::help
