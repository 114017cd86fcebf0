#include "tests/support/ScriptedDialogs.h"
#include "app/IniFile.h"
#include "app/TAdvPageControl.h"
#include "app/TAdvTabSheet.h"
#include "app/Unit1.h"
#include "editor/widget/TSynMemo.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

using varlo::DialogService;
using varlo::IniFile;
using varlo::StartOptions;
using varlo::TForm1;
using varlo::TSynMemo;
using B = DialogService::Button;

namespace {

class Form : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        fails_ = dir_.filePath(QStringLiteral("Fails"));
        QDir().mkpath(fails_);
    }

    std::unique_ptr<TForm1> start(QStringList args = {}) {
        StartOptions o;
        o.failsDir = fails_;
        o.arguments = std::move(args);
        return std::make_unique<TForm1>(o);
    }

    QString file(const QString& name, const QByteArray& bytes = "line\r\n") {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static QStringList captions(const TForm1& w) {
        QStringList out;
        for (int i = 0; i < w.AdvPageControl1->PageCount(); ++i)
            out << w.AdvPageControl1->Page(i)->Caption();
        return out;
    }

    static void edit(TForm1& w, const char* text = "x") {
        w.ActiveEditor()->model().setSelectedText(text);
    }

    static void open(TForm1& w, const QString& path) {
        w.CurrentFileName = path;
        w.OpenDocument();
    }

    static QString pane(const TForm1& w, int n) { return w.RzStatusPane[n - 1]->text(); }

    QTemporaryDir dir_;
    QString fails_;
    ScriptedDialogs dialogs_;
};

TEST_F(Form, FirstStartShowsOneEmptyPageAndRecordsTheHandle) {
    auto w = start();
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 1"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Varlo - страница 1"));
    EXPECT_EQ(captions(*w), QStringList{QStringLiteral("страница 1 ")});
    EXPECT_EQ(w->ActiveEditor(), w->SynMemo1);
    EXPECT_EQ(w->SynMemo1->objectName(), QStringLiteral("SynMemo1"));
    EXPECT_EQ(w->SynMemo1->Tag(), 1);
    EXPECT_EQ(w->PathList, QStringList{QString()});
    EXPECT_EQ(w->NextPageNumber, 1);
    EXPECT_EQ(pane(*w, 1), QStringLiteral("Всего символов  0  "));
    EXPECT_EQ(pane(*w, 2), QStringLiteral("Выделеные символы  0  "));
    EXPECT_EQ(pane(*w, 3), QStringLiteral("Количество строк  0  "));
    EXPECT_EQ(pane(*w, 4), QStringLiteral("Символов на строке  0  "));
    EXPECT_EQ(pane(*w, 5), QString());
    EXPECT_EQ(IniFile(fails_ + QStringLiteral("/handle.ini")).readInteger("Program", "Handle"),
              static_cast<qint64>(w->winId()));
    EXPECT_TRUE(QFile::exists(fails_ + QStringLiteral("/history.ini")));
    EXPECT_FALSE(w->N185->menuAction()->isEnabled());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(Form, MenusAndToolbarAreLaidOutAsDesigned) {
    auto w = start();
    QStringList top;
    for (QAction* a : w->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"Файл", "Правка", "Вставить", "HTML", "Сервис", "Справка"}));
    QStringList file;
    for (QAction* a : w->N_File->actions())
        file << (a->isSeparator() ? QStringLiteral("-")
                                  : a->text() + QLatin1Char('|') + a->shortcut().toString());
    EXPECT_EQ(file, (QStringList{"Новый|Ctrl+N", "Открыть...|Ctrl+O", "Сохранить...|Ctrl+S",
                                 "Сохранить как...|Ctrl+Shift+S", "-", "Закрыть всё|",
                                 "Закрыть всё, кроме активного|", "Закрыть всё, не сохраняя...|",
                                 "-", "История|", "-", "Выход|Alt+X"}));
    EXPECT_EQ(w->N_File->actions()[9], w->N185->menuAction());

    QStringList buttons;
    for (QAction* a : w->RzToolbar1->actions())
        buttons << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
    const QStringList expected{"Новый файл",
                               "Открыть",
                               "Сохранить",
                               "Сохранить как",
                               "Выход",
                               "|",
                               "Отмена",
                               "Возвратить",
                               "|",
                               "Полужирный",
                               "Курсив",
                               "Подчёркнутый",
                               "Зачёркнутый ",
                               "|",
                               "Перевод строки",
                               "|",
                               "Просмотреть в браузере. Для этого сначла надо сохранить",
                               "|",
                               "Подсветка кода"};
    EXPECT_EQ(buttons, expected);
}

