// The tag completion popup in the program's own window: typed through a real editor on the
// offscreen platform, with the 100 ms timer fired by hand instead of waited for.

#include "app/TAdvPageControl.h"
#include "app/Unit1.h"
#include "editor/widget/TSynCompletionForm.h"
#include "editor/widget/TSynCompletionProposal.h"
#include "editor/widget/TSynMemo.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace varlo;

namespace {

class Popup : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        StartOptions o;
        o.failsDir = dir_.path();
        w = std::make_unique<TForm1>(o);
        w->move(40, 40);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        teg = w->HtmlTEG.get();
        teg->applicationActive = [this] { return active; };
        memo = w->ActiveEditor();
        memo->setFocus();
    }

    // Keys as the user presses them; '\n', '\t' and '\b' stand for Enter, Tab and Backspace.
    // While the list is open it has the keyboard, so the keys go to it.
    void press(const QString& keys) {
        for (const QChar c : keys) {
            QWidget* target = teg->isOpen() ? static_cast<QWidget*>(teg->Form()->list()) : memo;
            if (c == u'\n')
                QTest::keyClick(target, Qt::Key_Return);
            else if (c == u'\t')
                QTest::keyClick(target, Qt::Key_Tab);
            else if (c == u'\b')
                QTest::keyClick(target, Qt::Key_Backspace);
            else {
                QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(target, &down);
            }
        }
    }
    void pause() {
        ASSERT_TRUE(teg->Timer().isActive());
        teg->TimerExpired();
    }
    std::string line() const { return memo->model().line(memo->model().caret().line - 1); }

    QTemporaryDir dir_;
    std::unique_ptr<TForm1> w;
    TSynCompletionProposal* teg = nullptr;
    TSynMemo* memo = nullptr;
    bool active = true;
};

TEST_F(Popup, OnlyAPauseRightAfterTheTriggerOpensTheList) {
    press(QStringLiteral("<"));
    EXPECT_EQ(teg->Timer().interval(), 100);
    EXPECT_TRUE(teg->Timer().isSingleShot());
    press(QStringLiteral("b"));
    EXPECT_FALSE(teg->Timer().isActive()); // the second key came within the interval
    EXPECT_FALSE(teg->isOpen());
    // A caret move stops it too.
    press(QStringLiteral("<"));
    EXPECT_TRUE(teg->Timer().isActive());
    QTest::keyClick(memo, Qt::Key_Left);
    EXPECT_FALSE(teg->Timer().isActive());
    // While another application is active the timer opens nothing.
    press(QStringLiteral("<"));
    active = false;
    teg->TimerExpired();
    EXPECT_FALSE(teg->isOpen());
    EXPECT_EQ(line(), "<b<<");
}

TEST_F(Popup, APauseListsEveryTagInBoldBelowTheCaret) {
    memo->model().setSelectedText("  ");
    press(QStringLiteral("<"));
    pause();
    ASSERT_TRUE(teg->isOpen());
    EXPECT_EQ(teg->rowCount(), 145);
    EXPECT_EQ(teg->selectedRow(), 0);
    EXPECT_EQ(teg->CurrentString(), "");
    EXPECT_EQ(teg->CompletionStart(), 4);
    TSynCompletionForm* form = teg->Form();
    // The rows carry their plain text (what a screen reader reads); the style commands are
    // not shown.
    EXPECT_EQ(form->rowText(0), QStringLiteral("<a>"));
    EXPECT_EQ(form->rowText(73), QStringLiteral("<img src=\"\">"));
    EXPECT_EQ(form->rowText(98), QStringLiteral("</option> "));
    EXPECT_EQ(form->rowText(144), QStringLiteral("</var>"));
    // Left edge at the caret, top just below the caret line, 260 pixels by 8 rows.
    const QPoint caret = memo->viewport()->mapToGlobal(memo->pointOf(memo->model().caret()));
    EXPECT_EQ(form->geometry().topLeft(), QPoint(caret.x(), caret.y() + memo->lineHeight()));
    EXPECT_EQ(form->size(), form->sizeFor(260, 8));
    EXPECT_EQ(form->visibleRows(), 8);
    EXPECT_TRUE(form->isWindow());
    // A screen reader finds the list among the editor's children, its rows as list items.
    QAccessibleInterface* editor = QAccessible::queryAccessibleInterface(memo);
    QAccessibleInterface* window = editor->child(editor->childCount() - 1);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->object(), form);
    EXPECT_EQ(window->parent()->object(), memo);
    QAccessibleInterface* list = window->child(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    QAccessibleInterface* firstRow = list->child(0);
    ASSERT_NE(firstRow, nullptr);
    EXPECT_EQ(firstRow->role(), QAccessible::ListItem);
    EXPECT_EQ(firstRow->text(QAccessible::Name), QStringLiteral("<a>"));
    QTest::keyClick(form->list(), Qt::Key_Escape);
    EXPECT_EQ(editor->indexOfChild(window), -1);
}

