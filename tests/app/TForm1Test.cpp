#include "tests/support/ScriptedDialogs.h"
#include "app/IniFile.h"
#include "app/TAdvPageControl.h"
#include "app/TAdvTabSheet.h"
#include "app/Unit1.h"
#include "editor/widget/TSynMemo.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
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

TEST_F(Form, MissingDataFolderReportsAndSkipsTheRestOfTheStart) {
    QDir(fails_).removeRecursively();
    dialogs_.answers = {B::Ok};
    auto w = start({file(QStringLiteral("a.html"))});
    ASSERT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(dialogs_.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(w->Title(), QStringLiteral("Varlo - страница 1"));
    EXPECT_EQ(w->SynMemo1->model().lineCount(), 0);
    EXPECT_FALSE(QFile::exists(fails_ + QStringLiteral("/handle.ini")));
    // Quitting cannot write the handle either; the window still closes.
    dialogs_.answers = {B::Ok};
    EXPECT_TRUE(w->close());
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

TEST_F(Form, UnreadableFilesAreReportedAndNotRemembered) {
    auto w = start();
    for (const QString& bad : {dir_.filePath(QStringLiteral("gone.html")), dir_.path()}) {
        dialogs_.answers = {B::Ok};
        w->NclickM(bad);
        EXPECT_EQ(dialogs_.messages.last().caption, QStringLiteral("Error"));
        EXPECT_EQ(w->Title(), QStringLiteral("Varlo - ") + TForm1::fileNameOf(bad));
    }
    // The first failure used page 1, which keeps no path, so the second used it again.
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 1);
    EXPECT_EQ(w->PathList, QStringList{QString()});
    EXPECT_EQ(w->History().count(), 0);
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

TEST_F(Form, HandOffMessages) {
    const QString a = file(QStringLiteral("a.html"));
    auto w = start({a});
    w->WMBringToFront();
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 1);

    w->WMCopyData(a); // already shown: activated, no second copy
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 1);

    // A 255-character path is taken whole; a longer one is refused, never cut.
    QString name255 = dir_.path() + QLatin1Char('/');
    name255 += QString(255 - name255.size() - 5, QLatin1Char('n')) + QStringLiteral(".html");
    ASSERT_EQ(name255.size(), 255);
    file(TForm1::fileNameOf(name255));
    w->WMCopyData(name255);
    EXPECT_EQ(w->PathList.last(), name255);
    dialogs_.answers = {B::Ok};
    w->WMCopyData(name255 + QStringLiteral("x"));
    EXPECT_EQ(dialogs_.messages.size(), 1);
    EXPECT_EQ(w->AdvPageControl1->PageCount(), 2);
}

} // namespace