TEST_F(Form, CommandLineFileFillsPageOneAndAMissingOneIsIgnored) {
    const QString path = file(QStringLiteral("Мой файл & co.html"), "a\r\nbc\n");
    auto w = start({path, QStringLiteral("ignored")});
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - Мой файл & co.html"));
    EXPECT_EQ(captions(*w), QStringList{QStringLiteral("Мой файл & co.html ")});
    EXPECT_EQ(w->SynMemo1->model().lineCount(), 2);
    EXPECT_EQ(w->PathList, QStringList{path});
    EXPECT_EQ(w->History().paths(), QStringList{path});
    EXPECT_EQ(pane(*w, 1), QStringLiteral("Всего символов  5  "));
    EXPECT_FALSE(w->SynMemo1->model().isModified());

    auto missing = start({dir_.filePath(QStringLiteral("nothing.html"))});
    EXPECT_EQ(missing->Title(), QStringLiteral("Varlo - страница 1"));
    EXPECT_EQ(missing->PathList, QStringList{QString()});
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

// A data folder that takes no files costs the history and the handle record, and the user is
// told so once, in words; the rest of the start goes on.
TEST_F(Form, MissingDataFolderIsToldOnceAndTheStartGoesOn) {
    QDir(fails_).removeRecursively();
    dialogs_.answers = {B::Ok};
    auto w = start({file(QStringLiteral("a.html"))});
    EXPECT_TRUE(dialogs_.messages.isEmpty()) << "the box waits for the window";
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("Warning"));
    EXPECT_TRUE(dialogs_.messages[0].text.contains(fails_))
        << dialogs_.messages[0].text.toStdString();
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - a.html"));
    EXPECT_EQ(w->SynMemo1->model().lineCount(), 1);
    EXPECT_FALSE(QFile::exists(fails_ + QStringLiteral("/handle.ini")));
    // Quitting cannot write the handle either; nothing more is said and the window closes.
    EXPECT_TRUE(w->close());
    EXPECT_EQ(dialogs_.messages.size(), 1);
}

TEST_F(Form, PageNumbersGrowAndAreNeverReused) {
    auto w = start();
    for (int i = 0; i < 3; ++i)
        w->NewPage();
    EXPECT_EQ(captions(*w),
              (QStringList{"страница 1 ", "страница 2 ", "страница 3 ", "страница 4 "}));
    EXPECT_EQ(w->ActiveEditor()->objectName(), QStringLiteral("SynMemo4"));
    EXPECT_EQ(w->ActiveEditor()->Tag(), 4);
    EXPECT_EQ(w->PathList.size(), 4);
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 4"));

    w->AdvPageControl1->setActivePageIndex(1);
    w->AdvPageControl1->closeRequest(); // page 2, unchanged, closes
    w->NewPage();
    EXPECT_EQ(captions(*w),
              (QStringList{"страница 1 ", "страница 3 ", "страница 4 ", "страница 5 "}));
    EXPECT_EQ(w->PathList.size(), 5);

    // The user picking page 1's tab names it in the title, trailing blank included, and refreshes
    // the status bar for it.
    edit(*w, "abc");
    w->AdvPageControl1->setCurrentIndex(0);
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 1 "));
    EXPECT_EQ(pane(*w, 1), QStringLiteral("Всего символов  0  "));
    EXPECT_EQ(pane(*w, 5), QString());
}