struct Typing {
    const char* name;
    QString keys; // after '<' and the pause
    std::string line;
    bool open;
    int rows; // while open
};

class PopupTyping : public Popup, public testing::WithParamInterface<Typing> {};

TEST_P(PopupTyping, LeavesTheLine) {
    const Typing& t = GetParam();
    press(QStringLiteral("<"));
    pause();
    press(t.keys);
    EXPECT_EQ(line(), t.line);
    EXPECT_EQ(teg->isOpen(), t.open);
    if (t.open) {
        EXPECT_EQ(teg->rowCount(), t.rows);
    }
    EXPECT_EQ(memo->model().selectionAvailable(), false);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PopupTyping,
    testing::Values(
        Typing{"SlashKeepsTheClosingTags", QStringLiteral("/"), "</", true, 68},
        Typing{"SlashThenEnter", QStringLiteral("/\n"), "</a>", false, 0},
        Typing{"NoMatchKeepsTheWindowEmpty", QStringLiteral("x"), "<x", true, 0},
        Typing{"NoMatchEnterReplacesNothing", QStringLiteral("x\n"), "<x", false, 0},
        Typing{"Tab", QStringLiteral("h1\t"), "<h1>", false, 0},
        Typing{"EnterAfterAPrefix", QStringLiteral("ta\n"), "<table>", false, 0},
        Typing{"LetterCaseIsIgnored", QStringLiteral("TA\n"), "<table>", false, 0},
        Typing{"SpaceCompletesAndIsTyped", QStringLiteral("b "), "<b> ", false, 0},
        Typing{"ParenthesisCompletesAtTheCaret", QStringLiteral("b("), "<b>(", false, 0},
        Typing{"TriggerCompletesAndReopens", QStringLiteral("b<"), "<b><", true, 145},
        Typing{"BackspaceOnAnEmptyStringCloses", QStringLiteral("\b"), "", false, 0},
        Typing{"BackspaceShortensTheString", QStringLiteral("ta\b"), "<t", true, 8},
        Typing{"CyrillicLetterIsTypedAndCloses", QStringLiteral("ж"), "<\xE6", false, 0},
        Typing{"BraceIsTypedAndCloses", QStringLiteral("{"), "<{", false, 0}),
    [](const testing::TestParamInfo<Typing>& info) { return std::string(info.param.name); });

TEST_F(Popup, CompletingReplacesTheRestOfTheWordAndIsOneUndoStep) {
    memo->model().setSelectedText("able");
    memo->model().setCaret({1, 1});
    press(QStringLiteral("<"));
    pause();
    press(QStringLiteral("t\n"));
    EXPECT_EQ(line(), "<table>");
    EXPECT_EQ(memo->model().caret().column, 8);
    memo->CommandProcessor(ecUndo);
    EXPECT_EQ(line(), "<table");
    EXPECT_EQ(memo->model().selectedText(), "table"); // the typed prefix and the word are back
    memo->CommandProcessor(ecRedo);
    EXPECT_EQ(line(), "<table>");
}

TEST_F(Popup, ListKeysMoveTheSelection) {
    press(QStringLiteral("<"));
    pause();
    QListWidget* list = teg->Form()->list();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int row;
    } steps[] = {
        {Qt::Key_Down, {}, 1},       {Qt::Key_PageDown, {}, 9},
        {Qt::Key_Up, {}, 8},         {Qt::Key_End, {}, 144},
        {Qt::Key_PageDown, {}, 144}, {Qt::Key_Home, {}, 0},
        {Qt::Key_Up, {}, 0},         {Qt::Key_Down, Qt::ControlModifier, 144},
        {Qt::Key_PageUp, {}, 136},   {Qt::Key_Up, Qt::ControlModifier, 0},
    };
    for (const auto& s : steps) {
        QTest::keyClick(list, s.key, s.mods);
        EXPECT_EQ(teg->selectedRow(), s.row) << "key " << s.key;
    }
    EXPECT_TRUE(teg->isOpen());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(teg->isOpen());
    EXPECT_EQ(line(), "<");
    EXPECT_TRUE(memo->hasFocus());
}

