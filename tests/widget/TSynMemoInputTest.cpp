#include "WidgetFixture.h"

#include "editor/base/Cp1251.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace varlo;
using namespace varlo::test;

namespace {

// A main window with a menu, the way the program's window holds its editors.
class Window : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QMainWindow>();
        QMenu* file = window->menuBar()->addMenu(QStringLiteral("File"));
        newDoc = file->addAction(QStringLiteral("New"));
        newDoc->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
        memo = new TSynMemo;
        memo->setWantTabs(true);
        memo->model().addLine("abc");
        window->setCentralWidget(memo);
        window->resize(600, 400);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        memo->setFocus();
    }
    std::unique_ptr<QMainWindow> window;
    QAction* newDoc = nullptr;
    TSynMemo* memo = nullptr;
};

TEST_F(Window, MenuShortcutWinsOverTheKeyTable) {
    QSignalSpy triggered(newDoc, &QAction::triggered);
    QTest::keyClick(memo, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(memo->model().lineCount(), 1); // no ecInsertLine
    // A stroke no menu holds reaches the editor: Ctrl+T deletes the word.
    QTest::keyClick(memo, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(memo->model().line(0), "");
}

TEST_F(Window, TypingConvertsToTheCodePage) {
    QSignalSpy changes(memo, &TSynMemo::OnChange);
    // QTest only spells ASCII; other characters arrive as key events with their text.
    auto typeText = [&](const QString& text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(memo, &press);
    };
    typeText(QStringLiteral("ж"));
    QTest::keyClick(memo, Qt::Key_X);
    typeText(QStringLiteral("中"));
    EXPECT_EQ(memo->model().line(0), std::string("\xE6x") + "abc");
    EXPECT_EQ(changes.count(), 2);
    QSignalSpy keyUps(memo, &TSynMemo::OnKeyUp);
    QTest::keyClick(memo, Qt::Key_Left);
    EXPECT_EQ(keyUps.count(), 1);
}

TEST_F(Window, ShiftedDigitsSetBookmarks) {
    // Shift+Ctrl+1 arrives as the key of "!" on the usual layouts.
    QTest::keyClick(memo, Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_TRUE(memo->model().bookmark(1).has_value());
    EXPECT_EQ(memo->model().bookmark(1)->line, 1);
    QTest::keyClick(memo, Qt::Key_1, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_FALSE(memo->model().bookmark(1).has_value()); // the same line: removed again
}

TEST_F(Window, TabAndEnterAreCommands) {
    QTest::keyClick(memo, Qt::Key_End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(memo->model().lineCount(), 2);
    EXPECT_EQ(memo->model().line(1), "   "); // to the column after "abc" above
    EXPECT_TRUE(memo->hasFocus());
    QTest::keyClick(memo, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(memo->model().line(1), "");
}

TEST_F(Window, MouseClickShiftClickDoubleClickAndRightClick) {
    memo->model().putLine(0, "one two three");
    QWidget* vp = memo->viewport();
    auto at = [&](int line, int column) {
        return memo->pointOf({column, line}) + QPoint(1, memo->lineHeight() / 2);
    };
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, at(1, 5));
    EXPECT_EQ(memo->model().caret(), (Position{5, 1}));
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, at(1, 8));
    EXPECT_EQ(memo->model().selectedText(), "two");
    QTest::mouseClick(vp, Qt::RightButton, Qt::NoModifier, at(1, 12));
    EXPECT_EQ(memo->model().selectedText(), "two");
    QTest::mouseDClick(vp, Qt::LeftButton, Qt::NoModifier, at(1, 10));
    EXPECT_EQ(memo->model().selectedText(), "three");
    // Past the line end the caret goes into free space.
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, at(1, 20));
    EXPECT_EQ(memo->model().caret(), (Position{20, 1}));
    // A click in the gutter puts the caret on that line.
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, QPoint(2, memo->lineHeight() / 2));
    EXPECT_EQ(memo->model().caret(), (Position{1, 1}));
}

TEST_F(Window, DragAndDropMovesTheSelectionAsOneStep) {
    memo->model().putLine(0, "one two three");
    QWidget* vp = memo->viewport();
    auto at = [&](int column) {
        return memo->pointOf({column, 1}) + QPoint(1, memo->lineHeight() / 2);
    };
    memo->model().setCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, at(6));
    QTest::mouseMove(vp, at(10));
    QTest::mouseMove(vp, at(14));
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, at(14));
    EXPECT_EQ(memo->model().line(0), "one  threetwo");
    memo->model().undo();
    EXPECT_EQ(memo->model().line(0), "one two three");
}

TEST_F(Window, ScrollHintShowsTheTopLine) {
    for (int i = 0; i < 200; ++i)
        memo->model().addLine("x");
    QCoreApplication::processEvents(); // the scroll bars follow a batch of lines
    QScrollBar* bar = memo->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(41);
    EXPECT_EQ(memo->scrollHintText(), QStringLiteral("Top Line: 42"));
    bar->setSliderDown(false);
    EXPECT_EQ(memo->topLine(), 42);
}

TEST_F(Window, ContextMenuAndWheel) {
    for (int i = 0; i < 200; ++i)
        memo->model().addLine("x");
    QCoreApplication::processEvents();
    QMenu popup;
    popup.addAction(QStringLiteral("Item"));
    memo->setPopupMenu(&popup);
    const QPoint inside(memo->textStart() + 20, 5);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, inside,
                                memo->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(memo->viewport(), &menuEvent);
    EXPECT_TRUE(popup.isVisible());
    popup.hide();
    EXPECT_EQ(memo->model().caret(), (Position{1, 1}));
    QWheelEvent wheel(inside, memo->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo->viewport(), &wheel);
    EXPECT_EQ(memo->topLine(), 7); // three lines per notch
    EXPECT_EQ(memo->model().caret(), (Position{1, 1}));
}

TEST_F(Window, AccessibleText) {
    memo->model().addLine("de");
    memo->model().setCaretAndSelection({2, 2}, {2, 1}, {2, 2});
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(memo);
    ASSERT_NE(a, nullptr);
    QAccessibleTextInterface* t = a->textInterface();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->characterCount(), 7);
    EXPECT_EQ(t->text(0, 7), QStringLiteral("abc\r\nde"));
    EXPECT_EQ(t->cursorPosition(), 6);
    int from = 0;
    int to = 0;
    ASSERT_EQ(t->selectionCount(), 1);
    t->selection(0, &from, &to);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 6);
    EXPECT_EQ(t->textAtOffset(6, QAccessible::LineBoundary, &from, &to), QStringLiteral("de"));
    EXPECT_EQ(from, 5);
    EXPECT_EQ(to, 7);
    t->setCursorPosition(2);
    EXPECT_EQ(memo->model().caret(), (Position{3, 1}));
}

} // namespace
