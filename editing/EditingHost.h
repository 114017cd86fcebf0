#pragma once

// What the editing commands need from the main window. The main window implements this once
// and calls installEditingCommands() after it has created its menu bar and toolbar; tests use a
// small host of their own that answers the dialogs from a script.

#include <optional>

#include <QIcon>
#include <QString>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace varlo {
class TSynMemo;
}

// The element dialogs of the "HTML" and "Вставить" menus; the main window owns and opens them.
enum class ElementDialog { Link, Table, Font, List, SelectList, Marquee, Music, Greek };

// Where a group of toolbar buttons goes.
enum class ToolBarGroup {
    UndoRedo, // RzToolButton6, RzToolButton7
    Tags,     // RzToolButton8 .. RzToolButton12
};

class EditingHost {
public:
    virtual ~EditingHost() = default;

    // ActiveEditor; nullptr while there is no page.
    virtual varlo::TSynMemo* activeEditor() = 0;
    // The main window: owner of the find and replace windows.
    virtual QWidget* mainWindow() = 0;

    // The empty top-level menus, already in the menu bar in the order "Правка" (N1),
    // "Вставить", "HTML"; the commands fill them.
    virtual QMenu* editMenu() = 0;
    virtual QMenu* insertMenu() = 0;
    virtual QMenu* htmlMenu() = 0;
    // PopupMenu1, the editors' context menu, empty.
    virtual QMenu* popupMenu() = 0;

    virtual QToolBar* toolBar() = 0;
    // The toolbar action in front of which the group's buttons go; nullptr appends them.
    virtual QAction* toolBarSlot(ToolBarGroup group) = 0;

    // Element dialogs: whether the dialog exists in this build, and opening it (modal or not as
    // the dialog itself decides). Items of a dialog that does not exist are shown disabled.
    virtual bool hasElementDialog(ElementDialog dialog) = 0;
    virtual void openElementDialog(ElementDialog dialog) = 0;

    // OpenDM with the given Windows filter string ("text|patterns|text|...") and title; it keeps
    // the last file name chosen through it. The chosen path, or nothing when cancelled.
    // (Message boxes and the colour dialog go through DialogService.)
    virtual std::optional<QString> executeOpenDM(const QString& filter, const QString& title) = 0;

    // Writes "изменено" into the fifth status pane and refreshes nothing else.
    virtual void showModifiedInStatusBar() = 0;

    // The picture of ImageList1 with this index, for the toolbar buttons.
    virtual QIcon toolBarImage(int index);
};

// Builds the "Правка", "Вставить" and "HTML" menus, PopupMenu1 and the toolbar buttons of the
// editing commands, and connects them. Call once; the commands live as long as the main window.
void installEditingCommands(EditingHost& host);