TEST_F(Popup, LeftRightAndDeleteWorkOnTheEditor) {
    memo->model().setSelectedText("ta b");
    memo->model().setCaret({1, 1});
    press(QStringLiteral("<"));
    pause();
    QListWidget* list = teg->Form()->list();
    QTest::keyClick(list, Qt::Key_Right); // 't' joins the string
    QTest::keyClick(list, Qt::Key_Right); // 'a'
    EXPECT_EQ(teg->CurrentString(), "ta");
    EXPECT_EQ(teg->rowCount(), 1);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(teg->CurrentString(), "t");
    EXPECT_EQ(memo->model().caret().column, 3);
    QTest::keyClick(list, Qt::Key_Delete); // the editor loses the 'a'; the list stays
    EXPECT_TRUE(teg->isOpen());
    EXPECT_EQ(line(), "<t b");
    QTest::keyClick(list, Qt::Key_Right); // a blank at the caret closes the list
    EXPECT_FALSE(teg->isOpen());
    EXPECT_EQ(memo->model().caret().column, 4);
    press(QStringLiteral("<"));
    pause();
    QTest::keyClick(teg->Form()->list(), Qt::Key_Left); // empty string: caret left and close
    EXPECT_FALSE(teg->isOpen());
    EXPECT_EQ(memo->model().caret().column, 4);
}

TEST_F(Popup, MouseDoubleClickCompletesWithTheRow) {
    press(QStringLiteral("<"));
    pause();
    QListWidget* list = teg->Form()->list();
    const QRect r = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(teg->selectedRow(), 2);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(line(), "<abbr>");
    EXPECT_FALSE(teg->isOpen());
}

TEST_F(Popup, TheWindowStaysOnTheScreenAndKeepsItsNewSize) {
    const QRect desk = w->screen()->virtualGeometry();
    w->move(desk.width() - 120, desk.height() - 260);
    QTest::qWait(0);
    memo->model().setSelectedText("\r\r\r\r\r\r\r\r");
    press(QStringLiteral("<"));
    pause();
    TSynCompletionForm* form = teg->Form();
    const QPoint caret = memo->viewport()->mapToGlobal(memo->pointOf(memo->model().caret()));
    const QSize size = form->sizeFor(260, 8);
    const int bottom = caret.y() + memo->lineHeight() + size.height();
    EXPECT_EQ(form->x(), std::max(0, desk.width() - 260 - 5));
    if (bottom > desk.height()) {
        EXPECT_EQ(form->y(), std::max(0, caret.y() - size.height() - 2));
    }
    // A size chosen by the user stays for the next opening.
    form->resize(form->sizeFor(300, 5));
    QTest::keyClick(form->list(), Qt::Key_Escape);
    press(QStringLiteral("<"));
    pause();
    EXPECT_EQ(form->size(), form->sizeFor(300, 5));
}

TEST_F(Popup, EveryPageSharesThePopupAndAClosedPageIsDetached) {
    w->NewPage();
    TSynMemo* second = w->ActiveEditor();
    ASSERT_NE(second, memo);
    EXPECT_TRUE(teg->hasEditor(memo));
    EXPECT_TRUE(teg->hasEditor(second));
    // Attaching again changes nothing: one removal detaches it.
    teg->AddEditor(second);
    teg->RemoveEditor(second);
    memo = second;
    press(QStringLiteral("<"));
    EXPECT_FALSE(teg->Timer().isActive());
    teg->AddEditor(second);
    press(QStringLiteral("<"));
    pause();
    ASSERT_TRUE(teg->isOpen());
    EXPECT_EQ(teg->Editor(), second);
    // Closing the page destroys its editor while the list is open for it.
    second->model().setModified(false);
    w->ClosePageAt(w->AdvPageControl1->ActivePageIndex());
    EXPECT_FALSE(teg->isOpen());
    EXPECT_FALSE(teg->hasEditor(second));
    EXPECT_EQ(teg->Editor(), nullptr);
    memo = w->ActiveEditor();
    memo->setFocus();
    press(QStringLiteral("<"));
    pause();
    EXPECT_TRUE(teg->isOpen());
    EXPECT_EQ(teg->Editor(), memo);
}

} // namespace
