#pragma once

// Shared by the builder and the dialog tests: UTF-8 text as the Windows-1251 bytes the builders
// write, and the table dialog's worked example as settings.

#include "dialogs/TableMarkup.h"
#include "editor/base/Cp1251.h"

#include <string>
#include <string_view>

inline std::string w(std::string_view utf8) {
    return *varlo::cp1251::fromUtf8(utf8);
}

// Two by two with column headers, padding 5, centred, a white background and the preset caption.
inline TableSettings workedTableExample() {
    TableSettings s;
    s.columns = 2;
    s.rows = 2;
    s.columnHeaders = true;
    s.defaultCells = false;
    s.padding = 5;
    s.position = TableSettings::Position::Center;
    s.background = varlo::rgb(0xFF, 0xFF, 0xFF);
    s.caption = w("Заголовок таблицы");
    return s;
}
