#pragma once

// The "История" submenu: up to ten recent paths, newest first, kept in the menu's entries while
// the program runs and in the "History" section of a profile file between runs.
//
// An entry's caption is the menu text of its path: Qt reads "&" in menu texts as the accelerator
// mark, so every "&" of the path is doubled there, and StripAmpersand turns the caption back into
// the path. A path with "&" in it therefore opens that same file. A long path shows with its
// middle left out (the whole path is the entry's tooltip and status tip); the entry keeps the
// whole path itself, and that is what it opens and what is stored.

#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

namespace varlo {

class IniFile;

class HistoryMenu {
public:
    static constexpr int kMaxEntries = 10;

    explicit HistoryMenu(QMenu* menu);

    // The caption without its accelerator mark: a lone "&" is dropped, "&&" stands for "&".
    static QString StripAmpersand(const QString& caption);
    // The caption that shows the path as it is, its middle left out when it is longer than
    // kMaxCaption characters.
    static QString captionFor(const QString& path);
    static constexpr int kMaxCaption = 80;

    // Disables the submenu, then appends the non-empty values of Open_1 .. Open_10 in that order
    // when the file exists; otherwise creates the file with the ten keys empty (which throws
    // IniWriteError when its folder is missing).
    void load(IniFile& ini);
    // Moves the path to the top: an entry holding it moves up, else the oldest entry is dropped
    // when the list is full, else a new entry is added.
    void PushHistory(const QString& path);
    // Writes Open_1 .. Open_n, one key per entry; the keys above n stay as they are.
    void write(IniFile& ini) const;

    QStringList paths() const;
    int count() const;
    QMenu* menu() const { return menu_; }

    // Runs when an entry is chosen, with the entry's path (NclickM).
    std::function<void(const QString& path)> onChosen;

private:
    QAction* appendEntry(const QString& path);
    static void show(QAction* entry, const QString& path);
    static QString pathOf(const QAction* entry);

    QMenu* menu_;
};

} // namespace varlo
