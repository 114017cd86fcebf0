#include "app/HistoryMenu.h"
#include "app/IniFile.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using varlo::HistoryMenu;
using varlo::IniFile;

namespace {

QStringList letters(const QString& s) {
    QStringList out;
    for (QChar c : s)
        out << QString(c);
    return out;
}

TEST(HistoryMenu, StripAmpersandUndoesTheCaption) {
    const struct {
        const char* caption;
        const char* path;
    } rows[] = {
        {"/home/a.html", "/home/a.html"},
        {"/home/&a.html", "/home/a.html"}, // a lone mark is dropped
        {"/x/R&&D.html", "/x/R&D.html"},
        {"&&&&", "&&"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(HistoryMenu::StripAmpersand(QString::fromUtf8(r.caption)),
                  QString::fromUtf8(r.path))
            << r.caption;
    const QString odd = QStringLiteral("/tmp/Мои & файлы/R&D &&.html");
    EXPECT_EQ(HistoryMenu::StripAmpersand(HistoryMenu::captionFor(odd)), odd);
}

TEST(HistoryMenu, PushMovesToTopAndDropsTheOldest) {
    QMenu menu;
    HistoryMenu h(&menu);
    for (const QString& p : letters(QStringLiteral("ABC")))
        h.PushHistory(p);
    EXPECT_EQ(h.paths(), letters(QStringLiteral("CBA")));
    h.PushHistory(QStringLiteral("A"));
    EXPECT_EQ(h.paths(), letters(QStringLiteral("ACB")));
    h.PushHistory(QStringLiteral("A")); // already at the top
    EXPECT_EQ(h.paths(), letters(QStringLiteral("ACB")));
    h.PushHistory(QStringLiteral("a")); // letter case counts
    EXPECT_EQ(h.paths(), letters(QStringLiteral("aACB")));
    for (const QString& p : letters(QStringLiteral("DEFGHIJ")))
        h.PushHistory(p);
    EXPECT_EQ(h.paths(), letters(QStringLiteral("JIHGFEDaAC")));
    h.PushHistory(QStringLiteral("K"));
    EXPECT_EQ(h.paths(), letters(QStringLiteral("KJIHGFEDaA")));
    EXPECT_EQ(h.count(), 10);
}

TEST(HistoryMenu, EveryEntryOpensWhatItShowsWithAmpersandsIntact) {
    QMenu menu;
    HistoryMenu h(&menu);
    QStringList chosen;
    h.onChosen = [&](const QString& p) { chosen << p; };
    h.PushHistory(QStringLiteral("/tmp/R&D.html"));
    h.PushHistory(QStringLiteral("/tmp/b.html"));
    // Slots keep their place while the captions move: the bottom slot now shows the first path.
    menu.actions()[1]->trigger();
    menu.actions()[0]->trigger();
    EXPECT_EQ(chosen,
              (QStringList{QStringLiteral("/tmp/R&D.html"), QStringLiteral("/tmp/b.html")}));
    EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("/tmp/R&&D.html"));
}

// A long path shows with its middle left out; the entry still opens, and stores, the whole path.
TEST(HistoryMenu, LongPathsAreShortenedInTheCaptionOnly) {
    QTemporaryDir dir;
    const QString longPath = QStringLiteral("/home/user/") + QString(300, QLatin1Char('d')) +
                             QStringLiteral("/R&D/page.html");
    QMenu menu;
    HistoryMenu h(&menu);
    QStringList chosen;
    h.onChosen = [&](const QString& p) { chosen << p; };
    h.PushHistory(longPath);
    h.PushHistory(QStringLiteral("/tmp/short.html"));
    QAction* entry = menu.actions()[1];
    EXPECT_EQ(entry->text(), QStringLiteral("/home/user/") + QString(28, QLatin1Char('d')) +
                                 QChar(0x2026) + QString(26, QLatin1Char('d')) +
                                 QStringLiteral("/R&&D/page.html"));
    EXPECT_EQ(entry->toolTip(), longPath);
    EXPECT_EQ(entry->statusTip(), longPath);
    EXPECT_EQ(menu.actions()[0]->text(), QStringLiteral("/tmp/short.html"));
    entry->trigger();
    EXPECT_EQ(chosen, QStringList{longPath});

    IniFile ini(dir.filePath(QStringLiteral("history.ini")));
    h.write(ini);
    QMenu again;
    HistoryMenu loaded(&again);
    IniFile stored(dir.filePath(QStringLiteral("history.ini")));
    loaded.load(stored);
    EXPECT_EQ(loaded.paths(), (QStringList{QStringLiteral("/tmp/short.html"), longPath}));
}

TEST(HistoryMenu, LoadCreatesTheFileOrReadsTheNonEmptyKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.ini"));
    {
        QMenu menu;
        HistoryMenu h(&menu);
        IniFile ini(path);
        h.load(ini);
        EXPECT_EQ(h.count(), 0);
        EXPECT_FALSE(menu.menuAction()->isEnabled());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QByteArray expected("[History]\r\n");
        for (int n = 1; n <= 10; ++n)
            expected += "Open_" + QByteArray::number(n) + "=\r\n";
        EXPECT_EQ(f.readAll(), expected);
    }
    {
        IniFile ini(path);
        ini.writeString("History", "Open_1", "/a.html");
        ini.writeString("History", "Open_3", "/\xcf\xe0\xef\xea\xe0/c.html"); // Windows-1251
        ini.writeString("History", "Open_5", "/\xd0\x9f/e.html");             // UTF-8
        ini.writeString("History", "Open_9", "/nine.html");
        QMenu menu;
        HistoryMenu h(&menu);
        IniFile again(path);
        h.load(again);
        EXPECT_TRUE(menu.menuAction()->isEnabled());
        EXPECT_EQ(h.paths(),
                  (QStringList{QStringLiteral("/a.html"), QStringLiteral("/Папка/c.html"),
                               QStringLiteral("/П/e.html"), QStringLiteral("/nine.html")}));
        // Quitting after four were loaded and two added writes keys 1 to 6 and leaves the rest.
        h.PushHistory(QStringLiteral("/x.html"));
        h.PushHistory(QStringLiteral("/Ё&.html"));
        h.write(again);
        const IniFile written(path);
        EXPECT_EQ(written.readString("History", "Open_1"), "/\xa8&.html");
        EXPECT_EQ(written.readString("History", "Open_2"), "/x.html");
        EXPECT_EQ(written.readString("History", "Open_6"), "/nine.html");
        EXPECT_EQ(written.readString("History", "Open_9"), "/nine.html");
        EXPECT_EQ(written.readString("History", "Open_10"), "");
    }
}

TEST(HistoryMenu, LoadThrowsWhenTheFolderIsMissing) {
    QTemporaryDir dir;
    QMenu menu;
    HistoryMenu h(&menu);
    IniFile ini(dir.filePath(QStringLiteral("Fails/history.ini")));
    EXPECT_THROW(h.load(ini), varlo::IniWriteError);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
}

} // namespace