TEST_F(Form, OpenDocumentChoosesThePage) {
    const QString a = file(QStringLiteral("a.html"));
    const QString b = file(QStringLiteral("b.html"));
    auto w = start();
    open(*w, a); // fresh page 1 takes it
    EXPECT_EQ(captions(*w), QStringList{"a.html "});
    EXPECT_EQ(w->PathList, QStringList{a});
    open(*w, b); // page 1 has a path: a new page
    EXPECT_EQ(captions(*w), (QStringList{"a.html ", "b.html "}));
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - b.html"));

    w->N5Click();
    edit(*w);
    const QString c = file(QStringLiteral("c.html"));
    open(*w, c); // the new page has changes: another page
    EXPECT_EQ(captions(*w), (QStringList{"a.html ", "b.html ", "страница 3 ", "c.html "}));

    // Already open: activated, nothing loaded, moved to the top of the history.
    open(*w, a);
    EXPECT_EQ(w->AdvPageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - a.html "));
    EXPECT_EQ(w->PathList.size(), 4);
    EXPECT_EQ(w->ActiveEditor()->model().lineCount(), 1);
    EXPECT_EQ(w->History().paths(), (QStringList{a, c, b}));

    // Another letter case is another file for this check.
    const QString upper = file(QStringLiteral("A.html"));
    open(*w, upper);
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 5);
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

// A file that cannot be read changes nothing: no page is made or renamed for it, the title and
// the status bar stay with the page that was active.
TEST_F(Form, UnreadableFilesAreReportedAndChangeNothing) {
    const QString unreadable = file(QStringLiteral("locked.html"));
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    const bool canLock = !QFile(unreadable).open(QIODevice::ReadOnly);
    auto w = start();
    QStringList bad = {dir_.filePath(QStringLiteral("gone.html")), dir_.path()};
    if (canLock)
        bad << unreadable;
    for (const QString& path : bad) {
        SCOPED_TRACE(path.toStdString());
        dialogs_.answers = {B::Ok};
        w->NclickM(path);
        EXPECT_EQ(dialogs_.messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 1"));
        EXPECT_EQ(captions(*w), QStringList{"страница 1 "});
    }
    EXPECT_EQ(w->PathList, QStringList{QString()});
    EXPECT_EQ(w->History().count(), 0);

    // With a page that has a path, a failed open makes no page either.
    const QString a = file(QStringLiteral("a.html"), "12345\r\n");
    open(*w, a);
    dialogs_.answers = {B::Ok};
    w->NclickM(bad[0]);
    EXPECT_EQ(captions(*w), QStringList{"a.html "});
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - a.html"));
    EXPECT_EQ(pane(*w, 1), QStringLiteral("Всего символов  5  "));
    EXPECT_EQ(w->PathList, QStringList{a});
    EXPECT_EQ(w->History().paths(), QStringList{a});
}

TEST_F(Form, SavingRules) {
    const QString a = file(QStringLiteral("a.html"), "one\ntwo");
    auto w = start({a});
    edit(*w, "zero ");
    w->N6Click(); // a page with a path writes silently
    EXPECT_EQ(read(a), QByteArray("zero one\r\ntwo\r\n"));
    EXPECT_TRUE(dialogs_.fileRequests.isEmpty());
    EXPECT_EQ(pane(*w, 5), QString());
    EXPECT_FALSE(w->ActiveEditor()->model().isModified());

    // Save as writes under the new name only and leaves the history alone.
    const QString b = dir_.filePath(QStringLiteral("b.htm"));
    edit(*w, "!");
    dialogs_.fileAnswers = {b};
    w->N7Click();
    EXPECT_EQ(read(a), QByteArray("zero one\r\ntwo\r\n"));
    EXPECT_EQ(read(b), QByteArray("zero !one\r\ntwo\r\n"));
    EXPECT_EQ(w->PathList, QStringList{b});
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - b.htm"));
    EXPECT_EQ(captions(*w), QStringList{"b.htm "});
    EXPECT_EQ(w->History().paths(), QStringList{a});
    EXPECT_EQ(dialogs_.fileRequests.last().defaultExt, QStringLiteral("1"));
    EXPECT_TRUE(dialogs_.fileRequests.last().overwritePrompt);
    EXPECT_TRUE(w->SaveDialog1.FileName.isEmpty());

    // A new page: Save asks; cancelling writes nothing and shows the page as changed.
    w->N5Click();
    edit(*w);
    dialogs_.fileAnswers = {std::nullopt};
    w->N6Click();
    EXPECT_EQ(pane(*w, 5), QStringLiteral("изменено"));
    EXPECT_EQ(w->PathList.last(), QString());

    // A failed write keeps the page changed, its path and caption as they were, and the name
    // chosen for the next try.
    const QString nowhere = dir_.filePath(QStringLiteral("no/such/c.html"));
    dialogs_.fileAnswers = {nowhere};
    dialogs_.answers = {B::Ok};
    w->N7Click();
    EXPECT_EQ(dialogs_.messages.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(w->ActiveEditor()->model().isModified());
    EXPECT_EQ(w->PathList.last(), QString());
    EXPECT_EQ(captions(*w).last(), QStringLiteral("страница 2 "));
    EXPECT_EQ(w->CurrentFileName, nowhere);
    EXPECT_EQ(w->SaveDialog1.FileName, nowhere);
}

TEST_F(Form, CloseButton) {
    auto w = start();
    auto closeActive = [&] { w->AdvPageControl1->closeRequest(); };
    closeActive(); // only page, unchanged: nothing
    EXPECT_EQ(captions(*w), QStringList{"страница 1 "});
    EXPECT_TRUE(dialogs_.messages.isEmpty());

    edit(*w);
    dialogs_.answers = {B::Cancel};
    closeActive();
    EXPECT_EQ(captions(*w), QStringList{"страница 1 "});
    EXPECT_EQ(dialogs_.messages.last().text, QStringLiteral("Сохранить файл \"страница 1 \"?"));

    // Yes, then the Save dialog cancelled: the page and its changes stay.
    dialogs_.answers = {B::Yes};
    dialogs_.fileAnswers = {std::nullopt};
    closeActive();
    EXPECT_EQ(captions(*w), QStringList{"страница 1 "});
    EXPECT_TRUE(w->ActiveEditor()->model().isModified());

    dialogs_.answers = {B::No};
    closeActive(); // replaced by a new empty page with the next number
    EXPECT_EQ(captions(*w), QStringList{"страница 2 "});
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 2"));
    EXPECT_FALSE(w->SkipTitleUpdate);
    // The status bar speaks of the new page, not of the one that was closed.
    EXPECT_EQ(pane(*w, 1), QStringLiteral("Всего символов  0  "));
    EXPECT_EQ(pane(*w, 5), QString());

    // A changed page among several, Yes, with a path: written, closed, the next page active.
    const QString a = file(QStringLiteral("a.html"));
    open(*w, a);
    w->NewPage();
    w->AdvPageControl1->setActivePageIndex(0);
    open(*w, a);
    edit(*w, "new ");
    dialogs_.answers = {B::Yes};
    closeActive();
    EXPECT_EQ(read(a), QByteArray("new line\r\n"));
    EXPECT_EQ(captions(*w), QStringList{"страница 3 "});
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 3 "));
}

TEST_F(Form, CloseAllCommands) {
    auto w = start();
    w->NewPage();
    w->NewPage();
    w->N180Click(); // nothing changed anywhere: pages 3 and 2 close, page 1 stays
    EXPECT_EQ(captions(*w), QStringList{"страница 1 "});
    EXPECT_TRUE(dialogs_.messages.isEmpty());

    w->NewPage();
    w->AdvPageControl1->setActivePageIndex(0);
    edit(*w);
    dialogs_.answers = {B::No};
    w->N180Click(); // page 1 changed, answered No: all go, one new page
    EXPECT_EQ(captions(*w), QStringList{"страница 5 "});

    w->NewPage();
    w->NewPage();
    w->NewPage();
    w->AdvPageControl1->setActivePageIndex(1);
    edit(*w);
    w->N179Click(); // the kept page is the changed one: no prompt
    EXPECT_EQ(captions(*w), QStringList{"страница 6 "});
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 6 "));

    dialogs_.answers = {B::No};
    w->N178Click(); // not confirmed
    EXPECT_EQ(captions(*w), QStringList{"страница 6 "});
    EXPECT_EQ(dialogs_.messages.last().text, QStringLiteral("Закрыть все файлы не сохраняя?"));
    EXPECT_EQ(dialogs_.messages.last().buttons, (QList<B>{B::Yes, B::No}));

    w->NewPage();
    edit(*w);
    dialogs_.answers = {B::Yes};
    const qsizetype before = dialogs_.messages.size();
    w->N178Click(); // every page changed: one new page, no prompt per page
    EXPECT_EQ(captions(*w), QStringList{"страница 10 "});
    EXPECT_EQ(dialogs_.messages.size(), before + 1);
}

TEST_F(Form, CloseAllStopsAtCancelAndAtAFailedSave) {
    auto w = start();
    w->NewPage();
    edit(*w);
    w->NewPage();
    edit(*w);
    dialogs_.answers = {B::No, B::Cancel};
    w->N180Click();
    EXPECT_EQ(captions(*w), (QStringList{"страница 1 ", "страница 2 "}));
    dialogs_.answers = {B::Yes};
    dialogs_.fileAnswers = {std::nullopt};
    w->N180Click();
    EXPECT_EQ(captions(*w), (QStringList{"страница 1 ", "страница 2 "}));
    EXPECT_TRUE(w->ActiveEditor()->model().isModified());
}

TEST_F(Form, QuitAsksFromTheLastPageAndCanBeCancelled) {
    auto w = start();
    edit(*w);
    w->NewPage();
    edit(*w);
    w->NewPage();
    dialogs_.answers = {B::No, B::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_EQ(dialogs_.texts(),
              (QStringList{"Сохранить файл \"страница 2 \"?", "Сохранить файл \"страница 1 \"?"}));
    EXPECT_EQ(captions(*w), QStringList{"страница 1 "});
    EXPECT_NE(IniFile(fails_ + QStringLiteral("/handle.ini")).readInteger("Program", "Handle"), 0);
}

TEST_F(Form, QuitWritesHistoryNewestFirstThenHandleZero) {
    auto w = start();
    const QString a = file(QStringLiteral("a.html")), b = file(QStringLiteral("b&b.html"));
    open(*w, a);
    open(*w, b);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(dialogs_.messages.isEmpty());
    const IniFile history(fails_ + QStringLiteral("/history.ini"));
    EXPECT_EQ(history.readString("History", "Open_1"), b.toStdString());
    EXPECT_EQ(history.readString("History", "Open_2"), a.toStdString());
    EXPECT_EQ(IniFile(fails_ + QStringLiteral("/handle.ini")).readInteger("Program", "Handle", -1),
              0);

    // The next start lists them again, and the entry with "&" opens that very file.
    auto again = start();
    EXPECT_EQ(again->History().paths(), (QStringList{b, a}));
    again->N185->actions()[0]->trigger();
    EXPECT_EQ(again->PathList, QStringList{b});
    EXPECT_TRUE(dialogs_.messages.isEmpty());
}

TEST_F(Form, StatusBarCounts) {
    auto w = start();
    edit(*w, "ab\r\nc");
    EXPECT_EQ(pane(*w, 1), QStringLiteral("Всего символов  5  "));
    EXPECT_EQ(pane(*w, 3), QStringLiteral("Количество строк  2  "));
    EXPECT_EQ(pane(*w, 5), QStringLiteral("изменено"));
    varlo::EditorModel& m = w->ActiveEditor()->model();
    m.setCaret({1, 1});
    w->SynMemo1KeyUp();
    EXPECT_EQ(pane(*w, 4), QStringLiteral("Символов на строке  2  "));
    m.setSelectionBegin({3, 1});
    m.setSelectionEnd({1, 2});
    w->SynMemo1MouseCursor();
    EXPECT_EQ(pane(*w, 2), QStringLiteral("Выделеные символы  2  "));
    m.undo(); // back to the saved (empty) state
    EXPECT_EQ(pane(*w, 5), QString());
}

// A pane is as wide as its text needs, at least as wide as designed: no digit is cut off.
TEST_F(Form, StatusPanesShowTheirWholeText) {
    auto w = start();
    varlo::EditorModel& m = w->ActiveEditor()->model();
    m.setText(std::string(31457280, 'x'));
    m.setCaret({1, 1});
    w->SynMemo1KeyUp();
    w->UpdateTextStats();
    for (int n : {1, 3, 4}) {
        const QLabel* pane = w->RzStatusPane[n - 1];
        EXPECT_GE(pane->width(), pane->fontMetrics().horizontalAdvance(pane->text())) << n;
    }
    EXPECT_EQ(pane(*w, 4), QStringLiteral("Символов на строке  31457280  "));
    EXPECT_EQ(w->RzStatusPane[2]->width(), 139) << "a short text keeps the designed width";
}

TEST_F(Form, HandOffMessages) {
    const QString a = file(QStringLiteral("a.html"));
    auto w = start({a});
    w->WMBringToFront();
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 1);

    w->WMCopyData(a); // already shown: activated, no second copy
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 1);

    // A long path (two folders of 150 characters) is taken whole; one longer than the system
    // opens is refused, never cut.
    const QString folder = QString(150, QLatin1Char('d'));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(folder + QLatin1Char('/') + folder));
    const QString longPath =
        dir_.filePath(folder + QLatin1Char('/') + folder + QStringLiteral("/page.html"));
    ASSERT_GT(longPath.size(), 300);
    file(longPath.mid(dir_.path().size() + 1));
    w->WMCopyData(longPath);
    EXPECT_EQ(w->PathList.last(), longPath);
    EXPECT_EQ(w->ActiveEditor()->model().lineCount(), 1);
    dialogs_.answers = {B::Ok};
    w->WMCopyData(dir_.path() + QLatin1Char('/') +
                  QString(TForm1::kMaxHandOffPath, QLatin1Char('x')));
    EXPECT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 2);
}

