#pragma once

// The catalogue of the editing commands: every item of the "HTML", "Вставить", "Правка" and
// context menus and the toolbar buttons that run them, as rows of data. Menus are built from the
// rows in their order; one handler runs every row.

#include "editing/EditingHost.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace CommandCatalogue {

enum class Action : std::uint8_t {
    Submenu, // a submenu; the rows whose parent names it are its items
    Separator,
    Plain,         // plain insertion of the text
    Tag,           // InsertTag of the text
    OrderedList,   // InsertOrderedList with the text as the type
    UnorderedList, // InsertUnorderedList with the text as the type
    Dialog,        // opens the element dialog
    Color,         // the colour command
    Image,         // the image command
    Undo,
    Redo,
    Copy,
    Cut,
    Paste,
    SelectAll,
    Find,
    Replace,
    Clear,
    DateTime,
    SameAs, // runs the command of the row named by the text
};

struct CommandRow {
    std::string_view name;    // the component name, also the action's objectName
    std::string_view parent;  // the submenu's name; empty for the menu itself
    std::string_view caption; // Windows-1251, exactly as shown
    Action action = Action::Plain;
    std::string_view text;     // snippet, list type, or the row repeated by SameAs
    std::string_view shortcut; // in QKeySequence's portable form
    ElementDialog dialog = ElementDialog::Link;
};

struct ToolButtonRow {
    std::string_view name;    // RzToolButtonN
    std::string_view tooltip; // Windows-1251
    std::string_view command; // the menu row whose command it runs
    ToolBarGroup group;
    int image; // index in ImageList1
};

// The top-level menus in menu order.
std::span<const CommandRow> htmlMenu();
std::span<const CommandRow> insertMenu();
std::span<const CommandRow> editMenu();
std::span<const CommandRow> popupMenu();
std::span<const ToolButtonRow> toolButtons();

// The row with this name in any of the menus; nullptr when there is none.
const CommandRow* findRow(std::string_view name);
// The row whose command `row` runs: itself, or what its SameAs chain leads to.
const CommandRow& resolve(const CommandRow& row);

} // namespace CommandCatalogue