// Another program changed the file after the page read it: saving asks, and Cancel keeps both
// the other program's bytes and the page's changes.
TEST_F(Form, SavingOverAFileChangedOnDiskAsksFirst) {
    const QString a = file(QStringLiteral("a.html"), "old\r\n");
    auto w = start({a});
    file(QStringLiteral("a.html"), "other program\n");
    edit(*w, "mine ");
    dialogs_.answers = {B::Cancel};
    w->N6Click();
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_TRUE(dialogs_.messages[0].text.contains(a));
    EXPECT_EQ(dialogs_.messages[0].buttons, (QList<B>{B::Yes, B::Cancel}));
    EXPECT_EQ(read(a), QByteArray("other program\n"));
    EXPECT_TRUE(w->ActiveEditor()->model().isModified());
    EXPECT_EQ(pane(*w, 5), QStringLiteral("изменено"));

    dialogs_.answers = {B::Yes};
    w->N6Click();
    EXPECT_EQ(read(a), QByteArray("mine old\r\n"));
    EXPECT_FALSE(w->ActiveEditor()->model().isModified());
    edit(*w, "!");
    w->N6Click(); // unchanged on disk since this save: no question
    EXPECT_EQ(read(a), QByteArray("mine !old\r\n"));
    EXPECT_EQ(dialogs_.messages.size(), 2);
}

// Coming back to the window: a page without changes may load its file again, a page with
// changes keeps them, a removed file is told once; each change is told once.
TEST_F(Form, ActivationTellsOfFilesChangedOnDisk) {
    const QString clean = file(QStringLiteral("clean.html"), "1\r\n");
    const QString edited = file(QStringLiteral("edited.html"), "2\r\n");
    const QString removed = file(QStringLiteral("removed.html"), "3\r\n");
    auto w = start({clean});
    open(*w, edited);
    edit(*w, "mine ");
    open(*w, removed);
    w->CheckFilesOnDisk();
    EXPECT_TRUE(dialogs_.messages.isEmpty()) << "nothing changed";

    file(QStringLiteral("clean.html"), "1 changed\r\n");
    file(QStringLiteral("edited.html"), "2 changed\r\n");
    ASSERT_TRUE(QFile::remove(removed));
    dialogs_.answers = {B::Yes, B::Ok, B::Ok};
    w->CheckFilesOnDisk();
    ASSERT_EQ(dialogs_.messages.size(), 3);
    EXPECT_EQ(dialogs_.messages[0].buttons, (QList<B>{B::Yes, B::No}));
    EXPECT_TRUE(dialogs_.messages[0].text.contains(clean));
    EXPECT_TRUE(dialogs_.messages[1].text.contains(edited));
    EXPECT_TRUE(dialogs_.messages[2].text.contains(removed));
    auto lineOf = [&](int page) {
        return w->AdvPageControl1->Page(page)->editor()->model().line(0);
    };
    EXPECT_EQ(lineOf(0), "1 changed");
    EXPECT_FALSE(w->AdvPageControl1->Page(0)->editor()->model().isModified());
    EXPECT_EQ(lineOf(1), "mine 2");
    EXPECT_TRUE(w->AdvPageControl1->Page(1)->editor()->model().isModified());
    EXPECT_EQ(lineOf(2), "3");
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 3);

    w->CheckFilesOnDisk();
    EXPECT_EQ(dialogs_.messages.size(), 3) << "each change is told once";

    // The removed file's page saves it anew, without a question.
    w->N6Click();
    EXPECT_EQ(read(removed), QByteArray("3\r\n"));
    EXPECT_EQ(dialogs_.messages.size(), 3);
}

// A question box takes the focus from the editor that is then destroyed; afterwards typing goes
// to the page that stays.
TEST_F(Form, FocusStaysWithTheActivePageAfterClosing) {
    auto w = start();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->NewPage();
    edit(*w);
    w->NewPage();
    w->AdvPageControl1->setActivePageIndex(2);
    w->ActiveEditor()->setFocus();
    dialogs_.whileShown = [] {
        if (QWidget* f = QApplication::focusWidget())
            f->clearFocus();
    };
    dialogs_.answers = {B::No};
    w->N179Click();
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 1);
    EXPECT_EQ(QApplication::focusWidget(), w->ActiveEditor());
}

// The fixed error box keeps its text and carries what the user can act on in its details.
TEST_F(Form, ErrorBoxDetailsNameTheOperationTheFileAndTheReason) {
    auto w = start();
    edit(*w, "keep me");
    const QString nowhere = dir_.filePath(QStringLiteral("no/such/folder/a.html"));
    dialogs_.fileAnswers = {nowhere};
    dialogs_.answers = {B::Ok};
    w->N7Click();
    ASSERT_EQ(dialogs_.messages.size(), 1);
    const DialogService::Message& m = dialogs_.messages[0];
    EXPECT_EQ(m.text,
              QStringLiteral("Возникла ошибка. Сообщите автору\rпрограммы о данной ошибке"));
    EXPECT_TRUE(m.details.startsWith(QStringLiteral("Сохранение файла: ") + nowhere + ": "))
        << m.details.toStdString();
    EXPECT_TRUE(
        m.details.contains(QStringLiteral("Файл на диске не изменён, текст остаётся на странице")));
    EXPECT_EQ(w->ActiveEditor()->model().line(0), "keep me");
    EXPECT_TRUE(w->ActiveEditor()->model().isModified());

    dialogs_.answers = {B::Ok};
    w->NclickM(dir_.filePath(QStringLiteral("gone.html")));
    EXPECT_TRUE(dialogs_.messages[1].details.startsWith(
        QStringLiteral("Чтение файла: ") + dir_.filePath(QStringLiteral("gone.html"))));
}

} // namespace
